// Check boxes and radio buttons driven by code, the mouse, keys and messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/CheckBox.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "support/Input.h"

namespace {

using namespace testinput;

struct CheckBoxFixture : ::testing::Test {
  TForm* form = nullptr;
  TCheckBox* box = nullptr;
  TEdit* edit = nullptr;
  std::vector<TCheckBoxState> clicks;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 300, 200);
    edit = new TEdit(form);
    edit->SetParent(form);
    box = new TCheckBox(form);
    box->SetParent(form);
    box->SetBounds(10, 40, 120, 17);
    box->SetCaption("&Gateway");
    box->OnClick = [this](TObject*) { clicks.push_back(box->State()); };
    ShowForm(form);
  }
  void TearDown() override { delete form; }
};

TEST_F(CheckBoxFixture, CodeChangesFireOnClickOnlyWhenTheStateChanges) {
  box->SetChecked(true);
  box->SetChecked(true);
  box->SetState(cbGrayed);
  box->SetChecked(false);
  EXPECT_EQ(clicks, (std::vector<TCheckBoxState>{cbChecked, cbGrayed, cbUnchecked}));
  // The window message sets the state without a click, as the platform's.
  box->Perform(BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(box->Perform(BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
  EXPECT_EQ(clicks.size(), 3u);
}

TEST_F(CheckBoxFixture, ClickSpaceAndAcceleratorToggleOnce) {
  Click(box, 5, 8);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
  PressKey(VK_SPACE);
  EXPECT_FALSE(box->Checked());
  edit->SetFocus();
  PressKey('G', {ssAlt});
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
  EXPECT_EQ(clicks, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbChecked}));
  // A press that leaves the box before the release does nothing.
  MouseDown(box, 5, 8);
  MouseUp(box, 250, 150);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks.size(), 3u);
}

TEST_F(CheckBoxFixture, AllowGrayedCyclesThroughTheGrayedState) {
  box->SetAllowGrayed(true);
  std::vector<TCheckBoxState> seen;
  for (int i = 0; i < 4; ++i) {
    Click(box, 5, 8);
    seen.push_back(box->State());
  }
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked, cbGrayed}));
  // Without it a grayed box goes to checked, never back to grayed.
  box->SetAllowGrayed(false);
  Click(box, 5, 8);
  Click(box, 5, 8);
  Click(box, 5, 8);
  EXPECT_EQ(box->State(), cbChecked);
}

TEST_F(CheckBoxFixture, DisabledBoxIgnoresTheMouse) {
  box->SetEnabled(false);
  Click(box, 5, 8);
  EXPECT_FALSE(box->Checked());
  EXPECT_TRUE(clicks.empty());
}

TEST(RadioButton, CheckingOneUnchecksItsSiblingsOnly) {
  ResetKeyboardState();
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 200);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(150, 0, 140, 100);
  TRadioButton* r[3];
  for (int i = 0; i < 3; ++i) {
    r[i] = new TRadioButton(&form);
    r[i]->SetParent(&form);
    r[i]->SetBounds(10, 10 + i * 20, 100, 17);
  }
  auto* other = new TRadioButton(&form);
  other->SetParent(panel);
  other->SetChecked(true);
  std::vector<std::string> log;
  for (int i = 0; i < 3; ++i)
    r[i]->OnClick = [&log, i](TObject*) { log.push_back("click " + std::to_string(i)); };
  ShowForm(&form);

  r[0]->SetChecked(true);
  Click(r[2], 5, 8);
  EXPECT_FALSE(r[0]->Checked());
  EXPECT_TRUE(r[2]->Checked());
  EXPECT_TRUE(other->Checked());
  // Clicking the checked one again changes nothing and fires nothing.
  Click(r[2], 5, 8);
  EXPECT_EQ(log, (std::vector<std::string>{"click 0", "click 2"}));
  // The arrows move along the group and check what they reach.
  PressKey(VK_UP);
  EXPECT_TRUE(r[1]->Focused());
  EXPECT_TRUE(r[1]->Checked());
  EXPECT_FALSE(r[2]->Checked());
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_TRUE(r[0]->Checked());
  EXPECT_EQ(r[0]->Perform(BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
  // Only the checked button of the group is a tab stop.
  EXPECT_TRUE(r[0]->TabStop());
  EXPECT_FALSE(r[1]->TabStop());
}

}  // namespace
