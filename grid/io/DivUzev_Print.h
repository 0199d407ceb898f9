#pragma once
// Internal to the grid's printing (grid/io/DivUzev_Print*.cpp): what stays on
// the grid between print calls, and the working values of one page render.
//
// Lengths are tenths of a millimetre on a canvas in the metric mapping (y
// grows upward); the code speaks of depths below the page's top edge and
// turns a depth d into the canvas y -d where it draws.
#include <functional>
#include <string>
#include <vector>

#include "grid/model/DivUzev.h"

struct TDedAdararAdoz::TPrintState {
  TGridRect Cells{0, 0, 0, 0};  // the rectangle of cells to print
  bool SelectedOnly = false;
  // Previews: the display rectangle in device units; printing: the page
  // size in tenths of a millimetre.
  TRect PageRect;
  // The pages the render outputs (1-based); the others are only laid out.
  int FirstPage = 1;
  int LastPage = 1;
  int NrOfPages = 0;
  bool IsPreview = false;
  bool Fast = false;
  TRect PageRectOut;
  int PageWidth = 0;
  int ColStart = 0;
  int ColEnd = 0;
  // Per display column, sized to the column count of the render.
  std::vector<int> Widths;
  std::vector<int> Offsets;
  double FontZoom = 1.0;
  int CacheRow = -1;
  int CacheHeight = 0;
};

// Render modes.
enum TPrintRenderMode { prmPreview = 0, prmDraw = 1, prmCountPrint = 2, prmCountPreview = 3 };

struct TDedAdararAdoz::TPrintRender {
  TPrintRender(TDedAdararAdoz& AGrid, TCanvas* ACanvas, int AMode, int APageCount, bool ACountKnown);

  // Lays the pages out (drawing the output pages in the drawing modes) and
  // answers the page count.
  int Run();
  // Starts another printer page between two output pages (mode 1 on the
  // printer only).
  std::function<void()> NewDevicePage;

  TDedAdararAdoz& G;
  TPrintState& S;
  TPrintSettings& PS;
  TCanvas* C;
  int Mode;
  int PageCount;
  bool CountKnown;

  // Page and text metrics.
  double ScreenRatio = 1.0;
  int Hh = 0, Hf = 0, L = 0, Pad = 0, Gap = 0;
  int W = 0;        // page width
  int PageH = 0;    // page height (positive)
  double Sc = 1.0;  // tenths of a millimetre per screen pixel
  int M = 0;        // column spacing
  double Fit = 1.0;
  int ExportState = 1;

  // The band and page being laid out.
  bool MultiBand = false;
  int Band = 0;
  int PagesInBand = 0;
  int K = 0;  // 0-based page index over the whole render
  int BandFirst = 0, BandLast = 0;
  bool RepeatCols = false;
  int T = 0, B = 0;
  int MarkupTitle = 0;  // height of a markup title at the top
  bool Cancelled = false;
  int Depth = 0;

  bool Drawing() const { return Mode == prmPreview || Mode == prmDraw; }
  bool InRange(int Page) const { return Page >= S.FirstPage && Page <= S.LastPage; }
  bool DrawsPage() const { return Drawing() && InRange(K + 1); }

  // Cells (DivUzev_PrintRows.cpp).
  bool RowTakesPart(int ARow);
  bool ColTakesPart(int ACol);
  void MeasureColumns();
  TPoint MeasureCell(int ACol, int ARow);
  int RowHeight(int ARow);
  int RowPitch(int ARow) { return 2 * Pad + RowHeight(ARow) + PS.RowSpacing(); }
  // Prints the row at depth D over display columns A..Bc; answers its pitch.
  int PrintRow(int D, int A, int Bc, int ARow);
  void PrintCell(int D, int ACol, int ARow, int Pitch, int LastCol);
  void PrintCellBorders(int D, int ACol, int ARow, int Pitch, int LastCol);
  TRect CellBox(int D, int ACol, int ARow, int Pitch);
  // The cell's graphic into Box (depths).
  void PrintGraphic(int ACol, int ARow, TCellGraphic* G0, const TRect& Box, TAlignment HA);
  void PrintImage(int Index, const TRect& R);
  void PrintRadio(int ACol, int ARow, TCellGraphic* G0, const TRect& R);

  // Page furniture (DivUzev_PrintPage.cpp).
  void ComputeHeaderFooter();
  int HeaderStep();
  std::string PageNumberText();
  void PageLines(int AtDepth);
  void StartPage();
  void EndPage(int LastRow);
  int MeasureMarkupTitle();
  // Markup drawn (or measured) in device pixels into the box between two
  // depths; answers its extent in page units.
  TPoint MarkupOnPage(const std::string& Text, int Left, int TopDepth, int Right, int BottomDepth,
                      TFont* Font, bool Measure, bool Wrap);

  // Helpers.
  void SetFont(TFont* Font, TFont* Source);
  int DepthY(int D) const { return -D; }
  std::string TitleMarkup();

  int OutputPages = 0;
};

// Joins two texts with a space; an empty one stands the other alone.
std::string JoinPrintTexts(const std::string& A, const std::string& B);
