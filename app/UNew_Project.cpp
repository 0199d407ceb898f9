#include "app/UNew_Project.h"

#include <string>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "controls/button/LbButton.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "framework/os/Files.h"
#include "framework/rtl/StrUtils.h"

TFNew_Project* FNew_Project = nullptr;

namespace {
std::string Lang(int Id) { return Lang_Table->Strings(Id); }

bool Is_Reserved_Device_Name(std::string_view Name) {
  // The part before the first dot counts: "con.txt" is as reserved as "con".
  const std::string base = UpperCase(Name.substr(0, Name.find('.')));
  if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' &&
         base[3] <= '9';
}
}  // namespace

TProject_Name_Check Check_Project_Name(std::string_view Name) {
  if (Name.empty()) return pnEmpty;
  for (char c : Name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return pnInvalid;
    if (std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos) return pnInvalid;
  }
  if (Name.find("..") != std::string_view::npos) return pnInvalid;
  if (Name.front() == ' ' || Name.back() == ' ' || Name.back() == '.') return pnInvalid;
  // A leading dot makes a hidden folder, which the open list never shows.
  if (Name.front() == '.') return pnInvalid;
  if (Is_Reserved_Device_Name(Name)) return pnInvalid;
  return pnValid;
}

CF_PUBLISH(TFNew_Project, TForm) {
  using F = TFNew_Project;
  P.Field("P_Title", &F::P_Title);
  P.Field("L_SW_Code", &F::L_SW_Code);
  P.Field("L_SW_Desc", &F::L_SW_Desc);
  P.Field("Label1", &F::Label1);
  P.Field("E_New_Proj", &F::E_New_Proj);
  P.Field("P_Button", &F::P_Button);
  P.Field("Btn_OK", &F::Btn_OK);
  P.Field("Btn_Cancel", &F::Btn_Cancel);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("E_New_ProjKeyPress", &F::E_New_ProjKeyPress);
  P.Method("Btn_OKClick", &F::Btn_OKClick);
}

TFNew_Project::TFNew_Project(TComponent* AOwner) : TForm(AOwner) {
  LoadFormLayout(this, "forms/FNew_Project.dfm");
}

TFNew_Project::~TFNew_Project() {
  if (FNew_Project == this) FNew_Project = nullptr;
}

void TFNew_Project::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(331);
  SetClientHeight(162);
  Set_Lang();
}

void TFNew_Project::FormShow(TObject*) {
  E_New_Proj->SetText("");
  if (E_New_Proj->CanFocus()) E_New_Proj->SetFocus();
}

void TFNew_Project::Set_Lang() {
  SetCaption(Lang(100));
  L_SW_Desc->SetCaption(Lang(101));
  Label1->SetCaption(Lang(102));
  Btn_OK->SetCaption(Lang(103));
  Btn_Cancel->SetCaption(Lang(104));
  E_New_Proj->SetHint(Lang(108));
  Btn_OK->SetHint(Lang(109));
  Btn_Cancel->SetHint(Lang(110));
}

void TFNew_Project::E_New_ProjKeyPress(TObject* Sender, char32_t& Key) {
  if (Key != 13) return;
  Key = 0;
  Btn_OKClick(Sender);
}

void TFNew_Project::Btn_OKClick(TObject*) {
  const std::string name = E_New_Proj->Text();
  auto refuse = [](int Id) { MessageDlg(Lang(Id), mtError, {mbOK}, 0); };
  switch (Check_Project_Name(name)) {
    case pnEmpty:
      return refuse(107);
    case pnInvalid:
      // Never a folder outside PROJECTS, nor one other machines cannot open.
      return refuse(105);
    case pnValid:
      break;
  }
  // Two projects whose names differ only in letter case would be one folder
  // on the machines the projects travel to.
  if (!FindNameNoCase(Projects_Dir, name).empty()) return refuse(106);
  const std::string folder = Join_Path(Projects_Dir, name);
  if (!CreateDir(folder)) return refuse(105);
  ForceDirectories(Join_Path(folder, "bin"));

  Project_Name = name;
  Project_Dir = folder;
  if (FLumetraFirmWare != nullptr)
    FLumetraFirmWare->Set_Files();
  else
    Set_Files();
  SetModalResult(mrOk);
}
