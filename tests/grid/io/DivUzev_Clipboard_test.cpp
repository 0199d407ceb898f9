// The clipboard: the text a copy puts up, round trips of every kind of cell
// text, the formats the desktop sees, pastes that stay inside the grid and
// inside its editable cells whatever the format, the smart fill and cut.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "GridFilesFixture.h"
#include "framework/backend/Backend.h"
#include "framework/controls/Clipbrd.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Locale.h"
#include "grid/base/VevUtil.h"
#include "grid/io/GridCellStream.h"
#include "grid/model/DivUzev.h"

namespace {

// A plain editable grid of Cols x Rows normal cells.
void Plain(TDedAdararAdoz& G, int Cols, int Rows) {
  G.SetFixedCols(0);
  G.SetFixedRows(0);
  G.SetColCount(Cols);
  G.SetRowCount(Rows);
  G.SetOptions(G.Options() << goEditing);
}

void Select(TDedAdararAdoz& G, int L, int T, int R, int B) { G.SetSelection(TGridRect(L, T, R, B)); }

std::vector<std::string> DesktopTypes() {
  IBackend* b = Backend();
  return b != nullptr ? b->ClipboardFormats() : std::vector<std::string>();
}

bool Has(const std::vector<std::string>& V, const std::string& S) {
  return std::find(V.begin(), V.end(), S) != V.end();
}

TEST(DivUzevClipboard, CopiedText) {
  struct TCase {
    std::vector<std::vector<std::string>> Cells;
    bool Excel;
    std::string Text;
  };
  const std::vector<TCase> cases = {
      {{{"one"}}, false, "one"},
      {{{"a", "b"}}, false, "a\tb"},
      {{{"a", "b"}, {"c", "d"}}, false, "a\tb\r\nc\td\r\n"},
      // A line break inside a cell is quoted, once, as spreadsheets do.
      {{{"two\r\nlines", "x"}}, false, "\"two\nlines\"\tx"},
      {{{"two\r\nlines"}}, true, "\"two\vlines\""},
      // Quotes inside a quoted field are doubled; a TAB is quoted.
      {{{"say \"hi\"\r\nok"}}, false, "\"say \"\"hi\"\"\nok\""},
      {{{"tab\there"}}, false, "\"tab\there\""},
      {{{"\"quoted\""}}, false, "\"\"\"quoted\"\"\""},
      {{{"5\" disk"}}, false, "5\" disk"},
  };
  for (const TCase& c : cases) {
    TDedAdararAdoz g(nullptr);
    const int rows = static_cast<int>(c.Cells.size()), cols = static_cast<int>(c.Cells[0].size());
    Plain(g, cols + 1, rows + 1);
    g.SetExcelClipboardFormat(c.Excel);
    g.SetMultilineCells(c.Excel);
    for (int r = 0; r < rows; ++r)
      for (int k = 0; k < cols; ++k)
        g.SetCells(k, r, c.Cells[static_cast<size_t>(r)][static_cast<size_t>(k)]);
    Select(g, 0, 0, cols - 1, rows - 1);
    g.CopySelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), c.Text) << c.Text;
    EXPECT_EQ(g.ClipLastOp(), coCopy);
  }
}

TEST(DivUzevClipboard, EveryCellTextSurvivesCopyAndPaste) {
  for (bool cells : {false, true}) {
    const auto& texts = gridfiles::Texts();
    TDedAdararAdoz src(nullptr), dst(nullptr);
    const int n = static_cast<int>(texts.size());
    Plain(src, 3, n);
    Plain(dst, 3, n);
    src.Navigation()->SetAllowFmtClipboard(cells);
    dst.Navigation()->SetAllowFmtClipboard(cells);
    for (int i = 0; i < n; ++i) {
      src.SetCells(0, i, texts[static_cast<size_t>(i)]);
      src.SetCells(1, i, "#" + std::to_string(i));
    }
    Select(src, 0, 0, 2, n - 1);
    src.CopySelectionToClipboard();
    Select(dst, 0, 0, 0, 0);
    dst.PasteSelectionFromClipboard();
    for (int i = 0; i < n; ++i) {
      std::string want = texts[static_cast<size_t>(i)];
      // A lone line feed comes back as the grid's line break.
      if (!cells && want == "lone\nline feed") want = "lone\r\nline feed";
      EXPECT_EQ(dst.Cells(0, i), want) << i << " cells format " << cells;
      EXPECT_EQ(dst.Cells(1, i), "#" + std::to_string(i));
    }
    EXPECT_EQ(dst.RowCount(), n) << "no row added for the last line end";
  }
}

TEST(DivUzevClipboard, DesktopSeesTextRichTextAndCells) {
  TDedAdararAdoz g(nullptr);
  Plain(g, 2, 2);
  g.Navigation()->SetAllowRTFClipboard(true);
  g.Navigation()->SetAllowFmtClipboard(true);
  g.SetCells(0, 0, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Caf\\'e9 \\b bold\\b0\\par next}");
  g.SetCells(1, 0, "x");
  Select(g, 0, 0, 1, 0);
  g.CopySelectionToClipboard();
  const std::vector<std::string> types = DesktopTypes();
  EXPECT_TRUE(Has(types, "text/plain"));
  EXPECT_TRUE(Has(types, "text/rtf"));
  EXPECT_TRUE(Has(types, "application/rtf"));
  EXPECT_TRUE(Has(types, "application/x-cf30406-TDedAdararAdoz-Cells"));
  // The text form holds the rich text's words, not its markup.
  EXPECT_EQ(Clipboard()->AsText(), "\"Caf\xC3\xA9 bold\nnext\"\tx");
  std::vector<uint8_t> rtf;
  ASSERT_TRUE(Backend()->ClipboardGet("text/rtf", rtf));
  EXPECT_EQ(std::string(rtf.begin(), rtf.end()), g.Cells(0, 0));
}

TEST(DivUzevClipboard, TextFromTheDesktopWithAnyLineEnds) {
  for (const std::string text : {"a\tb\nc\td\n", "a\tb\r\nc\td\r\n", "a\tb\rc\td", "a\tb\nc\td"}) {
    TDedAdararAdoz g(nullptr);
    Plain(g, 3, 3);
    Clipboard()->SetAsText(text);
    Select(g, 0, 0, 0, 0);
    g.PasteSelectionFromClipboard();
    EXPECT_EQ(g.Cells(0, 0) + g.Cells(1, 0) + g.Cells(0, 1) + g.Cells(1, 1), "abcd") << text;
    EXPECT_EQ(g.Cells(0, 2), "");
  }
  // A spreadsheet's quoted multi-line cell is one cell.
  TDedAdararAdoz g(nullptr);
  Plain(g, 2, 2);
  Clipboard()->SetAsText("\"x\ny\"\tz\n");
  Select(g, 0, 0, 0, 0);
  g.PasteSelectionFromClipboard();
  EXPECT_EQ(g.Cells(0, 0), "x\r\ny");
  EXPECT_EQ(g.Cells(1, 0), "z");
}

TEST(DivUzevClipboard, PasteStaysInsideTheGrid) {
  for (bool grow : {false, true}) {
    TDedAdararAdoz g(nullptr);
    Plain(g, 2, 1);
    g.Navigation()->SetAllowClipboardColGrow(grow);
    g.Navigation()->SetAllowClipboardRowGrow(grow);
    Clipboard()->SetAsText("a\tb\r\nc\td\r\n");
    Select(g, 1, 0, 1, 0);
    g.PasteSelectionFromClipboard();
    EXPECT_EQ(g.Cells(1, 0), "a");
    EXPECT_EQ(g.ColCount(), grow ? 3 : 2);
    EXPECT_EQ(g.RowCount(), grow ? 2 : 1);
    // Growing later shows no cell the paste left outside.
    g.SetColCount(3);
    g.SetRowCount(2);
    EXPECT_EQ(g.Cells(2, 0), grow ? "b" : "");
    EXPECT_EQ(g.Cells(1, 1), grow ? "c" : "");
  }
}

// A block of grid cells holds every cell it declares. One whose header
// declares more rows or columns than it holds (a few bytes declaring 16.7
// million rows) is refused before the grid grows; a true block inserts its
// rows.
TEST(DivUzevClipboard, ABlockDeclaringMoreCellsThanItHoldsIsRefused) {
  auto block = [](int64_t Declared_Cols, int64_t Declared_Rows, int Cols, int Rows) {
    std::string out;
    gridio::TCellStreamWriter w(out);
    gridio::TGridPropData p;
    p.ColCount = Declared_Cols;
    p.RowCount = Declared_Rows;
    p.ColWidths = "64";
    p.RowHeights = "24";
    w.PropRecord(p);
    for (int r = 0; r < Rows; ++r)
      for (int c = 0; c < Cols; ++c) w.CellRecord(c, r, "x" + std::to_string(r) + std::to_string(c), false);
    return std::vector<uint8_t>(out.begin(), out.end());
  };
  struct TCase {
    const char* What;
    std::vector<uint8_t> Block;
    bool Refused;
  };
  const TCase cases[] = {
      {"16,777,216 rows declared, one held", block(1, 16777216, 1, 1), true},
      {"more columns declared than held", block(50, 2, 2, 2), true},
      {"rows x columns past 64 bits", block(INT64_MAX, INT64_MAX, 1, 1), true},
      {"a negative count", block(-1, 2, 1, 2), true},
      {"every cell held", block(2, 2, 2, 2), false},
  };
  for (const TCase& c : cases) {
    TDedAdararAdoz g(nullptr);
    Plain(g, 3, 3);
    g.Navigation()->SetAllowFmtClipboard(true);
    g.Navigation()->SetAllowClipboardRowGrow(true);
    g.Navigation()->SetClipboardPasteAction(paInsert);
    g.SetCells(0, 0, "kept");
    Clipboard()->SetAsBytes(GridCellsClipboardFormat(), c.Block);
    Select(g, 0, 0, 0, 0);
    if (c.Refused) {
      try {
        g.PasteSelectionFromClipboard();
        ADD_FAILURE() << c.What << ": pasted";
      } catch (const EDivUzevError& e) {
        EXPECT_NE(e.Message().find(GridPasteRefusedText()), std::string::npos) << e.Message();
      }
      EXPECT_EQ(g.RowCount(), 3) << c.What;
      EXPECT_EQ(g.Cells(0, 0), "kept") << c.What;
    } else {
      g.PasteSelectionFromClipboard();
      EXPECT_EQ(g.RowCount(), 5) << c.What;
      EXPECT_EQ(g.Cells(0, 0), "x00") << c.What;
      EXPECT_EQ(g.Cells(1, 1), "x11") << c.What;
      EXPECT_EQ(g.Cells(0, 2), "kept") << c.What;
    }
  }
}

// Every format obeys the same rule: only editable cells, or every cell
// with AllowClipboardAlways.
TEST(DivUzevClipboard, PasteWritesOnlyEditableCellsInEveryFormat) {
  struct TCase {
    bool Cells, Rtf, Editing, Always;
  };
  for (const TCase c :
       {TCase{false, false, true, false}, TCase{true, false, true, false}, TCase{false, false, false, false},
        TCase{true, false, false, false}, TCase{true, false, false, true}, TCase{false, true, true, false}}) {
    TDedAdararAdoz src(nullptr), dst(nullptr);
    Plain(src, 2, 1);
    Plain(dst, 2, 1);
    for (TDedAdararAdoz* g : {&src, &dst}) {
      g->Navigation()->SetAllowFmtClipboard(c.Cells);
      g->Navigation()->SetAllowRTFClipboard(c.Rtf);
      g->Navigation()->SetAllowClipboardAlways(c.Always);
    }
    src.SetCells(0, 0, c.Rtf ? "{\\rtf1 new}" : "new");
    src.SetCells(1, 0, "new");
    dst.SetCells(0, 0, "old");
    dst.SetCells(1, 0, "old");
    dst.GetCellProperties(0, 0)->SetReadOnly(true);
    if (!c.Editing) dst.SetOptions(dst.Options() >> goEditing);
    Select(src, 0, 0, c.Rtf ? 0 : 1, 0);
    src.CopySelectionToClipboard();
    Select(dst, 0, 0, 0, 0);
    dst.PasteSelectionFromClipboard();
    const std::string tag = std::to_string(c.Cells) + std::to_string(c.Rtf) + std::to_string(c.Editing) +
                            std::to_string(c.Always);
    EXPECT_EQ(dst.Cells(0, 0), c.Always ? "new" : "old") << tag;
    if (!c.Rtf) EXPECT_EQ(dst.Cells(1, 0), c.Editing || c.Always ? "new" : "old") << tag;
  }
}

// Every pasted value passes the plain events and then their wide twins; a
// handler of either may change or refuse it, and a value in the "|\" form
// reaches the wide ones as its text (its characters all above U+00FF: the
// clipboard's text ends at a NUL).
TEST(DivUzevClipboard, PastedValuesPassThePlainAndTheWideEvents) {
  TDedAdararAdoz g(nullptr);
  Plain(g, 3, 1);
  std::vector<std::string> log;
  auto before = [&](const char* Name, const std::string& From, const std::string& To) {
    return [&log, Name, From, To](TObject*, int c, int r, std::string& v, bool& allow) {
      log.push_back(std::string(Name) + " " + std::to_string(c) + "," + std::to_string(r) + " " + v);
      if (v == From) v = To;
      allow = v != "no";
    };
  };
  auto after = [&](const char* Name) {
    return [&log, Name](TObject*, int c, int r, const std::string& v) {
      log.push_back(std::string(Name) + " " + std::to_string(c) + "," + std::to_string(r) + " " + v);
    };
  };
  g.OnClipboardBeforePasteCell = before("before", "später", "no");
  g.OnClipboardBeforePasteWideCell = before("wide before", "Größe", "Grösse");
  g.OnClipboardAfterPasteCell = after("after");
  g.OnClipboardAfterPasteWideCell = after("wide after");
  Clipboard()->SetAsText("Größe\tspäter\t" + EncodeWideCellText("ΩΣ"));
  Select(g, 0, 0, 0, 0);
  g.PasteSelectionFromClipboard();
  const std::vector<std::string> expected = {"before 0,0 Größe",   "wide before 0,0 Größe",
                                             "after 0,0 Grösse",   "wide after 0,0 Grösse",
                                             "before 1,0 später",  "before 2,0 " + EncodeWideCellText("ΩΣ"),
                                             "wide before 2,0 ΩΣ", "after 2,0 " + EncodeWideCellText("ΩΣ"),
                                             "wide after 2,0 ΩΣ"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(g.Cells(0, 0), "Grösse");
  EXPECT_EQ(g.Cells(1, 0), "") << "refused";
  EXPECT_EQ(g.Cells(2, 0), EncodeWideCellText("ΩΣ")) << "encoded again";
}

TEST(DivUzevClipboard, SmartFill) {
  const char dsep = FormatSettings().DecimalSeparator;
  auto dec = [dsep](std::string s) {
    std::replace(s.begin(), s.end(), '.', dsep);
    return s;
  };
  struct TCase {
    std::vector<std::string> Pasted;
    std::vector<std::string> Column;
  };
  const std::vector<TCase> cases = {
      {{"1", "3"}, {"1", "3", "5", "7", "9"}},
      {{dec("1.5"), "2"}, {dec("1.50"), dec("2.00"), dec("2.50"), dec("3.00"), dec("3.50")}},
      {{"x", "y"}, {"x", "y", "x", "y", "x"}},
  };
  for (const TCase& c : cases) {
    TDedAdararAdoz g(nullptr);
    Plain(g, 2, 5);
    g.Navigation()->SetAllowSmartClipboard(true);
    Clipboard()->SetAsText(c.Pasted[0] + "\r\n" + c.Pasted[1]);
    Select(g, 0, 0, 0, 4);
    g.PasteSelectionFromClipboard();
    for (int r = 0; r < 5; ++r) EXPECT_EQ(g.Cells(0, r), c.Column[static_cast<size_t>(r)]) << r;
  }
  // One value fills the selection; a read-only cell keeps its text.
  TDedAdararAdoz g(nullptr);
  Plain(g, 3, 3);
  g.Navigation()->SetAllowSmartClipboard(true);
  g.SetCells(1, 1, "keep");
  g.GetCellProperties(1, 1)->SetReadOnly(true);
  Clipboard()->SetAsText("v");
  Select(g, 0, 0, 2, 2);
  g.PasteSelectionFromClipboard();
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < 3; ++k) EXPECT_EQ(g.Cells(k, r), k == 1 && r == 1 ? "keep" : "v");
}

TEST(DivUzevClipboard, SmartFillContinuesDatesByMonth) {
  TDedAdararAdoz g(nullptr);
  Plain(g, 1, 4);
  g.Navigation()->SetAllowSmartClipboard(true);
  Clipboard()->SetAsText(DateToStr(EncodeDate(2024, 1, 15)) + "\r\n" + DateToStr(EncodeDate(2024, 2, 15)) +
                         "\r\n");
  Select(g, 0, 0, 0, 3);
  g.PasteSelectionFromClipboard();
  EXPECT_EQ(g.Cells(0, 2), DateToStr(EncodeDate(2024, 3, 15)));
  EXPECT_EQ(g.Cells(0, 3), DateToStr(EncodeDate(2024, 4, 15)));
}

TEST(DivUzevClipboard, CutClearsOnlyWhatItMay) {
  for (bool editing : {false, true}) {
    TDedAdararAdoz g(nullptr);
    Plain(g, 2, 1);
    if (!editing) g.SetOptions(g.Options() >> goEditing);
    g.SetCells(0, 0, "a");
    g.SetCells(1, 0, "b");
    Select(g, 0, 0, 1, 0);
    g.CutSelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "a\tb");
    EXPECT_EQ(g.Cells(0, 0) + g.Cells(1, 0), editing ? "" : "ab");
    EXPECT_EQ(g.ClipLastOp(), coCut);
  }
}

TEST(DivUzevClipboard, HtmlFormatIsUtf8WithByteOffsetsAndNoFiles) {
  const std::filesystem::path cwd = std::filesystem::current_path();
  const bool hadImages = std::filesystem::exists(cwd / "images");
  TDedAdararAdoz g(nullptr);
  Plain(g, 2, 1);
  g.SetCells(0, 0, "\xC3\x9Cml\xC3\xA4ut \xE2\x82\xAC <tag>");
  gridfiles::AddOwnedBitmap(g, 1, 0, clRed);
  g.CopyToClipBoardAsHTML();
  const unsigned html = RegisterClipboardFormat("HTML Format");
  const std::vector<uint8_t> block = Clipboard()->GetAsBytes(html);
  const std::string b(block.begin(), block.end());
  auto value = [&b](const std::string& key) {
    const size_t p = b.find(key);
    return p == std::string::npos ? size_t(0) : static_cast<size_t>(std::stoul(b.substr(p + key.size(), 10)));
  };
  const size_t f0 = value("StartFragment:"), f1 = value("EndFragment:");
  ASSERT_LT(f0, f1);
  ASSERT_LE(f1, b.size());
  const std::string fragment = b.substr(f0, f1 - f0);
  EXPECT_EQ(fragment.rfind("<style", 0), 0u) << fragment.substr(0, 40);
  EXPECT_NE(fragment.find("\xC3\x9Cml\xC3\xA4ut \xE2\x82\xAC &lt;tag&gt;"), std::string::npos);
  EXPECT_EQ(fragment.find("<IMG"), std::string::npos);
  EXPECT_EQ(std::filesystem::exists(cwd / "images"), hadImages);
  // The desktop gets the markup alone.
  std::vector<uint8_t> desk;
  ASSERT_TRUE(Backend()->ClipboardGet("text/html", desk));
  EXPECT_EQ(std::string(desk.begin(), desk.end()).rfind("<!DOCTYPE", 0), 0u);
}

TEST(DivUzevClipboard, TextBlockSize) {
  int c = 0, r = 0;
  TDedAdararAdoz::TextBlockSize("a\tb\tc\r\nd\r\n", c, r);
  EXPECT_EQ(c, 3);
  EXPECT_EQ(r, 1);
  TDedAdararAdoz::TextBlockSize("x", c, r);
  EXPECT_EQ(c, 1);
  EXPECT_EQ(r, 0);
}

}  // namespace
