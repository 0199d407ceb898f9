// The grid's combo box: its properties and label, the focus colour (also
// for a combo made in code), the drop-down notices, the button hover, and
// what it paints itself against what the framework paints.
#include "grid/base/DudCombo.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/classes/ComponentFiler.h"
#include "framework/controls/StdCtrls.h"
#include "framework/os/Files.h"
#include "support/Input.h"

namespace {

using namespace testinput;

std::string Artefact(const std::string& Name) {
  const char* dir = std::getenv("CF_TEST_BIN_DIR");
  std::string folder = std::string(dir != nullptr ? dir : ".") + "/artefacts";
  ForceDirectories(folder);
  return folder + "/" + Name;
}

TColor Pixel(TBitmap* B, int X, int Y) { return B->Canvas()->Pixels(X, Y) & 0xFFFFFF; }

struct ComboFixture : ::testing::Test {
  TForm* form = nullptr;
  TDudComboBox* combo = nullptr;
  TEdit* other = nullptr;
  void SetUp() override {
    ResetKeyboardState();
    form = NewPointerForm(320, 200);
    form->SetColor(0xE0E0E0);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 150, 100, 24);
    combo = new TDudComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(100, 40, 150, 0);
    for (const char* s : {"Read", "Write", "Read/Write"}) combo->Items()->Add(s);
    ShowForm(form);
  }
  void TearDown() override { FreePointerForm(form); }
};

TEST_F(ComboFixture, ButtonWidthTakesFourteenToThirtyTwoPixelsOnly) {
  EXPECT_EQ(combo->ButtonWidth(), GetSystemMetrics(SM_CXVSCROLL) + 2);
  for (int w : {13, 14, 20, 32, 33}) {
    combo->SetButtonWidth(20);
    combo->SetButtonWidth(w);
    EXPECT_EQ(combo->ButtonWidth(), w >= 14 && w <= 32 ? w : 20) << w;
  }
}

TEST_F(ComboFixture, SelectItemIgnoresLetterCaseAndKeepsTheItemWithoutAMatch) {
  combo->SelectItem("WRITE");
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->SelectItem("Append");
  EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(ComboFixture, TheLabelSitsWhereItsPositionSays) {
  combo->SetLabelCaption("Access");
  TLabel* l = combo->ComboLabel();
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(l->Parent(), form);
  EXPECT_EQ(l->FocusControl(), combo);
  const int L = combo->Left(), T = combo->Top(), W = combo->Width(), H = combo->Height();
  const int M = combo->LabelMargin();
  struct Row {
    TLabelPosition pos;
    int top, left;
  };
  const int lh = l->Height(), lw = l->Width();
  const Row rows[] = {
      {lpLeftTop, T, L - lw - M},
      {lpLeftCenter, T + (H - lh) / 2, L - lw - M},
      {lpLeftBottom, T + H - lh, L - lw - M},
      {lpTopLeft, T - lh - M, L},
      {lpBottomLeft, T + H + M, L},
      // "Left" of the left edge by the margin only, not by a label width.
      {lpLeftTopLeft, T, L - M},
      {lpLeftCenterLeft, T + (H - lh) / 2, L - M},
      {lpLeftBottomLeft, T + H - lh, L - M},
      {lpTopCenter, T - lh - M, L + (W - lw) / 2},
      {lpBottomCenter, T + H + M, L + (W - lw) / 2},
      {lpRightTop, T, L + W + M},
      {lpRightCenter, T + (H - lh) / 2, L + W + M},
      {lpRighBottom, T + H - lh, L + W + M},
  };
  for (const Row& r : rows) {
    combo->SetLabelPosition(r.pos);
    EXPECT_EQ(l->Top(), r.top) << r.pos;
    EXPECT_EQ(l->Left(), r.left) << r.pos;
  }
  // The label follows the control's visibility and, unless told otherwise,
  // its enabled state.
  combo->SetEnabled(false);
  EXPECT_FALSE(l->Enabled());
  combo->SetEnabled(true);
  EXPECT_TRUE(l->Enabled());
  combo->SetLabelAlwaysEnabled(true);
  combo->SetEnabled(false);
  EXPECT_TRUE(l->Enabled());
  combo->SetVisible(false);
  EXPECT_FALSE(l->Visible());
}

TEST_F(ComboFixture, AComboMadeInCodeGetsItsOwnColourBackWhenTheFocusLeaves) {
  combo->SetColor(clYellow);
  combo->SetFocusColor(clAqua);
  combo->SetFocusLabel(true);
  combo->SetLabelCaption("Mode");
  combo->SetFocus();
  EXPECT_EQ(combo->Color(), clAqua);
  EXPECT_TRUE(combo->ComboLabel()->Font()->Style().Contains(fsBold));
  other->SetFocus();
  EXPECT_EQ(combo->Color(), clYellow);
  EXPECT_FALSE(combo->ComboLabel()->Font()->Style().Contains(fsBold));
  // Init makes the colour current now the one to come back to.
  combo->SetFocus();
  other->SetFocus();
  combo->Init();
  EXPECT_EQ(combo->NormalColor(), clYellow);
}

TEST_F(ComboFixture, ClosingTheListFiresOnDropUpOncePerClose) {
  std::vector<std::string> log;
  combo->SetStyle(csDropDownList);
  combo->OnDropDown = [&](TObject*) { log.push_back("down"); };
  combo->OnDropUp = [&](TObject*) { log.push_back("up"); };
  combo->SetFocus();
  PressKey(VK_F4);
  ASSERT_TRUE(combo->DroppedDown());
  PressKey(VK_ESCAPE);
  PressKey(VK_F4);
  PressKey(VK_RETURN);
  EXPECT_EQ(log, (std::vector<std::string>{"down", "up", "down", "up"}));
}

TEST_F(ComboFixture, TheButtonIsHoveredStrictlyInsideItsArea) {
  int w = combo->Width(), bw = combo->ButtonWidth();
  MouseMove(combo, w - bw, 5);
  EXPECT_FALSE(combo->ButtonHover());
  MouseMove(combo, w - bw + 1, 5);
  EXPECT_TRUE(combo->ButtonHover());
  MouseMove(combo, 5, 5);
  EXPECT_FALSE(combo->ButtonHover());
  EXPECT_TRUE(combo->MouseInControl());
}

TEST_F(ComboFixture, FlatTakesTheParentsColourAndADisabledFlatComboShowsIt) {
  combo->SetColor(clWhite);
  combo->SetFlat(true);
  EXPECT_FALSE(combo->Ctl3D());
  EXPECT_EQ(combo->Color(), form->Color());
  combo->SetColor(clWhite);
  combo->SetEnabled(false);
  EXPECT_EQ(combo->Color(), form->Color());
  combo->SetEnabled(true);
  EXPECT_EQ(combo->Color(), clWhite);
}

TEST_F(ComboFixture, WithNothingOfItsOwnTheFrameworkPaintsEveryPixel) {
  auto* plain = new TComboBox(form);
  plain->SetParent(form);
  plain->SetBounds(100, 90, 150, 0);
  for (const char* s : {"Read", "Write", "Read/Write"}) plain->Items()->Add(s);
  combo->SetItemIndex(1);
  plain->SetItemIndex(1);
  EXPECT_FALSE(combo->OwnPainting());
  std::unique_ptr<TBitmap> a = combo->GrabToBitmap();
  std::unique_ptr<TBitmap> b = plain->GrabToBitmap();
  ASSERT_EQ(a->Width(), b->Width());
  ASSERT_EQ(a->Height(), b->Height());
  int different = 0;
  for (int y = 0; y < a->Height(); ++y)
    for (int x = 0; x < a->Width(); ++x) different += Pixel(a.get(), x, y) != Pixel(b.get(), x, y);
  EXPECT_EQ(different, 0);
}

TEST_F(ComboFixture, OwnColoursPaintTheButtonTheBorderAndTheFlatLine) {
  combo->SetItemIndex(0);
  combo->SetButtonColor(0x00C0FF);
  combo->SetButtonColorHot(0x0080FF);
  combo->SetButtonColorDown(0x0040FF);
  combo->SetButtonBorderColor(clNavy);
  combo->SetButtonTextColor(clBlack);
  combo->SetBorderColor(clRed);
  ASSERT_TRUE(combo->OwnPainting());
  std::unique_ptr<TBitmap> g = combo->GrabToBitmap();
  g->SaveToPngFile(Artefact("dudcombo_colours.png"));
  TRect ins = combo->NonClientInsets();
  int cw = combo->ClientWidth(), ch = combo->ClientHeight();
  // The window's outer ring in the border colour.
  EXPECT_EQ(Pixel(g.get(), 0, 0), clRed);
  EXPECT_EQ(Pixel(g.get(), combo->Width() - 1, combo->Height() / 2), clRed);
  // The button face, right of its arrow.
  int faceX = ins.Left + cw - 4, faceY = ins.Top + 4;
  (void)ch;
  EXPECT_EQ(Pixel(g.get(), faceX, faceY), 0x00C0FF);
  // The hovered button turns to its hot colour.
  MouseMove(combo, combo->Width() - 5, 5);
  g = combo->GrabToBitmap();
  g->SaveToPngFile(Artefact("dudcombo_colours_hot.png"));
  EXPECT_EQ(Pixel(g.get(), faceX, faceY), 0x0080FF);

  // Flat with a line under the text, on the parent's colour.
  combo->SetBorderColor(clNone);
  combo->SetButtonColor(clNone);
  combo->SetFlatLineColor(clGreen);
  combo->SetFlat(true);
  MouseMove(other, 5, 5);
  g = combo->GrabToBitmap();
  g->SaveToPngFile(Artefact("dudcombo_flat.png"));
  EXPECT_EQ(Pixel(g.get(), 10, combo->Height() - 1), clGreen);
  EXPECT_EQ(Pixel(g.get(), 0, 0), form->Color() & 0xFFFFFF);
}

TEST_F(ComboFixture, AFocusBorderColourFramesTheFocusedComboOnly) {
  combo->SetFocusBorderColor(clFuchsia);
  std::unique_ptr<TBitmap> g = combo->GrabToBitmap();
  EXPECT_NE(Pixel(g.get(), 0, 0), clFuchsia);
  combo->SetFocus();
  g = combo->GrabToBitmap();
  EXPECT_EQ(Pixel(g.get(), 0, 0), clFuchsia);
  EXPECT_EQ(Pixel(g.get(), combo->Width() / 2, combo->Height() - 1), clFuchsia);
}

TEST_F(ComboFixture, AComboFreedWhileItsListIsDownLeavesNothingBehind) {
  combo->SetFocus();
  PressKey(VK_F4);
  ASSERT_TRUE(combo->DroppedDown());
  HWND list = combo->ListWindow()->Handle();
  delete combo;
  combo = nullptr;
  EXPECT_FALSE(IsWindow(list) && IsWindowVisible(list));
  EXPECT_EQ(GetCapture(), 0u);
}

TEST(DudComboLayout, AStoredLayoutGivesItsValuesAndTheLoadedColourComesBack) {
  const char* text = R"(object F: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  Color = clBtnFace
  object CB_Mode: TDudComboBox
    Left = 80
    Top = 20
    Width = 120
    Height = 21
    Color = clInfoBk
    Flat = True
    FlatParentColor = False
    FocusColor = clYellow
    LabelCaption = 'Mode:'
    LabelPosition = lpLeftCenter
    Style = csDropDownList
    Items.Strings = (
      'Off'
      'On')
    ItemIndex = 1
  end
end
)";
  TForm form(nullptr);
  ReadComponentText(&form, text, "forms/Mode.dfm");
  auto* cb = dynamic_cast<TDudComboBox*>(form.FindComponent("CB_Mode"));
  ASSERT_NE(cb, nullptr);
  EXPECT_TRUE(cb->Flat());
  EXPECT_EQ(cb->Color(), clInfoBk);
  EXPECT_EQ(cb->NormalColor(), clInfoBk);
  EXPECT_EQ(cb->Text(), "On");
  ASSERT_NE(cb->ComboLabel(), nullptr);
  EXPECT_EQ(cb->LabelCaption(), "Mode:");
  EXPECT_EQ(cb->ComboLabel()->Parent(), &form);
  // Written back, the text reads as the same control.
  std::string saved = WriteComponentText(&form);
  EXPECT_NE(saved.find("LabelCaption = 'Mode:'"), std::string::npos);
  EXPECT_NE(saved.find("FocusColor = clYellow"), std::string::npos);
}

}  // namespace
