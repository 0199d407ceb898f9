// The looks of each drop-down kind right after construction: the base's
// look preset runs first, so every kind's own defaults stand over it.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/dropdown/VevCalculatorDropdown.h"
#include "controls/dropdown/VevColorPickerDropDown.h"
#include "controls/dropdown/VevCustomGridDropDown.h"
#include "controls/dropdown/VevDetailDropDown.h"
#include "controls/dropdown/VevImagePickerDropDown.h"
#include "controls/dropdown/VevItemSelector.h"
#include "controls/dropdown/VevMultiColumnDropDown.h"
#include "controls/dropdown/VevTimePickerDropDown.h"
#include "support/Input.h"

namespace {

using namespace testinput;

struct TExpect {
  const char* What;
  std::function<TColor()> Read;
  TColor Want;
};

struct TKindDefaults {
  const char* Kind;
  // Makes the kind on Owner and lists what to read from it.
  std::function<std::vector<TExpect>(TForm* Owner)> Make;
};

// The item colours a new item appearance has of its own (the Office 2007
// selection look), not those of the Luna look preset (hot 0xEBFDFF ...).
std::vector<TExpect> ItemLooks(TItemAppearance* A) {
  return {{"ItemAppearance.ColorHot", [A] { return A->ColorHot(); }, 0xD7FFFD},
          {"ItemAppearance.ColorHotTo", [A] { return A->ColorHotTo(); }, 0x58D4FC},
          {"ItemAppearance.ColorSelected", [A] { return A->ColorSelected(); }, 0xA6FFFB},
          {"ItemAppearance.ColorSelectedTo", [A] { return A->ColorSelectedTo(); }, 0x04B9F4}};
}

template <class T>
std::vector<TExpect> GridLooks(T* D, TColor Selection) {
  return {{"DropDownColor", [D] { return D->DropDownColor(); }, 0xFFFFFF},
          {"HeaderColor", [D] { return D->HeaderColor(); }, 0xFFFFFF},
          {"HeaderColorTo", [D] { return D->HeaderColorTo(); }, 0x808080},
          {"LineColor", [D] { return D->LineColor(); }, 0xF1EDEB},
          {"FixedLineColor", [D] { return D->FixedLineColor(); }, 0xD1BBA4},
          {"SelectionColor", [D] { return D->SelectionColor(); }, Selection},
          {"SelectionTextColor", [D] { return D->SelectionTextColor(); }, 0}};
}

const std::vector<TKindDefaults>& Kinds() {
  static const std::vector<TKindDefaults> k = {
      {"detail",
       [](TForm* f) {
         auto* d = NewDropDown<TVevDetailDropDown>(f);
         auto e = ItemLooks(d->ItemAppearance());
         e.push_back({"DropDownColor (preset)", [d] { return d->DropDownColor(); }, 0xF3E5DA});
         return e;
       }},
      {"image picker",
       [](TForm* f) { return ItemLooks(NewDropDown<TVevImagePickerDropDown>(f)->ItemAppearance()); }},
      {"colour picker",
       [](TForm* f) { return ItemLooks(NewDropDown<TVevColorPickerDropDown>(f)->ItemAppearance()); }},
      {"calculator",
       [](TForm* f) {
         auto* d = NewDropDown<TVevCalculatorDropdown>(f);
         // The keys still take the preset's button looks.
         return std::vector<TExpect>{
             {"DropDownColor", [d] { return d->DropDownColor(); }, 0xFFFFFF},
             {"CalcButtonAppearance.Color", [d] { return d->CalcButtonAppearance()->Color(); },
              d->ButtonAppearance()->Color()},
             {"CalcButtonAppearance.ColorHot", [d] { return d->CalcButtonAppearance()->ColorHot(); },
              d->ButtonAppearance()->ColorHot()},
             {"CalcButtonAppearance.GlowColorDown",
              [d] { return d->CalcButtonAppearance()->GlowColorDown(); }, 0xD5C244}};
       }},
      {"grid drop-down",
       [](TForm* f) {
         auto* d = NewDropDown<TCustomDivUzevDropDown>(f);
         auto e = GridLooks(d, 0xD7FFFD);
         // The header font was made before the preset ran and keeps its colour.
         e.push_back({"HeaderFont.Color", [d] { return d->HeaderFont()->Color(); }, 0x723708});
         return e;
       }},
      {"multi-column",
       [](TForm* f) {
         auto* d = NewDropDown<TVevMultiColumnDropDown>(f);
         auto e = GridLooks(d, 0xD7FFFD);
         e.push_back({"DropDownHeight", [d] { return static_cast<TColor>(d->DropDownHeight()); }, 200});
         return e;
       }},
      {"time picker",
       [](TForm* f) {
         auto* d = NewDropDown<TVevTimePickerDropDown>(f);
         return std::vector<TExpect>{
             {"DropDownColor (preset)", [d] { return d->DropDownColor(); }, 0xF3E5DA}};
       }},
  };
  return k;
}

TEST(VevDropDownKinds, EachKindsOwnDefaultsStandOverTheLookPreset) {
  TForm* form = NewPointerForm();
  for (const TKindDefaults& k : Kinds()) {
    for (const TExpect& e : k.Make(form)) {
      SCOPED_TRACE(std::string(k.Kind) + ": " + e.What);
      EXPECT_EQ(static_cast<uint32_t>(e.Read()), static_cast<uint32_t>(e.Want));
    }
  }
  FreePointerForm(form);
}

}  // namespace
