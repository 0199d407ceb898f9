#include "tables/plc/US7_Protocol_Set_Access.h"

#include <cstdint>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UTable_Grid_View.h"
#include "framework/classes/StringList.h"

namespace {
// The S7comm block has no Delete Row question; the CAN editors' text is the
// same sentence.
constexpr int Text_Delete_Question = 1758;
constexpr int Text_Error_Row = 1270;

constexpr TTable_Column Check(const char* Attribute) { return {Attribute, nullptr, true}; }
constexpr TTable_Column Value(const char* Attribute, const char* Default = nullptr) {
  return {Attribute, Default, false};
}

// Columns 1 to 13, the same in both grids.
std::vector<TTable_Column> Connection_Columns() {
  return {{"Enable", "Y", true}, Value("PLC_Address"), Value("PLC_Port"),  Value("PLC_Type"),
          Value("Rack", "0"),    Value("Slot", "0"),   Value("Data_Type"), Value("Data_Identifier"),
          Value("DB_Number"),    Value("PLC_Area"),    Value("PLC_Add"),   Value("PLC_Bit"),
          Value("PollTime")};
}

std::vector<TTable_Column> Read_Columns() {
  std::vector<TTable_Column> c = Connection_Columns();
  c.insert(c.end(), {Value("Position"), Value("Bit"), Check("Swap"), Check("SwapWord"), Value("Mnemonic")});
  return c;
}

std::vector<TTable_Column> Write_Columns() {
  std::vector<TTable_Column> c = Connection_Columns();
  c.insert(c.end(), {Check("OnChange"), Check("OnCMD"), Value("Position"), Value("Bit"), Check("Swap"),
                     Check("SwapWord"), Value("Mnemonic")});
  return c;
}

// The texts and columns that tell the two tables' checks apart.
struct TS7_Table_Check {
  int Address, Port, Connections, Type, Rack, Slot, Data_Type, Data_Identifier, DB_Number, Area, Add, PLC_Bit,
      Poll_Time, Position, Start_Bit;
  int Poll_Time_Min;
  int Position_Col, Bit_Col;
  // The page caption and key header that name the table in the message of
  // a row with an empty key.
  int Page_Caption, Key_Header;
};

const TS7_Table_Check Read_Check{.Address = 1271,
                                 .Port = 1272,
                                 .Connections = 1287,
                                 .Type = 1273,
                                 .Rack = 1321,
                                 .Slot = 1322,
                                 .Data_Type = 1274,
                                 .Data_Identifier = 1275,
                                 .DB_Number = 1305,
                                 .Area = 1306,
                                 .Add = 1307,
                                 .PLC_Bit = 1308,
                                 .Poll_Time = 1276,
                                 .Position = 1277,
                                 .Start_Bit = 1278,
                                 .Poll_Time_Min = 1,
                                 .Position_Col = S7_Read_Col_Position,
                                 .Bit_Col = S7_Read_Col_Bit,
                                 .Page_Caption = 1214,
                                 .Key_Header = 1218};
const TS7_Table_Check Write_Check{.Address = 1279,
                                  .Port = 1280,
                                  .Connections = 1288,
                                  .Type = 1281,
                                  .Rack = 1323,
                                  .Slot = 1324,
                                  .Data_Type = 1282,
                                  .Data_Identifier = 1283,
                                  .DB_Number = 1309,
                                  .Area = 1310,
                                  .Add = 1311,
                                  .PLC_Bit = 1312,
                                  .Poll_Time = 1284,
                                  .Position = 1285,
                                  .Start_Bit = 1286,
                                  .Poll_Time_Min = 0,
                                  .Position_Col = S7_Write_Col_Position,
                                  .Bit_Col = S7_Write_Col_Bit,
                                  .Page_Caption = 1215,
                                  .Key_Header = 1231};

std::string Text(int Id) { return Lang_Table->Strings(Id); }

// The fields of one enabled row, in the order the check takes them.
std::optional<std::string> Check_S7_Row(const TTable_Grid_View& G, int r, const TS7_Table_Check& T, int NByte,
                                        std::vector<TIPPort>& Connections) {
  std::uint8_t o1 = 0, o2 = 0, o3 = 0, o4 = 0;
  std::string buffer;
  if (IP_Address_To_Bytes(G.Cell_Text(S7_Col_PLC_Address, r, buffer), o1, o2, o3, o4)) return Text(T.Address);
  if (!Cell_In_Range(G, S7_Col_PLC_Port, r, 0, 65535)) return Text(T.Port);
  if (Check_IP_Port(Connections, o1, o2, o3, o4, Cell_Int(G, S7_Col_PLC_Port, r)) < 0)
    return Text(T.Connections);
  if (Cell_Blank(G, S7_Col_PLC_Type, r)) return Text(T.Type);
  if (!Cell_In_Range(G, S7_Col_Rack, r, 0, 3)) return Text(T.Rack);
  if (!Cell_In_Range(G, S7_Col_Slot, r, 0, 31)) return Text(T.Slot);
  if (Cell_Blank(G, S7_Col_Data_Type, r)) return Text(T.Data_Type);
  if (Cell_Blank(G, S7_Col_Data_Identifier, r)) return Text(T.Data_Identifier);
  if (!Cell_In_Range(G, S7_Col_DB_Number, r, 0, 65535)) return Text(T.DB_Number);
  if (Cell_Blank(G, S7_Col_PLC_Area, r)) return Text(T.Area);
  if (!Cell_In_Range(G, S7_Col_PLC_Add, r, 0, 65535)) return Text(T.Add);
  if (Cell_Blank(G, S7_Col_PLC_Bit, r)) return Text(T.PLC_Bit);
  if (!Cell_In_Range(G, S7_Col_Poll_Time, r, T.Poll_Time_Min, 100000000)) return Text(T.Poll_Time);
  if (!Cell_In_Range(G, T.Position_Col, r, 0, NByte - 1)) return Text(T.Position) + std::to_string(NByte - 1);
  if (Cell_Blank(G, T.Bit_Col, r)) return Text(T.Start_Bit);
  return std::nullopt;
}

std::optional<std::string> Check_S7_Table(const TTable_Grid_View& G, const TTable_Grid_Format& Format,
                                          const TS7_Table_Check& T, int NByte,
                                          std::vector<TIPPort>& Connections) {
  TTable_Check check;
  check.Error_Row = Text(Text_Error_Row);
  check.Key_Gap = "!! [" + Text(T.Page_Caption) + "] " + Key_Gap_Text(Text(T.Key_Header));
  check.Enabled = Enable_Is_Y;
  check.Check_Row = [&](int r) { return Check_S7_Row(G, r, T, NByte, Connections); };
  return Check_Table(G, Format, check);
}
}  // namespace

const TTable_File_Format S7_Protocol_File{
    "S7_Protocol",
    "SW_VERSION = 1.003",
    {
        {"S7_Protocol_Read", S7_Col_PLC_Address, true, S7_Table_Rows, Read_Columns()},
        {"S7_Protocol_Write", S7_Col_PLC_Address, true, S7_Table_Rows, Write_Columns()},
    }};

int Check_IP_Port(std::vector<TIPPort>& array_ip_Port, int IP1, int IP2, int IP3, int IP4, int Port) {
  for (std::size_t i = 0; i < array_ip_Port.size(); ++i) {
    TIPPort& e = array_ip_Port[i];
    if (e.IP1 == -1) {
      e = TIPPort{IP1, IP2, IP3, IP4, Port};
      return static_cast<int>(i);
    }
    if (e.IP1 == IP1 && e.IP2 == IP2 && e.IP3 == IP3 && e.IP4 == IP4 && e.Port == Port)
      return static_cast<int>(i);
  }
  return -1;
}

std::optional<std::string> S7_Check_Message(const TTable_Grid_View& Read, const TTable_Grid_View& Write,
                                            int NByte_IN, int NByte_OUT,
                                            std::vector<TIPPort>& array_ip_Port) {
  array_ip_Port.assign(S7_Max_Connections, TIPPort{});
  if (auto failure =
          Check_S7_Table(Read, S7_Protocol_File.Grids[S7_Read_Grid], Read_Check, NByte_IN, array_ip_Port))
    return failure;
  return Check_S7_Table(Write, S7_Protocol_File.Grids[S7_Write_Grid], Write_Check, NByte_OUT, array_ip_Port);
}

TS7_Protocol_Tables::TS7_Protocol_Tables() : TTable_Editor(S7_Protocol_File, Path_S7_Protocol) {}

int TS7_Protocol_Tables::Check_IP_Port(int IP1, int IP2, int IP3, int IP4, int Port) {
  return ::Check_IP_Port(array_ip_Port, IP1, IP2, IP3, IP4, Port);
}

std::optional<std::string> TS7_Protocol_Tables::Check_Message() {
  return S7_Check_Message(Grid(S7_Read_Grid), Grid(S7_Write_Grid), NByte_IN, NByte_OUT, array_ip_Port);
}

std::string TS7_Protocol_Tables::Delete_Question() const { return Text(Text_Delete_Question); }

std::string TS7_Protocol_Tables::Grid_Name(int Index) const {
  return Text(Index == S7_Read_Grid ? 1214 : 1215);
}

void TS7_Protocol_Tables::Before_Load() {
  NByte_IN = S7_Data_Array_Size;
  NByte_OUT = S7_Data_Array_Size;
}
