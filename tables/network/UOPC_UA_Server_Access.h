#pragma once
// The variables the OPC UA server of a sibling converter publishes: up to
// 250 rows of an enable tick, an OPC UA data type, a position in the
// converter's internal data array, a length in bytes, a name, an access
// right and a mnemonic; kept in the project file OPC_UA_Server.xml.
//
// This is the editor's part that needs no window: the file's shape, the
// check, the Length that follows the type, and the editor's state and steps
// (TOPC_UA_Server_Table), which the form TFOPC_UA_Server_Access drives with
// its string grid DUD, whose Enable column holds check boxes of their own.
//
// The check walks the rows the save writes: up to the first row without a
// Type.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "grid/base/BaseGrid.h"  // TEditorType of the editor-type event
#include "tables/plc/UTable_Editor.h"
#include "tables/plc/UTable_Editor_Form.h"

class TTable_Grid_View;

enum : int {
  OPC_Col_Enable = 1,
  OPC_Col_Type,
  OPC_Col_Position,
  OPC_Col_Length,
  OPC_Col_Name,
  OPC_Col_Read_Write,
  OPC_Col_Mnemonic,
  OPC_Col_Count,
};

constexpr int OPC_UA_Table_Rows = 250;
// The size of the internal data array the positions address.
constexpr int OPC_UA_Data_Array_Size = 1500;

// VarType: the 13 type names; RWType: "Read Only", "Read/Write".
extern const std::vector<std::string> OPC_UA_Var_Types;
extern const std::vector<std::string> OPC_UA_RW_Types;

// The Length a type gives and whether the cell is then read-only; nothing
// for a text that is no type name (exact text).
struct TOPC_UA_Type_Length {
  const char* Length;
  bool Read_Only;
};
std::optional<TOPC_UA_Type_Length> OPC_UA_Type_Length(const std::string& Type);

// The file: root OPC_UA_Server, comment "SW_VERSION = 1.000", the section
// OPC_UA_Server_Variables. A missing Enable ticks the box, any other missing
// attribute leaves its cell empty.
extern const TTable_File_Format OPC_UA_Server_File;

// The check: the message of the first failure, nothing when the table
// passes.
std::optional<std::string> OPC_UA_Check_Message(const TTable_Grid_View& Grid);

class TOPC_UA_Server_Table : public TTable_Editor {
 public:
  TOPC_UA_Server_Table();

  // Locks or frees a row's Length cell: the form sets the cell's read-only
  // state.
  std::function<void(int Row, bool Read_Only)> Set_Length_Read_Only;

  bool Do_Copy() const { return Copied_Here(0); }
  std::optional<std::string> Check_Message() override;

  // A type chosen for a row: its Length and the Length cell's lock, then an
  // empty R/W becomes "Read/Write".
  void VarSetLength(const std::string& Type, int Row);

  // Keeps the pasted Length while the lock and the R/W default follow the
  // pasted type.
  bool Paste_Row(int Index, int Row) override;

 protected:
  std::string Delete_Question() const override;
  std::string Delete_Question_For(int Row) const override;
  // The Length cells are locked by the types read (and freed where the type
  // is none); the cells keep the texts read.
  void After_Load() override;
};

// The editor's window, over a plain grid whose column 1 holds check boxes of
// their own; its step stays hidden in this model, but it is created and
// translated with the others (tables/network/UOPC_UA_Server_Access_Form.cpp).
class TFOPC_UA_Server_Access : public TTable_Editor_Form {
 public:
  explicit TFOPC_UA_Server_Access(TComponent* AOwner);
  ~TFOPC_UA_Server_Access() override;

  TDedAdararAdoz* DUD = nullptr;
  // Header hints, entry c - 1 for column c (the grid shows none).
  std::unique_ptr<TStringList> Hint;
  // The items of the Type and the R/W drop-downs.
  std::unique_ptr<TStringList> VarType;
  std::unique_ptr<TStringList> RWType;
  TOPC_UA_Server_Table Table;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang() override;
  // Shapes the grid: its columns, rows, check boxes and colours.
  void Init_Table();
  bool Controllo_dati() { return Table.Controllo_dati(); }
  void VarSetLength(const std::string& Type, int Row) { Table.VarSetLength(Type, Row); }

  void DUDGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
  void DUDComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const std::string& ASelection);

  TDedAdararAdoz* Grid(int) const override { return DUD; }
};

extern TFOPC_UA_Server_Access* FOPC_UA_Server_Access;
