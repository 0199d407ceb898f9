// Named looks, colour presets, colour tones, classic themes and the setters
// whose writes carry rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/Forms.h"
#include "grid/base/VevCtrls.h"
#include "grid/base/VevStyleIF.h"
#include "grid/model/DivUzev.h"
#include "support/Input.h"

namespace {

constexpr TColor C(uint32_t Bgr) { return static_cast<TColor>(Bgr); }

TEST(DivUzevLooks, ALookSetsItsGroupOfColoursOnlyWhenItChanges) {
  TDedAdararAdoz g(nullptr);
  ASSERT_EQ(g.Look(), glXP);
  // Writing the current look again keeps colours set by hand.
  g.SetSelectionColor(clRed);
  g.SetScrollType(ssFlat);
  g.SetLook(glXP);
  EXPECT_EQ(g.SelectionColor(), clRed);
  EXPECT_EQ(g.ScrollType(), ssFlat);

  g.SetLook(glStandard);
  EXPECT_EQ(g.FixedColor(), clBtnFace);
  EXPECT_EQ(g.ControlLook()->FixedGradientFrom(), clBtnFace);
  EXPECT_EQ(g.ControlLook()->FixedGradientTo(), clNone);
  EXPECT_EQ(g.SelectionColor(), clHighlight);
  EXPECT_EQ(g.SelectionTextColor(), clHighlightText);
  EXPECT_EQ(g.ActiveCellColor(), clGray);
  EXPECT_EQ(g.GridLineColor(), clSilver);
  EXPECT_EQ(g.SearchFooter()->Color(), clBtnFace);
  EXPECT_EQ(g.ScrollType(), ssNormal);
  EXPECT_EQ(g.BorderColor(), C(0xB99D7F));

  g.SetLook(glVyx);
  EXPECT_EQ(g.SelectionColor(), C(0xEACAB6));
  EXPECT_EQ(g.SelectionTextColor(), clBlack);
  EXPECT_EQ(g.ControlLook()->FixedGradientTo(), clSilver);
  EXPECT_EQ(g.ControlLook()->FixedGradientHoverMirrorTo(), C(0xABBCBF));
  EXPECT_EQ(g.ControlLook()->FixedGradientDownMirrorTo(), C(0x627376));
  // The control look hands its hover and pressed colours on to the grid.
  EXPECT_EQ(g.VyxGradientHoverMirrorTo(), C(0xABBCBF));

  g.SetLook(glVista);
  EXPECT_EQ(g.SelectionStyle(), ssVista);
  EXPECT_EQ(g.ComponentStyle(), tsWindowsVista);
  EXPECT_EQ(g.VyxGradientMirrorFrom(), C(0xFAF8F7));

  // glCustom keeps every colour but still resets scroll type and border.
  const TColor mirror = g.VyxGradientMirrorFrom();
  g.SetBorderColor(clRed);
  g.SetScrollType(ssFlat);
  g.SetLook(glCustom);
  EXPECT_EQ(g.VyxGradientMirrorFrom(), mirror);
  EXPECT_EQ(g.SelectionStyle(), ssVista);
  EXPECT_EQ(g.ScrollType(), ssNormal);
  EXPECT_EQ(g.BorderColor(), C(0xB99D7F));
}

TEST(DivUzevLooks, LookTextsNameEveryLookButTheCustomOne) {
  const struct {
    TGridLook look;
    const char *ident, *name;
  } cases[] = {{glStandard, "glStandard", "Standard"},
               {glXP, "glXP", "Windows XP"},
               {glVista, "glVista", "Windows Vista"},
               {glOffice2007, "glOffice2007", "Office2007"},
               {glCustom, "keep", "keep"}};
  for (const auto& c : cases) {
    std::string ident = "keep", name = "keep";
    TDedAdararAdoz::GetLookIdent(c.look, ident);
    TDedAdararAdoz::GetLookName(c.look, name);
    EXPECT_EQ(ident, c.ident);
    EXPECT_EQ(name, c.name);
  }
}

TEST(DivUzevLooks, PresetsSetTheirColours) {
  const struct {
    TVyxStyle style;
    TGridLook look;
    TColor from, to, active, selection, line, fixedLine;
    TGridSelectionStyle selStyle;
  } cases[] = {
      {tsOffice2003Blue, glXP, C(0xFCE1CB), C(0xE0A57D), C(0x94E6FB), C(0x94E6FB), C(0xC0C0C0), C(0x808080),
       ssDefault},
      {tsOffice2007Luna, glOffice2007, C(0xFBF9F6), C(0xE8DBD2), C(0x9DD8F9), C(0x5EC1F1), C(0xF1EDEB),
       C(0xD1BBA4), ssOffice2007},
      {tsWindows7, glWin7, C(0xFDFCFA), C(0xFAF0E6), C(0xFCEBDC), C(0xEACAB6), C(0xECECF0), C(0xD4D2D1),
       ssWin7},
      {tsOffice2010Black, glOffice2007, C(0x6A6A6A), C(0x6A6A6A), C(0x5BD5FF), C(0xFFDBB7), C(0xC0C0C0),
       C(0x444444), ssDefault},
  };
  for (const auto& c : cases) {
    TDedAdararAdoz g(nullptr);
    g.SetLook(glCustom);
    g.SetStyle(c.style);
    SCOPED_TRACE(static_cast<int>(c.style));
    EXPECT_EQ(g.Look(), c.look);
    EXPECT_EQ(g.VyxGradientFrom(), c.from);
    EXPECT_EQ(g.VyxGradientTo(), c.to);
    EXPECT_EQ(g.ActiveCellColor(), c.active);
    EXPECT_EQ(g.SelectionColor(), c.selection);
    EXPECT_EQ(g.GridLineColor(), c.line);
    EXPECT_EQ(g.GridFixedLineColor(), c.fixedLine);
    EXPECT_EQ(g.SelectionStyle(), c.selStyle);
    // The search footer runs from the gradient start to its mirror end.
    EXPECT_EQ(g.SearchFooter()->Color(), g.VyxGradientFrom());
    EXPECT_EQ(g.SearchFooter()->ColorTo(), g.VyxGradientMirrorTo());
  }
}

TEST(DivUzevLooks, PresetsLeaveWhatTheyDoNotName) {
  TDedAdararAdoz g(nullptr);
  g.SetLook(glVyx);
  g.ControlLook()->SetFixedGradientFrom(clLime);
  g.SetVyxGradientFrom(clRed);
  g.SortSettings()->SetHeaderColor(clBlue);
  g.SetStyle(tsCustom);
  EXPECT_EQ(g.Look(), glVyx);
  EXPECT_EQ(g.VyxGradientFrom(), clRed);
  EXPECT_EQ(g.SelectionColor(), clHighlight);
  EXPECT_EQ(g.SortSettings()->HeaderColor(), clNone);
  EXPECT_EQ(g.ControlLook()->FixedGradientFrom(), clNone);

  g.SetStyle(tsWhidbey);
  EXPECT_EQ(g.Look(), glVyx);

  g.SetStyle(tsOffice2010Blue);
  g.SetStyle(tsOffice2007Silver);
  EXPECT_EQ(g.VyxGradientMirrorFrom(), C(0xF5E7DA));
  EXPECT_EQ(g.VyxGradientMirrorTo(), C(0xF5E7DA));
}

TEST(DivUzevLooks, ComponentStyleEndsTheOverlayBarsAndTonesKeepTheClassicLook) {
  TColorTones tones;
  tones.Background = {C(0xFFFFFF), C(0xDDDDDD), C(0x202020)};
  tones.Foreground = {C(0xF0E0D0), C(0xC0B0A0), C(0x101010)};
  tones.Selected = {C(0x00A0FF), C(0x0080DD), C(0xFFFFFF)};
  TDedAdararAdoz g(nullptr);
  g.SetColorTones(tones);
  EXPECT_EQ(g.Look(), glClassic);
  EXPECT_TRUE(g.Flat());
  EXPECT_EQ(g.ScrollType(), ssMetro);
  EXPECT_EQ(g.FixedColor(), C(0xF0E0D0));
  EXPECT_EQ(g.Color(), C(0xFFFFFF));
  EXPECT_EQ(g.SelectionColor(), C(0x00A0FF));
  EXPECT_EQ(g.GridLineColor(), C(0xE6E6E6));
  EXPECT_EQ(g.GridFixedLineColor(), AdjustColorPercent(C(0xF0E0D0), -20));
  EXPECT_EQ(g.ControlLook()->ControlStyle(), csGlyph);
  EXPECT_FALSE(g.ControlLook()->CheckedGlyph()->Empty());
  EXPECT_EQ(g.CellNode()->NodeType(), cnFlat);

  g.SetComponentStyle(tsCustom);
  EXPECT_EQ(g.ScrollType(), ssMetro);
  EXPECT_EQ(g.Look(), glClassic);
  g.SetComponentStyle(tsWhidbey);
  EXPECT_EQ(g.Look(), glClassic);
  EXPECT_EQ(g.ScrollType(), ssNormal);
  EXPECT_EQ(g.ComponentStyle(), tsWhidbey);
  g.SetComponentStyle(tsOffice2003Olive);
  EXPECT_EQ(g.Look(), glXP);
}

TEST(DivUzevLooks, ClassicThemes) {
  const struct {
    TXPColorScheme scheme;
    TColor from, to, mirrorFrom, active, footer;
    bool fixedGradient;
  } cases[] = {
      {xpBlue, C(0xFCE1CB), C(0xE0A57D), clNone, C(0x94E6FB), C(0xFCE1CB), true},
      {vistaAero, C(0xFFFFFF), C(0xFFFFFF), C(0xFAF8F7), C(0x94E6FB), C(0xECE2E1), true},
      {xpNone, C(0xFFFFFF), clBtnFace, clNone, C(0xFFFFFF), C(0xFFFFFF), false},
  };
  for (const auto& c : cases) {
    TDedAdararAdoz g(nullptr);
    g.SetTheme(c.scheme);
    SCOPED_TRACE(static_cast<int>(c.scheme));
    EXPECT_EQ(g.VyxGradientFrom(), c.from);
    EXPECT_EQ(g.VyxGradientTo(), c.to);
    EXPECT_EQ(g.VyxGradientMirrorFrom(), c.mirrorFrom);
    EXPECT_EQ(g.ActiveCellColor(), c.active);
    EXPECT_EQ(g.SearchFooter()->Color(), c.footer);
    EXPECT_EQ(g.ControlLook()->FixedGradientFrom(), c.fixedGradient ? c.from : clNone);
  }
}

// Counts the presets applied.
struct TCountingGrid : TDedAdararAdoz {
  using TDedAdararAdoz::TDedAdararAdoz;
  int styles = 0;
  void SetStyle(TVyxStyle AStyle) override {
    ++styles;
    TDedAdararAdoz::SetStyle(AStyle);
  }
};

TEST(DivUzevLooks, TheOfficeThemeIsFollowedOncePerChange) {
  TCountingGrid g(nullptr);
  g.FollowOfficeTheme();
  EXPECT_EQ(g.styles, 1);
  EXPECT_NE(g.LastOfficeTheme(), otUnknown);
  g.FollowOfficeTheme();
  EXPECT_EQ(g.styles, 1);
}

TEST(DivUzevLooks, SettersWithRules) {
  TDedAdararAdoz g(nullptr);
  for (auto [in, out] : {std::pair{150, 100}, {-5, 0}, {30, 30}}) {
    g.SetSelectionColorMixerFactor(in);
    EXPECT_EQ(g.SelectionColorMixerFactor(), out) << in;
  }
  // Only true switches the spreadsheet behaviour on; false gives back what
  // the grid had.
  TDedAdararAdoz s(nullptr);
  s.SetOptions(s.Options() >> goEditing >> goRangeSelect);
  auto on = [&s] {
    return std::vector<bool>{s.SelectionRectangle(),
                             s.SelectionResizer(),
                             s.Navigation()->AllowSmartClipboard(),
                             s.Options().Contains(goRangeSelect),
                             s.Options().Contains(goEditing),
                             s.MouseActions()->RangeSelectAndEdit()};
  };
  const std::vector<bool> before = on();
  s.SetSpreadSheet(false);
  EXPECT_EQ(on(), before);
  s.SetSpreadSheet(true);
  EXPECT_EQ(on(), std::vector<bool>(6, true));
  s.SetSpreadSheet(false);
  EXPECT_EQ(on(), before);
  g.SetShowSelection(false);
  EXPECT_FALSE(g.ShowSel());
}

TEST(DivUzevLooks, TheArrowColourReachesAllFourArrowsAndNoneInADesigner) {
  TDedAdararAdoz g(nullptr);
  EXPECT_EQ(g.ArrowColor(), static_cast<TColor>(0x00FF00));
  TArrowWindow* up = g.ArwU();
  g.SetArrowColor(static_cast<TColor>(0x0000FF));
  EXPECT_EQ(up->Color(), static_cast<TColor>(0x0000FF));
  // Arrows made later take it too.
  for (TArrowWindow* a : {g.ArwD(), g.ArwL(), g.ArwR()}) EXPECT_EQ(a->Color(), static_cast<TColor>(0x0000FF));
  EXPECT_EQ(g.ArrowColor(), static_cast<TColor>(0x0000FF));

  TForm form(nullptr);
  form.SetComponentStateFlag(csDesigning, true);
  TDedAdararAdoz d(&form);
  d.SetArrowColor(static_cast<TColor>(0x0000FF));
  EXPECT_EQ(d.ArrowColor(), static_cast<TColor>(0x00FF00));
}

TEST(DivUzevLooks, UpdateXYOffsetStoresTheOffsetWithoutARepaint) {
  TForm* form = testinput::NewPointerForm(300, 200);
  auto* g = new TDedAdararAdoz(form);
  g->SetParent(form);
  testinput::ShowForm(form);
  testinput::Pump();
  int painted = 0;
  g->OnPainted = [&](TObject*) { ++painted; };
  g->UpdateXYOffset(5, 7);
  testinput::Pump();
  EXPECT_EQ(g->XYOffset(), TPoint(5, 7));
  EXPECT_EQ(painted, 0);
  g->SetXYOffset(TPoint(3, 3));
  testinput::Pump();
  EXPECT_GT(painted, 0);
  testinput::FreePointerForm(form);
}

}  // namespace
