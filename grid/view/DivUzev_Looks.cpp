// The grid's named looks and colour presets: Look, SetStyle and
// SetComponentStyle, colour tones, the classic themes and following the
// Office theme.
#include "framework/graphics/Graphics.h"
#include "grid/base/VevStyleIF.h"
#include "grid/model/DivUzev.h"

namespace {

constexpr TColor C(uint32_t Bgr) { return static_cast<TColor>(Bgr); }

// Small flat check and radio glyphs of the colour-tone look.
std::unique_ptr<TBitmap> MetroGlyph(bool Radio, bool On) {
  auto b = std::make_unique<TBitmap>();
  b->SetSize(15, 15);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clFuchsia);
  c->FillRect(TRect(0, 0, 15, 15));
  c->Pen()->SetColor(C(0x505050));
  c->Brush()->SetColor(clWhite);
  if (Radio)
    c->Ellipse(1, 1, 14, 14);
  else
    c->Rectangle(1, 1, 14, 14);
  if (On) {
    c->Brush()->SetColor(C(0x505050));
    if (Radio) {
      c->Ellipse(4, 4, 11, 11);
    } else {
      c->Pen()->SetWidth(2);
      c->MoveTo(4, 7);
      c->LineTo(6, 10);
      c->LineTo(11, 4);
    }
  }
  b->SetTransparentColor(clFuchsia);
  b->SetTransparent(true);
  return b;
}

}  // namespace

// ---------------------------------------------------------------------------
// Look

void TDedAdararAdoz::GetLookIdent(TGridLook ALook, std::string& Text) {
  static const char* const kIdents[] = {"glStandard", "glSoft",  "glClassic", "glVyx",       "glXP",
                                        "glListView", "glVista", "glWin7",    "glOffice2007"};
  if (ALook >= glStandard && ALook < glCustom) Text = kIdents[ALook];
}

void TDedAdararAdoz::GetLookName(TGridLook ALook, std::string& Text) {
  static const char* const kNames[] = {"Standard", "Soft",          "Classic",   "Vyx",       "Windows XP",
                                       "ListView", "Windows Vista", "Windows 7", "Office2007"};
  if (ALook >= glStandard && ALook < glCustom) Text = kNames[ALook];
}

void TDedAdararAdoz::SetLook(TGridLook Value) {
  if (Value == FLook) return;
  FLook = Value;
  TControlLook* cl = FControlLook.get();
  const bool loading = ComponentState().Contains(csLoading);
  if (Value != glCustom) {
    cl->SetFixedGradientMirrorFrom(clNone);
    cl->SetFixedGradientMirrorTo(clNone);
    cl->SetFixedGradientFrom(clNone);
    cl->SetFixedGradientTo(clNone);
    SetVyxGradientFrom(clNone);
    SetVyxGradientTo(clNone);
    SetVyxGradientMirrorFrom(clNone);
    SetVyxGradientMirrorTo(clNone);
    FSortSettings->SetHeaderColor(clNone);
  }
  switch (Value) {
    case glVista:
      SetStyle(tsWindowsVista);
      FComponentStyle = tsWindowsVista;
      SetSelectionStyle(ssVista);
      break;
    case glWin7:
      SetStyle(tsWindows7);
      FComponentStyle = tsWindows7;
      SetSelectionStyle(ssWin7);
      break;
    case glOffice2007:
      SetStyle(tsOffice2007Luna);
      FComponentStyle = tsOffice2007Luna;
      SetSelectionStyle(ssOffice2007);
      break;
    case glCustom:
      break;
    default: {
      SetSelectionStyle(ssDefault);
      if (loading) break;
      const bool plain = Value == glStandard || Value == glSoft || Value == glClassic;
      if (plain) {
        SetFixedColor(clBtnFace);
        cl->SetFixedGradientFrom(clBtnFace);
        cl->SetFixedGradientTo(clNone);
      } else {
        cl->SetFixedGradientFrom(clWhite);
        cl->SetFixedGradientTo(clBtnFace);
      }
      SetGridFixedLineColor(clGray);
      cl->SetFixedGradientMirrorFrom(clNone);
      cl->SetFixedGradientMirrorTo(clNone);
      SetVyxGradientMirrorFrom(clNone);
      SetVyxGradientMirrorTo(clNone);
      SetGridLineColor(clSilver);
      if (plain || Value == glListView) {
        SetActiveCellColor(clGray);
        SetActiveCellColorTo(clNone);
        SetSelectionColor(clHighlight);
        SetSelectionTextColor(clHighlightText);
        FSearchFooter->SetColor(clBtnFace);
        FSearchFooter->SetColorTo(clBtnFace);
      } else {
        SetActiveCellColor(C(0xEACAB6));
        SetActiveCellColorTo(clNone);
        SetSelectionColor(C(0xEACAB6));
        SetSelectionColorTo(clNone);
        SetSelectionTextColor(clBlack);
        FSearchFooter->SetColor(VyxGradientFrom());
        FSearchFooter->SetColorTo(VyxGradientTo());
        cl->SetFixedGradientFrom(clWhite);
        cl->SetFixedGradientTo(Value == glXP ? clBtnFace : clSilver);
        cl->SetFixedGradientHoverFrom(C(0xCFD0D1));
        cl->SetFixedGradientHoverTo(C(0xBEC6C8));
        cl->SetFixedGradientHoverMirrorFrom(C(0xBEC6C8));
        cl->SetFixedGradientHoverMirrorTo(C(0xABBCBF));
        cl->SetFixedGradientDownFrom(C(0x868788));
        cl->SetFixedGradientDownTo(C(0x737C7E));
        cl->SetFixedGradientDownMirrorFrom(C(0x737C7E));
        cl->SetFixedGradientDownMirrorTo(C(0x627376));
      }
      break;
    }
  }
  SetScrollType(ssNormal);
  SetBorderStyle(bsSingle);
  SetBorderColor(C(0xB99D7F));
  InvalidateGrid();
  if (!loading && FFooterPanel != nullptr) FFooterPanel->Invalidate();
}

// ---------------------------------------------------------------------------
// Presets

void TDedAdararAdoz::SetStyle(TVyxStyle AStyle) {
  TControlLook* cl = FControlLook.get();
  SetSelectionColor(clHighlight);
  SetSelectionColorTo(clNone);
  SetSelectionTextColor(clHighlightText);
  SetSelectionStyle(ssDefault);
  FSortSettings->SetHeaderColor(clNone);
  FSortSettings->SetHeaderColorTo(clNone);
  FSortSettings->SetHeaderMirrorColor(clNone);
  FSortSettings->SetHeaderMirrorColorTo(clNone);
  cl->Init();

  auto fixed = [&](TColor From, TColor To, bool FixedGradient) {
    SetVyxGradientFrom(From);
    SetVyxGradientTo(To);
    cl->SetFixedGradientFrom(FixedGradient ? From : clNone);
    cl->SetFixedGradientTo(FixedGradient ? To : clNone);
  };
  auto noMirror = [&] {
    SetVyxGradientMirrorFrom(clNone);
    SetVyxGradientMirrorTo(clNone);
  };
  auto active = [&](TColor From, TColor To) {
    SetActiveCellColor(From);
    SetActiveCellColorTo(To);
  };
  auto selection = [&](TColor Color, TColor To) {
    SetSelectionColor(Color);
    SetSelectionColorTo(To);
    SetSelectionTextColor(clBlack);
  };
  auto lines = [&](TColor Line, TColor Fixed) {
    SetGridLineColor(Line);
    SetGridFixedLineColor(Fixed);
  };
  auto classicLines = [&] { lines(C(0xC0C0C0), C(0x808080)); };
  auto footer = [&] {
    FSearchFooter->SetColor(VyxGradientFrom());
    FSearchFooter->SetColorTo(VyxGradientMirrorTo());
  };
  auto office2003 = [&](TColor From, TColor To) {
    FLook = glXP;
    fixed(From, To, true);
    noMirror();
    active(C(0x94E6FB), C(0x1595EE));
    selection(C(0x94E6FB), C(0x1595EE));
    classicLines();
    footer();
  };
  auto office2010 = [&](TColor Face, TColor Header, TColor FixedLine) {
    FLook = glOffice2007;
    fixed(Face, Face, false);
    SetVyxGradientMirrorFrom(Face);
    SetVyxGradientMirrorTo(Face);
    active(C(0x5BD5FF), C(0x71EFFF));
    selection(C(0xFFDBB7), clNone);
    SetVyxGradientHoverFrom(clNone);
    SetVyxGradientHoverTo(clNone);
    SetVyxGradientHoverMirrorFrom(clNone);
    SetVyxGradientHoverMirrorTo(clNone);
    SetVyxGradientHoverBorder(clNone);
    cl->SetFixedGradientMirrorFrom(Face);
    cl->SetFixedGradientMirrorTo(Face);
    cl->SetFixedGradientHoverFrom(C(0x6BDFFF));
    cl->SetFixedGradientHoverTo(C(0xAFEFFF));
    cl->SetFixedGradientHoverMirrorFrom(C(0xAFEFFF));
    cl->SetFixedGradientHoverMirrorTo(C(0xE6FCFF));
    cl->SetFixedGradientHoverBorder(C(0x3ABFE8));
    cl->SetFixedGradientDownFrom(C(0x5BD5FF));
    cl->SetFixedGradientDownTo(C(0x64E0FF));
    cl->SetFixedGradientDownMirrorFrom(C(0x64E0FF));
    cl->SetFixedGradientDownMirrorTo(C(0x71EFFF));
    cl->SetFixedGradientDownBorder(C(0x308AC2));
    FSortSettings->SetHeaderColor(Header);
    FSortSettings->SetHeaderColorTo(Header);
    FSortSettings->SetHeaderMirrorColor(Header);
    FSortSettings->SetHeaderMirrorColorTo(Header);
    SetSelectionStyle(ssDefault);
    lines(C(0xC0C0C0), FixedLine);
    footer();
  };
  // The sort header of the Vista and Windows 7 presets.
  auto vistaHeader = [&] {
    FSortSettings->SetHeaderColor(C(0xFCF9F2));
    FSortSettings->SetHeaderColorTo(C(0xFCF9F2));
    FSortSettings->SetHeaderMirrorColor(C(0xF9F1E1));
    FSortSettings->SetHeaderMirrorColorTo(C(0xF6ECD8));
  };

  switch (AStyle) {
    case tsOffice2003Blue:
      office2003(C(0xFCE1CB), C(0xE0A57D));
      break;
    case tsOffice2003Silver:
      office2003(C(0xECE2E1), C(0xB39698));
      break;
    case tsOffice2003Olive:
      office2003(C(0xCFF0EA), C(0x8CC0B1));
      break;
    case tsOffice2003Classic:
      FLook = glXP;
      fixed(C(0xFFFFFF), C(0xCCD4D8), false);
      noMirror();
      active(C(0xD8D5D4), C(0xD8D5D4));
      classicLines();
      footer();
      break;
    case tsOffice2007Luna:
      FLook = glOffice2007;
      fixed(C(0xFBF9F6), C(0xE8DBD2), true);
      noMirror();
      active(C(0x9DD8F9), C(0x5EC1F1));
      selection(C(0x5EC1F1), clNone);
      lines(C(0xF1EDEB), C(0xD1BBA4));
      cl->SetFixedGradientHoverFrom(C(0xE4E2DF));
      cl->SetFixedGradientHoverTo(C(0xDBD3CD));
      cl->SetFixedGradientHoverMirrorFrom(C(0xDBD3CD));
      cl->SetFixedGradientHoverMirrorTo(C(0xD2C5BC));
      cl->SetFixedGradientHoverBorder(C(0xB79F87));
      cl->SetFixedGradientDownFrom(C(0xE4C19D));
      cl->SetFixedGradientDownTo(C(0xE4C19D));
      cl->SetFixedGradientDownMirrorFrom(C(0xE4C19D));
      cl->SetFixedGradientDownMirrorTo(C(0xE4C19D));
      cl->SetFixedGradientDownBorder(C(0xE4C19D));
      SetSelectionStyle(ssOffice2007);
      footer();
      break;
    case tsOffice2007Obsidian:
      FLook = glOffice2007;
      fixed(C(0xF7F7F7), C(0xDEDEDE), true);
      noMirror();
      active(C(0x9DD8F9), C(0x5EC1F1));
      selection(C(0x5EC1F1), clNone);
      lines(C(0xE5D7D0), C(0x808080));
      footer();
      break;
    case tsWindowsXP:
      FLook = glXP;
      fixed(clBtnFace, clBtnFace, false);
      noMirror();
      active(clBtnFace, clBtnFace);
      classicLines();
      footer();
      break;
    case tsWhidbey:
      fixed(C(0xFFFFFF), clBtnFace, false);
      noMirror();
      active(C(0x94E6FB), C(0x1595EE));
      classicLines();
      footer();
      break;
    case tsOffice2007Silver:
      // The mirror colours stay as the last preset left them.
      FLook = glOffice2007;
      fixed(C(0xF3F3F1), C(0xCAC9C8), true);
      active(C(0x99CCFF), C(0x699CFF));
      selection(C(0x95C7F5), clNone);
      lines(C(0xE5D7D0), C(0x808080));
      footer();
      break;
    case tsWindowsVista:
      FLook = glVista;
      fixed(C(0xFFFFFF), C(0xFFFFFF), false);
      SetVyxGradientMirrorFrom(C(0xFAF8F7));
      SetVyxGradientMirrorTo(C(0xF4F2F1));
      active(C(0xFDF8F1), C(0xFCEFD5));
      selection(C(0xEACAB6), clNone);
      SetVyxGradientHoverFrom(C(0xFFF7E3));
      SetVyxGradientHoverTo(C(0xFFF7E3));
      SetVyxGradientHoverMirrorFrom(C(0xFFEDBD));
      SetVyxGradientHoverMirrorTo(C(0xFBE7B7));
      SetVyxGradientHoverBorder(C(0xE3C993));
      cl->SetFixedGradientMirrorFrom(VyxGradientMirrorFrom());
      cl->SetFixedGradientMirrorTo(VyxGradientMirrorTo());
      cl->SetFixedGradientHoverFrom(C(0xFFF7E3));
      cl->SetFixedGradientHoverTo(C(0xFFF7E3));
      cl->SetFixedGradientHoverMirrorFrom(C(0xFFEDBD));
      cl->SetFixedGradientHoverMirrorTo(C(0xFBE7B7));
      cl->SetFixedGradientDownFrom(C(0xF9E4BC));
      cl->SetFixedGradientDownTo(C(0xF9E4BC));
      cl->SetFixedGradientDownMirrorFrom(C(0xF7D68D));
      cl->SetFixedGradientDownMirrorTo(C(0xF5D18A));
      cl->SetFixedGradientDownBorder(C(0xAE904F));
      vistaHeader();
      SetSelectionStyle(ssVista);
      lines(C(0xECECF0), C(0xD4D2D1));
      footer();
      break;
    case tsWindows7:
      FLook = glWin7;
      fixed(C(0xFDFCFA), C(0xFAF0E6), false);
      SetVyxGradientMirrorFrom(C(0xF4E6DC));
      SetVyxGradientMirrorTo(C(0xF7E9DD));
      active(C(0xFCEBDC), C(0xFCDBC1));
      selection(C(0xEACAB6), clNone);
      SetVyxGradientHoverFrom(C(0xFDF8F3));
      SetVyxGradientHoverTo(C(0xF9F3EF));
      SetVyxGradientHoverMirrorFrom(clNone);
      SetVyxGradientHoverMirrorTo(clNone);
      SetVyxGradientHoverBorder(C(0xEEE8E3));
      cl->SetFixedGradientMirrorFrom(VyxGradientMirrorFrom());
      cl->SetFixedGradientMirrorTo(VyxGradientMirrorTo());
      cl->SetFixedGradientHoverFrom(C(0xFEFBF8));
      cl->SetFixedGradientHoverTo(C(0xFAF2ED));
      cl->SetFixedGradientHoverMirrorFrom(C(0xF4E4D7));
      cl->SetFixedGradientHoverMirrorTo(C(0xE8D2C1));
      cl->SetFixedGradientDownFrom(C(0xF1E8DD));
      cl->SetFixedGradientDownTo(C(0xF1E4D8));
      cl->SetFixedGradientDownMirrorFrom(C(0xECDBCF));
      cl->SetFixedGradientDownMirrorTo(C(0xEDDCCF));
      cl->SetFixedGradientDownBorder(C(0xD5BCAA));
      vistaHeader();
      SetSelectionStyle(ssWin7);
      lines(C(0xECECF0), C(0xD4D2D1));
      footer();
      break;
    case tsTerminal:
      FLook = glStandard;
      break;
    case tsOffice2010Blue:
      office2010(C(0xF5E7DA), C(0xD6CEC7), C(0xC7B0A0));
      break;
    case tsOffice2010Silver:
      office2010(C(0xE8E3DF), C(0xAAAAAA), C(0xBAB5B1));
      break;
    case tsOffice2010Black:
      office2010(C(0x6A6A6A), C(0xBABABA), C(0x444444));
      break;
    case tsCustom:
      break;
  }
  InvalidateGrid();
}

void TDedAdararAdoz::SetComponentStyle(TVyxStyle AStyle) {
  FComponentStyle = AStyle;
  SetStyle(AStyle);
  // The drop-down editors take the preset when they come with their topic.
  if (AStyle != tsCustom && FScrollType == ssMetro) SetScrollType(ssNormal);
}

void TDedAdararAdoz::SetColorTones(const TColorTones& Value) {
  FColorTones = Value;
  FLook = glClassic;
  SetFlat(true);
  SetScrollType(ssMetro);

  SetFixedColor(Value.Foreground.BrushColor);
  FFixedFont->SetColor(Value.Foreground.TextColor);
  FFixedFont->SetName(GetDefaultFontName());
  Font()->SetName(GetDefaultFontName());
  SetColor(Value.Background.BrushColor);
  Font()->SetColor(Value.Background.TextColor);

  SetSelectionColor(Value.Selected.BrushColor);
  SetSelectionTextColor(Value.Selected.TextColor);
  SetSelectionColorTo(clNone);
  SetGridLineColor(C(0xE6E6E6));
  SetGridFixedLineColor(AdjustColorPercent(Value.Foreground.BrushColor, -20));
  SetBorderStyle(bsNone);

  TControlLook* cl = FControlLook.get();
  cl->SetControlStyle(csGlyph);
  cl->SetCheckedGlyph(MetroGlyph(false, true).get());
  cl->SetUnCheckedGlyph(MetroGlyph(false, false).get());
  cl->SetRadioOffGlyph(MetroGlyph(true, false).get());
  cl->SetRadioOnGlyph(MetroGlyph(true, true).get());

  cl->SetFlatButton(true);
  FFloatingFooter->SetColor(Value.Foreground.BrushColor);
  FSearchFooter->SetColor(Value.Foreground.BrushColor);
  FSearchFooter->SetColorTo(Value.Foreground.BrushColor);
  FCellNode->SetNodeType(cnFlat);
  InvalidateGrid();
}

void TDedAdararAdoz::SetTheme(TXPColorScheme Scheme) {
  TColor from = clWhite, to = clBtnFace, mirrorFrom = clNone, mirrorTo = clNone;
  TColor footerFrom = C(0xFFFFFF), footerTo = C(0xFFD9B3);
  bool themed = true;
  switch (Scheme) {
    case xpBlue:
      from = footerFrom = C(0xFCE1CB);
      to = footerTo = C(0xE0A57D);
      break;
    case xpGreen:
      from = footerFrom = C(0xCFF0EA);
      to = footerTo = C(0x8CC0B1);
      break;
    case xpGray:
      from = footerFrom = C(0xECE2E1);
      to = footerTo = C(0xB39698);
      break;
    case vistaAero:
      from = to = C(0xFFFFFF);
      mirrorFrom = C(0xFAF8F7);
      mirrorTo = C(0xF4F2F1);
      footerFrom = C(0xECE2E1);
      footerTo = C(0xB39698);
      break;
    default:
      themed = false;
      break;
  }
  FActiveCellColor = themed ? C(0x94E6FB) : C(0xFFFFFF);
  FActiveCellColorTo = themed ? C(0x1595EE) : C(0xFFD9B3);
  FVyxGradientFrom = from;
  FVyxGradientTo = to;
  FVyxGradientMirrorFrom = mirrorFrom;
  FVyxGradientMirrorTo = mirrorTo;
  FControlLook->SetFixedGradientFrom(themed ? from : clNone);
  FControlLook->SetFixedGradientTo(themed ? to : clNone);
  FSearchFooter->SetColor(footerFrom);
  FSearchFooter->SetColorTo(footerTo);
}

void TDedAdararAdoz::FollowOfficeTheme() {
  if (FDesigning) return;
  const TOfficeTheme theme = GetOfficeTheme();
  if (theme == FOfficeTheme) return;
  FOfficeTheme = theme;
  static const TVyxStyle kStyles[] = {
      tsOffice2003Blue,   tsOffice2003Silver,   tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
      tsOffice2007Silver, tsOffice2007Obsidian, tsOffice2010Blue,  tsOffice2010Silver,  tsOffice2010Black};
  if (theme != otUnknown) SetComponentStyle(kStyles[theme]);
}
