// The binary cell stream of the grid: a rectangle of cells with their texts,
// properties and graphics (GridCellStream.h holds the records). It is the
// binary file, the clipboard's "TDedAdararAdoz Cells" and the data of a cell
// drag between grids.
//
// A load reads the stream twice: the first pass checks every record, every
// size and every picture, and the second applies it. A stream that fails
// the check changes no cell.
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Streams.h"
#include "framework/classes/StringList.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/StrUtils.h"
#include "grid/io/GridCellStream.h"
#include "grid/io/GridExchange.h"
#include "grid/model/DivUzev.h"

namespace {

using gridio::TCellGraphicData;
using gridio::TCellPropsData;
using gridio::TGridPropData;
using gridio::TPayloadData;
using gridio::TPayloadKind;

constexpr int64_t kMaxSize = 1 << 20;

std::string JoinSizes(const std::vector<int>& Sizes) {
  std::string out;
  for (size_t i = 0; i < Sizes.size(); ++i) {
    if (i > 0) out += ',';
    out += std::to_string(Sizes[i]);
  }
  return out;
}

std::string Bytes(const std::vector<uint8_t>& V) { return std::string(V.begin(), V.end()); }

// The picture bytes of a picture record: the graphic's class name (1-byte
// length), then its file bytes.
std::string PictureBytes(TPicture* P) {
  if (P == nullptr || P->Graphic() == nullptr || P->Graphic()->Empty()) return std::string();
  const std::string cls = P->Graphic()->ClassName();
  std::string out(1, static_cast<char>(std::min<size_t>(cls.size(), 255)));
  out.append(cls.substr(0, 255));
  out += Bytes(P->Graphic()->SaveToBytes());
  return out;
}

// The payload of a graphic, for writing.
TPayloadData PayloadOf(const TCellGraphic* G) {
  TPayloadData p;
  p.Kind = gridio::PayloadKindOf(G->CellType);
  switch (p.Kind) {
    case TPayloadKind::Bitmap:
      if (auto* b = dynamic_cast<TBitmap*>(G->CellBitmap); b != nullptr && !b->Empty())
        p.Bytes = Bytes(b->SaveToBytes());
      break;
    case TPayloadKind::Icon:
      if (auto* i = dynamic_cast<TIcon*>(G->CellIcon); i != nullptr && !i->Empty())
        p.Bytes = Bytes(i->SaveToBytes());
      break;
    case TPayloadKind::Picture:
      p.Bytes = PictureBytes(dynamic_cast<TPicture*>(G->CellBitmap));
      break;
    case TPayloadKind::Strings:
      if (G->CellType == ctImages) {
        if (auto* l = dynamic_cast<TIntList*>(G->CellBitmap))
          for (int i = 0; i < l->Count(); ++i) p.Strings.push_back(std::to_string(l->Items(i)));
      } else if (auto* s = dynamic_cast<TStrings*>(G->CellBitmap)) {
        for (int i = 0; i < s->Count(); ++i) p.Strings.push_back(s->Strings(i));
      }
      break;
    case TPayloadKind::FilePicture:
      // The file picture's name and size come with the file picture class.
      break;
    case TPayloadKind::None:
      break;
  }
  return p;
}

// Whether a cell's graphic travels with it: a graphic whose object belongs
// to the application does not.
bool StreamsGraphic(const TCellGraphic* G) {
  switch (G->CellType) {
    case ctEmpty:
      return false;
    case ctBitmap:
    case ctIcon:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
      return G->CellCreated;
    default:
      return true;
  }
}

// The objects a payload stands for, made from its bytes. Raises EReadError
// when the bytes are not a picture of the kind.
struct TPayloadObjects {
  std::unique_ptr<TBitmap> Bitmap;
  std::unique_ptr<TIcon> Icon;
  std::unique_ptr<TPicture> Picture;
  std::unique_ptr<TStringList> Items;
  std::vector<int> Indexes;
};

TPayloadObjects MakePayload(const TPayloadData& P, TCellType Type) {
  TPayloadObjects o;
  const auto* data = reinterpret_cast<const uint8_t*>(P.Bytes.data());
  try {
    switch (P.Kind) {
      case TPayloadKind::Bitmap:
        o.Bitmap = std::make_unique<TBitmap>();
        if (!P.Bytes.empty()) o.Bitmap->LoadFromBytes(data, P.Bytes.size());
        break;
      case TPayloadKind::Icon:
        o.Icon = std::make_unique<TIcon>();
        if (!P.Bytes.empty()) o.Icon->LoadFromBytes(data, P.Bytes.size());
        break;
      case TPayloadKind::Picture: {
        o.Picture = std::make_unique<TPicture>();
        if (P.Bytes.empty()) break;
        const size_t n = static_cast<uint8_t>(P.Bytes[0]);
        if (1 + n > P.Bytes.size()) throw EReadError("the picture data is cut short");
        o.Picture->LoadFromBytes(data + 1 + n, P.Bytes.size() - 1 - n);
        break;
      }
      case TPayloadKind::Strings:
        if (Type == ctImages) {
          for (const std::string& item : P.Strings) {
            int32_t v = 0;
            if (!TryStrToInt(item, v))
              throw EReadError("Invalid cell stream: \"" + item.substr(0, 32) + "\" is not an image index");
            o.Indexes.push_back(v);
          }
        } else {
          o.Items = std::make_unique<TStringList>();
          for (const std::string& s : P.Strings) o.Items->Add(s);
        }
        break;
      case TPayloadKind::FilePicture:
      case TPayloadKind::None:
        break;
    }
  } catch (const EReadError&) {
    throw;
  } catch (const Exception& e) {
    throw EReadError("Invalid cell stream: a cell picture cannot be read (" + e.Message() + ")");
  }
  return o;
}

// Where the cells of a stream go, worked out the same way by the checking
// and the applying pass.
struct TPlacement {
  TPoint Point;
  bool HaveOrigin = false;
  int64_t OriginCol = 0;
  int64_t OriginRow = 0;
  int64_t Cols = 0;  // the grid's counts once the stream's own are applied
  int64_t Rows = 0;

  void Prop(const TGridPropData& P, TDedAdararAdoz* Grid) {
    if (P.FullGrid && !Grid->BinPasteEditableOnly()) {
      HaveOrigin = true;
      Cols = P.ColCount;
      Rows = P.RowCount;
    } else {
      Cols = Grid->ColCount();
      Rows = Grid->RowCount();
    }
  }
  // The target of a cell, or false when it lies outside the grid.
  bool Target(int64_t Col, int64_t Row, int& TCol, int& TRow) {
    if (!HaveOrigin) {
      HaveOrigin = true;
      OriginCol = Col;
      OriginRow = Row;
    }
    const int64_t c = Col + Point.X - OriginCol;
    const int64_t r = Row + Point.Y - OriginRow;
    if (c < 0 || r < 0 || c >= Cols || r >= Rows) return false;
    TCol = static_cast<int>(c);
    TRow = static_cast<int>(r);
    return true;
  }
};

// First pass: everything that could fail, failing before the grid changes.
class TCheckSink : public gridio::TCellStreamSink {
 public:
  TCheckSink(TDedAdararAdoz* Grid, TPoint Point) : grid_(Grid) { place_.Point = Point; }

  void Prop(const TGridPropData& P) override {
    if (P.FullGrid && !grid_->BinPasteEditableOnly()) {
      if (P.ColCount < 1 || P.RowCount < 1 || P.ColCount > gridio::kMaxLoadCols ||
          P.RowCount > gridio::kMaxLoadRows)
        throw EReadError("Invalid cell stream: a grid of " + std::to_string(P.ColCount) + " x " +
                         std::to_string(P.RowCount) + " cells");
      Widths = gridio::ReadIntList(P.ColWidths, 0, kMaxSize);
      Heights = gridio::ReadIntList(P.RowHeights, 0, kMaxSize);
      if (static_cast<int64_t>(Widths.size()) < P.ColCount ||
          static_cast<int64_t>(Heights.size()) < P.RowCount)
        throw EReadError("Invalid cell stream: fewer column widths or row heights than columns or rows");
    }
    place_.Prop(P, grid_);
  }
  void Cell(int64_t Col, int64_t Row, std::string&, bool) override {
    inside_ = place_.Target(Col, Row, col_, row_);
  }
  void CellProps(const TCellPropsData& P, bool) override {
    if (!inside_) return;
    // Merge data comes whole or not at all.
    const int named = P.Has(TCellPropsData::fIsBaseCell) + P.Has(TCellPropsData::fCellSpanX) +
                      P.Has(TCellPropsData::fCellSpanY);
    if (named == 0) return;
    if (named != 3) throw EReadError("Invalid cell stream: a cell has part of its merge data");
    const int sx = P.CellSpanX, sy = P.CellSpanY;
    const bool base = P.IsBaseCell;
    bool ok;
    if (base)
      ok = (sx == -1 && sy == -1) ||
           (sx >= 0 && sy >= 0 && col_ + int64_t{sx} < place_.Cols && row_ + int64_t{sy} < place_.Rows);
    else
      ok = sx >= 0 && sy >= 0 && sx <= col_ && sy <= row_ && (sx > 0 || sy > 0);
    if (!ok) throw EReadError("Invalid cell stream: a merged cell reaches outside the grid");
  }
  void Graphic(const TCellGraphicData& G) override { type_ = G.CellType; }
  void Payload(TPayloadData& P) override { MakePayload(P, type_); }

  std::vector<int> Widths;
  std::vector<int> Heights;

 private:
  TDedAdararAdoz* grid_;
  TPlacement place_;
  bool inside_ = false;
  int col_ = 0;
  int row_ = 0;
  TCellType type_ = ctNone;
};

}  // namespace

// The second pass: the checked stream into the grid.
class TDedAdararAdoz::TBinLoad : public gridio::TCellStreamSink {
 public:
  TBinLoad(TDedAdararAdoz* Grid, TPoint Point, const TCheckSink& Checked)
      : grid_(Grid), checked_(Checked), progress_(Grid) {
    place_.Point = Point;
  }

  void Prop(const TGridPropData& P) override {
    // A paste puts the cells at its point and never replaces the grid.
    if (P.FullGrid && !grid_->FBinPasteEditableOnly) {
      grid_->ClearAllCells();
      grid_->SetRowCount(static_cast<int>(P.RowCount));
      grid_->SetColCount(static_cast<int>(P.ColCount));
      for (int c = 0; c < P.ColCount; ++c) grid_->SetColWidths(c, checked_.Widths[static_cast<size_t>(c)]);
      for (int r = 0; r < P.RowCount; ++r) grid_->SetRowHeights(r, checked_.Heights[static_cast<size_t>(r)]);
    }
    place_.Prop(P, grid_);
  }

  void Cell(int64_t Col, int64_t Row, std::string& Text, bool) override {
    int col = 0, row = 0;
    inside_ = place_.Target(Col, Row, col, row);
    if (inside_ && grid_->FBinPasteEditableOnly)
      inside_ = grid_->Navigation()->AllowClipboardAlways() || grid_->IsEditable(col, row);
    if (!inside_) return;
    real_ = grid_->RealColIndex(col);
    row_ = row;
    grid_->SetCellEx(real_, row_, Text);
    if (row != lastRow_) {
      lastRow_ = row;
      progress_.Report(row, grid_->RowCount());
    }
  }

  void CellProps(const TCellPropsData& P, bool) override {
    if (!inside_) return;
    TCellProperties* t = grid_->GetCellProperties(real_, row_);
    using F = TCellPropsData;
    if (P.Has(F::fIsBaseCell)) t->SetIsBaseCell(P.IsBaseCell);
    if (P.Has(F::fCellSpanX)) t->SetCellSpanX(P.CellSpanX);
    if (P.Has(F::fCellSpanY)) t->SetCellSpanY(P.CellSpanY);
    if (P.Has(F::fAlignment)) t->SetAlignment(P.Alignment);
    if (P.Has(F::fBorderColor)) t->SetBorderColor(P.BorderColor);
    if (P.Has(F::fBorderWidth)) t->SetBorderWidth(P.BorderWidth);
    if (P.Has(F::fBrushColor)) t->SetBrushColor(P.BrushColor);
    if (P.Has(F::fBrushColorTo)) t->SetBrushColorTo(P.BrushColorTo);
    if (P.Has(F::fBrushStyle)) t->SetBrushStyle(P.BrushStyle);
    if (P.Has(F::fFontColor)) t->SetFontColor(P.FontColor);
    if (P.Has(F::fFontName)) t->SetFontName(P.FontName);
    if (P.Has(F::fFontSize)) t->SetFontSize(P.FontSize);
    if (P.Has(F::fFontStyle)) t->SetFontStyle(P.FontStyle);
    if (P.Has(F::fEditor)) t->SetEditor(P.Editor);
    if (P.Has(F::fGradientDirection)) t->SetGradientDirection(P.GradientDirection);
    if (P.Has(F::fReadOnly)) t->SetReadOnly(P.ReadOnly);
    if (P.Has(F::fVAlignment)) t->SetVAlignment(P.VAlignment);
    if (P.Has(F::fWordWrap)) t->SetWordWrap(P.WordWrap);
    if (P.Has(F::fNodeLevel)) t->SetNodeLevel(P.NodeLevel);
    t->SetOwnerCol(real_);
    t->SetOwnerRow(row_);
  }

  void Graphic(const TCellGraphicData& G) override {
    graphic_ = nullptr;
    if (!inside_) return;
    TCellGraphic* g = grid_->NewCellGraphic(real_, row_);
    g->CellType = G.CellType;
    g->CellVAlign = G.CellVAlign;
    g->CellHAlign = G.CellHAlign;
    g->CellIndex = G.CellIndex;
    g->CellTransparent = G.CellTransparent;
    g->CellCreated = G.CellCreated;
    g->CellBoolean = G.CellBoolean;
    g->CellCheckBoxState = G.CellCheckBoxState;
    g->CellAngle = G.CellAngle;
    g->CellValue = G.CellValue;
    g->CellErrFrom = G.CellErrFrom;
    g->CellErrLen = G.CellErrLen;
    g->CellText = G.CellText;
    graphic_ = g;
  }

  // The cell gets objects of its own, copies of the stream's.
  void Payload(TPayloadData& P) override {
    if (graphic_ == nullptr) return;
    TPayloadObjects o = MakePayload(P, graphic_->CellType);
    switch (P.Kind) {
      case TPayloadKind::Bitmap:
        graphic_->CellBitmap = o.Bitmap.release();
        graphic_->CellCreated = true;
        break;
      case TPayloadKind::Icon:
        graphic_->CellIcon = o.Icon.release();
        graphic_->CellCreated = true;
        break;
      case TPayloadKind::Picture:
        graphic_->CellBitmap = o.Picture.release();
        graphic_->CellCreated = true;
        break;
      case TPayloadKind::Strings:
        if (graphic_->CellType == ctImages) {
          auto list = std::make_unique<TIntList>(real_, row_);
          for (int v : o.Indexes) list->Add(v);
          graphic_->CellBitmap = list.release();
        } else {
          graphic_->CellBitmap = o.Items.release();
        }
        graphic_->CellCreated = true;
        break;
      case TPayloadKind::FilePicture:
        // Made when the file picture class is there; until then the cell
        // keeps the graphic's kind without its picture.
        graphic_->CellCreated = false;
        break;
      case TPayloadKind::None:
        break;
    }
  }

 private:
  TDedAdararAdoz* grid_;
  const TCheckSink& checked_;
  gridio::TFileProgress progress_;
  TPlacement place_;
  bool inside_ = false;
  int real_ = 0;
  int row_ = 0;
  int lastRow_ = -1;
  TCellGraphic* graphic_ = nullptr;
};

// ---------------------------------------------------------------------------
// Saving

namespace gridio {

TCellPropsData TCellPropsData::Of(const TCellProperties* P) {
  TCellPropsData d;
  d.Present = (1u << fFieldCount) - 1;
  d.IsBaseCell = P->IsBaseCell();
  d.CellSpanX = P->CellSpanX();
  d.CellSpanY = P->CellSpanY();
  d.Alignment = P->Alignment();
  d.BorderColor = P->BorderColor();
  d.BorderWidth = P->BorderWidth();
  d.BrushColor = P->BrushColor();
  d.BrushColorTo = P->BrushColorTo();
  d.BrushStyle = P->BrushStyle();
  d.FontColor = P->FontColor();
  d.FontName = P->FontName();
  d.FontSize = P->FontSize();
  d.FontStyle = P->FontStyle();
  d.Editor = P->Editor();
  d.GradientDirection = P->GradientDirection();
  d.ReadOnly = P->ReadOnly();
  d.VAlignment = P->VAlignment();
  d.WordWrap = P->WordWrap();
  d.NodeLevel = P->NodeLevel();
  return d;
}

TCellGraphicData TCellGraphicData::Of(const TCellGraphic* G) {
  TCellGraphicData d;
  d.CellType = G->CellType;
  d.CellVAlign = G->CellVAlign;
  d.CellHAlign = G->CellHAlign;
  d.CellIndex = G->CellIndex;
  d.CellTransparent = G->CellTransparent;
  d.CellCreated = G->CellCreated;
  d.CellBoolean = G->CellBoolean;
  d.CellCheckBoxState = G->CellCheckBoxState;
  d.CellAngle = G->CellAngle;
  d.CellValue = G->CellValue;
  d.CellErrFrom = G->CellErrFrom;
  d.CellErrLen = G->CellErrLen;
  d.CellText = G->CellText;
  return d;
}

}  // namespace gridio

void TDedAdararAdoz::SaveRectToBinStream(const TRect& Rect, TStream* Stream) {
  WriteBinRect(Rect, [Stream](std::string_view Bytes) { Stream->WriteString(Bytes); });
}

void TDedAdararAdoz::WriteBinRect(const TRect& Rect, const std::function<void(std::string_view)>& Put) {
  const int cols = std::max(0, Rect.Right - Rect.Left + 1);
  const int rows = std::max(0, Rect.Bottom - Rect.Top + 1);
  TGridPropData prop;
  prop.ColCount = cols;
  prop.RowCount = rows;
  prop.FullGrid = FSaveFixedCells ? rows == RowCount() && cols == ColCount()
                                  : rows == RowCount() - FixedRows() && cols == ColCount() - FixedCols();
  prop.ID = static_cast<int64_t>(static_cast<int32_t>(Handle()));
  std::vector<int> sizes;
  for (int c = Rect.Left; c <= Rect.Right; ++c) sizes.push_back(ColWidths(c));
  prop.ColWidths = JoinSizes(sizes);
  sizes.clear();
  for (int r = Rect.Top; r <= Rect.Bottom; ++r) sizes.push_back(RowHeights(r));
  prop.RowHeights = JoinSizes(sizes);

  std::string out;
  gridio::TCellStreamWriter w(out);
  w.PropRecord(prop);
  std::vector<int> real;
  for (int c = Rect.Left; c <= Rect.Right; ++c) real.push_back(RealColIndex(c));

  gridio::TFileProgress progress(this);
  ExportNotification(esExportStart, Rect.Top);
  for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
    ExportNotification(esExportNextRow, r);
    for (int k = 0; k < cols; ++k) {
      const int c = real[static_cast<size_t>(k)];
      const bool hasProp = HasCellProperties(c, r);
      w.CellRecord(Rect.Left + k, r, GetCellEx(c, r), hasProp);
      if (!hasProp) continue;
      const TCellProperties* p = GetGridObject(c, r);
      const auto* g = dynamic_cast<const TCellGraphic*>(p->GraphicObject());
      const bool hasGraphic = g != nullptr && StreamsGraphic(g);
      w.CellPropRecord(TCellPropsData::Of(p), hasGraphic);
      if (!hasGraphic) continue;
      w.GraphicRecord(TCellGraphicData::Of(g));
      w.PayloadRecord(PayloadOf(g));
    }
    progress.Report(r, Rect.Bottom - Rect.Top);
    if (out.size() >= (1u << 20)) {
      Put(out);
      out.clear();
    }
  }
  ExportNotification(esExportDone, -1);
  Put(out);
}

void TDedAdararAdoz::SaveToBinStream(TStream* Stream) {
  SaveRectToBinStream(TRect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()), Stream);
}

// Written piece by piece into a file that replaces the old one only when
// it is complete.
void TDedAdararAdoz::SaveToBinFile(const std::string& FileName) {
  TSafeFileWriter file(FileName);
  WriteBinRect(TRect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()),
               [&file](std::string_view Bytes) { file.Write(Bytes); });
  file.Commit();
}

// ---------------------------------------------------------------------------
// Loading

void TDedAdararAdoz::LoadAtPointFromBinStream(const TPoint& Point, TStream* Stream) {
  const int64_t start = Stream->Position();
  // A memory stream is read where it is; any other is read into memory.
  std::string copy;
  std::string_view data;
  if (auto* ms = dynamic_cast<TMemoryStream*>(Stream)) {
    data = std::string_view(ms->Bytes()).substr(static_cast<size_t>(std::min<int64_t>(start, ms->Size())));
  } else {
    copy = Stream->ReadString(std::max<int64_t>(0, Stream->Size() - start));
    Stream->SetPosition(start);
    data = copy;
  }
  TCheckSink check(this, Point);
  const size_t end = gridio::ReadCellStream(data, 0, check, false);
  TBinLoad load(this, Point, check);
  gridio::ReadCellStream(data, 0, load, true);
  Stream->SetPosition(start + static_cast<int64_t>(end));
  InvalidateGrid();
}

void TDedAdararAdoz::LoadFromBinStream(TStream* Stream) {
  LoadAtPointFromBinStream(TPoint(0, 0), Stream);
  RecountNodes();
}

void TDedAdararAdoz::LoadFromBinFile(const std::string& FileName) {
  TMemoryStream ms;
  ms.LoadFromFile(FileName);
  LoadFromBinStream(&ms);
}

// ---------------------------------------------------------------------------
// What the stream load needs of the grid

void TDedAdararAdoz::ClearAllCells() {
  const int cols = TotalColCount();
  FreeCellPropertiesRange(0, 0, cols - 1, RowCount() - 1);
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < cols; ++c)
      if (!GetGridCell(c, r).empty()) SetGridCell(c, r, std::string());
  SetHasCellProps(false);
}

TCellGraphic* TDedAdararAdoz::NewCellGraphic(int ACol, int ARow) {
  TCellProperties* p = GetCellProperties(ACol, ARow);
  auto* old = dynamic_cast<TCellGraphic*>(p->GraphicObject());
  auto fresh = std::make_unique<TCellGraphic>();
  TCellGraphic* g = fresh.get();
  p->SetGraphicObject(fresh.release());
  if (old != nullptr && old != FCellGraphic.get()) delete old;
  return g;
}

void TDedAdararAdoz::RecountNodes() {}
