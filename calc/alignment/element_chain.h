// An alignment typed as a chain of elements, one line each, in chainage order: straights,
// circular curves and transition curves (clothoids, curvature linear in length, and the Bloss,
// cosine, sine and Helmert curves of transition_laws.h; also from one curve to another or from a
// left curve to a right one). Reading its lines, its geometry, the chainage and
// offset of a point against it and setting out a point from its chainage and offset. Portable.
//
// Element lines (fields by SplitFields, numbers written in full):
//   straight L            [Y X Dir [PK]]
//   curve    L R          [Y X Dir [PK]]
//   spiral   L R1 R2      [Y X Dir [PK]]   (also bloss, cosine, sine, helmert: a transition's law)
// R, R1, R2 signed: positive to the right (the direction angle grows), 0 on a spiral meaning a
// straight's infinite radius. Dir in degrees from +X towards +Y. Without Y X Dir an element starts
// where the one before ends, in its end direction, at its end chainage; a PK other than that end
// chainage is a station equation.
//
// Points are (Y, X), +X up and +Y to the right; direction angles are radians from +X towards +Y;
// offsets d are positive to the right of growing chainage.
#pragma once

#include <string>
#include <vector>

#include "alignment/element_geometry.h"

struct ElementChain {
  std::vector<ChainElement> elements;
};

// True when the first field of the first line that has a field is straight, curve or a
// transition's word (spiral, bloss, ...), in any case: the text then holds element lines, not
// vertex lines.
bool IsElementText(const std::string& text);

// The element lines of the Vertices text: the echo of every non-blank line as typed, the problem
// lines (the first kind found only, every line of that kind, in line order) and, without problems,
// the chain. The first element starts at PKstart unless its line gives a PK. xBeforeY: the lines
// give X Y Dir instead of Y X Dir.
struct ElementChainReading {
  std::vector<std::string> echo;
  std::vector<std::string> problems;
  ElementChain chain;
};
ElementChainReading ReadElementChain(const std::string& text, double PKstart, bool xBeforeY);

// P against one element, when P projects onto it: its foot, where the distance to P is locally
// smallest, lies on the element or within kEndTolerance beyond either end. Of several such feet
// on one spiral the one nearest P.
ChainStation ProjectOntoChainElement(const ElementChain& chain, int element, PlanePoint P);

// Of the elements onto which P projects, the one with the smallest |d|, the earlier on a tie (two
// |d| within 1e-9 of each other); found false when P projects onto none.
ChainStation ProjectOntoChain(const ElementChain& chain, PlanePoint P);

// The first element in line order whose chainage range, widened by kEndTolerance at both ends,
// holds PK; -1 when none does or PK is not a number.
int ChainElementAtChainage(const ElementChain& chain, double PK);

// The point at chainage PK and offset d, computed on the given element (whatever its range).
PlanePoint SetOutOnChainElement(const ElementChain& chain, int element, double PK, double d);

// The element's number from 1 and its kind: "1 straight", "2 spiral", "3 curve", "4 bloss".
std::string ChainElementName(const ElementChain& chain, int element);
