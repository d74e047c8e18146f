// Trace Alignment, the geometry: a whole track alignment from its vertices (intersection points),
// each inner vertex with a circular curve of radius R between two transition curves (spirals), of
// length L before the curve and L2 after it, built by the shift construction; chainage and
// offset of a point against it, and setting out a point from its chainage and offset.
//
// Glossary:
//   V0 ... Vn-1        the vertices; leg i runs from Vi to Vi+1 with unit direction u_i
//   theta, s           the turn at a vertex (radians, into (-pi, pi]); s = +1 turning right
//   C, FI              spiral parameter R L and the spiral's turn L / (2 R)
//   k, p               the shift construction's elements: where the shifted circle's centre lies
//                      along the straight from NSK, and how far the circle is moved off it
//   L2, C2, FI2, k2, p2  the same for the exit spiral (equal to L, C, FI, k, p when L2 = L)
//   T, T2              tangent lengths: T from NSK to the vertex, T2 from the vertex to KSK
//   K0, K, D           circular arc, whole curve length, T + T2 - K
//   NSK, NKK, KKK, KSK straight to spiral, spiral to arc, arc to spiral, spiral to straight
//   O                  the centre of the circular arc
//   PK, d              chainage (running distance from PK start at V0) and offset, positive to
//                      the right of growing chainage on every element (+X up, +Y to the right)
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "alignment/element_chain.h"
#include "alignment/plane_point.h"

// A vertex's L2 when its line gives none: the exit spiral is as long as the entry one.
constexpr double kExitSameAsEntry = std::numeric_limits<double>::quiet_NaN();

struct AlignmentVertex {
  std::string name;
  PlanePoint at;
  double R;  // ignored on the two end vertices
  double L;
  double L2 = kExitSameAsEntry;
};

// What belongs to one vertex. On the two end vertices only PK and the directions are set, T = 0.
struct VertexCurve {
  double theta, s, R, L, C, FI, k, p, T, K0, K, D;
  double L2, C2, FI2, k2, p2, T2;
  PlanePoint NSK, NKK, KKK, KSK, O;
  double PK_NSK, PK_NKK, PK_KKK, PK_KSK, PK;
};

enum ElementKind { StraightElement, EntrySpiralElement, ArcElement, ExitSpiralElement };

// One piece of the track in chainage order. A spiral of length 0 is no element. In the element
// form a straight, a curve and a spiral are StraightElement, ArcElement and EntrySpiralElement,
// with vertex -1.
struct AlignmentElement {
  ElementKind kind;
  int vertex;  // a straight: its leg (from vertex i to i + 1); otherwise the inner vertex
  double PKstart, PKend;
};

struct Alignment {
  std::vector<AlignmentVertex> vertices;
  std::vector<PlanePoint> directions;  // u_i of each leg
  std::vector<double> straights;       // the straight left on each leg
  std::vector<VertexCurve> curves;     // one per vertex
  std::vector<AlignmentElement> elements;
  double PKstart = 0, PKend = 0;
  ElementChain chain;  // the element form's elements; empty in the vertex form
};

// True when the alignment was typed as a chain of elements rather than vertices.
bool IsElementForm(const Alignment& alignment);

// The length along the track: PK end less PK start, or in the element form, whose chainages may
// jump at a station equation, the sum of the elements' lengths.
double TrackLength(const Alignment& alignment);

// The alignment of a chain of elements, read without problems: no vertices, one
// AlignmentElement per element, PK start at the first element's start and the end at the last
// one's end.
Alignment AlignmentFromChain(ElementChain chain);

// Builds the alignment from two or more vertices. The problems, one report line each (the
// first kind found only, in vertex order): neighbouring vertices at one place, R not above 0 or
// L or L2 below 0, spirals that overlap (K0 < 0), curves that overlap (a straight below -1e-6; a
// straight between -1e-6 and 0, the rounding of coordinates a design program wrote, counts as
// 0). With problems the alignment is not usable.
Alignment BuildAlignment(const std::vector<AlignmentVertex>& vertices, double PKstart,
                         std::vector<std::string>& problems);

// The chainage and offset of P on one element, when P projects onto it: its foot lies on the
// element or within kEndTolerance beyond either end.
struct AlignmentStation {
  bool found;
  double PK;
  double d;
  int element;  // index into Alignment::elements
};
AlignmentStation ProjectOntoElement(const Alignment& alignment, int element, PlanePoint P);

// Of the elements on which P projects, the one with the smallest |d| (the earlier on a tie);
// found false when P projects onto none.
AlignmentStation ProjectOntoAlignment(const Alignment& alignment, PlanePoint P);

// The point at chainage PK and offset d, computed on the given element (whatever its range).
PlanePoint SetOutOnElement(const Alignment& alignment, int element, double PK, double d);

// The element whose chainage range holds PK (at a main point the earlier one), or -1 when PK
// lies more than kEndTolerance before PK start or after the end, or is not a number. In the
// element form, whose chainages may jump at a station equation: the first element in line order
// whose range, widened by kEndTolerance, holds PK.
int ElementAtChainage(const Alignment& alignment, double PK);

// "straight V0-V1", "V1 entry spiral", "V1 curve", "V1 exit spiral"; in the element form "3 curve".
std::string ElementName(const Alignment& alignment, int element);

// PK brought inside the chainage range of the element that ElementAtChainage gave for it: a
// chainage a hair outside is set out at the end it belongs to.
double ChainageOnElement(const Alignment& alignment, int element, double PK);
