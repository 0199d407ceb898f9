#include "framework/controls/CheckListBox.h"

#include <algorithm>

#include "framework/controls/StdMessages.h"
#include "framework/graphics/Gdi.h"

TCheckListBox::TCheckListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}

TCheckBoxState TCheckListBox::State(int Index) const {
  if (Index < 0 || Index >= Count()) return cbUnchecked;
  return static_cast<TCheckBoxState>(Data()[static_cast<size_t>(Index)].State);
}

void TCheckListBox::SetState(int Index, TCheckBoxState Value) {
  if (Index < 0 || Index >= Count()) return;
  uint8_t& s = Data()[static_cast<size_t>(Index)].State;
  if (s == static_cast<uint8_t>(Value)) return;
  s = static_cast<uint8_t>(Value);
  Invalidate();
}

bool TCheckListBox::InCheckBox(const TPoint& Pos) const {
  return ItemAtPos(Pos, true) >= 0 && Pos.X >= 0 && Pos.X < CheckWidth;
}

void TCheckListBox::ClickCheck(int) {
  if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::ToggleByUser(int Index) {
  if (Index < 0 || Index >= Count() || !Enabled()) return;
  TCheckBoxState next = cbUnchecked;
  switch (State(Index)) {
    case cbUnchecked:
      next = cbChecked;
      break;
    case cbChecked:
      next = allowGrayed_ ? cbGrayed : cbUnchecked;
      break;
    case cbGrayed:
      next = cbUnchecked;
      break;
  }
  SetState(Index, next);
  ClickCheck(Index);
}

void TCheckListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas* c = Canvas();
  c->FillRect(Rect);
  if (Index < 0 || Index >= Count()) return;
  // The box sits on the window colour, also on a selected row.
  TRect box(Rect.Left, Rect.Top, Rect.Left + CheckWidth, Rect.Bottom);
  const TColor rowColor = c->Brush()->Color();
  c->Brush()->SetColor(Color());
  c->FillRect(box);
  const int side = std::min(13, Rect.Height() - 2);
  TRect glyph(box.Left + (CheckWidth - side) / 2, box.Top + (box.Height() - side) / 2, 0, 0);
  glyph.Right = glyph.Left + side;
  glyph.Bottom = glyph.Top + side;
  unsigned s = DFCS_BUTTONCHECK;
  const TCheckBoxState st = this->State(Index);
  if (st == cbChecked) s |= DFCS_CHECKED;
  if (st == cbGrayed) s |= DFCS_BUTTON3STATE | DFCS_CHECKED;
  if (!Enabled() || State.Contains(odDisabled)) s |= DFCS_INACTIVE;
  DrawFrameControl(c, glyph, DFC_BUTTON, s);
  c->Brush()->SetColor(rowColor);
  TRect text(Rect.Left + CheckWidth, Rect.Top, Rect.Right, Rect.Bottom);
  c->FillRect(text);
  text.Left += 2;
  c->Brush()->SetStyle(bsClear);
  DrawText(c, Items()->Strings(Index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TCheckListBox::KeyPress(char32_t& Key) {
  if (Key == U' ') {
    ToggleByUser(ItemIndex());
    Key = 0;
    return;
  }
  TCustomListBox::KeyPress(Key);
}

void TCheckListBox::DefaultHandler(TMessage& Message) {
  if (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) {
    const TPoint p(Message.XPos(), Message.YPos());
    // The row is selected as in any list; a press on its box turns the mark.
    const int index = InCheckBox(p) ? ItemAtPos(p, true) : -1;
    TCustomListBox::DefaultHandler(Message);
    if (index >= 0) ToggleByUser(index);
    return;
  }
  TCustomListBox::DefaultHandler(Message);
}
