#pragma once
// The communication parameters form: edits the converter's network and bus
// parameters of the open project and keeps them in ParGen.xml.
//
// The form carries the parameter panels of every converter model built from
// this code base; the layout routines decide which of them this model shows,
// in which order, and how each panel sizes itself and shows, hides, moves,
// enables or disables its controls. The per-model variants are routines of
// their own, named after the model number; the two dispatchers call this
// model's (30406) only.
//
// Every show reloads the controls from ParGen.xml (defaults for a missing
// file or element); OK checks and rewrites the whole file, Cancel discards.
// A file that cannot be read is reported and the defaults are shown, so no
// value of an earlier show (perhaps another project's) is ever saved here.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/ULumetraFirmWare.h"
#include "framework/controls/Forms.h"

class TLabel;
class TEdit;
class TRichEdit;
class TCheckBox;
class TComboBox;
class TPanel;
class TCategoryPanel;
class TCategoryPanelGroup;
class TImageList;
class TXMLDocument;
class TLbButton;

// Every control the stored layout names, with its class: the fields below
// and the form's published table are made from this one list.
// clang-format off
#define PARGEN_CONTROLS(X) \
  X(TPanel, P_Title) \
  X(TLabel, L_SW_Code) \
  X(TLabel, L_SW_Desc) \
  X(TCategoryPanelGroup, CPG) \
  X(TPanel, P_Button) \
  X(TLbButton, Btn_OK) \
  X(TLbButton, Btn_Cancel) \
  X(TCategoryPanel, CP_Ethernet_Connection) \
  X(TLabel, L_EthConn_Device_Name) \
  X(TEdit, E_EthConn_Device_Name) \
  X(TCheckBox, CB_EthConn_En_DHCP_Cable) \
  X(TCheckBox, CB_EthConn_En_DHCP_WiFi) \
  X(TCheckBox, CB_EthConn_Enable_DNS) \
  X(TLabel, L_EthConn_Primary_DNS) \
  X(TEdit, E_EthConn_Pri_DNS_IP1) \
  X(TEdit, E_EthConn_Pri_DNS_IP2) \
  X(TEdit, E_EthConn_Pri_DNS_IP3) \
  X(TEdit, E_EthConn_Pri_DNS_IP4) \
  X(TLabel, L_EthConn_Secondary_DNS) \
  X(TEdit, E_EthConn_Sec_DNS_IP1) \
  X(TEdit, E_EthConn_Sec_DNS_IP2) \
  X(TEdit, E_EthConn_Sec_DNS_IP3) \
  X(TEdit, E_EthConn_Sec_DNS_IP4) \
  X(TCategoryPanel, CP_S7_Protocol) \
  X(TLabel, L_S7_Protocol_IP) \
  X(TEdit, E_S7_Protocol_IP1) \
  X(TEdit, E_S7_Protocol_IP2) \
  X(TEdit, E_S7_Protocol_IP3) \
  X(TEdit, E_S7_Protocol_IP4) \
  X(TLabel, L_S7_Protocol_SM) \
  X(TEdit, E_S7_Protocol_SM1) \
  X(TEdit, E_S7_Protocol_SM2) \
  X(TEdit, E_S7_Protocol_SM3) \
  X(TEdit, E_S7_Protocol_SM4) \
  X(TCheckBox, CB_S7_Protocol_En_GAT) \
  X(TEdit, E_S7_Protocol_GAT1) \
  X(TEdit, E_S7_Protocol_GAT2) \
  X(TEdit, E_S7_Protocol_GAT3) \
  X(TEdit, E_S7_Protocol_GAT4) \
  X(TCategoryPanel, CP_CAN) \
  X(TLabel, L_CAN_Baudrate) \
  X(TComboBox, CB_CAN_Baudrate) \
  X(TCategoryPanel, CP_Modbus_TCP_Slave) \
  X(TLabel, L_ModbusTCPSlave_IP) \
  X(TEdit, E_ModbusTCPSlave_IP1) \
  X(TEdit, E_ModbusTCPSlave_IP2) \
  X(TEdit, E_ModbusTCPSlave_IP3) \
  X(TEdit, E_ModbusTCPSlave_IP4) \
  X(TLabel, L_ModbusTCPSlave_SM) \
  X(TEdit, E_ModbusTCPSlave_SM1) \
  X(TEdit, E_ModbusTCPSlave_SM2) \
  X(TEdit, E_ModbusTCPSlave_SM3) \
  X(TEdit, E_ModbusTCPSlave_SM4) \
  X(TCheckBox, CB_ModbusTCPSlave_En_GAT) \
  X(TEdit, E_ModbusTCPSlave_GAT1) \
  X(TEdit, E_ModbusTCPSlave_GAT2) \
  X(TEdit, E_ModbusTCPSlave_GAT3) \
  X(TEdit, E_ModbusTCPSlave_GAT4) \
  X(TLabel, L_ModbusTCPSlave_Port) \
  X(TEdit, E_ModbusTCPSlave_Port) \
  X(TCategoryPanel, CP_PROFIBUS) \
  X(TLabel, L_PROFIBUS_IDDevice) \
  X(TEdit, E_PROFIBUS_IDDevice) \
  X(TLabel, L_PROFIBUS_Baudrate) \
  X(TComboBox, CB_PROFIBUS_Baudrate) \
  X(TLabel, L_PROFIBUS_NByte_In) \
  X(TEdit, E_PROFIBUS_NByte_In) \
  X(TLabel, L_PROFIBUS_NByte_Out) \
  X(TEdit, E_PROFIBUS_NByte_Out) \
  X(TCategoryPanel, CP_Serial) \
  X(TLabel, L_Serial_Serial) \
  X(TComboBox, CB_Serial_Serial) \
  X(TLabel, L_Serial_Baudrate) \
  X(TComboBox, CB_Serial_Baudrate) \
  X(TLabel, L_Serial_Parity) \
  X(TComboBox, Cb_Serial_Parity) \
  X(TLabel, L_Serial_StopBits) \
  X(TComboBox, CB_Serial_StopBits) \
  X(TCategoryPanel, CP_Modbus_Slave) \
  X(TLabel, L_ModbusSlave_Serial) \
  X(TComboBox, CB_ModbusSlave_Serial) \
  X(TLabel, L_ModbusSlave_Baudrate) \
  X(TComboBox, CB_ModbusSlave_Baudrate) \
  X(TLabel, L_ModbusSlave_Parity) \
  X(TComboBox, CB_ModbusSlave_Parity) \
  X(TLabel, L_ModbusSlave_StopBits) \
  X(TComboBox, CB_ModbusSlave_StopBits) \
  X(TLabel, L_ModbusSlave_IDDevice) \
  X(TEdit, E_ModbusSlave_IDDevice) \
  X(TCheckBox, CB_ModbusSlave_ReadInput) \
  X(TCategoryPanel, CP_CANopen) \
  X(TLabel, L_CANopen_IDDevice) \
  X(TEdit, E_CANopen_IDDevice) \
  X(TLabel, L_CANopen_Baudrate) \
  X(TComboBox, CB_CANopen_Baudrate) \
  X(TCheckBox, CB_CANopen_SetOpe) \
  X(TCheckBox, CB_CANopen_NetOpe) \
  X(TEdit, E_CANopen_NetOpe_Delay) \
  X(TLabel, L_CANopen_SDO_Timeout) \
  X(TEdit, E_CANopen_SDO_Timeout) \
  X(TCategoryPanel, CP_DeviceNet_Slave) \
  X(TLabel, L_DeviceNet_Slave_IDDevice) \
  X(TEdit, E_DeviceNet_Slave_IDDevice) \
  X(TLabel, L_DeviceNet_Slave_Baudrate) \
  X(TComboBox, CB_DeviceNet_Slave_Baudrate) \
  X(TLabel, L_DeviceNet_Slave_NumByteIn) \
  X(TEdit, E_DeviceNet_Slave_NumByteIn) \
  X(TLabel, L_DeviceNet_Slave_NumByteOut) \
  X(TEdit, E_DeviceNet_Slave_NumByteOut) \
  X(TCategoryPanel, CP_SNMP_Agent) \
  X(TLabel, L_SNMP_Agent_IP) \
  X(TEdit, E_SNMP_Agent_IP1) \
  X(TEdit, E_SNMP_Agent_IP2) \
  X(TEdit, E_SNMP_Agent_IP3) \
  X(TEdit, E_SNMP_Agent_IP4) \
  X(TLabel, L_SNMP_Agent_SM) \
  X(TEdit, E_SNMP_Agent_SM1) \
  X(TEdit, E_SNMP_Agent_SM2) \
  X(TEdit, E_SNMP_Agent_SM3) \
  X(TEdit, E_SNMP_Agent_SM4) \
  X(TCheckBox, CB_SNMP_Agent_GAT) \
  X(TEdit, E_SNMP_Agent_GAT1) \
  X(TEdit, E_SNMP_Agent_GAT2) \
  X(TEdit, E_SNMP_Agent_GAT3) \
  X(TEdit, E_SNMP_Agent_GAT4) \
  X(TLabel, L_SNMP_Agent_NameStation) \
  X(TEdit, E_SNMP_Agent_NameStation) \
  X(TLabel, L_SNMP_Agent_Contact) \
  X(TEdit, E_SNMP_Agent_Contact) \
  X(TLabel, L_SNMP_Agent_Location) \
  X(TEdit, E_SNMP_Agent_Location) \
  X(TLabel, L_SNMP_Agent_Version) \
  X(TCheckBox, CB_SNMP_Agent_Version1) \
  X(TCheckBox, CB_SNMP_Agent_Version2) \
  X(TCheckBox, CB_SNMP_Agent_Version3) \
  X(TLabel, L_SNMP_Agent_User) \
  X(TEdit, E_SNMP_Agent_User) \
  X(TLabel, L_SNMP_Agent_SecurityLevel) \
  X(TComboBox, CB_SNMP_Agent_SecurityLevel) \
  X(TLabel, L_SNMP_Agent_Authority) \
  X(TEdit, E_SNMP_Agent_Authority) \
  X(TLabel, L_SNMP_Agent_AuthorityMode) \
  X(TComboBox, CB_SNMP_Agent_AuthorityMode) \
  X(TLabel, L_SNMP_Agent_Privacy) \
  X(TEdit, E_SNMP_Agent_Privacy) \
  X(TLabel, L_SNMP_Agent_PrivacyMode) \
  X(TComboBox, CB_SNMP_Agent_PrivacyMode) \
  X(TCategoryPanel, CP_EtherNetIP) \
  X(TLabel, L_EtherNetIP_IP) \
  X(TEdit, E_EtherNetIP_IP1) \
  X(TEdit, E_EtherNetIP_IP2) \
  X(TEdit, E_EtherNetIP_IP3) \
  X(TEdit, E_EtherNetIP_IP4) \
  X(TLabel, L_EtherNetIP_SM) \
  X(TEdit, E_EtherNetIP_SM1) \
  X(TEdit, E_EtherNetIP_SM2) \
  X(TEdit, E_EtherNetIP_SM3) \
  X(TEdit, E_EtherNetIP_SM4) \
  X(TCheckBox, CB_EtherNetIP_GAT) \
  X(TEdit, E_EtherNetIP_GAT1) \
  X(TEdit, E_EtherNetIP_GAT2) \
  X(TEdit, E_EtherNetIP_GAT3) \
  X(TEdit, E_EtherNetIP_GAT4) \
  X(TLabel, L_EtherNetIP_TunnelPort) \
  X(TEdit, E_EtherNetIP_TunnelPort) \
  X(TLabel, L_EtherNetIP_NByte_In) \
  X(TEdit, E_EtherNetIP_NByte_In) \
  X(TLabel, L_EtherNetIP_NByte_Out) \
  X(TEdit, E_EtherNetIP_NByte_Out) \
  X(TCategoryPanel, CP_KNX) \
  X(TLabel, L_KNX_Type) \
  X(TComboBox, CB_KNX_Type) \
  X(TLabel, L_KNX_IDDevice) \
  X(TEdit, E_KNX_IDDevice) \
  X(TCategoryPanel, CP_MQTT) \
  X(TLabel, L_MQTT_Server) \
  X(TEdit, E_MQTT_Server) \
  X(TLabel, L_MQTT_Server_Port) \
  X(TEdit, E_MQTT_Server_Port) \
  X(TLabel, L_MQTT_Client_ID) \
  X(TEdit, E_MQTT_Client_ID) \
  X(TLabel, L_MQTT_Keep_Alive) \
  X(TEdit, E_MQTT_Keep_Alive) \
  X(TCheckBox, CB_MQTT_Clean_Session) \
  X(TCheckBox, CB_MQTT_WillFlag) \
  X(TLabel, L_MQTT_Will_TopicName) \
  X(TEdit, E_MQTT_Will_TopicName) \
  X(TLabel, L_MQTT_Will_Message) \
  X(TEdit, E_MQTT_Will_Message) \
  X(TCheckBox, CB_MQTT_Will_Retained) \
  X(TLabel, L_MQTT_Will_QoS) \
  X(TComboBox, CB_MQTT_Will_QoS) \
  X(TLabel, L_MQTT_Username) \
  X(TEdit, E_MQTT_Username) \
  X(TLabel, L_MQTT_Password) \
  X(TRichEdit, E_MQTT_Password) \
  X(TEdit, E_MQTT_Password__) \
  X(TLabel, L_MQTT_ASync_Send_Time) \
  X(TEdit, E_MQTT_ASync_Send_Time) \
  X(TCategoryPanel, CP_Ethernet) \
  X(TLabel, L_Ethernet_IP) \
  X(TEdit, E_Ethernet_IP1) \
  X(TEdit, E_Ethernet_IP2) \
  X(TEdit, E_Ethernet_IP3) \
  X(TEdit, E_Ethernet_IP4) \
  X(TLabel, L_Ethernet_SM) \
  X(TEdit, E_Ethernet_SM1) \
  X(TEdit, E_Ethernet_SM2) \
  X(TEdit, E_Ethernet_SM3) \
  X(TEdit, E_Ethernet_SM4) \
  X(TCheckBox, CB_Ethernet_En_GAT) \
  X(TEdit, E_Ethernet_GAT1) \
  X(TEdit, E_Ethernet_GAT2) \
  X(TEdit, E_Ethernet_GAT3) \
  X(TEdit, E_Ethernet_GAT4) \
  X(TLabel, L_Ethernet_TCP_Port) \
  X(TEdit, E_Ethernet_TCP_Port) \
  X(TLabel, L_Ethernet_UDP_Port) \
  X(TEdit, E_Ethernet_UDP_Port) \
  X(TCategoryPanel, CP_TLS) \
  X(TCheckBox, CB_TLS_Enable) \
  X(TCheckBox, CB_TLS_En_Server_Auth) \
  X(TLabel, L_TLS_Server_Cert) \
  X(TRichEdit, E_TLS_Server_Cert) \
  X(TCheckBox, CB_TLS_En_Client_Auth) \
  X(TLabel, L_TLS_Client_Cert) \
  X(TRichEdit, E_TLS_Client_Cert) \
  X(TLabel, L_TLS_Client_Cert_Key) \
  X(TRichEdit, E_TLS_Client_Cert_Key) \
  X(TLabel, L_TLS_Client_Cert_Key_Pass) \
  X(TEdit, E_TLS_Client_Cert_Key_Pass) \
  X(TCategoryPanel, CP_NTP) \
  X(TLabel, L_NTP_Server_URL) \
  X(TEdit, E_NTP_Server_URL) \
  X(TLabel, L_NTP_Poll_Time) \
  X(TEdit, E_NTP_Poll_Time) \
  X(TCategoryPanel, CP_BACnet_Slave) \
  X(TLabel, L_BACnet_Slave_Type) \
  X(TComboBox, CB_BACnet_Slave_Type) \
  X(TLabel, L_BACnet_IP_Slave_IP) \
  X(TEdit, E_BACnet_IP_Slave_IP1) \
  X(TEdit, E_BACnet_IP_Slave_IP2) \
  X(TEdit, E_BACnet_IP_Slave_IP3) \
  X(TEdit, E_BACnet_IP_Slave_IP4) \
  X(TLabel, L_BACnet_IP_Slave_IP_Dot1) \
  X(TLabel, L_BACnet_IP_Slave_IP_Dot2) \
  X(TLabel, L_BACnet_IP_Slave_IP_Dot3) \
  X(TLabel, L_BACnet_IP_Slave_SM) \
  X(TEdit, E_BACnet_IP_Slave_SM1) \
  X(TEdit, E_BACnet_IP_Slave_SM2) \
  X(TEdit, E_BACnet_IP_Slave_SM3) \
  X(TEdit, E_BACnet_IP_Slave_SM4) \
  X(TLabel, L_BACnet_IP_Slave_SM_Dot1) \
  X(TLabel, L_BACnet_IP_Slave_SM_Dot2) \
  X(TLabel, L_BACnet_IP_Slave_SM_Dot3) \
  X(TCheckBox, CB_BACnet_IP_Slave_GAT) \
  X(TEdit, E_BACnet_IP_Slave_GAT1) \
  X(TEdit, E_BACnet_IP_Slave_GAT2) \
  X(TEdit, E_BACnet_IP_Slave_GAT3) \
  X(TEdit, E_BACnet_IP_Slave_GAT4) \
  X(TLabel, L_BACnet_IP_Slave_GAT_Dot1) \
  X(TLabel, L_BACnet_IP_Slave_GAT_Dot2) \
  X(TLabel, L_BACnet_IP_Slave_GAT_Dot3) \
  X(TLabel, L_BACnet_IP_Slave_Port) \
  X(TEdit, E_BACnet_IP_Slave_Port) \
  X(TLabel, L_BACnet_IP_Slave_Device_Name) \
  X(TEdit, E_BACnet_IP_Slave_Device_Name) \
  X(TLabel, L_BACnet_IP_Slave_Device_Identifier) \
  X(TEdit, E_BACnet_IP_Slave_Device_Identifier) \
  X(TLabel, L_BACnet_MSTP_Slave_Baudrate) \
  X(TComboBox, CB_BACnet_MSTP_Slave_Baudrate) \
  X(TLabel, L_BACnet_MSTP_Slave_Parity) \
  X(TComboBox, CB_BACnet_MSTP_Slave_Parity) \
  X(TLabel, L_BACnet_MSTP_Slave_Device_Name) \
  X(TEdit, E_BACnet_MSTP_Slave_Device_Name) \
  X(TLabel, L_BACnet_MSTP_Slave_MAC_Address) \
  X(TEdit, E_BACnet_MSTP_Slave_MAC_Address) \
  X(TLabel, L_BACnet_MSTP_Slave_Max_Master) \
  X(TEdit, E_BACnet_MSTP_Slave_Max_Master) \
  X(TLabel, L_BACnet_MSTP_Slave_Max_Info_Frame) \
  X(TEdit, E_BACnet_MSTP_Slave_Max_Info_Frame) \
  X(TLabel, L_BACnet_MSTP_Slave_Device_Instance) \
  X(TEdit, E_BACnet_MSTP_Slave_Device_Instance) \
  X(TLabel, L_BACnet_MSTP_Slave_Network) \
  X(TEdit, E_BACnet_MSTP_Slave_Network) \
  X(TCheckBox, CB_BACnet_Slave_Desc_32_Chars) \
  X(TCategoryPanel, CP_OPC_UA_Server) \
  X(TLabel, L_OPC_UA_Server_IP) \
  X(TEdit, E_OPC_UA_Server_IP1) \
  X(TEdit, E_OPC_UA_Server_IP2) \
  X(TEdit, E_OPC_UA_Server_IP3) \
  X(TEdit, E_OPC_UA_Server_IP4) \
  X(TLabel, L_OPC_UA_Server_SM) \
  X(TEdit, E_OPC_UA_Server_SM1) \
  X(TEdit, E_OPC_UA_Server_SM2) \
  X(TEdit, E_OPC_UA_Server_SM3) \
  X(TEdit, E_OPC_UA_Server_SM4) \
  X(TCheckBox, CB_OPC_UA_Server_En_GAT) \
  X(TEdit, E_OPC_UA_Server_GAT1) \
  X(TEdit, E_OPC_UA_Server_GAT2) \
  X(TEdit, E_OPC_UA_Server_GAT3) \
  X(TEdit, E_OPC_UA_Server_GAT4) \
  X(TLabel, L_OPC_UA_Server_Port) \
  X(TEdit, E_OPC_UA_Server_Port) \
  X(TCategoryPanel, CP_PROFINET) \
  X(TLabel, L_PROFINET_IP) \
  X(TEdit, E_PROFINET_IP1) \
  X(TEdit, E_PROFINET_IP2) \
  X(TEdit, E_PROFINET_IP3) \
  X(TEdit, E_PROFINET_IP4) \
  X(TLabel, L_PROFINET_SM) \
  X(TEdit, E_PROFINET_SM1) \
  X(TEdit, E_PROFINET_SM2) \
  X(TEdit, E_PROFINET_SM3) \
  X(TEdit, E_PROFINET_SM4) \
  X(TCheckBox, CB_PROFINET_GAT) \
  X(TEdit, E_PROFINET_GAT1) \
  X(TEdit, E_PROFINET_GAT2) \
  X(TEdit, E_PROFINET_GAT3) \
  X(TEdit, E_PROFINET_GAT4) \
  X(TLabel, L_PROFINET_TunnelPort) \
  X(TEdit, E_PROFINET_TunnelPort) \
  X(TLabel, L_PROFINET_NameStation) \
  X(TEdit, E_PROFINET_NameStation) \
  X(TLabel, L_PROFINET_NByte_In) \
  X(TEdit, E_PROFINET_NByte_In) \
  X(TLabel, L_PROFINET_NByte_Out) \
  X(TEdit, E_PROFINET_NByte_Out) \
  X(TCheckBox, CB_PROFINET_Diagnostic) \
  X(TEdit, E_PROFINET_Diagnostic) \
  X(TCategoryPanel, CP_IEC61850_Server) \
  X(TLabel, L_IEC61850_Server_IP) \
  X(TEdit, E_IEC61850_Server_IP1) \
  X(TEdit, E_IEC61850_Server_IP2) \
  X(TEdit, E_IEC61850_Server_IP3) \
  X(TEdit, E_IEC61850_Server_IP4) \
  X(TLabel, L_IEC61850_Server_SM) \
  X(TEdit, E_IEC61850_Server_SM1) \
  X(TEdit, E_IEC61850_Server_SM2) \
  X(TEdit, E_IEC61850_Server_SM3) \
  X(TEdit, E_IEC61850_Server_SM4) \
  X(TCheckBox, CB_IEC61850_Server_En_GAT) \
  X(TEdit, E_IEC61850_Server_GAT1) \
  X(TEdit, E_IEC61850_Server_GAT2) \
  X(TEdit, E_IEC61850_Server_GAT3) \
  X(TEdit, E_IEC61850_Server_GAT4) \
  X(TLabel, L_IEC61850_Server_Port) \
  X(TEdit, E_IEC61850_Server_Port) \
  X(TLabel, L_IEC61850_Server_Password) \
  X(TEdit, E_IEC61850_Server_Password) \
  X(TCategoryPanel, CP_TLS_Server) \
  X(TCheckBox, CB_TLS_Server_Enable) \
  X(TLabel, L_TLS_Server_Key) \
  X(TRichEdit, E_TLS_Server_Key) \
  X(TLabel, L_TLS_Server_Key_Pass) \
  X(TEdit, E_TLS_Server_Key_Pass) \
  X(TLabel, L_TLS_Server_Server_Cert) \
  X(TRichEdit, E_TLS_Server_Server_Cert) \
  X(TLabel, L_TLS_Server_Root_Cert) \
  X(TRichEdit, E_TLS_Server_Root_Cert) \
  X(TCheckBox, CB_TLS_Server_En_Known_Cert)
// clang-format on

// Whether a device name holds only what the device takes as its network
// name (host name): ASCII letters, digits, "-" and ".".
bool Check_Device_Name(std::string_view Name);
// The refusal of any other device name, in the form's block of texts.
constexpr int Text_Device_Name_Not_Allowed = 999;

class TFParGen : public TForm, public ILangForm {
 public:
  explicit TFParGen(TComponent* AOwner);
  ~TFParGen() override;

#define PARGEN_FIELD(Class, Name) Class* Name = nullptr;
  PARGEN_CONTROLS(PARGEN_FIELD)
#undef PARGEN_FIELD

  // Made here rather than in the layout: the layouts hold only controls.
  TImageList* ImageList1 = nullptr;
  TXMLDocument* XML1 = nullptr;

  // ---- Event handlers
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormResize(TObject* Sender);
  void FormMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled);
  void Btn_OKClick(TObject* Sender);
  // The dot rule of the octet edits: "." moves to the next octet of the
  // address chain and is never typed.
  void KeyPress(TObject* Sender, char32_t& Key);
  // Re-run the layout when a control that changes it changes.
  void On_Change(TObject* Sender);
  void On_Click(TObject* Sender);

  void Set_Lang() override;

  // True when every checked value may be saved; otherwise shows the
  // message of the first bad one and answers false.
  bool Controllo_Dati();

  // ---- ParGen.xml
  // Fills the controls from Path_ParGen (defaults for what is missing);
  // a file that is there but cannot be read (damaged, a folder) is reported
  // and gives the defaults, and OK then asks before it replaces the file.
  void Load_ParGen();
  bool Load_Damaged() const { return load_damaged_; }
  // Gives every control that ParGen.xml keeps its default.
  void Set_Default_Values();
  // Rewrites Path_ParGen from the controls; false (after telling the user
  // why) when it could not be written, the old file then stays as it was.
  bool Save_ParGen();
  // True when a value differs from what the last showing read.
  bool Changed();

  // Escape and the close box ask before changed values are thrown away.
  void WndProc(TMessage& Message) override;

 private:
  bool load_damaged_ = false;

 public:
  // ---- Per-model panel layout
  // Hides all panels; creation does this before Order_TAB_Panels.
  void Hide_All_Panels();
  void Order_TAB_Panels();
  void Order_TAB_Panels_30401();
  void Order_TAB_Panels_30402();
  void Order_TAB_Panels_30403();
  void Order_TAB_Panels_30404();
  void Order_TAB_Panels_30405();
  void Order_TAB_Panels_30406();
  void Order_TAB_Panels_30407();
  void Order_TAB_Panels_30408();
  void Order_TAB_Panels_30409();
  void Order_TAB_Panels_30410();
  void Order_TAB_Panels_30411();
  void Order_TAB_Panels_30412();
  void Order_TAB_Panels_30413();
  void Order_TAB_Panels_30414();
  void Order_TAB_Panels_30415();
  void Order_TAB_Panels_30416();

  void Move_GroupBoxs();
  void RePosition_Objects_30401();
  void RePosition_Objects_30402();
  void RePosition_Objects_30403();
  void RePosition_Objects_30404();
  void RePosition_Objects_30405();
  void RePosition_Objects_30406();
  void RePosition_Objects_30407();
  void RePosition_Objects_30408();
  void RePosition_Objects_30409();
  void RePosition_Objects_30410();
  void RePosition_Objects_30411();
  void RePosition_Objects_30412();
  void RePosition_Objects_30413();
  void RePosition_Objects_30414();
  void RePosition_Objects_30415();
  void RePosition_Objects_30416();

  void RePosition_Object_Ethernet_Connection();
  void RePosition_Object_S7_Protocol();
  void RePosition_Object_Modbus_TCP_Slave();
  void RePosition_Object_PROFIBUS();
  void RePosition_Object_Serial();
  void RePosition_Object_Modbus_Slave();
  void RePosition_Object_CAN();
  void RePosition_Object_CANopen();
  void RePosition_Object_DeviceNet_Slave();
  void RePosition_Object_SNMP_Agent();
  void RePosition_Object_EtherNetIP();
  void RePosition_Object_KNX();
  void RePosition_Object_MQTT();
  void RePosition_Object_Ethernet();
  void RePosition_Object_TLS();
  void RePosition_Object_NTP();
  void RePosition_Object_BACnet_Slave();
  void RePosition_Object_OPC_UA_Server();
  void RePosition_Object_PROFINET();
  void RePosition_Object_IEC61850_Server();
  void RePosition_Object_TLS_Server();

 protected:
  using TForm::KeyPress;

 private:
  // Stacks Panels from the top of the group, numbers their captions from
  // their text ids and gives them the tab order 0, 1, ...
  void Order_Panels(std::initializer_list<std::pair<TCategoryPanel*, int>> Panels);
  // Panel height := bottom of Reference + header height + 12.
  void Set_Panel_Height(TCategoryPanel* Panel, TControl* Reference);
  // Enables or disables the twelve octet edits of an address panel (and
  // its gateway box, when given) by the cable DHCP box.
  void Apply_Cable_DHCP(std::initializer_list<TControl*> Controls);
  void Load_Glyphs();
  // The values ParGen.xml would hold, in element order.
  std::vector<std::string> Values();

  std::vector<std::string> loaded_values_;
};

extern TFParGen* FParGen;
