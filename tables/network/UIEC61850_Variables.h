#pragma once
// The variable list of the IEC 61850 server converter: up to 50 named
// variables, each of a type (integer, float or single bit) mapped onto bytes
// of the converter's internal data array, with read-only flag, conversion,
// factor and byte or word swapping; kept in the project file
// IEC61850_Variables.xml.
//
// This is the editor's part that needs no window: the file's shape, the
// check, and the editor's state and steps (TIEC61850_Variables_Table), which
// the form TFIEC61850_Variables drives with its column grid ACG.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tables/plc/UTable_Editor.h"
#include "tables/plc/UTable_Editor_Form.h"

class TTable_Grid_View;

enum : int {
  IEC_Col_Enable = 1,
  IEC_Col_Name,
  IEC_Col_Type,
  IEC_Col_Length,
  IEC_Col_Read_Only,
  IEC_Col_Position,
  IEC_Col_Start_Bit,
  IEC_Col_Conversion,
  IEC_Col_Mul_Factor,
  IEC_Col_Swap,
  IEC_Col_Swap_Word,
  IEC_Col_Mnemonic,
  IEC_Col_Count,
};

constexpr int IEC_Table_Rows = 50;
// Positions must stay below it.
constexpr int IEC_Data_Array_Size = 1438;

extern const std::vector<std::string> IEC_Type_Items;        // "Int", "Float", "Digital (Bit)"
extern const std::vector<std::string> IEC_Start_Bit_Items;   // "0" to "7"
extern const std::vector<std::string> IEC_Conversion_Items;  // "None", "Int to Float", "Float to Int"
extern const std::vector<std::string> IEC_Mul_Factor_Items;  // "None"

// The file: root IEC61850_Variables, comment "SW_VERSION = 1.000", the rows
// under the root. Every attribute has a default, so no row stops the
// loading.
extern const TTable_File_Format IEC61850_Variables_File;

// The check of the table with the given decimal separator for the factor:
// the message of the first failure, nothing when it passes.
std::optional<std::string> IEC61850_Check_Message(const TTable_Grid_View& Grid, int NByte_IN, char Separator);

class TIEC61850_Variables_Table : public TTable_Editor {
 public:
  TIEC61850_Variables_Table();

  // Set on every show; a Position must stay below it.
  int NByte_IN = IEC_Data_Array_Size;

  bool Do_Copy() const { return Copied_Here(0); }
  // Takes the decimal separator of the system first.
  std::optional<std::string> Check_Message() override;

 protected:
  std::string Delete_Question() const override;
  void Before_Load() override { NByte_IN = IEC_Data_Array_Size; }
};

// The editor's window; its step stays hidden in this model, but it is
// created and translated with the others
// (tables/network/UIEC61850_Variables_Form.cpp).
class TFIEC61850_Variables : public TTable_Editor_Form {
 public:
  explicit TFIEC61850_Variables(TComponent* AOwner);
  ~TFIEC61850_Variables() override;

  TRavUvurerEduz* ACG = nullptr;
  // Header hints, entry c - 1 for column c.
  std::unique_ptr<TStringList> Hint_List;
  TIEC61850_Variables_Table Table;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang() override;
  bool Controllo_dati() { return Table.Controllo_dati(); }

  void ClickCell(TObject* Sender, int ARow, int ACol);
  void DblClickCell(TObject* Sender, int ARow, int ACol);
  void KeyPress(TObject* Sender, char32_t& Key);
  void GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);
  void ComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const std::string& ASelection);

  TDedAdararAdoz* Grid(int Index) const override;
};

extern TFIEC61850_Variables* FIEC61850_Variables;
