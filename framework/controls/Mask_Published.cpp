// Published tables of the masked edit.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "framework/controls/Mask.h"

void RegisterMaskPublished() {
  // The mask is read before the text it shapes.
  PublishClass<TCustomMaskEdit>("TCustomEdit", [](TPublish<TCustomMaskEdit>& P) {
    using C = TCustomMaskEdit;
    P.String("EditMask", &C::EditMask, &C::SetEditMask);
    P.String("Text", &C::Text, &C::SetText).MovedHere();
  });
  PublishClass<TMaskEdit>("TCustomMaskEdit", [](TPublish<TMaskEdit>&) {});
}
