// The calculator: its key panel's arrangement and mouse, the calculator as
// a table of key sequences and displays, keys typed in the pop-up and the
// edit, and displays that are no number.
#include "controls/dropdown/VevCalculatorDropdown.h"

#include "KindSupport.h"
#include "framework/rtl/Locale.h"

namespace {

using namespace testinput;
using CalcFixture = KindFixture<TVevCalculatorDropdown>;

int KeyIndex(TCustomButtonPanel* P, const std::string& Caption) {
  for (int i = 0; i < P->Buttons()->Count(); ++i)
    if (P->Buttons()->Items(i)->Caption() == Caption) return i;
  return 0;  // the key without caption
}

// Clicks the keys named in Seq, separated by blanks ("ON" is the key
// without caption).
void Keys(TVevCalculatorDropdown* C, const std::string& Seq) {
  size_t p = 0;
  while (p < Seq.size()) {
    size_t e = Seq.find(' ', p);
    if (e == std::string::npos) e = Seq.size();
    const std::string k = Seq.substr(p, e - p);
    C->PanelButtonClick(C->ButtonPanel(), KeyIndex(C->ButtonPanel(), k == "ON" ? "" : k));
    p = e + 1;
  }
}

struct DecimalPoint {
  char old = FormatSettings().DecimalSeparator;
  char oldT = FormatSettings().ThousandSeparator;
  DecimalPoint() {
    FormatSettings().DecimalSeparator = '.';
    FormatSettings().ThousandSeparator = ',';
  }
  ~DecimalPoint() {
    FormatSettings().DecimalSeparator = old;
    FormatSettings().ThousandSeparator = oldT;
  }
};

TEST(CalculatorPanel, KeysSitInTheirGridAndAShortKeySetNeverRaises) {
  TForm* form = NewPointerForm();
  auto* p = new TCustomButtonPanel(form);
  p->SetParent(form);
  p->SetBounds(0, 0, 230, 150);
  p->CreateCalculatorButtons();
  ASSERT_EQ(p->Buttons()->Count(), 28);
  // (230 - 16 - 8) div 6 = 34 wide; columns from 8, 46, 79, 112, 150, 183.
  const int lefts[6] = {8, 46, 79, 112, 150, 183};
  const int colOf[6] = {4, 11, 12, 19, 20, 27};  // MC 7 8 9 / sqrt
  for (int c = 0; c < 6; ++c) {
    EXPECT_EQ(p->Buttons()->Items(colOf[c])->GetRect().Left, lefts[c]) << c;
    EXPECT_EQ(p->Buttons()->Items(colOf[c])->GetRect().Right - lefts[c], 34) << c;
  }
  // h = (150 - 16 - 4) div 5 = 26: rows at 8, 38, 63, 88, 113.
  EXPECT_EQ(p->Buttons()->Items(8)->GetRect().Top, 8 + 4 * 26 + 1);  // "0"
  EXPECT_EQ(p->Buttons()->Items(3)->GetRect().Right, 217);           // "C" ends the set
  EXPECT_EQ(p->Buttons()->Items(1)->GetRect().Left, 46);             // "Back"
  EXPECT_EQ(p->Buttons()->Items(24)->GetRect().Right, 217);          // "="
  // Switching to custom keys leaves them where they are.
  p->SetButtonPanelType(plCustom);
  p->SetBounds(0, 0, 300, 200);
  EXPECT_EQ(p->Buttons()->Items(27)->GetRect().Left, 183);
  // Fewer than 28 keys: a resize arranges nothing and raises nothing.
  p->SetButtonPanelType(plCalculator);
  TButtonItems few(nullptr);
  for (int i = 0; i < 5; ++i) few.Add()->SetCaption("k");
  p->SetButtons(&few);
  EXPECT_NO_THROW(p->SetBounds(0, 0, 260, 160));
  EXPECT_NO_THROW(p->ArrangeButtons());
  // The key set is built only into an empty collection.
  p->CreateCalculatorButtons();
  EXPECT_EQ(p->Buttons()->Count(), 5);
  p->ResetButtons();
  EXPECT_EQ(p->Buttons()->Count(), 28);
  FreePointerForm(form);
}

TEST(CalculatorPanel, AClickCountsOnlyWhenReleasedOnThePressedEnabledKey) {
  TForm* form = NewPointerForm();
  auto* p = new TCustomButtonPanel(form);
  p->SetParent(form);
  p->SetBounds(0, 0, 230, 150);
  p->CreateCalculatorButtons();
  ShowForm(form);
  std::vector<int> clicks;
  p->OnButtonClick = [&](TObject*, int i) { clicks.push_back(i); };
  const TRect k = p->Buttons()->Items(11)->GetRect();  // "7"
  const TRect other = p->Buttons()->Items(19)->GetRect();
  Click(p, k.Left + 5, k.Top + 5);
  MouseDown(p, k.Left + 5, k.Top + 5);
  MouseMove(p, other.Left + 5, other.Top + 5);
  MouseUp(p, other.Left + 5, other.Top + 5);
  MouseDown(p, k.Left + 5, k.Top + 5);
  MouseMove(p, other.Left + 5, other.Top + 5);
  MouseMove(p, k.Left + 6, k.Top + 6);
  MouseUp(p, k.Left + 6, k.Top + 6);
  EXPECT_EQ(clicks, (std::vector<int>{11, 11}));
  EXPECT_EQ(p->HotButton(), 11);
  // A disabled key takes neither hover nor press.
  p->Buttons()->Items(19)->SetEnabled(false);
  MouseMove(p, other.Left + 5, other.Top + 5);
  EXPECT_EQ(p->HotButton(), -1);
  Click(p, other.Left + 5, other.Top + 5);
  EXPECT_EQ(clicks.size(), 2u);
  FreePointerForm(form);
}

TEST_F(CalcFixture, KeySequencesGiveTheirDisplays) {
  DecimalPoint point;
  struct Row {
    const char* keys;
    const char* display;
  };
  const Row rows[] = {
      {"2 + 3 * 4 =", "20.00"},  // left to right
      {"8 / 0 =", "Error"},
      {"8 / 0 = 7", "7.00"},  // a digit after Error starts anew
      {"2 + *", "4.00"},      // the pending addition applies again
      {"2 + 3 = =", "5.00"},  // no repeat of the last operation
      {"1 . 5", "1.50"},
      {"1 . 5 Back", "1.00"},
      {"5 +/- 3", "-53.00"},
      {"200 + 1 0 % =", "220.00"},
      {"9 sqrt", "3.00"},
      {"4 +/- sqrt", "Error"},
      {"0 1/x", "Error"},
      {"4 1/x", "0.25"},
      {"7 ON", "0.00"},
      {"7 + 2 C 3 =", "3.00"},
      {"6 MS C MR", "6.00"},
      {"6 MS 4 M+ MC MR", "0.00"},
      {"6 MS 4", "64.00"},  // storing does not start a new number
      {"6 MS C 4 M+ C MR", "10.00"},
  };
  for (const Row& r : rows) {
    Keys(dd, "C");
    std::string seq = r.keys;
    // "200" is three key presses.
    if (seq.rfind("200", 0) == 0) seq = "2 0 0" + seq.substr(3);
    Keys(dd, seq);
    EXPECT_EQ(dd->Text(), r.display) << r.keys;
  }
  Keys(dd, "C 1 . 5");
  EXPECT_DOUBLE_EQ(dd->Value(), 1.5);
  // A display as long as MaxLength takes no digit, but operators.
  dd->SetMaxLength(4);
  Keys(dd, "3");
  EXPECT_EQ(dd->Text(), "1.50");
  Keys(dd, "+ =");
  EXPECT_EQ(dd->Text(), "3.00");
}

TEST_F(CalcFixture, ADisplayThatIsNoNumberCountsAsZeroAndNoKeyRaises) {
  DecimalPoint point;
  dd->SetPrecision(0);
  Keys(dd, "C 5 +/- Back");
  EXPECT_EQ(dd->Text(), "-");
  for (const char* k : {"+", "=", "%", "MS", "M+", "*", "/", "sqrt", "1/x"}) {
    EXPECT_NO_THROW(Keys(dd, k)) << k;
  }
  dd->SetText("abc");
  EXPECT_NO_THROW(Keys(dd, "+ 2 ="));
  EXPECT_EQ(dd->Text(), "2");
  EXPECT_DOUBLE_EQ(dd->Memory(), 0);
  dd->SetText("");
  EXPECT_DOUBLE_EQ(dd->Value(), 0);
  EXPECT_EQ(dd->Text(), "0");
}

TEST_F(CalcFixture, ThePadOpensTakesClicksAndTypedKeysAndWritesTheResultBack) {
  DecimalPoint point;
  EXPECT_EQ(dd->Text(), "0.00");
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  TCustomButtonPanel* p = dd->ButtonPanel();
  EXPECT_EQ(dd->Control(), p);
  EXPECT_EQ(dd->DropDownForm()->Width(), 230);
  auto clickKey = [&](const char* c) {
    const TRect r = p->Buttons()->Items(KeyIndex(p, c))->GetRect();
    Click(p, r.Left + 4, r.Top + 4);
  };
  clickKey("1");
  clickKey("2");
  clickKey("+");
  EXPECT_TRUE(dd->DroppedDown()) << "the pad stays open";
  TypeText("3");
  TypeText("*");
  TypeText("2");
  PressKey(VK_RETURN);  // equals, then the pop-up closes keeping the result
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->Text(), "30.00");
  EXPECT_EQ(log, (std::vector<std::string>{"DropDown", "DropUp"}));
  // Escape in the pop-up puts back the text from before the opening, and
  // the operation given there is forgotten.
  PressKey(VK_F4);
  TypeText("7");
  TypeText("+");
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->Text(), "30.00");
  // With the pop-up closed, operators typed into the edit act directly.
  dd->SetText("6");
  SendMessage(dd->Handle(), WM_CHAR, '+', 0);
  dd->SetText("4");
  SendMessage(dd->Handle(), WM_CHAR, 13, 0);
  EXPECT_EQ(dd->Text(), "10.00");
  dd->SetText("3");
  TypeText("*5=");
  EXPECT_EQ(dd->Text(), "15.00");
}

TEST_F(CalcFixture, ThousandSeparatorsShowAndStillRead) {
  DecimalPoint point;
  dd->SetShowThousandSeparator(true);
  EXPECT_EQ(dd->EditType(), etMoney);
  dd->SetValue(1234.5);
  EXPECT_EQ(dd->Text(), "1,234.50");
  EXPECT_DOUBLE_EQ(dd->Value(), 1234.5);
  Keys(dd, "+ 1 =");
  EXPECT_EQ(dd->Text(), "1,235.50");
  Keys(dd, "MS");
  EXPECT_DOUBLE_EQ(dd->Memory(), 1235.5);
}

}  // namespace
