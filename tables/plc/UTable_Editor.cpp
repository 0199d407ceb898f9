#include "tables/plc/UTable_Editor.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UProject_File.h"
#include "app/UTable_Grid_View.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Dialogs.h"
#include "framework/os/Files.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "framework/xml/XmlDom.h"

namespace {
const char* const Row_Element = "row";

// A damaged file used to open with part of its rows, for OK to overwrite it
// without a word; a row with an empty key used to end the table on OK, and
// every row below it was gone without a word.
constexpr int Text_Load_Incomplete = 1106;
constexpr int Text_Load_Incomplete_2 = 1107;
constexpr int Text_Rows_Read = 1108;
constexpr int Text_Load_Incomplete_3 = 1109;
constexpr int Text_Replace_Incomplete = 1110;
constexpr int Text_Not_Saved = 1111;
constexpr int Text_Key_Gap = 1112;

std::string Text(int Id) { return Lang_Table->Strings(Id); }

struct TLoad_Stop {
  std::string Reason;
};

std::string Row_Number(int Row) { return std::to_string(Row); }

// Reads the rows of one table: each row's attributes are taken in one
// pass, whatever order they stand in; the first of a repeated name counts.
class TRow_Reader {
 public:
  explicit TRow_Reader(const TTable_Grid_Format& Format)
      : format_(Format),
        names_(Format.Columns.size()),
        found_(Format.Columns.size()),
        repeated_(Format.Columns.size(), 0) {
    for (std::size_t k = 0; k < Format.Columns.size(); ++k) {
      if (!Format.Columns[k].Attribute) continue;
      names_[k] = Format.Columns[k].Attribute;
      if (!column_of_.emplace(names_[k], k).second) repeated_[k] = 1;
    }
  }

  // The values of one row element, or the reason it cannot be read.
  const std::vector<std::string>& Read(const TXMLNode& Node, int Row) {
    std::fill(found_.begin(), found_.end(), nullptr);
    if (Node.NodeType() == ntElement) {
      Node.AttributeList(attributes_);
      // Files written here hold the attributes in column order: the column
      // after the last one found is tried before the name is looked up.
      std::size_t next = 0;
      for (const auto& [name, value] : attributes_) {
        std::size_t k = format_.Columns.size();
        while (next < format_.Columns.size() && !format_.Columns[next].Attribute) ++next;
        if (next < format_.Columns.size() && name == names_[next] && !repeated_[next]) {
          k = next;
        } else {
          const auto it = column_of_.find(name);
          if (it != column_of_.end()) k = it->second;
        }
        if (k == format_.Columns.size()) continue;
        next = k + 1;
        if (!found_[k]) found_[k] = &value;
      }
    }
    // The texts go into the strings of the last row read: their room is
    // used again, row after row.
    values_.resize(format_.Columns.size());
    for (std::size_t k = 0; k < format_.Columns.size(); ++k) {
      const TTable_Column& column = format_.Columns[k];
      std::string& value = values_[k];
      if (!column.Attribute) {
        value.assign(column.Default ? column.Default : "");
        continue;
      }
      if (found_[k]) {
        value.assign(*found_[k]);
      } else if (column.Default_Of) {
        value = column.Default_Of(std::vector<std::string>(values_.begin(), values_.begin() + k));
      } else if (column.Default) {
        value.assign(column.Default);
      } else {
        throw TLoad_Stop{"row " + Row_Number(Row) + " has no attribute \"" + column.Attribute + "\""};
      }
      if (column.Read_As) value = column.Read_As(value);
    }
    return values_;
  }

 private:
  const TTable_Grid_Format& format_;
  std::vector<std::string_view> names_;
  std::unordered_map<std::string_view, std::size_t> column_of_;
  std::vector<std::pair<std::string_view, std::string_view>> attributes_;
  std::vector<const std::string_view*> found_;
  // A column whose name an earlier column has: never its name's column.
  std::vector<std::uint8_t> repeated_;
  std::vector<std::string> values_;
};

void Load_Grid(const TXMLNode& Parent, const TTable_Grid_Format& Format, TTable_Grid_View& Grid,
               int& Rows_Read) {
  int row = 1;
  TRow_Reader reader(Format);
  // Only elements are rows: a comment or text between them is not a row.
  for (const TXMLNode& node : Table_Rows(Parent)) {
    if (row > Format.Rows)
      throw TLoad_Stop{"it holds more than " + std::to_string(Format.Rows) + " rows; the rows after row " +
                       std::to_string(Format.Rows) + " were not read"};
    const std::vector<std::string>& values = reader.Read(node, row);
    for (std::size_t k = 0; k < values.size(); ++k) {
      const int col = static_cast<int>(k) + 1;
      if (Format.Columns[k].Own_Box)
        Grid.SetCheckBoxState(col, row, values[k] != "N");
      else
        Grid.SetCellEx(col, row, values[k]);
    }
    Rows_Read = row;
    ++row;
  }
}
}  // namespace

namespace {
bool Own_Box_Column(const TTable_Grid_Format& Format, int Col) {
  return Col >= 1 && Col <= static_cast<int>(Format.Columns.size()) &&
         Format.Columns[static_cast<std::size_t>(Col - 1)].Own_Box;
}

// A row of a grid with boxes of their own is used when a cell without a box
// holds a text that is not blank.
bool Own_Box_Row_Used(const TTable_Grid_View& Grid, const TTable_Grid_Format& Format, int Row) {
  for (int c = 1; c < Grid.Storage_Col_Count(); ++c)
    if (!Own_Box_Column(Format, c) && !Cell_Blank(Grid, c, Row)) return true;
  return false;
}
}  // namespace

bool Has_Own_Boxes(const TTable_Grid_Format& Format) {
  for (const TTable_Column& column : Format.Columns)
    if (column.Own_Box) return true;
  return false;
}

void Clear_Table(TTable_Grid_View& Grid, const TTable_Grid_Format& Format, int First_Row) {
  const int cols = Grid.Storage_Col_Count();
  const std::string empty, enabled = "Y";
  for (int r = std::max(First_Row, 1); r <= Format.Rows; ++r) {
    Grid.SetCellEx(0, r, Row_Number(r));
    for (int c = 1; c < cols; ++c) {
      const bool enable = c == 1 && Format.Has_Enable;
      if (Own_Box_Column(Format, c))
        Grid.SetCheckBoxState(c, r, enable);
      else
        Grid.SetCellEx(c, r, enable ? enabled : empty);
    }
  }
}

int Table_Length(const TTable_Grid_View& Grid, const TTable_Grid_Format& Format) {
  int r = 1;
  while (r <= Format.Rows && !Cell_Blank(Grid, Format.Key_Col, r)) ++r;
  return r - 1;
}

int Table_Key_Gap(const TTable_Grid_View& Grid, const TTable_Grid_Format& Format) {
  const int first_empty = Table_Length(Grid, Format) + 1;
  const bool own_boxes = Has_Own_Boxes(Format);
  for (int r = first_empty; r <= Format.Rows; ++r)
    if (own_boxes ? Own_Box_Row_Used(Grid, Format, r) : Column_Grid_Row_Used(Grid, r)) return first_empty;
  return 0;
}

TTable_Load_Result Load_Table_File(TXMLDocument& Doc, const std::string& Path,
                                   const TTable_File_Format& Format,
                                   const std::vector<TTable_Grid_View*>& Grids) {
  TTable_Load_Result result;
  result.Rows_Read.assign(Format.Grids.size(), 0);
  try {
    // The shape every reader of a project file takes: a file with no root
    // element, or one that is a folder, must not pass for an empty table.
    const TXMLNode root = Load_Project_File(Doc, Path);
    for (std::size_t g = 0; g < Format.Grids.size(); ++g) {
      const TTable_Grid_Format& grid = Format.Grids[g];
      TXMLNode parent = root;
      if (grid.Section) {
        parent = root.FindNode(grid.Section);
        if (!parent) throw TLoad_Stop{std::string("the section \"") + grid.Section + "\" is missing"};
      }
      Load_Grid(parent, grid, *Grids[g], result.Rows_Read[g]);
    }
  } catch (const TLoad_Stop& stop) {
    result.Complete = false;
    result.Error = stop.Reason;
  } catch (const EProject_File_Error& e) {
    result.Complete = false;
    result.Error = e.Reason();
  } catch (const Exception& e) {
    result.Complete = false;
    result.Error = e.Message();
  }
  return result;
}

void Save_Table_File(TXMLDocument& Doc, const std::string& Path, const TTable_File_Format& Format,
                     const std::vector<const TTable_Grid_View*>& Grids) {
  Doc.SetActive(true);
  Doc.Clear();
  TXMLNode root = Doc.AddChild(Format.Root);
  Doc.AppendComment(Format.Comment);
  for (std::size_t g = 0; g < Format.Grids.size(); ++g) {
    const TTable_Grid_Format& grid = Format.Grids[g];
    const TTable_Grid_View& view = *Grids[g];
    TXMLNode parent = grid.Section ? root.AddChild(grid.Section) : root;
    const int rows = Table_Length(view, grid);
    for (int r = 1; r <= rows; ++r) {
      TXMLNode row = parent.AddChild(Row_Element);
      for (std::size_t k = 0; k < grid.Columns.size(); ++k) {
        // A column without an attribute is a grid column the file does not hold.
        if (!grid.Columns[k].Attribute) continue;
        const int col = static_cast<int>(k) + 1;
        if (grid.Columns[k].Own_Box) {
          bool ticked = false;
          row.SetAttribute(grid.Columns[k].Attribute,
                           view.GetCheckBoxState(col, r, ticked) && ticked ? "Y" : "N");
        } else {
          row.SetAttribute(grid.Columns[k].Attribute, view.GetCellEx(col, r));
        }
      }
    }
  }
  Doc.SaveToFile(Path);
}

std::vector<std::string> Position_Items(int Size, bool None_First) {
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(Size) + 1);
  if (None_First) items.emplace_back("None");
  for (int i = 0; i < Size; ++i) items.push_back(std::to_string(i));
  return items;
}

std::string Key_Gap_Text(const std::string& Key_Name) { return Key_Name + Text(Text_Key_Gap); }

std::optional<std::string> Check_Table(const TTable_Grid_View& Grid, const TTable_Grid_Format& Format,
                                       const TTable_Check& Check) {
  const int rows = Table_Length(Grid, Format);
  for (int r = 1; r <= rows; ++r) {
    if (!Check.Enabled(Grid, r)) continue;
    if (std::optional<std::string> failure = Check.Check_Row(r))
      return Check.Error_Row + Row_Number(r) + *failure;
  }
  if (const int gap = Table_Key_Gap(Grid, Format)) return Check.Error_Row + Row_Number(gap) + Check.Key_Gap;
  return std::nullopt;
}

std::string_view Cell_Trimmed(const TTable_Grid_View& Grid, int Col, int Row, std::string& Buffer) {
  return TrimmedView(Grid.Cell_Text(Col, Row, Buffer));
}

bool Cell_Is_Y_Any_Case(const TTable_Grid_View& Grid, int Col, int Row) {
  std::string buffer;
  const std::string_view t = Cell_Trimmed(Grid, Col, Row, buffer);
  return t == "Y" || t == "y";
}

bool Enable_Is_Y(const TTable_Grid_View& Grid, int Row) {
  std::string buffer;
  return Cell_Trimmed(Grid, 1, Row, buffer) == "Y";
}

bool Enable_Is_Y_Any_Case(const TTable_Grid_View& Grid, int Row) { return Cell_Is_Y_Any_Case(Grid, 1, Row); }

bool Enable_Box_Ticked(const TTable_Grid_View& Grid, int Row) {
  bool ticked = false;
  return Grid.GetCheckBoxState(1, Row, ticked) && ticked;
}

int Cell_Int(const TTable_Grid_View& Grid, int Col, int Row) {
  std::string buffer;
  return Text_To_Int(Grid.Cell_Text(Col, Row, buffer), -1);
}

bool Cell_In_Range(const TTable_Grid_View& Grid, int Col, int Row, long long Lo, long long Hi) {
  const long long v = Cell_Int(Grid, Col, Row);
  return v >= Lo && v <= Hi;
}

bool Cell_Blank(const TTable_Grid_View& Grid, int Col, int Row) {
  std::string buffer;
  return Cell_Trimmed(Grid, Col, Row, buffer).empty();
}

// ---------------------------------------------------------------------------

TTable_Editor::TTable_Editor(const TTable_File_Format& File, const std::string& Path)
    : file_(File),
      path_(Path),
      grids_(File.Grids.size(), nullptr),
      copied_here_(File.Grids.size(), false),
      xml_(std::make_unique<TXMLDocument>()) {}

TTable_Editor::~TTable_Editor() = default;

void TTable_Editor::Set_Grid(int Index, TTable_Grid_View* Grid) {
  grids_.at(static_cast<std::size_t>(Index)) = Grid;
}

TTable_Grid_View& TTable_Editor::Grid(int Index) const { return *grids_.at(static_cast<std::size_t>(Index)); }

std::string TTable_Editor::Grid_Name(int) const { return std::string(); }

void TTable_Editor::Load_Tables() {
  for (int g = 0; g < Grid_Count(); ++g) Clear_Table(Grid(g), file_.Grids[static_cast<std::size_t>(g)]);
  copied_here_.assign(copied_here_.size(), false);
  load_incomplete_ = false;
  Before_Load();
  // A path that is there but cannot be read (a folder, an unreadable project
  // folder) is read all the same, so that it is reported as damaged and not
  // shown as an empty table.
  bool present = true;
  try {
    present = Project_File_Present(path_);
  } catch (const EProject_File_Error&) {
  }
  if (present) {
    const TTable_Load_Result result = Load_Table_File(*xml_, path_, file_, grids_);
    if (!result.Complete) {
      load_incomplete_ = true;
      Report_Load(result);
    }
  }
  After_Load();
  loaded_ = Contents();
}

std::vector<std::string> TTable_Editor::Contents() const {
  std::vector<std::string> cells;
  for (int g = 0; g < Grid_Count(); ++g) {
    const TTable_Grid_View& grid = Grid(g);
    const bool own_boxes = Has_Own_Boxes(file_.Grids[static_cast<std::size_t>(g)]);
    for (int r = 1; r < grid.RowCount(); ++r)
      for (int c = 1; c < grid.Storage_Col_Count(); ++c) {
        cells.push_back(grid.GetCellEx(c, r));
        bool state = false;
        if (own_boxes && grid.GetCheckBoxState(c, r, state)) cells.push_back(state ? "Y" : "N");
      }
  }
  return cells;
}

bool TTable_Editor::Changed() const { return Contents() != loaded_; }

void TTable_Editor::Report_Load(const TTable_Load_Result& Result) const {
  std::string text = Text(Text_Load_Incomplete) + path_ + Text(Text_Load_Incomplete_2) + Result.Error +
                     ".\n" + Text(Text_Rows_Read);
  for (int g = 0; g < Grid_Count(); ++g) {
    if (g > 0) text += ", ";
    const std::string name = Grid_Name(g);
    if (!name.empty()) text += name + " ";
    text += std::to_string(Result.Rows_Read[static_cast<std::size_t>(g)]);
  }
  text += ".\n";
  text += Text(Text_Load_Incomplete_3);
  MessageDlg(text, mtError, {mbOK}, 0);
}

bool TTable_Editor::Controllo_dati() {
  if (std::optional<std::string> message = Check_Message()) {
    MessageDlg(*message, mtError, {mbOK}, 0);
    return false;
  }
  return true;
}

bool TTable_Editor::Save_On_OK() {
  if (!Controllo_dati()) return false;
  if (load_incomplete_ &&
      MessageDlg(Text(Text_Replace_Incomplete), mtConfirmation, {mbYes, mbNo}, 0) != mrYes)
    return false;
  std::vector<const TTable_Grid_View*> grids(grids_.begin(), grids_.end());
  try {
    Save_Table_File(*xml_, path_, file_, grids);
  } catch (const Exception& e) {
    MessageDlg(Text(Text_Not_Saved) + e.Message(), mtError, {mbOK}, 0);
    return false;
  }
  // The file now holds what the tables show.
  load_incomplete_ = false;
  return true;
}

std::string TTable_Editor::Delete_Question_For(int Row) const { return Delete_Question() + Row_Number(Row); }

bool TTable_Editor::Delete_Row(int Index, int Row) {
  if (MessageDlg(Delete_Question_For(Row), mtConfirmation, {mbYes, mbNo}, 0) != mrYes) return false;
  const TTable_Grid_Format& format = file_.Grids[static_cast<std::size_t>(Index)];
  if (Has_Own_Boxes(format))
    Check_Grid_Delete_Row(Row, Grid(Index), format.Has_Enable);
  else
    Column_Grid_Delete_Row(Row, Grid(Index));
  return true;
}

bool TTable_Editor::Insert_Row(int Index, int Row) {
  const TTable_Grid_Format& format = file_.Grids[static_cast<std::size_t>(Index)];
  if (Has_Own_Boxes(format)) return Check_Grid_Insert_Row(Row, Grid(Index), format.Has_Enable);
  return Column_Grid_Insert_Row(Row, Grid(Index), format.Has_Enable);
}

void TTable_Editor::Copy_Row(int Index, int Row) {
  if (Has_Own_Boxes(file_.Grids[static_cast<std::size_t>(Index)]))
    Check_Grid_Copy_Row(Grid(Index), Row);
  else
    Column_Grid_Copy_Row(Grid(Index), Row);
  copied_here_.assign(copied_here_.size(), false);
  copied_here_[static_cast<std::size_t>(Index)] = true;
}

bool TTable_Editor::Paste_Row(int Index, int Row) {
  if (Has_Own_Boxes(file_.Grids[static_cast<std::size_t>(Index)]))
    return Check_Grid_Paste_Row(Grid(Index), Row, Copied_Here(Index));
  return Column_Grid_Paste_Row(Grid(Index), Row, Copied_Here(Index));
}

bool TTable_Editor::Copied_Here(int Index) const { return copied_here_.at(static_cast<std::size_t>(Index)); }
