// An alignment typed as a chain of elements: reading its lines, building and checking the chain,
// and the chain's choice among its elements. The geometry of each element is element_geometry.cpp.
#include "alignment/element_chain.h"

#include <cmath>

#include "alignment/element_geometry.h"
#include "alignment/transition_laws.h"
#include "geometry.h"
#include "point_lists/point_lines.h"

namespace {

// Where an element that gives its own start is taken as continuing the one before.
constexpr double kJoinGap = 0.001;
constexpr double kJoinTurn = 0.001;
// Two offsets this close are as small as each other: the earlier element wins.
constexpr double kTieBand = 1e-9;

double Curvature(double R) {
  return R == 0 ? 0.0 : 1 / R;
}

// --- Reading the lines ---------------------------------------------------------------------

// The kind of an element word and, for a transition, its law.
bool KindOf(const std::string& word, ChainKind& kind, const TransitionLaw*& law) {
  std::string lower = word;
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  law = LawOfWord(lower);
  if (law)
    kind = ChainKind::Spiral;
  else if (lower == "straight")
    kind = ChainKind::Straight;
  else if (lower == "curve")
    kind = ChainKind::Curve;
  else
    return false;
  return true;
}

// One element line as typed, before the checks of its values and its neighbours.
struct ElementLine {
  ChainKind kind = ChainKind::Straight;
  const TransitionLaw* law = nullptr;
  double L = 0, R1 = 0, R2 = 0;
  bool givesStart = false;
  PlanePoint start = {0, 0};
  double degrees = 0;  // reduced modulo 360
  bool givesPK = false;
  double PK = 0;
};

bool ReadElementLine(const std::string& text, bool xBeforeY, ElementLine& line) {
  const LineFields split = SplitFields(text);
  const std::vector<std::string>& f = split.fields;
  if (f.empty() || !KindOf(f[0], line.kind, line.law)) return false;
  // The numbers each kind needs before Y X Dir: L, then R or R1 R2.
  const size_t own = line.kind == ChainKind::Straight ? 1 : line.kind == ChainKind::Curve ? 2 : 3;
  const size_t count = f.size() - 1;
  if (count != own && count != own + 3 && count != own + 4) return false;
  double numbers[7] = {};
  for (size_t i = 0; i < count; ++i) {
    if (!ReadFullNumber(f[i + 1], split.decimalComma, numbers[i])) return false;
  }
  line.L = numbers[0];
  line.R1 = own >= 2 ? numbers[1] : 0.0;
  line.R2 = own == 3 ? numbers[2] : line.R1;
  line.givesStart = count >= own + 3;
  if (line.givesStart) {
    const double first = numbers[own], second = numbers[own + 1];
    line.start = xBeforeY ? PlanePoint{second, first} : PlanePoint{first, second};
    line.degrees = std::fmod(numbers[own + 2], 360.0);
    if (line.degrees < 0) line.degrees += 360;
  }
  line.givesPK = count == own + 4;
  if (line.givesPK) line.PK = numbers[own + 3];
  return true;
}

std::string ElementAt(size_t index) {
  return "!Element " + std::to_string(index + 1);
}

// The values each line must have on its own: the first of its faults.
void CheckValues(const std::vector<ElementLine>& lines, std::vector<std::string>& problems) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const ElementLine& line = lines[i];
    if (!(line.L > 0)) {
      problems.push_back(ElementAt(i) + ": L must be above 0!");
    } else if (line.kind == ChainKind::Curve && line.R1 == 0) {
      problems.push_back(ElementAt(i) + ": R must not be 0!");
    } else if (line.kind == ChainKind::Spiral && line.R1 == line.R2) {
      problems.push_back(ElementAt(i) + ": R1 and R2 must differ!");
    }
  }
}

ElementChain BuildChain(const std::vector<ElementLine>& lines, double PKstart) {
  ElementChain chain;
  long piecesLeft = kMaxPiecesPerChain;
  for (size_t i = 0; i < lines.size(); ++i) {
    const ElementLine& line = lines[i];
    ChainElement e = {};
    e.kind = line.kind;
    e.law = line.law;
    e.L = line.L;
    e.Rstart = line.R1;
    e.Rend = line.R2;
    e.kStart = Curvature(line.R1);
    e.kEnd = Curvature(line.R2);
    e.givesStart = line.givesStart;
    if (i == 0) {
      e.PKstart = PKstart;
    } else {
      const ChainElement& before = chain.elements.back();
      e.PKstart = before.PKstart + before.L;
      e.start = before.end;
      e.direction = before.endDirection;
    }
    if (line.givesStart) {
      e.start = line.start;
      e.direction = ReducedAngle(TimesPi(line.degrees / 180));
    }
    if (line.givesPK) e.PKstart = line.PK;
    FinishElement(e, piecesLeft);
    chain.elements.push_back(std::move(e));
  }
  return chain;
}

// Elements that give their own start away from where the element before ends, or at an angle to
// it.
void CheckJoins(const ElementChain& chain, std::vector<std::string>& problems) {
  for (size_t i = 1; i < chain.elements.size(); ++i) {
    const ChainElement& e = chain.elements[i];
    const ChainElement& before = chain.elements[i - 1];
    if (!e.givesStart) continue;
    const PlanePoint gap = Minus(e.start, before.end);
    const double distance = Distance(gap.Y, gap.X);
    const double turn = AngleDifference(e.direction - before.endDirection);
    const std::string previous = std::to_string(i);
    if (distance > kJoinGap) {
      problems.push_back(ElementAt(i) + " starts " + FixedText(distance, 4) +
                         " from the end of element " + previous + "!");
    } else if (Absolute(turn) > kJoinTurn) {
      problems.push_back(ElementAt(i) + " starts at an angle of " + AngleText(turn) +
                         " to element " + previous + "!");
    }
  }
}

}  // namespace

bool IsElementText(const std::string& text) {
  for (const std::string& line : NonBlankLines(text)) {
    const LineFields split = SplitFields(line);
    if (split.fields.empty()) continue;
    ChainKind kind;
    const TransitionLaw* law;
    return KindOf(split.fields[0], kind, law);
  }
  return false;
}

ElementChainReading ReadElementChain(const std::string& text, double PKstart, bool xBeforeY) {
  ElementChainReading reading;
  reading.echo = NonBlankLines(text);
  std::vector<ElementLine> lines;
  for (const std::string& echo : reading.echo) {
    ElementLine line;
    if (ReadElementLine(echo, xBeforeY, line))
      lines.push_back(line);
    else
      reading.problems.push_back("!Element line not read: " + NotReadText(echo) + "!");
  }
  if (!reading.problems.empty() || lines.empty()) return reading;
  if (!lines[0].givesStart) {
    reading.problems.push_back(std::string("!Element 1: its start ") +
                               (xBeforeY ? "X Y Dir" : "Y X Dir") + " is needed!");
    return reading;
  }
  CheckValues(lines, reading.problems);
  if (!reading.problems.empty()) return reading;
  ElementChain chain = BuildChain(lines, PKstart);
  CheckJoins(chain, reading.problems);
  if (reading.problems.empty()) reading.chain = std::move(chain);
  return reading;
}

ChainStation ProjectOntoChainElement(const ElementChain& chain, int element, PlanePoint P) {
  return ProjectOntoElement(chain.elements[static_cast<size_t>(element)], element, P);
}

ChainStation ProjectOntoChain(const ElementChain& chain, PlanePoint P) {
  ChainStation best = {false, 0, 0, -1};
  for (size_t i = 0; i < chain.elements.size(); ++i) {
    const ChainStation s = ProjectOntoChainElement(chain, static_cast<int>(i), P);
    if (s.found && (!best.found || Absolute(s.d) < Absolute(best.d) - kTieBand)) best = s;
  }
  return best;
}

int ChainElementAtChainage(const ElementChain& chain, double PK) {
  for (size_t i = 0; i < chain.elements.size(); ++i) {
    const ChainElement& e = chain.elements[i];
    if (PK >= e.PKstart - kEndTolerance && PK <= e.PKstart + e.L + kEndTolerance) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

PlanePoint SetOutOnChainElement(const ElementChain& chain, int element, double PK, double d) {
  const ChainElement& e = chain.elements[static_cast<size_t>(element)];
  return SetOutOnElement(e, PK - e.PKstart, d);
}

std::string ChainElementName(const ElementChain& chain, int element) {
  const ChainElement& e = chain.elements[static_cast<size_t>(element)];
  const char* kind = e.kind == ChainKind::Straight ? "straight"
                     : e.kind == ChainKind::Curve  ? "curve"
                                                   : e.law->word;
  return std::to_string(element + 1) + " " + kind;
}
