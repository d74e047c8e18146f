#include "files/xml_file.h"

#include <objidl.h>
#include <windows.h>
#include <xmllite.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "files/byte_stream.h"
#include "files/file_bytes.h"
#include "files/xml_code_page.h"
#include "xml_ends.h"

namespace {

// Deeper documents are refused: the tree is walked recursively, and no LandXML file nests
// anywhere near this far.
constexpr size_t MaxDepth = 1000;

const wchar_t* const XmlnsPrefix = L"xmlns";

// ---- Text conversion: the reader and writer speak UTF-16, the tree UTF-8 ----

std::string Utf8(const wchar_t* text, UINT length) {
  if (length == 0) return std::string();
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), &result[0], size, nullptr,
                      nullptr);
  return result;
}

std::wstring Wide(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring result(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &result[0], size);
  return result;
}

// Holds one reference to a COM object and gives it up at the end of the scope.
template <class Interface>
struct Held {
  Interface* object = nullptr;
  Held() = default;
  explicit Held(Interface* held) : object(held) {}
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() {
    if (object != nullptr) object->Release();
  }
  Interface* operator->() const { return object; }
};

// ---- The library, loaded when first used ----

using CreateFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

struct XmlLite {
  CreateFunction createReader = nullptr;
  CreateFunction createWriter = nullptr;
  bool writerEscapesAttributes = true;
};

CreateFunction Function(HMODULE library, const char* name) {
  // GetProcAddress gives every export one type; this one is known to have CreateFunction's.
  return reinterpret_cast<CreateFunction>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

bool WriterEscapesAttributes(CreateFunction createWriter);

// The library's two entry points; null ones when it cannot be loaded. It stays loaded for the
// rest of the run.
const XmlLite& LoadXmlLite() {
  static const XmlLite loaded = [] {
    XmlLite functions;
    if (HMODULE library = LoadLibraryA("xmllite.dll")) {
      functions.createReader = Function(library, "CreateXmlReader");
      functions.createWriter = Function(library, "CreateXmlWriter");
      if (functions.createWriter != nullptr)
        functions.writerEscapesAttributes = WriterEscapesAttributes(functions.createWriter);
    }
    return functions;
  }();
  return loaded;
}

// ---- Reading ----

std::string LocalName(IXmlReader* reader) {
  const wchar_t* name = nullptr;
  UINT length = 0;
  if (FAILED(reader->GetLocalName(&name, &length))) return std::string();
  return Utf8(name, length);
}

std::string Value(IXmlReader* reader) {
  const wchar_t* value = nullptr;
  UINT length = 0;
  if (FAILED(reader->GetValue(&value, &length))) return std::string();
  return Utf8(value, length);
}

// True for xmlns="..." and xmlns:prefix="...": declarations, not data.
bool IsNamespaceDeclaration(IXmlReader* reader) {
  const wchar_t* prefix = nullptr;
  UINT prefixLength = 0;
  reader->GetPrefix(&prefix, &prefixLength);
  if (prefixLength > 0) return std::wstring(prefix, prefixLength) == XmlnsPrefix;
  const wchar_t* name = nullptr;
  UINT nameLength = 0;
  reader->GetLocalName(&name, &nameLength);
  return std::wstring(name, nameLength) == XmlnsPrefix;
}

// The element the reader stands on, with its attributes; leaves the reader on the element.
XmlNode ReadElement(IXmlReader* reader) {
  XmlNode node;
  node.name = LocalName(reader);
  for (HRESULT at = reader->MoveToFirstAttribute(); at == S_OK;
       at = reader->MoveToNextAttribute()) {
    if (!IsNamespaceDeclaration(reader))
      node.attributes.emplace_back(LocalName(reader), Value(reader));
  }
  reader->MoveToElement();
  return node;
}

// The file's text as UTF-8 for looking at its structure: UTF-16 (told by its byte order mark,
// or by its first "<") converted, anything else as it is.
std::string StructureText(const std::string& bytes) {
  const bool little = bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                                            (bytes[0] == '<' && bytes[1] == '\0'));
  const bool big = bytes.size() >= 2 && ((bytes[0] == '\xFE' && bytes[1] == '\xFF') ||
                                         (bytes[0] == '\0' && bytes[1] == '<'));
  if (!little && !big) return bytes;
  std::wstring wide;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned char first = static_cast<unsigned char>(bytes[i]);
    const unsigned char second = static_cast<unsigned char>(bytes[i + 1]);
    wide += static_cast<wchar_t>(little ? first | (second << 8) : (first << 8) | second);
  }
  return Utf8(wide.data(), static_cast<UINT>(wide.size()));
}

void MarkMalformed(IXmlReader* reader, XmlFileReading& reading) {
  UINT line = 0;
  UINT column = 0;
  reader->GetLineNumber(&line);
  reader->GetLinePosition(&column);
  reading.outcome = XmlFileReading::Malformed;
  reading.line = std::max(1, static_cast<int>(line));
  reading.column = std::max(1, static_cast<int>(column));
}

// Builds the tree from the reader's nodes. `open` holds the elements not yet ended, each the last
// child of the one before it, so the pointers stay valid while children are added below them.
void ReadTree(IXmlReader* reader, XmlFileReading& reading) {
  std::vector<XmlNode*> open;
  bool haveRoot = false;
  XmlNodeType type = XmlNodeType_None;
  HRESULT step = S_OK;
  while ((step = reader->Read(&type)) == S_OK) {
    switch (type) {
      case XmlNodeType_Element: {
        const bool empty = reader->IsEmptyElement() != FALSE;
        XmlNode element = ReadElement(reader);
        XmlNode* placed = nullptr;
        if (open.empty()) {
          reading.root = std::move(element);
          haveRoot = true;
          placed = &reading.root;
        } else {
          open.back()->children.push_back(std::move(element));
          placed = &open.back()->children.back();
        }
        if (!empty) open.push_back(placed);
        if (open.size() > MaxDepth) {
          MarkMalformed(reader, reading);
          return;
        }
        break;
      }
      case XmlNodeType_EndElement:
        if (!open.empty()) open.pop_back();
        break;
      case XmlNodeType_Text:
      case XmlNodeType_CDATA:
      case XmlNodeType_Whitespace:
        if (!open.empty()) open.back()->text += Value(reader);
        break;
      default: break;
    }
  }
  if (FAILED(step) || !haveRoot) {
    MarkMalformed(reader, reading);
    return;
  }
  reading.outcome = XmlFileReading::Read;
}

// ---- Writing ----

// Windows' writer escapes attribute values as XML requires; some implementations of the same
// interface (Wine's, where the tests run) write them as given, so that a "&" in a file name would
// make the exported file unreadable. One small document written at load time tells which.
bool WriterEscapesAttributes(CreateFunction createWriter) {
  Held<IXmlWriter> writer;
  if (FAILED(createWriter(__uuidof(IXmlWriter), reinterpret_cast<void**>(&writer.object), nullptr)))
    return true;
  Held<ByteStream> stream(new ByteStream(std::string()));
  writer->SetOutput(stream.object);
  writer->SetProperty(XmlWriterProperty_OmitXmlDeclaration, TRUE);
  writer->WriteStartElement(nullptr, L"p", nullptr);
  writer->WriteAttributeString(nullptr, L"a", nullptr, L"&");
  writer->WriteEndElement();
  writer->Flush();
  return stream->Bytes().find("&amp;") != std::string::npos;
}

// An attribute value with XML's escapes, for a writer that does not make them. Tabs and line
// breaks are escaped too, or a reader would turn them into blanks.
std::wstring EscapedAttribute(const std::wstring& value) {
  std::wstring escaped;
  for (wchar_t c : value) {
    switch (c) {
      case L'&': escaped += L"&amp;"; break;
      case L'<': escaped += L"&lt;"; break;
      case L'>': escaped += L"&gt;"; break;
      case L'"': escaped += L"&quot;"; break;
      case L'\t': escaped += L"&#9;"; break;
      case L'\n': escaped += L"&#10;"; break;
      case L'\r': escaped += L"&#13;"; break;
      default: escaped += c; break;
    }
  }
  return escaped;
}

HRESULT WriteElement(IXmlWriter* writer, const XmlNode& node, const std::wstring& space,
                     bool escapeAttributes) {
  HRESULT result = writer->WriteStartElement(nullptr, Wide(node.name).c_str(),
                                             space.empty() ? nullptr : space.c_str());
  for (const auto& attribute : node.attributes) {
    if (SUCCEEDED(result) && attribute.first != "xmlns") {
      const std::wstring value = Wide(attribute.second);
      result = writer->WriteAttributeString(
          nullptr, Wide(attribute.first).c_str(), nullptr,
          (escapeAttributes ? EscapedAttribute(value) : value).c_str());
    }
  }
  if (SUCCEEDED(result) && !node.text.empty())
    result = writer->WriteString(Wide(node.text).c_str());
  for (const XmlNode& child : node.children) {
    if (SUCCEEDED(result)) result = WriteElement(writer, child, space, escapeAttributes);
  }
  return SUCCEEDED(result) ? writer->WriteEndElement() : result;
}

// The system's words for an error code, without the trailing line break.
std::string SystemReason(unsigned long code) {
  char* words = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&words), 0, nullptr);
  std::string text = length > 0 ? std::string(words, length) : "error " + std::to_string(code);
  LocalFree(words);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  return text;
}

}  // namespace

XmlFileReading ReadXmlFile(const std::string& path) {
  XmlFileReading reading;
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) {
    reading.outcome = XmlFileReading::NotOpened;
    reading.systemError = GetLastError();
    return reading;
  }
  if (!BytesForXmlReader(bytes, reading.encoding)) {
    reading.outcome = XmlFileReading::UnknownEncoding;
    return reading;
  }
  // A document cut short is refused here: some readers never come back from one.
  const XmlEnding ending = CheckXmlEnding(StructureText(bytes));
  if (!ending.complete) {
    reading.outcome = XmlFileReading::Malformed;
    reading.line = ending.line;
    reading.column = ending.column;
    return reading;
  }
  const XmlLite& library = LoadXmlLite();
  Held<IXmlReader> reader;
  if (library.createReader == nullptr ||
      FAILED(library.createReader(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader.object),
                                  nullptr))) {
    reading.outcome = XmlFileReading::NoReader;
    return reading;
  }
  Held<ByteStream> stream(new ByteStream(std::move(bytes)));
  // Prohibited is the reader's default; said here so that no later change lets a DTD in.
  reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
  if (FAILED(reader->SetInput(stream.object))) {
    reading.outcome = XmlFileReading::Malformed;
    reading.line = reading.column = 1;
    return reading;
  }
  ReadTree(reader.object, reading);
  return reading;
}

std::string WriteXmlFile(const std::string& path, const XmlNode& root) {
  const XmlLite& library = LoadXmlLite();
  Held<IXmlWriter> writer;
  if (library.createWriter == nullptr ||
      FAILED(library.createWriter(__uuidof(IXmlWriter), reinterpret_cast<void**>(&writer.object),
                                  nullptr))) {
    return "the XML writer (xmllite.dll) is not available.";
  }
  Held<ByteStream> stream(new ByteStream(std::string()));
  const std::string* space = root.Attribute("xmlns");
  HRESULT result = writer->SetOutput(stream.object);
  if (SUCCEEDED(result)) result = writer->SetProperty(XmlWriterProperty_Indent, TRUE);
  if (SUCCEEDED(result)) result = writer->WriteStartDocument(XmlStandalone_Omit);
  if (SUCCEEDED(result))
    result = WriteElement(writer.object, root, space ? Wide(*space) : std::wstring(),
                          !library.writerEscapesAttributes);
  if (SUCCEEDED(result)) result = writer->WriteEndDocument();
  if (SUCCEEDED(result)) result = writer->Flush();
  if (FAILED(result)) return SystemReason(static_cast<unsigned long>(result));
  const WriteOutcome written = ReplaceFileBytes(path, stream->Bytes());
  return written.failedStep == WriteStep::Done ? std::string() : SystemReason(written.systemError);
}
