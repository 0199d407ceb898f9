// The drop-down's looks: its own border colours and flat border, the focus
// look of an edit that cannot be typed in, and the look presets and colour
// tones of the control, its pop-up, strips and strip buttons.
#include "controls/dropdown/VevDropDown.h"
#include "framework/graphics/Gdi.h"
#include "grid/base/VevDraw.h"
#include "grid/base/VevDropDownUtil.h"

// ---- Borders ----

bool TVevUrizazEvuvUduz::IsHot() const {
  if (Designing()) return false;
  return mouseInControl_ || (Screen != nullptr && Screen->ActiveControl() == this);
}

bool TVevUrizazEvuvUduz::GetButtonFocused() const { return Designing() ? Enabled() : IsHot(); }

void TVevUrizazEvuvUduz::RedrawBorders() {
  if (button_ != nullptr && button_->SpeedButton() != nullptr)
    button_->SpeedButton()->SetFocused(GetButtonFocused());
  if (Enabled() && !flat_ && borderColor_ == clNone && focusBorderColor_ == clNone) return;
  // The border is drawn with the window's frame when it paints.
  Invalidate();
}

void TVevUrizazEvuvUduz::DrawBorder(TCanvas* DC) {
  if (Designing()) return;
  TRect r(0, 0, Width(), Height());
  auto frame = [&](const TRect& R, TColor C) {
    DC->Brush()->SetStyle(bsSolid);
    DC->Brush()->SetColor(C);
    DC->FrameRect(R);
  };
  if (!Enabled() && isThemed_ && disabledBorder_) {
    frame(r, 0xC0C0C0);
    return;
  }
  if (borderColor_ != clNone && (!Focused() || focusBorderColor_ == clNone)) {
    frame(r, borderColor_);
    return;
  }
  if (focusBorderColor_ != clNone) {
    if (Focused()) frame(r, focusBorderColor_);
    return;
  }
  if (IsHot()) {
    TRect e = r;
    DrawEdge(DC, e, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    frame(e, clBtnFace);
  } else {
    TColor back = Parent() != nullptr ? Parent()->Brush()->Color() : clBtnFace;
    frame(r, back);
    TRect inner = r;
    InflateRect(inner, -1, -1);
    frame(inner, back);
  }
}

void TVevUrizazEvuvUduz::PaintNonClient(TCanvas* DC) {
  TCustomMaskEdit::PaintNonClient(DC);
  if (Enabled() && !flat_ && borderColor_ == clNone && focusBorderColor_ == clNone) return;
  if (!Enabled() && !disabledBorder_ && borderColor_ == clNone && focusBorderColor_ == clNone && !flat_)
    return;
  int saved = DC->SaveDC();
  DrawBorder(DC);
  DC->RestoreDC(saved);
}

void TVevUrizazEvuvUduz::PaintWindow(TCanvas* DC) {
  TCustomMaskEdit::PaintWindow(DC);
  if (editorEnabled_ || !Focused() || Designing() || !focusDraw_) return;
  // The focus look of an edit that cannot be typed in: its value on the
  // highlight, in window coordinates of the frame.
  const TRect ins = NonClientInsets();
  int saved = DC->SaveDC();
  TPoint org = DC->WindowOrg();
  DC->SetWindowOrg(TPoint(org.X + ins.Left, org.Y + ins.Top));
  TRect r(2, 2, Width() - buttonWidth_ - 1, Height() - 2);
  DC->Brush()->SetStyle(bsSolid);
  DC->Brush()->SetColor(clHighlight);
  DC->Pen()->SetColor(clBlack);
  DC->FillRect(r);
  DC->Font()->Assign(Font());
  DC->Font()->SetColor(clHighlightText);
  DC->Brush()->SetStyle(bsClear);
  TRect t = r;
  t.Left += 2;
  t.Right -= 3;
  DrawText(DC, Text(), t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  DC->RestoreDC(saved);
}

void TVevUrizazEvuvUduz::DrawFocusBorder() {
  if (editorEnabled_ || !Focused() || Designing() || !focusDraw_) return;
  Invalidate();
}

// ---- Look presets ----

namespace {
struct TStripLook {
  TColor DropDownColor, DropDownColorTo, DropDownBorderColor;
  bool SetBorder;
  TColor HeaderColor, HeaderColorTo, FooterColor, FooterColorTo, Font, HeaderBorder, FooterBorder;
};

struct TStripButtonLook {
  TColor Color, ColorTo, BorderColor, ColorHot, ColorHotTo, BorderColorHot, ColorDown, ColorDownTo,
      BorderColorDown, ColorDisabled, ColorDisabledTo, ColorChecked, ColorCheckedTo, BorderColorChecked;
};

constexpr TColor kNone = clNone;

bool StripLookOf(TVyxStyle S, TStripLook& L) {
  switch (S) {
    case tsOffice2003Blue:
      L = {0xFFFFFF, kNone, 0, false, 0xFCE1CB, 0xE0A57D, 0xFCE1CB, 0xE0A57D, 0x000000, 0x000000, 0x962D00};
      return true;
    case tsOffice2003Silver:
      L = {0xFFFFFF, kNone, 0, false, 0xECE2E1, 0xB39698, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C, 0x947C7C};
      return true;
    case tsOffice2003Olive:
      L = {0xFFFFFF, kNone,    kNone,    true,     0xCFF0EA, 0x8CC0B1,
           0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060, 0x588060};
      return true;
    case tsOffice2003Classic:
      L = {0xF2F2F2, 0xF2F2F2, kNone,    true,     0x808080, 0x808080,
           0x808080, 0x808080, 0xFFFFFF, 0x808080, 0x808080};
      return true;
    case tsOffice2007Luna:
      L = {0xF3E5DA, 0xF0DED0, kNone,    true,     0xFFEFE3, 0xFFD2AF,
           0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFD2AF};
      return true;
    case tsOffice2007Obsidian:
      L = {0xFFFFFF, kNone,    kNone,    true,     0xF2F1F0, 0xC9C2BD,
           0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0x5C534C};
      return true;
    case tsWindowsXP:
      L = {0xFFFFFF, kNone, 0, false, 0xFFFFFF, clBtnFace, 0xFFFFFF, clBtnFace, 0x000000, 0x808080, 0x808080};
      return true;
    case tsWhidbey:
      L = {0xF5F9FA, 0xF5F9FA, kNone,    true,     0xEBEEEF, 0x7E9898,
           0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0x962D00};
      return true;
    case tsOffice2007Silver:
      L = {0xF8F4F1, 0xF0E8E3, kNone,    true,     0xF8F7F6, 0xE8E0DB,
           0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0x74706F};
      return true;
    case tsWindowsVista:
      L = {0xFFFFFF, 0xFFFFFF, 0x979797, true,     0xFFFDF9, 0xFFFAF0,
           0xFFFAF0, 0xFFFDF9, 0x000000, 0xFCF2DA, 0xFCF2DA};
      return true;
    case tsWindows7:
      L = {0xFFFFFF, 0xFFFFFF, 0x979797, true,     0xFDFBFA, 0xFDF3EB,
           0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8, 0xFBD6B8};
      return true;
    case tsTerminal:
      L = {0xFFFFFF,  0xFFFFFF,  0x808080, true,  clBtnFace, clBtnFace,
           clBtnFace, clBtnFace, 0x000000, kNone, kNone};
      return true;
    case tsOffice2010Blue:
      L = {0xFFFFFF, 0xF1EFED, 0xEDEDEC, true,     0xFDF6EF, 0xF0DAC7,
           0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xC7B29F};
      return true;
    case tsOffice2010Silver:
      L = {0xFFFFFF, 0xF1EFED, 0xEDEDEC, true,     0xFFFFFF, 0xEDE5E0,
           0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xD2CDC8};
      return true;
    case tsOffice2010Black:
      L = {0xFFFFFF, 0xF1EFED, 0xEDEDEC, true,     0xBFBFBF, 0x919191,
           0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, 0x6D6D6D};
      return true;
    case tsCustom:
      return false;
  }
  return false;
}

bool ButtonLookOf(TVyxStyle S, TStripButtonLook& B) {
  auto office = [&](TColor C, TColor CT) {
    B = {C,        CT,       kNone,    0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF,
         0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
  };
  auto office2010 = [&](TColor C, TColor CT, TColor BC) {
    B = {C,     CT,       BC,       0x8AE3FD, kNone,    0x58CAF1, 0x6CD0FF,
         kNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE, kNone,    0x4FA0CE};
  };
  switch (S) {
    case tsOffice2003Blue:
      office(0xFCE1CB, 0xE0A57D);
      return true;
    case tsOffice2003Silver:
      office(0xECE2E1, 0xB39698);
      return true;
    case tsOffice2003Olive:
      office(0xCFF0EA, 0x8CC0B1);
      return true;
    case tsOffice2007Luna:
      office(0xFFEFE3, 0xFFDDC4);
      return true;
    case tsOffice2007Obsidian:
      office(0xF2F1F0, 0xC9C2BD);
      return true;
    case tsWhidbey:
      office(0xFFFFFF, 0xDFEDF0);
      return true;
    case tsOffice2007Silver:
      office(0xF9F8F8, 0xE4E2DF);
      return true;
    case tsOffice2010Blue:
      office2010(0xFDF6EF, 0xF0DAC7, 0xC7B29F);
      return true;
    case tsOffice2010Silver:
      office2010(0xFFFFFF, 0xEDE5E0, 0xD2CDC8);
      return true;
    case tsOffice2010Black:
      office2010(0xBFBFBF, 0x919191, 0xD7D7D6);
      return true;
    case tsOffice2003Classic:
      B = {0xFFFFFF, 0xC9D1D5, kNone,    0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285,
           0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080};
      return true;
    case tsWindowsXP:
      B = {0xFFFFFF,          clBtnFace,   kNone,    0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption,
           clInactiveCaption, clHighlight, 0xB6B6B6, 0xB6B6B6, 0xB9D8DC, 0xB9D8DC,    0x000000};
      return true;
    case tsWindowsVista:
      // The latched border of this look is that of the pressed face (the
      // value given for it, 0x0FEDF9AB, is no colour).
      B = {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0,
           0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A};
      return true;
    case tsWindows7:
      B = {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC,
           0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D};
      return true;
    case tsTerminal:
      B = {clBtnFace,   clBtnFace, kNone,     0xC0C0C0,  0xC0C0C0,  0x808080,  clHighlight,
           clHighlight, 0x808080,  clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight};
      return true;
    case tsCustom:
      return false;
  }
  return false;
}
}  // namespace

void TVevUrizazEvuvUduz::SetComponentStyle(TVyxStyle AStyle) {
  vyxStyle_ = AStyle;
  TStripLook L;
  if (StripLookOf(AStyle, L)) {
    dropDownColor_ = L.DropDownColor;
    dropDownColorTo_ = L.DropDownColorTo;
    if (L.SetBorder) dropDownBorderColor_ = L.DropDownBorderColor;
    THeaderAppearance* h = dropDownHeader_.get();
    h->SetColor(L.HeaderColor);
    h->SetColorTo(L.HeaderColorTo);
    h->Font()->SetColor(L.Font);
    h->SetBorderColor(L.HeaderBorder);
    TFooterAppearance* f = dropDownFooter_.get();
    f->SetColor(L.FooterColor);
    f->SetColorTo(L.FooterColorTo);
    f->Font()->SetColor(L.Font);
    f->SetBorderColor(L.FooterBorder);
  }
  TStripButtonLook B;
  if (ButtonLookOf(AStyle, B)) {
    TVevButtonAppearance* a = buttonAppearance_.get();
    a->SetColor(B.Color);
    a->SetColorTo(B.ColorTo);
    a->SetBorderColor(B.BorderColor);
    a->SetColorHot(B.ColorHot);
    a->SetColorHotTo(B.ColorHotTo);
    a->SetBorderColorHot(B.BorderColorHot);
    a->SetColorDown(B.ColorDown);
    a->SetColorDownTo(B.ColorDownTo);
    a->SetBorderColorDown(B.BorderColorDown);
    a->SetColorDisabled(B.ColorDisabled);
    a->SetColorDisabledTo(B.ColorDisabledTo);
    a->SetColorChecked(B.ColorChecked);
    a->SetColorCheckedTo(B.ColorCheckedTo);
    a->SetBorderColorChecked(B.BorderColorChecked);
  }
}

void TVevUrizazEvuvUduz::SetColorTones(const TColorTones& ATones) {
  if (button_ != nullptr) {
    button_->SetButtonColor(ATones.Background.BrushColor);
    button_->SetButtonColorHot(ATones.Hover.BrushColor);
    button_->SetButtonColorDown(ATones.Selected.BrushColor);
    button_->SetButtonBorderColor(ATones.Background.BorderColor);
    button_->Invalidate();
  }
  SetBorderColor(ATones.Background.BorderColor);
}

void TVevUrizazEvuvUduz::SetSelectionColorStyle(TSelectionColorStyle Style) {
  selectionColorStyle_ = Style;
  switch (Style) {
    case scOffice2007:
      selectionColor_ = 0xD7FFFD;
      selectionColorTo_ = 0x58D4FC;
      break;
    case scWindowsVista:
      selectionColor_ = 0xFDF8F1;
      selectionColorTo_ = 0xFCEFD5;
      break;
    case scWindows7:
      selectionColor_ = 0xFCEBDC;
      selectionColorTo_ = 0xFCDBC1;
      break;
    case scCustom:
      break;
  }
}

void TVevUrizazEvuvUduz::DrawSelection(TCanvas* ACanvas, const TRect& R, TColor CornerBack, int SideType) {
  if (ACanvas == nullptr) return;
  switch (selectionColorStyle_) {
    case scCustom:
      ACanvas->Brush()->SetStyle(bsSolid);
      ACanvas->Brush()->SetColor(selectionColor_);
      ACanvas->Pen()->SetColor(selectionColor_);
      ACanvas->Rectangle(R);
      break;
    case scOffice2007:
      DrawStyledSelection(ACanvas, selectionColor_, selectionColorTo_, SideType, R, CornerBack, 0xC3D9DF,
                          0x8DD7D3, 0xCAF8FF, 0xF4FEFF, 0xB3F1FC, 0x58D4FC);
      break;
    case scWindowsVista:
      DrawStyledSelection(ACanvas, selectionColor_, selectionColorTo_, SideType, R, CornerBack, 0xFCEDCB,
                          0xFDDE99, 0xFDF5E7, 0xFDFBF6, clNone, clNone);
      break;
    case scWindows7:
      DrawStyledSelection(ACanvas, selectionColor_, selectionColorTo_, SideType, R, CornerBack, 0xE0C5AE,
                          0xCEA27D, 0xFDEADB, 0xFDF4EB, clNone, clNone);
      break;
  }
}

void TVevUrizazEvuvUduz::DrawGradientRect(TCanvas* ACanvas, TColor FromColor, TColor ToColor, int Steps,
                                          const TRect& R, TGradientDirection Direction) {
  // The direction is passed inverted, as every caller expects.
  DrawGradient(ACanvas, FromColor, ToColor, Steps, R, Direction != gdHorizontal);
}
