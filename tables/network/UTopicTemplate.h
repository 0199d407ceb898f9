#pragma once
// The topic template editor TFTopicTemplate: a small modal text editor for
// one topic or template text of the MQTT topic tables, with a legend of the
// keywords a template may hold. The MQTT editor puts the cell's text in and
// takes it back on OK (Edit_Topic_Cell in UMQTT_Set_Topic); the form itself
// neither checks nor stores anything.
//
// The part that needs no window: which captions a showing takes and the
// rows of the keyword legend; the window is TFTopicTemplate
// (tables/network/UTopicTemplate_Form.cpp).
#include <string>
#include <vector>

#include "app/ULumetraFirmWare.h"
#include "framework/controls/Forms.h"

// The text ids of the window caption and of L_SW_Desc.
struct TTopic_Template_Captions {
  int Caption;
  int Desc;
};

// "Set Template" (2401, 2403) when TopicTemplate is not zero, "Set Topic"
// (2400, 2402) otherwise.
TTopic_Template_Captions Topic_Template_Captions(int TopicTemplate);

struct TTopic_Keyword {
  std::string Keyword;
  std::string Description;
};

// The keywords a template of this working mode and table (Pub_Sub 0 publish,
// 1 subscribe) may hold. The configurator knows none: the converter's
// firmware gives the keywords their meaning, and the list is empty.
std::vector<TTopic_Keyword> Topic_Keywords(int Working_Mode, int Pub_Sub);

// The rows of the legend grid below its header: one per keyword, or a single
// empty row when there is none. The description cells are read-only.
std::vector<TTopic_Keyword> Keyword_Legend_Rows(const std::vector<TTopic_Keyword>& Keywords);

class TPanel;
class TLabel;
class TRichEdit;
class TSplitter;
class TDedAdararAdoz;
class TLbButton;

class TFTopicTemplate : public TForm, public ILangForm {
 public:
  explicit TFTopicTemplate(TComponent* AOwner);
  ~TFTopicTemplate() override;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TPanel* Panel1 = nullptr;
  TRichEdit* RE_TopicTemplate = nullptr;
  TSplitter* Splitter1 = nullptr;
  TPanel* P_Legend = nullptr;
  TLabel* L_List_Keywords = nullptr;
  TDedAdararAdoz* DUD_Keywords = nullptr;
  TPanel* P_Button = nullptr;
  // Both close the form with their modal result and do nothing else.
  TLbButton* Btn_OK = nullptr;
  TLbButton* Btn_Cancel = nullptr;

  // Set by the MQTT editor before each showing: non-zero when the text is a
  // template (it picks the captions), the working mode, and 0 from the
  // publish table, 1 from the subscribe table.
  int TopicTemplate = 0;
  int Working_Mode = 1;
  int Pub_Sub = 0;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang() override;
  // Fills the legend grid.
  void Laod_Keywords();
};

extern TFTopicTemplate* FTopicTemplate;
