// The column grid: items in step with the columns, headers, per-cell
// answers from the items, column moves, pop-ups, filters, streams, saved
// column positions, and the configurator's stored table layouts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/button/LbButton.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/IniFiles.h"
#include "framework/classes/LayoutText.h"
#include "framework/classes/Published.h"
#include "framework/classes/Streams.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Menus.h"
#include "framework/controls/PageControl.h"
#include "framework/os/Resources.h"
#include "grid/model/VevCGrid.h"
#include "support/Input.h"

namespace {

using namespace testinput;

// A grid of Cols x Rows with one fixed row and one fixed column.
std::unique_ptr<TRavUvurerEduz> MakeGrid(int Cols, int Rows = 6) {
  auto g = std::make_unique<TRavUvurerEduz>(nullptr);
  g->SetColCount(Cols);
  g->SetRowCount(Rows);
  return g;
}

TEST(VevCGrid, ANewGridHasOneItemPerColumnWithTheItemDefaults) {
  auto g = MakeGrid(5);
  ASSERT_EQ(g->Columns()->Count(), 5);
  g->SetColWidths(3, 77);
  for (int i = 0; i < 5; ++i) {
    TGridColumnItem* c = g->Columns()->GetItem(i);
    EXPECT_EQ(c->CheckTrue(), "Y");
    EXPECT_EQ(c->CheckFalse(), "N");
    EXPECT_EQ(c->DropDownCount(), 8);
    EXPECT_EQ(c->SpinStep(), 1);
    EXPECT_EQ(c->PrintColor(), clWhite);
    EXPECT_EQ(c->PrintBorders(), (TCellBorders{cbTop, cbLeft, cbRight, cbBottom}));
    EXPECT_EQ(c->Color(), g->Color());
    EXPECT_EQ(c->Font()->Name(), g->Font()->Name());
    EXPECT_EQ(c->Width(), g->ColWidths(i)) << "Width reads the grid's column";
  }
  EXPECT_EQ(g->Columns()->GetItem(3)->Width(), 77);
  // Hidden columns keep their items; the count follows the counts.
  g->HideColumn(2);
  EXPECT_EQ(g->Columns()->Count(), 5);
  g->SetColCount(6);
  EXPECT_EQ(g->Columns()->Count(), 7);
  g->SetColCount(2);
  EXPECT_EQ(g->Columns()->Count(), 3);
  EXPECT_EQ(g->GetVersionString(), "3.1.3.1 Aug, 2012");
}

TEST(VevCGrid, ItemsAddedOrDeletedSetTheColumnCount) {
  auto g = MakeGrid(3);
  TGridColumnItem* last = g->Columns()->GetItem(2);
  last->SetAlignment(taCenter);
  last->SetEditor(edComboList);
  last->SetCheckTrue("on");
  last->SetCheckFalse("off");
  last->SetSortStyle(ssNumeric);
  last->SetSortPrefix("$");
  last->SetHeader("Type");
  last->SetName("type");
  last->ComboItems()->Add("a");
  last->HeaderFont()->SetSize(19);

  TGridColumnItem* added = g->Columns()->Add();
  EXPECT_EQ(g->ColCount(), 4);
  EXPECT_EQ(added->Alignment(), taCenter);
  EXPECT_EQ(added->Editor(), edComboList);
  EXPECT_EQ(added->CheckTrue(), "on");
  EXPECT_EQ(added->CheckFalse(), "off");
  EXPECT_EQ(added->SortStyle(), ssNumeric);
  EXPECT_EQ(added->SortPrefix(), "$");
  EXPECT_EQ(added->Header(), "");
  EXPECT_EQ(added->Name(), "");
  EXPECT_EQ(added->ComboItems()->Count(), 0);
  EXPECT_NE(added->HeaderFont()->Size(), 19);

  // The count follows only while it stays above the fixed columns.
  delete g->Columns()->GetItem(3);
  EXPECT_EQ(g->ColCount(), 3);
  delete g->Columns()->GetItem(2);
  EXPECT_EQ(g->ColCount(), 2);
  delete g->Columns()->GetItem(1);
  EXPECT_EQ(g->Columns()->Count(), 1);
  EXPECT_EQ(g->ColCount(), 2) << "one item left: no fewer columns than fixed ones plus one";
}

TEST(VevCGrid, HeadersGoToTheHeaderRowOfTheirRealColumn) {
  auto g = MakeGrid(4);
  g->Columns()->GetItem(2)->SetHeader("Type");
  EXPECT_EQ(g->GetCellEx(2, 0), "Type");
  ASSERT_EQ(g->ColumnHeaders()->Count(), 4);
  EXPECT_EQ(g->ColumnHeaders()->Strings(2), "Type");

  // With a hidden column before it, item 3's header still lands in real
  // column 3, and hiding moves no header.
  g->HideColumn(1);
  g->Columns()->GetItem(3)->SetHeader("Addr");
  EXPECT_EQ(g->GetCellEx(3, 0), "Addr");
  EXPECT_EQ(g->GetCellEx(2, 0), "Type");
  // A header typed into the header row becomes the item's.
  g->SetCellEx(1, 0, "typed");
  g->UpdateColumnHeaders();
  EXPECT_EQ(g->Columns()->GetItem(1)->Header(), "typed");

  // Without a fixed row only the list is rebuilt.
  auto plain = MakeGrid(3);
  plain->SetFixedRows(0);
  plain->Columns()->GetItem(1)->SetHeader("x");
  EXPECT_EQ(plain->GetCellEx(1, 0), "");
  EXPECT_EQ(plain->ColumnHeaders()->Strings(1), "x");
}

TEST(VevCGrid, ItemsDescribeThemselvesByIndexAndName) {
  auto g = MakeGrid(5);
  g->Columns()->GetItem(4)->SetName("Addr");
  EXPECT_EQ(g->Columns()->GetItem(4)->DescribeColumnItem(), "Col 4: Addr");
  EXPECT_EQ(g->Columns()->GetItem(3)->DescribeColumnItem(), "Column 3");
  EXPECT_EQ(g->GetColumnByName("Addr"), g->Columns()->GetItem(4));
  EXPECT_EQ(g->GetColumnByName("addr"), nullptr);
}

// ---------------------------------------------------------------------------
// Per-cell answers

TEST(VevCGrid, ADataCheckBoxColumnShowsCheckBoxesInItsNormalCellsOnly) {
  auto g = MakeGrid(4);
  TGridColumnItem* enable = g->Columns()->GetItem(1);
  enable->SetEditor(edDataCheckBox);
  enable->SetCheckTrue("Yes");
  enable->SetCheckFalse("No");
  struct Case {
    int col, row;
    TCellType type;
    const char* checkTrue;
  };
  for (Case c : {Case{1, 1, ctDataCheckBox, "Yes"}, Case{1, 5, ctDataCheckBox, "Yes"},
                 Case{1, 0, ctEmpty, "Y"},  // header row: the grid's own answers
                 Case{0, 1, ctEmpty, "Y"}, Case{2, 1, ctEmpty, "Y"}}) {
    EXPECT_EQ(g->GetCellType(c.col, c.row), c.type) << c.col << "," << c.row;
    std::string value;
    g->GetCheckTrue(c.col, c.row, value);
    EXPECT_EQ(value, c.checkTrue) << c.col << "," << c.row;
  }
  std::string off;
  g->GetCheckFalse(1, 2, off);
  EXPECT_EQ(off, "No");
  TCellGraphic* graphic = g->GetCellGraphic(1, 2);
  ASSERT_NE(graphic, nullptr);
  EXPECT_EQ(graphic->CellType, ctVirtCheckBox);
  EXPECT_EQ(g->GetCellGraphic(2, 2), nullptr);
  EXPECT_FALSE(g->HasCellProperties(1, 2)) << "asking makes no cell properties";
}

TEST(VevCGrid, EditingFollowsTheColumnThenTheCellThenTheEvent) {
  auto g = MakeGrid(4);
  g->Columns()->GetItem(1)->SetReadOnly(true);
  g->Columns()->GetItem(3)->SetFixed(true);
  g->SetReadOnly(2, 3, true);
  struct Case {
    int col, row;
    bool editable;
  };
  const std::vector<Case> cases = {{1, 2, false}, {3, 2, false}, {2, 3, false},
                                   {2, 2, true},  {0, 2, false}, {2, 0, false}};
  for (const Case& c : cases) {
    bool can = true;
    g->CanEditCell(c.col, c.row, can);
    EXPECT_EQ(can, c.editable) << c.col << "," << c.row;
  }
  // The event sees the column's answer and may turn it either way.
  std::vector<std::string> seen;
  g->OnCanEditCell = [&](TObject*, int ARow, int ACol, bool& CanEdit) {
    seen.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + "=" + (CanEdit ? "y" : "n"));
    CanEdit = !CanEdit;
  };
  bool can = false;
  g->CanEditCell(1, 2, can);
  EXPECT_TRUE(can);
  g->CanEditCell(2, 2, can);
  EXPECT_FALSE(can);
  EXPECT_EQ(seen, (std::vector<std::string>{"1,2=n", "2,2=y"}));
  bool fixed = false;
  g->IsFixedCell(3, 2, fixed);
  EXPECT_TRUE(fixed);
}

TEST(VevCGrid, LooksComeFromTheColumnAndCellPropertiesWin) {
  auto g = MakeGrid(4);
  TGridColumnItem* c2 = g->Columns()->GetItem(2);
  c2->SetAlignment(taCenter);
  c2->SetHeaderAlignment(taRightJustify);
  c2->SetColor(static_cast<TColor>(0x00B0D8FF));
  c2->HeaderFont()->SetSize(15);
  g->Columns()->GetItem(3)->SetFixed(true);

  TAlignment h = taLeftJustify;
  TVAlignment v = vtaTop;
  g->GetCellAlignment(2, 1, h, v);
  EXPECT_EQ(h, taCenter);
  g->GetCellAlignment(2, 0, h, v);
  EXPECT_EQ(h, taRightJustify) << "the header row takes the header alignment";
  g->SetAlignments(2, 3, taRightJustify);
  g->GetCellAlignment(2, 3, h, v);
  EXPECT_EQ(h, taRightJustify);

  TBrush brush;
  TFont font;
  g->GetCellColor(2, 1, {}, &brush, &font);
  EXPECT_EQ(brush.Color(), static_cast<TColor>(0x00B0D8FF));
  g->GetCellColor(2, 0, {}, &brush, &font);
  EXPECT_EQ(font.Size(), 15);
  g->GetCellColor(3, 1, {}, &brush, &font);
  EXPECT_EQ(brush.Color(), g->FixedColor());
  g->SetColors(2, 4, clRed);
  g->GetCellColor(2, 4, {}, &brush, &font);
  EXPECT_EQ(brush.Color(), clRed);

  // New cell properties start from the column's look.
  g->SetFontColors(2, 5, clBlue);
  EXPECT_EQ(g->Alignments(2, 5), taCenter);
  EXPECT_EQ(g->GetCellProperties(2, 5)->BrushColor(), static_cast<TColor>(0x00B0D8FF));
}

TEST(VevCGrid, EditorKindsComboBoxesAndSizeLimits) {
  auto g = MakeGrid(5);
  g->Columns()->GetItem(2)->SetEditor(edComboList);
  g->Columns()->GetItem(3)->SetEditor(edComboEdit);
  g->Columns()->GetItem(3)->SetDropDownCount(12);
  g->Columns()->GetItem(4)->SetMinSize(30);
  g->Columns()->GetItem(4)->SetMaxSize(90);
  struct Case {
    int col;
    TEditorType editor;
    bool combo;
  };
  for (Case c : {Case{1, edNormal, false}, Case{2, edComboList, true}, Case{3, edComboEdit, true}}) {
    TEditorType e = edNormal;
    g->GetCellEditor(c.col, 2, e);
    EXPECT_EQ(e, c.editor) << c.col;
    EXPECT_EQ(g->HasComboBox(c.col, 2), c.combo) << c.col;
    EXPECT_FALSE(g->HasComboBox(c.col, 0)) << "no drop-down in the header row";
  }
  EXPECT_EQ(g->ControlLook()->DropDownCount(), 12) << "the drop-down gets the column's count";
  for (auto [proposed, kept] : {std::pair{10, 30}, std::pair{50, 50}, std::pair{200, 90}}) {
    int w = proposed;
    g->UpdateColSize(4, w);
    EXPECT_EQ(w, kept);
  }
}

TEST(VevCGrid, AColumnsNumberFormatStaysWithThatColumn) {
  auto g = MakeGrid(4);
  g->Columns()->GetItem(2)->SetFloatFormat("%.3f");
  g->SetCellEx(2, 1, "1.5");
  g->SetCellEx(3, 1, "1.5");
  g->SetCellEx(2, 2, "abc");
  // Asking the editor of the formatted column changes no other column's
  // format (it used to become the grid's own).
  TEditorType e = edNormal;
  g->GetCellEditor(2, 1, e);
  EXPECT_EQ(g->FloatFormat(), "%.2f");
  std::string f;
  g->GetCellFloatFormat(3, 1, f);
  EXPECT_EQ(f, "%.2f");
  g->GetCellFloatFormat(2, 1, f);
  EXPECT_EQ(f, "%.3f");
  EXPECT_EQ(g->GetFormattedCell(2, 1), "1.500");
  EXPECT_EQ(g->GetFormattedCell(2, 2), "abc");
  EXPECT_EQ(g->GetFormattedCell(3, 1), "1.5") << "no column format: the text as stored";
  g->OnGetFloatFormat = [](TObject*, int, int, bool& IsFloat, std::string& Format) {
    IsFloat = true;
    Format = "%.1f";
  };
  EXPECT_EQ(g->GetFormattedCell(2, 1), "1.5");
}

TEST(VevCGrid, AColumnFilterListOffersNamesAndAppliesConditions) {
  auto g = MakeGrid(4);
  g->SetAutoFilterDisplay(true);
  TGridColumnItem* c = g->Columns()->GetItem(2);
  c->Filter()->Add("Low=<10");
  c->Filter()->Add("High=>=10");
  EXPECT_TRUE(g->GetColumnFilter(2));
  ASSERT_EQ(g->FilterList()->Count(), 2);
  EXPECT_EQ(g->FilterList()->Strings(0), "Low");
  EXPECT_EQ(g->FilterList()->Strings(1), "High");
  EXPECT_FALSE(g->GetColumnFilter(1));

  std::string condition, friendly;
  int column = -1;
  g->OnFilterSelect = [&](TObject*, int Column, int, const std::string& Friendly, std::string& Condition) {
    column = Column;
    friendly = Friendly;
    condition = Condition;
  };
  g->SetFilterColumn(2);
  g->FilterSelect(1);
  EXPECT_EQ(column, 2);
  EXPECT_EQ(friendly, "High");
  EXPECT_EQ(condition, ">=10");
  EXPECT_EQ(c->Header(), "High");
  EXPECT_EQ(g->FilterColumn(), -1);
}

// ---------------------------------------------------------------------------
// Column edits and moves

TEST(VevCGrid, InsertingAndRemovingColumnsMovesTheItemsAlong) {
  auto g = MakeGrid(5);
  for (int i = 0; i < 5; ++i) {
    g->Columns()->GetItem(i)->SetHeader("h" + std::to_string(i));
    g->SetCellEx(i, 1, "c" + std::to_string(i));
  }
  g->Columns()->GetItem(3)->SetEditor(edComboList);
  g->HideColumn(4);

  g->InsertCols(2, 2);
  ASSERT_EQ(g->Columns()->Count(), 7);
  EXPECT_EQ(g->ColCount(), 6);
  EXPECT_EQ(g->Columns()->GetItem(2)->Header(), "");
  EXPECT_EQ(g->Columns()->GetItem(5)->Editor(), edComboList);
  EXPECT_EQ(g->GetCellEx(5, 1), "c3");
  EXPECT_TRUE(g->IsHiddenColumn(6));
  EXPECT_EQ(g->GetCellEx(6, 1), "c4");

  g->RemoveCols(1, 3);  // h1 and the two new columns
  ASSERT_EQ(g->Columns()->Count(), 4);
  EXPECT_EQ(g->ColCount(), 3);
  EXPECT_EQ(g->NumHiddenColumns(), 1);
  const char* headers[] = {"h0", "h2", "h3", "h4"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(g->Columns()->GetItem(i)->Header(), headers[i]);
    EXPECT_EQ(g->GetCellEx(i, 1), "c" + std::string(headers[i]).substr(1)) << i;
  }
  EXPECT_EQ(g->Columns()->GetItem(2)->Editor(), edComboList);
  EXPECT_TRUE(g->IsHiddenColumn(3));
}

TEST(VevCGrid, MovingAColumnMovesItsItemAndReportsRealColumns) {
  auto g = MakeGrid(6);
  for (int i = 0; i < 6; ++i) g->Columns()->GetItem(i)->SetName("n" + std::to_string(i));
  g->Columns()->GetItem(2)->SetEditor(edComboList);
  g->Columns()->GetItem(2)->ComboItems()->Add("x");
  g->HideColumn(1);  // display 1 is real 2
  int from = -1, to = -1;
  g->OnAfterColumnMoved = [&](TObject*, int From, int To) {
    from = From;
    to = To;
  };
  g->MoveColumn(1, 3);
  EXPECT_EQ(from, 2);
  EXPECT_EQ(to, 4);
  TGridColumnItem* moved = g->Columns()->GetItem(4);
  EXPECT_EQ(moved->Name(), "n2");
  EXPECT_EQ(moved->Editor(), edComboList);
  EXPECT_EQ(moved->ComboItems()->Count(), 1);
  EXPECT_EQ(g->Columns()->Count(), 6);
}

// A pop-up menu that records where it would open.
class TRecordingMenu : public TPopupMenu {
 public:
  TRecordingMenu(TComponent* AOwner, std::vector<std::string>* Log) : TPopupMenu(AOwner), log(Log) {}
  void Popup(int X, int Y) override {
    shown.push_back(TPoint(X, Y));
    log->push_back("popup");
  }
  std::vector<TPoint> shown;
  std::vector<std::string>* log;
};

TEST(VevCGrid, AColumnPopupOpensWhereItsTypeSays) {
  TForm* form = NewPointerForm(500, 300);
  auto* g = new TRavUvurerEduz(form);
  g->SetParent(form);
  g->SetBounds(0, 0, 480, 280);
  g->SetColCount(4);
  std::vector<std::string> order;
  auto* menu = new TRecordingMenu(form, &order);
  TGridColumnItem* c = g->Columns()->GetItem(2);
  c->SetColumnPopup(menu);
  c->SetColumnPopupType(cpNormalCellsRClick);
  g->OnColumnPopup = [&](TObject*, int ACol, int ARow, TPopupMenu* Menu) {
    order.push_back("event " + std::to_string(ACol) + "," + std::to_string(ARow));
    EXPECT_EQ(Menu, menu);
  };
  ShowForm(form);
  const TRect normal = g->CellRect(2, 2);
  const TRect header = g->CellRect(2, 0);
  MouseDown(g, normal.Left + 5, normal.Top + 5, mbRight);
  MouseUp(g, normal.Left + 5, normal.Top + 5, mbRight);
  ASSERT_EQ(menu->shown.size(), 1u);
  EXPECT_EQ(menu->shown[0], g->ClientToScreen(TPoint(normal.Left, normal.Bottom)));
  MouseDown(g, header.Left + 5, header.Top + 5, mbRight);
  MouseUp(g, header.Left + 5, header.Top + 5, mbRight);
  Click(g, normal.Left + 5, normal.Top + 5, mbLeft);
  EXPECT_EQ(menu->shown.size(), 1u) << "not in the header row, not on the left button";
  EXPECT_EQ(order, (std::vector<std::string>{"event 2,2", "popup", "event 2,0"}));
  // Freeing the menu drops the column's reference to it.
  delete menu;
  EXPECT_EQ(c->ColumnPopup(), nullptr);
  FreePointerForm(form);
}

// ---------------------------------------------------------------------------
// Streams and saved positions

TEST(VevCGrid, ColumnsGoToAStreamAndBack) {
  auto g = MakeGrid(4);
  TGridColumnItem* c = g->Columns()->GetItem(2);
  c->SetHeader("Type");
  c->SetEditor(edComboList);
  c->ComboItems()->Add("Bit");
  c->ComboItems()->Add("Byte");
  c->SetWidth(88);
  c->SetColor(clYellow);
  c->SetCheckTrue("T");
  TMemoryStream stream;
  g->SaveColumnsToStream(&stream);

  auto other = MakeGrid(4);
  stream.SetPosition(0);
  other->LoadColumnsFromStream(&stream);
  TGridColumnItem* back = other->Columns()->GetItem(2);
  EXPECT_EQ(back->Header(), "Type");
  EXPECT_EQ(back->Editor(), edComboList);
  ASSERT_EQ(back->ComboItems()->Count(), 2);
  EXPECT_EQ(back->ComboItems()->Strings(1), "Byte");
  EXPECT_EQ(back->Color(), clYellow);
  EXPECT_EQ(back->CheckTrue(), "T");
  EXPECT_EQ(back->Width(), 88);
  EXPECT_EQ(other->ColCount(), 4);
}

TEST(VevCGrid, SavedColumnPositionsBringTheOrderBack) {
  const std::filesystem::path ini = std::filesystem::temp_directory_path() / "vevcgrid_positions.ini";
  std::filesystem::remove(ini);
  auto named = [](TRavUvurerEduz* G) {
    for (int i = 0; i < 3; ++i) G->Columns()->GetItem(i)->SetName("n" + std::to_string(i));
    G->Columns()->SetOrganization();
  };
  auto g = MakeGrid(3);
  g->SetFixedCols(0);
  named(g.get());
  g->MoveColumn(0, 2);
  g->SaveColumnPositions(ini.string(), "Cols");

  auto fresh = MakeGrid(3);
  fresh->SetFixedCols(0);
  named(fresh.get());
  fresh->LoadColumnPositions(ini.string(), "Cols");
  const char* order[] = {"n1", "n2", "n0"};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(fresh->Columns()->GetItem(i)->Name(), order[i]) << i;

  // A missing key leaves the order as it is.
  {
    TMemIniFile file(ini.string());
    file.DeleteKey("Cols", "CP1");
    file.UpdateFile();
  }
  auto untouched = MakeGrid(3);
  named(untouched.get());
  untouched->LoadColumnPositions(ini.string(), "Cols");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(untouched->Columns()->GetItem(i)->Name(), "n" + std::to_string(i));
  std::filesystem::remove(ini);
}

// ---------------------------------------------------------------------------
// The configurator's stored table layouts

// A form layout read into a plain form: the root's class becomes TForm and
// every event is checked to be a published event of its component's class,
// then dropped (the handlers belong to the editors' forms).
// With GridsOnly, only the layout's grids are read (onto the form itself),
// so a layout with controls of other kinds still shows its grids.
std::string LoadTableLayout(TForm* Form, const std::string& Resource, bool GridsOnly = false) {
  // The classes the editors' layouts hold besides the grids.
  RegisterColumnGridClasses();
  RegisterLbButtonClasses();
  { TPageControl linked(nullptr); }
  const std::string_view* text = FindEmbeddedResource(Resource);
  if (text == nullptr) return "no resource " + Resource;
  TLayoutObject root = ParseLayoutText(*text, Resource);
  if (GridsOnly) {
    std::vector<TLayoutObject> grids;
    std::function<void(const TLayoutObject&)> collect = [&](const TLayoutObject& o) {
      if (o.ClassName == "TRavUvurerEduz" || o.ClassName == "TDedAdararAdoz") grids.push_back(o);
      for (const TLayoutObject& child : o.Children) collect(child);
    };
    collect(root);
    root.Props.clear();
    root.Children = std::move(grids);
  }
  std::string problems;
  std::function<void(TLayoutObject&)> strip = [&](TLayoutObject& o) {
    const TPublishedClass* cls = FindPublishedClass(o.ClassName);
    std::vector<TLayoutProperty> kept;
    for (TLayoutProperty& p : o.Props) {
      if (p.Name.rfind("On", 0) == 0 && p.Value.Kind == TLayoutValueKind::Ident) {
        const TPropInfo* info = cls != nullptr ? cls->FindProp(p.Name) : nullptr;
        if (info == nullptr || info->Kind != pkEvent)
          problems += o.Name + "." + p.Name + " is not an event; ";
        continue;
      }
      kept.push_back(std::move(p));
    }
    o.Props = std::move(kept);
    for (TLayoutObject& child : o.Children) strip(child);
  };
  root.ClassName = "TForm";
  strip(root);
  ReadComponentLayout(Form, root, TLayoutSource{Resource, false});
  return problems;
}

TEST(VevCGrid, TheS7EditorsLayoutLoadsItsColumns) {
  TForm form(nullptr);
  ASSERT_EQ(LoadTableLayout(&form, "forms/FS7_Protocol_Set_Access.dfm"), "");
  auto* read = dynamic_cast<TRavUvurerEduz*>(form.FindComponent("ACG_S7_Read"));
  auto* write = dynamic_cast<TRavUvurerEduz*>(form.FindComponent("ACG_S7_Write"));
  ASSERT_NE(read, nullptr);
  ASSERT_NE(write, nullptr);
  EXPECT_EQ(read->ColCount(), 19);
  EXPECT_EQ(read->RowCount(), 513);
  ASSERT_EQ(read->Columns()->Count(), 19);
  EXPECT_TRUE(read->HintShowCells());

  struct Column {
    int index;
    const char* header;
    int width;
    TEditorType editor;
    std::vector<std::string> combo;
  };
  const std::vector<Column> columns = {
      {0, "N", 40, edNormal, {}},
      {1, "Enable", 50, edDataCheckBox, {}},
      {2, "PLC Address", 100, edNormal, {}},
      {4, "PLC Type", 80, edComboList, {"Logo0BA8", "S7200", "S7300", "S7400", "S71200", "S71500"}},
      {7, "Data Type", 70, edComboList, {"Bit", "Byte", "Char", "Word", "Int", "DWord", "DInt", "Real"}},
      {10,
       "PLC Area",
       115,
       edComboList,
       {"Direct peripheral access (P)", "Inputs (I)", "Output (Q)", "Flags (M) (Merker)"}},
      {14, "Position", 60, edComboList, {}},
      {16, "Swap", 40, edDataCheckBox, {}},
      {18, "Mnemonic", 204, edNormal, {}},
  };
  for (const Column& c : columns) {
    TGridColumnItem* item = read->Columns()->GetItem(c.index);
    EXPECT_EQ(item->Header(), c.header) << c.index;
    EXPECT_EQ(read->GetCellEx(c.index, 0), c.header) << c.index;
    EXPECT_EQ(item->Width(), c.width) << c.index;
    EXPECT_EQ(read->ColWidths(c.index), c.width) << c.index;
    EXPECT_EQ(item->Editor(), c.editor) << c.index;
    std::vector<std::string> combo;
    for (int i = 0; i < item->ComboItems()->Count(); ++i) combo.push_back(item->ComboItems()->Strings(i));
    EXPECT_EQ(combo, c.combo) << c.index;
  }
  // Check values, alignment and colours; a column the layout gives no
  // alignment keeps the default, not its neighbour's.
  TGridColumnItem* enable = read->Columns()->GetItem(1);
  EXPECT_EQ(enable->CheckTrue(), "Y");
  EXPECT_EQ(enable->CheckFalse(), "N");
  EXPECT_EQ(enable->Alignment(), taCenter);
  EXPECT_EQ(enable->Color(), static_cast<TColor>(0x00B0D8FF));
  EXPECT_EQ(read->Columns()->GetItem(2)->Alignment(), taLeftJustify);
  EXPECT_EQ(read->Columns()->GetItem(18)->Color(), clWhite);
  EXPECT_EQ(read->GetCellType(1, 1), ctDataCheckBox);
  EXPECT_EQ(read->Columns()->GetItem(0)->Font()->Name(), "Verdana") << "the columns take the form's font";
  for (int i = 0; i < 19; ++i) EXPECT_EQ(read->Columns()->GetItem(i)->DefIdx(), i);
  EXPECT_GT(write->Columns()->Count(), 1);
  EXPECT_EQ(write->Columns()->Count(), write->ColCount() + write->NumHiddenColumns());
}

TEST(VevCGrid, EveryTableLayoutLoadsWithItsItemsInStep) {
  int columnGrids = 0;
  for (const std::string& name : EmbeddedResourceNames()) {
    if (name.rfind("forms/", 0) != 0) continue;
    const std::string_view* text = FindEmbeddedResource(name);
    if (text == nullptr || (text->find("TRavUvurerEduz") == std::string_view::npos &&
                            text->find("TDedAdararAdoz") == std::string_view::npos))
      continue;
    SCOPED_TRACE(name);
    TForm form(nullptr);
    std::string problems;
    EXPECT_NO_THROW(problems = LoadTableLayout(&form, name, true));
    EXPECT_EQ(problems, "");
    for (int i = 0; i < form.ComponentCount(); ++i) {
      auto* grid = dynamic_cast<TRavUvurerEduz*>(form.Components(i));
      if (grid == nullptr) continue;
      ++columnGrids;
      EXPECT_EQ(grid->Columns()->Count(), grid->ColCount() + grid->NumHiddenColumns()) << grid->Name();
      for (int c = 1; c < grid->Columns()->Count(); ++c)
        EXPECT_FALSE(grid->Columns()->GetItem(c)->Header().empty()) << grid->Name() << " column " << c;
    }
  }
  // The configurator's forms hold 19 column grids.
  EXPECT_EQ(columnGrids, 19);
}

}  // namespace
