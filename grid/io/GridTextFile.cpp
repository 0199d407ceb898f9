#include "grid/io/GridTextFile.h"

#include <algorithm>

#include "framework/rtl/StrUtils.h"
#include "grid/base/VevUtil.h"
#include "grid/io/GridExchange.h"
#include "grid/model/DivUzev.h"

namespace gridio {

namespace {

// Widths are pixels; a value past this cannot be a column's.
constexpr int64_t kMaxWidth = 1 << 20;

// The file form's lenient number: the leading integer of the text (blanks
// and a sign allowed), 0 when there is none. Saturates instead of wrapping.
int64_t LeadingInt(std::string_view S) {
  size_t i = 0;
  while (i < S.size() && (S[i] == ' ' || S[i] == '\t')) ++i;
  bool neg = false;
  if (i < S.size() && (S[i] == '-' || S[i] == '+')) neg = S[i++] == '-';
  int64_t v = 0;
  for (; i < S.size() && S[i] >= '0' && S[i] <= '9'; ++i)
    v = std::min<int64_t>(v * 10 + (S[i] - '0'), INT64_C(1) << 40);
  return neg ? -v : v;
}

bool CountsFit(const TTextImage& I) {
  return I.Cols > 0 && I.Rows > 0 && I.Cols <= kMaxLoadCols && I.Rows <= kMaxLoadRows;
}

void AddWidth(TTextImage& I, int64_t Index, int64_t Width) {
  // Widths for columns the grid does not have are not applied.
  if (Index >= 0 && Index < I.Cols && Width >= 0 && Width <= kMaxWidth)
    I.Widths.emplace_back(static_cast<int>(Index), static_cast<int>(Width));
}

void AddCell(TTextImage& I, int64_t Col, int64_t Row, std::string_view Text, bool Multiline) {
  if (Col < 0 || Row < 0 || Col >= I.Cols || Row >= I.Rows) return;
  I.Cells.push_back({static_cast<int>(Col), static_cast<int>(Row), DecodeCellBreaks(Text, Multiline)});
}

// One UTF-16 line of the stream form: the units up to a CR (the LF after it
// is consumed) or to the end of the data.
struct TUtf16Reader {
  std::string_view Data;
  size_t Pos = 0;
  bool AtEnd() const { return Pos + 1 >= Data.size(); }
  std::string ReadLine() {
    std::u16string units;
    while (Pos + 1 < Data.size()) {
      const auto u = static_cast<char16_t>(static_cast<unsigned char>(Data[Pos]) |
                                           (static_cast<unsigned char>(Data[Pos + 1]) << 8));
      Pos += 2;
      if (u == u'\r') {
        if (Pos + 1 < Data.size() && Data[Pos] == '\n' && Data[Pos + 1] == '\0') Pos += 2;
        break;
      }
      units += u;
    }
    return Utf16ToUtf8(units);
  }
};

// The text before the first comma, removed with the comma; nothing when
// there is no comma.
std::string SplitOffField(std::string& Text) {
  const size_t comma = Text.find(',');
  if (comma == std::string::npos) return std::string();
  std::string field = Text.substr(0, comma);
  Text.erase(0, comma + 1);
  return field;
}

}  // namespace

void ReadTextFile(std::string_view Text, const TTextTarget& Target, const std::string& FileName,
                  TTextFileSink& Sink) {
  int64_t cols = Target.Cols, rows = Target.Rows;
  bool hasHeader = false;
  // The counts come from the first line (an empty one leaves them as they
  // are) and are checked before anything is handed on.
  auto begin = [&] {
    if (cols <= 0 || rows <= 0 || cols > kMaxLoadCols || rows > kMaxLoadRows)
      throw EDivUzevError("File contains no data or corrupt file " + FileName);
    Sink.Begin(hasHeader, cols, rows);
  };
  bool first = true;
  std::string cell;
  size_t p = 0;
  while (p < Text.size()) {
    size_t e = p;
    while (e < Text.size() && Text[e] != '\r' && Text[e] != '\n') ++e;
    const std::string_view line = Text.substr(p, e - p);
    if (e < Text.size() && Text[e] == '\r' && e + 1 < Text.size() && Text[e + 1] == '\n') ++e;
    p = e + 1;

    if (first) {
      first = false;
      if (!line.empty()) {
        hasHeader = true;
        const size_t comma = line.find(',');
        cols = Target.BaseCol + LeadingInt(line.substr(0, comma));
        rows = Target.BaseRow + (comma == std::string_view::npos ? 0 : LeadingInt(line.substr(comma + 1)));
      }
      begin();
      continue;
    }
    if (line.size() >= 2 && line[0] == 'c' && line[1] == 'w') {
      const std::string_view body = line.substr(std::min<size_t>(3, line.size()));
      const size_t comma = body.find(',');
      if (comma == std::string_view::npos) continue;
      const int64_t index = LeadingInt(body.substr(0, comma));
      const int64_t width = LeadingInt(body.substr(comma + 1, 255));
      // Widths for columns the grid does not have are not applied.
      if (index >= 0 && index < cols && width >= 0 && width <= kMaxWidth)
        Sink.Width(static_cast<int>(index), static_cast<int>(width));
      continue;
    }
    // A cell line has its two commas; any other line (a blank one) is not
    // a cell, and would otherwise empty cell (0, 0).
    const size_t c1 = line.find(',');
    if (c1 == std::string_view::npos) continue;
    const size_t c2 = line.find(',', c1 + 1);
    if (c2 == std::string_view::npos) continue;
    const int64_t col = LeadingInt(line.substr(0, c1));
    const int64_t row = LeadingInt(line.substr(c1 + 1, c2 - c1 - 1));
    if (col < 0 || row < 0 || col >= cols || row >= rows) continue;
    cell = DecodeCellBreaks(line.substr(c2 + 1), Target.Multiline);
    Sink.Cell(static_cast<int>(col), static_cast<int>(row), cell);
  }
  if (first) begin();
}

TTextImage ReadTextFile(std::string_view Text, const TTextTarget& Target, const std::string& FileName) {
  struct TCollect : TTextFileSink {
    TTextImage Image;
    void Begin(bool HasHeader, int64_t Cols, int64_t Rows) override {
      Image.HasHeader = HasHeader;
      Image.Cols = Cols;
      Image.Rows = Rows;
    }
    void Width(int Col, int Width) override { Image.Widths.emplace_back(Col, Width); }
    void Cell(int Col, int Row, std::string& Text) override {
      Image.Cells.push_back({Col, Row, std::move(Text)});
    }
  } collect;
  ReadTextFile(Text, Target, FileName, collect);
  collect.Image.End = Text.size();
  return std::move(collect.Image);
}

TTextImage ReadTextStream(std::string_view Data, const TTextTarget& Target) {
  TTextImage image;
  image.Cols = Target.Cols;
  image.Rows = Target.Rows;
  TUtf16Reader in{Data};
  if (!in.AtEnd()) {
    std::string header = in.ReadLine();
    if (!header.empty()) {
      image.HasHeader = true;
      const std::string cols = SplitOffField(header);
      image.Cols = int64_t{StrToInt(cols)} + Target.BaseCol;
      image.Rows = int64_t{StrToInt(header)} + Target.BaseRow;
      if (!CountsFit(image)) throw EDivUzevError("File contains no data or corrupt file stream");
    }
  }
  image.End = in.Pos;
  while (!in.AtEnd()) {
    const size_t lineStart = in.Pos;
    std::string line = in.ReadLine();
    if (line.size() >= 2 && line[0] == 'c' && line[1] == 'w') {
      line.erase(0, std::min<size_t>(3, line.size()));
      const std::string index = SplitOffField(line);
      AddWidth(image, StrToInt(index), StrToInt(line));
      image.End = in.Pos;
      continue;
    }
    const std::string colField = SplitOffField(line);
    const std::string rowField = SplitOffField(line);
    if (colField.empty() || rowField.empty()) {
      // The rest of the data belongs to somebody else.
      image.End = lineStart;
      break;
    }
    const int64_t col = int64_t{StrToInt(colField)} + Target.BaseCol;
    const int64_t row = int64_t{StrToInt(rowField)} + Target.BaseRow;
    AddCell(image, col, row, line, Target.Multiline);
    image.End = in.Pos;
  }
  return image;
}

}  // namespace gridio
