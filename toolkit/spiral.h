// Transition-curve (clothoid) series. l is an arc length from the spiral's start, L the whole
// spiral length, C = R * L. Each function keeps exactly its terms in a fixed order of operations.
// Hand-checked for R = 300, L = 100 (C = 30000): X = 99.7225794467307, Y = 5.54454237035256,
// a = 50.1871346103599, a1 = 49.5354448363708 (a + a1 = X), Z = 1.40700608654891.
// l = 0 gives exactly 0; C = 0 gives infinities or NaN.
#pragma once

double ClothoidAngle(double l, double C);  // l^2 / (2C)
double ClothoidX(double l, double C);
double ClothoidY(double l, double C);
double ClothoidVersine(double l, double C);  // 1 - cos(phi), two terms
double SpiralLeadA(double L, double C);      // "a"
double SpiralTailA1(double L, double C);     // "a1"
double SpiralShiftZ(double L, double C);     // "(Z)"
double TimesTenToMinus7(double x);
