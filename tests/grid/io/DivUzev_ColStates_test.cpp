// Column states: the state text byte for byte, order and visibility applied,
// malformed texts that change nothing (the stretch setting included), and
// the column-size store in an INI file and under a registry key.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "../../framework/os/TempFolder.h"
#include "framework/classes/IniFiles.h"
#include "framework/classes/Registry.h"
#include "grid/model/DivUzev.h"

namespace {

std::vector<std::string> Row0(TDedAdararAdoz& G) {
  std::vector<std::string> out;
  for (int d = 0; d < G.ColCount(); ++d) out.push_back(G.Cells(G.RealColIndex(d), 0));
  return out;
}

void Label(TDedAdararAdoz& G, int N) {
  G.SetColCount(N);
  for (int c = 0; c < N; ++c) G.SetCells(c, 0, std::string(1, static_cast<char>('A' + c)));
}

TEST(DivUzevColStates, TheStateText) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(4);
  g.SetColWidths(1, 80);
  g.SetColWidths(3, 120);
  EXPECT_EQ(g.ColumnStatesToString(), "4#64,80,64,120#0,1,2,3#1,1,1,1");

  TDedAdararAdoz six(nullptr);
  Label(six, 6);
  six.SetColWidths(1, 11);
  six.SetColWidths(4, 44);
  six.MoveColumn(5, 0);
  six.HideColumn(1);
  six.HideColumn(3);
  const std::string state = six.ColumnStatesToString();
  EXPECT_EQ(state, "6#64,11,64,44,64,64#5,0,1,2,3,4#1,0,1,0,1,1")
      << "hidden columns count, the last widths are the default, flags by real index";

  TDedAdararAdoz fresh(nullptr);
  Label(fresh, 6);
  fresh.StringToColumnStates(state);
  EXPECT_EQ(fresh.ColCount(), 4);
  EXPECT_TRUE(fresh.IsHiddenColumn(1));
  EXPECT_TRUE(fresh.IsHiddenColumn(3));
  EXPECT_EQ(Row0(fresh), (std::vector<std::string>{"F", "B", "D", "E"}))
      << "moved and hidden as in the state";
  for (int d = 0; d < 4; ++d) EXPECT_EQ(fresh.ColWidths(d), six.ColWidths(d)) << d;
  EXPECT_EQ(fresh.ColumnStatesToString(), state);
}

TEST(DivUzevColStates, FlagsOnlyExactlyZeroHide) {
  TDedAdararAdoz g(nullptr);
  Label(g, 4);
  g.StringToColumnStates("4#10,20,30,40##00,,0,1");
  EXPECT_FALSE(g.IsHiddenColumn(0));
  EXPECT_FALSE(g.IsHiddenColumn(1));
  EXPECT_TRUE(g.IsHiddenColumn(2));
  EXPECT_EQ(g.ColWidths(0), 10);
  EXPECT_EQ(g.ColWidths(2), 30) << "widths go to the shown columns in turn";
  EXPECT_EQ(g.ColumnOrderList()->Count(), 0) << "an empty order leaves no order";
}

TEST(DivUzevColStates, MalformedTextsChangeNothing) {
  struct Case {
    const char* text;
    bool raises;
  };
  const Case cases[] = {
      {"no state at all", false},    {"x#1,2,3#0,1,2#1,1,1", true},  {"3#1,2#0,1,2#1,1,1", true},
      {"3#1,2,x#0,1,2#1,1,1", true}, {"3#1,2,3#0,1,z#1,1,1", true},  {"3#1,2,3#0,0,2#1,1,1", true},
      {"3#1,2,3#0,1,7#1,1,1", true}, {"3#1,2,3#0,1,2#1,1", true},    {"0#####", true},
      {"9999999#1#0#1", true},       {"3#1,-2,3#0,1,2#1,1,1", true},
  };
  for (const Case& c : cases) {
    TDedAdararAdoz g(nullptr);
    Label(g, 5);
    g.SetColWidths(2, 77);
    g.MoveColumn(4, 0);
    g.HideColumn(1);
    g.ColumnSize()->SetStretch(true);
    const std::string before = g.ColumnStatesToString();
    const std::vector<std::string> cells = Row0(g);
    if (c.raises)
      EXPECT_THROW(g.StringToColumnStates(c.text), Exception) << c.text;
    else
      EXPECT_NO_THROW(g.StringToColumnStates(c.text)) << c.text;
    EXPECT_EQ(g.ColumnStatesToString(), before) << c.text;
    EXPECT_EQ(Row0(g), cells) << c.text;
    EXPECT_TRUE(g.ColumnSize()->Stretch()) << c.text;
  }
}

TEST(DivUzevColStates, StretchIsSuspendedWhileWidthsApply) {
  TDedAdararAdoz g(nullptr);
  Label(g, 3);
  g.ColumnSize()->SetStretch(true);
  g.ColumnSize()->SetStretchColumn(1);
  g.SetColWidths(1, 90);
  g.StringToColumnStates("3#5,6,7#0,1,2#1,1,1");
  EXPECT_EQ(g.ColWidths(0), 5);
  EXPECT_EQ(g.ColWidths(2), 7);
  EXPECT_TRUE(g.ColumnSize()->Stretch());
  EXPECT_EQ(g.DefaultColWidth(), 90) << "the default width is the stretch column's";
}

TEST(DivUzevColStates, ALoadedOrderIsTheOrderItNames) {
  // Columns the user moved after the state was taken come back to the
  // state's order, not to an order relative to where they stand now.
  TDedAdararAdoz g(nullptr);
  Label(g, 4);
  g.MoveColumn(3, 1);  // A D B C
  const std::string state = g.ColumnStatesToString();
  g.MoveColumn(0, 3);  // D B C A
  g.StringToColumnStates(state);
  EXPECT_EQ(Row0(g), (std::vector<std::string>{"A", "D", "B", "C"}));
}

// ---------------------------------------------------------------------------
// The column-size store

class DivUzevColStore : public ::testing::TestWithParam<TColumnSizeLocation> {
 protected:
  void SetUp() override { SetRegistryFolder(dir_.Path()); }
  void TearDown() override { SetRegistryFolder(""); }
  void Configure(TDedAdararAdoz& G) {
    G.ColumnSize()->SetLocation(GetParam());
    G.ColumnSize()->SetKey(GetParam() == clIniFile ? dir_.File("sizes.ini") : "Software\\CF30406\\Grid");
    G.ColumnSize()->SetSection("Main");
  }
  TTempFolder dir_;
};

TEST_P(DivUzevColStore, SizesAndPositionsRoundTrip) {
  TDedAdararAdoz src(nullptr);
  Label(src, 4);
  Configure(src);
  src.SetColWidths(0, 15);
  src.SetColWidths(3, 150);
  src.MoveColumn(3, 0);
  src.SaveColSizes();
  src.SaveColPositions();

  TDedAdararAdoz dst(nullptr);
  Label(dst, 4);
  Configure(dst);
  dst.LoadColPositions();
  dst.LoadColSizes();
  EXPECT_EQ(Row0(dst), (std::vector<std::string>{"D", "A", "B", "C"}));
  for (int d = 0; d < 4; ++d) EXPECT_EQ(dst.ColWidths(d), src.ColWidths(d)) << d;
  if (GetParam() == clRegistry) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\CF30406\\Grid\\Main"));
    EXPECT_EQ(reg.GetDataType("Col0"), rdInteger);
    EXPECT_EQ(reg.ReadInteger("Pos0"), 3);
  } else {
    TMemIniFile ini(dir_.File("sizes.ini"));
    EXPECT_EQ(ini.ReadString("Main", "Col1", ""), "15");
    EXPECT_EQ(ini.ReadString("Main", "Pos0", ""), "3");
  }
}

TEST_P(DivUzevColStore, NothingStoredChangesNothing) {
  TDedAdararAdoz g(nullptr);
  Label(g, 3);
  Configure(g);
  g.SetColWidths(1, 33);
  g.LoadColSizes();
  g.LoadColPositions();
  EXPECT_EQ(g.ColWidths(1), 33);
  EXPECT_EQ(Row0(g), (std::vector<std::string>{"A", "B", "C"}));
  if (GetParam() == clIniFile)
    EXPECT_FALSE(std::filesystem::exists(dir_.File("sizes.ini"))) << "a load only reads the store";

  // Without a key or section the store is not touched.
  TDedAdararAdoz none(nullptr);
  none.ColumnSize()->SetLocation(clIniFile);
  none.ColumnSize()->SetKey(dir_.File("other.ini"));
  none.SaveColSizes();
  EXPECT_FALSE(std::filesystem::exists(dir_.File("other.ini")));
}

TEST_P(DivUzevColStore, StoredValuesThatAreNoSizesOrOrderAreLeftOut) {
  TDedAdararAdoz g(nullptr);
  Label(g, 3);
  Configure(g);
  {
    std::unique_ptr<TCustomIniFile> store;
    if (GetParam() == clIniFile)
      store = std::make_unique<TMemIniFile>(dir_.File("sizes.ini"));
    else
      store = std::make_unique<TRegistryIniFile>("Software\\CF30406\\Grid");
    store->WriteInteger("Main", "Col0", -40);
    store->WriteString("Main", "Col1", "wide");
    store->WriteInteger("Main", "Col2", 71);
    store->WriteInteger("Main", "Pos0", 2);
    store->WriteInteger("Main", "Pos1", 2);
    store->WriteInteger("Main", "Pos2", 0);
    store->UpdateFile();
  }
  g.LoadColSizes();
  g.LoadColPositions();
  EXPECT_EQ(g.ColWidths(0), 64);
  EXPECT_EQ(g.ColWidths(1), 64);
  EXPECT_EQ(g.ColWidths(2), 71);
  EXPECT_EQ(Row0(g), (std::vector<std::string>{"A", "B", "C"}))
      << "positions that repeat a column are no order";
}

// Loading reads the INI file and never writes it back: a read-only file
// loads (the safe writer would refuse to replace it), and the file keeps its
// bytes and its time.
TEST(DivUzevColStoreIni, ALoadFromAReadOnlyFileOnlyReads) {
  TTempFolder dir;
  const std::string text = "[Main]\r\nCol0=91\r\nCol1=17\r\nPos0=1\r\nPos1=0\r\n; kept as it is\r\n";
  dir.Write("sizes.ini", text);
  const std::string file = dir.File("sizes.ini");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  const auto stamp = std::filesystem::last_write_time(file);

  TDedAdararAdoz g(nullptr);
  Label(g, 2);
  g.ColumnSize()->SetLocation(clIniFile);
  g.ColumnSize()->SetKey(file);
  g.ColumnSize()->SetSection("Main");
  EXPECT_NO_THROW(g.LoadColPositions());
  EXPECT_NO_THROW(g.LoadColSizes());
  EXPECT_EQ(g.ColWidths(0), 91);
  EXPECT_EQ(g.ColWidths(1), 17);
  EXPECT_EQ(Row0(g), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(dir.Read("sizes.ini"), text);
  EXPECT_EQ(std::filesystem::last_write_time(file), stamp);
}

INSTANTIATE_TEST_SUITE_P(Locations, DivUzevColStore, ::testing::Values(clIniFile, clRegistry));

}  // namespace
