#pragma once
// Themed drawing in the look of the platform's visual styles, drawn by the
// backend's widget style. Callers open a theme class ("button", "combobox",
// "spin", "header", "Progress", ...), draw parts and states with the
// platform's numbers, and close it. While theming is off (SetThemeActive
// (false), as tests do) IsThemeActive answers false and OpenThemeData gives
// no theme, so callers draw in the classic way.
#include <cstdint>
#include <string>

#include "framework/graphics/Graphics.h"
#include "framework/rtl/HResult.h"

struct TThemeData;
using HTHEME = TThemeData*;

// Switch and state of the service.
void SetThemeActive(bool Active);
bool IsThemeActive();
bool IsAppThemed();
// Theme file, colour scheme ("NormalColor", "HomeStead", "Metallic") and
// size names; fails while theming is off.
HRESULT GetCurrentThemeName(std::string* ThemeFileName, std::string* ColorName, std::string* SizeName);
// Tests choose the colour scheme name.
void SetCurrentThemeColorName(const std::string& ColorName);

// Window is a window handle or 0; it is not used. ClassList may hold
// several names separated by ";": the first known one opens. nullptr when
// theming is off or no name is known.
HTHEME OpenThemeData(uintptr_t Window, const std::string& ClassList);
HRESULT CloseThemeData(HTHEME Theme);
// The class name the theme was opened for.
std::string ThemeClassName(HTHEME Theme);

HRESULT DrawThemeBackground(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect& R, const TRect* Clip);
HRESULT DrawThemeText(HTHEME Theme, HDC DC, int PartId, int StateId, const std::string& Text,
                      unsigned TextFlags, unsigned TextFlags2, const TRect& R);
HRESULT DrawThemeParentBackground(uintptr_t Window, HDC DC, const TRect* R);
HRESULT DrawThemeEdge(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect& DestRect, unsigned Edge,
                      unsigned Flags, TRect* ContentRect);
HRESULT GetThemeBackgroundContentRect(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect& Bounding,
                                      TRect* Content);

enum THEMESIZE { TS_MIN, TS_TRUE, TS_DRAW };
HRESULT GetThemePartSize(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* R, THEMESIZE Size,
                         TSize* Result);
bool IsThemePartDefined(HTHEME Theme, int PartId, int StateId);
bool IsThemeBackgroundPartiallyTransparent(HTHEME Theme, int PartId, int StateId);

// Colour properties.
constexpr int TMT_BORDERCOLOR = 3801;
constexpr int TMT_FILLCOLOR = 3802;
constexpr int TMT_TEXTCOLOR = 3803;
constexpr int TMT_EDGELIGHTCOLOR = 3804;
constexpr int TMT_EDGEHIGHLIGHTCOLOR = 3805;
constexpr int TMT_EDGESHADOWCOLOR = 3806;
constexpr int TMT_EDGEDKSHADOWCOLOR = 3807;
constexpr int TMT_EDGEFILLCOLOR = 3808;
constexpr int TMT_GRADIENTCOLOR1 = 3810;
constexpr int TMT_GRADIENTCOLOR2 = 3811;
constexpr int TMT_FILLCOLORHINT = 3821;
constexpr int TMT_BORDERCOLORHINT = 3822;
HRESULT GetThemeColor(HTHEME Theme, int PartId, int StateId, int PropId, TColor* Color);
TColor GetThemeSysColor(HTHEME Theme, int ColorId);

// --- parts and states
// button
constexpr int BP_PUSHBUTTON = 1;
constexpr int BP_RADIOBUTTON = 2;
constexpr int BP_CHECKBOX = 3;
constexpr int BP_GROUPBOX = 4;
constexpr int BP_USERBUTTON = 5;
constexpr int PBS_NORMAL = 1;
constexpr int PBS_HOT = 2;
constexpr int PBS_PRESSED = 3;
constexpr int PBS_DISABLED = 4;
constexpr int PBS_DEFAULTED = 5;
constexpr int RBS_UNCHECKEDNORMAL = 1;
constexpr int RBS_UNCHECKEDHOT = 2;
constexpr int RBS_UNCHECKEDPRESSED = 3;
constexpr int RBS_UNCHECKEDDISABLED = 4;
constexpr int RBS_CHECKEDNORMAL = 5;
constexpr int RBS_CHECKEDHOT = 6;
constexpr int RBS_CHECKEDPRESSED = 7;
constexpr int RBS_CHECKEDDISABLED = 8;
constexpr int CBS_UNCHECKEDNORMAL = 1;
constexpr int CBS_UNCHECKEDHOT = 2;
constexpr int CBS_UNCHECKEDPRESSED = 3;
constexpr int CBS_UNCHECKEDDISABLED = 4;
constexpr int CBS_CHECKEDNORMAL = 5;
constexpr int CBS_CHECKEDHOT = 6;
constexpr int CBS_CHECKEDPRESSED = 7;
constexpr int CBS_CHECKEDDISABLED = 8;
constexpr int CBS_MIXEDNORMAL = 9;
constexpr int CBS_MIXEDHOT = 10;
constexpr int CBS_MIXEDPRESSED = 11;
constexpr int CBS_MIXEDDISABLED = 12;
constexpr int GBS_NORMAL = 1;
constexpr int GBS_DISABLED = 2;
// combobox
constexpr int CP_DROPDOWNBUTTON = 1;
constexpr int CP_BACKGROUND = 2;
constexpr int CP_TRANSPARENTBACKGROUND = 3;
constexpr int CP_BORDER = 4;
constexpr int CP_READONLY = 5;
constexpr int CP_DROPDOWNBUTTONRIGHT = 6;
constexpr int CP_DROPDOWNBUTTONLEFT = 7;
constexpr int CBXS_NORMAL = 1;
constexpr int CBXS_HOT = 2;
constexpr int CBXS_PRESSED = 3;
constexpr int CBXS_DISABLED = 4;
// spin
constexpr int SPNP_UP = 1;
constexpr int SPNP_DOWN = 2;
constexpr int SPNP_UPHORZ = 3;
constexpr int SPNP_DOWNHORZ = 4;
constexpr int UPS_NORMAL = 1;
constexpr int UPS_HOT = 2;
constexpr int UPS_PRESSED = 3;
constexpr int UPS_DISABLED = 4;
constexpr int DNS_NORMAL = 1;
constexpr int DNS_HOT = 2;
constexpr int DNS_PRESSED = 3;
constexpr int DNS_DISABLED = 4;
constexpr int UPHZS_NORMAL = 1;
constexpr int UPHZS_HOT = 2;
constexpr int UPHZS_PRESSED = 3;
constexpr int UPHZS_DISABLED = 4;
constexpr int DNHZS_NORMAL = 1;
constexpr int DNHZS_HOT = 2;
constexpr int DNHZS_PRESSED = 3;
constexpr int DNHZS_DISABLED = 4;
// header
constexpr int HP_HEADERITEM = 1;
constexpr int HP_HEADERITEMLEFT = 2;
constexpr int HP_HEADERITEMRIGHT = 3;
constexpr int HP_HEADERSORTARROW = 4;
constexpr int HIS_NORMAL = 1;
constexpr int HIS_HOT = 2;
constexpr int HIS_PRESSED = 3;
constexpr int HILS_NORMAL = 1;
constexpr int HILS_HOT = 2;
constexpr int HILS_PRESSED = 3;
constexpr int HIRS_NORMAL = 1;
constexpr int HIRS_HOT = 2;
constexpr int HIRS_PRESSED = 3;
constexpr int HSAS_SORTEDUP = 1;
constexpr int HSAS_SORTEDDOWN = 2;
// Progress
constexpr int PP_BAR = 1;
constexpr int PP_BARVERT = 2;
constexpr int PP_CHUNK = 3;
constexpr int PP_CHUNKVERT = 4;
constexpr int PP_FILL = 5;
constexpr int PP_FILLVERT = 6;
// edit
constexpr int EP_EDITTEXT = 1;
constexpr int EP_CARET = 2;
constexpr int EP_BACKGROUND = 3;
constexpr int EP_PASSWORD = 4;
constexpr int EP_BACKGROUNDWITHBORDER = 5;
constexpr int EP_EDITBORDER_NOSCROLL = 6;
constexpr int ETS_NORMAL = 1;
constexpr int ETS_HOT = 2;
constexpr int ETS_SELECTED = 3;
constexpr int ETS_DISABLED = 4;
constexpr int ETS_FOCUSED = 5;
constexpr int ETS_READONLY = 6;
constexpr int ETS_ASSIST = 7;
// scrollbar
constexpr int SBP_ARROWBTN = 1;
constexpr int SBP_THUMBBTNHORZ = 2;
constexpr int SBP_THUMBBTNVERT = 3;
constexpr int SBP_LOWERTRACKHORZ = 4;
constexpr int SBP_UPPERTRACKHORZ = 5;
constexpr int SBP_LOWERTRACKVERT = 6;
constexpr int SBP_UPPERTRACKVERT = 7;
constexpr int SBP_GRIPPERHORZ = 8;
constexpr int SBP_GRIPPERVERT = 9;
constexpr int SBP_SIZEBOX = 10;
constexpr int ABS_UPNORMAL = 1;
constexpr int ABS_UPHOT = 2;
constexpr int ABS_UPPRESSED = 3;
constexpr int ABS_UPDISABLED = 4;
constexpr int ABS_DOWNNORMAL = 5;
constexpr int ABS_DOWNHOT = 6;
constexpr int ABS_DOWNPRESSED = 7;
constexpr int ABS_DOWNDISABLED = 8;
constexpr int ABS_LEFTNORMAL = 9;
constexpr int ABS_LEFTHOT = 10;
constexpr int ABS_LEFTPRESSED = 11;
constexpr int ABS_LEFTDISABLED = 12;
constexpr int ABS_RIGHTNORMAL = 13;
constexpr int ABS_RIGHTHOT = 14;
constexpr int ABS_RIGHTPRESSED = 15;
constexpr int ABS_RIGHTDISABLED = 16;
constexpr int SCRBS_NORMAL = 1;
constexpr int SCRBS_HOT = 2;
constexpr int SCRBS_PRESSED = 3;
constexpr int SCRBS_DISABLED = 4;
// toolbar
constexpr int TP_BUTTON = 1;
constexpr int TP_DROPDOWNBUTTON = 2;
constexpr int TP_SPLITBUTTON = 3;
constexpr int TP_SPLITBUTTONDROPDOWN = 4;
constexpr int TP_SEPARATOR = 5;
constexpr int TP_SEPARATORVERT = 6;
constexpr int TS_NORMAL = 1;
constexpr int TS_HOT = 2;
constexpr int TS_PRESSED = 3;
constexpr int TS_DISABLED = 4;
constexpr int TS_CHECKED = 5;
constexpr int TS_HOTCHECKED = 6;
// tab
constexpr int TABP_TABITEM = 1;
constexpr int TABP_TABITEMLEFTEDGE = 2;
constexpr int TABP_TABITEMRIGHTEDGE = 3;
constexpr int TABP_TABITEMBOTHEDGE = 4;
constexpr int TABP_TOPTABITEM = 5;
constexpr int TABP_TOPTABITEMLEFTEDGE = 6;
constexpr int TABP_TOPTABITEMRIGHTEDGE = 7;
constexpr int TABP_TOPTABITEMBOTHEDGE = 8;
constexpr int TABP_PANE = 9;
constexpr int TABP_BODY = 10;
constexpr int TIS_NORMAL = 1;
constexpr int TIS_HOT = 2;
constexpr int TIS_SELECTED = 3;
constexpr int TIS_DISABLED = 4;
constexpr int TIS_FOCUSED = 5;
// treeview
constexpr int TVP_TREEITEM = 1;
constexpr int TVP_GLYPH = 2;
constexpr int TVP_BRANCH = 3;
constexpr int GLPS_CLOSED = 1;
constexpr int GLPS_OPENED = 2;
constexpr int TREIS_NORMAL = 1;
constexpr int TREIS_HOT = 2;
constexpr int TREIS_SELECTED = 3;
constexpr int TREIS_DISABLED = 4;
constexpr int TREIS_SELECTEDNOTFOCUS = 5;
// listview
constexpr int LVP_LISTITEM = 1;
constexpr int LVP_LISTGROUP = 2;
constexpr int LVP_LISTDETAIL = 3;
constexpr int LVP_LISTSORTEDDETAIL = 4;
constexpr int LVP_EMPTYTEXT = 5;
constexpr int LIS_NORMAL = 1;
constexpr int LIS_HOT = 2;
constexpr int LIS_SELECTED = 3;
constexpr int LIS_DISABLED = 4;
constexpr int LIS_SELECTEDNOTFOCUS = 5;
// window
constexpr int WP_CAPTION = 1;
constexpr int WP_SMALLCAPTION = 2;
constexpr int WP_FRAMELEFT = 7;
constexpr int WP_FRAMERIGHT = 8;
constexpr int WP_FRAMEBOTTOM = 9;
constexpr int WP_MINBUTTON = 15;
constexpr int WP_MAXBUTTON = 17;
constexpr int WP_CLOSEBUTTON = 18;
constexpr int WP_SMALLCLOSEBUTTON = 19;
constexpr int WP_RESTOREBUTTON = 21;
constexpr int WP_HELPBUTTON = 23;
constexpr int CS_ACTIVE = 1;
constexpr int CS_INACTIVE = 2;
constexpr int CS_DISABLED = 3;
constexpr int CBS_NORMAL = 1;
constexpr int CBS_HOT = 2;
constexpr int CBS_PUSHED = 3;
constexpr int CBS_DISABLED = 4;
