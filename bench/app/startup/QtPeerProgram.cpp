// The start-up peer as a program of its own: only Qt, a window of a dozen
// buttons, and the process ends once the window is painted (tearing down is
// not part of start-up). With "--memory" its resident size is printed in
// KiB first, once the pending events are handled.
#include <unistd.h>

#include <cstring>

#include "bench/support/Resident.h"
#include "framework/backend/qt/benchpeers/QtButtonsWindowPeer.h"

int main(int argc, char** argv) {
  const bool memory = argc > 1 && std::strcmp(argv[1], "--memory") == 0;
  const int rc = RunQtButtonsWindowPeer(argc, argv);
  if (memory) {
    usleep(100000);
    benchresident::PrintResident();
  }
  _exit(rc);
}
