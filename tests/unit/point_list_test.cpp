// Point lists: the whole block of the worked example, and setting out then listing gives the
// chainage and offset back on every Trace element.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "frame/remembered_inputs.h"
#include "point_lists/point_lines.h"
#include "point_lists/point_list.h"
#include "report_lines.h"
#include "trace/trace_circular.h"
#include "trace/trace_connecting.h"
#include "trace/trace_linear.h"

namespace {

using Strings = std::vector<std::string>;

const Strings kLinearTexts = {"1000", "500", "200", "1100", "560", "280", "PZ", "1", "2"};
const char* const kWorkedSelection =
    "P1 530 260\r\nP2,560,280\r\nK-3;515,5;212\r\ngarbage line\r\n600 300";

std::string Block(const CalculatorSpec& calculator, const Strings& texts, PointListAction action,
                  bool xBeforeY, const std::string& selection) {
  RememberedInputs inputs = InitialInputs();
  return PointListBlock(calculator, texts, inputs, action, xBeforeY, NonBlankLines(selection));
}

TEST(PointList, WorkedExampleOnTraceLinear) {
  const Strings head = {"",
                        "Calculation on linear trace: point list",
                        "",
                        "PK0=1000   Y0=500   X0=200",
                        "PKn=1100   Yn=560   Xn=280",
                        "",
                        "Apk= 36' 52' 11.63'   Lpk=100.0000",
                        ""};
  const Strings tail = {"", "Not read: garbage line", "Points=4   Outside=0   Not read=1"};
  Strings lines = head;
  for (const char* row :
       {"Point\tY\tX\tPK\td", "P1\t530.0000\t260.0000\t1066.0000\t-12.0000",
        "P2\t560.0000\t280.0000\t1100.0000\t0.0000", "K-3\t515.5000\t212.0000\t1018.9000\t5.2000",
        "\t600.0000\t300.0000\t1140.0000\t20.0000"})
    lines.push_back(row);
  lines.insert(lines.end(), tail.begin(), tail.end());
  EXPECT_EQ(Block(kTraceLinear, kLinearTexts, ListStations, false, kWorkedSelection),
            ReportLines(lines));

  // The same points with X first, then set out from the listed PK and d.
  const std::string swapped =
      Block(kTraceLinear, kLinearTexts, ListStations, true, "P1 260 530\nK-3\t212\t515,5\n600 300");
  EXPECT_NE(swapped.find("\r\nPoint\tX\tY\tPK\td\r\nP1\t260.0000\t530.0000\t1066.0000\t-12.0000\r\n"
                         "K-3\t212.0000\t515.5000\t1018.9000\t5.2000\r\n"),
            std::string::npos);
  const std::string setOut =
      Block(kTraceLinear, kLinearTexts, SetOutStations, true, "P1 1066 -12\n1018.9,5.2");
  EXPECT_NE(setOut.find("Calculation on linear trace: setting out\r\n"), std::string::npos);
  EXPECT_NE(setOut.find("\r\nPoint\tPK\td\tX\tY\r\nP1\t1066.0000\t-12.0000\t260.0000\t530.0000\r\n"
                        "\t1018.9000\t5.2000\t212.0000\t515.5000\r\n\r\n"
                        "Points=2   Outside=0   Not read=0\r\n"),
            std::string::npos);
}

// A point off the element lists "-" and the single CALC's warning, and counts as outside; the
// point fields are neither read nor changed.
TEST(PointList, OutsideRowsCarryTheWarning) {
  // NK (0, 100) to KK (100, 0) about the origin: a quarter circle, R 100.
  const Strings texts = {"0", "0",   "100", "157.0796", "100", "0",    "0",
                         "0", "100", "0",   "0",        "PZ",  "junk", "junk"};
  RememberedInputs inputs = InitialInputs();
  inputs.Number[PzY] = 7;
  const std::string list = PointListBlock(kTraceCircular, texts, inputs, ListStations, false,
                                          NonBlankLines("A -50 -50\nB 0 110"));
  EXPECT_NE(list.find("\r\nA\t-50.0000\t-50.0000\t-\t-\t!Point outside of circular crooked!\r\n"
                      "B\t0.0000\t110.0000\t-0.0000\t10.0000\r\n\r\n"
                      "Points=2   Outside=1   Not read=0\r\n"),
            std::string::npos);
  EXPECT_EQ(list.find("PZ"), std::string::npos);
  EXPECT_EQ(inputs.Number[PzY], 7);
  EXPECT_EQ(inputs.Number[Radius], 100);
  const std::string setOut =
      PointListBlock(kTraceCircular, texts, inputs, SetOutStations, false, NonBlankLines("200 0"));
  EXPECT_NE(setOut.find("\t200.0000\t0.0000\t-\t-\t!Point outside of circular crooked!\r\n"),
            std::string::npos);
}

// Lines of every kind give rows or "Not read" lines, never anything else, and the element part of
// the block stays as it is.
TEST(PointList, BadLinesAreReportedNotGuessed) {
  const std::string head = Block(kTraceLinear, kLinearTexts, ListStations, false, "");
  const std::string frame = head.substr(0, head.find("Point\t"));
  struct Case {
    const char* what;
    std::string selection;
    const char* summary;
  };
  const std::vector<Case> cases = {
      {"binary bytes", std::string("\x01\x02\xff 1 2\r\n\x7f;\x80\0", 13),
       "Points=1   Outside=0   Not read=1\r\n"},
      {"a 1 MB line", "P " + std::string(1 << 20, '7') + " 1",
       "Points=0   Outside=0   Not read=1\r\n"},
      {"100,000 blank lines around one point",
       std::string(100000, '\n') + "1 2" + std::string(9, '\r'),
       "Points=1   Outside=0   Not read=0\r\n"},
      {"no finite number", "P 1e999 2\nnan 1\nQ inf -inf\n,;,\n",
       "Points=0   Outside=0   Not read=4\r\n"},
      {"cut mid-line", "30 260\r\nP2,560,28", "Points=2   Outside=0   Not read=0\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string block = Block(kTraceLinear, kLinearTexts, ListStations, false, c.selection);
    EXPECT_EQ(block.compare(0, frame.size(), frame), 0);
    EXPECT_EQ(block.compare(block.size() - std::strlen(c.summary), std::string::npos, c.summary), 0)
        << block.substr(block.size() - 200);
  }
  const std::string longLine = Block(kTraceLinear, kLinearTexts, ListStations, false,
                                     "P " + std::string(1 << 20, '7') + " 1");
  EXPECT_NE(longLine.find("Not read: P " + std::string(58, '7') + "...\r\n"), std::string::npos);
}

// For random elements and random PK, d on them: the point set out lists back to PK, d within the
// foot-point tolerance.
class RoundTrip : public ::testing::Test {
 protected:
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  }
  double AnySign() { return Uniform(0, 1) < 0.5 ? -1.0 : 1.0; }
  void ExpectBack(double PK, double d, const SetOutPoint& point, const Station& back) {
    ASSERT_EQ(point.warning, nullptr);
    ASSERT_EQ(back.warning, nullptr);
    EXPECT_NEAR(back.PK, PK, 1e-6);
    EXPECT_NEAR(back.d, d, 1e-6);
  }
  std::mt19937_64 random{20261207};
  static constexpr int kElements = 300;
  static constexpr int kPointsPerElement = 10;
};

TEST_F(RoundTrip, SetOutThenListOnTraceLinear) {
  for (int e = 0; e < kElements; ++e) {
    RememberedInputs inputs = InitialInputs();
    double* n = inputs.Number;
    const double length = Uniform(1, 2000), angle = Uniform(0, 6.3);
    n[FirstY] = Uniform(-1e5, 1e5), n[FirstX] = Uniform(-1e5, 1e5);
    n[SecondY] = n[FirstY] + length * std::sin(angle);
    n[SecondX] = n[FirstX] + length * std::cos(angle);
    n[FirstPK] = Uniform(0, 1e4);
    n[SecondPK] = n[FirstPK] + AnySign() * length * Uniform(0.99, 1.01);
    const LinearTrace trace = MakeLinearTrace(inputs);
    for (int p = 0; p < kPointsPerElement; ++p) {
      const double PK = n[FirstPK] + Uniform(-3000, 3000), d = Uniform(-100, 100);
      const SetOutPoint point = SetOutOnLinearTrace(trace, PK, d);
      ExpectBack(PK, d, point, LinearStation(trace, point.Y, point.X));
    }
  }
}

TEST_F(RoundTrip, SetOutThenListOnTraceCircular) {
  for (int e = 0; e < kElements; ++e) {
    RememberedInputs inputs = InitialInputs();
    double* n = inputs.Number;
    const double R = Uniform(20, 5000), start = Uniform(0, 6.3),
                 beta = AnySign() * Uniform(0.01, 3);
    n[CentreY] = Uniform(-1e5, 1e5), n[CentreX] = Uniform(-1e5, 1e5), n[Radius] = R;
    n[CorrectionZ] = Uniform(-0.2, 0.2), n[CorrectionQ] = Uniform(-0.2, 0.2);
    n[FirstY] = n[CentreY] + R * std::sin(start), n[FirstX] = n[CentreX] + R * std::cos(start);
    n[SecondY] = n[CentreY] + R * std::sin(start + beta);
    n[SecondX] = n[CentreX] + R * std::cos(start + beta);
    n[FirstPK] = Uniform(0, 1e4);
    n[SecondPK] = n[FirstPK] + AnySign() * R * std::fabs(beta) * Uniform(0.99, 1.01);
    const CircularTrace trace = MakeCircularTrace(inputs);
    const double middle = (trace.PK0 + trace.PKn - trace.Lkk) / 2;
    for (int p = 0; p < kPointsPerElement; ++p) {
      const double PK = middle + trace.turnSign * R * trace.Beta * Uniform(0.001, 0.999);
      const double d = Uniform(-0.5, 0.5) * R;
      const SetOutPoint point = SetOutOnCircularTrace(trace, PK, d);
      ExpectBack(PK, d, point, CircularStation(trace, point.Y, point.X));
    }
  }
}

TEST_F(RoundTrip, SetOutThenListOnTraceConnecting) {
  for (int e = 0; e < kElements; ++e) {
    RememberedInputs inputs = InitialInputs();
    double* n = inputs.Number;
    const double R = Uniform(100, 3000), angle = Uniform(0, 6.3), side = AnySign();
    const double uY = std::sin(angle), uX = std::cos(angle);
    n[FirstY] = Uniform(-1e5, 1e5), n[FirstX] = Uniform(-1e5, 1e5);
    n[LineY] = n[FirstY] - Uniform(50, 500) * uY, n[LineX] = n[FirstX] - Uniform(50, 500) * uX;
    n[CentreY] = n[FirstY] + side * R * uX, n[CentreX] = n[FirstX] - side * R * uY;
    n[Radius] = R, n[TransitionLength] = Uniform(10, std::fmin(200, R / 2));
    n[CorrectionQ] = Uniform(-0.15, 0.15);
    n[LinePK] = Uniform(0, 1e4), n[FirstPK] = n[LinePK] + AnySign() * Uniform(50, 500);
    const ConnectingTrace trace = MakeConnectingTrace(inputs);
    for (int p = 0; p < kPointsPerElement; ++p) {
      const double PK = trace.PKnsk + trace.chainageSign * trace.L_sk * Uniform(0.001, 0.999);
      const double d = Uniform(-5, 5);
      const SetOutPoint point = SetOutOnConnectingTrace(trace, PK, d);
      ExpectBack(PK, d, point, ConnectingStation(trace, point.Y, point.X));
    }
  }
}

}  // namespace
