#pragma once
// Internal to the grid's painter (grid/view/DivUzev_Paint*.cpp): the working
// values of one cell paint, which its steps read and change in turn.
#include <string>

#include "grid/model/DivUzev.h"

struct TDedAdararAdoz::TCellPaint {
  TCanvas* C = nullptr;
  int Col = 0;   // display column, as the framework passed it
  int RCol = 0;  // the storage column every query and event takes
  int Row = 0;
  int SelRow = 0;  // the row whose select flag counts
  TRect Cell;      // the rectangle handed in
  TRect R;         // the working rectangle; steps narrow and restore it
  TGridDrawState State;
  bool FilterGlyph = false;
  int ScrollPos = 0;
  TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  bool WW = false;
  TCellGradientDirection GD = GradientVertical;
  TColor SavedBrush = clNone, SavedFontColor = clNone;
  // The cell's graphic and the room it takes.
  TCellGraphic* Graphic = nullptr;
  int GW = 0, GH = 0;
  bool DrawsText = true;
  bool FixedLook = false;
  // Room cut off the right for always-visible buttons.
  int ButtonCut = 0;
  // Shift of the row indicator.
  int IndicatorShift = 0;
  // The text width noted for graphics placed after the text (-1 none).
  int TextWidth = -1;
  TColor LinkColor = clNone;
};
