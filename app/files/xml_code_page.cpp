#include "files/xml_code_page.h"

#include <windows.h>

#include <utility>

#include "xml_encoding.h"

bool BytesForXmlReader(std::string& bytes, std::string& unknown) {
  const XmlDeclaredEncoding encoding = DeclaredEncoding(bytes);
  if (encoding.kind == XmlDeclaredEncoding::Native) return true;
  unknown = encoding.name;
  if (encoding.kind == XmlDeclaredEncoding::Unknown) return false;
  const std::string declaring = DeclaringUtf16(bytes, encoding);
  const int size = static_cast<int>(declaring.size());
  const int wideSize =
      MultiByteToWideChar(encoding.codePage, 0, declaring.data(), size, nullptr, 0);
  if (wideSize <= 0) return false;  // a code page this system does not have
  std::wstring wide(static_cast<size_t>(wideSize), L'\0');
  MultiByteToWideChar(encoding.codePage, 0, declaring.data(), size, &wide[0], wideSize);
  std::string converted = "\xFF\xFE";
  converted.reserve(2 + 2 * wide.size());
  for (wchar_t c : wide) {
    converted += static_cast<char>(c & 0xFF);
    converted += static_cast<char>((c >> 8) & 0xFF);
  }
  bytes = std::move(converted);
  unknown.clear();
  return true;
}
