#pragma once
// Answers the program's questions during a test: message boxes, modal forms,
// file dialogs and pop-up menus. Installing one replaces the current
// responder until it goes out of scope. What nobody answered counts as a
// test failure and is cancelled, so no test ever blocks.
//
//   TDialogResponder r;
//   r.AnswerBox(mrYes);                                   // next box: Yes
//   r.OnModal([](TCustomForm* f) { f->SetModalResult(mrOk); });
//   ... code that asks ...
//   EXPECT_EQ(r.Boxes().at(0).Text, "Overwrite?");
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "framework/controls/Forms.h"

class TDialogResponder : public TInteractionHook {
 public:
  struct Box {
    std::string Caption;
    std::string Text;
    TDialogIcon Icon = diNone;
    std::vector<int> Buttons;
    int Answer = 0;
  };

  // Strict: unexpected boxes and forms fail the running test.
  TDialogResponder();
  ~TDialogResponder() override;
  TDialogResponder(const TDialogResponder&) = delete;
  TDialogResponder& operator=(const TDialogResponder&) = delete;

  // The next box gets this modal result (queued in order).
  TDialogResponder& AnswerBox(int ModalResult);
  // Every box without a queued answer goes to Handler.
  TDialogResponder& OnBox(std::function<int(const TMessageBoxParams&)> Handler);
  // The next modal form is handed to Handler, which may click its buttons,
  // send it messages or set its ModalResult (queued in order).
  TDialogResponder& OnModal(std::function<void(TCustomForm*)> Handler);
  // The next file dialog picks FileName; an empty name cancels it.
  TDialogResponder& AnswerFile(const std::string& FileName);
  // The next pop-up menu picks the entry with this index (-1: none).
  TDialogResponder& AnswerMenu(int Index);
  // Unexpected boxes and forms are cancelled without failing the test.
  TDialogResponder& Lenient();

  const std::vector<Box>& Boxes() const { return boxes_; }
  const std::vector<std::string>& ModalForms() const { return modalForms_; }
  const std::vector<TFileDialogParams>& FileDialogs() const { return fileDialogs_; }
  const std::vector<std::vector<TPopupMenuEntry>>& Menus() const { return menus_; }

  int MessageBox(const TMessageBoxParams& Params) override;
  void RunModal(TCustomForm* Form) override;
  bool FileDialog(TFileDialogParams& Params) override;
  int PopupMenu(const std::vector<TPopupMenuEntry>& Entries, const TPoint& ScreenPos) override;

 private:
  TInteractionHook* previous_;
  bool lenient_ = false;
  std::deque<int> boxAnswers_;
  std::function<int(const TMessageBoxParams&)> boxHandler_;
  std::deque<std::function<void(TCustomForm*)>> modalHandlers_;
  std::deque<std::string> fileAnswers_;
  std::deque<int> menuAnswers_;
  std::vector<Box> boxes_;
  std::vector<std::string> modalForms_;
  std::vector<TFileDialogParams> fileDialogs_;
  std::vector<std::vector<TPopupMenuEntry>> menus_;
};
