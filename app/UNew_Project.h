#pragma once
// The new-project dialog: creates the project folder under PROJECTS, with its
// bin folder, and makes it the open project.
//
// A project name becomes a folder name as it is typed, so it must be a plain
// folder name that any machine the project travels to accepts: no path
// separator, no "..", none of the characters Windows refuses in a name, no
// control character, no blank or dot at its end, no blank at its start, no
// dot at its start (a hidden folder the open list would never show), and
// none of the reserved device names (CON, NUL, COM1, ...).
#include <string_view>

#include "app/ULumetraFirmWare.h"
#include "framework/controls/Forms.h"

class TPanel;
class TLabel;
class TEdit;
class TLbButton;

enum TProject_Name_Check {
  pnValid,
  pnEmpty,    // nothing typed
  pnInvalid,  // not a plain folder name
};

TProject_Name_Check Check_Project_Name(std::string_view Name);

class TFNew_Project : public TForm, public ILangForm {
 public:
  explicit TFNew_Project(TComponent* AOwner);
  ~TFNew_Project() override;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TLabel* Label1 = nullptr;
  TEdit* E_New_Proj = nullptr;
  TPanel* P_Button = nullptr;
  TLbButton* Btn_OK = nullptr;
  TLbButton* Btn_Cancel = nullptr;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void E_New_ProjKeyPress(TObject* Sender, char32_t& Key);
  void Btn_OKClick(TObject* Sender);
  void Set_Lang() override;
};

extern TFNew_Project* FNew_Project;
