#pragma once
// The drop-down editor kinds of the grid (edTrackbarDropDown ..
// edDivUzevDropDown) are controls of the drop-down library, which builds on
// the grid. That library hands the grid one provider that makes, fills and
// reads them; without a provider these kinds are edited as plain text.
#include <string>

#include "grid/base/BaseGrid.h"
#include "grid/base/VevStyleIF.h"

class TDedAdararAdoz;
class TWinControl;
class TComponent;

class TDropDownEditorProvider {
 public:
  virtual ~TDropDownEditorProvider() = default;
  // A new editor of Kind for Grid, owned by the grid, hidden and disabled.
  virtual TWinControl* Create(TDedAdararAdoz* Grid, TEditorType Kind) = 0;
  // The kind an editor made by Create serves; edNone for any other control.
  virtual TEditorType KindOf(TComponent* Editor) const = 0;
  // Before the application's editor-property event: the grid's look and
  // the cell colour, typing on.
  virtual void Prepare(TWinControl* Editor, TEditorType Kind, TVyxStyle Style, TColor Color) = 0;
  // After it: the cell's text (and its own colour) in, placed over Rect,
  // shown and focused; DirectDrop opens the pop-up at once.
  virtual void Open(TWinControl* Editor, TEditorType Kind, const TRect& Rect, const std::string& Text,
                    TColor CellColor, bool DirectDrop) = 0;
  // The value to write back into the cell.
  virtual std::string Value(TWinControl* Editor, TEditorType Kind) = 0;
  // The colour the cell takes with the value; false when it keeps its own.
  virtual bool CellColor(TWinControl* Editor, TEditorType Kind, TColor& Color) = 0;
  // Closes the pop-up when it is open, keeping what it shows.
  virtual void ClosePopup(TWinControl* Editor) = 0;
};

// Sets the one provider (nullptr removes it).
void SetDropDownEditorProvider(TDropDownEditorProvider* Provider);
TDropDownEditorProvider* DropDownEditorProvider();
// edTrackbarDropDown .. edImagePickerDropDown and edDivUzevDropDown.
bool IsDropDownEditorKind(TEditorType Kind);
// The grid's editor of Kind when it has made one, else nullptr.
TWinControl* FindDropDownEditor(const TDedAdararAdoz* Grid, TEditorType Kind);
