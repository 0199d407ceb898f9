// Copy, cut and paste of cells through the clipboard: tab-separated text
// (always), the top-left cell's rich text and the cell stream "TDedAdararAdoz
// Cells" on a copy; the richest of these the grid allows on a paste, with
// the smart fill of a selection.
//
// The text is the one spreadsheets exchange: a field holding a line break,
// a TAB or a leading double quote is quoted with its quotes doubled and its
// line breaks as LF, so a copy and paste gives every cell back as it was.
// Rows end in CR LF; a text from the desktop whose lines end in LF or CR
// alone reads the same.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "framework/classes/Streams.h"
#include "framework/controls/Clipbrd.h"
#include "framework/rtl/CodePage.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Format.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/UndoRedo.h"
#include "grid/base/VevUtil.h"
#include "grid/io/GridCellStream.h"
#include "grid/model/DivUzev.h"

namespace {

unsigned RtfFormat() {
  static const unsigned f = RegisterClipboardFormat("Rich Text Format");
  return f;
}

unsigned HtmlFormat() {
  static const unsigned f = RegisterClipboardFormat("HTML Format");
  return f;
}

bool HasBreak(std::string_view T) { return T.find_first_of("\r\n") != std::string_view::npos; }

// One field of the clipboard text: quoted when it holds a line break, a TAB
// or starts with a quote; its line breaks become LF (or U+000B for the
// spreadsheet form) once the text is final.
std::string ClipField(std::string T, bool ExcelForm) {
  const bool multi = HasBreak(T);
  if (!multi && T.find('\t') == std::string::npos && (T.empty() || T[0] != '"')) return T;
  std::string out = "\"";
  out.reserve(T.size() + 2);
  for (size_t i = 0; i < T.size(); ++i) {
    const char c = T[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < T.size() && T[i + 1] == '\n') ++i;
      out += ExcelForm ? '\v' : '\n';
    } else if (c == '"') {
      out += "\"\"";
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

// One parsed line of clipboard text.
struct TClipLine {
  std::vector<std::string> Fields;
};

// Lines end at CR LF, CR or LF outside quotes; a field that starts with a
// quote and has a closing quote before the next TAB or line end is read
// unquoted, its doubled quotes single and its line breaks (LF, CR LF or
// U+000B) as CR LF. A text ending in a line end has an empty last line.
std::vector<TClipLine> ParseClipText(std::string_view T) {
  std::vector<TClipLine> lines(1);
  size_t i = 0;
  bool fieldStart = true;
  std::string field;
  auto endField = [&] {
    lines.back().Fields.push_back(std::move(field));
    field.clear();
  };
  while (i < T.size()) {
    const char c = T[i];
    if (fieldStart && c == '"') {
      // Look for the closing quote.
      size_t j = i + 1;
      std::string value;
      bool closed = false;
      while (j < T.size()) {
        if (T[j] == '"') {
          if (j + 1 < T.size() && T[j + 1] == '"') {
            value += '"';
            j += 2;
            continue;
          }
          const bool atEnd = j + 1 >= T.size() || T[j + 1] == '\t' || T[j + 1] == '\r' || T[j + 1] == '\n';
          if (atEnd) closed = true;
          break;
        }
        if (T[j] == '\r' || T[j] == '\n') {
          if (T[j] == '\r' && j + 1 < T.size() && T[j + 1] == '\n') ++j;
          value += "\r\n";
        } else if (T[j] == '\v') {
          value += "\r\n";
        } else {
          value += T[j];
        }
        ++j;
      }
      if (closed) {
        field = std::move(value);
        i = j + 1;
        fieldStart = false;
        continue;
      }
    }
    fieldStart = false;
    if (c == '\t') {
      endField();
      fieldStart = true;
      ++i;
    } else if (c == '\r' || c == '\n') {
      endField();
      if (c == '\r' && i + 1 < T.size() && T[i + 1] == '\n') ++i;
      ++i;
      lines.emplace_back();
      fieldStart = true;
    } else {
      field += c == '\v' ? std::string("\r\n") : std::string(1, c);
      ++i;
    }
  }
  endField();
  return lines;
}

}  // namespace

// ---------------------------------------------------------------------------
// Hooks

void TDedAdararAdoz::PasteInCell(int ACol, int ARow, const std::string& Value) {
  const int rc = RealColIndex(ACol);
  if (UndoRedo() != nullptr) UndoRedo()->RegisterChange(rc, ARow, GetCellEx(rc, ARow), Value);
  if (HasCheckBox(rc, ARow) && !HasDataCheckBox(rc, ARow))
    ChangeCheckBoxState(rc, ARow, Value == CheckTrue());
  else
    SetCellEx(rc, ARow, Value);
  if (rc != ACol) RepaintCell(ACol, ARow);
}

void TDedAdararAdoz::PasteBegin() {}
void TDedAdararAdoz::PasteDone() {}

void TDedAdararAdoz::MarkPastedRows(const TGridRect& R) {
  if (!FShowModified->Enabled()) return;
  for (int r = std::max(0, R.Top); r <= R.Bottom && r < RowCount(); ++r) SetRowModified(r, true);
}

bool TDedAdararAdoz::AllowFmtClipboard() { return FNavigation->AllowFmtClipboard(); }

// ---------------------------------------------------------------------------
// Copy

namespace {

// The selection widened over the merged areas at its corners.
TGridRect ExpandSelectionToMerged(TDedAdararAdoz* G, TGridRect S) {
  const TGridRect a = G->FullCell(G->RealColIndex(S.Left), S.Top);
  S.Left = std::min(S.Left, G->DisplColIndexOf(a.Left));
  S.Top = std::min(S.Top, a.Top);
  const TGridRect b = G->FullCell(G->RealColIndex(S.Right), S.Bottom);
  S.Right = std::max(S.Right, G->DisplColIndexOf(b.Right));
  S.Bottom = std::max(S.Bottom, b.Bottom);
  return S;
}

}  // namespace

std::string TDedAdararAdoz::SelectionToText(const TGridRect& Rect, bool Disjunct) {
  FClipTopLeft = TGridCoord(Rect.Left, Rect.Top);
  ExportNotification(esExportStart, -1);
  const bool disCols = FMouseActions->DisjunctColSelect();
  const bool persistent = FMouseActions->RowSelectPersistent();
  const bool partial = Rect.Top > FixedRows() || Rect.Bottom < RowCount() - 1 - FFixedFooters;
  const bool stripTags = !FNavigation->CopyHTMLTagsToClipboard();
  const bool excel = ExcelClipboardFormat() && MultilineCells();
  std::vector<int> real;
  for (int c = Rect.Left; c <= Rect.Right; ++c) real.push_back(RealColIndex(c));
  std::string out;
  std::string t;
  for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
    ExportNotification(partial ? esExportSelRow : esExportNewRow, r);
    if (Disjunct && !disCols && !RowSelect(persistent ? RealRowIndex(r) : r)) continue;
    bool first = true;
    for (int k = 0; k <= Rect.Right - Rect.Left; ++k) {
      if (Disjunct && disCols && !ColSelect(Rect.Left + k)) continue;
      const int rc = real[static_cast<size_t>(k)];
      t.clear();
      SaveCell(rc, r, t);
      if (t.size() >= 2 && t[0] == '|' && t[1] == '\\') t = DecodeWideCellText(t);
      if (!t.empty()) {
        if (t.find("</") != std::string::npos) {
          if (stripTags) t = MarkupToPlainText(t);
        } else if (t.find("{\\") != std::string::npos) {
          t = RichTextToPlain(t);
        }
      }
      if (!first) out += '\t';
      first = false;
      out += ClipField(std::move(t), excel);
    }
    if (Rect.Bottom > Rect.Top) out += "\r\n";
  }
  ExportNotification(esExportDone, -1);
  return out;
}

void TDedAdararAdoz::CopyRTFToClipboard(int ACol, int ARow) {
  const std::string t = GetCellEx(RealColIndex(ACol), ARow);
  if (t.find("{\\") == std::string::npos) return;
  std::vector<uint8_t> bytes(t.begin(), t.end());
  bytes.push_back(0);
  Clipboard()->SetAsBytes(RtfFormat(), bytes);
}

void TDedAdararAdoz::CopyCellsToClipboard(const TGridRect& Rect) {
  // Written straight into the block the clipboard takes.
  std::vector<uint8_t> block;
  WriteBinRect(TRect(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom),
               [&block](std::string_view Bytes) { block.insert(block.end(), Bytes.begin(), Bytes.end()); });
  Clipboard()->SetAsBytes(GridCellsClipboardFormat(), block);
}

void TDedAdararAdoz::CopyToClipboardFormats(const TGridRect& Rect, bool Disjunct) {
  TClipboard* cb = Clipboard();
  const std::string text = SelectionToText(Rect, Disjunct);
  cb->Open();
  try {
    cb->SetAsText(text);
    if (FNavigation->AllowRTFClipboard()) CopyRTFToClipboard(Rect.Left, Rect.Top);
    if (FNavigation->AllowFmtClipboard()) CopyCellsToClipboard(Rect);
  } catch (...) {
    cb->Close();
    throw;
  }
  cb->Close();
}

void TDedAdararAdoz::CopyToClipBoard() {
  CopyToClipboardFormats(TGridRect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()), false);
  FClipLastOp = coCopy;
}

void TDedAdararAdoz::CopySelectionToClipboard() {
  const TGridRect s = ExpandSelectionToMerged(this, Selection());
  if (FMouseActions->DisjunctRowSelect() && !FNavigation->AllowFmtClipboard())
    CopyToClipboardFormats(
        TGridRect(FixedCols(), SaveStartRow(), ColCount() - FFixedRightCols - 1, SaveEndRow()), true);
  else if (FMouseActions->DisjunctColSelect() && !FNavigation->AllowFmtClipboard())
    CopyToClipboardFormats(TGridRect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()), true);
  else
    CopyToClipboardFormats(s, false);
  FClipLastOp = coCopy;
}

void TDedAdararAdoz::CopyToClipBoardAsHTML() {
  // No picture files for the clipboard: the page goes without them.
  std::string html = SaveToHTMLString(std::string());
  MakeClipboardHTML(html);
  TClipboard* cb = Clipboard();
  cb->Open();
  try {
    cb->SetAsBytes(HtmlFormat(), std::vector<uint8_t>(html.begin(), html.end()));
    cb->SetAsText(html);
  } catch (...) {
    cb->Close();
    throw;
  }
  cb->Close();
}

std::string TDedAdararAdoz::GetSelectionAsText() { return SelectionToText(Selection(), false); }

// ---------------------------------------------------------------------------
// Cut

namespace {

bool MayPasteInto(TDedAdararAdoz* G, int ACol, int ARow) {
  return G->Navigation()->AllowClipboardAlways() || G->IsEditable(ACol, ARow);
}

}  // namespace

void TDedAdararAdoz::CutToClipboard() {
  const TGridRect w(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow());
  CopyToClipboardFormats(w, false);
  for (int r = w.Top; r <= w.Bottom; ++r) {
    for (int c = w.Left; c <= w.Right; ++c)
      if (MayPasteInto(this, c, r)) SetCellEx(RealColIndex(c), r, std::string());
    if (FShowModified->Enabled()) SetRowModified(r, true);
  }
  FClipLastOp = coCut;
}

void TDedAdararAdoz::CutSelectionToClipboard() {
  const TGridRect s = ExpandSelectionToMerged(this, Selection());
  CopySelectionToClipboard();
  if (FMouseActions->DisjunctRowSelect()) {
    const bool persistent = FMouseActions->RowSelectPersistent();
    for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r)
      if (RowSelect(persistent ? RealRowIndex(r) : r)) {
        ClearRows(r, 1);
        if (FShowModified->Enabled()) SetRowModified(r, true);
      }
  } else if (FMouseActions->DisjunctColSelect()) {
    for (int c = FixedCols(); c < ColCount() - FFixedRightCols; ++c)
      if (ColSelect(c)) ClearCols(RealColIndex(c), 1);
  } else {
    if (UndoRedo() != nullptr) UndoRedo()->StartSequence();
    for (int r = s.Top; r <= s.Bottom; ++r) {
      for (int c = s.Left; c <= s.Right; ++c) {
        if (!MayPasteInto(this, c, r)) continue;
        const int rc = RealColIndex(c);
        if (UndoRedo() != nullptr) UndoRedo()->RegisterChange(rc, r, GetCellEx(rc, r), std::string());
        SetCellEx(rc, r, std::string());
        // The formatting goes with the cells it was cut with.
        if (FNavigation->AllowFmtClipboard() && !IsMergedCell(rc, r)) FreeCellPropertiesRange(rc, r, rc, r);
      }
      if (FShowModified->Enabled()) SetRowModified(r, true);
    }
    if (UndoRedo() != nullptr) UndoRedo()->StopSequence();
  }
  if (OnCellsChanged) OnCellsChanged(this, TRect(s.Left, s.Top, s.Right, s.Bottom));
  if (NumHiddenColumns() > 0)
    InvalidateGrid();
  else
    RepaintRect(s);
  FClipLastOp = coCut;
}

// ---------------------------------------------------------------------------
// Paste

void TDedAdararAdoz::TextBlockSize(const std::string& Text, int& Cols, int& Rows) {
  Cols = 0;
  Rows = -1;
  for (const TClipLine& l : ParseClipText(Text)) {
    Cols = std::max(Cols, static_cast<int>(l.Fields.size()));
    if (!(l.Fields.size() == 1 && l.Fields[0].empty())) ++Rows;
  }
}

namespace {

// The last row a paste may write before growing: the floating footer's row
// is not pasted over.
int PasteRowLimit(TDedAdararAdoz* G) {
  const bool footer = G->FloatingFooter()->Visible() && G->FloatingFooter()->FooterStyle() == fsFixedLastRow;
  return G->RowCount() - (footer ? 1 : 0);
}

// Grows the grid so that (C, R) lies inside it, where growing is allowed;
// true when the cell is inside the grid.
bool GrowForPaste(TDedAdararAdoz* G, int C, int R) {
  TNavigation* nav = G->Navigation();
  if (C >= G->ColCount()) {
    if (!nav->AllowClipboardColGrow() || C >= 1048576) return false;
    G->SetColCount(C + 1);
  }
  const int limit = PasteRowLimit(G);
  if (R >= limit) {
    if (!nav->AllowClipboardRowGrow() || R >= 16777216) return false;
    const int add = R - limit + 1;
    if (limit < G->RowCount())
      G->InsertRows(limit, add);
    else
      G->SetRowCount(G->RowCount() + add);
  }
  return true;
}

// The paste events of one value: the plain one, then its wide twin. A value
// in the "|\" form reaches the wide one decoded and goes in encoded again.
// False when a handler refuses the value.
bool BeforePasteCell(TDedAdararAdoz* G, int C, int R, std::string& V) {
  bool allow = true;
  if (G->OnClipboardBeforePasteCell) G->OnClipboardBeforePasteCell(G, C, R, V, allow);
  if (!allow || !G->OnClipboardBeforePasteWideCell) return allow;
  const bool encoded = V.rfind("|\\", 0) == 0;
  std::string wide = encoded ? DecodeWideCellText(V) : V;
  G->OnClipboardBeforePasteWideCell(G, C, R, wide, allow);
  V = encoded ? EncodeWideCellText(wide) : wide;
  return allow;
}

void AfterPasteCell(TDedAdararAdoz* G, int C, int R, const std::string& V) {
  if (G->OnClipboardAfterPasteCell) G->OnClipboardAfterPasteCell(G, C, R, V);
  if (G->OnClipboardAfterPasteWideCell)
    G->OnClipboardAfterPasteWideCell(G, C, R, V.rfind("|\\", 0) == 0 ? DecodeWideCellText(V) : V);
}

}  // namespace

int TDedAdararAdoz::TextToCells(int ACol, int ARow, int& Rows, int& Cols, const std::string& Text) {
  Rows = 0;
  Cols = 0;
  if (ACol < 0 || ARow < 0) return 0;
  if (!Options().Contains(goEditing) && !FNavigation->AllowClipboardAlways() &&
      !FMouseActions->RangeSelectAndEdit() && !FEditDisable)
    return 0;
  const std::vector<TClipLine> lines = ParseClipText(Text);
  if (UndoRedo() != nullptr) UndoRedo()->StartSequence();
  int count = 0;
  int maxCol = ACol, maxRow = ARow;
  int r = ARow;
  const bool insert = FNavigation->ClipboardPasteAction() == paInsert;
  for (size_t li = 0; li < lines.size(); ++li) {
    const TClipLine& line = lines[li];
    const bool lastLine = li + 1 == lines.size();
    const bool empty = line.Fields.size() == 1 && line.Fields[0].empty();
    if (lastLine && empty && li > 0) {
      // The line end of the last row: counted, nothing to write.
      ++count;
      break;
    }
    ++Rows;
    ImportNotification(FPasteAll ? isImportNewRow : isImportSelRow, r);
    if (!empty && insert && r < RowCount()) InsertRows(r, 1);
    Cols = static_cast<int>(line.Fields.size());
    int c = ACol;
    for (size_t fi = 0; fi < line.Fields.size(); ++fi, ++c) {
      ++count;
      std::string v = line.Fields[fi];
      if (lastLine && fi + 1 == line.Fields.size() && v.empty()) break;
      if (!GrowForPaste(this, c, r)) continue;
      if (!MayPasteInto(this, c, r)) continue;
      if (!BeforePasteCell(this, c, r, v)) continue;
      PasteInCell(c, r, v);
      maxCol = std::max(maxCol, c);
      maxRow = std::max(maxRow, r);
      AfterPasteCell(this, c, r, v);
    }
    ++r;
  }
  if (UndoRedo() != nullptr) UndoRedo()->StopSequence();
  MarkPastedRows(TGridRect(ACol, ARow, maxCol, maxRow));
  CellsChanged(TRect(RealColIndex(ACol), ARow, RealColIndex(maxCol), maxRow));
  RepaintRect(TGridRect(ACol, ARow, maxCol, maxRow));
  return count;
}

void TDedAdararAdoz::SetSelectionAsText(const std::string& Value) {
  const TGridRect s = Selection();
  const std::vector<TClipLine> lines = ParseClipText(Value);
  int r = s.Top, maxCol = s.Left, maxRow = s.Top;
  for (size_t li = 0; li < lines.size(); ++li) {
    const TClipLine& line = lines[li];
    const bool lastLine = li + 1 == lines.size();
    if (lastLine && line.Fields.size() == 1 && line.Fields[0].empty()) break;
    if (r >= PasteRowLimit(this)) {
      if (PasteRowLimit(this) < RowCount())
        InsertRows(PasteRowLimit(this), 1);
      else
        SetRowCount(r + 1);
    }
    int c = s.Left;
    for (const std::string& f : line.Fields) {
      if (c >= ColCount()) SetColCount(c + 1);
      SetGridCell(RealColIndex(c), r, f);
      maxCol = std::max(maxCol, c);
      ++c;
    }
    maxRow = r;
    ++r;
  }
  CellsChanged(TRect(s.Left, s.Top, maxCol, maxRow));
  InvalidateGrid();
}

namespace {
std::string& PasteRefusedText() {
  static std::string text =
      "The cells on the clipboard are damaged: the block declares more cells than it holds, so nothing was "
      "pasted";
  return text;
}
}  // namespace

const std::string& GridPasteRefusedText() { return PasteRefusedText(); }
void SetGridPasteRefusedText(const std::string& Text) { PasteRefusedText() = Text; }

namespace {

// The first record of a cell stream (the size it declares and its writer)
// and the number of cells the stream really holds.
struct THeaderSink : gridio::TCellStreamSink {
  gridio::TGridPropData P;
  int64_t Cells = 0;
  void Prop(const gridio::TGridPropData& Data) override { P = Data; }
  void Cell(int64_t, int64_t, std::string&, bool) override { ++Cells; }
  void CellProps(const gridio::TCellPropsData&, bool) override {}
  void Graphic(const gridio::TCellGraphicData&) override {}
  void Payload(gridio::TPayloadData&) override {}
};

}  // namespace

int TDedAdararAdoz::PasteFromFormats(int ACol, int ARow, int& Rows, int& Cols) {
  Rows = 0;
  Cols = 0;
  TClipboard* cb = Clipboard();
  const bool anyEditing = Options().Contains(goEditing) || FNavigation->AllowClipboardAlways() ||
                          FMouseActions->RangeSelectAndEdit() || FEditDisable;
  if (AllowFmtClipboard() && cb->HasFormat(GridCellsClipboardFormat())) {
    if (!anyEditing || ACol < 0 || ARow < 0) return 0;
    const std::vector<uint8_t> data = cb->GetAsBytes(GridCellsClipboardFormat());
    const std::string_view bytes(reinterpret_cast<const char*>(data.data()), data.size());
    THeaderSink head;
    gridio::ReadCellStream(bytes, 0, head, false);
    const int64_t cols = head.P.ColCount, rows = head.P.RowCount, id = head.P.ID;
    // A block holds every cell of the rows and columns it declares: one that
    // declares more would grow the grid for cells that are not there (16.7
    // million rows from a few bytes).
    if (cols < 0 || rows < 0 || (rows > 0 && cols > head.Cells / rows))
      throw EDivUzevError(GridPasteRefusedText() + " (" + std::to_string(rows) + " x " +
                          std::to_string(cols) + " cells declared, " + std::to_string(head.Cells) + " held)");
    PasteBegin();
    TMemoryStream ms;
    ms.WriteString(bytes);
    ms.SetPosition(0);
    Cols = static_cast<int>(cols);
    Rows = static_cast<int>(rows);
    const bool insert = FNavigation->ClipboardPasteAction() == paInsert;
    if (insert && rows > 0) InsertRows(ARow, static_cast<int>(std::min<int64_t>(rows, 16777216)));
    if (cols > 0 && rows > 0)
      GrowForPaste(this, static_cast<int>(std::min<int64_t>(ACol + cols - 1, 1 << 20)),
                   static_cast<int>(std::min<int64_t>(ARow + rows - 1, 1 << 24)));
    // The cells go only where a text paste would write them.
    struct TOnlyEditable {
      TDedAdararAdoz* G;
      ~TOnlyEditable() { G->FBinPasteEditableOnly = false; }
    } only{this};
    FBinPasteEditableOnly = true;
    LoadAtPointFromBinStream(TPoint(ACol, ARow), &ms);
    FClipTopLeft =
        id == static_cast<int64_t>(static_cast<int32_t>(Handle())) ? FClipTopLeft : TGridCoord(-1, -1);
    MarkPastedRows(TGridRect(ACol, ARow, ACol + Cols - 1, ARow + Rows - 1));
    PasteDone();
    return Cols * Rows;
  }
  if (FNavigation->AllowRTFClipboard() && cb->HasFormat(RtfFormat())) {
    const std::vector<uint8_t> data = cb->GetAsBytes(RtfFormat());
    std::string text(data.begin(), data.end());
    if (auto z = text.find('\0'); z != std::string::npos) text.resize(z);
    Rows = 1;
    Cols = 1;
    if (ACol >= 0 && ARow >= 0 && ACol < ColCount() && ARow < RowCount() && IsEditable(ACol, ARow))
      PasteInCell(ACol, ARow, text);
    return 0;
  }
  if (cb->HasFormat(CF_TEXT)) {
    const std::string text = cb->AsText();
    if (text.empty()) return 0;
    return TextToCells(ACol, ARow, Rows, Cols, text);
  }
  return 0;
}

void TDedAdararAdoz::PasteFromClipboard() {
  ImportNotification(isImportStart, -1);
  FPasteAll = true;
  int rows = 0, cols = 0;
  PasteFromFormats(SaveStartCol(), SaveStartRow(), rows, cols);
  ImportNotification(isImportDone, -1);
  CalcAllFooters();
}

namespace {

bool IsDateOrTime(std::string_view T) {
  return LooksLikeDate(T) || T.find(LocaleTimeSeparator()) != std::string_view::npos;
}

bool ParseInt(const std::string& T, long long& V) {
  if (T.empty()) return false;
  char* end = nullptr;
  V = std::strtoll(T.c_str(), &end, 10);
  return end == T.c_str() + T.size();
}

bool ParseFloat(std::string T, double& V) {
  const char sep = LocaleDecimalSeparator();
  if (sep != '.') std::replace(T.begin(), T.end(), sep, '.');
  if (T.empty()) return false;
  char* end = nullptr;
  V = std::strtod(T.c_str(), &end);
  return end == T.c_str() + T.size();
}

}  // namespace

void TDedAdararAdoz::PasteSelectionFromClipboard() {
  const TGridRect s = ExpandSelectionToMerged(this, Selection());
  ImportNotification(isImportStart, -1);
  FPasteAll = false;
  int R = 0, C = 0;
  const int startCol = Options().Contains(goRowSelect) ? FixedCols() : s.Left;
  const int n = PasteFromFormats(startCol, s.Top, R, C);
  const int selected = (s.Right - s.Left + 1) * (s.Bottom - s.Top + 1);
  auto finish = [&] {
    ImportNotification(isImportDone, -1);
    CellsChanged(TRect(RealColIndex(s.Left), s.Top, RealColIndex(s.Right), s.Bottom));
    CalcAllFooters();
  };
  if (!FNavigation->AllowSmartClipboard() || n == selected + 1) {
    finish();
    return;
  }
  const bool always = FNavigation->AllowClipboardAlways();
  // Writes one smart-filled value through the paste events.
  // The top-left cell gets its value without the events.
  auto fill = [&](int c, int r, std::string v) {
    if (!always && !IsEditable(c, r)) return;
    const bool events = c != s.Left || r != s.Top;
    if (events && !BeforePasteCell(this, c, r, v)) return;
    PasteInCell(c, r, v);
    MarkPastedRows(TGridRect(c, r, c, r));
    if (events) AfterPasteCell(this, c, r, v);
  };
  const bool single = s.Left == s.Right && s.Top == s.Bottom;
  if (n == 1 && !single) {
    PasteBegin();
    const int rc = RealColIndex(s.Left);
    std::string v = GetCellEx(rc, s.Top);
    bool state = false;
    if (HasCheckBox(rc, s.Top) && !HasDataCheckBox(rc, s.Top) && GetCheckBoxState(rc, s.Top, state))
      v = state ? CheckTrue() : CheckFalse();
    for (int r = s.Top; r <= s.Bottom; ++r)
      for (int c = s.Left; c <= s.Right; ++c)
        if (c != s.Left || r != s.Top) fill(c, r, v);
    PasteDone();
  } else if (n > 1 && (s.Left == s.Right || s.Top == s.Bottom) && !single) {
    const bool column = s.Left == s.Right;
    const std::string a = GetCellEx(RealColIndex(s.Left), s.Top);
    const std::string b = column ? GetCellEx(RealColIndex(s.Left), std::min(s.Top + 1, RowCount() - 1))
                                 : GetCellEx(RealColIndex(std::min(s.Left + 1, ColCount() - 1)), s.Top);
    // The cells of the selection in column-major order, the first skipped.
    std::vector<TGridCoord> cells;
    for (int c = s.Left; c <= s.Right; ++c)
      for (int r = s.Top; r <= s.Bottom; ++r) cells.emplace_back(c, r);
    double fa = 0, fb = 0;
    long long ia = 0, ib = 0;
    const char dsep = LocaleDecimalSeparator();
    if (!a.empty() && !b.empty() && IsDateOrTime(a) && IsDateOrTime(b)) {
      try {
        const TDateTime d1 = StrToDateTime(a), d2 = StrToDateTime(b);
        int y1, m1, dd1, y2, m2, dd2;
        DecodeDate(d1, y1, m1, dd1);
        DecodeDate(d2, y2, m2, dd2);
        const bool sameTime = std::fabs(std::fmod(d1, 1.0) - std::fmod(d2, 1.0)) < 1e-9;
        int16_t ys = 0, ms = 0, ds = 0;
        if (sameTime && y1 == y2 && m1 == m2)
          ds = static_cast<int16_t>(dd2 - dd1);
        else if (sameTime && m1 == m2 && dd1 == dd2)
          ys = static_cast<int16_t>(y2 - y1);
        else if (sameTime && y1 == y2 && dd1 == dd2)
          ms = static_cast<int16_t>(m2 - m1);
        const bool timeOnly = a.find(LocaleDateSeparator()) == std::string::npos;
        TDateTime d = d1;
        for (const TGridCoord& p : cells) {
          fill(p.X, p.Y, timeOnly ? TimeToStr(d) : DateToStr(d));
          d = IncrementDate(ys, ms, ds, d2 - d1, d);
        }
      } catch (const Exception&) {
      }
    } else if ((a.find(dsep) != std::string::npos || b.find(dsep) != std::string::npos) &&
               ParseFloat(a, fa) && ParseFloat(b, fb)) {
      std::string fmt;
      double v = fa;
      for (const TGridCoord& p : cells) {
        fmt = FloatFormat();
        GetCellFloatFormat(RealColIndex(p.X), p.Y, fmt);
        fill(p.X, p.Y, Format(fmt, {v}));
        v += fb - fa;
      }
    } else if (ParseInt(a, ia) && ParseInt(b, ib)) {
      long long v = ia;
      for (const TGridCoord& p : cells) {
        fill(p.X, p.Y, std::to_string(v));
        v += ib - ia;
      }
    } else {
      // The pasted block repeats down the column (along the row).
      const int period = std::max(1, column ? R : C);
      if (column)
        for (int r = s.Top + period; r <= s.Bottom; ++r)
          fill(s.Left, r, GetCellEx(RealColIndex(s.Left), r - period));
      else
        for (int c = s.Left + period; c <= s.Right; ++c)
          fill(c, s.Top, GetCellEx(RealColIndex(c - period), s.Top));
    }
  } else if (s.Left != s.Right && s.Top != s.Bottom) {
    if (R == 1) {
      for (int r = s.Top + 1; r <= s.Bottom; ++r) PasteFromFormats(s.Left, r, R, C);
    } else if (C == 1) {
      for (int c = s.Left + 1; c <= s.Right; ++c) PasteFromFormats(c, s.Top, R, C);
    } else if (R > 1 && C > 1) {
      // A block repeats over the selection, as far as the selection goes,
      // with the values it came with (a read-only cell under its first copy
      // kept its own).
      std::vector<TClipLine> block;
      if (Clipboard()->HasFormat(CF_TEXT)) block = ParseClipText(Clipboard()->AsText());
      auto value = [&](int c, int r) {
        const size_t bc = static_cast<size_t>((c - s.Left) % C), br = static_cast<size_t>((r - s.Top) % R);
        if (br < block.size() && bc < block[br].Fields.size()) return block[br].Fields[bc];
        return GetCellEx(RealColIndex(s.Left + static_cast<int>(bc)), s.Top + static_cast<int>(br));
      };
      for (int r = s.Top; r <= s.Bottom; ++r)
        for (int c = s.Left; c <= s.Right; ++c)
          if (r >= s.Top + R || c >= s.Left + C) fill(c, r, value(c, r));
    }
    SetSelection(s);
  }
  finish();
  InvalidateGrid();
}
