// The MQTT topic editor's window: the publish and the subscribe table on two
// pages, their template cells edited in the topic template editor.
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ComCtrls.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/VevCGrid.h"
#include "tables/network/UMQTT_Set_Topic.h"
#include "tables/network/UTopicTemplate.h"

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

CF_PUBLISH(TFMQTT_Set_Topic, TTable_Editor_Form) {
  using F = TFMQTT_Set_Topic;
  P.Field("PageControl1", &F::PageControl1);
  P.Field("TS_MQTT_Publish", &F::TS_MQTT_Publish);
  P.Field("TS_MQTT_Subscribe", &F::TS_MQTT_Subscribe);
  P.Field("ACG_Pub", &F::ACG_Pub);
  P.Field("ACG_Sub", &F::ACG_Sub);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("ACG_MQTT_KeyPress", &F::ACG_MQTT_KeyPress);
  P.Method("ACG_MQTT_GridHint", &F::ACG_MQTT_GridHint);
  P.Method("ACG_MQTT_DblClickCell", &F::ACG_MQTT_DblClickCell);
}

TFMQTT_Set_Topic::TFMQTT_Set_Topic(TComponent* AOwner)
    : TTable_Editor_Form(AOwner, Tables),
      Hint_MQTT_Set_Topic_Pub(new TStringList),
      Hint_MQTT_Set_Topic_Sub(new TStringList) {
  LoadFormLayout(this, "forms/FMQTT_Set_Topic.dfm");
}

TFMQTT_Set_Topic::~TFMQTT_Set_Topic() {
  if (FMQTT_Set_Topic == this) FMQTT_Set_Topic = nullptr;
}

TDedAdararAdoz* TFMQTT_Set_Topic::Grid(int Index) const {
  return Index == MQTT_Subscribe_Grid ? ACG_Sub : ACG_Pub;
}

int TFMQTT_Set_Topic::Active_Grid() const {
  return PageControl1->ActivePage() == TS_MQTT_Subscribe ? MQTT_Subscribe_Grid : MQTT_Publish_Grid;
}

int TFMQTT_Set_Topic::Grid_Index(TObject* Sender) const {
  return Event_Grid(Sender) == ACG_Sub ? MQTT_Subscribe_Grid : MQTT_Publish_Grid;
}

void TFMQTT_Set_Topic::FormCreate(TObject*) {
  Bind_Grids();
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(1100);
  SetClientHeight(337);
  Set_Lang();
}

void TFMQTT_Set_Topic::Set_Lang() {
  Set_Form_Texts(2300, 2302, 2308);
  TS_MQTT_Publish->SetCaption(Lang_Table->Strings(2333));
  TS_MQTT_Subscribe->SetCaption(Lang_Table->Strings(2334));
  Set_Headers(ACG_Pub, {2314, 2315, 2316, 2317, 2337, 2338, 2339, 2362, 2363, 2335, 2381, 2383, 2384, 2385,
                        2390, 2393, 2394, 2318});
  Set_Headers(ACG_Sub,
              {2324, 2325, 2326, 2327, 2343, 2344, 2345, 2366, 2367, 2368, 2369, 2346, 2393, 2394, 2328});
  Fill_Hints(*Hint_MQTT_Set_Topic_Pub, {2319, 2320, 2321, 2340, 2341, 2342, 2364, 2365, 2336, 2382, 2386,
                                        2387, 2388, 2391, 2395, 2396, 2322});
  Fill_Hints(*Hint_MQTT_Set_Topic_Sub,
             {2329, 2330, 2331, 2347, 2348, 2349, 2370, 2371, 2372, 2373, 2350, 2397, 2398, 2332});
}

void TFMQTT_Set_Topic::Apply_Layout() {
  const TMQTT_Layout layout = MQTT_Layout(Tables.Working_Mode);
  const struct {
    TRavUvurerEduz* Grid;
    int Index;
    int Cols;
  } grids[] = {{ACG_Pub, MQTT_Publish_Grid, MQTT_Pub_Col_Count},
               {ACG_Sub, MQTT_Subscribe_Grid, MQTT_Sub_Col_Count}};
  for (const auto& g : grids) {
    if (g.Grid->EditMode()) g.Grid->CancelInplaceEdit();
    for (int c = 1; c < g.Cols; ++c) {
      if (layout.Shown(g.Index, c))
        g.Grid->UnHideColumn(c);
      else
        g.Grid->HideColumn(c);
    }
  }
  TS_MQTT_Subscribe->SetTabVisible(true);
}

void TFMQTT_Set_Topic::FormShow(TObject*) {
  Tables.Working_Mode = 1;
  Tables.Byte_IN = MQTT_Data_Array_Size;
  Tables.Byte_OUT = MQTT_Data_Array_Size;
  Apply_Layout();
  ACG_Pub->SetRowCount(MQTT_Table_Rows + 1);
  ACG_Sub->SetRowCount(MQTT_Table_Rows + 1);
  PageControl1->SetActivePage(TS_MQTT_Publish);
  Load_Grids();
}

void TFMQTT_Set_Topic::ACG_MQTT_KeyPress(TObject* Sender, char32_t& Key) {
  Grid_Enter_Next_Field(Event_Grid(Sender), Key);
}

void TFMQTT_Set_Topic::ACG_MQTT_GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr) {
  TDedAdararAdoz* grid = Event_Grid(Sender);
  const TStringList& hints = grid == ACG_Sub ? *Hint_MQTT_Set_Topic_Sub : *Hint_MQTT_Set_Topic_Pub;
  // Elsewhere the hint stays as the grid made it.
  Header_Hint(grid, hints, ARow, ACol, HintStr);
}

void TFMQTT_Set_Topic::ACG_MQTT_DblClickCell(TObject* Sender, int ARow, int ACol) {
  TDedAdararAdoz* grid = Event_Grid(Sender);
  const int col = grid->RealColIndex(grid->Col());
  const int row = grid->RealRowIndex(grid->Row());
  Grid_Auto_Size_Column(grid, ARow, ACol);
  if (col == MQTT_Template_Col(Grid_Index(grid))) Show_Form_Topic(grid, row, col);
}

void TFMQTT_Set_Topic::Show_Form_Topic(TObject* Sender, int ARow, int ACol) {
  TDedAdararAdoz* grid = Event_Grid(Sender);
  // A cell editor the double click opened would write its own text over
  // the one taken back; what it holds so far goes in.
  if (grid->EditMode()) grid->HideInplaceEdit();
  Edit_Topic_Cell(Tables.Grid(Grid_Index(grid)), Grid_Index(grid), ACol, ARow, Tables.Working_Mode,
                  [](const TTopic_Template_Request& Request) -> std::optional<std::string> {
                    TFTopicTemplate* editor = FTopicTemplate;
                    if (editor == nullptr) return std::nullopt;
                    editor->TopicTemplate = Request.TopicTemplate;
                    editor->Working_Mode = Request.Working_Mode;
                    editor->Pub_Sub = Request.Pub_Sub;
                    editor->RE_TopicTemplate->Lines()->Clear();
                    editor->RE_TopicTemplate->SetText(Request.Text);
                    if (editor->ShowModal() != mrOk) return std::nullopt;
                    return editor->RE_TopicTemplate->Text();
                  });
  grid->Invalidate();
}
