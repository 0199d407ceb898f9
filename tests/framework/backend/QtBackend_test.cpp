// What the Qt backend makes of the window system's input and what it tells
// the window system: keys of any layout typing their characters, windows
// kept above their owners, the sizes the user may give a window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/backend/qt/QtTestProbe.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/StdCtrls.h"
#include "framework/rtl/StrUtils.h"
#include "support/Input.h"
#include "support/Responder.h"

namespace {

using namespace testinput;

// Keys of a French, a Russian and a Japanese layout, AltGr characters and
// input-method commits all come as character messages to the focused edit.
TEST(QtBackend, KeysOfAnyLayoutReachTheControlAsCharacters) {
  ResetKeyboardState();
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 100);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  std::u32string pressed;
  edit->OnKeyPress = [&](TObject*, char32_t& Key) { pressed += Key; };
  ShowForm(&form);
  edit->SetFocus();

  const struct {
    const char* Typed;
    bool AltGr;
  } keys[] = {{"\u00e9", false}, {"\u0429", false}, {"\u65e5", false},
              {"a", false},      {"\u20ac", true},  {"@", true}};
  for (const auto& k : keys) {
    ASSERT_TRUE(QtTypeKey(edit->Handle(), k.Typed, k.AltGr)) << k.Typed;
    Pump();
  }
  ASSERT_TRUE(QtCommitText(edit->Handle(), "\u00fc\u00e7"));
  Pump();

  const std::string want = "\u00e9\u0429\u65e5a\u20ac@\u00fc\u00e7";
  EXPECT_EQ(edit->Text(), want);
  EXPECT_EQ(pressed, Utf8ToUtf32(want));
  // No modifier is left down behind AltGr.
  EXPECT_GE(GetKeyState(VK_CONTROL), 0);
  EXPECT_GE(GetKeyState(VK_MENU), 0);
  EXPECT_GE(GetKeyState(VK_PACKET), 0);
}

// A modal form is a dialog kept above the form it was opened from, at every
// level; its pop-up list is kept above it.
TEST(QtBackend, ModalFormsAndTheirPopUpsStayAboveTheirOwner) {
  TForm owner(nullptr);
  owner.SetBounds(50, 50, 500, 400);
  ShowForm(&owner);
  TForm dialog(nullptr);
  dialog.SetBorderStyle(bsDialog);
  dialog.SetBounds(100, 100, 300, 200);
  auto* combo = new TComboBox(&dialog);
  combo->SetParent(&dialog);
  combo->Items()->Add("one");
  TForm inner(nullptr);
  inner.SetBorderStyle(bsDialog);

  TQtWindowFacts d, i, list;
  bool gotD = false, gotI = false, gotList = false;
  TDialogResponder r;
  r.OnModal([&](TCustomForm*) {
    gotD = QtWindowFacts(dialog.Handle(), d);
    combo->SetDroppedDown(true);
    gotList = QtWindowFacts(combo->ListWindow()->Handle(), list);
    combo->SetDroppedDown(false);
    inner.ShowModal();
  });
  r.OnModal([&](TCustomForm*) { gotI = QtWindowFacts(inner.Handle(), i); });
  dialog.ShowModal();

  ASSERT_TRUE(gotD && gotI && gotList);
  EXPECT_TRUE(d.Dialog);
  EXPECT_EQ(d.TransientParent, owner.Handle());
  EXPECT_TRUE(i.Dialog);
  EXPECT_EQ(i.TransientParent, dialog.Handle());
  EXPECT_EQ(list.TransientParent, dialog.Handle());
  // Left alone, the owner itself is a plain window.
  TQtWindowFacts o;
  ASSERT_TRUE(QtWindowFacts(owner.Handle(), o));
  EXPECT_FALSE(o.Dialog);
  EXPECT_EQ(o.TransientParent, 0u);
}

// The window system lets the user size a window only within its
// constraints (the frame it draws is not part of them).
TEST(QtBackend, ASizeableWindowTellsItsLimitsToTheWindowSystem) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSizeable);
  form.SetBounds(100, 100, 400, 300);
  form.Constraints()->SetMinWidth(250);
  form.Constraints()->SetMinHeight(200);
  form.Constraints()->SetMaxHeight(600);
  form.HandleNeeded();
  form.Show();
  TQtWindowFacts f;
  ASSERT_TRUE(QtWindowFacts(form.Handle(), f));
  const TRect ins = form.NonClientInsets();
  EXPECT_EQ(f.MinWidth, 250 - ins.Left - ins.Right);
  EXPECT_EQ(f.MinHeight, 200 - ins.Top - ins.Bottom);
  EXPECT_EQ(f.MaxWidth, 0);
  EXPECT_EQ(f.MaxHeight, 600 - ins.Top - ins.Bottom);
  form.Hide();
}

}  // namespace
