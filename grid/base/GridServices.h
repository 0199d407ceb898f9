#pragma once
// What the grid's companion objects need of the grid itself, declared here
// so the companions build and are tested without the full grid control.
// The cell store implements TGridCellLink; the grid wires the settings
// objects' change events to its own handlers.
#include <string>

class TComponent;

// The face of a grid that its undo/redo history acts on: cell texts by
// storage column and row, the current cell and repainting.
class TGridCellLink {
 public:
  virtual ~TGridCellLink() = default;

  // The grid as a component, for removal notices.
  virtual TComponent* LinkComponent() = 0;
  // Cell text by storage column and row, as the cell accessors read and
  // write it (merged cells go to their base cell). The text is the link's
  // own: valid until the cells change; copy it to keep it.
  virtual const std::string& GetCellEx(int ACol, int ARow) = 0;
  virtual void SetCellEx(int ACol, int ARow, const std::string& Value) = 0;
  // The display position of a storage column.
  virtual int DisplColIndex(int ACol) = 0;
  // Makes (display column, row) the current cell.
  virtual void SetCurrentCell(int ACol, int ARow) = 0;
  // Repaints one cell (display column, row).
  virtual void RepaintCell(int ACol, int ARow) = 0;
  // Repaints the whole grid.
  virtual void InvalidateGrid() = 0;
};
