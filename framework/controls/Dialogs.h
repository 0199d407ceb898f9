#pragma once
// Message dialogs and the open and save file dialogs; all of them go through
// the interaction hook (see Forms.h), so tests answer them.
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/controls/Forms.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn {
  mbYes,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp,
  mbClose
};
using TMsgDlgButtons = TSet<TMsgDlgBtn, 16>;

// Shows Msg with the type's caption ("Warning", "Error", "Information",
// "Confirm"; the application title for mtCustom) and icon, and answers the
// modal result of the button chosen (mrYes, mrNo, mrOk, mrCancel, ...).
int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);
int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
               TMsgDlgBtn DefaultButton);
// An OK box with the application title.
void ShowMessage(const std::string& Msg);

enum TOpenOption {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofNoChangeDir,
  ofShowHelp,
  ofNoValidate,
  ofAllowMultiSelect,
  ofExtensionDifferent,
  ofPathMustExist,
  ofFileMustExist,
  ofCreatePrompt,
  ofShareAware,
  ofNoReadOnlyReturn,
  ofNoTestFileCreate,
  ofNoNetworkButton,
  ofNoLongNames,
  ofOldStyleDialog,
  ofNoDereferenceLinks,
  ofEnableIncludeNotify,
  ofEnableSizing,
  ofDontAddToRecent,
  ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* AOwner);
  ~TOpenDialog() override;
  // "Text files (*.txt)|*.txt|All files (*.*)|*.*"
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& Value) { filter_ = Value; }
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int Value) { filterIndex_ = Value; }
  // Added (without its dot) to a chosen name that has no extension.
  const std::string& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::string& Value);
  const std::string& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& Value) { initialDir_ = Value; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& Value) { fileName_ = Value; }
  TStrings* Files() { return files_.get(); }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& Value) { title_ = Value; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions Value) { options_ = Value; }
  // True when the user chose a file; FileName and Files hold the choice.
  virtual bool Execute();
  TNotifyEvent OnShow;
  TNotifyEvent OnClose;

 protected:
  virtual bool IsSave() const { return false; }

 private:
  std::string filter_;
  int filterIndex_ = 1;
  std::string defaultExt_;
  std::string initialDir_;
  std::string fileName_;
  std::unique_ptr<TStringList> files_;
  std::string title_;
  TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
};

class TSaveDialog : public TOpenDialog {
 public:
  using TOpenDialog::TOpenDialog;

 protected:
  bool IsSave() const override { return true; }
};
