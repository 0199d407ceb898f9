// The grid's text editor ZIvoVorazirUded: what a typed or pasted character
// may be in each text kind, the length limit, validation on the keys that
// leave the cell (the value validation returns is the one kept), completion
// from the lookup items, the clipboard events and the end-of-edit report.
#include <algorithm>
#include <functional>

#include "framework/controls/Clipbrd.h"
#include "framework/controls/Forms.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudLook.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevEditors.h"

namespace {

bool IsDigit(char32_t C) { return C >= '0' && C <= '9'; }

bool CtrlHeld() { return GetKeyState(VK_CONTROL) < 0; }

// The first line break standing at the very end of a pasted text goes.
std::u32string TrimPastedLineBreak(std::u32string T) {
  const size_t p = T.find(U"\r\n");
  if (p != std::u32string::npos && p + 2 == T.size()) T.resize(p);
  return T;
}

std::u32string Upper(const std::u32string& S) {
  std::u32string r = S;
  for (char32_t& c : r) c = AnsiUpperChar(c);
  return r;
}

std::u32string Lower(const std::u32string& S) {
  std::u32string r = S;
  for (char32_t& c : r) c = AnsiLowerChar(c);
  return r;
}

}  // namespace

int NumberCharVerdict(TEditorType Kind, char32_t Ch, const std::u32string& Text, int SelStart, int SelLen,
                      bool CtrlDown) {
  const bool control = Ch == 8 || Ch == 9 || Ch == 13 || Ch == 27;
  switch (Kind) {
    case edNumeric:
      if (control || IsDigit(Ch)) return 0;
      if (Ch == '-' && SelStart == 0 && Text.find(U'-') == std::u32string::npos) return 0;
      return 2;
    case edPositiveNumeric:
      return control || IsDigit(Ch) ? 0 : 2;
    case edFloat:
    case edPositiveFloat: {
      const bool positive = Kind == edPositiveFloat;
      const bool candidate = control || Ch == ',' || Ch == '.' || IsDigit(Ch) || (Ch == '-' && !positive);
      if (!candidate) return Ch < 32 && CtrlDown ? 0 : 1;
      const auto dec = static_cast<char32_t>(LocaleDecimalSeparator());
      const auto thou = static_cast<char32_t>(LocaleThousandSeparator());
      const std::u32string selected = Text.substr(static_cast<size_t>(SelStart), static_cast<size_t>(SelLen));
      if (Ch == dec && Text.find(dec) != std::u32string::npos && selected.find(dec) == std::u32string::npos)
        return 1;
      if (Ch == thou && Ch != dec) return 1;
      if (Ch == '-') {
        const bool atStart = SelStart == 0 && Text.find(U'-') == std::u32string::npos;
        if (!atStart && selected.find(U'-') == std::u32string::npos) return 2;
      }
      // The other separator is not a number character here.
      if ((Ch == ',' || Ch == '.') && Ch != dec) return 1;
      return 0;
    }
    default:
      return 0;
  }
}

bool KindTextAccepted(TEditorType Kind, const std::string& Text, const std::string& ValidChars) {
  const int n = NumberTextKind(Text);
  const bool minus = Text.find('-') != std::string::npos;
  switch (Kind) {
    case edNumeric:
      return n == ntInteger;
    case edPositiveNumeric:
      return n == ntInteger && !minus;
    case edFloat:
      return n == ntInteger || n == ntDecimal;
    case edPositiveFloat:
      return (n == ntInteger || n == ntDecimal) && !minus;
    case edValidChars: {
      const std::u32string valid = Utf8ToUtf32(ValidChars);
      const std::u32string t = Utf8ToUtf32(Text);
      return std::all_of(t.begin(), t.end(),
                         [&](char32_t c) { return valid.find(c) != std::u32string::npos; });
    }
    default:
      return true;
  }
}

ZIvoVorazirUded::ZIvoVorazirUded(TComponent* AOwner) : TInplaceEdit(AOwner) {
  FGrid = dynamic_cast<TDedAdararAdoz*>(AOwner);
}

void ZIvoVorazirUded::SetVAlign(bool Value) {
  if (FValign == Value) return;
  FValign = Value;
  SetAlignment(Value ? taRightJustify : taLeftJustify);
  if (HandleAllocated()) RecreateWnd();
}

void ZIvoVorazirUded::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  if (HandleAllocated()) RecreateWnd();
}

void ZIvoVorazirUded::CreateParams(TCreateParams& Params) {
  TInplaceEdit::CreateParams(Params);
  if (auto* g = dynamic_cast<TDedAdararAdoz*>(Parent())) FGrid = g;
  if (FGrid == nullptr) return;
  FWordWrap = FGrid->WordWrap();
  if (FValign) Params.Style |= ES_RIGHT;
  if (FGrid->FEditControl == edPassword) {
    Params.Style |= ES_PASSWORD;
    Params.Style &= ~static_cast<uint32_t>(ES_MULTILINE);
  }
  if (FWordWrap) Params.Style &= ~static_cast<uint32_t>(ES_AUTOHSCROLL);
  Params.Style |= ES_WANTRETURN;
  GotKey_ = false;
  Workmode = true;
}

void ZIvoVorazirUded::CreateWnd() {
  TInplaceEdit::CreateWnd();
  if (FGrid == nullptr) return;
  if (FGrid->FEditControl == edPassword) SetPasswordChar(static_cast<char32_t>(FGrid->PasswordChar()));
  FLengthLimit = static_cast<int16_t>(FGrid->GetEditLimit());
}

void ZIvoVorazirUded::UpdateContents() {
  if (FGrid == nullptr) {
    TInplaceEdit::UpdateContents();
    return;
  }
  // A password cell shows its characters masked; others show them.
  const bool password = FGrid->FEditControl == edPassword;
  if (password != (PasswordChar() != 0))
    SetPasswordChar(password ? static_cast<char32_t>(FGrid->PasswordChar()) : 0);
  {
    const bool saved = FGrid->FNoEditChange;
    FGrid->FNoEditChange = true;
    try {
      TInplaceEdit::UpdateContents();
    } catch (...) {
      FGrid->FNoEditChange = saved;
      throw;
    }
    FGrid->FNoEditChange = saved;
  }
  // The editor looks like its cell.
  TBrush brush;
  brush.SetColor(FGrid->Color());
  TFont font;
  font.Assign(FGrid->Font());
  TGridDrawState state;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = FGrid->DefaultAlignment();
  TVAlignment va = vtaTop;
  bool ww = FGrid->WordWrap();
  TCellGradientDirection gd = GradientVertical;
  FGrid->GetVisualProperties(FGrid->Col(), FGrid->Row(), state, false, false, true, &brush, colorTo, mirror,
                             mirrorTo, &font, ha, va, ww, gd);
  SetColor(brush.Color());
  Font()->Assign(&font);
  SetAlignment(ha);
  FColE = FGrid->Col();
  FRowE = FGrid->Row();
  FLengthLimit = static_cast<int16_t>(FGrid->GetEditLimit());
  FGrid->GetEditorProp(FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), nullptr);
}

void ZIvoVorazirUded::BoundsChanged() {
  if (FGrid == nullptr) return;
  TRect r = FGrid->CellRect(FGrid->Col(), FGrid->Row());
  if (IsRectEmpty(r)) return;
  if (FGrid->UseRightToLeftAlignment()) r.Left += 1;
  const int w = r.Right - r.Left - 1, h = r.Bottom - r.Top - 1;
  if (Left() != r.Left || Top() != r.Top || Width() != w || Height() != h) SetBounds(r.Left, r.Top, w, h);
  TRect fmt(3, 3, std::max(3, w - 2), std::max(3, h));
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&fmt));
}

// ---------------------------------------------------------------------------
// Messages

void ZIvoVorazirUded::WndProc(TMessage& Message) {
  if (FGrid == nullptr) {
    TInplaceEdit::WndProc(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_CHAR:
      if (DudRouteClipboardKeys(this, Message)) return;
      // The copy key too goes through the one copy handler.
      if (Message.WParam == 3) {
        Perform(WM_COPY, 0, 0);
        return;
      }
      HandleChar(Message);
      return;
    case WM_KEYDOWN:
      if (DudRouteClipboardKeys(this, Message)) return;
      if (Message.WParam == VK_INSERT && KeyDataToShiftState(Message.LParam) == TShiftState{ssCtrl}) {
        Perform(WM_COPY, 0, 0);
        return;
      }
      HandleKeyDown(Message);
      return;
    case WM_KEYUP:
      TInplaceEdit::WndProc(Message);
      FGrid->EditCaretChanged(Text(), SelStart());
      FGrid->EditFormulaState();
      return;
    case WM_PASTE:
      HandlePaste();
      return;
    case WM_CUT:
    case WM_COPY: {
      bool allow = true;
      const TClipboardEvent& e = Message.Msg == WM_CUT ? FGrid->OnClipboardCut : FGrid->OnClipboardCopy;
      if (e) e(this, allow);
      if (allow) TInplaceEdit::WndProc(Message);
      return;
    }
    case WM_SETFOCUS:
      TInplaceEdit::WndProc(Message);
      HandleSetFocus(Message);
      return;
    case WM_KILLFOCUS:
      HandleKillFocus(Message);
      return;
    case WM_SYSKEYDOWN:
      if (Message.WParam == VK_BACK) FAltBack = true;
      break;
    case WM_SYSKEYUP:
      if (Message.WParam == VK_BACK) FAltBack = false;
      break;
    case WM_LBUTTONDBLCLK:
      TInplaceEdit::WndProc(Message);
      if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
      return;
    case WM_GETDLGCODE:
      TInplaceEdit::WndProc(Message);
      // Enter and Escape belong to the editor, also in a single-line one.
      Message.Result |= DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
      if (FGrid->EditorWantsTab()) Message.Result |= DLGC_WANTTAB;
      return;
    default:
      break;
  }
  TInplaceEdit::WndProc(Message);
}

void ZIvoVorazirUded::HandleChar(TMessage& Message) {
  char32_t ch = static_cast<char32_t>(Message.WParam);
  TNavigation* nav = FGrid->Navigation();
  // The keypad's point types the locale's decimal separator.
  if (FGrid->ExcelStyleDecimalSeparator() && ch == '.' && ((Message.LParam >> 16) & 0x40) != 0)
    ch = static_cast<char32_t>(LocaleDecimalSeparator());
  if (ch == 1 && CtrlHeld()) return;
  const bool multi = FGrid->WordWrap() || FGrid->MultilineCells();
  if (ch == 10 && !(nav->AllowCtrlEnter() && multi)) return;
  if (FLengthLimit > 0 && TextLength() >= FLengthLimit && SelLength() == 0 && ch != 8 && ch != 27 && ch != 13)
    return;
  const TEditorType kind = FGrid->FEditControl;
  if (ch == 13 && nav->LineFeedOnEnter() &&
      (kind == edNormal || kind == edCapital || kind == edMixedCase || kind == edLowerCase ||
       kind == edUpperCase || kind == edValidChars)) {
    // A line break in the text.
    TCustomMaskEdit::DefaultHandler(Message);
    return;
  }
  const std::u32string text = Chars();
  const int selStart = SelStart(), selLen = SelLength();
  auto beep = [] { MessageBeep(0); };
  bool mixed = false;
  switch (kind) {
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edPositiveFloat: {
      const int verdict = NumberCharVerdict(kind, ch, text, selStart, selLen, CtrlHeld());
      if (verdict == 2) beep();
      if (verdict != 0) return;
      break;
    }
    case edCapital:
    case edUpperCase:
      ch = AnsiUpperChar(ch);
      break;
    case edLowerCase:
      ch = AnsiLowerChar(ch);
      break;
    case edMixedCase:
      mixed = ch >= 32;
      break;
    case edValidChars: {
      if (ch == 8 || ch == 13) break;
      // Without a list of its own the grid's character set decides.
      const std::u32string valid = Utf8ToUtf32(FGrid->ValidChars());
      const bool ok =
          valid.empty() ? ch < 256 && FGrid->ValidCharSet().test(ch) : valid.find(ch) != std::u32string::npos;
      if (ok) break;
      beep();
      return;
    }
    default:
      break;
  }
  Message.WParam = static_cast<WPARAM>(ch);
  TInplaceEdit::WndProc(Message);
  if (mixed) {
    const int caret = selStart + 1;
    const std::u32string recased = Utf8ToUtf32(CapitalizeWords(Text()));
    if (recased != Chars()) EditChars(recased, caret, caret);
  }
  // A full field moves on by itself.
  if (nav->AdvanceAuto() && nav->AdvanceOnEnter() && FGrid->MaxEditLength() > 0 &&
      TextLength() == FGrid->MaxEditLength() && SelLength() == 0 && SelStart() == TextLength() && ch >= 32) {
    char32_t enter = 13;
    FGrid->KeyPress(enter);
  }
}

void ZIvoVorazirUded::HandlePaste() {
  bool allow = Clipboard()->HasFormat(CF_TEXT);
  std::string pasted = Clipboard()->AsText();
  if (FGrid->OnClipboardPaste) FGrid->OnClipboardPaste(this, allow);
  if (allow && FGrid->OnClipboardBeforePasteCell)
    FGrid->OnClipboardBeforePasteCell(this, FGrid->Col(), FGrid->Row(), pasted, allow);
  if (!allow) return;
  std::u32string t = Utf8ToUtf32(pasted);
  if (FLengthLimit > 0 && static_cast<int>(t.size()) > FLengthLimit) return;
  t = TrimPastedLineBreak(t);
  const std::u32string text = Chars();
  const int selStart = SelStart(), selLen = SelLength();
  std::u32string r =
      text.substr(0, static_cast<size_t>(selStart)) + t + text.substr(static_cast<size_t>(selStart + selLen));
  if (FLengthLimit > 0 && static_cast<int>(r.size()) > FLengthLimit) return;

  const std::string r8 = Utf32ToUtf8(r);
  bool ok = KindTextAccepted(FGrid->FEditControl, r8, FGrid->ValidChars());
  switch (FGrid->FEditControl) {
    case edMixedCase:
      r = Utf8ToUtf32(CapitalizeWords(r8));
      break;
    case edLowerCase:
      r = Lower(r);
      break;
    case edUpperCase:
      r = Upper(r);
      break;
    default:
      break;
  }
  if (ok) {
    const int len = static_cast<int>(t.size());
    if (selLen > 0)
      EditChars(r, selStart, selStart + len);
    else
      EditChars(r, selStart + len, selStart + len);
  } else {
    MessageBeep(0);
  }
  FGrid->SetCurrentEditText(Text());
  // Only a paste that went in is reported as done.
  if (ok && FGrid->OnClipboardAfterPasteCell)
    FGrid->OnClipboardAfterPasteCell(this, FGrid->Col(), FGrid->Row(), Text());
}

void ZIvoVorazirUded::Refused(const std::string& OldText, int CaretPos) {
  {
    // The refused text is shown to be mended; the cell keeps what the
    // validation left in it.
    const bool saved = FGrid->FNoEditChange;
    const bool savedWrite = FGrid->FNoEditWrite;
    FGrid->FNoEditChange = true;
    FGrid->FNoEditWrite = true;
    SetText(FGrid->FNewCellText);
    FGrid->FNoEditChange = saved;
    FGrid->FNoEditWrite = savedWrite;
  }
  if (FGrid->Navigation()->EditSelectAll())
    SelectAll();
  else
    SetSelection(std::min(CaretPos, TextLength()), std::min(CaretPos, TextLength()));
  Invalidate();
  FGrid->FOldCellText = OldText;
}

void ZIvoVorazirUded::ShowValidated(const std::string& Typed) {
  // The validator may have given the value another form: that one stays.
  if (FGrid->NewCellText() == Typed || !Visible()) return;
  const bool saved = FGrid->FNoEditChange;
  FGrid->FNoEditChange = true;
  SetText(FGrid->NewCellText());
  FGrid->FNoEditChange = saved;
}

int ZIvoVorazirUded::CaretLine() {
  return static_cast<int>(Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0));
}
int ZIvoVorazirUded::LineCount() { return static_cast<int>(Perform(EM_GETLINECOUNT, 0, 0)); }

bool ZIvoVorazirUded::LeavesCell(WORD Key, TShiftState Shift) {
  // The framework's editor hands these keys to the grid, which moves on.
  const int len = TextLength();
  const bool all = len > 0 && SelLength() == len;
  switch (Key) {
    case VK_LEFT:
      return Shift.Contains(ssCtrl) || (SelLength() == 0 && SelStart() == 0) || all;
    case VK_RIGHT:
      return Shift.Contains(ssCtrl) || (SelLength() == 0 && SelStart() == len) || all;
    case VK_PRIOR:
    case VK_NEXT:
      return true;
    case VK_HOME:
    case VK_END:
      return Shift.Contains(ssCtrl);
    default:
      return false;
  }
}

void ZIvoVorazirUded::HandleKeyDown(TMessage& Message) {
  WORD key = static_cast<WORD>(Message.WParam);
  const TShiftState shift = KeyDataToShiftState(Message.LParam);
  TNavigation* nav = FGrid->Navigation();
  FGrid->InplaceWMKeyDown(key, shift);
  if (key == 0) return;
  FOldSelStart = SelStart();

  if (key == VK_ESCAPE) {
    // The cell keeps the text it had: nothing of this edit is written.
    FGrid->CancelInplaceEdit();
    TInplaceEdit::WndProc(Message);
    return;
  }
  const bool ctrl = shift.Contains(ssCtrl);
  if (ctrl && key == 'A' && GetKeyState(VK_RMENU) >= 0) {
    SelectAll();
    return;
  }
  const bool multi = FGrid->WordWrap() || FGrid->MultilineCells();
  if (ctrl && key == VK_RETURN && !(nav->AllowCtrlEnter() && multi) && !nav->LineFeedOnEnter()) return;

  const std::string t = FGrid->EditedCellValue(Text());
  const std::string o = FGrid->FOldCellText;
  // What validation leaves behind; stays the typed text when nothing ran.
  FGrid->FNewCellText = t;
  const int typedLength = TextLength();
  bool moved = false;

  if (key == VK_TAB && FGrid->EditorWantsTab()) {
    if (FGrid->ValidateCell(t)) {
      ShowValidated(t);
      FGrid->HideInplaceEdit();
      if (FGrid->Options().Contains(goTabs))
        FGrid->TabAdvance(shift.Contains(ssShift));
      else if (FGrid->HandleAllocated())
        PostMessage(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
    } else {
      Refused(o, typedLength);
    }
    return;
  }
  const bool walkLeft = key == VK_LEFT && shift.Contains(ssShift) && SelStart() == 0;
  const bool walkRight =
      key == VK_RIGHT && shift.Contains(ssShift) && SelStart() + SelLength() == TextLength();
  if ((walkLeft || walkRight) && nav->CursorWalkEditor()) {
    {
      const bool saved = FGrid->FValidating;
      FGrid->FValidating = true;
      FGrid->WriteCurrentCell(t);
      FGrid->FValidating = saved;
    }
    if (FGrid->ValidateCell(t)) {
      ShowValidated(t);
      FGrid->HideInplaceEdit();
      if (FGrid->CanFocus()) FGrid->SetFocus();
    } else {
      Refused(o, typedLength);
    }
    return;
  }
  const bool upOut = key == VK_UP && CaretLine() == 0;
  const bool downOut = key == VK_DOWN && CaretLine() >= LineCount() - 1;
  if (upOut || downOut || LeavesCell(key, shift)) {
    {
      const bool saved = FGrid->FValidating;
      FGrid->FValidating = true;
      FGrid->WriteCurrentCell(t);
      FGrid->FValidating = saved;
    }
    if (!FGrid->ValidateCell(t)) {
      Refused(o, typedLength);
      return;
    }
    ShowValidated(t);
    moved = true;
  }
  if (key == VK_RETURN && !nav->LineFeedOnEnter() && !ctrl) {
    // The character this key makes is not validated a second time; after
    // a refusal it does not close the editor either.
    FEnterValidated = true;
    if (!FGrid->ValidateCell(t)) {
      Refused(o, typedLength);
      FSwallowEnter = true;
      return;
    }
    ShowValidated(t);
  }
  if (!ctrl && !shift.Contains(ssShift)) {
    if (key == VK_HOME && !LeavesCell(key, shift)) SetSelection(0, 0);
    if (key == VK_END && !LeavesCell(key, shift)) SetSelection(TextLength(), TextLength());
  }
  if (ctrl && key == VK_RETURN && nav->LineFeedOnEnter()) {
    Perform(WM_CHAR, 13, 0);
    return;
  }
  const int oldCol = FGrid->Col();
  TInplaceEdit::WndProc(Message);
  // Walking out sideways opens the editor of the cell reached.
  if (moved && (key == VK_LEFT || key == VK_RIGHT) && nav->CursorWalkEditor() &&
      nav->CursorWalkAlwaysEdit() && FGrid->Col() != oldCol)
    FGrid->ShowInplaceEdit();
  if (moved && FGrid->MouseActions()->DisjunctRowSelect()) {
    FGrid->ClearRowSelect();
    FGrid->SetRowSelect(FGrid->Row(), true);
  }
}

void ZIvoVorazirUded::KeyDown(WORD& Key, TShiftState Shift) {
  FSelKeyDown = SelStart();
  if (FGrid == nullptr) {
    TInplaceEdit::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_BACK || Key == VK_DELETE)
    Workmode = false;
  else if (Key != VK_RETURN && Key != VK_UP && Key != VK_DOWN)
    Workmode = true;
  if (Key == VK_RETURN && !FGrid->Navigation()->AllowCtrlEnter() &&
      (FGrid->WordWrap() || FGrid->MultilineCells()))
    FGrid->FEditing = false;
  // A new line about to be typed gets its room first.
  if (Key == VK_RETURN && (Shift.Contains(ssShift) || Shift.Contains(ssCtrl)) &&
      FGrid->SizeWhileTyping()->Height() && FGrid->MultilineCells())
    RoomForOneMoreLine();
  // Up and Down inside a text of several lines move the caret.
  if ((Key == VK_UP && CaretLine() > 0) || (Key == VK_DOWN && CaretLine() < LineCount() - 1)) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    return;
  }
  FGrid->InplaceKeyDown(Key, Shift);
  if (Key != 0) TInplaceEdit::KeyDown(Key, Shift);
}

void ZIvoVorazirUded::KeyUp(WORD& Key, TShiftState Shift) {
  TInplaceEdit::KeyUp(Key, Shift);
  if (FGrid == nullptr) return;
  DoChange();
  if (FGrid->SizeWhileTyping()->Width() && Visible()) {
    // The column grows to the text typed.
    TCanvas* c = FGrid->Canvas();
    c->Font()->Assign(Font());
    const int w = c->TextWidth(Text()) + 10;
    if (w > FGrid->ColWidths(FGrid->Col())) FGrid->SetColWidths(FGrid->Col(), w);
  }
  // The row follows the wrapped text typed.
  if (FGrid->SizeWhileTyping()->Height() && FGrid->WordWrap() && Visible())
    SizeRowWhileTyping([this] { FGrid->AutoSizeRow(FGrid->Row()); });
}

void ZIvoVorazirUded::SizeRowWhileTyping(const std::function<void()>& Size) {
  TColumnSize* cs = FGrid->ColumnSize();
  const bool synch = cs->SynchWithGrid();
  cs->SetSynchWithGrid(false);
  try {
    Size();
  } catch (...) {
    cs->SetSynchWithGrid(synch);
    throw;
  }
  cs->SetSynchWithGrid(synch);
  // Lines scrolled out while the row was lower come back into view.
  const int start = SelStart(), length = SelLength();
  Perform(WM_VSCROLL, SB_TOP, 0);
  SetSelection(start, start + length);
  if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, FGrid->Row());
}

void ZIvoVorazirUded::RoomForOneMoreLine() {
  const int row = FGrid->Row();
  // The text's lines and the one the key is about to start.
  const std::u32string text = Chars() + U"\r\n ";
  int lines = 1;
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++lines;
  TCanvas* c = FGrid->Canvas();
  c->Font()->Assign(Font());
  const int h = std::max(1, c->TextHeight("gh"));
  const int capacity = FGrid->RowHeights(row) / (h + h / 8);
  SizeRowWhileTyping([&] {
    if (lines < capacity)
      FGrid->AutoSizeRow(row);
    else
      FGrid->SizeRowToLines(row, lines, 0);
  });
}

void ZIvoVorazirUded::KeyPress(char32_t& Key) {
  if (FGrid == nullptr) {
    TInplaceEdit::KeyPress(Key);
    return;
  }
  if (Key == 13 && FSwallowEnter) {
    FSwallowEnter = false;
    FEnterValidated = false;
    Key = 0;
    return;
  }
  const bool validated = FEnterValidated;
  FEnterValidated = false;
  if (Key == 13 && !validated && !FGrid->Navigation()->LineFeedOnEnter() &&
      !FGrid->ValidateCell(FGrid->EditedCellValue(Text()))) {
    const bool saved = FGrid->FNoEditChange;
    FGrid->FNoEditChange = true;
    SetText(FGrid->GetCurrentCellText());
    FGrid->FNoEditChange = saved;
    Key = 0;
    return;
  }
  TInplaceEdit::KeyPress(Key);
  if (FGrid->Navigation()->AdvanceAuto() && IsMasked() && Visible() && SelStart() == TextLength() &&
      EditText().find(' ') == std::string::npos && Key >= 32) {
    char32_t enter = 13;
    FGrid->KeyPress(enter);
  }
}

void ZIvoVorazirUded::Change() {
  TInplaceEdit::Change();
  if (FGrid != nullptr && !FGrid->FNoEditChange && FGrid->OnEditChange)
    FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void ZIvoVorazirUded::DoChange() {
  if (!Workmode || SelLength() != 0) return;
  TStringList* items = FGrid->LookupItems();
  if (!FGrid->Lookup() || items->Count() == 0) return;
  const bool cs = FGrid->LookupCaseSensitive();
  const std::u32string typed = Chars().substr(0, static_cast<size_t>(SelStart()));
  if (typed.empty()) return;
  const std::u32string p = cs ? typed : Upper(typed);
  for (int i = 0; i < items->Count(); ++i) {
    const std::u32string item = Utf8ToUtf32(items->Strings(i));
    const std::u32string cmp = cs ? item : Upper(item);
    if (cmp.size() < p.size() || cmp.compare(0, p.size(), p) != 0) continue;
    std::u32string completed = typed + item.substr(p.size());
    if (completed.size() > 255) completed.resize(255);
    if (completed == Chars()) return;
    EditChars(completed, static_cast<int>(completed.size()), static_cast<int>(typed.size()));
    GotKey_ = false;
    return;
  }
}

// ---------------------------------------------------------------------------
// Focus

void ZIvoVorazirUded::HandleSetFocus(TMessage&) {
  FGotFocus = true;
  FGrid->FNoEditChange = false;
  FLengthLimit = static_cast<int16_t>(FGrid->GetEditLimit());
  SetMaxLength(std::max(0, static_cast<int>(FLengthLimit)));
  if (IsMasked() && FGrid->Navigation()->ImproveMaskSel() && !FGrid->LButFlg) {
    SetSelection(0, 1);
    return;
  }
  if (!FGrid->Navigation()->EditSelectAll()) SetSelection(TextLength(), TextLength());
  if (FGrid->LButFlg) {
    const TPoint p = ScreenToClient(::CursorPos());
    if (PtInRect(ClientRect(), p)) {
      const int i = CharFromPoint(p);
      SetSelection(i, i);
    }
    FGrid->LButFlg = false;
  }
}

void ZIvoVorazirUded::HandleKillFocus(TMessage& Message) {
  FGrid->FStartEditChar = 0;
  if (FGrid->LookupHistory() && !Text().empty() && FGrid->LookupItems()->IndexOf(Text()) < 0)
    FGrid->LookupItems()->Add(Text());
  TInplaceEdit::WndProc(Message);
  if (FAltBack || FGrid->FEditorsFreed || FGrid->ComponentState().Contains(csDestroying)) return;
  const auto to = reinterpret_cast<HWND>(Message.WParam);
  const bool toGrid = FGrid->HandleAllocated() && to == FGrid->Handle();
  auto showCell = [this] {
    const bool saved = FGrid->FNoEditChange;
    FGrid->FNoEditChange = true;
    SetText(FGrid->GetCurrentCellText());
    FGrid->FNoEditChange = saved;
  };
  if (!toGrid) {
    // Leaving the grid ends the edit: validated, written, reported.
    try {
      FGrid->ValidateCell(FGrid->EditedCellValue(Text()));
      showCell();
    } catch (...) {
      FGrid->HideInplaceEdit();
      FGrid->FEditing = false;
      FGrid->FEditMode = false;
      throw;
    }
    FGrid->HideInplaceEdit();
    FGrid->FEditing = false;
    FGrid->FEditMode = false;
    if (FColE >= 0 && FRowE >= 0 && FColE < FGrid->ColCount() && FRowE < FGrid->RowCount())
      FGrid->SelectCell(FColE, FRowE);
  }
  if (Visible()) showCell();
  FGrid->EditCaretChanged(std::string(), -1);
  if (FGotFocus) {
    FGotFocus = false;
    FGrid->DoEditingDone(FGrid->RealColIndex(FColE), FRowE);
  }
}
