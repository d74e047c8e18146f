// The series below keep exactly their terms, each power built by IntPower and each
// expression grouped as written: the reports show the last bits, so the order is fixed.
#include "spiral.h"

#include "geometry.h"

double ClothoidAngle(double l, double C) {
  return IntPower(l, 2) / (C * 2);
}

double ClothoidX(double l, double C) {
  return (l - IntPower(l, 5) / (IntPower(C, 2) * 40)) + IntPower(l, 9) / (IntPower(C, 4) * 3456);
}

double ClothoidY(double l, double C) {
  return (IntPower(l, 3) / (C * 6) - IntPower(l, 7) / (IntPower(C, 3) * 336)) +
         IntPower(l, 11) / (IntPower(C, 5) * 42240);
}

double ClothoidVersine(double l, double C) {
  return IntPower(l, 4) / (IntPower(C, 2) * 8) - IntPower(l, 8) / (IntPower(C, 4) * 384);
}

double SpiralLeadA(double L, double C) {
  return (L / 2 + IntPower(L, 5) / (IntPower(C, 2) * 60)) +
         (IntPower(L, 9) * 191) / (IntPower(C, 4) * 120960);
}

double SpiralTailA1(double L, double C) {
  return (L / 2 - IntPower(L, 5) / (IntPower(C, 2) * 24)) -
         (IntPower(L, 9) * 13) / (IntPower(C, 4) * 10080);
}

double SpiralShiftZ(double L, double C) {
  return ((IntPower(L, 7) * 13) / (IntPower(C, 3) * 2688) + IntPower(L, 3) / (C * 24)) +
         (IntPower(L, 11) * 589) / (IntPower(C, 5) * 1182720);
}

double TimesTenToMinus7(double x) {
  return IntPower(10, -7) * x;
}
