// The topic template editor's window: the text in a rich edit, the legend
// of keywords under it.
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "controls/button/LbButton.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/controls/ComCtrls.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Splitter.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/DivUzev.h"
#include "tables/network/UTopicTemplate.h"

TFTopicTemplate* FTopicTemplate = nullptr;

namespace {
std::string Lang(int Id) { return Lang_Table->Strings(Id); }
}  // namespace

CF_PUBLISH(TFTopicTemplate, TForm) {
  using F = TFTopicTemplate;
  P.Field("P_Title", &F::P_Title);
  P.Field("L_SW_Code", &F::L_SW_Code);
  P.Field("L_SW_Desc", &F::L_SW_Desc);
  P.Field("Panel1", &F::Panel1);
  P.Field("RE_TopicTemplate", &F::RE_TopicTemplate);
  P.Field("Splitter1", &F::Splitter1);
  P.Field("P_Legend", &F::P_Legend);
  P.Field("L_List_Keywords", &F::L_List_Keywords);
  P.Field("DUD_Keywords", &F::DUD_Keywords);
  P.Field("P_Button", &F::P_Button);
  P.Field("Btn_OK", &F::Btn_OK);
  P.Field("Btn_Cancel", &F::Btn_Cancel);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
}

TFTopicTemplate::TFTopicTemplate(TComponent* AOwner) : TForm(AOwner) {
  LoadFormLayout(this, "forms/FTopicTemplate.dfm");
}

TFTopicTemplate::~TFTopicTemplate() {
  if (FTopicTemplate == this) FTopicTemplate = nullptr;
}

void TFTopicTemplate::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(635);
  SetClientHeight(396);
  Set_Lang();
}

void TFTopicTemplate::Set_Lang() {
  SetCaption(Lang(2400));
  L_SW_Desc->SetCaption(Lang(2402));
  L_List_Keywords->SetCaption(Lang(2404));
  DUD_Keywords->SetCellEx(0, 0, Lang(2405));
  DUD_Keywords->SetCellEx(1, 0, Lang(2406));
  Btn_OK->SetCaption(Lang(2407));
  Btn_Cancel->SetCaption(Lang(2408));
}

void TFTopicTemplate::FormShow(TObject*) {
  const TTopic_Template_Captions captions = Topic_Template_Captions(TopicTemplate);
  SetCaption(Lang(captions.Caption));
  L_SW_Desc->SetCaption(Lang(captions.Desc));
  Laod_Keywords();
  if (RE_TopicTemplate->CanFocus()) RE_TopicTemplate->SetFocus();
}

void TFTopicTemplate::Laod_Keywords() {
  if (DUD_Keywords->EditMode()) DUD_Keywords->CancelInplaceEdit();
  const std::vector<TTopic_Keyword> rows = Keyword_Legend_Rows(Topic_Keywords(Working_Mode, Pub_Sub));
  DUD_Keywords->SetRowCount(static_cast<int>(rows.size()) + 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    DUD_Keywords->SetCellEx(0, r, rows[i].Keyword);
    DUD_Keywords->SetCellEx(1, r, rows[i].Description);
    DUD_Keywords->GetCellProperties(0, r)->SetReadOnly(false);
    DUD_Keywords->GetCellProperties(1, r)->SetReadOnly(true);
  }
}
