// Spreadsheet and word-processor files and database queries: cells that
// come back as they went out, files a second reader (Python's openpyxl and
// python-docx) understands, workbooks written into without losing what they
// held, damaged files refused with the grid as it was, failed saves that
// leave the old file, and ODBC imports from a SQLite file.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "../../framework/os/TempFolder.h"
#include "GridFilesFixture.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Forms.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/SysUtils.h"
#include "grid/io/OfficeFiles.h"
#include "grid/model/DivUzev.h"

namespace {

using gridfiles::TSnapshot;
using Block = std::vector<std::vector<std::string>>;

void Plain(TDedAdararAdoz& G, int Cols, int Rows) {
  G.SetFixedCols(0);
  G.SetFixedRows(0);
  G.SetColCount(Cols);
  G.SetRowCount(Rows);
}

void Fill(TDedAdararAdoz& G, const Block& B) {
  Plain(G, static_cast<int>(B[0].size()), static_cast<int>(B.size()));
  for (size_t r = 0; r < B.size(); ++r)
    for (size_t c = 0; c < B[r].size(); ++c) G.SetCells(static_cast<int>(c), static_cast<int>(r), B[r][c]);
}

Block Cells(TDedAdararAdoz& G) {
  Block b;
  for (int r = 0; r < G.RowCount(); ++r) {
    auto& row = b.emplace_back();
    for (int c = 0; c < G.ColCount(); ++c) row.push_back(G.GetGridCell(c, r));
  }
  return b;
}

// ---------------------------------------------------------------------------
// A second reader: a Python snippet run on the file, its output lines.

struct TSecondReader {
  bool Available = false;
  std::string Why;
  std::vector<std::string> Lines;
};

TSecondReader RunPython(const std::string& Module, const std::string& Code, const std::string& Arg) {
  TSecondReader out;
  // The system's Python holds the Debian packages; a python3 earlier on the
  // path (a virtual environment) may not.
  std::string python;
  bool any = false;
  for (const char* p : {"python3", "/usr/bin/python3"}) {
    if (std::system((std::string(p) + " -c 'import sys' >/dev/null 2>&1").c_str()) != 0) continue;
    any = true;
    if (std::system((std::string(p) + " -c 'import " + Module + "' >/dev/null 2>&1").c_str()) == 0) {
      python = p;
      break;
    }
  }
  if (!any) {
    out.Why = "python3 is not installed";
    return out;
  }
  if (python.empty()) {
    out.Why = "the Python package " + Module + " is not installed (Debian: python3-" +
              (Module == "docx" ? "docx" : Module) + ")";
    return out;
  }
  int fds[2];
  if (::pipe(fds) != 0) return out;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(fds[1], 1);
    ::close(fds[0]);
    ::close(fds[1]);
    ::execlp(python.c_str(), python.c_str(), "-c", Code.c_str(), Arg.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(fds[1]);
  std::string text;
  char buf[4096];
  ssize_t got;
  while ((got = ::read(fds[0], buf, sizeof buf)) > 0) text.append(buf, static_cast<size_t>(got));
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the Python reader failed on " << Arg;
  out.Available = true;
  size_t p = 0;
  while (p < text.size()) {
    size_t e = text.find('\n', p);
    if (e == std::string::npos) e = text.size();
    out.Lines.push_back(text.substr(p, e - p));
    p = e + 1;
  }
  return out;
}

std::string Hex(const std::string& S) {
  static const char* d = "0123456789abcdef";
  std::string h;
  for (unsigned char c : S) h += d[c >> 4], h += d[c & 15];
  return h;
}

// "row col kind:value" for every cell that holds something; texts as hex of
// their UTF-8 bytes, numbers as floats, dates in ISO form.
const char* kOpenpyxl = R"(
import sys, datetime, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
for ws in wb.worksheets:
    print('sheet ' + ws.title.encode().hex())
    for row in ws.iter_rows():
        for c in row:
            v = c.value
            if v is None:
                continue
            if isinstance(v, bool):
                k = 'b:' + str(v)
            elif isinstance(v, (int, float)):
                k = 'n:' + repr(float(v))
            elif isinstance(v, datetime.datetime):
                k = 'd:' + v.isoformat()
            else:
                k = 's:' + str(v).encode().hex()
            print(c.row, c.column, k)
)";

// Each table cell "table row col hex(text) alignment", and the body's
// order: "p hex(text)" or "tbl".
const char* kPythonDocx = R"(
import sys, docx, docx.text.paragraph
d = docx.Document(sys.argv[1])
for ti, t in enumerate(d.tables):
    for ri, row in enumerate(t.rows):
        for ci, cell in enumerate(row.cells):
            a = cell.paragraphs[0].alignment
            print(ti, ri, ci, cell.text.encode().hex() or '-', -1 if a is None else int(a))
for el in d.element.body.iterchildren():
    tag = el.tag.split('}')[1]
    if tag == 'p':
        print('p', docx.text.paragraph.Paragraph(el, d).text.encode().hex() or '-')
    elif tag == 'tbl':
        print('tbl')
)";

// ---------------------------------------------------------------------------
// Workbooks made by hand: what other programs write.

struct TSheetXml {
  std::string Name, Data, Extra;  // Extra goes before sheetData (views)
};

std::string MakeWorkbook(const std::vector<TSheetXml>& Sheets, const std::vector<std::string>& Shared,
                         const std::string& NumFmts, const std::string& Xfs, int ActiveTab = 0) {
  office::TZipPackage p;
  std::string types =
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
      "<Override PartName=\"/xl/workbook.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>";
  std::string rels = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
  std::string sheets;
  const std::string relType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
  for (size_t i = 0; i < Sheets.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    types +=
        "<Override PartName=\"/xl/worksheets/sheet" + n +
        ".xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
    rels += "<Relationship Id=\"rId" + n + "\" Type=\"" + relType + "worksheet\" Target=\"worksheets/sheet" +
            n + ".xml\"/>";
    sheets += "<sheet name=\"" + Sheets[i].Name + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
    p.SetPart("xl/worksheets/sheet" + n + ".xml",
              "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" +
                  Sheets[i].Extra + "<sheetData>" + Sheets[i].Data + "</sheetData></worksheet>");
  }
  rels += "<Relationship Id=\"rIdS\" Type=\"" + relType + "sharedStrings\" Target=\"sharedStrings.xml\"/>";
  rels += "<Relationship Id=\"rIdT\" Type=\"" + relType + "styles\" Target=\"/xl/styles.xml\"/>";
  rels += "<Relationship Id=\"rIdC\" Type=\"" + relType + "calcChain\" Target=\"calcChain.xml\"/>";
  rels += "</Relationships>";
  types +=
      "<Override PartName=\"/xl/calcChain.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml\"/>";
  types += "</Types>";
  std::string sst = "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
  for (const std::string& s : Shared) sst += "<si>" + s + "</si>";
  sst += "</sst>";
  p.SetPart("[Content_Types].xml", types);
  p.SetPart("_rels/.rels",
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Type=\"" +
                relType + "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
  p.SetPart("xl/workbook.xml",
            "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
            "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
            "<bookViews><workbookView activeTab=\"" +
                std::to_string(ActiveTab) + "\"/></bookViews><sheets>" + sheets + "</sheets></workbook>");
  p.SetPart("xl/_rels/workbook.xml.rels", rels);
  p.SetPart("xl/sharedStrings.xml", sst);
  p.SetPart("xl/calcChain.xml",
            "<calcChain xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><c r=\"A1\" "
            "i=\"1\"/></calcChain>");
  p.SetPart("xl/styles.xml",
            "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
            "<numFmts>" +
                NumFmts +
                "</numFmts><fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
                "<fills count=\"1\"><fill><patternFill patternType=\"none\"/></fill></fills>"
                "<borders "
                "count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders><cellXfs>" +
                Xfs + "</cellXfs></styleSheet>");
  return p.ToBytes();
}

TEST(DivUzevOffice, A1Notation) {
  const std::vector<std::pair<int, std::string>> names = {{1, "A"},    {26, "Z"},    {27, "AA"},
                                                          {30, "AD"},  {52, "AZ"},   {53, "BA"},
                                                          {702, "ZZ"}, {703, "AAA"}, {16384, "XFD"}};
  for (const auto& [n, name] : names) {
    EXPECT_EQ(office::XlsColumnName(n), name);
    int c = 0, r = 0;
    ASSERT_TRUE(office::ParseCellRef("$" + name + "$7", c, r)) << name;
    EXPECT_EQ(c, n);
    EXPECT_EQ(r, 7);
  }
  struct TCase {
    std::string Address;
    bool Valid, Single;
    int L, T, R, B;
  };
  const std::vector<TCase> cases = {
      {"$B$2:$D$5", true, false, 2, 2, 4, 5},  {"$A$1:$AD$3", true, false, 1, 1, 30, 3},
      {"$C$9", true, true, 3, 9, 3, 9},        {"$3:$7", true, false, 1, 3, 256, 7},
      {"B2:D5", true, true, 1, 1, 1, 1},       {"$1B$2", false, false, 0, 0, 0, 0},
      {"$B$2:$A$1", false, false, 0, 0, 0, 0}, {"$B$0", false, false, 0, 0, 0, 0},
      {"$B:$D", false, false, 0, 0, 0, 0},
  };
  for (const TCase& c : cases) {
    const office::TUsedRange u = office::ParseUsedRange(c.Address);
    EXPECT_EQ(u.Valid, c.Valid) << c.Address;
    if (!c.Valid) continue;
    EXPECT_EQ(u.Single, c.Single) << c.Address;
    EXPECT_EQ(std::vector<int>({u.Left, u.Top, u.Right, u.Bottom}), std::vector<int>({c.L, c.T, c.R, c.B}))
        << c.Address;
  }
}

// Texts of every kind, and what reading them back gives (line breaks as
// the grid keeps them).
struct TRoundTrip {
  Block Written, Read;
};

TRoundTrip RoundTripCells() {
  const std::string date = DateToStr(EncodeDate(2024, 2, 29));
  const std::string stamp = DateTimeToStr(EncodeDate(2023, 12, 31) + EncodeTime(23, 59, 58, 0));
  TRoundTrip t;
  t.Written = {
      {"Name", "Menge", "\xD0\x98\xD0\xBC\xD1\x8F", "\xE6\x97\xA5\xE4\xBB\x98"},
      {"\xC3\x9C"
       "ber \xE2\x82\xAC",
       "12", "-3.5", date},
      {"two\r\nlines", "0.1", "007", stamp},
      {"lone\nfeed", "1e5", "", "emoji \xF0\x9F\x98\x80"},
      {"tab\there", "_x0041_ literal", "ctl \x01 mark", std::string(400, 'y')},
      {" lead and trail ", "12345678901234567890", "True", "-0"},
  };
  t.Read = t.Written;
  t.Read[3][0] = "lone\r\nfeed";
  return t;
}

TEST(DivUzevOffice, CellsComeBackFromANewWorkbook) {
  TTempFolder dir;
  const std::string file = dir.File("cells.xlsx");
  const TRoundTrip t = RoundTripCells();
  TDedAdararAdoz out(nullptr);
  Fill(out, t.Written);
  out.SaveToXLS(file, true);

  TDedAdararAdoz in(nullptr);
  Fill(in, Block(9, std::vector<std::string>(7, "old")));
  in.LoadFromXLS(file);
  EXPECT_EQ(Cells(in), t.Read);

  // A second reader sees numbers, dates and texts as such.
  const TSecondReader py = RunPython("openpyxl", kOpenpyxl, file);
  if (!py.Available) GTEST_SKIP() << "second reader skipped: " << py.Why;
  std::map<std::string, std::string> got;
  for (const std::string& line : py.Lines) {
    const size_t a = line.find(' '), b = line.find(' ', a + 1);
    if (line.rfind("sheet ", 0) == 0 || b == std::string::npos) continue;
    got[line.substr(0, b)] = line.substr(b + 1);
  }
  const std::map<std::string, std::string> expected = {
      {"1 1", "s:" + Hex("Name")},
      {"1 3", "s:" + Hex("\xD0\x98\xD0\xBC\xD1\x8F")},
      {"2 1", "s:" + Hex("\xC3\x9C"
                         "ber \xE2\x82\xAC")},
      {"2 2", "n:12.0"},
      {"2 3", "n:-3.5"},
      {"2 4", "d:2024-02-29T00:00:00"},
      {"3 1", "s:" + Hex("two\nlines")},
      {"3 2", "n:0.1"},
      {"3 3", "s:" + Hex("007")},
      {"3 4", "d:2023-12-31T23:59:58"},
      {"4 1", "s:" + Hex("lone\nfeed")},
      {"4 2", "s:" + Hex("1e5")},
      {"4 4", "s:" + Hex("emoji \xF0\x9F\x98\x80")},
      {"5 1", "s:" + Hex("tab\there")},
      {"5 2", "s:" + Hex("_x0041_ literal")},
      {"6 1", "s:" + Hex(" lead and trail ")},
      {"6 2", "s:" + Hex("12345678901234567890")},
  };
  for (const auto& [place, value] : expected) EXPECT_EQ(got[place], value) << "cell " << place;
  EXPECT_EQ(got.count("4 3"), 0u) << "an empty cell stays empty";
}

TEST(DivUzevOffice, UsedRangeFixedCellsAndValueKinds) {
  // Sheet 1: B2..D5 with shared, inline, rich, number, boolean, error,
  // formula and date cells, some without their place written.
  const std::string data =
      "<row r=\"2\"><c r=\"B2\" t=\"s\"><v>0</v></c><c t=\"inlineStr\"><is><t>inline</t></is></c>"
      "<c r=\"D2\" t=\"s\"><v>1</v></c></row>"
      "<row><c r=\"B3\"><v>2.5</v></c><c r=\"C3\" t=\"b\"><v>1</v></c><c r=\"D3\" "
      "t=\"e\"><v>#N/A</v></c></row>"
      "<row r=\"4\"><c r=\"B4\" t=\"str\"><f>A1&amp;\"x\"</f><v>made_x000D_\nhere</v></c>"
      "<c r=\"C4\" s=\"1\"><v>45351</v></c><c r=\"D4\" s=\"2\"><v>45351.5</v></c></row>"
      "<row r=\"5\"><c r=\"B5\" t=\"d\"><v>2024-03-01T06:30:00</v></c><c r=\"D5\" s=\"3\"/></row>";
  const std::string wide = [] {
    std::string row = "<row r=\"1\">";
    for (int c = 1; c <= 30; ++c)
      row += "<c r=\"" + office::XlsColumnName(c) + "1\"><v>" + std::to_string(c) + "</v></c>";
    return row + "</row>";
  }();
  const std::string bytes = MakeWorkbook(
      {{"Erste", data, ""}, {"\xD0\xA8\xD0\xB8\xD1\x80\xD0\xBE\xD0\xBA\xD0\xB8\xD0\xB9", wide, ""}},
      {"<t>shared \xE2\x82\xAC</t>", "<r><t>rich </t></r><r><t>text</t></r><rPh><t>x</t></rPh>"},
      "<numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\\ hh:mm\"/><numFmt numFmtId=\"165\" "
      "formatCode=\"[Red]0.00\"/>",
      "<xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/>");
  TTempFolder dir;
  dir.Write("kinds.xlsx", bytes);

  TDedAdararAdoz g(nullptr);
  g.SetColCount(6);
  g.SetRowCount(7);
  g.SetFixedCols(1);
  g.SetFixedRows(1);
  g.SetSaveFixedCells(false);
  g.SetCells(3, 2, "kept where the sheet has an error");
  g.LoadFromXLS(dir.File("kinds.xlsx"));
  EXPECT_EQ(g.ColCount(), 4);
  EXPECT_EQ(g.RowCount(), 5);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.FixedRows(), 1);
  const Block expected = {
      {"", "", "", ""},
      {"", "shared \xE2\x82\xAC", "inline", "rich text"},
      {"", "2.5", "True", "kept where the sheet has an error"},
      {"", "made\r\nhere", DateTimeToStr(EncodeDate(2024, 2, 29)),
       DateTimeToStr(EncodeDate(2024, 2, 29) + EncodeTime(12, 0, 0, 0))},
      {"", DateTimeToStr(EncodeDate(2024, 3, 1) + EncodeTime(6, 30, 0, 0)), "", ""},
  };
  EXPECT_EQ(Cells(g), expected);

  // The named sheet, 30 columns wide: A to AD.
  g.SetSaveFixedCols(true);
  g.LoadFromXLSSheet(dir.File("kinds.xlsx"), "\xD1\x88\xD0\xB8\xD1\x80\xD0\xBE\xD0\xBA\xD0\xB8\xD0\xB9");
  EXPECT_EQ(g.ColCount(), 30);
  EXPECT_EQ(g.RowCount(), 2);
  EXPECT_EQ(g.GetGridCell(0, 1), "1");
  EXPECT_EQ(g.GetGridCell(29, 1), "30");

  const std::unique_ptr<TStringList> names = g.GetXLSSheets(dir.File("kinds.xlsx"));
  ASSERT_EQ(names->Count(), 2);
  EXPECT_EQ(names->Strings(0), "Erste");
  EXPECT_EQ(names->Strings(1), "\xD0\xA8\xD0\xB8\xD1\x80\xD0\xBE\xD0\xBA\xD0\xB8\xD0\xB9");
}

TEST(DivUzevOffice, DamagedOrForeignWorkbooksAreRefused) {
  TTempFolder dir;
  TDedAdararAdoz src(nullptr);
  Fill(src, {{"a", "b"}, {"1", "2"}});
  src.SaveToXLS(dir.File("good.xlsx"));
  const std::string good = dir.Read("good.xlsx");
  src.SaveToDOC(dir.File("doc.docx"));

  struct TCase {
    std::string Name, Bytes, Sheet, Message;
  };
  const std::vector<TCase> cases = {
      {"empty.xlsx", "", "", "not a workbook"},
      {"text.xlsx", "Name;Value\r\nx;1\r\n", "", "not an Office Open XML file"},
      {"half.xlsx", good.substr(0, good.size() / 2), "", "not an Office Open XML file"},
      {"word.xlsx", dir.Read("doc.docx"), "", "not a workbook"},
      {"broken.xlsx", MakeWorkbook({{"S", "<row r=\"1\"><c r=\"A1\"><v>1</v></c>", ""}}, {}, "", ""), "",
       "Incorrect XLS file"},
      {"shared.xlsx",
       MakeWorkbook({{"S", "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>5</v></c></row>", ""}}, {}, "", ""), "",
       "Incorrect XLS file"},
      {"place.xlsx", MakeWorkbook({{"S", "<row r=\"1\"><c r=\"1A\"><v>1</v></c></row>", ""}}, {}, "", ""), "",
       "Incorrect XLS file"},
      {"number.xlsx", MakeWorkbook({{"S", "<row r=\"1\"><c r=\"A1\"><v>1,5x</v></c></row>", ""}}, {}, "", ""),
       "", "Incorrect XLS file"},
      {"huge.xlsx",
       MakeWorkbook({{"S",
                      "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"1048576\"><c "
                      "r=\"XFD1048576\"><v>1</v></c></row>",
                      ""}},
                    {}, "", ""),
       "", "Incorrect XLS file"},
      {"good.xlsx", good, "Nowhere", "Excel worksheet Nowhere not found"},
  };
  TDedAdararAdoz g(nullptr);
  gridfiles::FillEveryKind(g);
  const TSnapshot before = TSnapshot::Of(g);
  const TCursor cursor = Screen != nullptr ? Screen->Cursor() : crDefault;
  for (const TCase& c : cases) {
    if (c.Name != "good.xlsx") dir.Write(c.Name, c.Bytes);
    try {
      if (c.Sheet.empty())
        g.LoadFromXLS(dir.File(c.Name));
      else
        g.LoadFromXLSSheet(dir.File(c.Name), c.Sheet);
      ADD_FAILURE() << c.Name << " was read";
    } catch (const Exception& e) {
      EXPECT_NE(e.Message().find(c.Message), std::string::npos) << c.Name << ": " << e.Message();
    }
    EXPECT_TRUE(TSnapshot::Of(g) == before) << c.Name << " changed the grid";
    if (Screen != nullptr) EXPECT_EQ(Screen->Cursor(), cursor) << c.Name;
  }
  EXPECT_THROW(g.LoadFromXLS(dir.File("missing.xlsx")), EFOpenError);
  EXPECT_THROW(g.GetXLSSheets(dir.File("text.xlsx")), office::EOfficeFileError);
  EXPECT_TRUE(TSnapshot::Of(g) == before);
}

TEST(DivUzevOffice, ExportIntoAWorkbookKeepsWhatItHeld) {
  TTempFolder dir;
  const std::string file = dir.File("book.xlsx");
  // Another program's workbook: the second sheet is active with its active
  // cell in row 4, a formula shared over two cells, a calculation chain.
  const std::string first =
      "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\"><f t=\"shared\" ref=\"B1:B2\" si=\"0\">A1</f>"
      "<v>0</v></c></row><row r=\"2\"><c r=\"B2\"><f t=\"shared\" si=\"0\"/><v>7</v></c></row>";
  const std::string second =
      "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>title</t></is></c></row>"
      "<row r=\"6\"><c r=\"E6\"><v>99</v></c></row>";
  const std::string views =
      "<sheetViews><sheetView workbookViewId=\"0\"><selection activeCell=\"C4\" sqref=\"C4\"/></sheetView>"
      "</sheetViews>";
  dir.Write("book.xlsx", MakeWorkbook({{"Alpha", first, ""}, {"Beta", second, views}}, {"<t>keep me</t>"}, "",
                                      "<xf numFmtId=\"0\"/>", 1));

  TDedAdararAdoz g(nullptr);
  Fill(g, {{"n", DateToStr(EncodeDate(2020, 1, 2))}, {"5", "x\r\ny"}});
  g.SaveToXLS(file, false);  // into Beta from row 4
  g.SaveToXLSSheet(file, "Alpha");
  g.SaveToXLSSheet(file, "\xD0\x9D\xD0\xBE\xD0\xB2\xD1\x8B\xD0\xB9");  // a new sheet

  TDedAdararAdoz in(nullptr);
  Plain(in, 1, 1);
  in.SetSaveFixedCells(true);
  const std::unique_ptr<TStringList> names = in.GetXLSSheets(file);
  ASSERT_EQ(names->Count(), 3);
  EXPECT_EQ(names->Strings(2), "\xD0\x9D\xD0\xBE\xD0\xB2\xD1\x8B\xD0\xB9");

  in.LoadFromXLS(file);  // the active sheet, Beta
  const std::string date = DateToStr(EncodeDate(2020, 1, 2));
  Block beta(6, std::vector<std::string>(5));
  beta[0][0] = "title";
  beta[3][0] = "n", beta[3][1] = date, beta[4][0] = "5", beta[4][1] = "x\r\ny";
  beta[5][4] = "99";
  EXPECT_EQ(Cells(in), beta);

  in.LoadFromXLSSheet(file, "alpha");  // names without regard to case
  EXPECT_EQ(Cells(in), (Block{{"n", date}, {"5", "x\r\ny"}}));
  in.LoadFromXLSSheet(file, "\xD0\x9D\xD0\xBE\xD0\xB2\xD1\x8B\xD0\xB9");
  EXPECT_EQ(Cells(in), (Block{{"n", date}, {"5", "x\r\ny"}}));

  // The spreadsheet builds its calculation chain again.
  const office::TZipPackage pkg = office::TZipPackage::FromBytes(dir.Read("book.xlsx"), file);
  EXPECT_FALSE(pkg.Has("xl/calcChain.xml"));
  EXPECT_EQ(pkg.Part("[Content_Types].xml").find("calcChain"), std::string::npos);

  const TSecondReader py = RunPython("openpyxl", kOpenpyxl, file);
  if (!py.Available) GTEST_SKIP() << "second reader skipped: " << py.Why;
  const std::vector<std::string> expected = {
      "sheet " + Hex("Alpha"),
      "1 1 s:" + Hex("n"),
      "1 2 d:2020-01-02T00:00:00",
      "2 1 n:5.0",
      "2 2 s:" + Hex("x\ny"),
      "sheet " + Hex("Beta"),
      "1 1 s:" + Hex("title"),
      "4 1 s:" + Hex("n"),
      "4 2 d:2020-01-02T00:00:00",
      "5 1 n:5.0",
      "5 2 s:" + Hex("x\ny"),
      "6 5 n:99.0",
      "sheet " + Hex("\xD0\x9D\xD0\xBE\xD0\xB2\xD1\x8B\xD0\xB9"),
      "1 1 s:" + Hex("n"),
      "1 2 d:2020-01-02T00:00:00",
      "2 1 n:5.0",
      "2 2 s:" + Hex("x\ny"),
  };
  EXPECT_EQ(py.Lines, expected);
}

TEST(DivUzevOffice, FailedExportsLeaveTheOldFile) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Fill(g, {{"old"}});
  g.SaveToXLS(dir.File("a.xlsx"));
  g.SaveToDOC(dir.File("a.docx"));
  dir.Write("notes.xlsx", "not a workbook but someone's notes");
  const std::string xlsx = dir.Read("a.xlsx"), docx = dir.Read("a.docx");
  Fill(g, {{"new", "cells"}});

  using TExport = std::function<void()>;
  const std::vector<std::pair<std::string, TExport>> exports = {
      {"SaveToXLS", [&] { g.SaveToXLS(dir.File("a.xlsx"), true); }},
      {"SaveToXLS into the workbook", [&] { g.SaveToXLS(dir.File("a.xlsx"), false); }},
      {"SaveToXLSSheet", [&] { g.SaveToXLSSheet(dir.File("a.xlsx"), "Sheet1"); }},
      {"SaveToDOC", [&] { g.SaveToDOC(dir.File("a.docx")); }},
      {"AppendToDoc", [&] { g.AppendToDoc(dir.File("a.docx"), ""); }},
  };
  {
    TSafeWriteHookScope full(
        [](TSafeWriteStage Stage, const std::string&) { return Stage == swsWrite ? ENOSPC : 0; });
    for (const auto& [name, run] : exports) EXPECT_THROW(run(), EFCreateError) << name;
  }
  EXPECT_EQ(dir.Read("a.xlsx"), xlsx);
  EXPECT_EQ(dir.Read("a.docx"), docx);

  // A file that is not a workbook is not replaced by one.
  EXPECT_THROW(g.SaveToXLSSheet(dir.File("notes.xlsx"), "Sheet1"), office::EOfficeFileError);
  EXPECT_THROW(g.SaveToXLS(dir.File("notes.xlsx"), false), office::EOfficeFileError);
  EXPECT_EQ(dir.Read("notes.xlsx"), "not a workbook but someone's notes");
  // Nor is a document.
  EXPECT_THROW(g.AppendToDoc(dir.File("notes.xlsx"), ""), office::EOfficeFileError);
  EXPECT_THROW(g.AppendToDoc(dir.File("missing.docx"), ""), EFOpenError);
  EXPECT_FALSE(std::filesystem::exists(dir.File("missing.docx")));
  // A sheet name the spreadsheet would refuse.
  EXPECT_THROW(g.SaveToXLSSheet(dir.File("b.xlsx"), "a/b"), Exception);
  EXPECT_FALSE(std::filesystem::exists(dir.File("b.xlsx")));
}

// ---------------------------------------------------------------------------
// Word-processor documents

std::map<std::string, std::string> DocCells(const TSecondReader& Py) {
  std::map<std::string, std::string> cells;
  for (const std::string& line : Py.Lines) {
    if (line.empty() || line[0] < '0' || line[0] > '9') continue;
    const size_t a = line.find(' '), b = line.find(' ', a + 1), c = line.find(' ', b + 1);
    cells[line.substr(0, c)] = line.substr(c + 1);
  }
  return cells;
}

std::vector<std::string> DocBody(const TSecondReader& Py) {
  std::vector<std::string> body;
  for (const std::string& line : Py.Lines)
    if (line == "tbl" || line.rfind("p ", 0) == 0) body.push_back(line);
  return body;
}

TEST(DivUzevOffice, DocumentTables) {
  TTempFolder dir;
  const std::string file = dir.File("table.docx");
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  g.SetFixedCols(1);
  g.SetFixedRows(1);
  g.SetCells(1, 0, "Head \xE2\x82\xAC");
  g.SetCells(2, 0, "\xE6\x97\xA5\xE6\x9C\xAC");
  g.SetCells(0, 1, "row");
  g.SetCells(1, 1, "two\r\nlines");
  g.SetCells(2, 1, "right");
  g.GetCellProperties(2, 1)->SetAlignment(taRightJustify);
  g.SetCells(1, 2, "centre\ttab");
  g.GetCellProperties(1, 2)->SetAlignment(taCenter);
  g.SaveToDOC(file, true);

  const TSecondReader py = RunPython("docx", kPythonDocx, file);
  if (!py.Available) GTEST_SKIP() << "second reader skipped: " << py.Why;
  const std::map<std::string, std::string> cells = DocCells(py);
  EXPECT_EQ(cells.size(), 9u) << "the whole grid, fixed cells included";
  EXPECT_EQ(cells.at("0 0 1"), Hex("Head \xE2\x82\xAC") + " -1");
  EXPECT_EQ(cells.at("0 0 2"), Hex("\xE6\x97\xA5\xE6\x9C\xAC") + " -1");
  EXPECT_EQ(cells.at("0 1 0"), Hex("row") + " -1");
  EXPECT_EQ(cells.at("0 1 1"), Hex("two\nlines") + " -1");
  EXPECT_EQ(cells.at("0 1 2"), Hex("right") + " 2");
  EXPECT_EQ(cells.at("0 2 1"), Hex("centre\ttab") + " 1");
  EXPECT_EQ(cells.at("0 2 2"), "- -1");
  EXPECT_EQ(DocBody(py), (std::vector<std::string>{"tbl", "p -", "p -"}));
}

// A document as a word processor writes it: paragraphs, a bookmark inside
// the second one's text, the section settings last.
std::string BookmarkedDocument() {
  office::TZipPackage p;
  p.SetPart(
      "[Content_Types].xml",
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
      "<Override PartName=\"/word/document.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
      "</Types>");
  p.SetPart("_rels/.rels",
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" "
            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
            "Target=\"word/document.xml\"/></Relationships>");
  p.SetPart(
      "word/document.xml",
      "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>"
      "<w:p><w:r><w:t>before</w:t></w:r></w:p>"
      "<w:p><w:pPr><w:jc w:val=\"left\"/></w:pPr><w:r><w:t xml:space=\"preserve\">at </w:t></w:r>"
      "<w:bookmarkStart w:id=\"0\" w:name=\"Here\"/><w:r><w:t>mark</w:t></w:r><w:bookmarkEnd w:id=\"0\"/>"
      "<w:r><w:t xml:space=\"preserve\"> rest</w:t></w:r></w:p>"
      "<w:p><w:r><w:t>after</w:t></w:r></w:p>"
      "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/></w:sectPr></w:body></w:document>");
  return p.ToBytes();
}

TEST(DivUzevOffice, TablesAppendedAtABookmarkOrAtTheEnd) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Fill(g, {{"a", "b"}, {"c", "d"}});
  dir.Write("mark.docx", BookmarkedDocument());
  dir.Write("end.docx", BookmarkedDocument());
  g.AppendToDoc(dir.File("mark.docx"), "here");
  g.AppendToDoc(dir.File("end.docx"), "NoSuchMark");

  // Without a second reader the parts still show where the table went.
  const auto body = [&](const std::string& Name) {
    return office::TZipPackage::FromBytes(dir.Read(Name), Name).Part("word/document.xml");
  };
  const std::string mark = body("mark.docx");
  EXPECT_LT(mark.find(">at <"), mark.find("<w:tbl>"));
  EXPECT_LT(mark.find("<w:tbl>"), mark.find(">mark<"));
  const std::string end = body("end.docx");
  EXPECT_LT(end.find(">after<"), end.find("<w:tbl>"));
  EXPECT_LT(end.find("<w:tbl>"), end.find("<w:sectPr>"));

  for (const auto& [name, order] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {"mark.docx",
            {"p -", "p " + Hex("before"), "p " + Hex("at "), "tbl", "p " + Hex("mark rest"),
             "p " + Hex("after")}},
           {"end.docx",
            {"p -", "p " + Hex("before"), "p " + Hex("at mark rest"), "p " + Hex("after"), "tbl", "p -"}},
       }) {
    const TSecondReader py = RunPython("docx", kPythonDocx, dir.File(name));
    if (!py.Available) GTEST_SKIP() << "second reader skipped: " << py.Why;
    EXPECT_EQ(DocBody(py), order) << name;
    const std::map<std::string, std::string> cells = DocCells(py);
    EXPECT_EQ(cells.at("0 0 0"), Hex("a") + " -1") << name;
    EXPECT_EQ(cells.at("0 1 1"), Hex("d") + " -1") << name;
  }
}

// ---------------------------------------------------------------------------
// Databases

void MakeDatabase(const std::string& File) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(File.c_str(), &db), SQLITE_OK);
  char* err = nullptr;
  const int rc = sqlite3_exec(
      db,
      "CREATE TABLE Stock (name TEXT, qty INTEGER, price REAL, note TEXT, day DATE);"
      "INSERT INTO Stock VALUES ('Gr\xC3\xBC\xC3\x9F"
      "e \xE6\x97\xA5\xE6\x9C\xAC', 3, 2.5, 'first', '2024-02-29');"
      "INSERT INTO Stock VALUES ('\xD0\xB2\xD1\x82\xD0\xBE\xD1\x80\xD0\xBE\xD0\xB9', NULL, 0.1, '', NULL);"
      "INSERT INTO Stock VALUES ('third', 7, -1.25, NULL, '2023-12-31');",
      nullptr, nullptr, &err);
  EXPECT_EQ(rc, SQLITE_OK) << (err != nullptr ? err : "");
  sqlite3_free(err);
  sqlite3_close(db);
}

TEST(DivUzevOffice, DatabaseImport) {
  TTempFolder dir;
  const std::string file = dir.File("stock.db");
  MakeDatabase(file);

  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(9);
  g.SetFixedCols(1);
  g.SetFixedRows(1);
  for (int r = 0; r < 9; ++r) g.SetCells(2, r, "old");
  g.LoadFromMDBTable(file, "Stock");
  EXPECT_EQ(g.ColCount(), 6);
  EXPECT_EQ(g.RowCount(), 4);
  const Block expected = {
      {"", "name", "qty", "price", "note", "day"},
      {"",
       "Gr\xC3\xBC\xC3\x9F"
       "e \xE6\x97\xA5\xE6\x9C\xAC",
       "3", "2.5", "first", DateToStr(EncodeDate(2024, 2, 29))},
      // Empty and NULL values are empty cells, not the record before.
      {"", "\xD0\xB2\xD1\x82\xD0\xBE\xD1\x80\xD0\xBE\xD0\xB9", "", "0.1", "", ""},
      {"", "third", "7", "-1.25", "", DateToStr(EncodeDate(2023, 12, 31))},
  };
  EXPECT_EQ(Cells(g), expected);

  // A connection string of its own, and a query.
  TDedAdararAdoz q(nullptr);
  Plain(q, 1, 1);
  q.LoadFromMDBSQL("DRIVER={SQLite3};Database=" + file,
                   "SELECT name, qty * 2 AS twice FROM Stock WHERE qty > 5");
  EXPECT_EQ(Cells(q), (Block{{"third", "14"}}));

  // Failures leave the grid as it was and make no database file.
  const TSnapshot before = TSnapshot::Of(g);
  try {
    g.LoadFromMDBSQL(file, "SELEKT nothing");
    ADD_FAILURE() << "a bad query was run";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find("The query failed"), std::string::npos) << e.Message();
  }
  EXPECT_THROW(g.LoadFromMDBTable(file, "Missing"), Exception);
  EXPECT_THROW(g.LoadFromMDBTable(dir.File("none.db"), "Stock"), EFOpenError);
  EXPECT_THROW(g.LoadFromMDBSQL("DRIVER={No Such Driver};Database=" + file, "SELECT 1"), Exception);
  EXPECT_FALSE(std::filesystem::exists(dir.File("none.db")));
  EXPECT_TRUE(TSnapshot::Of(g) == before);
}

}  // namespace
