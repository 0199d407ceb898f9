// The print and HTML settings objects (defaults, owned objects, copying,
// stored layouts), the print settings file, and the fonts that follow a
// change of scale.
#include <gtest/gtest.h>

#include <string>

#include "../../framework/os/TempFolder.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/IniFiles.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"

namespace {

TEST(DivUzevSettings, NewPrintSettings) {
  TDedAdararAdoz g(nullptr);
  TPrintSettings* p = g.PrintSettings();
  EXPECT_EQ(p->Owner(), &g);
  EXPECT_EQ(p->Borders(), pbSingle);
  EXPECT_EQ(p->BorderStyle(), psSolid);
  EXPECT_TRUE(p->Centered());
  EXPECT_TRUE(p->UseDisplayFont());
  EXPECT_EQ(p->PageNumSep(), "/");
  EXPECT_EQ(p->DateFormat(), "dd/mm/yyyy");
  EXPECT_EQ(p->Time(), ppNone);
  EXPECT_EQ(p->FitToPage(), fpNever);
  EXPECT_EQ(p->Orientation(), poPortrait);
  EXPECT_EQ(p->BorderColor(), clBlack);
  EXPECT_EQ(p->TitleLines()->Count(), 0);
  THTMLSettings* h = g.HTMLSettings();
  EXPECT_TRUE(h->SaveColor());
  EXPECT_TRUE(h->SaveFonts());
  EXPECT_TRUE(h->ExportImages());
  EXPECT_EQ(h->BorderSize(), 1);
  EXPECT_EQ(h->Width(), 100);
  EXPECT_EQ(h->ColWidths()->Count(), 0);
}

TEST(DivUzevSettings, CopyRules) {
  TDedAdararAdoz a(nullptr), b(nullptr);
  TFont font;
  font.SetName("Courier");
  font.SetStyle(TFontStyles{fsItalic});
  a.PrintSettings()->SetHeaderFont(&font);
  font.SetName("changed later");
  EXPECT_EQ(a.PrintSettings()->HeaderFont()->Name(), "Courier") << "a font write copies the font";
  a.PrintSettings()->TitleLines()->Add("Title");
  a.PrintSettings()->SetFixedCellsAlways(true);
  a.PrintSettings()->SetRightSize(123);
  b.SetPrintSettings(a.PrintSettings());
  EXPECT_EQ(b.PrintSettings()->HeaderFont()->Name(), "Courier");
  EXPECT_NE(b.PrintSettings()->HeaderFont(), a.PrintSettings()->HeaderFont());
  EXPECT_EQ(b.PrintSettings()->TitleLines()->Text(), a.PrintSettings()->TitleLines()->Text());
  EXPECT_EQ(b.PrintSettings()->RightSize(), 123);
  EXPECT_FALSE(b.PrintSettings()->FixedCellsAlways()) << "not a stored property";
  EXPECT_THROW(b.PrintSettings()->Assign(a.HTMLSettings()), EInvalidCast);

  a.HTMLSettings()->SetExportImages(false);
  a.HTMLSettings()->SetSummary("sum");
  a.HTMLSettings()->ColWidths()->Add(40);
  b.SetHTMLSettings(a.HTMLSettings());
  EXPECT_TRUE(b.HTMLSettings()->ExportImages()) << "ExportImages is not copied";
  EXPECT_EQ(b.HTMLSettings()->Summary(), "sum");
  EXPECT_EQ(b.HTMLSettings()->ColWidths()->Count(), 0);
  b.HTMLSettings()->Assign(a.PrintSettings());  // ignored
  b.ColumnSize()->Assign(a.PrintSettings());    // ignored

  // A copied stretch setting does not stretch by itself.
  TColumnSize cs(nullptr);
  cs.SetStretch(true);
  b.SetColWidths(0, 17);
  b.SetColumnSize(&cs);
  EXPECT_TRUE(b.ColumnSize()->Stretch());
  EXPECT_EQ(b.ColWidths(0), 17);
}

TEST(DivUzevSettings, StoredLayoutsKeepThem) {
  // Stored as a form's grid, the way layouts are kept.
  TForm form(nullptr);
  form.SetName("Form1");
  TDedAdararAdoz& a = *new TDedAdararAdoz(&form);
  a.SetName("Grid1");
  a.SetParent(&form);
  a.PrintSettings()->SetTitle(ppTopCenter);
  a.PrintSettings()->SetBorders(pbAroundVertical);
  a.PrintSettings()->SetBorderStyle(psDashDot);
  a.PrintSettings()->SetFitToPage(fpShrink);
  a.PrintSettings()->SetOrientation(poLandscape);
  a.PrintSettings()->SetPageNumSep(" of ");
  a.PrintSettings()->Font()->SetSize(14);
  a.PrintSettings()->TitleLines()->Add("first");
  a.PrintSettings()->TitleLines()->Add("second");
  a.PrintSettings()->SetUseDisplayFont(false);
  a.HTMLSettings()->SetXHTML(true);
  a.HTMLSettings()->SetPrefixTag("<p>");
  const std::string text = WriteComponentText(&form);
  EXPECT_NE(text.find("PrintSettings.Borders = pbAroundVertical"), std::string::npos) << text;
  EXPECT_NE(text.find("PrintSettings.Orientation = poLandscape"), std::string::npos) << text;
  EXPECT_EQ(text.find("FixedCellsAlways"), std::string::npos);

  TForm again(nullptr);
  ReadComponentText(&again, text, "grid.dfm");
  auto* b = dynamic_cast<TDedAdararAdoz*>(again.FindComponent("Grid1"));
  ASSERT_NE(b, nullptr);
  TPrintSettings* p = b->PrintSettings();
  EXPECT_EQ(p->Title(), ppTopCenter);
  EXPECT_EQ(p->BorderStyle(), psDashDot);
  EXPECT_EQ(p->FitToPage(), fpShrink);
  EXPECT_EQ(p->PageNumSep(), " of ");
  EXPECT_EQ(p->Font()->Size(), 14);
  EXPECT_EQ(p->TitleLines()->Count(), 2);
  EXPECT_FALSE(p->UseDisplayFont());
  EXPECT_TRUE(b->HTMLSettings()->XHTML());
  EXPECT_EQ(b->HTMLSettings()->PrefixTag(), "<p>");
}

TEST(DivUzevSettings, FontsFollowAChangeOfScale) {
  struct TScaledGrid : TDedAdararAdoz {
    using TDedAdararAdoz::ChangeScale;
    using TDedAdararAdoz::TDedAdararAdoz;
  };
  TScaledGrid g(nullptr);
  g.FixedFont()->SetSize(9);
  g.ActiveCellFont()->SetSize(10);
  g.ChangeScale(3, 3);
  EXPECT_EQ(g.FixedFont()->Size(), 9);
  EXPECT_EQ(g.ActiveCellFont()->Size(), 10);
  g.ChangeScale(2, 1);
  EXPECT_EQ(g.FixedFont()->Size(), 18);
  EXPECT_EQ(g.ActiveCellFont()->Size(), 20);
}

// ---------------------------------------------------------------------------
// The print settings file

class DivUzevPrintFile : public ::testing::Test {
 protected:
  std::string Ini() const { return dir_.File("print.ini"); }
  TTempFolder dir_;
};

TEST_F(DivUzevPrintFile, EverySettingRoundTrips) {
  TDedAdararAdoz a(nullptr);
  TPrintSettings* p = a.PrintSettings();
  p->SetColumnSpacing(-3);
  p->SetRowSpacing(4);
  p->SetTitleSpacing(5);
  p->SetFixedHeight(6);
  p->SetFixedWidth(7);
  p->SetCentered(false);
  p->SetNoAutoSize(true);
  p->SetUseFixedHeight(true);
  p->SetUseFixedWidth(true);
  p->SetRepeatFixedRows(true);
  p->SetRepeatFixedCols(true);
  p->SetUseDisplayFont(false);
  p->SetUseDefaultOrientation(true);
  p->SetBorders(pbCustom);
  p->SetBorderColor(clWindow);
  p->SetBorderStyle(psAlternate);
  p->SetDate(ppBottomLeft);
  p->SetPageNr(ppBottomCenter);
  p->SetTitle(ppTopLeft);
  p->SetTime(ppTopRight);
  p->SetDateFormat("yyyy-mm-dd");
  p->SetTitleText("Report");
  p->SetFooterSize(11);
  p->SetHeaderSize(12);
  p->SetLeftSize(13);
  p->SetRightSize(14);
  p->SetFitToPage(fpCustom);
  p->Font()->SetName("DejaVu Sans");
  p->Font()->SetSize(12);
  p->Font()->SetStyle(TFontStyles{fsBold, fsStrikeOut});
  p->Font()->SetColor(clRed);
  p->HeaderFont()->SetStyle(TFontStyles{fsBold});
  p->FooterFont()->SetColor(static_cast<TColor>(0x00123456));
  p->SetPageNumSep("-");
  p->SetPageSuffix(")");
  p->SetPagePrefix("(");
  p->SetOrientation(poLandscape);
  p->TitleLines()->Add("C:\\new\\table");
  p->TitleLines()->Add("two \\\\ back");
  p->TitleLines()->Add("");
  p->TitleLines()->Add("last");
  p->SetPrintGraphics(true);
  a.SavePrintSettings(Ini(), "Print");

  const std::string file = dir_.Read("print.ini");
  EXPECT_NE(file.find("BorderColor=-16777211\r\n"), std::string::npos) << "system colours are negative";
  EXPECT_NE(file.find("Centered=N\r\n"), std::string::npos);
  EXPECT_NE(file.find("FontStyle=9\r\n"), std::string::npos);

  TDedAdararAdoz b(nullptr);
  b.PrintSettings()->HeaderFont()->SetStyle(TFontStyles{fsItalic});
  b.LoadPrintSettings(Ini(), "Print");
  TPrintSettings* q = b.PrintSettings();
  EXPECT_EQ(q->ColumnSpacing(), -3);
  EXPECT_EQ(q->RowSpacing(), 4);
  EXPECT_EQ(q->TitleSpacing(), 5);
  EXPECT_EQ(q->FixedHeight(), 6);
  EXPECT_EQ(q->FixedWidth(), 7);
  EXPECT_FALSE(q->Centered());
  EXPECT_TRUE(q->NoAutoSize() && q->UseFixedHeight() && q->UseFixedWidth() && q->RepeatFixedRows() &&
              q->RepeatFixedCols() && q->UseDefaultOrientation() && q->PrintGraphics());
  EXPECT_FALSE(q->UseDisplayFont());
  EXPECT_EQ(q->Borders(), pbCustom);
  EXPECT_EQ(q->BorderColor(), clWindow);
  EXPECT_EQ(q->BorderStyle(), psAlternate) << "every pen style the file holds reads back";
  EXPECT_EQ(q->Date(), ppBottomLeft);
  EXPECT_EQ(q->PageNr(), ppBottomCenter);
  EXPECT_EQ(q->Title(), ppTopLeft);
  EXPECT_EQ(q->Time(), ppTopRight);
  EXPECT_EQ(q->DateFormat(), "yyyy-mm-dd");
  EXPECT_EQ(q->TitleText(), "Report");
  EXPECT_EQ(q->FooterSize() + q->HeaderSize() + q->LeftSize() + q->RightSize(), 11 + 12 + 13 + 14);
  EXPECT_EQ(q->FitToPage(), fpCustom);
  EXPECT_EQ(q->Font()->Name(), "DejaVu Sans");
  EXPECT_EQ(q->Font()->Size(), 12);
  EXPECT_EQ(q->Font()->Style(), (TFontStyles{fsBold, fsStrikeOut}));
  EXPECT_EQ(q->Font()->Color(), clRed);
  EXPECT_EQ(q->HeaderFont()->Style(), TFontStyles{fsBold}) << "the stored styles replace the font's";
  EXPECT_EQ(q->FooterFont()->Color(), static_cast<TColor>(0x00123456));
  EXPECT_EQ(q->PageNumSep(), "-");
  EXPECT_EQ(q->PageSuffix(), ")");
  EXPECT_EQ(q->PagePrefix(), "(");
  EXPECT_EQ(q->Orientation(), poLandscape);
  EXPECT_EQ(q->TitleLines()->Text(), p->TitleLines()->Text())
      << "backslashes and \"\\n\" in titles come back";
}

TEST_F(DivUzevPrintFile, MissingEntriesTakeTheFileDefaults) {
  TDedAdararAdoz g(nullptr);
  g.PrintSettings()->HeaderFont()->SetStyle(TFontStyles{fsItalic});
  g.PrintSettings()->SetDateFormat("keep?");
  g.LoadPrintSettings(Ini(), "Nothing");
  TPrintSettings* p = g.PrintSettings();
  EXPECT_EQ(p->ColumnSpacing(), 20);
  EXPECT_EQ(p->RowSpacing(), 20);
  EXPECT_EQ(p->TitleSpacing(), 20);
  EXPECT_EQ(p->FixedHeight(), 0);
  EXPECT_TRUE(p->Centered());
  EXPECT_FALSE(p->UseDisplayFont());
  EXPECT_EQ(p->Date(), ppNone);
  EXPECT_EQ(p->DateFormat(), "") << "a missing text is empty, not kept";
  EXPECT_EQ(p->PageNumSep(), "");
  EXPECT_EQ(p->HeaderSize(), 100);
  EXPECT_EQ(p->Borders(), pbNoborder);
  EXPECT_EQ(p->HeaderFont()->Name(), "Arial");
  EXPECT_EQ(p->HeaderFont()->Size(), 10);
  EXPECT_EQ(p->HeaderFont()->Style(), TFontStyles{});
  EXPECT_EQ(p->Orientation(), poPortrait);
  EXPECT_EQ(dir_.Read("print.ini"), "") << "the file is written back, empty";
}

TEST_F(DivUzevPrintFile, ValuesAsTheyAreRead) {
  dir_.Write("print.ini",
             "[Other]\r\nKeep=1\r\n[P]\r\nCentered=y\r\nNoAutoSize=Y\r\nBorderStyle=9\r\nBorders=-1\r\n"
             "Date=9\r\nTime=3\r\nFitToPage=x\r\nOrientation=2\r\nFontName=\r\nTitleLines=a\\nb\r\n");
  TDedAdararAdoz g(nullptr);
  TPrintSettings* p = g.PrintSettings();
  p->SetBorderStyle(psDot);
  p->SetBorders(pbDouble);
  p->SetFitToPage(fpGrow);
  p->SetOrientation(poLandscape);
  p->Font()->SetName("Keep");
  g.LoadPrintSettings(Ini(), "P");
  EXPECT_FALSE(p->Centered()) << "only an upper-case Y is true";
  EXPECT_TRUE(p->NoAutoSize());
  EXPECT_EQ(p->BorderStyle(), psDot) << "no pen style has 9";
  EXPECT_EQ(p->Borders(), pbDouble);
  EXPECT_EQ(p->Date(), ppNone) << "a position out of range is none";
  EXPECT_EQ(p->Time(), ppTopCenter);
  EXPECT_EQ(p->FitToPage(), fpNever) << "a value that is no number reads as the default";
  EXPECT_EQ(p->Orientation(), poLandscape);
  EXPECT_EQ(p->Font()->Name(), "Keep") << "an empty name keeps the font's";
  EXPECT_EQ(p->TitleLines()->Count(), 2);
  TMemIniFile ini(Ini());
  EXPECT_EQ(ini.ReadString("Other", "Keep", ""), "1");

  // Saving replaces this section's entries and keeps the others.
  g.SavePrintSettings(Ini(), "P");
  TMemIniFile again(Ini());
  EXPECT_EQ(again.ReadString("Other", "Keep", ""), "1");
  EXPECT_EQ(again.ReadString("P", "Centered", ""), "N");
  TStringList keys;
  again.ReadSection("P", &keys);
  EXPECT_EQ(keys.Count(), 45);
}

}  // namespace
