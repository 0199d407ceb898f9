// A window for checking drag and drop by hand or by script under a real
// display (tests/window/dnd_check.sh): the selected text of the upper edit
// can be dragged, and the memo below takes drops of text, files and links,
// from this window or from other programs. Each drop is written to the memo
// and as a line to standard output; the drag's outcome too.
#include <cstdio>
#include <cstdlib>

#include "Say.h"
#include "framework/controls/Forms.h"
#include "framework/controls/StdCtrls.h"
#include "framework/controls/WinApi.h"
#include "grid/base/griddd.h"

namespace {

class TMemoTarget : public TCellDropTarget {
 public:
  explicit TMemoTarget(TMemo* Memo) : memo_(Memo) {}
  void DropText(const TPoint&, const std::string& s) override { Put("text: " + s); }
  void DropFiles(const TPoint&, TStrings* files) override {
    for (int i = 0; i < files->Count(); ++i) Put("file: " + files->Strings(i));
  }
  void DropURL(const TPoint&, const std::string& s) override { Put("link: " + s); }

 private:
  void Put(const std::string& Line) {
    memo_->Lines()->Add(Line);
    Say("dropped " + Line);
  }
  TMemo* memo_;
};

// Starts a drag of the edit's selection once the pointer, pressed on it,
// has moved more than 3 pixels; the press itself leaves the selection be.
class TDragStarter {
 public:
  explicit TDragStarter(TEdit* Edit) : edit_(Edit), old_(Edit->WindowProc) {
    Edit->WindowProc = [this](TMessage& m) { Handle(m); };
  }

 private:
  void Pass(TMessage& m) {
    if (old_)
      old_(m);
    else
      edit_->WndProc(m);
  }
  void Handle(TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN && edit_->SelLength() > 0) {
      armed_ = true;
      press_ = TPoint(m.XPos(), m.YPos());
      return;
    }
    if (m.Msg == WM_MOUSEMOVE && armed_ &&
        (std::abs(m.XPos() - press_.X) > 3 || std::abs(m.YPos() - press_.Y) > 3)) {
      armed_ = false;
      DWORD effect = 0;
      HRESULT r = BeginTextDragDrop(std::make_shared<TCellDropSource>(), edit_->SelText(), "", effect,
                                    DROPEFFECT_COPY | DROPEFFECT_MOVE, nullptr);
      Say(std::string("drag ") + (r == DRAGDROP_S_DROP ? "dropped" : "cancelled") + " effect " +
          std::to_string(effect));
      return;
    }
    if (m.Msg == WM_LBUTTONUP) armed_ = false;
    Pass(m);
  }
  TEdit* edit_;
  TWndMethod old_;
  bool armed_ = false;
  TPoint press_;
};

}  // namespace

int main() {
  Application->Initialize();
  RegisterGridDragFormats();
  auto* form = Application->CreateForm<TForm>();
  form->SetCaption("Drag and drop check");
  form->SetBounds(40, 40, 420, 260);
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 10, 390, 24);
  edit->SetText("dragged text");
  auto* memo = new TMemo(form);
  memo->SetParent(form);
  memo->SetBounds(10, 50, 390, 160);
  TDragStarter starter(edit);
  form->Show();
  Application->ProcessMessages();
  edit->SetFocus();
  edit->SelectAll();
  auto target = std::make_shared<TMemoTarget>(memo);
  if (RegisterDragDrop(memo->Handle(), target) != S_OK) return 1;
  TPoint e = edit->ClientToScreen(TPoint(20, 12));
  TPoint t = memo->ClientToScreen(TPoint(100, 60));
  Say("ready edit " + std::to_string(e.X) + " " + std::to_string(e.Y) + " memo " + std::to_string(t.X) + " " +
      std::to_string(t.Y));
  Application->Run();
  return 0;
}
