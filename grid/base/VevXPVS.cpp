// The visual-styles binding: the library loaded at start-up and its 45
// entry points bound by name into one table.
#include "grid/base/VevXPVS.h"

#include <utility>

const char* const UxThemeEntryNames[45] = {"OpenThemeData",
                                           "CloseThemeData",
                                           "DrawThemeBackground",
                                           "DrawThemeText",
                                           "GetThemeBackgroundContentRect",
                                           "GetThemeBackgroundExtent",
                                           "GetThemeTextExtent",
                                           "GetThemeTextMetrics",
                                           "GetThemeBackgroundRegion",
                                           "HitTestThemeBackground",
                                           "DrawThemeEdge",
                                           "DrawThemeIcon",
                                           "IsThemePartDefined",
                                           "IsThemeBackgroundPartiallyTransparent",
                                           "GetThemeColor",
                                           "GetThemeMetric",
                                           "GetThemeString",
                                           "GetThemeBool",
                                           "GetThemeInt",
                                           "GetThemeEnumValue",
                                           "GetThemePosition",
                                           "GetThemeFont",
                                           "GetThemeRect",
                                           "GetThemeMargins",
                                           "GetThemeIntList",
                                           "SetWindowTheme",
                                           "GetThemeFilename",
                                           "GetThemeSysColor",
                                           "GetThemeSysColorBrush",
                                           "GetThemeSysBool",
                                           "GetThemeSysSize",
                                           "GetThemeSysFont",
                                           "GetThemeSysString",
                                           "GetThemeSysInt",
                                           "IsThemeActive",
                                           "IsAppThemed",
                                           "GetWindowTheme",
                                           "EnableThemeDialogTexture",
                                           "IsThemeDialogTextureEnabled",
                                           "GetThemeAppProperties",
                                           "SetThemeAppProperties",
                                           "GetCurrentThemeName",
                                           "GetThemeDocumentationProperty",
                                           "DrawThemeParentBackground",
                                           "EnableTheming"};

namespace {
struct TUxThemeState {
  bool Loaded = false;
  TThemeLibrary Library = OwnThemeLibraryProc;
  // The library as loaded (its "handle"), kept until FreeUxTheme.
  TThemeLibrary Handle;
  TUxThemeEntries Entries;
};

TUxThemeState& State() {
  static TUxThemeState s;
  return s;
}

// Binds one entry; false when the library lacks the name.
template <class F>
bool Bind(const TThemeLibrary& Lib, int& Index, F& Slot) {
  TThemeProc p = Lib(UxThemeEntryNames[Index++]);
  if (p == nullptr) return false;
  Slot = reinterpret_cast<F>(p);
  return true;
}

}  // namespace

bool BindUxThemeEntries(const TThemeLibrary& L, TUxThemeEntries& e) {
  int i = 0;
  return Bind(L, i, e.OpenThemeData) && Bind(L, i, e.CloseThemeData) && Bind(L, i, e.DrawThemeBackground) &&
         Bind(L, i, e.DrawThemeText) && Bind(L, i, e.GetThemeBackgroundContentRect) &&
         Bind(L, i, e.GetThemeBackgroundExtent) && Bind(L, i, e.GetThemeTextExtent) &&
         Bind(L, i, e.GetThemeTextMetrics) && Bind(L, i, e.GetThemeBackgroundRegion) &&
         Bind(L, i, e.HitTestThemeBackground) && Bind(L, i, e.DrawThemeEdge) && Bind(L, i, e.DrawThemeIcon) &&
         Bind(L, i, e.IsThemePartDefined) && Bind(L, i, e.IsThemeBackgroundPartiallyTransparent) &&
         Bind(L, i, e.GetThemeColor) && Bind(L, i, e.GetThemeMetric) && Bind(L, i, e.GetThemeString) &&
         Bind(L, i, e.GetThemeBool) && Bind(L, i, e.GetThemeInt) && Bind(L, i, e.GetThemeEnumValue) &&
         Bind(L, i, e.GetThemePosition) && Bind(L, i, e.GetThemeFont) && Bind(L, i, e.GetThemeRect) &&
         Bind(L, i, e.GetThemeMargins) && Bind(L, i, e.GetThemeIntList) && Bind(L, i, e.SetWindowTheme) &&
         Bind(L, i, e.GetThemeFilename) && Bind(L, i, e.GetThemeSysColor) &&
         Bind(L, i, e.GetThemeSysColorBrush) && Bind(L, i, e.GetThemeSysBool) &&
         Bind(L, i, e.GetThemeSysSize) && Bind(L, i, e.GetThemeSysFont) && Bind(L, i, e.GetThemeSysString) &&
         Bind(L, i, e.GetThemeSysInt) && Bind(L, i, e.IsThemeActive) && Bind(L, i, e.IsAppThemed) &&
         Bind(L, i, e.GetWindowTheme) && Bind(L, i, e.EnableThemeDialogTexture) &&
         Bind(L, i, e.IsThemeDialogTextureEnabled) && Bind(L, i, e.GetThemeAppProperties) &&
         Bind(L, i, e.SetThemeAppProperties) && Bind(L, i, e.GetCurrentThemeName) &&
         Bind(L, i, e.GetThemeDocumentationProperty) && Bind(L, i, e.DrawThemeParentBackground) &&
         Bind(L, i, e.EnableTheming);
}

void SetUxThemeLibrary(TThemeLibrary Library) { State().Library = std::move(Library); }

const TThemeLibrary& UxThemeLibrary() { return State().Library; }

void LoadUxTheme() {
  TUxThemeState& s = State();
  if (s.Loaded) return;
  if (!s.Library) return;
  TUxThemeEntries bound;
  // A library with a name missing is of no use to callers that test only
  // the loaded flag: leave everything unbound instead of half of it.
  if (!BindUxThemeEntries(s.Library, bound)) return;
  s.Handle = s.Library;
  s.Entries = bound;
  s.Loaded = true;
}

void FreeUxTheme() {
  TUxThemeState& s = State();
  if (!s.Loaded) return;
  s.Entries = TUxThemeEntries();
  s.Handle = nullptr;
  s.Loaded = false;
}

bool UxThemeLoaded() { return State().Loaded; }

const TUxThemeEntries& UxTheme() { return State().Entries; }

bool UxThemeActive() { return State().Loaded && State().Entries.IsThemeActive(); }
