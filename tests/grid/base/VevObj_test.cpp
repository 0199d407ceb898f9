#include "grid/base/VevObj.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/controls/Controls.h"
#include "framework/graphics/Graphics.h"

namespace {

// Counts a notify event's firings.
struct Counter {
  int n = 0;
  TNotifyEvent Event() {
    return [this](TObject*) { ++n; };
  }
};

}  // namespace

// ---------------------------------------------------------------------------
// Lists

TEST(VevObj, IntListReportsChangesWithItsCell) {
  TIntList list(3, 7);
  std::vector<std::string> log;
  list.OnChange = [&](TObject* sender, int c, int r) {
    EXPECT_EQ(sender, &list);
    log.push_back(std::to_string(c) + "," + std::to_string(r));
  };
  list.Add(10);
  list.Add(-20);
  list.SetItems(0, 11);
  list.Insert(0, 5);     // no event
  list.DeleteValue(99);  // absent: no event
  list.DeleteValue(-20);
  list.Delete(0);
  EXPECT_EQ(log.size(), 5u);
  EXPECT_EQ(log.front(), "3,7");
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list[0], 11);
  EXPECT_TRUE(list.HasValue(11));
  EXPECT_FALSE(list.HasValue(5));
  list.Clear();  // no event
  EXPECT_EQ(log.size(), 5u);
  EXPECT_THROW(list.Items(0), EListError);
  EXPECT_THROW(list.Delete(0), EListError);
}

TEST(VevObj, IntListStrValue) {
  TIntList list(0, 0);
  EXPECT_EQ(list.StrValue(), "");
  int changes = 0;
  list.OnChange = [&](TObject*, int, int) { ++changes; };
  list.SetStrValue("1, -2,\"3\" 4");
  EXPECT_EQ(list.StrValue(), "1,-2,3,4");
  EXPECT_EQ(changes, 4);
  EXPECT_THROW(list.SetStrValue("5,x,6"), EConvertError);
  EXPECT_EQ(list.StrValue(), "5");  // the items before the bad one stay
}

TEST(VevObj, SortIndexListDirectionsAndColumns) {
  TSortIndexList list;
  int changes = 0;
  list.OnChange = [&](TObject*, int, int) { ++changes; };
  list.AddIndex(2, true);
  list.AddIndex(5, false);
  EXPECT_EQ(list.SaveToString(), "u2;d5");
  EXPECT_EQ(list.FindIndex(5), 1);
  EXPECT_EQ(list.FindIndex(7), -1);
  EXPECT_FALSE(list.SortDirections(1));
  list.ToggleIndex(5);
  EXPECT_TRUE(list.SortDirections(1));
  list.ToggleIndex(2);
  EXPECT_EQ(list.FindIndex(2), 0);  // found whatever the direction
  EXPECT_EQ(list.SaveToString(), "d2;u5");
  list.SetSortColumns(0, 9);
  EXPECT_EQ(list.SortColumns(0), 9);
  EXPECT_FALSE(list.SortDirections(0));  // direction kept
  list.SetSortDirections(0, true);
  EXPECT_EQ(list.SaveToString(), "u9;u5");
  EXPECT_EQ(changes, 6);  // every write goes through Add or SetItems

  list.Clear();
  list.AddIndex(70000, true);
  EXPECT_EQ(list.SaveToString(), "u4464");  // the text keeps the low 16 bits
}

TEST(VevObj, SortIndexListLoadFromString) {
  struct Case {
    std::string text, saved;
  } cases[] = {
      {"u2;d5", "u2;d5"}, {"U3", "d3"},     {"u", ""},    {"u1;;d2", "u1;d2"}, {"", ""},
      {"ux;d2", "d2"},    {"u-1;u2", "u2"}, {"x7", "d7"}, {"u 3;d4", "d4"},    {"u99999999999", ""},
  };
  for (const Case& c : cases) {
    TSortIndexList list;
    list.AddIndex(42, true);  // cleared by the load
    list.LoadFromString(c.text);
    EXPECT_EQ(list.SaveToString(), c.saved) << c.text;
  }
}

TEST(VevObj, ControlListOwnsItemsNotControls) {
  TWinControl control(nullptr);
  {
    TControlList list;
    list.AddControl(1, 2, &control);
    list.AddControl(3, 4, nullptr);
    EXPECT_EQ(list.ControlIndex(3, 4), 1);
    EXPECT_EQ(list.ControlIndex(2, 1), -1);
    EXPECT_EQ(list.GetControl(0)->Control(), &control);
    EXPECT_EQ(list.GetControl(0)->X(), 1);
    EXPECT_EQ(list.GetControl(0)->Y(), 2);
    EXPECT_FALSE(list.HasHandle(12345));
    EXPECT_FALSE(control.HandleAllocated());  // asking made no window
    const HWND handle = control.Handle();
    EXPECT_TRUE(list.HasHandle(handle));
    EXPECT_FALSE(list.HasHandle(handle + 1));
    list.RemoveControl(1);
    EXPECT_EQ(list.Count(), 1);
  }
  EXPECT_EQ(control.Name(), "");  // still alive after the list is gone
}

TEST(VevObj, HandleList) {
  THandleList list;
  list.Add(10);
  list.Add(20);
  list.Insert(0, 5);
  EXPECT_EQ(list.Items(0), 5u);
  EXPECT_TRUE(list.HasValue(20));
  list.DeleteValue(20);
  list.DeleteValue(99);
  EXPECT_FALSE(list.HasValue(20));
  list.SetItems(1, 11);
  list.Delete(0);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list[0], 11u);
}

// ---------------------------------------------------------------------------
// Settings objects

TEST(VevObj, SettingsDefaults) {
  TNavigation nav;
  for (bool on : {nav.CopyHTMLTagsToClipboard(), nav.AllowClipboardRowGrow(), nav.AllowClipboardColGrow(),
                  nav.EditSelectAll(), nav.SkipFixedCells(), nav.AllowCtrlEnter(), nav.CursorWalkAlwaysEdit(),
                  nav.AdvanceAutoEdit(), nav.LeftRightRowSelect(), nav.ComboGetUpDown(),
                  nav.SkipDisabledRows(), nav.AdvanceOnEnterLoop(), nav.AdvanceSkipReadOnlyCells()})
    EXPECT_TRUE(on);
  for (bool off : {nav.AllowInsertRow(), nav.AdvanceOnEnter(), nav.AdvanceInsert(), nav.AdvanceAuto(),
                   nav.AllowFmtClipboard(), nav.AlwaysEdit(), nav.KeepScrollOnSort(), nav.CursorMoveRows()})
    EXPECT_FALSE(off);
  EXPECT_EQ(nav.ClipboardPasteAction(), paReplace);
  EXPECT_EQ(nav.AdvanceDirection(), adLeftRight);
  EXPECT_EQ(nav.InsertPosition(), pInsertBefore);
  EXPECT_EQ(nav.HomeEndKey(), heFirstLastColumn);
  EXPECT_EQ(nav.CursorAdvance(), caDefault);

  TMouseActions mouse(nullptr);
  EXPECT_TRUE(mouse.AutoSizeColOnDblClick());
  EXPECT_TRUE(mouse.PreciseNodeClick());
  EXPECT_FALSE(mouse.DirectEdit());
  EXPECT_FALSE(mouse.DisjunctRowSelect());
  EXPECT_EQ(mouse.WheelIncrement(), 0);
  EXPECT_EQ(mouse.FixedRowsEdit(), fceNone);
  EXPECT_EQ(mouse.FixedColsEditor(), fceEdit);
  EXPECT_EQ(mouse.WheelAction(), waMoveSelection);
  EXPECT_EQ(mouse.FixedComboValues()->Count(), 0);

  TBands bands;
  EXPECT_FALSE(bands.Active());
  EXPECT_EQ(bands.TotalLength(), 2);
  EXPECT_EQ(bands.PrimaryColor(), clInfoBk);
  EXPECT_EQ(bands.SecondaryColor(), clWindow);

  TSearchFooter designed(nullptr, true);
  EXPECT_EQ(designed.FindNextCaption(), "Find &next");
  EXPECT_EQ(designed.HintFindPrev(), "Find previous occurrence");
  EXPECT_EQ(designed.SearchColumn(), -1);
  EXPECT_EQ(designed.Color(), clWhite);
  EXPECT_EQ(designed.ColorTo(), clBtnFace);
  EXPECT_TRUE(designed.AutoSearch());
  EXPECT_FALSE(designed.Visible());
  TSearchFooter loaded(nullptr, false);  // a grid read from a stored layout
  EXPECT_EQ(loaded.FindNextCaption(), "");
  EXPECT_EQ(loaded.MatchCaseCaption(), "");
  EXPECT_EQ(loaded.HintClose(), "");

  EXPECT_FALSE(TFocusHelper().Enabled());
}

TEST(VevObj, BandsNotifyOnlyWhileActive) {
  TBands bands;
  Counter changes;
  bands.OnChange = changes.Event();
  bands.SetPrimaryLength(3);
  EXPECT_EQ(bands.TotalLength(), 4);
  bands.SetPrimaryColor(clRed);
  EXPECT_EQ(changes.n, 0);
  bands.SetActive(true);
  EXPECT_EQ(changes.n, 1);
  bands.SetActive(true);
  bands.SetSecondaryLength(1);  // unchanged values fire nothing
  EXPECT_EQ(changes.n, 1);
  bands.SetSecondaryLength(2);
  bands.SetSecondaryColor(clBlue);
  EXPECT_EQ(changes.n, 3);
  EXPECT_EQ(bands.TotalLength(), 5);
}

TEST(VevObj, SearchFooterChangeEvents) {
  TSearchFooter footer(nullptr, false);
  Counter changes;
  footer.OnChange = changes.Event();
  footer.SetVisible(false);   // same value: no event
  footer.SetShowClose(true);  // always an event
  footer.SetColor(footer.Color());
  EXPECT_EQ(changes.n, 2);
  footer.SetVisible(true);
  footer.SetHintClose("Close");
  footer.SetSearchColumn(3);  // stored only
  footer.SetLastSearch("x");
  EXPECT_EQ(changes.n, 4);

  TFont font;
  font.SetName("Arial");
  font.SetSize(14);
  footer.SetFont(&font);
  EXPECT_EQ(changes.n, 5);
  EXPECT_NE(footer.Font(), &font);
  EXPECT_EQ(footer.Font()->Name(), "Arial");
  EXPECT_EQ(footer.Font()->Size(), 14);
}

TEST(VevObj, NavigationSetters) {
  TNavigation nav;
  Counter changes;
  nav.OnChange = changes.Event();
  nav.SetAdvanceAuto(true);
  EXPECT_TRUE(nav.AdvanceOnEnter());
  EXPECT_EQ(changes.n, 0);
  nav.SetAdvanceAuto(false);
  EXPECT_TRUE(nav.AdvanceOnEnter());  // switching off leaves it
  nav.SetAdvanceDirection(adLeftRight);
  nav.SetAdvanceInsert(false);
  EXPECT_EQ(changes.n, 0);
  nav.SetAdvanceDirection(adTopBottom);
  nav.SetAdvanceInsert(true);
  nav.SetAllowInsertRow(true);
  EXPECT_EQ(changes.n, 2);
}

TEST(VevObj, MouseActionsSetters) {
  TMouseActions mouse(nullptr);
  Counter changes, invalidates, disables;
  mouse.OnChange = changes.Event();
  mouse.OnInvalidate = invalidates.Event();
  mouse.OnDisableEdit = disables.Event();

  mouse.SetDisjunctColSelect(true);
  mouse.SetDisjunctRowSelect(true);  // at run time the three are independent
  EXPECT_TRUE(mouse.DisjunctColSelect());

  bool designing = true;
  mouse.OnIsDesigning = [&](TObject*, bool& d) { d = designing; };
  mouse.SetDisjunctCellSelect(true);
  EXPECT_FALSE(mouse.DisjunctColSelect());
  EXPECT_FALSE(mouse.DisjunctRowSelect());
  designing = false;

  mouse.SetHotmailRowSelect(true);
  EXPECT_TRUE(mouse.DisjunctRowSelect());
  EXPECT_TRUE(mouse.CheckAllCheck());
  EXPECT_EQ(invalidates.n, 1);

  mouse.SetEditOnDblClickOnly(false);
  mouse.SetEditOnDblClickOnly(true);
  EXPECT_EQ(disables.n, 1);

  mouse.SetWheelAction(waMoveSelection);
  mouse.SetWheelAction(waScroll);
  EXPECT_EQ(changes.n, 1);

  TStringList values;
  values.Add("A");
  values.Add("B");
  mouse.SetFixedComboValues(&values);
  values.Clear();
  EXPECT_EQ(mouse.FixedComboValues()->Count(), 2);
}

TEST(VevObj, SyncGridRefusesItsOwnGrid) {
  TComponent owner(nullptr), other(nullptr);
  TSyncGrid sync(&owner);
  sync.SetGrid(&other);
  sync.SetGrid(&owner);
  EXPECT_EQ(sync.Grid(), &other);
  sync.SetGrid(nullptr);
  EXPECT_EQ(sync.Grid(), nullptr);
}

TEST(VevObj, AssignCopiesByTheRulesWithoutEvents) {
  {
    TSearchFooter src(nullptr, true), dst(nullptr, false);
    src.SetVisible(true);
    src.SetSearchColumn(4);
    src.SetAutoSearch(false);
    src.SetLastSearch("abc");
    src.SetSearchFixedCells(true);
    src.Font()->SetName("Courier New");
    Counter changes;
    dst.OnChange = changes.Event();
    dst.Assign(&src);
    EXPECT_TRUE(dst.Visible());
    EXPECT_EQ(dst.SearchColumn(), 4);
    EXPECT_EQ(dst.FindNextCaption(), "Find &next");
    EXPECT_EQ(dst.Font()->Name(), "Courier New");
    EXPECT_TRUE(dst.AutoSearch());  // not copied
    EXPECT_EQ(dst.LastSearch(), "");
    EXPECT_FALSE(dst.SearchFixedCells());
    EXPECT_EQ(changes.n, 0);
  }
  {
    TNavigation src, dst;
    src.SetKeepScrollOnSort(true);
    src.SetAdvanceAuto(true);
    src.SetCursorAdvance(caLoop);
    Counter changes;
    dst.OnChange = changes.Event();
    dst.Assign(&src);
    EXPECT_FALSE(dst.KeepScrollOnSort());
    EXPECT_TRUE(dst.AdvanceAuto());
    EXPECT_EQ(dst.CursorAdvance(), caLoop);
    EXPECT_EQ(changes.n, 0);
  }
  {
    TMouseActions src(nullptr), dst(nullptr);
    src.SetSizeFixedRow(true);
    src.SetHotmailRowSelect(true);
    src.SetEditOnDblClickOnly(true);
    src.SetWheelIncrement(3);
    src.FixedComboValues()->Add("x");
    Counter invalidates;
    dst.OnInvalidate = invalidates.Event();
    dst.Assign(&src);
    EXPECT_FALSE(dst.SizeFixedRow());
    EXPECT_FALSE(dst.HotmailRowSelect());
    EXPECT_FALSE(dst.EditOnDblClickOnly());
    EXPECT_EQ(dst.FixedComboValues()->Count(), 0);
    EXPECT_TRUE(dst.DisjunctRowSelect());  // copied as a value
    EXPECT_EQ(dst.WheelIncrement(), 3);
    EXPECT_EQ(invalidates.n, 0);
  }
  {
    TBands src, dst;
    src.SetPrimaryLength(4);
    src.SetActive(true);
    src.SetPrint(true);
    Counter changes;
    dst.OnChange = changes.Event();
    dst.Assign(&src);
    EXPECT_TRUE(dst.Active());
    EXPECT_EQ(dst.TotalLength(), 5);
    EXPECT_TRUE(dst.Print());
    EXPECT_EQ(changes.n, 0);
  }
  {
    TComponent owner(nullptr), other(nullptr);
    TSyncGrid src(&other), dst(&owner);
    src.SetGrid(&owner);  // another grid for src, but dst's own grid
    src.SetMoveRow(true);
    dst.Assign(&src);
    EXPECT_EQ(dst.Grid(), nullptr);  // through the setter: refused
    EXPECT_TRUE(dst.MoveRow());
  }
  {
    TFocusHelper src, dst;
    src.SetEnabled(true);
    dst.Assign(&src);
    EXPECT_TRUE(dst.Enabled());
    TBands other;
    dst.Assign(&other);  // another class: ignored
    EXPECT_TRUE(dst.Enabled());
  }
}
