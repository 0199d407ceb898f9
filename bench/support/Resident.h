#pragma once
// The resident size of this process, for the start-up memory programs to
// print once their start-up has settled.
#include <cstdio>
#include <cstring>

namespace benchresident {

// VmRSS of /proc/self/status in KiB (0 when it cannot be read).
inline long ResidentKiB() {
  FILE* f = std::fopen("/proc/self/status", "r");
  if (f == nullptr) return 0;
  char line[256];
  long kib = 0;
  while (std::fgets(line, sizeof line, f) != nullptr)
    if (std::strncmp(line, "VmRSS:", 6) == 0) {
      std::sscanf(line + 6, "%ld", &kib);
      break;
    }
  std::fclose(f);
  return kib;
}

// Printed on the first line of standard output, for the benchmark that
// started the program.
inline void PrintResident() {
  std::printf("%ld\n", ResidentKiB());
  std::fflush(stdout);
}

}  // namespace benchresident
