// Printing, preview and page layout of TDedAdararAdoz: the entry points and
// the page renderer, which splits the columns into bands that fit the page
// width and the rows into pages. The cells are printed by
// DivUzev_PrintRows.cpp, the texts and lines around them by
// DivUzev_PrintPage.cpp.
#include <climits>
#include <cmath>

#include "framework/graphics/Printers.h"
#include "grid/io/DivUzev_Print.h"

namespace {
// Restores a canvas's mapping mode however the render ends.
struct TMapModeScope {
  TCanvas* C;
  int Old;
  TMapModeScope(TCanvas* ACanvas, int Mode) : C(ACanvas), Old(ACanvas->SetMapMode(Mode)) {}
  ~TMapModeScope() { C->SetMapMode(Old); }
};

// Halves to even, as the page size is rounded.
int RoundEven(double V) { return static_cast<int>(std::nearbyint(V)); }
}  // namespace

TDedAdararAdoz::TPrintState& TDedAdararAdoz::PrintState() const {
  if (!FPrintState) FPrintState = std::make_shared<TPrintState>();
  return *FPrintState;
}

int TDedAdararAdoz::PrintNrOfPages() const { return PrintState().NrOfPages; }
bool TDedAdararAdoz::IsPrintPreview() const { return PrintState().IsPreview; }
bool TDedAdararAdoz::FastPrint() const { return PrintState().Fast; }
void TDedAdararAdoz::SetFastPrint(bool Value) { PrintState().Fast = Value; }
TRect TDedAdararAdoz::PrintPageRect() const { return PrintState().PageRectOut; }
int TDedAdararAdoz::PrintPageWidth() const { return PrintState().PageWidth; }
int TDedAdararAdoz::PrintColStart() const { return PrintState().ColStart; }
int TDedAdararAdoz::PrintColEnd() const { return PrintState().ColEnd; }

int TDedAdararAdoz::MapFontHeight(int PointSize) {
  return -static_cast<int>(PointSize * 254.0 / 72.0 * PrintState().FontZoom);
}

int TDedAdararAdoz::MapFontSize(int Height) { return static_cast<int>(Height * 72.0 / 254.0); }

// ---------------------------------------------------------------------------
// Entry points

namespace {
TGridRect WholeGrid(TDedAdararAdoz& G) { return TGridRect{0, 0, G.ColCount() - 1, G.RowCount() - 1}; }
}  // namespace

void TDedAdararAdoz::Print() { DoPrint(WholeGrid(*this), false); }
void TDedAdararAdoz::PrintSelection() { DoPrint(Selection(), false); }
void TDedAdararAdoz::PrintRect(const TGridRect& Gridrect) { DoPrint(Gridrect, false); }
void TDedAdararAdoz::PrintSelectedRows() { DoPrint(WholeGrid(*this), true); }
void TDedAdararAdoz::PrintSelectedCols() { DoPrint(WholeGrid(*this), true); }

void TDedAdararAdoz::PrintPreview(TCanvas* Canvas, const TRect& Displayrect) {
  DoPrintPreview(Canvas, Displayrect, WholeGrid(*this), false);
}
void TDedAdararAdoz::PrintPreviewRect(TCanvas* Canvas, const TRect& Displayrect, const TGridRect& Gridrect) {
  DoPrintPreview(Canvas, Displayrect, Gridrect, false);
}
void TDedAdararAdoz::PrintPreviewSelection(TCanvas* Canvas, const TRect& Displayrect) {
  DoPrintPreview(Canvas, Displayrect, Selection(), false);
}
void TDedAdararAdoz::PrintPreviewSelectedRows(TCanvas* Canvas, const TRect& Displayrect) {
  DoPrintPreview(Canvas, Displayrect, WholeGrid(*this), true);
}
void TDedAdararAdoz::PrintPreviewSelectedCols(TCanvas* Canvas, const TRect& Displayrect) {
  DoPrintPreview(Canvas, Displayrect, WholeGrid(*this), true);
}

void TDedAdararAdoz::PrintDraw(TCanvas* Canvas, const TRect& DrawRect) {
  PrintDrawRect(Canvas, DrawRect, WholeGrid(*this));
}

void TDedAdararAdoz::PrintDrawRect(TCanvas* Canvas, const TRect& DrawRect, const TGridRect& Gridrect) {
  TPrintState& s = PrintState();
  s.Cells = Gridrect;
  s.SelectedOnly = false;
  s.PageRect = DrawRect;
  s.FirstPage = s.LastPage = s.NrOfPages = 1;
  TMapModeScope map(Canvas, MM_LOMETRIC);
  TPrintRender r(*this, Canvas, prmDraw, 1, true);
  r.Run();
}

void TDedAdararAdoz::DoPrint(const TGridRect& Cells, bool SelectedOnly) {
  TPrintState& s = PrintState();
  TPrinter* printer = Printer();
  ExportNotification(esExportStart, -1);
  s.Cells = Cells;
  s.SelectedOnly = SelectedOnly;
  if (!FPrintSettings->UseDefaultOrientation()) printer->SetOrientation(FPrintSettings->Orientation());
  const int dpiX = printer->XDPI() > 0 ? printer->XDPI() : 600;
  const int dpiY = printer->YDPI() > 0 ? printer->YDPI() : 600;
  s.PageRect = TRect(0, 0, RoundEven(254.0 / dpiX * printer->PageWidth()),
                     RoundEven(254.0 / dpiY * printer->PageHeight()));
  printer->SetTitle(FPrintSettings->JobName());
  printer->BeginDoc();
  TCanvas* canvas = printer->Canvas();
  // Whatever happens, the job is ended or dropped and the preview range
  // is the preview's again.
  struct TJobScope {
    TPrinter* P;
    TPrintState& S;
    TDedAdararAdoz* G;
    bool Open = true;
    ~TJobScope() {
      S.FirstPage = S.LastPage = G->PreviewPage();
      if (Open && P->Printing()) P->Abort();
    }
  } job{printer, s, this};

  const bool known = !s.Fast;
  int count = INT_MAX;
  if (known) {
    TMapModeScope map(canvas, MM_LOMETRIC);
    s.FirstPage = 1;
    s.LastPage = INT_MAX;
    TPrintRender counter(*this, canvas, prmCountPrint, 0, false);
    count = counter.Run();
  }
  s.FirstPage = 1;
  s.LastPage = count;
  s.NrOfPages = count;
  int fromPage = 1, toPage = count;
  if (OnPrintStart) {
    printer->Abort();
    OnPrintStart(this, count, fromPage, toPage);
    if (fromPage == 0 || toPage == 0 || fromPage > toPage) return;
    printer->BeginDoc();
    canvas = printer->Canvas();
  }
  s.FirstPage = fromPage;
  s.LastPage = toPage;
  s.NrOfPages = toPage;
  {
    TMapModeScope map(canvas, MM_LOMETRIC);
    TPrintRender render(*this, canvas, prmDraw, count, known);
    render.NewDevicePage = [printer] { printer->NewPage(); };
    render.Run();
    if (!known) s.NrOfPages = render.OutputPages;
  }
  job.Open = false;
  printer->EndDoc();
  ExportNotification(esExportDone, -1);
}

void TDedAdararAdoz::DoPrintPreview(TCanvas* Canvas, const TRect& Displayrect, const TGridRect& Cells,
                                    bool SelectedOnly) {
  TPrintState& s = PrintState();
  ExportNotification(esExportStart, -1);
  struct TPreviewScope {
    TDedAdararAdoz* G;
    TPrintState& S;
    ~TPreviewScope() {
      G->ExportNotification(esExportDone, -1);
      S.IsPreview = false;
    }
  } scope{this, s};
  s.Cells = Cells;
  s.SelectedOnly = SelectedOnly;
  const int oldMode = Canvas->SetMapMode(MM_LOMETRIC);
  s.PageRect = Displayrect;
  s.FirstPage = s.LastPage = PreviewPage();
  int count = 1;
  if (!s.Fast) {
    TPrintRender counter(*this, Canvas, prmCountPreview, 0, false);
    count = counter.Run();
    s.NrOfPages = count;
  }
  s.IsPreview = true;
  int fromPage = 1, toPage = count;
  if (OnPrintStart) OnPrintStart(this, count, fromPage, toPage);
  if (fromPage > 0 && toPage > 0 && fromPage <= toPage) {
    s.PageRect = Displayrect;
    // Only the preview page is drawn, whatever printed before.
    s.FirstPage = s.LastPage = PreviewPage();
    struct TRestore {
      TCanvas* C;
      int Mode;
      ~TRestore() { C->SetMapMode(Mode); }
    } restore{Canvas, oldMode};
    TPrintRender render(*this, Canvas, prmPreview, count, !s.Fast);
    render.Run();
  }
}

// ---------------------------------------------------------------------------
// The renderer

TDedAdararAdoz::TPrintRender::TPrintRender(TDedAdararAdoz& AGrid, TCanvas* ACanvas, int AMode, int APageCount,
                                           bool ACountKnown)
    : G(AGrid),
      S(AGrid.PrintState()),
      PS(*AGrid.PrintSettings()),
      C(ACanvas),
      Mode(AMode),
      PageCount(APageCount),
      CountKnown(ACountKnown) {}

void TDedAdararAdoz::TPrintRender::SetFont(TFont* Font, TFont* Source) {
  Font->Assign(Source);
  Font->SetHeight(G.MapFontHeight(Source->Size()));
}

int TDedAdararAdoz::TPrintRender::Run() {
  // 1. Resolutions and the metric mapping.
  int gridPpi = G.Canvas()->PixelsPerInch();
  if (gridPpi <= 0) gridPpi = 96;
  ScreenRatio = C->PixelsPerInch() > 0 ? double(C->PixelsPerInch()) / gridPpi : 1.0;
  C->SetMapMode(MM_LOMETRIC);
  S.FontZoom = 1.0;
  S.CacheRow = -1;

  // 2. The pen of the page lines.
  C->Pen()->SetColor(clBlack);
  C->Pen()->SetStyle(PS.BorderStyle());
  C->Pen()->SetWidth(PS.Borders() == pbDouble ? 10 : 2);

  // 3. Text metrics.
  SetFont(C->Font(), PS.HeaderFont());
  Hh = C->TextHeight("gh");
  SetFont(C->Font(), PS.FooterFont());
  Hf = C->TextHeight("gh");
  SetFont(C->Font(), PS.Font());
  L = C->TextHeight("gh");
  Pad = L / 8;
  Gap = C->TextWidth("g") / 2;

  // 4. The page.
  if (Mode == prmPreview || Mode == prmCountPreview) {
    const TPoint a = C->DeviceToLogical(S.PageRect.TopLeft());
    const TPoint b = C->DeviceToLogical(S.PageRect.BottomRight());
    W = b.X - a.X;
    PageH = a.Y - b.Y;
  } else if (Mode == prmDraw) {
    const TRect r = C->ClipRect();
    W = std::abs(r.Right - r.Left);
    PageH = std::abs(r.Bottom - r.Top);
  } else {
    W = S.PageRect.Width();
    PageH = S.PageRect.Height();
  }
  S.PageRectOut = TRect(0, 0, W, -PageH);

  // 5., 6.
  Sc = 254.0 / gridPpi;
  M = PS.UseFixedWidth() ? 0 : PS.ColumnSpacing() + 20;

  const TGridRect& cells = S.Cells;
  if (cells.Left > cells.Right || cells.Top > cells.Bottom || cells.Left < 0 || cells.Top < 0) return 0;

  // 7.
  MeasureColumns();

  // 8. Fit to the page.
  Fit = 1.0;
  if (PS.FitToPage() != fpNever) {
    long long content = 0;
    for (int c = cells.Left; c <= cells.Right; ++c)
      if (ColTakesPart(c)) content += S.Widths[c] + M;
    const long long v = static_cast<long long>(cells.Right - cells.Left + 1) * M;
    if (content != v) {
      double f = double(W - PS.RightSize() - PS.LeftSize() - v) / double(content - v);
      // Spacing alone wider than the page leaves nothing to scale to.
      if (f <= 0) f = 1;
      if (f > 1 && PS.FitToPage() == fpShrink) f = 1;
      if (f < 1 && PS.FitToPage() == fpGrow) f = 1;
      if (PS.FitToPage() == fpCustom && f != 1) {
        bool allow = true;
        if (G.OnFitToPage) G.OnFitToPage(&G, f, allow);
        if (!allow || f <= 0) f = 1;
      }
      if (f != 1)
        for (int c = cells.Left; c <= cells.Right; ++c) S.Widths[c] = static_cast<int>(S.Widths[c] * f);
      Fit = f;
    }
  }

  // 9.
  if (G.OnPrintSetColumnWidth)
    for (int c = cells.Left; c <= cells.Right; ++c) G.OnPrintSetColumnWidth(&G, c, S.Widths[c]);

  // 10.
  ExportState = cells.Top <= G.FixedRows() && cells.Bottom >= G.RowCount() - 1 - G.FixedFooters()
                    ? esExportNewRow
                    : esExportSelRow;

  MarkupTitle = MeasureMarkupTitle();

  // 11. Column bands.
  int c = cells.Left;
  Band = 0;
  K = 0;
  bool done = false;
  while (c <= cells.Right && !Cancelled && !done) {
    ++Band;
    PagesInBand = 0;
    // 2. Repeated fixed columns.
    RepeatCols = G.FixedCols() >= 1 && PS.RepeatFixedCols() && (Band > 1 || G.FixedCols() < cells.Left);
    int fixedWidth = 0;
    if (RepeatCols)
      for (int i = 0; i < G.FixedCols(); ++i) fixedWidth += S.Widths[i] + M;
    // 3. The columns that fit; a column wider than the page stands alone
    // (cut at the page edge) rather than dragging the next one past it.
    int used = fixedWidth, last = c - 1;
    for (int x = c; x <= cells.Right; ++x) {
      const int w = S.Widths[x] + M;
      if (used + w > W - PS.RightSize()) break;
      used += w;
      last = x;
    }
    if (last < c) last = c;
    S.PageWidth = used;
    // 4.
    if (last < cells.Right) MultiBand = true;
    // 5. Left offsets.
    const int start = PS.Centered() ? 0 : PS.LeftSize();
    int x = start;
    for (int col = c; col <= last; ++col) {
      S.Offsets[col] = x;
      if (ColTakesPart(col)) x += S.Widths[col] + M;
    }
    if (RepeatCols) {
      int fx = start;
      for (int i = 0; i < G.FixedCols(); ++i) {
        S.Offsets[i] = fx;
        fx += S.Widths[i] + M;
      }
    }
    if (PS.Centered() && used < W) {
      const int shift = (W - used) / 2;
      for (int col = c; col <= last; ++col) S.Offsets[col] += shift;
      if (RepeatCols)
        for (int i = 0; i < G.FixedCols(); ++i) S.Offsets[i] += shift;
    }
    for (int col = c; col <= last; ++col) S.Offsets[col] += fixedWidth;
    S.ColStart = BandFirst = c;
    S.ColEnd = BandLast = last;
    for (int col = 0; col < 512 && col < static_cast<int>(S.Widths.size()); ++col) {
      G.FPrintColWidth[col] = S.Widths[col];
      G.FPrintColOffset[col] = S.Offsets[col];
    }
    // 6., 7.
    ComputeHeaderFooter();
    StartPage();

    // 8. Rows.
    int r = cells.Top, n = 0, placed = 0;
    while (r <= cells.Bottom && !Cancelled) {
      G.ExportNotification(ExportState, r);
      if (n == 0) {
        Depth = T;
        HeaderStep();
        Depth += PS.TitleSpacing();
        // Fixed rows repeat on every later page of the band (the band's
        // first page starts with them as ordinary rows when they are in
        // the rectangle).
        if (r > 0 && PS.RepeatFixedRows() && G.FixedRows() >= 1 &&
            (PagesInBand > 0 || cells.Top >= G.FixedRows())) {
          for (int fr = 0; fr < G.FixedRows(); ++fr) {
            if (RepeatCols) PrintRow(Depth, 0, G.FixedCols() - 1, fr);
            Depth += PrintRow(Depth, BandFirst, BandLast, fr);
          }
          ++n;
        }
      }
      bool stay = false, forced = false;
      if (RowTakesPart(r)) {
        const int h = RowHeight(r);
        const bool fits = Depth + h < PageH - B;
        if (fits || placed == 0) {
          // A row taller than the page's room stands alone, cut at the footer.
          forced = !fits;
          int saved = 0;
          if (forced && DrawsPage()) {
            saved = C->SaveDC();
            C->IntersectClipRect(TRect(0, 0, W, DepthY(PageH - B)));
          }
          if (RepeatCols) PrintRow(Depth, 0, G.FixedCols() - 1, r);
          Depth += PrintRow(Depth, BandFirst, BandLast, r);
          if (forced && DrawsPage()) C->RestoreDC(saved);
          ++placed;
        } else {
          stay = true;
        }
      }
      if (!stay) ++r;
      ++n;
      bool newPage = false;
      if (G.OnPrintNewPage) G.OnPrintNewPage(&G, r, newPage);
      bool ends = false;
      if (r <= cells.Bottom && placed > 0) {
        ends = stay || forced || newPage || (RowTakesPart(r) && Depth + RowHeight(r) >= PageH - B);
      }
      if (ends) {
        EndPage(r);
        if (Cancelled) {
          done = true;
          break;
        }
        n = 0;
        placed = 0;
        ++K;
        ++PagesInBand;
        // Past the last output page nothing more is drawn.
        if (Drawing() && K + 1 > S.LastPage) {
          done = true;
          break;
        }
        ComputeHeaderFooter();
        StartPage();
      }
    }
    if (done) break;
    // 9. The band's last page.
    EndPage(r);
    c = last + 1;
    ++K;
    if (Drawing() && K + 1 > S.LastPage) done = true;
  }
  S.FontZoom = 1.0;
  return K;
}
