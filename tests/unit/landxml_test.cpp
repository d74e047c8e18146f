// LandXML: a design file's alignment taken over into Trace Alignment's texts (the shapes design
// programs write, every refusal, the vertical curves), the exported tree, and the round trip
// export then import over random alignments with unequal spirals and random profiles.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "alignment/alignment_report.h"
#include "alignment/profile.h"
#include "geometry.h"
#include "landxml/landxml.h"
#include "number_text.h"
#include "point_lists/point_lines.h"
#include "shortest_text.h"
#include "xml_text.h"

namespace {

LandXmlTakeOver TakeOver(const std::string& alignment, bool xBeforeY = false) {
  return TakeOverAlignment(ParseXml(alignment), xBeforeY);
}

std::string Line(const char* start, const char* end) {
  return std::string("<Line><Start>") + start + "</Start><End>" + end + "</End></Line>";
}

// A plain curve of radius 100 turning right by a quarter circle: north along easting 0, then
// east along northing 200. Its vertex lies at northing 200, easting 0.
const char* const kQuarterCurve =
    "<Curve rot=\"cw\" radius=\"100\" length=\"157.07963267948966\"><Start>100 0</Start>"
    "<Center>100 100</Center><End>200 100</End></Curve>";

std::string Alignment(const std::string& geometry, const std::string& more = "") {
  return "<Alignment name=\"A\" staStart=\"1000\"><CoordGeom>" + geometry + "</CoordGeom>" + more +
         "</Alignment>";
}

// A <Cant> (or any other children) after the plan of one curve.
std::string CantAlignment(const std::string& cant) {
  return Alignment(Line("0 0", "100 0") + kQuarterCurve + Line("200 100", "200 300"), cant);
}

TEST(LandXml, FileChecks) {
  const XmlNode two = ParseXml(
      "<?xml version=\"1.0\"?><LandXML><Units><Metric linearUnit=\"meter\"/></Units>"
      "<Alignments><Alignment name=\" Main \"/><Alignment/></Alignments>"
      "<Alignments><Alignment name=\"Siding\"/></Alignments></LandXML>");
  EXPECT_EQ(LandXmlFileProblem(two), "");
  const std::vector<const XmlNode*> alignments = LandXmlAlignments(two);
  ASSERT_EQ(alignments.size(), 3u);
  EXPECT_EQ(LandXmlAlignmentName(*alignments[0]), "Main");
  EXPECT_EQ(LandXmlAlignmentName(*alignments[1]), "(no name)");
  EXPECT_EQ(LandXmlAlignmentName(*alignments[2]), "Siding");

  EXPECT_EQ(LandXmlFileProblem(ParseXml("<LandXML><Units><Imperial linearUnit=\"USSurveyFoot\"/>"
                                        "</Units><Alignments><Alignment/></Alignments></LandXML>")),
            "This file gives lengths in feet; Polver reads metres only.");
  EXPECT_EQ(LandXmlFileProblem(ParseXml("<LandXML><Units><Metric/></Units></LandXML>")),
            "This file holds no alignment.");
  EXPECT_EQ(MalformedLandXmlMessage(3, 14),
            "This file cannot be read as LandXML: line 3, column 14.");
}

// A default namespace and a prefixed element, <Feature> children inside the elements, numbers
// such as "12.", a straight split in two at a station equation, and a profile with both kinds of
// vertical curve.
TEST(LandXml, TakesOverTheShapesDesignProgramsWrite) {
  const std::string file =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\" "
      "xmlns:lx=\"http://www.landxml.org/schema/LandXML-1.2\">\n"
      " <Alignments>\n"
      "  <Alignment name=\"Main line\" staStart=\"12.\" length=\"457.08\">\n"
      "   <CoordGeom>\n"
      "    <Line dir=\"1.5707963\"><Start>0 0 5</Start><End>60. 0</End>"
      "<Feature><Property label=\"x\" value=\"y\"/></Feature></Line>\n"
      "    <lx:Line><lx:Start>60 0</lx:Start><lx:End>100 0</lx:End></lx:Line>\n"
      "    " +
      std::string(kQuarterCurve) +
      "\n"
      "    <Line><Start> 200 100 </Start><End>200 300</End></Line>\n"
      "   </CoordGeom>\n"
      "   <StaEquation staAhead=\"5000\" staInternal=\"72\"/>\n"
      "   <Profile><ProfSurf name=\"ground\"><PntList2D>0 1 5 2</PntList2D></ProfSurf>\n"
      "    <ProfAlign name=\"design\">\n"
      "     <PVI>12 100</PVI><ParaCurve length=\"200\">150 110</ParaCurve>\n"
      "     <CircCurve radius=\"2000\">340 104</CircCurve><PVI>469 107.</PVI>\n"
      "    </ProfAlign><ProfAlign name=\"other\"><PVI>0 0</PVI></ProfAlign></Profile>\n"
      "  </Alignment>\n"
      " </Alignments>\n"
      "</LandXML>\n";
  const XmlNode root = ParseXml(file);
  ASSERT_EQ(LandXmlFileProblem(root), "");
  const XmlNode& alignment = *LandXmlAlignments(root).front();

  const LandXmlTakeOver yx = TakeOverAlignment(alignment, false);
  EXPECT_EQ(yx.refusal, "");
  EXPECT_EQ(yx.texts.PKstart, "12");
  EXPECT_EQ(yx.texts.vertices, "V0 0 0\r\nV1 0 200 100 0\r\nV2 300 200");
  const double Rv = 200 / std::fabs(-6.0 / 190 - 10.0 / 138);
  const std::string profile = "12 100\r\n150 110 " + ShortestText(Rv) + "\r\n340 104 ";
  EXPECT_EQ(yx.texts.profile.substr(0, profile.size()), profile);
  const AlignmentReading reading = ReadAlignment(yx.texts);
  EXPECT_TRUE(reading.problems.empty()) << reading.problems.front();
  EXPECT_NEAR(reading.profile.profile.vpis[1].T, 100, 1e-9);
  EXPECT_NEAR(reading.profile.profile.vpis[2].Rv, 1999.1969, 1e-4);  // the circle's tangent points

  const LandXmlTakeOver xy = TakeOverAlignment(alignment, true);
  EXPECT_EQ(xy.texts.vertices, "V0 0 0\r\nV1 200 0 100 0\r\nV2 200 300");
  EXPECT_TRUE(xy.texts.xBeforeY);
}

TEST(LandXml, Refusals) {
  const std::string in =
      "<Spiral length=\"40\" radiusStart=\"INF\" radiusEnd=\"100\" "
      "spiType=\"clothoid\"><Start>0 0</Start><End>40 1</End></Spiral>";
  struct Case {
    std::string alignment;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"<Alignment name=\"A\"/>", "it has no geometry"},
      {Alignment("<Feature/>"), "it has no geometry"},
      {Alignment(Line("0 0", "100 0") + "<Chain>P1 P2</Chain>"),
       "it holds a <Chain> or an <IrregularLine>"},
      {Alignment(Line("0 0", "100 0") + "<IrregularLine/>"),
       "it holds a <Chain> or an <IrregularLine>"},
      {Alignment(Line("0 0", "100 0") +
                 "<Spiral length=\"40\" radiusStart=\"INF\" radiusEnd=\"100\" spiType=\"revBloss\">"
                 "<Start>100 0</Start><End>140 1</End></Spiral>" +
                 Line("140 1", "200 5")),
       "the spiral at 1100.0000 is a revBloss, not a clothoid, bloss, cosine, sinusoid or "
       "biquadratic"},
      // A spiral without rot: the element form cannot read it.
      {Alignment(Line("0 0", "100 0") + in),
       "its elements at 1100.0000 do not read as straights, curves and transition curves"},
      {Alignment(Line("0 0", "100 0") + kQuarterCurve + kQuarterCurve + Line("200 100", "200 300")),
       "its elements at 1257.0796 do not read as straights, curves and transition curves"},
      {Alignment(Line("0 0", "100 0") + kQuarterCurve +
                 "<Spiral length=\"40\" radiusStart=\"100\" radiusEnd=\"200\"><Start>200 100"
                 "</Start><End>200 140</End></Spiral>" +
                 kQuarterCurve + Line("200 100", "200 300")),
       "its elements at 1257.0796 do not read as straights, curves and transition curves"},
      {Alignment(Line("0 0", "100 0") + in + Line("140 1", "200 5")),
       "its elements at 1100.0000 do not read as straights, curves and transition curves"},
      // A radius that does not fit the curve's own centre: its arc lies off the tangents' curve.
      {Alignment(Line("0 0", "100 0") +
                 "<Curve radius=\"90\"><Start>100 0</Start><Center>100 100</Center>"
                 "<End>200 100</End></Curve>" +
                 Line("200 100", "200 300")),
       "its elements at 1100.0000 do not read as straights, curves and transition curves"},
      // Lines without points.
      {Alignment("<Line/><Line/>"),
       "its elements at 1000.0000 do not read as straights, curves and transition curves"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.alignment);
    const LandXmlTakeOver result = TakeOver(c.alignment);
    EXPECT_EQ(result.refusal, std::string("Alignment A cannot be taken over: ") + c.reason + ".");
    EXPECT_EQ(result.texts.vertices, "");
  }
  // Without a profile the Profile field is emptied.
  EXPECT_EQ(TakeOver(Alignment(Line("0 0", "100 0") + kQuarterCurve + Line("200 100", "200 300")))
                .texts.profile,
            "");
}

// A <CircCurve> becomes the parabola with the circle's tangent points: VPI at 1000 between the
// grades i1 and i2 (per mille), its radius as written.
TEST(LandXml, CircularVerticalCurves) {
  const struct {
    double i1, i2;
    const char* radius;
    const char* T;
    const char* Rv;
  } rows[] = {
      {10, -5, "10000", "74.997187693", "9999.625025779"},
      {35, -40, "3000", "112.419930787", "2997.864820980"},
      {-5, 10, "-10000", "74.997187693", "9999.625025779"},  // a sag written with a negative radius
      {10, 10, "10000", "0.000000000", "0.000000000"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.radius);
    const double H = 100 + row.i1, end = H + row.i2;
    const LandXmlTakeOver taken = TakeOver(Alignment(
        Line("0 0", "3000 0"), "<Profile><ProfAlign><PVI>0 100</PVI><CircCurve radius=\"" +
                                   std::string(row.radius) + "\">1000 " + ShortestText(H) +
                                   "</CircCurve><PVI>2000 " + ShortestText(end) +
                                   "</PVI></ProfAlign></Profile>"));
    ASSERT_EQ(taken.warning, "");
    const ProfileVPI vpi = ReadAlignment(taken.texts).profile.profile.vpis.at(1);
    EXPECT_EQ(FixedText(vpi.T, 9), row.T);
    EXPECT_EQ(FixedText(vpi.Rv, 9), row.Rv);
  }
}

// A profile or cant that does not read leaves the plan taken over, its own field empty, and the
// message says what was left out and why.
TEST(LandXml, PartialTakeOver) {
  const std::string unsymmetrical =
      "<Profile><ProfAlign><PVI>1000 5</PVI><UnsymParaCurve lengthIn=\"40\" lengthOut=\"60\">1200 "
      "6</UnsymParaCurve><PVI>1400 5</PVI></ProfAlign></Profile>";
  const std::string backwards =
      "<Profile><ProfAlign><PVI>1000 5</PVI><PVI>900 6</PVI></ProfAlign></Profile>";
  const std::string goodCant =
      "<Cant><CantStation station=\"1000\" appliedCant=\"0\"/><CantStation station=\"1100\" "
      "appliedCant=\"100\"/></Cant>";
  const std::string oneStation = "<Cant><CantStation station=\"1050\" appliedCant=\"60\"/></Cant>";
  const struct {
    std::string more;
    const char* warning;
  } rows[] = {
      {unsymmetrical + goodCant,
       "Alignment A was taken over without its profile: its profile has an unsymmetrical vertical "
       "curve at 1160.0000."},
      {"<Profile><ProfAlign><PVI>1000 5</PVI><PVI>1400 5</PVI></ProfAlign></Profile>" + oneStation,
       "Alignment A was taken over without its cant: its cant at 1050.0000 does not read as "
       "chainages and cants."},
      {backwards + oneStation,
       "Alignment A was taken over without its profile and its cant: its profile at 900.0000 does "
       "not read as grades and vertical curves; its cant at 1050.0000 does not read as chainages "
       "and cants."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.more);
    const LandXmlTakeOver taken = TakeOver(CantAlignment(row.more));
    EXPECT_EQ(taken.refusal, "");
    EXPECT_EQ(taken.warning, row.warning);
    EXPECT_EQ(taken.texts.vertices, "V0 0 0\r\nV1 0 200 100 0\r\nV2 300 200");
    EXPECT_EQ(taken.texts.profile.empty(), row.more.find("PVI>900") != std::string::npos ||
                                               row.more.find("Unsym") != std::string::npos);
    EXPECT_EQ(taken.texts.cant.empty(), row.more.find("1050") != std::string::npos);
  }
  // A plan that does not read still refuses the alignment, whatever its profile.
  EXPECT_EQ(TakeOver(Alignment("<Feature/>", unsymmetrical)).refusal,
            "Alignment A cannot be taken over: it has no geometry.");
}

// A straight split at a station equation in a file written to the millimetre: the piece turns
// by far more than 1e-6 rad, but the joint lies within a millimetre of the one straight.
TEST(LandXml, StraightSplitToTheMillimetreIsOneStraight) {
  const std::string split = Line("0 0", "37.481 0.001") + Line("37.481 0.001", "100 0");
  const LandXmlTakeOver result =
      TakeOver(Alignment(split + kQuarterCurve + Line("200 100", "200 300")));
  // The quarter curve starts at northing 100, easting 0: the split line must reach it.
  EXPECT_EQ(result.refusal, "");
  EXPECT_EQ(result.texts.vertices, "V0 0 0\r\nV1 0 200 100 0\r\nV2 300 200");
}

const AlignmentTexts kUnequal = {"1000",
                                 "V0 500 200\r\n"
                                 "V1 900 1200 600 120 60\r\n"
                                 "V2 700 2200 800 0 40\r\n"
                                 "V3 1500 3000 500 80\r\n"
                                 "V4 1600 4000",
                                 false, "1000 50\r\n2500 62 8000\r\n4000 55 0\r\n5050 58"};

const XmlNode* Child(const XmlNode& node, const char* name) {
  const XmlNode* child = node.Child(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

TEST(LandXml, ExportedTree) {
  const LandXmlExport out = ExportAlignment(kUnequal, "track 1", "2026-12-07", "23:05:00");
  ASSERT_EQ(out.problem, "");
  const XmlNode& root = out.root;
  EXPECT_EQ(root.name, "LandXML");
  EXPECT_EQ(root.attributes, (std::vector<std::pair<std::string, std::string>>{
                                 {"xmlns", "http://www.landxml.org/schema/LandXML-1.2"},
                                 {"version", "1.2"},
                                 {"date", "2026-12-07"},
                                 {"time", "23:05:00"}}));
  const XmlNode* metric = Child(*Child(root, "Units"), "Metric");
  EXPECT_EQ(*metric->Attribute("linearUnit"), "meter");
  EXPECT_EQ(*metric->Attribute("directionUnit"), "radians");
  EXPECT_EQ(*Child(root, "Application")->Attribute("name"), "Polver");
  const XmlNode* alignment = Child(*Child(root, "Alignments"), "Alignment");
  EXPECT_EQ(*alignment->Attribute("name"), "track 1");
  EXPECT_EQ(*alignment->Attribute("staStart"), "1000");

  std::string kinds;
  for (const XmlNode& e : Child(*alignment, "CoordGeom")->children) kinds += e.name + " ";
  EXPECT_EQ(kinds, "Line Spiral Curve Spiral Line Curve Spiral Line Spiral Curve Spiral Line ");
  const XmlNode& entry = Child(*alignment, "CoordGeom")->children[1];
  EXPECT_EQ(*entry.Attribute("radiusStart"), "INF");
  EXPECT_EQ(*entry.Attribute("radiusEnd"), "600");
  EXPECT_EQ(*entry.Attribute("rot"), "ccw");  // V1 turns left
  EXPECT_EQ(*entry.Attribute("spiType"), "clothoid");
  const XmlNode& arc = Child(*alignment, "CoordGeom")->children[5];
  EXPECT_EQ(*arc.Attribute("rot"), "cw");
  EXPECT_EQ(*arc.Attribute("crvType"), "arc");
  std::string points;
  for (const XmlNode& p : arc.children) points += p.name + " ";
  EXPECT_EQ(points, "Start Center End PI ");

  const XmlNode* profAlign = Child(*Child(*alignment, "Profile"), "ProfAlign");
  std::string vpis;
  for (const XmlNode& p : profAlign->children) vpis += p.name + "(" + p.text + ") ";
  EXPECT_EQ(vpis, "PVI(1000 50) ParaCurve(2500 62) PVI(4000 55) PVI(5050 58) ");

  AlignmentTexts bad = kUnequal;
  bad.vertices = "V0 0 0\nV1 0 100 0 10\nV2 100 100";
  EXPECT_EQ(ExportAlignment(bad, "x", "", "").problem,
            "!Vertex V1: R must be above 0 and L at least 0!");
  bad = kUnequal;
  bad.profile = "1000 50";
  EXPECT_EQ(ExportAlignment(bad, "x", "", "").problem, "!Profile: at least two lines are needed!");
}

TEST(LandXml, ShortestTextReadsBack) {
  EXPECT_EQ(ShortestText(0.1), "0.1");
  EXPECT_EQ(ShortestText(1000), "1000");
  EXPECT_EQ(ShortestText(-12.5), "-12.5");
  EXPECT_EQ(ShortestText(0), "0");
  EXPECT_EQ(ShortestText(1e20), "1e+20");
  EXPECT_EQ(ShortestText(1.5e-7), "1.5e-07");
  EXPECT_EQ(ShortestText(INFINITY), "INF");
  std::mt19937_64 random(19);
  for (int i = 0; i < 20000; ++i) {
    double x = 0;
    do {
      const uint64_t bits = random();
      std::memcpy(&x, &bits, sizeof x);
    } while (!std::isfinite(x));
    if (i % 2) x = std::ldexp(static_cast<double>(random() % 100000000), -(i % 40));
    const std::string text = ShortestText(x);
    double back = 0;
    ASSERT_TRUE(ReadFullNumber(text, false, back)) << text;
    EXPECT_EQ(back, x) << text;
    EXPECT_EQ(TextToNum(text), x) << text;
  }
}

// The tree with every number rounded to four decimals, as many design programs write them.
XmlNode RoundedToFourDecimals(XmlNode node) {
  const auto rounded = [](const std::string& text) {
    std::string out;
    for (const std::string& field : SplitFields(text).fields) {
      double value = 0;
      out += (out.empty() ? "" : " ") +
             (ReadFullNumber(field, false, value) ? FixedText(value, 4) : field);
    }
    return out;
  };
  node.text = rounded(node.text);
  for (auto& attribute : node.attributes) {
    if (attribute.first == "length" || attribute.first == "radius") {
      attribute.second = rounded(attribute.second);
    }
  }
  for (XmlNode& child : node.children) child = RoundedToFourDecimals(child);
  return node;
}

// Random vertex lines whose curves fit, with spirals of their own length on either side.
AlignmentTexts RandomTexts(std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  for (;;) {
    AlignmentTexts texts;
    texts.PKstart = ShortestText(std::round(1e4 * unit(random)) / 8);
    texts.xBeforeY = unit(random) < 0.5;
    double Y = 1e5 * unit(random), X = 1e5 * unit(random), direction = unit(random) * 6.28;
    const int count = 2 + static_cast<int>(unit(random) * 6);
    for (int i = 0; i < count; ++i) {
      const std::string first = ShortestText(texts.xBeforeY ? X : Y);
      const std::string second = ShortestText(texts.xBeforeY ? Y : X);
      texts.vertices += "V" + std::to_string(i) + " " + first + " " + second;
      if (i > 0 && i + 1 < count) {
        const double L = unit(random) < 0.2 ? 0 : 150 * unit(random);
        const double L2 = unit(random) < 0.3 ? L : unit(random) < 0.2 ? 0 : 150 * unit(random);
        texts.vertices += " " + ShortestText(300 + 2700 * unit(random)) + " " + ShortestText(L) +
                          " " + ShortestText(L2);
      }
      texts.vertices += "\r\n";
      const double leg = 700 + 800 * unit(random);
      direction += (unit(random) - 0.5) * 2.1;
      Y += leg * std::sin(direction);
      X += leg * std::cos(direction);
    }
    const AlignmentReading reading = ReadAlignment(texts);
    if (!reading.problems.empty()) continue;
    // A profile over the alignment's chainages, with a vertical curve or a plain break at each
    // inner VPI.
    const double start = reading.alignment.PKstart, end = reading.alignment.PKend;
    const int m = 2 + static_cast<int>(unit(random) * 5);
    for (int j = 0; j < m; ++j) {
      const double shift = j > 0 && j + 1 < m ? 0.4 * (unit(random) - 0.5) : 0;
      const double PK = start + (end - start) * (j + shift) / (m - 1);
      texts.profile += ShortestText(PK) + " " + ShortestText(100 + 20 * unit(random));
      if (j > 0 && j + 1 < m)
        texts.profile += " " + ShortestText(unit(random) < 0.2 ? 0 : 2000 + 20000 * unit(random));
      texts.profile += "\r\n";
    }
    if (ReadAlignment(texts).problems.empty()) return texts;
    texts.profile.clear();
    return texts;
  }
}

// Export then import gives back PK start, the vertices and the profile, and the rebuilt
// alignment runs through every element end of the exported file.
TEST(LandXml, ExportThenTakeOverRoundTrip) {
  std::mt19937 random(1019);
  int unequal = 0, profiles = 0;  // how many trials had them, so that none goes untested
  for (int trial = 0; trial < 150; ++trial) {
    const AlignmentTexts texts = RandomTexts(random);
    profiles += !texts.profile.empty();
    SCOPED_TRACE(texts.vertices + texts.profile);
    const AlignmentReading original = ReadAlignment(texts);
    const LandXmlExport out = ExportAlignment(texts, "T", "2026-12-07", "00:00:00");
    ASSERT_EQ(out.problem, "");
    const XmlNode& alignment = *LandXmlAlignments(out.root).front();
    const LandXmlTakeOver back = TakeOverAlignment(alignment, texts.xBeforeY);
    ASSERT_EQ(back.refusal, "");
    ASSERT_EQ(back.warning, "");
    const AlignmentReading again = ReadAlignment(back.texts);
    ASSERT_TRUE(again.problems.empty()) << again.problems.front();

    EXPECT_NEAR(again.alignment.PKstart, original.alignment.PKstart, 1e-6);
    const std::vector<AlignmentVertex>& v0 = original.alignment.vertices;
    const std::vector<AlignmentVertex>& v1 = again.alignment.vertices;
    ASSERT_EQ(v1.size(), v0.size());
    for (size_t i = 0; i < v0.size(); ++i) {
      EXPECT_NEAR(v1[i].at.Y, v0[i].at.Y, 1e-6) << i;
      EXPECT_NEAR(v1[i].at.X, v0[i].at.X, 1e-6) << i;
      if (i == 0 || i + 1 == v0.size()) continue;
      EXPECT_NEAR(v1[i].R, v0[i].R, 1e-6) << i;
      EXPECT_NEAR(v1[i].L, v0[i].L, 1e-6) << i;
      EXPECT_NEAR(again.alignment.curves[i].L2, original.alignment.curves[i].L2, 1e-6) << i;
      unequal += v0[i].L2 != v0[i].L;
    }

    const std::vector<ProfileVPI>& p0 = original.profile.profile.vpis;
    const std::vector<ProfileVPI>& p1 = again.profile.profile.vpis;
    ASSERT_EQ(p1.size(), p0.size());
    for (size_t j = 0; j < p0.size(); ++j) {
      EXPECT_NEAR(p1[j].PK, p0[j].PK, 1e-6);
      EXPECT_NEAR(p1[j].H, p0[j].H, 1e-6);
      if (p0[j].T > 0) {
        EXPECT_NEAR(p1[j].Rv, p0[j].Rv, 1e-6);
      }
      EXPECT_NEAR(p1[j].T, p0[j].T, 1e-6);
    }

    for (const XmlNode& e : alignment.Child("CoordGeom")->children) {
      for (const char* end : {"Start", "End"}) {
        std::vector<double> numbers;
        for (const std::string& field : SplitFields(e.Child(end)->text).fields)
          numbers.push_back(TextToNum(field));
        const AlignmentStation s = ProjectOntoAlignment(again.alignment, {numbers[1], numbers[0]});
        ASSERT_TRUE(s.found) << e.name << " " << end;
        EXPECT_LT(std::fabs(s.d), 1e-3) << e.name << " " << end;
      }
    }
    // The same file as a design program writes it, to four decimals: still taken over, with
    // the radii and spiral lengths as written. (The vertices may move along the straights by
    // more: with a small turn, where two straights meet is sensitive to their rounding.)
    const LandXmlTakeOver rounded =
        TakeOverAlignment(RoundedToFourDecimals(alignment), texts.xBeforeY);
    ASSERT_EQ(rounded.refusal, "");
    const AlignmentReading reread = ReadAlignment(rounded.texts);
    const auto& a2 = reread.alignment;
    ASSERT_EQ(a2.vertices.size(), v0.size());
    for (size_t i = 1; i + 1 < v0.size(); ++i) {
      EXPECT_NEAR(a2.curves[i].R, v0[i].R, 1e-4) << i;
      EXPECT_NEAR(a2.curves[i].L, v0[i].L, 1e-4) << i;
      EXPECT_NEAR(a2.curves[i].L2, original.alignment.curves[i].L2, 1e-4) << i;
    }
  }
  EXPECT_GT(unequal, 100);
  EXPECT_GT(profiles, 100);
}

}  // namespace

namespace {

// A <Cant> of one ramp up to 50 mm with the given attributes.
std::string Ramp(const std::string& attributes) {
  return "<Cant" + attributes +
         "><CantStation station=\"1000\" appliedCant=\"0\"/><CantStation station=\"1100\" "
         "appliedCant=\"50\" curvature=\"cw\"/></Cant>";
}

}  // namespace

// The cant taken over from <Cant> wherever it stands among the alignment's children (sign from
// curvature, attributes not used left alone, metres made millimetres), left out where a station
// does not ramp straight or CALC would not read the lines, and written back so that the import
// gives the same lines.
TEST(LandXml, CantTakenOverAndWrittenBack) {
  const std::string stations =
      "<lx:Cant name=\"c\" gauge=\"1.5\" rotationPoint=\"insideRail\">"
      "<CantStation station=\"1000\" appliedCant=\"0\" curvature=\"ccw\" speed=\"80\"/>"
      "<CantStation station=\"1090.5\" appliedCant=\"110\" curvature=\"cw\" "
      "transitionType=\"clothoid\"/><Feature/>"
      "<CantStation station=\"1200\" appliedCant=\"85.5\" curvature=\"ccw\"/></lx:Cant>";
  struct Case {
    std::string cant;
    const char* lines;
    const char* reason;  // why it was left out
  };
  const Case cases[] = {
      {"", "", ""},
      {stations, "pivot inner 1.5\r\n1000 0\r\n1090.5 110\r\n1200 -85.5", ""},
      {"<Profile/>" + stations, "pivot inner 1.5\r\n1000 0\r\n1090.5 110\r\n1200 -85.5", ""},
      // The rotationPoint as the pivot line, the gauge as written when there is one.
      {Ramp(" rotationPoint=\"center\""), "pivot centre\r\n1000 0\r\n1100 50", ""},
      {Ramp(" rotationPoint=\"outsideRail\" gauge=\"1.5200\""),
       "pivot outer 1.52\r\n1000 0\r\n1100 50", ""},
      {Ramp(" rotationPoint=\"leftRail\" gauge=\"1\""), "pivot left 1\r\n1000 0\r\n1100 50", ""},
      {Ramp(" rotationPoint=\"rightRail\""), "pivot right\r\n1000 0\r\n1100 50", ""},
      {Ramp(" rotationPoint=\"lowRail\" gauge=\"1.435\""), "1000 0\r\n1100 50", ""},
      {"<Cant rotationPoint=\"center\"/>", "", ""},
      // A gauge in millimetres, or a cant past the rail heads, is a cant CALC would not read.
      {Ramp(" rotationPoint=\"center\" gauge=\"1435\""), "",
       "its cant's pivot does not read as a rotation point and a gauge in metres"},
      {Ramp(" rotationPoint=\"center\" gauge=\"1,435\""), "",
       "its cant's pivot does not read as a rotation point and a gauge in metres"},
      {"<Cant gauge=\"0.3\" rotationPoint=\"center\"><CantStation station=\"1000\" "
       "appliedCant=\"0\"/><CantStation station=\"1100\" appliedCant=\"365\"/></Cant>",
       "", "its cant at 1100.0000 does not read as chainages and cants"},
      // Ramps shaped by a transition law, the shape written where the ramp starts.
      {"<Cant><CantStation station=\"1000\" appliedCant=\"0\" transitionType=\"sinusoid\"/>"
       "<CantStation station=\"1050\" appliedCant=\"60\" transitionType=\"biquadratic\"/>"
       "<CantStation station=\"1100\" appliedCant=\"0\" transitionType=\"bloss\"/></Cant>",
       "1000 0 sine\r\n1050 60 helmert\r\n1100 0 bloss", ""},
      {"<Cant><CantStation station=\"1050\" appliedCant=\"60\" curvature=\"cw\" "
       "transitionType=\"weinerBogen\"/></Cant>",
       "",
       "its cant ramp at 1050.0000 is a weinerBogen, not a clothoid, bloss, cosine, sinusoid or "
       "biquadratic"},
      {"<Cant><CantStation station=\"1050\" appliedCant=\"x\"/></Cant>", "",
       "its cant after 1050.0000 does not read as chainages and cants"},
      // What CALC would not read is left out as the profile is: one station, or going back.
      {"<Cant><CantStation station=\"1050\" appliedCant=\"60\"/><CantStation station=\"1040\" "
       "appliedCant=\"60\"/></Cant>",
       "", "its cant at 1040.0000 does not read as chainages and cants"},
      // Cants all below 1 are metres.
      {"<Cant><CantStation station=\"1000\" appliedCant=\"0.0524\"/><CantStation "
       "station=\"1100\" appliedCant=\"0.150\" curvature=\"ccw\"/></Cant>",
       "1000 52.4\r\n1100 -150", ""},
      {"<Cant><CantStation station=\"1000\" appliedCant=\"0.5\"/><CantStation station=\"1100\" "
       "appliedCant=\"1\"/></Cant>",
       "1000 0.5\r\n1100 1", ""},
  };
  for (const Case& test : cases) {
    const LandXmlTakeOver taken = TakeOver(CantAlignment(test.cant));
    const std::string left = "Alignment A was taken over without its cant: ";
    EXPECT_EQ(taken.warning, *test.reason ? left + test.reason + "." : "") << test.cant;
    EXPECT_EQ(taken.texts.cant, test.lines) << test.cant;
  }

  AlignmentTexts texts = TakeOver(CantAlignment(stations)).texts;
  texts.cant = "1000 0\r\n1090.5 110 Cosine\r\n1200 -85.5 ramp\r\n1250 -0.125";
  const LandXmlExport out = ExportAlignment(texts, "track 1", "", "");
  ASSERT_EQ(out.problem, "");
  const XmlNode& alignment = *LandXmlAlignments(out.root).front();
  std::string children;
  for (const XmlNode& child : alignment.children) children += child.name + " ";
  EXPECT_EQ(children, "CoordGeom Cant ");
  const XmlNode* cant = alignment.Child("Cant");
  EXPECT_EQ(cant->attributes, (std::vector<std::pair<std::string, std::string>>{
                                  {"name", "track 1"}, {"gauge", "1.435"}}));
  std::string written;
  for (const XmlNode& station : cant->children) {
    written +=
        station.name + ":" + *station.Attribute("station") + "," +
        *station.Attribute("appliedCant") + "," + *station.Attribute("curvature") +
        (station.Attribute("transitionType") ? "," + *station.Attribute("transitionType") : "") +
        " ";
  }
  EXPECT_EQ(written,
            "CantStation:1000,0,cw CantStation:1090.5,110,cw,cosine CantStation:1200,85.5,ccw "
            "CantStation:1250,0.125,ccw ");
  EXPECT_EQ(TakeOverAlignment(alignment, false).texts.cant,
            "1000 0\r\n1090.5 110 cosine\r\n1200 -85.5\r\n1250 -0.125");
  // A pivot line goes out as gauge and rotationPoint and comes back as the import writes it.
  texts.cant = "1000 0\r\nPIVOT\tRight\t1,5200\r\n1090.5 110";
  const LandXmlExport pivoted = ExportAlignment(texts, "t", "", "");
  ASSERT_EQ(pivoted.problem, "");
  const XmlNode& back = *LandXmlAlignments(pivoted.root).front();
  EXPECT_EQ(back.Child("Cant")->attributes,
            (std::vector<std::pair<std::string, std::string>>{
                {"name", "t"}, {"gauge", "1.52"}, {"rotationPoint", "rightRail"}}));
  EXPECT_EQ(TakeOverAlignment(back, false).texts.cant, "pivot right 1.52\r\n1000 0\r\n1090.5 110");
  texts.cant = "1000 0";
  EXPECT_EQ(ExportAlignment(texts, "x", "", "").problem, "!Cant: at least two lines are needed!");
}
