// How long Trace Alignment's "List PK, d" takes to compute its block, without any window: 10,000
// points against an alignment of 50 vertices, and against a chain of 130 elements (target: under
// 1 s each). Prints the best of four runs and how the points fell. Built and run natively by
// scripts/benchmark-point-list.sh.
#include <chrono>
#include <cstdio>
#include <string>

#include "alignment/alignment_report.h"
#include "alignment_sample.h"

namespace {

// The best of four runs in seconds, printed with the block's summary; true within the target.
bool TimeList(const AlignmentTexts& texts, const std::string& survey, const char* against) {
  double best = -1;
  std::string block;
  for (int run = 0; run < 4; ++run) {
    const auto start = std::chrono::steady_clock::now();
    block = AlignmentListBlock(texts, survey);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (best < 0 || took.count() < best) best = took.count();
  }
  const std::size_t summary = block.rfind("Points=");
  std::printf(
      "Trace Alignment, List PK, d: %d points against %s computed in %.3f s "
      "natively (target < 1 s); block of %zu bytes, %s",
      kAlignmentPoints, against, best, block.size(),
      summary == std::string::npos ? "no summary\n" : block.c_str() + summary);
  return best < 1.0 && summary != std::string::npos;
}

}  // namespace

int main() {
  const std::string vertices = std::to_string(kAlignmentVertices) + " vertices";
  const bool fast =
      TimeList({"1000", FiftyVertices(), false, ""}, AlignmentSurvey(), vertices.c_str());
  const std::string elements = std::to_string(kChainElements) + " elements";
  const bool fastElements =
      TimeList({"0", ElementChainLines(), false, ""}, ElementChainSurvey(), elements.c_str());
  return fast && fastElements ? 0 : 1;
}
