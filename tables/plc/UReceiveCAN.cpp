#include "tables/plc/UReceiveCAN.h"

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/USaveBincc.h"
#include "app/UTable_Grid_View.h"
#include "framework/classes/StringList.h"
#include "framework/rtl/StrUtils.h"

namespace {
std::string Text(int Id) { return Lang_Table->Strings(Id); }

constexpr TTable_Column Value(const char* Attribute, const char* Default = "") {
  return {Attribute, Default, false};
}

const TCAN_Check_Texts Receive_Texts{1744, 1745, 1746, 1747, 1749, 1751, 1750, 1710};
constexpr int Text_Delete_Question = 1758;
constexpr int Text_TimeOut = 1748;
}  // namespace

const TTable_File_Format ReceiveCAN_File{"Receive_Frames",
                                         "SW_VERSION = 1.000",
                                         {
                                             {nullptr,
                                              CAN_Col_COBID,
                                              true,
                                              CAN_Table_Rows,
                                              {{"Enable", "Y", true},
                                               Value("COBID"),
                                               Value("CAN_Type"),
                                               Value("Dim"),
                                               Value("TimeOut", "0"),
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

std::optional<std::string> CAN_COBID_Failure(const TTable_Grid_View& Grid, int Row,
                                             const TCAN_Check_Texts& T) {
  // The same rule the compiler applies: a type it compiles as 11-bit gets
  // the 11-bit range.
  std::string buffer;
  const std::uint32_t max = CAN_Max_COB_ID(Grid.Cell_Text(CAN_Col_Type, Row, buffer));
  if (Cell_In_Range(Grid, CAN_Col_COBID, Row, 0, max)) return std::nullopt;
  return Text(max > 0x7FF ? T.COBID_29_Bit : T.COBID_11_Bit);
}

std::optional<std::string> CAN_Dimension_Failure(const TTable_Grid_View& Grid, int Row,
                                                 const TCAN_Check_Texts& T) {
  if (Cell_In_Range(Grid, CAN_Col_Dimension, Row, 1, 8)) return std::nullopt;
  return Text(T.Dimension);
}

std::optional<std::string> CAN_Bytes_Failure(const TTable_Grid_View& Grid, int Row, int First_Byte_Col,
                                             int MAX_Byte, const TCAN_Check_Texts& T) {
  const int dimension = Cell_Int(Grid, CAN_Col_Dimension, Row);
  std::string buffer;
  for (int n = 1; n <= dimension && n <= 8; ++n) {
    const int col = First_Byte_Col + n - 1;
    const std::string_view cell = Cell_Trimmed(Grid, col, Row, buffer);
    if (cell.empty() || cell == "None") continue;
    if (Cell_In_Range(Grid, col, Row, 0, MAX_Byte - 1)) continue;
    const int text = n == 1 ? T.Byte1 : T.Byte2 + n - 2;
    return Text(text) + std::to_string(MAX_Byte - 1) + Text(T.Or_None);
  }
  return std::nullopt;
}

std::optional<std::string> CAN_Check_Table(
    const TTable_Grid_View& Grid, const TTable_Grid_Format& Format, const TCAN_Check_Texts& T,
    const std::function<std::optional<std::string>(int Row)>& Check_Row) {
  TTable_Check check;
  check.Error_Row = Text(T.Error_Row);
  check.Key_Gap = "!! " + Key_Gap_Text(Text(T.Key_Header));
  check.Enabled = Enable_Is_Y_Any_Case;
  check.Check_Row = Check_Row;
  return Check_Table(Grid, Format, check);
}

std::optional<std::string> ReceiveCAN_Check_Message(const TTable_Grid_View& Grid, int MAX_Byte) {
  const TCAN_Check_Texts& T = Receive_Texts;
  return CAN_Check_Table(Grid, ReceiveCAN_File.Grids[0], T, [&](int r) -> std::optional<std::string> {
    if (auto failure = CAN_COBID_Failure(Grid, r, T)) return failure;
    if (auto failure = CAN_Dimension_Failure(Grid, r, T)) return failure;
    if (!Cell_In_Range(Grid, Receive_Col_TimeOut, r, 0, 100000000)) return Text(Text_TimeOut);
    return CAN_Bytes_Failure(Grid, r, Receive_Col_Byte1, MAX_Byte, T);
  });
}

TReceiveCAN_Table::TReceiveCAN_Table() : TTable_Editor(ReceiveCAN_File, Path_CAN_Rec_Frames) {}

std::optional<std::string> TReceiveCAN_Table::Check_Message() {
  return ReceiveCAN_Check_Message(Grid(0), MAX_Byte);
}

std::string TReceiveCAN_Table::Delete_Question() const { return Text(Text_Delete_Question); }
