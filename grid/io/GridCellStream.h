#pragma once
// The binary cell stream's records, without a grid: a writer that appends
// them and a reader that walks a stream record by record and hands each
// one, decoded and checked, to a sink. The grid's save and load, the
// clipboard and cell drags use them through TDedAdararAdoz; the fuzz target
// drives the reader alone.
//
// Every record is a component image as the framework's component writer
// makes it (ComponentStream.h): "TPF0", the class name, an empty object
// name, the properties as name and typed value, a 0 byte, and a 0 byte for
// the (absent) children. The stream is:
//
//   TGridPropIO        ColCount, RowCount, ColWidths, RowHeights, FullGrid, ID
//   per cell, row by row:
//     TGridCellIO      Col, Row, Cell, HasProp
//     TGridCellPropIO  CellProperties.<field>..., HasGraphic     (HasProp)
//     TGridGraphicIO   CellGraphic.<field>...                    (HasGraphic)
//     payload record by the graphic's kind: TGridBMPIO "Bitmap.Data",
//     TGridIconIO "Icon.Data", TGridPicIO "Picture.Data", TGridFilePicIO
//     "Picture.Filename/Width/Height", TGridSLIO "Strings.Strings"
//
// Integers take the smallest kind that holds them, so a column or row past
// 65535 is written and read whole. The cell properties carry no object
// references (CellObject, Control): a reference means nothing outside the
// program that wrote it, and a stream must never plant one. A record naming
// them is read and the value dropped.
//
// The reader never reads past its data and never trusts a length: a
// truncated, foreign or crafted stream raises EReadError with the byte
// offset and what is wrong.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "grid/model/DivUzev.h"

namespace gridio {

// ---------------------------------------------------------------------------
// Record contents

struct TGridPropData {
  int64_t ColCount = 0;
  int64_t RowCount = 0;
  std::string ColWidths;  // pixel widths joined by ","
  std::string RowHeights;
  bool FullGrid = false;
  int64_t ID = 0;
};

// One cell's formatting. Present has the bit (1 << field) of every field a
// record named; the others keep the target cell's values.
struct TCellPropsData {
  enum TField {
    fIsBaseCell,
    fCellSpanX,
    fCellSpanY,
    fAlignment,
    fBorderColor,
    fBorderWidth,
    fBrushColor,
    fBrushColorTo,
    fBrushStyle,
    fFontColor,
    fFontName,
    fFontSize,
    fFontStyle,
    fEditor,
    fGradientDirection,
    fReadOnly,
    fVAlignment,
    fWordWrap,
    fNodeLevel,
    fFieldCount
  };
  uint32_t Present = 0;
  bool Has(TField F) const { return (Present >> F) & 1u; }

  bool IsBaseCell = true;
  int CellSpanX = -1;
  int CellSpanY = -1;
  TAlignment Alignment = taLeftJustify;
  TColor BorderColor = 0;
  int BorderWidth = 0;
  TColor BrushColor = clNone;
  TColor BrushColorTo = clNone;
  TBrushStyle BrushStyle = bsSolid;
  TColor FontColor = clNone;
  std::string FontName;
  int FontSize = 0;
  TFontStyles FontStyle;
  TEditorType Editor = edNormal;
  TCellGradientDirection GradientDirection = GradientVertical;
  bool ReadOnly = false;
  TVAlignment VAlignment = vtaTop;
  bool WordWrap = true;
  int NodeLevel = 0;

  // The fields of a cell's properties object, all present.
  static TCellPropsData Of(const TCellProperties* P);
};

// A cell graphic's fields; what a record leaves out has the value of a new
// graphic.
struct TCellGraphicData {
  TCellType CellType = ctNone;
  TCellVAlign CellVAlign = vaTop;
  TCellHAlign CellHAlign = haLeft;
  int CellIndex = 0;
  bool CellTransparent = false;
  bool CellCreated = false;
  bool CellBoolean = false;
  TCheckBoxState CellCheckBoxState = cbUnchecked;
  int CellAngle = 0;
  double CellValue = 0;
  int CellErrFrom = 0;
  int CellErrLen = 0;
  std::string CellText;

  static TCellGraphicData Of(const TCellGraphic* G);
};

// The payload record a graphic kind carries, if any.
enum class TPayloadKind { None, Bitmap, Icon, Picture, FilePicture, Strings };
TPayloadKind PayloadKindOf(TCellType Type);

struct TPayloadData {
  TPayloadKind Kind = TPayloadKind::None;
  std::string Bytes;                 // Bitmap, Icon: the file bytes; Picture: class name prefix and bytes
  std::vector<std::string> Strings;  // radio items, image indexes
  std::string FileName;              // FilePicture
  int Width = 0;
  int Height = 0;
};

// ---------------------------------------------------------------------------
// Writing

class TCellStreamWriter {
 public:
  explicit TCellStreamWriter(std::string& Out) : out_(Out) {}

  void PropRecord(const TGridPropData& P);
  void CellRecord(int64_t Col, int64_t Row, std::string_view Text, bool HasProp);
  // Writes every field of P (P.Present is not consulted).
  void CellPropRecord(const TCellPropsData& P, bool HasGraphic);
  void GraphicRecord(const TCellGraphicData& G);
  void PayloadRecord(const TPayloadData& P);

 private:
  void Begin(std::string_view ClassName);
  void End();
  void Name(std::string_view N);
  void Int(int64_t V);
  void Bool(bool V);
  void Text(std::string_view S);
  void Ident(std::string_view S);
  void Color(TColor C);
  void Binary(std::string_view Bytes);
  std::string& out_;
};

// ---------------------------------------------------------------------------
// Reading

// What a reader hands on, record by record, in stream order.
class TCellStreamSink {
 public:
  virtual ~TCellStreamSink() = default;
  virtual void Prop(const TGridPropData& P) = 0;
  virtual void Cell(int64_t Col, int64_t Row, std::string& Text, bool HasProp) = 0;
  virtual void CellProps(const TCellPropsData& P, bool HasGraphic) = 0;
  virtual void Graphic(const TCellGraphicData& G) = 0;
  virtual void Payload(TPayloadData& P) = 0;
};

// Reads one stream from Pos: the TGridPropIO record, then cell records
// while Pos is below the data's size minus 1 (one stray byte after the last
// record is allowed). Returns the position after the last record read.
// Cell texts are decoded only when DecodeTexts is set (a checking pass
// gets them empty).
size_t ReadCellStream(std::string_view Data, size_t Pos, TCellStreamSink& Sink, bool DecodeTexts = true);

// "1,2,3" as numbers; EReadError when an entry is not an integer within
// Min..Max.
std::vector<int> ReadIntList(std::string_view Text, int64_t Min, int64_t Max);

}  // namespace gridio
