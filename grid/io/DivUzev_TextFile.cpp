// The grid text file: a header "cols,rows", one "cw i,width" line per
// column and one "col,row,text" line per non-empty cell, CR LF after each
// line, multi-line texts kept on one line by EncodeCellBreaks. The file
// variant holds absolute coordinates in ANSI or UTF-16 with a byte-order
// mark; the stream variant (the grid's SaveToStream and LoadFromStream,
// which copying cells between grids uses) is always UTF-16 without a mark,
// holds coordinates relative to the export window and may be followed by
// other data.
//
// Loading reads and checks the whole input first and then applies it, and
// runs no message loop meanwhile: an input that fails leaves the grid as
// it was, and no handler of the user interface runs in the middle of a load.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/classes/Streams.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/TextEncoding.h"
#include "grid/base/VevUtil.h"
#include "grid/io/GridExchange.h"
#include "grid/model/DivUzev.h"

namespace {

using gridio::kMaxLoadCols;
using gridio::kMaxLoadRows;

// What a text input holds, checked, before anything of it reaches the grid.
struct TTextCell {
  int Col;
  int Row;
  std::string Text;
};

struct TTextImage {
  bool HasHeader = false;
  int64_t Cols = 0;  // the counts the grid takes (header plus base offset)
  int64_t Rows = 0;
  std::vector<std::pair<int, int>> Widths;
  std::vector<TTextCell> Cells;
};

// Widths are pixels; a value past this cannot be a column's.
constexpr int64_t kMaxWidth = 1 << 20;

// The file variant's lenient number: the leading integer of the text (blanks
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

// The stream variant's strict number: EConvertError for anything but an
// integer.
int64_t StrictInt(std::string_view S) { return StrToInt(S); }

void AppendLine(std::string& Out, std::string_view Line) {
  Out.append(Line);
  Out.append("\r\n");
}

void AppendNumber(std::string& Out, int64_t V) {
  char buf[24];
  char* e = buf + sizeof buf;
  char* p = e;
  const bool neg = V < 0;
  uint64_t u = neg ? 0 - static_cast<uint64_t>(V) : static_cast<uint64_t>(V);
  do {
    *--p = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  if (neg) *--p = '-';
  Out.append(p, static_cast<size_t>(e - p));
}

void AppendCellLine(std::string& Out, int64_t Col, int64_t Row, const std::string& Text) {
  AppendNumber(Out, Col);
  Out += ',';
  AppendNumber(Out, Row);
  Out += ',';
  Out += EncodeCellBreaks(Text);
  Out.append("\r\n");
}

// Calls F with every line of Text (split at CR LF, LF or CR).
template <class F>
void ForEachLine(std::string_view Text, F&& Fn) {
  size_t p = 0;
  while (p < Text.size()) {
    size_t e = p;
    while (e < Text.size() && Text[e] != '\r' && Text[e] != '\n') ++e;
    Fn(Text.substr(p, e - p));
    if (e < Text.size() && Text[e] == '\r' && e + 1 < Text.size() && Text[e + 1] == '\n') ++e;
    p = e + 1;
  }
}

[[noreturn]] void CorruptFile(const std::string& FileName) {
  throw EDivUzevError("File contains no data or corrupt file " + FileName);
}

}  // namespace

// ---------------------------------------------------------------------------
// File variant

void TDedAdararAdoz::SaveToFile(const std::string& FileName, bool Unicode) {
  const gridio::TExportColumns cols = gridio::ExportColumns(this, true);
  std::string out;
  out.reserve(64 + static_cast<size_t>(cols.Count()) * 16);
  AppendNumber(out, cols.Count());
  out += ',';
  AppendNumber(out, SaveRowCount());
  out.append("\r\n");
  for (int k = 0; k < cols.Count(); ++k) {
    const int index = cols.First + k;
    out.append("cw ");
    AppendNumber(out, index);
    out += ',';
    AppendNumber(out, cols.ByStorageIndex ? AllColWidths(cols.Real[k]) : ColWidths(index));
    out.append("\r\n");
  }
  const int firstRow = SaveStartRow();
  const int lastRow = SaveEndRow();
  gridio::TFileProgress progress(this);
  ExportNotification(esExportStart, firstRow);
  std::string text;
  for (int r = firstRow; r <= lastRow; ++r) {
    ExportNotification(esExportNextRow, r);
    for (int k = 0; k < cols.Count(); ++k) {
      text.clear();
      SaveCell(cols.Real[k], r, text);
      if (!text.empty()) AppendCellLine(out, cols.First + k, r, text);
    }
    progress.Report(r, SaveRowCount() - 1);
  }
  ExportNotification(esExportDone, -1);
  SafeWriteFile(FileName, EncodeText(out, Unicode ? teUtf16LE : teAnsi, true));
}

void TDedAdararAdoz::LoadFromFile(const std::string& FileName) {
  TMemoryStream file;
  file.LoadFromFile(FileName);
  const std::string text = DecodeText(file.Bytes());

  const int bc = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
  const int br = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
  TTextImage image;
  image.Cols = ColCount();
  image.Rows = RowCount();
  bool first = true;
  const bool multiline = MultilineCells();
  ForEachLine(text, [&](std::string_view line) {
    if (first) {
      first = false;
      if (line.empty()) return;
      image.HasHeader = true;
      const size_t comma = line.find(',');
      image.Cols = bc + LeadingInt(line.substr(0, comma));
      image.Rows = br + (comma == std::string_view::npos ? 0 : LeadingInt(line.substr(comma + 1)));
      if (image.Cols <= 0 || image.Rows <= 0 || image.Cols > kMaxLoadCols || image.Rows > kMaxLoadRows)
        CorruptFile(FileName);
      return;
    }
    if (line.size() >= 2 && line[0] == 'c' && line[1] == 'w') {
      const std::string_view body = line.substr(std::min<size_t>(3, line.size()));
      const size_t comma = body.find(',');
      if (comma == std::string_view::npos) return;
      const int64_t index = LeadingInt(body.substr(0, comma));
      const int64_t width = LeadingInt(body.substr(comma + 1, 255));
      // Widths for columns the grid does not have are not applied.
      if (index >= 0 && index < image.Cols && width >= 0 && width <= kMaxWidth)
        image.Widths.emplace_back(static_cast<int>(index), static_cast<int>(width));
      return;
    }
    // A cell line has its two commas; any other line (a blank one) is not
    // a cell, and would otherwise empty cell (0, 0).
    const size_t c1 = line.find(',');
    if (c1 == std::string_view::npos) return;
    const size_t c2 = line.find(',', c1 + 1);
    if (c2 == std::string_view::npos) return;
    const int64_t col = LeadingInt(line.substr(0, c1));
    const int64_t row = LeadingInt(line.substr(c1 + 1, c2 - c1 - 1));
    if (col < 0 || row < 0 || col >= image.Cols || row >= image.Rows) return;
    image.Cells.push_back(
        {static_cast<int>(col), static_cast<int>(row), DecodeCellBreaks(line.substr(c2 + 1), multiline)});
  });
  if (image.Cols <= 0 || image.Rows <= 0) CorruptFile(FileName);

  // Everything is read: only now does the grid change.
  if (image.HasHeader) {
    SetColCount(static_cast<int>(image.Cols));
    SetRowCount(static_cast<int>(image.Rows));
  }
  for (const auto& [index, width] : image.Widths)
    if (index < ColCount()) SetColWidths(index, width);
  gridio::TFileProgress progress(this);
  for (TTextCell& cell : image.Cells) {
    if (cell.Col < ColCount() && cell.Row < RowCount()) LoadCell(RealColIndex(cell.Col), cell.Row, cell.Text);
    progress.Report(cell.Row, RowCount() - 1);
  }
  CellsChanged(TRect(0, 0, ColCount(), RowCount()));
  CalcAllFooters();
}

// ---------------------------------------------------------------------------
// Stream variant

namespace {

void AppendUtf16Line(std::string& Out, const std::string& Line) {
  bool ascii = true;
  for (char c : Line)
    if (static_cast<unsigned char>(c) >= 0x80) {
      ascii = false;
      break;
    }
  if (ascii) {
    for (char c : Line) {
      Out += c;
      Out += '\0';
    }
  } else {
    Out += EncodeText(Line, teUtf16LE, false);
  }
  Out.append("\r\0\n\0", 4);
}

// One UTF-16 line of the stream variant: the units up to a CR (the LF after
// it is consumed) or to the end of the data.
struct TUtf16Reader {
  std::string_view Data;
  size_t Pos = 0;
  bool AtEnd() const { return Pos + 1 >= Data.size(); }
  std::string ReadLine() {
    std::u16string units;
    while (Pos + 1 < Data.size()) {
      const char16_t u = static_cast<char16_t>(static_cast<unsigned char>(Data[Pos]) |
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

void TDedAdararAdoz::SaveToStream(TStream* Stream) {
  const gridio::TExportColumns cols = gridio::ExportColumns(this, false);
  const int firstRow = SaveStartRow();
  const int lastRow = SaveEndRow();
  std::string out;
  std::string line;
  auto flush = [&] {
    Stream->WriteString(out);
    out.clear();
  };
  line.clear();
  AppendNumber(line, SaveColCount());
  line += ',';
  AppendNumber(line, SaveRowCount());
  AppendUtf16Line(out, line);
  for (int c = 0; c < ColCount(); ++c) {
    line = "cw ";
    AppendNumber(line, c);
    line += ',';
    AppendNumber(line, ColWidths(c));
    AppendUtf16Line(out, line);
  }
  ExportNotification(esExportStart, firstRow);
  std::string text;
  for (int r = firstRow; r <= lastRow; ++r) {
    ExportNotification(esExportNextRow, r);
    for (int k = 0; k < cols.Count(); ++k) {
      text.clear();
      SaveCell(cols.Real[k], r, text);
      if (text.empty()) continue;
      line.clear();
      AppendNumber(line, k);
      line += ',';
      AppendNumber(line, r - firstRow);
      line += ',';
      line += EncodeCellBreaks(text);
      AppendUtf16Line(out, line);
    }
    if (out.size() > (1u << 20)) flush();
  }
  ExportNotification(esExportDone, -1);
  flush();
}

void TDedAdararAdoz::LoadFromStream(TStream* Stream) {
  const int64_t start = Stream->Position();
  const std::string data = Stream->ReadString(std::max<int64_t>(0, Stream->Size() - start));
  Stream->SetPosition(start);

  const int startCol = SaveStartCol();
  const int startRow = SaveStartRow();
  TTextImage image;
  image.Cols = ColCount();
  image.Rows = RowCount();
  const bool multiline = MultilineCells();
  TUtf16Reader in{data};
  if (!in.AtEnd()) {
    std::string header = in.ReadLine();
    if (!header.empty()) {
      image.HasHeader = true;
      const std::string cols = SplitOffField(header);
      image.Cols = StrictInt(cols) + startCol;
      image.Rows = StrictInt(header) + startRow;
      if (image.Cols <= 0 || image.Rows <= 0 || image.Cols > kMaxLoadCols || image.Rows > kMaxLoadRows)
        throw EDivUzevError("File contains no data or corrupt file stream");
    }
  }
  size_t stop = in.Pos;
  while (!in.AtEnd()) {
    const size_t lineStart = in.Pos;
    std::string line = in.ReadLine();
    if (line.size() >= 2 && line[0] == 'c' && line[1] == 'w') {
      line.erase(0, std::min<size_t>(3, line.size()));
      const std::string index = SplitOffField(line);
      const int64_t i = StrictInt(index);
      const int64_t w = StrictInt(line);
      // Widths of columns the grid does not have (a source with more
      // columns than its export window) are not applied.
      if (i >= 0 && i < image.Cols && w >= 0 && w <= kMaxWidth)
        image.Widths.emplace_back(static_cast<int>(i), static_cast<int>(w));
      stop = in.Pos;
      continue;
    }
    const std::string colField = SplitOffField(line);
    const std::string rowField = SplitOffField(line);
    if (colField.empty() || rowField.empty()) {
      // The rest of the stream belongs to somebody else.
      stop = lineStart;
      break;
    }
    const int64_t col = StrictInt(colField) + startCol;
    const int64_t row = StrictInt(rowField) + startRow;
    stop = in.Pos;
    if (col < 0 || row < 0 || col >= image.Cols || row >= image.Rows) continue;
    image.Cells.push_back({static_cast<int>(col), static_cast<int>(row), DecodeCellBreaks(line, multiline)});
  }

  if (image.HasHeader) {
    SetColCount(static_cast<int>(image.Cols));
    SetRowCount(static_cast<int>(image.Rows));
  }
  for (const auto& [index, width] : image.Widths)
    if (index < ColCount()) SetColWidths(index, width);
  for (TTextCell& cell : image.Cells)
    if (cell.Col < ColCount() && cell.Row < RowCount()) LoadCell(RealColIndex(cell.Col), cell.Row, cell.Text);
  Stream->SetPosition(start + static_cast<int64_t>(stop));
  CellsChanged(TRect(0, 0, ColCount(), RowCount()));
  CalcAllFooters();
}

// ---------------------------------------------------------------------------

double TDedAdararAdoz::CellToReal(int ACol, int ARow) {
  const std::string cell = Cells(ACol, ARow);
  if (cell.empty()) return 0;
  double value = 0;
  const int code = Val(ExtractNumberText(cell), value);
  if (code != 0)
    throw EDivUzevError("Error at position: " + std::to_string(code) + " in Cell [" + std::to_string(ACol) +
                        ", " + std::to_string(ARow) + "].");
  return value;
}
