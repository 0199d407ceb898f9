#pragma once
// Numeric helpers with the platform's rounding rules.
#include <cstdint>

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4, -2.5 -> -2), as the platform's Round does.
std::int64_t Round(double Value);
// Drops the fraction (towards zero).
std::int64_t Trunc(double Value);
double Frac(double Value);
// A * B / C with a 64-bit intermediate, rounded half away from zero; -1 when
// C is 0 or the result does not fit 32 bits.
int MulDiv(int A, int B, int C);
// Pascal's div and mod: truncating division and a remainder with the sign of
// the dividend (C++ integer division does the same; these name the intent).
inline int PasDiv(int A, int B) { return A / B; }
inline int PasMod(int A, int B) { return A % B; }

// The platform's linear congruential generator, seedable for repeatable runs.
void SetRandSeed(std::uint32_t Seed);
std::uint32_t RandSeed();
// Seeds from the clock.
void Randomize();
// 0 <= result < Range (0 when Range <= 0).
int Random(int Range);
// 0 <= result < 1.
double RandomFloat();
