#include "tables/network/UIEC61850_Variables.h"

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

constexpr int Text_Error_Row = 1529;
constexpr int Text_Position = 1530;
constexpr int Text_Delete_Question = 1531;
constexpr int Text_Start_Bit = 1538;
constexpr int Text_Conversion = 1539;
constexpr int Text_Mul_Factor = 1540;
constexpr int Text_Length = 1541;
constexpr int Text_Name_Header = 1516;

std::optional<std::string> Check_IEC_Row(const TTable_Grid_View& G, int r, int NByte_IN, char Separator) {
  if (!Cell_In_Range(G, IEC_Col_Length, r, 1, 4)) return Text(Text_Length);
  if (!Cell_In_Range(G, IEC_Col_Position, r, 0, NByte_IN - 1))
    return Text(Text_Position) + std::to_string(NByte_IN - 1);
  if (G.GetCellEx(IEC_Col_Type, r) == "Digital (Bit)" && Cell_Blank(G, IEC_Col_Start_Bit, r))
    return Text(Text_Start_Bit);
  if (Cell_Blank(G, IEC_Col_Conversion, r)) return Text(Text_Conversion);
  const std::string factor = G.GetCellEx(IEC_Col_Mul_Factor, r);
  float value = 0;
  if (UpperCase(Trim(factor)) != "NONE" && !Text_To_Float(factor, Separator, value))
    return Text(Text_Mul_Factor);
  return std::nullopt;
}
}  // namespace

const std::vector<std::string> IEC_Type_Items = {"Int", "Float", "Digital (Bit)"};
const std::vector<std::string> IEC_Start_Bit_Items = {"0", "1", "2", "3", "4", "5", "6", "7"};
const std::vector<std::string> IEC_Conversion_Items = {"None", "Int to Float", "Float to Int"};
const std::vector<std::string> IEC_Mul_Factor_Items = {"None"};

const TTable_File_Format IEC61850_Variables_File{
    "IEC61850_Variables",
    "SW_VERSION = 1.000",
    {
        {nullptr,
         IEC_Col_Name,
         true,
         IEC_Table_Rows,
         {Check("Enable", "Y"), Value("Name"), Value("Type"), Value("Length"), Check("ReadOnly", "N"),
          Value("Position"), Value("StartBit"), Value("Conversion"), Value("MultiplicationFactor"),
          Check("Swap", "N"), Check("SwapWord", "N"), Value("Mnemonic")}},
    }};

std::optional<std::string> IEC61850_Check_Message(const TTable_Grid_View& Grid, int NByte_IN,
                                                  char Separator) {
  TTable_Check check;
  check.Error_Row = Text(Text_Error_Row);
  check.Key_Gap = "!! " + Key_Gap_Text(Text(Text_Name_Header));
  check.Enabled = Enable_Is_Y;
  check.Check_Row = [&](int r) { return Check_IEC_Row(Grid, r, NByte_IN, Separator); };
  return Check_Table(Grid, IEC61850_Variables_File.Grids[0], check);
}

TIEC61850_Variables_Table::TIEC61850_Variables_Table()
    : TTable_Editor(IEC61850_Variables_File, Path_IEC61850_Variables) {}

std::optional<std::string> TIEC61850_Variables_Table::Check_Message() {
  return IEC61850_Check_Message(Grid(0), NByte_IN, Get_Decimal_Separator());
}

std::string TIEC61850_Variables_Table::Delete_Question() const { return Text(Text_Delete_Question); }
