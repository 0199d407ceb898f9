#include "tables/network/UOPC_UA_Server_Access.h"

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UTable_Grid_View.h"
#include "framework/classes/StringList.h"
#include "framework/rtl/Format.h"

namespace {
std::string Text(int Id) { return Lang_Table->Strings(Id); }

constexpr int Text_Position = 2727;
constexpr int Text_Delete_Question = 2728;
constexpr int Text_Type_Header = 2716;
// The editor's block has no "Error row " text apart from the one inside the
// Position message.
constexpr int Text_Error_Row = 2731;
}  // namespace

const std::vector<std::string> OPC_UA_Var_Types = {"Boolean", "Signed Byte", "Byte",      "Int16",  "UInt16",
                                                   "Int32",   "UInt32",      "Int64",     "UInt64", "Float",
                                                   "Double",  "String",      "ByteString"};
const std::vector<std::string> OPC_UA_RW_Types = {"Read Only", "Read/Write"};

std::optional<TOPC_UA_Type_Length> OPC_UA_Type_Length(const std::string& Type) {
  static const struct {
    const char* Type;
    TOPC_UA_Type_Length Length;
  } lengths[] = {
      {"Boolean", {"1", true}},      {"Signed Byte", {"1", true}}, {"Byte", {"1", true}},
      {"Int16", {"2", true}},        {"UInt16", {"2", true}},      {"Int32", {"4", true}},
      {"UInt32", {"4", true}},       {"Float", {"4", true}},       {"Int64", {"8", true}},
      {"UInt64", {"8", true}},       {"Double", {"8", true}},      {"String", {"10", false}},
      {"ByteString", {"10", false}},
  };
  for (const auto& l : lengths)
    if (Type == l.Type) return l.Length;
  return std::nullopt;
}

const TTable_File_Format OPC_UA_Server_File{"OPC_UA_Server",
                                            "SW_VERSION = 1.000",
                                            {
                                                {"OPC_UA_Server_Variables",
                                                 OPC_Col_Type,
                                                 true,
                                                 OPC_UA_Table_Rows,
                                                 {{.Attribute = "Enable", .Default = "Y", .Own_Box = true},
                                                  {.Attribute = "Type", .Default = ""},
                                                  {.Attribute = "Position", .Default = ""},
                                                  {.Attribute = "Length", .Default = ""},
                                                  {.Attribute = "Name", .Default = ""},
                                                  {.Attribute = "ReadWrite", .Default = ""},
                                                  {.Attribute = "Mnemonic", .Default = ""}}},
                                            }};

std::optional<std::string> OPC_UA_Check_Message(const TTable_Grid_View& Grid) {
  const TTable_Grid_Format& format = OPC_UA_Server_File.Grids[0];
  // The rows the save writes: a bad row below the first empty Type no longer
  // blocks OK, and a good one is not dropped without a word (the gap is
  // refused below).
  const int rows = Table_Length(Grid, format);
  for (int r = 1; r <= rows; ++r) {
    if (!Enable_Box_Ticked(Grid, r)) continue;
    // The text is the user's language file: its placeholders are filled by
    // hand, and the limit named is the one applied.
    if (!Cell_In_Range(Grid, OPC_Col_Position, r, 0, OPC_UA_Data_Array_Size - 1))
      return FormatLangText(Text(Text_Position), {r, OPC_UA_Data_Array_Size - 1});
  }
  if (const int gap = Table_Key_Gap(Grid, format))
    return Text(Text_Error_Row) + std::to_string(gap) + "!! " + Key_Gap_Text(Text(Text_Type_Header));
  return std::nullopt;
}

TOPC_UA_Server_Table::TOPC_UA_Server_Table() : TTable_Editor(OPC_UA_Server_File, Path_OPC_UA_Server) {}

std::optional<std::string> TOPC_UA_Server_Table::Check_Message() { return OPC_UA_Check_Message(Grid(0)); }

void TOPC_UA_Server_Table::VarSetLength(const std::string& Type, int Row) {
  TTable_Grid_View& grid = Grid(0);
  if (const auto length = OPC_UA_Type_Length(Type)) {
    grid.SetCellEx(OPC_Col_Length, Row, length->Length);
    if (Set_Length_Read_Only) Set_Length_Read_Only(Row, length->Read_Only);
  }
  if (grid.GetCellEx(OPC_Col_Read_Write, Row).empty()) grid.SetCellEx(OPC_Col_Read_Write, Row, "Read/Write");
}

bool TOPC_UA_Server_Table::Paste_Row(int Index, int Row) {
  if (!TTable_Editor::Paste_Row(Index, Row)) return false;
  TTable_Grid_View& grid = Grid(0);
  const std::string length = grid.GetCellEx(OPC_Col_Length, Row);
  VarSetLength(grid.GetCellEx(OPC_Col_Type, Row), Row);
  grid.SetCellEx(OPC_Col_Length, Row, length);
  return true;
}

std::string TOPC_UA_Server_Table::Delete_Question() const { return Text(Text_Delete_Question); }

std::string TOPC_UA_Server_Table::Delete_Question_For(int Row) const {
  return FormatLangText(Text(Text_Delete_Question), {Row});
}

void TOPC_UA_Server_Table::After_Load() {
  if (!Set_Length_Read_Only) return;
  const TTable_Grid_View& grid = Grid(0);
  for (int r = 1; r <= OPC_UA_Server_File.Grids[0].Rows; ++r) {
    const auto length = OPC_UA_Type_Length(grid.GetCellEx(OPC_Col_Type, r));
    Set_Length_Read_Only(r, length && length->Read_Only);
  }
}
