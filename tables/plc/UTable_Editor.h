#pragma once
// What every table editor shares, without its window: the shape of a project
// table file, reading it into the editor's grids, writing it back whole, the
// walk of the check with its one message, and the row commands with their
// copy flags.
//
// The grids are reached through TTable_Grid_View (app/UTable_Grid_View.h):
// the editor forms hand in adapters over their column or string grids,
// tests hand in tables in memory.
//
// A project table file: the root element first, the format comment after it
// at document level, the section elements in grid order under the root (or
// the rows right under the root for an editor without sections), one "row"
// element per table row with one attribute per data column in column order.
// A table ends at the first row whose key cell, trimmed, is empty.
//
// Two rules keep what the user typed from being lost without a word:
// - OK refuses a table in which a row with an empty key is followed by used
//   rows (or is used itself), naming that row: those rows would not be saved.
// - A file that could not be read completely (it does not parse, lacks a
//   section or an attribute without default, has no root element, holds more
//   rows than the table, or is a folder or in a project folder that cannot be
//   read) is reported with the rows that were read, and OK asks before it
//   replaces that file with the rows shown. The image compiler reads and
//   checks the tables with the same reader and checks.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TTable_Grid_View;
class TXMLDocument;

// One data column of a table file; storage column k + 1 of the grid holds
// Columns[k].
struct TTable_Column {
  // nullptr: a column of the grid that the file does not hold; it is not
  // saved, and every row read takes Default (or the empty text) in it.
  const char* Attribute;
  // The text of a missing attribute; nullptr when the column has none, so
  // that a row without the attribute stops the loading.
  const char* Default;
  // A data check box ("Y"/"N").
  bool Check_Box = false;
  // When set, gives the text of a missing attribute from the row's values
  // read so far (entry k for column k + 1), in place of Default.
  std::string (*Default_Of)(const std::vector<std::string>& Row_So_Far) = nullptr;
  // A plain check box of a string grid, whose state is its own rather than
  // the cell text: saved "Y" when ticked and "N" otherwise (or without a
  // box); any value read but exactly "N" ticks it. The grid's row commands
  // are then the check-grid ones.
  bool Own_Box = false;
  // When set, the cell text that a value read from the file gives.
  std::string (*Read_As)(const std::string& Value) = nullptr;
};

// One grid of an editor and its part of the file.
struct TTable_Grid_Format {
  // The section element holding the rows; nullptr: the rows stand under the
  // root.
  const char* Section;
  // The key column (storage index).
  int Key_Col;
  // Column 1 is an Enable check box, "Y" in a cleared row.
  bool Has_Enable;
  // Table rows: grid rows 1 to Rows.
  int Rows;
  std::vector<TTable_Column> Columns;
};

struct TTable_File_Format {
  const char* Root;
  const char* Comment;
  // In page order.
  std::vector<TTable_Grid_Format> Grids;
};

// A cleared table: column 0 the row number, the Enable column "Y" (its own
// box ticked), every other cell empty. First_Row > 1 clears only the rows
// from there on.
void Clear_Table(TTable_Grid_View& Grid, const TTable_Grid_Format& Format, int First_Row = 1);

// The rows that make up the table: from row 1 up to the row before the first
// whose key cell, trimmed, is empty.
int Table_Length(const TTable_Grid_View& Grid, const TTable_Grid_Format& Format);

// The first row with an empty key, when it or a row after it is used (a data
// column that is not a check box holds a text that is not blank): saving
// would lose those rows. 0 when there is no such row.
int Table_Key_Gap(const TTable_Grid_View& Grid, const TTable_Grid_Format& Format);

struct TTable_Load_Result {
  bool Complete = true;
  // Why the loading stopped.
  std::string Error;
  // Rows read into each grid.
  std::vector<int> Rows_Read;
};

// Reads an existing project file into the grids, which the caller has
// cleared: row element i of a grid's part, counted from 0 and whatever its
// name, fills grid row i + 1; attributes are looked up by name and a missing
// one takes its column's default. Stops at the first problem, leaving the
// rows read before it and never a row read in part.
TTable_Load_Result Load_Table_File(TXMLDocument& Doc, const std::string& Path,
                                   const TTable_File_Format& Format,
                                   const std::vector<TTable_Grid_View*>& Grids);

// Rewrites the whole file from the grids, through the XML library's save;
// raises its exception when the file cannot be written, the old file then
// staying as it was.
void Save_Table_File(TXMLDocument& Doc, const std::string& Path, const TTable_File_Format& Format,
                     const std::vector<const TTable_Grid_View*>& Grids);

// The items of a position column: "None" first when asked, then "0" to
// Size - 1.
std::vector<std::string> Position_Items(int Size, bool None_First);

// How the check treats one grid.
struct TTable_Check {
  // The editor's "Error row " text.
  std::string Error_Row;
  // The text after the row number when a row with an empty key would lose
  // rows (Table_Key_Gap).
  std::string Key_Gap;
  // Whether a row is checked at all.
  bool (*Enabled)(const TTable_Grid_View& Grid, int Row);
  // The text after the row number of the row's first failing field, nothing
  // when the row passes.
  std::function<std::optional<std::string>(int Row)> Check_Row;
};

// The key column's name followed by the text saying that the row's key is
// empty while it or rows below it hold values.
std::string Key_Gap_Text(const std::string& Key_Name);

// Walks the rows from 1 to the first empty key and answers the message of
// the first failure ("Error row ", the row number, the failing text), or
// nothing when the grid passes.
std::optional<std::string> Check_Table(const TTable_Grid_View& Grid, const TTable_Grid_Format& Format,
                                       const TTable_Check& Check);

// Enable tests of the check: the trimmed cell is "Y", or "Y" in any case; or
// the Enable column's own box is ticked.
bool Enable_Is_Y(const TTable_Grid_View& Grid, int Row);
bool Enable_Is_Y_Any_Case(const TTable_Grid_View& Grid, int Row);
bool Enable_Box_Ticked(const TTable_Grid_View& Grid, int Row);

// True when the grid's columns hold plain check boxes of their own.
bool Has_Own_Boxes(const TTable_Grid_Format& Format);

// A cell's text trimmed as Trim does, read without a copy where the grid
// allows (Buffer holds it otherwise).
std::string_view Cell_Trimmed(const TTable_Grid_View& Grid, int Col, int Row, std::string& Buffer);
// The trimmed cell is "Y" in any case.
bool Cell_Is_Y_Any_Case(const TTable_Grid_View& Grid, int Col, int Row);

// A number cell read as the editors read it, -1 when it is no number.
int Cell_Int(const TTable_Grid_View& Grid, int Col, int Row);
bool Cell_In_Range(const TTable_Grid_View& Grid, int Col, int Row, long long Lo, long long Hi);
bool Cell_Blank(const TTable_Grid_View& Grid, int Col, int Row);

// The state and the steps of a table editor that need no window. The form
// owns one, hands in its grids and calls the steps from its handlers.
class TTable_Editor {
 public:
  // Path is the path global of the editor's file (read at each use, so that
  // it follows the open project).
  TTable_Editor(const TTable_File_Format& File, const std::string& Path);
  virtual ~TTable_Editor();
  TTable_Editor(const TTable_Editor&) = delete;
  TTable_Editor& operator=(const TTable_Editor&) = delete;

  const TTable_File_Format& File() const { return file_; }
  // The grids in page order; each must be set before the first step.
  void Set_Grid(int Index, TTable_Grid_View* Grid);
  TTable_Grid_View& Grid(int Index) const;
  int Grid_Count() const { return static_cast<int>(grids_.size()); }

  // Showing: clears every table, reads the file when it exists and resets
  // the copy flags. A file not read completely is reported with the rows
  // read, and OK will ask before replacing it.
  void Load_Tables();
  bool Load_Incomplete() const { return load_incomplete_; }
  // True when a cell or a check box differs from what the last showing
  // read, so that closing now would lose what the user changed.
  bool Changed() const;

  // The message of the first failing check, nothing when the tables pass.
  virtual std::optional<std::string> Check_Message() = 0;
  // The check with its message box; false when it failed.
  bool Controllo_dati();
  // OK: the check, the question after an incomplete load, then the whole
  // file rewritten. True when the file was written, so that the dialog
  // closes with OK; a file that cannot be written is reported.
  bool Save_On_OK();

  // Row commands on a row of grid Index.
  bool Delete_Row(int Index, int Row);  // asks first
  bool Insert_Row(int Index, int Row);
  void Copy_Row(int Index, int Row);
  virtual bool Paste_Row(int Index, int Row);
  // True when the last Copy Row of this editor came from grid Index since
  // the editor was last shown.
  bool Copied_Here(int Index) const;

 protected:
  // The Delete Row question, before the row number.
  virtual std::string Delete_Question() const = 0;
  // The whole question for a row; by default Delete_Question() followed by
  // the row number.
  virtual std::string Delete_Question_For(int Row) const;
  // The grid's name in the load report; empty for an editor with one grid.
  virtual std::string Grid_Name(int Index) const;
  // Run by Load_Tables after clearing, before reading the file.
  virtual void Before_Load() {}
  // Run by Load_Tables last, whether the file was read, missing or read in
  // part.
  virtual void After_Load() {}

 private:
  void Report_Load(const TTable_Load_Result& Result) const;
  // Every cell of every table row, and the state of the check boxes that
  // keep their own, in one list.
  std::vector<std::string> Contents() const;

  const TTable_File_Format& file_;
  const std::string& path_;
  std::vector<TTable_Grid_View*> grids_;
  std::vector<bool> copied_here_;
  bool load_incomplete_ = false;
  std::vector<std::string> loaded_;
  std::unique_ptr<TXMLDocument> xml_;
};
