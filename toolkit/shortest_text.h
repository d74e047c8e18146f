// Numbers written for another program to read back: the shortest text that reads back to the
// same double. Portable.
#pragma once

#include <string>

// The shortest decimal text of x that reads back (TextToNum, the point-list rules, any XML
// reader) to exactly x: "12.5", "-0.25", "1000", "0.1". Plain decimals without an exponent for
// 1e-6 <= |x| < 1e16 and 0; beyond that "1e+20", "1.5e-07". "INF", "-INF", "NAN" for the special
// values, as a design file writes an infinite radius.
std::string ShortestText(double x);
