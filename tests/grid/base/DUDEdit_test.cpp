// The edit with button and the unit edit: what fires the button, what
// typing off leaves possible, the unit split and the unit pop-up list, and
// the layout of the text, the unit and the button.
#include "grid/base/DUDEdit.h"

#include <gtest/gtest.h>

#include "framework/classes/ComponentFiler.h"

#include <string>
#include <vector>

#include "framework/controls/Clipbrd.h"
#include "framework/controls/StdCtrls.h"
#include "framework/os/Files.h"
#include "support/Input.h"
#include "support/Responder.h"

namespace {

using namespace testinput;

struct EditBtnFixture : ::testing::Test {
  TForm* form = nullptr;
  TDudEditBtn* edit = nullptr;
  TEdit* other = nullptr;
  int clicks = 0;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 300, 200);
    edit = new TDudEditBtn(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 140, 24);
    edit->OnClickBtn = [this](TObject*) { ++clicks; };
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 80, 100, 24);
    ShowForm(form);
  }
  void TearDown() override { delete form; }
  TVevSpeedButton* Button() { return edit->Button()->Button(); }
};

TEST_F(EditBtnFixture, F4AndAClickFireTheButtonButNotWithCtrlOrAlt) {
  edit->SetFocus();
  PressKey(VK_F4);
  EXPECT_EQ(clicks, 1);
  PressKey(VK_F4, {ssCtrl});
  PressKey(VK_F4, {ssAlt});
  EXPECT_EQ(clicks, 1);
  other->SetFocus();
  Click(Button(), 4, 4);
  EXPECT_EQ(clicks, 2);
  // The click hands the focus back to the edit.
  EXPECT_TRUE(edit->Focused());
  // A press dragged off the button is no click.
  MouseDown(Button(), 4, 4);
  MouseUp(Button(), 60, 40);
  EXPECT_EQ(clicks, 2);
}

TEST_F(EditBtnFixture, WithoutTypingOnlyDeleteAndTheButtonStillWork) {
  edit->SetText("12");
  edit->SetEditorEnabled(false);
  edit->SetFocus();
  edit->SetSelStart(2);
  TypeText("3");
  PressKey(VK_BACK);
  Clipboard()->SetAsText("99");
  PressKey('V', {ssCtrl});
  edit->SelectAll();
  PressKey('X', {ssCtrl});
  EXPECT_EQ(edit->Text(), "12");
  // Copying takes nothing away.
  PressKey('C', {ssCtrl});
  EXPECT_EQ(Clipboard()->AsText(), "12");
  edit->SetSelStart(0);
  PressKey(VK_DELETE);
  EXPECT_EQ(edit->Text(), "2");
  PressKey(VK_F4);
  EXPECT_EQ(clicks, 1);
}

TEST_F(EditBtnFixture, APasteKeepsTheFirstLineWithoutControlCharacters) {
  edit->SetText("");
  edit->SetFocus();
  Clipboard()->SetAsText("a\tb\r\nsecond");
  PressKey(VK_INSERT, {ssShift});
  EXPECT_EQ(edit->Text(), "ab");
  edit->SetReadOnly(true);
  Clipboard()->SetAsText("x");
  edit->Perform(WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), "ab");
}

TEST_F(EditBtnFixture, TheButtonSitsAtTheRightAndTheTextStopsBeforeIt) {
  TDudEditButton* b = edit->Button();
  TRect fr;
  edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&fr));
  EXPECT_EQ(b->Left() + b->Width(), edit->ClientWidth() - 1);
  EXPECT_LE(fr.Right, b->Left());
  edit->SetButtonWidth(30);
  EXPECT_EQ(b->Width(), 30);
}

struct UnitCase {
  const char* name;
  const char* value;
  const char* text;
  const char* unit;
};

void PrintTo(const UnitCase& c, std::ostream* os) { *os << c.name; }

class UnitSplit : public ::testing::TestWithParam<UnitCase> {};

TEST_P(UnitSplit, TheFirstUnitThatEndsTheValueSplitsIt) {
  const UnitCase& c = GetParam();
  TDudUnitEditBtn e(nullptr);
  e.Units()->Add("m");
  e.Units()->Add("mm");
  e.Units()->Add("s");
  e.SetText("old");
  e.SetUnitID("s");
  e.SetTextAndUnit(c.value);
  EXPECT_EQ(e.Text(), c.text);
  EXPECT_EQ(e.UnitID(), c.unit);
  EXPECT_EQ(e.TextAndUnit(), std::string(c.text) + c.unit);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnitSplit,
    ::testing::Values(UnitCase{"Metres", "12m", "12", "m"},
                      // The first m lies inside mm, so m does not end the value; mm does.
                      UnitCase{"MillimetresAfterABlank", "12 mm", "12 ", "mm"},
                      UnitCase{"Seconds", "5s", "5", "s"},
                      // No unit ends the value: nothing changes.
                      UnitCase{"NoUnit", "12 km/h", "old", "s"}),
    [](const ::testing::TestParamInfo<UnitCase>& i) { return i.param.name; });

TEST(UnitEdit, TheButtonOffersTheUnitsAndAChangeIsReportedOnce) {
  ResetKeyboardState();
  TDialogResponder responder;
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  auto* e = new TDudUnitEditBtn(&form);
  e->SetParent(&form);
  e->SetBounds(10, 10, 140, 24);
  for (const char* u : {"ms", "s", "min"}) e->Units()->Add(u);
  e->SetUnitID("s");
  std::vector<std::string> changes;
  int clicks = 0;
  e->OnClickBtn = [&](TObject*) { ++clicks; };
  e->OnUnitChanged = [&](TObject*, const std::string& u) { changes.push_back(u); };
  ShowForm(&form);
  e->SetFocus();
  responder.AnswerMenu(2);
  PressKey(VK_F4);
  EXPECT_EQ(e->UnitID(), "min");
  ASSERT_EQ(responder.Menus().size(), 1u);
  EXPECT_EQ(responder.Menus()[0].size(), 3u);
  EXPECT_EQ(responder.Menus()[0][0].Caption, "ms");
  // Choosing the unit already shown reports nothing; no choice changes nothing.
  responder.AnswerMenu(2);
  Click(e->Button()->Button(), 4, 4);
  responder.AnswerMenu(-1);
  PressKey(VK_F4);
  EXPECT_EQ(e->UnitID(), "min");
  EXPECT_EQ(changes, std::vector<std::string>{"min"});
  EXPECT_EQ(clicks, 3);
}

TEST(UnitEdit, TheTextIsRightAlignedWithATwentyPixelUnitAreaLeftOfTheButton) {
  ResetKeyboardState();
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  auto* e = new TDudUnitEditBtn(&form);
  e->SetParent(&form);
  e->SetBounds(10, 10, 140, 24);
  e->SetText("12.5");
  e->SetUnitID("mm");
  ShowForm(&form);
  EXPECT_TRUE(e->RightAlign());
  EXPECT_EQ(e->Alignment(), taRightJustify);
  EXPECT_EQ(e->UnitSpace(), 20);
  TRect unit = e->UnitRect();
  EXPECT_EQ(unit.Width(), 20);
  EXPECT_EQ(unit.Right, e->ClientWidth() - (e->Button()->Width() + 3));
  TRect fr;
  e->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&fr));
  EXPECT_LE(fr.Right, unit.Left);
  // The unit is drawn in its area, in the font colour.
  std::unique_ptr<TBitmap> g = e->GrabToBitmap();
  const char* dir = std::getenv("CF_TEST_BIN_DIR");
  std::string folder = std::string(dir != nullptr ? dir : ".") + "/artefacts";
  ForceDirectories(folder);
  g->SaveToPngFile(folder + "/dud_unit_edit.png");
  TRect ins = e->NonClientInsets();
  int dark = 0;
  for (int y = unit.Top; y < unit.Bottom; ++y)
    for (int x = unit.Left; x < unit.Right; ++x) {
      TColor c = g->Canvas()->Pixels(x + ins.Left, y + ins.Top) & 0xFFFFFF;
      dark += GetRValue(c) < 96 && GetGValue(c) < 96 && GetBValue(c) < 96;
    }
  EXPECT_GT(dark, 5);
}

TEST(UnitEditLayout, AStoredUnitEditKeepsItsUnits) {
  const char* text = R"(object F: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object UE_Time: TDudUnitEditBtn
    Left = 10
    Top = 10
    Width = 120
    Height = 24
    Text = '250'
    Units.Strings = (
      'ms'
      's')
    UnitID = 'ms'
    EditorEnabled = False
  end
end
)";
  TForm form(nullptr);
  ReadComponentText(&form, text, "forms/Unit.dfm");
  auto* e = dynamic_cast<TDudUnitEditBtn*>(form.FindComponent("UE_Time"));
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->TextAndUnit(), "250ms");
  EXPECT_FALSE(e->EditorEnabled());
  EXPECT_EQ(e->Units()->Count(), 2);
  TForm again(nullptr);
  ReadComponentText(&again, WriteComponentText(&form), "saved.dfm");
  auto* e2 = dynamic_cast<TDudUnitEditBtn*>(again.FindComponent("UE_Time"));
  ASSERT_NE(e2, nullptr);
  EXPECT_EQ(e2->TextAndUnit(), "250ms");
  EXPECT_EQ(e2->Units()->Strings(1), "s");
}

}  // namespace
