#include "controls/dropdown/VevMemoDropDown.h"

#include "framework/classes/StringList.h"
#include "framework/controls/Menus.h"
#include "framework/controls/StdCtrls.h"
#include "framework/graphics/Graphics.h"
#include "grid/base/VevDropDownUtil.h"

namespace {
// The lines joined by line breaks, without one after the last.
std::string JoinLines(const TStrings* L) {
  std::string s;
  for (int i = 0; i < L->Count(); ++i) {
    if (i > 0) s += "\r\n";
    s += L->Strings(i);
  }
  return s;
}
}  // namespace

TVevMemoDropDown::TVevMemoDropDown(TComponent* AOwner)
    : TVevUrizazEvuvUduz(AOwner), memoText_(std::make_unique<TStringList>()) {
  memoText_->OnChange = [this](TObject* s) { MemoTextChange(s); };
}

TVevMemoDropDown::~TVevMemoDropDown() { memoText_->OnChange = nullptr; }

TStrings* TVevMemoDropDown::MemoText() const { return memoText_.get(); }

void TVevMemoDropDown::SetMemoText(TStrings* Value) {
  memoText_->Assign(Value);
  if (memo_ != nullptr) memo_->Lines()->Assign(Value);
}

void TVevMemoDropDown::SetMemoReadOnly(bool Value) {
  memoReadOnly_ = Value;
  if (memo_ != nullptr && DroppedDown()) memo_->SetReadOnly(Value);
}

void TVevMemoDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TVevUrizazEvuvUduz::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == memoPopup_) memoPopup_ = nullptr;
}

void TVevMemoDropDown::CreateDropDownForm() {
  TVevUrizazEvuvUduz::CreateDropDownForm();
  if (memo_ != nullptr) return;
  memo_ = new TMemo(this);
  memo_->SetParent(DropDownForm());
  memo_->SetBounds(0, 0, memo_->Width(), 100);
  memo_->SetBorderStyle(bsNone);
  memo_->OnChange = [this](TObject*) {
    if (OnMemoChange) OnMemoChange(this);
  };
  SetControl(memo_);
}

void TVevMemoDropDown::BeforeDropDown() {
  TVevUrizazEvuvUduz::BeforeDropDown();
  if (DropDownForm() != nullptr) DropDownForm()->SetCancelOnDeActivate(false);
  if (memo_ == nullptr) return;
  memo_->Lines()->Assign(memoText_.get());
  memo_->SetPopupMenu(memoPopup_);
  memo_->SetMaxLength(MaxLength());
  memo_->SetScrollBars(memoScrollBars_);
  memo_->SetReadOnly(memoReadOnly_);
}

void TVevMemoDropDown::HideDropDownEx(bool Cancel) {
  // The edit taking the focus back must not open the pop-up again.
  const bool autoDrop = autoDrop_;
  autoDrop_ = false;
  if (Cancel && memo_ != nullptr) memo_->Lines()->Assign(memoText_.get());
  // A cancel keeps MemoText as it was before the opening: the text the
  // common cancel writes back must not reach it.
  internalUpdate_ = Cancel;
  TVevUrizazEvuvUduz::HideDropDownEx(Cancel);
  internalUpdate_ = false;
  if (Cancel) MemoTextChange(this);
  autoDrop_ = autoDrop;
}

void TVevMemoDropDown::DoHideDropDown(TObject* Sender) {
  TVevUrizazEvuvUduz::DoHideDropDown(Sender);
  if (memo_ != nullptr) {
    memoText_->OnChange = nullptr;
    memoText_->Assign(memo_->Lines());
    memoText_->OnChange = [this](TObject* s) { MemoTextChange(s); };
  }
  MemoTextChange(this);
  Perform(EM_SETSEL, 0, 0);
}

void TVevMemoDropDown::MemoTextChange(TObject*) {
  std::string t;
  if (memoText_->Count() == 0 || EditorEnabled()) {
    t = JoinLines(memoText_.get());
  } else {
    t = memoText_->Strings(0);
    TBitmap measure;
    TCanvas* c = measure.Canvas();
    c->SetFont(Font());
    const TRect r = GetEditRect();
    const int w = r.Right - r.Left;
    if (MeasureText(c, t).cx < w) {
      if (memoText_->Count() > 1) t += "...";
    } else {
      t = FitTextToWidth(c, t, w, true);
    }
  }
  const bool was = internalUpdate_;
  internalUpdate_ = true;
  WriteRawText(t);
  internalUpdate_ = was;
}

void TVevMemoDropDown::Change() {
  if (!internalUpdate_) {
    memoText_->OnChange = nullptr;
    memoText_->SetText(Text());
    memoText_->OnChange = [this](TObject* s) { MemoTextChange(s); };
  }
  TVevUrizazEvuvUduz::Change();
}

void TVevMemoDropDown::DoEnter() {
  TVevUrizazEvuvUduz::DoEnter();
  if (autoDrop_) OpenUnlessJustClosed();
}

void TVevMemoDropDown::ControlKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (Key == 'A' && Shift.Contains(ssCtrl) && memo_ != nullptr) {
    memo_->SelectAll();
    return;
  }
  // Return, Tab and the arrows stay in the memo.
  if (Shift.Contains(ssAlt) || Key == VK_ESCAPE || Key == VK_F4)
    TVevUrizazEvuvUduz::ControlKeyDown(Sender, Key, Shift);
}

void TVevMemoDropDown::ControlKeyUp(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (Shift.Contains(ssAlt) || Key == VK_ESCAPE || Key == VK_F4)
    TVevUrizazEvuvUduz::ControlKeyUp(Sender, Key, Shift);
}

void TVevMemoDropDown::ControlKeyPress(TObject* Sender, char32_t& Key) {
  if (GetKeyState(VK_MENU) < 0 || Key == 27) TVevUrizazEvuvUduz::ControlKeyPress(Sender, Key);
}
