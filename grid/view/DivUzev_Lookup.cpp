// What a cell shows besides its text: the graphic it holds and of which
// kind, the room that graphic takes beside the text or on its own, making
// and removing graphics, and the text the cell displays (links made from
// URLs, group counts behind tree nodes).
#include <algorithm>

#include "framework/classes/StringList.h"
#include "framework/graphics/ImgList.h"
#include "framework/rtl/Format.h"
#include "grid/base/PictureContainer.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"

TIntList* TDedAdararAdoz::GetCellImages(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  return g != nullptr && g->CellType == ctImages ? dynamic_cast<TIntList*>(g->CellBitmap) : nullptr;
}

intptr_t TDedAdararAdoz::GetCellGraphicHandle(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr) return -1;
  switch (g->CellType) {
    case ctBitmap:
      return reinterpret_cast<intptr_t>(g->CellBitmap);
    case ctIcon:
      return reinterpret_cast<intptr_t>(g->CellIcon);
    case ctImageList:
      return g->CellIndex;
    default:
      return -1;
  }
}

TCellGraphic* TDedAdararAdoz::CreateCellGraphic(int ACol, int ARow) {
  TCellGraphic* old = GetCellGraphic(ACol, ARow);
  // The shared row check box and the column grid's virtual check box are
  // never a cell's own.
  const bool shared = old != nullptr && (old == FCellGraphic.get() || old->CellType == ctVirtCheckBox ||
                                         old->CellType == ctRowCheckBox);
  auto fresh = std::make_unique<TCellGraphic>();
  TCellGraphic* g = fresh.get();
  // The store keeps an entry for an empty cell while the graphic goes in.
  SetGraphicObjectEx(ACol, ARow, fresh.release());
  if (old != nullptr && !shared) delete old;
  if (NumHiddenColumns() > 0 && DisplColIndexOf(ACol) != ACol) RepaintCell(DisplColIndexOf(ACol), ARow);
  return g;
}

bool TDedAdararAdoz::RemoveCellGraphic(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || !HasCellProperties(ACol, ARow)) return false;
  TCellProperties* p = GetGridObject(ACol, ARow);
  auto* g = dynamic_cast<TCellGraphic*>(p->GraphicObject());
  if (g == nullptr) return false;
  p->SetGraphicObject(nullptr);
  if (g->CellType != ctVirtCheckBox && g->CellType != ctRowCheckBox && g != FCellGraphic.get()) delete g;
  if (!ComponentState().Contains(csDestroying)) RepaintCell(DisplColIndexOf(ACol), ARow);
  return true;
}

bool TDedAdararAdoz::RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType) {
  if (GetCellType(ACol, ARow) != AType) return false;
  return RemoveCellGraphic(ACol, ARow);
}

TImageList* TDedAdararAdoz::GetGraphicImages() { return FGridImages; }

TPoint TDedAdararAdoz::GetCellGraphicSize(int ACol, int ARow) {
  TPoint size;
  CalcGraphicSize(ACol, ARow, size, 0);
  return size;
}

namespace {
// Widths and heights of radio items in the grid's font.
void RadioExtent(TCanvas* C, TStrings* Items, bool SideBySide, bool MinLine, TPoint& Size) {
  const int lineH = C->TextHeight("gh");
  const int count = Items != nullptr ? Items->Count() : 0;
  if (SideBySide) {
    for (int i = 0; i < count; ++i) Size.X += C->TextWidth(Items->Strings(i)) + 12;
    Size.Y = lineH;
  } else {
    Size.X = MinLine ? 12 : 0;
    for (int i = 0; i < count; ++i) Size.X = std::max(Size.X, C->TextWidth(Items->Strings(i)) + 12);
    Size.Y = (MinLine ? std::max(16, lineH) : lineH) * count;
  }
}
}  // namespace

void TDedAdararAdoz::CalcGraphicSize(int ACol, int ARow, TPoint& Size, int ReservedHeight) {
  Size = TPoint(0, 0);
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr) return;
  const bool hasText = !GetCellEx(ACol, ARow).empty();
  const bool beside = g->CellHAlign == haBeforeText || g->CellHAlign == haAfterText;
  const bool stacked = g->CellVAlign == vaUnderText || g->CellVAlign == vaAboveText;
  bool fullWidth = false;
  TCanvas* c = Canvas();
  TImageList* images = GetGraphicImages();
  switch (g->CellType) {
    case ctBitmap:
      if (auto* b = dynamic_cast<TBitmap*>(g->CellBitmap)) {
        Size.X = beside || !hasText ? b->Width() : 0;
        Size.Y = stacked || !hasText ? b->Height() : 0;
      }
      break;
    case ctIcon:
      if (auto* i = dynamic_cast<TIcon*>(g->CellIcon)) {
        Size.X = beside || !hasText ? i->Width() : 0;
        Size.Y = i->Height();
      }
      break;
    case ctImageList:
    case ctDataImage:
      if (images != nullptr) {
        Size.X = beside || !hasText ? images->Width() : 0;
        Size.Y = stacked || !hasText ? images->Height() : 0;
      }
      break;
    case ctPicture:
    case ctFilePicture: {
      const int d = FXYOffsetTopLeftOnly ? 1 : 2;
      const TPoint cell = CellSize(DisplColIndexOf(ACol), ARow);
      Size = g->GetPictureSize(cell.X - 1 - FXYOffset.X * d, cell.Y - 1 - FXYOffset.Y * d - ReservedHeight,
                               hasText);
      break;
    }
    case ctButton:
    case ctBitButton:
      Size.X = g->CellIndex & 0xFFFF;
      Size.Y = (g->CellIndex >> 16) & 0xFFFF;
      if (hasText) {
        if (g->CellHAlign == haCenter) Size.X = 0;
        if (g->CellHAlign == haFull) Size.X = c->TextWidth(g->CellText) + 4;
        if (stacked) {
          Size.X = 0;
        } else {
          Size.Y = 0;
        }
      } else if (g->CellHAlign == haFull) {
        c->Font()->Assign(Font());
        Size.X = c->TextWidth(g->CellText) + 4;
        fullWidth = true;
      }
      break;
    case ctInterface:
      if (auto* obj = dynamic_cast<TInterfacedPersistent*>(g->CellBitmap)) {
        Size = obj->GetSize(ACol, ARow);
        if (Size.X == 0 || Size.Y == 0) {
          const TPoint cell = CellSize(DisplColIndexOf(ACol), ARow);
          if (Size.X == 0) Size.X = cell.X;
          if (Size.Y == 0) Size.Y = cell.Y;
        }
      }
      break;
    case ctProgressPie:
      Size = TPoint(20, 20);
      break;
    case ctRadioButton:
      Size = TPoint(FControlLook->RadioSize(), FControlLook->RadioSize());
      break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
      Size = TPoint(FControlLook->CheckSize(), FControlLook->CheckSize());
      break;
    case ctRadio:
      RadioExtent(c, dynamic_cast<TStrings*>(g->CellBitmap), g->CellBoolean, true, Size);
      break;
    case ctRating:
      Size = TPoint(g->CellAngle * 18, 16);
      fullWidth = true;
      break;
    case ctImages:
      if (images != nullptr) {
        auto* list = dynamic_cast<TIntList*>(g->CellBitmap);
        const int n = list != nullptr ? list->Count() : 0;
        Size = g->CellBoolean ? TPoint(n * images->Width(), images->Height())
                              : TPoint(images->Width(), n * images->Height());
      }
      break;
    default:
      break;
  }
  if (g->CellVAlign == vaFull || (g->CellHAlign == haFull && !fullWidth)) {
    const TRect r = CellRect(DisplColIndexOf(ACol), ARow);
    if (g->CellVAlign == vaFull) Size.Y = r.Height();
    if (g->CellHAlign == haFull && !fullWidth) Size.X = r.Width();
  }
}

void TDedAdararAdoz::GetGraphicExtent(int ACol, int ARow, TPoint& Size, double Scale, int AvailWidth,
                                      int AvailHeight) {
  Size = TPoint(0, 0);
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr) return;
  const bool hasText = !GetCellEx(ACol, ARow).empty();
  const bool beside = g->CellHAlign == haBeforeText || g->CellHAlign == haAfterText;
  TImageList* images = GetGraphicImages();
  switch (g->CellType) {
    case ctBitmap:
      if (auto* b = dynamic_cast<TBitmap*>(g->CellBitmap)) Size = TPoint(b->Width(), b->Height());
      break;
    case ctIcon:
      if (auto* i = dynamic_cast<TIcon*>(g->CellIcon)) Size = TPoint(i->Width(), i->Height());
      break;
    case ctImageList:
      if (images != nullptr) Size = TPoint(beside || !hasText ? images->Width() : 0, images->Height());
      break;
    case ctDataImage:
      if (images != nullptr) Size = TPoint(images->Width(), images->Height());
      break;
    case ctPicture:
    case ctFilePicture: {
      const TPoint p = g->GetPictureSize(AvailWidth, AvailHeight, hasText);
      const double f = Scale != 0 ? Scale : 1.0;
      Size = TPoint(static_cast<int>(p.X / f + 0.5), static_cast<int>(p.Y / f + 0.5));
      break;
    }
    case ctProgress:
    case ctXPProgress:
      Size =
          TPoint(AllColWidths(ACol), ARow >= 0 && ARow < RowCount() ? RowHeights(ARow) : DefaultRowHeight());
      break;
    case ctButton:
    case ctBitButton:
      Size = TPoint(g->CellIndex & 0xFFFF, (g->CellIndex >> 16) & 0xFFFF);
      break;
    case ctInterface:
      if (auto* obj = dynamic_cast<TInterfacedPersistent*>(g->CellBitmap)) {
        Size = obj->GetSize(ACol, ARow);
        const TRect r = CellRect(DisplColIndexOf(ACol), ARow);
        if (Size.X == 0) Size.X = r.Width();
        if (Size.Y == 0) Size.Y = r.Height();
      }
      break;
    case ctNode:
    case ctProgressPie:
      Size = TPoint(20, 20);
      break;
    case ctRadioButton:
      Size = TPoint(FControlLook->RadioSize(), FControlLook->RadioSize());
      break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
      Size = TPoint(FControlLook->CheckSize(), FControlLook->CheckSize());
      break;
    case ctRadio:
      RadioExtent(Canvas(), dynamic_cast<TStrings*>(g->CellBitmap), g->CellBoolean, false, Size);
      break;
    case ctImages:
      if (images != nullptr) {
        auto* list = dynamic_cast<TIntList*>(g->CellBitmap);
        const int n = list != nullptr ? list->Count() : 0;
        Size = g->CellBoolean ? TPoint(n * images->Width(), images->Height())
                              : TPoint(images->Width(), n * images->Height());
      }
      break;
    case ctShape: {
      const int h =
          (ARow >= 0 && ARow < RowCount() ? RowHeights(ARow) : DefaultRowHeight()) - 2 * FXYOffset.Y;
      Size = TPoint(h, h);
      break;
    }
    default:
      break;
  }
}

void TDedAdararAdoz::GetDisplText(int ACol, int ARow, std::string& Value) {
  TBaseGrid::GetDisplText(ACol, ARow, Value);
  if (FURLShowInText) {
    static const char* const kPrefixes[] = {"HTTP://", "WWW.",    "MAILTO:", "HTTPS://",
                                            "NNTP://", "FILE://", "FTP://"};
    for (const char* prefix : kPrefixes) {
      std::string linked;
      if (AutoLinkURL(Value, prefix, linked)) {
        Value = linked;
        break;
      }
    }
  }
  if (FGrouping->ShowGroupCount() && ACol == 1 && IsNodeRow(ARow)) {
    TCellGraphic* node = GetCellGraphic(0, ARow);
    const int n = NodeSpanOf(ARow) - 1 - (node != nullptr ? node->CellErrFrom : 0);
    if (!FGrouping->GroupCountFormat().empty()) {
      try {
        Value += Format(FGrouping->GroupCountFormat(), {n});
      } catch (const Exception&) {
        // A format that does not fit a count shows the plain count.
        Value += " (" + std::to_string(n) + ")";
      }
    } else {
      Value += " (" + std::to_string(n) + ")";
    }
  }
}

int TDedAdararAdoz::GetNodeIndent(int ARow) {
  if (FNodeCount <= 0 || ARow < 0 || !HasCellProperties(0, ARow)) return 0;
  return GetGridObject(0, ARow)->NodeLevel() * FCellNode->NodeIndent();
}

bool TDedAdararAdoz::IsSortIndicatorCell(int ACol, int ARow) {
  if (ACol >= 0 && ARow >= 0 && IsMergedCell(ACol, ARow)) {
    // The indicator sits in the bottom row of a merged header.
    const TGridRect area = FullCell(ACol, ARow);
    ARow = area.Bottom;
  }
  return ARow == FSortSettings->Row() && FSortSettings->Show() && RowCount() > FixedRows() + 1;
}

THTMLPictureCache* TDedAdararAdoz::ImageCache() {
  if (!FImageCache) FImageCache = std::make_shared<THTMLPictureCache>();
  return FImageCache.get();
}
