#pragma once
// The S7comm access tables of the converter: the read table (which PLC data
// the converter polls and where it stores them in its internal data array)
// and the write table (which bytes of that array it writes to which PLC
// data), kept in the project file S7_Protocol.xml.
//
// The editor's part that needs no window: the file's shape, the
// check of both tables with its connection counting, and the editor's state
// and steps (TS7_Protocol_Tables), which the form TFS7_Protocol_Set_Access
// drives with its two column grids ACG_S7_Read and ACG_S7_Write.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tables/plc/UTable_Editor.h"
#include "tables/plc/UTable_Editor_Form.h"

class TTable_Grid_View;

// Columns of both grids up to Poll Time.
enum : int {
  S7_Col_Enable = 1,
  S7_Col_PLC_Address,
  S7_Col_PLC_Port,
  S7_Col_PLC_Type,
  S7_Col_Rack,
  S7_Col_Slot,
  S7_Col_Data_Type,
  S7_Col_Data_Identifier,
  S7_Col_DB_Number,
  S7_Col_PLC_Area,
  S7_Col_PLC_Add,
  S7_Col_PLC_Bit,
  S7_Col_Poll_Time,
};
// Then the read grid: Position, Start Bit, Swap, Swap Word, Mnemonic.
enum : int { S7_Read_Col_Position = 14, S7_Read_Col_Bit = 15, S7_Read_Col_Count = 19 };
// And the write grid: On Change, On CMD, Position, Start Bit, Swap, Swap
// Word, Mnemonic.
enum : int { S7_Write_Col_Position = 16, S7_Write_Col_Bit = 17, S7_Write_Col_Count = 21 };

constexpr int S7_Read_Grid = 0;
constexpr int S7_Write_Grid = 1;
constexpr int S7_Table_Rows = 512;
// The size of the internal data array both tables address.
constexpr int S7_Data_Array_Size = 1500;
// Pairs of PLC address and port the converter can serve.
constexpr int S7_Max_Connections = 10;

// The file: root S7_Protocol, comment "SW_VERSION = 1.003", the sections
// S7_Protocol_Read and S7_Protocol_Write. Enable, Rack and Slot have
// defaults; a row without any other attribute stops the loading.
extern const TTable_File_Format S7_Protocol_File;

// One connection of the check: the four octets of a PLC address and a port;
// -1 in every field marks a free entry.
struct TIPPort {
  int IP1 = -1;
  int IP2 = -1;
  int IP3 = -1;
  int IP4 = -1;
  int Port = -1;
};

// The entry of the connection table that holds this address and port,
// claiming the first free one when none does; -1 when every entry holds
// another connection.
int Check_IP_Port(std::vector<TIPPort>& array_ip_Port, int IP1, int IP2, int IP3, int IP4, int Port);

// The check of both tables, read table first: the message of the first
// failure ("Error row ", the row number and the check's text), nothing when
// both pass. The connection table is rebuilt by every check.
std::optional<std::string> S7_Check_Message(const TTable_Grid_View& Read, const TTable_Grid_View& Write,
                                            int NByte_IN, int NByte_OUT, std::vector<TIPPort>& array_ip_Port);

class TS7_Protocol_Tables : public TTable_Editor {
 public:
  TS7_Protocol_Tables();

  // The sizes of the internal data array that the read and the write table
  // address; set on every show. The Position columns offer 0 to size - 1.
  int NByte_IN = S7_Data_Array_Size;
  int NByte_OUT = S7_Data_Array_Size;
  std::vector<TIPPort> array_ip_Port;

  bool Do_Copy_In_Read() const { return Copied_Here(S7_Read_Grid); }
  bool Do_Copy_In_Write() const { return Copied_Here(S7_Write_Grid); }

  int Check_IP_Port(int IP1, int IP2, int IP3, int IP4, int Port);
  std::optional<std::string> Check_Message() override;

 protected:
  std::string Delete_Question() const override;
  std::string Grid_Name(int Index) const override;
  void Before_Load() override;
};

class TPageControl;
class TTabSheet;

// The editor's window: the read table on the first page, the write table on
// the second (tables/plc/US7_Protocol_Set_Access_Form.cpp).
class TFS7_Protocol_Set_Access : public TTable_Editor_Form {
 public:
  explicit TFS7_Protocol_Set_Access(TComponent* AOwner);
  ~TFS7_Protocol_Set_Access() override;

  TPageControl* PageControl1 = nullptr;
  TTabSheet* TS_S7_Read = nullptr;
  TTabSheet* TS_S7_Write = nullptr;
  TRavUvurerEduz* ACG_S7_Read = nullptr;
  TRavUvurerEduz* ACG_S7_Write = nullptr;

  // Header hints, entry k for column k + 1.
  std::unique_ptr<TStringList> Hint_S7_Set_Access_Read;
  std::unique_ptr<TStringList> Hint_S7_Set_Access_Write;
  // The tables' state and steps: NByte_IN, NByte_OUT, array_ip_Port and the
  // copy flags.
  TS7_Protocol_Tables Tables;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang() override;
  bool Controllo_dati() { return Tables.Controllo_dati(); }
  int Check_IP_Port(int IP1, int IP2, int IP3, int IP4, int Port) {
    return Tables.Check_IP_Port(IP1, IP2, IP3, IP4, Port);
  }

  void ACG_S7_ClickCell(TObject* Sender, int ARow, int ACol);
  void ACG_S7_DblClickCell(TObject* Sender, int ARow, int ACol);
  void ACG_S7_KeyPress(TObject* Sender, char32_t& Key);
  void ACG_S7_GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);

  TDedAdararAdoz* Grid(int Index) const override;
  int Active_Grid() const override;
};

extern TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access;
