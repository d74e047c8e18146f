// Trace Alignment with a profile: the report pieces that give the track's design heights (the
// profile echo and table, the H columns of the main points and point lists) and the block of
// "List H", which compares levelled heights at chainages with the profile.
// Every piece ends its lines with CR LF.
#pragma once

#include <string>

#include "alignment/alignment_texts.h"
#include "alignment/cant.h"
#include "alignment/profile.h"

// "Profile:" and the profile's non-blank lines as typed; nothing for a blank profile.
std::string ProfileEcho(const ProfileReading& profile);

// The profile table: "PK\tH\tGrade (1/1000)\tRv\tT\tE\tPK begin\tPK end" and one row per VPI.
std::string ProfileTable(const Profile& profile);

// The design height at PK as a column ("\t" and four decimals), or "\t-" outside the profile.
std::string DesignHeightColumn(const Profile& profile, double PK);

// The heights of the canted track, given with a pivot line and a profile; each piece starts with
// a TAB and gives "-" where the profile or the cant does not reach. The heads: "\tH left\tH right"
// (CALC's main points and elements), "\tH track" ("Set out") and "\tH track\tdH track" ("List
// PK, d").
extern const char* const kRailHeightsHead;
extern const char* const kTrackHeightHead;
extern const char* const kTrackHeightListHead;

// True when the blocks give the track's heights: the cant has a pivot line and there is a profile.
bool HasTrackHeights(const Profile& profile, const Cant& cant);

// Each rail's height at PK.
std::string RailHeightsColumns(const Profile& profile, const Cant& cant, double PK);

// z(d), the rail heads' plane at PK and offset d; "-" also more than b from the centre.
std::string TrackHeightColumn(const Profile& profile, const Cant& cant, double PK, double d);

// z(d) and the measured height less z(d) ("-" without a measured height, hasHeight false).
std::string TrackHeightListColumns(const Profile& profile, const Cant& cant, double PK, double d,
                                   bool hasHeight, double H);

// The height of a "List PK, d" point line: its fourth field (after the name and the two
// coordinates) when that is a number written in full.
bool ReadPointHeight(const std::string& line, double& H);

// "List H": the selected "name PK H" or "PK H" lines against the profile alone: the heading,
// the profile echo, then the problems, or the table "Point\tPK\tH\tH design\tdH", the "Not
// read:" lines and the summary (Outside: outside the profile). A blank profile is reported as
// too few lines.
std::string AlignmentHeightsBlock(const AlignmentTexts& texts, const std::string& selection);
