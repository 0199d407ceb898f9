// Delimited text: fields as written, round trips, delimiter detection, the
// read window (first row, most rows, insert below a floating footer), files
// a spreadsheet writes by RFC 4180, and empty or missing files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../framework/os/TempFolder.h"
#include "GridFilesFixture.h"
#include "framework/classes/Streams.h"
#include "framework/rtl/SysUtils.h"
#include "grid/model/DivUzev.h"

namespace {

// A grid without fixed cells, so the export window is the whole grid.
void Plain(TDedAdararAdoz& G, int Cols, int Rows) {
  G.SetFixedCols(0);
  G.SetFixedRows(0);
  G.SetColCount(Cols);
  G.SetRowCount(Rows);
}

// Records of RFC 4180 text, read the way a spreadsheet's import reads them.
std::vector<std::vector<std::string>> Rfc4180(const std::string& T, char D = ',') {
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (size_t i = 0; i < T.size(); ++i) {
    const char c = T[i];
    std::string& f = rows.back().back();
    if (quoted) {
      if (c == '"' && i + 1 < T.size() && T[i + 1] == '"')
        f += '"', ++i;
      else if (c == '"')
        quoted = false;
      else
        f += c;
    } else if (c == '"') {
      quoted = true;
    } else if (c == D) {
      rows.back().emplace_back();
    } else if (c == '\r' && i + 1 < T.size() && T[i + 1] == '\n') {
      ++i;
      rows.emplace_back(1);
    } else {
      f += c;
    }
  }
  if (rows.back().size() == 1 && rows.back()[0].empty()) rows.pop_back();
  return rows;
}

TEST(DivUzevCSV, FieldsAsWritten) {
  struct TCase {
    std::string Cell;
    bool Java, Always, QuoteEmpty;
    std::string Field;
  };
  const std::vector<TCase> cases = {
      {"plain", false, false, true, "plain"},
      // The reader drops leading blanks of a field that is not quoted.
      {" lead", false, false, true, "\" lead\""},
      {"a\"b", false, false, true, "\"a\"\"b\""},
      {"a,b", false, false, true, "\"a,b\""},
      {"a\"b,c", false, false, true, "\"a\"\"b,c\""},
      {"two\r\nlines", false, false, true, "\"two\vlines\""},
      {"lone\nbreak", false, false, true, "\"lone\vbreak\""},
      // Written in the ANSI code page, ASCII around it as it is.
      {"Gr\xC3\xBC\xC3\x9F"
       "e \xE2\x82\xAC 5",
       false, false, true,
       "Gr\xFC\xDF"
       "e \x80 5"},
      {"", false, false, true, "\"\""},
      {"", false, false, false, ""},
      {"x", false, true, true, "\"x\""},
      // A quoted multi-line value stays one record.
      {"x\r\ny", false, true, true, "\"x\vy\""},
      {"q\"\r\nr", false, false, true, "\"q\"\"\vr\""},
      {"", true, false, true, "^"},
      {"two\r\nlines", true, false, true, "two~lines"},
      // The Java variant quotes a field holding the delimiter too.
      {"a,b", true, false, true, "\"a,b\""},
  };
  TTempFolder dir;
  for (const TCase& c : cases) {
    TDedAdararAdoz g(nullptr);
    Plain(g, 2, 1);
    g.SetCells(0, 0, c.Cell);
    g.SetCells(1, 0, "end");
    g.SetJavaCSV(c.Java);
    g.SetAlwaysQuotes(c.Always);
    g.SetQuoteEmptyCells(c.QuoteEmpty);
    g.SaveToCSV(dir.File("f.csv"));
    const std::string end = c.Always ? "\"end\"" : "end";
    EXPECT_EQ(dir.Read("f.csv"), c.Field + "," + end + "\r\n") << c.Cell;
  }
}

TEST(DivUzevCSV, EveryTextRoundTripsAndSpreadsheetsReadTheSameFields) {
  TTempFolder dir;
  const auto& texts = gridfiles::Texts();
  struct TVariant {
    bool Java, Always;
    char Delimiter;
  };
  for (const TVariant v : {TVariant{false, false, 0}, TVariant{false, true, 0}, TVariant{false, false, ';'},
                           TVariant{true, false, 0}}) {
    TDedAdararAdoz src(nullptr);
    Plain(src, 3, static_cast<int>(texts.size()));
    src.SetJavaCSV(v.Java);
    src.SetAlwaysQuotes(v.Always);
    src.SetDelimiter(v.Delimiter);
    std::vector<std::string> expected;
    for (size_t i = 0; i < texts.size(); ++i) {
      std::string t = texts[i];
      // Lone line feeds come back as the grid's CR LF; the Java variant
      // drops them.
      std::string back;
      for (size_t k = 0; k < t.size(); ++k) {
        if (t[k] == '\n' && (k == 0 || t[k - 1] != '\r')) {
          if (!v.Java) back += "\r\n";
        } else {
          back += t[k];
        }
      }
      src.SetCells(0, static_cast<int>(i), t);
      src.SetCells(1, static_cast<int>(i), std::to_string(i) + ",\"" + std::to_string(i) + "\"");
      expected.push_back(back);
    }
    src.SaveToCSV(dir.File("all.csv"), true);

    const std::string bytes = dir.Read("all.csv");
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    const auto records = Rfc4180(bytes.substr(3), v.Delimiter ? v.Delimiter : ',');
    ASSERT_EQ(records.size(), texts.size()) << "one record a line";
    for (size_t i = 0; i < records.size(); ++i) {
      ASSERT_EQ(records[i].size(), 3u) << i;
      EXPECT_EQ(records[i][1], std::to_string(i) + ",\"" + std::to_string(i) + "\"");
    }

    TDedAdararAdoz dst(nullptr);
    Plain(dst, 1, 1);
    dst.SetJavaCSV(v.Java);
    dst.SetDelimiter(v.Delimiter);
    dst.LoadFromCSV(dir.File("all.csv"));
    ASSERT_EQ(dst.RowCount(), static_cast<int>(texts.size()));
    ASSERT_EQ(dst.ColCount(), 3);
    for (size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(dst.Cells(0, static_cast<int>(i)), expected[i]) << i << " java " << v.Java;
      EXPECT_EQ(dst.Cells(1, static_cast<int>(i)), src.Cells(1, static_cast<int>(i)));
      EXPECT_EQ(dst.Cells(2, static_cast<int>(i)), "");
    }
  }
}

TEST(DivUzevCSV, ShownAndFormattedTextsOrTheStoredOnes) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Plain(g, 3, 3);
  const char* cells[3][3] = {
      {"name", "1.5", "a;b"}, {"other", "x", "7"}, {"", "2", "long enough to leave the string"}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) g.SetCells(c, r, cells[r][c]);
  g.OnGetDisplText = [](TObject*, int c, int, std::string& v) {
    if (c == 0 && !v.empty()) v = "<" + v + ">";
  };
  // The format of column 1 depends on what column 2 of the row holds.
  g.OnGetFloatFormat = [&g](TObject*, int c, int r, bool&, std::string& Fmt) {
    Fmt = c == 1 && g.GetCellEx(2, r) == "7" ? "%.3f" : "%.2f";
  };
  g.SetDelimiter(';');
  g.SaveToCSV(dir.File("shown.csv"));
  EXPECT_EQ(dir.Read("shown.csv"),
            "<name>;1.50;\"a;b\"\r\n"
            "<other>;x;7.00\r\n"
            "\"\";2.00;long enough to leave the string\r\n");
  g.SetSaveVirtCells(false);
  g.SaveToCSV(dir.File("stored.csv"));
  EXPECT_EQ(dir.Read("stored.csv"),
            "name;1.5;\"a;b\"\r\n"
            "other;x;7\r\n"
            "\"\";2;long enough to leave the string\r\n");
}

TEST(DivUzevCSV, TheDelimiterIsDetectedFromTheFirstTwoLines) {
  struct TCase {
    std::string Text;
    std::vector<std::string> FirstRecord;
  };
  const std::vector<TCase> cases = {
      {"a;b;c,d;e\r\n1;2;3,4;5\r\n", {"a", "b", "c,d", "e"}},
      // One line: the counts differ from the empty second line.
      {"a;b\r\n", {"a", "b"}},
      {"a\tb|c\r\n1\t2|3\r\n", {"a", "b|c"}},
      {"\"x;y\",\"z\"\r\n\"1\",\"2\"\r\n", {"x;y", "z"}},
      {"one field\r\ntwo\r\n", {"one field"}},
  };
  for (const TCase& c : cases) {
    TMemoryStream ms;
    ms.WriteString(c.Text);
    ms.SetPosition(0);
    TDedAdararAdoz g(nullptr);
    Plain(g, 1, 1);
    g.LoadFromCSVStream(&ms);
    EXPECT_EQ(g.Delimiter(), '\0') << "the detected delimiter is the run's only";
    std::vector<std::string> first;
    for (int col = 0; col < g.ColCount(); ++col) first.push_back(g.Cells(col, 0));
    EXPECT_EQ(first, c.FirstRecord) << c.Text;
  }
}

TEST(DivUzevCSV, TheReadWindow) {
  TTempFolder dir;
  dir.Write("t.csv", "Name,Value\r\nA,1\r\nB,2\r\nC,3\r\n");

  // Fixed row and column: the records start at the window's first cell;
  // the row count ends below them, other cells keep their text.
  TDedAdararAdoz g(nullptr);
  g.SetSaveFixedCells(false);
  g.SetColCount(4);
  g.SetRowCount(20);
  g.SetCells(0, 1, "fixed");
  g.SetCells(3, 2, "kept");
  g.SetLoadFirstRow(false);
  g.LoadFromCSV(dir.File("t.csv"));
  EXPECT_EQ(g.RowCount(), 4);
  EXPECT_EQ(g.Cells(1, 1), "A");
  EXPECT_EQ(g.Cells(2, 3), "3");
  EXPECT_EQ(g.Cells(0, 1), "fixed");
  EXPECT_EQ(g.Cells(3, 2), "kept");
  EXPECT_EQ(g.MaxRowCount(), 4);

  TDedAdararAdoz most(nullptr);
  Plain(most, 1, 1);
  most.LoadFromCSV(dir.File("t.csv"), 2);
  EXPECT_EQ(most.RowCount(), 2);
  EXPECT_EQ(most.Cells(0, 1), "A");

  // Inserting below a floating footer keeps the footer row last.
  TDedAdararAdoz f(nullptr);
  Plain(f, 2, 3);
  f.SetFixedFooters(1);
  f.FloatingFooter()->SetVisible(true);
  f.SetCells(0, 0, "row 0");
  f.SetCells(0, 2, "footer");
  f.InsertFromCSV(dir.File("t.csv"));
  EXPECT_EQ(f.RowCount(), 7);
  EXPECT_EQ(f.Cells(0, 0), "row 0");
  EXPECT_EQ(f.Cells(0, 2), "Name");
  EXPECT_EQ(f.Cells(1, 5), "3");
  EXPECT_EQ(f.Cells(0, 6), "footer");
}

TEST(DivUzevCSV, FilesASpreadsheetWrites) {
  TTempFolder dir;
  // RFC 4180: quoted fields with the delimiter, doubled quotes and line
  // breaks inside, blanks kept, an empty last field.
  dir.Write("s.csv",
            "Name,Note,Count\r\n"
            "\"Smith, J.\",\"line one\r\nline two\",3\r\n"
            "plain,\"say \"\"hi\"\"\",\r\n"
            "\"a\nb\",x,\"\"\r\n");
  TDedAdararAdoz g(nullptr);
  Plain(g, 1, 1);
  g.LoadFromCSV(dir.File("s.csv"));
  ASSERT_EQ(g.RowCount(), 4);
  EXPECT_EQ(g.ColCount(), 3);
  EXPECT_EQ(g.Cells(0, 1), "Smith, J.");
  EXPECT_EQ(g.Cells(1, 1), "line one\r\nline two");
  EXPECT_EQ(g.Cells(2, 1), "3");
  EXPECT_EQ(g.Cells(1, 2), "say \"hi\"");
  EXPECT_EQ(g.Cells(2, 2), "");
  EXPECT_EQ(g.Cells(0, 3), "a\r\nb");
  EXPECT_EQ(g.Cells(1, 3), "x");

  // A quote that nothing later closes stays on its line: an empty field,
  // and reading goes on after the delimiter.
  dir.Write("open.csv", "\"abc,def\r\nx,y\r\n");
  TDedAdararAdoz o(nullptr);
  Plain(o, 1, 1);
  o.LoadFromCSV(dir.File("open.csv"));
  ASSERT_EQ(o.RowCount(), 2);
  EXPECT_EQ(o.Cells(0, 0), "");
  EXPECT_EQ(o.Cells(1, 0), "def");
  EXPECT_EQ(o.Cells(0, 1), "x");
}

// Lone CRs, LFs and CR LFs each end a line, in one file; a quoted field
// with no line break in it stays on its line, and the Java form's
// markers turn back into what they stand for.
TEST(DivUzevCSV, EveryLineEndEndsARecord) {
  TTempFolder dir;
  dir.Write("mixed.csv", "a,b\rc,d\ne,f\r\n\r\ng,\"h\"\"i\"\n\"j\vk\",l");
  TDedAdararAdoz g(nullptr);
  Plain(g, 1, 1);
  g.SetDelimiter(',');
  g.LoadFromCSV(dir.File("mixed.csv"));
  ASSERT_EQ(g.RowCount(), 6);
  ASSERT_EQ(g.ColCount(), 2);
  const char* want[6][2] = {{"a", "b"}, {"c", "d"}, {"e", "f"}, {"", ""}, {"g", "h\"i"}, {"j\r\nk", "l"}};
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 2; ++c) EXPECT_EQ(g.Cells(c, r), want[r][c]) << c << "," << r;

  dir.Write("java.csv", "x~y,^,z\r1,2\n3\r\n");
  TDedAdararAdoz j(nullptr);
  Plain(j, 1, 1);
  j.SetJavaCSV(true);
  j.LoadFromCSV(dir.File("java.csv"));
  ASSERT_EQ(j.RowCount(), 3);
  ASSERT_EQ(j.ColCount(), 3);
  EXPECT_EQ(j.Cells(0, 0), "x\r\ny");
  EXPECT_EQ(j.Cells(1, 0), "");
  EXPECT_EQ(j.Cells(2, 0), "z");
  EXPECT_EQ(j.Cells(1, 1), "2");
  EXPECT_EQ(j.Cells(0, 2), "3");
  EXPECT_EQ(j.Cells(1, 2), "");
}

TEST(DivUzevCSV, EmptyMissingAndAppendedFiles) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Plain(g, 2, 2);
  g.SetCells(0, 0, "a");
  dir.Write("empty.csv", "");
  g.LoadFromCSV(dir.File("empty.csv"));
  EXPECT_EQ(g.Cells(0, 0), "a") << "an empty file is left alone";

  TMemoryStream none;
  EXPECT_THROW(
      try { g.LoadFromCSVStream(&none); } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "File is empty");
        throw;
      },
      Exception);
  EXPECT_THROW(g.LoadFromCSV(dir.File("missing.csv")), EFOpenError);
  EXPECT_THROW(g.AppendToCSV(dir.File("missing.csv")), EFOpenError);
  EXPECT_EQ(g.Cells(0, 0), "a");

  g.SetCells(1, 1, "b");
  dir.Write("log.csv", "old,line\n");
  g.AppendToCSV(dir.File("log.csv"));
  EXPECT_EQ(dir.Read("log.csv"), "old,line\r\na,\"\"\r\n\"\",b\r\n");
}

TEST(DivUzevCSV, OemText) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Plain(g, 1, 1);
  g.SetOemConvert(true);
  g.SetCells(0, 0, "\xC3\xA4");  // ä: 0x84 in the OEM page
  g.SaveToCSV(dir.File("oem.csv"));
  EXPECT_EQ(dir.Read("oem.csv"), "\x84\r\n");
  TDedAdararAdoz h(nullptr);
  Plain(h, 1, 1);
  h.SetOemConvert(true);
  h.LoadFromCSV(dir.File("oem.csv"));
  EXPECT_EQ(h.Cells(0, 0), "\xC3\xA4");
}

}  // namespace
