#include "Responder.h"

#include <gtest/gtest.h>

namespace {
// The cancelling answer among Buttons.
int CancelAnswer(const std::vector<int>& Buttons) {
  for (int b : {mrCancel, mrNo, mrAbort, mrIgnore})
    for (int x : Buttons)
      if (x == b) return b;
  return Buttons.empty() ? mrCancel : Buttons.back();
}
}  // namespace

TDialogResponder::TDialogResponder() : previous_(SetInteractionHook(this)) {}

TDialogResponder::~TDialogResponder() { SetInteractionHook(previous_); }

TDialogResponder& TDialogResponder::AnswerBox(int ModalResult) {
  boxAnswers_.push_back(ModalResult);
  return *this;
}

TDialogResponder& TDialogResponder::OnBox(std::function<int(const TMessageBoxParams&)> Handler) {
  boxHandler_ = std::move(Handler);
  return *this;
}

TDialogResponder& TDialogResponder::OnModal(std::function<void(TCustomForm*)> Handler) {
  modalHandlers_.push_back(std::move(Handler));
  return *this;
}

TDialogResponder& TDialogResponder::AnswerFile(const std::string& FileName) {
  fileAnswers_.push_back(FileName);
  return *this;
}

TDialogResponder& TDialogResponder::AnswerMenu(int Index) {
  menuAnswers_.push_back(Index);
  return *this;
}

TDialogResponder& TDialogResponder::Lenient() {
  lenient_ = true;
  return *this;
}

int TDialogResponder::MessageBox(const TMessageBoxParams& Params) {
  Box b{Params.Caption, Params.Text, Params.Icon, Params.Buttons, 0};
  if (!boxAnswers_.empty()) {
    b.Answer = boxAnswers_.front();
    boxAnswers_.pop_front();
  } else if (boxHandler_) {
    b.Answer = boxHandler_(Params);
  } else {
    if (!lenient_) ADD_FAILURE() << "Unexpected message box \"" << Params.Caption << "\": " << Params.Text;
    b.Answer = CancelAnswer(Params.Buttons);
  }
  boxes_.push_back(b);
  return b.Answer;
}

void TDialogResponder::RunModal(TCustomForm* Form) {
  modalForms_.push_back(Form->ClassName() + ": " + Form->Caption());
  if (!modalHandlers_.empty()) {
    auto handler = std::move(modalHandlers_.front());
    modalHandlers_.pop_front();
    handler(Form);
    Application->ProcessMessages();
  } else if (!lenient_) {
    ADD_FAILURE() << "Unexpected modal form " << Form->ClassName() << " \"" << Form->Caption() << "\"";
  }
  // A session that ends without an answer cancels; a veto cannot keep the
  // test waiting.
  if (Form->ModalResult() == mrNone) Form->SetModalResult(mrCancel);
  Form->CloseModal();
  if (Form->ModalResult() == mrNone) Form->SetModalResult(mrCancel);
}

bool TDialogResponder::FileDialog(TFileDialogParams& Params) {
  fileDialogs_.push_back(Params);
  if (fileAnswers_.empty()) {
    if (!lenient_) ADD_FAILURE() << "Unexpected file dialog \"" << Params.Title << "\"";
    return false;
  }
  std::string name = fileAnswers_.front();
  fileAnswers_.pop_front();
  if (name.empty()) return false;
  Params.Files = {name};
  return true;
}

int TDialogResponder::PopupMenu(const std::vector<TPopupMenuEntry>& Entries, const TPoint&) {
  menus_.push_back(Entries);
  if (menuAnswers_.empty()) return -1;
  int i = menuAnswers_.front();
  menuAnswers_.pop_front();
  return i;
}
