// The end of a point-list block.
#include "point_lists/point_list_summary.h"

#include "frame/report.h"
#include "number_text.h"

std::string PointListSummary(const std::vector<std::string>& notRead, size_t points,
                             size_t outside) {
  const auto count = [](size_t n) { return Trim(NumToText(static_cast<double>(n))); };
  std::string summary = kReportLineEnd;
  for (const std::string& text : notRead) summary += "Not read: " + text + kReportLineEnd;
  summary += "Points=" + count(points) + "   Outside=" + count(outside) +
             "   Not read=" + count(notRead.size()) + kReportLineEnd;
  return summary;
}
