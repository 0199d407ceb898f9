// Cell graphics and cell objects: the graphic object itself (what it holds
// for each kind and which objects it frees) and the grid's family of
// operations that add, create, query, change and remove them.
#include <algorithm>
#include <cmath>
#include <memory>

#include "framework/classes/StringList.h"
#include "framework/graphics/Graphics.h"
#include "framework/rtl/Math.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevCtrls.h"
#include "grid/model/DivUzev.h"

// ---------------------------------------------------------------------------
// The graphic object

TCellGraphic::~TCellGraphic() { FreeObjects(); }

void TCellGraphic::FreeObjects() {
  switch (CellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
      if (CellCreated) delete CellBitmap;
      break;
    case ctIcon:
      if (CellCreated) delete CellIcon;
      break;
    case ctImages:
    case ctBalloon:
      delete CellBitmap;
      break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
      // An attached balloon's texts.
      if (CellAngle == 1) delete CellBitmap;
      break;
    default:
      break;
  }
  CellBitmap = nullptr;
  CellIcon = nullptr;
  CellCreated = false;
}

void TCellGraphic::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TCellGraphic*>(Source);
  if (s == nullptr || s == this) return;
  // The objects are not copied: a copy holding the owner flag without the
  // object would free what it never held.
  FreeObjects();
  CellType = s->CellType;
  CellVAlign = s->CellVAlign;
  CellHAlign = s->CellHAlign;
  CellIndex = s->CellIndex;
  CellTransparent = s->CellTransparent;
  CellValue = s->CellValue;
  CellAngle = s->CellAngle;
  CellBoolean = s->CellBoolean;
  CellErrFrom = s->CellErrFrom;
  CellErrLen = s->CellErrLen;
  CellText = s->CellText;
  if (CellAngle == 1 && (CellType == ctCheckBox || CellType == ctDataCheckBox || CellType == ctRadioButton))
    CellAngle = 0;
}

void TCellGraphic::SetInterfacedCell(TInterfacedPersistent* AObject) {
  CellType = ctInterface;
  CellBitmap = AObject;
}

void TCellGraphic::SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
  CellType = ctBitmap;
  CellBitmap = ABmp;
  CellTransparent = Transparent;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetButton(int bw, int bh, const std::string& Caption, TCellHAlign hal, TCellVAlign val) {
  CellType = ctButton;
  CellIndex = static_cast<int>((static_cast<uint32_t>(bh) << 16) | (static_cast<uint32_t>(bw) & 0xFFFF));
  CellBoolean = false;
  CellText = Caption;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetBitButton(int bw, int bh, const std::string& Caption, TBitmap* Glyph, TCellHAlign hal,
                                TCellVAlign val) {
  SetButton(bw, bh, Caption, hal, val);
  CellType = ctBitButton;
  CellBitmap = Glyph;
}

void TCellGraphic::SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                              TCellHAlign hal, TCellVAlign val) {
  CellType = ctPicture;
  CellBitmap = APicture;
  CellTransparent = Transparent;
  CellAngle = StretchMode;
  CellIndex = Padding;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode,
                                  int Padding, TCellHAlign hal, TCellVAlign val) {
  SetPicture(nullptr, Transparent, StretchMode, Padding, hal, val);
  CellType = ctFilePicture;
  CellBitmap = APicture;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val) {
  CellType = Data ? ctDataCheckBox : ctCheckBox;
  CellBoolean = Value;
  CellTransparent = Flat;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
  CellType = ctTriStateCheckBox;
  CellCheckBoxState = Value;
  CellBoolean = false;
  CellTransparent = Flat;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
  CellType = ctRadioButton;
  CellBoolean = Value;
  CellTransparent = Flat;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetIcon(TIcon* AIcon, TCellHAlign hal, TCellVAlign val) {
  CellType = ctIcon;
  CellIcon = AIcon;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val) {
  CellType = ctDataImage;
  CellIndex = idx;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val) {
  CellType = ctImageList;
  CellIndex = idx;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetMultiImage(int Col, int Row, int Dir, TCellHAlign hal, TCellVAlign val,
                                 TImageChangeEvent Notifier) {
  CellType = ctImages;
  CellBoolean = Dir == 0;
  auto* list = new TIntList(Col, Row);
  list->OnChange = std::move(Notifier);
  CellBitmap = list;
  CellCreated = true;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetAngle(int16_t AAngle) {
  CellType = ctRotated;
  int a = AAngle;
  while (a < 0) a += 360;
  while (a > 360) a -= 360;
  CellAngle = a;
}

TPoint TCellGraphic::GetPictureSize(int cw, int rh, bool) const {
  int w = 0, h = 0;
  if (const auto* pic = dynamic_cast<const TPicture*>(CellBitmap)) {
    w = pic->Width();
    h = pic->Height();
  } else if (const auto* file = dynamic_cast<const TFilePicture*>(CellBitmap)) {
    // The size the file had when it was named; the file is not read again.
    w = file->Width();
    h = file->Height();
  }
  const int a = cw - CellIndex, b = rh - CellIndex;
  auto ratios = [&](bool Capped, double& rx, double& ry) {
    rx = w <= 0 ? 1.0 : double(a) / w;
    ry = h <= 0 ? 1.0 : double(b) / h;
    if (Capped) {
      rx = std::min(rx, 1.0);
      ry = std::min(ry, 1.0);
    }
  };
  auto byRatio = [&](double rx, double ry) {
    if (rx >= ry) return TPoint(static_cast<int>(Round(w * ry)), b);
    return TPoint(a, static_cast<int>(Round(h * rx)));
  };
  double rx = 1, ry = 1;
  switch (CellAngle) {
    case Stretch:
      return TPoint(a, b);
    case Shrink:
      return w > a || h > b ? TPoint(a, b) : TPoint(w, h);
    case StretchWithAspectRatio:
      ratios(false, rx, ry);
      return byRatio(rx, ry);
    case ShrinkWithAspectRatio:
      if (w <= a && h <= b) return TPoint(w, h);
      ratios(true, rx, ry);
      return byRatio(rx, ry);
    default:
      return TPoint(w, h);
  }
}

// ---------------------------------------------------------------------------
// Grid operations: helpers

namespace {
// The graphic of kind Kind in the cell, else none.
TCellGraphic* GraphicOfKind(TDedAdararAdoz* G, int ACol, int ARow, TCellType Kind) {
  TCellGraphic* g = G->GetCellGraphic(ACol, ARow);
  return g != nullptr && g->CellType == Kind ? g : nullptr;
}

// The graphic of the merged area's base cell.
TCellGraphic* BaseGraphic(TDedAdararAdoz* G, int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return nullptr;
  const TGridCoord b = G->BaseCell(ACol, ARow);
  return G->GetCellGraphic(b.X, b.Y);
}
}  // namespace

bool TDedAdararAdoz::IsCellTypeInSet(int ACol, int ARow, TCellTypes Types) {
  TCellGraphic* g = BaseGraphic(this, ACol, ARow);
  return g != nullptr && Types.Contains(g->CellType);
}

bool TDedAdararAdoz::HasControlGraphic(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return false;
  const TGridCoord b = BaseCell(ACol, ARow);
  switch (GetCellType(b.X, b.Y)) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadio:
    case ctButton:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox:
      return true;
    default:
      return false;
  }
}

bool TDedAdararAdoz::IsDataGraphicCell(TDedAdararAdoz* Grid, int ACol, int ARow) {
  return Grid->IsCellTypeInSet(ACol, ARow,
                               TCellTypes{ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox});
}

// ---------------------------------------------------------------------------
// Bitmaps, pictures, icons and images

void TDedAdararAdoz::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                               TCellVAlign val) {
  CreateCellGraphic(ACol, ARow)->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TDedAdararAdoz::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal,
                                      TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  auto* bmp = new TBitmap();
  g->SetBitmap(bmp, Transparent, hal, val);
  g->CellCreated = true;
  return bmp;
}

TBitmap* TDedAdararAdoz::GetBitmap(int ACol, int ARow) {
  TCellGraphic* g = GraphicOfKind(this, ACol, ARow, ctBitmap);
  return g != nullptr ? dynamic_cast<TBitmap*>(g->CellBitmap) : nullptr;
}

void TDedAdararAdoz::RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }

void TDedAdararAdoz::AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent,
                                TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(ACol, ARow)->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TDedAdararAdoz::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                        int Padding, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  auto* pic = new TPicture();
  g->SetPicture(pic, Transparent, StretchMode, Padding, hal, val);
  g->CellCreated = true;
  return pic;
}

TPicture* TDedAdararAdoz::GetPicture(int ACol, int ARow) {
  TCellGraphic* g = GraphicOfKind(this, ACol, ARow, ctPicture);
  return g != nullptr ? dynamic_cast<TPicture*>(g->CellBitmap) : nullptr;
}

void TDedAdararAdoz::RemovePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctPicture); }

void TDedAdararAdoz::AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                                    TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(ACol, ARow)->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TDedAdararAdoz::CreateFilePicture(int ACol, int ARow, bool Transparent,
                                                TStretchMode StretchMode, int Padding, TCellHAlign hal,
                                                TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  auto* pic = new TFilePicture();
  g->SetFilePicture(pic, Transparent, StretchMode, Padding, hal, val);
  g->CellCreated = true;
  return pic;
}

TFilePicture* TDedAdararAdoz::GetFilePicture(int ACol, int ARow) {
  TCellGraphic* g = GraphicOfKind(this, ACol, ARow, ctFilePicture);
  return g != nullptr ? dynamic_cast<TFilePicture*>(g->CellBitmap) : nullptr;
}

void TDedAdararAdoz::RemoveFilePicture(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctFilePicture);
}

void TDedAdararAdoz::AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(ACol, ARow)->SetIcon(AIcon, hal, val);
}

TIcon* TDedAdararAdoz::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  auto* icon = new TIcon();
  g->SetIcon(icon, hal, val);
  g->CellCreated = true;
  return icon;
}

void TDedAdararAdoz::RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctIcon); }

void TDedAdararAdoz::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (FGridImages == nullptr) return;
  CreateCellGraphic(ACol, ARow)->SetImageIdx(Aidx, hal, val);
}

bool TDedAdararAdoz::GetImageIdx(int ACol, int ARow, int& idx) {
  if (FGridImages == nullptr) return false;
  TCellGraphic* g = GraphicOfKind(this, ACol, ARow, ctImageList);
  if (g == nullptr) return false;
  idx = g->CellIndex;
  return true;
}

void TDedAdararAdoz::SetImageIdx(int ACol, int ARow, int Idx) {
  if (FGridImages == nullptr) return;
  if (TCellGraphic* g = GraphicOfKind(this, ACol, ARow, ctImageList)) {
    g->CellIndex = Idx;
    RepaintCell(DisplColIndexOf(ACol), ARow);
  }
}

void TDedAdararAdoz::RemoveImageIdx(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImageList); }

void TDedAdararAdoz::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (FGridImages == nullptr) return;
  CreateCellGraphic(ACol, ARow)->SetDataImage(Aidx, hal, val);
  if (GetCellEx(ACol, ARow).empty()) SetCellEx(ACol, ARow, IntToStr(Aidx));
}

bool TDedAdararAdoz::HasDataImage(int ACol, int ARow) {
  return IsCellTypeInSet(ACol, ARow, TCellTypes{ctDataImage});
}

void TDedAdararAdoz::RemoveDataImage(int ACol, int ARow) {
  if (RemoveCellGraphicOfType(ACol, ARow, ctDataImage)) SetCellEx(ACol, ARow, "");
}

void TDedAdararAdoz::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val) {
  if (FGridImages == nullptr) return;
  CreateCellGraphic(ACol, ARow)->SetMultiImage(ACol, ARow, Dir, hal, val, [this](TObject*, int C, int R) {
    RepaintCell(DisplColIndexOf(C), R);
  });
}

void TDedAdararAdoz::RemoveMultiImage(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImages); }

void TDedAdararAdoz::AddInterfacedCell(int ACol, int ARow, TInterfacedPersistent* AObject) {
  CreateCellGraphic(ACol, ARow)->SetInterfacedCell(AObject);
}

TInterfacedPersistent* TDedAdararAdoz::GetInterfacedCell(int ACol, int ARow) {
  TCellGraphic* g = GraphicOfKind(this, ACol, ARow, ctInterface);
  return g != nullptr ? dynamic_cast<TInterfacedPersistent*>(g->CellBitmap) : nullptr;
}

void TDedAdararAdoz::RemoveInterfacedCell(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctInterface);
}

// ---------------------------------------------------------------------------
// Rotated text

void TDedAdararAdoz::AddRotated(int ACol, int ARow, int16_t AAngle, const std::string& s) {
  CreateCellGraphic(ACol, ARow)->SetAngle(AAngle);
  SetCellEx(ACol, ARow, s);
}

void TDedAdararAdoz::SetRotated(int ACol, int ARow, int16_t AAngle) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr || g == FCellGraphic.get()) g = CreateCellGraphic(ACol, ARow);
  // Whatever the cell showed, it shows rotated text now: objects the old
  // kind owned go with it.
  if (g->CellType != ctRotated) g->FreeObjects();
  g->SetAngle(AAngle);
  RepaintCell(DisplColIndexOf(ACol), ARow);
}

bool TDedAdararAdoz::IsRotated(int ACol, int ARow, int& aAngle) {
  TCellGraphic* g = BaseGraphic(this, ACol, ARow);
  if (g == nullptr || g->CellType != ctRotated) return false;
  aAngle = g->CellAngle;
  return true;
}

void TDedAdararAdoz::RemoveRotated(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRotated); }

// ---------------------------------------------------------------------------
// Progress bars, pies and range indicators

void TDedAdararAdoz::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor) {
  AddProgressEx(ACol, ARow, FGColor, clNone, BKColor, clNone);
  if (TCellGraphic* g = GetCellGraphic(ACol, ARow)) g->CellBoolean = false;
}

void TDedAdararAdoz::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                   TColor BKTextColor) {
  AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, std::string(), 0, 100);
}

void TDedAdararAdoz::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor,
                                          TColor BKColor, TColor BKTextColor, const std::string& Fmt, int Min,
                                          int Max) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->CellType = ctProgress;
  // Colours travel in the object slots as numbers.
  g->CellBitmap = reinterpret_cast<TObject*>(static_cast<intptr_t>(FGColor));
  g->CellIcon = reinterpret_cast<TObject*>(static_cast<intptr_t>(BKColor));
  g->CellIndex = FGTextColor;
  g->CellAngle = BKTextColor;
  g->CellErrFrom = Min;
  g->CellErrLen = Max;
  g->CellText = Fmt;
  g->CellBoolean = true;
  g->CellHAlign = haLeft;
  g->CellVAlign = vaTop;
  if (FAutoNumAlign) GetCellProperties(ACol, ARow)->SetAlignment(taRightJustify);
}

bool TDedAdararAdoz::HasProgress(int ACol, int ARow) {
  return IsCellTypeInSet(ACol, ARow, TCellTypes{ctProgress});
}

void TDedAdararAdoz::RemoveProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgress); }

void TDedAdararAdoz::AddVevProgress(int ACol, int ARow, int Min, int Max) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->CellType = ctXPProgress;
  g->CellErrFrom = Min;
  g->CellErrLen = Max;
  g->CellBoolean = false;
  g->CellText.clear();
  g->CellHAlign = haLeft;
  g->CellVAlign = vaTop;
}

void TDedAdararAdoz::RemoveVevProgress(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctXPProgress);
}

void TDedAdararAdoz::AddProgressPie(int ACol, int ARow, TColor Color, int Value) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->CellType = ctProgressPie;
  g->CellBitmap = reinterpret_cast<TObject*>(static_cast<intptr_t>(Color));
  g->CellAngle = Value;
  g->CellHAlign = haBeforeText;
  g->CellVAlign = vaTop;
}

void TDedAdararAdoz::SetProgressPie(int ACol, int ARow, int Value) {
  if (TCellGraphic* g = GraphicOfKind(this, ACol, ARow, ctProgressPie)) {
    g->CellAngle = Value;
    RepaintCell(DisplColIndexOf(ACol), ARow);
  }
}

void TDedAdararAdoz::RemoveProgressPie(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctProgressPie);
}

void TDedAdararAdoz::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                       bool ShowValue) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->CellType = ctRangeIndicator;
  g->CellIndex = Range;
  g->CellBitmap = reinterpret_cast<TObject*>(static_cast<intptr_t>(NegColor));
  g->CellIcon = reinterpret_cast<TObject*>(static_cast<intptr_t>(PosColor));
  g->CellBoolean = ShowValue;
  g->CellHAlign = haLeft;
  g->CellVAlign = vaTop;
}

void TDedAdararAdoz::RemoveRangeIndicator(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator);
}

// ---------------------------------------------------------------------------
// Comments

void TDedAdararAdoz::AddComment(int ACol, int ARow, const std::string& Comment) {
  AddColorComment(ACol, ARow, Comment, FControlLook->CommentColor());
}

void TDedAdararAdoz::AddColorComment(int ACol, int ARow, const std::string& Comment, TColor Color) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->CellType = ctComment;
  g->CellText = Comment;
  g->CellIndex = Color;
  g->CellHAlign = haLeft;
  g->CellVAlign = vaTop;
}

std::string TDedAdararAdoz::GetComment(int ACol, int ARow) {
  TCellGraphic* g = GraphicOfKind(this, ACol, ARow, ctComment);
  return g != nullptr ? g->CellText : std::string();
}

void TDedAdararAdoz::SetComment(int ACol, int ARow, const std::string& Value) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr) {
    AddComment(ACol, ARow, Value);
  } else if (g->CellType == ctComment) {
    g->CellText = Value;
  }
}

bool TDedAdararAdoz::IsComment(int ACol, int ARow, std::string& Comment) {
  TCellGraphic* g = BaseGraphic(this, ACol, ARow);
  if (g == nullptr || g->CellType != ctComment) return false;
  Comment = g->CellText;
  return true;
}

void TDedAdararAdoz::RemoveComment(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctComment); }

void TDedAdararAdoz::RemoveAllComments() {
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c) RemoveComment(RealColIndex(c), r);
}

// ---------------------------------------------------------------------------
// Shapes and ratings

void TDedAdararAdoz::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                              TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->CellType = ctShape;
  g->CellAngle = Shape;
  g->CellIndex = FillColor;
  g->CellBitmap = reinterpret_cast<TObject*>(static_cast<intptr_t>(LineColor));
  g->CellHAlign = hal;
  g->CellVAlign = val;
}

void TDedAdararAdoz::SetShapeColor(int ACol, int ARow, TColor FillColor) {
  if (TCellGraphic* g = GraphicOfKind(this, ACol, ARow, ctShape)) g->CellIndex = FillColor;
}

TColor TDedAdararAdoz::GetShapeColor(int ACol, int ARow) {
  TCellGraphic* g = GraphicOfKind(this, ACol, ARow, ctShape);
  return g != nullptr ? g->CellIndex : clNone;
}

void TDedAdararAdoz::RemoveShape(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctShape); }

void TDedAdararAdoz::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->CellType = ctRating;
  g->CellAngle = Scale;
  g->CellIndex = FillColor;
  g->CellBitmap = reinterpret_cast<TObject*>(static_cast<intptr_t>(EmptyColor));
  g->CellHAlign = haFull;
  g->CellVAlign = vaTop;
}

bool TDedAdararAdoz::HasRating(int ACol, int ARow) {
  return IsCellTypeInSet(ACol, ARow, TCellTypes{ctRating});
}

void TDedAdararAdoz::RemoveRating(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRating); }

// ---------------------------------------------------------------------------
// Cell scroll bars

void TDedAdararAdoz::AddScrollBar(int ACol, int ARow, bool AutoRange) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->CellType = ctScrollbar;
  g->CellIndex = 0;
  g->CellAngle = 0;
  g->CellErrFrom = 100;
  g->CellBoolean = AutoRange;
  if (AutoRange) UpdateCellScrollBar(ACol, ARow);
}

void TDedAdararAdoz::UpdateCellScrollBar(int ACol, int ARow) {
  if (!HasAutoRangeScrollBar(ACol, ARow)) return;
  TScrollProp p;
  p.PageSize = RowHeights(ARow);
  p.Range = GetCellTextSize(ACol, ARow, true, true).cy;
  SetScrollProp(ACol, ARow, p);
}

bool TDedAdararAdoz::HasScrollBar(int ACol, int ARow) {
  return IsCellTypeInSet(ACol, ARow, TCellTypes{ctScrollbar});
}

bool TDedAdararAdoz::HasAutoRangeScrollBar(int ACol, int ARow) {
  TCellGraphic* g = BaseGraphic(this, ACol, ARow);
  return g != nullptr && g->CellType == ctScrollbar && g->CellBoolean;
}

void TDedAdararAdoz::SetScrollPosition(int ACol, int ARow, int Pos) {
  TCellGraphic* g = BaseGraphic(this, ACol, ARow);
  if (g == nullptr || g->CellType != ctScrollbar) return;
  g->CellIndex = Pos;
  RepaintCell(DisplColIndexOf(ACol), ARow);
}

int TDedAdararAdoz::GetScrollPosition(int ACol, int ARow) {
  TCellGraphic* g = BaseGraphic(this, ACol, ARow);
  return g != nullptr && g->CellType == ctScrollbar ? g->CellIndex : -1;
}

void TDedAdararAdoz::SetScrollProp(int ACol, int ARow, TScrollProp Prop) {
  TCellGraphic* g = BaseGraphic(this, ACol, ARow);
  if (g == nullptr || g->CellType != ctScrollbar) return;
  g->CellAngle = Prop.PageSize;
  g->CellErrFrom = Prop.Range;
}

TScrollProp TDedAdararAdoz::GetScrollProp(int ACol, int ARow) {
  TScrollProp p;
  TCellGraphic* g = BaseGraphic(this, ACol, ARow);
  if (g != nullptr && g->CellType == ctScrollbar) {
    p.PageSize = g->CellAngle;
    p.Range = g->CellErrFrom;
  }
  return p;
}

void TDedAdararAdoz::RemoveScrollBar(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }

// ---------------------------------------------------------------------------
// Error markers

void TDedAdararAdoz::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr || g == FCellGraphic.get()) {
    g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctEmpty;
  }
  g->CellErrFrom = ErrPos;
  g->CellErrLen = ErrLen;
  RepaintCell(DisplColIndexOf(ACol), ARow);
}

void TDedAdararAdoz::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) {
  ErrPos = 0;
  ErrLen = 0;
  if (TCellGraphic* g = GetCellGraphic(ACol, ARow)) {
    ErrPos = g->CellErrFrom;
    ErrLen = g->CellErrLen;
  }
}

void TDedAdararAdoz::RemoveMarker(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr) return;
  if (g->CellType == ctEmpty) {
    RemoveCellGraphic(ACol, ARow);
    return;
  }
  g->CellErrFrom = 0;
  g->CellErrLen = 0;
  RepaintCell(DisplColIndexOf(ACol), ARow);
}

void TDedAdararAdoz::RemoveAllMarkers() {
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c) RemoveMarker(RealColIndex(c), r);
}

// ---------------------------------------------------------------------------
// Buttons and expand buttons

void TDedAdararAdoz::AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                               TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(ACol, ARow)->SetButton(bw, bh, Caption, hal, val);
}

void TDedAdararAdoz::AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                                  TBitmap* Glyph, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(ACol, ARow)->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TDedAdararAdoz::CreateBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                                         TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  auto* glyph = new TBitmap();
  g->SetBitButton(bw, bh, Caption, glyph, hal, val);
  g->CellCreated = true;
  return glyph;
}

void TDedAdararAdoz::SetButtonText(int ACol, int ARow, const std::string& Caption) {
  if (TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow)) {
    g->CellText = Caption;
    RepaintCell(ACol, ARow);
  }
}

std::string TDedAdararAdoz::GetButtonText(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
  return g != nullptr ? g->CellText : std::string();
}

void TDedAdararAdoz::PushButton(int ACol, int ARow, bool Push) {
  TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
  if (g == nullptr || g->CellType == ctNode) return;
  g->CellBoolean = Push;
  RepaintCell(ACol, ARow);
}

bool TDedAdararAdoz::HasButton(int ACol, int ARow) {
  return IsCellTypeInSet(ACol, ARow, TCellTypes{ctButton, ctBitButton});
}

void TDedAdararAdoz::RemoveButton(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctButton);
  RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TDedAdararAdoz::RemoveBitButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }

void TDedAdararAdoz::RemoveAllButtons() {
  for (int r = 0; r < RowCount(); ++r) {
    for (int c = 0; c < ColCount(); ++c) {
      const int rc = RealColIndex(c);
      if (HasButton(rc, r)) RemoveButton(rc, r);
    }
  }
}

TRect TDedAdararAdoz::GetCellButtonRect(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
  if (g == nullptr) return TRect();
  const TRect r = CellRect(ACol, ARow);
  const int64_t o = Round(g->CellValue);
  TRect b;
  b.Left = r.Left + static_cast<int>(o % 65536);
  b.Top = r.Top + static_cast<int>(o / 65536);
  b.Right = b.Left + (g->CellIndex & 0xFFFF);
  b.Bottom = b.Top + ((g->CellIndex >> 16) & 0xFFFF);
  if (g->CellVAlign == vaFull) {
    b.Top = r.Top;
    b.Bottom = r.Bottom;
  }
  if (g->CellHAlign == haFull) {
    b.Left = r.Left;
    b.Right = r.Right;
  }
  return b;
}

void TDedAdararAdoz::AddExpand(int ACol, int ARow, int ExpandedHeight) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->CellType = ctExpand;
  g->CellAngle = ExpandedHeight;
  g->CellIndex = ARow >= 0 && ARow < RowCount() ? RowHeights(ARow) : DefaultRowHeight();
  g->CellVar = 0;
}

bool TDedAdararAdoz::HasExpand(int ACol, int ARow) {
  return IsCellTypeInSet(ACol, ARow, TCellTypes{ctExpand});
}

bool TDedAdararAdoz::ToggleExpand(int ACol, int ARow) {
  TCellGraphic* g = BaseGraphic(this, ACol, ARow);
  if (g == nullptr) return false;
  g->CellVar = g->CellVar != 0 ? 0 : 1;
  return g->CellVar != 0;
}

bool TDedAdararAdoz::GetExpandState(int ACol, int ARow) {
  TCellGraphic* g = BaseGraphic(this, ACol, ARow);
  return g != nullptr && g->CellVar != 0;
}

int TDedAdararAdoz::GetExpandHeight(int ACol, int ARow, bool Expanded) {
  TCellGraphic* g = BaseGraphic(this, ACol, ARow);
  if (g == nullptr) return DefaultRowHeight();
  return Expanded ? g->CellAngle : g->CellIndex;
}

void TDedAdararAdoz::RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctExpand); }

TRect TDedAdararAdoz::GetExpandRect(int ACol, int ARow) {
  const int rc = RealColIndex(ACol);
  if (!IsCellTypeInSet(rc, ARow, TCellTypes{ctExpand})) return TRect();
  const TRect r = CellRect(ACol, ARow);
  return TRect(r.Right - 13, r.Top + 2, r.Right - 2, r.Top + 13);
}

// ---------------------------------------------------------------------------
// Balloons

void TDedAdararAdoz::AddBalloon(int ACol, int ARow, const std::string& Title, const std::string& Text,
                                TBalloonIcon Icon) {
  auto list = std::make_unique<TStringList>();
  list->Add(Title);
  list->Add(Text);
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == FCellGraphic.get()) return;
  if (g != nullptr) {
    if (g->CellType != ctCheckBox && g->CellType != ctDataCheckBox && g->CellType != ctRadioButton) return;
    // A balloon attached before gives way to the new one.
    if (g->CellAngle == 1) delete g->CellBitmap;
    g->CellBitmap = list.release();
    g->CellIndex = Icon;
    g->CellAngle = 1;
    return;
  }
  g = CreateCellGraphic(ACol, ARow);
  g->CellType = ctBalloon;
  g->CellBitmap = list.release();
  g->CellIndex = Icon;
  g->CellAngle = 0;
}

void TDedAdararAdoz::RemoveBalloon(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr) return;
  if (g->CellType == ctBalloon) {
    RemoveCellGraphic(ACol, ARow);
  } else if (g->CellAngle == 1 &&
             (g->CellType == ctCheckBox || g->CellType == ctDataCheckBox || g->CellType == ctRadioButton)) {
    delete g->CellBitmap;
    g->CellBitmap = nullptr;
    g->CellAngle = 0;
  }
}

bool TDedAdararAdoz::HasBalloon(int ACol, int ARow) {
  return IsCellTypeInSet(ACol, ARow, TCellTypes{ctBalloon});
}

bool TDedAdararAdoz::IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text,
                               TBalloonIcon& Icon) {
  TCellGraphic* g = BaseGraphic(this, ACol, ARow);
  if (g == nullptr) return false;
  const bool attached = g->CellAngle == 1 && (g->CellType == ctCheckBox || g->CellType == ctDataCheckBox ||
                                              g->CellType == ctRadioButton);
  if (g->CellType != ctBalloon && !attached) return false;
  auto* list = dynamic_cast<TStrings*>(g->CellBitmap);
  if (list == nullptr) return false;
  Title = list->Count() > 0 ? list->Strings(0) : std::string();
  Text = list->Count() > 1 ? list->Strings(1) : std::string();
  Icon = static_cast<TBalloonIcon>(std::clamp(g->CellIndex, 0, 3));
  return true;
}

// ---------------------------------------------------------------------------
// Radio groups

void TDedAdararAdoz::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->CellType = ctRadio;
  g->CellBitmap = sl;
  g->CellAngle = sl != nullptr ? sl->Count() : 0;
  g->CellBoolean = DirRadio != 0;
  g->CellIndex = IdxRadio;
}

TStrings* TDedAdararAdoz::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio) {
  auto* list = new TStringList();
  AddRadio(ACol, ARow, DirRadio, IdxRadio, list);
  GetCellGraphic(ACol, ARow)->CellCreated = true;
  return list;
}

bool TDedAdararAdoz::GetRadioIdx(int ACol, int ARow, int& IdxRadio) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr) return false;
  IdxRadio = g->CellIndex;
  return g->CellType == ctRadio;
}

bool TDedAdararAdoz::SetRadioIdx(int ACol, int ARow, int IdxRadio) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr) return false;
  g->CellIndex = IdxRadio;
  if (IdxRadio == -1) SetCellEx(ACol, ARow, "");
  RepaintCell(DisplColIndexOf(ACol), ARow);
  return g->CellType == ctRadio;
}

TStrings* TDedAdararAdoz::GetRadioStrings(int ACol, int ARow) {
  TCellGraphic* g = BaseGraphic(this, ACol, ARow);
  return g != nullptr && g->CellType == ctRadio ? dynamic_cast<TStrings*>(g->CellBitmap) : nullptr;
}

bool TDedAdararAdoz::IsRadio(int ACol, int ARow) { return IsCellTypeInSet(ACol, ARow, TCellTypes{ctRadio}); }

void TDedAdararAdoz::RemoveRadio(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadio); }

void TDedAdararAdoz::NextRadio(int ACol, int ARow, bool CheckEditable) {
  TCellGraphic* g = GraphicOfKind(this, ACol, ARow, ctRadio);
  if (g == nullptr) return;
  if (CheckEditable && !FControlLook->RadioAlwaysActive()) {
    bool canEdit = true;
    CanEditCell(ACol, ARow, canEdit);
    if (!canEdit) return;
  }
  auto* items = dynamic_cast<TStrings*>(g->CellBitmap);
  const int count = items != nullptr ? items->Count() : 0;
  if (count == 0) return;
  int n = g->CellIndex >= 0 ? g->CellIndex + 1 : items->IndexOf(GetCellEx(ACol, ARow)) + 1;
  if (n >= count) n = 0;
  if (g->CellIndex >= -1) g->CellIndex = n;
  g->CellVar = n;
  SetCellEx(ACol, ARow, items->Strings(n));
  RepaintCell(DisplColIndexOf(ACol), ARow);
}
