#pragma once
// The window programs report to the check scripts a line at a time, flushed
// at once so that a script waiting for a line sees it.
#include <cstdio>
#include <string>

inline void Say(const std::string& Line) {
  std::printf("%s\n", Line.c_str());
  std::fflush(stdout);
}
