// Published tables of the drop-down unit: what stored layouts carry of the
// base control (the kinds publish their own selection of its properties),
// of the pop-up settings and of the item selector.
#include "controls/dropdown/VevDropDown_Published.h"
#include "controls/dropdown/VevItemSelector.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "framework/graphics/ImgList.h"
#include "grid/base/LabelPosition_Published.h"

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

const TPublishedRegistrar kVevDropDownTables([] {
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
  // The base control: the kinds publish their own selection of its
  // properties; every drop-down stores its two look values. Layouts make the
  // kinds through NewDropDown, so their construction is finished first.
  PublishClass<TVevUrizazEvuvUduz>("TCustomMaskEdit", [](TPublish<TVevUrizazEvuvUduz>& P) {
    using C = TVevUrizazEvuvUduz;
    P.NotCreatable();
    P.DefineInteger("SelectionColorStyle", &C::StoredSelectionColorStyle, &C::SetStoredSelectionColorStyle);
    P.DefineInteger("VyxStyle", &C::StoredVyxStyle, &C::SetStoredVyxStyle);
  });
  PublishClass<TSelectorItem>("TCollectionItem", [](TPublish<TSelectorItem>& P) {
    using C = TSelectorItem;
    P.String("Caption", &C::Caption, &C::SetCaption);
    P.Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1);
    P.Color("Color", &C::Color, &C::SetColor).Default(clNone);
    P.Object("Image", &C::Image);
    P.String("Hint", &C::Hint, &C::SetHint);
  });
  PublishClass<TSelectorItems>("TCollection", [](TPublish<TSelectorItems>&) {});
  PublishClass<TItemAppearance>("TPersistent", [](TPublish<TItemAppearance>& P) {
    using C = TItemAppearance;
    P.Color("ColorMirrorHotTo", &C::ColorMirrorHotTo, &C::SetColorMirrorHotTo);
    P.Color("BorderColor", &C::BorderColor, &C::SetBorderColor);
    P.Color("ColorMirrorHot", &C::ColorMirrorHot, &C::SetColorMirrorHot);
    P.Color("ColorSelectedTo", &C::ColorSelectedTo, &C::SetColorSelectedTo);
    P.Color("ColorSelected", &C::ColorSelected, &C::SetColorSelected);
    P.Color("EdgeColor", &C::EdgeColor, &C::SetEdgeColor);
    P.Color("ColorHotTo", &C::ColorHotTo, &C::SetColorHotTo);
    P.Color("BorderColorBottom", &C::BorderColorBottom, &C::SetBorderColorBottom);
    P.Color("ColorHot", &C::ColorHot, &C::SetColorHot);
    P.Color("BorderColorTop", &C::BorderColorTop, &C::SetBorderColorTop);
    P.Color("ColorMirrorSelectedTo", &C::ColorMirrorSelectedTo, &C::SetColorMirrorSelectedTo);
    P.Color("ColorMirrorSelected", &C::ColorMirrorSelected, &C::SetColorMirrorSelected);
    P.Color("ColorSelectedText", &C::ColorSelectedText, &C::SetColorSelectedText).Default(clBlack);
    P.Color("ColorHotText", &C::ColorHotText, &C::SetColorHotText).Default(clBlack);
    P.Object("Font", &C::Font);
    P.Color("BorderColorHot", &C::BorderColorHot, &C::SetBorderColorHot).Default(clNone);
    P.Color("BorderColorSelected", &C::BorderColorSelected, &C::SetBorderColorSelected).Default(clNone);
  });
  PublishClass<TVevCustomItemSelector>("TWinControl", [](TPublish<TVevCustomItemSelector>& P) {
    using C = TVevCustomItemSelector;
    P.Collection("Items", &C::Items);
    P.Enum("SelectorType", &C::SelectorType, &C::SetSelectorType).Default(stImage);
    P.Enum("ItemLayout", &C::ItemLayout, &C::SetItemLayout).Default(ilCaptionRight);
    P.Integer("Columns", &C::Columns, &C::SetColumns).Default(1);
    P.Integer("ColorBoxWidth", &C::ColorBoxWidth, &C::SetColorBoxWidth).Default(14);
    P.Integer("ColorBoxHeight", &C::ColorBoxHeight, &C::SetColorBoxHeight).Default(14);
    P.Component("Images", &C::Images, &C::SetImages);
    P.Object("ItemAppearance", &C::ItemAppearance);
    P.Event("OnItemSelect", &C::OnItemSelect);
    P.Event("OnDrawItem", &C::OnDrawItem);
    P.Event("OnItemSize", &C::OnItemSize);
  });
});

}  // namespace

// The drop-down's constructor calls this, so the linker keeps the tables.
void LinkVevDropDownPublished() {}
