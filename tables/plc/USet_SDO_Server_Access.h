#pragma once
// The manufacturer objects (index 0x2000 to 0x5FFF) the converter offers as a
// CANopen SDO server: up to 500 that the master reads (their bytes taken from
// the converter's data array) and 500 that it writes (their bytes put into
// it), each with index, sub-index, size (1, 2 or 4 bytes) and the array
// position of each byte. Kept in the project file SDO_Server_CANopen.xml,
// which the EDS writer turns into the EDS file's manufacturer objects.
//
// This is the editor's part that needs no window: the file's shape, the
// check and the editor's state and steps (TSet_SDO_Server_Access_Tables),
// which the form TFSet_SDO_Server_Access drives with its column grids sga
// (read) and sgb (write).
#include <memory>

#include "tables/plc/UCANopen_Form.h"
#include "tables/plc/UCANopen_Tables.h"

enum : int {
  SDO_Server_Col_Index = 1,
  SDO_Server_Col_SubIndex = 2,
  SDO_Server_Col_NByte = 3,
  SDO_Server_Col_Address_B1 = 4,
  SDO_Server_Col_Mnemonic = 8,
};

constexpr int SDO_Server_Read_Grid = 0;
constexpr int SDO_Server_Write_Grid = 1;
constexpr int SDO_Server_Table_Rows = 500;

// The file: root SDO_Server_CANopen, comment "SW_VERSION = 1.000", the
// sections SDO_Read and SDO_Write with the same attributes. No attribute has
// a default.
extern const TTable_File_Format SDO_Server_CANopen_File;
extern const TCANopen_Description SDO_Server_CANopen_Tables;

class TSet_SDO_Server_Access_Tables : public TCANopen_Tables {
 public:
  TSet_SDO_Server_Access_Tables() : TCANopen_Tables(SDO_Server_CANopen_Tables) {}

  bool Do_Copy_SDO_Read() const { return Copied_Here(SDO_Server_Read_Grid); }
  bool Do_Copy_SDO_Write() const { return Copied_Here(SDO_Server_Write_Grid); }
};

// The SDO server editor's window; its step stays hidden in this model, but it is created
// and translated with the others.
class TFSet_SDO_Server_Access : public TCANopen_Table_Form {
 public:
  explicit TFSet_SDO_Server_Access(TComponent* AOwner);
  ~TFSet_SDO_Server_Access() override;

  TTabSheet* TS_SDO_Read = nullptr;
  TTabSheet* TS_SDO_Write = nullptr;
  // Header hints, entry c - 1 for column c.
  std::unique_ptr<TStringList> Hint_SDO_Client_Read;
  std::unique_ptr<TStringList> Hint_SDO_Client_Write;
  TSet_SDO_Server_Access_Tables Tables;

  bool Controllo_dati() { return Tables.Controllo_dati(); }

 protected:
  TTabSheet* Page(int Index) const override { return Index == 1 ? TS_SDO_Write : TS_SDO_Read; }
  TStringList& Hint_List(int Index) const override {
    return Index == 1 ? *Hint_SDO_Client_Write : *Hint_SDO_Client_Read;
  }
};

extern TFSet_SDO_Server_Access* FSet_SDO_Server_Access;
