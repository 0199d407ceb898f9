// The pop-up's strips and buttons, the look presets, and grabbed pictures
// of the control and its pop-up checked at chosen pixels.
#include <gtest/gtest.h>

#include <cstdlib>

#include "DropDownSupport.h"
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

TEST(DbgList, AccessBeyondTheEndRaisesItsOwnMessage) {
  TDbgList l;
  int a = 1, b = 2;
  l.Add(&a);
  EXPECT_EQ(l.GetItemsEx(0), &a);
  l.SetItemsEx(0, &b);
  EXPECT_EQ(l.GetItemsEx(0), &b);
  try {
    l.GetItemsEx(1);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Index out of bounds in list read access");
  }
  try {
    l.SetItemsEx(1, &a);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Index out of bounds in list write access");
  }
}

TEST_F(DropDownFixture, HeaderButtonsLineUpFromTheRightAndKeepToTheStrip) {
  THeaderAppearance* h = dd->DropDownHeader();
  h->SetCaption("Choose");
  for (const char* c : {"A", "B", "C"}) h->Buttons()->Add()->SetCaption(c);
  h->Buttons()->Items(1)->SetHeight(40);
  dd->ShowDropDown();
  TVevHeader* strip = dd->DropDownForm()->Header();
  ASSERT_NE(strip, nullptr);
  ASSERT_EQ(strip->ButtonCount(), 3);
  TVevButton *b0 = strip->Button(0), *b1 = strip->Button(1), *b2 = strip->Button(2);
  EXPECT_EQ(b0->Left() + b0->Width(), strip->ClientWidth() - 2);
  EXPECT_EQ(b1->Left() + b1->Width(), b0->Left());
  EXPECT_EQ(b2->Left() + b2->Width(), b1->Left());
  // A button taller than the strip's button area is cut to it.
  EXPECT_EQ(b1->Height(), 22 - 2 - 3);
  dd->HideDropDown(false);
  h->SetButtonAlignment(baLeft);
  dd->ShowDropDown();
  EXPECT_EQ(strip->Button(0)->Left(), 2);
  EXPECT_EQ(strip->Button(1)->Left(), strip->Button(0)->Left() + strip->Button(0)->Width());
  dd->HideDropDown(false);
}

TEST_F(DropDownFixture, FooterButtonsCloseThePopupByTheirModalResult) {
  struct Row {
    TModalResult mr;
    bool closes;
    const char* last;
  };
  const Row rows[] = {{mrOk, true, "DropUp"},
                      {mrCancel, true, "DropUp(cancelled)"},
                      {mrRetry, false, ""},
                      {mrNone, false, ""}};
  TFooterAppearance* f = dd->DropDownFooter();
  f->Buttons()->Add()->SetCaption("Go");
  int clicks = -1;
  dd->OnDropDownFooterButtonClick = [&](TObject*, int Index) { clicks = Index; };
  for (const Row& r : rows) {
    f->Buttons()->Items(0)->SetModalResult(r.mr);
    dd->ShowDropDown();
    dd->Log.clear();
    clicks = -1;
    TVevButton* b = dd->DropDownForm()->Footer()->Button(0);
    Click(b, 3, 3);
    EXPECT_EQ(clicks, 0) << r.mr;
    EXPECT_EQ(dd->DroppedDown(), !r.closes) << r.mr;
    if (r.closes) EXPECT_EQ(dd->Log.back(), r.last) << r.mr;
    dd->HideDropDown(false);
  }
  // Return on a focused footer button closes without the click event.
  f->Buttons()->Items(0)->SetModalResult(mrOk);
  dd->ShowDropDown();
  clicks = -1;
  SendMessage(dd->DropDownForm()->Footer()->Button(0)->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(clicks, -1);
}

TEST(VevDropDownStyles, LookPresetsSetThePopupStripsAndButtons) {
  TForm* form = NewPointerForm();
  auto* d = NewDropDown<TTestDropDown>(form);
  d->SetParent(form);
  d->SetDropDownBorderColor(0x123456);
  d->SetComponentStyle(tsOffice2003Blue);
  EXPECT_EQ(d->DropDownBorderColor(), static_cast<TColor>(0x123456));
  EXPECT_EQ(d->DropDownFooter()->BorderColor(), static_cast<TColor>(0x962D00));
  EXPECT_EQ(d->DropDownHeader()->BorderColor(), static_cast<TColor>(0x000000));
  d->SetComponentStyle(tsOffice2003Olive);
  EXPECT_EQ(d->DropDownBorderColor(), clNone);
  d->SetComponentStyle(tsWindowsVista);
  EXPECT_EQ(d->DropDownHeader()->Color(), static_cast<TColor>(0xFFFDF9));
  EXPECT_EQ(d->DropDownFooter()->Color(), static_cast<TColor>(0xFFFAF0));
  EXPECT_EQ(d->DropDownFooter()->ColorTo(), static_cast<TColor>(0xFFFDF9));
  // The latched border of this look is a real colour.
  EXPECT_EQ(d->ButtonAppearance()->BorderColorChecked(), static_cast<TColor>(0xFEDF9A));
  const TColor hot = d->ButtonAppearance()->ColorHot();
  d->SetComponentStyle(tsCustom);
  EXPECT_EQ(d->GetComponentStyle(), tsCustom);
  EXPECT_EQ(d->ButtonAppearance()->ColorHot(), hot);
  EXPECT_EQ(d->DropDownHeader()->Color(), static_cast<TColor>(0xFFFDF9));
  d->SetSelectionColorStyle(scWindows7);
  EXPECT_EQ(d->SelectionColor(), static_cast<TColor>(0xFCEBDC));
  d->SetSelectionColorStyle(scCustom);
  EXPECT_EQ(d->SelectionColor(), static_cast<TColor>(0xFCEBDC));
  FreePointerForm(form);
}

// Pictures of the control in its states.
TEST_F(DropDownFixture, TheControlDrawsItsBorderButtonAndFocusLooks) {
  const TRect ins = dd->NonClientInsets();
  TDropDownEditButton* b = dd->Button();
  const int bx = ins.Left + b->Left(), by = ins.Top + b->Top();

  // Colour tones: the border and the coloured arrow button.
  TColorTones tones;
  tones.Background = {0x00C000, 0x0000C0, clBlack};
  tones.Hover = {0x00FF00, clNone, clBlack};
  tones.Selected = {0x008000, clNone, clBlack};
  dd->SetColorTones(tones);
  other->SetFocus();
  Pump();
  auto pic = dd->GrabToBitmap();
  Keep(pic.get(), "dropdown_tones");
  EXPECT_EQ(Pixel(pic.get(), 0, 0), 0x0000C0u);
  EXPECT_EQ(Pixel(pic.get(), dd->Width() - 1, dd->Height() / 2), 0x0000C0u);
  EXPECT_EQ(Pixel(pic.get(), bx + 3, by + 3), 0x00C000u);
  // The arrow's tip row, in black.
  EXPECT_EQ(Pixel(pic.get(), bx + 8, by + 8), 0x000000u);

  // Disabled: the silver frame.
  dd->SetColorTones(TColorTones{});
  dd->SetBorderColor(clNone);
  dd->SetEnabled(false);
  pic = dd->GrabToBitmap();
  Keep(pic.get(), "dropdown_disabled");
  EXPECT_EQ(Pixel(pic.get(), 0, 0), 0xC0C0C0u);
  EXPECT_EQ(Pixel(pic.get(), dd->Width() / 2, dd->Height() - 1), 0xC0C0C0u);
  dd->SetEnabled(true);

  // Focused and not editable: the value on the highlight.
  dd->SetText("Value");
  dd->SetEditorEnabled(false);
  dd->SetFocus();
  Pump();
  pic = dd->GrabToBitmap();
  Keep(pic.get(), "dropdown_focused_locked");
  EXPECT_EQ(Pixel(pic.get(), ins.Left + 3, dd->Height() - ins.Bottom - 3),
            static_cast<uint32_t>(ColorToRGB(clHighlight) & 0xFFFFFF));
  // Editable again: the window colour behind the text.
  dd->SetEditorEnabled(true);
  pic = dd->GrabToBitmap();
  EXPECT_EQ(Pixel(pic.get(), ins.Left + 3, dd->Height() - ins.Bottom - 3),
            static_cast<uint32_t>(ColorToRGB(clWindow) & 0xFFFFFF));
}

TEST_F(DropDownFixture, ThePopupDrawsItsBorderStripsAndSizeGrip) {
  dd->SetDropDownBorderColor(0x0000FF);
  dd->DropDownHeader()->SetCaption("Header");
  dd->ShowDropDown();
  TDropDownForm* f = dd->DropDownForm();
  auto pic = f->GrabToBitmap();
  Keep(pic.get(), "dropdown_popup");
  const int w = f->Width(), h = f->Height();
  // The one-pixel border in its colour on every side.
  EXPECT_EQ(Pixel(pic.get(), 0, h / 2), 0x0000FFu);
  EXPECT_EQ(Pixel(pic.get(), w - 1, h / 2), 0x0000FFu);
  EXPECT_EQ(Pixel(pic.get(), w / 2, 0), 0x0000FFu);
  // The header's gradient (Luna: 0xFFEFE3 to 0xFFD2AF, top to bottom).
  const TColor top = Pixel(pic.get(), w / 2, 3), low = Pixel(pic.get(), w / 2, 18);
  EXPECT_EQ((top >> 16) & 0xFF, 0xFFu);
  EXPECT_GT((top & 0xFF), (low & 0xFF));
  // A dark dot of the size grip, in the footer's border colour.
  TVevFooter* footer = f->Footer();
  ASSERT_NE(footer, nullptr);
  const int gl = footer->Left() + footer->Width() - 1 - 16, gb = footer->Top() + footer->Height();
  EXPECT_EQ(Pixel(pic.get(), gl + 12, gb - 3 - 2), 0xFFD2AFu);
  dd->HideDropDown(false);
}

}  // namespace
