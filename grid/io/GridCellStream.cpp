#include "grid/io/GridCellStream.h"

#include <cstring>
#include <limits>
#include <string>

#include "framework/classes/ComponentStream.h"
#include "framework/classes/StreamValueKinds.h"
#include "framework/controls/Controls_Published.h"
#include "framework/graphics/Graphics_Published.h"
#include "framework/rtl/CodePage.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/BaseGrid_Published.h"
#include "grid/model/DivUzev_Published.h"

namespace gridio {

namespace {

constexpr std::string_view kSignature("TPF0", 4);
constexpr int kMaxSkipDepth = 32;

const char* const kPropFields[TCellPropsData::fFieldCount] = {
    "IsBaseCell",        "CellSpanX",  "CellSpanY",  "Alignment", "BorderColor", "BorderWidth", "BrushColor",
    "BrushColorTo",      "BrushStyle", "FontColor",  "FontName",  "FontSize",    "FontStyle",   "Editor",
    "GradientDirection", "ReadOnly",   "VAlignment", "WordWrap",  "NodeLevel",
};

// UTF-16 units of valid UTF-8.
size_t Utf16Units(std::string_view S) {
  size_t n = 0;
  for (char c : S) {
    const auto b = static_cast<unsigned char>(c);
    if ((b & 0xC0) != 0x80) n += b >= 0xF0 ? 2 : 1;
  }
  return n;
}

}  // namespace

// ---------------------------------------------------------------------------
// Record contents

TPayloadKind PayloadKindOf(TCellType Type) {
  switch (Type) {
    case ctBitmap:
    case ctBitButton:
      return TPayloadKind::Bitmap;
    case ctIcon:
      return TPayloadKind::Icon;
    case ctRadio:
    case ctImages:
      return TPayloadKind::Strings;
    case ctPicture:
      return TPayloadKind::Picture;
    case ctFilePicture:
      return TPayloadKind::FilePicture;
    default:
      return TPayloadKind::None;
  }
}

// ---------------------------------------------------------------------------
// Writer

void TCellStreamWriter::Begin(std::string_view ClassName) {
  out_.append(kSignature);
  out_ += static_cast<char>(ClassName.size());
  out_.append(ClassName);
  out_ += '\0';  // no object name
}

void TCellStreamWriter::End() { out_.append("\0\0", 2); }

void TCellStreamWriter::Name(std::string_view N) {
  out_ += static_cast<char>(N.size());
  out_.append(N);
}

void TCellStreamWriter::Int(int64_t V) {
  char b[9];
  int n;
  if (V >= -128 && V <= 127) {
    b[0] = static_cast<char>(vaInt8);
    n = 1;
  } else if (V >= -32768 && V <= 32767) {
    b[0] = static_cast<char>(vaInt16);
    n = 2;
  } else if (V >= std::numeric_limits<int32_t>::min() && V <= std::numeric_limits<int32_t>::max()) {
    b[0] = static_cast<char>(vaInt32);
    n = 4;
  } else {
    b[0] = static_cast<char>(vaInt64);
    n = 8;
  }
  const auto u = static_cast<uint64_t>(V);
  for (int i = 0; i < n; ++i) b[1 + i] = static_cast<char>(u >> (8 * i));
  out_.append(b, static_cast<size_t>(n + 1));
}

void TCellStreamWriter::Bool(bool V) { out_ += static_cast<char>(V ? vaTrue : vaFalse); }

// As the component writer chooses: ASCII as a short or long string, other
// text as UTF-8 when that is shorter than UTF-16, else as UTF-16.
void TCellStreamWriter::Text(std::string_view S) {
  auto len32 = [this](size_t n) {
    const auto u = static_cast<uint32_t>(n);
    const char b[4] = {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
                       static_cast<char>(u >> 24)};
    out_.append(b, 4);
  };
  if (IsAscii(S)) {
    if (S.size() <= 255) {
      out_ += static_cast<char>(vaString);
      out_ += static_cast<char>(S.size());
    } else {
      out_ += static_cast<char>(vaLString);
      len32(S.size());
    }
    out_.append(S);
    return;
  }
  if (!IsValidUtf8(S) || S.size() < Utf16Units(S) * 2) {
    out_ += static_cast<char>(vaUTF8String);
    len32(S.size());
    out_.append(S);
    return;
  }
  const std::u16string units = Utf8ToUtf16(S);
  out_ += static_cast<char>(vaWString);
  len32(units.size());
  for (char16_t u : units) {
    out_ += static_cast<char>(u & 0xFF);
    out_ += static_cast<char>(u >> 8);
  }
}

void TCellStreamWriter::Ident(std::string_view S) {
  out_ += static_cast<char>(vaIdent);
  Name(S);
}

void TCellStreamWriter::Color(TColor C) {
  std::string id;
  if (ColorToIdent(C, id))
    Ident(id);
  else
    Int(static_cast<int32_t>(static_cast<uint32_t>(C)));
}

void TCellStreamWriter::Binary(std::string_view Bytes) {
  out_ += static_cast<char>(vaBinary);
  const auto u = static_cast<uint32_t>(Bytes.size());
  const char b[4] = {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
                     static_cast<char>(u >> 24)};
  out_.append(b, 4);
  out_.append(Bytes);
}

template <class E>
static std::string_view IdentOf(E Value) {
  const std::string* n = TEnumTraits<E>::Idents().NameOf(static_cast<int64_t>(Value));
  if (n == nullptr) throw EWriteError("Invalid enumeration value " + std::to_string(static_cast<int>(Value)));
  return *n;
}

void TCellStreamWriter::PropRecord(const TGridPropData& P) {
  Begin("TGridPropIO");
  Name("ColCount");
  Int(P.ColCount);
  Name("RowCount");
  Int(P.RowCount);
  if (!P.ColWidths.empty()) {
    Name("ColWidths");
    Text(P.ColWidths);
  }
  if (!P.RowHeights.empty()) {
    Name("RowHeights");
    Text(P.RowHeights);
  }
  Name("FullGrid");
  Bool(P.FullGrid);
  Name("ID");
  Int(P.ID);
  End();
}

void TCellStreamWriter::CellRecord(int64_t Col, int64_t Row, std::string_view Text_, bool HasProp) {
  // The fixed head of every cell record, written in one piece.
  static constexpr std::string_view kHead(
      "TPF0\x0bTGridCellIO\x00\x03"
      "Col",
      4 + 12 + 1 + 4);
  out_.append(kHead);
  Int(Col);
  out_.append("\x03Row", 4);
  Int(Row);
  if (!Text_.empty()) {
    out_.append(
        "\x04"
        "Cell",
        5);
    Text(Text_);
  }
  out_.append("\x07HasProp", 8);
  Bool(HasProp);
  End();
}

void TCellStreamWriter::CellPropRecord(const TCellPropsData& P, bool HasGraphic) {
  Begin("TGridCellPropIO");
  auto field = [this](TCellPropsData::TField F) {
    std::string n = "CellProperties.";
    n += kPropFields[F];
    Name(n);
  };
  field(TCellPropsData::fIsBaseCell);
  Bool(P.IsBaseCell);
  field(TCellPropsData::fCellSpanX);
  Int(P.CellSpanX);
  field(TCellPropsData::fCellSpanY);
  Int(P.CellSpanY);
  field(TCellPropsData::fAlignment);
  Ident(IdentOf(P.Alignment));
  field(TCellPropsData::fBorderColor);
  Color(P.BorderColor);
  field(TCellPropsData::fBorderWidth);
  Int(P.BorderWidth);
  field(TCellPropsData::fBrushColor);
  Color(P.BrushColor);
  field(TCellPropsData::fBrushColorTo);
  Color(P.BrushColorTo);
  field(TCellPropsData::fBrushStyle);
  Ident(IdentOf(P.BrushStyle));
  field(TCellPropsData::fFontColor);
  Color(P.FontColor);
  if (!P.FontName.empty()) {
    field(TCellPropsData::fFontName);
    Text(P.FontName);
  }
  field(TCellPropsData::fFontSize);
  Int(P.FontSize);
  field(TCellPropsData::fFontStyle);
  out_ += static_cast<char>(vaSet);
  for (TFontStyle s : {fsBold, fsItalic, fsUnderline, fsStrikeOut})
    if (P.FontStyle.Contains(s)) Name(IdentOf(s));
  out_ += '\0';
  field(TCellPropsData::fEditor);
  Ident(IdentOf(P.Editor));
  field(TCellPropsData::fGradientDirection);
  Ident(IdentOf(P.GradientDirection));
  field(TCellPropsData::fReadOnly);
  Bool(P.ReadOnly);
  field(TCellPropsData::fVAlignment);
  Ident(IdentOf(P.VAlignment));
  field(TCellPropsData::fWordWrap);
  Bool(P.WordWrap);
  field(TCellPropsData::fNodeLevel);
  Int(P.NodeLevel);
  Name("HasGraphic");
  Bool(HasGraphic);
  End();
}

void TCellStreamWriter::GraphicRecord(const TCellGraphicData& G) {
  Begin("TGridGraphicIO");
  Name("CellGraphic.CellType");
  Ident(IdentOf(G.CellType));
  Name("CellGraphic.CellVAlign");
  Ident(IdentOf(G.CellVAlign));
  Name("CellGraphic.CellHAlign");
  Ident(IdentOf(G.CellHAlign));
  Name("CellGraphic.CellIndex");
  Int(G.CellIndex);
  Name("CellGraphic.CellTransparent");
  Bool(G.CellTransparent);
  Name("CellGraphic.CellCreated");
  Bool(G.CellCreated);
  Name("CellGraphic.CellBoolean");
  Bool(G.CellBoolean);
  Name("CellGraphic.CellCheckBoxState");
  Ident(IdentOf(G.CellCheckBoxState));
  Name("CellGraphic.CellAngle");
  Int(G.CellAngle);
  if (G.CellValue != 0) {
    Name("CellGraphic.CellValue");
    uint8_t ext[10];
    DoubleToExtended(G.CellValue, ext);
    out_ += static_cast<char>(vaExtended);
    out_.append(reinterpret_cast<const char*>(ext), 10);
  }
  Name("CellGraphic.CellErrFrom");
  Int(G.CellErrFrom);
  Name("CellGraphic.CellErrLen");
  Int(G.CellErrLen);
  if (!G.CellText.empty()) {
    Name("CellGraphic.CellText");
    Text(G.CellText);
  }
  End();
}

void TCellStreamWriter::PayloadRecord(const TPayloadData& P) {
  switch (P.Kind) {
    case TPayloadKind::None:
      return;
    case TPayloadKind::Bitmap:
      Begin("TGridBMPIO");
      if (!P.Bytes.empty()) {
        Name("Bitmap.Data");
        Binary(P.Bytes);
      }
      break;
    case TPayloadKind::Icon:
      Begin("TGridIconIO");
      if (!P.Bytes.empty()) {
        Name("Icon.Data");
        Binary(P.Bytes);
      }
      break;
    case TPayloadKind::Picture:
      Begin("TGridPicIO");
      if (!P.Bytes.empty()) {
        Name("Picture.Data");
        Binary(P.Bytes);
      }
      break;
    case TPayloadKind::FilePicture:
      Begin("TGridFilePicIO");
      if (!P.FileName.empty()) {
        Name("Picture.Filename");
        Text(P.FileName);
      }
      Name("Picture.Width");
      Int(P.Width);
      Name("Picture.Height");
      Int(P.Height);
      break;
    case TPayloadKind::Strings:
      Begin("TGridSLIO");
      if (!P.Strings.empty()) {
        Name("Strings.Strings");
        out_ += static_cast<char>(vaList);
        for (const std::string& s : P.Strings) Text(s);
        out_ += '\0';
      }
      break;
  }
  End();
}

// ---------------------------------------------------------------------------
// Reader

namespace {

class TCursor {
 public:
  TCursor(std::string_view Data, size_t Pos) : d_(Data), p_(Pos) {}
  size_t Pos() const { return p_; }

  [[noreturn]] void Fail(size_t At, const std::string& Why) const {
    throw EReadError("Invalid cell stream at byte " + std::to_string(At) + ": " + Why);
  }
  void Need(size_t N) const {
    if (N > d_.size() - p_) Fail(p_, "the data ends early");
  }
  uint8_t Byte() {
    Need(1);
    return static_cast<uint8_t>(d_[p_++]);
  }
  uint64_t Le(int N) {
    Need(static_cast<size_t>(N));
    uint64_t v = 0;
    for (int i = 0; i < N; ++i) v |= static_cast<uint64_t>(static_cast<uint8_t>(d_[p_ + i])) << (8 * i);
    p_ += static_cast<size_t>(N);
    return v;
  }
  std::string_view Bytes(size_t N) {
    Need(N);
    std::string_view s = d_.substr(p_, N);
    p_ += N;
    return s;
  }
  std::string_view Short() { return Bytes(Byte()); }

  // The record head: signature, the expected class, any object name.
  void BeginRecord(std::string_view ClassName) {
    const size_t at = p_;
    if (d_.size() - p_ < 4 || d_.substr(p_, 4) != kSignature) Fail(at, "no record starts here");
    p_ += 4;
    const std::string_view cls = Short();
    if (cls != ClassName)
      Fail(at, "a " + std::string(ClassName) + " record was expected, found \"" + Printable(cls) + "\"");
    Short();
  }
  // The next property's name, or false at the end of the properties.
  bool NextProperty(std::string_view& Name) {
    propAt_ = p_;
    const uint8_t n = Byte();
    if (n == 0) return false;
    Name = Bytes(n);
    return true;
  }
  void EndRecord() {
    if (Byte() != 0) Fail(p_ - 1, "a cell stream record holds no objects");
  }
  [[noreturn]] void UnknownProperty(std::string_view ClassName, std::string_view Name) const {
    Fail(propAt_, "property " + Printable(Name) + " does not exist in " + std::string(ClassName));
  }
  [[noreturn]] void BadValue(std::string_view Name, const char* Expected) const {
    Fail(propAt_, "invalid value of " + Printable(Name) + " (" + Expected + " expected)");
  }

  int64_t Integer(std::string_view Name) {
    switch (Byte()) {
      case vaInt8:
        return static_cast<int8_t>(Le(1));
      case vaInt16:
        return static_cast<int16_t>(Le(2));
      case vaInt32:
        return static_cast<int32_t>(Le(4));
      case vaInt64:
        return static_cast<int64_t>(Le(8));
      default:
        BadValue(Name, "an integer");
    }
  }
  int Int32(std::string_view Name) {
    const int64_t v = Integer(Name);
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
      BadValue(Name, "a 32-bit integer");
    return static_cast<int>(v);
  }
  bool Boolean(std::string_view Name) {
    switch (Byte()) {
      case vaFalse:
        return false;
      case vaTrue:
        return true;
      default:
        BadValue(Name, "a Boolean");
    }
  }
  double Float(std::string_view Name) {
    const uint8_t k = Byte();
    switch (k) {
      case vaExtended: {
        const std::string_view b = Bytes(10);
        return ExtendedToDouble(reinterpret_cast<const uint8_t*>(b.data()));
      }
      case vaDouble: {
        const uint64_t bits = Le(8);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
      }
      case vaSingle: {
        const auto bits = static_cast<uint32_t>(Le(4));
        float v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
      }
      case vaInt8:
      case vaInt16:
      case vaInt32:
      case vaInt64:
        --p_;
        return static_cast<double>(Integer(Name));
      default:
        BadValue(Name, "a number");
    }
  }
  // A text value; its bytes are turned into UTF-8 only when Out is given.
  void Text(std::string_view Name, std::string* Out) {
    switch (Byte()) {
      case vaString: {
        const std::string_view b = Short();
        if (Out) *Out = IsAscii(b) ? std::string(b) : Cp1252ToUtf8(b);
        return;
      }
      case vaLString: {
        const std::string_view b = Bytes(Le(4));
        if (Out) *Out = IsAscii(b) ? std::string(b) : Cp1252ToUtf8(b);
        return;
      }
      case vaUTF8String: {
        const std::string_view b = Bytes(Le(4));
        if (Out) Out->assign(b);
        return;
      }
      case vaWString: {
        const uint64_t units = Le(4);
        if (units > (d_.size() - p_) / 2) Fail(p_, "the data ends early");
        const std::string_view b = Bytes(units * 2);
        if (Out) {
          std::u16string u(units, u'\0');
          for (size_t i = 0; i < units; ++i)
            u[i] = static_cast<char16_t>(static_cast<uint8_t>(b[2 * i]) |
                                         (static_cast<uint8_t>(b[2 * i + 1]) << 8));
          *Out = Utf16ToUtf8(u);
        }
        return;
      }
      default:
        BadValue(Name, "a text");
    }
  }
  std::string_view Identifier(std::string_view Name) {
    if (Byte() != vaIdent) BadValue(Name, "an identifier");
    return Short();
  }
  template <class E>
  E Enum(std::string_view Name) {
    const std::string_view id = Identifier(Name);
    int64_t v = 0;
    if (!TEnumTraits<E>::Idents().Find(std::string(id), v)) BadValue(Name, "a value of its enumeration");
    return static_cast<E>(v);
  }
  TColor Color(std::string_view Name) {
    if (p_ < d_.size() && static_cast<uint8_t>(d_[p_]) == vaIdent) {
      TColor c;
      if (!IdentToColor(std::string(Identifier(Name)), c)) BadValue(Name, "a colour");
      return c;
    }
    const int64_t v = Integer(Name);
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<uint32_t>::max())
      BadValue(Name, "a colour");
    return static_cast<TColor>(static_cast<uint32_t>(v));
  }
  TFontStyles FontStyles(std::string_view Name) {
    if (Byte() != vaSet) BadValue(Name, "a set");
    TFontStyles s;
    for (;;) {
      const std::string_view e = Short();
      if (e.empty()) return s;
      int64_t v = 0;
      if (!TEnumTraits<TFontStyle>::Idents().Find(std::string(e), v)) BadValue(Name, "font styles");
      s << static_cast<TFontStyle>(v);
    }
  }
  std::string_view Binary(std::string_view Name) {
    if (Byte() != vaBinary) BadValue(Name, "binary data");
    return Bytes(Le(4));
  }
  void StringList(std::string_view Name, std::vector<std::string>& Out) {
    if (Byte() != vaList) BadValue(Name, "a list");
    while (true) {
      if (p_ < d_.size() && d_[p_] == static_cast<char>(vaNull)) {
        ++p_;
        return;
      }
      std::string s;
      Text(Name, &s);
      Out.push_back(std::move(s));
    }
  }
  // A value of any kind, dropped.
  void Skip(std::string_view Name, int Depth = 0) {
    if (Depth > kMaxSkipDepth) BadValue(Name, "a value nested less deeply");
    const uint8_t k = Byte();
    switch (k) {
      case vaInt8:
        Bytes(1);
        return;
      case vaInt16:
        Bytes(2);
        return;
      case vaInt32:
      case vaSingle:
        Bytes(4);
        return;
      case vaInt64:
      case vaCurrency:
      case vaDate:
      case vaDouble:
        Bytes(8);
        return;
      case vaExtended:
        Bytes(10);
        return;
      case vaString:
      case vaIdent:
        Short();
        return;
      case vaLString:
      case vaUTF8String:
      case vaBinary:
        Bytes(Le(4));
        return;
      case vaWString: {
        const uint64_t units = Le(4);
        if (units > (d_.size() - p_) / 2) Fail(p_, "the data ends early");
        Bytes(units * 2);
        return;
      }
      case vaFalse:
      case vaTrue:
      case vaNil:
        return;
      case vaSet:
        while (!Short().empty()) {
        }
        return;
      case vaList:
        while (p_ < d_.size() && d_[p_] != static_cast<char>(vaNull)) Skip(Name, Depth + 1);
        Byte();
        return;
      default:
        BadValue(Name, "a known kind of value");
    }
  }

 private:
  static std::string Printable(std::string_view S) {
    std::string out;
    for (char c : S.substr(0, 64)) out += (c >= 0x20 && c < 0x7F) ? c : '?';
    return out;
  }
  std::string_view d_;
  size_t p_;
  size_t propAt_ = 0;
};

constexpr std::string_view kPropsPrefix = "CellProperties.";
constexpr std::string_view kGraphicPrefix = "CellGraphic.";

void ReadPropRecord(TCursor& C, TGridPropData& P) {
  C.BeginRecord("TGridPropIO");
  std::string_view n;
  while (C.NextProperty(n)) {
    if (n == "ColCount")
      P.ColCount = C.Integer(n);
    else if (n == "RowCount")
      P.RowCount = C.Integer(n);
    else if (n == "ColWidths")
      C.Text(n, &P.ColWidths);
    else if (n == "RowHeights")
      C.Text(n, &P.RowHeights);
    else if (n == "FullGrid")
      P.FullGrid = C.Boolean(n);
    else if (n == "ID")
      P.ID = C.Integer(n);
    else
      C.UnknownProperty("TGridPropIO", n);
  }
  C.EndRecord();
}

void ReadCellRecord(TCursor& C, int64_t& Col, int64_t& Row, std::string& Text, bool& HasProp, bool Decode) {
  C.BeginRecord("TGridCellIO");
  Col = 0;
  Row = 0;
  Text.clear();
  HasProp = false;
  std::string_view n;
  while (C.NextProperty(n)) {
    if (n == "Col")
      Col = C.Integer(n);
    else if (n == "Row")
      Row = C.Integer(n);
    else if (n == "Cell")
      C.Text(n, Decode ? &Text : nullptr);
    else if (n == "HasProp")
      HasProp = C.Boolean(n);
    else
      C.UnknownProperty("TGridCellIO", n);
  }
  // Cells sit at 32-bit positions; nothing wraps.
  if (Col < 0 || Row < 0 || Col > std::numeric_limits<int32_t>::max() ||
      Row > std::numeric_limits<int32_t>::max())
    C.Fail(C.Pos(), "a cell position is out of range");
  C.EndRecord();
}

void ReadCellPropRecord(TCursor& C, TCellPropsData& P, bool& HasGraphic) {
  C.BeginRecord("TGridCellPropIO");
  P = TCellPropsData();
  HasGraphic = false;
  std::string_view n;
  while (C.NextProperty(n)) {
    if (n == "HasGraphic") {
      HasGraphic = C.Boolean(n);
      continue;
    }
    if (n.substr(0, kPropsPrefix.size()) != kPropsPrefix) C.UnknownProperty("TGridCellPropIO", n);
    const std::string_view f = n.substr(kPropsPrefix.size());
    if (f == "CellObject" || f == "Control") {
      C.Skip(n);
      continue;
    }
    int field = -1;
    for (int i = 0; i < TCellPropsData::fFieldCount; ++i)
      if (f == kPropFields[i]) {
        field = i;
        break;
      }
    switch (field) {
      case TCellPropsData::fIsBaseCell:
        P.IsBaseCell = C.Boolean(n);
        break;
      case TCellPropsData::fCellSpanX:
        P.CellSpanX = C.Int32(n);
        break;
      case TCellPropsData::fCellSpanY:
        P.CellSpanY = C.Int32(n);
        break;
      case TCellPropsData::fAlignment:
        P.Alignment = C.Enum<TAlignment>(n);
        break;
      case TCellPropsData::fBorderColor:
        P.BorderColor = C.Color(n);
        break;
      case TCellPropsData::fBorderWidth:
        P.BorderWidth = C.Int32(n);
        break;
      case TCellPropsData::fBrushColor:
        P.BrushColor = C.Color(n);
        break;
      case TCellPropsData::fBrushColorTo:
        P.BrushColorTo = C.Color(n);
        break;
      case TCellPropsData::fBrushStyle:
        P.BrushStyle = C.Enum<TBrushStyle>(n);
        break;
      case TCellPropsData::fFontColor:
        P.FontColor = C.Color(n);
        break;
      case TCellPropsData::fFontName:
        C.Text(n, &P.FontName);
        break;
      case TCellPropsData::fFontSize:
        P.FontSize = C.Int32(n);
        break;
      case TCellPropsData::fFontStyle:
        P.FontStyle = C.FontStyles(n);
        break;
      case TCellPropsData::fEditor:
        P.Editor = C.Enum<TEditorType>(n);
        break;
      case TCellPropsData::fGradientDirection:
        P.GradientDirection = C.Enum<TCellGradientDirection>(n);
        break;
      case TCellPropsData::fReadOnly:
        P.ReadOnly = C.Boolean(n);
        break;
      case TCellPropsData::fVAlignment:
        P.VAlignment = C.Enum<TVAlignment>(n);
        break;
      case TCellPropsData::fWordWrap:
        P.WordWrap = C.Boolean(n);
        break;
      case TCellPropsData::fNodeLevel:
        P.NodeLevel = C.Int32(n);
        break;
      default:
        C.UnknownProperty("TGridCellPropIO", n);
    }
    P.Present |= 1u << field;
  }
  C.EndRecord();
}

void ReadGraphicRecord(TCursor& C, TCellGraphicData& G) {
  C.BeginRecord("TGridGraphicIO");
  G = TCellGraphicData();
  std::string_view n;
  while (C.NextProperty(n)) {
    if (n.substr(0, kGraphicPrefix.size()) != kGraphicPrefix) C.UnknownProperty("TGridGraphicIO", n);
    const std::string_view f = n.substr(kGraphicPrefix.size());
    if (f == "CellType")
      G.CellType = C.Enum<TCellType>(n);
    else if (f == "CellVAlign")
      G.CellVAlign = C.Enum<TCellVAlign>(n);
    else if (f == "CellHAlign")
      G.CellHAlign = C.Enum<TCellHAlign>(n);
    else if (f == "CellIndex")
      G.CellIndex = C.Int32(n);
    else if (f == "CellTransparent")
      G.CellTransparent = C.Boolean(n);
    else if (f == "CellCreated")
      G.CellCreated = C.Boolean(n);
    else if (f == "CellBoolean")
      G.CellBoolean = C.Boolean(n);
    else if (f == "CellCheckBoxState")
      G.CellCheckBoxState = C.Enum<TCheckBoxState>(n);
    else if (f == "CellAngle")
      G.CellAngle = C.Int32(n);
    else if (f == "CellValue")
      G.CellValue = C.Float(n);
    else if (f == "CellErrFrom")
      G.CellErrFrom = C.Int32(n);
    else if (f == "CellErrLen")
      G.CellErrLen = C.Int32(n);
    else if (f == "CellText")
      C.Text(n, &G.CellText);
    else
      C.UnknownProperty("TGridGraphicIO", n);
  }
  C.EndRecord();
}

void ReadPayloadRecord(TCursor& C, TPayloadData& P) {
  const TPayloadKind kind = P.Kind;
  P = TPayloadData();
  P.Kind = kind;
  const char* cls = "";
  const char* dataName = "";
  switch (kind) {
    case TPayloadKind::Bitmap:
      cls = "TGridBMPIO";
      dataName = "Bitmap.Data";
      break;
    case TPayloadKind::Icon:
      cls = "TGridIconIO";
      dataName = "Icon.Data";
      break;
    case TPayloadKind::Picture:
      cls = "TGridPicIO";
      dataName = "Picture.Data";
      break;
    case TPayloadKind::FilePicture:
      cls = "TGridFilePicIO";
      break;
    case TPayloadKind::Strings:
      cls = "TGridSLIO";
      break;
    case TPayloadKind::None:
      return;
  }
  C.BeginRecord(cls);
  std::string_view n;
  while (C.NextProperty(n)) {
    if (kind == TPayloadKind::FilePicture) {
      if (n == "Picture.Filename")
        C.Text(n, &P.FileName);
      else if (n == "Picture.Width")
        P.Width = C.Int32(n);
      else if (n == "Picture.Height")
        P.Height = C.Int32(n);
      else
        C.UnknownProperty(cls, n);
    } else if (kind == TPayloadKind::Strings) {
      if (n == "Strings.Strings")
        C.StringList(n, P.Strings);
      else
        C.UnknownProperty(cls, n);
    } else if (n == dataName) {
      P.Bytes.assign(C.Binary(n));
    } else {
      C.UnknownProperty(cls, n);
    }
  }
  C.EndRecord();
}

}  // namespace

size_t ReadCellStream(std::string_view Data, size_t Pos, TCellStreamSink& Sink, bool DecodeTexts) {
  if (Pos > Data.size()) Pos = Data.size();
  TCursor c(Data, Pos);
  TGridPropData prop;
  ReadPropRecord(c, prop);
  Sink.Prop(prop);
  std::string text;
  TCellPropsData props;
  TCellGraphicData graphic;
  TPayloadData payload;
  while (c.Pos() + 1 < Data.size()) {
    int64_t col = 0, row = 0;
    bool hasProp = false;
    ReadCellRecord(c, col, row, text, hasProp, DecodeTexts);
    Sink.Cell(col, row, text, hasProp);
    if (!hasProp) continue;
    bool hasGraphic = false;
    ReadCellPropRecord(c, props, hasGraphic);
    Sink.CellProps(props, hasGraphic);
    if (!hasGraphic) continue;
    ReadGraphicRecord(c, graphic);
    Sink.Graphic(graphic);
    payload.Kind = PayloadKindOf(graphic.CellType);
    if (payload.Kind == TPayloadKind::None) continue;
    ReadPayloadRecord(c, payload);
    Sink.Payload(payload);
  }
  return c.Pos();
}

std::vector<int> ReadIntList(std::string_view Text, int64_t Min, int64_t Max) {
  std::vector<int> out;
  if (Text.empty()) return out;
  size_t p = 0;
  while (true) {
    const size_t e = std::min(Text.find(',', p), Text.size());
    const std::string_view item = Text.substr(p, e - p);
    int32_t v = 0;
    if (!TryStrToInt(item, v) || v < Min || v > Max)
      throw EReadError("Invalid cell stream: \"" + std::string(item.substr(0, 32)) + "\" is not a size");
    out.push_back(v);
    if (e == Text.size()) break;
    p = e + 1;
  }
  return out;
}

}  // namespace gridio
