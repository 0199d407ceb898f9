#include "tables/plc/USet_SDO_Server_Access.h"

#include "app/UComon.h"

namespace {
constexpr TTable_Column Value(const char* Attribute) { return {Attribute, nullptr, false}; }

std::vector<TTable_Column> Columns() {
  return {Value("Index"),      Value("SubIndex"),   Value("NByte"),      Value("Address_B1"),
          Value("Address_B2"), Value("Address_B3"), Value("Address_B4"), Value("Mnemonic")};
}

TCANopen_Grid_Check Checks(int First_Text, int Page_Caption, int Key_Header) {
  return {{{ckRange, SDO_Server_Col_Index, First_Text, 0x2000, 0x5FFF},
           {ckRange, SDO_Server_Col_SubIndex, First_Text + 1, 0, 255},
           {ckNByte, SDO_Server_Col_NByte, First_Text + 2},
           {ckAddresses, SDO_Server_Col_Address_B1, First_Text + 3, 0, 0, SDO_Server_Col_NByte}},
          Page_Caption,
          Key_Header};
}
}  // namespace

const TTable_File_Format SDO_Server_CANopen_File{
    "SDO_Server_CANopen",
    "SW_VERSION = 1.000",
    {
        {"SDO_Read", SDO_Server_Col_Index, false, SDO_Server_Table_Rows, Columns()},
        {"SDO_Write", SDO_Server_Col_Index, false, SDO_Server_Table_Rows, Columns()},
    }};

const TCANopen_Description SDO_Server_CANopen_Tables{SDO_Server_CANopen_File,
                                                     Path_SDO_Server_CANopen,
                                                     2150,
                                                     2165,
                                                     {Checks(2151, 2114, 2117), Checks(2158, 2115, 2126)}};
