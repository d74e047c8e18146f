// The transition laws' table.
#include "alignment/transition_laws.h"

#include <cmath>

namespace {

// The laws' own pi, the double nearest to it: the program's pi, a little below, would leave the
// cosine's and the sine's curvature a hair away from its end value.
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// Curvature linear in length.
double ClothoidF(double t) {
  return t;
}
double ClothoidIntegral(double t) {
  return t * t / 2;
}
// A cubic parabola of curvature with zero slope at both ends.
double BlossF(double t) {
  return t * t * (3 - 2 * t);
}
double BlossIntegral(double t) {
  return t * t * t * (1 - t / 2);
}
// Half a cosine wave.
double CosineF(double t) {
  return (1 - std::cos(kPi * t)) / 2;
}
double CosineIntegral(double t) {
  return t / 2 - std::sin(kPi * t) / kTwoPi;
}
// A line less a full sine wave: zero slope and zero bend at both ends.
double SineF(double t) {
  return t - std::sin(kTwoPi * t) / kTwoPi;
}
double SineIntegral(double t) {
  return t * t / 2 + (std::cos(kTwoPi * t) - 1) / (kTwoPi * kTwoPi);
}
// Two parabolas of curvature meeting at the middle.
double HelmertF(double t) {
  return t <= 0.5 ? 2 * t * t : 1 - 2 * (1 - t) * (1 - t);
}
double HelmertIntegral(double t) {
  return t <= 0.5 ? 2 * t * t * t / 3 : t - 0.5 + 2 * (1 - t) * (1 - t) * (1 - t) / 3;
}

}  // namespace

// Its size is the header's count: a row too many does not compile, one too few fails the
// table test.
const TransitionLaw kTransitionLaws[] = {
    {"spiral", "clothoid", "", ClothoidF, ClothoidIntegral, 1},
    {"bloss", "bloss", "bloss", BlossF, BlossIntegral, 1},
    {"cosine", "cosine", "cosine", CosineF, CosineIntegral, 1},
    {"sine", "sinusoid", "sine", SineF, SineIntegral, 1},
    {"helmert", "biquadratic", "helmert", HelmertF, HelmertIntegral, 2},
};

const TransitionLaw& ClothoidLaw() {
  return kTransitionLaws[0];
}

const TransitionLaw* LawOfWord(const std::string& word) {
  const std::string lower = LowerCase(word);
  for (const TransitionLaw& law : kTransitionLaws)
    if (lower == law.word) return &law;
  return nullptr;
}

const TransitionLaw* LawOfLandXml(const std::string& name) {
  for (const TransitionLaw& law : kTransitionLaws)
    if (name == law.landXml) return &law;
  return nullptr;
}

const TransitionLaw* LawOfCantWord(const std::string& word) {
  const std::string lower = LowerCase(word);
  for (const TransitionLaw& law : kTransitionLaws)
    if (*law.cantWord != '\0' && lower == law.cantWord) return &law;
  return nullptr;
}

std::string LandXmlLawNames() {
  std::string names;
  for (int i = 0; i < kTransitionLawCount; ++i) {
    if (i > 0) names += i + 1 == kTransitionLawCount ? " or " : ", ";
    names += kTransitionLaws[i].landXml;
  }
  return names;
}
