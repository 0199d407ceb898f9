#include "framework/rtl/Math.h"

#include <chrono>
#include <cmath>
#include <limits>

std::int64_t Round(double Value) {
  double r = std::floor(Value);
  double diff = Value - r;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
  return static_cast<std::int64_t>(r);
}

std::int64_t Trunc(double Value) { return static_cast<std::int64_t>(std::trunc(Value)); }

double Frac(double Value) { return Value - std::trunc(Value); }

int MulDiv(int A, int B, int C) {
  if (C == 0) return -1;
  std::int64_t p = static_cast<std::int64_t>(A) * B;
  std::int64_t q = p / C;
  std::int64_t rem = p % C;
  // Half away from zero.
  if (2 * (rem < 0 ? -rem : rem) >= (C < 0 ? -static_cast<std::int64_t>(C) : C))
    q += ((p < 0) != (C < 0)) ? -1 : 1;
  if (q > std::numeric_limits<int>::max() || q < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(q);
}

namespace {
std::uint32_t& Seed() {
  static std::uint32_t seed = 0;
  return seed;
}

std::uint32_t NextSeed() {
  Seed() = Seed() * 134775813u + 1u;
  return Seed();
}
}  // namespace

void SetRandSeed(std::uint32_t S) { Seed() = S; }
std::uint32_t RandSeed() { return Seed(); }

void Randomize() {
  auto t = std::chrono::steady_clock::now().time_since_epoch().count();
  Seed() = static_cast<std::uint32_t>(t ^ (t >> 32));
}

int Random(int Range) {
  if (Range <= 0) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(NextSeed()) * static_cast<std::uint32_t>(Range)) >> 32);
}

double RandomFloat() { return static_cast<double>(NextSeed()) / 4294967296.0; }
