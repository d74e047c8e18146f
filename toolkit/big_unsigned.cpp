#include "big_unsigned.h"

namespace {

void Normalize(BigUnsigned& n) {
  while (!n.limbs.empty() && n.limbs.back() == 0) n.limbs.pop_back();
}

}  // namespace

BigUnsigned BigFromU64(std::uint64_t value) {
  BigUnsigned n;
  n.limbs.push_back(static_cast<std::uint32_t>(value));
  n.limbs.push_back(static_cast<std::uint32_t>(value >> 32));
  Normalize(n);
  return n;
}

bool BigIsZero(const BigUnsigned& n) {
  return n.limbs.empty();
}

int BigBitLength(const BigUnsigned& n) {
  if (n.limbs.empty()) return 0;
  int bits = static_cast<int>(n.limbs.size() - 1) * 32;
  for (std::uint32_t top = n.limbs.back(); top != 0; top >>= 1) ++bits;
  return bits;
}

std::uint64_t BigLow64(const BigUnsigned& n) {
  std::uint64_t low = 0;
  if (n.limbs.size() > 1) low = static_cast<std::uint64_t>(n.limbs[1]) << 32;
  if (!n.limbs.empty()) low |= n.limbs[0];
  return low;
}

void BigMultiplySmall(BigUnsigned& n, std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (std::uint32_t& limb : n.limbs) {
    std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
    limb = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) n.limbs.push_back(static_cast<std::uint32_t>(carry));
  Normalize(n);
}

void BigAddSmall(BigUnsigned& n, std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::size_t i = 0; carry != 0 && i < n.limbs.size(); ++i) {
    std::uint64_t sum = static_cast<std::uint64_t>(n.limbs[i]) + carry;
    n.limbs[i] = static_cast<std::uint32_t>(sum);
    carry = sum >> 32;
  }
  if (carry != 0) n.limbs.push_back(static_cast<std::uint32_t>(carry));
}

// Multiplies by base^exponent in steps of the largest power of base that fits in 32 bits.
void BigMultiplyByPower(BigUnsigned& n, std::uint32_t base, long exponent) {
  std::uint32_t step = 1;
  long stepExponent = 0;
  while (step <= 0xFFFFFFFFu / base) {
    step *= base;
    ++stepExponent;
  }
  for (; exponent >= stepExponent; exponent -= stepExponent) BigMultiplySmall(n, step);
  for (; exponent > 0; --exponent) BigMultiplySmall(n, base);
}

void BigShiftLeft(BigUnsigned& n, long bits) {
  if (n.limbs.empty() || bits <= 0) return;
  const std::size_t wholeLimbs = static_cast<std::size_t>(bits / 32);
  const int rest = static_cast<int>(bits % 32);
  if (rest != 0) {
    std::uint32_t carry = 0;
    for (std::uint32_t& limb : n.limbs) {
      std::uint32_t shifted = (limb << rest) | carry;
      carry = limb >> (32 - rest);
      limb = shifted;
    }
    if (carry != 0) n.limbs.push_back(carry);
  }
  n.limbs.insert(n.limbs.begin(), wholeLimbs, 0u);
}

void BigSubtract(BigUnsigned& n, const BigUnsigned& smaller) {
  std::int64_t borrow = 0;
  for (std::size_t i = 0; i < n.limbs.size(); ++i) {
    std::int64_t difference = static_cast<std::int64_t>(n.limbs[i]) - borrow;
    if (i < smaller.limbs.size()) difference -= smaller.limbs[i];
    borrow = difference < 0 ? 1 : 0;
    n.limbs[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
  }
  Normalize(n);
}

std::uint32_t BigDivideSmall(BigUnsigned& n, std::uint32_t divisor) {
  std::uint64_t remainder = 0;
  for (std::size_t i = n.limbs.size(); i-- > 0;) {
    std::uint64_t current = (remainder << 32) | n.limbs[i];
    n.limbs[i] = static_cast<std::uint32_t>(current / divisor);
    remainder = current % divisor;
  }
  Normalize(n);
  return static_cast<std::uint32_t>(remainder);
}

int BigCompare(const BigUnsigned& a, const BigUnsigned& b) {
  if (a.limbs.size() != b.limbs.size()) return a.limbs.size() < b.limbs.size() ? -1 : 1;
  for (std::size_t i = a.limbs.size(); i-- > 0;) {
    if (a.limbs[i] != b.limbs[i]) return a.limbs[i] < b.limbs[i] ? -1 : 1;
  }
  return 0;
}

// Peels off nine decimal digits at a time, least significant group first.
std::string BigToDecimal(BigUnsigned n) {
  if (BigIsZero(n)) return "0";
  std::string reversed;
  while (!BigIsZero(n)) {
    std::uint32_t group = BigDivideSmall(n, 1000000000u);
    for (int i = 0; i < 9 && (group != 0 || !BigIsZero(n)); ++i) {
      reversed.push_back(static_cast<char>('0' + group % 10));
      group /= 10;
    }
  }
  return std::string(reversed.rbegin(), reversed.rend());
}
