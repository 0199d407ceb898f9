#pragma once
// The MQTT topic tables of the sibling converter with an MQTT client: the
// publish table (a topic and the bytes of the converter's internal data
// array published under it, on a change, on a command or on a timer) and
// the subscribe table (a topic whose messages are stored into that array).
// Each row carries a message template whose keywords stand between "$"
// characters. Kept in the project file MQTT_Set_Topic.xml.
//
// This is the editor's part that needs no window: the file's shape with its
// defaults and the columns it does not hold, the column layout of the
// working mode, the check of both tables with its messages, the editor's
// state and steps (TMQTT_Set_Topic_Tables), and the round of a template
// cell through the topic template editor. The form TFMQTT_Set_Topic drives
// it with its column grids ACG_Pub and ACG_Sub.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/plc/UTable_Editor.h"
#include "tables/plc/UTable_Editor_Form.h"

class TTable_Grid_View;

// Publish grid ACG_Pub, storage columns.
enum : int {
  MQTT_Pub_Col_Topic = 1,
  MQTT_Pub_Col_Retained,
  MQTT_Pub_Col_QoS,
  MQTT_Pub_Col_Data_Type,
  MQTT_Pub_Col_Dimension,
  MQTT_Pub_Col_Position,
  MQTT_Pub_Col_IP_Address,
  MQTT_Pub_Col_Input_Template,
  MQTT_Pub_Col_Template,
  MQTT_Pub_Col_OnChange,
  MQTT_Pub_Col_OnCMD,
  MQTT_Pub_Col_OnTimer,
  MQTT_Pub_Col_Time,
  MQTT_Pub_Col_Channel,
  MQTT_Pub_Col_Swap,
  MQTT_Pub_Col_Swap_Word,
  MQTT_Pub_Col_Mnemonic,
  MQTT_Pub_Col_Count,
};

// Subscribe grid ACG_Sub, storage columns.
enum : int {
  MQTT_Sub_Col_Topic = 1,
  MQTT_Sub_Col_Retained,
  MQTT_Sub_Col_QoS,
  MQTT_Sub_Col_Data_Type,
  MQTT_Sub_Col_Dimension,
  MQTT_Sub_Col_Position,
  MQTT_Sub_Col_IP_Address,
  MQTT_Sub_Col_Port,
  MQTT_Sub_Col_Type,
  MQTT_Sub_Col_Input_Template,
  MQTT_Sub_Col_Template,
  MQTT_Sub_Col_Swap,
  MQTT_Sub_Col_Swap_Word,
  MQTT_Sub_Col_Mnemonic,
  MQTT_Sub_Col_Count,
};

constexpr int MQTT_Publish_Grid = 0;
constexpr int MQTT_Subscribe_Grid = 1;
constexpr int MQTT_Table_Rows = 1024;
// The size of the internal data array both tables address.
constexpr int MQTT_Data_Array_Size = 1500;

// The file: root MQTT_Set_Topic, comment "SW_VERSION = 1.000", the sections
// MQTT_Publish and MQTT_Subscribe. Topic, Retained, QoS and Mnemonic have no
// default; OnChange and OnTimer default to "N", the others to the empty
// text. OnCMD, Channel, Swap and Swap Word are not in the file: a row read
// gets Channel empty and Swap, Swap Word "N".
extern const TTable_File_Format MQTT_Set_Topic_File;

// Which columns of the two grids a working mode shows. Only the check looks
// at it; hidden columns keep their cells.
struct TMQTT_Layout {
  // Per grid, one flag per storage column.
  std::vector<bool> Hidden[2];
  bool Shown(int Grid, int Col) const;
};

// The layout of a working mode. Mode 1, the only one the editor sets, hides
// IP Address, Input Template, OnCMD, Channel, Swap and Swap Word of the
// publish grid and Retained, IP Address, Port, Type, Input Template, Swap
// and Swap Word of the subscribe grid.
TMQTT_Layout MQTT_Layout(int Working_Mode);
// Every column shown.
TMQTT_Layout MQTT_Layout_All_Shown();

// True when the text holds an odd number of "$" characters, so that a
// keyword is not closed.
bool Error_In_Topic_Template(std::string_view Text);

// The check of both tables, publish table first: the message of the first
// failure ("Error row ", the row number and the check's text), nothing when
// both pass. A column's test runs only while the layout shows it; the Time
// test runs whenever OnTimer is ticked.
std::optional<std::string> MQTT_Check_Message(const TTable_Grid_View& Pub, const TTable_Grid_View& Sub,
                                              int Byte_IN, int Byte_OUT, const TMQTT_Layout& Layout);

class TMQTT_Set_Topic_Tables : public TTable_Editor {
 public:
  TMQTT_Set_Topic_Tables();

  // The sizes of the data array that the publish and the subscribe table
  // address, and the column layout in force; set on every show.
  int Byte_IN = MQTT_Data_Array_Size;
  int Byte_OUT = MQTT_Data_Array_Size;
  int Working_Mode = 1;

  bool Do_Copy_Pub() const { return Copied_Here(MQTT_Publish_Grid); }
  bool Do_Copy_Sub() const { return Copied_Here(MQTT_Subscribe_Grid); }

  std::optional<std::string> Check_Message() override;

 protected:
  std::string Delete_Question() const override;
  std::string Grid_Name(int Index) const override;
  void Before_Load() override;
};

// What the topic template editor is opened with: its three fields and the
// text for its rich edit.
struct TTopic_Template_Request {
  int TopicTemplate = 0;
  int Working_Mode = 1;
  int Pub_Sub = 0;
  std::string Text;
};

// The Template column of a grid (publish 9, subscribe 11): a double click
// there opens the topic template editor.
int MQTT_Template_Col(int Grid);

// Edits the cell (Col, Row) of grid Grid (MQTT_Publish_Grid or
// MQTT_Subscribe_Grid) in the topic template editor: Show opens it with the
// request and answers the editor's text when it closes with OK, nothing on
// Cancel. The cell takes the text unchecked (OK of the tables checks it);
// true when it did.
bool Edit_Topic_Cell(TTable_Grid_View& View, int Grid, int Col, int Row, int Working_Mode,
                     const std::function<std::optional<std::string>(const TTopic_Template_Request&)>& Show);

class TPageControl;
class TTabSheet;

// The editor's window; its step stays hidden in this model, but it is
// created and translated with the others
// (tables/network/UMQTT_Set_Topic_Form.cpp).
class TFMQTT_Set_Topic : public TTable_Editor_Form {
 public:
  explicit TFMQTT_Set_Topic(TComponent* AOwner);
  ~TFMQTT_Set_Topic() override;

  TPageControl* PageControl1 = nullptr;
  TTabSheet* TS_MQTT_Publish = nullptr;
  TTabSheet* TS_MQTT_Subscribe = nullptr;
  TRavUvurerEduz* ACG_Pub = nullptr;
  TRavUvurerEduz* ACG_Sub = nullptr;
  // Header hints, entry k for real column k + 1.
  std::unique_ptr<TStringList> Hint_MQTT_Set_Topic_Pub;
  std::unique_ptr<TStringList> Hint_MQTT_Set_Topic_Sub;
  TMQTT_Set_Topic_Tables Tables;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang() override;
  bool Controllo_dati() { return Tables.Controllo_dati(); }
  bool Error_In_Topic_Template(const std::string& Text) const { return ::Error_In_Topic_Template(Text); }

  // Opens the topic template editor on the cell (ACol, ARow) of grid
  // Sender, both real indexes; OK there puts its text in the cell.
  void Show_Form_Topic(TObject* Sender, int ARow, int ACol);

  void ACG_MQTT_KeyPress(TObject* Sender, char32_t& Key);
  void ACG_MQTT_GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);
  void ACG_MQTT_DblClickCell(TObject* Sender, int ARow, int ACol);

  TDedAdararAdoz* Grid(int Index) const override;
  int Active_Grid() const override;

 private:
  // Shows and hides the columns as the working mode lays them out.
  void Apply_Layout();
  int Grid_Index(TObject* Sender) const;
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
