// A document cut short anywhere is never taken for a whole one, and a whole one always is.
#include "xml_ends.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A design file's shapes: declaration, comment, CDATA, a DTD-less prolog, quoted ">" in values,
// an empty element, text with entities, characters beyond ASCII.
const std::string kDocument =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<!-- exported -->\r\n"
    "<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\" note='a > b'>\r\n"
    "  <Alignments><Alignment name=\"Gleis S\xC3\xBC"
    "d\" staStart=\"0\">\r\n"
    "    <CoordGeom><Line><Start>0 0</Start><End>0 100</End></Line></CoordGeom>\r\n"
    "    <Feature><![CDATA[<not a tag>]]><?app hint?></Feature>\r\n"
    "    <Empty/><Text>1 &lt; 2</Text>\r\n"
    "  </Alignment></Alignments>\r\n"
    "</LandXML>\r\n";

}  // namespace

TEST(XmlEnding, EveryCutIsOpenAndTheWholeIsComplete) {
  EXPECT_TRUE(CheckXmlEnding(kDocument).complete);
  // The root's end tag closes the document: every shorter text is cut short.
  const size_t rootEnd = kDocument.rfind('>') + 1;
  for (size_t length = 0; length < rootEnd; ++length) {
    SCOPED_TRACE(length);
    const XmlEnding ending = CheckXmlEnding(kDocument.substr(0, length));
    EXPECT_FALSE(ending.complete);
    EXPECT_GE(ending.line, 1);
    EXPECT_GE(ending.column, 1);
  }
}

TEST(XmlEnding, WhereTheTextStopsBeingADocument) {
  struct Case {
    std::string text;
    bool complete;
    int line, column;
  };
  const Case cases[] = {
      {"", false, 1, 1},
      {"\xEF\xBB\xBF", false, 1, 1},
      {"Y X\r\n100 200\r\n", false, 1, 1},
      {"\r\n  100 200", false, 2, 3},
      {"<?xml version=\"1.0\"?>", false, 1, 22},
      {"<?xml version=\"1.0\"?>\n<a>\n<b>", false, 3, 4},
      {"<a><![CDATA[x", false, 1, 4},
      {"<a>\n  <!-- x", false, 2, 3},
      {"<a b=\"x>", false, 1, 1},
      {"<!DOCTYPE a [\n<!ENTITY e \"x\">\n", false, 1, 1},
      {"<a/>", true, 0, 0},
      {"<a>\xC3\xBC\xC3\xBC</a>\n<!-- end -->", true, 0, 0},
      {"<!DOCTYPE a [<!ENTITY e \"x\">]>\n<a>&e;</a>", true, 0, 0},
      {"<a>\n<b>\n</a>", false, 3, 5},
      // Other faults are the reader's to find and place.
      {"<a>\n<b>\n</c></d>", true, 0, 0},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.text);
    const XmlEnding ending = CheckXmlEnding(test.text);
    EXPECT_EQ(test.complete, ending.complete);
    EXPECT_EQ(test.line, ending.line);
    EXPECT_EQ(test.column, ending.column);
  }
}
