// Published tables of the drop-down pop-ups' strip settings and strip
// buttons, as stored layouts carry them (a drop-down's own header and
// footer, and the grid's control look).
#include "grid/base/VevDropDownAppearance_Published.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"

namespace {

template <class C>
void PublishStripButton(TPublish<C>& P, bool Footer) {
  P.String("Caption", &C::Caption, &C::SetCaption);
  P.Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1);
  if constexpr (requires(C * c) { c->ModalResult(); }) {
    if (Footer) P.Integer("ModalResult", &C::ModalResult, &C::SetModalResult).Default(0);
  }
  P.Bool("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
  P.Integer("Height", &C::Height, &C::SetHeight).Default(0);
  P.Integer("Width", &C::Width, &C::SetWidth).Default(0);
}

template <class C>
void PublishStrip(TPublish<C>& P, bool Footer) {
  P.Bool("Visible", &C::Visible, &C::SetVisible).Default(true);
  P.Integer("Height", &C::Height, &C::SetHeight).Default(22);
  P.Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth).Default(1);
  if constexpr (requires(C * c) { c->SizeGrip(); }) {
    if (Footer) P.Bool("SizeGrip", &C::SizeGrip, &C::SetSizeGrip).Default(true);
  }
  P.Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1);
  P.String("Caption", &C::Caption, &C::SetCaption);
  P.Color("ColorTo", &C::ColorTo, &C::SetColorTo).Default(static_cast<TColor>(0xFFFFFF));
  P.Color("Color", &C::Color, &C::SetColor).Default(static_cast<TColor>(0xC0C0C0));
  P.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).Default(static_cast<TColor>(0));
  P.Object("Font", &C::Font);
  P.Collection("Buttons", &C::Buttons);
  P.Enum("GradientDirection", &C::GradientDirection, &C::SetGradientDirection).Default(gdVertical);
  P.Enum("ButtonAlignment", &C::ButtonAlignment, &C::SetButtonAlignment).Default(baRight);
}

const TPublishedRegistrar kVevDropDownAppearanceTables([] {
  PublishClass<THeaderButton>("TCollectionItem",
                              [](TPublish<THeaderButton>& P) { PublishStripButton(P, false); });
  PublishClass<TFooterButton>("TCollectionItem",
                              [](TPublish<TFooterButton>& P) { PublishStripButton(P, true); });
  PublishClass<THeaderButtons>("TCollection", [](TPublish<THeaderButtons>&) {});
  PublishClass<TFooterButtons>("TCollection", [](TPublish<TFooterButtons>&) {});
  PublishClass<THeaderAppearance>("TPersistent",
                                  [](TPublish<THeaderAppearance>& P) { PublishStrip(P, false); });
  PublishClass<TFooterAppearance>("TPersistent",
                                  [](TPublish<TFooterAppearance>& P) { PublishStrip(P, true); });
  PublishClass<TVevButtonAppearance>("TPersistent", [](TPublish<TVevButtonAppearance>& P) {
    using C = TVevButtonAppearance;
    P.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).Default(clNone);
    P.Color("BorderColorHot", &C::BorderColorHot, &C::SetBorderColorHot)
        .Default(static_cast<TColor>(0x808080));
    P.Color("BorderColorDown", &C::BorderColorDown, &C::SetBorderColorDown)
        .Default(static_cast<TColor>(0x800000));
    P.Color("BorderColorDisabled", &C::BorderColorDisabled, &C::SetBorderColorDisabled)
        .Default(static_cast<TColor>(0x808080));
    P.Color("Color", &C::Color, &C::SetColor).Default(clNone);
    P.Color("ColorTo", &C::ColorTo, &C::SetColorTo).Default(clNone);
    P.Color("ColorDown", &C::ColorDown, &C::SetColorDown).Default(static_cast<TColor>(0xF5D8CA));
    P.Color("ColorDownTo", &C::ColorDownTo, &C::SetColorDownTo).Default(static_cast<TColor>(0xF9BDA0));
    P.Color("ColorHot", &C::ColorHot, &C::SetColorHot).Default(static_cast<TColor>(0xF5F0E1));
    P.Color("ColorHotTo", &C::ColorHotTo, &C::SetColorHotTo).Default(static_cast<TColor>(0xF9D2B2));
    P.Color("ColorDisabled", &C::ColorDisabled, &C::SetColorDisabled).Default(static_cast<TColor>(0xF2F2F2));
    P.Color("ColorDisabledTo", &C::ColorDisabledTo, &C::SetColorDisabledTo).Default(clNone);
    P.Enum("Gradient", &C::Gradient, &C::SetGradient).Default(gdVertical);
    P.Object("Font", &C::Font);
  });
});

}  // namespace

// The strip settings' constructors call this, so the linker keeps the tables.
void LinkVevDropDownAppearancePublished() {}
