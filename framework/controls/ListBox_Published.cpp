// Published tables of the list box and the combo box.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/ComboBox.h"
#include "framework/controls/Controls_Published.h"
#include "framework/controls/ListBox.h"

CF_ENUM_IDENTS(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable)
CF_ENUM_IDENTS(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)

void RegisterListBoxPublished() {
  // The item index waits for the items, wherever a layout puts it.
  PublishClass<TCustomListBox>("TScrollBarsWindow", [](TPublish<TCustomListBox>& P) {
    using C = TCustomListBox;
    P.Color("Color", &C::Color, &C::SetColor).Default(clWindow).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsSingle);
    P.Bool("ExtendedSelect", &C::ExtendedSelect, &C::SetExtendedSelect).Default(true);
    P.Integer("ItemHeight", &C::ItemHeight, &C::SetItemHeight).Stored([](C* c) {
      return c->Style() != lbStandard;
    });
    P.Strings("Items", [](C* c) { return c->Items(); });
    P.Integer("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1).AppliedLast();
    P.Bool("MultiSelect", &C::MultiSelect, &C::SetMultiSelect).Default(false);
    P.Integer("ScrollWidth", &C::ScrollWidth, &C::SetScrollWidth).Default(0);
    P.Bool("Sorted", &C::Sorted, &C::SetSorted).Default(false);
    P.Enum("Style", &C::Style, &C::SetStyle).Default(lbStandard);
    P.Event("OnDrawItem", &C::OnDrawItem);
    P.Event("OnMeasureItem", &C::OnMeasureItem);
  });
  PublishClass<TListBox>("TCustomListBox", [](TPublish<TListBox>&) {});

  // A combo box keeps its text in its items; the edit's text is not stored
  // for the list styles.
  PublishClass<TCustomComboBox>("TCustomEdit", [](TPublish<TCustomComboBox>& P) {
    using C = TCustomComboBox;
    P.Bool("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(false);
    P.Bool("AutoComplete", &C::AutoComplete, &C::SetAutoComplete).Default(true);
    P.Integer("DropDownCount", &C::DropDownCount, &C::SetDropDownCount).Default(8);
    P.Integer("ItemHeight", &C::ItemHeight, &C::SetItemHeight).Stored([](C* c) {
      return c->Style() == csOwnerDrawFixed || c->Style() == csOwnerDrawVariable;
    });
    P.Bool("Sorted", &C::Sorted, &C::SetSorted).Default(false);
    P.Enum("Style", &C::Style, &C::SetStyle).Default(csDropDown);
    P.String("Text", &C::Text, &C::SetText).Stored([](C* c) {
      return c->Style() == csDropDown || c->Style() == csSimple;
    });
    P.Strings("Items", [](C* c) { return c->Items(); });
    P.Integer("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1).AppliedLast();
    P.Event("OnCloseUp", &C::OnCloseUp);
    P.Event("OnDrawItem", &C::OnDrawItem);
    P.Event("OnDropDown", &C::OnDropDown);
    P.Event("OnMeasureItem", &C::OnMeasureItem);
    P.Event("OnSelect", &C::OnSelect);
  });
  PublishClass<TComboBox>("TCustomComboBox", [](TPublish<TComboBox>&) {});
}
