// The texts and lines around the cells of a printed page: time, date, page
// number and title in the header and footer, the lines that frame or close
// a page, and the start and end of each page.
#include <cmath>

#include "framework/rtl/DateUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevUtil.h"
#include "grid/io/DivUzev_Print.h"

std::string JoinPrintTexts(const std::string& A, const std::string& B) {
  if (A.empty()) return B;
  if (B.empty()) return A;
  return A + " " + B;
}

namespace {
bool IsTop(TPrintPosition P) { return P == ppTopLeft || P == ppTopRight || P == ppTopCenter; }
bool IsBottom(TPrintPosition P) { return P == ppBottomLeft || P == ppBottomRight || P == ppBottomCenter; }
bool IsLeft(TPrintPosition P) { return P == ppTopLeft || P == ppBottomLeft; }

// Keeps the canvas font and brush of the caller.
struct TFontBrushScope {
  TCanvas* C;
  TFont Font;
  TBrush Brush;
  explicit TFontBrushScope(TCanvas* ACanvas) : C(ACanvas) {
    Font.Assign(C->Font());
    Brush.Assign(C->Brush());
  }
  ~TFontBrushScope() {
    C->Font()->Assign(&Font);
    C->Brush()->Assign(&Brush);
  }
};
}  // namespace

std::string TDedAdararAdoz::TPrintRender::TitleMarkup() {
  if (!PS.TitleText().empty() || PS.TitleLines()->Count() == 0) return {};
  std::string all = ConcatStrings(*PS.TitleLines());
  if (ClassifyCellText(all, G.EnableHTML()) != tkMarkup) return {};
  return all;
}

TPoint TDedAdararAdoz::TPrintRender::MarkupOnPage(const std::string& Text, int Left, int TopDepth, int Right,
                                                  int BottomDepth, TFont* Font, bool Measure, bool Wrap) {
  const int ppi = C->PixelsPerInch() > 0 ? C->PixelsPerInch() : 96;
  const TRect dev = C->LogicalToDevice(TRect(Left, DepthY(TopDepth), Right, DepthY(BottomDepth)));
  const int saved = C->SaveDC();
  TFont* f = C->Font();
  const int oldPpi = f->PixelsPerInch();
  C->SetMapMode(MM_TEXT);
  C->SetWindowOrg(TPoint());
  C->SetViewportOrg(TPoint());
  // The markup engine works in device pixels: fonts at the device's
  // resolution, the point size scaled with the page.
  f->Assign(Font);
  f->SetPixelsPerInch(ppi);
  f->SetSize(static_cast<int>(Font->Size() * Fit));
  C->Brush()->SetStyle(bsClear);
  TMarkupParams p;
  p.Print = true;
  p.ResFactor = ScreenRatio;
  p.CheckHeight = Measure;
  p.WordWrap = Wrap;
  p.ImageList = G.GetGraphicImages();
  TMarkupResult res;
  DrawMarkup(C, Text, dev, p, res);
  f->SetPixelsPerInch(oldPpi);
  C->RestoreDC(saved);
  // Device pixels back to tenths of a millimetre.
  return TPoint(static_cast<int>(std::lround(res.XSize * 254.0 / ppi)),
                static_cast<int>(std::lround(res.YSize * 254.0 / ppi)));
}

int TDedAdararAdoz::TPrintRender::MeasureMarkupTitle() {
  if (!IsTop(PS.Title())) return 0;
  const std::string title = TitleMarkup();
  if (title.empty()) return 0;
  return MarkupOnPage(title, PS.LeftSize(), PS.HeaderSize(), W, PS.HeaderSize() + PageH, PS.HeaderFont(),
                      true, true)
      .Y;
}

void TDedAdararAdoz::TPrintRender::ComputeHeaderFooter() {
  const TPrintPosition items[] = {PS.Time(), PS.Date(), PS.PageNr(), PS.Title()};
  bool top = false, bottom = false;
  for (TPrintPosition p : items) {
    top = top || IsTop(p);
    bottom = bottom || IsBottom(p);
  }
  const int lines = PS.TitleLines()->Count();
  if (top) {
    T = Pad + Hh + PS.HeaderSize();
    if (lines > 0 && IsTop(PS.Title()) && PS.TitleText().empty())
      T += MarkupTitle > 0 ? MarkupTitle : (lines - 1) * Hh;
  } else {
    T = PS.HeaderSize();
  }
  if (bottom) {
    B = 2 * (Pad + Hf) + PS.FooterSize();
    if (lines > 0 && IsBottom(PS.Title()) && PS.TitleText().empty() && TitleMarkup().empty())
      B += (lines - 1) * Hf;
  } else {
    B = Pad + Hf + PS.FooterSize();
  }
}

std::string TDedAdararAdoz::TPrintRender::PageNumberText() {
  std::string text;
  if (MultiBand) {
    text = std::to_string(PagesInBand + 1) + "-" + std::to_string(Band);
    G.GetPrintPageNum(PagesInBand + 1, Band, text);
    return text;
  }
  // Without a known page count the number stands alone.
  if (!PS.PageNumSep().empty() && CountKnown && PageCount > 1)
    text = std::to_string(K + 1 + PS.PageNumberOffset()) + PS.PageNumSep() +
           std::to_string(PageCount + PS.MaxPagesOffset());
  else
    text = std::to_string(K + 1 + PS.PageNumberOffset());
  G.GetPrintPageNum(K + 1, Band, text);
  return text;
}

int TDedAdararAdoz::TPrintRender::HeaderStep() {
  if (!DrawsPage()) return 0;
  S.FontZoom = Fit;
  TFontBrushScope keep(C);

  // 1. The six position texts.
  std::string pos[ppBottomCenter + 1];
  auto add = [&](TPrintPosition p, const std::string& item) {
    if (p == ppNone) return;
    pos[p] = IsLeft(p) ? item + " " + pos[p] : pos[p] + " " + item;
  };
  const TDateTime now = Now();
  add(PS.Time(), FormatDateTime("hh:nn", now));
  add(PS.Date(), FormatDateTime(PS.DateFormat(), now));
  add(PS.PageNr(), PS.PagePrefix() + " " + PageNumberText() + " " + PS.PageSuffix());
  const std::string markup = TitleMarkup();
  const TPrintPosition tp = PS.Title();
  if (tp != ppNone) {
    if (!PS.TitleText().empty()) {
      add(tp, PS.TitleText());
    } else if (markup.empty() && PS.TitleLines()->Count() > 0) {
      const std::string first = PS.TitleLines()->Strings(0);
      pos[tp] = IsLeft(tp) ? JoinPrintTexts(first, pos[tp]) : JoinPrintTexts(pos[tp], first);
    }
  }

  auto xOf = [&](TPrintPosition p, const std::string& text) {
    const int tw = C->TextWidth(text);
    if (p == ppTopLeft || p == ppBottomLeft) return PS.LeftSize();
    if (p == ppTopRight || p == ppBottomRight) return W - tw - PS.RightSize() - 20;
    return (W - tw) / 2;
  };
  const bool extraLines =
      PS.TitleText().empty() && markup.empty() && PS.TitleLines()->Count() > 1 && tp != ppNone;

  // 2., 3. The header.
  SetFont(C->Font(), PS.HeaderFont());
  C->Brush()->SetStyle(bsClear);
  for (TPrintPosition p : {ppTopLeft, ppTopRight, ppTopCenter})
    if (!pos[p].empty()) C->TextOut(xOf(p, pos[p]), DepthY(PS.HeaderSize()), pos[p]);
  if (extraLines && IsTop(tp))
    for (int i = 1; i < PS.TitleLines()->Count(); ++i) {
      const std::string line = PS.TitleLines()->Strings(i);
      C->TextOut(xOf(tp, line), DepthY(PS.HeaderSize() + i * Hh), line);
    }
  // 4. A markup title at the top.
  if (!markup.empty() && IsTop(tp))
    MarkupOnPage(markup, PS.LeftSize(), PS.HeaderSize(), W, PS.HeaderSize() + MarkupTitle, PS.HeaderFont(),
                 false, true);

  // 5., 6. The footer.
  SetFont(C->Font(), PS.FooterFont());
  C->Brush()->SetStyle(bsClear);
  const int footer = PageH - PS.FooterSize() - Pad - Hf;
  for (TPrintPosition p : {ppBottomLeft, ppBottomRight, ppBottomCenter})
    if (!pos[p].empty()) C->TextOut(xOf(p, pos[p]), DepthY(footer), pos[p]);
  if (extraLines && IsBottom(tp))
    for (int i = 1; i < PS.TitleLines()->Count(); ++i) {
      const std::string line = PS.TitleLines()->Strings(i);
      C->TextOut(xOf(tp, line), DepthY(footer + i * Hf), line);
    }
  // 7. A markup title at the bottom.
  if (!markup.empty() && IsBottom(tp))
    MarkupOnPage(markup, PS.LeftSize(), PageH - PS.FooterSize(), W, PageH, PS.HeaderFont(), false, true);
  S.FontZoom = 1.0;
  return MarkupTitle;
}

void TDedAdararAdoz::TPrintRender::PageLines(int AtDepth) {
  if (!DrawsPage()) return;
  const TPrintBorders b = PS.Borders();
  const int x0 = RepeatCols ? S.Offsets[0] : S.Offsets[BandFirst];
  const int x1 = S.Offsets[BandLast] + (ColTakesPart(BandLast) ? S.Widths[BandLast] + M : 0);
  const int top = DepthY(T + PS.TitleSpacing());
  const int bottom = DepthY(AtDepth - Pad / 2);
  C->Pen()->SetColor(clBlack);
  C->Pen()->SetStyle(PS.BorderStyle());
  C->Pen()->SetWidth(b == pbDouble ? 10 : 2);
  if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
    const TPoint frame[5] = {{x0, top}, {x1, top}, {x1, bottom}, {x0, bottom}, {x0, top}};
    C->Polyline(frame, 5);
  }
  if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal) {
    C->MoveTo(x0, bottom);
    C->LineTo(x1, bottom);
  }
  if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && RepeatCols)
    for (int i = 0; i < G.FixedCols(); ++i) {
      C->MoveTo(S.Offsets[i], top);
      C->LineTo(S.Offsets[i], bottom);
    }
}

void TDedAdararAdoz::TPrintRender::StartPage() {
  if (!DrawsPage()) return;
  // Output pages after the first go on a new sheet of the printer.
  if (Mode == prmDraw && OutputPages > 0 && NewDevicePage) {
    NewDevicePage();
    C->SetMapMode(MM_LOMETRIC);
  }
  ++OutputPages;
  if (G.OnPrintPage) G.OnPrintPage(&G, C, K + 1, W, -PageH);
}

void TDedAdararAdoz::TPrintRender::EndPage(int LastRow) {
  if (!DrawsPage()) return;
  PageLines(Depth);
  if (G.OnPrintPageDone) G.OnPrintPageDone(&G, C, LastRow, -Depth, K + 1, W, -PageH);
  bool cancel = false;
  if (G.OnPrintCancel) G.OnPrintCancel(&G, K + 1, cancel);
  if (cancel) Cancelled = true;
}
