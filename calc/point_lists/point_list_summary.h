// The end of every point-list block, the same for the Trace dialogs' lists and the alignment's.
#pragma once

#include <string>
#include <vector>

// The end of a point-list block: a blank line, "Not read: " and each line that was not read, and
// the summary "Points=n   Outside=n   Not read=n".
std::string PointListSummary(const std::vector<std::string>& notRead, size_t points,
                             size_t outside);
