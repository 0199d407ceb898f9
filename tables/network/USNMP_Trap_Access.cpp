#include "tables/network/USNMP_Trap_Access.h"

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UTable_Grid_View.h"
#include "framework/classes/StringList.h"
#include "framework/rtl/StrUtils.h"

namespace {
std::string Text(int Id) { return Lang_Table->Strings(Id); }

constexpr TTable_Column Value(const char* Attribute, const char* Default = "") {
  return {Attribute, Default, false};
}
constexpr TTable_Column Check(const char* Attribute, const char* Default) {
  return {Attribute, Default, true};
}

constexpr int Text_Error_Row = 2260;
constexpr int Text_Delete_Question = 2275;
constexpr int Text_Same_Descriptions = 2280;

// The texts and columns that tell the two tables' checks apart. The read
// table alone has the timer and the destination address.
struct TSNMP_Table_Check {
  int Community_Name, Type, Time, Position, Start_Bit, Start_Bit_String, Bits_Int, Bytes_String, Description,
      IP_Address, Conversion;
  int Position_Col, Bit_Col, Num_Bits_Col, Description_Col, Conversion_Col;
  int Page_Caption, Key_Header;
};

const TSNMP_Table_Check Read_Check{.Community_Name = 2276,
                                   .Type = 2261,
                                   .Time = 2262,
                                   .Position = 2263,
                                   .Start_Bit = 2264,
                                   .Start_Bit_String = 2265,
                                   .Bits_Int = 2266,
                                   .Bytes_String = 2267,
                                   .Description = 2277,
                                   .IP_Address = 2268,
                                   .Conversion = 2285,
                                   .Position_Col = SNMP_Read_Col_Position,
                                   .Bit_Col = SNMP_Read_Col_Bit,
                                   .Num_Bits_Col = SNMP_Read_Col_Num_Bits,
                                   .Description_Col = SNMP_Read_Col_Description,
                                   .Conversion_Col = SNMP_Read_Col_Conversion,
                                   .Page_Caption = 2208,
                                   .Key_Header = 2218};
const TSNMP_Table_Check Write_Check{.Community_Name = 2278,
                                    .Type = 2269,
                                    .Time = 0,
                                    .Position = 2270,
                                    .Start_Bit = 2271,
                                    .Start_Bit_String = 2272,
                                    .Bits_Int = 2273,
                                    .Bytes_String = 2274,
                                    .Description = 2279,
                                    .IP_Address = 0,
                                    .Conversion = 2286,
                                    .Position_Col = SNMP_Write_Col_Position,
                                    .Bit_Col = SNMP_Write_Col_Bit,
                                    .Num_Bits_Col = SNMP_Write_Col_Num_Bits,
                                    .Description_Col = SNMP_Write_Col_Description,
                                    .Conversion_Col = SNMP_Write_Col_Conversion,
                                    .Page_Caption = 2209,
                                    .Key_Header = 2232};

bool Is_Letter_Or_Digit(char C) {
  return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9');
}

std::optional<std::string> Check_SNMP_Row(const TTable_Grid_View& G, int r, const TSNMP_Table_Check& T,
                                          std::vector<std::string>& Descriptions) {
  if (Check_Error_CommName_Desc(G.GetCellEx(SNMP_Col_Community_Name, r), 0)) return Text(T.Community_Name);
  if (Cell_Blank(G, SNMP_Col_Type, r)) return Text(T.Type);
  if (T.Time != 0 && UpperCase(G.GetCellEx(SNMP_Read_Col_On_Timer, r)) == "Y" &&
      !Cell_In_Range(G, SNMP_Read_Col_Time, r, 1, 1000000000))
    return Text(T.Time);
  if (Cell_Blank(G, T.Position_Col, r)) return Text(T.Position);
  if (Cell_Blank(G, T.Bit_Col, r)) return Text(T.Start_Bit);
  const bool is_int = UpperCase(G.GetCellEx(SNMP_Col_Type, r)) == "INT";
  if (!is_int && Trim(G.GetCellEx(T.Bit_Col, r)) != "0") return Text(T.Start_Bit_String);
  if (is_int ? !Cell_In_Range(G, T.Num_Bits_Col, r, 1, 64) : !Cell_In_Range(G, T.Num_Bits_Col, r, 1, 16))
    return Text(is_int ? T.Bits_Int : T.Bytes_String);
  const std::string description = G.GetCellEx(T.Description_Col, r);
  if (Check_Error_CommName_Desc(description, 1)) return Text(T.Description);
  Descriptions.push_back(description);
  if (T.IP_Address != 0) {
    std::string p1, p2, p3, p4;
    if (!Split_IP_Address(G.GetCellEx(SNMP_Read_Col_IP_Address, r), p1, p2, p3, p4))
      return Text(T.IP_Address);
  }
  if (Cell_Blank(G, T.Conversion_Col, r)) return Text(T.Conversion);
  return std::nullopt;
}

std::optional<std::string> Check_SNMP_Table(const TTable_Grid_View& G, const TTable_Grid_Format& Format,
                                            const TSNMP_Table_Check& T,
                                            std::vector<std::string>& Descriptions) {
  TTable_Check check;
  check.Error_Row = Text(Text_Error_Row);
  check.Key_Gap = "!! [" + Text(T.Page_Caption) + "] " + Key_Gap_Text(Text(T.Key_Header));
  check.Enabled = SNMP_Row_Enabled;
  check.Check_Row = [&](int r) { return Check_SNMP_Row(G, r, T, Descriptions); };
  return Check_Table(G, Format, check);
}

std::vector<TTable_Column> Read_Columns() {
  return {Check("Enable", "Y"),
          Value("Community_Name"),
          Value("Type"),
          Check("On_Change", "N"),
          Check("On_Command", "N"),
          Check("On_Timer", "N"),
          Value("Time"),
          Value("Position"),
          Value("Bit"),
          Value("NumBits"),
          Value("Description"),
          Value("IP_Address"),
          Value("Conversion", "None"),
          Value("Mnemonic")};
}

std::vector<TTable_Column> Write_Columns() {
  return {Check("Enable", "Y"), Value("Community_Name"), Value("Type"),        Value("Position"),
          Value("Bit"),         Value("NumBits"),        Value("Description"), Value("Conversion", "None"),
          Value("Mnemonic")};
}
}  // namespace

const std::vector<std::string> SNMP_Community_Items = {"Public", "Private"};
const std::vector<std::string> SNMP_Type_Items = {"Int", "String"};
const std::vector<std::string> SNMP_Start_Bit_Items = {"0", "1", "2", "3", "4", "5", "6", "7"};
const std::vector<std::string> SNMP_Conversion_Items = {"None",        "Float",      "Float * 10",
                                                        "Float * 100", "Float / 10", "Float / 100"};

const TTable_File_Format SNMP_Trap_File{
    "SNMP_Trap",
    "SW_VERSION = 1.000",
    {
        {"SNMP_Trap_Read", SNMP_Col_Community_Name, true, SNMP_Table_Rows, Read_Columns()},
        {"SNMP_Trap_Write", SNMP_Col_Community_Name, true, SNMP_Table_Rows, Write_Columns()},
    }};

bool Check_Error_CommName_Desc(const std::string& Text, int Check_Type) {
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const char c = Text[i];
    if (i == 0 && Check_Type == 1) {
      if (c < 'a' || c > 'z') return true;
    } else if (!Is_Letter_Or_Digit(c)) {
      return true;
    }
  }
  return false;
}

void Index_Row_Build(TTable_Grid_View& Grid) {
  int counter = 1;
  for (int r = 1; r < Grid.RowCount(); ++r)
    Grid.SetCellEx(0, r, SNMP_Row_Enabled(Grid, r) ? std::to_string(counter++) : std::string());
}

bool SNMP_Row_Enabled(const TTable_Grid_View& Grid, int Row) {
  return UpperCase(Grid.GetCellEx(SNMP_Col_Enable, Row)) == "Y";
}

std::optional<std::string> SNMP_Check_Message(const TTable_Grid_View& Read, const TTable_Grid_View& Write,
                                              std::vector<std::string>& SL_Check_Desc) {
  SL_Check_Desc.clear();
  if (auto failure = Check_SNMP_Table(Read, SNMP_Trap_File.Grids[SNMP_Read_Grid], Read_Check, SL_Check_Desc))
    return failure;
  if (auto failure =
          Check_SNMP_Table(Write, SNMP_Trap_File.Grids[SNMP_Write_Grid], Write_Check, SL_Check_Desc))
    return failure;
  // The descriptions name the agent's objects: no two alike across both
  // tables, two empty ones included.
  for (std::size_t i = 0; i < SL_Check_Desc.size(); ++i)
    for (std::size_t j = i + 1; j < SL_Check_Desc.size(); ++j)
      if (SL_Check_Desc[i] == SL_Check_Desc[j]) return Text(Text_Same_Descriptions);
  return std::nullopt;
}

TSNMP_Trap_Tables::TSNMP_Trap_Tables() : TTable_Editor(SNMP_Trap_File, Path_SNMP_Trap) {}

std::optional<std::string> TSNMP_Trap_Tables::Check_Message() {
  return SNMP_Check_Message(Grid(SNMP_Read_Grid), Grid(SNMP_Write_Grid), SL_Check_Desc);
}

void TSNMP_Trap_Tables::Check_Box_Clicked(int Index, int Col) {
  if (Col == SNMP_Col_Enable) Index_Row_Build(Grid(Index));
}

std::string TSNMP_Trap_Tables::Delete_Question() const { return Text(Text_Delete_Question); }

std::string TSNMP_Trap_Tables::Grid_Name(int Index) const {
  return Text(Index == SNMP_Read_Grid ? 2208 : 2209);
}

void TSNMP_Trap_Tables::Before_Load() {
  NByte_IN = SNMP_Data_Array_Size;
  NByte_OUT = SNMP_Data_Array_Size;
}

void TSNMP_Trap_Tables::After_Load() {
  Index_Row_Build(Grid(SNMP_Read_Grid));
  Index_Row_Build(Grid(SNMP_Write_Grid));
}
