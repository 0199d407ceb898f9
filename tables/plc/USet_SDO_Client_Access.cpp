#include "tables/plc/USet_SDO_Client_Access.h"

#include "app/UComon.h"

namespace {
constexpr TTable_Column Value(const char* Attribute) { return {Attribute, nullptr, false}; }

std::vector<TTable_Column> Columns(bool Write) {
  std::vector<TTable_Column> c = {Value("Device_ID"), Value("Index"), Value("SubIndex"), Value("NByte"),
                                  Value("Poll_Time")};
  if (Write) c.push_back({"On_Change", nullptr, true});
  c.insert(c.end(), {Value("Address_B1"), Value("Address_B2"), Value("Address_B3"), Value("Address_B4"),
                     Value("Mnemonic")});
  return c;
}

TCANopen_Grid_Check Checks(int First_Text, long long Poll_Time_Min, int Address_Col, int Page_Caption,
                           int Key_Header) {
  return {{{ckRange, SDO_Client_Col_Device_ID, First_Text, 1, 127},
           {ckRange, SDO_Client_Col_Index, First_Text + 1, 0x1000, 0xFFFF},
           {ckRange, SDO_Client_Col_SubIndex, First_Text + 2, 0, 255},
           {ckNByte, SDO_Client_Col_NByte, First_Text + 3},
           {ckRange, SDO_Client_Col_Poll_Time, First_Text + 4, Poll_Time_Min, 100000000},
           {ckAddresses, Address_Col, First_Text + 5, 0, 0, SDO_Client_Col_NByte}},
          Page_Caption,
          Key_Header};
}
}  // namespace

const TTable_File_Format SDO_Client_CANopen_File{
    "SDO_Client_CANopen",
    "SW_VERSION = 1.000",
    {
        {"SDO_Read", SDO_Client_Col_Device_ID, false, SDO_Client_Table_Rows, Columns(false)},
        {"SDO_Write", SDO_Client_Col_Device_ID, false, SDO_Client_Table_Rows, Columns(true)},
    }};

const TCANopen_Description SDO_Client_CANopen_Tables{
    SDO_Client_CANopen_File,
    Path_SDO_Client_CANopen,
    2060,
    2079,
    {Checks(2061, 1, SDO_Client_Read_Col_Address_B1, 2014, 2017),
     Checks(2070, 0, SDO_Client_Write_Col_Address_B1, 2015, 2028)}};
