#pragma once
// The CANopen Electronic Data Sheet (EDS, format version 4.0) that describes
// the converter as a CANopen slave to a master's configuration tool. The PDO
// table (PDO_CANopen.xml) gives the receive and transmit PDOs with their
// mapping objects, the SDO server table (SDO_Server_CANopen.xml) the
// manufacturer objects; everything else in the file is fixed.
//
// The text is built from the tables read and a time given by the caller, so
// that it can be checked against a fixed clock; Write_EDS_File takes the
// clock's time (Now) and writes the file in Windows-1252 with CR LF after
// every line, through the safe writer.
//
// An EDS file names at most 30 receive and 30 transmit PDOs: the variable
// names of the PDO data objects run out there, and the PDO editor never
// writes more. A table file holding more is read up to the 30th PDO of each
// kind, and the user is told that the rest is left out.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TStrings;
using TDateTime = double;

struct PDO_Entry {
  std::int32_t COB_ID = 0;
  // The number of mapped bytes.
  std::int32_t Dimension = 0;
};

struct SDO_Sub_Type {
  std::uint8_t Sub = 0;
  // The object's size in bytes: 1, 2 or 4.
  std::uint8_t Quantity = 0;
  // The row came from the master's read table.
  bool Readonly = false;
  // Kept empty: the file does not carry it.
  std::string Mnemonic;
};

struct SDO_Index {
  std::uint16_t Index = 0;
  std::vector<SDO_Sub_Type> Sub_Indexs;
};

constexpr int EDS_Max_PDO = 30;

extern const char* const EDS_File_Name;       // "S7comm_CANopen.eds"
extern const char* const EDS_Product_Name;    // "S7comm / CANopen - Converter"
extern const char* const EDS_Product_Number;  // "407"
extern const char* const EDS_Order_Code;      // "DV30407"

// What one run reads: the PDOs in file order (the first Nr_Of_RX_PDO and
// Nr_Of_TX_PDO entries), the PDOs each section of the file holds, and the
// manufacturer objects in the order of their first appearance.
extern std::array<PDO_Entry, EDS_Max_PDO> Receive_PDO_Table;
extern std::array<PDO_Entry, EDS_Max_PDO> Transmit_PDO_Table;
extern int Nr_Of_RX_PDO;
extern int Nr_Of_TX_PDO;
extern int RX_PDO_In_File;
extern int TX_PDO_In_File;
extern std::vector<SDO_Index> SDO_Indexes;

// Fills the PDO tables from Path_PDO_CANopen; a missing file gives no PDO.
// A COB-ID or Dimension that is no number reads as 0 or 8. Raises Exception
// naming the file when it cannot be read (it does not parse, lacks a
// section, or a row lacks an attribute).
void Read_PDO_File();
// Appends the rows of Path_SDO_Server_CANopen to SDO_Indexes, the read rows
// before the write rows; a missing file adds nothing. Raises Exception naming
// the file and the row when the file cannot be read or a row's Index,
// SubIndex or NByte is missing or no number of its size.
void Read_SDO_Server_File();
// The position of the entry of SDO_Indexes for Index, -1 when there is none.
int Find_SDO_Index(int Index);
// Orders every entry's sub-indexes by Sub; equal ones keep their order.
void Sort_SDO_Sub_Indexes();

// "MM-DD-YYYY".
std::string EDS_Date_Text(TDateTime When);
// "hh:mmAM" or "hh:mmPM" on the 12-hour clock: 12:00PM at noon, 12:07AM
// just after midnight.
std::string EDS_Time_Text(TDateTime When);

// The lines of the file, from the tables read, created and modified at When.
void Build_EDS_Lines(TStrings& Lines, TDateTime When);

// Reads both table files and writes the EDS file under FileName. Asks
// before replacing an existing file (No: nothing is written) and tells when
// PDOs are left out. Raises Exception when a table file cannot be read or
// the file cannot be written; nothing is written then.
void Write_EDS_File(const std::string& FileName);
