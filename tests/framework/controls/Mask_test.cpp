// The masked edit: the mask rules as a table, typing into a mask, the value
// with and without literals, and the check on leaving.
#include <gtest/gtest.h>

#include "framework/controls/Mask.h"
#include "framework/rtl/StrUtils.h"
#include "support/Input.h"
#include "support/Responder.h"

namespace {

using namespace testinput;

struct MaskCase {
  const char* name;
  const char* mask;
  const char* typed;
  const char* editText;
  const char* text;
  bool complete;
};

void PrintTo(const MaskCase& c, std::ostream* os) { *os << "mask \"" << c.mask << "\" typed \"" << c.typed << "\""; }

class MaskRules : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskRules, TypingGivesEditTextTextAndCompleteness) {
  const MaskCase& c = GetParam();
  ResetKeyboardState();
  TForm form(nullptr);
  auto* e = new TMaskEdit(&form);
  e->SetParent(&form);
  e->SetEditMask(c.mask);
  ShowForm(&form);
  e->SetFocus();
  e->SetSelStart(0);
  TypeText(c.typed);
  EXPECT_EQ(e->EditText(), c.editText);
  EXPECT_EQ(e->Text(), c.text);
  EXPECT_EQ(e->Mask().FirstIncomplete(Utf8ToUtf32(e->EditText())) < 0, c.complete);
}

INSTANTIATE_TEST_SUITE_P(Table, MaskRules,
                         ::testing::Values(
                             // 0 required digit, 9 optional digit; letters are refused.
                             MaskCase{"RequiredDigitsRefuseLetters", "000;1;_", "1a2", "12_", "12 ", false},
                             MaskCase{"RequiredDigitsComplete", "000;1;_", "123", "123", "123", true},
                             MaskCase{"OptionalDigitsWithoutLiterals", "999;0;_", "12", "12_", "12", true},
                             // # takes digits and signs.
                             MaskCase{"DigitOrSign", "#99;1;_", "-5", "-5_", "-5 ", true},
                             // L/l letters, A/a letters or digits, C/c anything.
                             MaskCase{"RequiredLetters", "LL;1;_", "a1b", "ab", "ab", true},
                             MaskCase{"OptionalLetters", "ll;1;_", "x", "x_", "x ", true},
                             MaskCase{"LettersOrDigits", "AAA;1;_", "a1-b", "a1b", "a1b", true},
                             MaskCase{"AnyCharacter", "CC;1;_", "-?", "-?", "-?", true},
                             // Case switches.
                             MaskCase{"UpperThenLower", ">LL<LL;1;_", "abCD", "ABcd", "ABcd", true},
                             MaskCase{"CaseSwitchOff", ">L<>L;1;_", "ab", "Ab", "Ab", true},
                             // Literals: saved with ;1, left out with ;0; \ makes a mask letter literal.
                             MaskCase{"LiteralsSaved", "00-00;1;_", "1234", "12-34", "12-34", true},
                             MaskCase{"LiteralsLeftOut", "00-00;0;_", "1234", "12-34", "1234", true},
                             MaskCase{"EscapedMaskLetter", "\\L00;1;_", "12", "L12", "L12", true},
                             // The blank character of the third field; _ in the mask is a literal blank.
                             MaskCase{"BlankCharacterField", "99:99;1; ", "1", "1 :  ", "1 :  ", true},
                             MaskCase{"UnderscoreIsLiteralBlank", "0_0;1;*", "12", "1 2", "1 2", true},
                             // Without the fields: literals saved, blank is _.
                             MaskCase{"DefaultFields", "(000)", "12", "(12_)", "(12 )", false}),
                         [](const ::testing::TestParamInfo<MaskCase>& Info) {
                           return std::string(Info.param.name);
                         });

struct MaskEditFixture : ::testing::Test {
  TForm* form = nullptr;
  TMaskEdit* edit = nullptr;
  TEdit* next = nullptr;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    edit = new TMaskEdit(form);
    edit->SetParent(form);
    next = new TEdit(form);
    next->SetParent(form);
    next->SetTop(40);
    ShowForm(form);
  }
  void TearDown() override { delete form; }
};

TEST_F(MaskEditFixture, TextSetsDistributeOverTheMask) {
  edit->SetEditMask("00/00/0000;1;_");
  edit->SetText("12/05/2024");
  EXPECT_EQ(edit->EditText(), "12/05/2024");
  edit->SetEditMask("00/00/0000;0;_");
  edit->SetText("01022023");
  EXPECT_EQ(edit->EditText(), "01/02/2023");
  EXPECT_EQ(edit->Text(), "01022023");
}

TEST_F(MaskEditFixture, BackspaceAndDeleteBlankWithoutShifting) {
  edit->SetEditMask("000-000;1;_");
  edit->SetFocus();
  edit->SetSelStart(0);
  TypeText("123456");
  EXPECT_EQ(edit->EditText(), "123-456");
  PressKey(VK_BACK);
  EXPECT_EQ(edit->EditText(), "123-45_");
  edit->SetSelStart(0);
  PressKey(VK_DELETE);
  EXPECT_EQ(edit->EditText(), "_23-45_");
}

TEST_F(MaskEditFixture, LeavingIncompleteInputRaisesAndKeepsFocus) {
  TDialogResponder r;
  r.AnswerBox(mrOk);
  edit->SetEditMask("0000;1;_");
  edit->SetFocus();
  edit->SetSelStart(0);
  TypeText("12");
  PressKey(VK_TAB);
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, "Invalid input value.  Use escape key to abandon changes.");
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->SelStart(), 2);
  // Escape abandons the change; leaving is then allowed.
  PressKey(VK_ESCAPE);
  EXPECT_EQ(edit->EditText(), "____");
  PressKey(VK_TAB);
  EXPECT_TRUE(next->Focused());
  EXPECT_EQ(r.Boxes().size(), 1u);
}

TEST_F(MaskEditFixture, UntouchedEmptyInputLeavesWithoutComplaint) {
  edit->SetEditMask("0000;1;_");
  edit->SetFocus();
  PressKey(VK_TAB);
  EXPECT_TRUE(next->Focused());
}

}  // namespace
