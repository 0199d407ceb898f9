#pragma once
// A millisecond tick count in 32 bits, as the platform's GetTickCount: it
// wraps after about 49.7 days, so compare ticks only through TickDiff.
#include <cstdint>
#include <functional>

std::uint32_t GetTickCount();
// Milliseconds from Earlier to Later, correct across one wrap.
inline std::uint32_t TickDiff(std::uint32_t Later, std::uint32_t Earlier) { return Later - Earlier; }
// Replaces the tick source (tests drive time by hand); empty restores it.
void SetTickCountSource(std::function<std::uint32_t()> Source);
// Blocks the calling thread.
void Sleep(std::uint32_t Milliseconds);
