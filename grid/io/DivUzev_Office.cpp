// The grid's cells in spreadsheet and word-processor files and from
// database queries. Workbooks are .xlsx and documents .docx, read and
// written as files (grid/io/OfficeFiles.h); queries go through ODBC. Every
// file is read and checked whole before the grid changes, and written
// through the safe writer, so a failure leaves the grid and the old file as
// they were and is reported.
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Streams.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Forms.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "grid/io/OfficeFiles.h"
#include "grid/model/DivUzev.h"

namespace {

// The hourglass for the run of an office operation, the old cursor back on
// every way out.
class THourglass {
 public:
  THourglass() {
    if (Screen == nullptr) return;
    old_ = Screen->Cursor();
    Screen->SetCursor(crHourGlass);
  }
  ~THourglass() {
    if (Screen != nullptr) Screen->SetCursor(old_);
  }
  THourglass(const THourglass&) = delete;
  THourglass& operator=(const THourglass&) = delete;

 private:
  TCursor old_ = crDefault;
};

std::string ReadBytes(const std::string& FileName) {
  TMemoryStream file;
  file.LoadFromFile(FileName);
  return file.Bytes();
}

std::string WithoutCR(std::string T) {
  std::erase(T, '\r');
  return T;
}

}  // namespace

// ---------------------------------------------------------------------------
// Spreadsheets

std::unique_ptr<TStringList> TDedAdararAdoz::GetXLSSheets(const std::string& FileName) {
  THourglass busy;
  const office::TWorkbookFile wb = office::TWorkbookFile::Open(ReadBytes(FileName), FileName);
  auto list = std::make_unique<TStringList>();
  for (const std::string& name : wb.SheetNames()) list->Add(name);
  return list;
}

void TDedAdararAdoz::LoadFromXLS(const std::string& FileName) { LoadFromXLSSheet(FileName, std::string()); }

void TDedAdararAdoz::LoadFromXLSSheet(const std::string& FileName, const std::string& SheetName) {
  THourglass busy;
  const office::TWorkbookFile wb = office::TWorkbookFile::Open(ReadBytes(FileName), FileName);
  int sheet = wb.ActiveSheet();
  if (!SheetName.empty()) {
    sheet = wb.FindSheet(SheetName);
    if (sheet < 0) throw EDivUzevError("Excel worksheet " + SheetName + " not found");
  }
  if (sheet < 0) throw Exception("Incorrect XLS file");
  const office::TSheetCells cells = wb.ReadSheet(sheet);
  const office::TUsedRange used = office::ParseUsedRange(cells.Address);

  // The whole sheet is read; from here on the grid takes it.
  const int fixedCols = FixedCols(), fixedRows = FixedRows();
  const int c0 = SaveFixedCells() || SaveFixedCols() ? 0 : fixedCols;
  const int r0 = SaveFixedCells() || SaveFixedRows() ? 0 : fixedRows;
  try {
    if (used.Valid) {
      SetColCount(used.Right - used.Left + 1 + c0);
      SetRowCount(used.Bottom - used.Top + 1 + r0);
    }
    if (FixedCols() != fixedCols && fixedCols < ColCount()) SetFixedCols(fixedCols);
    if (FixedRows() != fixedRows && fixedRows < RowCount()) SetFixedRows(fixedRows);
    auto load = [&](int Row, int Col, int GridCol, int GridRow) {
      auto it = cells.Values.find({Row, Col});
      office::TSheetValue empty;
      const office::TSheetValue& v = it == cells.Values.end() ? empty : it->second;
      // Error values stay out of the grid.
      if (v.Kind == office::svError) return;
      std::string text = office::ValueText(v);
      LoadCell(GridCol, GridRow, text);
    };
    if (used.Valid && used.Single) {
      load(used.Top, used.Left, c0, r0);
    } else if (used.Valid) {
      for (int r = used.Top; r <= used.Bottom; ++r)
        for (int c = used.Left; c <= used.Right; ++c) load(r, c, c0 + c - used.Left, r0 + r - used.Top);
    }
  } catch (...) {
    CellsChanged(TRect(0, 0, ColCount(), RowCount()));
    CalcAllFooters();
    throw;
  }
  CellsChanged(TRect(0, 0, ColCount(), RowCount()));
  CalcAllFooters();
}

namespace {

// The cells an export writes into a sheet: rows from the window's first to
// the last row, columns from its first to the last one; a cell's line
// breaks as line feeds, as a spreadsheet cell keeps them.
std::vector<std::vector<std::string>> SheetBlock(TDedAdararAdoz* G) {
  std::vector<std::vector<std::string>> rows;
  G->ExportNotification(esExportStart, G->SaveStartRow());
  for (int r = G->SaveStartRow(); r < G->RowCount(); ++r) {
    G->ExportNotification(esExportNextRow, r);
    std::vector<std::string>& row = rows.emplace_back();
    for (int c = G->SaveStartCol(); c < G->ColCount(); ++c) {
      std::string t;
      G->SaveCell(G->RealColIndex(c), r, t);
      row.push_back(WithoutCR(std::move(t)));
    }
  }
  G->ExportNotification(esExportDone, -1);
  return rows;
}

}  // namespace

void TDedAdararAdoz::SaveToXLS(const std::string& FileName, bool CreateNewSheet) {
  THourglass busy;
  std::string bytes;
  if (!CreateNewSheet && FileExists(FileName)) {
    // The workbook there is the open one: its active sheet takes the block
    // from the row of its active cell.
    office::TWorkbookFile wb = office::TWorkbookFile::Open(ReadBytes(FileName), FileName);
    int sheet = wb.ActiveSheet();
    if (sheet < 0) sheet = wb.AddSheet("Sheet1");
    wb.WriteBlock(sheet, wb.ActiveRow(sheet), SheetBlock(this));
    bytes = wb.ToBytes();
  } else {
    bytes = office::NewWorkbook(std::string(), SheetBlock(this));
  }
  SafeWriteFile(FileName, bytes);
}

void TDedAdararAdoz::SaveToXLSSheet(const std::string& FileName, const std::string& SheetName) {
  THourglass busy;
  std::string bytes;
  if (FileExists(FileName)) {
    // A file that is not a workbook is not replaced by one: the error says
    // why and the file stays.
    office::TWorkbookFile wb = office::TWorkbookFile::Open(ReadBytes(FileName), FileName);
    int sheet = wb.FindSheet(SheetName);
    if (sheet < 0) sheet = wb.AddSheet(SheetName);
    wb.WriteBlock(sheet, 1, SheetBlock(this));
    bytes = wb.ToBytes();
  } else {
    bytes = office::NewWorkbook(SheetName, SheetBlock(this));
  }
  SafeWriteFile(FileName, bytes);
}

// ---------------------------------------------------------------------------
// Word-processor documents

namespace {

// The whole grid, fixed cells included, as a table.
office::TDocTable DocTable(TDedAdararAdoz* G) {
  office::TDocTable t;
  for (int c = 0; c < G->ColCount(); ++c) t.ColumnWidths.push_back(G->ColWidths(c));
  G->ExportNotification(esExportStart, 0);
  for (int a = 1; a <= G->RowCount(); ++a) {
    G->ExportNotification(esExportNextRow, a);
    auto& texts = t.Texts.emplace_back();
    auto& aligns = t.Aligns.emplace_back();
    for (int c = 1; c <= G->ColCount(); ++c) {
      const int real = G->RealColIndex(c - 1);
      std::string s;
      G->SaveCell(real, a - 1, s);
      texts.push_back(std::move(s));
      TAlignment ha = taLeftJustify;
      TVAlignment va = vtaTop;
      G->CalcCellAlignment(real, a - 1, ha, va);
      aligns.push_back(ha == taRightJustify ? office::daRight
                       : ha == taCenter     ? office::daCenter
                                            : office::daLeft);
    }
  }
  G->ExportNotification(esExportDone, -1);
  return t;
}

}  // namespace

void TDedAdararAdoz::SaveToDOC(const std::string& FileName, bool CreateNewDocument) {
  // No word processor keeps a document open here, so every export starts
  // a new one.
  (void)CreateNewDocument;
  THourglass busy;
  SafeWriteFile(FileName, office::NewDocument(DocTable(this), Text()));
}

void TDedAdararAdoz::AppendToDoc(const std::string& FileName, const std::string& Bookmark) {
  THourglass busy;
  const std::string old = ReadBytes(FileName);
  SafeWriteFile(FileName, office::AppendToDocument(old, FileName, DocTable(this), Text(), Bookmark));
}

// ---------------------------------------------------------------------------
// Databases

void TDedAdararAdoz::LoadFromMDBTable(const std::string& FileName, const std::string& Table) {
  LoadFromMDBSQL(FileName, "SELECT * FROM " + Table);
}

void TDedAdararAdoz::LoadFromMDBSQL(const std::string& FileName, const std::string& SQL) {
  // Every record is read before the grid changes: a failing query leaves
  // it as it was.
  const office::TQueryResult result = office::RunQuery(FileName, SQL);
  const int n = static_cast<int>(result.Names.size());
  if (n == 0) return;
  const int fc = FixedCols(), fr = FixedRows();
  SetColCount(fc + n);
  if (fr > 0)
    for (int i = 0; i < n; ++i) SetCells(fc + i, fr - 1, result.Names[static_cast<size_t>(i)]);
  if (!result.Records.empty()) SetRowCount(fr + static_cast<int>(result.Records.size()));
  int row = fr;
  for (const std::vector<std::string>& record : result.Records) {
    if (row >= RowCount()) SetRowCount(row + 1);
    for (int i = 0; i < n; ++i) {
      std::string v = record[static_cast<size_t>(i)];
      LoadCell(fc + i, row, v);
    }
    ++row;
  }
  CellsChanged(TRect(0, 0, ColCount(), RowCount()));
  CalcAllFooters();
}
