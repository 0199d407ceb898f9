#include "app/ULumetraFirmWare.h"

#include <sstream>
#include <vector>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UOpenConf.h"
#include "app/USaveBincc.h"
#include "app/USoftOptions.h"
#include "app/UStartup.h"
#include "controls/button/LbButton.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/LinkLabel.h"
#include "framework/controls/StdCtrls.h"
#include "framework/net/Http.h"
#include "framework/os/Files.h"
#include "framework/os/Shell.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "framework/xml/XmlDom.h"

TFLumetraFirmWare* FLumetraFirmWare = nullptr;

std::function<void()> On_Create_GSD_File;
std::function<void()> On_Create_SNMP_MIB;
std::function<void(const std::string&)> On_Write_EDS_File;
std::function<void(const std::string&)> On_Create_EDE_File;

namespace {
// After the first update check (a minute after start-up, as the stored
// layout sets the timer), one every two hours.
constexpr unsigned Next_Check_Interval_Ms = 7200000;

// Faults the configurator reports that it used to pass over in silence.
constexpr int Text_Images_Not_Saved = 63;
constexpr int Text_Images_Not_Compiled = 64;
constexpr int Text_Settings_Not_Saved = 65;
constexpr int Text_Step_Not_Available = 66;

std::string Lang(int Id) { return Lang_Table->Strings(Id); }

void Error_Box(const std::string& Message) { MessageDlg(Message, mtError, {mbOK}, 0); }

// The parameters of a program, split at blanks (no shell reads them).
std::vector<std::string> Split_Parameters(const std::string& Parameter) {
  std::vector<std::string> args;
  std::istringstream in(Parameter);
  std::string word;
  while (in >> word) args.push_back(word);
  return args;
}

// Keeps every form from input while a program runs, and gives each its own
// state back afterwards.
class TInputBlock {
 public:
  TInputBlock() {
    if (Screen == nullptr) return;
    for (int i = 0; i < Screen->FormCount(); ++i) {
      TCustomForm* f = Screen->Forms(i);
      if (!f->Enabled()) continue;
      f->SetEnabled(false);
      forms_.push_back(f);
    }
  }
  ~TInputBlock() {
    for (TCustomForm* f : forms_)
      if (Still_A_Form(f)) f->SetEnabled(true);
  }

 private:
  static bool Still_A_Form(TCustomForm* F) {
    if (Screen == nullptr) return false;
    for (int i = 0; i < Screen->FormCount(); ++i)
      if (Screen->Forms(i) == F) return true;
    return false;
  }
  std::vector<TCustomForm*> forms_;
};
}  // namespace

TCustomForm* Find_Form(const std::string& InstanceName) {
  if (Application == nullptr) return nullptr;
  return dynamic_cast<TCustomForm*>(Application->FindComponent(InstanceName));
}

CF_PUBLISH(TFLumetraFirmWare, TForm) {
  using F = TFLumetraFirmWare;
  P.Field("L_SW_Code", &F::L_SW_Code);
  P.Field("L_SW_Desc", &F::L_SW_Desc);
  P.Field("LL_Update", &F::LL_Update);
  P.Field("Btn_Info", &F::Btn_Info);
  P.Field("Btn_Opz", &F::Btn_Opz);
  P.Field("Btn_Close", &F::Btn_Close);
  P.Field("Timer_Update", &F::Timer_Update);
  P.Field("Shape2", &F::Shape2);
  P.Field("L_Name_Conf", &F::L_Name_Conf);
  P.Field("L_Name_Conf_L2", &F::L_Name_Conf_L2);
  P.Field("L_Begin", &F::L_Begin);
  P.Field("L_Step_1", &F::L_Step_1);
  P.Field("L_Step_2", &F::L_Step_2);
  P.Field("L_Step_3", &F::L_Step_3);
  P.Field("L_Step_4", &F::L_Step_4);
  P.Field("L_Step_5", &F::L_Step_5);
  P.Field("L_Step_6", &F::L_Step_6);
  P.Field("L_Step_7", &F::L_Step_7);
  P.Field("L_Step_8", &F::L_Step_8);
  P.Field("Shape1", &F::Shape1);
  P.Field("L_Korvel", &F::L_Korvel);
  P.Field("Btn_New", &F::Btn_New);
  P.Field("Btn_Open", &F::Btn_Open);
  P.Field("Btn_Prm_Gen", &F::Btn_Prm_Gen);
  P.Field("Btn_S7_Protocol_Access", &F::Btn_S7_Protocol_Access);
  P.Field("Btn_CAN_Rec_Frame", &F::Btn_CAN_Rec_Frame);
  P.Field("Btn_CAN_Send_Frame", &F::Btn_CAN_Send_Frame);
  P.Field("Btn_CreateBin", &F::Btn_CreateBin);
  P.Field("Btn_PROFIBUS_GSD", &F::Btn_PROFIBUS_GSD);
  P.Field("Btn_KNX_Access", &F::Btn_KNX_Access);
  P.Field("Btn_IEC61850_Access", &F::Btn_IEC61850_Access);
  P.Field("Btn_TLS_List_Certificates", &F::Btn_TLS_List_Certificates);
  P.Field("Btn_SDO_Server_CANopen", &F::Btn_SDO_Server_CANopen);
  P.Field("Btn_SDO_Client_CANopen", &F::Btn_SDO_Client_CANopen);
  P.Field("Btn_PDO_CANopen", &F::Btn_PDO_CANopen);
  P.Field("Btn_CANopen_EDS", &F::Btn_CANopen_EDS);
  P.Field("Btn_SNMP_Trap", &F::Btn_SNMP_Trap);
  P.Field("Btn_SNMP_MIB", &F::Btn_SNMP_MIB);
  P.Field("Btn_MQTT_Set_Topic", &F::Btn_MQTT_Set_Topic);
  P.Field("Btn_BACnet_SetAccess", &F::Btn_BACnet_SetAccess);
  P.Field("Btn_BACnet_EDE_File", &F::Btn_BACnet_EDE_File);
  P.Field("Btn_OPC_UA_Server_Access", &F::Btn_OPC_UA_Server_Access);
  P.Field("Btn_PROFINET_XML", &F::Btn_PROFINET_XML);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormClose", &F::FormClose);
  P.Method("Btn_Click", &F::Btn_Click);
  P.Method("Timer_UpdateTimer", &F::Timer_UpdateTimer);
  P.Method("LL_UpdateLinkClick", &F::LL_UpdateLinkClick);
  P.Method("L_KorvelClick", &F::L_KorvelClick);
}

TFLumetraFirmWare::TFLumetraFirmWare(TComponent* AOwner) : TForm(AOwner), http_(new TCurlHttpClient) {
  Initialize_Units();
  SD1 = new TSaveDialog(this);
  SD1->SetName("SD1");
  SD1->SetFilter("CSV (MS-DOS) (*.csv)|*.csv");
  SaveEDS = new TSaveDialog(this);
  SaveEDS->SetName("SaveEDS");
  SaveEDS->SetFilter("Electronic Data Sheet (*.eds)|*.eds");
  SaveEDS->SetDefaultExt("*.eds");
  SaveMIB = new TSaveDialog(this);
  SaveMIB->SetName("SaveMIB");
  SaveMIB->SetFilter("Management Information Base (*.mib)|*.mib");
  SaveMIB->SetDefaultExt("*.mib");
  XML1 = new TXMLDocument(this);
  XML1->SetName("XML1");
  LoadFormLayout(this, "forms/FLumetraFirmWare.dfm");
  Load_Glyphs();
}

TFLumetraFirmWare::~TFLumetraFirmWare() {
  if (FLumetraFirmWare == this) FLumetraFirmWare = nullptr;
}

void TFLumetraFirmWare::Set_HTTP1(std::unique_ptr<IHttpClient> Client) {
  if (Client) http_ = std::move(Client);
}

void TFLumetraFirmWare::Load_Glyphs() {
  const std::pair<TLbButton*, const char*> glyphs[] = {
      {Btn_Info, "MAIN_INFO"}, {Btn_Opz, "MAIN_OPTIONS"}, {Btn_Close, "MAIN_CLOSE"}};
  for (const auto& [button, name] : glyphs) {
    try {
      TBitmap bmp;
      bmp.LoadFromResourceName(name);
      button->SetGlyph(&bmp);
      button->SetNumGlyphs(1);
    } catch (const Exception&) {
      // A missing picture leaves a plain button; its hint still says what it does.
    }
  }
}

void TFLumetraFirmWare::Layout_Steps() {
  L_SW_Code->SetLeft(16);
  L_SW_Code->SetTop(8);
  L_SW_Desc->SetLeft(16);
  L_SW_Desc->SetTop(42);
  L_Begin->SetLeft(16);
  L_Begin->SetTop(84);
  Shape2->SetLeft(80);
  Shape2->SetTop(70);
  L_Name_Conf->SetLeft(87);
  L_Name_Conf->SetTop(75);
  L_Name_Conf_L2->SetLeft(87);
  L_Name_Conf_L2->SetTop(88);
  const std::pair<TLbButton*, int> tools[] = {{Btn_Info, 516}, {Btn_Opz, 574}, {Btn_Close, 632}};
  for (const auto& [button, left] : tools) {
    button->SetLeft(left);
    button->SetTop(8);
  }
  for (TControl* c : std::initializer_list<TControl*>{L_SW_Code, L_SW_Desc, L_Begin, Shape2, L_Name_Conf,
                                                      L_Name_Conf_L2, Btn_Info, Btn_Opz, Btn_Close})
    c->SetVisible(true);
  TLabel* const steps[] = {L_Step_1, L_Step_2, L_Step_3, L_Step_4, L_Step_5, L_Step_6, L_Step_7, L_Step_8};
  for (int i = 0; i < 8; ++i) {
    steps[i]->SetLeft(16);
    steps[i]->SetTop(128 + 44 * i);
    steps[i]->SetVisible(false);
  }
  L_Korvel->SetLeft(565);
  L_Korvel->SetTop(392);
  L_Korvel->SetVisible(false);
  const std::pair<TLbButton*, TPoint> always[] = {{Btn_New, TPoint(80, 112)},
                                                  {Btn_Open, TPoint(258, 112)},
                                                  {Btn_Prm_Gen, TPoint(80, 156)},
                                                  {Btn_CreateBin, TPoint(80, 332)}};
  for (const auto& [button, at] : always) {
    button->SetLeft(at.X);
    button->SetTop(at.Y);
    button->SetVisible(true);
  }

  // The sibling models' steps never show in this model.
  for (TLbButton* b : {Btn_S7_Protocol_Access, Btn_PROFIBUS_GSD, Btn_KNX_Access, Btn_IEC61850_Access,
                       Btn_TLS_List_Certificates, Btn_CAN_Rec_Frame, Btn_CAN_Send_Frame,
                       Btn_SDO_Server_CANopen, Btn_SDO_Client_CANopen, Btn_PDO_CANopen, Btn_CANopen_EDS,
                       Btn_SNMP_Trap, Btn_SNMP_MIB, Btn_MQTT_Set_Topic, Btn_BACnet_SetAccess,
                       Btn_BACnet_EDE_File, Btn_OPC_UA_Server_Access, Btn_PROFINET_XML})
    b->SetVisible(false);

  // This model: six steps, S7comm access and the two CAN frame tables.
  for (int i = 0; i < 6; ++i) steps[i]->SetVisible(true);
  L_Korvel->SetTop(L_Step_6->Top());
  L_Korvel->SetVisible(true);
  const std::pair<TLbButton*, int> model[] = {
      {Btn_S7_Protocol_Access, 200}, {Btn_CAN_Rec_Frame, 244}, {Btn_CAN_Send_Frame, 288}};
  for (const auto& [button, top] : model) {
    button->SetLeft(80);
    button->SetTop(top);
    button->SetVisible(true);
  }
  Btn_CreateBin->SetTop(332);

  Shape1->SetBounds(10, Btn_CreateBin->Top() + 51, 674, 1);
  SetClientHeight(Btn_CreateBin->Top() + 152);
  SetClientWidth(694);
}

void TFLumetraFirmWare::FormCreate(TObject*) {
  Lang_Table->Clear();
  Layout_Steps();

  App_Dir = Choose_App_Dir(ExeDir());
  Init_App_Folders();

  Project_Name.clear();
  Update_Read_Back = true;
  // An unreadable settings file gives the defaults, as a missing one does.
  Read_Setting();
  Update_Timer_Switch();

  Main_Caption = std::string(Maker_Web_Domain) + " - Configurator CF30406 - S7comm / CAN ";
  Init_SW_Identity();
  SetCaption(Main_Caption);
  L_SW_Code->SetCaption(SW_Code);
  L_SW_Desc->SetCaption(SW_Desc);

  Set_Language();

  // The last project opens again when its folder is still there; its name
  // stays for the next save either way. A name that leaves PROJECTS (a
  // hand-edited settings file) never opens a folder outside it.
  const std::string last = Join_Path(Projects_Dir, Project_Name);
  if (Valid_Project_Folder_Name(Project_Name) && DirectoryExists(last))
    Project_Dir = last;
  else
    Project_Dir.clear();

  Set_Lang();
  Set_Files();
  Remove_Write_Leftovers();

  Copied_Row->Clear();
  Copied_Row_Check.clear();
  MIB_Read_Desc->Clear();
  MIB_Write_Desc->Clear();
}

void TFLumetraFirmWare::FormClose(TObject*, TCloseAction&) { Save_Setting(); }

void TFLumetraFirmWare::Show_Project_Lines() {
  if (!Project_Dir.empty()) {
    L_Name_Conf->SetCaption(Lang(11));
    L_Name_Conf_L2->SetCaption(Project_Name);
    // A name too long for the frame ends in "..."; the hint holds it whole.
    L_Name_Conf_L2->SetHint(Project_Name);
  } else {
    L_Name_Conf->SetCaption(Lang(9));
    L_Name_Conf_L2->SetCaption(Lang(10));
    L_Name_Conf_L2->SetHint("");
  }
}

void TFLumetraFirmWare::Set_Lang() {
  TLabel* const labels[] = {L_Begin,  L_Step_1, L_Step_2, L_Step_3, L_Step_4,
                            L_Step_5, L_Step_6, L_Step_7, L_Step_8};
  for (int i = 0; i < 9; ++i) labels[i]->SetCaption(Lang(i));
  Btn_Info->SetHint(Lang(12));
  Btn_Opz->SetHint(Lang(13));
  Btn_Close->SetHint(Lang(14));
  Btn_New->SetCaption(Lang(15));
  Btn_Open->SetCaption(Lang(16));
  Btn_CreateBin->SetCaption(Lang(17));
  Btn_Prm_Gen->SetCaption(Lang(20));
  Btn_S7_Protocol_Access->SetCaption(Lang(21));
  Show_Project_Lines();
  Btn_New->SetHint(Lang(22));
  Btn_Open->SetHint(Lang(23));
  Btn_Prm_Gen->SetHint(Lang(24));
  Btn_S7_Protocol_Access->SetHint(Lang(25));
  Btn_CreateBin->SetHint(Lang(26));
  // Caption id, hint id and button of the other steps, in id order.
  const struct {
    int Caption;
    int Hint;
    TLbButton* Button;
  } others[] = {
      {27, 28, Btn_PROFIBUS_GSD},       {29, 30, Btn_KNX_Access},
      {31, 32, Btn_IEC61850_Access},    {33, 34, Btn_TLS_List_Certificates},
      {35, 37, Btn_CAN_Rec_Frame},      {36, 38, Btn_CAN_Send_Frame},
      {43, 44, Btn_SDO_Server_CANopen}, {45, 46, Btn_SDO_Client_CANopen},
      {47, 48, Btn_PDO_CANopen},        {49, 50, Btn_CANopen_EDS},
      {51, 52, Btn_SNMP_Trap},          {53, 54, Btn_SNMP_MIB},
      {55, 56, Btn_MQTT_Set_Topic},     {57, 58, Btn_OPC_UA_Server_Access},
      {59, 60, Btn_PROFINET_XML},
  };
  for (const auto& o : others) {
    o.Button->SetCaption(Lang(o.Caption));
    o.Button->SetHint(Lang(o.Hint));
  }
}

void TFLumetraFirmWare::Change_Language() {
  Set_Lang();
  static const char* const order[] = {"FNew_Project",
                                      "FOpenConf",
                                      "FSoftOptions",
                                      "FBoot",
                                      "FParGen",
                                      "FS7_Protocol_Set_Access",
                                      "FKNXAccess",
                                      "FIEC61850_Variables",
                                      "FTLS_Server_Known_Cert",
                                      "FReceiveCAN",
                                      "FTransmitCAN",
                                      "FSet_PDO_Access",
                                      "FSet_SDO_Client_Access",
                                      "FSet_SDO_Server_Access",
                                      "FSNMP_Trap_Access",
                                      "FMQTT_Set_Topic",
                                      "FTopicTemplate",
                                      "FBACnetSlaveSetAccess",
                                      "FBACnet_Eng_Unit",
                                      "FOPC_UA_Server_Access"};
  for (const char* name : order)
    if (auto* form = dynamic_cast<ILangForm*>(Find_Form(name))) form->Set_Lang();
}

void TFLumetraFirmWare::Set_Files() { ::Set_Files(); }

bool TFLumetraFirmWare::Save_Setting() {
  std::string reason;
  if (::Save_Setting(&reason)) return true;
  Error_Box(Lang(Text_Settings_Not_Saved) + reason);
  return false;
}

void TFLumetraFirmWare::Update_Timer_Switch() {
  // Enabling a running timer changes nothing; a stopped one starts a full
  // interval again.
  Timer_Update->SetEnabled(Opt_Enable_Internet && Opt_Enable_Update);
}

void TFLumetraFirmWare::Step_Not_Available() {
  MessageDlg(Lang(Text_Step_Not_Available), mtInformation, {mbOK}, 0);
}

bool TFLumetraFirmWare::Show_Step_Form(const std::string& InstanceName) {
  TCustomForm* form = Find_Form(InstanceName);
  if (form == nullptr) {
    Step_Not_Available();
    return false;
  }
  form->ShowModal();
  return true;
}

void TFLumetraFirmWare::Btn_Click(TObject* Sender) {
  if (Sender == Btn_New) return Create_New_Project();
  if (Sender == Btn_Open) return Open_Project();
  if (Sender == Btn_Close) return Close();
  if (Sender == Btn_Info) {
    Show_Step_Form("FAbout");
    return;
  }
  if (Sender == Btn_Opz) {
    TCustomForm* options = Find_Form("FSoftOptions");
    if (options == nullptr) return Step_Not_Available();
    if (options->ShowModal() == mrOk) {
      Save_Setting();
      Update_Timer_Switch();
    }
    return;
  }
  if (Project_Dir.empty()) {
    Error_Box(Lang(18));
    return;
  }
  // The project steps: a form shown modally, or an action.
  const struct {
    TLbButton* Button;
    const char* Form;
    void (TFLumetraFirmWare::*Action)();
    std::function<void()>* Writer;
  } steps[] = {
      {Btn_Prm_Gen, "FParGen", nullptr, nullptr},
      {Btn_S7_Protocol_Access, "FS7_Protocol_Set_Access", nullptr, nullptr},
      {Btn_PROFIBUS_GSD, nullptr, nullptr, &On_Create_GSD_File},
      {Btn_KNX_Access, "FKNXAccess", nullptr, nullptr},
      {Btn_TLS_List_Certificates, "FTLS_Server_Known_Cert", nullptr, nullptr},
      {Btn_IEC61850_Access, "FIEC61850_Variables", nullptr, nullptr},
      {Btn_CAN_Rec_Frame, "FReceiveCAN", nullptr, nullptr},
      {Btn_CAN_Send_Frame, "FTransmitCAN", nullptr, nullptr},
      {Btn_PDO_CANopen, "FSet_PDO_Access", nullptr, nullptr},
      {Btn_SDO_Client_CANopen, "FSet_SDO_Client_Access", nullptr, nullptr},
      {Btn_SDO_Server_CANopen, "FSet_SDO_Server_Access", nullptr, nullptr},
      {Btn_CANopen_EDS, nullptr, &TFLumetraFirmWare::Build_EDS_File, nullptr},
      {Btn_SNMP_Trap, "FSNMP_Trap_Access", nullptr, nullptr},
      {Btn_SNMP_MIB, nullptr, nullptr, &On_Create_SNMP_MIB},
      {Btn_MQTT_Set_Topic, "FMQTT_Set_Topic", nullptr, nullptr},
      {Btn_BACnet_SetAccess, "FBACnetSlaveSetAccess", nullptr, nullptr},
      {Btn_BACnet_EDE_File, nullptr, &TFLumetraFirmWare::BACnet_EDE_File, nullptr},
      {Btn_OPC_UA_Server_Access, "FOPC_UA_Server_Access", nullptr, nullptr},
      {Btn_CreateBin, nullptr, &TFLumetraFirmWare::Update_Device, nullptr},
  };
  for (const auto& s : steps) {
    if (Sender != s.Button) continue;
    if (s.Form != nullptr)
      Show_Step_Form(s.Form);
    else if (s.Action != nullptr)
      (this->*s.Action)();
    else if (s.Writer != nullptr && *s.Writer)
      (*s.Writer)();
    else
      Step_Not_Available();
    return;
  }
}

void TFLumetraFirmWare::Create_New_Project() {
  TCustomForm* dialog = Find_Form("FNew_Project");
  if (dialog == nullptr) return Step_Not_Available();
  // The dialog sets the project and its paths itself before it closes.
  if (dialog->ShowModal() == mrOk) Show_Project_Lines();
}

void TFLumetraFirmWare::Open_Project() {
  auto* dialog = dynamic_cast<TFOpenConf*>(Find_Form("FOpenConf"));
  if (dialog == nullptr) return Step_Not_Available();
  if (dialog->ShowModal() != mrOk) return;
  const std::string name = dialog->Name_Conf;
  if (name.empty()) {
    Project_Name.clear();
    Project_Dir.clear();
  } else {
    // The folder may have gone since the list was made: a project that
    // does not exist is never made the open one.
    const std::string folder = Join_Path(Projects_Dir, name);
    if (!Valid_Project_Folder_Name(name) || !DirectoryExists(folder)) {
      Error_Box(Lang(18));
      return;
    }
    Project_Name = name;
    Project_Dir = folder;
  }
  Show_Project_Lines();
  Set_Files();
}

void TFLumetraFirmWare::Update_Device() {
  // Stale or missing images must never reach the device: the update dialog
  // opens only once both images are written.
  try {
    Compile_Configuration();
  } catch (const Exception& e) {
    Error_Box(Error_Text(Lang(Text_Images_Not_Compiled), e.Message()));
    return;
  }
  std::string reason;
  if (!Save_Bank_Files(&reason)) {
    Error_Box(Lang(Text_Images_Not_Saved) + reason);
    return;
  }
  TCustomForm* boot = Find_Form("FBoot");
  if (boot == nullptr) return;
  if (auto* update = dynamic_cast<IUpdateDialog*>(boot)) update->Set_Form_Type(1);
  boot->ShowModal();
}

void TFLumetraFirmWare::Build_EDS_File() {
  SaveEDS->SetInitialDir(Project_Dir);
  if (!SaveEDS->Execute()) return;
  if (On_Write_EDS_File)
    On_Write_EDS_File(SaveEDS->FileName());
  else
    Step_Not_Available();
}

void TFLumetraFirmWare::BACnet_EDE_File() {
  SD1->SetInitialDir(Project_Dir);
  if (!SD1->Execute()) return;
  std::string name = SD1->FileName();
  if (name.size() < 4 || UpperCase(name.substr(name.size() - 4)) != ".CSV") name += ".csv";
  if (FileExists(name) && MessageDlg(Lang(1105), mtConfirmation, {mbYes, mbNo, mbCancel}, 0) != mrYes) return;
  if (On_Create_EDE_File)
    On_Create_EDE_File(name);
  else
    Step_Not_Available();
}

bool TFLumetraFirmWare::Program_Running() {
  return running_ || (still_running_ && still_running_->Running());
}

TProcessResult TFLumetraFirmWare::Start_Program(const std::string& NomeSW, const std::string& Parameter,
                                                bool Tipo) {
  (void)Tipo;
  TProcessResult result;
  if (Program_Running()) {
    result.Outcome = poFailedToStart;
    result.Error = "The previous run of the program has not ended yet";
    return result;
  }
  still_running_.reset();

  const std::string program = NativePath(NomeSW);
  TRunOptions options;
  options.Args = Split_Parameters(Parameter);
  // The updater reads its script from the configurator's folder, where the
  // update dialog writes it.
  options.WorkingDir = App_Dir.empty() ? ExtractFileDir(program) : NativePath(App_Dir);
  options.TimeCapMs = Program_Time_Cap_Ms;
  options.PollIntervalMs = 10;
  // The windows repaint while the program runs, but take no input: nobody
  // can start a second run meanwhile.
  options.OnPoll = [] {
    if (Application != nullptr) Application->ProcessMessages();
  };
  running_ = true;
  {
    TInputBlock block;
    try {
      result = RunProgram(program, options);
    } catch (const std::exception& e) {
      result = TProcessResult();
      result.Outcome = poFailedToStart;
      result.Error = e.what();
    }
  }
  running_ = false;
  if (result.Outcome == poTimedOut) still_running_ = result.Process;
  return result;
}

void TFLumetraFirmWare::Timer_UpdateTimer(TObject*) {
  Timer_Update->SetEnabled(false);
  if (TFSoftOptions::Check_Version()) {
    LL_Update->SetCaption("<a href=\"" + Download_Page_Url() + "\">" + Lang(19) + "</a>");
    LL_Update->SetVisible(true);
  } else {
    LL_Update->SetVisible(false);
  }
  Timer_Update->SetInterval(Next_Check_Interval_Ms);
  Timer_Update->SetEnabled(true);
}

void TFLumetraFirmWare::LL_UpdateLinkClick(TObject*, const std::string& Link, TSysLinkType) { OpenUrl(Link); }

void TFLumetraFirmWare::L_KorvelClick(TObject*) { OpenUrl(Maker_Home_Url()); }
