#pragma once
// A shown form holding one drop-down kind with the focus, for the tests of
// the kinds.
#include <gtest/gtest.h>

#include "controls/dropdown/VevDropDown.h"
#include "framework/controls/StdCtrls.h"
#include "support/Input.h"

template <class T>
struct KindFixture : ::testing::Test {
  TForm* form = nullptr;
  T* dd = nullptr;
  TEdit* other = nullptr;
  std::vector<std::string> log;
  void SetUp() override {
    ResetKeyboardState();
    form = testinput::NewPointerForm(400, 300);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 200, 100, 24);
    other->SetTabStop(true);
    dd = NewDropDown<T>(form);
    dd->SetParent(form);
    dd->SetBounds(20, 40, 200, 21);
    dd->SetTabStop(true);
    dd->OnDropDown = [this](TObject*, bool&) { log.push_back("DropDown"); };
    dd->OnDropUp = [this](TObject*, bool c) { log.push_back(c ? "DropUp(cancelled)" : "DropUp"); };
    testinput::ShowForm(form);
    dd->SetFocus();
    testinput::Pump();
  }
  void TearDown() override {
    ResetKeyboardState();
    testinput::FreePointerForm(form);
  }
  void Key(WORD Vk) { SendMessage(dd->Handle(), WM_KEYDOWN, Vk, 0); }
};
