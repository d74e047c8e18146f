// Curve by Versines' block.
#include "versines/versine_report.h"

#include <cmath>

#include "frame/report.h"
#include "geometry.h"
#include "number_text.h"

size_t LargestSlewStation(const VersineResult& result) {
  size_t largest = 0;
  double largestSize = -1;
  const std::vector<double>& slew = result.columns.slew;
  for (size_t i = 0; i < slew.size(); ++i) {
    const double size = std::fabs(TextToNum(UnsignedFixedText(slew[i], 1)));
    if (size > largestSize) largest = i, largestSize = size;
  }
  return largest;
}

std::string VersineResultText(const VersineResult& result) {
  const char* const end = kReportLineEnd;
  std::string text = end;
  if (!result.problems.empty()) {
    for (const std::string& problem : result.problems) text += problem + end;
    return text;
  }
  auto F1 = [](double x) { return UnsignedFixedText(x, 1); };
  auto F2 = [](double x) { return UnsignedFixedText(x, 2); };
  text += std::string("Station\tf\tf design\tdf\tSum 1\tSum 2\tSlew") + end;
  const SlewColumns& c = result.columns;
  for (size_t i = 0; i < result.stations.size(); ++i) {
    text += result.stations[i].name + "\t" + F1(result.stations[i].f) + "\t" + F1(result.P[i]) +
            "\t" + F1(c.d[i]) + "\t" + F1(c.sum1[i]) + "\t" + F1(c.sum2[i]) + "\t" + F1(c.slew[i]) +
            end;
  }
  const VersineDesign& d = result.design;
  const double a = d.step;
  const size_t largest = LargestSlewStation(result);
  text += end;
  text += "R=" + F2(500 * a * a / std::fabs(d.fc)) + "   f=" + F1(result.sign * d.fc) +
          "   L1=" + F2(d.L1) + "   Lc=" + F2(d.Lc) + "   L2=" + F2(d.L2) + end;
  text += "TS=" + F2(d.TS) + "   SC=" + F2(d.SC()) + "   CS=" + F2(d.CS()) + "   ST=" + F2(d.ST()) +
          end;
  text += "Stations=" + std::to_string(result.stations.size()) +
          "   Largest slew=" + F1(c.slew[largest]) + " at " + result.stations[largest].name + end;
  return text;
}

std::string VersinesBlock(const VersineTexts& texts, const std::string& selection) {
  return InputReport(kCurveByVersines, TextsInTableOrder(texts)) +
         VersineResultText(CalculateVersines(texts, selection));
}
