// The per-model panel layout: which panels a model shows and in which order
// (Order_TAB_Panels_*), and how each panel sizes itself and shows, hides,
// moves, enables or disables its controls (RePosition_Object_*), run by the
// model's RePosition_Objects_* variant. Every run recomputes the layout from
// the controls as they are, so running it twice gives the same result.
#include <string>

#include "app/ULanguage.h"
#include "app/UParGen.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/StringList.h"
#include "framework/controls/CategoryPanel.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComCtrls.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/StdCtrls.h"

namespace {
// Rows of a panel lie this far apart; an edit sits 3 pixels above its label.
constexpr int Row_Pitch = 28;
constexpr int Edit_Above_Label = 3;
// Room under a panel's lowest control.
constexpr int Panel_Bottom_Margin = 12;

void Set_Visible(std::initializer_list<TControl*> Controls, bool Visible) {
  for (TControl* c : Controls) c->SetVisible(Visible);
}
}  // namespace

// ---- Panel order

void TFParGen::Hide_All_Panels() {
  for (TCategoryPanel* p : {CP_Ethernet_Connection,
                            CP_S7_Protocol,
                            CP_CAN,
                            CP_Modbus_TCP_Slave,
                            CP_PROFIBUS,
                            CP_Serial,
                            CP_Modbus_Slave,
                            CP_CANopen,
                            CP_DeviceNet_Slave,
                            CP_SNMP_Agent,
                            CP_EtherNetIP,
                            CP_KNX,
                            CP_MQTT,
                            CP_Ethernet,
                            CP_TLS,
                            CP_NTP,
                            CP_BACnet_Slave,
                            CP_OPC_UA_Server,
                            CP_PROFINET,
                            CP_IEC61850_Server,
                            CP_TLS_Server})
    p->SetVisible(false);
}

void TFParGen::Order_Panels(std::initializer_list<std::pair<TCategoryPanel*, int>> Panels) {
  for (const auto& [panel, text] : Panels) panel->SetVisible(true);
  int top = 0;
  int number = 1;
  for (const auto& [panel, text] : Panels) {
    panel->SetTop(top);
    top += panel->Height();
    panel->SetCaption(std::to_string(number) + ". " + Lang_Table->Strings(text));
    panel->SetTabOrder(number - 1);
    ++number;
  }
}

// This converter is the DV30406; the other variants belong to the sibling
// models built from the same code.
void TFParGen::Order_TAB_Panels() { Order_TAB_Panels_30406(); }

void TFParGen::Order_TAB_Panels_30401() {
  Order_Panels({{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_Modbus_TCP_Slave, 423}});
}
void TFParGen::Order_TAB_Panels_30402() {
  Order_Panels({{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_PROFIBUS, 442}});
}
void TFParGen::Order_TAB_Panels_30403() {
  Order_Panels({{CP_Ethernet_Connection, 929},
                {CP_S7_Protocol, 406},
                {CP_IEC61850_Server, 872},
                {CP_TLS_Server, 906},
                {CP_NTP, 720}});
}
void TFParGen::Order_TAB_Panels_30404() {
  Order_Panels({{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_Serial, 479}});
}
void TFParGen::Order_TAB_Panels_30405() {
  Order_Panels({{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_Modbus_Slave, 489}});
}
void TFParGen::Order_TAB_Panels_30406() {
  Order_Panels({{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_CAN, 504}});
}
void TFParGen::Order_TAB_Panels_30407() {
  Order_Panels({{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_CANopen, 507}});
}
void TFParGen::Order_TAB_Panels_30408() {
  Order_Panels({{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_DeviceNet_Slave, 522}});
}
void TFParGen::Order_TAB_Panels_30409() {
  Order_Panels({{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_SNMP_Agent, 534}});
}
void TFParGen::Order_TAB_Panels_30410() {
  Order_Panels({{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_EtherNetIP, 585}});
}
void TFParGen::Order_TAB_Panels_30411() {
  Order_Panels({{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_KNX, 627}});
}
void TFParGen::Order_TAB_Panels_30412() {
  Order_Panels({{CP_Ethernet_Connection, 929},
                {CP_S7_Protocol, 406},
                {CP_MQTT, 633},
                {CP_Ethernet, 660},
                {CP_TLS, 705},
                {CP_NTP, 720}});
}
void TFParGen::Order_TAB_Panels_30413() {
  Order_Panels({{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_BACnet_Slave, 726}});
}
void TFParGen::Order_TAB_Panels_30414() {
  Order_Panels({{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_Ethernet, 660}});
}
void TFParGen::Order_TAB_Panels_30415() {
  Order_Panels(
      {{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_OPC_UA_Server, 790}, {CP_NTP, 720}});
}
void TFParGen::Order_TAB_Panels_30416() {
  Order_Panels({{CP_Ethernet_Connection, 929}, {CP_S7_Protocol, 406}, {CP_PROFINET, 828}});
}

// ---- Panel layout, per model

void TFParGen::Move_GroupBoxs() { RePosition_Objects_30406(); }

void TFParGen::RePosition_Objects_30401() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_Modbus_TCP_Slave();
}
void TFParGen::RePosition_Objects_30402() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_PROFIBUS();
}
// The NTP panel keeps the height it has.
void TFParGen::RePosition_Objects_30403() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_IEC61850_Server();
  RePosition_Object_TLS_Server();
}
void TFParGen::RePosition_Objects_30404() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_Serial();
}
void TFParGen::RePosition_Objects_30405() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_Modbus_Slave();
}
void TFParGen::RePosition_Objects_30406() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_CAN();
}
void TFParGen::RePosition_Objects_30407() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_CANopen();
}
void TFParGen::RePosition_Objects_30408() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_DeviceNet_Slave();
}
void TFParGen::RePosition_Objects_30409() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_SNMP_Agent();
}
void TFParGen::RePosition_Objects_30410() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_EtherNetIP();
}
void TFParGen::RePosition_Objects_30411() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_KNX();
}
void TFParGen::RePosition_Objects_30412() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_MQTT();
  RePosition_Object_Ethernet();
  RePosition_Object_TLS();
  RePosition_Object_NTP();
}
void TFParGen::RePosition_Objects_30413() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_BACnet_Slave();
}
void TFParGen::RePosition_Objects_30414() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_Ethernet();
}
void TFParGen::RePosition_Objects_30415() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_OPC_UA_Server();
  RePosition_Object_NTP();
}
void TFParGen::RePosition_Objects_30416() {
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_S7_Protocol();
  RePosition_Object_PROFINET();
}

// ---- Rules shared by the panels

void TFParGen::Set_Panel_Height(TCategoryPanel* Panel, TControl* Reference) {
  Panel->SetHeight(Reference->Top() + Reference->Height() + CPG->HeaderHeight() + Panel_Bottom_Margin);
}

void TFParGen::Apply_Cable_DHCP(std::initializer_list<TControl*> Controls) {
  // An address the DHCP server gives cannot be typed; the values stay.
  const bool typed = !CB_EthConn_En_DHCP_Cable->Checked();
  for (TControl* c : Controls) c->SetEnabled(typed);
}

// ---- One routine per panel

void TFParGen::RePosition_Object_Ethernet_Connection() {
  // There is no Wi-Fi on these converters.
  CB_EthConn_En_DHCP_WiFi->SetEnabled(false);
  Set_Panel_Height(CP_Ethernet_Connection, E_EthConn_Sec_DNS_IP4);
}

void TFParGen::RePosition_Object_S7_Protocol() {
  Apply_Cable_DHCP({E_S7_Protocol_IP1, E_S7_Protocol_IP2, E_S7_Protocol_IP3, E_S7_Protocol_IP4,
                    E_S7_Protocol_SM1, E_S7_Protocol_SM2, E_S7_Protocol_SM3, E_S7_Protocol_SM4,
                    E_S7_Protocol_GAT1, E_S7_Protocol_GAT2, E_S7_Protocol_GAT3, E_S7_Protocol_GAT4,
                    CB_S7_Protocol_En_GAT});
  Set_Panel_Height(CP_S7_Protocol, E_S7_Protocol_GAT4);
}

void TFParGen::RePosition_Object_Modbus_TCP_Slave() {
  Apply_Cable_DHCP({E_ModbusTCPSlave_IP1, E_ModbusTCPSlave_IP2, E_ModbusTCPSlave_IP3, E_ModbusTCPSlave_IP4,
                    E_ModbusTCPSlave_SM1, E_ModbusTCPSlave_SM2, E_ModbusTCPSlave_SM3, E_ModbusTCPSlave_SM4,
                    E_ModbusTCPSlave_GAT1, E_ModbusTCPSlave_GAT2, E_ModbusTCPSlave_GAT3,
                    E_ModbusTCPSlave_GAT4, CB_ModbusTCPSlave_En_GAT});
  Set_Panel_Height(CP_Modbus_TCP_Slave, E_ModbusTCPSlave_Port);
}

void TFParGen::RePosition_Object_PROFIBUS() { Set_Panel_Height(CP_PROFIBUS, E_PROFIBUS_NByte_Out); }

void TFParGen::RePosition_Object_Serial() { Set_Panel_Height(CP_Serial, CB_Serial_StopBits); }

void TFParGen::RePosition_Object_Modbus_Slave() {
  Set_Panel_Height(CP_Modbus_Slave, CB_ModbusSlave_ReadInput);
}

void TFParGen::RePosition_Object_CAN() { Set_Panel_Height(CP_CAN, CB_CAN_Baudrate); }

void TFParGen::RePosition_Object_CANopen() { Set_Panel_Height(CP_CANopen, E_CANopen_SDO_Timeout); }

void TFParGen::RePosition_Object_DeviceNet_Slave() {
  Set_Panel_Height(CP_DeviceNet_Slave, E_DeviceNet_Slave_NumByteOut);
}

void TFParGen::RePosition_Object_SNMP_Agent() {
  const bool v3 = CB_SNMP_Agent_Version3->Checked();
  const int level = CB_SNMP_Agent_SecurityLevel->ItemIndex();
  const bool authority = v3 && level != 0;
  const bool privacy = authority && level != 1;
  Set_Visible({L_SNMP_Agent_User, E_SNMP_Agent_User, L_SNMP_Agent_SecurityLevel, CB_SNMP_Agent_SecurityLevel},
              v3);
  Set_Visible({L_SNMP_Agent_Authority, E_SNMP_Agent_Authority, L_SNMP_Agent_AuthorityMode,
               CB_SNMP_Agent_AuthorityMode},
              authority);
  Set_Visible(
      {L_SNMP_Agent_Privacy, E_SNMP_Agent_Privacy, L_SNMP_Agent_PrivacyMode, CB_SNMP_Agent_PrivacyMode},
      privacy);
  TControl* reference = !v3          ? static_cast<TControl*>(CB_SNMP_Agent_Version3)
                        : !authority ? CB_SNMP_Agent_SecurityLevel
                        : !privacy   ? CB_SNMP_Agent_AuthorityMode
                                     : CB_SNMP_Agent_PrivacyMode;
  Apply_Cable_DHCP({E_SNMP_Agent_IP1, E_SNMP_Agent_IP2, E_SNMP_Agent_IP3, E_SNMP_Agent_IP4, E_SNMP_Agent_SM1,
                    E_SNMP_Agent_SM2, E_SNMP_Agent_SM3, E_SNMP_Agent_SM4, E_SNMP_Agent_GAT1,
                    E_SNMP_Agent_GAT2, E_SNMP_Agent_GAT3, E_SNMP_Agent_GAT4});
  Set_Panel_Height(CP_SNMP_Agent, reference);
}

void TFParGen::RePosition_Object_EtherNetIP() {
  Apply_Cable_DHCP({E_EtherNetIP_IP1, E_EtherNetIP_IP2, E_EtherNetIP_IP3, E_EtherNetIP_IP4, E_EtherNetIP_SM1,
                    E_EtherNetIP_SM2, E_EtherNetIP_SM3, E_EtherNetIP_SM4, E_EtherNetIP_GAT1,
                    E_EtherNetIP_GAT2, E_EtherNetIP_GAT3, E_EtherNetIP_GAT4, CB_EtherNetIP_GAT});
  Set_Panel_Height(CP_EtherNetIP, E_EtherNetIP_NByte_Out);
}

void TFParGen::RePosition_Object_KNX() { Set_Panel_Height(CP_KNX, E_KNX_IDDevice); }

void TFParGen::RePosition_Object_MQTT() {
  const bool will = CB_MQTT_WillFlag->Checked();
  Set_Visible({L_MQTT_Will_TopicName, E_MQTT_Will_TopicName, L_MQTT_Will_Message, E_MQTT_Will_Message,
               CB_MQTT_Will_Retained, L_MQTT_Will_QoS, CB_MQTT_Will_QoS},
              will);
  // Without the will rows the user name and password take their place.
  const int y = will ? L_MQTT_Will_QoS->Top() + Row_Pitch : L_MQTT_Will_TopicName->Top();
  L_MQTT_Username->SetTop(y);
  E_MQTT_Username->SetTop(y - Edit_Above_Label);
  L_MQTT_Password->SetTop(y + Row_Pitch);
  E_MQTT_Password->SetTop(y + Row_Pitch - Edit_Above_Label);
  Set_Visible({L_MQTT_ASync_Send_Time, E_MQTT_ASync_Send_Time}, false);
  Set_Panel_Height(CP_MQTT, E_MQTT_Password);
}

void TFParGen::RePosition_Object_Ethernet() {
  Set_Visible({L_Ethernet_TCP_Port, E_Ethernet_TCP_Port, L_Ethernet_UDP_Port, E_Ethernet_UDP_Port}, false);
  Apply_Cable_DHCP({E_Ethernet_IP1, E_Ethernet_IP2, E_Ethernet_IP3, E_Ethernet_IP4, E_Ethernet_SM1,
                    E_Ethernet_SM2, E_Ethernet_SM3, E_Ethernet_SM4, E_Ethernet_GAT1, E_Ethernet_GAT2,
                    E_Ethernet_GAT3, E_Ethernet_GAT4, CB_Ethernet_En_GAT});
  Set_Panel_Height(CP_Ethernet, E_Ethernet_GAT4);
}

void TFParGen::RePosition_Object_TLS() {
  if (!CB_TLS_Enable->Checked()) {
    Set_Visible({CB_TLS_En_Server_Auth, L_TLS_Server_Cert, E_TLS_Server_Cert, CB_TLS_En_Client_Auth,
                 L_TLS_Client_Cert, E_TLS_Client_Cert, L_TLS_Client_Cert_Key, E_TLS_Client_Cert_Key,
                 L_TLS_Client_Cert_Key_Pass, E_TLS_Client_Cert_Key_Pass},
                false);
    Set_Panel_Height(CP_TLS, CB_TLS_Enable);
    return;
  }
  CB_TLS_En_Server_Auth->SetVisible(true);
  const bool server = CB_TLS_En_Server_Auth->Checked();
  Set_Visible({L_TLS_Server_Cert, E_TLS_Server_Cert}, server);
  const int y = (server ? E_TLS_Server_Cert->Top() : CB_TLS_En_Server_Auth->Top()) + Row_Pitch;
  CB_TLS_En_Client_Auth->SetTop(y);
  CB_TLS_En_Client_Auth->SetVisible(true);
  const bool client = CB_TLS_En_Client_Auth->Checked();
  TControl* const rows[][2] = {{L_TLS_Client_Cert, E_TLS_Client_Cert},
                               {L_TLS_Client_Cert_Key, E_TLS_Client_Cert_Key},
                               {L_TLS_Client_Cert_Key_Pass, E_TLS_Client_Cert_Key_Pass}};
  for (int i = 0; i < 3; ++i) {
    rows[i][0]->SetVisible(client);
    rows[i][1]->SetVisible(client);
    if (!client) continue;
    rows[i][0]->SetTop(y + Row_Pitch * (i + 1));
    rows[i][1]->SetTop(rows[i][0]->Top() - Edit_Above_Label);
  }
  Set_Panel_Height(CP_TLS,
                   client ? static_cast<TControl*>(E_TLS_Client_Cert_Key_Pass) : CB_TLS_En_Client_Auth);
}

void TFParGen::RePosition_Object_NTP() { Set_Panel_Height(CP_NTP, E_NTP_Poll_Time); }

void TFParGen::RePosition_Object_BACnet_Slave() {
  const bool ip = CB_BACnet_Slave_Type->ItemIndex() == 0;
  Set_Visible({L_BACnet_IP_Slave_IP,
               E_BACnet_IP_Slave_IP1,
               E_BACnet_IP_Slave_IP2,
               E_BACnet_IP_Slave_IP3,
               E_BACnet_IP_Slave_IP4,
               L_BACnet_IP_Slave_IP_Dot1,
               L_BACnet_IP_Slave_IP_Dot2,
               L_BACnet_IP_Slave_IP_Dot3,
               L_BACnet_IP_Slave_SM,
               E_BACnet_IP_Slave_SM1,
               E_BACnet_IP_Slave_SM2,
               E_BACnet_IP_Slave_SM3,
               E_BACnet_IP_Slave_SM4,
               L_BACnet_IP_Slave_SM_Dot1,
               L_BACnet_IP_Slave_SM_Dot2,
               L_BACnet_IP_Slave_SM_Dot3,
               CB_BACnet_IP_Slave_GAT,
               E_BACnet_IP_Slave_GAT1,
               E_BACnet_IP_Slave_GAT2,
               E_BACnet_IP_Slave_GAT3,
               E_BACnet_IP_Slave_GAT4,
               L_BACnet_IP_Slave_GAT_Dot1,
               L_BACnet_IP_Slave_GAT_Dot2,
               L_BACnet_IP_Slave_GAT_Dot3,
               L_BACnet_IP_Slave_Port,
               E_BACnet_IP_Slave_Port,
               L_BACnet_IP_Slave_Device_Name,
               E_BACnet_IP_Slave_Device_Name,
               L_BACnet_IP_Slave_Device_Identifier,
               E_BACnet_IP_Slave_Device_Identifier},
              ip);
  // The MS/TP rows, label and edit or list, in screen order.
  TControl* const mstp[][2] = {{L_BACnet_MSTP_Slave_Baudrate, CB_BACnet_MSTP_Slave_Baudrate},
                               {L_BACnet_MSTP_Slave_Parity, CB_BACnet_MSTP_Slave_Parity},
                               {L_BACnet_MSTP_Slave_Device_Name, E_BACnet_MSTP_Slave_Device_Name},
                               {L_BACnet_MSTP_Slave_MAC_Address, E_BACnet_MSTP_Slave_MAC_Address},
                               {L_BACnet_MSTP_Slave_Max_Master, E_BACnet_MSTP_Slave_Max_Master},
                               {L_BACnet_MSTP_Slave_Max_Info_Frame, E_BACnet_MSTP_Slave_Max_Info_Frame},
                               {L_BACnet_MSTP_Slave_Device_Instance, E_BACnet_MSTP_Slave_Device_Instance},
                               {L_BACnet_MSTP_Slave_Network, E_BACnet_MSTP_Slave_Network}};
  if (ip) {
    Apply_Cable_DHCP({E_BACnet_IP_Slave_IP1, E_BACnet_IP_Slave_IP2, E_BACnet_IP_Slave_IP3,
                      E_BACnet_IP_Slave_IP4, E_BACnet_IP_Slave_SM1, E_BACnet_IP_Slave_SM2,
                      E_BACnet_IP_Slave_SM3, E_BACnet_IP_Slave_SM4, E_BACnet_IP_Slave_GAT1,
                      E_BACnet_IP_Slave_GAT2, E_BACnet_IP_Slave_GAT3, E_BACnet_IP_Slave_GAT4});
    CB_BACnet_Slave_Desc_32_Chars->SetTop(L_BACnet_IP_Slave_Device_Identifier->Top() + Row_Pitch);
    for (const auto& row : mstp) Set_Visible({row[0], row[1]}, false);
  } else {
    // The MS/TP rows take the place of the address rows.
    int label_top = L_BACnet_IP_Slave_IP->Top();
    int field_top = E_BACnet_IP_Slave_IP1->Top();
    for (const auto& row : mstp) {
      row[0]->SetTop(label_top);
      row[1]->SetTop(field_top);
      Set_Visible({row[0], row[1]}, true);
      label_top += Row_Pitch;
      field_top += Row_Pitch;
    }
    CB_BACnet_Slave_Desc_32_Chars->SetTop(L_BACnet_MSTP_Slave_Network->Top() + Row_Pitch);
  }
  CB_BACnet_Slave_Desc_32_Chars->SetVisible(true);
  Set_Panel_Height(CP_BACnet_Slave, CB_BACnet_Slave_Desc_32_Chars);
}

void TFParGen::RePosition_Object_OPC_UA_Server() {
  Apply_Cable_DHCP({E_OPC_UA_Server_IP1, E_OPC_UA_Server_IP2, E_OPC_UA_Server_IP3, E_OPC_UA_Server_IP4,
                    E_OPC_UA_Server_SM1, E_OPC_UA_Server_SM2, E_OPC_UA_Server_SM3, E_OPC_UA_Server_SM4,
                    E_OPC_UA_Server_GAT1, E_OPC_UA_Server_GAT2, E_OPC_UA_Server_GAT3, E_OPC_UA_Server_GAT4});
  Set_Panel_Height(CP_OPC_UA_Server, E_OPC_UA_Server_Port);
}

void TFParGen::RePosition_Object_PROFINET() {
  Set_Visible({CB_PROFINET_Diagnostic, E_PROFINET_Diagnostic}, false);
  Apply_Cable_DHCP({E_PROFINET_IP1, E_PROFINET_IP2, E_PROFINET_IP3, E_PROFINET_IP4, E_PROFINET_SM1,
                    E_PROFINET_SM2, E_PROFINET_SM3, E_PROFINET_SM4, E_PROFINET_GAT1, E_PROFINET_GAT2,
                    E_PROFINET_GAT3, E_PROFINET_GAT4});
  Set_Panel_Height(CP_PROFINET, E_PROFINET_NByte_Out);
}

void TFParGen::RePosition_Object_IEC61850_Server() {
  Apply_Cable_DHCP({E_IEC61850_Server_IP1, E_IEC61850_Server_IP2, E_IEC61850_Server_IP3,
                    E_IEC61850_Server_IP4, E_IEC61850_Server_SM1, E_IEC61850_Server_SM2,
                    E_IEC61850_Server_SM3, E_IEC61850_Server_SM4, E_IEC61850_Server_GAT1,
                    E_IEC61850_Server_GAT2, E_IEC61850_Server_GAT3, E_IEC61850_Server_GAT4});
  Set_Panel_Height(CP_IEC61850_Server, E_IEC61850_Server_Password);
}

void TFParGen::RePosition_Object_TLS_Server() {
  const bool on = CB_TLS_Server_Enable->Checked();
  Set_Visible({L_TLS_Server_Key, E_TLS_Server_Key, L_TLS_Server_Key_Pass, E_TLS_Server_Key_Pass,
               L_TLS_Server_Server_Cert, E_TLS_Server_Server_Cert, L_TLS_Server_Root_Cert,
               E_TLS_Server_Root_Cert, CB_TLS_Server_En_Known_Cert},
              on);
  Set_Panel_Height(CP_TLS_Server,
                   on ? static_cast<TControl*>(CB_TLS_Server_En_Known_Cert) : CB_TLS_Server_Enable);
}
