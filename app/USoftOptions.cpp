#include "app/USoftOptions.h"

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "controls/button/LbButton.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Image.h"
#include "framework/controls/LinkLabel.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StdCtrls.h"
#include "framework/net/Http.h"
#include "framework/os/Files.h"
#include "framework/os/Shell.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"

TFSoftOptions* FSoftOptions = nullptr;

std::string Version_Service_Host = "http://www.korvel.com";
std::string Maker_Web_Site = "http://www.korvel.com";
const char* const Maker_Web_Domain = "www.korvel.com";
int Version_Check_Connect_Timeout_Ms = 3000;
int Version_Check_Timeout_Ms = 6000;

namespace {
constexpr int Slots_Per_Page = 6;

std::string Lang(int Id) { return Lang_Table->Strings(Id); }

bool Is_Digit(char C) { return C >= '0' && C <= '9'; }
}  // namespace

std::string Maker_Home_Url() { return Maker_Web_Site + "/HOME/default.asp?frompg=CF30406"; }

std::string Download_Page_Url() { return Maker_Web_Site + "/Home/download/download.asp#DV30406"; }

std::string Version_Check_Url() {
  return Version_Service_Host + "/home/download/GetversionSW.asp?nomesw=" + UrlEncode(SW_Code_Text);
}

int Conv_Version(const std::string& S) {
  const size_t blank = S.find(' ');
  const std::string t =
      Trim(blank == std::string::npos ? std::string_view(S) : std::string_view(S).substr(blank + 1));
  if (t.size() < 5) return -1;
  // Only plain digits make a version: a sign or a "$" must not turn a
  // garbled reply into a number.
  const char digits[] = {t[0], t[2], t[3], t[4]};
  int value = 0;
  for (char c : digits) {
    if (!Is_Digit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool Is_Newer_Version(const std::string& Reply) {
  const std::string r = UpperCase(Trim(Reply));
  if (r.empty() || r == "VER. 0.000") return false;
  const int local = Conv_Version(SW_Version_Text);
  const int remote = Conv_Version(Trim(Reply));
  return local != -1 && remote != -1 && remote > local;
}

bool Check_Version(IHttpClient& Client) {
  THttpRequest request;
  request.Url = Version_Check_Url();
  request.UserAgent = "Mozilla/3.0 (compatible; Indy Library)";
  request.Accept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
  request.ConnectTimeoutMs = Version_Check_Connect_Timeout_Ms;
  request.TimeoutMs = Version_Check_Timeout_Ms;
  request.MaxBodyBytes = 64 * 1024;
  std::string reply;
  try {
    const THttpResponse response = Client.Get(request);
    if (response.Ok && response.Status >= 200 && response.Status < 300) reply = response.Body;
  } catch (const std::exception&) {
    // The check fails silently: no answer is no update.
  }
  return Is_Newer_Version(reply);
}

CF_PUBLISH(TFSoftOptions, TForm) {
  using F = TFSoftOptions;
  P.Field("P_Title", &F::P_Title);
  P.Field("L_SW_Code", &F::L_SW_Code);
  P.Field("L_SW_Desc", &F::L_SW_Desc);
  P.Field("P_Button", &F::P_Button);
  P.Field("Btn_OK", &F::Btn_OK);
  P.Field("Btn_Cancel", &F::Btn_Cancel);
  P.Field("PC_Options", &F::PC_Options);
  P.Field("TS_Language", &F::TS_Language);
  P.Field("L_Sel_Lang", &F::L_Sel_Lang);
  P.Field("L_Page_Lang", &F::L_Page_Lang);
  P.Field("I_L1", &F::I_L1);
  P.Field("I_L2", &F::I_L2);
  P.Field("I_L3", &F::I_L3);
  P.Field("I_L4", &F::I_L4);
  P.Field("I_L5", &F::I_L5);
  P.Field("I_L6", &F::I_L6);
  P.Field("L_L1", &F::L_L1);
  P.Field("L_L2", &F::L_L2);
  P.Field("L_L3", &F::L_L3);
  P.Field("L_L4", &F::L_L4);
  P.Field("L_L5", &F::L_L5);
  P.Field("L_L6", &F::L_L6);
  P.Field("Btn_Prev", &F::Btn_Prev);
  P.Field("Btn_Next", &F::Btn_Next);
  P.Field("TS_Con_Options", &F::TS_Con_Options);
  P.Field("CB_En_Con", &F::CB_En_Con);
  P.Field("CB_Update", &F::CB_Update);
  P.Field("Btn_Check_Update", &F::Btn_Check_Update);
  P.Field("LL_Check_Update", &F::LL_Check_Update);
  P.Field("TS_Soft_Settings", &F::TS_Soft_Settings);
  P.Field("CB_Soft_Set_Jump_Table", &F::CB_Soft_Set_Jump_Table);
  P.Field("CB_DoubleClick_Auto_Size", &F::CB_DoubleClick_Auto_Size);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("Btn_OKClick", &F::Btn_OKClick);
  P.Method("Btn_NextClick", &F::Btn_NextClick);
  P.Method("LangClick", &F::LangClick);
  P.Method("CB_En_ConClick", &F::CB_En_ConClick);
  P.Method("Btn_Check_UpdateClick", &F::Btn_Check_UpdateClick);
  P.Method("LL_Check_UpdateLinkClick", &F::LL_Check_UpdateLinkClick);
}

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TForm(AOwner) {
  LoadFormLayout(this, "forms/FSoftOptions.dfm");
}

TFSoftOptions::~TFSoftOptions() {
  if (FSoftOptions == this) FSoftOptions = nullptr;
}

void TFSoftOptions::FormCreate(TObject*) {
  SL_Languages = std::make_unique<TStringList>();
  L_SW_Code->SetCaption(SW_Code);
  TS_Con_Options->SetTabVisible(true);
  Set_Lang();
}

void TFSoftOptions::Set_Lang() {
  SetCaption(Lang(300));
  L_SW_Desc->SetCaption(Lang(301));
  TS_Language->SetCaption(Lang(302));
  TS_Con_Options->SetCaption(Lang(303));
  TS_Soft_Settings->SetCaption(Lang(319));
  L_Sel_Lang->SetCaption(Lang(304));
  L_Page_Lang->SetCaption(Lang(305) + "1" + Lang(306) + "1");
  Btn_Prev->SetCaption(Lang(307));
  Btn_Next->SetCaption(Lang(308));
  CB_En_Con->SetCaption(Lang(309));
  CB_Update->SetCaption(Lang(310));
  Btn_Check_Update->SetCaption(Lang(311));
  Btn_OK->SetCaption(Lang(312));
  Btn_Cancel->SetCaption(Lang(313));
  CB_Soft_Set_Jump_Table->SetCaption(Lang(320));
  CB_DoubleClick_Auto_Size->SetCaption(Lang(321));
}

void TFSoftOptions::FormShow(TObject*) {
  Language_In_Use = Language_Name;
  Create_Lang_List();
  Update_CheckBox();
  LL_Check_Update->SetVisible(false);
  PC_Options->SetActivePage(TS_Language);
  // A box whose state changes runs its click handler, so the enabled
  // states follow.
  CB_En_Con->SetChecked(Opt_Enable_Internet);
  CB_Update->SetChecked(Opt_Enable_Update);
  CB_Soft_Set_Jump_Table->SetChecked(Opt_Jump_Field_Tables);
  CB_DoubleClick_Auto_Size->SetChecked(Opt_Double_Click_Auto_Size);
}

void TFSoftOptions::Create_Lang_List() {
  SL_Languages->Clear();
  // The installation's languages and the user's own; a language in both
  // is listed once.
  for (const std::string& folder : Installed_Folders("LANGUAGE", Language_Dir))
    for (const TSearchRec& r : FindFiles(folder, "*.lng", ffFilesOnly))
      if (SL_Languages->IndexOf(r.Name) < 0) SL_Languages->Add(r.Name);
  SL_Languages->Sort();
  Show_Page = 1;
  Update_Lang_Page(1);
}

int TFSoftOptions::Page_Count() const {
  return (SL_Languages->Count() + Slots_Per_Page - 1) / Slots_Per_Page;
}

TImage* TFSoftOptions::Slot_Image(int Slot) const {
  TImage* const images[] = {I_L1, I_L2, I_L3, I_L4, I_L5, I_L6};
  return images[Slot - 1];
}

TLabel* TFSoftOptions::Slot_Label(int Slot) const {
  TLabel* const labels[] = {L_L1, L_L2, L_L3, L_L4, L_L5, L_L6};
  return labels[Slot - 1];
}

int TFSoftOptions::Slot_Of(TObject* Control) const {
  for (int k = 1; k <= Slots_Per_Page; ++k)
    if (Control == Slot_Image(k) || Control == Slot_Label(k)) return k;
  return 0;
}

void TFSoftOptions::Update_Lang_Page(int Page) {
  L_Sel_Lang->SetCaption(Lang(304) + Language_In_Use);
  const int count = SL_Languages->Count();
  const int pages = Page_Count();
  L_Page_Lang->SetCaption(Lang(305) + IntToStr(Page) + Lang(306) + IntToStr(pages));
  Btn_Prev->SetVisible(Page != 1);
  Btn_Next->SetVisible(Page != pages);
  const int shown = std::min(count - (Page - 1) * Slots_Per_Page, Slots_Per_Page);
  for (int k = 1; k <= Slots_Per_Page; ++k) {
    Slot_Image(k)->SetVisible(k <= shown);
    Slot_Label(k)->SetVisible(k <= shown);
  }
  for (int k = 1; k <= shown; ++k) {
    const std::string file = SL_Languages->Strings((Page - 1) * Slots_Per_Page + k - 1);
    const std::string name = file.substr(0, file.size() - 4);
    Slot_Label(k)->SetCaption(name);
    std::string flag = Find_Installed_File("LANGUAGE", Language_Dir, name + ".bmp");
    if (!FileExists(flag)) flag = Find_Installed_File("LANGUAGE", Language_Dir, "DefaultFlag.bmp");
    TImage* image = Slot_Image(k);
    try {
      if (!FileExists(flag)) throw EInvalidGraphic("no flag");
      image->Picture()->LoadFromFile(flag);
    } catch (const Exception&) {
      // No picture (or one that cannot be read): the name alone stands.
      image->Picture()->SetGraphic(nullptr);
      image->SetVisible(false);
    }
  }
}

void TFSoftOptions::Btn_NextClick(TObject* Sender) {
  if (Sender == Btn_Next) {
    if (Page_Count() >= Show_Page + 1) ++Show_Page;
  } else if (Sender == Btn_Prev) {
    if (Show_Page > 1) --Show_Page;
  }
  Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(TObject* Sender) {
  const int slot = Slot_Of(Sender);
  const int index = (Show_Page - 1) * Slots_Per_Page + slot - 1;
  if (slot == 0 || index >= SL_Languages->Count()) return;
  const std::string file = SL_Languages->Strings(index);
  const std::string name = file.substr(0, file.size() - 4);
  if (MessageDlg(Lang(316) + Language_In_Use + Lang(317) + name + Lang(318), mtConfirmation, {mbYes, mbNo},
                 0) != mrYes)
    return;
  Language_In_Use = name;
  // Shown at once, kept only on OK: the stored language stays as it was.
  const std::string stored = Language_Name;
  Language_Name = name;
  Set_Language();
  Language_Name = stored;
  if (FLumetraFirmWare != nullptr)
    FLumetraFirmWare->Change_Language();
  else
    Set_Lang();
  L_Sel_Lang->SetCaption(Lang(304) + Language_In_Use);
}

void TFSoftOptions::Btn_OKClick(TObject*) {
  Language_Name = Language_In_Use;
  Opt_Enable_Internet = CB_En_Con->Checked();
  Opt_Enable_Update = CB_Update->Checked();
  if (FLumetraFirmWare != nullptr)
    FLumetraFirmWare->Timer_Update->SetEnabled(Opt_Enable_Internet && Opt_Enable_Update);
  Opt_Jump_Field_Tables = CB_Soft_Set_Jump_Table->Checked();
  Opt_Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
  SetModalResult(mrOk);
}

void TFSoftOptions::CB_En_ConClick(TObject*) { Update_CheckBox(); }

void TFSoftOptions::Update_CheckBox() {
  CB_Update->SetEnabled(CB_En_Con->Checked());
  Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::Btn_Check_UpdateClick(TObject*) {
  if (Check_Version())
    LL_Check_Update->SetCaption("<a href=\"" + Download_Page_Url() + "\">" + Lang(314) + "</a>");
  else
    LL_Check_Update->SetCaption(Lang(315));
  LL_Check_Update->SetVisible(true);
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const std::string& Link, TSysLinkType) {
  OpenUrl(Link);
}

bool TFSoftOptions::Check_Version() {
  if (FLumetraFirmWare != nullptr && FLumetraFirmWare->HTTP1() != nullptr)
    return ::Check_Version(*FLumetraFirmWare->HTTP1());
  TCurlHttpClient client;
  return ::Check_Version(client);
}
