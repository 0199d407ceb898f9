// The grid's drag and drop layer: what a drop hands to which handler, the
// effect rule, the window's veto, drags between two of our windows, the
// blocks the grid drags out, damaged blocks from other programs, and which
// loader a dropped file takes.
#include "grid/base/griddd.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Streams.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/rtl/SysUtils.h"
#include "support/DragDriver.h"
#include "support/Input.h"

namespace {

using Log = std::vector<std::string>;

std::string Str(const std::vector<uint8_t>& B) { return std::string(B.begin(), B.end()); }

class TLogTarget : public TCellDropTarget {
 public:
  explicit TLogTarget(Log& L) : log_(L) {}
  std::function<bool(const TPoint&)> Allowed;
  int Moves = 0;
  bool LastAllow = false;

  void DropText(const TPoint&, const std::string& s) override { log_.push_back("text:" + s); }
  void DropStream(const TPoint&, TMemoryStream* ms) override { log_.push_back("cells:" + ms->Bytes()); }
  void DropCol(const TPoint&, int col) override { log_.push_back("col:" + std::to_string(col)); }
  void DropRTF(const TPoint&, const std::string& s) override { log_.push_back("rtf:" + s); }
  void DropFiles(const TPoint&, TStrings* files) override {
    std::string s;
    for (int i = 0; i < files->Count(); ++i) s += (i ? "|" : "") + files->Strings(i);
    log_.push_back("files:" + s);
  }
  void DropURL(const TPoint&, const std::string& s) override { log_.push_back("url:" + s); }
  void DragMouseMove(const TPoint&, bool& Allow, TDropFormats) override {
    ++Moves;
    LastAllow = Allow;
  }
  void DragMouseLeave() override { log_.push_back("leave"); }
  bool DropAllowed(const TPoint& pt, TDropFormats) override { return !Allowed || Allowed(pt); }

 private:
  Log& log_;
};

class TLogSource : public TCellDropSource {
 public:
  explicit TLogSource(Log& L) : log_(L) {}
  int Steps = 0;
  void DragEnded() override { log_.push_back("ended"); }
  void CurrentEffect(DWORD e) override { log_.push_back("effect " + std::to_string(e)); }
  void QueryDrag() override { ++Steps; }

 private:
  Log& log_;
};

// Two panels on a form: drags start on the left one; the right one takes
// drops.
class GridDragDropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAcceptRTFDrops(false);
    form = testinput::NewPointerForm(300, 200);
    left = new TPanel(form);
    left->SetParent(form);
    left->SetBounds(0, 0, 150, 200);
    right = new TPanel(form);
    right->SetParent(form);
    right->SetBounds(150, 0, 150, 200);
    testinput::ShowForm(form);
    target = std::make_shared<TLogTarget>(log);
    ASSERT_EQ(RegisterDragDrop(right->Handle(), target), S_OK);
  }
  void TearDown() override {
    SetAcceptRTFDrops(false);
    testinput::FreePointerForm(form);
  }

  Log log;
  TForm* form = nullptr;
  TPanel* left = nullptr;
  TPanel* right = nullptr;
  std::shared_ptr<TLogTarget> target;
};

std::string Cells(uint32_t Declared, const std::string& Payload) {
  std::string b;
  for (int i = 0; i < 4; ++i) b += static_cast<char>(Declared >> (8 * i));
  b += std::string(4, '\0');
  return b + Payload;
}

TEST_F(GridDragDropTest, DropGoesToTheHandlersOfWhatIsOffered) {
  const std::string kCells = "application/x-cf30406-TDedAdararAdoz-Cells";
  const std::string kColumn = "application/x-cf30406-Grid-Column";
  std::string mozUrl;
  for (char c : std::string("https://example.invalid/\nExample")) mozUrl += std::string{c, '\0'};
  struct Case {
    const char* name;
    TMimeList data;
    std::function<void(TLogTarget&)> setup;
    Log expected;
  };
  auto none = [](TLogTarget&) {};
  const std::vector<Case> cases = {
      {"a column and text: the column alone",
       {{kColumn, std::string("\x03\0\0\0", 4)}, {"text/plain", "Name"}},
       [](TLogTarget& t) { t.SetAcceptCols(true); },
       {"col:3"}},
      {"a file manager's file and its text",
       {{"text/uri-list", "file:///tmp/a%20b.csv\r\n"}, {"text/plain", "/tmp/a b.csv"}},
       none,
       {"text:/tmp/a b.csv", "files:/tmp/a b.csv"}},
      {"rich text while rich text is off",
       {{"text/rtf", "{\\rtf1 x}"}, {"text/plain", "x"}},
       none,
       {"text:x"}},
      {"rich text while rich text is on",
       {{"text/rtf", "{\\rtf1 x}"}, {"text/plain", "x"}},
       [](TLogTarget&) { SetAcceptRTFDrops(true); },
       {"rtf:{\\rtf1 x}"}},
      {"a browser's link",
       {{"text/x-moz-url", mozUrl}, {"text/plain", "https://example.invalid/"}},
       none,
       {"text:https://example.invalid/", "url:https://example.invalid/"}},
      {"cells of another grid", {{kCells, Cells(3, "abc")}, {"text/plain", "a\tb"}}, none, {"cells:abc"}},
      {"cells whose count runs past the block: the text instead",
       {{kCells, Cells(1000, "abc")}, {"text/plain", "a\tb"}},
       none,
       {"text:a\tb"}},
      {"files offered to a window that takes no files",
       {{"text/uri-list", "file:///tmp/a.csv\r\n"}, {"text/plain", "/tmp/a.csv"}},
       [](TLogTarget& t) { t.SetAcceptFiles(false); },
       {"text:/tmp/a.csv"}},
      {"text offered to a window that takes no text",
       {{"text/plain", "x"}},
       [](TLogTarget& t) { t.SetAcceptText(false); },
       {"leave"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log.clear();
    SetAcceptRTFDrops(false);
    target->SetAcceptCols(false);
    target->SetAcceptFiles(true);
    target->SetAcceptText(true);
    c.setup(*target);
    TDesktopDrag d(c.data, DROPEFFECT_COPY | DROPEFFECT_MOVE);
    d.MoveTo(right, 10, 10);
    d.Drop();
    EXPECT_EQ(log, c.expected);
  }
}

TEST_F(GridDragDropTest, EffectFollowsCtrlAndWhatTheSourceAllows) {
  struct Case {
    DWORD keys, offered, effect;
  };
  const Case cases[] = {
      {MK_LBUTTON, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE},
      {MK_LBUTTON | MK_CONTROL, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY},
      {MK_LBUTTON, DROPEFFECT_COPY, DROPEFFECT_COPY},
      {MK_LBUTTON | MK_CONTROL, DROPEFFECT_MOVE, DROPEFFECT_MOVE},
      {MK_LBUTTON, DROPEFFECT_LINK, DROPEFFECT_NONE},
  };
  for (const Case& c : cases) {
    TDesktopDrag d({{"text/plain", "x"}}, c.offered);
    EXPECT_EQ(d.MoveTo(right, 5, 5, c.keys), c.effect) << c.keys << " " << c.offered;
    EXPECT_EQ(d.MoveTo(right, 6, 6, c.keys), c.effect) << c.keys << " " << c.offered;
    EXPECT_EQ(d.Drop(), c.effect) << c.keys << " " << c.offered;
  }
}

TEST_F(GridDragDropTest, WindowVetoRefusesTheDropWhileOverAndAtTheDrop) {
  // Only the left half of the window may be written.
  bool editable = true;
  target->Allowed = [&](const TPoint& pt) { return editable && right->ScreenToClient(pt).X < 75; };
  TDesktopDrag d({{"text/plain", "x"}});
  EXPECT_NE(d.MoveTo(right, 10, 10), DROPEFFECT_NONE);
  EXPECT_EQ(d.MoveTo(right, 100, 10), DROPEFFECT_NONE);
  EXPECT_TRUE(target->LastAllow);  // the window's own move step ran first
  EXPECT_EQ(d.Drop(), DROPEFFECT_NONE);
  EXPECT_EQ(log, (Log{"leave"}));

  // The window turns read-only between the last move and the drop.
  log.clear();
  TDesktopDrag late({{"text/plain", "y"}});
  late.MoveTo(right, 10, 10);
  editable = false;
  EXPECT_EQ(late.Drop(), DROPEFFECT_NONE);
  EXPECT_EQ(log, (Log{"leave"}));

  editable = true;
  log.clear();
  TDesktopDrag ok({{"text/plain", "z"}});
  ok.MoveTo(right, 10, 10);
  EXPECT_NE(ok.Drop(), DROPEFFECT_NONE);
  EXPECT_EQ(log, (Log{"text:z"}));
}

TEST_F(GridDragDropTest, DragsBetweenOurWindows) {
  TMemoryStream cells;
  cells.Write("0123456789", 10);
  struct Case {
    const char* name;
    std::function<HRESULT(const std::shared_ptr<TLogSource>&, DWORD&)> start;
    std::function<void()> setup;
    HRESULT result;
    DWORD effect;
    Log log;
  };
  const std::vector<Case> cases = {
      {"text, rich text and cells",
       [&](const std::shared_ptr<TLogSource>& s, DWORD& e) {
         return BeginTextDragDrop(s, "a\tb", "{\\rtf1 a}", e, DROPEFFECT_COPY | DROPEFFECT_MOVE, &cells);
       },
       [] {},
       DRAGDROP_S_DROP,
       DROPEFFECT_MOVE,
       {"effect 2", "ended", "cells:0123456789"}},
      {"text and rich text with rich text on",
       [&](const std::shared_ptr<TLogSource>& s, DWORD& e) {
         return BeginTextDragDrop(s, "a", "{\\rtf1 a}", e, DROPEFFECT_COPY | DROPEFFECT_MOVE, nullptr);
       },
       [] { SetAcceptRTFDrops(true); },
       DRAGDROP_S_DROP,
       DROPEFFECT_MOVE,
       {"effect 2", "ended", "rtf:{\\rtf1 a}"}},
      {"a column",
       [&](const std::shared_ptr<TLogSource>& s, DWORD& e) {
         return BeginColumnDragDrop(s, 4, DROPEFFECT_COPY | DROPEFFECT_MOVE, e);
       },
       [this] { target->SetAcceptCols(true); },
       DRAGDROP_S_DROP,
       DROPEFFECT_MOVE,
       {"effect 2", "ended", "col:4"}},
      {"a column to a window that takes none",
       [&](const std::shared_ptr<TLogSource>& s, DWORD& e) {
         return BeginColumnDragDrop(s, 4, DROPEFFECT_COPY | DROPEFFECT_MOVE, e);
       },
       [] {},
       DRAGDROP_S_CANCEL,
       DROPEFFECT_NONE,
       {"effect 0", "leave", "ended"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log.clear();
    SetAcceptRTFDrops(false);
    target->SetAcceptCols(false);
    c.setup();
    TDragDriver driver;
    driver.OnDrag([&](TDragRun& run) {
      run.MoveTo(right, 20, 20);
      run.Drop();
    });
    auto source = std::make_shared<TLogSource>(log);
    DWORD effect = 99;
    EXPECT_EQ(c.start(source, effect), c.result);
    EXPECT_EQ(effect, c.effect);
    EXPECT_EQ(log, c.log);
    EXPECT_GT(source->Steps, 0);
  }
}

// The window system may see the button up at a step before it drops: the
// source ends once, and the drop still lands.
TEST_F(GridDragDropTest, ButtonUpSeenAtAStepEndsTheDragOnce) {
  TDragDriver driver;
  driver.OnDrag([&](TDragRun& run) {
    run.MoveTo(right, 20, 20, 0);
    run.Drop();
  });
  DWORD effect = 0;
  EXPECT_EQ(BeginTextDragDrop(std::make_shared<TLogSource>(log), "t", "", effect,
                              DROPEFFECT_COPY | DROPEFFECT_MOVE, nullptr),
            DRAGDROP_S_DROP);
  EXPECT_EQ(log, (Log{"ended", "effect 2", "text:t"}));
}

TEST_F(GridDragDropTest, OtherProgramsGetTheGridsBlocks) {
  TMemoryStream cells;
  cells.Write("0123456789", 10);
  TDragDriver driver;
  driver.OnDrag([&](TDragRun& run) {
    run.MoveToDesktop(DROPEFFECT_COPY);
    run.Drop();
  });
  DWORD effect = 0;
  EXPECT_EQ(BeginTextDragDrop(std::make_shared<TLogSource>(log), "caf\xC3\xA9", "{\\rtf1 x}", effect,
                              DROPEFFECT_COPY | DROPEFFECT_MOVE, &cells),
            DRAGDROP_S_DROP);
  EXPECT_EQ(effect, DROPEFFECT_COPY);
  const TMimeData& offered = driver.Drags().at(0);
  EXPECT_EQ(offered.at("text/plain"), "caf\xC3\xA9");
  // A 10-byte stream makes an 18-byte block: the count, 4 zero bytes, the
  // stream.
  EXPECT_EQ(offered.at("application/x-cf30406-TDedAdararAdoz-Cells"), Cells(10, "0123456789"));
  // Rich text is offered only while it is on.
  EXPECT_EQ(offered.count("text/rtf"), 0u);
}

TEST(GridSourceData, BlocksAndRefusals) {
  SetAcceptRTFDrops(true);
  TMemoryStream cells;
  cells.Write("0123456789", 10);
  TSourceDataObject text("caf\xC3\xA9", "{\\rtf1 \xC3\xA9}", -1, &cells);
  TSourceDataObject column("", "", 7, nullptr);
  auto block = [](TSourceDataObject& d, UINT f) {
    TFormatEtc e;
    e.cfFormat = f;
    TStgMedium m;
    HRESULT hr = d.GetData(e, m);
    return hr == S_OK ? Str(m.hGlobal) : "refused";
  };
  EXPECT_EQ(block(text, CF_TEXT), std::string("caf\xE9\0", 5));
  EXPECT_EQ(block(text, CF_UNICODETEXT), std::string("c\0a\0f\0\xE9\0\0\0", 10));
  EXPECT_EQ(block(text, CF_RICHTEXT()), std::string("{\\rtf1 \xE9}\0", 10));
  EXPECT_EQ(block(text, CF_GRIDCELLS()), Cells(10, "0123456789"));
  EXPECT_EQ(block(text, CF_GRIDCOLUMN()), "refused");
  EXPECT_EQ(block(column, CF_GRIDCOLUMN()), std::string("\x07\0\0\0", 4));
  EXPECT_EQ(block(column, CF_TEXT), "refused");
  EXPECT_EQ(block(column, CF_UNICODETEXT), "refused");
  SetAcceptRTFDrops(false);
  EXPECT_EQ(block(text, CF_RICHTEXT()), "refused");

  TFormatEtc e;
  e.cfFormat = CF_TEXT;
  e.dwAspect = 4;
  EXPECT_EQ(text.QueryGetData(e), DV_E_FORMATETC);
  e.dwAspect = DVASPECT_CONTENT;
  e.tymed = 4;
  EXPECT_EQ(text.QueryGetData(e), DV_E_FORMATETC);
  TStgMedium m;
  e.tymed = TYMED_HGLOBAL;
  EXPECT_EQ(text.GetDataHere(e, m), DV_E_FORMATETC);
  EXPECT_EQ(text.SetData(e, m, true), DV_E_FORMATETC);
  std::shared_ptr<IEnumFORMATETC> en;
  EXPECT_EQ(text.EnumFormatEtc(DATADIR_SET, en), E_NOTIMPL);
  DWORD conn = 0;
  EXPECT_EQ(text.DAdvise(e, 0, nullptr, conn), OLE_E_ADVISENOTSUPPORTED);
}

TEST(GridSourceData, FormatListFromTextFirstEvenForAColumn) {
  auto list = [](IEnumFORMATETC& en) {
    std::vector<UINT> out;
    TFormatEtc f[8];
    ULONG got = 0;
    EXPECT_EQ(en.Next(8, f, &got), S_FALSE);
    for (ULONG i = 0; i < got; ++i) out.push_back(f[i].cfFormat);
    return out;
  };
  TSourceEnumFormatEtc column(true, false);
  EXPECT_EQ(list(column), (std::vector<UINT>{CF_TEXT, CF_UNICODETEXT, CF_RICHTEXT(), CF_GRIDCOLUMN()}));
  TSourceEnumFormatEtc all(true, true);
  EXPECT_EQ(all.Skip(2), S_OK);
  std::shared_ptr<IEnumFORMATETC> copy;
  ASSERT_EQ(all.Clone(copy), S_OK);
  EXPECT_EQ(list(*copy), (std::vector<UINT>{CF_RICHTEXT(), CF_GRIDCOLUMN(), CF_GRIDCELLS()}));
  EXPECT_EQ(all.Skip(9), S_FALSE);
  TFormatEtc f;
  ULONG got = 7;
  EXPECT_EQ(all.Next(1, &f, &got), S_FALSE);
  EXPECT_EQ(got, 0u);
  all.Reset();
  EXPECT_EQ(all.Next(1, &f, &got), S_OK);
  EXPECT_EQ(f.cfFormat, CF_TEXT);
}

TEST(GridSourceData, ReaderNeedsAFormatList) {
  class TNoList : public TSourceDataObject {
   public:
    TNoList() : TSourceDataObject("x", "", -1, nullptr) {}
    HRESULT EnumFormatEtc(DWORD, std::shared_ptr<IEnumFORMATETC>&) override { return E_NOTIMPL; }
  };
  try {
    TEnumFormats f(std::make_shared<TNoList>());
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Cannot get the format enumerator");
  }
  // What the grid itself drags reads back the same.
  TEnumFormats f(std::make_shared<TSourceDataObject>("", "", 12, nullptr));
  EXPECT_TRUE(f.HasCol());
  EXPECT_FALSE(f.HasText());
  EXPECT_EQ(f.Col(), 12);
  EXPECT_EQ(f.Stream(), nullptr);
  EXPECT_EQ(f.Text(), "");
}

TEST(GridDropSource, EndsOnEscapeOrReleaseAndRemembersFeedback) {
  struct Case {
    bool escape;
    DWORD keys;
    HRESULT answer;
    bool ended;
  };
  const Case cases[] = {
      {true, MK_LBUTTON, DRAGDROP_S_CANCEL, true},
      {false, 0, DRAGDROP_S_DROP, true},
      {false, MK_LBUTTON | MK_CONTROL, S_OK, false},
  };
  for (const Case& c : cases) {
    Log log;
    TLogSource s(log);
    EXPECT_EQ(s.QueryContinueDrag(c.escape, c.keys), c.answer);
    EXPECT_EQ(!log.empty(), c.ended);
    EXPECT_EQ(s.Steps, 1);
  }
  Log log;
  TLogSource s(log);
  EXPECT_EQ(s.GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
  EXPECT_TRUE(s.NoAccept());
  s.GiveFeedback(DROPEFFECT_COPY);
  EXPECT_FALSE(s.NoAccept());
  EXPECT_EQ(log, (Log{"effect 0", "effect 1"}));
}

TEST(GridDroppedFile, LoaderByFinalExtensionAlone) {
  struct Case {
    const char* name;
    TDroppedFileKind kind;
  };
  const Case cases[] = {
      {"/tmp/a.csv", dfkCSV},           {"/tmp/A.CSV", dfkCSV},        {"/tmp/a.xls.csv", dfkCSV},
      {"/tmp/x.csv.bak", dfkNone},      {"/tmp/b.XLSX", dfkXLS},       {"/tmp/b.xls", dfkXLS},
      {"/tmp/dir.csv/readme", dfkNone}, {"C:\\d.xls\\f.txt", dfkNone}, {"/tmp/noext", dfkNone},
  };
  for (const Case& c : cases) EXPECT_EQ(DroppedFileKind(c.name), c.kind) << c.name;
}

}  // namespace
