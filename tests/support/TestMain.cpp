// Test main: every test program runs headless, with the application started
// (so tests can create and show forms) and a strict responder in place, so an
// unexpected message box, modal form or drag fails the test instead of
// blocking it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "DragDriver.h"
#include "Responder.h"
#include "framework/controls/Forms.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Where the stand-in programs and test artefacts live, also when a test
  // program is started by hand rather than by ctest.
  setenv("CF_TEST_BIN_DIR", CF_TEST_BIN_DIR_DEFAULT, 0);
  ::testing::InitGoogleTest(&argc, argv);
  Application->Initialize();
  TDialogResponder strict;
  TDragDriver strictDrags;
  return RUN_ALL_TESTS();
}
