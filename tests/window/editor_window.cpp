// Opens one of the configurator's editors in a real window, also one whose
// step button this model hides, for checking it by hand or by script under a
// real display. The configurator starts as the program does, in FOLDER as
// the executable's folder (settings, PROJECTS, LANGUAGE), then shows the
// form named FORM modally and prints its modal result when it closes; a
// second showing follows when asked, so that what OK saved is seen again.
//
//   editor_window FOLDER FORM [TIMES]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/ULumetraFirmWare.h"
#include "app/UStartup.h"
#include "framework/controls/Forms.h"
#include "framework/os/Files.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: editor_window FOLDER FORM [TIMES]\n");
    return 2;
  }
  SetExeDirOverride(argv[1]);
  const int times = argc > 3 ? std::atoi(argv[3]) : 1;
  Initialize_Units();
  Application->Initialize();
  Create_Forms();
  TCustomForm* form = Find_Form(argv[2]);
  if (form == nullptr) {
    std::fprintf(stderr, "editor_window: no form %s\n", argv[2]);
    return 1;
  }
  for (int i = 0; i < times; ++i) {
    const int result = form->ShowModal();
    std::printf("closed %d\n", result);
    std::fflush(stdout);
  }
  Destroy_Forms();
  return 0;
}
