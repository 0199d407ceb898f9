// Mouse input: enter and leave notices, capture, graphic controls getting
// their mouse messages through the parent, hints, the wheel, and calls from
// worker threads reaching the loop.
#include <gtest/gtest.h>

#include <atomic>

#include "framework/classes/Thread.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "support/Input.h"
#include "support/Responder.h"

namespace {

using namespace testinput;

struct MouseFixture : ::testing::Test {
  TForm* form = nullptr;
  TPanel* a = nullptr;
  TPanel* b = nullptr;
  TShape* shape = nullptr;
  std::vector<std::string> log;
  void SetUp() override {
    form = NewPointerForm();
    a = new TPanel(form);
    a->SetParent(form);
    a->SetBounds(10, 10, 100, 100);
    b = new TPanel(form);
    b->SetParent(form);
    b->SetBounds(150, 10, 100, 100);
    shape = new TShape(form);
    shape->SetParent(a);
    shape->SetBounds(10, 10, 30, 30);
    for (TControl* c : std::vector<TControl*>{a, b, shape}) {
      std::string n = c == a ? "a" : c == b ? "b" : "shape";
      c->OnMouseEnter = [this, n](TObject*) { log.push_back("enter " + n); };
      c->OnMouseLeave = [this, n](TObject*) { log.push_back("leave " + n); };
    }
    ShowForm(form);
  }
  void TearDown() override { FreePointerForm(form); }
};

TEST_F(MouseFixture, EnterAndLeaveFollowThePointer) {
  MouseMove(a, 60, 60);
  MouseMove(shape, 5, 5);
  MouseMove(b, 5, 5);
  MouseMove(form, 140, 150);
  EXPECT_EQ(log, (std::vector<std::string>{"enter a", "leave a", "enter shape", "leave shape", "enter b",
                                           "leave b"}));
}

TEST_F(MouseFixture, CaptureSendsTheReleaseToThePressedControl) {
  std::vector<std::string> ups;
  a->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int X, int Y) {
    ups.push_back("a " + std::to_string(X) + "," + std::to_string(Y));
  };
  b->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ups.push_back("b"); };
  int clicks = 0;
  a->OnClick = [&](TObject*) { ++clicks; };
  // (The shape sits at 10..40 inside a.)
  MouseDown(a, 60, 60);
  MouseUp(b, 5, 5);
  // b sits 140 pixels right of a: the point arrives in a's coordinates.
  EXPECT_EQ(ups, (std::vector<std::string>{"a 145,5"}));
  // Released outside: no click.
  EXPECT_EQ(clicks, 0);
  Click(a, 60, 60);
  EXPECT_EQ(clicks, 1);
}

TEST_F(MouseFixture, GraphicControlGetsMouseMessagesInItsOwnCoordinates) {
  std::vector<std::string> downs;
  shape->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int X, int Y) {
    downs.push_back(std::to_string(b) + " " + std::to_string(X) + "," + std::to_string(Y) +
                    (s.Contains(ssShift) ? " shift" : ""));
  };
  int dbl = 0;
  shape->OnDblClick = [&](TObject*) { ++dbl; };
  MouseDown(shape, 3, 4, mbRight);
  MouseUp(shape, 3, 4, mbRight);
  KeyInput(VK_LSHIFT, true);
  MouseDown(shape, 7, 8);
  MouseUp(shape, 7, 8);
  KeyInput(VK_LSHIFT, false);
  DoubleClick(shape, 1, 1);
  EXPECT_EQ(downs[0], "1 3,4");
  EXPECT_EQ(downs[1], "0 7,8 shift");
  EXPECT_EQ(dbl, 1);
}

TEST_F(MouseFixture, WheelGoesToTheFocusedControlThenItsParents) {
  auto* edit = new TEdit(form);
  edit->SetParent(a);
  edit->SetTop(60);
  edit->SetFocus();
  std::vector<std::string> got;
  form->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
    got.push_back("form " + std::to_string(delta));
    handled = true;
  };
  Wheel(edit, -120);
  EXPECT_EQ(got, (std::vector<std::string>{"form -120"}));
  edit->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
    got.push_back("edit down");
    handled = true;
  };
  Wheel(edit, -120);
  EXPECT_EQ(got.back(), "edit down");
  EXPECT_EQ(got.size(), 2u);
}

TEST_F(MouseFixture, HintShowsAfterThePauseAndHidesOnPress) {
  TTestClock clock;
  a->SetHint("First|Long help");
  a->SetShowHint(true);
  std::string longHint;
  Application->OnHint = [&](TObject*) { longHint = Application->Hint(); };
  MouseMove(a, 50, 50);
  clock.Advance(Application->HintPause() - 1);
  ASSERT_TRUE(Application->HintWindow() == nullptr || !Application->HintWindow()->Active());
  clock.Advance(1);
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_TRUE(Application->HintWindow()->Active());
  EXPECT_EQ(Application->HintWindow()->HintText(), "First");
  EXPECT_EQ(longHint, "Long help");
  MouseDown(a, 50, 50);
  EXPECT_FALSE(Application->HintWindow()->Active());
  MouseUp(a, 50, 50);
  Application->OnHint = nullptr;
  Application->CancelHint();
}

class THintChanger : public TPanel {
 public:
  using TPanel::TPanel;
  void WndProc(TMessage& M) override {
    if (M.Msg == CM_HINTSHOW) {
      reinterpret_cast<THintInfo*>(M.LParam)->HintStr = "changed";
      return;
    }
    TPanel::WndProc(M);
  }
};

TEST_F(MouseFixture, HintShowMessageMayChangeTheText) {
  TTestClock clock;
  auto* p = new THintChanger(form);
  p->SetParent(form);
  p->SetBounds(10, 120, 50, 50);
  p->SetHint("original");
  p->SetShowHint(true);
  MouseMove(p, 5, 5);
  clock.Advance(Application->HintPause());
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_EQ(Application->HintWindow()->HintText(), "changed");
  Application->CancelHint();
}

// A control giving hints by place shows them without a Hint text of its own,
// asked again for each place, and nothing where it has none.
class TPlaceHints : public TPanel {
 public:
  using TPanel::TPanel;
  bool HintsByPlace() const override { return true; }
  void WndProc(TMessage& M) override {
    if (M.Msg == CM_HINTSHOW) {
      auto* info = reinterpret_cast<THintInfo*>(M.LParam);
      const bool left = info->CursorPos.X < Width() / 2;
      info->HintStr = left ? "left half" : "";
      info->CursorRect = left ? TRect(0, 0, Width() / 2, Height()) : TRect(Width() / 2, 0, Width(), Height());
      return;
    }
    TPanel::WndProc(M);
  }
};

TEST_F(MouseFixture, AControlWithHintsByPlaceShowsThemWithoutAHintOfItsOwn) {
  TTestClock clock;
  auto* p = new TPlaceHints(form);
  p->SetParent(form);
  p->SetBounds(10, 120, 100, 50);
  p->SetShowHint(true);
  ASSERT_TRUE(p->Hint().empty());
  MouseMove(p, 10, 10);
  clock.Advance(Application->HintPause());
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_TRUE(Application->HintWindow()->Active());
  EXPECT_EQ(Application->HintWindow()->HintText(), "left half");
  // Shown over the place it explains, it lets the pointer through to it.
  EXPECT_NE(Application->HintWindow()->WindowExStyle() & WS_EX_TRANSPARENT, 0u);
  // Out of the place the hint was for: asked again, and none there.
  MouseMove(p, 80, 10);
  clock.Advance(Application->HintPause());
  EXPECT_FALSE(Application->HintWindow()->Active());
  Application->CancelHint();
}

// A hint gone by its time comes back when the pointer moves on over the same
// control and the pause has passed again.
TEST_F(MouseFixture, AHintGoneByItsTimeComesBackWhenThePointerMovesOn) {
  TTestClock clock;
  a->SetHint("First");
  a->SetShowHint(true);
  MouseMove(a, 50, 50);
  clock.Advance(Application->HintPause());
  ASSERT_NE(Application->HintWindow(), nullptr);
  ASSERT_TRUE(Application->HintWindow()->Active());
  clock.Advance(Application->HintHidePause());
  ASSERT_FALSE(Application->HintWindow()->Active());
  MouseMove(a, 55, 52);
  clock.Advance(Application->HintPause() - 1);
  EXPECT_FALSE(Application->HintWindow()->Active());
  clock.Advance(1);
  EXPECT_TRUE(Application->HintWindow()->Active());
  Application->CancelHint();
}

// After a press the hint waits until the pointer leaves; leaving for a
// control that takes no mouse input (a disabled one, a window waiting for a
// dialog) counts, so coming back shows the hint after the pause.
TEST_F(MouseFixture, AHintStartsAfreshWhenThePointerComesBackFromAControlWithoutInput) {
  TTestClock clock;
  a->SetHint("First");
  a->SetShowHint(true);
  b->SetEnabled(false);
  MouseMove(a, 50, 50);
  MouseDown(a, 50, 50);
  MouseUp(a, 50, 50);
  clock.Advance(Application->HintPause());
  EXPECT_TRUE(Application->HintWindow() == nullptr || !Application->HintWindow()->Active());
  MouseMove(b, 50, 50);
  MouseMove(a, 50, 50);
  clock.Advance(Application->HintPause());
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_TRUE(Application->HintWindow()->Active());
  Application->CancelHint();
}

// A control deep inside panels takes the form's ShowHint by the parent rule,
// whenever the form's setting changes; a control with its own setting keeps
// it, and so do the controls below it.
TEST_F(MouseFixture, ShowHintReachesControlsInsidePanelsAtEveryDepth) {
  TTestClock clock;
  auto* inner = new TPanel(form);
  inner->SetParent(a);
  inner->SetBounds(50, 50, 45, 45);
  auto* button = new TButton(form);
  button->SetParent(inner);
  button->SetBounds(5, 5, 30, 30);
  button->SetHint("Deep button");
  auto* own = new TPanel(form);
  own->SetParent(b);
  own->SetBounds(10, 10, 80, 80);
  own->SetShowHint(false);
  auto* under_own = new TEdit(form);
  under_own->SetParent(own);

  form->SetShowHint(true);
  for (TControl* c : std::vector<TControl*>{a, inner, button, shape, b})
    EXPECT_TRUE(c->ShowHint()) << c->ClassName();
  EXPECT_FALSE(own->ShowHint());
  EXPECT_FALSE(under_own->ShowHint());

  MouseMove(button, 10, 10);
  clock.Advance(Application->HintPause());
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_TRUE(Application->HintWindow()->Active());
  EXPECT_EQ(Application->HintWindow()->HintText(), "Deep button");
  Application->CancelHint();

  form->SetShowHint(false);
  EXPECT_FALSE(button->ShowHint());
  own->SetParentShowHint(true);
  form->SetShowHint(true);
  EXPECT_TRUE(under_own->ShowHint());
}

class TSyncWorker : public TThread {
 public:
  std::atomic<bool> ran{false};
  HWND target = 0;

 protected:
  void Execute() override {
    PostMessage(target, WM_USER + 5, 0, 0);
    Synchronize([this] { ran = true; });
  }
};

TEST(Loop, WorkerThreadCallsAndPostsWakeTheLoop) {
  int posted = 0;
  HWND h = AllocateHWnd([&](TMessage& m) {
    if (m.Msg == WM_USER + 5) ++posted;
  });
  // A slow safety tick, so a missed wake-up shows as a failure, not a hang.
  SetTimer(h, 1, 200);
  TSyncWorker w;
  w.target = h;
  w.Start();
  for (int i = 0; i < 50 && !(w.ran && posted == 1); ++i) Application->HandleMessage();
  w.WaitFor();
  EXPECT_TRUE(w.ran);
  EXPECT_EQ(posted, 1);
  DeallocateHWnd(h);
}

}  // namespace

namespace {

// A borderless pop-up whose bottom-right corner is a size grip.
class TGripForm : public TForm {
 public:
  explicit TGripForm(TComponent* Owner) : TForm(Owner) { SetBorderStyle(bsNone); }
  int sizing = 0;
  void WndProc(TMessage& M) override {
    if (M.Msg == WM_NCHITTEST) {
      TPoint p = ScreenToClient(TPoint(M.XPos(), M.YPos()));
      M.Result = p.X > ClientWidth() - 10 && p.Y > ClientHeight() - 10 ? HTBOTTOMRIGHT : HTCLIENT;
      return;
    }
    if (M.Msg == WM_SIZING) ++sizing;
    TForm::WndProc(M);
  }
};

TEST(Mouse, HitTestSizeGripResizesTheWindow) {
  ResetKeyboardState();
  TGripForm form(nullptr);
  form.SetBounds(50, 50, 100, 80);
  ShowForm(&form);
  MouseDown(&form, 95, 75);
  MouseMove(&form, 115, 95);
  EXPECT_EQ(form.Width(), 120);
  EXPECT_EQ(form.Height(), 100);
  MouseUp(&form, 115, 95);
  EXPECT_GT(form.sizing, 0);
  EXPECT_EQ(GetCapture(), HWND{0});
  // Elsewhere a press is a plain click.
  int downs = 0;
  form.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
  Click(&form, 10, 10);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(form.Width(), 120);
}

}  // namespace
