// The spin, check box and push-button editors of the grid's cells: their
// keys and clicks become grid actions.
#include "framework/controls/Forms.h"
#include "framework/rtl/StrUtils.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevKindEditors.h"

void LinkGridKindEditorsPublished();

namespace {

// The focus back to the grid (without opening its editor on the way).
void FocusGrid(TDedAdararAdoz* G) {
  if (G->CanFocus()) G->SetFocus();
}

}  // namespace

// ---------------------------------------------------------------------------
// TGridSpin

TGridSpin::TGridSpin(TComponent* AOwner) : TDudSpinEdit(AOwner) {
  LinkGridKindEditorsPublished();
  FGrid = dynamic_cast<TDedAdararAdoz*>(AOwner);
  SetMaxValue(100);
  SetMinValue(0);
  SetIncrement(1);
  SetTabStop(false);
}

void TGridSpin::ReCreate() {
  if (HandleAllocated() && !Visible()) RecreateWnd();
}

void TGridSpin::CMWantSpecialKey(TMessage& Message) {
  TDudSpinEdit::CMWantSpecialKey(Message);
  if (FGrid == nullptr) return;
  const auto key = static_cast<WORD>(Message.WParam);
  if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid->Options().Contains(goTabs)))
    Message.Result = 1;
}

void TGridSpin::FireSpinClick(bool Up) {
  if (FGrid == nullptr) return;
  const int c = FGrid->Col(), r = FGrid->Row();
  switch (SpinType()) {
    case sptNormal:
      if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, c, r, Value(), Up);
      break;
    case sptFloat:
      if (FGrid->OnFloatSpinClick) FGrid->OnFloatSpinClick(FGrid, c, r, FloatValue(), Up);
      break;
    case sptTime:
      if (FGrid->OnTimeSpinClick) FGrid->OnTimeSpinClick(FGrid, c, r, TimeValue(), Up);
      break;
    case sptDate:
      if (FGrid->OnDateSpinClick) FGrid->OnDateSpinClick(FGrid, c, r, DateValue(), Up);
      break;
  }
}

void TGridSpin::HandleUpClick(TObject* Sender) {
  TDudSpinEdit::HandleUpClick(Sender);
  FireSpinClick(true);
}

void TGridSpin::HandleDownClick(TObject* Sender) {
  TDudSpinEdit::HandleDownClick(Sender);
  FireSpinClick(false);
}

void TGridSpin::KeyDown(WORD& Key, TShiftState Shift) {
  if (FGrid == nullptr) {
    TDudSpinEdit::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_END || Key == VK_HOME) {
    const bool home = Key == VK_HOME;
    if (SpinType() == sptNormal) SetValue(home ? MaxValue() : MinValue());
    if (SpinType() == sptFloat) SetFloatValue(home ? MaxFloatValue() : MinFloatValue());
    if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), false);
  }
  if (Key == VK_ESCAPE) {
    // The cell keeps the text it had when the edit began.
    FGrid->CancelInplaceEdit();
    FocusGrid(FGrid);
    Key = 0;
    return;
  }
  if (Key != VK_TAB && Key != VK_RETURN) {
    TDudSpinEdit::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_TAB && !FGrid->Options().Contains(goTabs) && !FGrid->EditorWantsTab()) {
    TDudSpinEdit::KeyDown(Key, Shift);
    return;
  }
  // Text that is no value of the kind within the bounds stays to be mended.
  if (!IsValidText(Text()) && !(AllowEmptyValue() && Trim(Text()).empty())) {
    MessageBeep(0);
    FGrid->ShowEntryNote();
    SelectAll();
    FGrid->FNoAutoAdvance = true;
    Key = 0;
    return;
  }
  const std::string text = Text();
  FGrid->WriteCurrentCell(text);
  if (!FGrid->ValidateCell(text)) {
    SetText(FGrid->GetCurrentCellText());
    SetSelStart(TextLength());
    FGrid->FNoAutoAdvance = true;
    Invalidate();
    Key = 0;
    return;
  }
  SetText(FGrid->GetCurrentCellText());
  if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
    FGrid->HideInplaceEdit();
    FocusGrid(FGrid);
    FGrid->TabAdvance(Shift.Contains(ssShift));
    Key = 0;
    return;
  }
  FGrid->DoneInplaceEdit(Key, Shift);
  TNavigation* nav = FGrid->Navigation();
  if (Key == VK_RETURN && nav->AdvanceOnEnter() && nav->AdvanceAutoEdit() && !FGrid->FNoAutoAdvance)
    FGrid->ShowInplaceEdit();
  Key = 0;
  TDudSpinEdit::KeyDown(Key, Shift);
}

void TGridSpin::KeyPress(char32_t& Key) {
  if (FGrid != nullptr) {
    if (Key == 9 || Key == 13) {
      Key = 0;
      return;
    }
    if (Key == 27) Key = 0;
  }
  TDudSpinEdit::KeyPress(Key);
}

void TGridSpin::Change() {
  TDudSpinEdit::Change();
  if (FGrid == nullptr || !Focused()) return;
  FGrid->EditProcessChange(this);
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridSpin::WndProc(TMessage& Message) {
  if (Message.Msg == WM_KEYUP && FGrid != nullptr) FGrid->FNoAutoAdvance = false;
  TDudSpinEdit::WndProc(Message);
}

void TGridSpin::DoExit() {
  if (FGrid != nullptr && !FGrid->FEditorsFreed && FGrid->EditMode()) FGrid->HideInplaceEdit();
  TDudSpinEdit::DoExit();
}

// ---------------------------------------------------------------------------
// TGridCheckBox

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner) {
  LinkGridKindEditorsPublished();
  FGrid = dynamic_cast<TDedAdararAdoz*>(AOwner);
  SetTabStop(false);
}

void TGridCheckBox::ReCreate() {
  if (HandleAllocated() && !Visible()) RecreateWnd();
}

void TGridCheckBox::CMWantSpecialKey(TMessage& Message) {
  // The keys that leave the cell reach KeyDown, not the form's focus moves.
  switch (static_cast<WORD>(Message.WParam)) {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      if (FGrid != nullptr) {
        Message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TCheckBox::CMWantSpecialKey(Message);
}

void TGridCheckBox::WndProc(TMessage& Message) {
  if (Message.Msg == WM_LBUTTONDOWN && FGrid != nullptr) {
    // The press toggles; its release then clicks nothing more.
    Toggle();
    if (!Focused() && CanFocus()) SetFocus();
    Message.Result = 0;
    return;
  }
  if (Message.Msg == WM_LBUTTONUP && FGrid != nullptr) {
    Message.Result = 0;
    return;
  }
  TCheckBox::WndProc(Message);
}

void TGridCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
  if (FGrid == nullptr) {
    TCheckBox::KeyDown(Key, Shift);
    return;
  }
  switch (Key) {
    case VK_SPACE:
      Toggle();
      Key = 0;
      return;
    case VK_ESCAPE:
      // Closes the editor without moving on (the check box writes nothing).
      FGrid->HideInplaceEdit();
      FocusGrid(FGrid);
      Key = 0;
      return;
    case VK_RETURN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
      const WORD k = Key;
      FGrid->HideInplaceEdit();
      FocusGrid(FGrid);
      if (k == VK_RETURN) FGrid->EnterAdvance(FGrid->Col(), FGrid->Row(), true);
      if (k == VK_UP || k == VK_DOWN) {
        WORD gk = k;
        FGrid->KeyDown(gk, Shift);
      }
      Key = 0;
      return;
    }
    default:
      TCheckBox::KeyDown(Key, Shift);
  }
}

void TGridCheckBox::DoExit() {
  if (FGrid != nullptr && !FGrid->FEditorsFreed && FGrid->EditMode()) FGrid->HideInplaceEdit();
  TCheckBox::DoExit();
}

// ---------------------------------------------------------------------------
// TGridButton

TGridButton::TGridButton(TComponent* AOwner) : TButton(AOwner) {
  LinkGridKindEditorsPublished();
  FGrid = dynamic_cast<TDedAdararAdoz*>(AOwner);
  SetTabStop(false);
}

void TGridButton::ReCreate() {
  if (HandleAllocated() && !Visible()) RecreateWnd();
}

void TGridButton::CMWantSpecialKey(TMessage& Message) {
  const auto key = static_cast<WORD>(Message.WParam);
  if (key == VK_ESCAPE || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
    Message.Result = 1;
    return;
  }
  TButton::CMWantSpecialKey(Message);
}

void TGridButton::WriteThrough() {
  std::string s;
  FGrid->DoEllipsClick(Caption(), s);
  SetCaption(s);
  FGrid->WriteCurrentCell(s);
}

void TGridButton::HideButton() {
  // Through the switch, so the edit ends as every other one does.
  if (FGrid->EditMode()) FGrid->HideInplaceEdit();
  SetVisible(false);
  SetEnabled(false);
  FocusGrid(FGrid);
}

void TGridButton::WndProc(TMessage& Message) {
  if (FGrid != nullptr && dynamic_cast<TDedAdararAdoz*>(Parent()) != nullptr) {
    if (Message.Msg == WM_LBUTTONUP && GetCapture() == Handle() &&
        PtInRect(ClientRect(), TPoint(Message.XPos(), Message.YPos())))
      WriteThrough();
    if (Message.Msg == WM_KEYUP && Message.WParam == VK_SPACE) {
      WriteThrough();
      if (CanFocus()) SetFocus();
      Invalidate();
    }
  }
  TButton::WndProc(Message);
}

void TGridButton::KeyDown(WORD& Key, TShiftState Shift) {
  if (FGrid == nullptr) {
    TButton::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN) {
    const WORD k = Key;
    HideButton();
    if (FGrid->HandleAllocated()) {
      SendMessage(FGrid->Handle(), WM_KEYDOWN, k, 0);
      SendMessage(FGrid->Handle(), WM_KEYUP, k, 0);
    }
    Key = 0;
    return;
  }
  if (Key == VK_ESCAPE) {
    // The cell gets back the text it had before the edit (a click may have
    // written through already).
    FGrid->CancelInplaceEdit();
    HideButton();
    if (FGrid->HandleAllocated()) SendMessage(FGrid->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Key = 0;
    return;
  }
  TButton::KeyDown(Key, Shift);
}

void TGridButton::DoExit() {
  if (FGrid != nullptr && !FGrid->FEditorsFreed && FGrid->EditMode() && Visible()) FGrid->HideInplaceEdit();
  TButton::DoExit();
}
