// The update itself: the echoes that find the device, the updater script and
// the run of the external updater.
#include <string>

#include "app/UBoot.h"
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "controls/button/LbButton.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/StdCtrls.h"
#include "framework/net/Ping.h"
#include "framework/os/Files.h"
#include "framework/os/Process.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/Tick.h"
#include "framework/xml/XmlDom.h"

namespace {
// Outcomes the configurator reports that it used to pass over in silence.
constexpr int Text_Script_Not_Saved = 1038;
constexpr int Text_Updater_Not_Started = 1039;
constexpr int Text_Updater_Failed = 1040;
constexpr int Text_Updater_Still_Running = 1041;
constexpr int Text_No_Icmp = 1042;

std::string Lang(int Id) { return Lang_Table->Strings(Id); }

void Error_Box(const std::string& Message) { MessageDlg(Message, mtError, {mbOK}, 0); }

// What the updater does with one file.
struct TOperation {
  std::string FileName;
  const char* Start_Address;
  const char* Bank_Type;
  const char* Write_CSS;
  const char* GoToApp_After;
};

void Add(TXMLNode Parent, const char* Name, const std::string& Value) {
  Parent.AddChild(Name).SetText(Value);
}

void Add_Operation(TXMLNode Operations, const TOperation& Op, bool Read_Back) {
  TXMLNode o = Operations.AddChild("Operation");
  Add(o, "Ope_Protection_Enabled", "");
  Add(o, "Ope_GoToBoot_Before", "0");
  Add(o, "Ope_GoToApp_Before", "0");
  Add(o, "Ope_IP_Address", "");
  Add(o, "Ope_Port", "2008");
  Add(o, "Ope_Port_Sec", "2007");
  Add(o, "Ope_Erase_Memory", "0");
  Add(o, "Ope_FileName", Op.FileName);
  Add(o, "Ope_Start_Address", Op.Start_Address);
  Add(o, "Ope_Memory_Type", "0");
  Add(o, "Ope_Bank_Type", Op.Bank_Type);
  Add(o, "Ope_Read_Back", Read_Back ? "1" : "0");
  Add(o, "Ope_Write_CSS", Op.Write_CSS);
  Add(o, "Ope_Address_CSS", "0x07A00");
  Add(o, "Ope_Command_CSS", "0x02");
  Add(o, "Ope_Write_Internal_Data", "0");
  Add(o, "Ope_WID_Address", "0x07810");
  Add(o, "Ope_WID_Command", "0x02");
  Add(o, "Ope_WID_Data", "0x00, 0x00, 0x00, 0x01");
  Add(o, "Ope_GoToApp_After", Op.GoToApp_After);
}

// While the updater runs the dialog says so, and Cancel is off: the window
// takes no input then, and the run cannot be left half-way.
class TRunningScope {
 public:
  TRunningScope(TLabel* State, TLbButton* Cancel) : state_(State), cancel_(Cancel) {
    state_->SetVisible(true);
    cancel_->SetEnabled(false);
  }
  ~TRunningScope() {
    state_->SetVisible(false);
    cancel_->SetEnabled(true);
  }
  TRunningScope(const TRunningScope&) = delete;
  TRunningScope& operator=(const TRunningScope&) = delete;

 private:
  TLabel* state_;
  TLbButton* cancel_;
};

// Every place the firmware image is looked for, one a line.
std::string Firmware_Places() {
  std::string places;
  for (const std::string& folder : Installed_Folders("MASTER", Master_Dir))
    places += "\n" + Join_Path(folder, Firmware_File_Name);
  return places;
}

// Gives the Update button back however the update ends.
class TBusyScope {
 public:
  TBusyScope(bool& Busy, TLbButton* Button) : busy_(Busy), button_(Button) {
    busy_ = true;
    button_->SetEnabled(false);
  }
  ~TBusyScope() {
    busy_ = false;
    button_->SetEnabled(true);
  }
  TBusyScope(const TBusyScope&) = delete;
  TBusyScope& operator=(const TBusyScope&) = delete;

 private:
  bool& busy_;
  TLbButton* button_;
};
}  // namespace

void TFBoot::PingReply(TObject*, const TEchoReply& Reply) { ping_res = Reply.BytesReceived > 0 ? 1 : 2; }

bool TFBoot::Send_Ping() {
  ping_res = 0;
  icmp_denied_ = false;
  ping_error_.clear();
  const std::uint32_t start = GetTickCount();
  const std::string host = IP_Address_Text();
  int good = 0;
  try {
    do {
      const std::uint32_t t = GetTickCount();
      PingReply(this, pinger_->Echo(host, Ping_Packet_Size, static_cast<int>(Ping_Timeout_Ms)));
      // The window keeps repainting between the echoes.
      do {
        Sleep(10);
        if (Application != nullptr) Application->ProcessMessages();
      } while (ping_res == 0 && TickDiff(GetTickCount(), t) <= Ping_Timeout_Ms);
      // Closed meanwhile (Cancel): no more echoes.
      if (ModalResult() != mrNone) return false;
      if (ping_res == 1 && ++good >= 2) break;
    } while (TickDiff(GetTickCount(), start) <= Ping_Sequence_Ms);
  } catch (const EIcmpUnavailable& e) {
    icmp_denied_ = true;
    ping_error_ = e.Message();
    return false;
  } catch (const Exception& e) {
    ping_error_ = e.Message();
    return false;
  }
  return ping_res == 1;
}

bool TFBoot::Compile_XML_Parameter_New_Boot(std::string* Error) {
  const int option = CB_Update_Options->ItemIndex();
  const bool read_back = CB_Update_Option_Read_Back->Checked();
  try {
    XML1->SetActive(true);
    XML1->Clear();
    TXMLNode root = XML1->AddChild("Ethernet_Update");
    Add(root, "Version", "1000");
    Add(root, "Title", "Korvel - CF30406 Ethernet Update");
    Add(root, "IP_Address_Dev", IP_Address_Text());
    Add(root, "Application_Port", "10000");
    Add(root, "Boot_Port", "2008");
    Add(root, "Boot_Port_Sec", "2007");
    Add(root, "Address_Protection", "0x07800");
    Add(root.AddChild("Protections"), "Protection", "0x3C5");
    TXMLNode operations = root.AddChild("Operations");
    // The last operation tells the device to start its application.
    if (option == 0 || option == 1)
      Add_Operation(operations, {Firmware_File(), "0x8000", "1", "1", option == 1 ? "1" : "0"}, read_back);
    if (option == 0 || option == 2) {
      Add_Operation(operations, {Join_Path(Project_Dir, "bin\\bank1.bin"), "0x07000", "2", "0", "0"},
                    read_back);
      Add_Operation(operations, {Join_Path(Project_Dir, "bin\\bank2.bin"), "0x80000", "2", "0", "1"},
                    read_back);
    }
    XML1->SaveToFile(Join_Path(App_Dir, Updater_Script_Name));
  } catch (const Exception& e) {
    if (Error != nullptr) *Error = e.Message();
    return false;
  }
  return true;
}

void TFBoot::Btn_UpdateClick(TObject*) {
  if (Form_Type == 0) {
    Update_Option_Index = CB_Update_Options->ItemIndex();
    Update_Read_Back = CB_Update_Option_Read_Back->Checked();
  } else if (Form_Type == 1) {
    Update_Ethernet();
  }
}

void TFBoot::Update_Ethernet() {
  if (busy_) return;
  // An updater left running after its time-out still reads the script: it
  // must not be rewritten, nor a second updater work on the device.
  if (FLumetraFirmWare != nullptr && FLumetraFirmWare->Program_Running()) {
    MessageDlg(Lang(Text_Updater_Still_Running), mtWarning, {mbOK}, 0);
    return;
  }
  if (!Valid_Device_Address(E_IP1->Text(), E_IP2->Text(), E_IP3->Text(), E_IP4->Text())) {
    MessageDlg(Lang(1037), mtError, {mbOK}, 0);
    return;
  }
  // The updater would be sent for a file that is not there.
  const int option = CB_Update_Options->ItemIndex();
  if ((option == 0 || option == 1) && !FileExists(Firmware_File()))
    return Error_Box(Lang(Text_Firmware_Missing) + Firmware_Places());
  TBusyScope busy(busy_, Btn_Update);
  const bool found = Send_Ping();
  if (ModalResult() != mrNone) return;
  if (!found) {
    if (icmp_denied_)
      Error_Box(Lang(Text_No_Icmp));
    else if (ping_res == 2)
      MessageDlg(Lang(1036), mtWarning, {mbOK}, 0);
    else
      MessageDlg(Lang(1037), mtError, {mbOK}, 0);
    return;
  }
  Last_IP_Address = IP_Address_Text();
  Update_Option_Index = CB_Update_Options->ItemIndex();
  Update_Read_Back = CB_Update_Option_Read_Back->Checked();
  std::string reason;
  // The updater would otherwise run with an older script: another address
  // or another project's images.
  if (!Compile_XML_Parameter_New_Boot(&reason)) return Error_Box(Lang(Text_Script_Not_Saved) + reason);
  Run_Updater();
}

void TFBoot::Run_Updater() {
  if (FLumetraFirmWare == nullptr) return Error_Box(Lang(Text_Updater_Not_Started) + "no main window");
  TProcessResult r;
  {
    TRunningScope running(L_Update_State, Btn_Cancel);
    r = FLumetraFirmWare->Start_Program(Find_Installed_File("", App_Dir, Updater_Program_Name), "", false);
  }
  switch (r.Outcome) {
    case poExited:
      if (r.ExitCode != 0)
        Error_Box(Lang(Text_Updater_Failed) + std::to_string(r.ExitCode) +
                  ": the device may not have been updated.");
      else
        MessageDlg(Lang(Text_Updater_Finished), mtInformation, {mbOK}, 0);
      break;
    case poFailedToStart:
      Error_Box(Lang(Text_Updater_Not_Started) + r.Error);
      break;
    case poTimedOut:
      MessageDlg(
          "The updater has not ended after " +
              std::to_string((FLumetraFirmWare->Program_Time_Cap_Ms + 999) / 1000) +
              " s. It is left running, as stopping it could leave the device half written; wait until it "
              "has ended before you update again.",
          mtWarning, {mbOK}, 0);
      break;
  }
}
