// Printing and preview of the grid: pagination on a stand-in printer whose
// device pixel is a tenth of a millimetre, the job's events, and real PDF
// files read back with poppler's pdftotext and pdftoppm.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "framework/backend/Painter.h"
#include "framework/backend/PrintDevice.h"
#include "framework/graphics/ImgList.h"
#include "framework/graphics/Printers.h"
#include "framework/graphics/RecordingCanvas.h"
#include "framework/os/SafeWriter.h"
#include "grid/model/DivUzev.h"

namespace {
namespace fs = std::filesystem;

// --- a stand-in printer ----------------------------------------------------

// Draws into bitmap memory but reports 254 pixels an inch, so one device
// pixel is one tenth of a millimetre.
class TTenthPainter : public TPainter {
 public:
  explicit TTenthPainter(TPixelData& Px) : in_(CreateBitmapPainter(Px)) {}
  bool CanDraw() const override { return true; }
  int PixelsPerInch() const override { return 254; }
  TSize DeviceSize() const override { return in_->DeviceSize(); }
  void SetPen(const TPainterPen& P) override { in_->SetPen(P); }
  void SetBrush(const TPainterBrush& B) override { in_->SetBrush(B); }
  void SetFont(const TPainterFont& F) override { in_->SetFont(F); }
  void SetClip(const TRegion* R) override { in_->SetClip(R); }
  void SetMapping(const TPoint& W, const TPoint& V, double X, double Y) override {
    in_->SetMapping(W, V, X, Y);
  }
  void FillRect(const TRect& R) override { in_->FillRect(R); }
  void Rectangle(const TRect& R) override { in_->Rectangle(R); }
  void RoundRect(const TRect& R, int X, int Y) override { in_->RoundRect(R, X, Y); }
  void Ellipse(const TRect& R) override { in_->Ellipse(R); }
  void ArcShape(TArcKind K, const TRect& R, const TPoint& A, const TPoint& B) override {
    in_->ArcShape(K, R, A, B);
  }
  void Polygon(const TPoint* P, int N) override { in_->Polygon(P, N); }
  void Polyline(const TPoint* P, int N) override { in_->Polyline(P, N); }
  void SetPixel(int X, int Y, TColor C) override { in_->SetPixel(X, Y, C); }
  TColor GetPixel(int X, int Y) override { return in_->GetPixel(X, Y); }
  bool FloodFill(int X, int Y, TColor C, TFillStyle S) override { return in_->FloodFill(X, Y, C, S); }
  void DrawFocusRect(const TRect& R) override { in_->DrawFocusRect(R); }
  void TextOut(int X, int Y, const std::string& T, TColor C, bool O, TColor B, const TRect* R) override {
    in_->TextOut(X, Y, T, C, O, B, R);
  }
  TSize TextExtent(const std::string& T) override { return in_->TextExtent(T); }
  TTextMetric TextMetrics() override { return in_->TextMetrics(); }
  void DrawImage(const TRect& D, const TPixelData& S, const TRect& R, TCopyMode M, TColor K,
                 bool B) override {
    in_->DrawImage(D, S, R, M, K, B);
  }
  bool ReadPixels(const TRect& R, TPixelData& O) override { return in_->ReadPixels(R, O); }
  void DrawThemeElement(const TThemeElement& E, const TRect& R) override { in_->DrawThemeElement(E, R); }

 private:
  std::unique_ptr<TPainter> in_;
};

struct TJobLog {
  int Started = 0;
  int Ended = 0;
  int Aborted = 0;
  int Pages = 0;  // sheets of the last job
};

class TFakeJob : public IPrintJob {
 public:
  TFakeJob(int W, int H, TJobLog& Log) : log_(Log) {
    px_.Resize(W, H, 4);
    painter_ = std::make_unique<TTenthPainter>(px_);
    log_.Pages = 1;
  }
  TPainter* Painter() override { return painter_.get(); }
  TPrintPageMetrics Metrics() override { return {px_.Width, px_.Height, 254, 254}; }
  bool NewPage(std::string&) override {
    ++log_.Pages;
    return true;
  }
  void End() override { ++log_.Ended; }
  void Abort() override { ++log_.Aborted; }

 private:
  TJobLog& log_;
  TPixelData px_;
  std::unique_ptr<TPainter> painter_;
};

class TFakeBackend : public IPrintBackend {
 public:
  TFakeBackend(int W, int H, TJobLog& Log) : w_(W), h_(H), log_(Log) {}
  std::vector<std::string> PrinterNames() override { return {"Stand-in"}; }
  std::string DefaultPrinterName() override { return "Stand-in"; }
  TPrintPageMetrics PageMetrics(const TPrintJobSetup&) override { return {w_, h_, 254, 254}; }
  std::unique_ptr<IPrintJob> StartJob(const TPrintJobSetup&, std::string&) override {
    ++log_.Started;
    return std::make_unique<TFakeJob>(w_, h_, log_);
  }

 private:
  int w_, h_;
  TJobLog& log_;
};

// Every test leaves the real printer and backend behind it.
class PrintTest : public ::testing::Test {
 protected:
  void UseStandIn(int W, int H) {
    SetPrinter(nullptr);
    SetPrintBackend(std::make_unique<TFakeBackend>(W, H, log_));
  }
  void TearDown() override {
    SetPrinter(nullptr);
    SetPrintBackend(nullptr);
    SetFixedTextMetrics(false);
  }
  TJobLog log_;
};

// Cells of fixed size in tenths of a millimetre, no margins, 10-point fonts
// with the fixed test metrics: a text line is 44 high, so pad is 5, a row
// takes its height plus 10 and the bottom 49 of a page stay free (a footer
// line and its pad).
std::unique_ptr<TDedAdararAdoz> FixedGrid(int Cols, int Rows, int W, int H) {
  auto g = std::make_unique<TDedAdararAdoz>(nullptr);
  g->SetColCount(Cols);
  g->SetRowCount(Rows);
  g->SetFixedRows(0);
  g->SetFixedCols(0);
  for (int r = 0; r < Rows; ++r)
    for (int c = 0; c < Cols; ++c) g->SetCells(c, r, "R" + std::to_string(r) + "C" + std::to_string(c));
  TPrintSettings* ps = g->PrintSettings();
  ps->SetUseFixedWidth(true);
  ps->SetFixedWidth(W);
  ps->SetUseFixedHeight(true);
  ps->SetFixedHeight(H);
  ps->SetHeaderSize(0);
  ps->SetFooterSize(0);
  ps->SetLeftSize(0);
  ps->SetRightSize(0);
  ps->SetTitleSpacing(0);
  ps->SetRowSpacing(0);
  ps->SetCentered(false);
  for (TFont* f : {ps->Font(), ps->HeaderFont(), ps->FooterFont()}) f->SetSize(10);
  return g;
}

// --- pagination ---------------------------------------------------------------

struct TPaginationCase {
  const char* Name;
  int Cols, Rows, ColWidth, RowHeight, PageW, PageH, Pages;
};

TEST_F(PrintTest, PagesFollowFromGridAndPageSizes) {
  SetFixedTextMetrics(true);
  // Rows per page: row i (from 0) fits while i x (h + 10) + h < page height - 49.
  const TPaginationCase cases[] = {
      {"ten rows a page, 25 rows", 3, 25, 300, 90, 1000, 1049, 3},
      {"ten rows a page, 20 rows", 3, 20, 300, 90, 1000, 1049, 2},
      {"a single row", 3, 1, 300, 90, 1000, 1049, 1},
      {"the tenth row just fits", 1, 10, 300, 90, 1000, 1040, 1},
      {"the tenth row just misses", 1, 10, 300, 90, 1000, 1039, 2},
      {"five columns in two bands", 5, 25, 300, 90, 1000, 1049, 6},
      {"columns fill the page exactly", 4, 5, 250, 90, 1000, 1049, 1},
      {"a column wider than the page stands alone", 3, 5, 1200, 90, 1000, 1049, 3},
      {"a row taller than the page stands alone", 1, 3, 300, 2000, 1000, 1049, 3},
      {"landscape page", 8, 12, 300, 90, 2000, 700, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    UseStandIn(c.PageW, c.PageH);
    auto g = FixedGrid(c.Cols, c.Rows, c.ColWidth, c.RowHeight);
    int pageEvents = 0;
    g->OnPrintPage = [&](TObject*, TCanvas*, int, int, int) { ++pageEvents; };
    g->Print();
    EXPECT_EQ(g->PrintNrOfPages(), c.Pages);
    EXPECT_EQ(log_.Pages, c.Pages) << "sheets printed";
    EXPECT_EQ(pageEvents, c.Pages);
    EXPECT_EQ(log_.Ended, log_.Started) << "every job begun is ended";
  }
}

TEST_F(PrintTest, EveryRowPrintsOnceInEveryBandAndTallRowsAreCutAtTheFooter) {
  SetFixedTextMetrics(true);
  UseStandIn(1000, 1049);
  auto g = FixedGrid(5, 25, 300, 90);
  g->PrintSettings()->SetUseFixedHeight(false);
  g->OnPrintSetRowHeight = [](TObject*, int ARow, int& Height) {
    if (ARow == 7) Height = 2000;
  };
  std::map<std::pair<int, int>, int> printed;
  g->OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState, TRect, bool Printing) {
    EXPECT_TRUE(Printing);
    ++printed[{ACol, ARow}];
  };
  g->Print();
  for (int r = 0; r < 25; ++r)
    for (int c = 0; c < 5; ++c) EXPECT_EQ((printed[{c, r}]), 1) << c << "," << r;
}

TEST_F(PrintTest, PageNumbersCountPagesBandsAndOffsets) {
  SetFixedTextMetrics(true);
  struct TCase {
    const char* Name;
    int Cols, Rows;
    std::string Sep;
    int Offset, MaxOffset;
    std::vector<std::string> Texts;
  };
  const TCase cases[] = {
      {"one band of three pages", 1, 25, "/", 0, 0, {"1/3", "2/3", "3/3"}},
      {"offsets", 1, 25, "/", 10, 10, {"11/13", "12/13", "13/13"}},
      {"no separator", 1, 25, "", 0, 0, {"1", "2", "3"}},
      {"a single page stands alone", 1, 5, "/", 0, 0, {"1"}},
      {"two bands", 5, 15, "/", 0, 0, {"1-1", "2-1", "1-2", "2-2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    UseStandIn(1000, 1049 + 49);
    auto g = FixedGrid(c.Cols, c.Rows, 300, 90);
    TPrintSettings* ps = g->PrintSettings();
    ps->SetPageNr(ppBottomCenter);
    ps->SetPageNumSep(c.Sep);
    ps->SetPageNumberOffset(c.Offset);
    ps->SetMaxPagesOffset(c.MaxOffset);
    std::vector<std::string> seen;
    g->OnPrintGetPageNum = [&](TObject*, int, int, std::string& Text) { seen.push_back(Text); };
    g->Print();
    EXPECT_EQ(seen, c.Texts);
  }
}

TEST_F(PrintTest, FastPrintPrintsEveryRowAndNumbersPagesAlone) {
  SetFixedTextMetrics(true);
  UseStandIn(1000, 1049 + 49);
  auto g = FixedGrid(2, 45, 300, 90);
  g->SetFastPrint(true);
  g->PrintSettings()->SetPageNr(ppTopRight);
  std::vector<std::string> numbers;
  g->OnPrintGetPageNum = [&](TObject*, int, int, std::string& Text) { numbers.push_back(Text); };
  std::set<int> rows;
  g->OnCustomCellDraw = [&](TObject*, TCanvas*, int, int ARow, TGridDrawState, TRect, bool) {
    rows.insert(ARow);
  };
  g->Print();
  EXPECT_EQ(rows.size(), 45u);
  EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(log_.Pages, 5);
  EXPECT_EQ(g->PrintNrOfPages(), 5);
}

TEST_F(PrintTest, OnPrintPageAndPageDoneComeOncePerPageInEveryBand) {
  SetFixedTextMetrics(true);
  UseStandIn(1000, 1049);
  auto g = FixedGrid(5, 25, 300, 90);
  std::vector<int> starts, dones;
  g->OnPrintPage = [&](TObject*, TCanvas*, int Page, int, int) { starts.push_back(Page); };
  g->OnPrintPageDone = [&](TObject*, TCanvas*, int, int, int Page, int, int) { dones.push_back(Page); };
  g->Print();
  const std::vector<int> all{1, 2, 3, 4, 5, 6};
  EXPECT_EQ(starts, all);
  EXPECT_EQ(dones, all);
}

TEST_F(PrintTest, OnPrintStartChoosesThePagesOrCancelsTheJob) {
  SetFixedTextMetrics(true);
  UseStandIn(1000, 1049);
  auto g = FixedGrid(1, 25, 300, 90);
  std::vector<int> pages;
  g->OnPrintPage = [&](TObject*, TCanvas*, int Page, int, int) { pages.push_back(Page); };
  int offered = 0;
  g->OnPrintStart = [&](TObject*, int NrOfPages, int& From, int& To) {
    offered = NrOfPages;
    From = 2;
    To = 3;
  };
  g->Print();
  EXPECT_EQ(offered, 3);
  EXPECT_EQ(pages, (std::vector<int>{2, 3}));
  EXPECT_EQ(log_.Pages, 2);
  EXPECT_EQ(log_.Aborted, 1) << "the counting job is dropped";
  EXPECT_EQ(log_.Ended, 1);

  pages.clear();
  g->OnPrintStart = [&](TObject*, int, int& From, int&) { From = 0; };
  g->Print();
  EXPECT_TRUE(pages.empty());
  EXPECT_EQ(log_.Ended, 1) << "nothing more was printed";
  EXPECT_EQ(log_.Aborted, 2);
}

TEST_F(PrintTest, CancelEndsThePrintAfterThePageAndTheJobStillEnds) {
  SetFixedTextMetrics(true);
  UseStandIn(1000, 1049);
  auto g = FixedGrid(1, 25, 300, 90);
  g->OnPrintCancel = [](TObject*, int Page, bool& Cancel) { Cancel = Page == 1; };
  g->Print();
  EXPECT_EQ(log_.Pages, 1);
  EXPECT_EQ(log_.Ended, 1);
}

TEST_F(PrintTest, AnErrorWhilePrintingDropsTheJobAndReachesTheCaller) {
  SetFixedTextMetrics(true);
  UseStandIn(1000, 1049);
  auto g = FixedGrid(1, 25, 300, 90);
  g->OnPrintPage = [](TObject*, TCanvas*, int Page, int, int) {
    if (Page == 2) throw Exception("paper jam");
  };
  EXPECT_THROW(g->Print(), Exception);
  EXPECT_EQ(log_.Ended, 0);
  EXPECT_EQ(log_.Aborted, 1);
  EXPECT_FALSE(Printer()->Printing());
}

TEST_F(PrintTest, SelectedRowsPrintAloneAndFixedRowsRepeatOnLaterPages) {
  SetFixedTextMetrics(true);
  UseStandIn(1000, 1049);
  auto g = FixedGrid(2, 40, 300, 90);
  g->SetFixedRows(1);
  g->MouseActions()->SetDisjunctRowSelect(true);
  for (int r : {3, 9, 30}) g->SetRowSelect(r, true);
  std::multiset<int> rows;
  g->OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState, TRect, bool) {
    if (ACol == 0) rows.insert(ARow);
  };
  g->PrintSelectedRows();
  EXPECT_EQ(rows, (std::multiset<int>{3, 9, 30}));
  EXPECT_EQ(log_.Pages, 1);

  rows.clear();
  g->PrintSettings()->SetRepeatFixedRows(true);
  g->Print();
  // 40 rows at ten a page, the header row repeated from page 2 on.
  EXPECT_EQ(rows.count(0), static_cast<size_t>(g->PrintNrOfPages()));
  EXPECT_EQ(g->PrintNrOfPages(), 5);
  for (int r = 1; r < 40; ++r) EXPECT_EQ(rows.count(r), 1u) << r;
}

// --- preview ---------------------------------------------------------------------

int CountPixels(TBitmap& B, TColor C) {
  int n = 0;
  for (int y = 0; y < B.Height(); ++y)
    for (int x = 0; x < B.Width(); ++x)
      if (B.PixelData().GetPixel(x, y) == C) ++n;
  return n;
}

TEST_F(PrintTest, PreviewDrawsOnlyItsPageAlsoAfterPrinting) {
  SetFixedTextMetrics(true);
  UseStandIn(1000, 1049);
  auto g = FixedGrid(2, 25, 300, 90);
  g->GetCellProperties(1, 1)->SetBrushColor(clRed);
  g->Print();
  ASSERT_EQ(g->PrintNrOfPages(), 3);

  std::vector<int> pages;
  g->OnPrintPage = [&](TObject*, TCanvas*, int Page, int, int) { pages.push_back(Page); };
  TBitmap page1(378, 396);
  g->PrintPreview(page1.Canvas(), TRect(0, 0, 378, 396));
  EXPECT_EQ(pages, std::vector<int>{1});
  EXPECT_GT(CountPixels(page1, clRed), 100) << "the red cell is on page 1";
  EXPECT_FALSE(g->IsPrintPreview());

  pages.clear();
  g->SetPreviewPage(2);
  TBitmap page2(378, 396);
  g->PrintPreview(page2.Canvas(), TRect(0, 0, 378, 396));
  EXPECT_EQ(pages, std::vector<int>{2});
  EXPECT_EQ(CountPixels(page2, clRed), 0);
  EXPECT_EQ(g->PrintNrOfPages(), 3);
}

TEST_F(PrintTest, WideGridsScaleToThePageWhenAsked) {
  SetFixedTextMetrics(true);
  UseStandIn(1000, 1049);
  struct TCase {
    TFitToPage Fit;
    int ColWidth;
    int Bands;
  };
  // Three columns of 500 on a page 1000 wide: two bands unscaled, one when
  // shrunk; narrow columns are never widened past one band.
  for (const TCase& c : {TCase{fpNever, 500, 2}, TCase{fpShrink, 500, 1}, TCase{fpAlways, 500, 1},
                         TCase{fpGrow, 500, 2}, TCase{fpShrink, 100, 1}}) {
    auto g = FixedGrid(3, 5, c.ColWidth, 90);
    g->PrintSettings()->SetFitToPage(c.Fit);
    g->Print();
    EXPECT_EQ(g->PrintNrOfPages(), c.Bands) << c.Fit;
  }
}

// --- printed graphics -------------------------------------------------------------

// An application object drawn in its cell; it reports 30 by 12 pixels.
class TBadge : public TInterfacedPersistent {
 public:
  void Draw(TCanvas*, const TRect& R, int, int, bool, TDedAdararAdoz*) override { Drawn.push_back(R); }
  TPoint GetSize(int, int) override { return TPoint(30, 12); }
  std::vector<TRect> Drawn;
};

// A page rectangle with Top the upper (larger) y, whichever way it came.
TRect Upright(const TRect& R) {
  return TRect(std::min(R.Left, R.Right), std::max(R.Top, R.Bottom), std::max(R.Left, R.Right),
               std::min(R.Top, R.Bottom));
}

struct TGraphicCase {
  const char* Name;
  std::function<void(TDedAdararAdoz&)> Add;
  const char* Op;  // the canvas call that draws each piece
  // Each piece as (slot across, slot down, width, height): its size in
  // screen pixels, scaled to the page, and its slot in steps of that size.
  std::vector<TRect> Pieces;
};

TEST_F(PrintTest, ImageRadioPieAndInterfaceCellsPrintInTheirGraphicBox) {
  SetFixedTextMetrics(true);
  UseStandIn(1000, 1049);
  TImageList images(nullptr, 16, 16);
  for (TColor c : {clRed, clLime, clBlue}) {
    TBitmap b(16, 16);
    b.Canvas()->Brush()->SetColor(c);
    b.Canvas()->FillRect(TRect(0, 0, 16, 16));
    images.Add(&b, nullptr);
  }
  TBadge badge;
  auto multi = [](int Dir) {
    return [Dir](TDedAdararAdoz& g) {
      g.SetCells(0, 0, "");
      g.AddMultiImage(0, 0, Dir, haLeft, vaTop);
      for (int i : {2, 0, 1}) g.GetCellImages(0, 0)->Add(i);
    };
  };
  TBitmap bitmap(16, 16);
  const TGraphicCase cases[] = {
      {"bitmap (for reference)",
       [&bitmap](TDedAdararAdoz& g) {
         g.SetCells(0, 0, "");
         g.AddBitmap(0, 0, &bitmap, true, haLeft, vaTop);
       },
       "StretchDraw",
       {TRect(0, 0, 16, 16)}},
      {"image list",
       [](TDedAdararAdoz& g) {
         g.SetCells(0, 0, "");
         g.AddImageIdx(0, 0, 1, haLeft, vaTop);
       },
       "StretchDraw",
       {TRect(0, 0, 16, 16)}},
      {"data image, its number unprinted",
       [](TDedAdararAdoz& g) {
         g.SetCells(0, 0, "");
         g.AddDataImage(0, 0, 2, haLeft, vaTop);
       },
       "StretchDraw",
       {TRect(0, 0, 16, 16)}},
      {"images side by side",
       multi(0),
       "StretchDraw",
       {TRect(0, 0, 16, 16), TRect(1, 0, 16, 16), TRect(2, 0, 16, 16)}},
      {"images stacked",
       multi(1),
       "StretchDraw",
       {TRect(0, 0, 16, 16), TRect(0, 1, 16, 16), TRect(0, 2, 16, 16)}},
      {"progress pie",
       [](TDedAdararAdoz& g) {
         g.SetCells(0, 0, "");
         g.AddProgressPie(0, 0, clRed, 40);
       },
       "Ellipse",
       {TRect(0, 0, 20, 20)}},
      {"interface",
       [&badge](TDedAdararAdoz& g) { g.SetCells(0, 0, ""), g.AddInterfacedCell(0, 0, &badge); },
       "StretchDraw",
       {TRect(0, 0, 30, 12)}},
  };
  const double sc = 254.0 / 96;
  auto rnd = [](double v) { return static_cast<int>(std::lround(v)); };
  for (const TGraphicCase& c : cases) {
    SCOPED_TRACE(c.Name);
    auto g = FixedGrid(1, 1, 600, 300);
    g->SetGridImages(&images);
    g->PrintSettings()->SetPrintGraphics(true);
    g->GetCellProperties(0, 0)->SetBrushColor(clYellow);
    c.Add(*g);
    if (TCellGraphic* gr = g->GetCellGraphic(0, 0)) {
      gr->CellHAlign = haLeft;
      gr->CellVAlign = vaTop;
    }
    TCanvasRecorder rec;
    Printer()->Canvas()->SetRecorder(&rec);
    g->Print();
    Printer()->Canvas()->SetRecorder(nullptr);

    // The cell's box is its yellow background.
    TRect box;
    for (const TCanvasCall& f : rec.AllCalls())
      if (f.Op == "FillRect" && f.BrushColor == clYellow) box = Upright(f.Rect);
    ASSERT_GT(box.Right, box.Left);
    // The graphic's corner: one screen pixel in from the left, pad (5) down.
    const int left0 = box.Left + rnd(sc), top0 = box.Top - 5;
    std::vector<TRect> drawn;
    for (const TCanvasCall& d : rec.AllCalls())
      if (d.Op == c.Op) drawn.push_back(Upright(d.Rect));
    ASSERT_GE(drawn.size(), c.Pieces.size());
    for (size_t i = 0; i < c.Pieces.size(); ++i) {
      const TRect& p = c.Pieces[i];
      const int w = rnd(p.Right * sc), h = rnd(p.Bottom * sc);
      const int x = left0 + p.Left * w, y = top0 - p.Top * h;
      const TRect want(x, y, x + w, y - h);
      EXPECT_EQ(drawn[i], want) << "piece " << i;
    }
  }
  EXPECT_EQ(badge.Drawn, std::vector<TRect>{TRect(0, 0, 30, 12)}) << "drawn once at its own size";
}

TEST_F(PrintTest, RadioGroupsPrintOneButtonPerItemAndMarkTheChosenOne) {
  SetFixedTextMetrics(true);
  UseStandIn(1000, 1049);
  for (int dir : {0, 1}) {
    SCOPED_TRACE(dir == 1 ? "side by side" : "stacked");
    auto g = FixedGrid(1, 1, 600, 400);
    g->PrintSettings()->SetPrintGraphics(true);
    g->SetCells(0, 0, "");
    g->CreateRadio(0, 0, dir, 1)->SetText("Alpha\nBeta\nGamma");
    TCanvasRecorder rec;
    Printer()->Canvas()->SetRecorder(&rec);
    g->Print();
    Printer()->Canvas()->SetRecorder(nullptr);
    std::vector<TRect> rings;
    for (const TCanvasCall& e : rec.AllCalls())
      if (e.Op == "Ellipse") rings.push_back(Upright(e.Rect));
    ASSERT_EQ(rings.size(), 4u) << "three buttons and the mark of the chosen one";
    const TRect &a = rings[0], &b = rings[1], &mark = rings[2], &c = rings[3];
    EXPECT_TRUE(mark.Left > b.Left && mark.Right < b.Right && mark.Top < b.Top && mark.Bottom > b.Bottom)
        << "the second item is marked";
    if (dir == 1) {
      EXPECT_EQ(a.Top, b.Top);
      EXPECT_EQ(b.Top, c.Top);
      EXPECT_LT(a.Right, b.Left);
      EXPECT_LT(b.Right, c.Left);
    } else {
      EXPECT_EQ(a.Left, b.Left);
      EXPECT_EQ(b.Left, c.Left);
      EXPECT_LT(b.Top, a.Bottom + 1) << "each next item lower on the page";
      EXPECT_LT(c.Top, b.Bottom + 1);
    }
    int texts = 0;
    for (const TCanvasCall& t : rec.AllCalls())
      if (t.Op == "TextOut" && (t.Text == "Alpha" || t.Text == "Beta" || t.Text == "Gamma")) ++texts;
    EXPECT_EQ(texts, 3);
  }
}

TEST_F(PrintTest, AProgressBarPrintsItsScreenExtentInsideItsCell) {
  SetFixedTextMetrics(true);
  UseStandIn(1000, 1049);
  const double sc = 254.0 / 96;
  auto rnd = [](double v) { return static_cast<int>(std::lround(v)); };
  for (int printWidth : {600, 100}) {
    SCOPED_TRACE(printWidth);
    auto g = FixedGrid(1, 1, printWidth, 300);
    g->PrintSettings()->SetPrintGraphics(true);
    g->SetColWidths(0, 64);
    g->SetRowHeights(0, 24);
    g->SetCells(0, 0, "40");
    g->AddProgressEx(0, 0, clRed, clWhite, clWhite, clBlack);
    TCanvasRecorder rec;
    Printer()->Canvas()->SetRecorder(&rec);
    g->Print();
    Printer()->Canvas()->SetRecorder(nullptr);
    std::vector<TRect> fills;
    for (const TCanvasCall& f : rec.AllCalls())
      if (f.Op == "FillRect") fills.push_back(Upright(f.Rect));
    ASSERT_GE(fills.size(), 3u) << "the cell's background, the bar and its part done";
    const TRect cell = fills[0], bar = fills[fills.size() - 2];
    const int left = cell.Left + rnd(sc), top = cell.Top - 5;
    const int right = std::min(left + rnd(64 * sc), cell.Right);
    EXPECT_EQ(bar, TRect(left, top - rnd(2 * sc), right, top - rnd(24 * sc) + rnd(4 * sc)));
    EXPECT_EQ(fills.back().Right, bar.Left + (right - left) * 40 / 100) << "40 % done";
  }
}

// --- PDF ------------------------------------------------------------------------

bool Have(const char* Tool) {
  return std::system((std::string("command -v ") + Tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Shell(const std::string& Cmd) {
  std::string out;
  FILE* p = popen(Cmd.c_str(), "r");
  if (!p) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  pclose(p);
  return out;
}

class PrintPdfTest : public PrintTest {
 protected:
  void SetUp() override {
    if (!Have("pdftotext") || !Have("pdftoppm"))
      GTEST_SKIP() << "pdftotext and pdftoppm (Debian package poppler-utils) are not installed";
    dir_ = fs::temp_directory_path() / ("cf_print_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    SetPrinter(nullptr);
    SetPrintBackend(nullptr);
  }
  void TearDown() override {
    PrintTest::TearDown();
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  // The text of each page.
  std::vector<std::string> Pages(const fs::path& Pdf) {
    std::string all = Shell("pdftotext -layout '" + Pdf.string() + "' -");
    std::vector<std::string> pages;
    std::stringstream ss(all);
    std::string page;
    while (std::getline(ss, page, '\f')) pages.push_back(page);
    if (!pages.empty() && pages.back().find_first_not_of(" \n") == std::string::npos) pages.pop_back();
    return pages;
  }
  fs::path dir_;
};

std::unique_ptr<TDedAdararAdoz> TextGrid(int Rows) {
  auto g = std::make_unique<TDedAdararAdoz>(nullptr);
  g->SetColCount(3);
  g->SetRowCount(Rows);
  for (int c = 0; c < 3; ++c) g->SetCells(c, 0, "Head" + std::to_string(c));
  for (int r = 1; r < Rows; ++r)
    for (int c = 0; c < 3; ++c) g->SetCells(c, r, "R" + std::to_string(r) + "C" + std::to_string(c));
  TPrintSettings* ps = g->PrintSettings();
  ps->SetPageNr(ppBottomCenter);
  ps->SetTitle(ppTopCenter);
  ps->SetTitleText("Pump table");
  ps->SetHeaderSize(100);
  ps->SetFooterSize(100);
  ps->SetLeftSize(100);
  ps->SetRightSize(100);
  ps->SetCentered(false);
  return g;
}

TEST_F(PrintPdfTest, PagesOfASmallGridHoldEachRowOnceWithTitleAndPageNumbers) {
  const fs::path pdf = dir_ / "grid.pdf";
  auto g = TextGrid(120);
  g->GetCellProperties(1, 1)->SetBrushColor(clRed);
  Printer()->SetFileName(pdf.string());
  g->Print();
  ASSERT_TRUE(fs::exists(pdf));
  const auto pages = Pages(pdf);
  const int n = g->PrintNrOfPages();
  ASSERT_GE(n, 2);
  ASSERT_EQ(static_cast<int>(pages.size()), n);
  std::map<std::string, int> seen;
  for (int p = 0; p < n; ++p) {
    SCOPED_TRACE(p + 1);
    EXPECT_NE(pages[p].find("Pump table"), std::string::npos);
    EXPECT_NE(pages[p].find(std::to_string(p + 1) + "/" + std::to_string(n)), std::string::npos);
    std::stringstream ss(pages[p]);
    std::string word;
    while (ss >> word)
      if (word.size() > 1 && word[0] == 'R' && isdigit(static_cast<unsigned char>(word[1]))) ++seen[word];
  }
  EXPECT_NE(pages[0].find("Head1"), std::string::npos);
  for (int r = 1; r < 120; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(seen["R" + std::to_string(r) + "C" + std::to_string(c)], 1) << r;

  // Page 1 at 20 pixels an inch: the red cell sits in its upper left
  // quarter; page 2 has no red.
  Shell("pdftoppm -r 20 -png '" + pdf.string() + "' '" + (dir_ / "page").string() + "'");
  TPicture first, second;
  const std::string digits = n >= 10 ? "-01.png" : "-1.png";
  const std::string digits2 = n >= 10 ? "-02.png" : "-2.png";
  first.LoadFromFile((dir_ / ("page" + digits)).string());
  second.LoadFromFile((dir_ / ("page" + digits2)).string());
  TBitmap page1, page2;
  page1.Assign(first.Graphic());
  page2.Assign(second.Graphic());
  TBitmap* b1 = &page1;
  ASSERT_GT(b1->Width(), 100);
  int redLeftTop = 0, redElsewhere = 0;
  auto isRed = [](TColor c) { return GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80; };
  for (int y = 0; y < b1->Height(); ++y)
    for (int x = 0; x < b1->Width(); ++x)
      if (isRed(b1->PixelData().GetPixel(x, y))) {
        (x < b1->Width() / 2 && y < b1->Height() / 2 ? redLeftTop : redElsewhere)++;
      }
  EXPECT_GT(redLeftTop, 4);
  EXPECT_EQ(redElsewhere, 0);
  TBitmap* b2 = &page2;
  int red2 = 0, dark2 = 0;
  for (int y = 0; y < b2->Height(); ++y)
    for (int x = 0; x < b2->Width(); ++x) {
      const TColor c = b2->PixelData().GetPixel(x, y);
      red2 += isRed(c);
      dark2 += GetRValue(c) < 128 && GetGValue(c) < 128;
    }
  EXPECT_EQ(red2, 0);
  EXPECT_GT(dark2, 50) << "page 2 has text and lines";
}

TEST_F(PrintPdfTest, AMarkupTitleKeepsTheRowsBelowIt) {
  const fs::path pdf = dir_ / "title.pdf";
  auto g = TextGrid(10);
  TPrintSettings* ps = g->PrintSettings();
  ps->SetTitleText("");
  ps->TitleLines()->Add("<b>Markuptitle</b><br>Secondline<br>Thirdline");
  ps->HeaderFont()->SetSize(14);
  Printer()->SetFileName(pdf.string());
  g->Print();
  // Word boxes: the title's last line ends above the first row's text.
  const std::string html = Shell("pdftotext -bbox '" + pdf.string() + "' -");
  auto yOf = [&](const std::string& Word, const char* Attr) {
    const size_t w = html.find(">" + Word + "<");
    if (w == std::string::npos) return -1.0;
    const size_t line = html.rfind("<word", w);
    const size_t a = html.find(Attr, line);
    return std::stod(html.substr(a + std::string(Attr).size() + 2));
  };
  const double titleBottom = yOf("Thirdline", "yMax");
  const double firstRowTop = yOf("Head0", "yMin");
  ASSERT_GT(titleBottom, 0) << html.substr(0, 2000);
  ASSERT_GT(firstRowTop, 0);
  EXPECT_LT(titleBottom, firstRowTop);
}

TEST_F(PrintPdfTest, AFailedWriteIsReportedAndLeavesNoFile) {
  auto g = TextGrid(20);
  const fs::path missing = dir_ / "no" / "such" / "folder" / "grid.pdf";
  Printer()->SetFileName(missing.string());
  EXPECT_THROW(g->Print(), Exception);
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_FALSE(Printer()->Printing());

  // A full disk while the file is written: the old file stays as it was.
  const fs::path pdf = dir_ / "kept.pdf";
  { std::ofstream(pdf) << "old"; }
  Printer()->SetFileName(pdf.string());
  {
    TSafeWriteHookScope full(
        [](TSafeWriteStage Stage, const std::string&) { return Stage == swsWrite ? ENOSPC : 0; });
    EXPECT_THROW(g->Print(), Exception);
  }
  std::ifstream in(pdf);
  std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(kept, "old");
}

TEST_F(PrintTest, WithoutPrinterOrFileBeginningAJobFailsPlainly) {
  // A system whose default printer is missing.
  class TNoPrinter : public TFakeBackend {
   public:
    using TFakeBackend::TFakeBackend;
    std::string DefaultPrinterName() override { return ""; }
  };
  SetPrinter(nullptr);
  SetPrintBackend(std::make_unique<TNoPrinter>(0, 0, log_));
  auto g = TextGrid(5);
  try {
    g->Print();
    ADD_FAILURE() << "printed without a printer";
  } catch (const EPrinter& e) {
    EXPECT_STREQ(e.what(), "There is no default printer currently selected");
  }
  EXPECT_EQ(log_.Started, 0);
}
}  // namespace
