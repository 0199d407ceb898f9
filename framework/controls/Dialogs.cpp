#include "framework/controls/Dialogs.h"

namespace {

int ResultOf(TMsgDlgBtn B) {
  switch (B) {
    case mbYes:
      return mrYes;
    case mbNo:
      return mrNo;
    case mbOK:
      return mrOk;
    case mbCancel:
      return mrCancel;
    case mbAbort:
      return mrAbort;
    case mbRetry:
      return mrRetry;
    case mbIgnore:
      return mrIgnore;
    case mbAll:
      return mrAll;
    case mbNoToAll:
      return mrNoToAll;
    case mbYesToAll:
      return mrYesToAll;
    case mbHelp:
      return mrHelp;
    case mbClose:
      return mrClose;
  }
  return mrNone;
}

int ShowDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, const TMsgDlgBtn* Default) {
  TMessageBoxParams p;
  switch (DlgType) {
    case mtWarning:
      p.Caption = "Warning";
      p.Icon = diWarning;
      break;
    case mtError:
      p.Caption = "Error";
      p.Icon = diError;
      break;
    case mtInformation:
      p.Caption = "Information";
      p.Icon = diInformation;
      break;
    case mtConfirmation:
      p.Caption = "Confirm";
      p.Icon = diQuestion;
      break;
    case mtCustom:
      p.Caption = Application != nullptr ? Application->Title() : std::string();
      p.Icon = diNone;
      break;
  }
  p.Text = Msg;
  for (int b = mbYes; b <= mbClose; ++b)
    if (Buttons.Contains(static_cast<TMsgDlgBtn>(b)))
      p.Buttons.push_back(ResultOf(static_cast<TMsgDlgBtn>(b)));
  // A box always has a way out.
  if (p.Buttons.empty()) p.Buttons.push_back(mrOk);
  if (Default != nullptr && Buttons.Contains(*Default))
    p.DefaultButton = ResultOf(*Default);
  else if (Buttons.Contains(mbOK))
    p.DefaultButton = mrOk;
  else if (Buttons.Contains(mbYes))
    p.DefaultButton = mrYes;
  else
    p.DefaultButton = p.Buttons.front();
  if (Application != nullptr) Application->CancelHint();
  return InteractionHook()->MessageBox(p);
}

}  // namespace

int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int) {
  return ShowDlg(Msg, DlgType, Buttons, nullptr);
}

int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int,
               TMsgDlgBtn DefaultButton) {
  return ShowDlg(Msg, DlgType, Buttons, &DefaultButton);
}

void ShowMessage(const std::string& Msg) { ShowDlg(Msg, mtCustom, TMsgDlgButtons{mbOK}, nullptr); }

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner), files_(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

void TOpenDialog::SetDefaultExt(const std::string& Value) {
  defaultExt_ = !Value.empty() && Value[0] == '.' ? Value.substr(1) : Value;
}

bool TOpenDialog::Execute() {
  TFileDialogParams p;
  p.Save = IsSave();
  p.Title = title_;
  p.Filter = filter_;
  p.FilterIndex = filterIndex_;
  p.InitialDir = initialDir_;
  p.FileName = fileName_;
  p.DefaultExt = defaultExt_;
  p.OverwritePrompt = options_.Contains(ofOverwritePrompt);
  p.FileMustExist = options_.Contains(ofFileMustExist);
  p.MultiSelect = options_.Contains(ofAllowMultiSelect);
  if (OnShow) OnShow(this);
  bool ok = InteractionHook()->FileDialog(p);
  if (OnClose) OnClose(this);
  if (!ok || p.Files.empty()) return false;
  files_->Clear();
  for (std::string f : p.Files) {
    if (!defaultExt_.empty()) {
      auto slash = f.find_last_of("/\\");
      std::string base = slash == std::string::npos ? f : f.substr(slash + 1);
      if (base.find('.') == std::string::npos) f += "." + defaultExt_;
    }
    files_->Add(f);
  }
  fileName_ = files_->Strings(0);
  filterIndex_ = p.FilterIndex;
  return true;
}
