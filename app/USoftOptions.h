#pragma once
// The options dialog (language, internet and table-editing options) and the
// version check that the main window's update timer runs as well.
//
// The version check asks the maker's web service over plain HTTP whether a
// newer configurator exists. It runs on the GUI thread, so it is bounded by
// short connect and total time-outs; every failure counts as "no update" and
// shows nothing.
#include <memory>
#include <string>

#include "app/ULumetraFirmWare.h"
#include "framework/controls/Forms.h"

class TLabel;
class TPanel;
class TImage;
class TCheckBox;
class TLinkLabel;
class TPageControl;
class TTabSheet;
class TStringList;
class TLbButton;
class IHttpClient;

// Where the maker's web service and pages are: a setting of the program with
// the maker's site as its default (tests point it at a local server). Each
// is a scheme and host, with a port when needed, and no final "/".
extern std::string Version_Service_Host;
extern std::string Maker_Web_Site;
// The domain as the window caption shows it.
extern const char* const Maker_Web_Domain;
// Bounds of one version check, in milliseconds.
extern int Version_Check_Connect_Timeout_Ms;
extern int Version_Check_Timeout_Ms;

// The maker's home page (link of the main window and the about box) and the
// download page of this converter.
std::string Maker_Home_Url();
std::string Download_Page_Url();
// The version service's address for this software code.
std::string Version_Check_Url();

// The number a version text stands for: the part after the first blank (all
// of it without one), trimmed; its first character and the three after the
// dot, read as a decimal number ("VER. 1.002" gives 1002); -1 when that is
// no number or the text is shorter than five characters.
int Conv_Version(const std::string& S);

// True when the reply of the version service names a newer version than this
// program's.
bool Is_Newer_Version(const std::string& Reply);

// Asks the service through Client; false on any failure (no answer, an HTTP
// error status, a time-out, a reply that is no version).
bool Check_Version(IHttpClient& Client);

class TFSoftOptions : public TForm, public ILangForm {
 public:
  explicit TFSoftOptions(TComponent* AOwner);
  ~TFSoftOptions() override;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TPanel* P_Button = nullptr;
  TLbButton* Btn_OK = nullptr;
  TLbButton* Btn_Cancel = nullptr;
  TPageControl* PC_Options = nullptr;
  TTabSheet* TS_Language = nullptr;
  TLabel* L_Sel_Lang = nullptr;
  TLabel* L_Page_Lang = nullptr;
  TImage* I_L1 = nullptr;
  TImage* I_L2 = nullptr;
  TImage* I_L3 = nullptr;
  TImage* I_L4 = nullptr;
  TImage* I_L5 = nullptr;
  TImage* I_L6 = nullptr;
  TLabel* L_L1 = nullptr;
  TLabel* L_L2 = nullptr;
  TLabel* L_L3 = nullptr;
  TLabel* L_L4 = nullptr;
  TLabel* L_L5 = nullptr;
  TLabel* L_L6 = nullptr;
  TLbButton* Btn_Prev = nullptr;
  TLbButton* Btn_Next = nullptr;
  TTabSheet* TS_Con_Options = nullptr;
  TCheckBox* CB_En_Con = nullptr;
  TCheckBox* CB_Update = nullptr;
  TLbButton* Btn_Check_Update = nullptr;
  TLinkLabel* LL_Check_Update = nullptr;
  TTabSheet* TS_Soft_Settings = nullptr;
  TCheckBox* CB_Soft_Set_Jump_Table = nullptr;
  TCheckBox* CB_DoubleClick_Auto_Size = nullptr;

  // Language file names found (with ".lng"), sorted.
  std::unique_ptr<TStringList> SL_Languages;
  // The language page shown, from 1; six languages a page.
  int Show_Page = 1;
  // The language chosen in the dialog (file name without ".lng").
  std::string Language_In_Use;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Btn_OKClick(TObject* Sender);
  void Btn_NextClick(TObject* Sender);
  void LangClick(TObject* Sender);
  void CB_En_ConClick(TObject* Sender);
  void Btn_Check_UpdateClick(TObject* Sender);
  void LL_Check_UpdateLinkClick(TObject* Sender, const std::string& Link, TSysLinkType LinkType);

  void Set_Lang() override;
  void Create_Lang_List();
  void Update_Lang_Page(int Page);
  void Update_CheckBox();
  // The check through the main window's client (a client of its own when
  // there is no main window).
  static bool Check_Version();
  static int Conv_Version(const std::string& S) { return ::Conv_Version(S); }

 private:
  int Page_Count() const;
  // The slot (1 to 6) of a picture or label, 0 for another control.
  int Slot_Of(TObject* Control) const;
  TImage* Slot_Image(int Slot) const;
  TLabel* Slot_Label(int Slot) const;
};

extern TFSoftOptions* FSoftOptions;
