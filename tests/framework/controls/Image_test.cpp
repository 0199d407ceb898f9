// The image's placement of its picture, and a form of standard controls
// grabbed into a picture.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/controls/CategoryPanel.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Image.h"
#include "framework/controls/LinkLabel.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/PageControl.h"
#include "support/Input.h"

namespace {

using namespace testinput;

TEST(Image, PicturePlacement) {
  TForm form(nullptr);
  auto* img = new TImage(&form);
  img->SetParent(&form);
  img->SetBounds(0, 0, 100, 50);
  struct Case {
    int W, H;
    bool Stretch, Proportional, Center;
    TRect Expected;
  };
  const Case cases[] = {
      {200, 100, false, false, false, TRect(0, 0, 200, 100)},
      {200, 100, false, false, true, TRect(-50, -25, 150, 75)},
      {40, 20, true, false, false, TRect(0, 0, 100, 50)},
      {200, 50, false, true, false, TRect(0, 0, 100, 25)},
      {200, 50, false, true, true, TRect(0, 12, 100, 37)},
      {20, 100, false, true, true, TRect(45, 0, 55, 50)},
      {40, 20, false, true, false, TRect(0, 0, 40, 20)},  // smaller: left as it is
      {40, 10, true, true, false, TRect(0, 0, 100, 25)},
  };
  for (const Case& c : cases) {
    TBitmap b(c.W, c.H);
    img->Picture()->SetGraphic(&b);
    img->SetStretch(c.Stretch);
    img->SetProportional(c.Proportional);
    img->SetCenter(c.Center);
    EXPECT_EQ(img->DestRect(), c.Expected) << c.W << "x" << c.H;
  }
  // AutoSize takes the picture's size; Transparent goes to the picture.
  img->SetAutoSize(true);
  EXPECT_EQ(img->Width(), 40);
  EXPECT_EQ(img->Height(), 10);
  img->SetTransparent(true);
  EXPECT_TRUE(img->Picture()->Graphic()->Transparent());
  // Drawing on an empty image makes a bitmap of its size.
  img->SetAutoSize(false);
  img->SetBounds(0, 0, 30, 20);
  img->Picture()->SetGraphic(nullptr);
  img->Canvas()->Pixels(0, 0);
  EXPECT_EQ(img->Picture()->Width(), 30);
}

TEST(StandardControlsForm, GrabsIntoAPictureWithTheirColours) {
  ResetKeyboardState();
  TForm form(nullptr);
  form.SetBorderStyle(bsSingle);
  form.SetClientWidth(320);
  form.SetClientHeight(240);
  form.SetColor(RGB(248, 247, 237));
  auto* group = new TCategoryPanelGroup(&form);
  group->SetParent(&form);
  group->SetBounds(0, 0, 160, 240);
  group->SetGradientBaseColor(RGB(231, 216, 216));
  group->SetGradientColor(RGB(231, 216, 216));
  auto* panel = new TCategoryPanel(&form);
  panel->SetParent(group);
  panel->SetHeight(120);
  panel->SetCaption("1. CAN");
  auto* combo = new TComboBox(&form);
  combo->SetParent(panel);
  combo->SetBounds(10, 10, 120, 0);
  combo->SetStyle(csDropDownList);
  combo->Items()->Add("1000K");
  combo->SetItemIndex(0);
  auto* check = new TCheckBox(&form);
  check->SetParent(panel);
  check->SetBounds(10, 50, 120, 17);
  check->SetCaption("Gateway");
  check->SetChecked(true);
  auto* list = new TListBox(&form);
  list->SetParent(&form);
  list->SetBounds(170, 10, 140, 100);
  list->Items()->Add("A");
  list->Items()->Add("B");
  auto* link = new TLinkLabel(&form);
  link->SetParent(&form);
  link->SetBounds(170, 120, 100, 17);
  link->SetCaption("<a href=\"x\">link</a>");
  auto* pages = new TPageControl(&form);
  pages->SetParent(&form);
  pages->SetBounds(170, 140, 140, 90);
  auto* sheet = new TTabSheet(&form);
  sheet->SetPageControl(pages);
  sheet->SetCaption("Tab");
  ShowForm(&form);
  list->SetFocus();
  list->SetItemIndex(0);

  auto bmp = form.GrabToBitmap();
  ASSERT_EQ(bmp->Width(), 320);
  ASSERT_EQ(bmp->Height(), 240);
  TCanvas* c = bmp->Canvas();
  // The header's gradient, left of its caption.
  EXPECT_EQ(c->Pixels(3, 3), RGB(231, 216, 216));
  // The form's own colour where no control lies.
  EXPECT_EQ(c->Pixels(315, 116), RGB(248, 247, 237));
  // The focused list's chosen row, right of its text.
  TRect row = list->ItemRect(0);
  TPoint inRow = list->ClientToParent(TPoint(row.Right - 10, row.Top + row.Height() / 2), &form);
  EXPECT_EQ(c->Pixels(inRow.X, inRow.Y), ColorToRGB(clHighlight));

  std::string png = (std::filesystem::temp_directory_path() / "stdctrls_grab.png").string();
  form.GrabToPng(png);
  EXPECT_GT(std::filesystem::file_size(png), 100u);
  std::filesystem::remove(png);
}

}  // namespace
