// Published tables of the rich edit.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/ComCtrls.h"
#include "framework/controls/Controls_Published.h"

void RegisterComCtrlsPublished() {
  PublishClass<TCustomRichEdit>("TCustomMemo", [](TPublish<TCustomRichEdit>& P) {
    P.Bool("PlainText", &TCustomRichEdit::PlainText, &TCustomRichEdit::SetPlainText).Default(false);
    P.Event("OnSelectionChange", &TCustomRichEdit::OnSelectionChange);
  });
  PublishClass<TRichEdit>("TCustomRichEdit", [](TPublish<TRichEdit>&) {});
}
