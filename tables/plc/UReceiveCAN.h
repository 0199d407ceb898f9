#pragma once
// The CAN frames the converter receives: per rule a CAN identifier (11 or
// 29 bits), the frame's data length, a time-out, and for each data byte the
// position in the converter's internal data array that receives it; kept in
// the project file CAN_Rec_Frames.xml.
//
// The editor's part that needs no window: the file's shape, the
// check, and the editor's state and steps (TReceiveCAN_Table), which the form
// TFReceiveCAN drives with its column grid ACG_CAN_Receive. The checks of
// the identifier, the Dimension and the data bytes are shared with the
// transmit editor, its twin.
#include <memory>
#include <optional>
#include <string>

#include "tables/plc/UTable_Editor.h"
#include "tables/plc/UTable_Editor_Form.h"

class TTable_Grid_View;

enum : int {
  CAN_Col_Enable = 1,
  CAN_Col_COBID = 2,
  CAN_Col_Type = 3,
  CAN_Col_Dimension = 4,
};
enum : int {
  Receive_Col_TimeOut = 5,
  Receive_Col_Byte1 = 6,
  Receive_Col_Mnemonic = 14,
  Receive_Col_Count = 15,
};

constexpr int CAN_Table_Rows = 512;
// The size of the internal data array the received bytes go to.
constexpr int Receive_Data_Array_Size = 1500;

// The file: root Receive_Frames, comment "SW_VERSION = 1.000", the rows under
// the root. Every attribute has a default, so no row stops the loading.
extern const TTable_File_Format ReceiveCAN_File;

// The ids of an editor's texts that the CAN checks use.
struct TCAN_Check_Texts {
  int Error_Row;
  int COBID_11_Bit;
  int COBID_29_Bit;
  int Dimension;
  int Byte1;
  int Byte2;  // Byte2 to Byte8 follow one another
  int Or_None;
  int Key_Header;
};

// The checks both CAN editors run on an enabled row; each answers the text
// after the row number, nothing when the field passes.
std::optional<std::string> CAN_COBID_Failure(const TTable_Grid_View& Grid, int Row,
                                             const TCAN_Check_Texts& T);
std::optional<std::string> CAN_Dimension_Failure(const TTable_Grid_View& Grid, int Row,
                                                 const TCAN_Check_Texts& T);
// Byte1 to the Dimension, from storage column First_Byte_Col.
std::optional<std::string> CAN_Bytes_Failure(const TTable_Grid_View& Grid, int Row, int First_Byte_Col,
                                             int MAX_Byte, const TCAN_Check_Texts& T);
// The walk both editors share, with the editor's own row check.
std::optional<std::string> CAN_Check_Table(
    const TTable_Grid_View& Grid, const TTable_Grid_Format& Format, const TCAN_Check_Texts& T,
    const std::function<std::optional<std::string>(int Row)>& Check_Row);

// The check of the table: the message of the first failure, nothing when it
// passes.
std::optional<std::string> ReceiveCAN_Check_Message(const TTable_Grid_View& Grid, int MAX_Byte);

class TReceiveCAN_Table : public TTable_Editor {
 public:
  TReceiveCAN_Table();

  // The size of the internal data array the byte positions address; set on
  // every show. The byte columns offer "None" and 0 to MAX_Byte - 1.
  int MAX_Byte = Receive_Data_Array_Size;

  bool Do_Copy() const { return Copied_Here(0); }
  std::optional<std::string> Check_Message() override;

 protected:
  std::string Delete_Question() const override;
  void Before_Load() override { MAX_Byte = Receive_Data_Array_Size; }
};

// The editor's window (tables/plc/UReceiveCAN_Form.cpp).
class TFReceiveCAN : public TTable_Editor_Form {
 public:
  explicit TFReceiveCAN(TComponent* AOwner);
  ~TFReceiveCAN() override;

  TRavUvurerEduz* ACG_CAN_Receive = nullptr;
  // Header hints, entry k for column k + 1.
  std::unique_ptr<TStringList> Hint_ReceiveCAN;
  // The table's state and steps: MAX_Byte and Do_Copy.
  TReceiveCAN_Table Table;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang() override;
  bool Controllo_dati() { return Table.Controllo_dati(); }

  void ACG_CAN_ReceiveDblClickCell(TObject* Sender, int ARow, int ACol);
  void ACG_CAN_ReceiveKeyPress(TObject* Sender, char32_t& Key);
  void ACG_CAN_ReceiveGridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);

  TDedAdararAdoz* Grid(int Index) const override;
};

extern TFReceiveCAN* FReceiveCAN;
