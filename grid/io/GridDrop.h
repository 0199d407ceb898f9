#pragma once
// The grid's side of drag and drop: the drop target a grid registers for its
// window (cells of another grid, a dragged column, text, rich text, links and
// a single CSV file, with the arrow marks and the scrolling while a drag is
// over it) and the drop source of a drag that starts in the grid.
//
// Every drop obeys the grid's editing rules: text, rich text, links and
// cells go only into cells the grid lets the user edit (or any cell with
// Navigation.AllowClipboardAlways), and a file only into a grid that takes
// edits at all. A drop the rules, an event or a failed load refuse reports
// no effect, so the source of a move keeps its cells.
#include <memory>
#include <string>

#include "grid/base/griddd.h"
#include "grid/model/DivUzev.h"

class TGridDropTarget : public TCellDropTarget {
 public:
  explicit TGridDropTarget(TDedAdararAdoz* AGrid);
  TDedAdararAdoz* Grid() const { return FGrid; }

  HRESULT DragEnter(const std::shared_ptr<IDataObject>& DataObj, DWORD KeyState, const TPoint& Pt,
                    DWORD& Effect) override;
  HRESULT DragOver(DWORD KeyState, const TPoint& Pt, DWORD& Effect) override;
  HRESULT Drop(const std::shared_ptr<IDataObject>& DataObj, DWORD KeyState, const TPoint& Pt,
               DWORD& Effect) override;

  void DragMouseMove(const TPoint& pt, bool& Allow, TDropFormats DropFormats) override;
  void DragMouseLeave() override;
  bool DropAllowed(const TPoint& pt, TDropFormats DropFormats) override;
  void DropText(const TPoint& pt, const std::string& s) override;
  void DropStream(const TPoint& pt, TMemoryStream* ms) override;
  void DropCol(const TPoint& pt, int col) override;
  void DropRTF(const TPoint& pt, const std::string& s) override;
  void DropFiles(const TPoint& pt, TStrings* files) override;
  void DropURL(const TPoint& pt, const std::string& s) override;

  // The cell a drop at a screen point goes to; Append: below the last row
  // with OleEntireRows and OleAppendRows (the last row is then named).
  struct TDropCell {
    int Col = -1;
    int Row = -1;
    bool Append = false;
  };
  TDropCell DropCellAt(const TPoint& pt, bool ColumnDrag) const;
  // The cells the last drop wrote (display columns), when it wrote any.
  bool HasLastDrop() const { return FHasLastDrop; }
  const TGridRect& LastDrop() const { return FLastDrop; }
  void ForgetLastDrop() { FHasLastDrop = false; }

 private:
  // Whether the grid lets a drop write the cell (display column).
  bool CellTakesDrop(int ACol, int ARow) const;
  bool GridTakesDrops() const;
  bool StreamTakesDrop(const TPoint& Cell, TMemoryStream* ms);
  // A rich text or link dropped into the one cell under the point, as the
  // handler lets it.
  void DropIntoCell(const TPoint& pt, const std::string& s, const TOleDragDropEvent& Event);
  TGridRect FStreamBlock;
  TDedAdararAdoz* FGrid;
  // The current drop wrote something; otherwise it reports no effect.
  bool FDropped = false;
  bool FHasLastDrop = false;
  TGridRect FLastDrop;
  void NoteDrop(const TGridRect& R) {
    FLastDrop = R;
    FHasLastDrop = true;
  }
};

class TGridDropSource : public TCellDropSource {
 public:
  explicit TGridDropSource(TDedAdararAdoz* AGrid) : FGrid(AGrid) {}
  TDedAdararAdoz* Grid() const { return FGrid; }
  // The last copy (1) or move (2) feedback; 0 before any.
  int LastEffect() const { return FLastEffect; }
  void CurrentEffect(DWORD dwEffect) override;
  // The drag's picture follows the pointer: the cells' picture 4 pixels
  // right of and below it, the header's face with its bottom-left corner
  // at it.
  void QueryDrag() override;
  // The button went up: the picture goes before the drop is handled.
  void DragEnded() override;
  // The picture of the cells is freed.
  void DragDropStop() override;

 private:
  TDedAdararAdoz* FGrid;
  int FLastEffect = 0;
};

// The columns and rows a text drop fills: the widest line's TAB-separated
// fields, and the non-empty lines less one.
void DropTextBlockSize(const std::string& Text, int& Cols, int& Rows);
