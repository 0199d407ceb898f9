// Aligned ASCII text and fixed-width records: column widths and alignment,
// continuation lines, wide and many columns, the width and position lists,
// and errors that leave the grid as it was.
#include <gtest/gtest.h>

#include <string>

#include "../../framework/os/TempFolder.h"
#include "grid/model/DivUzev.h"

namespace {

void Plain(TDedAdararAdoz& G, int Cols, int Rows) {
  G.SetFixedCols(0);
  G.SetFixedRows(0);
  G.SetColCount(Cols);
  G.SetRowCount(Rows);
}

TEST(DivUzevASCII, ColumnsAreAsWideAsTheirLongestLine) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Plain(g, 3, 2);
  g.SetCells(0, 0, "abcde");
  g.SetCells(0, 1, "12");
  g.GetCellProperties(0, 1)->SetAlignment(taRightJustify);
  g.SetCells(1, 0, "x");
  g.SetCells(1, 1, "mid");
  g.GetCellProperties(1, 0)->SetAlignment(taCenter);
  g.SetCells(2, 0, "\xC3\xA4\xC3\xB6");  // two characters, four bytes
  g.SaveToASCII(dir.File("a.txt"), true);
  const std::string bytes = dir.Read("a.txt");
  ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  std::string text;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const unsigned ch =
        static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
    text += ch < 0x80 ? static_cast<char>(ch) : '#';
  }
  EXPECT_EQ(text,
            "abcde  x  ## \r\n"
            "   12 mid    \r\n");
}

TEST(DivUzevASCII, ExtraLinesContinueUnderTheirColumn) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Plain(g, 3, 1);
  g.SetMultilineCells(true);
  g.SetCells(0, 0, "aa");
  g.SetCells(1, 0, "b");
  g.SetCells(2, 0, "first\r\nsecond");
  g.SaveToASCII(dir.File("m.txt"));
  EXPECT_EQ(dir.Read("m.txt"), "aa b first  \r\n     second \r\n");
}

TEST(DivUzevASCII, WideAndManyColumnsStayAligned) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Plain(g, 600, 2);
  g.SetCells(0, 0, std::string(300, 'w'));
  g.SetCells(599, 1, "end");
  g.SaveToASCII(dir.File("w.txt"));
  const std::string t = dir.Read("w.txt");
  const size_t eol = t.find("\r\n");
  // 301 characters for the wide column, 1 for each of 598 empty ones, 4 for the last.
  EXPECT_EQ(eol, 301u + 598u + 4u);
  EXPECT_EQ(t.substr(eol + 2 + 301 + 598, 3), "end");
}

TEST(DivUzevFixed, SaveFillsMissingWidthsAndCutsOrPads) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Plain(g, 3, 2);
  g.SetCells(0, 0, "abcdef");
  g.SetCells(1, 0, "x");
  g.SetCells(2, 0, "two\r\nlines");
  g.SetCells(0, 1, "ab");
  TIntList widths(0, 0);
  widths.Add(4);
  g.SaveToFixed(dir.File("f.txt"), &widths);
  ASSERT_EQ(widths.Count(), 3);
  EXPECT_EQ(widths.Items(1), 2);
  // Only the first line of a cell counts without multi-line cells; a record
  // keeps to one line.
  EXPECT_EQ(widths.Items(2), 4);
  EXPECT_EQ(dir.Read("f.txt"), "abcdx two \r\nab        \r\n");
}

TEST(DivUzevFixed, LoadReadsAtSortedPositions) {
  TTempFolder dir;
  dir.Write("in.txt", "first     second    tail\r\nthird     fourth\r\nfifth     sixth\r\n");
  for (int most : {-1, 2}) {
    TDedAdararAdoz g(nullptr);
    Plain(g, 1, 1);
    TIntList pos(0, 0);
    for (int p : {11, 1, 21}) pos.Add(p);
    g.LoadFromFixed(dir.File("in.txt"), &pos, true, most);
    EXPECT_EQ(pos.StrValue(), "1,11,21");
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.Cells(0, 0), "first");
    EXPECT_EQ(g.Cells(1, 0), "second");
    EXPECT_EQ(g.Cells(1, 1), "fourth");
    EXPECT_EQ(g.RowCount(), most == -1 ? 3 : 2);
    if (most == -1) EXPECT_EQ(g.Cells(0, 2), "fifth");
  }
}

TEST(DivUzevFixed, FailuresRaiseAndLeaveTheGrid) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Plain(g, 3, 2);
  g.HideColumn(1);
  g.SetSaveHiddenCells(true);
  const int cols = g.ColCount();
  TIntList widths(0, 0);
  EXPECT_THROW(g.SaveToFixed(dir.File("no/such/folder/f.txt"), &widths), EDivUzevError);
  EXPECT_EQ(g.ColCount(), cols);
  TIntList pos(0, 0);
  pos.Add(1);
  pos.Add(3);
  try {
    g.LoadFromFixed(dir.File("missing.txt"), &pos);
    FAIL();
  } catch (const EDivUzevError& e) {
    EXPECT_EQ(e.Message(), "File " + dir.File("missing.txt") + " not found");
  }
}

}  // namespace
