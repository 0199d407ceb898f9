// The styled grid button: Down and groups, the check style, the drop-down
// part, the looks and the colour scheme, the disabled glyph and the shadow,
// and the gradient the faces are drawn with.
#include "grid/base/gridcheck.h"

#include <gtest/gtest.h>

#include "framework/classes/ComponentFiler.h"

#include <memory>
#include <string>

#include "framework/controls/Menus.h"
#include "framework/graphics/Themes.h"
#include "framework/os/Files.h"
#include "support/Input.h"
#include "support/Responder.h"

namespace {

using namespace testinput;

TColor Pixel(TBitmap* B, int X, int Y) { return B->Canvas()->Pixels(X, Y) & 0xFFFFFF; }

void SaveArtefact(TBitmap* B, const std::string& Name) {
  const char* dir = std::getenv("CF_TEST_BIN_DIR");
  std::string folder = std::string(dir != nullptr ? dir : ".") + "/artefacts";
  ForceDirectories(folder);
  B->SaveToPngFile(folder + "/" + Name);
}

struct GridButtonFixture : ::testing::Test {
  TForm* form = nullptr;
  TDivUzevButton* a = nullptr;
  TDivUzevButton* b = nullptr;
  int clicks = 0;
  void SetUp() override {
    ResetKeyboardState();
    form = NewPointerForm(300, 200);
    a = new TDivUzevButton(form);
    a->SetParent(form);
    a->SetBounds(10, 10, 30, 30);
    a->OnClick = [this](TObject*) { ++clicks; };
    b = new TDivUzevButton(form);
    b->SetParent(form);
    b->SetBounds(50, 10, 30, 30);
    ShowForm(form);
  }
  void TearDown() override { FreePointerForm(form); }
};

TEST_F(GridButtonFixture, DownFollowsTheGroupAndTheStyle) {
  a->SetDown(true);
  EXPECT_FALSE(a->Down());
  a->SetGroupIndex(3);
  b->SetGroupIndex(3);
  a->SetDown(true);
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(a->State(), bsExclusive);
  // Without AllowAllUp the down member stays down...
  a->SetDown(false);
  EXPECT_TRUE(a->Down());
  // ...until another member of the group goes down.
  Click(b, 5, 5);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  // The check style toggles with each click over the button only.
  TDivUzevButton* c = new TDivUzevButton(form);
  c->SetParent(form);
  c->SetBounds(90, 10, 30, 30);
  c->SetStyle(tasCheck);
  Click(c, 5, 5);
  EXPECT_TRUE(c->Down());
  MouseDown(c, 5, 5);
  MouseUp(c, 100, 100);
  EXPECT_TRUE(c->Down());
  Click(c, 5, 5);
  EXPECT_FALSE(c->Down());
}

TEST_F(GridButtonFixture, ThePressOnTheDropDownPartOpensItsMenuAndNeverClicks) {
  TDialogResponder responder;
  TPopupMenu menu(form);
  int picked = 0;
  menu.Add("Highlight all", [&](TObject*) { ++picked; });
  int dropped = 0;
  a->SetWidth(40);
  a->SetDropDownButton(true);
  a->SetDropDownMenu(&menu);
  a->OnDropDown = [&](TObject*) { ++dropped; };
  responder.AnswerMenu(0);
  Click(a, a->Width() - 5, 10);
  EXPECT_EQ(dropped, 1);
  EXPECT_EQ(picked, 1);
  EXPECT_EQ(clicks, 0);
  Click(a, a->Width() - 13, 10);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(dropped, 1);
}

TEST_F(GridButtonFixture, ALookSetsItsColoursAndAnUnknownLookChangesNothing) {
  a->SetLook(2);
  EXPECT_EQ(a->Look(), 2);
  EXPECT_EQ(a->Color(), 0xFDEADA);
  EXPECT_EQ(a->ColorCheckedTo(), RGB(255, 173, 85));
  EXPECT_TRUE(a->Flat());
  a->SetBorderColor(clRed);
  a->SetLook(7);
  EXPECT_EQ(a->Look(), 2);
  EXPECT_EQ(a->BorderColor(), clRed);
  // Looks 3 and 4 share look 2's hot, down and checked colours.
  a->SetLook(3);
  EXPECT_EQ(a->Color(), 0xCFF0EA);
  EXPECT_EQ(a->ColorHot(), 0xCCF4FF);
  EXPECT_EQ(a->BorderColor(), clNone);
  a->SetLook(0);
  EXPECT_TRUE(a->Rounded());
}

TEST_F(GridButtonFixture, TheColourSchemeChoosesTheLook) {
  struct Row {
    const char* scheme;
    bool themed;
    int look;
  } rows[] = {{"NormalColor", true, 2},
              {"HomeStead", true, 3},
              {"Metallic", true, 4},
              {"Royale", true, 1},
              {"NormalColor", false, 1}};
  for (const Row& r : rows) {
    SetThemeActive(r.themed);
    SetCurrentThemeColorName(r.scheme);
    a->SetAutoThemeAdapt(false);
    a->SetAutoThemeAdapt(true);
    EXPECT_EQ(a->Look(), r.look) << r.scheme;
  }
  // A scheme change on the way arrives as a message.
  SetThemeActive(true);
  SetCurrentThemeColorName("Metallic");
  a->Perform(WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(a->Look(), 4);
  SetCurrentThemeColorName("NormalColor");
}

TEST_F(GridButtonFixture, TheDisabledGlyphIsGreyAndTheHotGlyphLiftsAboveItsShadow) {
  TBitmap glyph(8, 8);
  glyph.SetPixelFormat(pf24bit);
  TCanvas* gc = glyph.Canvas();
  gc->Brush()->SetColor(clBlack);
  gc->FillRect(TRect(0, 0, 8, 8));
  gc->SetPixels(0, 7, clFuchsia);  // the transparent colour
  gc->SetPixels(3, 3, RGB(200, 100, 50));
  a->SetGlyph(&glyph);
  // (200 + 100 + 50) / 3 rounds to 117, halved to 58, plus 96.
  EXPECT_EQ(a->GlyphDisabled()->Canvas()->Pixels(3, 3) & 0xFFFFFF, RGB(154, 154, 154));
  EXPECT_EQ(a->GlyphShade()->Canvas()->Pixels(1, 1) & 0xFFFFFF, 0x808080);
  EXPECT_EQ(a->GlyphShade()->Canvas()->Pixels(0, 7) & 0xFFFFFF, clFuchsia);

  // At rest the glyph sits in the middle: (11, 11) to (18, 18).
  std::unique_ptr<TBitmap> g = a->GrabToBitmap();
  EXPECT_NE(Pixel(g.get(), 10, 10), clBlack);
  EXPECT_EQ(Pixel(g.get(), 18, 18), clBlack);
  // Hot: one pixel up-left, with the grey shadow one pixel down-right.
  MouseMove(a, 5, 5);
  ASSERT_TRUE(a->MouseInControl());
  g = a->GrabToBitmap();
  SaveArtefact(g.get(), "grid_button_hot.png");
  EXPECT_EQ(Pixel(g.get(), 10, 10), clBlack);
  EXPECT_EQ(Pixel(g.get(), 19, 19), 0x808080);
  EXPECT_EQ(Pixel(g.get(), 18, 18), 0x808080);
}

TEST(GridButtonGradient, BandsRunFromTheFirstColourToTheLastAndTheFrameFollows) {
  TBitmap bmp(10, 32);
  TCanvas* c = bmp.Canvas();
  DrawButtonGradient(c, clBlack, clWhite, false, TRect(0, 0, 10, 32), 16, clNone);
  EXPECT_EQ(c->Pixels(5, 0) & 0xFFFFFF, clBlack);
  // Band 15 of 16 starts at round(15 x 32 / 16) = 30 with 15 x 255 / 16 = 239.
  EXPECT_EQ(c->Pixels(5, 31) & 0xFFFFFF, RGB(239, 239, 239));
  EXPECT_EQ(c->Pixels(5, 2) & 0xFFFFFF, RGB(16, 16, 16));
  DrawButtonGradient(c, clBlack, clWhite, true, TRect(0, 0, 10, 32), 0, clRed);
  EXPECT_EQ(c->Pixels(0, 10) & 0xFFFFFF, clRed);
  EXPECT_EQ(c->Pixels(5, 10) & 0xFFFFFF, clBlack);
}

TEST_F(GridButtonFixture, TheFooterLooksPaintTheirFaces) {
  a->SetLook(2);
  a->SetCaption("Find");
  a->SetWidth(60);
  std::unique_ptr<TBitmap> g = a->GrabToBitmap();
  SaveArtefact(g.get(), "grid_button_look2.png");
  // The gradient runs from the face colour at the top towards its end.
  EXPECT_EQ(Pixel(g.get(), 3, 1), 0xFDEADA);
  MouseMove(a, 5, 5);
  g = a->GrabToBitmap();
  EXPECT_EQ(Pixel(g.get(), 3, 1), 0xCCF4FF);
  // The hot frame of look 2 is black.
  EXPECT_EQ(Pixel(g.get(), 0, 10), 0x000000);
}

TEST(GridButtonLayout, AStoredButtonKeepsItsLookAndColours) {
  const char* text = R"(object F: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object B_Next: TDivUzevButton
    Left = 10
    Top = 10
    Width = 60
    Height = 23
    Caption = 'Next'
    Look = 6
    ColorHot = clYellow
    GroupIndex = 1
    AllowAllUp = True
    Down = True
  end
end
)";
  TForm form(nullptr);
  ReadComponentText(&form, text, "forms/Button.dfm");
  auto* b = dynamic_cast<TDivUzevButton*>(form.FindComponent("B_Next"));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Look(), 6);
  EXPECT_EQ(b->Color(), 0xCAFFFF);
  EXPECT_EQ(b->ColorHot(), clYellow);
  EXPECT_TRUE(b->Down());
  TForm again(nullptr);
  ReadComponentText(&again, WriteComponentText(&form), "saved.dfm");
  auto* b2 = dynamic_cast<TDivUzevButton*>(again.FindComponent("B_Next"));
  ASSERT_NE(b2, nullptr);
  EXPECT_EQ(b2->ColorHot(), clYellow);
  EXPECT_EQ(b2->ColorDown(), 0x4DE0FB);
  EXPECT_TRUE(b2->Down());
}

}  // namespace
