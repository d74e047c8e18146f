// LandXML: an alignment's plan as Trace Alignment's element lines, for a plan that does not read as
// vertices (a curve that starts the track, compound curves, spirals between curves), and an
// alignment in the element form written out as its elements.
#pragma once

#include <string>

#include "alignment/element_chain.h"
#include "landxml/xml_tree.h"

// The plan of <CoordGeom> as element lines, one per <Line>, <Curve> and <Spiral> (of a spiType of
// kTransitionLaws, none meaning a clothoid) in file order (elements shorter than 1e-6 left out),
// each with its start "Y X Dir PK" (X Y with xBeforeY) joined by CR LF: chainages from PKstart on,
// directions from the coordinates. Returns "" or the reason it is refused: "its elements at <PK>
// do not read as straights, curves and transition curves" for an element that cannot be read,
// that built from its start does not end at its <End> within 1 mm, or that does not continue the
// one before within 1 mm and 0.001 rad.
std::string PlanElementLines(const XmlNode& coordGeom, double PKstart, bool xBeforeY,
                             std::string& lines);

// The "its elements at <PK> ..." reason of PlanElementLines.
std::string ElementsRefusal(double PK);

// The <CoordGeom> of a chain: a <Line>, <Curve> or <Spiral> per element, a clothoid from a left
// curve to a right one as two clothoids meeting where its curvature is 0.
XmlNode ChainCoordGeom(const ElementChain& chain);

// Why the chain cannot be written, or "": "Element <n> turns from one side to the other; LandXML
// cannot hold that for a <kind>." for the first transition other than a clothoid whose curvature
// changes side (one <Spiral> has one rot, and such a curve cut where its curvature is 0 is no
// longer a curve of its law).
std::string ChainExportProblem(const ElementChain& chain);
