// Published tables of the check box and the radio button.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/CheckBox.h"
#include "framework/controls/Controls_Published.h"

CF_ENUM_IDENTS(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)

void RegisterCheckBoxPublished() {
  PublishClass<TButtonControl>("TCustomControl", [](TPublish<TButtonControl>& P) {
    using C = TButtonControl;
    P.Color("Color", &C::Color, &C::SetColor).Default(clWindow).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true);
    P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taRightJustify);
    P.String("Caption", &C::Caption, &C::SetCaption);
    P.Bool("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(false);
  });
  // The state says it all; Checked is the same value, read for layouts that
  // give it.
  PublishClass<TCustomCheckBox>("TButtonControl", [](TPublish<TCustomCheckBox>& P) {
    using C = TCustomCheckBox;
    P.Bool("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed).Default(false);
    P.Bool("Checked", &C::Checked, &C::SetChecked).Stored(false);
    P.Enum("State", &C::State, &C::SetState).Default(cbUnchecked);
  });
  PublishClass<TCheckBox>("TCustomCheckBox", [](TPublish<TCheckBox>&) {});
  PublishClass<TRadioButton>("TButtonControl", [](TPublish<TRadioButton>& P) {
    // Only the checked button of a group is a tab stop.
    P.Bool("TabStop", &TRadioButton::TabStop, &TRadioButton::SetTabStop).Default(false);
    P.Bool("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(false);
  });
}
