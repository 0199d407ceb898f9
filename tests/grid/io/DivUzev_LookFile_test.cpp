// The look file: its lines as written, a round trip into a grid with other
// settings, how values are read, and files that are refused whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../../framework/os/TempFolder.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "grid/base/VevObj.h"
#include "grid/model/DivUzev.h"

namespace {

std::vector<std::string> Lines(const std::string& Text) {
  std::vector<std::string> out;
  size_t p = 0;
  while (p < Text.size()) {
    const size_t e = Text.find("\r\n", p);
    if (e == std::string::npos) {
      out.push_back(Text.substr(p) + "<no CR LF>");
      break;
    }
    out.push_back(Text.substr(p, e - p));
    p = e + 2;
  }
  return out;
}

// A grid whose settings all differ from a new grid's.
void Restyle(TDedAdararAdoz& G) {
  G.SetLook(glWin7);
  G.SetColor(static_cast<TColor>(0x00123456));
  G.SetHintColor(clCream);
  G.SetSelectionColor(clNavy);
  G.SetSelectionColorTo(clTeal);
  G.SetSelectionMirrorColor(clOlive);
  G.SetSelectionMirrorColorTo(clMaroon);
  G.SetSelectionTextColor(clYellow);
  G.SetURLColor(clPurple);
  G.SetURLShow(true);
  G.SetURLShowInText(true);
  G.SetScrollColor(clSkyBlue);
  G.SetActiveRowColor(clMoneyGreen);
  G.SetActiveRowShow(true);
  G.SetActiveCellShow(true);
  G.Font()->SetColor(clMaroon);
  G.Font()->SetStyle(TFontStyles{fsItalic, fsStrikeOut});
  G.Font()->SetSize(13);
  G.Font()->SetName("DejaVu Serif");
  G.SetActiveCellColor(clLime);
  G.SetActiveCellColorTo(clAqua);
  G.ActiveCellFont()->SetStyle(TFontStyles{});
  G.ActiveCellFont()->SetSize(7);
  G.FixedFont()->SetStyle(TFontStyles{fsBold, fsUnderline});
  G.FixedFont()->SetColor(clHighlight);
  G.Balloon()->SetBackgroundColor(clInfoBk);
  G.Balloon()->SetTextColor(clInfoText);
  G.Balloon()->SetTransparency(200);
  G.Bands()->SetPrimaryColor(clWhite);
  G.Bands()->SetSecondaryColor(clSilver);
  G.Bands()->SetActive(true);
  G.SortSettings()->SetIndexColor(clRed);
  G.FloatingFooter()->SetColor(clBtnShadow);
  G.ControlLook()->SetCheckSize(21);
  G.ControlLook()->SetColor(clGreen);
  G.ControlLook()->SetCommentColor(clFuchsia);
  G.ControlLook()->SetControlStyle(csGlyph);
  G.ControlLook()->SetFixedGradientFrom(clMedGray);
  G.ControlLook()->SetFixedGradientTo(clGrayText);
  G.ControlLook()->SetRadioSize(17);
  G.ControlLook()->SetFlatButton(true);
  G.ControlLook()->SetProgressBorderColor(clMenuBar);
  G.ControlLook()->SetProgressXP(true);
  G.SearchFooter()->SetColor(clBtnFace);
  G.SearchFooter()->SetColorTo(clHotLight);
  TGrouping* gr = G.Grouping();
  gr->SetHeaderColor(static_cast<TColor>(0x010203));
  gr->SetHeaderColorTo(static_cast<TColor>(0x040506));
  gr->SetHeaderTextColor(clWindowText);
  gr->SetHeaderUnderline(true);
  gr->SetHeaderLineColor(clDefault);
  gr->SetHeaderLineWidth(-3);
  gr->SetSummaryColor(clMenu);
  gr->SetSummaryColorTo(clMenuText);
  gr->SetSummaryTextColor(cl3DLight);
  gr->SetSummaryLine(true);
  gr->SetSummaryLineColor(cl3DDkShadow);
  gr->SetSummaryLineWidth(5);
  G.SetGridLineColor(clScrollBar);
  G.SetGridFixedLineColor(static_cast<TColor>(0x00ABCDEF));
  G.BackGround()->SetTop(11);
  G.BackGround()->SetLeft(-12);
  G.BackGround()->SetDisplay(bdGradientVert);
  G.BackGround()->SetCells(bcAll);
  G.BackGround()->SetColor(clAppWorkSpace);
  G.BackGround()->SetColorTo(clNone);
}

TEST(DivUzevLookFile, LinesAsWritten) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Restyle(g);
  g.SaveVisualProps(dir.File("look.txt"));
  const std::vector<std::string> lines = Lines(dir.Read("look.txt"));
  ASSERT_EQ(lines.size(), 69u);
  // Key order and value forms at the places that fix them.
  const std::vector<std::pair<size_t, std::string>> expected = {
      {0, "Color=$00123456"},
      {1, "HintColor=clCream"},
      {8, "URLShow=true"},
      {14, "Font.Color=clMaroon"},
      {15, "Font.Style=fsItalic,fsStrikeOut"},
      {16, "Font.Size=13"},
      {17, "Font.Name=DejaVu Serif"},
      {21, "ActiveCellFont.Style="},
      {22, "ActiveCellFont.Size=7"},
      {25, "FixedFont.Style=fsBold,fsUnderline"},
      {28, "Balloon.BackgroundColor=clInfoBk"},
      {30, "Balloon.Transparency=200"},
      {39, "ControlLook.ControlStyle=csGlyph"},
      {46, "Look=glWin7"},
      {49, "Grouping.HeaderColor=$00010203"},
      {53, "Grouping.HeaderLineColor=clDefault"},
      {54, "Grouping.HeaderLineWidth=-3"},
      {61, "GridLineColor=clScrollBar"},
      {62, "GridFixedLineColor=$00ABCDEF"},
      {64, "BackGround.Left=-12"},
      {65, "BackGround.Display=bdGradientVert"},
      {66, "BackGround.Cells=bcAll"},
      {68, "BackGround.ColorTo=clNone"},
  };
  for (const auto& [i, line] : expected) EXPECT_EQ(lines[i], line) << i;
}

TEST(DivUzevLookFile, RoundTripIntoAGridWithOtherSettings) {
  TTempFolder dir;
  TDedAdararAdoz src(nullptr);
  Restyle(src);
  src.SaveVisualProps(dir.File("look.txt"));

  TDedAdararAdoz dst(nullptr);
  dst.FixedFont()->SetStyle(TFontStyles{fsItalic});  // replaced, not added to
  dst.LoadVisualProps(dir.File("look.txt"));
  dst.SaveVisualProps(dir.File("again.txt"));
  EXPECT_EQ(dir.Read("again.txt"), dir.Read("look.txt"));
  EXPECT_EQ(dst.FixedFont()->Style(), (TFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(dst.Balloon()->BackgroundColor(), clInfoBk);
  EXPECT_EQ(dst.Look(), glWin7);
  EXPECT_EQ(dst.BackGround()->Left(), -12);
  EXPECT_EQ(dst.Grouping()->HeaderColorTo(), static_cast<TColor>(0x040506));
}

TEST(DivUzevLookFile, ACustomLookIsWrittenEmptyAndKept) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  g.SetLook(glCustom);
  g.SaveVisualProps(dir.File("look.txt"));
  EXPECT_EQ(Lines(dir.Read("look.txt"))[46], "Look=");
  TDedAdararAdoz h(nullptr);
  h.SetLook(glXP);
  h.LoadVisualProps(dir.File("look.txt"));
  EXPECT_EQ(h.Look(), glXP) << "an empty name changes nothing";
}

TEST(DivUzevLookFile, ValuesAsRead) {
  TTempFolder dir;
  TDedAdararAdoz base(nullptr);
  base.SaveVisualProps(dir.File("base.txt"));
  std::string text = dir.Read("base.txt");
  // Replaces one line's value (found by its key) in the saved file.
  auto with = [&](const std::string& Key, const std::string& Value) {
    std::string t = text;
    const size_t p = t.find("\r\n" + Key + "=") + 2;
    const size_t e = t.find("\r\n", p);
    t.replace(p, e - p, Key + "=" + Value);
    return t;
  };
  struct TCase {
    std::string Key, Value;
    std::function<bool(TDedAdararAdoz&)> Check;
  };
  const std::vector<TCase> cases = {
      {"URLShow", "True", [](TDedAdararAdoz& g) { return g.URLShow(); }},
      {"URLShow", "TRUE", [](TDedAdararAdoz& g) { return g.URLShow(); }},
      {"URLShow", "1", [](TDedAdararAdoz& g) { return !g.URLShow(); }},
      {"Font.Style", "fsUnderline,fsBold",
       [](TDedAdararAdoz& g) {
         return g.Font()->Style() == TFontStyles{fsBold, fsUnderline};
       }},
      {"Font.Style", "FSBOLD,FSUNDERLINE", [](TDedAdararAdoz& g) { return g.Font()->Style().Empty(); }},
      {"HintColor", "clinfotext", [](TDedAdararAdoz& g) { return g.HintColor() == clInfoText; }},
      {"HintColor", "$00FF8040",
       [](TDedAdararAdoz& g) { return g.HintColor() == static_cast<TColor>(0xFF8040); }},
      {"HintColor", "255", [](TDedAdararAdoz& g) { return g.HintColor() == clRed; }},
      {"HintColor", "", [](TDedAdararAdoz& g) { return g.HintColor() == clNone; }},
      {"Balloon.Transparency", "$1FF", [](TDedAdararAdoz& g) { return g.Balloon()->Transparency() == 0xFF; }},
      {"Look", "GLVISTA", [](TDedAdararAdoz& g) { return g.Look() == glVista; }},
      {"Look", "glNoSuchLook", [](TDedAdararAdoz& g) { return g.Look() == TDedAdararAdoz(nullptr).Look(); }},
      {"Font.Name", "",
       [](TDedAdararAdoz& g) { return g.Font()->Name() == TDedAdararAdoz(nullptr).Font()->Name(); }},
  };
  for (const TCase& c : cases) {
    dir.Write("case.txt", with(c.Key, c.Value));
    TDedAdararAdoz g(nullptr);
    g.LoadVisualProps(dir.File("case.txt"));
    EXPECT_TRUE(c.Check(g)) << c.Key << "=" << c.Value;
  }

  // Keys match without regard to case; a missing colour is no colour, a
  // missing flag false, a missing name leaves the property alone.
  std::string lower = LowerCase(text);
  for (const std::string gone : {"bands.active=", "hintcolor=", "look="}) {
    const size_t p = lower.find("\r\n" + gone);
    ASSERT_NE(p, std::string::npos) << gone;
    lower.erase(p, lower.find("\r\n", p + 2) - p);
  }
  dir.Write("lower.txt", lower);
  TDedAdararAdoz g(nullptr);
  g.Bands()->SetActive(true);
  g.SetLook(glWin7);
  g.LoadVisualProps(dir.File("lower.txt"));
  EXPECT_FALSE(g.Bands()->Active());
  EXPECT_EQ(g.HintColor(), clNone);
  EXPECT_EQ(g.Look(), glWin7);
  EXPECT_EQ(g.SelectionTextColor(), base.SelectionTextColor());
}

TEST(DivUzevLookFile, ABadValueLeavesTheGridAsItWas) {
  TTempFolder dir;
  TDedAdararAdoz src(nullptr);
  Restyle(src);
  src.SaveVisualProps(dir.File("look.txt"));
  const std::string text = dir.Read("look.txt");
  auto without = [&](const std::string& Line) {
    std::string t = text;
    t.erase(t.find(Line), Line.size());
    return t;
  };
  auto replaced = [&](const std::string& Line, const std::string& By) {
    std::string t = text;
    t.replace(t.find(Line), Line.size(), By);
    return t;
  };
  const std::vector<std::string> files = {
      without("Font.Size=13\r\n"),
      replaced("BackGround.Top=11", "BackGround.Top=eleven"),
      replaced("Grouping.SummaryLineColor=cl3DDkShadow", "Grouping.SummaryLineColor=clNoSuchColour"),
      std::string(),
  };
  for (const std::string& f : files) {
    dir.Write("bad.txt", f);
    TDedAdararAdoz g(nullptr);
    g.SaveVisualProps(dir.File("before.txt"));
    EXPECT_THROW(g.LoadVisualProps(dir.File("bad.txt")), EConvertError);
    g.SaveVisualProps(dir.File("after.txt"));
    EXPECT_EQ(dir.Read("after.txt"), dir.Read("before.txt")) << f.substr(0, 40);
  }
}

TEST(DivUzevLookFile, FilesThatCannotBeOpenedOrWritten) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  const std::string missing = dir.File("missing.txt");
  try {
    g.LoadVisualProps(missing);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing);
  }
  const std::string folder = dir.File("sub");
  std::filesystem::create_directory(folder);
  try {
    g.SaveVisualProps(folder);
    FAIL();
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot Create " + folder);
  }
}

}  // namespace
