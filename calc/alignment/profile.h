// The track's profile (its design heights along the chainage): vertical points of intersection
// (VPIs) joined by grade lines, with a parabolic vertical curve of radius Rv at each inner VPI.
//
// Glossary:
//   PK, H     a VPI's chainage (the plan's chainage) and the height where its two grade lines meet
//   Rv        the vertical curve's radius at an inner VPI, 0 for a break of grade without a curve
//   i(j)      the grade from VPI j to VPI j + 1, a fraction (rise over run)
//   T, E      the vertical curve's tangent length along the chainage and its external distance
//   dH        a surveyed height minus the design height: positive above the design
#pragma once

#include <string>
#include <vector>

struct ProfileVPI {
  std::string PKtext;  // the PK field as typed on its line, for the report
  double PK;
  double H;
  double Rv;  // 0 on the two ends
  double T;   // 0 on the two ends and where Rv is 0
  double E;
};

struct Profile {
  std::vector<ProfileVPI> vpis;  // in line order, PK growing
  std::vector<double> grades;    // i(j), one fewer than the VPIs
};

// The profile lines of the dialog's field: the echo of every non-blank line as typed, the
// problem lines (the first kind found only, every line of that kind) and, without problems, the
// profile. A blank text gives no echo, no problems and no VPIs.
struct ProfileReading {
  std::vector<std::string> echo;
  std::vector<std::string> problems;
  Profile profile;
};
ProfileReading ReadProfile(const std::string& text);

// The design height at chainage PK; false when PK lies outside PK(0) ... PK(m-1) by 1e-6 or more,
// is not a number, or the profile has no VPIs.
bool DesignHeight(const Profile& profile, double PK, double& H);

// The warning of a chainage outside the profile: "!Chainage outside of profile!".
extern const char* const kChainageOutsideProfile;
