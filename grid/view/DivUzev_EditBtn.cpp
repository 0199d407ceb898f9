// The edit-with-button and unit editors of the grid's cells: the button
// asks the grid's ellipsis event for the new text; the keys that leave the
// cell write, validate and move on; typed and pasted text is filtered by
// the cell's kind.
#include <algorithm>

#include "framework/controls/Clipbrd.h"
#include "framework/controls/Forms.h"
#include "framework/rtl/StrUtils.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevEditors.h"
#include "grid/view/DivUzevKindEditors.h"

void LinkGridKindEditorsPublished();

namespace {

void FocusGrid(TDedAdararAdoz* G) {
  if (G->CanFocus()) G->SetFocus();
}

// The text kind whose typing rules a control kind follows; edNormal takes
// everything, edNone nothing.
TEditorType TypingKind(TEditorType Kind) {
  switch (Kind) {
    case edEditBtn:
    case edMaskEditBtn:
    case edUnitEditBtn:
      return edNormal;
    case edNumericEditBtn:
    case edNumericUnitEditBtn:
      return edNumeric;
    case edFloatEditBtn:
    case edFloatUnitEditBtn:
      return edFloat;
    default:
      return edNone;
  }
}

bool LeavesCell(WORD Key) {
  return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
         Key == VK_UP || Key == VK_DOWN;
}

bool CtrlDown() { return GetKeyState(VK_CONTROL) < 0; }

// A typed character through the cell kind's filter; false when dropped.
bool FilterChar(TEditorType Kind, TMessage& Message, const std::string& Text, int SelStart, int SelLen) {
  const auto ch = static_cast<char32_t>(Message.WParam);
  const TEditorType typing = TypingKind(Kind);
  if (typing == edNone) return false;
  if (typing == edNormal) return true;
  const int verdict = NumberCharVerdict(typing, ch, Utf8ToUtf32(Text), SelStart, SelLen, CtrlDown());
  if (verdict == 2) MessageBeep(0);
  return verdict == 0;
}

// Text of a number kind that is no number: beeps, shows the grid's note.
bool RefuseNotANumber(TDedAdararAdoz* G, TEditorType Kind, const std::string& Text) {
  const TEditorType typing = TypingKind(Kind);
  if (typing != edNumeric && typing != edFloat) return false;
  if (Trim(Text).empty() || KindTextAccepted(typing, Text, std::string())) return false;
  MessageBeep(0);
  G->ShowEntryNote();
  return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// TGridEditBtn

TGridEditBtn::TGridEditBtn(TComponent* AOwner) : TDudEditBtn(AOwner) {
  LinkGridKindEditorsPublished();
  FGrid = dynamic_cast<TDedAdararAdoz*>(AOwner);
  OnClickBtn = [this](TObject* Sender) { ButtonClick(Sender); };
  WorkMode = true;
  SetTabStop(false);
}

void TGridEditBtn::ReCreate() {
  if (HandleAllocated() && !Visible()) RecreateWnd();
}

void TGridEditBtn::CMWantSpecialKey(TMessage& Message) {
  TDudEditBtn::CMWantSpecialKey(Message);
  if (FGrid == nullptr) return;
  const auto key = static_cast<WORD>(Message.WParam);
  if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid->EditorWantsTab())) Message.Result = 1;
}

void TGridEditBtn::ButtonClick(TObject*) {
  if (FGrid == nullptr) return;
  std::string s;
  FGrid->DoEllipsClick(Text(), s);
  SetText(s);
  SelectAll();
  Invalidate();
  if (FStopEditAfterClick) {
    FGrid->HideInplaceEdit();
    FocusGrid(FGrid);
  }
}

void TGridEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  if (FGrid == nullptr) {
    TDudEditBtn::KeyDown(Key, Shift);
    return;
  }
  const bool leaves = LeavesCell(Key);
  if (!leaves && FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
  WorkMode = Key != VK_BACK && Key != VK_DELETE;
  FSelKeyDown = SelStart();
  if (Shift.Contains(ssCtrl) || !leaves) {
    TDudEditBtn::KeyDown(Key, Shift);
    return;
  }
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
  const TEditorType kind = FGrid->EditControl();
  if (Key == VK_ESCAPE) {
    // The cell keeps the text it had when the edit began.
    FGrid->CancelInplaceEdit();
    FocusGrid(FGrid);
    Key = 0;
    return;
  }
  if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    if (RefuseNotANumber(FGrid, kind, Text())) {
      SelectAll();
      FGrid->FNoAutoAdvance = true;
      Key = 0;
      return;
    }
    const std::string text = Text();
    FGrid->WriteCurrentCell(text);
    const bool valid = FGrid->ValidateCell(text);
    SetText(FGrid->NewCellText());
    if (!valid) {
      SelectAll();
      Invalidate();
      FGrid->FNoAutoAdvance = true;
      FGrid->FEditControl = kind;
      Key = 0;
      return;
    }
  }
  if (Key == VK_TAB && FGrid->EditorWantsTab()) {
    FGrid->HideInplaceEdit();
    FocusGrid(FGrid);
    if (FGrid->Options().Contains(goTabs))
      FGrid->TabAdvance(Shift.Contains(ssShift));
    else if (FGrid->HandleAllocated())
      PostMessage(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
    Key = 0;
    return;
  }
  FGrid->DoneInplaceEdit(Key, Shift);
  Key = 0;
}

void TGridEditBtn::KeyUp(WORD& Key, TShiftState Shift) {
  if (FGrid == nullptr) {
    TDudEditBtn::KeyUp(Key, Shift);
    return;
  }
  if (FGrid->OnKeyUp) FGrid->OnKeyUp(FGrid, Key, Shift);
  TNavigation* nav = FGrid->Navigation();
  const bool walk = nav->CursorWalkEditor() && SelLength() == 0 && Shift.Empty() && Visible();
  if (walk && ((Key == VK_RIGHT && SelStart() == TextLength()) || (Key == VK_LEFT && FSelKeyDown == 0))) {
    const bool forward = Key == VK_RIGHT;
    Key = 0;
    const std::string text = Text();
    FGrid->WriteCurrentCell(text);
    if (FGrid->ValidateCell(text)) {
      FGrid->HideInplaceEdit();
      FocusGrid(FGrid);
      const int span = FGrid->CellSpan(FGrid->RealCol(), FGrid->Row()).X;
      const int target = forward ? FGrid->Col() + span + 1 : FGrid->Col() - 1;
      if (target >= FGrid->FixedCols() && target < FGrid->ColCount() - FGrid->FixedRightCols()) {
        FGrid->SetCol(target);
        if (nav->CursorWalkAlwaysEdit()) FGrid->ShowInplaceEdit();
      }
    }
    return;
  }
  FGrid->FNoAutoAdvance = false;
  if (Key != VK_RETURN) TDudEditBtn::KeyUp(Key, Shift);
  Complete();
}

void TGridEditBtn::Complete() {
  if (!WorkMode || !FGrid->Lookup() || !Visible()) return;
  const bool cs = FGrid->LookupCaseSensitive();
  const std::u32string text = Utf8ToUtf32(Text());
  const std::u32string typed = text.substr(0, std::min(text.size(), static_cast<size_t>(SelStart())));
  if (typed.empty()) return;
  TStringList* lookup = FGrid->LookupItems();
  for (int i = 0; i < lookup->Count(); ++i) {
    const std::u32string item = Utf8ToUtf32(lookup->Strings(i));
    if (item.size() < typed.size()) continue;
    const std::string head = Utf32ToUtf8(item.substr(0, typed.size()));
    const bool match =
        cs ? head == Utf32ToUtf8(typed) : AnsiUpperCase(head) == AnsiUpperCase(Utf32ToUtf8(typed));
    if (!match) continue;
    SetText(Utf32ToUtf8(typed + item.substr(typed.size())));
    SetSelection(static_cast<int>(typed.size()), static_cast<int>(item.size()));
    return;
  }
}

void TGridEditBtn::KeyPress(char32_t& Key) {
  if (FGrid != nullptr) {
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
    if (Key == 9) {
      Key = 0;
      return;
    }
  }
  TDudEditBtn::KeyPress(Key);
}

void TGridEditBtn::Paste() {
  bool allow = Clipboard()->HasFormat(CF_TEXT);
  std::string pasted = Clipboard()->AsText();
  if (FGrid->OnClipboardPaste) FGrid->OnClipboardPaste(this, allow);
  if (allow && FGrid->OnClipboardBeforePasteCell)
    FGrid->OnClipboardBeforePasteCell(this, FGrid->Col(), FGrid->Row(), pasted, allow);
  if (!allow) return;
  std::u32string t = Utf8ToUtf32(pasted);
  const size_t br = t.find(U"\r\n");
  if (br != std::u32string::npos && br + 2 == t.size()) t.resize(br);
  const std::u32string text = Utf8ToUtf32(Text());
  const int ss = std::min(SelStart(), static_cast<int>(text.size()));
  const int sl = std::min(SelLength(), static_cast<int>(text.size()) - ss);
  const std::u32string r =
      text.substr(0, static_cast<size_t>(ss)) + t + text.substr(static_cast<size_t>(ss + sl));
  const TEditorType typing = TypingKind(FGrid->EditControl());
  // A number cell takes a paste only when the result is a number.
  if (typing == edNone || ((typing == edNumeric || typing == edFloat) &&
                           !KindTextAccepted(typing, Utf32ToUtf8(r), std::string()))) {
    MessageBeep(0);
    return;
  }
  SetText(Utf32ToUtf8(r));
  const int caret = ss + static_cast<int>(t.size());
  SetSelection(caret, caret);
  FGrid->SetCurrentEditText(Text());
}

void TGridEditBtn::WndProc(TMessage& Message) {
  if (FGrid != nullptr && Visible()) {
    if (Message.Msg == WM_CHAR) {
      const auto ch = static_cast<char32_t>(Message.WParam);
      if (ch == 13 || ch == 9) return;
      // Clipboard keys are commands, not text.
      if (ch != 1 && ch != 3 && ch != 22 && ch != 24 && ch != 26 &&
          !FilterChar(FGrid->EditControl(), Message, Text(), SelStart(), SelLength()))
        return;
    } else if (Message.Msg == WM_PASTE) {
      if (!ReadOnly()) Paste();
      return;
    }
  }
  TDudEditBtn::WndProc(Message);
}

void TGridEditBtn::Change() {
  TDudEditBtn::Change();
  if (FGrid == nullptr || !Focused()) return;
  FGrid->EditProcessChange(this);
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridEditBtn::DblClick() {
  TDudEditBtn::DblClick();
  if (FGrid != nullptr && FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TGridEditBtn::DoExit() {
  if (FGrid != nullptr && !FGrid->FEditorsFreed && FGrid->EditMode()) FGrid->HideInplaceEdit();
  TDudEditBtn::DoExit();
}

// ---------------------------------------------------------------------------
// TGridUnitEditBtn

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner) : TDudUnitEditBtn(AOwner) {
  LinkGridKindEditorsPublished();
  FGrid = dynamic_cast<TDedAdararAdoz*>(AOwner);
  OnClickBtn = [this](TObject* Sender) { ButtonClick(Sender); };
  SetTabStop(false);
}

void TGridUnitEditBtn::ReCreate() {
  if (HandleAllocated() && !Visible()) RecreateWnd();
}

void TGridUnitEditBtn::CMWantSpecialKey(TMessage& Message) {
  TDudUnitEditBtn::CMWantSpecialKey(Message);
  if (FGrid == nullptr) return;
  const auto key = static_cast<WORD>(Message.WParam);
  if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid->Options().Contains(goTabs)))
    Message.Result = 1;
}

void TGridUnitEditBtn::ButtonClick(TObject*) {
  if (FGrid == nullptr) return;
  std::string s;
  FGrid->DoEllipsClick(Text(), s);
  SetText(s);
  SelectAll();
  Invalidate();
}

void TGridUnitEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  if (FGrid == nullptr || !LeavesCell(Key)) {
    TDudUnitEditBtn::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_ESCAPE) {
    FGrid->CancelInplaceEdit();
    FocusGrid(FGrid);
    Key = 0;
    return;
  }
  if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    if (RefuseNotANumber(FGrid, FGrid->EditControl(), Text())) {
      SelectAll();
      FGrid->FNoAutoAdvance = true;
      Key = 0;
      return;
    }
    const std::string value = TextAndUnit();
    FGrid->WriteCurrentCell(value);
    const bool valid = FGrid->ValidateCell(value);
    SetTextAndUnit(FGrid->GetCurrentCellText());
    if (!valid) {
      FGrid->FNoAutoAdvance = true;
      Key = 0;
      return;
    }
  }
  TNavigation* nav = FGrid->Navigation();
  if (Key == VK_RETURN && nav->AdvanceOnEnter()) {
    FGrid->HideInplaceEdit();
    FocusGrid(FGrid);
    Key = 0;
    FGrid->EnterAdvance(FGrid->Col(), FGrid->Row(), true);
    return;
  }
  if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
    FGrid->HideInplaceEdit();
    FocusGrid(FGrid);
    FGrid->TabAdvance(Shift.Contains(ssShift));
    Key = 0;
    return;
  }
  FGrid->DoneInplaceEdit(Key, Shift);
  Key = 0;
}

void TGridUnitEditBtn::WndProc(TMessage& Message) {
  if (FGrid != nullptr && Visible() && Message.Msg == WM_CHAR) {
    const auto ch = static_cast<char32_t>(Message.WParam);
    if (ch == 13) return;
    if (ch != 1 && ch != 3 && ch != 22 && ch != 24 && ch != 26 && ch != 9 &&
        !FilterChar(FGrid->EditControl(), Message, Text(), SelStart(), SelLength()))
      return;
  }
  if (FGrid != nullptr && Visible() && Message.Msg == WM_PASTE) {
    const TEditorType typing = TypingKind(FGrid->EditControl());
    if (typing == edNumeric || typing == edFloat) {
      // Only a paste that leaves a number goes in.
      std::u32string t = Utf8ToUtf32(Clipboard()->AsText());
      const size_t br = t.find_first_of(U"\r\n");
      if (br != std::u32string::npos) t.resize(br);
      const std::u32string text = Utf8ToUtf32(Text());
      const int ss = std::min(SelStart(), static_cast<int>(text.size()));
      const int sl = std::min(SelLength(), static_cast<int>(text.size()) - ss);
      const std::string r = Utf32ToUtf8(text.substr(0, static_cast<size_t>(ss)) + t +
                                        text.substr(static_cast<size_t>(ss + sl)));
      if (!KindTextAccepted(typing, r, std::string())) {
        MessageBeep(0);
        return;
      }
    }
  }
  TDudUnitEditBtn::WndProc(Message);
}

void TGridUnitEditBtn::DoExit() {
  if (FGrid != nullptr && !FGrid->FEditorsFreed && FGrid->EditMode()) FGrid->HideInplaceEdit();
  TDudUnitEditBtn::DoExit();
}
