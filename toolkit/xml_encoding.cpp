#include "xml_encoding.h"

#include <cctype>
#include <cstring>

namespace {

// Encoding names as XML writes them: a letter, then letters, digits, '.', '_' and '-'.
bool IsNameCharacter(char c, bool first) {
  const unsigned char u = static_cast<unsigned char>(c);
  if (u >= 0x80) return false;
  if (std::isalpha(u)) return true;
  return !first && (std::isdigit(u) || c == '.' || c == '_' || c == '-');
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string Lowercase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

struct KnownEncoding {
  const char* name;  // lower case
  unsigned codePage;
};
const KnownEncoding kKnownEncodings[] = {
    {"iso-8859-1", 28591},  {"iso-8859-2", 28592},  {"iso-8859-3", 28593},  {"iso-8859-4", 28594},
    {"iso-8859-5", 28595},  {"iso-8859-7", 28597},  {"iso-8859-9", 28599},  {"iso-8859-13", 28603},
    {"iso-8859-15", 28605}, {"latin1", 28591},      {"latin2", 28592},      {"windows-1250", 1250},
    {"windows-1251", 1251}, {"windows-1252", 1252}, {"windows-1253", 1253}, {"windows-1254", 1254},
    {"windows-1255", 1255}, {"windows-1256", 1256}, {"windows-1257", 1257}, {"windows-1258", 1258},
    {"cp1250", 1250},       {"cp1251", 1251},       {"cp1252", 1252},       {"cp1253", 1253},
    {"cp1254", 1254},       {"cp1255", 1255},       {"cp1256", 1256},       {"cp1257", 1257},
    {"cp1258", 1258},       {"koi8-r", 20866},      {"koi8-u", 21866},      {"ibm866", 866},
    {"cp866", 866},         {"us-ascii", 20127},
};

const char* const kUtf16 = "UTF-16";

}  // namespace

unsigned CodePageOfEncoding(const std::string& name) {
  const std::string lower = Lowercase(name);
  for (const KnownEncoding& known : kKnownEncodings)
    if (lower == known.name) return known.codePage;
  return 0;
}

XmlDeclaredEncoding DeclaredEncoding(const std::string& bytes) {
  XmlDeclaredEncoding encoding;
  // "<?xml" and a blank: a byte order mark, or UTF-16's zero bytes, fail this at once.
  if (bytes.compare(0, 5, "<?xml") != 0 || bytes.size() < 6 || !IsBlank(bytes[5])) return encoding;
  const size_t end = bytes.find("?>");
  if (end == std::string::npos) return encoding;
  const std::string declaration = bytes.substr(0, end);
  size_t at = declaration.find("encoding");
  if (at == std::string::npos || !IsBlank(declaration[at - 1])) return encoding;
  at += std::strlen("encoding");
  while (at < end && IsBlank(declaration[at])) ++at;
  if (at >= end || declaration[at] != '=') return encoding;
  ++at;
  while (at < end && IsBlank(declaration[at])) ++at;
  if (at >= end || (declaration[at] != '"' && declaration[at] != '\'')) return encoding;
  const char quote = declaration[at++];
  const size_t nameAt = at;
  while (at < end && IsNameCharacter(declaration[at], at == nameAt)) ++at;
  if (at == nameAt || at >= end || declaration[at] != quote) return encoding;
  const std::string name = declaration.substr(nameAt, at - nameAt);
  const std::string lower = Lowercase(name);
  if (lower == "utf-8" || lower == "utf-16") return encoding;
  encoding.name = name;
  encoding.nameAt = nameAt;
  encoding.codePage = CodePageOfEncoding(name);
  encoding.kind =
      encoding.codePage != 0 ? XmlDeclaredEncoding::CodePage : XmlDeclaredEncoding::Unknown;
  return encoding;
}

std::string DeclaringUtf16(const std::string& bytes, const XmlDeclaredEncoding& encoding) {
  const size_t length = encoding.name.size();
  const size_t shorter = length > std::strlen(kUtf16) ? length - std::strlen(kUtf16) : 0;
  // The closing quote follows the name; the blanks go after it.
  return bytes.substr(0, encoding.nameAt) + kUtf16 + bytes.substr(encoding.nameAt + length, 1) +
         std::string(shorter, ' ') + bytes.substr(encoding.nameAt + length + 1);
}
