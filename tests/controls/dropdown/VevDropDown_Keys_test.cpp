// The edit key filter by edit type and the value text: prefix + value +
// suffix, number formatting, focus loss and the clipboard.
#include <gtest/gtest.h>

#include "DropDownSupport.h"
#include "framework/controls/Clipbrd.h"
#include "framework/rtl/Locale.h"

namespace {

using namespace testinput;

// One typed character (or key) on a value with a caret or selection, and
// what the edit shows after it ("|" the caret, "[...]" the selection).
struct KeyCase {
  const char* name;
  TDropDownEditType type;
  const char* prefix;
  const char* suffix;
  const char* value;
  int selStart, selEnd;  // in the edit's text
  char32_t ch;           // 0: send Key instead
  WORD key;
  bool isSigned;
  int precision;
  int lengthLimit;
  const char* shown;
};

void RunCases(DropDownFixture& F, const std::vector<KeyCase>& Cases) {
  for (const KeyCase& c : Cases) {
    TTestDropDown* d = F.dd;
    d->SetPrefix("");
    d->SetSuffix("");
    d->SetEditType(etString);
    d->SetPrecision(0);
    d->SetSigned(c.isSigned);
    d->SetLengthLimit(c.lengthLimit);
    d->SetEditType(c.type);
    d->SetPrecision(c.precision);
    d->SetPrefix(c.prefix);
    d->SetSuffix(c.suffix);
    d->WriteRawText(std::string(c.prefix) + c.value + c.suffix);
    d->Perform(EM_SETSEL, c.selStart, c.selEnd);
    if (c.ch != 0)
      F.Char(c.ch);
    else
      F.Key(c.key);
    EXPECT_EQ(F.Shown(), c.shown) << c.name;
  }
}

TEST_F(DropDownFixture, TypedCharactersAreFilteredByEditType) {
  const std::vector<KeyCase> cases = {
      {"string takes anything", etString, "", "", "ab", 2, 2, U'x', 0, false, 0, 0, "abx|"},
      {"numeric drops a letter", etNumeric, "", "", "12", 2, 2, U'a', 0, false, 0, 0, "12|"},
      {"numeric unsigned drops minus", etNumeric, "", "", "12", 2, 2, U'-', 0, false, 0, 0, "12|"},
      {"numeric signed toggles on", etNumeric, "", "", "12", 2, 2, U'-', 0, true, 0, 0, "-12|"},
      {"numeric signed toggles off", etNumeric, "", "", "-12", 3, 3, U'-', 0, true, 0, 0, "12|"},
      {"float second point moves into decimals", etFloat, "", "", "1.50", 1, 1, U'.', 0, false, 2, 0,
       "1.|50"},
      {"float full decimals drop a digit", etFloat, "", "", "1.50", 4, 4, U'7', 0, false, 2, 0, "1.50|"},
      {"float full decimals replace the next", etFloat, "", "", "1.50", 2, 2, U'7', 0, false, 2, 0, "1.7|0"},
      {"float precision 0 drops the point", etFloat, "", "", "15", 2, 2, U'.', 0, false, 0, 0, "15|"},
      {"float point into empty", etFloat, "", "", "", 0, 0, U'.', 0, false, 2, 0, "0.|"},
      {"float length limit drops a digit", etFloat, "", "", "123", 3, 3, U'4', 0, false, 2, 3, "123|"},
      {"float length limit takes the point", etFloat, "", "", "123", 3, 3, U'.', 0, false, 2, 3, "123.|"},
      {"float under the limit takes a digit", etFloat, "", "", "12", 2, 2, U'3', 0, false, 2, 3, "123|"},
      {"money regroups", etMoney, "", "", "1,234", 5, 5, U'5', 0, false, 0, 0, "12,345|"},
      {"money drops a thousand separator", etMoney, "", "", "1,234", 5, 5, U',', 0, false, 0, 0, "1,234|"},
      {"range after a separator", etRange, "", "", "1-", 2, 2, U'-', 0, false, 0, 0, "1-|"},
      {"range at the start", etRange, "", "", "", 0, 0, U';', 0, false, 0, 0, "|"},
      {"range digit", etRange, "", "", "1-", 2, 2, U'5', 0, false, 0, 0, "1-5|"},
      {"hex drops G", etHex, "", "", "A", 1, 1, U'G', 0, false, 0, 0, "A|"},
      {"hex takes f unchanged", etHex, "", "", "A", 1, 1, U'f', 0, false, 0, 0, "Af|"},
      {"hex takes a minus", etHex, "", "", "A", 1, 1, U'-', 0, false, 0, 0, "A-|"},
      {"upper case", etUppercase, "", "", "ab", 2, 2, U'c', 0, false, 0, 0, "abC|"},
      {"lower case", etLowerCase, "", "", "AB", 2, 2, U'C', 0, false, 0, 0, "ABc|"},
      {"alphanumeric drops a blank", etAlphaNumeric, "", "", "a1", 2, 2, U' ', 0, false, 0, 0, "a1|"},
      {"valid chars", etValidChars, "", "", "x", 1, 1, U'q', 0, false, 0, 0, "x|"},
      {"backspace at the prefix", etString, "$", "", "12", 1, 1, 8, 0, false, 0, 0, "$|12"},
      // A rewrite keeps prefix and suffix around the value.
      {"sign toggle keeps prefix and suffix", etNumeric, "$", " kg", "12", 3, 3, U'-', 0, true, 0, 0,
       "$-12| kg"},
      {"minus on a whole selection keeps them", etNumeric, "$", " kg", "12", 1, 3, U'-', 0, true, 0, 0,
       "$-| kg"},
      {"mixed case keeps the suffix", etMixedCase, "", " kg", "abc", 3, 3, U'd', 0, false, 0, 0, "Abcd| kg"},
      // Caret guards.
      {"right stops at the suffix", etString, "$", " kg", "12", 3, 3, 0, VK_RIGHT, false, 0, 0, "$12| kg"},
      {"left stops at the prefix", etString, "$", " kg", "12", 1, 1, 0, VK_LEFT, false, 0, 0, "$|12 kg"},
      {"end goes to the value's end", etString, "$", " kg", "12", 1, 1, 0, VK_END, false, 0, 0, "$12| kg"},
      {"home goes to the value's start", etString, "$", " kg", "12", 3, 3, 0, VK_HOME, false, 0, 0,
       "$|12 kg"},
      {"delete stops at the suffix", etString, "", " kg", "12", 2, 2, 0, VK_DELETE, false, 0, 0, "12| kg"},
  };
  RunCases(*this, cases);
}

TEST_F(DropDownFixture, NothingCanBeTypedIntoALockedEditorButClipboardKeysAlwaysReachTheEdit) {
  dd->SetText("ab");
  dd->SetEditorEnabled(false);
  dd->Perform(EM_SETSEL, 2, 2);
  Char(U'x');
  Char(8);
  EXPECT_EQ(dd->Text(), "ab");
  dd->SetEditorEnabled(true);
  dd->SetEditType(etNumeric);
  dd->SetText("12");
  Clipboard()->SetAsText("34");
  dd->Perform(EM_SETSEL, 2, 2);
  KeyDown(VK_LCONTROL);
  Char(22);
  KeyUp(VK_LCONTROL);
  EXPECT_EQ(dd->Text(), "1234");
}

TEST_F(DropDownFixture, ALockedEditorShowsNoCaretWhenItTakesTheFocus) {
  ASSERT_TRUE(dd->Focused());
  EXPECT_TRUE(dd->CaretShown());
  dd->SetEditorEnabled(false);
  other->SetFocus();
  dd->SetFocus();
  Pump();
  ASSERT_TRUE(dd->Focused());
  EXPECT_FALSE(dd->CaretShown());
  // Typing is possible again: the next focus brings the caret back.
  dd->SetEditorEnabled(true);
  other->SetFocus();
  dd->SetFocus();
  Pump();
  EXPECT_TRUE(dd->CaretShown());
}

TEST_F(DropDownFixture, DroppingACharacterOverAWholeSelectionLosesNoLaterChange) {
  int changes = 0;
  dd->OnChange = [&](TObject*) { ++changes; };
  dd->SetEditType(etNumeric);
  dd->SetText("12");
  changes = 0;
  dd->SelectAll();
  Char(U'x');  // dropped
  dd->Perform(EM_SETSEL, 2, 2);
  Char(U'3');
  EXPECT_EQ(dd->Text(), "123");
  EXPECT_EQ(changes, 1);
}

TEST_F(DropDownFixture, TheTextCarriesPrefixAndSuffixAndReadsBackTheValue) {
  struct Row {
    TDropDownEditType type;
    int precision;
    const char *prefix, *suffix, *written, *raw, *value;
  };
  const Row rows[] = {
      {etString, 0, "$", " kg", "12", "$12 kg", "12"},
      {etFloat, 2, "", "", "", "0.00", "0.00"},
      {etFloat, 2, "", "", "Error", "Error", "Error"},
      {etFloat, 2, "", "", "3.14159", "3.14", "3.14"},
      {etMoney, 2, "", "", "1234.5", "1,234.50", "1,234.50"},
      {etHex, 0, "0x", "", "ff", "0xFF", "FF"},
      {etNumeric, 0, "", "", "", "0", "0"},
  };
  for (const Row& r : rows) {
    dd->SetPrefix("");
    dd->SetSuffix("");
    dd->SetEditType(etString);
    dd->SetPrecision(0);
    dd->SetEditType(r.type);
    dd->SetPrecision(r.precision);
    dd->SetPrefix(r.prefix);
    dd->SetSuffix(r.suffix);
    dd->SetText(r.written);
    EXPECT_EQ(dd->RawText(), r.raw) << r.written;
    EXPECT_EQ(dd->Text(), r.value) << r.written;
    EXPECT_EQ(dd->OldText(), r.value) << r.written;
  }
  // Prefix and suffix are taken off only where they stand.
  dd->SetEditType(etString);
  dd->SetPrefix("$");
  dd->SetSuffix(" kg");
  dd->WriteRawText("abcd");
  EXPECT_EQ(dd->Text(), "abcd");
  dd->WriteRawText("$abcd");
  EXPECT_EQ(dd->Text(), "abcd");
}

TEST_F(DropDownFixture, NumbersConvertByEditTypeAndNeverRaise) {
  struct Row {
    TDropDownEditType type;
    const char* raw;
    double value;
  };
  const Row rows[] = {
      {etNumeric, "-", 0},
      {etNumeric, "Error", 0},
      {etFloat, "2.5", 2.5},
      {etFloat, "x1", 0},
      {etMoney, "1,234.", 1234},
      {etMoney, "-", 0},
      {etHex, "FF", 255},
      {etString, "7.5", 7.5},
      {etRange, "1-3", 0},
      // A minus or more than eight digits is no hex number, never 255 or a
      // wrapped value.
      {etHex, "-FF", 0},
      {etHex, "100000000", 0},
  };
  for (const Row& r : rows) {
    dd->SetPrefix("");
    dd->SetSuffix("");
    dd->SetEditType(r.type);
    dd->WriteRawText(r.raw);
    EXPECT_DOUBLE_EQ(dd->GetFloatValue(), r.value) << r.raw;
  }
}

TEST_F(DropDownFixture, FocusLossFormatsNumbersAndFillsEmptyOnes) {
  dd->SetEditType(etMoney);
  dd->SetPrecision(2);
  dd->WriteRawText("1234567");
  other->SetFocus();
  Pump();
  EXPECT_EQ(dd->Text(), "1,234,567.00");
  dd->SetFocus();
  dd->SetAutoThousandSeparator(false);
  dd->WriteRawText("1234567");
  other->SetFocus();
  Pump();
  EXPECT_EQ(dd->Text(), "1234567.00");
  dd->SetFocus();
  dd->SetPrecision(0);
  dd->SetEditType(etNumeric);
  dd->WriteRawText("");
  other->SetFocus();
  Pump();
  EXPECT_EQ(dd->Text(), "0");
}

TEST_F(DropDownFixture, PasteIsFilteredByEditTypeAndCutCanBeRefused) {
  struct Row {
    TDropDownEditType type;
    const char *value, *pasted, *after;
  };
  const Row rows[] = {
      {etNumeric, "12", "3a", "12"},     {etNumeric, "12", "34", "1234"}, {etUppercase, "ab", "cd", "ABCD"},
      {etAlphaNumeric, "a", "b c", "a"}, {etHex, "A", "B", "A"},          {etString, "ab", "cd", "abcd"},
  };
  for (const Row& r : rows) {
    dd->SetEditType(etString);
    dd->SetEditType(r.type);
    dd->WriteRawText(r.value);
    dd->Perform(EM_SETSEL, 100, 100);
    Clipboard()->SetAsText(r.pasted);
    SendMessage(dd->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(dd->Text(), r.after) << r.pasted;
  }
  dd->SetEditType(etString);
  dd->SetText("secret");
  Clipboard()->SetAsText("before");
  bool copied = false;
  dd->OnClipboardCut = [](TObject*, const std::string& v, bool& allow) {
    EXPECT_EQ(v, "secret");
    allow = false;
  };
  dd->OnClipboardCopy = [&](TObject*, const std::string&, bool&) { copied = true; };
  dd->SelectAll();
  SendMessage(dd->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(dd->Text(), "secret");
  EXPECT_EQ(Clipboard()->AsText(), "before");
  EXPECT_FALSE(copied);
}

TEST_F(DropDownFixture, APrecisionWrittenToANumericEditIsIgnored) {
  dd->SetEditType(etNumeric);
  dd->SetPrecision(3);
  EXPECT_EQ(dd->Precision(), 0);
}

}  // namespace
