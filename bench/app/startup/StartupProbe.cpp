// The configurator's start-up up to its main window on screen, as a program
// of its own: the same libraries as cf30406, the same units' start-up, then
// the main window built, shown and painted as the program does it, and the
// process ends there (the program then builds its other forms before it
// takes input; tearing down is not part of start-up). The folder of the
// settings comes as the first argument.
#include <unistd.h>

#include "app/ULumetraFirmWare.h"
#include "app/UStartup.h"
#include "framework/controls/Forms.h"
#include "framework/os/Files.h"

int main(int argc, char** argv) {
  if (argc > 1) SetExeDirOverride(argv[1]);
  Initialize_Units();
  Application->Initialize();
  Application->SetMainFormOnTaskbar(true);
  Show_Main_Window();
  _exit(FLumetraFirmWare->Showing() ? 0 : 1);
}
