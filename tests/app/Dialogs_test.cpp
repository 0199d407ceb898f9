// What every dialog of the configurator shares.
#include <gtest/gtest.h>

#include "app/UAbout.h"
#include "app/UBoot.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/UParGen.h"
#include "app/USoftOptions.h"
#include "tests/app/AppFormsFixture.h"
#include "tests/support/Input.h"
#include "tests/support/Responder.h"

using TDialogsTest = TAppFormsTest;

// Escape leaves every dialog as its Cancel (or, in the about box, its only)
// button would.
TEST_F(TDialogsTest, EscapeClosesEachDialog) {
  Start();
  const struct {
    const char* Name;
    TCustomForm* Form;
    int Result;
  } cases[] = {
      {"about", FAbout, mrOk},
      {"new project", FNew_Project, mrCancel},
      {"open project", FOpenConf, mrCancel},
      {"options", FSoftOptions, mrCancel},
      {"communication parameters", FParGen, mrCancel},
      {"device update", FBoot, mrCancel},
  };
  for (const auto& c : cases) {
    TDialogResponder r;
    bool pressed = false;
    r.OnModal([&](TCustomForm* F) {
      testinput::PressKey(VK_ESCAPE);
      pressed = true;
      EXPECT_EQ(F->ModalResult(), c.Result) << c.Name;
    });
    ASSERT_NE(c.Form, nullptr) << c.Name;
    EXPECT_EQ(c.Form->ShowModal(), c.Result) << c.Name;
    EXPECT_TRUE(pressed) << c.Name;
  }
}
