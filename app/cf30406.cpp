// CF30406 configurator: program start-up.
#include <cstdio>
#include <cstdlib>

#include "app/UStartup.h"

int main() {
  // Without a display there is no window to show: say so instead of crashing.
  const char* x = std::getenv("DISPLAY");
  const char* w = std::getenv("WAYLAND_DISPLAY");
  const char* qpa = std::getenv("QT_QPA_PLATFORM");
  if ((x == nullptr || *x == 0) && (w == nullptr || *w == 0) && (qpa == nullptr || *qpa == 0)) {
    std::fprintf(stderr,
                 "cf30406: no display found (DISPLAY is not set).\n"
                 "Start it under a virtual display instead:  xvfb-run -a ./build/cf30406\n");
    return 1;
  }
  return Run_Configurator();
}
