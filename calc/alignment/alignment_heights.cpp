// Trace Alignment with a profile: the height pieces of the reports and the "List H" block.
#include "alignment/alignment_heights.h"

#include <vector>

#include "frame/report.h"
#include "geometry.h"
#include "number_text.h"
#include "point_lists/point_lines.h"
#include "point_lists/point_list_summary.h"

const char* const kRailHeightsHead = "\tH left\tH right";
const char* const kTrackHeightHead = "\tH track";
const char* const kTrackHeightListHead = "\tH track\tdH track";

namespace {

const char* const kTab = "\t";

std::string Line(const std::string& text) {
  return text + kReportLineEnd;
}

// A column of a table row: TAB and the value with four decimals.
std::string Column(double x) {
  return kTab + FixedText(x, 4);
}

// z(d) at PK where the profile, the cant and the track surface reach.
bool TrackHeight(const Profile& profile, const Cant& cant, double PK, double d, double& z) {
  double H = 0, C = 0;
  return DesignHeight(profile, PK, H) && DesignCant(cant, PK, C) &&
         TrackSurfaceHeight(cant.pivot, H, C, d, z);
}

}  // namespace

bool HasTrackHeights(const Profile& profile, const Cant& cant) {
  return cant.pivot.given && !profile.vpis.empty();
}

std::string RailHeightsColumns(const Profile& profile, const Cant& cant, double PK) {
  double H = 0, C = 0;
  if (!DesignHeight(profile, PK, H) || !DesignCant(cant, PK, C)) return "\t-\t-";
  const RailHeights rails = RailHeightsAt(cant.pivot, H, C);
  return Column(rails.left) + Column(rails.right);
}

std::string TrackHeightColumn(const Profile& profile, const Cant& cant, double PK, double d) {
  double z = 0;
  return TrackHeight(profile, cant, PK, d, z) ? Column(z) : "\t-";
}

std::string TrackHeightListColumns(const Profile& profile, const Cant& cant, double PK, double d,
                                   bool hasHeight, double H) {
  double z = 0;
  if (!TrackHeight(profile, cant, PK, d, z)) return "\t-\t-";
  return Column(z) + (hasHeight ? Column(H - z) : "\t-");
}

std::string ProfileEcho(const ProfileReading& profile) {
  if (profile.echo.empty()) return "";
  std::string text = Line("Profile:");
  for (const std::string& line : profile.echo) text += Line(line);
  return text;
}

std::string ProfileTable(const Profile& profile) {
  std::string table = Line("PK\tH\tGrade (1/1000)\tRv\tT\tE\tPK begin\tPK end");
  const std::vector<ProfileVPI>& v = profile.vpis;
  for (size_t j = 0; j < v.size(); ++j) {
    std::string row = FixedText(v[j].PK, 4) + Column(v[j].H);
    row += j + 1 < v.size() ? Column(profile.grades[j] * 1000) : "\t-";
    if (j == 0 || j + 1 == v.size()) {
      row += "\t-\t-\t-\t-\t-";
    } else {
      row += Column(v[j].Rv) + Column(v[j].T) + Column(v[j].E) + Column(v[j].PK - v[j].T) +
             Column(v[j].PK + v[j].T);
    }
    table += Line(row);
  }
  return table;
}

std::string DesignHeightColumn(const Profile& profile, double PK) {
  double H = 0;
  return DesignHeight(profile, PK, H) ? Column(H) : "\t-";
}

bool ReadPointHeight(const std::string& line, double& H) {
  const LineFields split = SplitFields(line);
  return split.fields.size() >= 4 && ReadFullNumber(split.fields[3], split.decimalComma, H);
}

std::string AlignmentHeightsBlock(const AlignmentTexts& texts, const std::string& selection) {
  ProfileReading reading = ReadProfile(texts.profile);
  // With no profile every chainage would be outside it: say what is missing instead.
  if (reading.echo.empty()) reading.problems.push_back("!Profile: at least two lines are needed!");
  std::string block = kReportLineEnd;
  block += Line("Calculation on alignment: heights");
  block += Line("");
  block += Line("Profile:");
  for (const std::string& line : reading.echo) block += Line(line);
  block += Line("");
  if (!reading.problems.empty()) {
    for (const std::string& problem : reading.problems) block += Line(problem);
    return block;
  }

  block += Line("Point\tPK\tH\tH design\tdH");
  const SelectedPoints selected = ReadSelectedPoints(selection);
  size_t outside = 0;
  for (const SelectedPoint& each : selected.read) {
    const PointLine& point = each.point;
    std::string row = point.name + Column(point.first) + Column(point.second);
    double design = 0;
    if (DesignHeight(reading.profile, point.first, design)) {
      row += Column(design) + Column(point.second - design);
    } else {
      row += std::string("\t-\t-\t") + kChainageOutsideProfile;
      ++outside;
    }
    block += Line(row);
  }
  block += PointListSummary(selected.notRead, selected.read.size(), outside);
  return block;
}
