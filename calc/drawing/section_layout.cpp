// The long section's layout: the mapping of its plot. The layout itself is made by the placer
// (section_placer.cpp, section_band.cpp).
#include "drawing/section_layout.h"

ScreenPoint SectionMap::At(double PK, double H) const {
  return {box.left + (PK - PKfrom) / (PKto - PKfrom) * (box.right - box.left),
          box.bottom - (H - Hlow) / (Hhigh - Hlow) * (box.bottom - box.top)};
}
