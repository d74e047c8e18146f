// The program's XML file reader and writer over the system's XmlLite, run in the test process:
// any tree written reads back the same, and files that are not XML, or are built to exhaust the
// reader, come back as a position to report rather than a crash.
#include "files/xml_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <string>

#include "file_helpers.h"

namespace {

std::string TempPath(const std::string& name) {
  std::string folder(MAX_PATH + 1, '\0');
  folder.resize(GetTempPathA(static_cast<DWORD>(folder.size()), &folder[0]));
  return folder + "polver-xml-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

// Texts with what XML must escape, blanks at either end and characters beyond ASCII (UTF-8);
// tabs only in element text (a file name, the one free text of an attribute, never holds one).
std::string RandomText(std::mt19937& random, bool tabs) {
  static const char* const pieces[] = {"a",  "Z", "7",        ".",        " ", "&",        "<", ">",
                                       "\"", "'", "\xC3\xBC", "\xC2\xB0", "-", "\xD0\x96", "\t"};
  std::string text;
  const int length = std::uniform_int_distribution<int>(1, 12)(random);
  for (int i = 0; i < length; ++i)
    text += pieces[std::uniform_int_distribution<int>(0, tabs ? 14 : 13)(random)];
  return text;
}

std::string RandomName(std::mt19937& random) {
  static const char* const names[] = {"Line", "Start", "End", "Curve", "PVI", "Feature", "x9"};
  return names[std::uniform_int_distribution<int>(0, 6)(random)];
}

// Only leaves carry text: the writer indents the children of other elements.
XmlNode RandomTree(std::mt19937& random, int depth) {
  XmlNode node;
  node.name = RandomName(random);
  const int attributes = std::uniform_int_distribution<int>(0, 3)(random);
  for (int i = 0; i < attributes; ++i)
    node.attributes.emplace_back("a" + std::to_string(i), RandomText(random, false));
  const int children = depth > 0 ? std::uniform_int_distribution<int>(0, 3)(random) : 0;
  for (int i = 0; i < children; ++i) node.children.push_back(RandomTree(random, depth - 1));
  if (node.children.empty() && std::uniform_int_distribution<int>(0, 3)(random) > 0)
    node.text = RandomText(random, true);
  return node;
}

::testing::AssertionResult SameTree(const XmlNode& written, const XmlNode& read) {
  if (written.name != read.name)
    return ::testing::AssertionFailure() << read.name << " for " << written.name;
  if (written.attributes != read.attributes)
    return ::testing::AssertionFailure() << "attributes of " << written.name;
  if (written.children.empty() ? written.text != read.text
                               : read.text.find_first_not_of(" \t\r\n") != std::string::npos)
    return ::testing::AssertionFailure()
           << "\"" << read.text << "\" for \"" << written.text << "\"";
  if (written.children.size() != read.children.size())
    return ::testing::AssertionFailure() << "children of " << written.name;
  for (size_t i = 0; i < written.children.size(); ++i) {
    ::testing::AssertionResult child = SameTree(written.children[i], read.children[i]);
    if (!child) return child;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST(XmlFile, AnyTreeWrittenReadsBackTheSame) {
  std::mt19937 random(20261207);
  const std::string path = TempPath("round-trip.xml");
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    XmlNode root = RandomTree(random, 4);
    root.attributes.insert(root.attributes.begin(), {"xmlns", "http://example.org/track"});
    ASSERT_EQ("", WriteXmlFile(path, root));
    const XmlFileReading reading = ReadXmlFile(path);
    ASSERT_EQ(XmlFileReading::Read, reading.outcome) << FileBytes(path);
    root.attributes.erase(root.attributes.begin());  // a declaration, not an attribute
    EXPECT_TRUE(SameTree(root, reading.root)) << FileBytes(path);
  }
  DeleteFileA(path.c_str());
}

TEST(XmlFile, UnreadableFilesGiveWhereReadingStopped) {
  const std::string path = TempPath("bad.xml");
  struct Case {
    std::string bytes;
    int line;
  };
  const Case cases[] = {
      {"", 1},
      {"\xEF\xBB\xBF", 1},
      {"\xEF\xBB\xBF<?xm", 1},
      {"\xEF\xBB\xBF<\x00\x00\x00", 1},
      {"<?xml version=\"1.0\"?>", 1},
      {"<?xml version=\"1.0\"?>\n<a>\n<b>", 3},
      {"<a><![CDATA[x", 1},
      {"<a><!-- x", 1},
      {"<a><b/>", 1},
      {"\xFF\xFE<\0a\0>\0", 1},
      {"<a>\n<b>\n</c></a>", 3},
      // A file in a code page keeps its lines when converted for the reader.
      {"<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?>\n<a b=\"\xB1\">\n</c></a>", 3},
      {"<?xml version=\"1.0\" encoding=\"KOI8-R\"?>\r\n<a>\r\n<b>\xE1", 3},
      {"<a/><b/>", 1},
      {std::string(5000, '\0'), 1},
      // Far deeper than any design file: refused rather than walked.
      {[] {
         std::string deep;
         for (int i = 0; i < 100000; ++i) deep += "<a>";
         for (int i = 0; i < 100000; ++i) deep += "</a>";
         return deep;
       }(),
       1},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.bytes.substr(0, 40));
    PutFile(path, test.bytes);
    const XmlFileReading reading = ReadXmlFile(path);
    EXPECT_EQ(XmlFileReading::Malformed, reading.outcome);
    EXPECT_EQ(test.line, reading.line);
    EXPECT_GE(reading.column, 1);
  }
  DeleteFileA(path.c_str());
  EXPECT_EQ(XmlFileReading::NotOpened, ReadXmlFile(path).outcome);
}
