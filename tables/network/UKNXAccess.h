#pragma once
// The rule table of the KNX converter: per rule a KNX telegram (source
// individual address, destination group or individual address, APCI,
// priority) tied to bytes of the converter's internal data array, with its
// data format, factor, send triggers, poll time and time-out; kept in the
// project file KNX_SetAccess.xml.
//
// This is the editor's part that needs no window: the file's shape, the
// check, and the editor's state and steps (TKNXAccess_Table), which the form
// TFKNXAccess drives with its column grid ACG_KNX_in_Write.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tables/plc/UTable_Editor.h"
#include "tables/plc/UTable_Editor_Form.h"

class TTable_Grid_View;

enum : int {
  KNX_Col_Enable = 1,
  KNX_Col_Source_Address,
  KNX_Col_Destination_Address,
  KNX_Col_APCI,
  KNX_Col_Priority,
  KNX_Col_Format,
  KNX_Col_Mul_Factor,
  KNX_Col_Extended,
  KNX_Col_ReTest,
  KNX_Col_On_Command,
  KNX_Col_On_Change,
  KNX_Col_On_Timer,
  KNX_Col_Poll_Time,
  KNX_Col_Position,
  KNX_Col_Bit_Mode,
  KNX_Col_Length,
  KNX_Col_TimeOut,
  KNX_Col_Mnemonic,
  KNX_Col_Count,
};

constexpr int KNX_Table_Rows = 1024;
// The size in bytes of the internal data array the rules address.
constexpr int KNX_Data_Array_Size = 1500;

// The items of the APCI, Priority, Format and Bit Mode columns.
extern const std::vector<std::string> KNX_APCI_Items;
extern const std::vector<std::string> KNX_Priority_Items;
extern const std::vector<std::string> KNX_Format_Items;
extern const std::vector<std::string> KNX_Bit_Mode_Items;

// The file: root BACnet_to_KNX, comment "SW_VERSION = 1.001", the section
// KNX_in_Write. Enable, Priority, Format, MultiplicationFactor, On_Command,
// On_Timer and TimeOut have defaults (a Priority that is none of the four
// items loads as "Normal"); a row without any other attribute stops the
// loading.
extern const TTable_File_Format KNXAccess_File;

// The check of the table with the given decimal separator for the factor:
// the message of the first failure, nothing when it passes.
std::optional<std::string> KNX_Check_Message(const TTable_Grid_View& Grid, int Max_Num_Byte, char Separator);

class TKNXAccess_Table : public TTable_Editor {
 public:
  TKNXAccess_Table();

  // The size of the internal data array; set on every show. The Position
  // column offers 0 to Max_Num_Byte - 1.
  int Max_Num_Byte = KNX_Data_Array_Size;

  bool Do_Copy_In_Write() const { return Copied_Here(0); }
  // The form has one grid: this flag is cleared with the other and never set.
  bool Do_Copy_In_Read() const { return false; }

  // Takes the decimal separator of the system first.
  std::optional<std::string> Check_Message() override;

 protected:
  std::string Delete_Question() const override;
  void Before_Load() override { Max_Num_Byte = KNX_Data_Array_Size; }
};

// The editor's window; its step stays hidden in this model, but it is
// created and translated with the others (tables/network/UKNXAccess_Form.cpp).
class TFKNXAccess : public TTable_Editor_Form {
 public:
  explicit TFKNXAccess(TComponent* AOwner);
  ~TFKNXAccess() override;

  TRavUvurerEduz* ACG_KNX_in_Write = nullptr;
  // Header hints, entry c - 1 for column c.
  std::unique_ptr<TStringList> Hint;
  TKNXAccess_Table Table;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang() override;
  bool Controllo_dati() { return Table.Controllo_dati(); }

  void ACG_KNX_in_WriteClickCell(TObject* Sender, int ARow, int ACol);
  void DblClickCell(TObject* Sender, int ARow, int ACol);
  void KeyPress(TObject* Sender, char32_t& Key);
  void GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);

  TDedAdararAdoz* Grid(int Index) const override;
};

extern TFKNXAccess* FKNXAccess;
