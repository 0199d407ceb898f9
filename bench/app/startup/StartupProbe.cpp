// The configurator's start-up up to its main window on screen, as a program
// of its own: the same libraries as cf30406, the same units' start-up, then
// the main window built, shown and painted as the program does it, and the
// process ends there (the program then builds its other forms before it
// takes input; tearing down is not part of start-up). The folder of the
// settings comes as the first argument.
//
// With "--memory" after it, the whole start-up runs (every form built, the
// pending messages handled, as before the program takes input) and the
// resident size is printed in KiB before the process ends.
#include <unistd.h>

#include <cstring>

#include "app/ULumetraFirmWare.h"
#include "app/UStartup.h"
#include "bench/support/Resident.h"
#include "framework/controls/Forms.h"
#include "framework/os/Files.h"

int main(int argc, char** argv) {
  if (argc > 1) SetExeDirOverride(argv[1]);
  const bool memory = argc > 2 && std::strcmp(argv[2], "--memory") == 0;
  Initialize_Units();
  Application->Initialize();
  Application->SetMainFormOnTaskbar(true);
  Show_Main_Window();
  if (memory) {
    Create_Other_Forms();
    for (int i = 0; i < 5; ++i) {
      Application->ProcessMessages();
      usleep(20000);
    }
    benchresident::PrintResident();
  }
  _exit(FLumetraFirmWare->Showing() ? 0 : 1);
}
