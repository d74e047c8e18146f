#include "calculator_catalogue.h"

#include "rail_circular.h"
#include "rail_connecting.h"
#include "rail_linear.h"
#include "resource.h"
#include "trace_circular.h"
#include "trace_connecting.h"
#include "trace_linear.h"

// The examples are the worked cases of each calculator; their outputs were worked out by hand,
// so a test that starts from them also shows that the expected reports are not empty guesses.
const std::vector<CalculatorUnderTest>& AllCalculators() {
  static const std::vector<CalculatorUnderTest> calculators = {
      {"TraceLinear",
       CMD_TRACE_LINEAR,
       &kTraceLinear,
       ComputeTraceLinear,
       {{IDC_PK_A, "1000"}, {IDC_Y_A, "500"}, {IDC_X_A, "200"},
        {IDC_PK_B, "1100"}, {IDC_Y_B, "560"}, {IDC_X_B, "280"},
        {IDC_PZ_NAME, "P1"}, {IDC_Y_PZ, "530"}, {IDC_X_PZ, "260"}},
       {"1066.0000", "-12.0000"}},
      {"TraceCircular",
       CMD_TRACE_CIRCULAR,
       &kTraceCircular,
       ComputeTraceCircular,
       {{IDC_PK_A, "1000"}, {IDC_Y_A, "0"}, {IDC_X_A, "100"},
        {IDC_PK_B, "1157.0796"}, {IDC_Y_B, "100"}, {IDC_X_B, "0"},
        {IDC_Y_CK, "0"}, {IDC_X_CK, "0"},
        {IDC_R, "100"}, {IDC_Z, "0"}, {IDC_Q, "0"},
        {IDC_PZ_NAME, "P2"}, {IDC_Y_PZ, "70.7107"}, {IDC_X_PZ, "70.7107"}},
       {"1078.5398", "0.0000"}},
      {"TraceConnecting",
       CMD_TRACE_CONNECTING,
       &kTraceConnecting,
       ComputeTraceConnecting,
       {{IDC_PK_A, "1000"}, {IDC_Y_A, "0"}, {IDC_X_A, "0"},
        {IDC_PK_B, "1100"}, {IDC_Y_B, "0"}, {IDC_X_B, "100"},
        {IDC_Y_CK, "-300"}, {IDC_X_CK, "100"},
        {IDC_R, "300"}, {IDC_L_SK, "100"}, {IDC_Q, "0"},
        {IDC_PZ_NAME, "S1"}, {IDC_Y_PZ, "-5"}, {IDC_X_PZ, "90"}},
       {"1090.1286", "-4.6377"}},
      {"RailLinear",
       CMD_RAIL_LINEAR,
       &kRailLinear,
       ComputeRailLinear,
       {{IDC_PK_A, "100"}, {IDC_D_A, "2.5"}, {IDC_M_A, "0.5"},
        {IDC_PK_B, "200"}, {IDC_D_B, "3.5"}, {IDC_M_B, "0.5"},
        {IDC_RP_NAME, "R1"}, {IDC_PK_RP, "150"}, {IDC_M_RP, "0.25"}, {IDC_B_RL, "0.75"}},
       {"2.0000"}},
      {"RailCircular",
       CMD_RAIL_CIRCULAR,
       &kRailCircular,
       ComputeRailCircular,
       {{IDC_PK_A, "0"}, {IDC_D_A, "3.1"}, {IDC_M_A, "0.1"},
        {IDC_PK_B, "100"}, {IDC_D_B, "3.3"}, {IDC_M_B, "0.1"},
        {IDC_R, "1000"}, {IDC_Z, "0"},
        {IDC_RP_NAME, "R2"}, {IDC_PK_RP, "50"}, {IDC_M_RP, "0.2"}, {IDC_B_RL, "0.76"}},
       {"1.2900"}},
      {"RailConnecting",
       CMD_RAIL_CONNECTING,
       &kRailConnecting,
       ComputeRailConnecting,
       {{IDC_PK_A, "1000"}, {IDC_D_A, "2.0"}, {IDC_M_A, "0.5"},
        {IDC_PK_B, "1200"}, {IDC_D_B, "2.4"}, {IDC_M_B, "0.3"},
        {IDC_PKNSK, "1050"}, {IDC_C, "30000"},
        {IDC_RP_NAME, "R3"}, {IDC_PK_RP, "1100"}, {IDC_M_RP, "0.1"}, {IDC_B_RL, "0.76"}},
       {"1.8366"}},
  };
  return calculators;
}
