// One calculator driven as its dialog drives it, with field texts cut from the fuzz input.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "frame/calculator.h"
#include "frame/remembered_inputs.h"
#include "frame/report.h"
#include "fuzz_checks.h"

// The input cut at its zero bytes, one piece per field in reading order: a dialog's field never
// holds a zero byte. Fields beyond the pieces are left as they opened.
inline std::map<int, std::string> TypedTexts(const CalculatorSpec& calculator,
                                             const std::uint8_t* data, std::size_t size) {
  std::map<int, std::string> typed;
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  for (const InputField& field : calculator.inputs) {
    if (start > input.size()) break;
    const std::size_t end = std::min(input.find('\0', start), input.size());
    typed[field.controlId] = input.substr(start, end - start);
    start = end + 1;
  }
  return typed;
}

// What the report and the output fields must look like after one press of CALC: the input
// block echoing every field text exactly, then result blocks of printable characters in CR LF
// lines, the whole starting and ending with CR LF; one four-decimal text per output field. A
// calculator over the editor's selected lines (`echoesLines`) may also hold TABs between columns
// and any byte of the names and lines it echoes, but no CR or LF inside a line.
inline void CheckRun(const CalculatorSpec& calculator, const std::vector<std::string>& texts,
                     const CalcRun& run, bool echoesLines = false) {
  const std::string& report = run.appended;
  const std::string detail = "report " + Visible(report);
  FuzzCheck(report.find('\0') == std::string::npos, "the report holds no zero byte", detail);
  FuzzCheck(report.size() >= 4 && report.compare(0, 2, "\r\n") == 0 &&
                report.compare(report.size() - 2, 2, "\r\n") == 0,
            "the report starts and ends with CR LF", detail);
  const std::string echo = InputReport(calculator, texts);
  FuzzCheck(report.compare(0, echo.size(), echo) == 0, "the report opens with the typed texts",
            detail);
  const std::string results = report.substr(echo.size());
  FuzzCheck(results.size() >= 4 && results.compare(0, 2, "\r\n") == 0 &&
                results.compare(results.size() - 2, 2, "\r\n") == 0,
            "the results start and end with CR LF", detail);
  for (std::size_t i = 0; i < results.size(); ++i) {
    const char c = results[i];
    const bool lineEnd = (c == '\r' && i + 1 < results.size() && results[i + 1] == '\n') ||
                         (c == '\n' && i > 0 && results[i - 1] == '\r');
    const bool echoed = echoesLines && c != '\r' && c != '\n';
    FuzzCheck(lineEnd || (c >= 0x20 && c < 0x7F) || echoed,
              "result lines hold printable characters and end with CR LF", detail);
  }

  FuzzCheck(run.outputTexts.size() == calculator.outputIds.size(), "one text per output field",
            detail);
  for (const std::string& output : run.outputTexts)
    FuzzCheck(IsFixedText(output, 4), "an output field shows four decimals",
              Visible(output) + " in " + detail);
}

// Opens the dialog on a fresh record, types the texts and presses CALC; then opens it again and
// presses CALC on what it shows, as a surveyor repeating a calculation would. The same texts on
// another fresh record must give the same report: nothing may depend on memory left over.
inline int FuzzCalculator(const CalculatorSpec& calculator,
                          CalcOutcome (*compute)(RememberedInputs&), const std::uint8_t* data,
                          std::size_t size, bool echoesLines = false) {
  RememberedInputs inputs = InitialInputs();
  const std::map<int, std::string> typed = TypedTexts(calculator, data, size);
  RememberedInputs again = InitialInputs();
  const std::string firstReport = RunCalculation(calculator, again, typed, compute).appended;
  bool first = true;
  for (const std::map<int, std::string>& round : {typed, std::map<int, std::string>()}) {
    std::vector<std::string> texts;
    for (const InputField& field : calculator.inputs) {
      const auto found = round.find(field.controlId);
      texts.push_back(found != round.end() ? found->second : OpeningText(field, inputs));
      if (found == round.end() && !field.isName)
        FuzzCheck(IsNumberText(texts.back()), "a number field opens with a number text",
                  Visible(texts.back()));
    }
    const CalcRun run = RunCalculation(calculator, inputs, round, compute);
    CheckRun(calculator, texts, run, echoesLines);
    if (first)
      FuzzCheck(run.appended == firstReport, "the same texts give the same report",
                Visible(run.appended) + " then " + Visible(firstReport));
    first = false;
  }
  return 0;
}
