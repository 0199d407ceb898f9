// The drop-down base control: construction, the pop-up's opening and
// closing with its events in order, placement, sizing and the 250 ms rule.
#include "controls/dropdown/VevDropDown.h"

#include <gtest/gtest.h>

#include "DropDownSupport.h"
#include "framework/classes/Published.h"
#include "framework/controls/StdCtrls.h"

namespace {

using namespace testinput;
using Log = std::vector<std::string>;

TEST(VevDropDown, ConstructionEndsOnceTheKindIsWholeAndSetsItsDefaults) {
  TForm* form = NewPointerForm();
  auto* d = new TTestDropDown(form);
  // Before the second phase nothing of the kind has run.
  EXPECT_EQ(d->Styled, 0);
  EXPECT_EQ(d->DropDownForm(), nullptr);
  d->SetParent(form);
  EXPECT_TRUE(d->Constructed());
  // The look preset ran before the kind existed, so the kind's own look
  // extension did not; its content exists.
  EXPECT_EQ(d->Styled, 0);
  ASSERT_NE(d->DropDownForm(), nullptr);
  EXPECT_NE(d->Content, nullptr);
  EXPECT_EQ(d->Width(), 200);
  EXPECT_EQ(d->Height(), std::max(21, d->GetMinHeight()));
  EXPECT_EQ(d->DropDownButtonWidth(), 17);
  ASSERT_NE(d->Button(), nullptr);
  EXPECT_EQ(d->Button()->Width(), 16);
  d->SetDropDownButtonWidth(17);
  EXPECT_EQ(d->Button()->Width(), 16);
  d->SetDropDownButtonWidth(20);
  EXPECT_EQ(d->Button()->Width(), 20);
  EXPECT_EQ(d->Version(), "1.2.1.4");
  d->SetVersion("9.9.9.9");
  EXPECT_EQ(d->Version(), "1.2.1.4");
  EXPECT_EQ(d->GetComponentStyle(), tsOffice2007Luna);
  EXPECT_EQ(d->DropDownColor(), static_cast<TColor>(0xF3E5DA));
  EXPECT_EQ(d->SelectionColor(), static_cast<TColor>(0xD7FFFD));
  FreePointerForm(form);
}

TEST(VevDropDown, AssignCopiesSettingsButNeverTheTextAndIgnoresOtherSources) {
  TForm* form = NewPointerForm();
  auto* a = NewDropDown<TTestDropDown>(form);
  auto* b = NewDropDown<TTestDropDown>(form);
  a->SetParent(form);
  b->SetParent(form);
  a->SetPrefix("$");
  a->SetDropDownWidth(300);
  a->SetEditType(etNumeric);
  a->SetText("42");
  b->SetText("keep");
  b->Assign(a);
  EXPECT_EQ(b->Prefix(), "$");
  EXPECT_EQ(b->DropDownWidth(), 300);
  EXPECT_EQ(b->EditType(), etNumeric);
  EXPECT_NE(b->Text(), "42");
  TEdit plain(nullptr);
  b->SetDropDownWidth(10);
  b->Assign(&plain);
  EXPECT_EQ(b->DropDownWidth(), 10);
  FreePointerForm(form);
}

// How each trigger opens and closes the pop-up, and the events in order.
TEST_F(DropDownFixture, OpeningAndClosingFireTheirEventsInOrder) {
  TTestClock clock;
  const Log open = {"BeforeDropDown", "DropDown", "AfterDropDown"};
  const Log closeOk = {"BeforeDropUp", "Hide", "DropUp"};
  const Log closeCancel = {"BeforeDropUp", "Hide", "DropUp(cancelled)"};
  struct Row {
    const char* name;
    std::function<void(DropDownFixture&)> openBy;
    std::function<void(DropDownFixture&)> closeBy;
    Log closing;
  };
  const Row rows[] = {
      {"code", [](DropDownFixture& f) { f.dd->ShowDropDown(); },
       [](DropDownFixture& f) { f.dd->HideDropDown(false); }, closeOk},
      {"F4 / Return", [](DropDownFixture&) { PressKey(VK_F4); },
       [](DropDownFixture&) { PressKey(VK_RETURN); }, closeOk},
      {"Alt+Down / Escape", [](DropDownFixture&) { PressKey(VK_DOWN, {ssAlt}); },
       [](DropDownFixture&) { PressKey(VK_ESCAPE); }, closeCancel},
      {"button / F4", [](DropDownFixture& f) { Click(f.dd->Button()->SpeedButton(), 5, 5); },
       [](DropDownFixture&) { PressKey(VK_F4); }, closeOk},
      {"Alt+Down / Alt+Up", [](DropDownFixture&) { PressKey(VK_DOWN, {ssAlt}); },
       [](DropDownFixture&) { PressKey(VK_UP, {ssAlt}); }, closeOk},
      {"F4 / another window activated", [](DropDownFixture&) { PressKey(VK_F4); },
       [](DropDownFixture& f) { f.form->BringFormToFront(); }, closeCancel},
  };
  for (const Row& r : rows) {
    clock.Advance(1000);
    dd->Log.clear();
    r.openBy(*this);
    Pump();
    EXPECT_EQ(dd->Log, open) << r.name;
    EXPECT_TRUE(dd->DroppedDown()) << r.name;
    EXPECT_TRUE(dd->DropDownForm()->Showing()) << r.name;
    dd->Log.clear();
    r.closeBy(*this);
    Pump();
    EXPECT_EQ(dd->Log, r.closing) << r.name;
    EXPECT_FALSE(dd->DroppedDown()) << r.name;
    EXPECT_FALSE(dd->DropDownForm()->Visible()) << r.name;
    // The focus comes back to the edit.
    EXPECT_TRUE(dd->Focused()) << r.name;
  }
}

TEST_F(DropDownFixture, KeysTypedInThePopupReachTheEdit) {
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  dd->Log.clear();
  // The pop-up has the focus; Escape typed there closes it as cancelled.
  PressKey(VK_ESCAPE);
  EXPECT_EQ(dd->Log, (Log{"BeforeDropUp", "Hide", "DropUp(cancelled)"}));
  // Alt+Up typed in the pop-up closes it once, without opening it again.
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  PressKey(VK_UP, {ssAlt});
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_FALSE(dd->DropDownForm()->Visible());
}

TEST_F(DropDownFixture, ARefusedOpeningShowsNothing) {
  dd->Accept = false;
  dd->ShowDropDown();
  EXPECT_EQ(dd->Log, (Log{"BeforeDropDown", "DropDown"}));
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_FALSE(dd->DropDownForm()->Visible());
}

TEST_F(DropDownFixture, AReadOnlyOrDisabledDropDownNeverOpens) {
  for (int kind = 0; kind < 2; ++kind) {
    if (kind == 0)
      dd->SetReadOnly(true);
    else
      dd->SetEnabled(false);
    dd->ShowDropDown();
    if (kind == 0) {
      PressKey(VK_F4);
      PressKey(VK_DOWN, {ssAlt});
    }
    SendMessage(dd->Handle(), WM_KEYDOWN, VK_F4, 0);
    Click(dd->Button()->SpeedButton(), 5, 5);
    EXPECT_FALSE(dd->DroppedDown()) << kind;
    EXPECT_TRUE(dd->Log.empty()) << kind;
    dd->SetReadOnly(false);
    dd->SetEnabled(true);
  }
}

TEST_F(DropDownFixture, EscapeWritesBackTheValueLastWrittenAndTypingSinceIsLost) {
  dd->SetText("before");
  dd->SelectAll();
  TypeText("typed");
  EXPECT_EQ(dd->Text(), "typed");
  PressKey(VK_F4);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(dd->Text(), "before");
}

TEST_F(DropDownFixture, TheButtonClosesAnOpenPopupAndDoesNotReopenItWithin250Ms) {
  TTestClock clock;
  Click(dd->Button()->SpeedButton(), 5, 5);
  ASSERT_TRUE(dd->DroppedDown());
  // The press on the button activates the form first: the pop-up closes;
  // the click that follows at once does not open it again.
  Click(dd->Button()->SpeedButton(), 5, 5);
  EXPECT_FALSE(dd->DroppedDown());
  clock.Advance(251);
  Click(dd->Button()->SpeedButton(), 5, 5);
  EXPECT_TRUE(dd->DroppedDown());
  dd->HideDropDown(false);
}

TEST_F(DropDownFixture, TheArrowCountsTheLeftReleaseOfItsPressWhereverItHappens) {
  int clicks = 0;
  dd->Button()->OnClick = [&](TObject* Sender) {
    EXPECT_EQ(Sender, dd->Button());
    ++clicks;
  };
  TControl* arrow = dd->Button()->SpeedButton();
  Click(arrow, 5, 5, mbRight);
  EXPECT_EQ(clicks, 0) << "a right-button release";
  MouseDown(arrow, 5, 5);
  MouseUp(arrow, -60, 40);
  EXPECT_EQ(clicks, 1) << "a left press released off the arrow";
  Click(arrow, 5, 5);
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(dd->DroppedDown());
}

TEST_F(DropDownFixture, APopupKeepsItsLastSizeUntilTheDesignedSizeChanges) {
  dd->ShowDropDown();
  TDropDownForm* f = dd->DropDownForm();
  // Sized from its content: the panel, header and footer (shown by
  // default) and the pop-up's border.
  EXPECT_EQ(f->Width(), 120);
  EXPECT_EQ(f->Height(), 80 + 22 + 22 + 2);
  f->SetBounds(f->Left(), f->Top(), 200, 150);
  dd->HideDropDown(false);
  dd->ShowDropDown();
  EXPECT_EQ(f->Width(), 200);
  EXPECT_EQ(f->Height(), 150);
  dd->HideDropDown(false);
  dd->SetDropDownHeight(90);
  dd->ShowDropDown();
  EXPECT_EQ(f->Height(), 90);
  EXPECT_EQ(f->Width(), 200);
  dd->HideDropDown(false);
}

TEST_F(DropDownFixture, TheFootersSizeGripAndTheCornerSizeThePopup) {
  dd->DropDownFooter()->SetVisible(true);
  dd->ShowDropDown();
  TDropDownForm* f = dd->DropDownForm();
  ASSERT_NE(f->Footer(), nullptr);
  TVevFooter* footer = f->Footer();
  ASSERT_TRUE(footer->GripShown());
  const int w = f->Width(), h = f->Height();
  const int x = footer->Width() - 3, y = footer->Height() - 3;
  MouseDown(footer, x, y);
  MouseMove(footer, x + 40, y + 20);
  // The footer has moved down with the pop-up's bottom edge.
  MouseUp(footer, x + 40, y);
  EXPECT_EQ(f->Width(), w + 40);
  EXPECT_EQ(f->Height(), h + 20);
  // Without DropDownSizeable the grip is gone.
  dd->HideDropDown(false);
  dd->SetDropDownSizeable(false);
  dd->ShowDropDown();
  EXPECT_FALSE(footer->GripShown());
  dd->HideDropDown(false);
}

TEST_F(DropDownFixture, DeactivationClosesThePopupUnlessAWindowOfItsOwnTakesOver) {
  dd->ShowDropDown();
  TDropDownForm* f = dd->DropDownForm();
  // A window inside the pop-up (its parent chain reaches the pop-up).
  SendMessage(f->Handle(), WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(dd->Content->Handle()));
  EXPECT_TRUE(dd->DroppedDown());
  SendMessage(f->Handle(), WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(form->Handle()));
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->Log.back(), "DropUp(cancelled)");
  // A kind that keeps the value on deactivation closes as accepted.
  f->SetCancelOnDeActivate(false);
  dd->ShowDropDown();
  SendMessage(f->Handle(), WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(form->Handle()));
  EXPECT_EQ(dd->Log.back(), "DropUp");
}

// Where the pop-up opens: below the edit, above it near the screen's
// bottom, and moved in from the work area's right edge.
TEST(VevDropDownPlacement, PopupPositionsByPlaceAndScreen) {
  struct Row {
    TDropPosition pos;
    TPoint anchor;
    int popupW, popupH, screenH;
    TRect work;
    TPoint expected;
  };
  const TRect work(0, 0, 1280, 1000);
  const Row rows[] = {
      // Below, overlapping the edit's last row.
      {dpAuto, TPoint(100, 200), 150, 100, 1024, work, TPoint(100, 220)},
      // Top plus height equals the screen height: above.
      {dpAuto, TPoint(100, 924), 150, 100, 1024, work, TPoint(100, 824)},
      // One pixel higher: below.
      {dpAuto, TPoint(100, 923), 150, 100, 1024, work, TPoint(100, 943)},
      {dpDown, TPoint(100, 1000), 150, 100, 1024, work, TPoint(100, 1020)},
      {dpUp, TPoint(100, 200), 150, 100, 1024, work, TPoint(100, 100)},
      // Above near the top: not fitted, the top may be negative.
      {dpUp, TPoint(100, 50), 150, 100, 1024, work, TPoint(100, -50)},
      // Right edge beyond the work area: moved in.
      {dpAuto, TPoint(1200, 200), 150, 100, 1024, work, TPoint(1130, 220)},
      // Exactly at the right edge: left as it is.
      {dpAuto, TPoint(1130, 200), 150, 100, 1024, work, TPoint(1130, 220)},
      // Left edge outside the work area: no fit.
      {dpAuto, TPoint(1290, 200), 150, 100, 1024, work, TPoint(1290, 220)},
      // A work area starting left of the primary screen: no fit.
      {dpAuto, TPoint(-100, 200), 150, 100, 1024, TRect(-1280, 0, 0, 1000), TPoint(-100, 220)},
      // Left edge fits nothing at the left.
      {dpAuto, TPoint(-20, 200), 150, 100, 1024, work, TPoint(-20, 220)},
  };
  for (const Row& r : rows) {
    TPoint p = PlaceDropDown(r.pos, r.anchor, 21, r.popupH, r.screenH);
    p.X = FitDropDownLeft(p.X, r.popupW, r.work);
    EXPECT_EQ(p.X, r.expected.X) << r.anchor.X << "," << r.anchor.Y;
    EXPECT_EQ(p.Y, r.expected.Y) << r.anchor.X << "," << r.anchor.Y;
  }
}

// The same rules on the real screen: a form near its bottom opens upwards.
TEST(VevDropDownPlacement, ThePopupOfAnEditNearTheScreensEdgesOpensAboveAndInside) {
  const int sh = GetSystemMetrics(SM_CYSCREEN), sw = GetSystemMetrics(SM_CXSCREEN);
  TForm* form = NewPointerForm(300, 60);
  auto* d = NewDropDown<TTestDropDown>(form);
  d->SetParent(form);
  d->SetBounds(200, 10, 100, 21);
  form->SetBounds(sw - 300, sh - 60, 300, 60);
  ShowForm(form);
  d->ShowDropDown();
  TDropDownForm* f = d->DropDownForm();
  const TPoint edit = d->ClientToScreen(TPoint(0, 0));
  EXPECT_EQ(f->Top(), form->Top() + 10 - f->Height());
  EXPECT_LE(f->Left() + f->Width(), Screen->MonitorWorkAreaFromPoint(edit).Right);
  d->HideDropDown(false);
  form->SetBounds(20, 20, 300, 60);
  d->ShowDropDown();
  EXPECT_EQ(f->Top(), form->Top() + 10 + d->Height() - 1);
  EXPECT_EQ(f->Left(), form->Left() + 200);
  d->HideDropDown(false);
  FreePointerForm(form);
}

TEST(VevDropDown, StoredLayoutsCarryTheTwoLookValuesAlways) {
  TForm* form = NewPointerForm();
  auto* d = NewDropDown<TTestDropDown>(form);
  d->SetParent(form);
  d->SetName("Drop1");
  const TPublishedClass* pc = PublishedClassOf(d);
  ASSERT_NE(pc, nullptr);
  const TDefinedProp* sel = pc->FindDefined("SelectionColorStyle");
  const TDefinedProp* vyx = pc->FindDefined("VyxStyle");
  ASSERT_NE(sel, nullptr);
  ASSERT_NE(vyx, nullptr);
  EXPECT_TRUE(!sel->HasData || sel->HasData(d));
  EXPECT_TRUE(!vyx->HasData || vyx->HasData(d));
  FreePointerForm(form);
}

}  // namespace
