// Drops onto the grid (cells of another grid, a dragged column, text, rich
// text, links and a CSV file) with the arrow marks and the scrolling while a
// drag is over it, the drop source of the grid's own drags, and the grid's
// registration as a drop target.
#include <algorithm>
#include <functional>

#include "framework/classes/Streams.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Forms.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/WinApi.h"
#include "grid/base/VevCtrls.h"
#include "grid/io/GridCellStream.h"
#include "grid/io/GridDrop.h"
#include "grid/view/DivUzevHeaderDragButton.h"

namespace {

constexpr DWORD kCopy = 1;
constexpr DWORD kMove = 2;

// Lines end at CR (an LF after it belongs to the line end) or a lone LF.
std::vector<std::string> DropLines(const std::string& Text) {
  std::vector<std::string> lines;
  std::string cur;
  for (size_t i = 0; i < Text.size(); ++i) {
    const char c = Text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(cur);
      cur.clear();
      if (c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
    } else {
      cur += c;
    }
  }
  lines.push_back(cur);
  // A line end closing the text starts no further line.
  if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
  return lines;
}

std::vector<std::string> DropFields(const std::string& Line) {
  std::vector<std::string> f;
  size_t start = 0;
  for (;;) {
    const size_t tab = Line.find('\t', start);
    f.push_back(Line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return f;
}

// The dropped text into the cells from (C0, R0): each field into its cell
// when the cell lies inside the grid and takes the drop. Answers the block
// written (Right < Left when nothing was).
TGridRect DropTextToCells(TDedAdararAdoz* G, int C0, int R0, const std::string& Text,
                          const std::function<bool(int, int)>& Takes) {
  TGridRect written(C0, R0, C0 - 1, R0 - 1);
  if (C0 < 0 || R0 < 0) return written;
  const std::vector<std::string> lines = DropLines(Text);
  G->PasteBegin();
  for (size_t l = 0; l < lines.size(); ++l) {
    const int r = R0 + static_cast<int>(l);
    if (r >= G->RowCount()) break;
    const std::vector<std::string> fields = DropFields(lines[l]);
    for (size_t i = 0; i < fields.size(); ++i) {
      const int c = C0 + static_cast<int>(i);
      if (c >= G->ColCount()) break;
      if (!Takes(c, r)) continue;
      G->PasteInCell(G->RealColIndex(c), r, fields[i]);
      written.Right = std::max(written.Right, c);
      written.Bottom = std::max(written.Bottom, r);
    }
  }
  G->PasteDone();
  if (written.Right >= written.Left)
    G->CellsChanged(
        TRect(G->RealColIndex(written.Left), written.Top, G->RealColIndex(written.Right), written.Bottom));
  return written;
}

// Gathers where the cells of a stream land, without changing anything.
class TStreamTargets : public gridio::TCellStreamSink {
 public:
  TStreamTargets(TDedAdararAdoz* Grid, TPoint Point) : grid_(Grid), point_(Point) {}
  bool Full = false;
  std::vector<TGridCoord> Cells;
  void Prop(const gridio::TGridPropData& P) override { Full = P.FullGrid; }
  void Cell(int64_t Col, int64_t Row, std::string&, bool) override {
    if (!origin_) {
      origin_ = true;
      col0_ = Col;
      row0_ = Row;
    }
    const int64_t c = Col + point_.X - col0_, r = Row + point_.Y - row0_;
    if (c >= 0 && r >= 0 && c < grid_->ColCount() && r < grid_->RowCount())
      Cells.emplace_back(static_cast<int>(c), static_cast<int>(r));
  }
  void CellProps(const gridio::TCellPropsData&, bool) override {}
  void Graphic(const gridio::TCellGraphicData&) override {}
  void Payload(gridio::TPayloadData&) override {}

 private:
  TDedAdararAdoz* grid_;
  TPoint point_;
  bool origin_ = false;
  int64_t col0_ = 0;
  int64_t row0_ = 0;
};

}  // namespace

void DropTextBlockSize(const std::string& Text, int& Cols, int& Rows) {
  Cols = 0;
  Rows = -1;
  for (const std::string& line : DropLines(Text)) {
    Cols = std::max(Cols, static_cast<int>(DropFields(line).size()));
    if (!line.empty()) ++Rows;
  }
  Rows = std::max(Rows, 0);
}

// ---------------------------------------------------------------------------
// Registration and the arrow marks

void TDragDropSettings::SetOleDropTarget(const bool& Value) {
  FOleDropTarget = Value;
  if (FOwner != nullptr) FOwner->UpdateDropTarget();
}

void TDedAdararAdoz::UpdateDropTarget() {
  if (FDesigning || !HandleAllocated()) return;
  if (FDragDropSettings->OleDropTarget()) {
    if (!FDropTarget) FDropTarget = std::make_shared<TGridDropTarget>(this);
    // A window made again has a new handle: the old registration went with
    // the old one.
    if (RegisteredDropTarget(Handle()) != FDropTarget) {
      RevokeDragDrop(Handle());
      FDropTargetRegistered = RegisterDragDrop(Handle(), FDropTarget) == S_OK;
    }
  } else if (FDropTargetRegistered) {
    RevokeDragDrop(Handle());
    FDropTargetRegistered = false;
  }
}

TArrowWindow* TDedAdararAdoz::Arrow(int Dir) {
  if (FArrows[Dir] == nullptr) {
    FArrows[Dir] = new TArrowWindow(this, static_cast<TArrowDirection>(Dir));
    FArrows[Dir]->SetColor(FArrowColor);
  }
  return FArrows[Dir];
}
TArrowWindow* TDedAdararAdoz::ArwU() { return Arrow(arrUp); }
TArrowWindow* TDedAdararAdoz::ArwD() { return Arrow(arrDown); }
TArrowWindow* TDedAdararAdoz::ArwL() { return Arrow(arrLeft); }
TArrowWindow* TDedAdararAdoz::ArwR() { return Arrow(arrRight); }

void TDedAdararAdoz::HideDropArrows() {
  for (TArrowWindow* a : FArrows)
    if (a != nullptr) a->SetVisible(false);
}

// ---------------------------------------------------------------------------
// TGridDropSource

void TGridDropSource::CurrentEffect(DWORD dwEffect) {
  if (dwEffect == kCopy || dwEffect == kMove) FLastEffect = static_cast<int>(dwEffect);
}

void TGridDropSource::QueryDrag() {
  TPoint p;
  GetCursorPos(p);
  if (FGrid->DragDropSettings()->ShowCells()) {
    if (TCustomForm* f = FGrid->FMoveForm) f->SetBounds(p.X + 4, p.Y + 4, f->Width(), f->Height());
  } else if (THeaderDragButton* b = FGrid->FMoveButton) {
    b->SetBounds(p.X, p.Y - b->Height(), b->Width(), b->Height());
  }
}

void TGridDropSource::DragEnded() {
  TCellDropSource::DragEnded();
  if (FGrid->FMoveForm != nullptr) FGrid->FMoveForm->SetVisible(false);
  if (FGrid->FMoveButton != nullptr) FGrid->FMoveButton->SetVisible(false);
}

void TGridDropSource::DragDropStop() {
  TCellDropSource::DragDropStop();
  FGrid->HideDropArrows();
  // Whatever the settings say now: the picture belongs to this drag.
  FGrid->FreeMoveForm();
}

// ---------------------------------------------------------------------------
// TGridDropTarget

TGridDropTarget::TGridDropTarget(TDedAdararAdoz* AGrid) : FGrid(AGrid) {}

HRESULT TGridDropTarget::DragEnter(const std::shared_ptr<IDataObject>& DataObj, DWORD KeyState,
                                   const TPoint& Pt, DWORD& Effect) {
  // The settings as they are now, not as they were at registration.
  TDragDropSettings* s = FGrid->DragDropSettings();
  SetAcceptText(s->OleAcceptText());
  SetAcceptFiles(s->OleAcceptFiles());
  SetAcceptURLs(s->OleAcceptURLs());
  SetAcceptCols(s->OleColumnDragDrop() || s->OleColumnReorder() || FGrid->OleDragCol() != -1);
  return TCellDropTarget::DragEnter(DataObj, KeyState, Pt, Effect);
}

HRESULT TGridDropTarget::DragOver(DWORD KeyState, const TPoint& Pt, DWORD& Effect) {
  const HRESULT r = TCellDropTarget::DragOver(KeyState, Pt, Effect);
  // No mark where the grid refuses the drop.
  if (Effect == DROPEFFECT_NONE) FGrid->HideDropArrows();
  return r;
}

HRESULT TGridDropTarget::Drop(const std::shared_ptr<IDataObject>& DataObj, DWORD KeyState, const TPoint& Pt,
                              DWORD& Effect) {
  FDropped = false;
  struct TEnd {
    TDedAdararAdoz* G;
    ~TEnd() { G->HideDropArrows(); }
  } end{FGrid};
  const HRESULT r = TCellDropTarget::Drop(DataObj, KeyState, Pt, Effect);
  // Nothing taken: the source of a move must keep what it has.
  if (!FDropped) Effect = DROPEFFECT_NONE;
  return r;
}

TGridDropTarget::TDropCell TGridDropTarget::DropCellAt(const TPoint& pt, bool ColumnDrag) const {
  TDropCell d;
  FGrid->ScreenToCell(pt, d.Col, d.Row);
  TDragDropSettings* s = FGrid->DragDropSettings();
  if (d.Row == -1 && !ColumnDrag && s->OleEntireRows() && s->OleAppendRows()) {
    const TPoint p = FGrid->ScreenToClient(pt);
    const TRect last = FGrid->CellRect(FGrid->LeftCol(), FGrid->RowCount() - 1);
    if (last.Bottom > last.Top && p.Y >= last.Bottom && p.X >= 0 && p.X < FGrid->ClientWidth()) {
      d.Col = FGrid->FixedCols();
      d.Row = FGrid->RowCount() - 1;
      d.Append = true;
    }
  }
  return d;
}

bool TGridDropTarget::GridTakesDrops() const {
  return FGrid->Options().Contains(goEditing) || FGrid->MouseActions()->RangeSelectAndEdit() ||
         FGrid->EditDisable() || FGrid->Navigation()->AllowClipboardAlways();
}

bool TGridDropTarget::CellTakesDrop(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0 || ACol >= FGrid->ColCount() || ARow >= FGrid->RowCount()) return false;
  if (FGrid->Navigation()->AllowClipboardAlways()) return true;
  return FGrid->IsEditable(ACol, ARow) && !FGrid->ReadOnly(FGrid->RealColIndex(ACol), ARow);
}

bool TGridDropTarget::DropAllowed(const TPoint& pt, TDropFormats DropFormats) {
  // Moving a column changes no cell.
  if (DropFormats.Contains(dfCol)) return true;
  const bool cellData = DropFormats.Contains(dfText) || DropFormats.Contains(dfRTF) ||
                        DropFormats.Contains(dfURL) || DropFormats.Contains(dfGridCells);
  if (!cellData) return GridTakesDrops();
  const TDropCell d = DropCellAt(pt, false);
  if (d.Append) return GridTakesDrops();
  int col = d.Col;
  if (FGrid->Options().Contains(goRowSelect) && d.Row >= 0)
    col = FGrid->DragDropSettings()->OleEntireRows() ? 0 : FGrid->FixedCols();
  return CellTakesDrop(col, d.Row);
}

void TGridDropTarget::DragMouseMove(const TPoint& pt, bool& Allow, TDropFormats DropFormats) {
  TCellDropTarget::DragMouseMove(pt, Allow, DropFormats);
  TDedAdararAdoz* g = FGrid;
  // Nothing this grid takes is on offer.
  if (!Allow) {
    g->HideDropArrows();
    return;
  }
  const bool colDrag = DropFormats.Contains(dfCol);
  TDropCell d = DropCellAt(pt, colDrag);
  const TPoint p = g->ScreenToClient(pt);
  Allow = d.Col >= 0 && d.Row >= 0;
  // Scrolling near the edges, one row or column a step.
  if (Allow && !colDrag) {
    if ((d.Row == 0 && g->TopRow() > g->FixedRows()) || (p.Y < 8 && g->FixedRows() == 0 && g->TopRow() > 0)) {
      g->SetTopRow(g->TopRow() - 1);
    } else if (d.Row == g->TopRow() + g->VisibleRowCount() && d.Row < g->RowCount()) {
      g->SetTopRow(g->TopRow() + 1);
    }
    // Sideways only every other tick of the grid's timer, or it runs away.
    if (g->FTimerTicks % 2 == 0) {
      bool stepped = false;
      if (d.Col == 0 && g->LeftCol() > g->FixedCols()) {
        g->SetLeftCol(g->LeftCol() - 1);
        stepped = true;
      } else if (d.Col == g->LeftCol() + g->VisibleColCount() && d.Col < g->ColCount()) {
        g->SetLeftCol(g->LeftCol() + 1);
        stepped = true;
      }
      if (stepped) ++g->FTimerTicks;
    }
  }
  if (!colDrag) {
    if (d.Row >= 0 && d.Row < g->FixedRows() && !(g->RowCount() == 1 && g->FixedRowAlways())) Allow = false;
  } else {
    const TRect last = g->CellRect(g->ColCount() - 1, 0);
    if (d.Col < 0 && last.Right > last.Left && p.X >= last.Right && p.Y >= 0 && p.Y < g->ClientHeight()) {
      d.Col = g->ColCount();
      d.Row = 0;
      Allow = true;
    } else {
      Allow = d.Row >= 0 && d.Row < g->FixedRows() && d.Col >= g->FixedCols();
    }
  }
  const bool files = DropFormats.Contains(dfFile);
  if (files || DropFormats.Contains(dfGridCells)) Allow = true;
  if (g->OnOleDragOver) g->OnOleDragOver(g, d.Row, d.Col >= 0 ? g->RealColIndex(d.Col) : d.Col, Allow);
  Allow = Allow && ((d.Col >= 0 && d.Row >= 0) || files);

  // The marks of where the drop goes.
  if (Allow && colDrag) {
    const int col = std::min(d.Col, g->ColCount() - 1);
    TRect r = g->CellRect(col, d.Row);
    const int x = d.Col >= g->ColCount() ? r.Right : r.Left;
    g->ArwD()->SetBounds(x - 5, r.Top - 8, 11, 11);
    g->ArwU()->SetBounds(x - 5, r.Bottom, 11, 11);
    g->ArwD()->SetVisible(true);
    g->ArwU()->SetVisible(true);
    g->ArwL()->SetVisible(false);
  } else if (Allow && d.Col >= 0 && d.Row >= 0) {
    int row = d.Row;
    if (row == 0 && g->FixedRowAlways()) {
      row = 1;
      d.Append = false;
    }
    int col = d.Col;
    if (g->DragDropSettings()->OleEntireRows()) col = g->FixedCols();
    TRect r = g->CellRect(col, std::min(row, g->RowCount() - 1));
    int top = r.Top;
    if (d.Append) top = r.Bottom;
    g->ArwL()->SetBounds(r.Left - 10, top - 5, 11, 11);
    g->ArwL()->SetVisible(true);
    g->ArwD()->SetVisible(false);
    g->ArwU()->SetVisible(false);
  } else {
    g->HideDropArrows();
  }
}

void TGridDropTarget::DragMouseLeave() { FGrid->HideDropArrows(); }

void TGridDropTarget::DropStream(const TPoint& pt, TMemoryStream* ms) {
  TDedAdararAdoz* g = FGrid;
  ms->SetPosition(0);
  int c = -1, r = -1;
  g->ScreenToCell(pt, c, r);
  if (c < 0 || r < 0) return;
  // Read within its block, checked before anything changes, and only into
  // cells that take a drop.
  if (!StreamTakesDrop(TPoint(c, r), ms)) return;
  ms->SetPosition(0);
  g->LoadAtPointFromBinStream(TPoint(c, r), ms);
  FDropped = true;
  NoteDrop(FStreamBlock);
  // The dropped cells are selected, as dropped text is.
  g->SetSelection(FStreamBlock);
  g->HideDropArrows();
  if (g->OnOleDropped) g->OnOleDropped(g, g->Selection());
}

bool TGridDropTarget::StreamTakesDrop(const TPoint& Cell, TMemoryStream* ms) {
  TStreamTargets t(FGrid, Cell);
  gridio::ReadCellStream(ms->Bytes(), 0, t, false);
  // A whole grid's stream replaces every cell: no drop does that.
  if (t.Full) return false;
  TGridRect block(Cell.X, Cell.Y, Cell.X, Cell.Y);
  for (const TGridCoord& c : t.Cells) {
    if (!CellTakesDrop(c.X, c.Y)) return false;
    block.Right = std::max(block.Right, c.X);
    block.Bottom = std::max(block.Bottom, c.Y);
  }
  FStreamBlock = block;
  return true;
}

void TGridDropTarget::DropCol(const TPoint& pt, int col) {
  TDedAdararAdoz* g = FGrid;
  int c = -1, r = -1;
  g->ScreenToCell(pt, c, r);
  int d = c >= 0 ? c : g->ColCount();
  if (DropFormats().Contains(dfCol)) {
    g->ArwD()->SetVisible(false);
    g->ArwU()->SetVisible(false);
  }
  auto move = [g](int From, int To) {
    const bool saved = g->EnhRowColMove();
    g->SetEnhRowColMove(true);
    struct TBack {
      TDedAdararAdoz* G;
      bool V;
      ~TBack() { G->SetEnhRowColMove(V); }
    } back{g, saved};
    g->MoveColumn(From, To);
  };
  if (g->OleDragCol() != -1) {
    // A hidden column dragged in from a list: it shows again where it fell.
    const int hidden = g->OleDragCol();
    if (auto* list = dynamic_cast<TCustomListBox*>(g->OleDragList())) {
      if (g->OleDragIndex() >= 0 && g->OleDragIndex() < list->Items()->Count())
        list->Items()->Delete(g->OleDragIndex());
    }
    g->UnHideColumn(hidden);
    const int from = g->DisplColIndexOf(hidden);
    d = std::min(d, g->ColCount() - 1);
    if (from >= 0 && from != d) move(from, d);
    g->OleColumnDragStart(-1, -1, nullptr);
    FDropped = true;
  } else if (g->DragDropSettings()->OleColumnReorder() && g->FOleDragging) {
    // Only a column of this grid's own drag moves: the index means nothing
    // in another grid.
    d = std::min(d, g->ColCount() - 1);
    const int from = g->DisplColIndexOf(col);
    if (from >= 0 && from != d) move(from, d);
    FDropped = true;
  }
  if (g->OnOleDropCol) {
    g->OnOleDropCol(g, r, col, d);
    FDropped = true;
  }
}

void TGridDropTarget::DropText(const TPoint& pt, const std::string& s) {
  TDedAdararAdoz* g = FGrid;
  TDragDropSettings* set = g->DragDropSettings();
  TDropCell d = DropCellAt(pt, false);
  int ACol = d.Col, ARow = d.Row;
  bool allow = true;
  int w = 0, h = 0;
  DropTextBlockSize(s, w, h);
  const bool rowSelect = g->Options().Contains(goRowSelect);
  if (rowSelect && ARow >= 0) ACol = set->OleEntireRows() ? 0 : g->FixedCols();
  if (g->OnOleDrop) g->OnOleDrop(g, ARow, ACol >= 0 ? g->RealColIndex(ACol) : ACol, s, allow);
  TGridRect dropped = g->Selection();
  if (allow && ACol >= 0 && ARow >= 0) {
    if (ARow == 0 && g->FixedRowAlways() && g->RowCount() == 1) ARow = 1;
    const int top = g->TopRow();
    bool inserted = false;
    if (set->OleInsertRows()) {
      if (d.Append) {
        g->SetRowCount(g->RowCount() + h + 1);
        ++ARow;
      } else {
        g->InsertRows(ARow, h + 1);
        inserted = true;
      }
      g->SetTopRow(top);
    } else if (d.Append) {
      // Appending without inserting: the text goes into the last row.
    }
    // A move within this grid removes its source rows afterwards: rows put
    // in above them push them down.
    TGridRect src = g->DropSelection();
    if (g->FOleDragging && set->OleRemoveRows() && inserted && ARow <= src.Top) {
      src.Top += h + 1;
      src.Bottom += h + 1;
      g->SetDropSelection(src);
    }
    const TGridRect written =
        DropTextToCells(g, ACol, ARow, s, [this](int c, int r) { return CellTakesDrop(c, r); });
    if (written.Right >= written.Left) NoteDrop(written);
    if (written.Right >= written.Left || inserted) FDropped = true;
    const int left = std::max(ACol, g->FixedCols());
    const int right = rowSelect ? left + w - g->FixedCols() : left + w - 1;
    dropped = TGridRect(left, ARow, std::clamp(right, left, g->ColCount() - 1),
                        std::min(ARow + h, g->RowCount() - 1));
    g->SetSelection(dropped);
  }
  g->HideDropArrows();
  if (g->OnOleDropped) g->OnOleDropped(g, dropped);
}

void TGridDropTarget::DropIntoCell(const TPoint& pt, const std::string& s, const TOleDragDropEvent& Event) {
  TDedAdararAdoz* g = FGrid;
  int c = -1, r = -1;
  g->ScreenToCell(pt, c, r);
  bool allow = true;
  if (Event) Event(g, r, c >= 0 ? g->RealColIndex(c) : c, s, allow);
  if (allow && CellTakesDrop(c, r)) {
    g->SetCellEx(g->RealColIndex(c), r, s);
    NoteDrop(TGridRect(c, r, c, r));
    FDropped = true;
  }
  g->ArwL()->SetVisible(false);
  g->ArwD()->SetVisible(false);
}

void TGridDropTarget::DropRTF(const TPoint& pt, const std::string& s) {
  DropIntoCell(pt, s, FGrid->OnOleDrop);
}

void TGridDropTarget::DropURL(const TPoint& pt, const std::string& s) {
  DropIntoCell(pt, s, FGrid->OnOleDropURL);
}

void TGridDropTarget::DropFiles(const TPoint& pt, TStrings* files) {
  TDedAdararAdoz* g = FGrid;
  struct TEnd {
    TDedAdararAdoz* G;
    ~TEnd() {
      G->ArwL()->SetVisible(false);
      G->ArwD()->SetVisible(false);
    }
  } end{g};
  if (files == nullptr || files->Count() != 1) return;
  const std::string name = files->Strings(0);
  int c = -1, r = -1;
  g->ScreenToCell(pt, c, r);
  bool allow = true;
  if (g->OnOleDropFile) g->OnOleDropFile(g, r, c >= 0 ? g->RealColIndex(c) : c, name, allow);
  if (!allow) return;
  // One loader, chosen by the final extension alone.
  switch (DroppedFileKind(name)) {
    case dfkCSV:
      if (g->OnOleDrop) g->OnOleDrop(g, -1, -1, name, allow);
      if (!allow) return;
      g->LoadFromCSV(name);
      FDropped = true;
      break;
    case dfkXLS:
      // A workbook the spreadsheet reader cannot read (an old binary one)
      // fails the drop and leaves the grid as it was.
      if (g->OnOleDrop) g->OnOleDrop(g, -1, -1, name, allow);
      if (!allow) return;
      g->LoadFromXLS(name);
      FDropped = true;
      break;
    case dfkNone:
      break;
  }
}
