// LandXML: an alignment's plan as Trace Alignment's element lines, for a plan that does not read as
// vertices (a curve that starts the track, compound curves, spirals between curves), and an
// alignment in the element form written out as its elements.
#pragma once

#include <string>

#include "alignment/element_chain.h"
#include "landxml/xml_tree.h"

// The plan of <CoordGeom> as element lines, one per <Line>, <Curve> and clothoid <Spiral> in
// file order (elements shorter than 1e-6 left out), each with its start "Y X Dir PK" (X Y with
// xBeforeY) joined by CR LF: chainages from PKstart on, directions from the coordinates. Returns
// "" or the reason it is refused: "its elements at <PK> do not read as straights, curves and
// clothoids" for an element that cannot be read, that built from its start does not end at its
// <End> within 1 mm, or that does not continue the one before within 1 mm and 0.001 rad.
std::string PlanElementLines(const XmlNode& coordGeom, double PKstart, bool xBeforeY,
                             std::string& lines);

// The "its elements at <PK> ..." reason of PlanElementLines.
std::string ElementsRefusal(double PK);

// The <CoordGeom> of a chain: a <Line>, <Curve> or <Spiral> per element, a spiral from a left
// curve to a right one as two spirals meeting where its curvature is 0.
XmlNode ChainCoordGeom(const ElementChain& chain);
