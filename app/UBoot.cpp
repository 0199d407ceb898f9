#include "app/UBoot.h"

#include <string>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "controls/button/LbButton.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "framework/net/Ping.h"
#include "framework/xml/XmlDom.h"
#include "grid/model/VevCGrid.h"

TFBoot* FBoot = nullptr;

namespace {
std::string Lang(int Id) { return Lang_Table->Strings(Id); }

// A decimal octet as the updater and every system read it alike: no blanks,
// signs or leading zeros (which some readers take for octal).
int Octet(const std::string& Text) {
  if (Text.empty() || Text.size() > 3) return -1;
  if (Text.size() > 1 && Text[0] == '0') return -1;
  int value = 0;
  for (char c : Text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value <= 255 ? value : -1;
}
}  // namespace

bool Valid_Device_Address(const std::string& Ip1, const std::string& Ip2, const std::string& Ip3,
                          const std::string& Ip4) {
  const int first = Octet(Ip1);
  if (Octet(Ip2) < 0 || Octet(Ip3) < 0 || Octet(Ip4) < 0) return false;
  // 0.x.x.x names this host (an echo to 0.0.0.0 answers from here); 224 and
  // above are multicast, reserved and broadcast: none is a device.
  return first >= 1 && first <= 223;
}

CF_PUBLISH(TFBoot, TForm) {
  using F = TFBoot;
  P.Field("P_Title", &F::P_Title);
  P.Field("L_SW_Code", &F::L_SW_Code);
  P.Field("L_SW_Desc", &F::L_SW_Desc);
  P.Field("P_Button", &F::P_Button);
  P.Field("Btn_Cancel", &F::Btn_Cancel);
  P.Field("Btn_Update", &F::Btn_Update);
  P.Field("P_IP_Address", &F::P_IP_Address);
  P.Field("L_IP_Address", &F::L_IP_Address);
  P.Field("E_IP1", &F::E_IP1);
  P.Field("E_IP2", &F::E_IP2);
  P.Field("E_IP3", &F::E_IP3);
  P.Field("E_IP4", &F::E_IP4);
  P.Field("L_Dot1", &F::L_Dot1);
  P.Field("L_Dot2", &F::L_Dot2);
  P.Field("L_Dot3", &F::L_Dot3);
  P.Field("P_Options", &F::P_Options);
  P.Field("L_Update_Option", &F::L_Update_Option);
  P.Field("CB_Update_Options", &F::CB_Update_Options);
  P.Field("CB_Update_Option_Read_Back", &F::CB_Update_Option_Read_Back);
  P.Field("L_Update_State", &F::L_Update_State);
  P.Field("P_Serial", &F::P_Serial);
  P.Field("L_COM_Port", &F::L_COM_Port);
  P.Field("CB_COM_Port", &F::CB_COM_Port);
  P.Field("Btn_COM_List", &F::Btn_COM_List);
  P.Field("P_Eth_Search", &F::P_Eth_Search);
  P.Field("L_List_Device", &F::L_List_Device);
  P.Field("Btn_Search", &F::Btn_Search);
  P.Field("ACG_List_Devices", &F::ACG_List_Devices);
  P.Field("CB_Find_All_Korvel", &F::CB_Find_All_Korvel);
  P.Method("FormShow", &F::FormShow);
  P.Method("Btn_UpdateClick", &F::Btn_UpdateClick);
  P.Method("KeyPress", static_cast<void (F::*)(TObject*, char32_t&)>(&F::KeyPress));
  P.Method("Btn_COM_ListClick", &F::Btn_COM_ListClick);
}

TFBoot::TFBoot(TComponent* AOwner) : TForm(AOwner), pinger_(std::make_unique<TIcmpPinger>()) {
  RegisterColumnGridClasses();
  LoadFormLayout(this, "forms/FBoot.dfm");
  XML1 = new TXMLDocument(this);
}

TFBoot::~TFBoot() {
  if (FBoot == this) FBoot = nullptr;
}

void TFBoot::Set_Pinger(std::unique_ptr<IPinger> Pinger) { pinger_ = std::move(Pinger); }

void TFBoot::Set_Device_List_Headers(const std::string& Ip_Header, const std::string& Mac_Header) {
  ACG_List_Devices->Columns()->GetItem(0)->SetHeader(Ip_Header);
  ACG_List_Devices->Columns()->GetItem(1)->SetHeader(Mac_Header);
}

void TFBoot::Set_Lang() {
  static const int titles[][2] = {{1000, 1001}, {1002, 1003}, {1004, 1005}};
  if (Form_Type >= 0 && Form_Type <= 2) {
    SetCaption(Lang(titles[Form_Type][0]));
    L_SW_Desc->SetCaption(Lang(titles[Form_Type][1]));
  }
  L_IP_Address->SetCaption(Lang(1006));
  L_List_Device->SetCaption(Lang(1009));
  Btn_Search->SetCaption(Lang(1010));
  Set_Device_List_Headers(Lang(1011), Lang(1012));
  CB_Find_All_Korvel->SetCaption(Lang(1013));
  L_Update_Option->SetCaption(Lang(1014));

  CB_Update_Options->Items()->Clear();
  for (int id : {1015, 1016, 1017}) CB_Update_Options->Items()->Add(Lang(id));
  CB_Update_Options->SetItemIndex(0);

  CB_Update_Option_Read_Back->SetCaption(Lang(1018));
  Btn_Cancel->SetCaption(Lang(1019));
  Btn_Update->SetCaption(Lang(1020));
  L_Update_State->SetCaption(Lang(Text_Updater_Running));

  E_IP1->SetHint(Lang(1021));
  E_IP2->SetHint(Lang(1022));
  E_IP3->SetHint(Lang(1023));
  E_IP4->SetHint(Lang(1024));
  Btn_Search->SetHint(Lang(1029));
  ACG_List_Devices->SetHint(Lang(1030));
  CB_Find_All_Korvel->SetHint(Lang(1031));
  CB_Update_Options->SetHint(Lang(1032));
  CB_Update_Option_Read_Back->SetHint(Lang(1033));
  Btn_Cancel->SetHint(Lang(1034));
  Btn_Update->SetHint(Lang(1035));
}

void TFBoot::Layout_Panels() {
  TPanel* const middle[] = {P_IP_Address, P_Eth_Search, P_Options, P_Serial};
  for (TPanel* p : middle) {
    p->SetVisible(false);
    p->SetAlign(alNone);
  }
  // Panels aligned to the top stack by their tops: each starts below the
  // ones before it, so they line up in the order given.
  int top = P_Title->Height();
  auto stack = [&top](TPanel* Panel) {
    Panel->SetTop(top);
    Panel->SetAlign(alTop);
    if (Panel->Visible()) top += Panel->Height();
  };
  SetClientWidth(449);
  if (Form_Type == 0) {
    P_Options->SetVisible(true);
    P_Serial->SetVisible(true);
    stack(P_Serial);
    stack(P_Options);
    SetClientHeight(P_Title->Height() + P_Serial->Height() + P_Options->Height() + P_Button->Height());
    TWinControl* const order[] = {P_Title, P_Serial, P_Options, P_Button, P_IP_Address, P_Eth_Search};
    for (int i = 0; i < 6; ++i) order[i]->SetTabOrder(i);
  } else {
    P_IP_Address->SetVisible(true);
    P_Options->SetVisible(true);
    stack(P_IP_Address);
    stack(P_Eth_Search);
    stack(P_Options);
    SetClientHeight(P_Title->Height() + P_IP_Address->Height() + P_Options->Height() + P_Button->Height());
    TWinControl* const order[] = {P_Title, P_IP_Address, P_Eth_Search, P_Options, P_Button, P_Serial};
    for (int i = 0; i < 6; ++i) order[i]->SetTabOrder(i);
  }
}

void TFBoot::FormShow(TObject*) {
  Set_Lang();
  L_SW_Code->SetCaption(SW_Code);
  if (Form_Type != 0 && Form_Type != 1) return;
  Layout_Panels();
  if (Form_Type == 1) {
    std::string p1, p2, p3, p4;
    if (!Last_IP_Address.empty() && Split_IP_Address(Last_IP_Address, p1, p2, p3, p4)) {
      E_IP1->SetText(p1);
      E_IP2->SetText(p2);
      E_IP3->SetText(p3);
      E_IP4->SetText(p4);
    }
  }
  CB_Update_Options->SetItemIndex(Update_Option_Index);
  CB_Update_Option_Read_Back->SetChecked(Update_Read_Back);
  if (Form_Type == 0) {
    update_ComPort();
    if (CB_COM_Port->CanFocus()) CB_COM_Port->SetFocus();
  } else if (E_IP1->CanFocus()) {
    E_IP1->SetFocus();
  }
}

void TFBoot::KeyPress(TObject* Sender, char32_t& Key) {
  if (Key != U'.') return;
  TEdit* next = Sender == E_IP1 ? E_IP2 : Sender == E_IP2 ? E_IP3 : Sender == E_IP3 ? E_IP4 : nullptr;
  if (next != nullptr && next->CanFocus()) next->SetFocus();
  Key = 0;
}

void TFBoot::Btn_COM_ListClick(TObject*) { update_ComPort(); }

void TFBoot::update_ComPort() {
  std::unique_ptr<TStringList> ports = Get_Com_Ports(Dev_Folder);
  CB_COM_Port->Items()->Clear();
  for (int i = 0; i < ports->Count(); ++i) CB_COM_Port->Items()->Add("COM" + ports->Strings(i));
  CB_COM_Port->SetItemIndex(ports->Count() > 0 ? 0 : -1);
}

std::string TFBoot::IP_Address_Text() const {
  return E_IP1->Text() + "." + E_IP2->Text() + "." + E_IP3->Text() + "." + E_IP4->Text();
}
