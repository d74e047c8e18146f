// What the point lists ask of a Trace calculator's element: a surveyed point's chainage and
// offset, or a point set out from its chainage and offset, each with the element's warning when
// there is none.
#pragma once

// Chainage PK and offset d of a point; warning is the report's text when the single calculation
// gives none ("!Point outside of circular crooked!"), else null.
struct Station {
  double PK = 0.0;
  double d = 0.0;
  const char* warning = nullptr;
};

// Coordinates of a point set out; warning is the element's outside text when the chainage is
// not on it, else null.
struct SetOutPoint {
  double Y = 0.0;
  double X = 0.0;
  const char* warning = nullptr;
};
