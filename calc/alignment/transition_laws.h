// The laws by which a transition curve's curvature runs from its start to its end value, and by
// which a cant ramp of the same shape runs from one cant line to the next: one row per law, read
// by the element chain's geometry, the cant and the LandXML import and export alike.
//
// With t the fraction of the way (0 at the start, 1 at the end) the curvature, or the cant, is
// start + (end - start) * f(t); the direction turns by k1 * s + (k2 - k1) * L * F(t), F the
// integral of f from 0 to t. Every law has f(0) = 0, f(1) = 1, F(1) = 1/2 (a transition turns as
// far as a clothoid of the same length and radii) and f growing.
#pragma once

#include <string>

struct TransitionLaw {
  const char* word;      // the element line's first field, any case: "spiral", "bloss", ...
  const char* landXml;   // LandXML's spiType of <Spiral> and transitionType of <CantStation>
  const char* cantWord;  // the Cant line's third field that shapes its ramp; "" for a straight ramp
  double (*f)(double t);
  double (*F)(double t);
  // The pieces a transition is integrated in come in multiples of this, so that a piece boundary
  // falls wherever f has a kink in its slope (2: at t = 1/2).
  int bendDivisions;
};

// The laws, the clothoid first.
constexpr int kTransitionLawCount = 5;
extern const TransitionLaw kTransitionLaws[kTransitionLawCount];
const TransitionLaw& ClothoidLaw();

// The law whose element word (any case), LandXML name (as written) or cant word (any case; the
// clothoid has none) this is; null for none.
const TransitionLaw* LawOfWord(const std::string& word);
const TransitionLaw* LawOfLandXml(const std::string& name);
const TransitionLaw* LawOfCantWord(const std::string& word);

// The LandXML names in table order as a refusal lists them: "clothoid, bloss, ... or biquadratic".
std::string LandXmlLawNames();
