// The check OK runs before ParGen.xml is written.
#include <string>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UParGen.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/StringList.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/StdCtrls.h"

namespace {
bool Octet_In_Range(const TEdit* Edit) {
  const int v = Text_To_Int(Edit->Text(), -1);
  return v >= 0 && v <= 255;
}

void Error_Box(const std::string& Message) { MessageDlg(Message, mtError, {mbOK}, 0); }

// The four octets of an address row; the first out of range shows its
// message (First_Message + octet index) and fails.
bool Check_Octets(const TEdit* const (&Octets)[4], int First_Message) {
  for (int i = 0; i < 4; ++i) {
    if (Octet_In_Range(Octets[i])) continue;
    Error_Box(Lang_Table->Strings(First_Message + i));
    return false;
  }
  return true;
}
}  // namespace

bool Check_Device_Name(std::string_view Name) {
  // The parameter block keeps one byte per character and the device hands
  // the name on as its host name: nothing else reaches the network intact.
  for (const char c : Name) {
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    const bool digit = c >= '0' && c <= '9';
    if (!letter && !digit && c != '-' && c != '.') return false;
  }
  return true;
}

bool TFParGen::Controllo_Dati() {
  if (!Check_Device_Name(E_EthConn_Device_Name->Text())) {
    Error_Box(Lang_Table->Strings(Text_Device_Name_Not_Allowed));
    return false;
  }
  // Disabled edits (DHCP on) are checked all the same: their values are
  // saved and compiled as they stand.
  if (CB_EthConn_Enable_DNS->Checked()) {
    if (!Check_Octets(
            {E_EthConn_Pri_DNS_IP1, E_EthConn_Pri_DNS_IP2, E_EthConn_Pri_DNS_IP3, E_EthConn_Pri_DNS_IP4},
            948))
      return false;
    if (!Check_Octets(
            {E_EthConn_Sec_DNS_IP1, E_EthConn_Sec_DNS_IP2, E_EthConn_Sec_DNS_IP3, E_EthConn_Sec_DNS_IP4},
            952))
      return false;
  }
  if (!Check_Octets({E_S7_Protocol_IP1, E_S7_Protocol_IP2, E_S7_Protocol_IP3, E_S7_Protocol_IP4}, 451))
    return false;
  if (!Check_Octets({E_S7_Protocol_SM1, E_S7_Protocol_SM2, E_S7_Protocol_SM3, E_S7_Protocol_SM4}, 455))
    return false;
  if (CB_S7_Protocol_En_GAT->Checked() &&
      !Check_Octets({E_S7_Protocol_GAT1, E_S7_Protocol_GAT2, E_S7_Protocol_GAT3, E_S7_Protocol_GAT4}, 459))
    return false;
  return true;
}
