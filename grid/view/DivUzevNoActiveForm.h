#pragma once
// A borderless pop-up form that never takes activation: a click on it
// leaves the active window active. The grid shows a selection's picture in
// one while it is dragged.
#include "framework/controls/Forms.h"

class TNoActiveForm : public TForm {
 public:
  explicit TNoActiveForm(TComponent* AOwner);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
};
