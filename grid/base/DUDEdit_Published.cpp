// Published tables of the edit with button, its button and the unit edit.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "grid/base/DUDEdit.h"

namespace {

const TPublishedRegistrar kDudEditTables([] {
  PublishClass<TVevSpeedButton>("TSpeedButton", [](TPublish<TVevSpeedButton>& P) {
    using C = TVevSpeedButton;
    P.Bool("IsWinXP", &C::IsWinXP, &C::SetIsWinXP).Default(false);
    P.Bool("Flat", &C::Flat, &C::SetFlat).Default(false);
  });

  PublishClass<TDudEditButton>("TWinControl", [](TPublish<TDudEditButton>& P) {
    using C = TDudEditButton;
    // The speed button inside belongs to it.
    P.GetChildren([](C*, TComponent*, std::vector<TComponent*>&) {});
    P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(false);
    P.Object("Glyph", &C::Glyph);
    P.Integer("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs).Default(1);
    P.String("ButtonCaption", &C::ButtonCaption, &C::SetButtonCaption);
    P.Color("ButtonColor", &C::ButtonColor, &C::SetButtonColor).Default(clNone);
    P.Color("ButtonColorHot", &C::ButtonColorHot, &C::SetButtonColorHot).Default(clNone);
    P.Color("ButtonColorDown", &C::ButtonColorDown, &C::SetButtonColorDown).Default(clNone);
    P.Color("ButtonTextColor", &C::ButtonTextColor, &C::SetButtonTextColor).Default(clNone);
    P.Color("ButtonTextColorHot", &C::ButtonTextColorHot, &C::SetButtonTextColorHot).Default(clNone);
    P.Color("ButtonTextColorDown", &C::ButtonTextColorDown, &C::SetButtonTextColorDown).Default(clNone);
    P.Color("ButtonBorderColor", &C::ButtonBorderColor, &C::SetButtonBorderColor).Default(clNone);
    P.Bool("Flat", &C::Flat, &C::SetFlat).Default(false);
    P.Component("FocusControl", &C::FocusControl, &C::SetFocusControl);
  });

  PublishClass<TDudEditBtn>("TCustomMaskEdit", [](TPublish<TDudEditBtn>& P) {
    using C = TDudEditBtn;
    // The button window belongs to the edit and is never stored with a form.
    P.GetChildren([](C*, TComponent*, std::vector<TComponent*>&) {});
    P.Integer("ButtonWidth", &C::ButtonWidth, &C::SetButtonWidth).Default(18);
    P.String("ButtonCaption", &C::ButtonCaption, &C::SetButtonCaption);
    P.Object("Glyph", &C::Glyph);
    P.Bool("EditorEnabled", &C::EditorEnabled, &C::SetEditorEnabled).Default(true);
    P.Bool("IsWinXP", &C::IsWinXP, &C::SetIsWinXP).Default(false);
    P.Event("OnClickBtn", &C::OnClickBtn);
  });

  PublishClass<TDudUnitEditBtn>("TDudEditBtn", [](TPublish<TDudUnitEditBtn>& P) {
    using C = TDudUnitEditBtn;
    P.Strings("Units", &C::Units);
    P.String("UnitID", &C::UnitID, &C::SetUnitID);
    P.Integer("UnitSpace", &C::UnitSpace, &C::SetUnitSpace).Default(20);
    P.Event("OnUnitChanged", &C::OnUnitChanged);
  });
});

}  // namespace

void LinkDudEditPublished() {}
