// The grid text file and its stream form: the bytes written, round trips of
// every kind of text, the export window and hidden columns, widths outside
// the grid, the stream form between grids and followed by other data, no
// message loop during a load, and inputs that are cut, foreign or crafted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../framework/os/TempFolder.h"
#include "GridFilesFixture.h"
#include "framework/classes/Streams.h"
#include "framework/controls/Controls.h"
#include "framework/controls/WinApi.h"
#include "support/Input.h"

namespace {

using gridfiles::Shown;
using gridfiles::TSnapshot;
using namespace testinput;

std::string Utf16(const std::string& Ascii) {
  std::string out;
  for (char c : Ascii) {
    out += c;
    out += '\0';
  }
  return out;
}

// Records the exchange notifications and the texts that go through the
// save and load hooks.
class TRecordingGrid : public TDedAdararAdoz {
 public:
  using TDedAdararAdoz::TDedAdararAdoz;
  void ExportNotification(int AState, int ARow) override {
    Log.push_back("E" + std::to_string(AState) + ":" + std::to_string(ARow));
  }
  void SaveCell(int ACol, int ARow, std::string& Value) override {
    TDedAdararAdoz::SaveCell(ACol, ARow, Value);
    if (Value == "secret") Value = "***";
  }
  void LoadCell(int ACol, int ARow, std::string& Value) override {
    Log.push_back("L" + std::to_string(ACol) + "," + std::to_string(ARow));
    TDedAdararAdoz::LoadCell(ACol, ARow, Value);
  }
  std::vector<std::string> Log;
};

TEST(DivUzevTextFile, FileBytesAnsiAndUnicode) {
  TTempFolder dir;
  TRecordingGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  g.SetColWidths(0, 10);
  g.SetColWidths(1, 64);
  g.SetColWidths(2, 300);
  g.SetCells(1, 0, "Name");
  g.SetCells(2, 1, "a,b");
  g.SetCells(0, 2, "x\r\ny");
  g.SetCells(1, 2, "secret");
  g.SetCells(2, 2, "\xC3\xA9t\xC3\xA9");  // été
  g.SaveToFile(dir.File("a.txt"));
  const std::string expected =
      "3,3\r\ncw 0,10\r\ncw 1,64\r\ncw "
      "2,300\r\n1,0,Name\r\n2,1,a,b\r\n0,2,x\t\by\r\n1,2,***\r\n2,2,\xE9t\xE9\r\n";
  EXPECT_EQ(dir.Read("a.txt"), expected);
  EXPECT_EQ(g.Log, (std::vector<std::string>{"E0:0", "E5:0", "E5:1", "E5:2", "E2:-1"}));

  g.SaveToFile(dir.File("u.txt"), true);
  const std::string u = dir.Read("u.txt");
  ASSERT_GE(u.size(), 2u);
  EXPECT_EQ(u.substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(u.substr(2, 12), Utf16("3,3\r\n") + std::string("c\0", 2));

  // Both read back to the same cells, the comma and the line break included.
  for (const char* f : {"a.txt", "u.txt"}) {
    TDedAdararAdoz h(nullptr);
    h.SetMultilineCells(true);
    h.LoadFromFile(dir.File(f));
    EXPECT_EQ(h.Cells(2, 1), "a,b") << f;
    EXPECT_EQ(h.Cells(0, 2), "x\r\ny") << f;
    EXPECT_EQ(h.Cells(2, 2), "\xC3\xA9t\xC3\xA9") << f;
    EXPECT_EQ(h.ColWidths(2), 300) << f;
  }
}

TEST(DivUzevTextFile, EveryTextRoundTripsInUnicode) {
  TTempFolder dir;
  TDedAdararAdoz src(nullptr);
  gridfiles::FillEveryKind(src, false);
  src.SaveToFile(dir.File("all.txt"), true);
  TDedAdararAdoz dst(nullptr);
  dst.SetMultilineCells(true);
  dst.LoadFromFile(dir.File("all.txt"));
  ASSERT_EQ(dst.ColCount(), src.ColCount());
  ASSERT_EQ(dst.RowCount(), src.RowCount());
  for (int r = 0; r < src.RowCount(); ++r)
    for (int c = 0; c < src.ColCount(); ++c)
      EXPECT_EQ(dst.GetGridCell(c, r), gridfiles::ExportText(src, c, r)) << c << "," << r;

  // With MultilineCells off only the first line of a multi-line text comes.
  TDedAdararAdoz one(nullptr);
  one.LoadFromFile(dir.File("all.txt"));
  EXPECT_EQ(one.Cells(2, 1), "two");
}

TEST(DivUzevTextFile, HiddenColumnsAndTheExportWindow) {
  TTempFolder dir;
  TDedAdararAdoz src(nullptr);
  gridfiles::FillEveryKind(src);  // column 2 and row 6 hidden
  src.SaveToFile(dir.File("shown.txt"), true);
  TDedAdararAdoz shown(nullptr);
  shown.LoadFromFile(dir.File("shown.txt"));
  EXPECT_EQ(shown.ColCount(), src.ColCount()) << "the file holds what the grid shows";
  for (int r = 0; r < src.RowCount(); ++r)
    for (int d = 0; d < src.ColCount(); ++d)
      EXPECT_EQ(shown.GetGridCell(d, r), gridfiles::ExportText(src, src.RealColIndex(d), r)) << d << "," << r;
  EXPECT_EQ(shown.ColWidths(2), src.ColWidths(2));

  src.SetSaveHiddenCells(true);
  src.SaveToFile(dir.File("all.txt"), true);
  TDedAdararAdoz all(nullptr);
  all.LoadFromFile(dir.File("all.txt"));
  EXPECT_EQ(all.ColCount(), src.TotalColCount()) << "hidden columns are written too";
  EXPECT_EQ(all.Cells(2, 4), "in the hidden column");
  EXPECT_EQ(all.ColWidths(2), src.AllColWidths(2));

  // Loading the file into the grid it came from puts the cells back where
  // they were, whatever columns are hidden.
  src.SetCells(3, 1, "changed");
  src.LoadFromFile(dir.File("shown.txt"));
  EXPECT_EQ(src.Cells(3, 1), "tab\there");
  EXPECT_EQ(src.Cells(2, 4), "in the hidden column");

  // With SaveFixedCells off the fixed column stays out; SaveFixedRows keeps
  // the fixed row (and the footer row) in.
  TDedAdararAdoz win(nullptr);
  win.SetColCount(4);
  win.SetRowCount(4);
  win.SetFixedFooters(1);
  win.SetSaveFixedCells(false);
  win.SetSaveFixedRows(true);
  win.SetCells(0, 0, "fixed col");
  win.SetCells(1, 0, "header");
  win.SetCells(1, 3, "footer");
  win.SaveToFile(dir.File("win.txt"));
  EXPECT_EQ(dir.Read("win.txt"), "3,4\r\ncw 1,64\r\ncw 2,64\r\ncw 3,64\r\n1,0,header\r\n1,3,footer\r\n");
  win.SetSaveFixedRows(false);
  win.SaveToFile(dir.File("win.txt"));
  EXPECT_EQ(dir.Read("win.txt"), "3,2\r\ncw 1,64\r\ncw 2,64\r\ncw 3,64\r\n") << "no fixed row, no footer row";
}

TEST(DivUzevTextFile, WhatTheLoaderSkips) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  g.SetColCount(10);
  g.SetCells(0, 0, "kept");
  const int w1 = g.ColWidths(1);
  dir.Write("f.txt",
            "10,2\r\ncw 99,500\r\ncw 1,-5\r\ncw "
            "2,77\r\n\r\n3,1,a\r\n12,1,outside\r\n4,9,below\r\n-1,0,neg\r\n5,1\r\n");
  g.LoadFromFile(dir.File("f.txt"));
  EXPECT_EQ(g.ColCount(), 10);
  EXPECT_EQ(g.RowCount(), 2);
  EXPECT_EQ(g.ColWidths(1), w1) << "a negative width is no width";
  EXPECT_EQ(g.ColWidths(2), 77);
  EXPECT_EQ(g.Cells(3, 1), "a");
  EXPECT_EQ(g.Cells(0, 0), "kept") << "a blank line is no cell";
  EXPECT_EQ(g.StoredRowCount(), 2) << "nothing is stored outside the grid";
}

TEST(DivUzevTextFile, HeaderWithoutColumnsOrRowsIsRefused) {
  TTempFolder dir;
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"0 columns", "0,5\r\n1,1,a\r\n"},
      {"no number", "abc,def\r\n"},
      {"negative", "-3,4\r\n"},
      {"billions of rows", "3,4000000000\r\n"},
      {"a binary file", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
  };
  for (const Case& c : cases) {
    TDedAdararAdoz g(nullptr);
    gridfiles::FillEveryKind(g);
    const TSnapshot before = TSnapshot::Of(g);
    dir.Write("bad.txt", c.bytes);
    try {
      g.LoadFromFile(dir.File("bad.txt"));
      ADD_FAILURE() << c.what << " was loaded";
    } catch (const EDivUzevError& e) {
      EXPECT_EQ(e.Message(), "File contains no data or corrupt file " + dir.File("bad.txt")) << c.what;
    }
    EXPECT_TRUE(TSnapshot::Of(g) == before) << c.what;
  }
  TDedAdararAdoz g(nullptr);
  EXPECT_THROW(g.LoadFromFile(dir.File("missing.txt")), EFOpenError);
  // An empty file names nothing: the grid stays as it is.
  gridfiles::FillEveryKind(g);
  const TSnapshot before = TSnapshot::Of(g);
  dir.Write("empty.txt", "");
  g.LoadFromFile(dir.File("empty.txt"));
  EXPECT_TRUE(TSnapshot::Of(g) == before);
}

TEST(DivUzevTextFile, ALoadRunsNoMessageLoop) {
  TTempFolder dir;
  TDedAdararAdoz src(nullptr);
  src.SetRowCount(200);
  for (int r = 0; r < 200; ++r) src.SetCells(1, r, "row " + std::to_string(r));
  src.SaveToFile(dir.File("m.txt"));

  // A message posted before the load is handled after it, not in between.
  TForm* form = NewPointerForm();
  TDedAdararAdoz g(nullptr);
  g.SetParent(form);
  ShowForm(form);
  bool handled = false;
  bool handledDuringLoad = false;
  auto saved = form->WindowProc;
  form->WindowProc = [&](TMessage& M) {
    if (M.Msg == WM_USER + 77) handled = true;
    saved(M);
  };
  g.OnFileProgress = [&](TObject*, int16_t) { handledDuringLoad = handledDuringLoad || handled; };
  PostMessage(form->Handle(), WM_USER + 77, 0, 0);
  g.LoadFromFile(dir.File("m.txt"));
  EXPECT_FALSE(handledDuringLoad);
  EXPECT_FALSE(handled);
  Pump();
  EXPECT_TRUE(handled);
  form->WindowProc = saved;
  g.SetParent(nullptr);
  FreePointerForm(form);
}

TEST(DivUzevTextFile, ProgressIsReportedWhenItChanges) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  g.SetRowCount(5);
  for (int r = 0; r < 5; ++r) g.SetCells(0, r, "r");
  std::vector<int> seen;
  g.OnFileProgress = [&](TObject* Sender, int16_t P) {
    EXPECT_EQ(Sender, &g);
    seen.push_back(P);
  };
  g.SaveToFile(dir.File("p.txt"));
  EXPECT_EQ(seen, (std::vector<int>{0, 25, 50, 75, 100}));
}

// ---------------------------------------------------------------------------
// Stream form

TEST(DivUzevTextStream, BytesAreUtf16WithRelativePositions) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  g.SetSaveFixedCells(false);  // the window starts at (1, 1)
  g.SetCells(0, 0, "fixed");
  g.SetCells(2, 2, "\xE2\x82\xAC");  // €
  TMemoryStream ms;
  g.SaveToStream(&ms);
  const std::string expected =
      Utf16("2,2\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\n1,1,") + std::string("\xAC\x20", 2) + Utf16("\r\n");
  EXPECT_EQ(ms.Bytes(), expected);
}

TEST(DivUzevTextStream, CopiesCellsBetweenGridsAndStopsAtForeignData) {
  TDedAdararAdoz src(nullptr);
  gridfiles::FillEveryKind(src, false);
  TMemoryStream ms;
  src.SaveToStream(&ms);
  ms.WriteString(Utf16("end\r\n"));
  const int64_t own = ms.Size() - 10;

  TDedAdararAdoz dst(nullptr);
  dst.SetMultilineCells(true);
  ms.SetPosition(0);
  dst.LoadFromStream(&ms);
  EXPECT_EQ(ms.Position(), own) << "the stream stops at the first line that is not the grid's";
  EXPECT_EQ(ms.ReadString(6), Utf16("end"));
  for (int r = 0; r < src.RowCount(); ++r)
    for (int c = 0; c < src.ColCount(); ++c)
      EXPECT_EQ(dst.GetGridCell(c, r), gridfiles::ExportText(src, c, r));
}

TEST(DivUzevTextStream, WidthsOutsideTheGridAreIgnored) {
  // A source with more columns than its window writes widths for all of
  // them; the target has only the window's columns.
  TDedAdararAdoz src(nullptr);
  src.SetColCount(5);
  src.SetFixedRightCols(2);
  src.SetSaveFixedCells(false);
  src.SetColWidths(1, 31);
  src.SetColWidths(4, 99);
  TMemoryStream ms;
  src.SaveToStream(&ms);
  TDedAdararAdoz dst(nullptr);
  dst.SetSaveFixedCells(false);
  ms.SetPosition(0);
  EXPECT_NO_THROW(dst.LoadFromStream(&ms));
  EXPECT_EQ(dst.ColCount(), 3);
  EXPECT_EQ(dst.ColWidths(1), 31);
  EXPECT_EQ(dst.ColWidths(4), dst.DefaultColWidth());
}

TEST(DivUzevTextStream, ANumberThatIsNoneChangesNothing) {
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"header", Utf16("x,2\r\n")},
      {"width", Utf16("2,2\r\ncw 1,wide\r\n")},
      {"row of a late cell", Utf16("3,3\r\n1,1,a\r\n1,z,b\r\n")},
      {"billions of columns", Utf16("4000000000,1\r\n")},
  };
  for (const Case& c : cases) {
    TDedAdararAdoz g(nullptr);
    gridfiles::FillEveryKind(g);
    const TSnapshot before = TSnapshot::Of(g);
    TStringStream ms(c.bytes);
    EXPECT_THROW(g.LoadFromStream(&ms), Exception) << c.what;
    EXPECT_TRUE(TSnapshot::Of(g) == before) << c.what;
    EXPECT_EQ(ms.Position(), 0) << c.what;
  }
}

TEST(DivUzevTextStream, AssignCellsCopiesThroughTheStream) {
  TDedAdararAdoz src(nullptr);
  gridfiles::FillEveryKind(src, false);
  src.SetMultilineCells(true);
  TDedAdararAdoz dst(nullptr);
  dst.SetMultilineCells(true);
  TMemoryStream ms;
  src.SaveToStream(&ms);
  ms.SetPosition(0);
  dst.LoadFromStream(&ms);
  EXPECT_EQ(dst.Cells(2, 1), "two\r\nlines");
  EXPECT_EQ(dst.ColCount(), src.ColCount());
}

TEST(DivUzevTextFile, CellToReal) {
  TDedAdararAdoz g(nullptr);
  struct Case {
    const char* text;
    double value;
  };
  const Case good[] = {{"", 0}, {"12.5", 12.5}, {" -3 ", -3}, {"(4)", -4}, {"$ 7", 7}, {"1e3", 1000}};
  for (const Case& c : good) {
    g.SetCells(1, 1, c.text);
    EXPECT_DOUBLE_EQ(g.CellToReal(1, 1), c.value) << c.text;
  }
  g.SetCells(2, 3, "1.2.3");
  try {
    g.CellToReal(2, 3);
    ADD_FAILURE() << "no error";
  } catch (const EDivUzevError& e) {
    EXPECT_EQ(e.Message(), "Error at position: 4 in Cell [2, 3].");
  }
  EXPECT_EQ(g.Cells(2, 3), "1.2.3");
}

}  // namespace
