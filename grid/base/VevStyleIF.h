#pragma once
// The look vocabulary shared by the grid and the drop-down controls (the
// 16 look presets, colour tones and the two interfaces through which a
// component is given them), the probes that tell which system and Office
// colour theme is current, and the process-wide theme notifier.
//
// The system probes answer for the system the framework stands in for:
// XP or later, Vista or later and common controls 6 all hold, so the
// looks are the modern ones. Tests may pretend another system
// (SetSystemProbes).
//
// The Office theme lives in the registry, here the framework's stand-in
// over INI files, which no Office ever writes: on a real machine
// GetOfficeVersion answers 0 and the notifier starts no thread. When the
// keys do exist (tests write them), the monitor thread watches the key the
// only way the stand-in allows: it compares a snapshot of the key's values
// every PollInterval milliseconds, instead of waiting for a change
// notification, and tells the windows on the GUI thread when one changed.
//
// The notifier's classes are declared in VevStyleIF_Notifier.h, so the
// many users of the vocabulary do not pull in windows, threads and the
// registry.
#include <string>

#include "framework/controls/Messages.h"
#include "framework/graphics/Graphics.h"

class TRegistry;
class TThemeNotifier;
class TWinControl;

// ---------------------------------------------------------------------------
// Look vocabulary

enum TVyxStyle {
  tsOffice2003Blue,
  tsOffice2003Silver,
  tsOffice2003Olive,
  tsOffice2003Classic,
  tsOffice2007Luna,
  tsOffice2007Obsidian,
  tsWindowsXP,
  tsWhidbey,
  tsCustom,
  tsOffice2007Silver,
  tsWindowsVista,
  tsWindows7,
  tsTerminal,
  tsOffice2010Blue,
  tsOffice2010Silver,
  tsOffice2010Black
};

enum TOfficeTheme {
  ot2003Blue,
  ot2003Silver,
  ot2003Olive,
  ot2003Classic,
  ot2007Blue,
  ot2007Silver,
  ot2007Black,
  ot2010Blue,
  ot2010Silver,
  ot2010Black,
  otUnknown
};

struct TColorTone {
  TColor BrushColor = clNone;
  TColor BorderColor = clNone;
  TColor TextColor = clNone;
};

struct TColorTones {
  TColorTone Background;
  TColorTone Foreground;
  TColorTone Selected;
  TColorTone Hover;
  TColorTone Disabled;
};

// A component that takes one of the look presets.
class IVyxStyle {
 public:
  virtual ~IVyxStyle() = default;
  virtual void SetComponentStyle(TVyxStyle AStyle) = 0;
};

// A component that takes a set of colour tones.
class IVyxTones {
 public:
  virtual ~IVyxTones() = default;
  virtual void SetColorTones(const TColorTones& ATones) = 0;
};

// ---------------------------------------------------------------------------
// Probes (none caches its answer)

struct TSystemProbes {
  bool WindowsXPOrLater = true;
  bool WindowsVistaOrLater = true;
  bool ComCtl6 = true;
};
// Tests pretend another system; a default TSystemProbes restores ours.
void SetSystemProbes(const TSystemProbes& Probes);

bool IsWindowsXPOrLater();
bool IsWindowsVistaOrLater();
bool IsComCtl6();
// "Segoe UI" from Vista on, else "Tahoma".
std::string GetDefaultFontName();
// 2 with the Office 14.0 settings key under HKEY_CURRENT_USER, else 1 with
// the 12.0 key, else 0.
int GetOfficeVersion();
// The integer value "Theme" of the key; -1 when the key or value is missing
// (or is not an integer).
int ReadOfficeThemeValue(TRegistry& Registry, const std::string& Key);
// 1 "NormalColor", 2 "HomeStead", 3 "Metallic" in the colour name of the
// current theme; 0 without an active theme or another name.
int GetXPColorScheme();
TOfficeTheme GetOfficeTheme();

// The message the notifier sends: WParam the root key, LParam the key path
// (a NUL-terminated UTF-8 text, valid during the call only).
constexpr UINT WM_OFFICETHEMECHANGE = WM_USER + 1969;

// The process-wide notifier, made on first use: owned by the main form when
// it has a window, else by the asking grid.
TThemeNotifier* GetThemeNotifier(TWinControl* AskingGrid);
// The notifier when one exists (no creation).
TThemeNotifier* CurrentThemeNotifier();
