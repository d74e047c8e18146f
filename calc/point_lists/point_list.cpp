// Point lists: the block of one "List PK, d" or "Set out".
#include "point_lists/point_list.h"

#include "frame/report.h"
#include "point_lists/point_lines.h"
#include "resource.h"
#include "trace/trace_circular.h"
#include "trace/trace_connecting.h"
#include "trace/trace_linear.h"

namespace {
// The one element of a point list: only the member of the calculator's kind is set.
struct TraceElement {
  int kind;  // the calculator's template id
  LinearTrace linear;
  CircularTrace circular;
  ConnectingTrace connecting;
};

TraceElement MakeElement(int kind, RememberedInputs& inputs) {
  TraceElement element = {};
  element.kind = kind;
  switch (kind) {
    case IDD_TRACE_LINEAR: element.linear = MakeLinearTrace(inputs); break;
    case IDD_TRACE_CIRCULAR: element.circular = MakeCircularTrace(inputs); break;
    default:
      element.connecting = MakeConnectingTrace(inputs);
      inputs.Number[TransitionStartPK] = element.connecting.PKnsk;
      inputs.Number[SpiralParameter] = element.connecting.C;
      break;
  }
  return element;
}

std::string ElementLines(const TraceElement& element) {
  switch (element.kind) {
    case IDD_TRACE_LINEAR: return LinearTraceLines(element.linear);
    case IDD_TRACE_CIRCULAR: return CircularTraceLines(element.circular);
    default: return ConnectingTraceLines(element.connecting);
  }
}

Station StationOf(const TraceElement& element, double Y, double X) {
  switch (element.kind) {
    case IDD_TRACE_LINEAR: return LinearStation(element.linear, Y, X);
    case IDD_TRACE_CIRCULAR: return CircularStation(element.circular, Y, X);
    default: return ConnectingStation(element.connecting, Y, X);
  }
}

SetOutPoint SetOutOf(const TraceElement& element, double PK, double d) {
  switch (element.kind) {
    case IDD_TRACE_LINEAR: return SetOutOnLinearTrace(element.linear, PK, d);
    case IDD_TRACE_CIRCULAR: return SetOutOnCircularTrace(element.circular, PK, d);
    default: return SetOutOnConnectingTrace(element.connecting, PK, d);
  }
}

// The table's cells: one TAB between columns, CR LF at the end.
std::string Row(std::initializer_list<std::string> cells) {
  std::string row;
  for (const std::string& cell : cells) {
    if (&cell != cells.begin()) row += '\t';
    row += cell;
  }
  return row + kReportLineEnd;
}

// What a row without a result shows in its two computed columns.
const char* const kNoValue = "-";

// The element's input lines as block 1 of CALC echoes them, under the point list's title.
std::string InputLines(const CalculatorSpec& calculator, const std::vector<std::string>& texts,
                       PointListAction action) {
  CalculatorSpec element = calculator;
  const std::string title = std::string(calculator.reportTitle) +
                            (action == ListStations ? ": point list" : ": setting out");
  element.reportTitle = title.c_str();
  element.inputs.clear();
  std::vector<std::string> elementTexts;
  for (size_t i = 0; i < calculator.inputs.size(); ++i) {
    if (IsPointField(calculator.inputs[i])) continue;
    element.inputs.push_back(calculator.inputs[i]);
    elementTexts.push_back(i < texts.size() ? texts[i] : std::string());
  }
  return InputReport(element, elementTexts);
}
}  // namespace

bool IsPointField(const InputField& field) {
  return field.controlId == IDC_PZ_NAME || field.controlId == IDC_Y_PZ ||
         field.controlId == IDC_X_PZ;
}

void RememberElementTexts(const CalculatorSpec& calculator, const std::vector<std::string>& texts,
                          RememberedInputs& inputs) {
  const RememberedInputs before = inputs;
  RememberFieldTexts(calculator, texts, inputs);
  for (const InputField& field : calculator.inputs) {
    if (!IsPointField(field)) continue;
    if (field.isName) {
      inputs.Name[field.remembered] = before.Name[field.remembered];
    } else {
      inputs.Number[field.remembered] = before.Number[field.remembered];
    }
  }
}

// A point line that is read becomes a row: for a list its two coordinates as given (in the order
// of the table's columns) then PK and d; for setting out PK and d then the coordinates in the
// order of the columns. Rows without a result show "-" and the element's warning.
std::string PointListBlock(const CalculatorSpec& calculator, const std::vector<std::string>& texts,
                           RememberedInputs& inputs, PointListAction action, bool xBeforeY,
                           const std::vector<std::string>& lines) {
  RememberElementTexts(calculator, texts, inputs);
  std::string block = InputLines(calculator, texts, action);
  const TraceElement element = MakeElement(calculator.templateId, inputs);
  block += ElementLines(element) + kReportLineEnd;

  const std::string first = xBeforeY ? "X" : "Y";
  const std::string second = xBeforeY ? "Y" : "X";
  block += kReportLineEnd;
  block += action == ListStations ? Row({"Point", first, second, "PK", "d"})
                                  : Row({"Point", "PK", "d", first, second});
  std::string notRead;
  size_t points = 0, outside = 0, notReadCount = 0;
  for (const std::string& line : lines) {
    PointLine point;
    if (!ReadPointLine(line, point)) {
      notRead += "Not read: " + NotReadText(line) + kReportLineEnd;
      ++notReadCount;
      continue;
    }
    ++points;
    const std::string a = LengthText(point.first), b = LengthText(point.second);
    if (action == ListStations) {
      const double Y = xBeforeY ? point.second : point.first;
      const double X = xBeforeY ? point.first : point.second;
      const Station station = StationOf(element, Y, X);
      if (station.warning) {
        ++outside;
        block += Row({point.name, a, b, kNoValue, kNoValue, station.warning});
      } else {
        block += Row({point.name, a, b, LengthText(station.PK), LengthText(station.d)});
      }
    } else {
      const SetOutPoint set = SetOutOf(element, point.first, point.second);
      if (set.warning) {
        ++outside;
        block += Row({point.name, a, b, kNoValue, kNoValue, set.warning});
      } else {
        const std::string Y = LengthText(set.Y), X = LengthText(set.X);
        block += Row({point.name, a, b, xBeforeY ? X : Y, xBeforeY ? Y : X});
      }
    }
  }
  block += kReportLineEnd;
  block += notRead;
  block += "Points=" + std::to_string(points) + "   Outside=" + std::to_string(outside) +
           "   Not read=" + std::to_string(notReadCount) + kReportLineEnd;
  return block;
}
