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

const TPublishedRegistrar kVevDropDownTables([] {
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
