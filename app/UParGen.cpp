#include "app/UParGen.h"

#include <vector>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "controls/button/LbButton.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/CategoryPanel.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComCtrls.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "framework/graphics/ImgList.h"
#include "framework/rtl/SysUtils.h"
#include "framework/xml/XmlDom.h"

TFParGen* FParGen = nullptr;

namespace {
constexpr int Form_Client_Width = 460;
constexpr int Form_Client_Height = 700;
// The title, a header with a row under it, and the buttons.
constexpr int Form_Min_Client_Height = 200;

std::string Lang_Text(int Id) { return Lang_Table->Strings(Id); }

// One control that takes texts of the block: a label its caption, a check
// box its caption and then its hint, any other control its hint; a check box
// with a fixed caption takes only the hint.
struct TText_Target {
  TText_Target(TControl* AControl) : Control(AControl) {}
  TControl* Control;
  bool Hint_Only = false;
};
TText_Target Hint_Only(TControl* Control) {
  TText_Target t(Control);
  t.Hint_Only = true;
  return t;
}

// Gives Targets the texts from First on, in order; answers the id after
// the last one used.
int Apply_Texts(int First, std::initializer_list<TText_Target> Targets) {
  int id = First;
  for (const TText_Target& t : Targets) {
    if (dynamic_cast<TCustomLabel*>(t.Control) != nullptr) {
      t.Control->SetCaption(Lang_Text(id++));
    } else if (dynamic_cast<TCustomCheckBox*>(t.Control) != nullptr && !t.Hint_Only) {
      t.Control->SetCaption(Lang_Text(id++));
      t.Control->SetHint(Lang_Text(id++));
    } else {
      t.Control->SetHint(Lang_Text(id++));
    }
  }
  return id;
}
}  // namespace

CF_PUBLISH(TFParGen, TForm) {
  using F = TFParGen;
#define PARGEN_PUBLISH(Class, Name) P.Field(#Name, &F::Name);
  PARGEN_CONTROLS(PARGEN_PUBLISH)
#undef PARGEN_PUBLISH
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("FormResize", &F::FormResize);
  P.Method("FormMouseWheel", &F::FormMouseWheel);
  P.Method("Btn_OKClick", &F::Btn_OKClick);
  P.Method("KeyPress", static_cast<void (F::*)(TObject*, char32_t&)>(&F::KeyPress));
  P.Method("On_Change", &F::On_Change);
  P.Method("On_Click", &F::On_Click);
}

TFParGen::TFParGen(TComponent* AOwner) : TForm(AOwner) {
  RegisterLbButtonClasses();
  ImageList1 = new TImageList(this);
  ImageList1->SetName("ImageList1");
  XML1 = new TXMLDocument(this);
  XML1->SetName("XML1");
  LoadFormLayout(this, "forms/FParGen.dfm");
  Load_Glyphs();
}

TFParGen::~TFParGen() {
  if (FParGen == this) FParGen = nullptr;
}

void TFParGen::Load_Glyphs() {
  // Index 0 marks an expanded panel, 1 a collapsed one.
  try {
    ImageList1->SetSize(16, 16);
    for (const char* name : {"PARGEN_EXPANDED", "PARGEN_COLLAPSED"}) {
      TBitmap bmp;
      bmp.LoadFromResourceName(name);
      ImageList1->AddMasked(&bmp, clFuchsia);
    }
    CPG->SetImages(ImageList1);
  } catch (const Exception&) {
    // Without the pictures the headers show their chevrons.
  }
}

void TFParGen::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(Form_Client_Width);
  SetClientHeight(Form_Client_Height);
  // The user sizes the height only, and never so small that the title,
  // a panel header and the buttons stop fitting.
  Constraints()->SetMinWidth(Width());
  Constraints()->SetMaxWidth(Width());
  Constraints()->SetMinHeight(Height() - ClientHeight() + Form_Min_Client_Height);
  Hide_All_Panels();
  Order_TAB_Panels();
  Move_GroupBoxs();
  Set_Lang();
}

void TFParGen::FormShow(TObject*) {
  Load_ParGen();
  Move_GroupBoxs();
  loaded_values_ = Values();
}

void TFParGen::WndProc(TMessage& Message) {
  if (!Confirm_Close_Unsaved(Message, [this] { return Changed(); })) return;
  TForm::WndProc(Message);
}

void TFParGen::FormResize(TObject*) {
  if (ClientWidth() != Form_Client_Width) SetClientWidth(Form_Client_Width);
}

void TFParGen::FormMouseWheel(TObject*, TShiftState, int WheelDelta, TPoint MousePos, bool& Handled) {
  const TPoint p = CPG->ScreenToClient(MousePos);
  Handled = PtInRect(CPG->ClientRect(), p);
  if (!Handled) return;
  // Each notch scrolls the user's lines setting, whatever the delta.
  const int lines = Mouse->WheelScrollLines();
  for (int i = 0; i < lines; ++i) {
    CPG->Perform(WM_VSCROLL, WheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    CPG->Perform(WM_VSCROLL, SB_ENDSCROLL, 0);
  }
}

void TFParGen::Btn_OKClick(TObject*) {
  if (!Controllo_Dati()) return;
  if (!Save_ParGen()) return;
  SetModalResult(mrOk);
}

void TFParGen::KeyPress(TObject* Sender, char32_t& Key) {
  if (Key != U'.') return;
  Key = 0;
  const std::vector<TEdit*> chains[] = {
      {E_EthConn_Pri_DNS_IP1, E_EthConn_Pri_DNS_IP2, E_EthConn_Pri_DNS_IP3, E_EthConn_Pri_DNS_IP4,
       E_EthConn_Sec_DNS_IP1, E_EthConn_Sec_DNS_IP2, E_EthConn_Sec_DNS_IP3, E_EthConn_Sec_DNS_IP4},
      {E_S7_Protocol_IP1, E_S7_Protocol_IP2, E_S7_Protocol_IP3, E_S7_Protocol_IP4, E_S7_Protocol_SM1,
       E_S7_Protocol_SM2, E_S7_Protocol_SM3, E_S7_Protocol_SM4, E_S7_Protocol_GAT1, E_S7_Protocol_GAT2,
       E_S7_Protocol_GAT3, E_S7_Protocol_GAT4},
  };
  for (const auto& chain : chains) {
    for (std::size_t i = 0; i < chain.size(); ++i) {
      if (chain[i] != Sender) continue;
      if (i + 1 < chain.size() && chain[i + 1]->CanFocus()) chain[i + 1]->SetFocus();
      return;
    }
  }
}

void TFParGen::On_Change(TObject* Sender) {
  // Values set while the layout is read must not run the layout on a
  // half-built form.
  if (ComponentState().Contains(csLoading)) return;
  if (Sender == CB_SNMP_Agent_SecurityLevel || Sender == CB_BACnet_Slave_Type) Move_GroupBoxs();
}

void TFParGen::On_Click(TObject* Sender) {
  if (ComponentState().Contains(csLoading)) return;
  const TObject* const layout_boxes[] = {
      CB_SNMP_Agent_Version3,   CB_MQTT_WillFlag,       CB_TLS_Enable,
      CB_TLS_En_Server_Auth,    CB_TLS_En_Client_Auth,  CB_TLS_Server_Enable,
      CB_EthConn_En_DHCP_Cable, CB_EthConn_En_DHCP_WiFi};
  for (const TObject* box : layout_boxes)
    if (Sender == box) return Move_GroupBoxs();
}

void TFParGen::Set_Lang() {
  SetCaption(Lang_Text(400));
  L_SW_Desc->SetCaption(Lang_Text(401));
  Btn_OK->SetCaption(Lang_Text(402));
  Btn_Cancel->SetCaption(Lang_Text(403));
  Btn_OK->SetHint(Lang_Text(404));
  Btn_Cancel->SetHint(Lang_Text(405));

  // Each panel's texts run in the order of its rows: a label or check box,
  // then the edits or lists of the row. The panel captions are left alone:
  // they keep the language they were numbered in.
  Apply_Texts(407, {L_S7_Protocol_IP, E_S7_Protocol_IP1, E_S7_Protocol_IP2, E_S7_Protocol_IP3,
                    E_S7_Protocol_IP4, L_S7_Protocol_SM, E_S7_Protocol_SM1, E_S7_Protocol_SM2,
                    E_S7_Protocol_SM3, E_S7_Protocol_SM4, CB_S7_Protocol_En_GAT, E_S7_Protocol_GAT1,
                    E_S7_Protocol_GAT2, E_S7_Protocol_GAT3, E_S7_Protocol_GAT4});
  Apply_Texts(424, {L_ModbusTCPSlave_IP, E_ModbusTCPSlave_IP1, E_ModbusTCPSlave_IP2, E_ModbusTCPSlave_IP3,
                    E_ModbusTCPSlave_IP4, L_ModbusTCPSlave_SM, E_ModbusTCPSlave_SM1, E_ModbusTCPSlave_SM2,
                    E_ModbusTCPSlave_SM3, E_ModbusTCPSlave_SM4, CB_ModbusTCPSlave_En_GAT,
                    E_ModbusTCPSlave_GAT1, E_ModbusTCPSlave_GAT2, E_ModbusTCPSlave_GAT3,
                    E_ModbusTCPSlave_GAT4, L_ModbusTCPSlave_Port, E_ModbusTCPSlave_Port});
  Apply_Texts(443, {L_PROFIBUS_IDDevice, E_PROFIBUS_IDDevice, L_PROFIBUS_Baudrate, CB_PROFIBUS_Baudrate,
                    L_PROFIBUS_NByte_In, E_PROFIBUS_NByte_In, L_PROFIBUS_NByte_Out, E_PROFIBUS_NByte_Out});
  Apply_Texts(480, {L_Serial_Serial, CB_Serial_Serial, L_Serial_Baudrate, CB_Serial_Baudrate, L_Serial_Parity,
                    Cb_Serial_Parity, L_Serial_StopBits, CB_Serial_StopBits});
  Apply_Texts(490,
              {L_ModbusSlave_Serial, CB_ModbusSlave_Serial, L_ModbusSlave_Baudrate, CB_ModbusSlave_Baudrate,
               L_ModbusSlave_Parity, CB_ModbusSlave_Parity, L_ModbusSlave_StopBits, CB_ModbusSlave_StopBits,
               L_ModbusSlave_IDDevice, E_ModbusSlave_IDDevice, CB_ModbusSlave_ReadInput});
  Apply_Texts(505, {L_CAN_Baudrate, CB_CAN_Baudrate});
  Apply_Texts(508, {L_CANopen_IDDevice, E_CANopen_IDDevice, L_CANopen_Baudrate, CB_CANopen_Baudrate,
                    CB_CANopen_SetOpe, CB_CANopen_NetOpe, E_CANopen_NetOpe_Delay, L_CANopen_SDO_Timeout,
                    E_CANopen_SDO_Timeout});
  Apply_Texts(523, {L_DeviceNet_Slave_IDDevice, E_DeviceNet_Slave_IDDevice, L_DeviceNet_Slave_Baudrate,
                    CB_DeviceNet_Slave_Baudrate, L_DeviceNet_Slave_NumByteIn, E_DeviceNet_Slave_NumByteIn,
                    L_DeviceNet_Slave_NumByteOut, E_DeviceNet_Slave_NumByteOut});
  Apply_Texts(535, {L_SNMP_Agent_IP,
                    E_SNMP_Agent_IP1,
                    E_SNMP_Agent_IP2,
                    E_SNMP_Agent_IP3,
                    E_SNMP_Agent_IP4,
                    L_SNMP_Agent_SM,
                    E_SNMP_Agent_SM1,
                    E_SNMP_Agent_SM2,
                    E_SNMP_Agent_SM3,
                    E_SNMP_Agent_SM4,
                    CB_SNMP_Agent_GAT,
                    E_SNMP_Agent_GAT1,
                    E_SNMP_Agent_GAT2,
                    E_SNMP_Agent_GAT3,
                    E_SNMP_Agent_GAT4,
                    L_SNMP_Agent_NameStation,
                    E_SNMP_Agent_NameStation,
                    L_SNMP_Agent_Contact,
                    E_SNMP_Agent_Contact,
                    L_SNMP_Agent_Location,
                    E_SNMP_Agent_Location,
                    L_SNMP_Agent_Version,
                    Hint_Only(CB_SNMP_Agent_Version1),
                    Hint_Only(CB_SNMP_Agent_Version2),
                    Hint_Only(CB_SNMP_Agent_Version3),
                    L_SNMP_Agent_User,
                    E_SNMP_Agent_User,
                    L_SNMP_Agent_SecurityLevel,
                    CB_SNMP_Agent_SecurityLevel,
                    L_SNMP_Agent_Authority,
                    E_SNMP_Agent_Authority,
                    L_SNMP_Agent_AuthorityMode,
                    CB_SNMP_Agent_AuthorityMode,
                    L_SNMP_Agent_Privacy,
                    E_SNMP_Agent_Privacy,
                    L_SNMP_Agent_PrivacyMode,
                    CB_SNMP_Agent_PrivacyMode});
  Apply_Texts(586,
              {L_EtherNetIP_IP,         E_EtherNetIP_IP1,      E_EtherNetIP_IP2,      E_EtherNetIP_IP3,
               E_EtherNetIP_IP4,        L_EtherNetIP_SM,       E_EtherNetIP_SM1,      E_EtherNetIP_SM2,
               E_EtherNetIP_SM3,        E_EtherNetIP_SM4,      CB_EtherNetIP_GAT,     E_EtherNetIP_GAT1,
               E_EtherNetIP_GAT2,       E_EtherNetIP_GAT3,     E_EtherNetIP_GAT4,     L_EtherNetIP_TunnelPort,
               E_EtherNetIP_TunnelPort, L_EtherNetIP_NByte_In, E_EtherNetIP_NByte_In, L_EtherNetIP_NByte_Out,
               E_EtherNetIP_NByte_Out});
  Apply_Texts(628, {L_KNX_Type, CB_KNX_Type, L_KNX_IDDevice, E_KNX_IDDevice});
  Apply_Texts(634,
              {L_MQTT_Server,         E_MQTT_Server,          L_MQTT_Server_Port,    E_MQTT_Server_Port,
               L_MQTT_Client_ID,      E_MQTT_Client_ID,       L_MQTT_Keep_Alive,     E_MQTT_Keep_Alive,
               CB_MQTT_Clean_Session, CB_MQTT_WillFlag,       L_MQTT_Will_TopicName, E_MQTT_Will_TopicName,
               L_MQTT_Will_Message,   E_MQTT_Will_Message,    CB_MQTT_Will_Retained, L_MQTT_Will_QoS,
               CB_MQTT_Will_QoS,      L_MQTT_Username,        E_MQTT_Username,       L_MQTT_Password,
               E_MQTT_Password,       L_MQTT_ASync_Send_Time, E_MQTT_ASync_Send_Time});
  Apply_Texts(661, {L_Ethernet_IP, E_Ethernet_IP1, E_Ethernet_IP2, E_Ethernet_IP3, E_Ethernet_IP4,
                    L_Ethernet_SM, E_Ethernet_SM1, E_Ethernet_SM2, E_Ethernet_SM3, E_Ethernet_SM4,
                    CB_Ethernet_En_GAT, E_Ethernet_GAT1, E_Ethernet_GAT2, E_Ethernet_GAT3, E_Ethernet_GAT4});
  // 677 to 682 label a DNS row this panel does not have.
  Apply_Texts(683, {L_Ethernet_TCP_Port, E_Ethernet_TCP_Port, L_Ethernet_UDP_Port, E_Ethernet_UDP_Port});
  Apply_Texts(706, {CB_TLS_Enable, CB_TLS_En_Server_Auth, L_TLS_Server_Cert, E_TLS_Server_Cert,
                    CB_TLS_En_Client_Auth, L_TLS_Client_Cert, E_TLS_Client_Cert, L_TLS_Client_Cert_Key,
                    E_TLS_Client_Cert_Key, L_TLS_Client_Cert_Key_Pass, E_TLS_Client_Cert_Key_Pass});
  Apply_Texts(721, {L_NTP_Server_URL, E_NTP_Server_URL, L_NTP_Poll_Time, E_NTP_Poll_Time});
  Apply_Texts(727, {L_BACnet_Slave_Type,
                    CB_BACnet_Slave_Type,
                    L_BACnet_IP_Slave_IP,
                    E_BACnet_IP_Slave_IP1,
                    E_BACnet_IP_Slave_IP2,
                    E_BACnet_IP_Slave_IP3,
                    E_BACnet_IP_Slave_IP4,
                    L_BACnet_IP_Slave_SM,
                    E_BACnet_IP_Slave_SM1,
                    E_BACnet_IP_Slave_SM2,
                    E_BACnet_IP_Slave_SM3,
                    E_BACnet_IP_Slave_SM4,
                    CB_BACnet_IP_Slave_GAT,
                    E_BACnet_IP_Slave_GAT1,
                    E_BACnet_IP_Slave_GAT2,
                    E_BACnet_IP_Slave_GAT3,
                    E_BACnet_IP_Slave_GAT4,
                    L_BACnet_IP_Slave_Port,
                    E_BACnet_IP_Slave_Port,
                    L_BACnet_IP_Slave_Device_Name,
                    E_BACnet_IP_Slave_Device_Name,
                    L_BACnet_IP_Slave_Device_Identifier,
                    E_BACnet_IP_Slave_Device_Identifier,
                    L_BACnet_MSTP_Slave_Baudrate,
                    CB_BACnet_MSTP_Slave_Baudrate,
                    L_BACnet_MSTP_Slave_Parity,
                    CB_BACnet_MSTP_Slave_Parity,
                    L_BACnet_MSTP_Slave_Device_Name,
                    E_BACnet_MSTP_Slave_Device_Name,
                    L_BACnet_MSTP_Slave_MAC_Address,
                    E_BACnet_MSTP_Slave_MAC_Address,
                    L_BACnet_MSTP_Slave_Max_Master,
                    E_BACnet_MSTP_Slave_Max_Master,
                    L_BACnet_MSTP_Slave_Max_Info_Frame,
                    E_BACnet_MSTP_Slave_Max_Info_Frame,
                    L_BACnet_MSTP_Slave_Device_Instance,
                    E_BACnet_MSTP_Slave_Device_Instance,
                    L_BACnet_MSTP_Slave_Network,
                    E_BACnet_MSTP_Slave_Network,
                    CB_BACnet_Slave_Desc_32_Chars});
  Apply_Texts(791, {L_OPC_UA_Server_IP, E_OPC_UA_Server_IP1, E_OPC_UA_Server_IP2, E_OPC_UA_Server_IP3,
                    E_OPC_UA_Server_IP4, L_OPC_UA_Server_SM, E_OPC_UA_Server_SM1, E_OPC_UA_Server_SM2,
                    E_OPC_UA_Server_SM3, E_OPC_UA_Server_SM4, CB_OPC_UA_Server_En_GAT, E_OPC_UA_Server_GAT1,
                    E_OPC_UA_Server_GAT2, E_OPC_UA_Server_GAT3, E_OPC_UA_Server_GAT4});
  // 807 to 812 label a DNS row this panel does not have.
  Apply_Texts(813, {L_OPC_UA_Server_Port, E_OPC_UA_Server_Port});
  Apply_Texts(829,
              {L_PROFINET_IP,         E_PROFINET_IP1,         E_PROFINET_IP2,         E_PROFINET_IP3,
               E_PROFINET_IP4,        L_PROFINET_SM,          E_PROFINET_SM1,         E_PROFINET_SM2,
               E_PROFINET_SM3,        E_PROFINET_SM4,         CB_PROFINET_GAT,        E_PROFINET_GAT1,
               E_PROFINET_GAT2,       E_PROFINET_GAT3,        E_PROFINET_GAT4,        L_PROFINET_TunnelPort,
               E_PROFINET_TunnelPort, L_PROFINET_NameStation, E_PROFINET_NameStation, L_PROFINET_NByte_In,
               E_PROFINET_NByte_In,   L_PROFINET_NByte_Out,   E_PROFINET_NByte_Out,   CB_PROFINET_Diagnostic,
               E_PROFINET_Diagnostic});
  // The texts run port and password first, though the address rows come
  // first on screen.
  Apply_Texts(
      873, {L_IEC61850_Server_Port, E_IEC61850_Server_Port, L_IEC61850_Server_Password,
            E_IEC61850_Server_Password, L_IEC61850_Server_IP, E_IEC61850_Server_IP1, E_IEC61850_Server_IP2,
            E_IEC61850_Server_IP3, E_IEC61850_Server_IP4, L_IEC61850_Server_SM, E_IEC61850_Server_SM1,
            E_IEC61850_Server_SM2, E_IEC61850_Server_SM3, E_IEC61850_Server_SM4, CB_IEC61850_Server_En_GAT,
            E_IEC61850_Server_GAT1, E_IEC61850_Server_GAT2, E_IEC61850_Server_GAT3, E_IEC61850_Server_GAT4});
  Apply_Texts(907, {CB_TLS_Server_Enable, L_TLS_Server_Key, E_TLS_Server_Key, L_TLS_Server_Key_Pass,
                    E_TLS_Server_Key_Pass, L_TLS_Server_Server_Cert, E_TLS_Server_Server_Cert,
                    L_TLS_Server_Root_Cert, E_TLS_Server_Root_Cert, CB_TLS_Server_En_Known_Cert});
  Apply_Texts(
      930, {L_EthConn_Device_Name, E_EthConn_Device_Name, CB_EthConn_En_DHCP_Cable, CB_EthConn_En_DHCP_WiFi,
            CB_EthConn_Enable_DNS, L_EthConn_Primary_DNS, E_EthConn_Pri_DNS_IP1, E_EthConn_Pri_DNS_IP2,
            E_EthConn_Pri_DNS_IP3, E_EthConn_Pri_DNS_IP4, L_EthConn_Secondary_DNS, E_EthConn_Sec_DNS_IP1,
            E_EthConn_Sec_DNS_IP2, E_EthConn_Sec_DNS_IP3, E_EthConn_Sec_DNS_IP4});
}
