#include <unistd.h>
#include <time.h>
#include <cstdio>
#include <cstdlib>

#include "app/ULumetraFirmWare.h"
#include "app/UStartup.h"
#include "framework/controls/Forms.h"
#include "framework/os/Files.h"

static double T0() {
  const char* s = getenv("T0");
  return s ? atof(s) : 0;
}
static void Mark(const char* what) {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  double now = ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
  fprintf(stderr, "%-12s %8.2f\n", what, now - T0());
}

int main(int argc, char** argv) {
  Mark("main");
  if (argc > 1) SetExeDirOverride(argv[1]);
  Initialize_Units();
  Application->Initialize();
  Application->SetMainFormOnTaskbar(true);
  Mark("init");
  Create_Forms();
  Mark("forms");
  FLumetraFirmWare->Show();
  FLumetraFirmWare->Update();
  Application->ProcessMessages();
  Mark("shown");
  _exit(FLumetraFirmWare->Showing() ? 0 : 1);
}
