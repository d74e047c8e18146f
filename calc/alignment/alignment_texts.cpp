// Trace Alignment, reading the dialog's texts.
#include "alignment/alignment_texts.h"

#include <utility>

#include "number_text.h"
#include "point_lists/point_lines.h"

AlignmentTexts OpeningAlignmentTexts(const RememberedInputs& inputs) {
  return {NumToText(inputs.Number[AlignmentStartPK]), inputs.Name[AlignmentVertices],
          inputs.XBeforeY, inputs.Name[AlignmentProfile], inputs.Name[AlignmentCant]};
}

void RememberAlignmentTexts(const AlignmentTexts& texts, RememberedInputs& inputs) {
  inputs.Number[AlignmentStartPK] = TextToNum(texts.PKstart);
  inputs.Name[AlignmentVertices] = texts.vertices;
  inputs.XBeforeY = texts.xBeforeY;
  inputs.Name[AlignmentProfile] = texts.profile;
  inputs.Name[AlignmentCant] = texts.cant;
}

AlignmentReading ReadAlignment(const AlignmentTexts& texts) {
  AlignmentReading reading;
  reading.profile = ReadProfile(texts.profile);
  reading.cant = ReadCant(texts.cant);
  if (IsElementText(texts.vertices)) {
    ElementChainReading chain =
        ReadElementChain(texts.vertices, TextToNum(texts.PKstart), texts.xBeforeY);
    reading.echo = std::move(chain.echo);
    reading.problems = std::move(chain.problems);
    if (reading.problems.empty()) {
      reading.alignment = AlignmentFromChain(std::move(chain.chain));
      reading.problems = reading.profile.problems;
      if (reading.problems.empty()) reading.problems = reading.cant.problems;
    }
    return reading;
  }
  std::vector<AlignmentVertex> vertices;
  std::vector<bool> hasCurve;
  for (const std::string& line : NonBlankLines(texts.vertices)) {
    reading.echo.push_back(line);
    const LineFields split = SplitFields(line);
    const std::vector<std::string>& f = split.fields;
    double first = 0, second = 0;
    if (f.size() < 3 || !ReadFullNumber(f[1], split.decimalComma, first) ||
        !ReadFullNumber(f[2], split.decimalComma, second)) {
      reading.problems.push_back("!Vertex line not read: " + NotReadText(line) + "!");
      continue;
    }
    AlignmentVertex vertex = {f[0], {first, second}, 0.0, 0.0};
    if (texts.xBeforeY) vertex.at = {second, first};
    hasCurve.push_back(f.size() >= 5 && ReadFullNumber(f[3], split.decimalComma, vertex.R) &&
                       ReadFullNumber(f[4], split.decimalComma, vertex.L));
    double L2 = 0;
    if (f.size() >= 6 && ReadFullNumber(f[5], split.decimalComma, L2)) vertex.L2 = L2;
    vertices.push_back(vertex);
  }
  if (!reading.problems.empty()) return reading;
  for (size_t i = 1; i + 1 < vertices.size(); ++i) {
    if (!hasCurve[i]) {
      reading.problems.push_back("!Vertex " + vertices[i].name + ": R and L are needed!");
    }
  }
  if (!reading.problems.empty()) return reading;
  reading.alignment = BuildAlignment(vertices, TextToNum(texts.PKstart), reading.problems);
  if (reading.problems.empty()) reading.problems = reading.profile.problems;
  if (reading.problems.empty()) reading.problems = reading.cant.problems;
  return reading;
}
