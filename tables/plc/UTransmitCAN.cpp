#include "tables/plc/UTransmitCAN.h"

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

// Time is read after OnTimer: a timed frame without a period gets 0.
std::string Time_Default(const std::vector<std::string>& Row_So_Far) {
  return Row_So_Far.at(Transmit_Col_OnTimer - 1) == "Y" ? "0" : "";
}

const TCAN_Check_Texts Transmit_Texts{1847, 1848, 1849, 1850, 1852, 1854, 1853, 1810};
constexpr int Text_Delete_Question = 1861;
constexpr int Text_Time = 1851;
}  // namespace

const TTable_File_Format TransmitCAN_File{"Transmit_Frames",
                                          "SW_VERSION = 1.000",
                                          {
                                              {nullptr,
                                               CAN_Col_COBID,
                                               true,
                                               CAN_Table_Rows,
                                               {Check("Enable", "Y"),
                                                Value("COBID"),
                                                Value("CAN_Type", "2.0A (11 bits)"),
                                                Value("Dim"),
                                                Check("OnChange", "Y"),
                                                Check("OnCMD", "N"),
                                                Check("OnTimer", "N"),
                                                {"Time", "", false, Time_Default},
                                                Value("Byte1"),
                                                Value("Byte2"),
                                                Value("Byte3"),
                                                Value("Byte4"),
                                                Value("Byte5"),
                                                Value("Byte6"),
                                                Value("Byte7"),
                                                Value("Byte8"),
                                                Value("Mnemonic")}},
                                          }};

std::optional<std::string> TransmitCAN_Check_Message(const TTable_Grid_View& Grid, int MAX_Byte) {
  const TCAN_Check_Texts& T = Transmit_Texts;
  return CAN_Check_Table(Grid, TransmitCAN_File.Grids[0], T, [&](int r) -> std::optional<std::string> {
    if (auto failure = CAN_COBID_Failure(Grid, r, T)) return failure;
    if (auto failure = CAN_Dimension_Failure(Grid, r, T)) return failure;
    // Without OnTimer the period is not used, and not checked.
    if (Cell_Is_Y_Any_Case(Grid, Transmit_Col_OnTimer, r) &&
        !Cell_In_Range(Grid, Transmit_Col_Time, r, 0, 100000000))
      return Text(Text_Time);
    return CAN_Bytes_Failure(Grid, r, Transmit_Col_Byte1, MAX_Byte, T);
  });
}

TTransmitCAN_Table::TTransmitCAN_Table() : TTable_Editor(TransmitCAN_File, Path_CAN_Send_Frames) {}

std::optional<std::string> TTransmitCAN_Table::Check_Message() {
  return TransmitCAN_Check_Message(Grid(0), MAX_Byte);
}

std::string TTransmitCAN_Table::Delete_Question() const { return Text(Text_Delete_Question); }
