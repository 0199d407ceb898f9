#pragma once
// The main window: a step wizard from which every dialog of the configurator
// is opened, and the owner of the shared state the other forms read while
// they are created (text table, common globals, project paths).
//
// The main window reaches the other forms by their instance names among the
// application's components ("FParGen", "FBoot", ...), so a form built by a
// later unit is opened by its step button and translated by Change_Language
// as soon as Create_Forms creates it: it derives from ILangForm, and the
// update dialog from IUpdateDialog as well. A step whose form does not exist
// yet says so in a message box instead of failing.
#include <functional>
#include <memory>
#include <string>

#include "framework/controls/Forms.h"
#include "framework/os/Process.h"

class TLabel;
class TLinkLabel;
class TShape;
class TTimer;
class TSaveDialog;
class TXMLDocument;
class TLbButton;
class IHttpClient;
#include "framework/controls/LinkLabel.h"

// A form whose texts come from Lang_Table.
class ILangForm {
 public:
  virtual ~ILangForm() = default;
  // Applies every text of the form from the table.
  virtual void Set_Lang() = 0;
};

// What the main window needs of the device update dialog.
class IUpdateDialog {
 public:
  virtual ~IUpdateDialog() = default;
  // 1: update through Ethernet.
  virtual void Set_Form_Type(int Value) = 0;
};

// Writers of description files that live in later units; each is run by its
// (hidden) step button when assigned.
extern std::function<void()> On_Create_GSD_File;
extern std::function<void()> On_Create_SNMP_MIB;
extern std::function<void(const std::string& FileName)> On_Write_EDS_File;
extern std::function<void(const std::string& FileName)> On_Create_EDE_File;

class TFLumetraFirmWare : public TForm, public ILangForm {
 public:
  explicit TFLumetraFirmWare(TComponent* AOwner);
  ~TFLumetraFirmWare() override;

  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TLinkLabel* LL_Update = nullptr;
  TLbButton* Btn_Info = nullptr;
  TLbButton* Btn_Opz = nullptr;
  TLbButton* Btn_Close = nullptr;
  TTimer* Timer_Update = nullptr;
  TShape* Shape2 = nullptr;
  TLabel* L_Name_Conf = nullptr;
  TLabel* L_Name_Conf_L2 = nullptr;
  TLabel* L_Begin = nullptr;
  TLabel* L_Step_1 = nullptr;
  TLabel* L_Step_2 = nullptr;
  TLabel* L_Step_3 = nullptr;
  TLabel* L_Step_4 = nullptr;
  TLabel* L_Step_5 = nullptr;
  TLabel* L_Step_6 = nullptr;
  TLabel* L_Step_7 = nullptr;
  TLabel* L_Step_8 = nullptr;
  TShape* Shape1 = nullptr;
  TLabel* L_Korvel = nullptr;
  TLbButton* Btn_New = nullptr;
  TLbButton* Btn_Open = nullptr;
  TLbButton* Btn_Prm_Gen = nullptr;
  TLbButton* Btn_S7_Protocol_Access = nullptr;
  TLbButton* Btn_CAN_Rec_Frame = nullptr;
  TLbButton* Btn_CAN_Send_Frame = nullptr;
  TLbButton* Btn_CreateBin = nullptr;
  TLbButton* Btn_PROFIBUS_GSD = nullptr;
  TLbButton* Btn_KNX_Access = nullptr;
  TLbButton* Btn_IEC61850_Access = nullptr;
  TLbButton* Btn_TLS_List_Certificates = nullptr;
  TLbButton* Btn_SDO_Server_CANopen = nullptr;
  TLbButton* Btn_SDO_Client_CANopen = nullptr;
  TLbButton* Btn_PDO_CANopen = nullptr;
  TLbButton* Btn_CANopen_EDS = nullptr;
  TLbButton* Btn_SNMP_Trap = nullptr;
  TLbButton* Btn_SNMP_MIB = nullptr;
  TLbButton* Btn_MQTT_Set_Topic = nullptr;
  TLbButton* Btn_BACnet_SetAccess = nullptr;
  TLbButton* Btn_BACnet_EDE_File = nullptr;
  TLbButton* Btn_OPC_UA_Server_Access = nullptr;
  TLbButton* Btn_PROFINET_XML = nullptr;

  // Made here rather than in the layout: the layouts hold only controls.
  TSaveDialog* SD1 = nullptr;
  TSaveDialog* SaveEDS = nullptr;
  TSaveDialog* SaveMIB = nullptr;
  TXMLDocument* XML1 = nullptr;
  // The version check's client (USoftOptions).
  IHttpClient* HTTP1() const { return http_.get(); }
  void Set_HTTP1(std::unique_ptr<IHttpClient> Client);

  // ---- Event handlers
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Btn_Click(TObject* Sender);
  void Timer_UpdateTimer(TObject* Sender);
  void LL_UpdateLinkClick(TObject* Sender, const std::string& Link, TSysLinkType LinkType);
  void L_KorvelClick(TObject* Sender);

  void Set_Lang() override;
  // Re-applies the texts of the main window and of every other form that
  // has them, in the fixed order; the about box has none.
  void Change_Language();
  // The 14 project paths from Project_Dir.
  void Set_Files();
  // Writes the settings file; a failure is told in an error box.
  bool Save_Setting();

  // ---- Step actions
  void Create_New_Project();
  void Open_Project();
  // Compiles the images and saves them; only when both succeeded does the
  // update dialog open.
  void Update_Device();
  void Build_EDS_File();
  void BACnet_EDE_File();

  // Runs a program and waits for it, at most Program_Time_Cap_Ms, while the
  // windows keep repainting and take no input. The outcome (exit code,
  // failure to start, time-out) goes back to the caller. A program still
  // running from an earlier time-out, or a run in progress, refuses a new
  // one (as a failure to start), so two updaters never work on one device.
  // Tipo (start hidden) has no meaning here: the updater has no window of
  // its own to hide.
  TProcessResult Start_Program(const std::string& NomeSW, const std::string& Parameter, bool Tipo);
  unsigned Program_Time_Cap_Ms = 150000;
  // True while a run is in progress, and while a program left running by
  // its time-out is still alive.
  bool Program_Running();

  // Shows the form named InstanceName modally; false when it does not exist.
  bool Show_Step_Form(const std::string& InstanceName);

 private:
  void Layout_Steps();
  void Show_Project_Lines();
  void Load_Glyphs();
  void Update_Timer_Switch();
  void Step_Not_Available();

  std::unique_ptr<IHttpClient> http_;
  bool running_ = false;
  std::shared_ptr<TChildProcess> still_running_;
};

extern TFLumetraFirmWare* FLumetraFirmWare;

// Looks up a form of the application by its instance name.
TCustomForm* Find_Form(const std::string& InstanceName);
