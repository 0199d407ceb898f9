// The drop-down controls' visual-styles binding.
#include "controls/dropdown/ATXPVS.h"

#include <utility>

namespace {
struct TDropDownUxThemeState {
  bool Available = false;
  TThemeLibrary Library = OwnThemeLibraryProc;
  // The library as loaded (its "handle"), kept until the binding is freed.
  TThemeLibrary Handle;
  TUxThemeEntries Entries;
  int UnitCount = 0;
};

TDropDownUxThemeState& State() {
  static TDropDownUxThemeState s;
  return s;
}
}  // namespace

void SetDropDownUxThemeLibrary(TThemeLibrary Library) { State().Library = std::move(Library); }

void LoadDropDownUxTheme() {
  TDropDownUxThemeState& s = State();
  if (s.Available) return;
  const TThemeLibrary& lib = s.Library;
  if (!lib) return;
  TUxThemeEntries bound;
  // A missing name makes the whole library unusable: nothing half-bound is
  // left for the drawing code to call.
  if (!BindUxThemeEntries(lib, bound)) return;
  s.Handle = lib;
  s.Entries = bound;
  s.Available = true;
}

void FreeDropDownUxTheme() {
  TDropDownUxThemeState& s = State();
  if (!s.Available) return;
  s.Entries = TUxThemeEntries();
  s.Handle = nullptr;
  s.Available = false;
}

bool DropDownUxThemeLoaded() { return State().Available; }

const TUxThemeEntries& DropDownUxTheme() { return State().Entries; }

bool DropDownUxThemeActive() { return State().Available && State().Entries.IsThemeActive(); }

void InitializeATXPVSUnit() {
  if (State().UnitCount++ == 0) LoadDropDownUxTheme();
}

void FinalizeATXPVSUnit() {
  TDropDownUxThemeState& s = State();
  if (s.UnitCount == 0) return;
  if (--s.UnitCount == 0) FreeDropDownUxTheme();
}
