#pragma once
// Office documents as the files themselves (grid/io only): the zip package
// every .xlsx and .docx is, the A1 notation of spreadsheets, what a
// workbook's sheets hold, and the changes the grid makes to a workbook or
// document that exists. Everything works on bytes in memory; the caller
// reads and writes the file.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/rtl/SysUtils.h"

namespace office {

// A file that is not the document it should be (not a zip, parts missing,
// parts that are not XML); Message says what and names the file.
CF_DECLARE_EXCEPTION(EOfficeFileError, Exception)

// The parts of a zip package by name, in the order they came.
class TZipPackage {
 public:
  TZipPackage() = default;
  // Reads every part; raises EOfficeFileError for what is not a zip (or a
  // zip whose parts would unpack to more than a file of this size can
  // sensibly hold).
  static TZipPackage FromBytes(const std::string& Bytes, const std::string& FileName);
  bool Has(const std::string& Name) const { return parts_.count(Name) != 0; }
  // Raises EOfficeFileError when the part is missing.
  const std::string& Part(const std::string& Name) const;
  void SetPart(const std::string& Name, std::string Data);
  void RemovePart(const std::string& Name);
  const std::vector<std::string>& Names() const { return order_; }
  // The package as a zip archive.
  std::string ToBytes() const;

 private:
  std::string file_;
  std::vector<std::string> order_;
  std::map<std::string, std::string> parts_;
};

// Column letters: 1 is "A", 26 "Z", 27 "AA", 702 "ZZ", 703 "AAA".
std::string XlsColumnName(int Column);
// "B2" or "$B$2" as 1-based column and row; false for anything else.
bool ParseCellRef(std::string_view Ref, int& Column, int& Row);

// A used-range address as the spreadsheet gives it ("$B$2:$D$5", "$A$1",
// "$3:$7" for whole rows): the 1-based corners. Whole rows give columns 1
// to 256; an address without any "$" is the single cell A1. Valid is false
// when a corner cannot be read.
struct TUsedRange {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool Single = false;
  bool Valid = false;
};
TUsedRange ParseUsedRange(std::string_view Address);

// One cell of a sheet as read.
enum TSheetValueKind { svEmpty, svText, svNumber, svDate, svBoolean, svError };
struct TSheetValue {
  TSheetValueKind Kind = svEmpty;
  std::string Text;   // svText
  double Number = 0;  // svNumber, svBoolean (0 or 1), svDate (days since 30 December 1899)
};

// The cells of one sheet: the used range and its values by place.
struct TSheetCells {
  std::string Address;  // absolute, "$A$1" for an empty sheet
  int Left = 1, Top = 1, Right = 1, Bottom = 1;
  std::map<std::pair<int, int>, TSheetValue> Values;  // (row, column), 1-based
};

// A workbook's sheets. Open raises EOfficeFileError for a file that is not a
// workbook (not a zip, no workbook part, unreadable parts).
class TWorkbookFile {
 public:
  static TWorkbookFile Open(const std::string& Bytes, const std::string& FileName);
  // An empty workbook: no sheets yet.
  static TWorkbookFile Empty();
  std::vector<std::string> SheetNames() const;
  // The sheet that was active when the workbook was saved, else the first;
  // -1 when there is none.
  int ActiveSheet() const;
  // The index of the last sheet of that name (names compare as the
  // spreadsheet does, without regard to case), -1 when none.
  int FindSheet(const std::string& Name) const;
  // The row of the sheet's active cell (1 when none is stored).
  int ActiveRow(int Sheet) const;
  // Raises Exception "Incorrect XLS file" when the sheet's cells cannot be
  // read.
  TSheetCells ReadSheet(int Sheet) const;

  // Writes the block into the sheet with its top-left cell at column A of
  // FirstRow; the sheet's other cells keep their values and looks. Texts
  // that read back as the same number or date become one.
  void WriteBlock(int Sheet, int FirstRow, const std::vector<std::vector<std::string>>& Rows);
  // Adds an empty sheet at the end; its index.
  int AddSheet(const std::string& Name);
  std::string ToBytes() const;

 private:
  struct TSheet {
    std::string Name, Part;
  };
  std::string ReadPart(const std::string& Name) const;
  std::string file_;
  TZipPackage package_;
  std::string workbookPart_;
  std::vector<TSheet> sheets_;
  int activeTab_ = 0;
  std::vector<std::string> sharedStrings_;
  std::vector<bool> dateStyles_;  // by cell style index
  int dateStyle_ = -1, dateTimeStyle_ = -1;
};

// A new workbook of one sheet holding the block from A1 (libxlsxwriter).
std::string NewWorkbook(const std::string& SheetName, const std::vector<std::vector<std::string>>& Rows);

// A word-processor table: texts by row and column, and how each cell's
// paragraphs are aligned.
enum TDocAlign { daLeft, daRight, daCenter };
struct TDocTable {
  std::vector<std::vector<std::string>> Texts;
  std::vector<std::vector<TDocAlign>> Aligns;
  std::vector<int> ColumnWidths;  // pixels
};
// A new document: the table, then a paragraph of Text.
std::string NewDocument(const TDocTable& Table, const std::string& Text);
// The document with a paragraph of Text put in at its start and the table
// at the bookmark (where the document has one of that name) or at its end.
// Raises EOfficeFileError for what is not such a document.
std::string AppendToDocument(const std::string& Bytes, const std::string& FileName, const TDocTable& Table,
                             const std::string& Text, const std::string& Bookmark);

// A query's result: the field names and each record's values as text (an
// empty text for NULL and for an empty value).
struct TQueryResult {
  std::vector<std::string> Names;
  std::vector<std::vector<std::string>> Records;
};
// The ODBC connection string for a database: a whole connection string as
// it is ("DRIVER=...", "DSN=...", "FILEDSN=..."), a file through the SQLite
// driver.
std::string ConnectionString(const std::string& Database);
// Runs the query through ODBC and reads every record; raises Exception with
// the driver's messages when the connection or the query fails, and
// EFOpenError when a database file does not exist.
TQueryResult RunQuery(const std::string& Database, const std::string& SQL);

// How a text goes into a spreadsheet cell: a number or date when it reads
// back as the very same text, otherwise the text itself.
enum TExportKind { ekText, ekNumber, ekDate, ekDateTime };
TExportKind ExportKind(const std::string& Text, double& Value);
// A value read from a sheet as the grid shows it.
std::string ValueText(const TSheetValue& Value);

}  // namespace office
