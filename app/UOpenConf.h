#pragma once
// The open-project dialog: lists the project folders under PROJECTS and
// hands the chosen name back to the main window, which opens it.
#include <memory>
#include <string>
#include <string_view>

#include "app/ULumetraFirmWare.h"
#include "framework/controls/Forms.h"

class TPanel;
class TLabel;
class TListBox;
class TStringList;
class TLbButton;

class TFOpenConf : public TForm, public ILangForm {
 public:
  explicit TFOpenConf(TComponent* AOwner);
  ~TFOpenConf() override;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TLabel* Label1 = nullptr;
  TListBox* ListBox1 = nullptr;
  TPanel* P_Button = nullptr;
  TLbButton* Btn_OK = nullptr;
  TLbButton* Btn_Cancel = nullptr;

  // The project folder names, filled on every show.
  std::unique_ptr<TStringList> SL;
  // The chosen project; empty when the list offered none.
  std::string Name_Conf;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void ListBox1Click(TObject* Sender);
  void Set_Lang() override;
  // Fills List with the names of the folders under PROJECTS, by name.
  void Load_Existing_Configuration(TStringList* List);
  // The index of the first entry of SL equal to Snc when ASCII letters are
  // compared without case; -1 when none.
  int Search_Open_Conf(const std::string& Snc) const;
};

extern TFOpenConf* FOpenConf;

// Whether Name may be opened as the folder of an existing project: a name
// that stays inside PROJECTS (no separator, not "." or ".."). The stricter
// rule for new names does not apply: a folder that exists opens, whatever
// blanks or dots its name holds.
bool Valid_Project_Folder_Name(std::string_view Name);
