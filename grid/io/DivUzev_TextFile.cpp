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
#include "grid/io/GridTextFile.h"
#include "grid/model/DivUzev.h"

namespace {

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

}  // namespace

// What a load changes, once its input is read whole.
void TDedAdararAdoz::ApplyTextImage(gridio::TTextImage& Image, bool Progress) {
  if (Image.HasHeader) {
    SetColCount(static_cast<int>(Image.Cols));
    SetRowCount(static_cast<int>(Image.Rows));
  }
  for (const auto& [index, width] : Image.Widths)
    if (index < ColCount()) SetColWidths(index, width);
  gridio::TFileProgress progress(this);
  for (gridio::TTextCell& cell : Image.Cells) {
    if (cell.Col < ColCount() && cell.Row < RowCount()) LoadCell(RealColIndex(cell.Col), cell.Row, cell.Text);
    if (Progress) progress.Report(cell.Row, RowCount() - 1);
  }
  CellsChanged(TRect(0, 0, ColCount(), RowCount()));
  CalcAllFooters();
}

// ---------------------------------------------------------------------------
// File variant

void TDedAdararAdoz::SaveToFile(const std::string& FileName, bool Unicode) {
  const gridio::TExportColumns cols = gridio::ExportColumns(this, true);
  // Written in pieces of whole lines into a file that replaces the old one
  // only when it is complete.
  TSafeFileWriter file(FileName);
  std::string out;
  auto flush = [&] {
    file.Write(Unicode ? EncodeText(out, teUtf16LE, false) : EncodeText(out, teAnsi));
    out.clear();
  };
  if (Unicode) file.Write("\xFF\xFE");
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
    if (out.size() >= (1u << 20)) flush();
  }
  ExportNotification(esExportDone, -1);
  flush();
  file.Commit();
}

void TDedAdararAdoz::LoadFromFile(const std::string& FileName) {
  TMemoryStream file;
  file.LoadFromFile(FileName);
  gridio::TTextTarget target;
  target.Cols = ColCount();
  target.Rows = RowCount();
  target.BaseCol = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
  target.BaseRow = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
  target.Multiline = MultilineCells();
  // The counts are checked before the grid changes; after them nothing in
  // the file can fail, so the cells go in as they are read.
  struct TApply : gridio::TTextFileSink {
    TDedAdararAdoz* G;
    gridio::TFileProgress Progress;
    explicit TApply(TDedAdararAdoz* Grid) : G(Grid), Progress(Grid) {}
    void Begin(bool HasHeader, int64_t Cols, int64_t Rows) override {
      if (!HasHeader) return;
      G->SetColCount(static_cast<int>(Cols));
      G->SetRowCount(static_cast<int>(Rows));
    }
    void Width(int Col, int Width) override {
      if (Col < G->ColCount()) G->SetColWidths(Col, Width);
    }
    void Cell(int Col, int Row, std::string& Text) override {
      // A load handler may have made the grid smaller meanwhile.
      if (Col < G->ColCount() && Row < G->RowCount()) G->LoadCell(G->RealColIndex(Col), Row, Text);
      Progress.Report(Row, G->RowCount() - 1);
    }
  } apply(this);
  std::string decoded;
  gridio::ReadTextFile(gridio::AsUtf8(file.Bytes(), decoded), target, FileName, apply);
  CellsChanged(TRect(0, 0, ColCount(), RowCount()));
  CalcAllFooters();
}

// ---------------------------------------------------------------------------
// Stream variant

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
  std::string copy;
  std::string_view data;
  if (auto* ms = dynamic_cast<TMemoryStream*>(Stream)) {
    data = std::string_view(ms->Bytes()).substr(static_cast<size_t>(std::min<int64_t>(start, ms->Size())));
  } else {
    copy = Stream->ReadString(std::max<int64_t>(0, Stream->Size() - start));
    Stream->SetPosition(start);
    data = copy;
  }
  gridio::TTextTarget target;
  target.Cols = ColCount();
  target.Rows = RowCount();
  target.BaseCol = SaveStartCol();
  target.BaseRow = SaveStartRow();
  target.Multiline = MultilineCells();
  gridio::TTextImage image = gridio::ReadTextStream(data, target);
  ApplyTextImage(image, false);
  Stream->SetPosition(start + static_cast<int64_t>(image.End));
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
