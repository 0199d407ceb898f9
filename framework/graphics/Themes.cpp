// The themed-drawing service: theme handles name a class of the visual
// styles; drawing goes to the canvas's painter, whose backend draws the part
// in the widget style's look. Sizes and colours answer what the classic
// look would use, so layouts stay put when theming is switched.
#include "framework/graphics/Themes.h"

#include <algorithm>
#include <cctype>

#include "framework/backend/Painter.h"
#include "framework/graphics/CanvasCall.h"
#include "framework/graphics/Gdi.h"

struct TThemeData {
  std::string ClassName;
};

namespace {
bool g_active = true;
std::string g_colorName = "NormalColor";

const char* const kClasses[] = {"button",      "combobox", "spin",      "header",   "progress", "edit",
                                "scrollbar",   "toolbar",  "tab",       "treeview", "window",   "listview",
                                "rebar",       "status",   "trackbar",  "tooltip",  "menu",     "globals",
                                "explorerbar", "page",     "datepicker"};

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

bool Disabled(const std::string& cls, int part, int state) {
  if (cls == "button") {
    if (part == BP_PUSHBUTTON) return state == PBS_DISABLED;
    if (part == BP_RADIOBUTTON || part == BP_CHECKBOX) return state % 4 == 0;
    if (part == BP_GROUPBOX) return state == GBS_DISABLED;
  }
  if (cls == "edit") return state == ETS_DISABLED;
  if (cls == "tab") return state == TIS_DISABLED;
  if (cls == "toolbar") return state == TS_DISABLED;
  if (cls == "combobox" || cls == "spin") return state == 4;
  return false;
}
}  // namespace

void SetThemeActive(bool Active) { g_active = Active; }
bool IsThemeActive() { return g_active; }
bool IsAppThemed() { return g_active; }
void SetCurrentThemeColorName(const std::string& ColorName) { g_colorName = ColorName; }

HRESULT GetCurrentThemeName(std::string* ThemeFileName, std::string* ColorName, std::string* SizeName) {
  if (!g_active) return E_FAIL;
  if (ThemeFileName) *ThemeFileName = "Luna.msstyles";
  if (ColorName) *ColorName = g_colorName;
  if (SizeName) *SizeName = "NormalSize";
  return S_OK;
}

HTHEME OpenThemeData(uintptr_t, const std::string& ClassList) {
  if (!g_active) return nullptr;
  size_t start = 0;
  while (start <= ClassList.size()) {
    size_t sep = ClassList.find(';', start);
    std::string name =
        Lower(Trim(ClassList.substr(start, sep == std::string::npos ? std::string::npos : sep - start)));
    // "Explorer::TreeView" style names select a sub-look; the class decides.
    size_t colons = name.rfind("::");
    if (colons != std::string::npos) name = name.substr(colons + 2);
    for (const char* k : kClasses)
      if (name == k) return new TThemeData{name};
    if (sep == std::string::npos) break;
    start = sep + 1;
  }
  return nullptr;
}

HRESULT CloseThemeData(HTHEME Theme) {
  delete Theme;
  return S_OK;
}

std::string ThemeClassName(HTHEME Theme) { return Theme ? Theme->ClassName : std::string(); }

HRESULT DrawThemeBackground(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect& R,
                            const TRect* Clip) {
  if (!Theme || !DC) return E_HANDLE;
  TCanvasCallScope s(DC, "DrawThemeBackground", [&](TCanvasCall& c) {
    c.ClassName = Theme->ClassName;
    c.Param1 = PartId;
    c.Param2 = StateId;
    c.Rect = R;
  });
  if (IsRectEmpty(R)) return S_OK;
  int saved = 0;
  if (Clip) {
    saved = DC->SaveDC();
    DC->IntersectClipRect(*Clip);
  }
  DC->ActivePainter()->DrawThemeElement({Theme->ClassName, PartId, StateId}, R);
  if (Clip) DC->RestoreDC(saved);
  return S_OK;
}

HRESULT DrawThemeText(HTHEME Theme, HDC DC, int PartId, int StateId, const std::string& Text,
                      unsigned TextFlags, unsigned, const TRect& R) {
  if (!Theme || !DC) return E_HANDLE;
  TCanvasCallScope s(DC, "DrawThemeText", [&](TCanvasCall& c) {
    c.ClassName = Theme->ClassName;
    c.Param1 = PartId;
    c.Param2 = StateId;
    c.Rect = R;
    c.Text = Text;
    c.Flags = TextFlags;
  });
  TColor color = clBtnText;
  GetThemeColor(Theme, PartId, StateId, TMT_TEXTCOLOR, &color);
  int saved = DC->SaveDC();
  DC->SetBkMode(TRANSPARENT);
  DC->SetTextColor(color);
  TRect r = R;
  DrawText(DC, Text, r, TextFlags);
  DC->RestoreDC(saved);
  return S_OK;
}

HRESULT DrawThemeParentBackground(uintptr_t, HDC DC, const TRect*) { return DC ? S_OK : E_HANDLE; }

HRESULT DrawThemeEdge(HTHEME Theme, HDC DC, int, int, const TRect& DestRect, unsigned Edge, unsigned Flags,
                      TRect* ContentRect) {
  if (!Theme || !DC) return E_HANDLE;
  TRect r = DestRect;
  DrawEdge(DC, r, Edge, Flags | BF_ADJUST);
  if (ContentRect) *ContentRect = r;
  return S_OK;
}

HRESULT GetThemeBackgroundContentRect(HTHEME Theme, HDC, int PartId, int, const TRect& Bounding,
                                      TRect* Content) {
  if (!Theme) return E_HANDLE;
  if (!Content) return E_INVALIDARG;
  TRect r = Bounding;
  const std::string& c = Theme->ClassName;
  if (c == "button" && PartId == BP_PUSHBUTTON)
    InflateRect(r, -3, -3);
  else if (c == "header")
    InflateRect(r, -3, 0);
  else if (c == "edit" || c == "combobox" || c == "progress")
    InflateRect(r, -1, -1);
  *Content = r;
  return S_OK;
}

HRESULT GetThemePartSize(HTHEME Theme, HDC, int PartId, int, const TRect* R, THEMESIZE Size, TSize* Result) {
  if (!Theme) return E_HANDLE;
  if (!Result) return E_INVALIDARG;
  const std::string& c = Theme->ClassName;
  TSize s(0, 0);
  if (c == "button" && (PartId == BP_CHECKBOX || PartId == BP_RADIOBUTTON))
    s = {13, 13};
  else if (c == "combobox" && (PartId == CP_DROPDOWNBUTTON || PartId >= CP_DROPDOWNBUTTONRIGHT))
    s = {17, 20};
  else if (c == "spin")
    s = PartId == SPNP_UPHORZ || PartId == SPNP_DOWNHORZ ? TSize(9, 15) : TSize(15, 9);
  else if (c == "header")
    s = {0, 20};
  else if (c == "progress" && (PartId == PP_CHUNK || PartId == PP_CHUNKVERT))
    s = {8, 8};
  else if (c == "scrollbar")
    s = {17, 17};
  else if (c == "treeview" && PartId == TVP_GLYPH)
    s = {9, 9};
  if (Size == TS_DRAW && R) s = {R->Width(), R->Height()};
  *Result = s;
  return S_OK;
}

bool IsThemePartDefined(HTHEME Theme, int PartId, int) { return Theme && PartId >= 0; }

bool IsThemeBackgroundPartiallyTransparent(HTHEME Theme, int PartId, int) {
  if (!Theme) return false;
  return Theme->ClassName == "button" && PartId != BP_USERBUTTON;
}

HRESULT GetThemeColor(HTHEME Theme, int PartId, int StateId, int PropId, TColor* Color) {
  if (!Theme) return E_HANDLE;
  if (!Color) return E_INVALIDARG;
  bool off = Disabled(Theme->ClassName, PartId, StateId);
  bool field = Theme->ClassName == "edit" || Theme->ClassName == "listview" || Theme->ClassName == "treeview";
  TColor c;
  switch (PropId) {
    case TMT_TEXTCOLOR:
      c = off ? clGrayText : (field ? clWindowText : clBtnText);
      break;
    case TMT_FILLCOLOR:
    case TMT_FILLCOLORHINT:
    case TMT_EDGEFILLCOLOR:
      c = field ? clWindow : clBtnFace;
      break;
    case TMT_BORDERCOLOR:
    case TMT_BORDERCOLORHINT:
    case TMT_EDGESHADOWCOLOR:
      c = clBtnShadow;
      break;
    case TMT_EDGELIGHTCOLOR:
      c = cl3DLight;
      break;
    case TMT_EDGEHIGHLIGHTCOLOR:
      c = clBtnHighlight;
      break;
    case TMT_EDGEDKSHADOWCOLOR:
      c = cl3DDkShadow;
      break;
    case TMT_GRADIENTCOLOR1:
      c = clBtnHighlight;
      break;
    case TMT_GRADIENTCOLOR2:
      c = clBtnFace;
      break;
    default:
      return E_INVALIDARG;
  }
  *Color = ColorToRGB(c);
  return S_OK;
}

TColor GetThemeSysColor(HTHEME, int ColorId) { return GetSysColor(ColorId); }
