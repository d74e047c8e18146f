// Any text in any field of any calculator: the program neither crashes nor hangs, the report
// echoes the text whole, and the output fields show numbers or the special forms. One program
// run per calculator; each case changes one field of the worked example and puts it back after.
#include <map>
#include <string>
#include <vector>

#include "calculator_catalogue.h"
#include "calculator_driver.h"
#include "checked_calculation.h"
#include "polver_fixture.h"

namespace {

struct OddText {
  const char* label;
  std::string text;
};

// A number of exactly 10,000 characters: far more digits than any double needs, so it also
// takes the long-mantissa path of the number reader.
std::string TenThousandCharacters() {
  std::string text = "1234.";
  while (text.size() < 10000) text += static_cast<char>('0' + text.size() % 10);
  return text;
}

// Texts a surveyor may leave, paste or mistype in a field; the 8-bit ones are code page 1252
// (e acute; degree and plus-minus; euro, no-break space and y diaeresis).
const std::vector<OddText>& OddTexts() {
  static const std::vector<OddText> texts = {
      {"empty", ""},
      {"letters", "abc"},
      {"decimal comma", "1,5"},
      {"largest", "1e308"},
      {"most negative", "-1e308"},
      {"infinity", "inf"},
      {"not a number", "nan"},
      {"hexadecimal", "0x1p3"},
      {"10,000 characters", TenThousandCharacters()},
      {"e acute", "\xE9"},
      {"degree, plus-minus", "\xB0\xB1"},
      {"euro, no-break space, y diaeresis", "\x80\xA0\xFF"},
      {"number, then 8-bit",
       "12\xB0"
       "30"},
  };
  return texts;
}

class BadInput : public PolverTest {
 protected:
  // Every field of the calculator set in turn to every odd text, one CALC each, in one dialog.
  // The editor is emptied before each CALC, so its whole text is that CALC's report.
  void EveryFieldTakesEveryText(const CalculatorUnderTest& calculator) {
    const CalculatorSpec& table = *calculator.table;
    HWND dialog = OpenCalculator(polver, calculator.command, table);
    ASSERT_NE(nullptr, dialog);
    RememberedInputs remembered = InitialInputs();

    FillFields(dialog, calculator.example);
    const std::string first =
        CheckedCalc(polver, dialog, calculator, calculator.example, remembered, 0);
    ASSERT_NE("", first);
    EXPECT_TRUE(SameText(first, ReadText(polver.editor)));
    for (size_t i = 0; i < table.outputIds.size(); ++i) {
      EXPECT_EQ(calculator.exampleOutputs[i], ReadText(GetDlgItem(dialog, table.outputIds[i])));
    }

    for (const InputField& field : table.inputs) {
      HWND control = GetDlgItem(dialog, field.controlId);
      for (const OddText& odd : OddTexts()) {
        SCOPED_TRACE(std::string(field.reportKey) + " set to " + odd.label);
        std::map<int, std::string> typed = calculator.example;
        typed[field.controlId] = odd.text;
        WriteText(polver.editor, "");
        WriteText(control, odd.text);
        const std::string expected = CheckedCalc(polver, dialog, calculator, typed, remembered, 0);
        ASSERT_NE("", expected);
        EXPECT_TRUE(SameText(expected, ReadText(polver.editor)));
        WriteText(control, calculator.example.at(field.controlId));
      }
    }
    EXPECT_TRUE(AliveAndAnswering(polver, dialog));
    CloseCalculator(polver, dialog, table);
    EXPECT_TRUE(AliveAndAnswering(polver, polver.main));
  }
};

}  // namespace

TEST_F(BadInput, TraceLinearTakesAnyText) {
  EveryFieldTakesEveryText(AllCalculators()[0]);
}
TEST_F(BadInput, TraceCircularTakesAnyText) {
  EveryFieldTakesEveryText(AllCalculators()[1]);
}
TEST_F(BadInput, TraceConnectingTakesAnyText) {
  EveryFieldTakesEveryText(AllCalculators()[2]);
}
TEST_F(BadInput, RailLinearTakesAnyText) {
  EveryFieldTakesEveryText(AllCalculators()[3]);
}
TEST_F(BadInput, RailCircularTakesAnyText) {
  EveryFieldTakesEveryText(AllCalculators()[4]);
}
TEST_F(BadInput, RailConnectingTakesAnyText) {
  EveryFieldTakesEveryText(AllCalculators()[5]);
}
