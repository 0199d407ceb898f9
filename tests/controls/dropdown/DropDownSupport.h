#pragma once
// A small drop-down kind for the tests: its pop-up holds a panel of fixed
// size, and it records the events and extension points in the order they
// run.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/dropdown/VevDropDown.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "framework/rtl/StrUtils.h"
#include "support/Input.h"

class TTestDropDown : public TVevUrizazEvuvUduz {
 public:
  explicit TTestDropDown(TComponent* AOwner) : TVevUrizazEvuvUduz(AOwner) {
    OnBeforeDropDown = [this](TObject*) { Log.push_back("BeforeDropDown"); };
    OnDropDown = [this](TObject*, bool& accept) {
      Log.push_back("DropDown");
      accept = Accept;
    };
    OnBeforeDropUp = [this](TObject*) { Log.push_back("BeforeDropUp"); };
    OnDropUp = [this](TObject*, bool cancelled) {
      Log.push_back(cancelled ? "DropUp(cancelled)" : "DropUp");
    };
  }
  TPanel* Content = nullptr;
  std::vector<std::string> Log;
  bool Accept = true;
  int Styled = 0;
  using TVevUrizazEvuvUduz::GetMinHeight;

  void SetComponentStyle(TVyxStyle AStyle) override {
    ++Styled;
    TVevUrizazEvuvUduz::SetComponentStyle(AStyle);
  }

 protected:
  void CreateDropDownForm() override {
    TVevUrizazEvuvUduz::CreateDropDownForm();
    Content = new TPanel(DropDownForm());
    Content->SetParent(DropDownForm());
    Content->SetBounds(0, 0, 120, 80);
    SetControl(Content);
  }
  void AfterDropDown(int& Height) override {
    Log.push_back("AfterDropDown");
    TVevUrizazEvuvUduz::AfterDropDown(Height);
  }
  void DoHideDropDown(TObject* Sender) override {
    Log.push_back("Hide");
    TVevUrizazEvuvUduz::DoHideDropDown(Sender);
  }
};

// A form with one test drop-down and an edit beside it, shown.
struct DropDownFixture : ::testing::Test {
  TForm* form = nullptr;
  TTestDropDown* dd = nullptr;
  TEdit* other = nullptr;
  void SetUp() override {
    ResetKeyboardState();
    form = testinput::NewPointerForm(400, 300);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 200, 100, 24);
    other->SetTabStop(true);
    dd = NewDropDown<TTestDropDown>(form);
    dd->SetParent(form);
    dd->SetBounds(20, 40, 200, 21);
    dd->SetTabStop(true);
    testinput::ShowForm(form);
    dd->SetFocus();
    testinput::Pump();
  }
  void TearDown() override {
    ResetKeyboardState();
    testinput::FreePointerForm(form);
  }
  // The edit's text, prefix and suffix included, with the caret (or the
  // selection) marked by "|" (or "[" and "]").
  std::string Shown() const {
    std::u32string t = Utf8ToUtf32(dd->RawText());
    const int s = dd->SelStart(), l = dd->SelLength();
    if (l == 0) {
      t.insert(static_cast<size_t>(s), U"|");
    } else {
      t.insert(static_cast<size_t>(s + l), U"]");
      t.insert(static_cast<size_t>(s), U"[");
    }
    return Utf32ToUtf8(t);
  }
  void Char(char32_t Ch) { SendMessage(dd->Handle(), WM_CHAR, Ch, 0); }
  void Key(WORD Vk) { SendMessage(dd->Handle(), WM_KEYDOWN, Vk, 0); }
};
