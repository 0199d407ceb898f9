// The binary cell stream: records byte for byte as the framework's
// component writer makes them, a lossless round trip of every kind of cell,
// placement of partial streams, positions past 65535, and streams that are
// cut, foreign or crafted, which raise and leave the grid as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../framework/os/TempFolder.h"
#include "GridFilesFixture.h"
#include "framework/classes/ComponentStream.h"
#include "framework/classes/Streams.h"
#include "grid/io/GridCellStream.h"

namespace {

using gridfiles::Shown;
using gridfiles::TSnapshot;

std::string SaveBin(TDedAdararAdoz& G) {
  TMemoryStream ms;
  G.SaveToBinStream(&ms);
  return ms.Bytes();
}

void LoadBin(TDedAdararAdoz& G, const std::string& Bytes) {
  TStringStream ms(Bytes);
  G.LoadFromBinStream(&ms);
}

TLayoutProperty Prop(const std::string& Name, TLayoutValue V) {
  TLayoutProperty p;
  p.Name = Name;
  p.Value = std::move(V);
  return p;
}

std::string Record(const std::string& Class, std::vector<TLayoutProperty> Props) {
  TLayoutObject o;
  o.ClassName = Class;
  o.Props = std::move(Props);
  std::string out;
  WriteLayoutRecord(out, o);
  return out;
}

TEST(DivUzevBinStream, RecordsAreWhatTheComponentWriterMakes) {
  // Pinned bytes of the two records every stream starts with.
  std::string out;
  gridio::TCellStreamWriter w(out);
  gridio::TGridPropData prop;
  prop.ColCount = 2;
  prop.RowCount = 1;
  prop.ColWidths = "64,300";
  prop.RowHeights = "22";
  prop.FullGrid = true;
  prop.ID = 7;
  w.PropRecord(prop);
  w.CellRecord(1, 0, "Hi", false);
  const std::string expected = std::string("TPF0\x0bTGridPropIO\x00", 17) + "\x08" + "ColCount" + "\x02\x02" +
                               "\x08" + "RowCount" + "\x02\x01" + "\x09" + "ColWidths" + "\x06\x06" +
                               "64,300" + "\x0a" + "RowHeights" + "\x06\x02" + "22" + "\x08" + "FullGrid" +
                               "\x09" + "\x02" + "ID" + "\x02\x07" + std::string("\x00\x00", 2) +
                               std::string("TPF0\x0bTGridCellIO\x00", 17) + "\x03" + "Col" + "\x02\x01" +
                               "\x03" + "Row" + std::string("\x02\x00", 2) + "\x04" + "Cell" + "\x06\x02" +
                               "Hi" + "\x07" + "HasProp" + "\x08" + std::string("\x00\x00", 2);
  EXPECT_EQ(out, expected);

  // Every record kind against the framework's writer, with every value
  // kind the records use: integers of each width, short, long, UTF-8 and
  // UTF-16 text, identifiers, named and plain colours, sets, extended floats,
  // binary data and lists.
  struct Case {
    const char* what;
    std::string ours;
    std::string framework;
  };
  std::vector<Case> cases;
  auto ours = [](auto write) {
    std::string s;
    gridio::TCellStreamWriter cw(s);
    write(cw);
    return s;
  };
  cases.push_back({"cell past 65535",
                   ours([](auto& cw) { cw.CellRecord(70000, 200, std::string(300, 'a'), true); }),
                   Record("TGridCellIO",
                          {Prop("Col", TLayoutValue::Integer(70000)), Prop("Row", TLayoutValue::Integer(200)),
                           Prop("Cell", TLayoutValue::String(std::string(300, 'a'))),
                           Prop("HasProp", TLayoutValue::Boolean(true))})});
  for (const std::string& t :
       {std::string("\xC3\xBC"), std::string("\xE6\x97\xA5\xE6\x9C\xAC"), std::string()})
    cases.push_back(
        {"non-ASCII text", ours([&](auto& cw) { cw.CellRecord(0, 0, t, false); }), Record("TGridCellIO", [&] {
           std::vector<TLayoutProperty> p{Prop("Col", TLayoutValue::Integer(0)),
                                          Prop("Row", TLayoutValue::Integer(0))};
           if (!t.empty()) p.push_back(Prop("Cell", TLayoutValue::String(t)));
           p.push_back(Prop("HasProp", TLayoutValue::Boolean(false)));
           return p;
         }())});

  TDedAdararAdoz g(nullptr);
  gridfiles::FillEveryKind(g, false);
  const gridio::TCellPropsData pd = gridio::TCellPropsData::Of(g.GetCellProperties(3, 3));
  auto field = [](const char* n, TLayoutValue v) {
    return Prop(std::string("CellProperties.") + n, std::move(v));
  };
  using V = TLayoutValue;
  cases.push_back({"cell properties", ours([&](auto& cw) { cw.CellPropRecord(pd, true); }),
                   Record("TGridCellPropIO", {field("IsBaseCell", V::Boolean(true)),
                                              field("CellSpanX", V::Integer(-1)),
                                              field("CellSpanY", V::Integer(-1)),
                                              field("Alignment", V::Ident("taRightJustify")),
                                              field("BorderColor", V::Ident("clRed")),
                                              field("BorderWidth", V::Integer(2)),
                                              field("BrushColor", V::Integer(0x123456)),
                                              field("BrushColorTo", V::Ident("clWindow")),
                                              field("BrushStyle", V::Ident("bsCross")),
                                              field("FontColor", V::Ident("clBlue")),
                                              field("FontName", V::String("DejaVu Sans")),
                                              field("FontSize", V::Integer(11)),
                                              field("FontStyle", V::SetOf({"fsBold", "fsUnderline"})),
                                              field("Editor", V::Ident("edComboList")),
                                              field("GradientDirection", V::Ident("GradientHorizontal")),
                                              field("ReadOnly", V::Boolean(true)),
                                              field("VAlignment", V::Ident("vtaBottom")),
                                              field("WordWrap", V::Boolean(false)),
                                              field("NodeLevel", V::Integer(2)),
                                              Prop("HasGraphic", V::Boolean(true))})});
  gridio::TCellGraphicData gd;
  gd.CellType = ctProgress;
  gd.CellVAlign = vaCenter;
  gd.CellIndex = -300;
  gd.CellCheckBoxState = cbGrayed;
  gd.CellValue = 0.625;
  gd.CellText = "t";
  auto gfield = [](const char* n, TLayoutValue v) {
    return Prop(std::string("CellGraphic.") + n, std::move(v));
  };
  cases.push_back(
      {"graphic", ours([&](auto& cw) { cw.GraphicRecord(gd); }),
       Record("TGridGraphicIO",
              {gfield("CellType", V::Ident("ctProgress")), gfield("CellVAlign", V::Ident("vaCenter")),
               gfield("CellHAlign", V::Ident("haLeft")), gfield("CellIndex", V::Integer(-300)),
               gfield("CellTransparent", V::Boolean(false)), gfield("CellCreated", V::Boolean(false)),
               gfield("CellBoolean", V::Boolean(false)), gfield("CellCheckBoxState", V::Ident("cbGrayed")),
               gfield("CellAngle", V::Integer(0)), gfield("CellValue", V::FloatValue(0.625)),
               gfield("CellErrFrom", V::Integer(0)), gfield("CellErrLen", V::Integer(0)),
               gfield("CellText", V::String("t"))})});
  gridio::TPayloadData radio;
  radio.Kind = gridio::TPayloadKind::Strings;
  radio.Strings = {"a", "\xE2\x82\xAC"};
  cases.push_back({"string list", ours([&](auto& cw) { cw.PayloadRecord(radio); }),
                   Record("TGridSLIO", {Prop("Strings.Strings",
                                             V::ListOf({V::String("a"), V::String("\xE2\x82\xAC")}))})});
  gridio::TPayloadData bmp;
  bmp.Kind = gridio::TPayloadKind::Bitmap;
  bmp.Bytes = std::string("BM\x00\x01", 4);
  cases.push_back({"bitmap", ours([&](auto& cw) { cw.PayloadRecord(bmp); }),
                   Record("TGridBMPIO", {Prop("Bitmap.Data", V::Binary(bmp.Bytes))})});
  for (const Case& c : cases) EXPECT_EQ(c.ours, c.framework) << c.what;
}

TEST(DivUzevBinStream, EveryKindOfCellRoundTripsLosslessly) {
  for (bool hide : {false, true}) {
    TDedAdararAdoz src(nullptr);
    gridfiles::FillEveryKind(src, hide);
    const std::string bytes = SaveBin(src);

    TDedAdararAdoz dst(nullptr);
    dst.SetColCount(3);
    dst.SetCells(1, 1, "old");
    LoadBin(dst, bytes);
    EXPECT_EQ(dst.ColCount(), src.ColCount()) << hide;
    EXPECT_EQ(dst.RowCount(), src.RowCount());
    for (int d = 0; d < src.ColCount(); ++d) EXPECT_EQ(dst.ColWidths(d), src.ColWidths(d)) << d;
    for (int r = 0; r < src.RowCount(); ++r) EXPECT_EQ(dst.RowHeights(r), src.RowHeights(r)) << r;
    EXPECT_EQ(Shown(dst), Shown(src)) << "hidden: " << hide;
    // The loaded cells hold copies, not the source's objects.
    auto* a = dynamic_cast<TCellGraphic*>(src.GetCellProperties(1, 4)->GraphicObject());
    auto* b = dynamic_cast<TCellGraphic*>(dst.GetCellProperties(1, 4)->GraphicObject());
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a->CellBitmap, b->CellBitmap);
    EXPECT_TRUE(b->CellCreated);
    EXPECT_EQ(dst.GetCellEx(src.DisplColIndexOf(5), 4), "merged")
        << "a cell inside a merged block reads its base";
  }
}

TEST(DivUzevBinStream, SavedTwiceGivesTheSameBytes) {
  TDedAdararAdoz src(nullptr);
  gridfiles::FillEveryKind(src);
  const std::string bytes = SaveBin(src);
  TDedAdararAdoz dst(nullptr);
  LoadBin(dst, bytes);
  const std::string again = SaveBin(dst);
  // Only the writing window's handle (the first record's ID) differs.
  EXPECT_EQ(again.substr(again.find("TGridCellIO")), bytes.substr(bytes.find("TGridCellIO")));
}

TEST(DivUzevBinStream, PositionsPast65535AreKeptWhole) {
  TDedAdararAdoz src(nullptr);
  src.SetColCount(2);
  src.SetRowCount(70010);
  src.SetCells(1, 70003, "far down");
  src.SetCells(0, 65536, "just past");
  TMemoryStream ms;
  src.SaveRectToBinStream(TRect(0, 65530, 1, 70005), &ms);
  TDedAdararAdoz dst(nullptr);
  dst.SetColCount(2);
  dst.SetRowCount(70010);
  ms.SetPosition(0);
  dst.LoadAtPointFromBinStream(TPoint(0, 65530), &ms);
  EXPECT_EQ(dst.Cells(1, 70003), "far down");
  EXPECT_EQ(dst.Cells(0, 65536), "just past");
  EXPECT_EQ(dst.Cells(0, 0), "") << "nothing wrapped onto the first rows";
  EXPECT_EQ(dst.Cells(1, 70003 - 65536), "");
}

TEST(DivUzevBinStream, PartialStreamsLandAtThePointGiven) {
  TDedAdararAdoz src(nullptr);
  src.SetColCount(6);
  src.SetRowCount(6);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 6; ++c) src.SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
  TMemoryStream ms;
  src.SaveRectToBinStream(TRect(2, 3, 3, 4), &ms);

  TDedAdararAdoz dst(nullptr);
  dst.SetColCount(5);
  dst.SetRowCount(5);
  dst.SetCells(4, 4, "kept");
  ms.SetPosition(0);
  dst.LoadAtPointFromBinStream(TPoint(0, 0), &ms);
  EXPECT_EQ(dst.Cells(0, 0), "2:3");
  EXPECT_EQ(dst.Cells(1, 0), "3:3");
  EXPECT_EQ(dst.Cells(0, 1), "2:4");
  EXPECT_EQ(dst.Cells(1, 1), "3:4");
  EXPECT_EQ(dst.Cells(4, 4), "kept");
  EXPECT_EQ(dst.ColCount(), 5) << "a part of a grid does not set the counts";

  // At the lower right corner the cells that would fall outside are left out.
  ms.SetPosition(0);
  dst.LoadAtPointFromBinStream(TPoint(4, 4), &ms);
  EXPECT_EQ(dst.Cells(4, 4), "2:3");
  EXPECT_EQ(dst.StoredRowCount() <= 5, true) << "nothing is stored past the grid";
}

TEST(DivUzevBinStream, WholeGridStreamsWithAndWithoutFixedCells) {
  TDedAdararAdoz src(nullptr);
  src.SetColCount(4);
  src.SetRowCount(5);
  src.SetColWidths(0, 11);
  src.SetColWidths(1, 22);
  src.SetColWidths(3, 44);
  src.SetRowHeights(0, 9);
  src.SetRowHeights(2, 33);
  src.SetCells(0, 0, "corner");
  src.SetCells(3, 4, "last");

  TDedAdararAdoz dst(nullptr);
  LoadBin(dst, SaveBin(src));  // SaveFixedCells is on by default
  EXPECT_EQ(dst.ColCount(), 4);
  EXPECT_EQ(dst.RowCount(), 5);
  for (int c = 0; c < 4; ++c) EXPECT_EQ(dst.ColWidths(c), src.ColWidths(c));
  for (int r = 0; r < 5; ++r) EXPECT_EQ(dst.RowHeights(r), src.RowHeights(r));
  EXPECT_EQ(dst.Cells(0, 0), "corner");
  EXPECT_EQ(dst.Cells(3, 4), "last");

  src.SetSaveFixedCells(false);
  TDedAdararAdoz dst2(nullptr);
  dst2.SetCells(0, 0, "cleared");
  LoadBin(dst2, SaveBin(src));
  EXPECT_EQ(dst2.ColCount(), 3) << "the fixed column is not part of the stream";
  EXPECT_EQ(dst2.RowCount(), 4);
  EXPECT_EQ(dst2.ColWidths(0), 22) << "the saved widths apply from column 0 on";
  EXPECT_EQ(dst2.RowHeights(1), 33);
  EXPECT_EQ(dst2.Cells(0, 0), "") << "a whole-grid stream clears the grid first";
  EXPECT_EQ(dst2.Cells(3, 4), "") << "saved coordinates outside the new counts are left out";
}

TEST(DivUzevBinStream, WhatTravelsWithACell) {
  TDedAdararAdoz src(nullptr);
  src.SetColCount(3);
  src.SetRowCount(2);
  src.SetCells(0, 1, "text only");
  TCellGraphic* g = gridfiles::AddGraphic(src, 1, 1, ctBitmap);
  auto app = gridfiles::SmallBitmap(clRed);
  g->CellBitmap = app.get();  // the application's own bitmap
  src.GetCellProperties(1, 1)->SetBrushColor(clYellow);
  TMemoryStream ms;
  src.SaveRectToBinStream(TRect(0, 1, 1, 1), &ms);
  const std::string& s = ms.Bytes();
  EXPECT_EQ(s.find("TGridCellPropIO"), s.rfind("TGridCellPropIO")) << "one cell has properties";
  EXPECT_EQ(s.find("TGridGraphicIO"), std::string::npos) << "a graphic of the application stays behind";
  EXPECT_NE(s.find(std::string("\x07HasProp\x08", 9)), std::string::npos);

  TDedAdararAdoz dst(nullptr);
  dst.SetColCount(3);
  ms.SetPosition(0);
  dst.LoadAtPointFromBinStream(TPoint(0, 0), &ms);
  EXPECT_EQ(dst.Cells(0, 0), "text only");
  EXPECT_FALSE(dst.HasCellProperties(0, 0));
  EXPECT_EQ(dst.GetCellProperties(1, 0)->BrushColor(), clYellow);
  EXPECT_EQ(dst.GetCellProperties(1, 0)->GraphicObject(), nullptr);
  src.GetCellProperties(1, 1)->SetGraphicObject(nullptr);
  delete g;
}

TEST(DivUzevBinStream, EmptyRectangleAndStrayByte) {
  TDedAdararAdoz src(nullptr);
  TMemoryStream ms;
  src.SaveRectToBinStream(TRect(1, 2, 1, 1), &ms);
  EXPECT_EQ(ms.Bytes().find("TGridCellIO"), std::string::npos);
  EXPECT_EQ(ms.Bytes().rfind("TPF0"), 0u) << "one record only";

  TDedAdararAdoz dst(nullptr);
  dst.SetCells(1, 1, "kept");
  ms.SetPosition(0);
  dst.LoadAtPointFromBinStream(TPoint(0, 0), &ms);
  EXPECT_EQ(dst.Cells(1, 1), "kept");

  src.SetCells(1, 1, "x");
  std::string bytes = SaveBin(src) + "Z";
  TDedAdararAdoz dst2(nullptr);
  EXPECT_NO_THROW(LoadBin(dst2, bytes));
  EXPECT_EQ(dst2.Cells(1, 1), "x");
}

TEST(DivUzevBinStream, FilesGoThroughTheSafeWriter) {
  TTempFolder dir;
  TDedAdararAdoz src(nullptr);
  gridfiles::FillEveryKind(src);
  const std::string name = dir.File("cells.bin");
  src.SaveToBinFile(name);
  EXPECT_EQ(dir.EntryCount(), 1);
  TDedAdararAdoz dst(nullptr);
  dst.LoadFromBinFile(name);
  EXPECT_EQ(Shown(dst), Shown(src));
  EXPECT_THROW(dst.LoadFromBinFile(dir.File("missing.bin")), EFOpenError);
  // A save into a folder that does not exist fails and writes nothing.
  EXPECT_THROW(src.SaveToBinFile(dir.File("no/such/folder.bin")), EFCreateError);
}

// ---------------------------------------------------------------------------
// Bad input

class DivUzevBinStreamBadInput : public ::testing::Test {
 protected:
  void SetUp() override {
    gridfiles::FillEveryKind(target_);
    before_ = TSnapshot::Of(target_);
  }
  // The load raises and the grid is as it was.
  void ExpectRefused(const std::string& Bytes, const std::string& What) {
    TStringStream ms(Bytes);
    EXPECT_THROW(target_.LoadFromBinStream(&ms), Exception) << What;
    EXPECT_TRUE(TSnapshot::Of(target_) == before_) << What;
    EXPECT_EQ(ms.Position(), 0) << What;
  }
  TDedAdararAdoz target_{nullptr};
  TSnapshot before_;
};

TEST_F(DivUzevBinStreamBadInput, EveryCutOfAStreamIsRefusedWhole) {
  TDedAdararAdoz src(nullptr);
  gridfiles::FillEveryKind(src, false);
  const std::string bytes = SaveBin(src);
  // Every cut that does not end at a record boundary (or one byte past it).
  for (size_t n = 0; n < bytes.size() - 1; n += (n < 400 ? 1 : 7)) {
    const std::string cut = bytes.substr(0, n);
    TStringStream ms(cut);
    TDedAdararAdoz probe(nullptr);
    try {
      probe.LoadFromBinStream(&ms);
    } catch (const EReadError&) {
      ExpectRefused(cut, "cut at " + std::to_string(n));
      continue;
    }
    // A cut just behind a record (or one byte into the next) is a shorter
    // stream; it must read as such.
    EXPECT_TRUE(bytes.compare(n, 4, "TPF0") == 0 || (n > 0 && bytes.compare(n - 1, 4, "TPF0") == 0))
        << "cut at " << n << " was taken for a stream";
  }
}

TEST_F(DivUzevBinStreamBadInput, ForeignAndCraftedStreamsAreRefused) {
  TDedAdararAdoz src(nullptr);
  src.SetColCount(3);
  src.SetRowCount(3);
  src.SetCells(1, 1, "x");
  src.GetCellProperties(1, 1)->SetBrushColor(clRed);
  const std::string good = SaveBin(src);
  auto replaced = [&](const std::string& From, const std::string& To) {
    std::string s = good;
    const size_t at = s.find(From);
    EXPECT_NE(at, std::string::npos) << From;
    return s.replace(at, From.size(), To);
  };
  auto propRecord = [](int64_t Cols, int64_t Rows, const std::string& W, const std::string& H) {
    std::string s;
    gridio::TCellStreamWriter w(s);
    gridio::TGridPropData p;
    p.ColCount = Cols;
    p.RowCount = Rows;
    p.ColWidths = W;
    p.RowHeights = H;
    p.FullGrid = true;
    w.PropRecord(p);
    return s;
  };
  auto withCell = [](std::string Head, const gridio::TCellPropsData& P) {
    gridio::TCellStreamWriter w(Head);
    w.CellRecord(1, 1, "m", true);
    w.CellPropRecord(P, false);
    return Head;
  };
  gridio::TCellPropsData wide;
  wide.CellSpanX = 5;
  wide.CellSpanY = 0;
  gridio::TCellPropsData selfBase;
  selfBase.IsBaseCell = false;
  selfBase.CellSpanX = 0;
  selfBase.CellSpanY = 0;
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"text", "0,1\r\ncw 0,64\r\n"},
      {"a layout of another component", Record("TButton", {Prop("Caption", TLayoutValue::String("OK"))})},
      {"unknown property", replaced("\x07HasProp", "\x07HasProq")},
      {"wrong value kind", replaced(std::string("\x03Row\x02\x01", 6), std::string("\x03Row\x06\x01X", 7))},
      {"unknown colour name", replaced("clRed", "clRot")},
      {"negative row", replaced(std::string("\x03Row\x02\x01", 6), std::string("\x03Row\x02\xFF", 6))},
      {"children inside a record", replaced(std::string("\x08\x00\x00", 3), std::string("\x08\x00\x01", 3))},
      {"billions of rows", propRecord(3, 3000000000LL, "1,1,1", "1")},
      {"fewer widths than columns", propRecord(3, 1, "1,1", "1")},
      {"a width that is no number", propRecord(3, 1, "1,x,1", "1")},
      {"a negative height", propRecord(1, 1, "5", "-4")},
      {"a merged block past the grid", withCell(propRecord(3, 3, "1,1,1", "1,1,1"), wide)},
      {"a merged cell that is its own base", withCell(propRecord(3, 3, "1,1,1", "1,1,1"), selfBase)},
  };
  for (const Case& c : cases) ExpectRefused(c.bytes, c.what);

  // A picture whose bytes are no picture.
  TDedAdararAdoz pics(nullptr);
  gridfiles::AddOwnedBitmap(pics, 1, 1, clRed);
  std::string withPicture = SaveBin(pics);
  const size_t bm = withPicture.find("BM", withPicture.find("Bitmap.Data"));
  ASSERT_NE(bm, std::string::npos);
  withPicture[bm] = 'X';
  ExpectRefused(withPicture, "a bitmap that is not one");
}

}  // namespace
