// The rich edit of rich-text cells: lowered and raised characters, the row
// growing while typing, and Tab and vertical arrows handed back to the grid.
#include <algorithm>
#include <climits>

#include "framework/controls/Forms.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevKindEditors.h"

void LinkGridKindEditorsPublished();

ZEveRozoDiva::ZEveRozoDiva(TComponent* AOwner) : TCustomRichEdit(AOwner) {
  LinkGridKindEditorsPublished();
  FGrid = dynamic_cast<TDedAdararAdoz*>(AOwner);
  if (FGrid == nullptr) throw EInvalidCast("Invalid class typecast");
  SetTabStop(false);
  SetWantTabs(true);
}

void ZEveRozoDiva::ReCreate() {
  if (HandleAllocated() && !Visible()) RecreateWnd();
}

int ZEveRozoDiva::CharOffset(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FOffsets.size())) return 0;
  return FOffsets[static_cast<size_t>(Index)];
}

void ZEveRozoDiva::Change() {
  // The offsets follow their characters: what lies before and after the
  // changed stretch keeps its offset, new characters have none.
  const std::u32string now = Utf8ToUtf32(Text());
  size_t pre = 0;
  while (pre < now.size() && pre < FOffsetText.size() && now[pre] == FOffsetText[pre]) ++pre;
  size_t suf = 0;
  while (suf < now.size() - pre && suf < FOffsetText.size() - pre &&
         now[now.size() - 1 - suf] == FOffsetText[FOffsetText.size() - 1 - suf])
    ++suf;
  std::vector<int> next(now.size(), 0);
  for (size_t i = 0; i < pre && i < FOffsets.size(); ++i) next[i] = FOffsets[i];
  for (size_t i = 0; i < suf; ++i) {
    const size_t from = FOffsets.size() - 1 - i;
    if (from < FOffsets.size()) next[now.size() - 1 - i] = FOffsets[from];
  }
  FOffsets = std::move(next);
  FOffsetText = now;
  TCustomRichEdit::Change();
  RequestSize();
}

void ZEveRozoDiva::SetSelOffset(int Offset) {
  if (FOffsetText != Utf8ToUtf32(Text())) {
    FOffsetText = Utf8ToUtf32(Text());
    FOffsets.assign(FOffsetText.size(), 0);
  }
  const int start = std::clamp(SelStart(), 0, static_cast<int>(FOffsets.size()));
  const int end = std::clamp(start + SelLength(), start, static_cast<int>(FOffsets.size()));
  for (int i = start; i < end; ++i) FOffsets[static_cast<size_t>(i)] = Offset;
}

int ZEveRozoDiva::SelOffset() {
  if (FOffsetText != Utf8ToUtf32(Text())) return 0;
  const int start = SelStart();
  const int len = SelLength();
  if (len <= 0) return CharOffset(start - 1);
  const int first = CharOffset(start);
  for (int i = start + 1; i < start + len; ++i)
    if (CharOffset(i) != first) return INT_MIN;  // mixed: none of the three
  return first;
}

void ZEveRozoDiva::RequestSize() {
  if (!HandleAllocated()) return;
  TCanvas* c = FGrid->Canvas();
  c->Font()->Assign(Font());
  const int lineHeight = std::max(1, c->TextHeight("Wg"));
  const int lines = std::max(1, Lines()->Count() + (!Text().empty() && Text().back() == '\n' ? 1 : 0));
  FReqHeight = lines * lineHeight;
  FReqWidth = Width();
  if (FLocked || !Visible() || !FGrid->SizeWhileTyping()->Height()) return;
  const int h = FReqHeight;
  const int row = FGrid->Row();
  const TRect cell = FGrid->CellRect(FGrid->Col(), row);
  if (FGrid->RowHeights(row) < h + 5 && cell.Top + h + 5 < FGrid->Height()) {
    SetHeight(h + 9);
    FGrid->SetRowHeights(row, h + 10);
    if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, row);
  }
}

void ZEveRozoDiva::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomRichEdit::KeyDown(Key, Shift);
  if (FGrid == nullptr || Key == 0) return;
  if (Key == VK_ESCAPE) {
    // The cell keeps the text it had when the edit began.
    Key = 0;
    FGrid->CancelInplaceEdit();
    if (FGrid->CanFocus()) FGrid->SetFocus();
    return;
  }
  if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
    Key = 0;
    if (FGrid->CanFocus()) FGrid->SetFocus();
    FGrid->HideInplaceEdit();
    WORD k = VK_TAB;
    FGrid->KeyDown(k, Shift);
    FGrid->ShowInplaceEdit();
    return;
  }
  if ((Key == VK_UP || Key == VK_DOWN) && !FGrid->WordWrap() && !FGrid->MultilineCells()) {
    WORD k = Key;
    Key = 0;
    if (FGrid->CanFocus()) FGrid->SetFocus();
    FGrid->HideInplaceEdit();
    FGrid->KeyDown(k, Shift);
  }
}

void ZEveRozoDiva::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      TCustomRichEdit::WndProc(Message);
      Message.Result |= DLGC_WANTTAB;
      return;
    case WM_KILLFOCUS:
      // A focus change made by an editor itself is no end of the edit.
      if (FGrid->InvokedFocusChange) return;
      TCustomRichEdit::WndProc(Message);
      if (!FGrid->FEditorsFreed && FGrid->EditMode() && FGrid->EditControl() == edRichEdit && Visible())
        FGrid->HideInplaceEdit();
      return;
    case WM_CHAR:
      // Without goTabs a Tab is text of the cell; with it, the grid moves.
      if (Message.WParam == 9 && FGrid->Options().Contains(goTabs)) return;
      break;
    default:
      break;
  }
  TCustomRichEdit::WndProc(Message);
}
