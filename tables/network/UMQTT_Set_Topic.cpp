#include "tables/network/UMQTT_Set_Topic.h"

#include <initializer_list>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UTable_Grid_View.h"
#include "framework/classes/StringList.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"

namespace {
constexpr int Text_Error_Row = 2351;
constexpr int Text_Delete_Question = 2323;

constexpr TTable_Column Value(const char* Attribute, const char* Default = nullptr) {
  return {Attribute, Default, false};
}
constexpr TTable_Column Check(const char* Attribute, const char* Default = nullptr) {
  return {Attribute, Default, true};
}
// Columns of the grid that the file does not hold, and what a row read
// gets in them.
constexpr TTable_Column Not_Saved(const char* Loaded = nullptr) { return {nullptr, Loaded, false}; }
constexpr TTable_Column Not_Saved_Check(const char* Loaded = nullptr) { return {nullptr, Loaded, true}; }

std::vector<TTable_Column> Publish_Columns() {
  return {Value("Topic"),         Check("Retained"),      Value("QoS"),           Value("DataType", ""),
          Value("Dimension", ""), Value("Position", ""),  Value("IPAddress", ""), Value("InputTemplate", ""),
          Value("Template", ""),  Check("OnChange", "N"), Not_Saved_Check(),      Check("OnTimer", "N"),
          Value("Time", ""),      Not_Saved(""),          Not_Saved_Check("N"),   Not_Saved_Check("N"),
          Value("Mnemonic")};
}

std::vector<TTable_Column> Subscribe_Columns() {
  return {Value("Topic"),         Check("Retained"),          Value("QoS"),           Value("DataType", ""),
          Value("Dimension", ""), Value("Position", ""),      Value("IPAddress", ""), Value("Port", ""),
          Value("EthType", ""),   Value("InputTemplate", ""), Value("Template", ""),  Not_Saved_Check("N"),
          Not_Saved_Check("N"),   Value("Mnemonic")};
}

// The columns and texts that tell the two tables' checks apart.
struct TMQTT_Table_Check {
  int Grid;
  int Data_Type, Int_Dimension, Float_Dimension, Dimension, Position, IP_Address, Input_Template, Template;
  // Subscribe only: the Port (0 when the table has none); publish only: the
  // timer (0 when none).
  int Port;
  int Time;
  int Col_IP_Address, Col_Port, Col_Input_Template, Col_Template;
  int Page_Caption, Key_Header;
};

const TMQTT_Table_Check Publish_Check{.Grid = MQTT_Publish_Grid,
                                      .Data_Type = 2352,
                                      .Int_Dimension = 2353,
                                      .Float_Dimension = 2354,
                                      .Dimension = 2355,
                                      .Position = 2356,
                                      .IP_Address = 2374,
                                      .Input_Template = 2377,
                                      .Template = 2378,
                                      .Port = 0,
                                      .Time = 2389,
                                      .Col_IP_Address = MQTT_Pub_Col_IP_Address,
                                      .Col_Port = 0,
                                      .Col_Input_Template = MQTT_Pub_Col_Input_Template,
                                      .Col_Template = MQTT_Pub_Col_Template,
                                      .Page_Caption = 2333,
                                      .Key_Header = 2315};
const TMQTT_Table_Check Subscribe_Check{.Grid = MQTT_Subscribe_Grid,
                                        .Data_Type = 2357,
                                        .Int_Dimension = 2358,
                                        .Float_Dimension = 2359,
                                        .Dimension = 2360,
                                        .Position = 2361,
                                        .IP_Address = 2375,
                                        .Input_Template = 2379,
                                        .Template = 2380,
                                        .Port = 2376,
                                        .Time = 0,
                                        .Col_IP_Address = MQTT_Sub_Col_IP_Address,
                                        .Col_Port = MQTT_Sub_Col_Port,
                                        .Col_Input_Template = MQTT_Sub_Col_Input_Template,
                                        .Col_Template = MQTT_Sub_Col_Template,
                                        .Page_Caption = 2334,
                                        .Key_Header = 2325};

// Data Type, Dimension and Position stand in the same columns in both grids.
constexpr int Col_Data_Type = MQTT_Pub_Col_Data_Type;
constexpr int Col_Dimension = MQTT_Pub_Col_Dimension;
constexpr int Col_Position = MQTT_Pub_Col_Position;
static_assert(Col_Data_Type == int{MQTT_Sub_Col_Data_Type} && Col_Dimension == int{MQTT_Sub_Col_Dimension} &&
              Col_Position == int{MQTT_Sub_Col_Position});

std::string Text(int Id) { return Lang_Table->Strings(Id); }

std::string Upper_Trim(const TTable_Grid_View& G, int Col, int Row) {
  return UpperCase(Trim(G.GetCellEx(Col, Row)));
}

bool Valid_IP_Address(const TTable_Grid_View& G, int Col, int Row) {
  std::string p1, p2, p3, p4;
  return Split_IP_Address(Trim(G.GetCellEx(Col, Row)), p1, p2, p3, p4);
}

bool Template_Fails(const TTable_Grid_View& G, int Col, int Row) {
  return Error_In_Topic_Template(Trim(G.GetCellEx(Col, Row)));
}

std::optional<std::string> Check_Data_Type(const TTable_Grid_View& G, int r, const TMQTT_Table_Check& T) {
  const std::string type = Upper_Trim(G, Col_Data_Type, r);
  if (type.empty()) return Text(T.Data_Type);
  const int dimension = Cell_Int(G, Col_Dimension, r);
  if (type == "INT") {
    if (dimension != 1 && dimension != 2 && dimension != 4 && dimension != 8) return Text(T.Int_Dimension);
  } else if (type == "FLOAT") {
    if (dimension != 4 && dimension != 8) return Text(T.Float_Dimension);
  } else if (dimension <= 0) {
    return Text(T.Dimension);
  }
  return std::nullopt;
}

std::optional<std::string> Check_MQTT_Row(const TTable_Grid_View& G, int r, const TMQTT_Table_Check& T,
                                          int NByte, const TMQTT_Layout& L) {
  auto shown = [&](int Col) { return Col != 0 && L.Shown(T.Grid, Col); };
  if (shown(Col_Data_Type))
    if (auto failure = Check_Data_Type(G, r, T)) return failure;
  if (shown(Col_Position) && !Cell_In_Range(G, Col_Position, r, 0, NByte - 1))
    return Text(T.Position) + std::to_string(NByte - 1);
  if (shown(T.Col_IP_Address) && !Valid_IP_Address(G, T.Col_IP_Address, r)) return Text(T.IP_Address);
  if (shown(T.Col_Port) && !Cell_In_Range(G, T.Col_Port, r, 0, 65535)) return Text(T.Port);
  if (shown(T.Col_Input_Template) && Template_Fails(G, T.Col_Input_Template, r))
    return Text(T.Input_Template);
  if (shown(T.Col_Template) && Template_Fails(G, T.Col_Template, r)) return Text(T.Template);
  if (T.Time != 0 && Upper_Trim(G, MQTT_Pub_Col_OnTimer, r) == "Y" &&
      !Cell_In_Range(G, MQTT_Pub_Col_Time, r, 1, 1000000000))
    return Text(T.Time);
  return std::nullopt;
}

// No Enable column: every row up to the first empty Topic is checked.
bool Every_Row(const TTable_Grid_View&, int) { return true; }

std::optional<std::string> Check_MQTT_Table(const TTable_Grid_View& G, const TMQTT_Table_Check& T, int NByte,
                                            const TMQTT_Layout& L) {
  TTable_Check check;
  check.Error_Row = Text(Text_Error_Row);
  check.Key_Gap = "!! [" + Text(T.Page_Caption) + "] " + Key_Gap_Text(Text(T.Key_Header));
  check.Enabled = Every_Row;
  check.Check_Row = [&](int r) { return Check_MQTT_Row(G, r, T, NByte, L); };
  return Check_Table(G, MQTT_Set_Topic_File.Grids[static_cast<std::size_t>(T.Grid)], check);
}

TMQTT_Layout Layout_Hiding(std::initializer_list<int> Publish, std::initializer_list<int> Subscribe) {
  TMQTT_Layout layout;
  layout.Hidden[MQTT_Publish_Grid].assign(MQTT_Pub_Col_Count, false);
  layout.Hidden[MQTT_Subscribe_Grid].assign(MQTT_Sub_Col_Count, false);
  for (int c : Publish) layout.Hidden[MQTT_Publish_Grid][static_cast<std::size_t>(c)] = true;
  for (int c : Subscribe) layout.Hidden[MQTT_Subscribe_Grid][static_cast<std::size_t>(c)] = true;
  return layout;
}
}  // namespace

const TTable_File_Format MQTT_Set_Topic_File{
    "MQTT_Set_Topic",
    "SW_VERSION = 1.000",
    {
        {"MQTT_Publish", MQTT_Pub_Col_Topic, false, MQTT_Table_Rows, Publish_Columns()},
        {"MQTT_Subscribe", MQTT_Sub_Col_Topic, false, MQTT_Table_Rows, Subscribe_Columns()},
    }};

bool TMQTT_Layout::Shown(int Grid, int Col) const {
  const std::vector<bool>& hidden = Hidden[Grid == MQTT_Publish_Grid ? 0 : 1];
  return Col < 0 || static_cast<std::size_t>(Col) >= hidden.size() || !hidden[static_cast<std::size_t>(Col)];
}

TMQTT_Layout MQTT_Layout(int) {
  // Working mode 1 is the only layout there is.
  return Layout_Hiding({MQTT_Pub_Col_IP_Address, MQTT_Pub_Col_Input_Template, MQTT_Pub_Col_OnCMD,
                        MQTT_Pub_Col_Channel, MQTT_Pub_Col_Swap, MQTT_Pub_Col_Swap_Word},
                       {MQTT_Sub_Col_Retained, MQTT_Sub_Col_IP_Address, MQTT_Sub_Col_Port, MQTT_Sub_Col_Type,
                        MQTT_Sub_Col_Input_Template, MQTT_Sub_Col_Swap, MQTT_Sub_Col_Swap_Word});
}

TMQTT_Layout MQTT_Layout_All_Shown() { return Layout_Hiding({}, {}); }

bool Error_In_Topic_Template(std::string_view Text) {
  std::size_t dollars = 0;
  for (char c : Text) dollars += c == '$';
  return dollars % 2 != 0;
}

std::optional<std::string> MQTT_Check_Message(const TTable_Grid_View& Pub, const TTable_Grid_View& Sub,
                                              int Byte_IN, int Byte_OUT, const TMQTT_Layout& Layout) {
  if (auto failure = Check_MQTT_Table(Pub, Publish_Check, Byte_IN, Layout)) return failure;
  return Check_MQTT_Table(Sub, Subscribe_Check, Byte_OUT, Layout);
}

TMQTT_Set_Topic_Tables::TMQTT_Set_Topic_Tables() : TTable_Editor(MQTT_Set_Topic_File, Path_MQTT_Set_Topic) {}

std::optional<std::string> TMQTT_Set_Topic_Tables::Check_Message() {
  return MQTT_Check_Message(Grid(MQTT_Publish_Grid), Grid(MQTT_Subscribe_Grid), Byte_IN, Byte_OUT,
                            MQTT_Layout(Working_Mode));
}

std::string TMQTT_Set_Topic_Tables::Delete_Question() const { return Text(Text_Delete_Question); }

std::string TMQTT_Set_Topic_Tables::Grid_Name(int Index) const {
  return Text(Index == MQTT_Publish_Grid ? Publish_Check.Page_Caption : Subscribe_Check.Page_Caption);
}

void TMQTT_Set_Topic_Tables::Before_Load() {
  Working_Mode = 1;
  Byte_IN = MQTT_Data_Array_Size;
  Byte_OUT = MQTT_Data_Array_Size;
}

int MQTT_Template_Col(int Grid) {
  return Grid == MQTT_Publish_Grid ? int{MQTT_Pub_Col_Template} : int{MQTT_Sub_Col_Template};
}

bool Edit_Topic_Cell(TTable_Grid_View& View, int Grid, int Col, int Row, int Working_Mode,
                     const std::function<std::optional<std::string>(const TTopic_Template_Request&)>& Show) {
  TTopic_Template_Request request;
  request.TopicTemplate = Col == MQTT_Template_Col(Grid) ? 1 : 0;
  request.Working_Mode = Working_Mode;
  request.Pub_Sub = Grid == MQTT_Publish_Grid ? 0 : 1;
  request.Text = View.GetCellEx(Col, Row);
  const std::optional<std::string> text = Show(request);
  if (!text) return false;
  View.SetCellEx(Col, Row, *text);
  return true;
}
