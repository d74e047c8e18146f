// Transition-curve (clothoid) series. l is an arc length from the spiral's start, L the whole
// spiral length, C = R * L. Each function keeps exactly its terms in a fixed order of operations.
#pragma once

double ClothoidAngle(double l, double C);   // l^2 / (2C)
double ClothoidX(double l, double C);
double ClothoidY(double l, double C);
double ClothoidVersine(double l, double C); // 1 - cos(phi), two terms
double SpiralLeadA(double L, double C);     // "a"
double SpiralTailA1(double L, double C);    // "a1"
double SpiralShiftZ(double L, double C);    // "(Z)"
double TimesTenToMinus7(double x);
