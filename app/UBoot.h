#pragma once
// The device update dialog: the user enters the converter's address and what
// to send; Execute checks with ICMP echo that the device answers, writes the
// updater script Ethernet_Update.xml beside the executable and runs the
// external updater, which does the transfer.
//
// The configurator never talks to the device beyond the echo. What it adds to
// a plain run of the updater: an address that is not a device's IPv4 address
// is refused before any echo, and so is an update with the firmware while
// the firmware image is missing; the script's save is checked and the
// updater starts only with the script just written; while the updater runs
// the dialog says so and Cancel is off (the run cannot be left half-way);
// the updater's end, its exit code, a failed start and a time-out are told
// to the user; and no second updater starts while one still runs, so nobody
// rewrites the script underneath it.
//
// The updater and the firmware image are looked for beside the executable
// first, where an installation puts them, then in App_Dir.
//
// The serial mode (Form_Type 0) with its COM-port list is kept but no caller
// shows it.
#include <cstdint>
#include <memory>
#include <string>

#include "app/ULumetraFirmWare.h"
#include "framework/controls/Forms.h"

class TPanel;
class TLabel;
class TEdit;
class TComboBox;
class TCheckBox;
class TRavUvurerEduz;
class TLbButton;
class TXMLDocument;
class IPinger;
struct TEchoReply;

class TFBoot : public TForm, public ILangForm, public IUpdateDialog {
 public:
  explicit TFBoot(TComponent* AOwner);
  ~TFBoot() override;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TPanel* P_Button = nullptr;
  TLbButton* Btn_Cancel = nullptr;
  TLbButton* Btn_Update = nullptr;
  TPanel* P_IP_Address = nullptr;
  TLabel* L_IP_Address = nullptr;
  TEdit* E_IP1 = nullptr;
  TEdit* E_IP2 = nullptr;
  TEdit* E_IP3 = nullptr;
  TEdit* E_IP4 = nullptr;
  TLabel* L_Dot1 = nullptr;
  TLabel* L_Dot2 = nullptr;
  TLabel* L_Dot3 = nullptr;
  TPanel* P_Options = nullptr;
  TLabel* L_Update_Option = nullptr;
  TComboBox* CB_Update_Options = nullptr;
  TCheckBox* CB_Update_Option_Read_Back = nullptr;
  // Says that the updater runs; shown only while it does.
  TLabel* L_Update_State = nullptr;
  TPanel* P_Serial = nullptr;
  TLabel* L_COM_Port = nullptr;
  TComboBox* CB_COM_Port = nullptr;
  TLbButton* Btn_COM_List = nullptr;
  TPanel* P_Eth_Search = nullptr;
  TLabel* L_List_Device = nullptr;
  TLbButton* Btn_Search = nullptr;
  // The network search's device list (IP and MAC address columns). Its
  // panel is never shown; only Set_Device_List_Headers writes to it.
  TRavUvurerEduz* ACG_List_Devices = nullptr;
  TCheckBox* CB_Find_All_Korvel = nullptr;
  // The script's own document.
  TXMLDocument* XML1 = nullptr;

  // 0 serial, 1 Ethernet, 2 USB (texts only).
  int Form_Type = 0;
  // The last echo: 0 no reply yet, 1 answered, 2 no answer in time.
  int ping_res = 0;

  // Echo parameters: packet data size and the wait for each answer.
  static constexpr int Ping_Packet_Size = 1024;
  static constexpr std::uint32_t Ping_Timeout_Ms = 400;
  // The echoes stop after two answers or after this long.
  static constexpr std::uint32_t Ping_Sequence_Ms = 5000;

  // ---- Event handlers
  void FormShow(TObject* Sender);
  void Btn_UpdateClick(TObject* Sender);
  // The four address edits: "." moves on to the next one.
  using TForm::KeyPress;
  void KeyPress(TObject* Sender, char32_t& Key);
  void PingReply(TObject* Sender, const TEchoReply& Reply);
  void Btn_COM_ListClick(TObject* Sender);

  void Set_Lang() override;
  void Set_Form_Type(int Value) override { Form_Type = Value; }

  // Whether the device answered the echoes; false too when an echo could not
  // be sent at all.
  bool Send_Ping();
  void update_ComPort();
  // Writes the updater script; false, with the reason, when it could not be
  // written.
  bool Compile_XML_Parameter_New_Boot(std::string* Error = nullptr);

  // The four edits joined with dots, as typed.
  std::string IP_Address_Text() const;
  // The echo client; tests put a stand-in here.
  void Set_Pinger(std::unique_ptr<IPinger> Pinger);
  // Where the serial ports are looked for.
  std::string Dev_Folder = "/dev";

 private:
  void Set_Device_List_Headers(const std::string& Ip_Header, const std::string& Mac_Header);
  void Layout_Panels();
  void Update_Ethernet();
  void Run_Updater();

  std::unique_ptr<IPinger> pinger_;
  // Set when the last Send_Ping could not open an ICMP socket at all.
  bool icmp_denied_ = false;
  std::string ping_error_;
  bool busy_ = false;
};

extern TFBoot* FBoot;

// Texts of the dialog's block for what it tells beyond its own controls.
constexpr int Text_Firmware_Missing = 1097;
constexpr int Text_Updater_Running = 1098;
constexpr int Text_Updater_Finished = 1099;

// Whether the four texts make the unicast IPv4 address of a device: decimal
// numbers 0 to 255 without blanks, signs or leading zeros, not in the
// 0.x.x.x block and not multicast, reserved or broadcast.
bool Valid_Device_Address(const std::string& Ip1, const std::string& Ip2, const std::string& Ip3,
                          const std::string& Ip4);
