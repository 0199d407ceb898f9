#pragma once
// The rich edit as a plain-text memo: Lines and Text hold the text; the
// formatting runs of real rich text are not kept.
#include "framework/controls/StdCtrls.h"

class TCustomRichEdit : public TCustomMemo {
 public:
  explicit TCustomRichEdit(TComponent* AOwner) : TCustomMemo(AOwner) {}
  bool PlainText() const { return plainText_; }
  void SetPlainText(bool Value) { plainText_ = Value; }
  TNotifyEvent OnSelectionChange;

 protected:
  void SelectionChanged() override {
    if (OnSelectionChange) OnSelectionChange(this);
  }

 private:
  bool plainText_ = false;
};

class TRichEdit : public TCustomRichEdit {
 public:
  using TCustomRichEdit::TCustomRichEdit;
};
