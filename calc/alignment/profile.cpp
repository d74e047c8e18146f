// The track's profile: reading its lines and the design height at a chainage.
#include "alignment/profile.h"

#include <algorithm>
#include <utility>

#include "geometry.h"
#include "point_lists/point_lines.h"

const char* const kChainageOutsideProfile = "!Chainage outside of profile!";

namespace {

// How far a chainage may lie outside the profile's ends and still count as the end, and how far
// two vertical curves may reach into each other and still count as touching.
constexpr double kProfileTolerance = 1e-6;

// How far two vertical curves may reach into each other and still meet, at the middle of their
// overlap: a design of circular curves written with parabolic ones, or rounded to the
// millimetre, overlaps by millimetres where the design's curves touch.
constexpr double kCurvesMeet = 0.5;

// One non-blank line as read, before the checks that need its neighbours.
struct ProfileLine {
  std::string PKtext;
  double PK = 0.0;
  double H = 0.0;
  bool hasRv = false;
  double Rv = 0.0;
};

std::string ProfileAt(const std::string& PKtext) {
  return "!Profile at PK " + PKtext + ": ";
}

// The lines of the text, or the "not read" problems when some line has no PK and H.
std::vector<ProfileLine> ReadProfileLines(const std::vector<std::string>& echo,
                                          std::vector<std::string>& problems) {
  std::vector<ProfileLine> lines;
  for (const std::string& text : echo) {
    const LineFields split = SplitFields(text);
    const std::vector<std::string>& f = split.fields;
    ProfileLine line;
    if (f.size() < 2 || !ReadFullNumber(f[0], split.decimalComma, line.PK) ||
        !ReadFullNumber(f[1], split.decimalComma, line.H)) {
      problems.push_back("!Profile line not read: " + NotReadText(text) + "!");
      continue;
    }
    line.PKtext = f[0];
    line.hasRv = f.size() >= 3 && ReadFullNumber(f[2], split.decimalComma, line.Rv);
    lines.push_back(line);
  }
  return lines;
}

// The checks of the lines against each other, each kind only when the kinds before it found
// nothing.
void CheckProfileLines(const std::vector<ProfileLine>& lines, std::vector<std::string>& problems) {
  if (lines.size() < 2) {
    problems.push_back("!Profile: at least two lines are needed!");
    return;
  }
  const size_t m = lines.size();
  for (size_t j = 1; j + 1 < m; ++j) {
    if (!lines[j].hasRv) problems.push_back(ProfileAt(lines[j].PKtext) + "Rv is needed!");
  }
  if (!problems.empty()) return;
  for (size_t j = 1; j < m; ++j) {
    if (!(lines[j].PK > lines[j - 1].PK)) {
      problems.push_back(ProfileAt(lines[j].PKtext) + "PK must grow!");
    }
  }
  if (!problems.empty()) return;
  for (size_t j = 1; j + 1 < m; ++j) {
    if (lines[j].Rv < 0) problems.push_back(ProfileAt(lines[j].PKtext) + "Rv must be at least 0!");
  }
}

// Grades, tangent lengths and external distances of the checked lines.
Profile BuildProfile(const std::vector<ProfileLine>& lines) {
  Profile profile;
  const size_t m = lines.size();
  for (size_t j = 0; j + 1 < m; ++j) {
    profile.grades.push_back((lines[j + 1].H - lines[j].H) / (lines[j + 1].PK - lines[j].PK));
  }
  for (size_t j = 0; j < m; ++j) {
    ProfileVPI vpi = {lines[j].PKtext, lines[j].PK, lines[j].H, 0.0, 0.0, 0.0};
    if (j > 0 && j + 1 < m) {
      vpi.Rv = lines[j].Rv;
      // A plain break of grade has no curve, even where the grades are too steep to subtract.
      if (vpi.Rv != 0) {
        vpi.T = vpi.Rv * Absolute(profile.grades[j] - profile.grades[j - 1]) / 2;
        vpi.E = vpi.T * vpi.T / (2 * vpi.Rv);
      }
    }
    profile.vpis.push_back(vpi);
  }
  return profile;
}

// How far the vertical curves of VPI j and VPI j + 1 reach into each other (0 or below where
// they do not).
double Overlap(const std::vector<ProfileVPI>& v, size_t j) {
  return v[j].T + v[j + 1].T - (v[j + 1].PK - v[j].PK);
}

// Whether the curves of VPIs j and j + 1 (both inner, both curves) overlap and meet at the middle
// of their overlap; that middle, where the first curve ends (the second starts just above it).
bool CurvesMeet(const std::vector<ProfileVPI>& v, size_t j, double& middle) {
  if (j == 0 || j + 2 >= v.size() || !(v[j].T > 0) || !(v[j + 1].T > 0)) return false;
  if (!(Overlap(v, j) > kProfileTolerance)) return false;
  middle = ((v[j].PK + v[j].T) + (v[j + 1].PK - v[j + 1].T)) / 2;
  return true;
}

// Neighbouring vertical curves that reach into each other by more than the tolerance, or, two
// curves, by more than kCurvesMeet. A curve may run past the first or the last VPI: the profile
// is then cut out of a longer one and starts or ends inside the curve.
void CheckOverlaps(const Profile& profile, std::vector<std::string>& problems) {
  const std::vector<ProfileVPI>& v = profile.vpis;
  for (size_t j = 1; j + 2 < v.size(); ++j) {
    const double overlap = Overlap(v, j);
    const bool meet = v[j].T > 0 && v[j + 1].T > 0 && overlap <= kCurvesMeet + kProfileTolerance;
    if (overlap > kProfileTolerance && !meet) {
      problems.push_back("!Profile between PK " + v[j].PKtext + " and PK " + v[j + 1].PKtext +
                         ": the vertical curves overlap by " + FixedText(overlap, 4) + "!");
    }
  }
}

// The height on the vertical curve of inner VPI j, when PK lies on it: between its tangent
// points, and on its side of the middle where it meets a neighbouring curve.
bool HeightOnCurve(const Profile& profile, size_t j, double PK, double& H) {
  const std::vector<ProfileVPI>& v = profile.vpis;
  if (j == 0 || j + 1 >= v.size() || !(v[j].T > 0)) return false;
  const double begin = v[j].PK - v[j].T;
  if (!(begin <= PK && PK <= v[j].PK + v[j].T)) return false;
  double middle = 0;
  if (CurvesMeet(v, j - 1, middle) && !(PK > middle)) return false;
  if (CurvesMeet(v, j, middle) && PK > middle) return false;
  const double before = profile.grades[j - 1];
  const double s = profile.grades[j] > before ? 1.0 : -1.0;  // a sag bends up, a crest down
  const double x = PK - begin;
  H = v[j].H + before * (PK - v[j].PK) + s * x * x / (2 * v[j].Rv);
  return true;
}

}  // namespace

ProfileReading ReadProfile(const std::string& text) {
  ProfileReading reading;
  reading.echo = NonBlankLines(text);
  if (reading.echo.empty()) return reading;
  const std::vector<ProfileLine> lines = ReadProfileLines(reading.echo, reading.problems);
  if (!reading.problems.empty()) return reading;
  CheckProfileLines(lines, reading.problems);
  if (!reading.problems.empty()) return reading;
  Profile profile = BuildProfile(lines);
  CheckOverlaps(profile, reading.problems);
  if (reading.problems.empty()) reading.profile = std::move(profile);
  return reading;
}

bool DesignHeight(const Profile& profile, double PK, double& H) {
  const std::vector<ProfileVPI>& v = profile.vpis;
  if (v.empty() || !(PK > v.front().PK - kProfileTolerance) ||
      !(PK < v.back().PK + kProfileTolerance)) {
    return false;
  }
  PK = std::min(std::max(PK, v.front().PK), v.back().PK);
  // j: the last VPI whose PK(j) <= PK. Only the curves of j and its neighbours can reach PK
  // (curves that meet may pass a neighbour's VPI by up to kCurvesMeet).
  const auto after = std::upper_bound(v.begin(), v.end(), PK,
                                      [](double at, const ProfileVPI& vpi) { return at < vpi.PK; });
  const size_t j = static_cast<size_t>(after - v.begin()) - 1;
  for (size_t k = j < 2 ? 0 : j - 2; k <= j + 2 && k < v.size(); ++k) {
    if (HeightOnCurve(profile, k, PK, H)) return true;
  }
  H = j + 1 == v.size() ? v[j].H : v[j].H + profile.grades[j] * (PK - v[j].PK);
  return true;
}
