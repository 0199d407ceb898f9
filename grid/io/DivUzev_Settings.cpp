// The print and HTML settings objects the grid owns: defaults, owned fonts
// and lists, copying, and their published tables.
#include <memory>

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/StringList.h"
#include "framework/graphics/Graphics_Published.h"
#include "grid/model/DivUzev_Published.h"

// ---------------------------------------------------------------------------
// TPrintSettings

TPrintSettings::TPrintSettings(TDedAdararAdoz* AOwner)
    : FOwner(AOwner),
      FFont(std::make_unique<TFont>()),
      FHeaderFont(std::make_unique<TFont>()),
      FFooterFont(std::make_unique<TFont>()),
      FTitleLines(std::make_unique<TStringList>()),
      FFixedFont(std::make_unique<TFont>()) {}

TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::SetFont(TFont* Value) { FFont->Assign(Value); }
void TPrintSettings::SetHeaderFont(TFont* Value) { FHeaderFont->Assign(Value); }
void TPrintSettings::SetFooterFont(TFont* Value) { FFooterFont->Assign(Value); }
void TPrintSettings::SetFixedFont(TFont* Value) { FFixedFont->Assign(Value); }
void TPrintSettings::SetTitleLines(TStrings* Value) { FTitleLines->Assign(Value); }

void TPrintSettings::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TPrintSettings*>(Source);
  if (s == nullptr) throw EInvalidCast("Invalid class typecast");
  if (s == this) return;
  FTime = s->FTime;
  FDate = s->FDate;
  FPageNr = s->FPageNr;
  FPageNumSep = s->FPageNumSep;
  FDateFormat = s->FDateFormat;
  FTitle = s->FTitle;
  FFont->Assign(s->FFont.get());
  FHeaderFont->Assign(s->FHeaderFont.get());
  FFooterFont->Assign(s->FFooterFont.get());
  FBorders = s->FBorders;
  FBorderStyle = s->FBorderStyle;
  FTitleText = s->FTitleText;
  FTitleLines->Assign(s->FTitleLines.get());
  FCentered = s->FCentered;
  FRepeatFixedRows = s->FRepeatFixedRows;
  FRepeatFixedCols = s->FRepeatFixedCols;
  FFooterSize = s->FFooterSize;
  FHeaderSize = s->FHeaderSize;
  FLeftSize = s->FLeftSize;
  FRightSize = s->FRightSize;
  FColumnSpacing = s->FColumnSpacing;
  FRowSpacing = s->FRowSpacing;
  FTitleSpacing = s->FTitleSpacing;
  FOrientation = s->FOrientation;
  FPagePrefix = s->FPagePrefix;
  FPageSuffix = s->FPageSuffix;
  FFixedHeight = s->FFixedHeight;
  FUseFixedHeight = s->FUseFixedHeight;
  FFixedWidth = s->FFixedWidth;
  FUseFixedWidth = s->FUseFixedWidth;
  FFitToPage = s->FFitToPage;
  FNoAutoSize = s->FNoAutoSize;
  FPrintGraphics = s->FPrintGraphics;
  FJobName = s->FJobName;
  FNoAutoSizeRow = s->FNoAutoSizeRow;
  FPageNumberOffset = s->FPageNumberOffset;
  FMaxPagesOffset = s->FMaxPagesOffset;
  FFixedFont->Assign(s->FFixedFont.get());
  FUseDisplayFont = s->FUseDisplayFont;
  FUseDefaultOrientation = s->FUseDefaultOrientation;
  FBorderColor = s->FBorderColor;
}

// ---------------------------------------------------------------------------
// THTMLSettings

THTMLSettings::THTMLSettings() : FColWidths(std::make_unique<TIntList>(-1, -1)) {}

THTMLSettings::~THTMLSettings() = default;

void THTMLSettings::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<THTMLSettings*>(Source);
  if (s == nullptr || s == this) return;
  FBorderSize = s->FBorderSize;
  FCellSpacing = s->FCellSpacing;
  FCellPadding = s->FCellPadding;
  FSaveColor = s->FSaveColor;
  FSaveFonts = s->FSaveFonts;
  FFooterFile = s->FFooterFile;
  FHeaderFile = s->FHeaderFile;
  FTableStyle = s->FTableStyle;
  FPrefixTag = s->FPrefixTag;
  FSuffixTag = s->FSuffixTag;
  FSummary = s->FSummary;
  FWidth = s->FWidth;
  FXHTML = s->FXHTML;
  FConvertSpecialChars = s->FConvertSpecialChars;
  FAutoPreview = s->FAutoPreview;
  FNonBreakingText = s->FNonBreakingText;
}

// ---------------------------------------------------------------------------
// Published tables

void PublishGridFileSettings() {
  PublishClass<TPrintSettings>("TPersistent", [](TPublish<TPrintSettings>& P) {
    using C = TPrintSettings;
    P.Enum("Time", &C::Time, &C::SetTime).Default(ppNone);
    P.Enum("Date", &C::Date, &C::SetDate).Default(ppNone);
    P.Enum("PageNr", &C::PageNr, &C::SetPageNr).Default(ppNone);
    P.String("PageNumSep", &C::PageNumSep, &C::SetPageNumSep).Default(std::string("/"));
    P.String("DateFormat", &C::DateFormat, &C::SetDateFormat).Default(std::string("dd/mm/yyyy"));
    P.Enum("Title", &C::Title, &C::SetTitle).Default(ppNone);
    P.Object("Font", &C::Font);
    P.Object("HeaderFont", &C::HeaderFont);
    P.Object("FooterFont", &C::FooterFont);
    P.Enum("Borders", &C::Borders, &C::SetBorders).Default(pbSingle);
    P.Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(psSolid);
    P.String("TitleText", &C::TitleText, &C::SetTitleText);
    P.Strings("TitleLines", &C::TitleLines);
    P.Bool("Centered", &C::Centered, &C::SetCentered).Default(true);
    P.Bool("RepeatFixedRows", &C::RepeatFixedRows, &C::SetRepeatFixedRows).Default(false);
    P.Bool("RepeatFixedCols", &C::RepeatFixedCols, &C::SetRepeatFixedCols).Default(false);
    P.Integer("FooterSize", &C::FooterSize, &C::SetFooterSize).Default(0);
    P.Integer("HeaderSize", &C::HeaderSize, &C::SetHeaderSize).Default(0);
    P.Integer("LeftSize", &C::LeftSize, &C::SetLeftSize).Default(0);
    P.Integer("RightSize", &C::RightSize, &C::SetRightSize).Default(0);
    P.Integer("ColumnSpacing", &C::ColumnSpacing, &C::SetColumnSpacing).Default(0);
    P.Integer("RowSpacing", &C::RowSpacing, &C::SetRowSpacing).Default(0);
    P.Integer("TitleSpacing", &C::TitleSpacing, &C::SetTitleSpacing).Default(0);
    P.Enum("Orientation", &C::Orientation, &C::SetOrientation).Default(poPortrait);
    P.String("PagePrefix", &C::PagePrefix, &C::SetPagePrefix);
    P.String("PageSuffix", &C::PageSuffix, &C::SetPageSuffix);
    P.Integer("FixedHeight", &C::FixedHeight, &C::SetFixedHeight).Default(0);
    P.Bool("UseFixedHeight", &C::UseFixedHeight, &C::SetUseFixedHeight).Default(false);
    P.Integer("FixedWidth", &C::FixedWidth, &C::SetFixedWidth).Default(0);
    P.Bool("UseFixedWidth", &C::UseFixedWidth, &C::SetUseFixedWidth).Default(false);
    P.Enum("FitToPage", &C::FitToPage, &C::SetFitToPage).Default(fpNever);
    P.Bool("NoAutoSize", &C::NoAutoSize, &C::SetNoAutoSize).Default(false);
    P.Bool("PrintGraphics", &C::PrintGraphics, &C::SetPrintGraphics).Default(false);
    P.String("JobName", &C::JobName, &C::SetJobName);
    P.Bool("NoAutoSizeRow", &C::NoAutoSizeRow, &C::SetNoAutoSizeRow).Default(false);
    P.Integer("PageNumberOffset", &C::PageNumberOffset, &C::SetPageNumberOffset).Default(0);
    P.Integer("MaxPagesOffset", &C::MaxPagesOffset, &C::SetMaxPagesOffset).Default(0);
    P.Object("FixedFont", &C::FixedFont);
    P.Bool("UseDisplayFont", &C::UseDisplayFont, &C::SetUseDisplayFont).Default(true);
    P.Bool("UseDefaultOrientation", &C::UseDefaultOrientation, &C::SetUseDefaultOrientation).Default(false);
    P.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).Default(clBlack);
  });

  PublishClass<THTMLSettings>("TPersistent", [](TPublish<THTMLSettings>& P) {
    using C = THTMLSettings;
    P.Bool("AutoPreview", &C::AutoPreview, &C::SetAutoPreview).Default(false);
    P.Bool("ConvertSpecialChars", &C::ConvertSpecialChars, &C::SetConvertSpecialChars).Default(false);
    P.Bool("NonBreakingText", &C::NonBreakingText, &C::SetNonBreakingText).Default(false);
    P.Bool("SaveColor", &C::SaveColor, &C::SetSaveColor).Default(true);
    P.Bool("SaveFonts", &C::SaveFonts, &C::SetSaveFonts).Default(true);
    P.String("FooterFile", &C::FooterFile, &C::SetFooterFile);
    P.String("HeaderFile", &C::HeaderFile, &C::SetHeaderFile);
    P.Integer("BorderSize", &C::BorderSize, &C::SetBorderSize).Default(1);
    P.Integer("CellSpacing", &C::CellSpacing, &C::SetCellSpacing).Default(0);
    P.Integer("CellPadding", &C::CellPadding, &C::SetCellPadding).Default(0);
    P.String("TableStyle", &C::TableStyle, &C::SetTableStyle);
    P.String("PrefixTag", &C::PrefixTag, &C::SetPrefixTag);
    P.String("SuffixTag", &C::SuffixTag, &C::SetSuffixTag);
    P.String("Summary", &C::Summary, &C::SetSummary);
    P.Integer("Width", &C::Width, &C::SetWidth).Default(100);
    P.Bool("XHTML", &C::XHTML, &C::SetXHTML).Default(false);
    P.Bool("ExportImages", &C::ExportImages, &C::SetExportImages).Default(true);
  });
}
