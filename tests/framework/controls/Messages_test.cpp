// The message spine: sending, posting, registered messages, timers on the
// test clock, focus moves with Tab in tab order and the enter/exit notices.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/Forms.h"
#include "support/Input.h"
#include "support/Responder.h"

namespace {

using namespace testinput;

// A focusable control that logs the messages it gets.
class TProbe : public TCustomControl {
 public:
  TProbe(TComponent* Owner, std::vector<std::string>* Log, std::string Name)
      : TCustomControl(Owner), log_(Log), name_(std::move(Name)) {
    SetTabStop(true);
    SetBounds(0, 0, 40, 20);
  }
  void WndProc(TMessage& M) override {
    switch (M.Msg) {
      case WM_KEYDOWN:
        Add("keydown " + std::to_string(M.WParam));
        break;
      case WM_CHAR:
        Add("char " + std::to_string(M.WParam));
        break;
      case WM_KEYUP:
        Add("keyup " + std::to_string(M.WParam));
        break;
      case WM_SETFOCUS:
        Add("setfocus");
        break;
      case WM_KILLFOCUS:
        Add("killfocus");
        break;
      case CM_ENTER:
        Add("enter");
        break;
      case CM_EXIT:
        Add("exit");
        break;
      default:
        if (M.Msg == custom) Add("custom " + std::to_string(M.WParam));
        break;
    }
    TCustomControl::WndProc(M);
  }
  UINT custom = 0;

 private:
  void Add(const std::string& s) {
    if (log_) log_->push_back(name_ + ": " + s);
  }
  std::vector<std::string>* log_;
  std::string name_;
};

struct FormFixture : ::testing::Test {
  std::vector<std::string> log;
  TForm* form = nullptr;
  TProbe* a = nullptr;
  TProbe* b = nullptr;
  TProbe* c = nullptr;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(10, 10, 300, 200);
    a = new TProbe(form, &log, "a");
    b = new TProbe(form, &log, "b");
    c = new TProbe(form, &log, "c");
    for (TProbe* p : {a, b, c}) p->SetParent(form);
  }
  void TearDown() override { delete form; }
};

TEST(RegisterWindowMessage, SameNameSameNumberFromC000) {
  UINT a = RegisterWindowMessage("GridEditDone");
  UINT b = RegisterWindowMessage("griDEditdone");
  UINT c = RegisterWindowMessage("DTPShiftFocus");
  EXPECT_EQ(a, b);
  EXPECT_NE(a, c);
  EXPECT_GE(a, 0xC000u);
  EXPECT_GE(c, 0xC000u);
  EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

TEST_F(FormFixture, PostedMessageArrivesAfterTheCurrentHandler) {
  UINT msg = RegisterWindowMessage("TestPostOrder");
  a->custom = msg;
  HWND h = a->Handle();
  // Posted from inside a handler: it comes after the handler has returned.
  a->OnClick = [&](TObject*) {
    PostMessage(h, msg, 7, 0);
    log.push_back("click done");
  };
  a->Click();
  EXPECT_EQ(log, (std::vector<std::string>{"click done"}));
  Pump();
  EXPECT_EQ(log, (std::vector<std::string>{"click done", "a: custom 7"}));
}

TEST_F(FormFixture, MessagesToAGoneWindowAreDropped) {
  HWND h = a->Handle();
  EXPECT_TRUE(IsWindow(h));
  delete a;
  a = nullptr;
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(SendMessage(h, WM_USER, 0, 0), 0);
  PostMessage(h, WM_USER, 0, 0);
  EXPECT_NO_THROW(Pump());
  EXPECT_EQ(FindControl(h), nullptr);
}

TEST_F(FormFixture, TimersFireOnTheTestClock) {
  TTestClock clock;
  std::vector<uintptr_t> ticks;
  HWND h = AllocateHWnd([&](TMessage& m) {
    if (m.Msg == WM_TIMER) ticks.push_back(m.WParam);
  });
  SetTimer(h, 111, 500);
  clock.Advance(499);
  EXPECT_TRUE(ticks.empty());
  clock.Advance(1);
  EXPECT_EQ(ticks, (std::vector<uintptr_t>{111}));
  // A late loop gets one tick, not a backlog.
  clock.Advance(2000);
  EXPECT_EQ(ticks.size(), 2u);
  // Setting it again restarts the interval.
  clock.Advance(300);
  SetTimer(h, 111, 500);
  clock.Advance(300);
  EXPECT_EQ(ticks.size(), 2u);
  clock.Advance(200);
  EXPECT_EQ(ticks.size(), 3u);
  KillTimer(h, 111);
  clock.Advance(5000);
  EXPECT_EQ(ticks.size(), 3u);
  DeallocateHWnd(h);
}

TEST_F(FormFixture, TabAndShiftTabMoveFocusInTabOrder) {
  b->SetTabOrder(0);  // order: b, a, c
  ShowForm(form);
  EXPECT_EQ(form->ActiveControl(), b);
  EXPECT_TRUE(b->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(a->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(c->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(b->Focused());
  PressKey(VK_TAB, {ssShift});
  EXPECT_TRUE(c->Focused());
  // Controls that cannot take the focus are skipped.
  a->SetEnabled(false);
  PressKey(VK_TAB);
  EXPECT_TRUE(b->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(c->Focused());
}

TEST_F(FormFixture, FocusMoveSendsKillSetExitEnterInOrder) {
  ShowForm(form);
  a->SetFocus();
  log.clear();
  b->SetFocus();
  EXPECT_EQ(log, (std::vector<std::string>{"a: killfocus", "b: setfocus", "a: exit", "b: enter"}));
}

TEST_F(FormFixture, TabIsConsumedAsDialogKeyWithoutCharacter) {
  ShowForm(form);
  a->SetFocus();
  log.clear();
  PressKey(VK_TAB);
  for (const auto& s : log) EXPECT_EQ(s.find("char"), std::string::npos) << s;
}

TEST_F(FormFixture, TypedKeyGivesKeyDownCharKeyUp) {
  ShowForm(form);
  a->SetFocus();
  std::vector<std::string> events;
  a->OnKeyDown = [&](TObject*, WORD& k, TShiftState) { events.push_back("OnKeyDown " + std::to_string(k)); };
  a->OnKeyPress = [&](TObject*, char32_t& k) { events.push_back("OnKeyPress " + std::to_string(k)); };
  log.clear();
  PressKey('X', {ssShift});
  EXPECT_EQ(log, (std::vector<std::string>{"a: keydown 16", "a: keydown 88", "a: char 88", "a: keyup 88",
                                           "a: keyup 16"}));
  EXPECT_EQ(events, (std::vector<std::string>{"OnKeyDown 16", "OnKeyDown 88", "OnKeyPress 88"}));
}

}  // namespace

namespace {

TEST_F(FormFixture, CallWndProcHookSeesSentMessagesIncludingMoves) {
  std::vector<UINT> seen;
  HWND h = a->Handle();
  uintptr_t hook = SetWindowsHookEx(WH_CALLWNDPROC, [&](int code, WPARAM, LPARAM l) -> LRESULT {
    auto* cwp = reinterpret_cast<CWPSTRUCT*>(l);
    if (code == HC_ACTION && cwp->hwnd == h) seen.push_back(cwp->message);
    return 0;
  });
  a->SetBounds(5, 5, 50, 20);
  SendMessage(a->Handle(), WM_USER + 1, 0, 0);
  EXPECT_TRUE(UnhookWindowsHookEx(hook));
  SendMessage(a->Handle(), WM_USER + 2, 0, 0);
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_WINDOWPOSCHANGED), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_USER + 1), seen.end());
  EXPECT_EQ(std::find(seen.begin(), seen.end(), WM_USER + 2), seen.end());
}

TEST_F(FormFixture, WindowFunctionsWorkOnTheControlTree) {
  b->SetLeft(100);
  c->SetLeft(200);
  ShowForm(form);
  EXPECT_EQ(GetParent(a->Handle()), form->Handle());
  EXPECT_TRUE(IsWindowVisible(a->Handle()));
  TRect r;
  ASSERT_TRUE(GetWindowRect(a->Handle(), &r));
  TPoint o = form->ClientOrigin();
  EXPECT_EQ(
      r, TRect(o.X + a->Left(), o.Y + a->Top(), o.X + a->Left() + a->Width(), o.Y + a->Top() + a->Height()));
  EXPECT_EQ(WindowFromPoint(TPoint(r.Left + 1, r.Top + 1)), a->Handle());
  SetWindowLong(a->Handle(), GWL_EXSTYLE, GetWindowLong(a->Handle(), GWL_EXSTYLE) | WS_EX_TRANSPARENT);
  EXPECT_NE(GetWindowLong(a->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
  SetClassLong(a->Handle(), GCL_STYLE, GetClassLong(a->Handle(), GCL_STYLE) | CS_DROPSHADOW);
  EXPECT_NE(GetClassLong(a->Handle(), GCL_STYLE) & CS_DROPSHADOW, 0u);
  SetWindowPos(a->Handle(), HWND_TOP, 7, 8, 30, 31, SWP_NOACTIVATE);
  EXPECT_EQ(a->BoundsRect(), TRect(7, 8, 37, 39));
  SetWindowPos(a->Handle(), 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW);
  EXPECT_FALSE(a->Visible());
  EXPECT_FALSE(IsWindowVisible(a->Handle()));
}

}  // namespace

namespace {

TEST_F(FormFixture, KeyStateTellsLeftAndRightModifiersApart) {
  KeyInput(VK_RMENU, true);
  EXPECT_LT(GetKeyState(VK_RMENU), 0);
  EXPECT_GE(GetKeyState(VK_LMENU), 0);
  EXPECT_LT(GetKeyState(VK_MENU), 0);
  KeyInput(VK_RMENU, false);
  EXPECT_GE(GetKeyState(VK_MENU), 0);
  KeyInput(VK_CONTROL, true, 0, -1, true);  // the right Ctrl key is an extended key
  EXPECT_LT(GetKeyState(VK_RCONTROL), 0);
  EXPECT_GE(GetKeyState(VK_LCONTROL), 0);
  KeyInput(VK_CONTROL, false, 0, -1, true);
  EXPECT_GE(GetKeyState(VK_CONTROL), 0);
}

TEST_F(FormFixture, CtrlLettersAltKeysAndKeypadGiveThePlatformsMessages) {
  ShowForm(form);
  a->SetFocus();
  std::vector<std::pair<UINT, WPARAM>> got;
  std::vector<LPARAM> keyData;
  a->WindowProc = [&, old = a->WindowProc](TMessage& m) {
    if (m.Msg == WM_CHAR || m.Msg == WM_SYSKEYDOWN || m.Msg == WM_SYSCHAR || m.Msg == WM_KEYDOWN) {
      got.push_back({m.Msg, m.WParam});
      keyData.push_back(m.LParam);
    }
    old(m);
  };
  PressKey('C', {ssCtrl});
  EXPECT_NE(std::find(got.begin(), got.end(), std::make_pair(WM_CHAR, WPARAM{3})), got.end());
  got.clear();
  PressKey('F', {ssAlt});
  EXPECT_NE(std::find(got.begin(), got.end(), std::make_pair(WM_SYSKEYDOWN, WPARAM{'F'})), got.end());
  EXPECT_NE(std::find(got.begin(), got.end(), std::make_pair(WM_SYSCHAR, WPARAM{'f'})), got.end());
  got.clear();
  keyData.clear();
  PressKey(VK_DECIMAL);
  ASSERT_FALSE(keyData.empty());
  // The keypad's decimal key carries scan code 0x53 (bit 6 set).
  EXPECT_EQ(ScanCodeOf(keyData[0]), 0x53);
  EXPECT_NE(std::find(got.begin(), got.end(), std::make_pair(WM_CHAR, WPARAM{'.'})), got.end());
}

TEST_F(FormFixture, KeyPreviewLetsTheFormSeeKeysFirst) {
  ShowForm(form);
  a->SetFocus();
  std::vector<std::string> order;
  form->SetKeyPreview(true);
  form->OnKeyDown = [&](TObject*, WORD& k, TShiftState) {
    order.push_back("form");
    if (k == VK_F2) k = 0;
  };
  a->OnKeyDown = [&](TObject*, WORD&, TShiftState) { order.push_back("control"); };
  PressKey(VK_F3);
  PressKey(VK_F2);
  EXPECT_EQ(order, (std::vector<std::string>{"form", "control", "form"}));
}

}  // namespace
