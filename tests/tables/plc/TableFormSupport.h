#pragma once
// Driving a table editor's window as a user does: the configurator started
// on a project, the editor opened from its step button, cells typed and
// picked with the keyboard, the buttons pressed.
#include <gtest/gtest.h>

#include <string>

#include "app/USaveBincc.h"
#include "controls/button/LbButton.h"
#include "grid/model/VevCGrid.h"
#include "grid/view/DivUzevEditors.h"
#include "support/Input.h"
#include "support/Responder.h"
#include "tests/app/AppFormsFixture.h"

class TTableFormTest : public TAppFormsTest {
 protected:
  void SetUp() override {
    TAppFormsTest::SetUp();
    Make_Project_Folder("Line 1");
    Write_Settings("Line 1");
    Start();
  }

  static void Goto(TDedAdararAdoz* Grid, int Col, int Row) {
    if (!Grid->Focused()) Grid->SetFocus();
    Grid->SetCol(Col);
    Grid->SetRow(Row);
    testinput::Pump();
  }
  // Types Text into a text cell and ends the edit with Enter.
  static void Type_Cell(TDedAdararAdoz* Grid, int Col, int Row, const std::string& Text) {
    Goto(Grid, Col, Row);
    testinput::TypeText(Text);
    testinput::PressKey(VK_RETURN);
    testinput::Pump();
  }
  // Picks a drop-down cell's item by its first letters, ending with Enter.
  void Pick_Cell(TDedAdararAdoz* Grid, int Col, int Row, const std::string& Letters) {
    // Letters typed a while after the last ones start a new search.
    clock_.Advance(2000);
    Goto(Grid, Col, Row);
    testinput::PressKey(VK_F2);
    testinput::TypeText(Letters);
    testinput::PressKey(VK_RETURN);
    testinput::Pump();
  }
  void Press(TLbButton* Button) {
    Button->Click();
    testinput::Pump();
  }

  testinput::TTestClock clock_;
};
