// The grid control as it is built: defaults of a new grid and of one read
// from a stored layout, settings objects set from layouts, copying, the
// window's timer and edit-done message, the unit's start-up, and the focus
// frame hook after a grid is gone.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/ClassRegistry.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/controls/Clipbrd.h"
#include "framework/controls/Forms.h"
#include "framework/controls/WinApi.h"
#include "framework/graphics/Themes.h"
#include "framework/rtl/Locale.h"
#include "grid/base/UndoRedo.h"
#include "grid/model/DivUzev.h"
#include "support/Input.h"

namespace {

using namespace testinput;

// Every default a grid has before stored properties are applied, checked
// on a grid made in code and on one read from a layout that names nothing.
void ExpectNewGridDefaults(TDedAdararAdoz* g) {
  struct Check {
    const char* what;
    std::function<bool()> ok;
  };
  const std::vector<Check> checks = {
      {"RowCount 10", [&] { return g->RowCount() == 10; }},
      {"ColCount 5", [&] { return g->ColCount() == 5; }},
      {"FixedRows 1", [&] { return g->FixedRows() == 1; }},
      {"FixedCols 1", [&] { return g->FixedCols() == 1; }},
      {"FixedColWidth 64", [&] { return g->FixedColWidth() == 64; }},
      {"DefaultRowHeight 22", [&] { return g->DefaultRowHeight() == 22; }},
      {"FixedRowHeight 22", [&] { return g->FixedRowHeight() == 22; }},
      {"Width 400", [&] { return g->Width() == 400; }},
      {"Height 250", [&] { return g->Height() == 250; }},
      {"AutoSize off", [&] { return !g->AutoSize(); }},
      {"ActiveCellShow off", [&] { return !g->ActiveCellShow(); }},
      {"ActiveCellColor clGray", [&] { return g->ActiveCellColor() == clGray; }},
      {"ActiveCellColorTo none", [&] { return g->ActiveCellColorTo() == clNone; }},
      {"ActiveCellFont bold", [&] { return g->ActiveCellFont()->Style().Contains(fsBold); }},
      {"FixedFont Tahoma bold",
       [&] { return g->FixedFont()->Name() == "Tahoma" && g->FixedFont()->Style().Contains(fsBold); }},
      {"AutoFilterUpdate on", [&] { return g->AutoFilterUpdate(); }},
      {"BorderColor of XP", [&] { return g->BorderColor() == static_cast<TColor>(0xB99D7F); }},
      {"CheckTrue Y", [&] { return g->CheckTrue() == "Y"; }},
      {"CheckFalse N", [&] { return g->CheckFalse() == "N"; }},
      {"DefaultEditor edNormal", [&] { return g->DefaultEditor() == edNormal; }},
      {"DefaultAlignment left", [&] { return g->DefaultAlignment() == taLeftJustify; }},
      {"DisabledFontColor clSilver", [&] { return g->DisabledFontColor() == clSilver; }},
      {"EnableHTML on", [&] { return g->EnableHTML(); }},
      {"EnableWheel on", [&] { return g->EnableWheel(); }},
      {"EnhRowColMove on", [&] { return g->EnhRowColMove(); }},
      {"FilterDropDownClear (All)", [&] { return g->FilterDropDownClear() == "(All)"; }},
      {"FilterDropDownColumns fdNormal", [&] { return g->FilterDropDownColumns() == fdNormal; }},
      {"FilterIncremental off", [&] { return !g->FilterIncremental(); }},
      {"FilterNormalCellsOnly on", [&] { return g->FilterNormalCellsOnly(); }},
      {"FitCellsInGrid on", [&] { return g->FitCellsInGrid(); }},
      {"FixedAsButtons off", [&] { return !g->FixedAsButtons(); }},
      {"FloatFormat %.2f", [&] { return g->FloatFormat() == "%.2f"; }},
      {"GroupColumn -1", [&] { return g->GroupColumn() == -1; }},
      {"HideFocusRect off", [&] { return !g->HideFocusRect(); }},
      {"HighlightColor", [&] { return g->HighlightColor() == clHighlight; }},
      {"HighlightTextColor", [&] { return g->HighlightTextColor() == clHighlightText; }},
      {"HintColor clInfoBk", [&] { return g->HintColor() == clInfoBk; }},
      {"HintShowLargeTextPos hpCell", [&] { return g->HintShowLargeTextPos() == hpCell; }},
      {"HoverFixedCells hfNone", [&] { return g->HoverFixedCells() == hfNone; }},
      {"IntelliZoom on", [&] { return g->IntelliZoom(); }},
      {"InvalidEntryIcon ieWarning", [&] { return g->InvalidEntryIcon() == ieWarning; }},
      {"LoadFirstRow on", [&] { return g->LoadFirstRow(); }},
      {"Look glXP", [&] { return g->Look() == glXP; }},
      {"NoDefaultDraw off", [&] { return !g->NoDefaultDraw(); }},
      {"PasswordChar *", [&] { return g->PasswordChar() == '*'; }},
      {"PreviewPage 1", [&] { return g->PreviewPage() == 1; }},
      {"PrinterDriverFix off", [&] { return !g->PrinterDriverFix(); }},
      {"ExcelClipboardFormat off", [&] { return !g->ExcelClipboardFormat(); }},
      {"QuoteEmptyCells on", [&] { return g->QuoteEmptyCells(); }},
      {"AlwaysQuotes off", [&] { return !g->AlwaysQuotes(); }},
      {"SaveFixedCells on", [&] { return g->SaveFixedCells(); }},
      {"SaveFixedRows off", [&] { return !g->SaveFixedRows(); }},
      {"SaveFixedCols off", [&] { return !g->SaveFixedCols(); }},
      {"SaveHiddenCells off", [&] { return !g->SaveHiddenCells(); }},
      {"SaveVirtCells on", [&] { return g->SaveVirtCells(); }},
      {"SaveWithHTML on", [&] { return g->SaveWithHTML(); }},
      {"ScrollBars ssBoth", [&] { return g->ScrollBars() == ssBoth; }},
      {"ScrollColor none", [&] { return g->ScrollColor() == clNone; }},
      {"ScrollType ssNormal", [&] { return g->ScrollType() == ssNormal; }},
      {"ScrollWidth of the system", [&] { return g->ScrollWidth() == GetSystemMetrics(SM_CXVSCROLL); }},
      {"SelectionColor", [&] { return g->SelectionColor() == static_cast<TColor>(0xEACAB6); }},
      {"SelectionColorTo none", [&] { return g->SelectionColorTo() == clNone; }},
      {"SelectionMirrorColor none", [&] { return g->SelectionMirrorColor() == clNone; }},
      {"SelectionMirrorColorTo none", [&] { return g->SelectionMirrorColorTo() == clNone; }},
      {"SelectionColorMixerFactor 50", [&] { return g->SelectionColorMixerFactor() == 50; }},
      {"SelectionTextColor 0", [&] { return g->SelectionTextColor() == 0; }},
      {"SelectionRectangleColor 0", [&] { return g->SelectionRectangleColor() == 0; }},
      {"ShowDesignHelper on", [&] { return g->ShowDesignHelper(); }},
      {"ShowNullDates on", [&] { return g->ShowNullDates(); }},
      {"ShowSelection on", [&] { return g->ShowSelection(); }},
      {"SizeGrowOnly off", [&] { return !g->SizeGrowOnly(); }},
      {"URLColor blue", [&] { return g->URLColor() == static_cast<TColor>(0xFF0000); }},
      {"UseDisabledFont on", [&] { return g->UseDisabledFont(); }},
      {"UseInternalHintClass on", [&] { return g->UseInternalHintClass(); }},
      {"VAlignment vtaTop", [&] { return g->VAlignment() == vtaTop; }},
      {"VyxGradientFrom white", [&] { return g->VyxGradientFrom() == static_cast<TColor>(0xFFFFFF); }},
      {"VyxGradientTo button face", [&] { return g->VyxGradientTo() == ColorToRGB(clBtnFace); }},
      {"VyxGradientMirrorFrom none", [&] { return g->VyxGradientMirrorFrom() == clNone; }},
      {"VyxGradientMirrorTo none", [&] { return g->VyxGradientMirrorTo() == clNone; }},
      {"WordWrap on", [&] { return g->WordWrap(); }},
      {"XMLEncoding", [&] { return g->XMLEncoding() == "ISO-8859-1"; }},
      {"XYOffset (2, 2)", [&] { return g->XYOffset() == TPoint(2, 2); }},
      {"Delimiter none", [&] { return g->Delimiter() == '\0'; }},
      {"JavaCSV off", [&] { return !g->JavaCSV(); }},
      {"ClearTextOnly off", [&] { return !g->ClearTextOnly(); }},
      {"no hidden columns or rows", [&] { return g->NumHiddenColumns() == 0 && g->NumHiddenRows() == 0; }},
      {"ControlStyle csTheme", [&] { return g->ControlLook()->ControlStyle() == csTheme; }},
      {"CheckSize 15", [&] { return g->ControlLook()->CheckSize() == 15; }},
      {"SearchFooter hidden", [&] { return !g->SearchFooter()->Visible(); }},
      {"Navigation AdvanceOnEnterLoop", [&] { return g->Navigation()->AdvanceOnEnterLoop(); }},
      {"MouseActions PreciseNodeClick", [&] { return g->MouseActions()->PreciseNodeClick(); }},
      {"Bands TotalLength 2", [&] { return g->Bands()->TotalLength() == 2; }},
      {"ColumnSize StretchColumn -1", [&] { return g->ColumnSize()->StretchColumn() == -1; }},
      {"Balloon delays -1", [&] { return g->Balloon()->InitialDelay() == -1 && !g->Balloon()->Enable(); }},
      {"ShowModified yellow, off",
       [&] { return g->ShowModified()->Color() == clYellow && !g->ShowModified()->Enabled(); }},
      {"Grouping line width 2", [&] { return g->Grouping()->HeaderLineWidth() == 2; }},
      {"CellNode indent 12", [&] { return g->CellNode()->NodeIndent() == 12; }},
      {"BackGround tiled", [&] { return g->BackGround()->Display() == bdTile; }},
  };
  for (const Check& c : checks) EXPECT_TRUE(c.ok()) << c.what;
}

TEST(DivUzevCreate, ANewGridHasTheDocumentedDefaults) {
  TForm form(nullptr);
  auto* g = new TDedAdararAdoz(&form);
  ExpectNewGridDefaults(g);
  // Run time: the cell scroll bars exist, the active cell font keeps the
  // framework's default name.
  EXPECT_NE(g->CellScrollBar(0), nullptr);
  EXPECT_NE(g->CellScrollBar(1), nullptr);
  EXPECT_EQ(g->ActiveCellFont()->Name(), TFont().Name());
}

TEST(DivUzevCreate, AGridReadFromALayoutKeepsEveryDefaultTheLayoutDoesNotName) {
  TForm form(nullptr);
  ReadComponentText(&form, R"(object Form1: TForm
  object Grid1: TDedAdararAdoz
  end
end
)",
                    "grid.dfm");
  auto* g = dynamic_cast<TDedAdararAdoz*>(form.FindComponent("Grid1"));
  ASSERT_NE(g, nullptr);
  ExpectNewGridDefaults(g);
  // Loading records the minimum sizes and marks the grid loaded.
  EXPECT_TRUE(g->GridLoaded());
  EXPECT_EQ(g->MinRowHeight(), 22);
  EXPECT_EQ(g->MinColWidth(), 10);
  EXPECT_EQ(g->MinFixedRows(), 1);
}

TEST(DivUzevCreate, ALayoutSetsTheSettingsObjectsInPlaceAndWritesThemBack) {
  TForm form(nullptr);
  ReadComponentText(&form, R"(object Form1: TForm
  object Undo1: TDivUzevUndoRedo
    MaxLevel = 20
  end
  object Check1: TDedAdararAdozCheck
    GotoCell = True
    UseMarkError = True
  end
  object Grid1: TDedAdararAdoz
    ColCount = 4
    RowCount = 7
    DefaultRowHeight = 18
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing, goAlwaysShowEditor]
    ColumnHeaders.Strings = (
      'Name'
      'Type'
      'Addr')
    CheckTrue = 'Ja'
    UndoRedo = Undo1
    CellChecker = Check1
    Navigation.AdvanceOnEnter = True
    Navigation.CursorAdvance = caSnake
    MouseActions.DisjunctRowSelect = True
    MouseActions.WheelIncrement = 3
    SearchFooter.FindNextCaption = 'Next'
    SearchFooter.SearchDirection = sdLeftRight
    SyncGrid.SelectionRow = True
    Bands.PrimaryLength = 3
    FocusHelper.Enabled = True
    ControlLook.ControlStyle = csFlat
    ControlLook.DropDownAlwaysVisible = True
    Grouping.HeaderUnderline = True
    ShowModified.Enabled = True
    ColumnSize.StretchColumn = 2
  end
end
)",
                    "grid.dfm");
  auto* g = dynamic_cast<TDedAdararAdoz*>(form.FindComponent("Grid1"));
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->ColCount(), 4);
  EXPECT_EQ(g->RowCount(), 7);
  EXPECT_EQ(g->DefaultRowHeight(), 18);
  EXPECT_EQ(g->GetCellEx(2, 0), "Addr");
  EXPECT_EQ(g->CheckTrue(), "Ja");
  EXPECT_EQ(g->UndoRedo(), form.FindComponent("Undo1"));
  EXPECT_EQ(g->UndoRedo()->MaxLevel(), 20);
  ASSERT_EQ(g->CellChecker(), form.FindComponent("Check1"));
  EXPECT_TRUE(g->CellChecker()->GotoCell());
  EXPECT_TRUE(g->CellChecker()->UseMarkError());
  EXPECT_TRUE(g->Navigation()->AdvanceOnEnter());
  EXPECT_EQ(g->Navigation()->CursorAdvance(), caSnake);
  EXPECT_TRUE(g->MouseActions()->DisjunctRowSelect());
  EXPECT_EQ(g->MouseActions()->WheelIncrement(), 3);
  EXPECT_EQ(g->SearchFooter()->FindNextCaption(), "Next");
  EXPECT_EQ(g->SearchFooter()->SearchDirection(), sdLeftRight);
  EXPECT_TRUE(g->SyncGrid()->SelectionRow());
  EXPECT_EQ(g->Bands()->TotalLength(), 4);
  EXPECT_TRUE(g->FocusHelper()->Enabled());
  EXPECT_EQ(g->ControlLook()->ControlStyle(), csFlat);
  EXPECT_TRUE(g->Grouping()->HeaderUnderline());
  EXPECT_TRUE(g->ShowModified()->Enabled());
  EXPECT_EQ(g->ColumnSize()->StretchColumn(), 2);
  // After loading: always showing the editor becomes the navigation's
  // always-edit switch.
  EXPECT_FALSE(g->Options().Contains(goAlwaysShowEditor));
  EXPECT_TRUE(g->Navigation()->AlwaysEdit());
  EXPECT_EQ(g->MinRowHeight(), 18);

  // The settings are written back as nested properties and read again.
  const std::string text = WriteComponentText(&form);
  for (const char* line : {"Navigation.AdvanceOnEnter = True", "MouseActions.DisjunctRowSelect = True",
                           "SearchFooter.FindNextCaption = 'Next'", "ControlLook.ControlStyle = csFlat",
                           "CellChecker = Check1", "UndoRedo = Undo1", "MaxLevel = 20", "ColCount = 4"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  TForm again(nullptr);
  ReadComponentText(&again, text, "again.dfm");
  auto* g2 = dynamic_cast<TDedAdararAdoz*>(again.FindComponent("Grid1"));
  ASSERT_NE(g2, nullptr);
  EXPECT_EQ(g2->ControlLook()->ControlStyle(), csFlat);
  EXPECT_EQ(g2->SearchFooter()->FindNextCaption(), "Next");
  EXPECT_EQ(g2->CellChecker(), again.FindComponent("Check1"));
}

// The progress looks, the filter list and drag scrolling (with its delays
// and margins) are stored with the layout and read back.
TEST(DivUzevCreate, ALayoutCarriesTheProgressFilterListAndDragScrollSettings) {
  const char* layout = R"(object Form1: TForm
  object Grid1: TDedAdararAdoz
    ProgressAppearance.CompleteColor = clGreen
    ProgressAppearance.Level1Perc = 60
    ProgressAppearance.ShowPercentage = False
    ProgressAppearance.Style = psClassic
    FilterDropDown.AutoSize = True
    FilterDropDown.Width = 220
    FilterDropDown.Color = clInfoBk
    FilterDropDown.Font.Name = 'DejaVu Sans'
    FilterDropDown.ColumnWidth = True
    DragScrollOptions.Active = True
    DragScrollOptions.Delays.InitialDelay = 400
    DragScrollOptions.Delays.RepeatDelay = 80
    DragScrollOptions.Margins.TopMargin = 12
    DragScrollOptions.Margins.RightMargin = 30
  end
end
)";
  auto check = [](TForm& Form, const std::string& Text) {
    auto* g = dynamic_cast<TDedAdararAdoz*>(Form.FindComponent("Grid1"));
    ASSERT_NE(g, nullptr) << Text;
    TGridProgressAppearance* p = g->ProgressAppearance();
    EXPECT_EQ(p->CompleteColor(), clGreen) << Text;
    EXPECT_EQ(p->Level1Perc(), 60);
    EXPECT_FALSE(p->ShowPercentage());
    EXPECT_EQ(p->Style(), psClassic);
    EXPECT_EQ(p->Level2Perc(), 90) << "not named: its default";
    TFilterDropDown* f = g->FilterDropDown();
    EXPECT_TRUE(f->AutoSize());
    EXPECT_EQ(f->Width(), 220);
    EXPECT_EQ(f->Height(), 150);
    EXPECT_EQ(f->Color(), clInfoBk);
    EXPECT_EQ(f->Font()->Name(), "DejaVu Sans");
    EXPECT_TRUE(f->ColumnWidth());
    TDragScrollOptions* d = g->DragScrollOptions();
    EXPECT_TRUE(d->Active());
    EXPECT_EQ(d->Delays()->InitialDelay(), 400);
    EXPECT_EQ(d->Delays()->RepeatDelay(), 80);
    EXPECT_EQ(d->Margins()->TopMargin(), 12);
    EXPECT_EQ(d->Margins()->RightMargin(), 30);
    EXPECT_EQ(d->Margins()->LeftMargin(), 50);
  };
  TForm first(nullptr);
  ReadComponentText(&first, layout, "grid.dfm");
  check(first, layout);
  const std::string text = WriteComponentText(&first);
  for (const char* line :
       {"ProgressAppearance.Style = psClassic", "FilterDropDown.Width = 220",
        "DragScrollOptions.Delays.InitialDelay = 400", "DragScrollOptions.Margins.TopMargin = 12"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  EXPECT_EQ(text.find("DragScrollOptions.Margins.LeftMargin"), std::string::npos) << text;
  TForm again(nullptr);
  ReadComponentText(&again, text, "again.dfm");
  check(again, text);

  // A fresh progress look is the XP one; copying takes the style and the
  // drag settings copy their delays and margins.
  TGridProgressAppearance fresh;
  EXPECT_EQ(fresh.Style(), psXP);
  auto* g = dynamic_cast<TDedAdararAdoz*>(first.FindComponent("Grid1"));
  fresh.Assign(g->ProgressAppearance());
  EXPECT_EQ(fresh.Style(), psClassic);
  TDragScrollOptions copy;
  copy.Assign(g->DragScrollOptions());
  EXPECT_TRUE(copy.Active());
  EXPECT_EQ(copy.Delays()->RepeatDelay(), 80);
  EXPECT_EQ(copy.Margins()->RightMargin(), 30);
}

TEST(DivUzevCreate, WithoutVisualStylesTheThemedLookFallsBackToClassicAfterLoading) {
  SetGridPlatformFacts(false, false, false, 0x00050050);
  TForm form(nullptr);
  ReadComponentText(&form, "object Form1: TForm\n  object Grid1: TDedAdararAdoz\n  end\nend\n", "grid.dfm");
  auto* g = dynamic_cast<TDedAdararAdoz*>(form.FindComponent("Grid1"));
  SetGridPlatformFacts(true, true, true, 0x0006000A);
  ASSERT_NE(g, nullptr);
  EXPECT_FALSE(g->IsXP());
  EXPECT_FALSE(g->IsThemed());
  EXPECT_EQ(g->BorderColor(), clGray);
  EXPECT_EQ(g->ControlLook()->ControlStyle(), csClassic);
}

TEST(DivUzevCreate, AGridMadeInADesignerHasNoRunTimeCompanionsAndATahomaActiveFont) {
  TForm form(nullptr);
  form.SetComponentStateFlag(csDesigning, true);
  TDedAdararAdoz g(&form);
  EXPECT_TRUE(g.Designing());
  EXPECT_EQ(g.CellScrollBar(0), nullptr);
  EXPECT_EQ(g.ActiveCellFont()->Name(), "Tahoma");
  // The search footer gets its English texts only in a designer.
  EXPECT_EQ(g.SearchFooter()->FindNextCaption(), "Find &next");
  TDedAdararAdoz runtime(nullptr);
  EXPECT_EQ(runtime.SearchFooter()->FindNextCaption(), "");
}

TEST(DivUzevCreate, IntegralHeightCutsTheHeightToWholeRows) {
  TDedAdararAdoz g(nullptr);
  g.SetBorderStyle(bsSingle);
  g.SetColCount(2);
  g.SetIntegralHeight(true);
  g.SetBounds(0, 0, 400, 100);
  // 100 - 2 = 98 cut to 88, then 88 + 2 x 2.
  EXPECT_EQ(g.Height(), 92);
  g.SetBorderStyle(bsNone);
  g.SetBounds(0, 0, 400, 100);
  EXPECT_EQ(g.Height(), 88);
}

TEST(DivUzevCreate, AssignCopiesSettingsAndCellsOnlyFromAnotherGrid) {
  TDedAdararAdoz src(nullptr);
  src.SetColCount(4);
  src.SetRowCount(6);
  src.SetCellEx(1, 1, "a");
  src.SetCellEx(3, 5, "z");
  src.HideColumn(2);
  src.SetCellEx(2, 2, "hidden");
  src.GetCellProperties(1, 1)->SetFontColor(clRed);
  src.SetCheckTrue("T");
  src.Navigation()->SetAdvanceOnEnter(true);
  src.MouseActions()->SetDisjunctRowSelect(true);
  src.SetColWidths(1, 90);

  TDedAdararAdoz dst(nullptr);
  dst.Assign(&src);
  EXPECT_EQ(dst.ColCount(), src.ColCount());
  EXPECT_TRUE(dst.IsHiddenColumn(2)) << "real columns mean the same in the copy";
  EXPECT_EQ(dst.RowCount(), 6);
  EXPECT_EQ(dst.CheckTrue(), "Y") << "not part of the copy";
  EXPECT_TRUE(dst.Navigation()->AdvanceOnEnter());
  EXPECT_TRUE(dst.MouseActions()->DisjunctRowSelect());
  EXPECT_EQ(dst.ColWidths(1), 90);
  EXPECT_EQ(dst.GetCellEx(1, 1), "a");
  EXPECT_EQ(dst.GetCellEx(3, 5), "z");
  EXPECT_EQ(dst.GetCellEx(2, 2), "hidden");
  ASSERT_TRUE(dst.HasCellProperties(1, 1));
  EXPECT_EQ(dst.GetCellProperties(1, 1)->FontColor(), clRed);
  EXPECT_NE(dst.GetCellProperties(1, 1), src.GetCellProperties(1, 1));

  // A plain string grid is no source: nothing changes.
  TStringGrid plain(nullptr);
  plain.SetColCount(9);
  TDedAdararAdoz untouched(nullptr);
  untouched.SetCellEx(1, 1, "keep");
  untouched.Assign(&plain);
  EXPECT_EQ(untouched.ColCount(), 5);
  EXPECT_EQ(untouched.GetCellEx(1, 1), "keep");
}

TEST(DivUzevCreate, TheUnitRegistersItsClassesClipboardFormatAndMessagesOnce) {
  InitializeDivUzevUnit();
  const unsigned format = GridCellsClipboardFormat();
  EXPECT_NE(format, 0u);
  EXPECT_EQ(ClipboardFormatName(format), "TDedAdararAdoz Cells");
  EXPECT_EQ(GridEditDoneMessage(), RegisterWindowMessage("GridEditDone"));
  EXPECT_EQ(DTPShiftFocusMessage(), RegisterWindowMessage("DTPShiftFocus"));
  EXPECT_NE(GridEditDoneMessage(), DTPShiftFocusMessage());
  EXPECT_TRUE(ComCtl470Available());
  TDedAdararAdoz grid(nullptr);
  EXPECT_EQ(GridLinkCursor(), crHandPoint);
  InitializeDivUzevUnit();
  EXPECT_EQ(GridCellsClipboardFormat(), format);
  // Layouts can make the grid by its class name.
  TForm form(nullptr);
  TComponent* c = CreateComponent("TDedAdararAdoz", &form);
  EXPECT_NE(dynamic_cast<TDedAdararAdoz*>(c), nullptr);
}

TEST(DivUzevCreate, StoredLayoutsCanMakeEveryGridClassByItsName) {
  InitializeDivUzevUnit();
  const std::vector<std::string> names = {
      "TDedAdararAdoz",   "TDropList",       "TArrowWindow",    "TGridCombo",        "TGridSpin",
      "TGridTransEdit",   "TGridTransCombo", "TGridCheckBox",   "TGridEditBtn",      "TGridDateTimePicker",
      "TGridUnitEditBtn", "TGridButton",     "TGridDatePicker", "THeaderDragButton", "TControlEdit",
      "TControlCombo",    "TScrollBar",      "ZEveRozoDiva",    "TFooterPanel",      "TSearchPanel"};
  const std::vector<std::string> registered = RegisteredClassNames();
  // The editors belong to a grid (the rich editor insists on it).
  TForm form(nullptr);
  auto* owner = new TDedAdararAdoz(&form);
  for (const std::string& name : names) {
    EXPECT_NE(std::find(registered.begin(), registered.end(), name), registered.end()) << name;
    TComponent* c = nullptr;
    EXPECT_NO_THROW(c = CreateComponent(name, owner)) << name;
    ASSERT_NE(c, nullptr) << name;
    EXPECT_EQ(c->ClassName(), name);
    EXPECT_EQ(c->Owner(), owner) << name;
  }
}

TEST(DivUzevCreate, TheVersionIsSixTwoOneThreeOfSeptember2012) {
  TDedAdararAdoz g(nullptr);
  EXPECT_EQ(g.GetVersionNr(), 0x06020103u);
  EXPECT_EQ(g.GetVersionString(), "6.2.1.3 Sep, 2012");
}

TEST(DivUzevCreate, FileVersionsAndLocaleGetters) {
  EXPECT_EQ(GetFileVersion("/no/such/file.dll"), -1);
  EXPECT_EQ(GetFileVersion("C:\\Windows\\System32\\COMCTL32.DLL"), 0x0006000A);
  TFormatSettingsScope keep;
  FormatSettings().DecimalSeparator = ',';
  FormatSettings().DateSeparator = '.';
  EXPECT_EQ(GetDecimalSeparator(), ',');
  EXPECT_EQ(GetDateSeparator(), '.');
}

// A grid on a shown form.
struct DivUzevWindow : ::testing::Test {
  TForm* form = nullptr;
  TDedAdararAdoz* g = nullptr;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 500, 400);
    g = new TDedAdararAdoz(form);
    g->SetParent(form);
    ShowForm(form);
  }
  void TearDown() override { delete form; }
};

TEST_F(DivUzevWindow, GridEditDoneReportsTheCellItWasPostedFor) {
  std::vector<std::pair<int, int>> done;
  g->OnEditCellDone = [&](TObject* Sender, int ACol, int ARow) {
    EXPECT_EQ(Sender, g);
    done.emplace_back(ACol, ARow);
  };
  PostMessage(g->Handle(), GridEditDoneMessage(), 3, 7);
  EXPECT_TRUE(done.empty()) << "posted, not sent";
  Pump();
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0], std::make_pair(3, 7));

  // With edit on double click only, the edit also ends editing.
  g->SetOptions(g->Options() << goEditing);
  g->MouseActions()->SetEditOnDblClickOnly(true);
  SendMessage(g->Handle(), GridEditDoneMessage(), 1, 1);
  EXPECT_FALSE(g->Options().Contains(goEditing));
}

TEST_F(DivUzevWindow, TheGridTimerRunsWhileTheWindowExists) {
  // The timer was started with the window: killing it succeeds once.
  EXPECT_TRUE(KillTimer(g->Handle(), 111));
  EXPECT_FALSE(KillTimer(g->Handle(), 111));
}

TEST_F(DivUzevWindow, TheSearchFooterPanelFollowsItsVisibility) {
  ASSERT_NE(g->SearchPanel(), nullptr);
  EXPECT_EQ(g->SearchPanel()->Parent(), g);
  EXPECT_EQ(g->SearchPanel()->Height(), 0);
  g->SearchFooter()->SetVisible(true);
  EXPECT_EQ(g->SearchPanel()->Height(), 32);
  EXPECT_TRUE(g->SearchPanel()->Visible());
}

TEST_F(DivUzevWindow, TheOwnerFormsResizeHandlerIsChainedAndGivenBack) {
  TForm* owner = new TForm(nullptr);
  int calls = 0;
  owner->OnResize = [&](TObject*) { ++calls; };
  auto* grid = new TDedAdararAdoz(owner);
  grid->SetParent(owner);
  owner->SetBounds(0, 0, 300, 300);
  ShowForm(owner);
  const int shown = calls;
  owner->SetBounds(0, 0, 320, 310);
  EXPECT_GT(calls, shown) << "the form's own handler still runs";
  delete grid;
  const int before = calls;
  owner->SetBounds(0, 0, 330, 330);
  EXPECT_GT(calls, before) << "the handler given back works without the grid";
  delete owner;
}

TEST_F(DivUzevWindow, ASizeWithFormGridFollowsTheFormsSizeChange) {
  g->SetBounds(0, 0, 300, 200);
  struct TCase {
    bool sizeWithForm;
    int formWidth, formHeight;
    int width, height;
  };
  const TCase cases[] = {
      {true, 490, 395, 290, 195},  // shrinks with the form
      {true, 520, 420, 320, 220},  // and grows with it
      {true, 190, 420, 320, 220},  // a change that leaves no width is not followed
      {false, 600, 500, 320, 220},
  };
  for (const TCase& c : cases) {
    g->SetSizeWithForm(c.sizeWithForm);
    form->SetBounds(0, 0, c.formWidth, c.formHeight);
    EXPECT_EQ(g->Width(), c.width) << c.formWidth;
    EXPECT_EQ(g->Height(), c.height) << c.formWidth;
  }
}

TEST_F(DivUzevWindow, TheStretchColumnFillsTheGridAgainWhenTheFormIsResized) {
  g->SetBounds(0, 0, 300, 200);
  g->SetColCount(4);
  g->ColumnSize()->SetStretch(true);
  g->SetSizeWithForm(true);
  auto others = [&] { return g->ColWidths(0) + g->ColWidths(1) + g->ColWidths(2); };
  ASSERT_EQ(g->ColWidths(3), g->ClientWidth() - others() - 1);
  for (int width : {560, 470}) {
    form->SetBounds(0, 0, width, 400);
    EXPECT_EQ(g->ColWidths(3), g->ClientWidth() - others() - 1) << width;
  }
}

TEST_F(DivUzevWindow, AGridDestroyedWhileItsFocusFrameIsActiveLeavesNothingBehind) {
  auto* other = new TDedAdararAdoz(form);
  other->SetParent(form);
  SetFocusFrameGrid(other);
  EXPECT_EQ(FocusFrameGrid(), other);
  delete other;
  EXPECT_EQ(FocusFrameGrid(), nullptr);
  // Moving windows of the thread runs the hook: it must find no grid.
  form->SetBounds(10, 10, 520, 420);
  g->SetBounds(5, 5, 300, 200);
  Pump();
  SetFocusFrameGrid(g);
  form->SetBounds(20, 20, 520, 420);
  SetFocusFrameGrid(nullptr);
}

}  // namespace
