// Published table of the grid's combo box, as stored layouts carry it.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "grid/base/DudCombo.h"
#include "grid/base/LabelPosition_Published.h"


namespace {

const TPublishedRegistrar kDudComboTables([] {
  PublishClass<TDudCustomCombo>("TCustomComboBox", [](TPublish<TDudCustomCombo>& P) {
    using C = TDudCustomCombo;
    // The colour keeps its place; while a layout is read it is also the
    // loaded colour.
    P.Color("Color", &C::Color, &C::SetColor).Default(clWindow).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Bool("AutoFocus", &C::AutoFocus, &C::SetAutoFocus).Default(false);
    P.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).Default(clNone);
    P.Integer("ButtonWidth", &C::ButtonWidth, &C::SetButtonWidth).Default(19);
    P.Bool("DisabledBorder", &C::DisabledBorder, &C::SetDisabledBorder).Default(true);
    P.Bool("Flat", &C::Flat, &C::SetFlat).Default(false);
    P.Color("FlatLineColor", &C::FlatLineColor, &C::SetFlatLineColor).Default(clNone);
    P.Bool("FlatParentColor", &C::FlatParentColor, &C::SetFlatParentColor).Default(true);
    P.Bool("Etched", &C::Etched, &C::SetEtched).Default(false);
    P.Bool("FocusBorder", &C::FocusBorder, &C::SetFocusBorder).Default(false);
    P.Color("FocusBorderColor", &C::FocusBorderColor, &C::SetFocusBorderColor).Default(clNone);
    P.Color("FocusColor", &C::FocusColor, &C::SetFocusColor).Default(clNone);
    P.Bool("FocusLabel", &C::FocusLabel, &C::SetFocusLabel).Default(false);
    P.Integer("DropWidth", &C::DropWidth, &C::SetDropWidth).NoDefault();
    P.String("LabelCaption", &C::LabelCaption, &C::SetLabelCaption);
    P.Enum("LabelPosition", &C::LabelPosition, &C::SetLabelPosition).Default(lpLeftTop);
    P.Integer("LabelMargin", &C::LabelMargin, &C::SetLabelMargin).Default(4);
    P.Bool("LabelTransparent", &C::LabelTransparent, &C::SetLabelTransparent).Default(false);
    P.Bool("LabelAlwaysEnabled", &C::LabelAlwaysEnabled, &C::SetLabelAlwaysEnabled).Default(false);
    P.Object("LabelFont", &C::LabelFont);
    P.Event("OnDropUp", &C::OnDropUp);
  });
  PublishClass<TDudComboBox>("TDudCustomCombo", [](TPublish<TDudComboBox>&) {});
});

}  // namespace

// The combo's constructor calls this, so the linker keeps the table.
void LinkDudComboPublished() {}
