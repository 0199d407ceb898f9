// What the Qt backend makes of the window system's input and what it tells
// the window system: keys of any layout typing their characters, windows
// kept above their owners, the sizes the user may give a window, drags of
// other programs reaching the drop target.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/backend/qt/QtTestProbe.h"
#include "framework/controls/Clipbrd.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/DragDrop.h"
#include "framework/controls/ExtCtrls.h"
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

// Another program's drag reaches the window's target: text in the charset
// Qt decodes, the key state, and the target's answer back to Qt.
TEST(QtBackend, OtherProgramsDragsReachTheDropTarget) {
  struct Target : IDropTarget {
    DWORD Answer = DROPEFFECT_COPY;
    DWORD Keys = 0;
    TPoint Where;
    std::string Text;
    int Drops = 0;
    bool HadText = false;
    HRESULT DragEnter(const std::shared_ptr<IDataObject>&, DWORD, const TPoint&, DWORD& E) override {
      E &= Answer;
      return S_OK;
    }
    HRESULT DragOver(DWORD K, const TPoint& P, DWORD& E) override {
      Keys = K;
      Where = P;
      E &= Answer;
      return S_OK;
    }
    HRESULT DragLeave() override { return S_OK; }
    HRESULT Drop(const std::shared_ptr<IDataObject>& D, DWORD, const TPoint&, DWORD& E) override {
      ++Drops;
      TFormatEtc f;
      f.cfFormat = CF_UNICODETEXT;
      TStgMedium m;
      HadText = D->QueryGetData(f) == S_OK;
      if (D->GetData(f, m) == S_OK)
        for (size_t i = 0; i + 3 < m.hGlobal.size(); i += 2)
          AppendUtf8(Text, static_cast<char32_t>(m.hGlobal[i] | (m.hGlobal[i + 1] << 8)));
      E &= Answer;
      return S_OK;
    }
  };
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(100, 100, 300, 100);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(10, 10, 200, 80);
  ShowForm(&form);
  auto target = std::make_shared<Target>();
  ASSERT_EQ(RegisterDragDrop(panel->Handle(), target), S_OK);

  TQtDropAnswer a;
  ASSERT_TRUE(QtDropOn(panel->Handle(), {{"text/plain;charset=utf-8", "\xC3\xA9t\xC3\xA9"}}, 5, 6,
                       DROPEFFECT_COPY | DROPEFFECT_MOVE, true, a));
  EXPECT_EQ(a.Over, DROPEFFECT_COPY);
  EXPECT_EQ(a.Drop, DROPEFFECT_COPY);
  EXPECT_EQ(target->Text, "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(target->Keys, DWORD(MK_LBUTTON | MK_CONTROL));
  EXPECT_EQ(target->Where, TPoint(115, 116));

  // A file manager's list of files alone is no text (Qt would make text of
  // it).
  ASSERT_TRUE(QtDropOn(panel->Handle(), {{"text/uri-list", "file:///tmp/a.csv\r\n"}}, 5, 6, DROPEFFECT_COPY,
                       false, a));
  EXPECT_EQ(a.Drop, DROPEFFECT_COPY);
  EXPECT_FALSE(target->HadText);

  // A refusal reaches Qt and no drop follows.
  target->Answer = DROPEFFECT_NONE;
  ASSERT_TRUE(QtDropOn(panel->Handle(), {{"text/plain", "x"}}, 5, 6, DROPEFFECT_COPY, false, a));
  EXPECT_EQ(a.Over, 0u);
  EXPECT_EQ(target->Drops, 2);
  RevokeDragDrop(panel->Handle());
}

}  // namespace
