#pragma once
// The CAN frames the converter sends: per rule a CAN identifier (11 or 29
// bits), the frame's data length, when it is sent (on a change of its data,
// on a command, on a timer with its period), and for each data byte the
// position in the converter's internal data array whose value it carries;
// kept in the project file CAN_Send_Frames.xml.
//
// The editor's part that needs no window: the file's shape, the
// check, and the editor's state and steps (TTransmitCAN_Table), which the
// form TFTransmitCAN drives with its column grid ACG_CAN_Transmit.
#include <optional>
#include <string>

#include "tables/plc/UReceiveCAN.h"
#include "tables/plc/UTable_Editor_Form.h"

enum : int {
  Transmit_Col_OnChange = 5,
  Transmit_Col_OnCMD = 6,
  Transmit_Col_OnTimer = 7,
  Transmit_Col_Time = 8,
  Transmit_Col_Byte1 = 9,
  Transmit_Col_Mnemonic = 17,
  Transmit_Col_Count = 18,
};

// The size of the internal data array the sent bytes come from.
constexpr int Transmit_Data_Array_Size = 1800;

// The file: root Transmit_Frames, comment "SW_VERSION = 1.000", the rows
// under the root. Every attribute has a default; a missing Time is "0" when
// the row's OnTimer, as read, is "Y", else empty.
extern const TTable_File_Format TransmitCAN_File;

std::optional<std::string> TransmitCAN_Check_Message(const TTable_Grid_View& Grid, int MAX_Byte);

class TTransmitCAN_Table : public TTable_Editor {
 public:
  TTransmitCAN_Table();

  int MAX_Byte = Transmit_Data_Array_Size;

  bool Do_Copy() const { return Copied_Here(0); }
  std::optional<std::string> Check_Message() override;

 protected:
  std::string Delete_Question() const override;
  void Before_Load() override { MAX_Byte = Transmit_Data_Array_Size; }
};

// The editor's window (tables/plc/UTransmitCAN_Form.cpp).
class TFTransmitCAN : public TTable_Editor_Form {
 public:
  explicit TFTransmitCAN(TComponent* AOwner);
  ~TFTransmitCAN() override;

  TRavUvurerEduz* ACG_CAN_Transmit = nullptr;
  // Header hints, entry k for column k + 1.
  std::unique_ptr<TStringList> Hint_TransmitCAN;
  // The table's state and steps: MAX_Byte and Do_Copy.
  TTransmitCAN_Table Table;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang() override;
  bool Controllo_dati() { return Table.Controllo_dati(); }

  void ACG_CAN_TransmitDblClickCell(TObject* Sender, int ARow, int ACol);
  void ACG_CAN_TransmitKeyPress(TObject* Sender, char32_t& Key);
  void ACG_CAN_TransmitGridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);

  TDedAdararAdoz* Grid(int Index) const override;

 private:
  void Fill_Hints_TransmitCAN();
};

extern TFTransmitCAN* FTransmitCAN;
