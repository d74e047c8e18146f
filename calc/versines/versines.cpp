// Curve by Versines: reading the fields and the versine lines, the problems in their order, and
// the design with its slews.
#include "versines/versines.h"

#include <cmath>

#include "number_text.h"
#include "point_lists/point_lines.h"
#include "resource.h"

const CalculatorSpec kCurveByVersines = {
    IDD_CURVE_BY_VERSINES,
    "Curve by Versines",
    "Curve by versines",
    {
        {IDC_STEP, "Step=", true, true, VersineStep},
        {IDC_L1, "   L1=", false, true, VersineL1},
        {IDC_L2, "   L2=", false, true, VersineL2},
        {IDC_VERSINE_R, "   R=", false, true, VersineR},
    },
    {},
};

namespace {

constexpr double kLeastStep = 0.1, kMostStep = 100;
constexpr double kMostTransition = 10000;
constexpr double kLeastR = 1, kMostR = 1000000;
constexpr size_t kLeastStations = 5;
constexpr double kNoCurve = 1e-9;      // |A| below this: the versines add up to 0
constexpr double kShortCurve = -1e-9;  // Lc below this: R too small

// A transition shorter than one step cannot be seen between stations.
bool TransitionReads(double L, double step) {
  return L == 0 || (L >= step && L <= kMostTransition);
}

// R is given when its text holds anything but spaces and TABs.
bool IsGiven(const std::string& text) {
  return text.find_first_not_of(" \t") != std::string::npos;
}

}  // namespace

std::vector<std::string> TextsInTableOrder(const VersineTexts& texts) {
  return {texts.step, texts.L1, texts.L2, texts.R};
}

VersineReading ReadVersineLines(const std::string& selection) {
  VersineReading reading;
  for (const std::string& line : NonBlankLines(selection)) {
    const LineFields split = SplitFields(line);
    const std::vector<std::string>& fields = split.fields;
    VersineStation station;
    station.name = std::to_string(reading.stations.size());
    if (fields.size() == 2) station.name = fields[0];
    if ((fields.size() == 1 || fields.size() == 2) &&
        ReadFullNumber(fields.back(), split.decimalComma, station.f)) {
      reading.stations.push_back(station);
    } else {
      reading.notRead.push_back(NotReadText(line));
    }
  }
  return reading;
}

VersineResult CalculateVersines(const VersineTexts& texts, const std::string& selection) {
  VersineResult result;
  std::vector<std::string>& problems = result.problems;
  const double step = TextToNum(texts.step);
  const double L1 = TextToNum(texts.L1), L2 = TextToNum(texts.L2);
  const bool givenR = IsGiven(texts.R);
  const double R = TextToNum(texts.R);
  if (!(step >= kLeastStep && step <= kMostStep))
    problems.push_back("!Step must be from 0.1 to 100!");
  if (!TransitionReads(L1, step) || !TransitionReads(L2, step))
    problems.push_back("!L1 and L2 must each be 0 or from one step to 10000!");
  if (givenR && !(R >= kLeastR && R <= kMostR)) problems.push_back("!R must be from 1 to 1000000!");
  if (!problems.empty()) return result;

  // A missing station would shift every later one: the block stops at a line not read.
  VersineReading reading = ReadVersineLines(selection);
  for (const std::string& line : reading.notRead)
    problems.push_back("!Versine line not read: " + line + "!");
  if (!problems.empty()) return result;
  result.stations = std::move(reading.stations);
  const size_t n = result.stations.size();
  if (n < kLeastStations) {
    problems.push_back("!At least 5 versines are needed!");
    return result;
  }

  // The design is found for positive versines; a curve measured with negative ones is turned.
  std::vector<double> f;
  for (const VersineStation& station : result.stations) f.push_back(station.f);
  const VersineSums measured = SumsOf(f);
  if (std::fabs(measured.A) < kNoCurve) {
    problems.push_back("!The versines add up to 0: there is no curve!");
    return result;
  }
  result.sign = measured.A < 0 ? -1 : 1;
  for (double& x : f) x *= result.sign;
  const VersineSums sums = SumsOf(f);

  double fc = 0;
  if (givenR) {
    fc = 500 * step * step / R;
    const VersineDesign design = ClosedDesign(step, L1, L2, fc, sums);
    if (design.Lc < kShortCurve) {
      problems.push_back("!R is too small for these versines and transitions!");
      return result;
    }
    if (!FitsStations(design, n)) {
      problems.push_back("!This curve does not fit between the first and the last station!");
      return result;
    }
  } else if (!BestFitVersine(f, step, L1, L2, fc)) {
    problems.push_back(
        "!No curve with these transitions fits between the first and the last station!");
    return result;
  }
  result.design = ClosedDesign(step, L1, L2, fc, sums);
  result.P = DesignVersines(result.design, n);
  result.columns = Slews(f, result.P);
  // Back to the printed sign: the columns are all linear in the versines.
  for (std::vector<double>* column : {&result.P, &result.columns.d, &result.columns.sum1,
                                      &result.columns.sum2, &result.columns.slew})
    for (double& x : *column) x *= result.sign;
  return result;
}
