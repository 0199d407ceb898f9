// The colour cube and spectrum panels, the colour selector and the colour
// picker drop-down: layouts, choosing by mouse and keys, texts, and grabbed
// pictures checked at chosen pixels.
#include "controls/dropdown/VevColorPickerDropDown.h"

#include <cstdlib>

#include "KindSupport.h"
#include "framework/controls/Image.h"
#include "framework/os/Files.h"

namespace {

using namespace testinput;

TColor Pixel(TBitmap* B, int X, int Y) { return B->Canvas()->Pixels(X, Y) & 0xFFFFFF; }
void Keep(TBitmap* B, const std::string& Name) {
  const char* dir = std::getenv("CF_TEST_BIN_DIR");
  const std::string folder = std::string(dir != nullptr ? dir : ".") + "/artefacts";
  ForceDirectories(folder);
  B->SaveToPngFile(folder + "/" + Name + ".png");
}

struct PanelFixture : ::testing::Test {
  TForm* form = nullptr;
  void SetUp() override { form = NewPointerForm(400, 300); }
  void TearDown() override { FreePointerForm(form); }
  template <class T>
  T* Make() {
    auto* p = new T(form);
    p->SetParent(form);
    return p;
  }
};

TEST_F(PanelFixture, CubeCellsSitAndAreFoundByDistance) {
  auto* cube = Make<TVevColorCubePanel>();
  EXPECT_EQ(cube->Cell(1).center, TPoint(55, 20));
  EXPECT_EQ(cube->Cell(1).color, static_cast<TColor>(0x663300));
  EXPECT_EQ(cube->Cell(64).center, TPoint(91, 80));
  EXPECT_EQ(cube->Cell(64).color, static_cast<TColor>(0xFFFFFF));
  EXPECT_EQ(cube->Cell(127).center, TPoint(127, 140));
  EXPECT_EQ(cube->Cell(127).color, static_cast<TColor>(0x2100A5));
  EXPECT_EQ(cube->CellAt(55 + 6, 20), 1);  // exactly 6 away
  EXPECT_EQ(cube->CellAt(55, 27), -1);
  EXPECT_EQ(cube->CellAt(61, 20), 1) << "midway between cells 1 and 2";
  cube->SetSelectedColor(0x0000FF);
  EXPECT_EQ(cube->SelectedIndex(), 118);
  cube->SetSelectedColor(0x010203);
  EXPECT_EQ(cube->SelectedIndex(), -1);
  ShowForm(form);
  MouseMove(cube, 91, 80);
  EXPECT_EQ(cube->HotIndex(), 64);
  EXPECT_EQ(cube->Hint(), "Red: 255,  Green: 255,  Blue: 255");
  MouseMove(cube, 2, 2);
  EXPECT_EQ(cube->Hint(), "");
  EXPECT_EQ(cube->HotIndex(), 64) << "the hot cell keeps its frame";
  cube->SetSelectedColor(0xFFFFFF);
  auto pic = cube->GrabToBitmap();
  Keep(pic.get(), "color_cube");
  EXPECT_EQ(Pixel(pic.get(), 55, 20), 0x663300u);
  EXPECT_EQ(Pixel(pic.get(), 127, 140), 0x2100A5u);
  EXPECT_EQ(Pixel(pic.get(), 91 + 5, 80), 0u) << "the selected frame is black";
  EXPECT_EQ(Pixel(pic.get(), 91 + 4, 80), 0xFFFFFFu) << "inside it white";
}

TEST_F(PanelFixture, TheSpectrumShowsTheEyedropperCursorWithItsTipAsHotSpot) {
  auto* sp = Make<TVevColorSpectrumPanel>();
  EXPECT_EQ(sp->SpectrumImage()->Cursor(), 54);
  EXPECT_TRUE(Screen->HasCursor(54));
  TBitmap bmp;
  DrawVyxPointer(&bmp);
  Keep(&bmp, "vyx_pointer");
  EXPECT_EQ(bmp.Width(), 32);
  EXPECT_EQ(bmp.Height(), 32);
  EXPECT_EQ(VyxPointerHotSpot, TPoint(1, 30));
  // The tip is drawn at the hot spot; the corners are see-through.
  EXPECT_NE(Pixel(&bmp, 1, 30), 0xFF00FFu);
  EXPECT_EQ(Pixel(&bmp, 0, 0), 0xFF00FFu);
  EXPECT_EQ(Pixel(&bmp, 31, 31), 0xFF00FFu);
  EXPECT_EQ(Pixel(&bmp, 25, 7), 0x000000u) << "the bulb";
}

TEST_F(PanelFixture, SpectrumBoxesAndPickedColours) {
  auto* sp = Make<TVevColorSpectrumPanel>();
  EXPECT_EQ(sp->Width(), 150);
  EXPECT_EQ(sp->Height(), 174);
  EXPECT_EQ(sp->SelectedRect(), TRect(10, 146, 73, 166));
  EXPECT_EQ(sp->HotRect(), TRect(77, 146, 140, 166));
  ShowForm(form);
  int selects = 0, hides = 0;
  sp->OnSelect = [&](TObject*) { ++selects; };
  sp->OnShouldHide = [&](TObject*) { ++hides; };
  auto channelsAtLeast = [](TColor C, unsigned V) {
    return (C & 0xFF) >= V && ((C >> 8) & 0xFF) >= V && ((C >> 16) & 0xFF) >= V;
  };
  Click(sp->SpectrumImage(), 40, 0);
  EXPECT_TRUE(channelsAtLeast(sp->SelectedColor(), 240)) << std::hex << sp->SelectedColor();
  Click(sp->SpectrumImage(), 40, 127);
  EXPECT_LE(sp->SelectedColor() & 0xFF, 15u);
  EXPECT_LE((sp->SelectedColor() >> 8) & 0xFF, 15u);
  Click(sp->SpectrumImage(), 0, 64);
  EXPECT_EQ(sp->SelectedColor(), static_cast<TColor>(0x0000FF)) << "full red at the left";
  EXPECT_EQ(selects, 3);
  EXPECT_EQ(hides, 3);
  auto pic = sp->GrabToBitmap();
  Keep(pic.get(), "color_spectrum");
  EXPECT_EQ(Pixel(pic.get(), 30, 155), 0x0000FFu) << "the selected box";
  EXPECT_EQ(Pixel(pic.get(), 11, 10 + 64), 0x0000FFu) << "the picture's left column";
  EXPECT_EQ(Pixel(pic.get(), 11, 10), 0xFFFFFFu) << "its top row";
}

TEST_F(PanelFixture, OfficePaletteLaysOutAsStripsAndMovesByKeys) {
  auto* cs = Make<TCustomColorSelector>();
  cs->FillOfficeColors();
  cs->LayoutItems();
  EXPECT_EQ(cs->Width(), 165);
  EXPECT_EQ(cs->Height(), 84);
  const int tops[6] = {4, 20, 32, 44, 56, 68};
  for (int row = 0; row < 6; ++row) EXPECT_EQ(cs->GetItemRect(row * 10).Top, tops[row]) << row;
  EXPECT_EQ(cs->GetItemRect(3).Left, 4 + 3 * 16);
  int selects = 0;
  cs->OnItemSelect = [&](TObject*) { ++selects; };
  cs->SetSelectedColor(0xBD814F);  // #4F81BD
  EXPECT_EQ(cs->ItemIndex(), 4);
  EXPECT_EQ(selects, 1);
  cs->SetSelectedColor(0x010203);
  EXPECT_EQ(cs->ItemIndex(), -1);
  EXPECT_EQ(selects, 1);
  struct Row {
    int from;
    WORD key;
    bool open;
    int to;
  };
  const Row rows[] = {
      {5, VK_DOWN, true, 15}, {5, VK_UP, true, 5},    {5, VK_DOWN, false, 6}, {5, VK_UP, false, 4},
      {5, VK_HOME, true, 0},  {5, VK_NEXT, true, 59}, {5, VK_RIGHT, true, 6}, {-1, VK_DOWN, true, 0},
  };
  for (const Row& r : rows) {
    cs->SetItemIndex(r.from);
    cs->HandleKey(r.key, false, r.open);
    EXPECT_EQ(cs->ItemIndex(), r.to) << r.from << " key " << r.key << " open " << r.open;
  }
  cs->SetItemIndex(5);
  cs->HandleKey(VK_RIGHT, true, false);  // an editable, closed picker
  EXPECT_EQ(cs->ItemIndex(), 5);
  // A disabled box is never chosen nor hot.
  cs->Items()->Items(6)->SetEnabled(false);
  cs->SelectNext();
  EXPECT_EQ(cs->ItemIndex(), 5);
  ShowForm(form);
  const TRect r6 = cs->GetItemRect(6);
  MouseMove(cs, r6.Left + 3, r6.Top + 3);
  EXPECT_EQ(cs->ItemHot(), -1);
  Click(cs, r6.Left + 3, r6.Top + 3);
  EXPECT_EQ(cs->ItemIndex(), 5);
  // Drawn as strips: a middle box has side lines only.
  cs->SetItemIndex(-1);
  auto pic = cs->GrabToBitmap();
  Keep(pic.get(), "color_selector");
  const TRect m = cs->GetItemRect(21);  // row 3, column 1
  EXPECT_EQ(Pixel(pic.get(), m.Left, m.Top + 5), 0xC5C5C5u);
  EXPECT_EQ(Pixel(pic.get(), m.Left + 5, m.Top), 0x595959u) << "no top line in the strip";
  const TRect t = cs->GetItemRect(0);
  EXPECT_EQ(Pixel(pic.get(), t.Left + 5, t.Top), 0xC5C5C5u) << "a stand-alone box is framed";
}

TEST(ColorValueText, EachKindWritesItsText) {
  struct Row {
    TColor color;
    TColorValueText kind;
    const char* text;
  };
  const Row rows[] = {
      {0xFFFFFF, cvtNone, ""},           {0xFFFFFF, cvtRGB, "Red:255,Green:255,Blue:255"},
      {0xFFFFFF, cvtHTML, "#FFFFFF"},    {0x0000FF, cvtHex, "0000FF"},
      {0x0000FF, cvtHTML, "#FF0000"},    {0x0000FF, cvtWebName, "red"},
      {0x123456, cvtWebName, "#563412"},
  };
  for (const Row& r : rows) EXPECT_EQ(ColorValueTextOf(r.color, r.kind), r.text) << r.kind;
}

using PickerFixture = KindFixture<TVevColorPickerDropDown>;

TEST_F(PickerFixture, DefaultColoursComeOnlyWithTheDesigner) {
  EXPECT_EQ(dd->Colors()->Count(), 0);
  auto* d = new TVevColorPickerDropDown(form);
  d->SetDesignTime(true);
  d->AfterConstruction();
  d->SetParent(form);
  d->HandleNeeded();
  EXPECT_EQ(d->Colors()->Count(), 16);
  EXPECT_EQ(d->Colors()->Items(9)->Caption(), "Red");
}

TEST_F(PickerFixture, AColourNoItemHasLeavesNoItemChosen) {
  dd->AddDefaultColors();
  dd->SetSelectedColor(0x0000FF);
  ASSERT_EQ(dd->ItemIndex(), 9);
  dd->SetSelectedColor(0x123456);
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(dd->SelectedColor(), static_cast<TColor>(0x123456));
  EXPECT_NE(dd->SelectedColorText(), "Red");
  dd->SetColorValueText(cvtHex);
  EXPECT_EQ(dd->SelectedColorText(), "123456");
  // An item's colour chooses that item again.
  dd->SetSelectedColor(0x000000);
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(dd->SelectedColorText(), "Black");
}

TEST_F(PickerFixture, TheListChoosesByKeysAndLettersAndEscapeRestores) {
  TTestClock clock;
  dd->AddDefaultColors();
  int selects = 0;
  dd->OnSelect = [&](TObject*) { ++selects; };
  dd->SetSelectedColor(0x0000FF);
  EXPECT_EQ(dd->ItemIndex(), 9);
  EXPECT_EQ(dd->SelectedColorText(), "Red");
  EXPECT_EQ(selects, 1);
  // Before the first opening the list is empty: the wheel does nothing.
  Wheel(dd, -120);
  EXPECT_EQ(dd->ItemIndex(), 9);
  // Keys on the closed picker step through the colours.
  PressKey(VK_DOWN);
  EXPECT_EQ(dd->ItemIndex(), 10);
  PressKey(VK_HOME);
  EXPECT_EQ(dd->ItemIndex(), 0);
  dd->SetColumns(4);
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  SendMessage(dd->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(dd->ItemIndex(), 4) << "Down moves by Columns while open";
  EXPECT_TRUE(dd->DroppedDown());
  SendMessage(dd->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"DropDown", "DropUp(cancelled)"}));
  // Letters typed within 500 ms make one search.
  dd->SetColumns(1);
  PressKey(VK_F4);
  SendMessage(dd->Handle(), WM_KEYDOWN, 'S', 0);
  EXPECT_EQ(dd->ItemIndex(), 8);  // Silver
  clock.Advance(100);
  SendMessage(dd->Handle(), WM_KEYDOWN, 'I', 0);
  EXPECT_EQ(dd->ItemIndex(), 8);
  clock.Advance(500);
  SendMessage(dd->Handle(), WM_KEYDOWN, 'T', 0);
  EXPECT_EQ(dd->ItemIndex(), 6) << "a new search: Teal";
  SendMessage(dd->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 6);
  // After an opening the wheel on the closed picker steps too.
  Wheel(dd, -120);
  EXPECT_EQ(dd->ItemIndex(), 7);
  // A click on an item chooses it and closes.
  PressKey(VK_F4);
  TCustomItemSelector* panel = dd->ItemSelector()->Panel();
  const TRect r = panel->GetItemRect(2);
  Click(panel, r.Left + 3, r.Top + 3);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->SelectedColor(), static_cast<TColor>(0x008000));
}

TEST_F(PickerFixture, CubeSpectrumAndPaletteChooseAColourAndClose) {
  dd->AddDefaultColors();
  dd->SetColorSelectionStyle(csColorCube);
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  TVevColorCubePanel* cube = dd->ColorCubePanel();
  ASSERT_NE(cube, nullptr);
  EXPECT_EQ(dd->DropDownForm()->Width(), 182 + 2);
  Click(cube, 91, 80);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->SelectedColor(), static_cast<TColor>(0xFFFFFF));
  EXPECT_EQ(dd->ItemIndex(), -1);
  dd->SetColorValueText(cvtHTML);
  EXPECT_EQ(dd->SelectedColorText(), "#FFFFFF");

  dd->SetColorSelectionStyle(csDiscrete);
  PressKey(VK_F4);
  TCustomColorSelector* cs = dd->ColorSelector();
  ASSERT_NE(cs, nullptr);
  EXPECT_EQ(cs->ItemIndex(), 0) << "white is the palette's first box";
  SendMessage(dd->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_TRUE(dd->DroppedDown());
  EXPECT_EQ(dd->SelectedColor(), static_cast<TColor>(0xF2F2F2));
  SendMessage(dd->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(dd->SelectedColor(), static_cast<TColor>(0xFFFFFF));
  PressKey(VK_F4);
  const TRect b = cs->GetItemRect(5);
  Click(cs, b.Left + 3, b.Top + 3);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->SelectedColor(), static_cast<TColor>(0x4D50C0));

  dd->SetColorSelectionStyle(csSpectrum);
  PressKey(VK_F4);
  TVevColorSpectrumPanel* sp = dd->SpectrumPanel();
  ASSERT_NE(sp, nullptr);
  EXPECT_FALSE(cs->Visible());
  int selects = 0;
  dd->OnSelect = [&](TObject*) { ++selects; };
  Click(sp->SpectrumImage(), 0, 64);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->SelectedColor(), static_cast<TColor>(0x0000FF));
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(selects, 2) << "red is also a named colour";
}

TEST_F(PickerFixture, TheEditShowsTheColourBoxAndItsText) {
  dd->AddDefaultColors();
  dd->SetSelectedColor(0x0000FF);
  other->SetFocus();
  Pump();
  auto pic = dd->GrabToBitmap();
  Keep(pic.get(), "color_picker_edit");
  const int mid = dd->Height() / 2;
  EXPECT_EQ(Pixel(pic.get(), 1 + 4 + 7, mid), 0x0000FFu) << "the red box";
  EXPECT_EQ(Pixel(pic.get(), 1 + 4, mid), 0u) << "its black frame";
  // The caption is drawn right of the box.
  bool text = false;
  for (int x = 24; x < 60; ++x) text = text || Pixel(pic.get(), x, mid) != Pixel(pic.get(), 100, 3);
  EXPECT_TRUE(text);
  dd->SetShowText(false);
  pic = dd->GrabToBitmap();
  for (int x = 24; x < 60; ++x) EXPECT_EQ(Pixel(pic.get(), x, mid), Pixel(pic.get(), 100, mid)) << x;
}

}  // namespace
