// The date and time pickers of the grid's date and time cells: Enter, Tab,
// Escape and focus loss become grid actions, and a digit that completes a
// part moves on to the next part.
#include "framework/controls/Forms.h"
#include "framework/controls/MonthCalendar.h"
#include "framework/rtl/Locale.h"
#include "framework/rtl/StrUtils.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevKindEditors.h"

void LinkGridKindEditorsPublished();

namespace {

void FocusGrid(TDedAdararAdoz* G) {
  if (G->CanFocus()) G->SetFocus();
}

bool IsDigitKey(char32_t K) { return K >= '0' && K <= '9'; }

}  // namespace

// ---------------------------------------------------------------------------
// TGridDatePicker

TGridDatePicker::TGridDatePicker(TComponent* AOwner) : TDudDateTimePicker(AOwner) {
  LinkGridKindEditorsPublished();
  FGrid = dynamic_cast<TDedAdararAdoz*>(AOwner);
  SetTabStop(false);
}

void TGridDatePicker::ReCreate() {
  if (HandleAllocated() && !Visible()) RecreateWnd();
}

void TGridDatePicker::CMWantSpecialKey(TMessage& Message) {
  TDudDateTimePicker::CMWantSpecialKey(Message);
  if (FGrid == nullptr) return;
  const auto key = static_cast<WORD>(Message.WParam);
  if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid->EditorWantsTab())) Message.Result = 1;
}

void TGridDatePicker::DropDown() {
  FOldDropped = true;
  TDudDateTimePicker::DropDown();
}

void TGridDatePicker::CloseUp() {
  FOldDropped = false;
  TDudDateTimePicker::CloseUp();
}

void TGridDatePicker::Change() {
  FUserChanged = true;
  TDudDateTimePicker::Change();
  // The grid hears every date the user picks.
  if (FGrid != nullptr) FGrid->DoDateTimeChange(DateTime());
}

void TGridDatePicker::KeyPress(char32_t& Key) {
  const char32_t typed = Key;
  if (FGrid != nullptr && IsDigitKey(Key)) {
    int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
    DecodeDate(DateTime(), y, m, d);
    DecodeTime(DateTime(), h, n, s, ms);
    Fy = static_cast<uint16_t>(y);
    Fm = static_cast<uint16_t>(m);
    Fd = static_cast<uint16_t>(d);
    Fth = static_cast<uint16_t>(h);
    Ftm = static_cast<uint16_t>(n);
    Fts = static_cast<uint16_t>(s);
    Ftms = static_cast<uint16_t>(ms);
    TDudDateTimePicker::KeyPress(Key);
    if (HandleAllocated() && DTPShiftFocusMessage() != 0) PostMessage(Handle(), DTPShiftFocusMessage(), 0, 0);
  } else {
    TDudDateTimePicker::KeyPress(Key);
  }
  if (FGrid != nullptr && FGrid->OnKeyPress) {
    char32_t k = typed;
    FGrid->OnKeyPress(FGrid, k);
  }
}

void TGridDatePicker::ShiftFocus() {
  // A part still being typed is not complete yet.
  if (Typing() || !HandleAllocated()) return;
  int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
  DecodeDate(DateTime(), y, m, d);
  DecodeTime(DateTime(), h, n, s, ms);
  bool move = false;
  if (Kind() == dtkTime) {
    move = h != Fth || n != Ftm || s != Fts;
  } else if (!Format().empty()) {
    const char last = Format().back();
    const bool dayLast = last == 'd' || last == 'D';
    const bool monthLast = last == 'm' || last == 'M';
    const bool yearLast = last == 'y' || last == 'Y';
    const bool dayChanged = d != Fd, monthChanged = m != Fm, yearChanged = y != Fy;
    if ((dayChanged && dayLast) || (monthChanged && monthLast) || (yearChanged && yearLast))
      move = false;
    else
      move = dayChanged || monthChanged || yearChanged;
  } else {
    move = d != Fd || m != Fm;
  }
  if (move) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
}

void TGridDatePicker::WndProc(TMessage& Message) {
  TDudDateTimePicker::WndProc(Message);
  if (DTPShiftFocusMessage() != 0 && Message.Msg == DTPShiftFocusMessage()) ShiftFocus();
}

void TGridDatePicker::WMNCPaint(TMessage& Message) {
  TDudDateTimePicker::WMNCPaint(Message);
  // No border shows inside the cell.
  auto* dc = reinterpret_cast<TCanvas*>(Message.WParam);
  if (dc == nullptr || FGrid == nullptr) return;
  dc->Brush()->SetColor(clWindow);
  TRect r(0, 0, Width(), Height());
  dc->FrameRect(r);
  InflateRect(r, -1, -1);
  dc->FrameRect(r);
}

void TGridDatePicker::KeyDown(WORD& Key, TShiftState Shift) {
  const bool handled = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                       Key == VK_NEXT || Key == VK_END;
  // The dropped calendar takes its own keys (Enter picks, Escape closes it).
  if (FGrid == nullptr || !handled || DroppedDown()) {
    TDudDateTimePicker::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_ESCAPE) {
    // The cell keeps the text it had when the edit began.
    FGrid->CancelInplaceEdit();
    FocusGrid(FGrid);
    Key = 0;
    return;
  }
  auto commit = [&]() {
    // A value committed by a key counts as chosen, also when unchanged.
    FUserChanged = true;
    FGrid->WriteCurrentCell(DisplayText());
    const bool valid = FGrid->ValidateCell(DisplayText());
    const std::string back = valid ? FGrid->GetCurrentCellText() : FGrid->NewCellText();
    TDateTime v = 0;
    const bool read = Kind() == dtkTime ? TryStrToTime(back, v) : FGrid->ReadCellDate(back, v);
    if (read) {
      try {
        if (Kind() == dtkTime)
          SetTime(v);
        else
          SetDate(v);
      } catch (const Exception&) {
        // Outside the bounds: the picker keeps its date.
      }
    }
    Invalidate();
    return valid;
  };
  if (Key == VK_RETURN) {
    // The part being typed is taken first.
    Perform(WM_KEYDOWN, VK_RIGHT, 0);
    Perform(WM_KEYUP, VK_RIGHT, 0);
    if (!commit()) {
      FGrid->FNoAutoAdvance = true;
      Key = 0;
      return;
    }
  }
  if (Key == VK_TAB) {
    if (!FGrid->EditorWantsTab()) {
      TDudDateTimePicker::KeyDown(Key, Shift);
      return;
    }
    if (!commit()) {
      Key = 0;
      return;
    }
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

void TGridDatePicker::DoExit() {
  if (FGrid != nullptr && !FGrid->FEditorsFreed && FGrid->EditMode()) FGrid->HideInplaceEdit();
  TDudDateTimePicker::DoExit();
}

// ---------------------------------------------------------------------------
// TGridDateTimePicker

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner) : TDudDateTimePicker(AOwner) {
  LinkGridKindEditorsPublished();
  FGrid = dynamic_cast<TDedAdararAdoz*>(AOwner);
  SetTabStop(false);
  UseDateAndTimeFormat();
}

void TGridDateTimePicker::UseDateAndTimeFormat() {
  const TFormatSettings& fs = FormatSettings();
  SetKind(dtkDate);
  SetFormat(fs.ShortDateFormat + " " + fs.ShortTimeFormat);
}

void TGridDateTimePicker::CMWantSpecialKey(TMessage& Message) {
  TDudDateTimePicker::CMWantSpecialKey(Message);
  if (FGrid == nullptr) return;
  const auto key = static_cast<WORD>(Message.WParam);
  if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid->EditorWantsTab())) Message.Result = 1;
}

void TGridDateTimePicker::Change() {
  FUserChanged = true;
  TDudDateTimePicker::Change();
  // The grid hears every date the user picks.
  if (FGrid != nullptr) FGrid->DoDateTimeChange(DateTime());
}

void TGridDateTimePicker::KeyDown(WORD& Key, TShiftState Shift) {
  if (FGrid == nullptr || DroppedDown()) {
    TDudDateTimePicker::KeyDown(Key, Shift);
    return;
  }
  switch (Key) {
    case VK_ESCAPE:
      // Date and time as they opened, and the cell as it was.
      try {
        SetDateTime(FGrid->OriginalDateTime());
      } catch (const Exception&) {
      }
      FGrid->CancelInplaceEdit();
      FocusGrid(FGrid);
      Key = 0;
      return;
    case VK_RETURN:
      FUserChanged = true;
      FGrid->HideInplaceEdit();
      FocusGrid(FGrid);
      FGrid->EnterAdvance(FGrid->Col(), FGrid->Row());
      Key = 0;
      return;
    case VK_TAB:
      if (FGrid->EditorWantsTab()) {
        FUserChanged = true;
        FGrid->HideInplaceEdit();
        FocusGrid(FGrid);
        FGrid->TabAdvance(Shift.Contains(ssShift));
        Key = 0;
        return;
      }
      break;
    default:
      break;
  }
  TDudDateTimePicker::KeyDown(Key, Shift);
}

void TGridDateTimePicker::DoExit() {
  if (FGrid != nullptr && !FGrid->FEditorsFreed && FGrid->EditMode()) FGrid->HideInplaceEdit();
  TDudDateTimePicker::DoExit();
}
