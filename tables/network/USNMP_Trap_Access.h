#pragma once
// The two tables of the SNMP agent converter: the read table, whose rows
// name values of the converter's internal data array that the agent offers
// and sends as traps (on a change, on a command or on a timer, to a
// destination address), and the write table, whose rows name places in that
// array where values written by a manager are stored; kept in the project
// file SNMP_Trap.xml, which the MIB writer reads too.
//
// This is the editor's part that needs no window: the file's shape, the
// check with its rule for community names and descriptions, the numbering
// of the enabled rows, and the editor's state and steps
// (TSNMP_Trap_Tables), which the form TFSNMP_Trap_Access drives with its
// column grids ACG_SNMP_Read and ACG_SNMP_Write.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tables/plc/UTable_Editor.h"
#include "tables/plc/UTable_Editor_Form.h"

class TTable_Grid_View;

// Columns both tables share.
enum : int {
  SNMP_Col_Enable = 1,
  SNMP_Col_Community_Name = 2,
  SNMP_Col_Type = 3,
};
// The read table.
enum : int {
  SNMP_Read_Col_On_Change = 4,
  SNMP_Read_Col_On_Command,
  SNMP_Read_Col_On_Timer,
  SNMP_Read_Col_Time,
  SNMP_Read_Col_Position,
  SNMP_Read_Col_Bit,
  SNMP_Read_Col_Num_Bits,
  SNMP_Read_Col_Description,
  SNMP_Read_Col_IP_Address,
  SNMP_Read_Col_Conversion,
  SNMP_Read_Col_Mnemonic,
  SNMP_Read_Col_Count,
};
// The write table.
enum : int {
  SNMP_Write_Col_Position = 4,
  SNMP_Write_Col_Bit,
  SNMP_Write_Col_Num_Bits,
  SNMP_Write_Col_Description,
  SNMP_Write_Col_Conversion,
  SNMP_Write_Col_Mnemonic,
  SNMP_Write_Col_Count,
};

constexpr int SNMP_Read_Grid = 0;
constexpr int SNMP_Write_Grid = 1;
constexpr int SNMP_Table_Rows = 256;
// The size of the internal data array both tables address.
constexpr int SNMP_Data_Array_Size = 1440;

extern const std::vector<std::string> SNMP_Community_Items;
extern const std::vector<std::string> SNMP_Type_Items;        // "Int", "String"
extern const std::vector<std::string> SNMP_Start_Bit_Items;   // "0" to "7"
extern const std::vector<std::string> SNMP_Conversion_Items;  // "None", "Float", ...
// Typed length of the Community Name and Description cells.
constexpr int SNMP_Name_Edit_Length = 15;

// The file: root SNMP_Trap, comment "SW_VERSION = 1.000", the sections
// SNMP_Trap_Read and SNMP_Trap_Write. Every attribute has a default.
extern const TTable_File_Format SNMP_Trap_File;

// True when Text breaks the character rule: letters "a".."z", "A".."Z" and
// digits only; with Check_Type 1 (descriptions) the first character must be
// a lower-case letter, with 0 (community names) any of them. An empty text
// keeps the rule.
bool Check_Error_CommName_Desc(const std::string& Text, int Check_Type);

// Numbers the enabled rows in column 0 (1, 2, 3 ...), blank on the others.
void Index_Row_Build(TTable_Grid_View& Grid);

// A row takes part in the check when its Enable, upper-cased, is "Y".
bool SNMP_Row_Enabled(const TTable_Grid_View& Grid, int Row);

// The check of both tables, read table first, then the descriptions of
// both together: the message of the first failure, nothing when they pass.
// SL_Check_Desc receives the descriptions of the checked rows.
std::optional<std::string> SNMP_Check_Message(const TTable_Grid_View& Read, const TTable_Grid_View& Write,
                                              std::vector<std::string>& SL_Check_Desc);

class TSNMP_Trap_Tables : public TTable_Editor {
 public:
  TSNMP_Trap_Tables();

  // Set on every show: the Position columns offer 0 to size - 1.
  int NByte_IN = SNMP_Data_Array_Size;
  int NByte_OUT = SNMP_Data_Array_Size;
  std::vector<std::string> SL_Check_Desc;

  bool Do_Copy_In_Read() const { return Copied_Here(SNMP_Read_Grid); }
  bool Do_Copy_In_Write() const { return Copied_Here(SNMP_Write_Grid); }

  std::optional<std::string> Check_Message() override;

  // A click on a check box: the Enable column renumbers the grid.
  void Check_Box_Clicked(int Index, int Col);

 protected:
  std::string Delete_Question() const override;
  std::string Grid_Name(int Index) const override;
  void Before_Load() override;
  void After_Load() override;
};

class TPageControl;
class TTabSheet;

// The editor's window; its step stays hidden in this model, but it is
// created and translated with the others
// (tables/network/USNMP_Trap_Access_Form.cpp).
class TFSNMP_Trap_Access : public TTable_Editor_Form {
 public:
  explicit TFSNMP_Trap_Access(TComponent* AOwner);
  ~TFSNMP_Trap_Access() override;

  TPageControl* PageControl1 = nullptr;
  TTabSheet* TS_SNMP_Read = nullptr;
  TTabSheet* TS_SNMP_Write = nullptr;
  TRavUvurerEduz* ACG_SNMP_Read = nullptr;
  TRavUvurerEduz* ACG_SNMP_Write = nullptr;
  // Header hints, entry k for real column k + 1.
  std::unique_ptr<TStringList> Hint_SNMP_Read;
  std::unique_ptr<TStringList> Hint_SNMP_Write;
  TSNMP_Trap_Tables Tables;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang() override;
  bool Controllo_dati() { return Tables.Controllo_dati(); }

  void ACG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);
  void Grid_DblClickCell(TObject* Sender, int ARow, int ACol);
  void SGA_KeyPress(TObject* Sender, char32_t& Key);
  void SGA_GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);

  TDedAdararAdoz* Grid(int Index) const override;
  int Active_Grid() const override;
};

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
