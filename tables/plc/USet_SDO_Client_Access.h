#pragma once
// The SDO requests the converter sends as a CANopen SDO client: up to 256
// reads and 256 writes, each naming the device, the object's index and
// sub-index, its size (1, 2 or 4 bytes), the polling time and, for each data
// byte, the position in the converter's data array that it is put to (read)
// or taken from (write). Kept in the project file SDO_Client_CANopen.xml.
//
// This is the editor's part that needs no window: the file's shape, the
// check and the editor's state and steps (TSet_SDO_Client_Access_Tables),
// which the form TFSet_SDO_Client_Access drives with its column grids sga
// (read) and sgb (write).
#include <memory>

#include "tables/plc/UCANopen_Form.h"
#include "tables/plc/UCANopen_Tables.h"

enum : int {
  SDO_Client_Col_Device_ID = 1,
  SDO_Client_Col_Index = 2,
  SDO_Client_Col_SubIndex = 3,
  SDO_Client_Col_NByte = 4,
  SDO_Client_Col_Poll_Time = 5,
  SDO_Client_Read_Col_Address_B1 = 6,
  SDO_Client_Write_Col_On_Change = 6,
  SDO_Client_Write_Col_Address_B1 = 7,
};

constexpr int SDO_Read_Grid = 0;
constexpr int SDO_Write_Grid = 1;
constexpr int SDO_Client_Table_Rows = 256;

// The file: root SDO_Client_CANopen, comment "SW_VERSION = 1.000", the
// sections SDO_Read and SDO_Write. No attribute has a default.
extern const TTable_File_Format SDO_Client_CANopen_File;
extern const TCANopen_Description SDO_Client_CANopen_Tables;

class TSet_SDO_Client_Access_Tables : public TCANopen_Tables {
 public:
  TSet_SDO_Client_Access_Tables() : TCANopen_Tables(SDO_Client_CANopen_Tables) {}

  bool Do_Copy_SDO_Read() const { return Copied_Here(SDO_Read_Grid); }
  bool Do_Copy_SDO_Write() const { return Copied_Here(SDO_Write_Grid); }
};

// The SDO client editor's window; its step stays hidden in this model, but it is created
// and translated with the others.
class TFSet_SDO_Client_Access : public TCANopen_Table_Form {
 public:
  explicit TFSet_SDO_Client_Access(TComponent* AOwner);
  ~TFSet_SDO_Client_Access() override;

  TTabSheet* TS_SDO_Read = nullptr;
  TTabSheet* TS_SDO_Write = nullptr;
  // Header hints, entry c - 1 for column c.
  std::unique_ptr<TStringList> Hint_SDO_Client_Read;
  std::unique_ptr<TStringList> Hint_SDO_Client_Write;
  TSet_SDO_Client_Access_Tables Tables;

  bool Controllo_dati() { return Tables.Controllo_dati(); }

 protected:
  TTabSheet* Page(int Index) const override { return Index == 1 ? TS_SDO_Write : TS_SDO_Read; }
  TStringList& Hint_List(int Index) const override {
    return Index == 1 ? *Hint_SDO_Client_Write : *Hint_SDO_Client_Read;
  }
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;
