#pragma once
// What the three CANopen table editors (PDO, SDO client, SDO server) share
// without their windows. They differ only by their tables: each has two
// grids on two pages, no Enable column, its file read without defaults, and
// a check that takes every row up to the first empty key, field by field:
// number ranges, an N Byte of 1, 2 or 4, and the array positions of the data
// bytes the row carries.
//
// An editor is a TCANopen_Description (its file, its texts and its field
// checks) handed to TCANopen_Tables; the forms drive that object as the
// other editors drive TTable_Editor.
#include <optional>
#include <string>
#include <vector>

#include "tables/plc/UTable_Editor.h"

class TTable_Grid_View;

// Every array position of these tables addresses a data array of this size.
constexpr int CANopen_Data_Array_Size = 1500;

enum TCANopen_Check_Kind {
  // The number in Col lies in Lo..Hi.
  ckRange,
  // The number in Col is 1, 2 or 4.
  ckNByte,
  // The array positions from Col on, as many as the number in Count_Col
  // (checked before): each 0 to the array size - 1, the limit following the
  // text. Text is the first byte's; the others follow it.
  ckAddresses,
};

struct TCANopen_Field {
  TCANopen_Check_Kind Kind;
  int Col;
  int Text;
  long long Lo = 0;
  long long Hi = 0;
  int Count_Col = 0;
};

struct TCANopen_Grid_Check {
  // In the order the check takes them.
  std::vector<TCANopen_Field> Fields;
  // The page caption and the key column's header, which name the table and
  // the key in the message of a row with an empty key.
  int Page_Caption;
  int Key_Header;
};

struct TCANopen_Description {
  const TTable_File_Format& File;
  // The path global of the file.
  const std::string& Path;
  // "Error row " and the Delete Row question.
  int Error_Row;
  int Delete_Question;
  // The first grid (read, receive) and the second (write, transmit).
  TCANopen_Grid_Check Grids[2];
};

// The check of both grids, first grid first: the message of the first
// failure, nothing when both pass. The first grid's positions address an
// array of NByte_IN bytes, the second grid's one of NByte_OUT.
std::optional<std::string> CANopen_Check_Message(const TCANopen_Description& Description,
                                                 const TTable_Grid_View& First,
                                                 const TTable_Grid_View& Second, int NByte_IN, int NByte_OUT);

class TCANopen_Tables : public TTable_Editor {
 public:
  explicit TCANopen_Tables(const TCANopen_Description& Description);

  // The sizes of the data arrays that the first and the second grid's
  // positions address; set on every show.
  int PROFINET_NByte_IN = CANopen_Data_Array_Size;
  int PROFINET_NByte_OUT = CANopen_Data_Array_Size;

  std::optional<std::string> Check_Message() override;

 protected:
  std::string Delete_Question() const override;
  std::string Grid_Name(int Index) const override;
  void Before_Load() override;

 private:
  const TCANopen_Description& description_;
};
