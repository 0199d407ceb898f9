#pragma once
// The grid family's binding of the visual-styles library: one table of 45
// entry points, filled once at program start-up by LoadUxTheme and emptied
// by FreeUxTheme at shut-down. Themed drawing of check boxes, buttons,
// headers, combo and spin buttons calls through this table only after
// UxThemeLoaded() and its own probes (IsThemeActive, common controls 6)
// say yes; otherwise it draws the classic way. An entry that is not bound
// is never called.
//
// The library itself is a stand-in: by default our own themed drawing of
// framework/graphics/Themes.h, answering each of the 45 names
// (OwnThemeLibraryProc). SetUxThemeLibrary swaps it, or removes it to stand
// for a system without the library. A library that lacks any of the 45
// names counts as not there at all: the table stays empty and start-up goes
// on, so no caller ever reaches an unbound entry.
//
// Text arguments are UTF-8; HDC is the canvas, as everywhere in the
// framework's device-context routines.
#include <cstdint>
#include <functional>
#include <string>

#include "framework/controls/Messages.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/Themes.h"

class TImageList;

// Results of property queries the theme does not hold (E_NOTIMPL comes with
// the other results).
constexpr HRESULT E_PROP_ID_UNSUPPORTED = static_cast<HRESULT>(0x80070490u);

struct MARGINS {
  int cxLeftWidth = 0;
  int cxRightWidth = 0;
  int cyTopHeight = 0;
  int cyBottomHeight = 0;
};

struct INTLIST {
  int iValueCount = 0;
  int iValues[402] = {};
};

// Application theme properties.
constexpr unsigned STAP_ALLOW_NONCLIENT = 1;
constexpr unsigned STAP_ALLOW_CONTROLS = 2;
constexpr unsigned STAP_ALLOW_WEBCONTENT = 4;

// The bound entry points, in the order they are bound.
struct TUxThemeEntries {
  HTHEME (*OpenThemeData)(uintptr_t Wnd, const std::string& ClassList) = nullptr;
  HRESULT (*CloseThemeData)(HTHEME Theme) = nullptr;
  HRESULT(*DrawThemeBackground)
  (HTHEME Theme, HDC DC, int PartId, int StateId, const TRect& R, const TRect* Clip) = nullptr;
  HRESULT(*DrawThemeText)
  (HTHEME Theme, HDC DC, int PartId, int StateId, const std::string& Text, unsigned TextFlags,
   unsigned TextFlags2, const TRect& R) = nullptr;
  HRESULT(*GetThemeBackgroundContentRect)
  (HTHEME Theme, HDC DC, int PartId, int StateId, const TRect& Bounding, TRect* Content) = nullptr;
  HRESULT(*GetThemeBackgroundExtent)
  (HTHEME Theme, HDC DC, int PartId, int StateId, const TRect& Content, TRect* Extent) = nullptr;
  HRESULT(*GetThemeTextExtent)
  (HTHEME Theme, HDC DC, int PartId, int StateId, const std::string& Text, unsigned TextFlags,
   const TRect* Bounding, TRect* Extent) = nullptr;
  HRESULT(*GetThemeTextMetrics)
  (HTHEME Theme, HDC DC, int PartId, int StateId, TTextMetric* Metrics) = nullptr;
  HRESULT(*GetThemeBackgroundRegion)
  (HTHEME Theme, HDC DC, int PartId, int StateId, const TRect& R, HRGN* Region) = nullptr;
  HRESULT(*HitTestThemeBackground)
  (HTHEME Theme, HDC DC, int PartId, int StateId, unsigned Options, const TRect& R, HRGN Region, TPoint Test,
   WORD* HitTestCode) = nullptr;
  HRESULT(*DrawThemeEdge)
  (HTHEME Theme, HDC DC, int PartId, int StateId, const TRect& DestRect, unsigned Edge, unsigned Flags,
   TRect* ContentRect) = nullptr;
  HRESULT(*DrawThemeIcon)
  (HTHEME Theme, HDC DC, int PartId, int StateId, const TRect& R, TImageList* Images,
   int ImageIndex) = nullptr;
  bool (*IsThemePartDefined)(HTHEME Theme, int PartId, int StateId) = nullptr;
  bool (*IsThemeBackgroundPartiallyTransparent)(HTHEME Theme, int PartId, int StateId) = nullptr;
  HRESULT (*GetThemeColor)(HTHEME Theme, int PartId, int StateId, int PropId, TColor* Color) = nullptr;
  HRESULT (*GetThemeMetric)(HTHEME Theme, HDC DC, int PartId, int StateId, int PropId, int* Value) = nullptr;
  HRESULT (*GetThemeString)(HTHEME Theme, int PartId, int StateId, int PropId, std::string* Value) = nullptr;
  HRESULT (*GetThemeBool)(HTHEME Theme, int PartId, int StateId, int PropId, bool* Value) = nullptr;
  HRESULT (*GetThemeInt)(HTHEME Theme, int PartId, int StateId, int PropId, int* Value) = nullptr;
  HRESULT (*GetThemeEnumValue)(HTHEME Theme, int PartId, int StateId, int PropId, int* Value) = nullptr;
  HRESULT (*GetThemePosition)(HTHEME Theme, int PartId, int StateId, int PropId, TPoint* Value) = nullptr;
  HRESULT (*GetThemeFont)(HTHEME Theme, HDC DC, int PartId, int StateId, int PropId, TFont* Font) = nullptr;
  HRESULT (*GetThemeRect)(HTHEME Theme, int PartId, int StateId, int PropId, TRect* Value) = nullptr;
  HRESULT(*GetThemeMargins)
  (HTHEME Theme, HDC DC, int PartId, int StateId, int PropId, const TRect* R, MARGINS* Margins) = nullptr;
  HRESULT (*GetThemeIntList)(HTHEME Theme, int PartId, int StateId, int PropId, INTLIST* List) = nullptr;
  HRESULT(*SetWindowTheme)
  (uintptr_t Wnd, const std::string& SubAppName, const std::string& SubIdList) = nullptr;
  HRESULT(*GetThemeFilename)
  (HTHEME Theme, int PartId, int StateId, int PropId, std::string* FileName) = nullptr;
  TColor (*GetThemeSysColor)(HTHEME Theme, int ColorId) = nullptr;
  HBRUSH (*GetThemeSysColorBrush)(HTHEME Theme, int ColorId) = nullptr;
  bool (*GetThemeSysBool)(HTHEME Theme, int BoolId) = nullptr;
  int (*GetThemeSysSize)(HTHEME Theme, int SizeId) = nullptr;
  HRESULT (*GetThemeSysFont)(HTHEME Theme, int FontId, TFont* Font) = nullptr;
  HRESULT (*GetThemeSysString)(HTHEME Theme, int StringId, std::string* Value) = nullptr;
  HRESULT (*GetThemeSysInt)(HTHEME Theme, int IntId, int* Value) = nullptr;
  bool (*IsThemeActive)() = nullptr;
  bool (*IsAppThemed)() = nullptr;
  HTHEME (*GetWindowTheme)(uintptr_t Wnd) = nullptr;
  HRESULT (*EnableThemeDialogTexture)(uintptr_t Wnd, unsigned Flags) = nullptr;
  bool (*IsThemeDialogTextureEnabled)(uintptr_t Wnd) = nullptr;
  unsigned (*GetThemeAppProperties)() = nullptr;
  void (*SetThemeAppProperties)(unsigned Flags) = nullptr;
  HRESULT(*GetCurrentThemeName)
  (std::string* ThemeFileName, std::string* ColorName, std::string* SizeName) = nullptr;
  HRESULT(*GetThemeDocumentationProperty)
  (const std::string& ThemeName, const std::string& PropertyName, std::string* Value) = nullptr;
  HRESULT (*DrawThemeParentBackground)(uintptr_t Wnd, HDC DC, const TRect* R) = nullptr;
  HRESULT (*EnableTheming)(bool Enable) = nullptr;
};

// An entry point as a library hands it out: cast to its typed slot.
using TThemeProc = void (*)();
// A loaded library: the entry point of a name, nullptr when it has none.
using TThemeLibrary = std::function<TThemeProc(const std::string& Name)>;

// The library LoadUxTheme loads. An empty function stands for a system
// without it. The default is OwnThemeLibraryProc.
void SetUxThemeLibrary(TThemeLibrary Library);
const TThemeLibrary& UxThemeLibrary();
// Our themed drawing under the library's 45 names; nullptr for any other.
TThemeProc OwnThemeLibraryProc(const std::string& Name);

// The 45 names in binding order.
extern const char* const UxThemeEntryNames[45];

// Binds the 45 entries of Library into Entries by name, in binding order;
// false at the first name the library lacks (Entries is then partly
// filled and must not be used).
bool BindUxThemeEntries(const TThemeLibrary& Library, TUxThemeEntries& Entries);

// Start-up: nothing when already loaded; otherwise loads the library and
// binds the 45 entries by name. Without the library, or when one name does
// not resolve, nothing stays bound and UxThemeLoaded() stays false.
void LoadUxTheme();
// Shut-down: frees the library and empties the table when it was loaded.
void FreeUxTheme();
bool UxThemeLoaded();
// The bound entries (all empty while not loaded).
const TUxThemeEntries& UxTheme();
// Loaded and the theme is on: callers may draw themed.
bool UxThemeActive();
