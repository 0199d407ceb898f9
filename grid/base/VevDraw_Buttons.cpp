// The combo, push and spin button faces drawn inside cells, in the themed,
// classic, flat and own-colours looks.
#include <initializer_list>

#include "framework/graphics/Gdi.h"
#include "grid/base/VevDraw.h"
#include "grid/base/VevXPVS.h"

namespace {
bool CanDrawThemed(int Look) {
  return Look == blThemed && UxThemeActive() && IsWindowsXPOrLater() && IsComCtl6();
}

struct TThemedPart {
  int Part;
  int State;
  TRect R;
};

// Draws the parts of the theme class; false when the class could not be
// opened (the caller draws classic then).
bool DrawThemed(HWND Wnd, TCanvas* C, const char* ClassName, std::initializer_list<TThemedPart> Parts) {
  const TUxThemeEntries& ux = UxTheme();
  HTHEME theme = ux.OpenThemeData(Wnd, ClassName);
  if (theme == nullptr) return false;
  for (const TThemedPart& p : Parts)
    ux.DrawThemeBackground(theme, C->Handle(), p.Part, p.State, p.R, nullptr);
  ux.CloseThemeData(theme);
  return true;
}

unsigned FrameFlags(int State, int Look) {
  unsigned flags = 0;
  if (State == bfDisabled) flags |= DFCS_INACTIVE;
  if (Look == blFlat) flags |= DFCS_FLAT;
  return flags;
}

const TColorTone& ToneOf(const TColorTones& Tones, int State) {
  switch (State) {
    case bfHot:
      return Tones.Hover;
    case bfDown:
      return Tones.Selected;
    case bfDisabled:
      return Tones.Disabled;
    default:
      return Tones.Background;
  }
}

void SolidIn(TCanvas* C, TColor Brush, TColor Pen) {
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(Brush);
  C->Pen()->SetStyle(psSolid);
  C->Pen()->SetWidth(1);
  C->Pen()->SetColor(Pen);
}
}  // namespace

void DrawComboButton(TCanvas* ACanvas, HWND Wnd, const TRect& R, const TColorTones& Tones, int State,
                     int Look) {
  TRect area(R.Right - 19, R.Top + 1, R.Right - 2, R.Bottom - 1);
  if (CanDrawThemed(Look) &&
      DrawThemed(Wnd, ACanvas, "combobox",
                 {{CP_DROPDOWNBUTTON, State == bfDisabled ? CBXS_DISABLED : CBXS_NORMAL, area}})) {
    return;
  }
  if (Look != blTones) {
    DrawFrameControl(ACanvas->Handle(), area, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | FrameFlags(State, Look));
    return;
  }
  area.Left += 3;
  const TColor face = ToneOf(Tones, State).BrushColor;
  SolidIn(ACanvas, face, face);
  ACanvas->Rectangle(area);
  ACanvas->Pen()->SetColor(Tones.Background.BorderColor);
  ACanvas->MoveTo(area.Left + 1, area.Top);
  ACanvas->LineTo(area.Left + 1, area.Bottom);
  SolidIn(ACanvas, Tones.Background.TextColor, Tones.Background.TextColor);
  ACanvas->Polygon({Point(area.Left + 5, area.Top + 8), Point(area.Left + 11, area.Top + 8),
                    Point(area.Left + 8, area.Top + 11)});
}

void DrawButtonFace(TCanvas* ACanvas, HWND Wnd, const TRect& R, const TColorTones& Tones, int State,
                    int Look) {
  static const int kThemeState[] = {PBS_NORMAL, PBS_HOT, PBS_PRESSED, PBS_DISABLED};
  const int s = State >= bfNormal && State <= bfDisabled ? State : bfNormal;
  if (CanDrawThemed(Look) && DrawThemed(Wnd, ACanvas, "button", {{BP_PUSHBUTTON, kThemeState[s], R}})) return;
  if (Look != blTones) {
    unsigned flags = DFCS_BUTTONPUSH | FrameFlags(s, Look);
    if (s == bfHot) flags |= DFCS_HOT;
    if (s == bfDown) flags |= DFCS_PUSHED;
    TRect r = R;
    DrawFrameControl(ACanvas->Handle(), r, DFC_BUTTON, flags);
    return;
  }
  const TColorTone& tone = ToneOf(Tones, s);
  SolidIn(ACanvas, tone.BrushColor, tone.BorderColor);
  ACanvas->Rectangle(R);
}

void DrawSpinButtons(TCanvas* ACanvas, HWND Wnd, const TRect& R, const TColorTones& Tones, int State,
                     int Look) {
  const TRect area(R.Right - 16, R.Top - 1, R.Right - 1, R.Bottom - 1);
  const int mid = area.Top + area.Height() / 2;
  TRect up(area.Left, area.Top, area.Right, mid);
  TRect down(area.Left, mid + 1, area.Right, area.Bottom);
  const bool off = State == bfDisabled;
  if (CanDrawThemed(Look) && DrawThemed(Wnd, ACanvas, "spin",
                                        {{SPNP_UP, off ? UPS_DISABLED : UPS_NORMAL, up},
                                         {SPNP_DOWN, off ? DNS_DISABLED : DNS_NORMAL, down}})) {
    return;
  }
  if (Look != blTones) {
    const unsigned flags = FrameFlags(State, Look);
    DrawFrameControl(ACanvas->Handle(), up, DFC_SCROLL, DFCS_SCROLLUP | flags);
    DrawFrameControl(ACanvas->Handle(), down, DFC_SCROLL, DFCS_SCROLLDOWN | flags);
    return;
  }
  const TColor face = ToneOf(Tones, State).BrushColor;
  SolidIn(ACanvas, face, face);
  ACanvas->Rectangle(up);
  ACanvas->Rectangle(down);
  SolidIn(ACanvas, clBlack, clBlack);
  ACanvas->Polygon(
      {Point(up.Left + 5, up.Top + 5), Point(up.Left + 9, up.Top + 5), Point(up.Left + 7, up.Top + 3)});
  ACanvas->Polygon({Point(down.Left + 5, down.Top + 1), Point(down.Left + 9, down.Top + 1),
                    Point(down.Left + 7, down.Top + 3)});
}
