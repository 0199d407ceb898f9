// The push button driven as a user drives it: mouse, keys, the form's
// Default and Cancel keys, modal results, stock kinds, stored layouts, the
// hover level with its fade thread, and the picture it leaves on screen.
#include "controls/button/LbButton.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/backend/Painter.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/controls/ActnList.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Menus.h"
#include "framework/controls/StdCtrls.h"
#include "framework/graphics/ImgList.h"
#include "framework/graphics/RecordingCanvas.h"
#include "support/Input.h"
#include "support/Responder.h"

namespace {

using namespace testinput;

// A radio button as the Default key sees it: by its class name.
class TRadioButton : public TCustomControl {
 public:
  explicit TRadioButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetTabStop(true);
    SetBounds(0, 0, 80, 20);
  }
};

// Operating-system threads of this process.
int ThreadCount() {
  int n = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator("/proc/self/task")) ++n;
  return n;
}

// Handles queued calls until Done holds; false when it never did.
bool PumpUntil(const std::function<bool()>& Done, int Ms = 5000) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(Ms);
  while (!Done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    CheckSynchronize(5);
  }
  return true;
}

// A dialog: an edit, OK (Default, mrOk), Cancel (Cancel, mrCancel) and a
// third button without a modal result; clicks are logged by caption.
struct DialogFixture : ::testing::Test {
  TForm* form = nullptr;
  TEdit* edit = nullptr;
  TLbButton* ok = nullptr;
  TLbButton* cancel = nullptr;
  TLbButton* other = nullptr;
  std::vector<std::string> log;

  TLbButton* AddButton(const std::string& Caption, int Left) {
    auto* b = new TLbButton(form);
    b->SetParent(form);
    b->SetBounds(Left, 150, 80, 25);
    b->SetCaption(Caption);
    b->OnClick = [this, b](TObject*) { log.push_back(b->Caption()); };
    return b;
  }
  void SetUp() override {
    form = NewPointerForm(400, 200);
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 150, 24);
    ok = AddButton("&OK", 10);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel = AddButton("Cancel", 100);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    other = AddButton("Other", 190);
  }
  void TearDown() override {
    if (form->Visible()) MouseLeaveInput(form->Handle());
    delete form;
  }
  void Show() {
    ShowForm(form);
    edit->SetFocus();
    Pump();
  }
};

TEST_F(DialogFixture, ClickRunsTheHandlerBeforeTheModalResultEndsTheForm) {
  TModalResult seen = -1;
  ok->OnClick = [&](TObject*) {
    seen = form->ModalResult();
    form->SetModalResult(mrAbort);  // the button's own result comes after
  };
  TDialogResponder r;
  r.OnModal([&](TCustomForm*) { Click(ok, 10, 10); });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(seen, mrNone);
  EXPECT_FALSE(ok->Down());

  // A button without a modal result leaves the form open.
  r.OnModal([&](TCustomForm* f) {
    Click(other, 10, 10);
    EXPECT_EQ(f->ModalResult(), mrNone);
    f->SetModalResult(mrYes);
  });
  EXPECT_EQ(form->ShowModal(), mrYes);
  EXPECT_EQ(log, std::vector<std::string>{"Other"});
}

TEST_F(DialogFixture, DisabledOrHiddenButtonDoesNotClickNorWriteItsResult) {
  Show();
  ok->SetEnabled(false);
  Click(ok, 10, 10);
  ok->Click();
  cancel->SetVisible(false);
  cancel->Click();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(form->ModalResult(), mrNone);
  EXPECT_FALSE(ok->Down());
  EXPECT_FALSE(cancel->Down()) << "a refused click keeps nothing pressed";

  ok->SetEnabled(true);
  Click(ok, 10, 10);
  EXPECT_EQ(log, std::vector<std::string>{"&OK"});
  EXPECT_EQ(form->ModalResult(), mrOk);
}

TEST_F(DialogFixture, AnActionGivesItsStateAndRunsAfterTheClickWhileEnabled) {
  Show();
  auto* act = new TAction(form);
  act->SetCaption("&Save");
  act->SetHint("Save the table");
  act->OnExecute = [&](TObject* Sender) {
    EXPECT_EQ(Sender, act);
    EXPECT_EQ(act->ActionComponent(), other);
    log.push_back("execute");
  };
  other->SetAction(act);
  EXPECT_EQ(other->Action(), act);
  EXPECT_EQ(other->Caption(), "&Save");
  EXPECT_EQ(other->Hint(), "Save the table");
  Click(other, 10, 10);
  EXPECT_EQ(log, (std::vector<std::string>{"&Save", "execute"}));
  EXPECT_EQ(act->ActionComponent(), nullptr);

  // The action's changes reach the button; a disabled one runs nothing.
  log.clear();
  act->SetEnabled(false);
  EXPECT_FALSE(other->Enabled());
  other->Click();
  act->SetVisible(false);
  EXPECT_FALSE(other->Visible());
  act->SetVisible(true);
  act->SetEnabled(true);
  act->SetCaption("Sa&ve");
  EXPECT_TRUE(other->Enabled());
  EXPECT_EQ(other->Caption(), "Sa&ve");
  // A button disabled on its own runs no action either.
  other->SetEnabled(false);
  other->Click();
  EXPECT_TRUE(log.empty());
  other->SetEnabled(true);

  // A freed action leaves the button without one.
  delete act;
  EXPECT_EQ(other->Action(), nullptr);
  Click(other, 10, 10);
  EXPECT_EQ(log, std::vector<std::string>{"Sa&ve"});
}

TEST(LbButton, AnActionsImageFillsOnlyAnEmptyGlyph) {
  TForm form(nullptr);
  auto* images = new TImageList(&form, 16, 16);
  TBitmap pic;
  pic.SetSize(16, 16);
  pic.Canvas()->Brush()->SetColor(clRed);
  pic.Canvas()->FillRect(TRect(0, 0, 16, 16));
  images->Add(&pic, nullptr);
  auto* list = new TActionList(&form);
  list->SetImages(images);
  struct Case {
    const char* Name;
    int ImageIndex;
    bool InList;
    bool OwnGlyph;
    int Width;  // of the glyph after linking
  } cases[] = {
      {"image in range", 0, true, false, 16},
      {"index past the images", 1, true, false, 0},
      {"no image", -1, true, false, 0},
      {"action in no list", 0, false, false, 0},
      {"the button's own glyph stays", 0, true, true, 36},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* b = new TLbButton(&form);
    b->SetParent(&form);
    if (c.OwnGlyph) b->SetKind(bkOK);
    auto* a = new TAction(&form);
    a->SetImageIndex(c.ImageIndex);
    if (c.InList) a->SetActionList(list);
    b->SetAction(a);
    EXPECT_EQ(b->Glyph()->Width(), c.Width);
    if (c.Width == 16) {
      EXPECT_EQ(b->NumGlyphs(), 1);
      EXPECT_EQ(b->Glyph()->Canvas()->Pixels(5, 5) & 0xFFFFFF, static_cast<TColor>(clRed));
    }
  }
  // An image given later through the action reaches a still empty glyph.
  auto* b = new TLbButton(&form);
  auto* a = new TAction(&form);
  a->SetActionList(list);
  b->SetAction(a);
  EXPECT_TRUE(b->Glyph()->Empty());
  a->SetImageIndex(0);
  EXPECT_EQ(b->Glyph()->Width(), 16);
}

TEST(LbButton, StoredLayoutLinksTheButtonToItsAction) {
  RegisterLbButtonClasses();
  TForm form(nullptr);
  ReadComponentText(&form,
                    "object F: TForm\n"
                    "  object B: TLbButton\n    Action = Act\n  end\n"
                    "  object L: TActionList\n  end\n"
                    "  object Act: TAction\n    Caption = 'Apply'\n    Enabled = False\n  end\n"
                    "end\n",
                    "forms/FTest.dfm");
  auto* b = dynamic_cast<TLbButton*>(form.FindComponent("B"));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Action(), form.FindComponent("Act"));
  EXPECT_EQ(b->Caption(), "Apply");
  EXPECT_FALSE(b->Enabled());
}

TEST_F(DialogFixture, LeftPressHoldsTheButtonDownAndClicksOnAReleaseOverIt) {
  Show();
  MouseDown(other, 5, 5, mbRight);
  EXPECT_FALSE(other->Down());
  MouseUp(other, 5, 5, mbRight);
  EXPECT_TRUE(log.empty());
  MouseDown(other, 5, 5);
  EXPECT_TRUE(other->Down());
  EXPECT_TRUE(other->Focused());
  MouseUp(other, 5, 5);
  EXPECT_FALSE(other->Down());
  EXPECT_EQ(log, std::vector<std::string>{"Other"});

  // Dragged off before the release: no click, nothing left pressed.
  MouseDown(other, 5, 5);
  MouseMove(other, 200, 5);
  MouseUp(other, 200, 5);
  EXPECT_FALSE(other->Down());
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(DialogFixture, ReturnAndEscapeReachDefaultAndCancelButtons) {
  auto* radio = new TRadioButton(form);
  radio->SetParent(form);
  radio->SetBounds(200, 10, 80, 20);
  struct Case {
    const char* Name;
    TWinControl* Focus;
    WORD Key;
    TShiftState Shift;
    std::vector<std::string> Clicks;
  } cases[] = {
      {"Return in an edit", edit, VK_RETURN, {}, {"&OK"}},
      {"Escape in an edit", edit, VK_ESCAPE, {}, {"Cancel"}},
      {"Shift+Escape", edit, VK_ESCAPE, {ssShift}, {}},
      {"Ctrl+Escape", edit, VK_ESCAPE, {ssCtrl}, {}},
      {"Return on a radio button", radio, VK_RETURN, {}, {"&OK"}},
      // The focused button takes Return itself, on key-up, once.
      {"Return on another button", other, VK_RETURN, {}, {"Other"}},
      {"Space on a button", other, VK_SPACE, {}, {"Other"}},
      {"Escape on another button", other, VK_ESCAPE, {}, {"Cancel"}},
  };
  Show();
  for (const Case& c : cases) {
    log.clear();
    c.Focus->SetFocus();
    Pump();
    PressKey(c.Key, c.Shift);
    EXPECT_EQ(log, c.Clicks) << c.Name;
  }
}

// The Return that closes a dialog comes up in the window below: it must not
// press the button that has the focus there.
TEST_F(DialogFixture, AKeyReleaseClicksOnlyAfterItsPressOnTheButton) {
  Show();
  other->SetFocus();
  Pump();
  KeyUp(VK_RETURN);
  KeyUp(VK_SPACE);
  EXPECT_TRUE(log.empty());
  edit->SetFocus();
  Pump();
  KeyDown(VK_SPACE);
  other->SetFocus();
  Pump();
  KeyUp(VK_SPACE);
  EXPECT_TRUE(log.empty());
  KeyDown(VK_SPACE);
  KeyUp(VK_SPACE);
  EXPECT_EQ(log, std::vector<std::string>{"Other"});
}

TEST_F(DialogFixture, HiddenOrDisabledDefaultLeavesReturnToOthersAndStaysUp) {
  Show();
  auto* second = AddButton("Second", 280);
  second->SetDefault(true);
  for (bool hide : {true, false}) {
    log.clear();
    if (hide)
      ok->SetVisible(false);
    else
      ok->SetEnabled(false);
    PressKey(VK_RETURN);
    EXPECT_EQ(log, std::vector<std::string>{"Second"}) << (hide ? "hidden" : "disabled");
    EXPECT_FALSE(ok->Down());
    ok->SetVisible(true);
    ok->SetEnabled(true);
  }
  // Nobody left to take it: Return is not eaten, and once shown again no
  // stale press turns a right release into a click.
  log.clear();
  second->SetDefault(false);
  ok->SetVisible(false);
  EXPECT_EQ(form->Perform(CM_DIALOGKEY, VK_RETURN, 0), 0);
  ok->SetVisible(true);
  Pump();
  Click(ok, 5, 5, mbRight);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(form->ModalResult(), mrNone);
}

TEST_F(DialogFixture, AcceleratorClicksTheButtonOfThatCaption) {
  Show();
  PressKey('O', {ssAlt});
  EXPECT_EQ(log, std::vector<std::string>{"&OK"});
  ok->SetEnabled(false);
  PressKey('O', {ssAlt});
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(DialogFixture, PopupMenuOpensUnderTheButtonAfterTheClick) {
  auto* menu = new TPopupMenu(form);
  bool picked = false;
  menu->Add("First", [&](TObject*) { picked = true; });
  other->SetPopupMenu(menu);
  Show();
  TDialogResponder r;
  r.AnswerMenu(0);
  Click(other, 5, 5);
  EXPECT_EQ(log, std::vector<std::string>{"Other"});
  ASSERT_EQ(r.Menus().size(), 1u);
  EXPECT_TRUE(picked);
  EXPECT_EQ(menu->PopupPoint(), other->ClientToScreen(TPoint(0, other->Height())));
}

TEST(LbButton, KindSetsGlyphCaptionAndModalResultUntilALaterWriteMakesItCustom) {
  struct Case {
    TLbButtonKind Kind;
    TModalResult Result;
    const char* Caption;
    int GlyphHeight;
  } cases[] = {
      {bkOK, mrOk, "OK", 18},
      {bkCancel, mrCancel, "Abbrechen", 18},
      {bkHelp, mrNone, "Hilfe", 18},
      {bkYes, mrYes, "Ja", 18},
      {bkNo, mrNo, "Nein", 18},
      {bkClose, mrNone, "Schließen", 18},
      {bkAbort, mrAbort, "Abbrechen", 18},
      {bkRetry, mrRetry, "Wiederholen", 18},
      {bkIgnore, mrIgnore, "Ignorieren", 18},
      {bkAll, mrAll, "Alle", 19},
  };
  for (const Case& c : cases) {
    TLbButton b(nullptr);
    b.SetCaption("x");
    b.SetKind(c.Kind);
    EXPECT_EQ(b.Kind(), c.Kind);
    EXPECT_EQ(b.ModalResult(), c.Result) << c.Caption;
    EXPECT_EQ(b.Caption(), c.Caption);
    EXPECT_EQ(b.NumGlyphs(), 2);
    EXPECT_EQ(b.Glyph()->Width(), 36);
    EXPECT_EQ(b.Glyph()->Height(), c.GlyphHeight);
  }

  TLbButton b(nullptr);
  b.SetKind(bkOK);
  b.SetModalResult(mrOk);
  EXPECT_EQ(b.Kind(), bkCustom);
  EXPECT_EQ(b.Caption(), "OK");

  b.SetKind(bkYes);
  TBitmap three(54, 18);
  b.SetGlyph(&three);
  EXPECT_EQ(b.Kind(), bkCustom);
  EXPECT_EQ(b.NumGlyphs(), 3);
  EXPECT_EQ(b.ModalResult(), mrYes);
  b.SetGlyph(nullptr);
  EXPECT_EQ(b.NumGlyphs(), 0);
  EXPECT_TRUE(b.Glyph()->Empty());
  TBitmap empty;
  b.SetGlyph(&empty);
  EXPECT_EQ(b.NumGlyphs(), 0);
}

TEST(LbButton, ColorStyleAppliesItsPresetAndAlwaysReadsCustom) {
  TLbButton b(nullptr);
  b.SetColorStyle(lcsGold);
  EXPECT_EQ(b.ColorStyle(), lcsCustom);
  EXPECT_EQ(b.Color(), 0x00C0C0);
  EXPECT_EQ(b.LightColor(), 0x00FFFF);
  EXPECT_EQ(b.ShadowColor(), 0x008080);
  EXPECT_EQ(b.HotTrackColor(), 0x00DFDF);
  EXPECT_EQ(b.Style(), bsModern);
  b.SetColorStyle(lcsQuicken);
  EXPECT_EQ(b.Font()->Color(), clWhite);
  EXPECT_EQ(b.ColorWhenDown(), 0xAD6529);
  EXPECT_EQ(b.Style(), bsQuicken);
  b.SetColorStyle(lcsCustom);
  EXPECT_EQ(b.Style(), bsQuicken) << "custom changes nothing";
}

TEST(LbButton, StoredLayoutAppliesPropertiesInTheOrderItNamesThem) {
  RegisterLbButtonClasses();
  struct Case {
    const char* Name;
    const char* Properties;
    const char* Caption;
    TLbButtonKind Kind;
    TModalResult Result;
  } cases[] = {
      {"kind then caption", "Kind = bkOK\n    Caption = 'Okay'\n", "Okay", bkOK, mrOk},
      {"caption then kind", "Caption = 'Okay'\n    Kind = bkCancel\n", "Abbrechen", bkCancel, mrCancel},
      {"kind then modal result", "Kind = bkOK\n    ModalResult = 7\n", "OK", bkCustom, mrNo},
      {"modal result by name", "ModalResult = mrRetry\n", "", bkCustom, mrRetry},
  };
  for (const Case& c : cases) {
    TForm form(nullptr);
    std::string text =
        std::string("object F: TForm\n  object B: TLbButton\n    ") + c.Properties + "  end\nend\n";
    ReadComponentText(&form, text, "forms/FTest.dfm");
    auto* b = dynamic_cast<TLbButton*>(form.FindComponent("B"));
    ASSERT_NE(b, nullptr) << c.Name;
    EXPECT_EQ(b->Parent(), &form);
    EXPECT_EQ(b->Caption(), c.Caption) << c.Name;
    EXPECT_EQ(b->Kind(), c.Kind) << c.Name;
    EXPECT_EQ(b->ModalResult(), c.Result) << c.Name;
  }
}

TEST(LbButton, StoredLayoutKeepsWhatDiffersFromTheDefaults) {
  RegisterLbButtonClasses();
  TForm source(nullptr);
  source.SetName("F");
  auto* b = new TLbButton(&source);
  b->SetName("B");
  b->SetParent(&source);
  std::string plain = WriteComponentText(&source);
  for (const char* absent : {"TabStop", "Color", "LightColor", "ShadowColor", "Kind", "Style", "SlowDecease"})
    EXPECT_EQ(plain.find(absent), std::string::npos) << absent << " is a default:\n" << plain;

  b->SetStyle(bsOld);
  b->SetLayout(TLbButtonLayout::blGlyphTop);
  b->SetDefault(true);
  b->SetHotTrackColor(clRed);
  b->SetWordWrap(true);
  b->SetAlignment(taRightJustify);
  b->HotTrackFont()->SetName("Verdana");
  b->SetCaption("Go");
  std::string text = WriteComponentText(&source);
  EXPECT_NE(text.find("Style = bsOld"), std::string::npos) << text;
  EXPECT_NE(text.find("Layout = blGlyphTop"), std::string::npos) << text;

  TForm copy(nullptr);
  ReadComponentText(&copy, text, "forms/F.dfm");
  auto* c = dynamic_cast<TLbButton*>(copy.FindComponent("B"));
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->Style(), bsOld);
  EXPECT_EQ(c->Layout(), TLbButtonLayout::blGlyphTop);
  EXPECT_TRUE(c->Default());
  EXPECT_EQ(c->HotTrackColor(), clRed);
  EXPECT_TRUE(c->WordWrap());
  EXPECT_EQ(c->Alignment(), taRightJustify);
  EXPECT_EQ(c->HotTrackFont()->Name(), "Verdana");
  EXPECT_EQ(c->Caption(), "Go");
  EXPECT_EQ(WriteComponentText(&copy), text);

  TForm owner(nullptr);
  EXPECT_NE(dynamic_cast<TLbButton*>(CreateComponent("TLbButton", &owner)), nullptr);
}

// ---- Hover and the fade thread ----

struct HoverFixture : ::testing::Test {
  TForm* form = nullptr;
  TLbButton* button = nullptr;
  std::vector<std::string> log;
  void SetUp() override {
    form = NewPointerForm();
    button = new TLbButton(form);
    button->SetParent(form);
    button->SetBounds(50, 50, 100, 30);
    button->SetHotTrackColor(clRed);
    button->OnMouseEnter = [this](TObject*) { log.push_back("enter"); };
    button->OnMouseExit = [this](TObject*) { log.push_back("exit"); };
    ShowForm(form);
  }
  void TearDown() override { FreePointerForm(form); }
  void Enter() { MouseMove(button, 10, 10); }
  void Leave() { MouseMove(form, 5, 5); }
};

TEST_F(HoverFixture, EnterLightsTheButtonAndLeaveDropsItAtOnceWithoutFade) {
  int before = ThreadCount();
  Enter();
  EXPECT_EQ(button->HotTrackStep(), 8);
  EXPECT_TRUE(button->CursorOnButton());
  Leave();
  EXPECT_EQ(button->HotTrackStep(), 0);
  EXPECT_FALSE(button->CursorOnButton());
  EXPECT_EQ(log, (std::vector<std::string>{"enter", "exit"}));
  ASSERT_NE(button->Thread(), nullptr);
  EXPECT_TRUE(button->Thread()->Suspended());
  EXPECT_EQ(ThreadCount(), before) << "the fade thread never started";
}

TEST_F(HoverFixture, DisabledButtonIgnoresEnterButStillNotesTheLeave) {
  Enter();
  button->SetEnabled(false);
  Leave();
  EXPECT_FALSE(button->CursorOnButton());
  Enter();
  EXPECT_EQ(button->HotTrackStep(), 0);
  EXPECT_FALSE(button->CursorOnButton());
  EXPECT_EQ(log, std::vector<std::string>{"enter"});
}

TEST_F(HoverFixture, EachTickStepsTheLevelDownToZero) {
  button->SetSlowDecease(true);
  Enter();
  TLbButtonThread* t = button->Thread();
  for (int step = 7; step >= 0; --step) {
    button->HotTrackTick(t);
    EXPECT_EQ(button->HotTrackStep(), step);
  }
  button->HotTrackTick(t);
  EXPECT_EQ(button->HotTrackStep(), 0) << "never below zero";
  EXPECT_TRUE(t->Suspended());
  button->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(button->HotTrackStep(), 8);
}

TEST_F(HoverFixture, FadeThreadCountsDownAfterTheLeaveAndSuspendsItselfAtZero) {
  button->SetSlowDecease(true);
  Enter();
  Leave();
  EXPECT_GT(button->HotTrackStep(), 0) << "the leave alone does not drop it";
  ASSERT_FALSE(button->Thread()->Suspended());
  int lowest = 8;
  bool monotonic = true;
  ASSERT_TRUE(PumpUntil([&] {
    int s = button->HotTrackStep();
    monotonic = monotonic && s <= lowest;
    lowest = s;
    return s == 0 && button->Thread()->Suspended();
  }));
  EXPECT_TRUE(monotonic);

  // Entering during a fade lights it again while the thread goes on.
  Enter();
  Leave();
  ASSERT_TRUE(PumpUntil([&] { return button->HotTrackStep() <= 6; }));
  button->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(button->HotTrackStep(), 8);
  EXPECT_FALSE(button->Thread()->Suspended());
  ASSERT_TRUE(PumpUntil([&] { return button->HotTrackStep() == 0 && button->Thread()->Suspended(); }));
  EXPECT_TRUE(button->CursorOnButton()) << "faded with the mouse still on it";
}

TEST_F(HoverFixture, TurningTheFadeOffFreesTheThreadAndOnAgainMakesANewSuspendedOne) {
  button->SetSlowDecease(true);
  Enter();
  Leave();
  ASSERT_TRUE(PumpUntil([&] { return button->HotTrackStep() <= 5; }));
  button->SetSlowDecease(false);
  EXPECT_EQ(button->Thread(), nullptr);
  EXPECT_EQ(button->HotTrackStep(), 0);
  button->SetSlowDecease(true);
  ASSERT_NE(button->Thread(), nullptr);
  EXPECT_TRUE(button->Thread()->Suspended());
  Enter();
  Leave();
  ASSERT_TRUE(PumpUntil([&] { return button->HotTrackStep() == 0 && button->Thread()->Suspended(); }));
  button->SetSlowDecease(false);
  EXPECT_EQ(button->Thread(), nullptr);
}

TEST_F(HoverFixture, TickOfAThreadOnItsWayOutChangesNothing) {
  button->SetSlowDecease(true);
  Enter();
  Leave();
  TLbButtonThread* t = button->Thread();
  t->Terminate();
  int level = button->HotTrackStep();
  button->HotTrackTick(t);
  EXPECT_EQ(button->HotTrackStep(), level);
  EXPECT_FALSE(t->Suspended()) << "a stopping thread is never suspended again";
}

TEST(LbButton, DestroyingButtonsWithAFadeAtAnyStageEnds) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(0, 0, 300, 100);
  auto make = [&] {
    auto* b = new TLbButton(&form);
    b->SetParent(&form);
    b->SetBounds(10, 10, 80, 25);
    b->SetSlowDecease(true);
    return b;
  };
  ShowForm(&form);
  TLbButton* never = make();
  TLbButton* running = make();
  TLbButton* done = make();
  for (TLbButton* b : {running, done}) {
    b->Perform(CM_MOUSEENTER, 0, 0);
    b->Perform(CM_MOUSELEAVE, 0, 0);
  }
  ASSERT_TRUE(PumpUntil([&] { return done->HotTrackStep() == 0 && done->Thread()->Suspended(); }));
  running->Perform(CM_MOUSEENTER, 0, 0);
  running->Perform(CM_MOUSELEAVE, 0, 0);
  delete never;
  delete running;
  delete done;
  SUCCEED();
}

TEST(LbButton, ManyButtonsStartNoThread) {
  int before = ThreadCount();
  {
    TForm form(nullptr);
    for (int i = 0; i < 124; ++i) {
      auto* b = new TLbButton(&form);
      b->SetParent(&form);
    }
    EXPECT_EQ(ThreadCount(), before);
  }
  EXPECT_EQ(ThreadCount(), before);
}

// ---- The picture on screen ----

struct PictureFixture : ::testing::Test {
  TForm* form = nullptr;
  TLbButton* button = nullptr;
  void SetUp() override {
    form = NewPointerForm();
    form->SetColor(clYellow);
    button = new TLbButton(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 100, 30);
    button->SetCaption("");
    ShowForm(form);
  }
  void TearDown() override { FreePointerForm(form); }
  TColor Pixel(int X, int Y) { return button->GrabToBitmap()->Canvas()->Pixels(X, Y); }
};

TEST_F(PictureFixture, GrabbedFaceShowsHoverPressAndEdges) {
  EXPECT_EQ(Pixel(50, 15), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(0, 15), clWhite);
  EXPECT_EQ(Pixel(99, 15), clGray);

  button->SetHotTrackColor(clRed);
  MouseMove(button, 50, 15);
  EXPECT_EQ(Pixel(50, 15), clRed);

  button->SetColorWhenDown(clBlue);
  MouseDown(button, 50, 15);
  EXPECT_EQ(Pixel(50, 15), clBlue);
  EXPECT_EQ(Pixel(0, 15), clGray) << "sunken while held";
  MouseUp(button, 50, 15);
  MouseMove(form, 5, 5);
  EXPECT_EQ(Pixel(50, 15), ColorToRGB(clBtnFace));
}

TEST_F(PictureFixture, RoundedStylesLetTheParentShowAtTheCorners) {
  button->SetHeight(140);  // tall enough for every gradient band to show
  button->SetColorStyle(lcsBlue);
  EXPECT_EQ(Pixel(0, 0), clYellow);
  EXPECT_EQ(Pixel(50, 2), 0xFFFF00) << "light top of the gradient";
  button->SetStyle(bsShape);
  EXPECT_EQ(Pixel(50, 15), clYellow);
}

TEST_F(PictureFixture, FocusRectangleOnFocusedEnabledButtonsButNotOnShapes) {
  button->SetFocus();
  Pump();
  ASSERT_TRUE(button->Focused());
  struct Case {
    TLbButtonStyle Style;
    bool Drawn;
  } cases[] = {{bsNormal, true}, {bsOld, true}, {bsShape, false}};
  for (const Case& c : cases) {
    button->SetStyle(c.Style);
    TCanvasRecorder rec;
    button->Canvas()->SetRecorder(&rec);
    TBitmap target(100, 30);
    button->PaintTo(target.Canvas(), 0, 0);
    button->Canvas()->SetRecorder(nullptr);
    auto focus = rec.Calls("DrawFocusRect");
    ASSERT_EQ(focus.size(), c.Drawn ? 1u : 0u) << "style " << c.Style;
    if (c.Drawn) EXPECT_EQ(focus[0].Rect, TRect(4, 4, 96, 26));
  }
  // The focused classic button sits inside a black frame.
  button->SetStyle(bsOld);
  EXPECT_EQ(Pixel(0, 15), clBlack);
  EXPECT_EQ(Pixel(1, 15), clWhite);
}

}  // namespace
