// How a cell looks before it is painted, measured or printed: its font,
// colours, gradient, draw state, alignment and word wrap, in their order of
// precedence (cell properties, bands, fixed areas, looks, events,
// selection); the text a cell shows after its float format; and the size
// that text needs.
#include <algorithm>
#include <cmath>

#include "framework/graphics/Gdi.h"
#include "framework/rtl/Format.h"
#include "framework/rtl/Math.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/PictureContainer.h"
#include "grid/base/VevUtil.h"
#include "grid/view/DivUzev_Paint.h"

namespace {
// An unchanged font is not handed over again: every change makes the
// painter set up its font anew.
void TakeFont(TFont* Dest, TFont* Source) {
  if (!Dest->IsEqual(*Source)) Dest->Assign(Source);
}

bool IsTextCellKind(TCellType Kind) { return Kind == ctNone || Kind == ctRotated || Kind == ctEmpty; }

// Each channel as its share of a and b, rounded half to even, at most 255.
TColor MixChannels(TColor A, TColor B, int F) {
  const double f = F / 100.0;
  auto ch = [&](int a, int b) {
    return static_cast<int>(std::min<int64_t>(255, Round(f * a + (1 - f) * b)));
  };
  return RGB(ch(GetRValue(A), GetRValue(B)), ch(GetGValue(A), GetGValue(B)), ch(GetBValue(A), GetBValue(B)));
}
}  // namespace

TColor TDedAdararAdoz::MixSelectionColor(TColor CellColor) const {
  if (!FSelectionColorMixer) return FSelectionColor;
  const int f = FSelectionColorMixerFactor;
  if (f >= 100) return FSelectionColor;
  if (f < 1 || FSelectionColor == clNone) return CellColor;
  if (CellColor == clNone) return FSelectionColor;
  return MixChannels(ColorToRGB(FSelectionColor), ColorToRGB(CellColor), f);
}

bool TDedAdararAdoz::IsFixed(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return false;
  // The base cell decides for a merged area.
  int rc = RealColIndex(ACol), r = ARow;
  if (HasCellProperties(rc, ARow)) {
    const TGridCoord b = BaseCell(rc, ARow);
    rc = b.X;
    r = b.Y;
  }
  const int d = DisplColIndexOf(rc);
  if (r >= RowCount() - FFixedFooters) return true;
  if (FFixedRightCols > 0 && d >= ColCount() - FFixedRightCols && d < ColCount()) return true;
  bool fixed = false;
  IsFixedCell(rc, r, fixed);
  return fixed;
}

bool TDedAdararAdoz::SelectedForPaint(int ACol, int ARow) {
  if (ACol < FixedCols() || ARow < FixedRows()) return false;
  if (FMouseActions->DisjunctCellSelect())
    return FSelectedCells->HasValue((ARow << 16) | (RealColIndex(ACol) & 0xFFFF));
  if (FMouseActions->DisjunctRowSelect()) {
    const int r = FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow;
    return r < TotalRowCount() && RowSelect(r);
  }
  if (FMouseActions->DisjunctColSelect()) return ColSelect(ACol);
  const TGridRect s = Selection();
  return std::min(s.Left, s.Right) <= ACol && ACol <= std::max(s.Left, s.Right) &&
         std::min(s.Top, s.Bottom) <= ARow && ARow <= std::max(s.Top, s.Bottom);
}

void TDedAdararAdoz::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                         bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA,
                                         TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
  const int rcol = Remap ? RealColIndex(ACol) : ACol;
  const int fixedCols = FixedCols(), fixedRows = FixedRows();
  const bool inFixedArea = ACol < fixedCols || ARow < fixedRows;

  // 1. Font by area (printing uses the display fonts: there is no printer).
  TakeFont(AFont, inFixedArea ? FFixedFont.get() : Font());

  // 2.
  const bool disjunctRows = FMouseActions->DisjunctRowSelect();
  const int selRow =
      (disjunctRows && FMouseActions->RowSelectPersistent()) || FUseEnabledRows ? RealRowIndex(ARow) : ARow;

  // 3.
  TColor brush = clNone;
  AColorTo = clNone;
  AMirrorColor = clNone;
  AMirrorColorTo = clNone;

  // 4. The cell's own looks.
  bool ownColor = false;
  if (HasCellProperties(rcol, ARow)) {
    const TCellProperties* p = GetGridObject(rcol, ARow);
    if (IsTextCellKind(GetCellType(rcol, ARow))) {
      if (p->BrushColor() != clNone) {
        brush = p->BrushColor();
        ownColor = true;
      }
    } else {
      brush = p->BrushColor();
    }
    if (p->FontColor() != clNone) AFont->SetColor(p->FontColor());
    if (!(p->FontStyle() == TFontStyles{})) AFont->SetStyle(p->FontStyle());
    if (p->FontSize() != 0) AFont->SetSize(p->FontSize());
    if (!p->FontName().empty()) AFont->SetName(p->FontName());
    WW = p->WordWrap();
    AColorTo = p->BrushColorTo();
    GD = p->GradientDirection();
  }

  // 5.
  if (AState.Contains(gdSelected)) GD = GradientVertical;

  // 6. Defaults: the grid colour, bands, the fixed areas' colour.
  if (brush == clNone) {
    brush = Color();
    if (FBands->Active() && (!Print || FBands->Print()) && ACol >= fixedCols &&
        ACol < ColCount() + NumHiddenColumns() - FFixedRightCols && ARow >= fixedRows &&
        ARow < RowCount() - FFixedFooters && FBands->TotalLength() > 0) {
      brush = (ARow - fixedRows) % FBands->TotalLength() < FBands->PrimaryLength() ? FBands->PrimaryColor()
                                                                                   : FBands->SecondaryColor();
    }
    if (inFixedArea || ACol >= ColCount() - FFixedRightCols || ARow >= RowCount() - FFixedFooters)
      brush = FixedColor();
  }

  // 7. Fixed cells without a colour of their own.
  const bool fixed = IsFixed(ACol, ARow) || inFixedArea;
  if (fixed && !ownColor) {
    if (!Print) {
      brush = FixedColor();
      TakeFont(AFont, FFixedFont.get());
      AState << gdFixed;
    }
    if (FLook >= glVyx) {
      brush = FVyxGradientFrom;
      AColorTo = FVyxGradientTo;
      AMirrorColor = FVyxGradientMirrorFrom;
      AMirrorColorTo = FVyxGradientMirrorTo;
    }
  }

  // 8., 9. The application's say.
  ABrush->SetColor(brush);
  if (Print)
    GetCellPrintColor(rcol, ARow, AState, ABrush, AFont);
  else
    GetCellColor(rcol, ARow, AState, ABrush, AFont);
  if (OnGetCellGradient) {
    TColor c = ABrush->Color();
    OnGetCellGradient(this, ARow, rcol, c, AColorTo, AMirrorColor, AMirrorColorTo, GD);
    ABrush->SetColor(c);
  }

  // 10. The cell's colours without selection.
  const TColor plainBrush = ABrush->Color();
  const TColor plainFont = AFont->Color();

  auto applySelection = [&] {
    AColorTo = FSelectionColorTo;
    AMirrorColor = FSelectionMirrorColor;
    AMirrorColorTo = FSelectionMirrorColorTo;
    if (FSelectionTextColor != clNone) AFont->SetColor(FSelectionTextColor);
  };
  const bool canSelect = !Print && Select && FShowSelection && !fixed;
  const bool mouseDown = FMouseButtonDown;

  // 11. Disjunct row selection.
  if (disjunctRows && canSelect && ACol >= fixedCols && ARow >= fixedRows) {
    const bool rowSelected = selRow < TotalRowCount() && RowSelect(selRow);
    if ((mouseDown && ARow == Row()) || !rowSelected) {
      if (!mouseDown || rowSelected || !AState.Contains(gdSelected)) AState >> gdSelected;
    } else {
      AState = TGridDrawState{gdSelected};
      ABrush->SetColor(MixSelectionColor(ABrush->Color()));
      applySelection();
    }
  }

  // 12. Disjunct column selection.
  const bool disjunctCols = FMouseActions->DisjunctColSelect();
  if (disjunctCols && canSelect && ARow >= fixedRows && ACol >= fixedCols) {
    const bool colSelected = ColSelect(ACol);
    if (((!mouseDown || ACol != Col()) && colSelected) ||
        (mouseDown && !colSelected && AState.Contains(gdSelected))) {
      AState = TGridDrawState{gdSelected};
      ABrush->SetColor(MixSelectionColor(ABrush->Color()));
      applySelection();
    }
  }

  // 13. The selection rectangle.
  if ((canSelect && !disjunctRows && !disjunctCols && SelectedForPaint(ACol, ARow)) ||
      (AState.Contains(gdSelected) && mouseDown && FShowSelection)) {
    ABrush->SetColor(ABrush->Color() == Color() ? FSelectionColor : MixSelectionColor(ABrush->Color()));
    applySelection();
    AState << gdSelected;
  }

  // 14. Disjunct cell selection.
  if (FMouseActions->DisjunctCellSelect() && FShowSelection) {
    const bool listed = FSelectedCells->HasValue((ARow << 16) | (rcol & 0xFFFF));
    if (!listed && ACol == Col() && ARow == Row()) {
      AState >> gdSelected;
      ABrush->SetColor(plainBrush);
      AFont->SetColor(plainFont);
    } else if (listed) {
      ABrush->SetColor(FSelectionColor);
      applySelection();
      AState << gdSelected;
    }
  }

  // 15. Disabled text.
  if (FUseDisabledFont && ((FUseEnabledRows && !RowEnabled(selRow)) || !Enabled()))
    AFont->SetColor(FDisabledFontColor);

  // 16.
  if (disjunctRows && FSelectionColorTo == clNone && ARow != Row() && SelectedForPaint(ACol, ARow))
    ABrush->SetColor(AdjustColorPercent(ABrush->Color(), 7));

  // 17., 18.
  GetCellWordWrap(rcol, ARow, WW);
  CalcCellAlignment(rcol, ARow, HA, VA);
}

void TDedAdararAdoz::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState AState, TFont* AFont,
                                       TBrush* ABrush, bool Remap) {
  const int rcol = Remap ? RealColIndex(ACol) : RCol;
  const bool fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
  TakeFont(AFont, fixed ? FFixedFont.get() : Font());
  if (HasCellProperties(rcol, ARow)) {
    const TCellProperties* p = GetGridObject(rcol, ARow);
    if (p->FontColor() != clNone) AFont->SetColor(p->FontColor());
    if (!(p->FontStyle() == TFontStyles{})) AFont->SetStyle(p->FontStyle());
    if (p->FontSize() != 0) AFont->SetSize(p->FontSize());
    if (!p->FontName().empty()) AFont->SetName(p->FontName());
  }
  GetCellColor(rcol, ARow, AState, ABrush, AFont);
}

const std::string& TDedAdararAdoz::GetFormattedCell(int ACol, int ARow) {
  const std::string& shown = GetCellEx(ACol, ARow);
  if (!OnGetFloatFormat) return shown;
  const int kind = NumberTextKind(Trim(shown));
  bool isFloat = kind == ntInteger || kind == ntDecimal || kind == ntExponent;
  if (!isFloat) return shown;
  // The format hook may read and change cells: the text is held as a copy.
  std::string text = shown;
  std::string fmt = FFloatFormat;
  OnGetFloatFormat(this, ACol, ARow, isFloat, fmt);
  if (!isFloat || fmt.empty()) return KeepShownText(std::move(text));
  try {
    if (fmt.find('d') != std::string::npos) return KeepShownText(Format(fmt, {Ints(ACol, ARow)}));
    return KeepShownText(Format(fmt, {Floats(ACol, ARow)}));
  } catch (const Exception&) {
    // A text the format cannot show stays as it is stored.
    return KeepShownText(std::move(text));
  }
}

// ---------------------------------------------------------------------------
// Alignment and measuring

namespace {
bool IsWideFormula(const std::string& T) {
  return T.size() > 3 && T[0] == '|' && T[1] == '\\' && T[3] == '=';
}
}  // namespace

void TDedAdararAdoz::CalcCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA) {
  HA = FDefaultAlignment;
  VA = FVAlignment;
  bool formula = false;
  if (FAutoNumAlign) {
    std::string text = GetCellEx(ACol, ARow);
    if ((!text.empty() && text[0] == '=') || IsWideFormula(text)) {
      formula = true;
      text = GetCellText(ACol, ARow);
    }
    const int kind = NumberTextKind(Trim(text));
    if (kind == ntInteger || kind == ntDecimal || kind == ntExponent) HA = taRightJustify;
  }
  if (HasCellProperties(ACol, ARow)) {
    if (!FAutoNumAlign) {
      const std::string& raw = GetGridCell(ACol, ARow);
      formula = (!raw.empty() && raw[0] == '=') || IsWideFormula(raw);
    }
    if (!formula) HA = GetGridObject(ACol, ARow)->Alignment();
  }
  GetCellAlignment(ACol, ARow, HA, VA);
}

TSize TDedAdararAdoz::GetCellTextSize(int ACol, int ARow, bool VS, bool SB) {
  return CalcCellTextSize(ACol, DisplColIndexOf(ACol), VS, SB, ARow);
}

TSize TDedAdararAdoz::CalcCellTextSize(int ACol, int DisplCol, bool VS, bool SB, int ARow) {
  std::string text = GetFormattedCell(ACol, ARow);
  int kind = ClassifyCellText(text, FEnableHTML);
  TCanvas* c = Canvas();

  // The font and brush the painter would take.
  TGridDrawState state;
  GetFontProperties(DisplCol, ACol, ARow, state, c->Font(), c->Brush(), false);
  if ((ARow < FixedRows() || DisplCol < FixedCols()) && FActiveCellShow &&
      FActiveCellFont->Style().Contains(fsBold))
    c->Font()->SetStyle(c->Font()->Style() << fsBold);
  if (FZoomFactor != 0) c->Font()->SetSize(c->Font()->Size() + FZoomFactor);

  if (kind == tkFormula) {
    text = GetCellText(ACol, ARow);
    kind = ClassifyCellText(text, FEnableHTML);
  }
  if (kind == tkWideText) text = DecodeWideCellText(text);

  TRect r = CellRect(DisplCol, ARow);
  if (FXYOffsetTopLeftOnly) {
    r.Left += FXYOffset.X;
    r.Top += FXYOffset.Y;
  } else {
    r.Left += FXYOffset.X;
    r.Top += FXYOffset.Y;
    r.Right -= FXYOffset.X;
    r.Bottom -= FXYOffset.Y;
  }
  if (SB) r.Right -= 17;

  if (kind == tkMarkup) {
    if (!VS) r.Right = 65535;
    r.Bottom = 65535;
    TMarkupParams mp;
    mp.ImageList = GetGraphicImages();
    mp.CheckHeight = true;
    mp.WordWrap = !FEnhTextSize;
    mp.LinkColor = FURLColor;
    mp.PictureCache = ImageCache();
    mp.PictureContainer = FPictureContainer;
    TMarkupResult res;
    DrawMarkup(c, text, r, mp, res);
    return TSize{res.XSize + 2, res.YSize + 2};
  }
  // Rich text has no rich edit here: its letters are measured as plain text.
  if (kind == tkRichText) text = RichTextToPlain(text);

  int angle = 0;
  const bool rotated = IsRotated(ACol, ARow, angle);
  TSize size{0, 0};
  if (VS) {
    r.Left += 2;
    r.Top += 2;
    r.Right -= 2;
    r.Bottom -= 2;
    if (EditorMode() && ACol == RealCol() && ARow == Row() && !text.empty() && text.back() == '\n')
      text += "w";
    TRect m = r;
    DrawText(c, text, m,
             (rotated ? DT_SINGLELINE : DT_WORDBREAK) | DT_EXPANDTABS | DT_CALCRECT | DT_NOPREFIX |
                 DT_EDITCONTROL);
    size = TSize{r.Width(), m.Height()};
  } else {
    std::string rest = text;
    const bool stripURL = kind == tkPlain && FURLShow && !FURLFull;
    int lines = 0;
    do {
      std::string line = CutFirstLine(rest, FMultilineCells);
      if (stripURL) StripURLProtocol(line);
      size.cx = std::max(size.cx, c->TextWidth(line));
      ++lines;
    } while (FMultilineCells && !rest.empty());
    size.cy = lines * c->TextHeight("gh");
  }
  if (rotated) {
    const double a = angle * M_PI / 180.0;
    const int64_t w = size.cx, h = size.cy;
    auto r1 = [](double v) { return std::llabs(Round(v)); };
    const int64_t nw = std::llabs(r1(h * std::sin(a)) - r1(w * std::cos(a))) + 12;
    const int64_t nh = std::llabs(r1(h * std::cos(a)) - r1(w * std::sin(a))) + 12;
    size = TSize{static_cast<int>(nw), static_cast<int>(nh)};
  }
  return size;
}
