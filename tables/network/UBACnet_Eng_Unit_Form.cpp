// The unit picker's window.
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "controls/button/LbButton.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "tables/network/UBACnet_Eng_Unit.h"

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

namespace {
std::string Lang(int Id) { return Lang_Table->Strings(Id); }
}  // namespace

CF_PUBLISH(TFBACnet_Eng_Unit, TForm) {
  using F = TFBACnet_Eng_Unit;
  P.Field("P_Title", &F::P_Title);
  P.Field("L_SW_Code", &F::L_SW_Code);
  P.Field("L_SW_Desc", &F::L_SW_Desc);
  P.Field("Label1", &F::Label1);
  P.Field("Label2", &F::Label2);
  P.Field("Label3", &F::Label3);
  P.Field("Label4", &F::Label4);
  P.Field("Label5", &F::Label5);
  P.Field("E_Selected_EU", &F::E_Selected_EU);
  P.Field("CB_Select_Type", &F::CB_Select_Type);
  P.Field("CB_Select_Unit", &F::CB_Select_Unit);
  P.Field("Btn_Select_Eng_Unit", &F::Btn_Select_Eng_Unit);
  P.Field("P_Button", &F::P_Button);
  P.Field("Btn_OK", &F::Btn_OK);
  P.Field("Btn_Cancel", &F::Btn_Cancel);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("CB_Select_TypeSelect", &F::CB_Select_TypeSelect);
  P.Method("Btn_Select_Eng_UnitClick", &F::Btn_Select_Eng_UnitClick);
}

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(TComponent* AOwner) : TForm(AOwner) {
  LoadFormLayout(this, "forms/FBACnet_Eng_Unit.dfm");
}

TFBACnet_Eng_Unit::~TFBACnet_Eng_Unit() {
  if (FBACnet_Eng_Unit == this) FBACnet_Eng_Unit = nullptr;
}

void TFBACnet_Eng_Unit::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(548);
  SetClientHeight(306);
  Set_Lang();
}

void TFBACnet_Eng_Unit::Set_Lang() {
  SetCaption(Lang(2600));
  L_SW_Desc->SetCaption(Lang(2601));
  Btn_OK->SetCaption(Lang(2602));
  Btn_Cancel->SetCaption(Lang(2603));
  Label1->SetCaption(Lang(2604));
  Label2->SetCaption(Lang(2605));
  Label3->SetCaption(Lang(2606));
  Label4->SetCaption(Lang(2607));
  Btn_Select_Eng_Unit->SetCaption(Lang(2608));
}

void TFBACnet_Eng_Unit::FormShow(TObject* Sender) { CB_Select_TypeSelect(Sender); }

void TFBACnet_Eng_Unit::CB_Select_TypeSelect(TObject*) {
  CB_Select_Unit->Items()->Clear();
  for (const std::string& name : Category_Unit_Names(CB_Select_Type->ItemIndex()))
    CB_Select_Unit->Items()->Add(name);
  CB_Select_Unit->SetItemIndex(-1);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick(TObject*) {
  if (std::optional<int> code =
          Selected_Unit_Code(CB_Select_Type->ItemIndex(), CB_Select_Unit->ItemIndex())) {
    E_Selected_EU->SetText(std::to_string(*code));
    Label5->SetCaption(Unit_Label(*code));
  }
}
