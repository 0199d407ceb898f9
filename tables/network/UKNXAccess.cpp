#include "tables/network/UKNXAccess.h"

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UTable_Grid_View.h"
#include "framework/classes/StringList.h"
#include "framework/rtl/StrUtils.h"

namespace {
std::string Text(int Id) { return Lang_Table->Strings(Id); }

constexpr TTable_Column Value(const char* Attribute, const char* Default = nullptr) {
  return {Attribute, Default, false};
}
constexpr TTable_Column Check(const char* Attribute, const char* Default = nullptr) {
  return {Attribute, Default, true};
}

// The file may hold any text; the grid offers four priorities.
std::string Known_Priority(const std::string& Value) {
  for (const std::string& item : KNX_Priority_Items)
    if (Value == item) return Value;
  return "Normal";
}

TTable_Column Priority_Column() {
  TTable_Column column = Value("Priority", "Normal");
  column.Read_As = Known_Priority;
  return column;
}

constexpr int Text_Error_Row = 1448;
constexpr int Text_Source = 1449;
constexpr int Text_Destination_Dot = 1450;
constexpr int Text_Destination_Group = 1451;
constexpr int Text_APCI = 1452;
constexpr int Text_Priority = 1453;
constexpr int Text_Format = 1454;
constexpr int Text_Poll_Time = 1455;
constexpr int Text_Position = 1456;
constexpr int Text_Bit_Mode = 1457;
constexpr int Text_Length = 1458;
constexpr int Text_Position_Length = 1459;
constexpr int Text_Delete_Question = 1460;
constexpr int Text_Mul_Factor = 1465;
constexpr int Text_TimeOut = 1466;
constexpr int Text_Source_Header = 1416;

bool Is_Y(const TTable_Grid_View& G, int Col, int Row) { return UpperCase(G.GetCellEx(Col, Row)) == "Y"; }

std::optional<std::string> Check_KNX_Row(const TTable_Grid_View& G, int r, int Max_Num_Byte, char Separator) {
  if (Check_KNX_Address(Trim(G.GetCellEx(KNX_Col_Source_Address, r)), false, true) != 0)
    return Text(Text_Source);
  const std::string destination = Trim(G.GetCellEx(KNX_Col_Destination_Address, r));
  if (Has_No_Dot(destination)) {
    if (Check_KNX_Address(destination, true, false) != 0) return Text(Text_Destination_Group);
  } else if (Check_KNX_Address(destination, false, true) != 0) {
    return Text(Text_Destination_Dot);
  }
  const std::string apci = UpperCase(G.GetCellEx(KNX_Col_APCI, r));
  if (apci != "READ" && apci != "WRITE" && !Cell_In_Range(G, KNX_Col_APCI, r, 0, 1023))
    return Text(Text_APCI);
  const std::string priority = G.GetCellEx(KNX_Col_Priority, r);
  if (priority != "System" && priority != "Urgent" && priority != "Normal" && priority != "Low")
    return Text(Text_Priority);
  if (Cell_Blank(G, KNX_Col_Format, r)) return Text(Text_Format);
  const std::string factor = G.GetCellEx(KNX_Col_Mul_Factor, r);
  float value = 0;
  if (!Trim(factor).empty() && !Text_To_Float(factor, Separator, value)) return Text(Text_Mul_Factor);
  if (Is_Y(G, KNX_Col_On_Timer, r) && !Cell_In_Range(G, KNX_Col_Poll_Time, r, 1, 100000000))
    return Text(Text_Poll_Time);
  if (!Cell_In_Range(G, KNX_Col_Position, r, 0, Max_Num_Byte - 1))
    return Text(Text_Position) + std::to_string(Max_Num_Byte - 1);
  const bool bit_mode = UpperCase(G.GetCellEx(KNX_Col_Bit_Mode, r)) != "NO";
  int start_bit = 0;
  if (bit_mode) {
    if (!Cell_In_Range(G, KNX_Col_Bit_Mode, r, 0, 7)) return Text(Text_Bit_Mode);
    start_bit = Cell_Int(G, KNX_Col_Bit_Mode, r);
  }
  const bool extended = Is_Y(G, KNX_Col_Extended, r);
  const int limit = bit_mode ? (extended ? 2040 : 112) : (extended ? 255 : 14);
  if (!Cell_In_Range(G, KNX_Col_Length, r, 1, limit)) return Text(Text_Length) + std::to_string(limit);
  const int length = Cell_Int(G, KNX_Col_Length, r);
  const int bytes = bit_mode ? (length + start_bit + 7) / 8 : length;
  if (Cell_Int(G, KNX_Col_Position, r) + bytes > Max_Num_Byte)
    return Text(Text_Position_Length) + std::to_string(Max_Num_Byte);
  if (!Cell_In_Range(G, KNX_Col_TimeOut, r, 0, 100000000)) return Text(Text_TimeOut);
  return std::nullopt;
}
}  // namespace

const std::vector<std::string> KNX_APCI_Items = {"Read", "Write"};
const std::vector<std::string> KNX_Priority_Items = {"System", "Urgent", "Normal", "Low"};
const std::vector<std::string> KNX_Format_Items = {"None",
                                                   "Swap16",
                                                   "Swap32",
                                                   "Swap All",
                                                   "Int to Float",
                                                   "Float to Int",
                                                   "Float16 to Float32",
                                                   "Float16 to Int",
                                                   "Float16 to Int * 10",
                                                   "Float16 to Int * 100"};
const std::vector<std::string> KNX_Bit_Mode_Items = {"No", "0", "1", "2", "3", "4", "5", "6", "7"};

const TTable_File_Format KNXAccess_File{
    "BACnet_to_KNX",
    "SW_VERSION = 1.001",
    {
        {"KNX_in_Write",
         KNX_Col_Source_Address,
         true,
         KNX_Table_Rows,
         {Check("Enable", "Y"), Value("Source_Address"), Value("Destination_Address"), Value("APCI"),
          Priority_Column(), Value("Format", "None"), Value("MultiplicationFactor", ""), Check("Extended"),
          Check("ReTest"), Check("On_Command", "N"), Check("On_Change"), Check("On_Timer", "N"),
          Value("Poll_Time"), Value("Position"), Value("Bit_Mode"), Value("Length"), Value("TimeOut", "0"),
          Value("Mnemonic")}},
    }};

std::optional<std::string> KNX_Check_Message(const TTable_Grid_View& Grid, int Max_Num_Byte, char Separator) {
  TTable_Check check;
  check.Error_Row = Text(Text_Error_Row);
  check.Key_Gap = "!! [KNX in Write] " + Key_Gap_Text(Text(Text_Source_Header));
  check.Enabled = Enable_Is_Y;
  check.Check_Row = [&](int r) { return Check_KNX_Row(Grid, r, Max_Num_Byte, Separator); };
  return Check_Table(Grid, KNXAccess_File.Grids[0], check);
}

TKNXAccess_Table::TKNXAccess_Table() : TTable_Editor(KNXAccess_File, Path_KNX_SetAccess) {}

std::optional<std::string> TKNXAccess_Table::Check_Message() {
  return KNX_Check_Message(Grid(0), Max_Num_Byte, Get_Decimal_Separator());
}

std::string TKNXAccess_Table::Delete_Question() const { return Text(Text_Delete_Question); }
