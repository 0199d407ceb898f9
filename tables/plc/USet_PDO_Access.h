#pragma once
// The CANopen PDOs of the converter: up to 30 receive and 30 transmit PDOs,
// each with its COB-ID, its length in bytes and, for each data byte, the
// position in the converter's data array that a received byte is put to or
// a sent byte is taken from; a receive time-out, or a send time and a
// send-on-change flag. Kept in the project file PDO_CANopen.xml, which the
// EDS writer reads too.
//
// This is the editor's part that needs no window: the file's shape, the
// check and the editor's state and steps (TSet_PDO_Access_Tables), which the
// form TFSet_PDO_Access drives with its column grids sga (receive) and sgb
// (transmit).
#include <memory>

#include "tables/plc/UCANopen_Form.h"
#include "tables/plc/UCANopen_Tables.h"

enum : int {
  PDO_Col_COB_ID = 1,
  PDO_Col_Dimension = 2,
  PDO_Col_Address_B1 = 3,
  PDO_Col_TimeOut = 11,    // receive
  PDO_Col_Send_Time = 11,  // transmit
  PDO_Col_On_Change = 12,  // transmit
};

constexpr int PDO_Receive_Grid = 0;
constexpr int PDO_Transmit_Grid = 1;
constexpr int PDO_Table_Rows = 30;

// The file: root PDO_CANopen, comment "SW_VERSION = 1.000", the sections
// Receive_PDO and Transmit_PDO. No attribute has a default.
extern const TTable_File_Format PDO_CANopen_File;
extern const TCANopen_Description PDO_CANopen_Tables;

class TSet_PDO_Access_Tables : public TCANopen_Tables {
 public:
  TSet_PDO_Access_Tables() : TCANopen_Tables(PDO_CANopen_Tables) {}

  bool Do_Copy_Receive_PDO() const { return Copied_Here(PDO_Receive_Grid); }
  bool Do_Copy_Transmit_PDO() const { return Copied_Here(PDO_Transmit_Grid); }
};

// The PDO editor's window; its step stays hidden in this model, but it is created
// and translated with the others.
class TFSet_PDO_Access : public TCANopen_Table_Form {
 public:
  explicit TFSet_PDO_Access(TComponent* AOwner);
  ~TFSet_PDO_Access() override;

  TTabSheet* TS_Receive_PDO = nullptr;
  TTabSheet* TS_Transmit_PDO = nullptr;
  // Header hints, entry c - 1 for column c.
  std::unique_ptr<TStringList> Hint_PDO_Receive;
  std::unique_ptr<TStringList> Hint_PDO_Transmit;
  TSet_PDO_Access_Tables Tables;

  bool Controllo_dati() { return Tables.Controllo_dati(); }

 protected:
  TTabSheet* Page(int Index) const override { return Index == 1 ? TS_Transmit_PDO : TS_Receive_PDO; }
  TStringList& Hint_List(int Index) const override {
    return Index == 1 ? *Hint_PDO_Transmit : *Hint_PDO_Receive;
  }
};

extern TFSet_PDO_Access* FSet_PDO_Access;
