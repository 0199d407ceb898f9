#include "tables/plc/USet_PDO_Access.h"

#include "app/UComon.h"

namespace {
constexpr TTable_Column Value(const char* Attribute) { return {Attribute, nullptr, false}; }

std::vector<TTable_Column> Columns(bool Transmit) {
  std::vector<TTable_Column> c = {Value("COB-ID"),     Value("Dimension"),  Value("Address_B1"),
                                  Value("Address_B2"), Value("Address_B3"), Value("Address_B4"),
                                  Value("Address_B5"), Value("Address_B6"), Value("Address_B7"),
                                  Value("Address_B8")};
  if (Transmit)
    c.insert(c.end(), {Value("Send_Time"), {"On_Change", nullptr, true}, Value("Mnemonic")});
  else
    c.insert(c.end(), {Value("TimeOut"), Value("Mnemonic")});
  return c;
}

// COB-ID, Dimension, the bytes up to the Dimension, then the timing.
TCANopen_Grid_Check Checks(int First_Text, int Timing_Col, long long Timing_Max, int Page_Caption,
                           int Key_Header) {
  return {{{ckRange, PDO_Col_COB_ID, First_Text, 0, 0x7FF},
           {ckRange, PDO_Col_Dimension, First_Text + 1, 1, 8},
           {ckAddresses, PDO_Col_Address_B1, First_Text + 2, 0, 0, PDO_Col_Dimension},
           {ckRange, Timing_Col, First_Text + 10, 0, Timing_Max}},
          Page_Caption,
          Key_Header};
}
}  // namespace

const TTable_File_Format PDO_CANopen_File{
    "PDO_CANopen",
    "SW_VERSION = 1.000",
    {
        {"Receive_PDO", PDO_Col_COB_ID, false, PDO_Table_Rows, Columns(false)},
        {"Transmit_PDO", PDO_Col_COB_ID, false, PDO_Table_Rows, Columns(true)},
    }};

const TCANopen_Description PDO_CANopen_Tables{PDO_CANopen_File,
                                              Path_PDO_CANopen,
                                              1968,
                                              1991,
                                              {Checks(1969, PDO_Col_TimeOut, 65535, 1914, 1917),
                                               Checks(1980, PDO_Col_Send_Time, 100000000, 1915, 1930)}};
