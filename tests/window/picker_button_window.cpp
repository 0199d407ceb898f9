// A colour picker with its list, one with the spectrum, and a push button
// linked to an action, for checking them by hand or by script under a real
// display. Writes "ready" with the screen centres of the list picker's
// arrow, the spectrum picker's arrow and the button, then one line per
// event: "color <hex> <index> <text>", "execute" for the action.
#include <cstdio>
#include <string>

#include "Say.h"
#include "controls/button/LbButton.h"
#include "controls/dropdown/VevColorPickerDropDown.h"
#include "framework/controls/ActnList.h"
#include "framework/controls/Forms.h"
#include "framework/controls/StdCtrls.h"
#include "framework/rtl/Format.h"

namespace {

std::string Centre(TControl* C) {
  const TPoint p = C->ClientToScreen(TPoint(C->Width() / 2, C->Height() / 2));
  return std::to_string(p.X) + "," + std::to_string(p.Y);
}

}  // namespace

int main() {
  Application->Initialize();
  auto* form = Application->CreateForm<TForm>();
  form->SetCaption("Picker and button check");
  form->SetBounds(40, 40, 520, 360);

  auto* list = NewDropDown<TVevColorPickerDropDown>(form);
  list->SetParent(form);
  list->SetBounds(20, 20, 200, 21);
  list->AddDefaultColors();
  list->SetColorValueText(cvtHTML);
  auto* spectrum = NewDropDown<TVevColorPickerDropDown>(form);
  spectrum->SetParent(form);
  spectrum->SetBounds(260, 20, 200, 21);
  spectrum->SetColorSelectionStyle(csSpectrum);
  spectrum->SetColorValueText(cvtHTML);
  for (auto* p : {list, spectrum})
    p->OnSelect = [p](TObject*) {
      Say("color " + Format("%.6x", {static_cast<int64_t>(p->SelectedColor())}) + " " +
          std::to_string(p->ItemIndex()) + " " + p->SelectedColorText());
    };

  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetBounds(20, 240, 300, 20);
  label->SetCaption("Saved 0 times");
  auto* act = new TAction(form);
  act->SetCaption("&Save");
  act->SetHint("Save the table");
  int saved = 0;
  act->OnExecute = [&](TObject*) {
    ++saved;
    label->SetCaption("Saved " + std::to_string(saved) + " times");
    Say("execute");
    // The third save greys the action, and the button with it.
    if (saved == 3) act->SetEnabled(false);
  };
  auto* button = new TLbButton(form);
  button->SetParent(form);
  button->SetBounds(20, 200, 100, 25);
  button->SetAction(act);

  form->Show();
  Application->ProcessMessages();
  Say("ready " + Centre(list->Button()) + " " + Centre(spectrum->Button()) + " " + Centre(button));
  Application->Run();
  return 0;
}
