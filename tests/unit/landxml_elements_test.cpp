// LandXML: plans that do not read as vertices taken over as element lines (exact lines for the
// shapes design programs write, every refusal of the element form), alignments in the element
// form exported as their elements, and the round trip export then import over random chains.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "alignment/alignment_texts.h"
#include "alignment/transition_laws.h"
#include "geometry.h"
#include "landxml/landxml.h"
#include "number_text.h"
#include "point_lists/point_lines.h"
#include "shortest_text.h"
#include "xml_text.h"

namespace {

std::string Alignment(const std::string& geometry, const std::string& more = "",
                      const std::string& staStart = "1000") {
  return "<Alignment name=\"A\" staStart=\"" + staStart + "\"><CoordGeom>" + geometry +
         "</CoordGeom>" + more + "</Alignment>";
}

std::string Line(const char* start, const char* end, const std::string& attributes = "") {
  return "<Line" + attributes + "><Start>" + start + "</Start><End>" + end + "</End></Line>";
}

// North from northing 100, easting 0, turning right by a quarter circle of radius 100.
std::string QuarterCurve(
    const std::string& attributes = " rot=\"cw\" radius=\"100\" length=\"157.07963267948966\"",
    const std::string& centre = "<Center>100 100</Center>") {
  return "<Curve" + attributes + "><Start>100 0</Start>" + centre + "<End>200 100</End></Curve>";
}
const std::string kLineAfter = Line("200 100", "200 300");

// The lines field by field: the words as they are, the numbers within 1e-9 of the expected ones,
// since a direction is the sum of several sines and cosines, whose last bits differ between C
// runtimes.
void ExpectSameLines(const std::string& text, const std::vector<std::string>& expected) {
  const std::vector<std::string> lines = NonBlankLines(text);
  ASSERT_EQ(lines.size(), expected.size()) << text;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string> got = SplitFields(lines[i]).fields;
    const std::vector<std::string> want = SplitFields(expected[i]).fields;
    ASSERT_EQ(got.size(), want.size()) << lines[i];
    for (size_t f = 0; f < got.size(); ++f) {
      double a = 0, b = 0;
      if (ReadFullNumber(got[f], false, a) && ReadFullNumber(want[f], false, b)) {
        EXPECT_NEAR(a, b, 1e-9 * std::fmax(1, std::fabs(b))) << lines[i];
      } else {
        EXPECT_EQ(got[f], want[f]) << lines[i];
      }
    }
  }
}

// A compound curve turning left, as a design program writes it to four decimals, with its
// directions in radians (which the import does not read) and a <Feature>.
const std::string kCompound =
    "<Line dir=\"0.3490658504\" length=\"100.0000\" staStart=\"2500.0000\"><Start>3000.0000 "
    "2000.0000</Start><End>3093.9693 2034.2020</End><Feature code=\"x\"/></Line>"
    "<Spiral length=\"60.0000\" radiusStart=\"INF\" radiusEnd=\"500\" rot=\"ccw\" "
    "spiType=\"clothoid\" dirStart=\"0.3490658504\"><Start>3093.9693 2034.2020</Start>"
    "<PI>3131.5641 2047.8854</PI><End>3150.7408 2053.5885</End></Spiral>"
    "<Curve rot=\"ccw\" radius=\"500\" crvType=\"arc\" length=\"40.0000\"><Start>3150.7408 "
    "2053.5885</Start><Center>3293.2693 1574.3332</Center><End>3189.4962 2063.4458</End></Curve>"
    "<Spiral length=\"60.0000\" radiusStart=\"500\" radiusEnd=\"1200\" rot=\"ccw\" "
    "spiType=\"clothoid\"><Start>3189.4962 2063.4458</Start><PI>3214.8316 2068.8211</PI>"
    "<End>3248.7048 2073.0453</End></Spiral>"
    "<Curve rot=\"ccw\" radius=\"1200\" length=\"80.0000\"><Start>3248.7048 2073.0453</Start>"
    "<Center>3397.2022 882.2689</Center><End>3328.3610 2080.2926</End></Curve>"
    "<Spiral length=\"50.0000\" radiusStart=\"1200\" radiusEnd=\"0\" rot=\"ccw\" "
    "spiType=\"clothoid\"><Start>3328.3610 2080.2926</Start><End>3378.3127 2082.4674</End>"
    "</Spiral>"
    "<Line length=\"100.0000\"><Start>3378.3127 2082.4674</Start><End>3478.2459 2086.1232</End>"
    "</Line>";

// Reverse curves, the spiral out of the one straight into the spiral of the other.
const std::string kReverse =
    "<Line><Start>1000.0000 1000.0000</Start><End>1025.0000 956.6987</End></Line>"
    "<Spiral length=\"50.0000\" radiusStart=\"INF\" radiusEnd=\"600\" rot=\"cw\" "
    "spiType=\"clothoid\"><Start>1025.0000 956.6987</Start><End>1050.5970 913.7522</End></Spiral>"
    "<Curve rot=\"cw\" radius=\"600\" length=\"60.0000\"><Start>1050.5970 913.7522</Start>"
    "<Center>1557.2649 1235.1361</Center><End>1085.2131 864.7754</End></Curve>"
    "<Spiral length=\"50.0000\" radiusStart=\"600\" radiusEnd=\"INF\" rot=\"cw\"><Start>1085.2131 "
    "864.7754</Start><End>1117.1547 826.3131</End></Spiral>"
    "<Spiral length=\"50.0000\" radiusStart=\"INF\" radiusEnd=\"700\" rot=\"ccw\"><Start>1117.1547 "
    "826.3131</Start><End>1149.1732 787.9134</End></Spiral>"
    "<Curve rot=\"ccw\" radius=\"700\" length=\"60.0000\"><Start>1149.1732 787.9134</Start>"
    "<Center>601.0278 352.5554</Center><End>1184.4316 739.3888</End></Curve>"
    "<Spiral length=\"50.0000\" radiusStart=\"700\" radiusEnd=\"INF\" rot=\"ccw\"><Start>1184.4316 "
    "739.3888</Start><End>1211.0611 697.0734</End></Spiral>"
    "<Line><Start>1211.0611 697.0734</Start><End>1237.1865 654.4417</End></Line>";

TEST(LandXmlElements, TakesOverPlansThatDoNotReadAsVertices) {
  struct Case {
    const char* what;
    std::string alignment;
    bool xBeforeY;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"a curve that starts the track",
       Alignment(QuarterCurve() + kLineAfter),
       false,
       {"curve 157.07963267948966 100 0 100 0 1000", "straight 200 100 200 90 1157.0796326794896"}},
      {"a curve without rot turns to its centre's side",
       Alignment(Line("0 0", "100 0") + QuarterCurve(" radius=\"100\"")),
       false,
       {"straight 100 0 0 0 1000", "curve 157.0796326794897 100 0 100 0 1100"}},
      {"a spiral of equal radii is a curve",
       Alignment(Line("0 0", "100 0") +
                 "<Spiral length=\"157.07963267948966\" radiusStart=\"100\" radiusEnd=\"100\" "
                 "rot=\"cw\"><Start>100 0</Start><End>200 100</End></Spiral>"),
       false,
       {"straight 100 0 0 0 1000", "curve 157.07963267948966 100 0 100 0 1100"}},
      {"a compound curve with a curve-to-curve spiral",
       Alignment(kCompound, "", "2500"),
       false,
       {"straight 100 2000 3000 19.99998485209309 2500",
        "spiral 60 0 -500 2034.202 3093.9693 20.000042474022962 2600",
        "curve 40 -500 2053.5885 3150.7408 16.56222032339258 2660",
        "spiral 60 -500 -1200 2063.4458 3189.4962 11.97857649268775 2700",
        "curve 80 -1200 2073.0453 3248.7048 7.1084453305313104 2760",
        "spiral 50 -1200 0 2080.2926 3328.361 3.288748735866875 2840",
        "straight 100 2082.4674 3378.3127 2.095084981854041 2890"}},
      {"reverse curves spiral to spiral, X before Y",
       Alignment(kReverse, "", "0"),
       true,
       {"straight 50.000025816893306 1000 1000 299.99998291969115 0",
        "spiral 50 0 600 1025 956.6987 300.00005129413773 50.000025816893306",
        "curve 60 600 1050.597 913.7522 302.3873329925304 100.0000258168933",
        "spiral 50 600 0 1085.2131 864.7754 308.11688881857793 160.0000258168933",
        "spiral 50 0 -700 1117.1547 826.3131 310.5041631993063 210.0000258168933",
        "curve 60 -700 1149.1732 787.9134 308.4580175035608 260.0000258168933",
        "spiral 50 -700 0 1184.4316 739.3888 303.54680596440636 320.0000258168933",
        "straight 49.99998370049743 1211.0611 697.0734 301.5006454811876 370.0000258168933"}},
      {"a sub-millimetre kink",
       Alignment(Line("0 0", "60 0") + Line("60.0004 0.0003", "100 0.01") +
                 "<Line><Start>100 0.01</Start><End>100 0.01</End></Line>"),
       false,
       {"straight 60 0 0 0 1000",
        "straight 39.99960117613674 0.0003 60.0004 0.013894365203213284 1060"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const LandXmlTakeOver result = TakeOverAlignment(ParseXml(c.alignment), c.xBeforeY);
    EXPECT_EQ(result.refusal, "");
    ExpectSameLines(result.texts.vertices, c.lines);
    EXPECT_EQ(result.texts.xBeforeY, c.xBeforeY);
    const AlignmentReading reading = ReadAlignment(result.texts);
    EXPECT_TRUE(reading.problems.empty());
    EXPECT_TRUE(IsElementForm(reading.alignment));
  }
}

TEST(LandXmlElements, Refusals) {
  const std::string refused = "Alignment A cannot be taken over: ";
  const auto elements = [&](const char* PK) {
    return refused + "its elements at " + PK +
           " do not read as straights, curves and transition curves.";
  };
  const std::string spiral = "<Start>200 100</Start><End>200 140</End></Spiral>";
  struct Case {
    std::string alignment;
    std::string refusal;
  };
  const std::vector<Case> cases = {
      // Built from its start, the curve ends 7 m short of its <End>.
      {Alignment(QuarterCurve(" rot=\"cw\" radius=\"100\" length=\"150\"") + kLineAfter),
       elements("1000.0000")},
      // The straight starts 2 mm from the curve's end, or turns there by 0.0025 rad.
      {Alignment(QuarterCurve() + Line("200 100.002", "200 300")), elements("1157.0796")},
      {Alignment(QuarterCurve() + Line("200 100", "200.5 300")), elements("1157.0796")},
      // Elements that cannot be read: a spiral without rot or without length, a curve whose
      // side is not known, a radius that is no number, lines without points.
      {Alignment(QuarterCurve() + "<Spiral length=\"40\" radiusStart=\"INF\" radiusEnd=\"100\">" +
                 spiral),
       elements("1157.0796")},
      {Alignment(QuarterCurve() + "<Spiral radiusStart=\"INF\" radiusEnd=\"100\" rot=\"cw\">" +
                 spiral),
       elements("1157.0796")},
      {Alignment(QuarterCurve(" radius=\"100\"", "") + kLineAfter), elements("1000.0000")},
      {Alignment(QuarterCurve() +
                 "<Spiral length=\"40\" radiusStart=\"INF\" radiusEnd=\"1OO\" rot=\"cw\">" +
                 spiral),
       elements("1157.0796")},
      {Alignment("<Line/><Line/>"), elements("1000.0000")},
      // Spirals wound absurdly tight: refused, quickly.
      {Alignment(QuarterCurve() +
                 "<Spiral length=\"1e6\" radiusStart=\"INF\" radiusEnd=\"1\" rot=\"cw\">" + spiral),
       elements("1157.0796")},
      // Nothing longer than 1e-6.
      {Alignment(QuarterCurve(" rot=\"cw\" radius=\"100\" length=\"1e-7\"")),
       elements("1000.0000")},
      // What no form takes keeps its own refusal.
      {Alignment(QuarterCurve() +
                 "<Spiral length=\"40\" radiusStart=\"100\" rot=\"cw\" spiType=\"cubicParabola\">" +
                 spiral),
       refused + "the spiral at 1157.0796 is a cubicParabola, not a clothoid, bloss, cosine, "
                 "sinusoid or biquadratic."},
      {Alignment(QuarterCurve() + "<IrregularLine/>"),
       refused + "it holds a <Chain> or an <IrregularLine>."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.alignment);
    const LandXmlTakeOver result = TakeOverAlignment(ParseXml(c.alignment), false);
    EXPECT_EQ(result.refusal, c.refusal);
    EXPECT_EQ(result.texts.vertices, "");
  }
}

const AlignmentTexts kWorked = {"0",
                                "curve 40 -500 1000 5000 30\r\n"
                                "spiral 60 -500 -1200\r\n"
                                "curve 80 -1200\r\n"
                                "spiral 50 -1200 0\r\n"
                                "straight 100\r\n"
                                "spiral 70 0 800\r\n"
                                "curve 120 800\r\n"
                                "spiral 70 800 0\r\n"
                                "straight 50",
                                false, ""};

std::vector<double> Numbers(const XmlNode* node) {
  std::vector<double> numbers;
  double a = 0, b = 0;
  if (node && std::sscanf(node->text.c_str(), "%lf %lf", &a, &b) == 2) numbers = {a, b};
  return numbers;
}

// The elements in file order with their attributes, the points they carry, where the spirals'
// tangents meet, and a spiral from a left curve to a right one written as two.
TEST(LandXmlElements, ExportedElements) {
  const LandXmlExport out = ExportAlignment(kWorked, "W", "2026-12-07", "23:05:00");
  ASSERT_EQ(out.problem, "");
  const XmlNode& alignment = *LandXmlAlignments(out.root).front();
  EXPECT_EQ(*alignment.Attribute("staStart"), "0");
  EXPECT_EQ(*alignment.Attribute("length"), "640");
  std::string kinds;
  for (const XmlNode& e : alignment.Child("CoordGeom")->children) {
    kinds += e.name + "(";
    for (const auto& attribute : e.attributes)
      kinds += attribute.first + "=" + attribute.second + " ";
    for (const XmlNode& point : e.children) kinds += point.name + " ";
    kinds += ") ";
  }
  EXPECT_EQ(kinds,
            "Curve(rot=ccw radius=500 crvType=arc length=40 staStart=0 Start Center End ) "
            "Spiral(staStart=40 length=60 radiusStart=500 radiusEnd=1200 rot=ccw "
            "spiType=clothoid Start PI End ) "
            "Curve(rot=ccw radius=1200 crvType=arc length=80 staStart=100 Start Center End ) "
            "Spiral(staStart=180 length=50 radiusStart=1200 radiusEnd=INF rot=ccw "
            "spiType=clothoid Start PI End ) "
            "Line(staStart=230 length=100 Start End ) "
            "Spiral(staStart=330 length=70 radiusStart=INF radiusEnd=800 rot=cw spiType=clothoid "
            "Start PI End ) "
            "Curve(rot=cw radius=800 crvType=arc length=120 staStart=400 Start Center End ) "
            "Spiral(staStart=520 length=70 radiusStart=800 radiusEnd=INF rot=cw spiType=clothoid "
            "Start PI End ) "
            "Line(staStart=590 length=50 Start End ) ");
  const ElementChain& chain = ReadAlignment(kWorked).alignment.chain;
  size_t i = 0;
  for (const XmlNode& e : alignment.Child("CoordGeom")->children) {
    const ChainElement& c = chain.elements[i++];
    EXPECT_EQ(Numbers(e.Child("Start")), (std::vector<double>{c.start.X, c.start.Y}));
    EXPECT_EQ(Numbers(e.Child("End")), (std::vector<double>{c.end.X, c.end.Y}));
    const std::vector<double> centre = Numbers(e.Child("Center"));
    if (!centre.empty()) {
      EXPECT_NEAR(Distance(centre[1] - c.start.Y, centre[0] - c.start.X), Absolute(c.Rstart), 1e-9);
      EXPECT_NEAR(Distance(centre[1] - c.end.Y, centre[0] - c.end.X), Absolute(c.Rstart), 1e-9);
    }
    // The PI lies on the start tangent and on the end tangent.
    const std::vector<double> PI = Numbers(e.Child("PI"));
    if (!PI.empty()) {
      EXPECT_NEAR(CrossProduct(std::sin(c.direction), std::cos(c.direction), PI[1] - c.start.Y,
                               PI[0] - c.start.X),
                  0, 1e-9);
      EXPECT_NEAR(CrossProduct(std::sin(c.endDirection), std::cos(c.endDirection), PI[1] - c.end.Y,
                               PI[0] - c.end.X),
                  0, 1e-9);
    }
  }

  AlignmentTexts reverse = {"10", "straight 100 0 0 0\r\nspiral 80 -1000 600\r\nstraight 50", false,
                            ""};
  const LandXmlExport twoSpirals = ExportAlignment(reverse, "R", "", "");
  const LandXmlTakeOver back =
      TakeOverAlignment(*LandXmlAlignments(twoSpirals.root).front(), false);
  ASSERT_EQ(back.refusal, "");
  const std::vector<std::string> lines = NonBlankLines(back.texts.vertices);
  ASSERT_EQ(lines.size(), 4u);
  const std::vector<std::string> first = SplitFields(lines[1]).fields;
  const std::vector<std::string> second = SplitFields(lines[2]).fields;
  EXPECT_EQ(first[0] + " " + first[2] + " " + first[3], "spiral -1000 0");
  EXPECT_NEAR(TextToNum(first[1]), 30, 1e-9);
  EXPECT_EQ(second[0] + " " + second[2] + " " + second[3], "spiral 0 600");
  EXPECT_NEAR(TextToNum(second[1]), 50, 1e-9);
  const ElementChain& before = ReadAlignment(reverse).alignment.chain;
  const ElementChain& after = ReadAlignment(back.texts).alignment.chain;
  EXPECT_NEAR(after.elements.back().end.Y, before.elements.back().end.Y, 1e-6);
  EXPECT_NEAR(after.elements.back().end.X, before.elements.back().end.X, 1e-6);
  // Cut where its curvature is 0, a transition of another law is no longer a curve of its law.
  for (const char* kind : {"bloss", "cosine", "sine", "helmert"}) {
    reverse.vertices = std::string("straight 100 0 0 0\r\n") + kind + " 80 -1000 600";
    EXPECT_EQ(ExportAlignment(reverse, "R", "", "").problem,
              std::string("Element 2 turns from one side to the other; LandXML cannot hold that "
                          "for a ") +
                  kind + ".");
  }
}

// Random element lines, the first with its start and PK start, transitions of every law turning
// one way only. The first is a curve or a transition: a chain that starts with a straight may read
// as vertices, and comes back as vertex lines.
AlignmentTexts RandomElementTexts(std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  const auto radius = [&] { return (unit(random) < 0.5 ? -1 : 1) * (150 + 3000 * unit(random)); };
  AlignmentTexts texts;
  texts.PKstart = ShortestText(std::round(1e4 * unit(random)) / 8);
  texts.xBeforeY = unit(random) < 0.5;
  const int count = 1 + static_cast<int>(unit(random) * 8);
  for (int i = 0; i < count; ++i) {
    const double L = 1 + 300 * unit(random),
                 kind = i == 0 ? 0.3 + 0.7 * unit(random) : unit(random);
    std::string line;
    if (kind < 0.3) {
      line = "straight " + ShortestText(L);
    } else if (kind < 0.6) {
      line = "curve " + ShortestText(L) + " " + ShortestText(radius());
    } else {
      const double R = radius(), other = R * (0.2 + 3 * unit(random));
      const double choice = unit(random);
      const TransitionLaw& law = kTransitionLaws[random() % kTransitionLawCount];
      line = law.word + (" " + ShortestText(L)) + " " +
             (choice < 0.3   ? "0 " + ShortestText(R)
              : choice < 0.6 ? ShortestText(R) + " 0"
                             : ShortestText(R) + " " + ShortestText(other));
    }
    if (i == 0)
      line += " " + ShortestText(1e5 * unit(random)) + " " + ShortestText(1e5 * unit(random)) +
              " " + ShortestText(360 * unit(random));
    texts.vertices += line + "\r\n";
  }
  return texts;
}

// Export then import gives back every element: kind, law, length, radii, start, direction,
// chainage.
TEST(LandXmlElements, ExportThenTakeOverRoundTrip) {
  std::mt19937 random(2027);
  for (int trial = 0; trial < 300; ++trial) {
    const AlignmentTexts texts = RandomElementTexts(random);
    SCOPED_TRACE(texts.vertices);
    const AlignmentReading original = ReadAlignment(texts);
    ASSERT_TRUE(original.problems.empty()) << original.problems.front();
    const LandXmlExport out = ExportAlignment(texts, "T", "2026-12-07", "00:00:00");
    ASSERT_EQ(out.problem, "");
    const LandXmlTakeOver back =
        TakeOverAlignment(*LandXmlAlignments(out.root).front(), texts.xBeforeY);
    ASSERT_EQ(back.refusal, "");
    const AlignmentReading again = ReadAlignment(back.texts);
    ASSERT_TRUE(again.problems.empty()) << again.problems.front();
    const std::vector<ChainElement>& e0 = original.alignment.chain.elements;
    const std::vector<ChainElement>& e1 = again.alignment.chain.elements;
    ASSERT_EQ(e1.size(), e0.size());
    for (size_t i = 0; i < e0.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(e1[i].kind, e0[i].kind);
      EXPECT_EQ(e1[i].law, e0[i].law);
      EXPECT_NEAR(e1[i].L, e0[i].L, 1e-6);
      EXPECT_NEAR(e1[i].Rstart, e0[i].Rstart, 1e-6);
      EXPECT_NEAR(e1[i].Rend, e0[i].Rend, 1e-6);
      EXPECT_NEAR(e1[i].start.Y, e0[i].start.Y, 1e-6);
      EXPECT_NEAR(e1[i].start.X, e0[i].start.X, 1e-6);
      EXPECT_NEAR(std::remainder(e1[i].direction - e0[i].direction, TimesPi(2)), 0, 1e-6);
      EXPECT_NEAR(e1[i].PKstart, e0[i].PKstart, 1e-6);
    }
  }
}

}  // namespace
