// The per-model panel layout of the communication parameters form: the
// program runs only this model's variants, but every variant is a routine of
// its own and is run here directly.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UParGen.h"
#include "framework/classes/StringList.h"
#include "framework/controls/CategoryPanel.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComCtrls.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/StdCtrls.h"
#include "tests/app/AppTestSupport.h"

namespace {

using TPanel_Field = TCategoryPanel* TFParGen::*;
using TVariant = void (TFParGen::*)();

class ParGenLayoutTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Load_Default_Language();
    Init_SW_Identity();
  }
  void SetUp() override {
    form_ = new TFParGen(Application);
    form_->AfterConstruction();
  }
  void TearDown() override { delete form_; }

  // The bottom edge the height rule puts under a panel's lowest control.
  int Height_Below(TControl* Reference) const {
    return Reference->Top() + Reference->Height() + form_->CPG->HeaderHeight() + 12;
  }

  TCommonGlobalsScope globals_;
  TFParGen* form_ = nullptr;
};

std::vector<std::string> Hidden_Of(std::initializer_list<TControl*> Controls) {
  std::vector<std::string> hidden;
  for (TControl* c : Controls)
    if (!c->Visible()) hidden.push_back(c->Name());
  return hidden;
}

}  // namespace

TEST_F(ParGenLayoutTest, EachModelShowsItsPanelsNumberedAndStackedInOrder) {
  using F = TFParGen;
  const struct {
    TVariant Order;
    std::vector<std::pair<TPanel_Field, std::string>> Panels;
  } models[] = {
      {&F::Order_TAB_Panels_30401, {{&F::CP_Modbus_TCP_Slave, "3. Modbus TCP Slave"}}},
      {&F::Order_TAB_Panels_30402, {{&F::CP_PROFIBUS, "3. PROFIBUS"}}},
      {&F::Order_TAB_Panels_30403,
       {{&F::CP_IEC61850_Server, "3. IEC61850 Server"},
        {&F::CP_TLS_Server, "4. TLS (Transport Layer Security) Server"},
        {&F::CP_NTP, "5. NTP (Network Time Protocol)"}}},
      {&F::Order_TAB_Panels_30404, {{&F::CP_Serial, "3. Serial"}}},
      {&F::Order_TAB_Panels_30405, {{&F::CP_Modbus_Slave, "3. Modbus Slave"}}},
      {&F::Order_TAB_Panels_30406, {{&F::CP_CAN, "3. CAN"}}},
      {&F::Order_TAB_Panels_30407, {{&F::CP_CANopen, "3. CANopen"}}},
      {&F::Order_TAB_Panels_30408, {{&F::CP_DeviceNet_Slave, "3. DeviceNet Slave"}}},
      {&F::Order_TAB_Panels_30409, {{&F::CP_SNMP_Agent, "3. SNMP Agent"}}},
      {&F::Order_TAB_Panels_30410, {{&F::CP_EtherNetIP, "3. EtherNet/IP"}}},
      {&F::Order_TAB_Panels_30411, {{&F::CP_KNX, "3. KNX"}}},
      {&F::Order_TAB_Panels_30412,
       {{&F::CP_MQTT, "3. MQTT"},
        {&F::CP_Ethernet, "4. Ethernet"},
        {&F::CP_TLS, "5. TLS (Transport Layer Security)"},
        {&F::CP_NTP, "6. NTP (Network Time Protocol)"}}},
      {&F::Order_TAB_Panels_30413, {{&F::CP_BACnet_Slave, "3. BACnet Slave"}}},
      {&F::Order_TAB_Panels_30414, {{&F::CP_Ethernet, "3. Ethernet"}}},
      {&F::Order_TAB_Panels_30415,
       {{&F::CP_OPC_UA_Server, "3. OPC UA Server"}, {&F::CP_NTP, "4. NTP (Network Time Protocol)"}}},
      {&F::Order_TAB_Panels_30416, {{&F::CP_PROFINET, "3. PROFINET"}}},
  };
  // Through a local: GCC's vptr check misreads a member-pointer call whose
  // object is itself a member (form_->*pmf) and reports a fault that is none.
  TFParGen* const Form = form_;
  for (const auto& m : models) {
    // Every model starts with the Ethernet connection and the S7 panels.
    std::vector<std::pair<TPanel_Field, std::string>> panels = {
        {&F::CP_Ethernet_Connection, "1. Ethernet Connection"}, {&F::CP_S7_Protocol, "2. S7comm"}};
    panels.insert(panels.end(), m.Panels.begin(), m.Panels.end());
    SCOPED_TRACE(panels.back().second);
    form_->Hide_All_Panels();
    (Form->*m.Order)();

    int shown = 0;
    for (int i = 0; i < form_->CPG->PanelCount(); ++i) shown += form_->CPG->Panels(i)->Visible() ? 1 : 0;
    EXPECT_EQ(shown, static_cast<int>(panels.size()));
    int top = 0;
    for (std::size_t k = 0; k < panels.size(); ++k) {
      TCategoryPanel* p = Form->*panels[k].first;
      EXPECT_TRUE(p->Visible()) << p->Name();
      EXPECT_EQ(p->Caption(), panels[k].second);
      EXPECT_EQ(p->Top(), top) << p->Name();
      EXPECT_EQ(p->TabOrder(), static_cast<int>(k)) << p->Name();
      top += p->Height();
    }
  }
}

TEST_F(ParGenLayoutTest, MqttWithoutTheWillPutsTheUserRowsInItsPlace) {
  TFParGen* F = form_;
  const int will_topic_top = F->L_MQTT_Will_TopicName->Top();
  F->CB_MQTT_WillFlag->SetChecked(true);
  F->RePosition_Objects_30412();
  const int with_will = F->CP_MQTT->Height();
  EXPECT_EQ(F->L_MQTT_Username->Top(), F->L_MQTT_Will_QoS->Top() + 28);
  EXPECT_EQ(
      Hidden_Of({F->L_MQTT_Will_TopicName, F->E_MQTT_Will_TopicName, F->L_MQTT_Will_Message,
                 F->E_MQTT_Will_Message, F->CB_MQTT_Will_Retained, F->L_MQTT_Will_QoS, F->CB_MQTT_Will_QoS}),
      std::vector<std::string>{});

  F->CB_MQTT_WillFlag->SetChecked(false);
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    F->RePosition_Objects_30412();
    EXPECT_EQ(F->L_MQTT_Username->Top(), will_topic_top);
    EXPECT_EQ(F->E_MQTT_Username->Top(), will_topic_top - 3);
    EXPECT_EQ(F->L_MQTT_Password->Top(), will_topic_top + 28);
    EXPECT_EQ(F->E_MQTT_Password->Top(), will_topic_top + 25);
    EXPECT_EQ(
        Hidden_Of({F->L_MQTT_Will_TopicName, F->E_MQTT_Will_TopicName, F->L_MQTT_Will_Message,
                   F->E_MQTT_Will_Message, F->CB_MQTT_Will_Retained, F->L_MQTT_Will_QoS, F->CB_MQTT_Will_QoS,
                   F->L_MQTT_ASync_Send_Time, F->E_MQTT_ASync_Send_Time, F->L_MQTT_Username}),
        (std::vector<std::string>{"L_MQTT_Will_TopicName", "E_MQTT_Will_TopicName", "L_MQTT_Will_Message",
                                  "E_MQTT_Will_Message", "CB_MQTT_Will_Retained", "L_MQTT_Will_QoS",
                                  "CB_MQTT_Will_QoS", "L_MQTT_ASync_Send_Time", "E_MQTT_ASync_Send_Time"}));
    // Four rows shorter.
    EXPECT_EQ(F->CP_MQTT->Height(), with_will - 4 * 28);
    EXPECT_EQ(F->CP_MQTT->Height(), Height_Below(F->E_MQTT_Password));
  }
  // The same run sizes the model's other panels and hides what they never
  // show.
  EXPECT_EQ(Hidden_Of({F->L_Ethernet_TCP_Port, F->E_Ethernet_TCP_Port, F->L_Ethernet_UDP_Port,
                       F->E_Ethernet_UDP_Port}),
            (std::vector<std::string>{"L_Ethernet_TCP_Port", "E_Ethernet_TCP_Port", "L_Ethernet_UDP_Port",
                                      "E_Ethernet_UDP_Port"}));
  EXPECT_EQ(F->CP_Ethernet->Height(), Height_Below(F->E_Ethernet_GAT4));
  EXPECT_EQ(F->CP_NTP->Height(), Height_Below(F->E_NTP_Poll_Time));
}

TEST_F(ParGenLayoutTest, BacnetMstpTakesThePlaceOfTheAddressRowsAndBack) {
  TFParGen* F = form_;
  const std::initializer_list<TControl*> ip_rows = {
      F->L_BACnet_IP_Slave_IP,   F->E_BACnet_IP_Slave_IP1,         F->L_BACnet_IP_Slave_IP_Dot2,
      F->L_BACnet_IP_Slave_SM,   F->E_BACnet_IP_Slave_SM4,         F->L_BACnet_IP_Slave_SM_Dot1,
      F->CB_BACnet_IP_Slave_GAT, F->E_BACnet_IP_Slave_GAT3,        F->L_BACnet_IP_Slave_GAT_Dot3,
      F->E_BACnet_IP_Slave_Port, F->L_BACnet_IP_Slave_Device_Name, F->E_BACnet_IP_Slave_Device_Identifier};
  const std::initializer_list<TControl*> mstp_rows = {
      F->L_BACnet_MSTP_Slave_Baudrate,       F->CB_BACnet_MSTP_Slave_Baudrate,
      F->CB_BACnet_MSTP_Slave_Parity,        F->E_BACnet_MSTP_Slave_Device_Name,
      F->L_BACnet_MSTP_Slave_Max_Info_Frame, F->E_BACnet_MSTP_Slave_Network};
  const int ip_label_top = F->L_BACnet_IP_Slave_IP->Top();
  const int ip_edit_top = F->E_BACnet_IP_Slave_IP1->Top();

  F->CB_BACnet_Slave_Type->SetItemIndex(1);
  F->RePosition_Objects_30413();
  EXPECT_EQ(Hidden_Of(ip_rows).size(), ip_rows.size());
  EXPECT_TRUE(Hidden_Of(mstp_rows).empty());
  EXPECT_EQ(F->L_BACnet_MSTP_Slave_Baudrate->Top(), ip_label_top);
  EXPECT_EQ(F->CB_BACnet_MSTP_Slave_Baudrate->Top(), ip_edit_top);
  EXPECT_EQ(F->L_BACnet_MSTP_Slave_Network->Top(), ip_label_top + 7 * 28);
  EXPECT_EQ(F->E_BACnet_MSTP_Slave_Network->Top(), ip_edit_top + 7 * 28);
  EXPECT_EQ(F->CB_BACnet_Slave_Desc_32_Chars->Top(), F->L_BACnet_MSTP_Slave_Network->Top() + 28);
  EXPECT_TRUE(F->CB_BACnet_Slave_Desc_32_Chars->Visible());
  EXPECT_EQ(F->CP_BACnet_Slave->Height(), Height_Below(F->CB_BACnet_Slave_Desc_32_Chars));

  F->CB_BACnet_Slave_Type->SetItemIndex(0);
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    F->RePosition_Objects_30413();
    EXPECT_TRUE(Hidden_Of(ip_rows).empty());
    EXPECT_EQ(Hidden_Of(mstp_rows).size(), mstp_rows.size());
    EXPECT_EQ(F->CB_BACnet_Slave_Desc_32_Chars->Top(), F->L_BACnet_IP_Slave_Device_Identifier->Top() + 28);
    EXPECT_EQ(F->CP_BACnet_Slave->Height(), Height_Below(F->CB_BACnet_Slave_Desc_32_Chars));
  }
}

TEST_F(ParGenLayoutTest, SnmpShowsTheRowsOfItsSecurityLevel) {
  TFParGen* F = form_;
  const struct {
    bool Version3;
    int Level;
    std::vector<std::string> Hidden;
    TControl* Reference;
  } cases[] = {
      {false,
       2,
       {"E_SNMP_Agent_User", "CB_SNMP_Agent_SecurityLevel", "E_SNMP_Agent_Authority",
        "CB_SNMP_Agent_AuthorityMode", "L_SNMP_Agent_Privacy", "CB_SNMP_Agent_PrivacyMode"},
       F->CB_SNMP_Agent_Version3},
      {true,
       0,
       {"E_SNMP_Agent_Authority", "CB_SNMP_Agent_AuthorityMode", "L_SNMP_Agent_Privacy",
        "CB_SNMP_Agent_PrivacyMode"},
       F->CB_SNMP_Agent_SecurityLevel},
      {true, 1, {"L_SNMP_Agent_Privacy", "CB_SNMP_Agent_PrivacyMode"}, F->CB_SNMP_Agent_AuthorityMode},
      {true, 2, {}, F->CB_SNMP_Agent_PrivacyMode},
      {true, -1, {}, F->CB_SNMP_Agent_PrivacyMode},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Version3) + " " + std::to_string(c.Level));
    F->CB_SNMP_Agent_Version3->SetChecked(c.Version3);
    F->CB_SNMP_Agent_SecurityLevel->SetItemIndex(c.Level);
    F->RePosition_Objects_30409();
    EXPECT_EQ(
        Hidden_Of({F->E_SNMP_Agent_User, F->CB_SNMP_Agent_SecurityLevel, F->E_SNMP_Agent_Authority,
                   F->CB_SNMP_Agent_AuthorityMode, F->L_SNMP_Agent_Privacy, F->CB_SNMP_Agent_PrivacyMode}),
        c.Hidden);
    EXPECT_EQ(F->CP_SNMP_Agent->Height(), Height_Below(c.Reference));
  }
}

TEST_F(ParGenLayoutTest, TlsShowsItsRowsByItsThreeBoxes) {
  TFParGen* F = form_;
  const std::initializer_list<TControl*> all = {F->CB_TLS_En_Server_Auth,      F->L_TLS_Server_Cert,
                                                F->E_TLS_Server_Cert,          F->CB_TLS_En_Client_Auth,
                                                F->L_TLS_Client_Cert,          F->E_TLS_Client_Cert,
                                                F->L_TLS_Client_Cert_Key,      F->E_TLS_Client_Cert_Key,
                                                F->L_TLS_Client_Cert_Key_Pass, F->E_TLS_Client_Cert_Key_Pass};
  const std::vector<std::string> client_rows = {"L_TLS_Client_Cert",          "E_TLS_Client_Cert",
                                                "L_TLS_Client_Cert_Key",      "E_TLS_Client_Cert_Key",
                                                "L_TLS_Client_Cert_Key_Pass", "E_TLS_Client_Cert_Key_Pass"};
  // TLS off: nothing but its own box.
  F->CB_TLS_Enable->SetChecked(false);
  F->CB_TLS_En_Server_Auth->SetChecked(true);
  F->CB_TLS_En_Client_Auth->SetChecked(true);
  F->RePosition_Objects_30412();
  EXPECT_EQ(Hidden_Of(all).size(), all.size());
  EXPECT_EQ(F->CP_TLS->Height(), Height_Below(F->CB_TLS_Enable));

  F->CB_TLS_Enable->SetChecked(true);
  F->CB_TLS_En_Server_Auth->SetChecked(false);
  F->CB_TLS_En_Client_Auth->SetChecked(false);
  F->RePosition_Objects_30412();
  std::vector<std::string> hidden = {"L_TLS_Server_Cert", "E_TLS_Server_Cert"};
  hidden.insert(hidden.end(), client_rows.begin(), client_rows.end());
  EXPECT_EQ(Hidden_Of(all), hidden);
  EXPECT_EQ(F->CB_TLS_En_Client_Auth->Top(), F->CB_TLS_En_Server_Auth->Top() + 28);
  EXPECT_EQ(F->CP_TLS->Height(), Height_Below(F->CB_TLS_En_Client_Auth));

  F->CB_TLS_En_Server_Auth->SetChecked(true);
  F->RePosition_Objects_30412();
  EXPECT_EQ(Hidden_Of(all), client_rows);
  EXPECT_EQ(F->CB_TLS_En_Client_Auth->Top(), F->E_TLS_Server_Cert->Top() + 28);

  F->CB_TLS_En_Client_Auth->SetChecked(true);
  F->RePosition_Objects_30412();
  EXPECT_TRUE(Hidden_Of(all).empty());
  const int y = F->CB_TLS_En_Client_Auth->Top();
  EXPECT_EQ(F->L_TLS_Client_Cert->Top(), y + 28);
  EXPECT_EQ(F->L_TLS_Client_Cert_Key->Top(), y + 56);
  EXPECT_EQ(F->L_TLS_Client_Cert_Key_Pass->Top(), y + 84);
  EXPECT_EQ(F->E_TLS_Client_Cert_Key_Pass->Top(), y + 81);
  EXPECT_EQ(F->CP_TLS->Height(), Height_Below(F->E_TLS_Client_Cert_Key_Pass));
}

TEST_F(ParGenLayoutTest, TheTlsServerRowsFollowItsBox) {
  TFParGen* F = form_;
  const std::initializer_list<TControl*> rows = {F->L_TLS_Server_Key,       F->E_TLS_Server_Key,
                                                 F->E_TLS_Server_Key_Pass,  F->L_TLS_Server_Server_Cert,
                                                 F->E_TLS_Server_Root_Cert, F->CB_TLS_Server_En_Known_Cert};
  F->CB_TLS_Server_Enable->SetChecked(false);
  F->RePosition_Objects_30403();
  EXPECT_EQ(Hidden_Of(rows).size(), rows.size());
  EXPECT_EQ(F->CP_TLS_Server->Height(), Height_Below(F->CB_TLS_Server_Enable));
  F->CB_TLS_Server_Enable->SetChecked(true);
  F->RePosition_Objects_30403();
  EXPECT_TRUE(Hidden_Of(rows).empty());
  EXPECT_EQ(F->CP_TLS_Server->Height(), Height_Below(F->CB_TLS_Server_En_Known_Cert));
}

TEST_F(ParGenLayoutTest, CableDhcpDisablesTheAddressOfEveryAddressPanel) {
  using F = TFParGen;
  const struct {
    TVariant Run;
    TEdit* F::*First;
    TEdit* F::*Last;
    TCheckBox* F::*Gateway;
    bool Gateway_Follows;
  } panels[] = {
      {&F::RePosition_Objects_30401, &F::E_ModbusTCPSlave_IP1, &F::E_ModbusTCPSlave_GAT4,
       &F::CB_ModbusTCPSlave_En_GAT, true},
      {&F::RePosition_Objects_30410, &F::E_EtherNetIP_IP1, &F::E_EtherNetIP_GAT4, &F::CB_EtherNetIP_GAT,
       true},
      {&F::RePosition_Objects_30414, &F::E_Ethernet_IP1, &F::E_Ethernet_GAT4, &F::CB_Ethernet_En_GAT, true},
      {&F::RePosition_Objects_30409, &F::E_SNMP_Agent_IP1, &F::E_SNMP_Agent_GAT4, &F::CB_SNMP_Agent_GAT,
       false},
      {&F::RePosition_Objects_30413, &F::E_BACnet_IP_Slave_IP1, &F::E_BACnet_IP_Slave_GAT4,
       &F::CB_BACnet_IP_Slave_GAT, false},
      {&F::RePosition_Objects_30415, &F::E_OPC_UA_Server_IP1, &F::E_OPC_UA_Server_GAT4,
       &F::CB_OPC_UA_Server_En_GAT, false},
      {&F::RePosition_Objects_30416, &F::E_PROFINET_IP1, &F::E_PROFINET_GAT4, &F::CB_PROFINET_GAT, false},
      {&F::RePosition_Objects_30403, &F::E_IEC61850_Server_IP1, &F::E_IEC61850_Server_GAT4,
       &F::CB_IEC61850_Server_En_GAT, false},
  };
  form_->CB_BACnet_Slave_Type->SetItemIndex(0);
  TFParGen* const Form = form_;  // see EachModelShowsItsPanelsNumberedAndStackedInOrder
  for (const auto& p : panels) {
    SCOPED_TRACE((Form->*p.First)->Name());
    form_->CB_EthConn_En_DHCP_Cable->SetChecked(true);
    (Form->*p.Run)();
    EXPECT_FALSE((Form->*p.First)->Enabled());
    EXPECT_FALSE((Form->*p.Last)->Enabled());
    EXPECT_EQ((Form->*p.Gateway)->Enabled(), !p.Gateway_Follows);
    EXPECT_EQ((Form->*p.Last)->Text(), "5");
    form_->CB_EthConn_En_DHCP_Cable->SetChecked(false);
    (Form->*p.Run)();
    EXPECT_TRUE((Form->*p.First)->Enabled());
    EXPECT_TRUE((Form->*p.Gateway)->Enabled());
  }
  // PROFINET never shows its diagnosis row.
  EXPECT_FALSE(form_->CB_PROFINET_Diagnostic->Visible());
  EXPECT_FALSE(form_->E_PROFINET_Diagnostic->Visible());
}

TEST_F(ParGenLayoutTest, TheProgramRunsOnlyThisModelsVariants) {
  TFParGen* F = form_;
  const int username_top = F->L_MQTT_Username->Top();
  // A box that changes a sibling's layout runs this model's layout only.
  F->CB_MQTT_WillFlag->SetChecked(!F->CB_MQTT_WillFlag->Checked());
  F->CB_EthConn_En_DHCP_Cable->SetChecked(true);
  EXPECT_EQ(F->L_MQTT_Username->Top(), username_top);
  EXPECT_TRUE(F->E_ModbusTCPSlave_IP1->Enabled());
  EXPECT_TRUE(F->CB_PROFINET_Diagnostic->Visible());
  EXPECT_FALSE(F->E_S7_Protocol_IP1->Enabled());
  EXPECT_FALSE(F->CP_MQTT->Visible());
}
