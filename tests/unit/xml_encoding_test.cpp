// The encoding a design file's declaration names: which files are converted before the XML
// reader sees them, from which code page, and the declaration rewritten without moving a column.
#include <gtest/gtest.h>

#include <string>

#include "xml_encoding.h"

namespace {

// The encoding as "<code page> <name>", "unknown <name>" or "native".
std::string Described(const XmlDeclaredEncoding& e) {
  if (e.kind == XmlDeclaredEncoding::Native) return e.name.empty() ? "native" : "native?";
  return (e.kind == XmlDeclaredEncoding::Unknown ? "unknown" : std::to_string(e.codePage)) + " " +
         e.name;
}

TEST(XmlEncoding, DeclarationsAndTheirCodePages) {
  const struct {
    std::string start;
    const char* encoding;
  } rows[] = {
      {"<?xml version=\"1.0\" encoding=\"iso-8859-2\"?>", "28592 iso-8859-2"},
      {"<?xml version='1.0' encoding = 'Windows-1250' standalone='yes'?>", "1250 Windows-1250"},
      {"<?xml\tversion=\"1.0\"\r\n encoding=\"KOI8-R\"?>", "20866 KOI8-R"},
      {"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>", "unknown Shift_JIS"},
      // The reader's own encodings, a byte order mark whatever is declared, no name, a name that
      // is none (left to the reader to report), UTF-16's bytes.
      {"<?xml version=\"1.0\" encoding=\"utf-8\"?>", "native"},
      {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"iso-8859-2\"?>", "native"},
      {"<?xml version=\"1.0\"?><LandXML encoding=\"cp1250\"/>", "native"},
      {"<?xml version=\"1.0\" encoding=\"cp 1250\"?>", "native"},
      {"<?xml version=\"1.0\" encoding=\"cp1250?>", "native"},
      {std::string("<\0?\0x\0m\0l\0 \0", 12), "native"},
      {"<LandXML/>", "native"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(Described(DeclaredEncoding(row.start + "\n<LandXML/>")), row.encoding) << row.start;
  const struct {
    const char* name;
    unsigned codePage;
  } names[] = {{"ISO-8859-13", 28603}, {"Iso-8859-15", 28605}, {"Latin1", 28591},
               {"windows-1258", 1258}, {"CP1252", 1252},       {"koi8-u", 21866},
               {"IBM866", 866},        {"US-ASCII", 20127},    {"ISO-8859-6", 0}};
  for (const auto& row : names) EXPECT_EQ(CodePageOfEncoding(row.name), row.codePage) << row.name;
}

// The declaration names UTF-16; what follows the name keeps its column (a name shorter than
// "UTF-16" moves the rest of its line only).
TEST(XmlEncoding, DeclarationRewrittenInPlace) {
  const std::string file = "<?xml version=\"1.0\" encoding='ISO-8859-2' ?>\r\n<a b=\"\xB1\"/>";
  EXPECT_EQ(DeclaringUtf16(file, DeclaredEncoding(file)),
            "<?xml version=\"1.0\" encoding='UTF-16'     ?>\r\n<a b=\"\xB1\"/>");
  const std::string cp = "<?xml version=\"1.0\" encoding=\"cp866\"?><a/>";
  EXPECT_EQ(DeclaringUtf16(cp, DeclaredEncoding(cp)),
            "<?xml version=\"1.0\" encoding=\"UTF-16\"?><a/>");
}

}  // namespace
