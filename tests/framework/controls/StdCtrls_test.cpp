// The edit, memo, label and button driven by keys, the mouse and messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/backend/Painter.h"
#include "framework/controls/Clipbrd.h"
#include "framework/controls/StdCtrls.h"
#include "framework/graphics/RecordingCanvas.h"
#include "support/Input.h"
#include "support/Responder.h"

namespace {

using namespace testinput;

struct EditFixture : ::testing::Test {
  TForm* form = nullptr;
  TEdit* edit = nullptr;
  TEdit* other = nullptr;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 300, 200);
    edit = new TEdit(form);
    edit->SetParent(form);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetTop(40);
    ShowForm(form);
    edit->SetFocus();
  }
  void TearDown() override { delete form; }
};

TEST_F(EditFixture, TypedKeyRunsKeyDownKeyPressChangeInOrder) {
  std::vector<std::string> log;
  edit->OnKeyDown = [&](TObject*, WORD& k, TShiftState) { log.push_back("down " + std::to_string(k)); };
  edit->OnKeyPress = [&](TObject*, char32_t& k) { log.push_back("press " + std::to_string(k)); };
  edit->OnChange = [&](TObject*) { log.push_back("change " + edit->Text()); };
  edit->OnKeyUp = [&](TObject*, WORD& k, TShiftState) { log.push_back("up " + std::to_string(k)); };
  PressKey('A');
  EXPECT_EQ(log, (std::vector<std::string>{"down 65", "press 97", "change a", "up 65"}));
}

TEST_F(EditFixture, KeyPressCanSwallowOrReplaceTheCharacter) {
  edit->OnKeyPress = [](TObject*, char32_t& k) {
    if (k == '.') k = ',';
    if (k == 'x') k = 0;
  };
  TypeText("1.x2");
  EXPECT_EQ(edit->Text(), "1,2");
}

TEST_F(EditFixture, MaxLengthCountsCharactersNotBytes) {
  edit->SetMaxLength(3);
  TypeText("äöüß");  // two bytes each
  EXPECT_EQ(edit->Text(), "äöü");
  EXPECT_EQ(edit->TextLength(), 3);
  EXPECT_GT(MessageBeepCount(), 0);
  // A paste keeps what fits.
  edit->SetText("");
  Clipboard()->SetAsText("€€€€€");
  PressKey('V', {ssCtrl});
  EXPECT_EQ(edit->Text(), "€€€");
}

TEST_F(EditFixture, SelectionMessagesAndEditingKeys) {
  edit->SetText("hello world");
  edit->Perform(EM_SETSEL, 6, 11);
  EXPECT_EQ(edit->SelText(), "world");
  uint32_t s = 0, e = 0;
  edit->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  EXPECT_EQ(s, 6u);
  EXPECT_EQ(e, 11u);
  TypeText("there");
  EXPECT_EQ(edit->Text(), "hello there");
  PressKey(VK_HOME);
  PressKey(VK_RIGHT, {ssShift});
  PressKey(VK_RIGHT, {ssShift});
  EXPECT_EQ(edit->SelText(), "he");
  PressKey(VK_DELETE);
  EXPECT_EQ(edit->Text(), "llo there");
  PressKey(VK_END);
  PressKey(VK_BACK);
  EXPECT_EQ(edit->Text(), "llo ther");
  PressKey('Z', {ssCtrl});
  EXPECT_EQ(edit->Text(), "llo there");
  // End past the end selects nothing new; start beyond the text is clamped.
  edit->Perform(EM_SETSEL, 100, -1);
  EXPECT_EQ(edit->SelStart(), 9);
  EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(EditFixture, ClipboardKeysAndPasswordNeverLeaves) {
  edit->SetText("secret");
  edit->SelectAll();
  PressKey('C', {ssCtrl});
  EXPECT_EQ(Clipboard()->AsText(), "secret");
  Clipboard()->SetAsText("x");
  edit->SetPasswordChar('*');
  edit->SelectAll();
  PressKey('C', {ssCtrl});
  PressKey('X', {ssCtrl});
  EXPECT_EQ(Clipboard()->AsText(), "x");
  EXPECT_EQ(edit->Text(), "secret");
}

TEST_F(EditFixture, ReadOnlyRefusesEditsButCopies) {
  edit->SetText("fixed");
  edit->SetReadOnly(true);
  TypeText("zz");
  PressKey(VK_BACK);
  edit->SelectAll();
  PressKey(VK_DELETE);
  EXPECT_EQ(edit->Text(), "fixed");
  PressKey('C', {ssCtrl});
  EXPECT_EQ(Clipboard()->AsText(), "fixed");
}

TEST_F(EditFixture, CharCaseConvertsTypedText) {
  edit->SetCharCase(ecUpperCase);
  TypeText("abcä");
  EXPECT_EQ(edit->Text(), "ABCÄ");
}

TEST_F(EditFixture, AutoSelectOnTabButNotOnClick) {
  other->SetText("12345");
  PressKey(VK_TAB);
  ASSERT_TRUE(other->Focused());
  EXPECT_EQ(other->SelLength(), 5);
  edit->SetFocus();
  Click(other, 2, 2);
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(other->SelLength(), 0);
}

TEST_F(EditFixture, CharFromPosAndPosFromCharAgree) {
  edit->SetText("abcdef");
  for (int i = 0; i <= 6; ++i) {
    LRESULT p = edit->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(i), 0);
    TMessage m{0, 0, p, 0};
    LRESULT c = edit->Perform(EM_CHARFROMPOS, 0, MakeLParam(m.XPos(), m.YPos() + 1));
    EXPECT_EQ(c & 0xFFFF, i);
  }
  EXPECT_EQ(edit->Perform(EM_POSFROMCHAR, 7, 0), -1);
}

TEST_F(EditFixture, MouseDragSelects) {
  edit->SetText("abcdef");
  LRESULT p1 = edit->Perform(EM_POSFROMCHAR, 1, 0);
  LRESULT p4 = edit->Perform(EM_POSFROMCHAR, 4, 0);
  TMessage a{0, 0, p1, 0}, b{0, 0, p4, 0};
  MouseDown(edit, a.XPos(), a.YPos() + 2);
  MouseMove(edit, b.XPos(), b.YPos() + 2);
  MouseUp(edit, b.XPos(), b.YPos() + 2);
  EXPECT_EQ(edit->SelText(), "bcd");
}

TEST(Memo, LinesFollowTheText) {
  TForm form(nullptr);
  auto* memo = new TMemo(&form);
  memo->SetParent(&form);
  memo->Lines()->Add("one");
  memo->Lines()->Add("two");
  EXPECT_EQ(memo->Text(), "one\r\ntwo");
  EXPECT_EQ(memo->Lines()->Count(), 2);
  memo->Lines()->Insert(1, "mid");
  EXPECT_EQ(memo->Lines()->Strings(1), "mid");
  memo->Lines()->Delete(0);
  EXPECT_EQ(memo->Text(), "mid\r\ntwo");
  memo->SetText("a\nb\n");
  EXPECT_EQ(memo->Lines()->Count(), 2);
  memo->Lines()->Clear();
  EXPECT_EQ(memo->Lines()->Count(), 0);
  EXPECT_THROW(memo->Lines()->Strings(0), EStringListError);
}

TEST(Memo, ReturnAndTabFollowWantReturnsAndWantTabs) {
  ResetKeyboardState();
  TForm form(nullptr);
  auto* memo = new TMemo(&form);
  memo->SetParent(&form);
  auto* next = new TEdit(&form);
  next->SetParent(&form);
  auto* ok = new TButton(&form);
  ok->SetParent(&form);
  ok->SetDefault(true);
  int clicks = 0;
  ok->OnClick = [&](TObject*) { ++clicks; };
  ShowForm(&form);
  memo->SetFocus();
  TypeText("ab");
  PressKey(VK_RETURN);
  TypeText("c");
  EXPECT_EQ(memo->Text(), "ab\r\nc");
  EXPECT_EQ(clicks, 0);
  PressKey(VK_TAB);
  EXPECT_TRUE(next->Focused());
  memo->SetFocus();
  memo->SetWantReturns(false);
  memo->SetWantTabs(true);
  PressKey(VK_RETURN);
  EXPECT_EQ(clicks, 1);
  PressKey(VK_TAB);
  EXPECT_TRUE(memo->Focused());
  EXPECT_NE(memo->Text().find('\t'), std::string::npos);
}

TEST(Label, AcceleratorFocusesItsControlAndAutoSizeFollowsCaption) {
  ResetKeyboardState();
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  auto* a = new TEdit(&form);
  a->SetParent(&form);
  auto* b = new TEdit(&form);
  b->SetParent(&form);
  label->SetCaption("&Name");
  label->SetFocusControl(b);
  int w1 = label->Width();
  label->SetCaption("&Name and more");
  EXPECT_GT(label->Width(), w1);
  ShowForm(&form);
  a->SetFocus();
  PressKey('N', {ssAlt});
  EXPECT_TRUE(b->Focused());
  delete b;
  EXPECT_EQ(label->FocusControl(), nullptr);
}

// A label of fixed width cuts a text that does not fit where its
// EllipsisPosition says and ends it in "..."; one that sizes itself shows
// all of it.
// An edit makes its painting canvas when first painted; each paint after
// goes through the same one and shows the text as it is then.
class TCanvasEdit : public TEdit {
 public:
  using TCustomEdit::EditCanvas;
  using TEdit::TEdit;
};

TEST(Edit, EachPaintShowsTheTextThroughOneCanvas) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 100);
  auto* edit = new TCanvasEdit(&form);
  edit->SetParent(&form);
  edit->SetText("first");
  auto drawn = [&] {
    TCanvasRecorder rec;
    TControlCanvas* canvas = edit->EditCanvas();
    canvas->SetRecorder(&rec);
    form.GrabToBitmap();
    canvas->SetRecorder(nullptr);
    std::string text;
    for (const TCanvasCall& call : rec.AllCalls())
      if (call.Op == "TextOut") text += call.Text;
    return text;
  };
  EXPECT_EQ(drawn(), "first");
  TControlCanvas* canvas = edit->EditCanvas();
  edit->SetText("second");
  EXPECT_EQ(drawn(), "second");
  EXPECT_EQ(edit->EditCanvas(), canvas);
}

TEST(Label, ATextTooLongForAFixedWidthEndsInAnEllipsis) {
  const std::string text = "A project name far too long for the frame it is shown in";
  const struct {
    bool AutoSize;
    TEllipsisPosition Ellipsis;
    bool Cut;
  } cases[] = {{false, epEndEllipsis, true}, {false, epNone, false}, {true, epEndEllipsis, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.AutoSize) + " " + std::to_string(c.Ellipsis));
    TForm form(nullptr);
    form.SetBounds(0, 0, 600, 100);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetAutoSize(c.AutoSize);
    label->SetBounds(10, 10, 120, 16);
    label->SetEllipsisPosition(c.Ellipsis);
    label->SetCaption(text);
    TCanvasRecorder rec;
    label->Canvas()->SetRecorder(&rec);
    form.GrabToBitmap();
    label->Canvas()->SetRecorder(nullptr);
    std::string drawn;
    for (const TCanvasCall& call : rec.AllCalls())
      if (call.Op == "TextOut") drawn += call.Text;
    if (c.Cut) {
      EXPECT_LE(label->Width(), 120);
      ASSERT_GT(drawn.size(), 3u);
      EXPECT_EQ(drawn.substr(drawn.size() - 3), "...");
      EXPECT_EQ(text.rfind(drawn.substr(0, drawn.size() - 3), 0), 0u) << drawn;
      EXPECT_LE(label->Canvas()->TextWidth(drawn), 120);
    } else {
      EXPECT_EQ(drawn, text);
    }
  }
}

TEST(Button, DefaultAndCancelAnswerReturnAndEscape) {
  ResetKeyboardState();
  TForm form(nullptr);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  auto* ok = new TButton(&form);
  ok->SetParent(&form);
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  auto* cancel = new TButton(&form);
  cancel->SetParent(&form);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  ShowForm(&form);
  edit->SetFocus();
  PressKey(VK_RETURN);
  EXPECT_EQ(form.ModalResult(), mrOk);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(form.ModalResult(), mrCancel);
  // With the focus on another button, Return clicks that one.
  cancel->SetFocus();
  form.SetModalResult(mrNone);
  PressKey(VK_RETURN);
  EXPECT_EQ(form.ModalResult(), mrCancel);
  // Escape with Shift held is not a dialog key for Cancel.
  edit->SetFocus();
  form.SetModalResult(mrNone);
  PressKey(VK_ESCAPE, {ssShift});
  EXPECT_EQ(form.ModalResult(), mrNone);
}

TEST(Button, MousePressReleaseElsewhereDoesNotClick) {
  ResetKeyboardState();
  TForm form(nullptr);
  auto* b = new TButton(&form);
  b->SetParent(&form);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  ShowForm(&form);
  Click(b, 5, 5);
  EXPECT_EQ(clicks, 1);
  MouseDown(b, 5, 5);
  MouseUp(b, 200, 150);
  EXPECT_EQ(clicks, 1);
  PressKey(VK_SPACE);
  EXPECT_EQ(clicks, 2);
}

}  // namespace

namespace {

TEST(Memo, WordWrapBreaksAtBlanksAndKeepsTheText) {
  SetFixedTextMetrics(true);
  TForm form(nullptr);
  auto* memo = new TMemo(&form);
  memo->SetParent(&form);
  // Fixed metrics: 6 pixels a character; 94 pixels of text width hold 15.
  memo->SetBounds(0, 0, 100, 100);
  memo->SetText("aaaa bbbb cccc dddd eeee");
  EXPECT_EQ(memo->Perform(EM_GETLINECOUNT, 0, 0), 2);
  EXPECT_EQ(memo->Perform(EM_LINEINDEX, 1, 0), 15);
  // The lines of the text stay the hard lines.
  EXPECT_EQ(memo->Lines()->Count(), 1);
  memo->SetWordWrap(false);
  EXPECT_EQ(memo->Perform(EM_GETLINECOUNT, 0, 0), 1);
  SetFixedTextMetrics(false);
}

}  // namespace
