// Published table of the styled grid button.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Buttons_Published.h"
#include "framework/controls/Controls_Published.h"
#include "framework/controls/Menus.h"
#include "grid/base/gridcheck.h"

CF_ENUM_IDENTS(TDivUzevButtonStyle, tasButton, tasCheck)

namespace {

const TPublishedRegistrar kGridCheckTables([] {
  PublishClass<TDivUzevButton>("TGraphicControl", [](TPublish<TDivUzevButton>& P) {
    using C = TDivUzevButton;
    P.Color("Color", &C::Color, &C::SetColor).Default(clBtnFace).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Integer("GroupIndex", &C::GroupIndex, &C::SetGroupIndex).Default(0);
    P.Object("Glyph", &C::Glyph);
    P.Bool("AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp).Default(false);
    P.Enum("Style", &C::Style, &C::SetStyle).Default(tasButton);
    // Down after the group and the style that decide what it means.
    P.Bool("Down", &C::Down, &C::SetDown).Default(false);
    P.String("Caption", &C::Caption, &C::SetCaption);
    P.Enum("Layout", &C::Layout, &C::SetLayout).Default(blGlyphLeft);
    P.Integer("Spacing", &C::Spacing, &C::SetSpacing).Default(4);
    P.Bool("Transparent", &C::Transparent, &C::SetTransparent).Default(true);
    P.Integer("Margin", &C::Margin, &C::SetMargin).Default(-1);
    // A look sets the colours below it; the layout's own values follow it.
    P.Integer("Look", &C::Look, &C::SetLook).Default(0);
    P.Bool("Flat", &C::Flat, &C::SetFlat).Default(true);
    P.Color("ColorTo", &C::ColorTo, &C::SetColorTo).Default(clNone);
    P.Color("ColorHot", &C::ColorHot, &C::SetColorHot).Default(0xCAC7C7);
    P.Color("ColorHotTo", &C::ColorHotTo, &C::SetColorHotTo).Default(clNone);
    P.Color("ColorDown", &C::ColorDown, &C::SetColorDown).Default(0xD8D3D2);
    P.Color("ColorDownTo", &C::ColorDownTo, &C::SetColorDownTo).Default(clNone);
    P.Color("ColorChecked", &C::ColorChecked, &C::SetColorChecked).Default(0x808080);
    P.Color("ColorCheckedTo", &C::ColorCheckedTo, &C::SetColorCheckedTo).Default(clNone);
    P.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).Default(clNone);
    P.Color("BorderDownColor", &C::BorderDownColor, &C::SetBorderDownColor).Default(clNone);
    P.Color("BorderHotColor", &C::BorderHotColor, &C::SetBorderHotColor).Default(clNone);
    P.Object("GlyphDisabled", &C::GlyphDisabled);
    P.Object("GlyphHot", &C::GlyphHot);
    P.Object("GlyphDown", &C::GlyphDown);
    P.Bool("Shaded", &C::Shaded, &C::SetShaded).Default(true);
    P.Bool("Rounded", &C::Rounded, &C::SetRounded).Default(false);
    P.Bool("DropDownButton", &C::DropDownButton, &C::SetDropDownButton).Default(false);
    P.Component("DropDownMenu", &C::DropDownMenu, &C::SetDropDownMenu);
    P.Bool("AutoThemeAdapt", &C::AutoThemeAdapt, &C::SetAutoThemeAdapt).Default(false);
    P.Bool("AutoXPStyle", &C::AutoXPStyle, &C::SetAutoXPStyle).Default(false);
    P.Bool("ShowCaption", &C::ShowCaption, &C::SetShowCaption).Default(true);
    P.Event("OnDropDown", &C::OnDropDown);
  });
});

}  // namespace

void LinkGridCheckPublished() {}
