// Unsigned integers of any size, with just enough arithmetic to convert between doubles and
// decimal text exactly, so that number text never depends on a C runtime's printf or strtod.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BigUnsigned {
  std::vector<std::uint32_t> limbs;  // least significant first, no zero limb at the top
};

BigUnsigned BigFromU64(std::uint64_t value);
bool BigIsZero(const BigUnsigned& n);
int BigBitLength(const BigUnsigned& n);        // 0 for zero
std::uint64_t BigLow64(const BigUnsigned& n);  // the lowest 64 bits

void BigMultiplySmall(BigUnsigned& n, std::uint32_t factor);
void BigAddSmall(BigUnsigned& n, std::uint32_t addend);
void BigMultiplyByPower(BigUnsigned& n, std::uint32_t base, long exponent);  // 2 <= base <= 10
void BigShiftLeft(BigUnsigned& n, long bits);
void BigSubtract(BigUnsigned& n, const BigUnsigned& smaller);         // requires smaller <= n
std::uint32_t BigDivideSmall(BigUnsigned& n, std::uint32_t divisor);  // returns the remainder

int BigCompare(const BigUnsigned& a, const BigUnsigned& b);  // -1, 0 or +1

// All decimal digits, most significant first; "0" for zero.
std::string BigToDecimal(BigUnsigned n);
