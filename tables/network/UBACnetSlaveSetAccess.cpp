#include "tables/network/UBACnetSlaveSetAccess.h"

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UProject_File.h"
#include "app/UTable_Grid_View.h"
#include "framework/classes/StringList.h"
#include "framework/os/Files.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "framework/xml/XmlDom.h"
#include "tables/network/UBACnet_Eng_Unit.h"

namespace {
constexpr int Text_Error_Row = 2532;
constexpr int Text_Too_Many = 2559;
constexpr int Text_Delete_Question = 2560;

// A Mnemonic with ";" or a line break used to shift the columns of the EDE
// file: it is refused.
constexpr int Text_Mnemonic_Breaks_EDE = 2561;

constexpr TTable_Column Value(const char* Attribute) { return {Attribute, nullptr, false}; }

std::vector<TTable_Column> Columns() {
  return {Value("Data_Type"), Value("Eng_Unit"),   Value("Position"), Value("Bit"),
          Value("Length"),    {"Swap", "N", true}, Value("Mnemonic")};
}

// The rule of an object type: a binary type takes one bit of the byte at
// Position, any other Length bytes from Position, Length in Lo..Hi. Text 0
// means the type has no rule in that table.
struct TType_Rule {
  const char* Name;
  bool Binary;
  int Lo, Hi;
  int Read_Text, Write_Text;
  // What choosing the type in the write table puts into Length.
  const char* Write_Length;
};

constexpr int In_Table = -1;  // binary types: the table's Start Bit text

const TType_Rule Type_Rules[] = {
    {"Analog Input", false, 1, 4, 2535, 0, nullptr},
    {"Analog Out", false, 1, 4, 0, 2549, "4"},
    {"Analog Value", false, 1, 4, 2538, 2550, "4"},
    {"Binary Input", true, 0, 0, In_Table, 0, nullptr},
    {"Binary Out", true, 0, 0, 0, In_Table, "1"},
    {"Binary Value", true, 0, 0, In_Table, In_Table, "1"},
    {"Positive Integer Value", false, 1, 4, 2536, 2551, "4"},
    {"Large Analog Value", false, 1, 8, 2537, 2552, "8"},
    {"Integer Value", false, 1, 4, 0, 2553, "4"},
    {"Multi State Input", false, 1, 4, 2539, 0, nullptr},
    {"Multi State Output", false, 1, 4, 0, 2554, "4"},
    {"Multi State Value", false, 1, 4, 2540, 2555, "4"},
    {"Life Safety Point", false, 1, 2, 2541, 0, nullptr},
    {"Life Safety Zone", false, 1, 2, 2542, 0, nullptr},
    {"Access Door", false, 1, 1, 2543, 2556, "1"},
    {"Accumulator", false, 1, 4, 2544, 0, nullptr},
};

// The texts that tell the two tables' checks apart.
struct TBACnet_Table_Check {
  int Grid;
  int Eng_Unit, Position, Bit, Span;
  int Page_Caption, Key_Header;
};

const TBACnet_Table_Check Read_Check{BACnet_Read_Grid, 2533, 2534, 2545, 2546, 2508, 2517};
const TBACnet_Table_Check Write_Check{BACnet_Write_Grid, 2547, 2548, 2557, 2558, 2509, 2525};

std::string Text(int Id) { return Lang_Table->Strings(Id); }

// The type's rule in the table, compared exactly; nullptr when it has none
// there.
const TType_Rule* Rule_Of(const std::string& Type, int Grid) {
  for (const TType_Rule& rule : Type_Rules) {
    if (Type != rule.Name) continue;
    const int text = Grid == BACnet_Read_Grid ? rule.Read_Text : rule.Write_Text;
    return text != 0 ? &rule : nullptr;
  }
  return nullptr;
}

std::optional<std::string> Check_BACnet_Row(const TTable_Grid_View& G, int r, const TBACnet_Table_Check& T,
                                            int NByte) {
  if (!Cell_In_Range(G, BACnet_Col_Eng_Unit, r, 0, 65535)) return Text(T.Eng_Unit);
  if (!Cell_In_Range(G, BACnet_Col_Position, r, 0, NByte - 1))
    return Text(T.Position) + std::to_string(NByte - 1);
  const long long position = Cell_Int(G, BACnet_Col_Position, r);
  long long last = position;
  const TType_Rule* rule = Rule_Of(G.GetCellEx(BACnet_Col_Data_Type, r), T.Grid);
  if (rule && rule->Binary) {
    if (!Cell_In_Range(G, BACnet_Col_Bit, r, 0, 7)) return Text(T.Bit);
  } else {
    // An empty or non-numeric Length counts as 0 here.
    const long long length = Text_To_Int(G.GetCellEx(BACnet_Col_Length, r), 0);
    if (rule && (length < rule->Lo || length > rule->Hi))
      return Text(T.Grid == BACnet_Read_Grid ? rule->Read_Text : rule->Write_Text);
    last = position + length - 1;
  }
  if (last >= NByte) return Text(T.Span);
  if (Mnemonic_Breaks_EDE_Line(G.GetCellEx(BACnet_Col_Mnemonic, r)))
    return "!! [" + Text(T.Page_Caption) + "] " + Text(Text_Mnemonic_Breaks_EDE);
  return std::nullopt;
}

// No Enable column: every row up to the first empty Data Type is checked.
bool Every_Row(const TTable_Grid_View&, int) { return true; }

std::optional<std::string> Check_BACnet_Table(const TTable_Grid_View& G, const TTable_Grid_Format& Format,
                                              const TBACnet_Table_Check& T, int NByte) {
  TTable_Check check;
  check.Error_Row = Text(Text_Error_Row);
  check.Key_Gap = "!! [" + Text(T.Page_Caption) + "] " + Key_Gap_Text(Text(T.Key_Header));
  check.Enabled = Every_Row;
  check.Check_Row = [&](int r) { return Check_BACnet_Row(G, r, T, NByte); };
  return Check_Table(G, Format, check);
}

TTable_File_Format Sized_File(int Rows) {
  TTable_File_Format file = BACnet_Slave_File;
  for (TTable_Grid_Format& grid : file.Grids) grid.Rows = Rows;
  return file;
}

void Clear_Rows(TTable_Grid_View& Grid, int From, int To) {
  for (int r = From; r <= To; ++r) {
    Grid.SetCellEx(0, r, std::to_string(r));
    for (int c = 1; c < Grid.Storage_Col_Count(); ++c) Grid.SetCellEx(c, r, "");
  }
}
}  // namespace

const TTable_File_Format BACnet_Slave_File{
    "BACnet_to_Modbus",
    "SW_VERSION = 1.000",
    {
        {"BACnet_in_Read", BACnet_Col_Data_Type, false, BACnet_Table_Rows, Columns()},
        {"BACnet_in_Write", BACnet_Col_Data_Type, false, BACnet_Table_Rows, Columns()},
    }};

const std::vector<std::string> BACnet_Read_Data_Types = {
    "Analog Input",       "Analog Value",  "Binary Input",      "Binary Value",      "Positive Integer Value",
    "Large Analog Value", "Integer Value", "Multi State Input", "Multi State Value", "Life Safety Point",
    "Life Safety Zone",   "Access Door",   "Accumulator"};

const std::vector<std::string> BACnet_Write_Data_Types = {
    "Analog Out",    "Analog Value",           "Binary Out",
    "Binary Value",  "Positive Integer Value", "Large Analog Value",
    "Integer Value", "Multi State Output",     "Multi State Value",
    "Access Door"};

bool Read_Desc_Lenght(const std::string& ParGen_Path) {
  try {
    if (!Project_File_Present(ParGen_Path)) return false;
    TXMLDocument doc;
    const TXMLNode root = Load_Project_File(doc, ParGen_Path);
    return Child_Text(root, "BACnet_Desc_Chars_Limit") == std::optional<std::string>("1");
  } catch (const Exception&) {
    return false;
  }
}

int BACnet_Object_Limit(bool Desc_Lenght) {
  return Desc_Lenght ? BACnet_Table_Rows_Long_Names : BACnet_Table_Rows;
}

std::optional<std::string> BACnet_Check_Message(const TTable_Grid_View& Read, const TTable_Grid_View& Write,
                                                int NByte_IN, int NByte_OUT, bool Desc_Lenght) {
  const int limit = BACnet_Object_Limit(Desc_Lenght);
  const TTable_File_Format file = Sized_File(limit);
  if (auto failure = Check_BACnet_Table(Read, file.Grids[BACnet_Read_Grid], Read_Check, NByte_IN))
    return failure;
  if (auto failure = Check_BACnet_Table(Write, file.Grids[BACnet_Write_Grid], Write_Check, NByte_OUT))
    return failure;
  const int count =
      Table_Length(Read, file.Grids[BACnet_Read_Grid]) + Table_Length(Write, file.Grids[BACnet_Write_Grid]);
  if (count > limit) return Text(Text_Too_Many) + std::to_string(limit);
  return std::nullopt;
}

bool Mnemonic_Breaks_EDE_Line(std::string_view Mnemonic) {
  for (char c : Mnemonic) {
    const auto b = static_cast<unsigned char>(c);
    if (c == ';' || b < 0x20 || b == 0x7F) return true;
  }
  return false;
}

std::optional<std::string> BACnet_Write_Type_Length(std::string_view Chosen) {
  const std::string chosen = UpperCase(Chosen);
  for (const TType_Rule& rule : Type_Rules)
    if (rule.Write_Length && chosen == UpperCase(rule.Name)) return std::string(rule.Write_Length);
  return std::nullopt;
}

bool Set_Write_Type_Length(TTable_Grid_View& Write, int Col, int Row, std::string_view Chosen) {
  if (Col != BACnet_Col_Data_Type) return false;
  const std::optional<std::string> length = BACnet_Write_Type_Length(Chosen);
  if (!length) return false;
  Write.SetCellEx(BACnet_Col_Length, Row, *length);
  return true;
}

bool Pick_Eng_Unit(TTable_Grid_View& View, int Col, int Row,
                   const std::function<std::optional<std::string>(const std::string& E_Selected_EU,
                                                                  const std::string& Label5)>& Show) {
  if (Col != BACnet_Col_Eng_Unit || Row < 1) return false;
  const std::string unit = View.GetCellEx(Col, Row);
  const std::optional<std::string> chosen = Show(unit, Unit_Label(Text_To_Int(unit, -1)));
  if (!chosen) return false;
  View.SetCellEx(Col, Row, *chosen);
  return true;
}

TBACnetSlave_Tables::TBACnetSlave_Tables() : TTable_Editor(File_Format, Path_BACnet_Slave) {}

std::optional<std::string> TBACnetSlave_Tables::Check_Message() {
  return BACnet_Check_Message(Grid(BACnet_Read_Grid), Grid(BACnet_Write_Grid), NByte_IN, NByte_OUT,
                              Desc_Lenght);
}

std::string TBACnetSlave_Tables::Delete_Question() const { return Text(Text_Delete_Question); }

std::string TBACnetSlave_Tables::Grid_Name(int Index) const {
  return Text(Index == BACnet_Read_Grid ? Read_Check.Page_Caption : Write_Check.Page_Caption);
}

void TBACnetSlave_Tables::Before_Load() {
  NByte_IN = BACnet_Data_Array_Size;
  NByte_OUT = BACnet_Data_Array_Size;
  const int cleared = File_Format.Grids[0].Rows;
  Desc_Lenght = Read_Desc_Lenght(Path_ParGen);
  const int rows = Table_Rows();
  for (TTable_Grid_Format& grid : File_Format.Grids) grid.Rows = rows;
  if (Set_Row_Count) Set_Row_Count(rows + 1);
  // The tables were cleared at their former size: at another size, clear
  // them again as they are now.
  if (rows != cleared)
    for (int g = 0; g < Grid_Count(); ++g) Clear_Rows(Grid(g), 1, rows);
}
