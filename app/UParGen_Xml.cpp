// ParGen.xml: root element Par_Gen, the format comment after it at document
// level, and one child element per parameter with its value as text.
#include <string>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UParGen.h"
#include "app/UProject_File.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/StringList.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/StdCtrls.h"
#include "framework/os/Files.h"
#include "framework/rtl/SysUtils.h"
#include "framework/xml/XmlDom.h"

namespace {
// Faults this form reports that it used to pass over.
constexpr int Text_ParGen_Damaged = 956;
constexpr int Text_ParGen_Not_Saved = 957;
constexpr int Text_ParGen_Replace = 958;

std::string Message_Text(int Id) { return Lang_Table->Strings(Id); }

const char* const Root_Name = "Par_Gen";
const char* const Format_Comment = "SW_VERSION = 1.000";
constexpr int Default_CAN_Baudrate = 9;  // 1000K

enum TElement_Kind {
  ekText,      // an edit's text as typed
  ekFlag,      // a check box: "1" checked, "0" not
  ekWiFiFlag,  // written like a flag, never read: the box stays unchecked
  ekBaudrate,  // the CAN list's item index
};

struct TParGen_Element {
  const char* Name;
  TElement_Kind Kind;
  TEdit* TFParGen::*Edit;
  TCheckBox* TFParGen::*Box;
  const char* Default;
};

using F = TFParGen;
constexpr TEdit* F::*No_Edit = nullptr;
constexpr TCheckBox* F::*No_Box = nullptr;

// The elements in the order the file holds them.
const TParGen_Element Elements[] = {
    {"S7_Protocol_IP1", ekText, &F::E_S7_Protocol_IP1, No_Box, "192"},
    {"S7_Protocol_IP2", ekText, &F::E_S7_Protocol_IP2, No_Box, "168"},
    {"S7_Protocol_IP3", ekText, &F::E_S7_Protocol_IP3, No_Box, "0"},
    {"S7_Protocol_IP4", ekText, &F::E_S7_Protocol_IP4, No_Box, "5"},
    {"S7_Protocol_SM1", ekText, &F::E_S7_Protocol_SM1, No_Box, "255"},
    {"S7_Protocol_SM2", ekText, &F::E_S7_Protocol_SM2, No_Box, "255"},
    {"S7_Protocol_SM3", ekText, &F::E_S7_Protocol_SM3, No_Box, "255"},
    {"S7_Protocol_SM4", ekText, &F::E_S7_Protocol_SM4, No_Box, "0"},
    {"S7_Protocol_GAT1", ekText, &F::E_S7_Protocol_GAT1, No_Box, "192"},
    {"S7_Protocol_GAT2", ekText, &F::E_S7_Protocol_GAT2, No_Box, "168"},
    {"S7_Protocol_GAT3", ekText, &F::E_S7_Protocol_GAT3, No_Box, "0"},
    {"S7_Protocol_GAT4", ekText, &F::E_S7_Protocol_GAT4, No_Box, "1"},
    {"S7_Protocol_EN_GAT", ekFlag, No_Edit, &F::CB_S7_Protocol_En_GAT, nullptr},
    {"Eth_Conn_Device_Name", ekText, &F::E_EthConn_Device_Name, No_Box, ""},
    {"Eth_Conn_DHCP_Cable", ekFlag, No_Edit, &F::CB_EthConn_En_DHCP_Cable, nullptr},
    {"Eth_Conn_DHCP_WiFi", ekWiFiFlag, No_Edit, &F::CB_EthConn_En_DHCP_WiFi, nullptr},
    {"Eth_Conn_Enable_DNS", ekFlag, No_Edit, &F::CB_EthConn_Enable_DNS, nullptr},
    {"Eth_Conn_Primary_DNS1", ekText, &F::E_EthConn_Pri_DNS_IP1, No_Box, "8"},
    {"Eth_Conn_Primary_DNS2", ekText, &F::E_EthConn_Pri_DNS_IP2, No_Box, "8"},
    {"Eth_Conn_Primary_DNS3", ekText, &F::E_EthConn_Pri_DNS_IP3, No_Box, "8"},
    {"Eth_Conn_Primary_DNS4", ekText, &F::E_EthConn_Pri_DNS_IP4, No_Box, "8"},
    {"Eth_Conn_Secondary_DNS1", ekText, &F::E_EthConn_Sec_DNS_IP1, No_Box, "8"},
    {"Eth_Conn_Secondary_DNS2", ekText, &F::E_EthConn_Sec_DNS_IP2, No_Box, "8"},
    {"Eth_Conn_Secondary_DNS3", ekText, &F::E_EthConn_Sec_DNS_IP3, No_Box, "8"},
    {"Eth_Conn_Secondary_DNS4", ekText, &F::E_EthConn_Sec_DNS_IP4, No_Box, "8"},
    {"CAN_BAUDRATE", ekBaudrate, No_Edit, No_Box, nullptr},
};
}  // namespace

namespace {
void Set_Default(TFParGen& Form, const TParGen_Element& E) {
  switch (E.Kind) {
    case ekText:
      (Form.*E.Edit)->SetText(E.Default);
      break;
    case ekFlag:
    case ekWiFiFlag:
      (Form.*E.Box)->SetChecked(false);
      break;
    case ekBaudrate:
      Form.CB_CAN_Baudrate->SetItemIndex(Default_CAN_Baudrate);
      break;
  }
}

// Sets the element's control from the file: a missing element, or one whose
// text cannot be read, gives that control its default.
void Load_Element(TFParGen& Form, const TXMLNode& Root, const TParGen_Element& E) {
  if (E.Kind == ekWiFiFlag) {
    // There is no Wi-Fi on this converter.
    (Form.*E.Box)->SetChecked(false);
    return;
  }
  std::string text;
  try {
    text = Root.FindNode(E.Name).Text();
  } catch (const Exception&) {
    Set_Default(Form, E);
    return;
  }
  switch (E.Kind) {
    case ekText:
      (Form.*E.Edit)->SetText(text);
      break;
    case ekFlag:
      (Form.*E.Box)->SetChecked(text == "1");
      break;
    case ekBaudrate:
      // A number outside the list leaves it without a selection.
      Form.CB_CAN_Baudrate->SetItemIndex(Text_To_Int(text, Default_CAN_Baudrate));
      break;
    case ekWiFiFlag:
      break;
  }
}

std::string Value_Of(TFParGen& Form, const TParGen_Element& E) {
  switch (E.Kind) {
    case ekText:
      return (Form.*E.Edit)->Text();
    case ekFlag:
    case ekWiFiFlag:
      return (Form.*E.Box)->Checked() ? "1" : "0";
    case ekBaudrate:
      return std::to_string(Form.CB_CAN_Baudrate->ItemIndex());
  }
  return std::string();
}
}  // namespace

void TFParGen::Set_Default_Values() {
  for (const TParGen_Element& e : Elements) Set_Default(*this, e);
}

void TFParGen::Load_ParGen() {
  load_damaged_ = false;
  TXMLNode root;
  try {
    if (!Project_File_Present(Path_ParGen)) {
      Set_Default_Values();
      return;
    }
    // The root element holds the parameters, whatever stands before it (a
    // declaration, a comment, a document type from another tool).
    root = Load_Project_File(*XML1, Path_ParGen);
  } catch (const Exception& e) {
    // Never leave the values of an earlier show (perhaps another
    // project's) in the form for OK to save here.
    Set_Default_Values();
    load_damaged_ = true;
    MessageDlg(Message_Text(Text_ParGen_Damaged) + e.Message(), mtError, {mbOK}, 0);
    return;
  }
  for (const TParGen_Element& e : Elements) Load_Element(*this, root, e);
}

std::vector<std::string> TFParGen::Values() {
  std::vector<std::string> values;
  for (const TParGen_Element& e : Elements) values.push_back(Value_Of(*this, e));
  return values;
}

bool TFParGen::Changed() { return Values() != loaded_values_; }

bool TFParGen::Save_ParGen() {
  // The file read was damaged: replacing it with the defaults shown loses
  // what it held, so the user is asked first.
  if (load_damaged_ &&
      MessageDlg(Message_Text(Text_ParGen_Replace), mtConfirmation, {mbYes, mbNo}, 0) != mrYes)
    return false;
  try {
    XML1->SetActive(true);
    XML1->Clear();
    TXMLNode root = XML1->AddChild(Root_Name);
    XML1->AppendComment(Format_Comment);
    for (const TParGen_Element& e : Elements) root.AddChild(e.Name).SetText(Value_Of(*this, e));
    XML1->SaveToFile(Path_ParGen);
  } catch (const Exception& e) {
    MessageDlg(Message_Text(Text_ParGen_Not_Saved) + e.Message(), mtError, {mbOK}, 0);
    return false;
  }
  load_damaged_ = false;
  return true;
}
