// The one system-colour table and the colour names of stored layouts.
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "framework/graphics/Graphics.h"

namespace {
constexpr int kSysColorCount = 31;

// The platform's standard scheme, so that looks match what users know.
constexpr std::array<TColor, kSysColorCount> kDefaultSysColors = {
    RGB(200, 200, 200),  // scroll bar
    RGB(0, 0, 0),        // desktop
    RGB(153, 180, 209),  // active caption
    RGB(191, 205, 219),  // inactive caption
    RGB(240, 240, 240),  // menu
    RGB(255, 255, 255),  // window
    RGB(100, 100, 100),  // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(0, 0, 0),        // caption text
    RGB(180, 180, 180),  // active border
    RGB(244, 247, 252),  // inactive border
    RGB(171, 171, 171),  // application work space
    RGB(51, 153, 255),   // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(240, 240, 240),  // button face
    RGB(160, 160, 160),  // button shadow
    RGB(109, 109, 109),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(67, 78, 84),     // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(105, 105, 105),  // 3-D dark shadow
    RGB(227, 227, 227),  // 3-D light
    RGB(0, 0, 0),        // info text
    RGB(255, 255, 225),  // info background
    RGB(0, 0, 0),        // (unused index 25)
    RGB(0, 102, 204),    // hot light
    RGB(185, 209, 234),  // gradient active caption
    RGB(215, 228, 242),  // gradient inactive caption
    RGB(51, 153, 255),   // menu highlight
    RGB(240, 240, 240),  // menu bar
};

std::array<TColor, kSysColorCount>& Table() {
  static std::array<TColor, kSysColorCount> table = kDefaultSysColors;
  return table;
}

struct ColorName {
  TColor value;
  const char* name;
};
constexpr ColorName kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

bool SameIdent(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return i == a.size() && b[i] == 0;
}
}  // namespace

TColor GetSysColor(int Index) {
  if (Index < 0 || Index >= kSysColorCount) return clBlack;
  return Table()[Index];
}

void SetSysColor(int Index, TColor RGBValue) {
  if (Index >= 0 && Index < kSysColorCount) Table()[Index] = RGBValue & 0xFFFFFF;
}

void ResetSysColors() { Table() = kDefaultSysColors; }

TColor ColorToRGB(TColor Color) {
  if (IsSystemColor(Color)) return GetSysColor(Color & 0xFF);
  return Color;
}

bool IdentToColor(const std::string& Ident, TColor& Color) {
  for (const auto& n : kColorNames)
    if (SameIdent(Ident, n.name)) {
      Color = n.value;
      return true;
    }
  // Older layouts spell the grey shades this way.
  if (SameIdent(Ident, "clLtGray")) return Color = clLtGray, true;
  if (SameIdent(Ident, "clDkGray")) return Color = clDkGray, true;
  return false;
}

bool ColorToIdent(TColor Color, std::string& Ident) {
  for (const auto& n : kColorNames)
    if (n.value == Color) {
      Ident = n.name;
      return true;
    }
  return false;
}

std::string ColorToString(TColor Color) {
  std::string s;
  if (ColorToIdent(Color, s)) return s;
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%.8X", static_cast<unsigned>(Color));
  return buf;
}

TColor StringToColor(const std::string& S) {
  TColor c;
  if (IdentToColor(S, c)) return c;
  if (!S.empty()) {
    const char* q = S.c_str();
    int base = 10;
    if (*q == '$') {
      ++q;
      base = 16;
    } else if (S.size() > 2 && q[0] == '0' && (q[1] == 'x' || q[1] == 'X')) {
      q += 2;
      base = 16;
    }
    char* end = nullptr;
    long long v = std::strtoll(q, &end, base);
    if (end != q && *end == 0 && v >= -2147483648LL && v <= 0xFFFFFFFFLL)
      return static_cast<TColor>(static_cast<uint32_t>(v));
  }
  throw EConvertError("'" + S + "' is not a valid color value");
}
