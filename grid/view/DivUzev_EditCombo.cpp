// The combo editor TGridCombo of drop-down list and drop-down edit cells:
// the keys that end or leave an edit become grid actions (write the value,
// validate, move on), selection changes by key, wheel or pick fire the
// grid's combo events, typed text is completed from the items or the
// lookup list, and losing the focus closes the edit with its value kept.
#include <algorithm>

#include "framework/controls/Forms.h"
#include "framework/rtl/StrUtils.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevEditors.h"

namespace {

std::u32string UpperText(const std::u32string& S) {
  std::u32string r = S;
  for (char32_t& c : r) c = AnsiUpperChar(c);
  return r;
}

bool StartsWith(const std::u32string& Item, const std::u32string& Prefix, bool CaseSensitive) {
  if (Item.size() < Prefix.size()) return false;
  const std::u32string head = Item.substr(0, Prefix.size());
  return CaseSensitive ? head == Prefix : UpperText(head) == UpperText(Prefix);
}

// Sets a flag for a scope.
struct TFlagOn {
  bool& flag;
  bool saved;
  explicit TFlagOn(bool& Flag) : flag(Flag), saved(Flag) { flag = true; }
  ~TFlagOn() { flag = saved; }
  TFlagOn(const TFlagOn&) = delete;
  TFlagOn& operator=(const TFlagOn&) = delete;
};

}  // namespace

void LinkGridEditorsPublished();

TGridCombo::TGridCombo(TComponent* AOwner) : TDudComboBox(AOwner) {
  LinkGridEditorsPublished();
  FWorkMode = true;
  FGrid = dynamic_cast<TDedAdararAdoz*>(AOwner);
  SetButtonWidth(16);
  SetTabStop(false);
}

// ---------------------------------------------------------------------------
// Keys

void TGridCombo::CMWantSpecialKey(TMessage& Message) {
  TDudComboBox::CMWantSpecialKey(Message);
  if (FGrid == nullptr) return;
  const auto key = static_cast<WORD>(Message.WParam);
  if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid->EditorWantsTab())) Message.Result = 1;
}

bool TGridCombo::WriteAndValidate(bool SelectOnRefuse) {
  const std::string text = Text();
  FGrid->WriteCurrentCell(text);
  FGrid->FNewCellText = text;
  if (!FGrid->ValidateCell(text)) {
    // The value stays in the editor as the validation left it.
    SetText(FGrid->FNewCellText);
    if (SelectOnRefuse && Style() == csDropDown)
      SelectAll();
    else if (Style() == csDropDown)
      SetSelStart(TextLength());
    Invalidate();
    return false;
  }
  const std::string cell = FGrid->GetCurrentCellText();
  if (Style() == csDropDownList) {
    const int i = Items()->IndexOf(cell);
    if (i >= 0) SetItemIndex(i);
  } else if (Text() != cell) {
    SetText(cell);
  }
  return true;
}

void TGridCombo::KeyDown(WORD& Key, TShiftState Shift) {
  if (FGrid == nullptr) {
    TDudComboBox::KeyDown(Key, Shift);
    return;
  }
  TNavigation* nav = FGrid->Navigation();
  bool dd = Style() == csDropDownList || DroppedDown();
  auto special = [&](WORD k) {
    if (dd) return k == VK_TAB || k == VK_RETURN || k == VK_ESCAPE || k == VK_LEFT || k == VK_RIGHT;
    return k == VK_TAB || k == VK_RETURN || k == VK_ESCAPE || k == VK_PRIOR || k == VK_NEXT || k == VK_END ||
           k == VK_UP || k == VK_DOWN;
  };
  bool isSpecial = special(Key);
  FWorkMode = Key != VK_BACK && Key != VK_DELETE;

  if ((Key == VK_UP || Key == VK_DOWN) && !nav->ComboGetUpDown() && !DroppedDown() &&
      !Shift.Contains(ssAlt)) {
    // The list keeps no Up and Down of its own: they leave the cell.
    FGrid->HideInplaceEdit();
    const bool alwaysEdit = nav->AlwaysEdit();
    nav->SetAlwaysEdit(false);
    try {
      if (FGrid->CanFocus()) FGrid->SetFocus();
      WORD k = Key;
      FGrid->KeyDown(k, Shift);
    } catch (...) {
      nav->SetAlwaysEdit(alwaysEdit);
      throw;
    }
    nav->SetAlwaysEdit(alwaysEdit);
    Key = 0;
    return;
  }
  if (Shift.Contains(ssAlt) && Key == VK_DOWN) isSpecial = false;
  dd = Style() == csDropDownList || DroppedDown();
  if (!isSpecial) {
    TDudComboBox::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_ESCAPE) {
    // The cell keeps its text; the list's own Escape closes only the list.
    if (DroppedDown()) {
      TDudComboBox::KeyDown(Key, Shift);
      return;
    }
    FGrid->CancelInplaceEdit();
    if (FGrid->CanFocus()) FGrid->SetFocus();
    Key = 0;
    return;
  }
  if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    // A dropped list takes the highlighted row first.
    if (DroppedDown()) SetDroppedDown(false);
    if (!WriteAndValidate(true)) {
      Key = 0;
      FGrid->FNoAutoAdvance = true;
      return;
    }
  }
  if (Key == VK_TAB) {
    if (!FGrid->EditorWantsTab()) return;
    if (DroppedDown()) SetDroppedDown(false);
    if (!WriteAndValidate(false)) {
      Key = 0;
      return;
    }
    if (FGrid->Options().Contains(goTabs)) {
      FGrid->HideInplaceEdit();
      if (FGrid->CanFocus()) FGrid->SetFocus();
      FGrid->TabAdvance(Shift.Contains(ssShift));
    } else {
      FGrid->HideInplaceEdit();
      if (FGrid->CanFocus()) FGrid->SetFocus();
      if (FGrid->HandleAllocated()) PostMessage(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    Key = 0;
    return;
  }
  if (dd) {
    TMouseActions* mouse = FGrid->MouseActions();
    const bool directClose = mouse->DirectComboClose();
    mouse->SetDirectComboClose(false);
    try {
      FGrid->HideInplaceEdit();
    } catch (...) {
      mouse->SetDirectComboClose(directClose);
      throw;
    }
    mouse->SetDirectComboClose(directClose);
    if (Key == VK_LEFT || Key == VK_RIGHT) {
      if (FGrid->CanFocus()) FGrid->SetFocus();
      WORD k = Key;
      FGrid->KeyDown(k, Shift);
      Key = 0;
    }
  } else if (Key == VK_END || (Key == VK_DOWN && Shift.Contains(ssAlt))) {
    TDudComboBox::KeyDown(Key, Shift);
    return;
  }
  FGrid->DoneInplaceEdit(Key, Shift);
  if (nav->AdvanceOnEnter() && nav->AdvanceAutoEdit() && Key == VK_RETURN && !FGrid->FNoAutoAdvance)
    FGrid->ShowInplaceEdit();
  Key = 0;
  TDudComboBox::KeyDown(Key, Shift);
}

void TGridCombo::KeyPress(char32_t& Key) {
  if (FGrid == nullptr) {
    TDudComboBox::KeyPress(Key);
    return;
  }
  const int old = ItemIndex();
  if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
  if (Key == 27) Key = 0;
  if (Key == 13 && OnReturnKey) OnReturnKey(this);
  if (Key == 13 || Key == 9) Key = 0;
  {
    // The change is reported once, below, not by the selection notice.
    TFlagOn quiet(FInKeyPress);
    TDudComboBox::KeyPress(Key);
  }
  // The list kind picks by letter; the edit kind reports its text changes.
  if (ItemIndex() != old && Style() != csDropDown) FireComboEvents(ItemIndex());
}

void TGridCombo::KeyUp(WORD& Key, TShiftState Shift) {
  if (FGrid == nullptr) {
    TDudComboBox::KeyUp(Key, Shift);
    return;
  }
  TNavigation* nav = FGrid->Navigation();
  const bool walk = Style() == csDropDown && nav->CursorWalkEditor() && SelLength() == 0 && Shift.Empty();
  if (walk && ((Key == VK_LEFT && SelStart() == 0) || (Key == VK_RIGHT && SelStart() == TextLength()))) {
    const bool forward = Key == VK_RIGHT;
    Key = 0;
    // To the neighbouring cell, its editor open as the settings say.
    const std::string text = Text();
    FGrid->WriteCurrentCell(text);
    FGrid->FNewCellText = text;
    if (FGrid->ValidateCell(text)) {
      FGrid->HideInplaceEdit();
      if (FGrid->CanFocus()) FGrid->SetFocus();
      const int span = FGrid->CellSpan(FGrid->RealCol(), FGrid->Row()).X;
      const int target = forward ? FGrid->Col() + span + 1 : FGrid->Col() - 1;
      if (target >= FGrid->FixedCols() && target < FGrid->ColCount() - FGrid->FixedRightCols()) {
        FGrid->SetCol(target);
        if (nav->CursorWalkAlwaysEdit()) FGrid->ShowInplaceEdit();
      }
    }
  }
  FGrid->FNoAutoAdvance = false;
  if (Key != VK_RETURN) TDudComboBox::KeyUp(Key, Shift);
  DoChange();
}

// ---------------------------------------------------------------------------
// Changes and completion

void TGridCombo::Change() {
  TDudComboBox::Change();
  if (FGrid == nullptr) return;
  FGrid->CanEditModify();
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
  if (FUserEdit && Style() == csDropDown && Visible() && FGrid->EditMode()) FireEditChangeEvents();
}

void TGridCombo::FireEditChangeEvents() {
  const int i = ItemIndex();
  const bool item = i >= 0 && i < Items()->Count();
  const std::string text = item ? Items()->Strings(i) : Text();
  const int rc = FGrid->RealCol();
  if (FGrid->OnComboChange) FGrid->OnComboChange(FGrid, rc, FGrid->Row(), item ? i : -1, text);
  if (FGrid->OnComboObjectChange)
    FGrid->OnComboObjectChange(FGrid, rc, FGrid->Row(), item ? i : -1, text,
                               item ? Items()->Objects(i) : nullptr);
  if (FGrid->OnComboChange) FGrid->OnComboChange(FGrid, FGrid->Col(), FGrid->Row(), -1, Text());
}

void TGridCombo::Select() {
  TDudComboBox::Select();
  // A pick from the list or a step with the arrow keys.
  if (FGrid != nullptr && !FInKeyPress && Visible()) FireComboEvents(ItemIndex());
}

void TGridCombo::FireComboEvents(int Index) {
  if (Index < 0 || Index >= Items()->Count()) return;
  const int rc = FGrid->RealCol();
  const std::string item = Items()->Strings(Index);
  if (FGrid->OnComboChange) FGrid->OnComboChange(FGrid, rc, FGrid->Row(), Index, item);
  if (FGrid->OnComboObjectChange)
    FGrid->OnComboObjectChange(FGrid, rc, FGrid->Row(), Index, item, Items()->Objects(Index));
}

void TGridCombo::DoChange() {
  if (FGrid == nullptr || !FWorkMode || !FGrid->Lookup()) return;
  const bool cs = FGrid->LookupCaseSensitive();
  const std::u32string text = Utf8ToUtf32(Text());
  const std::u32string typed = text.substr(0, std::min(text.size(), static_cast<size_t>(SelStart())));
  if (typed.empty()) return;
  auto complete = [&](const std::string& ItemText) {
    std::u32string completed = typed + Utf8ToUtf32(ItemText).substr(typed.size());
    if (completed.size() > 255) completed.resize(255);
    SetText(Utf32ToUtf8(completed));
    SetSelection(static_cast<int>(typed.size()), static_cast<int>(completed.size()));
  };
  for (int i = 0; i < Items()->Count(); ++i) {
    if (!StartsWith(Utf8ToUtf32(Items()->Strings(i)), typed, cs)) continue;
    SetItemIndex(i);
    complete(Items()->Strings(i));
    return;
  }
  TStringList* lookup = FGrid->LookupItems();
  for (int i = 0; i < lookup->Count(); ++i) {
    if (!StartsWith(Utf8ToUtf32(lookup->Strings(i)), typed, cs)) continue;
    complete(lookup->Strings(i));
    return;
  }
}

void TGridCombo::SizeDropDownWidth() {
  if (FGrid == nullptr) return;
  int w = Width();
  const bool scroll = Items()->Count() > DropDownCount();
  TCanvas* c = FGrid->Canvas();
  c->Font()->Assign(Font());
  for (int i = 0; i < Items()->Count(); ++i) {
    const int t = c->TextWidth(Items()->Strings(i));
    if (scroll) {
      if (t > w - 25) w = t + 25;
    } else if (t > w - 5) {
      w = t + 8;
    }
  }
  Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(w), 0);
}

// ---------------------------------------------------------------------------
// Wheel, focus

void TGridCombo::WndProc(TMessage& Message) {
  const UINT m = Message.Msg;
  const bool user = m == WM_CHAR || m == WM_PASTE || m == WM_CUT || m == WM_CLEAR || m == WM_UNDO ||
                    (m == WM_KEYDOWN && Message.WParam == VK_DELETE);
  TFlagOn userEdit(FUserEdit);
  if (!user) FUserEdit = userEdit.saved;
  if (FGrid != nullptr && Message.Msg == WM_MOUSEWHEEL && !DroppedDown() && Items()->Count() > 0) {
    const int delta = static_cast<int16_t>(Message.WParamHi());
    const int old = ItemIndex();
    int i = old;
    if (delta < 0) i = std::min(i + 1, Items()->Count() - 1);
    if (delta > 0) i = std::max(i - 1, 0);
    if (i != old) {
      SetItemIndex(i);
      const std::string item = Items()->Strings(i);
      if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->RealCol(), FGrid->Row(), item);
      FireComboEvents(i);
    }
    Message.Result = 0;
    return;
  }
  TDudComboBox::WndProc(Message);
  if (Message.Msg == WM_SETFOCUS && FGrid != nullptr) AfterFocus();
}

void TGridCombo::AfterFocus() {
  if (!FGrid->Navigation()->EditSelectAll() && Style() == csDropDown) SetSelStart(TextLength());
  if (FGrid->LButFlg) {
    const TPoint p = ScreenToClient(::CursorPos());
    if (PtInRect(ClientRect(), p) && Style() == csDropDown) {
      const int i = CharFromPoint(p);
      SetSelection(i, i);
    }
    FGrid->LButFlg = false;
  }
}

void TGridCombo::DoExit() {
  if (FGrid != nullptr && !FGrid->FEditorsFreed) {
    if (FGrid->LookupHistory() && !Text().empty() && Items()->IndexOf(Text()) < 0) Items()->Add(Text());
    FGrid->HideInplaceEdit();
  }
  TDudComboBox::DoExit();
}
