#pragma once
// Shared by the grid file tests: a grid holding every kind of cell, and a
// snapshot of everything a load may change (to see that a refused load
// changed nothing, and that a round trip kept everything).
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/graphics/Graphics.h"
#include "grid/model/DivUzev.h"

namespace gridfiles {

// Texts a cell may hold: line breaks, tabs, commas, backslashes, the stored
// format's own control characters, Latin and non-Latin letters.
inline const std::vector<std::string>& Texts() {
  static const std::vector<std::string> t = {
      "plain",
      "two\r\nlines",
      "tab\there",
      "a,b,c",
      "back\\slash \\n",
      "lone\nline feed",
      "ctl \b\x01 marks",
      "\xC3\x9Cml\xC3\xA4ut \xE2\x82\xAC",                                         // Ümläut €
      "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E",                                      // 日本語
      "\xD0\xBA\xD0\xB8\xD1\x80\xD0\xB8\xD0\xBB\xD0\xBB\xD0\xB8\xD1\x86\xD0\xB0",  // кириллица
      "emoji \xF0\x9F\x98\x80",
      std::string(300, 'x'),
      " lead and trail ",
  };
  return t;
}

inline std::unique_ptr<TBitmap> SmallBitmap(TColor C) {
  auto b = std::make_unique<TBitmap>(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) b->PixelData().SetPixel(x, y, static_cast<TColor>(C + x + 7 * y));
  return b;
}

// Attaches a new graphic of the kind to the cell; the grid frees it.
inline TCellGraphic* AddGraphic(TDedAdararAdoz& G, int C, int R, TCellType Type) {
  auto* g = new TCellGraphic();
  g->CellType = Type;
  G.GetCellProperties(C, R)->SetGraphicObject(g);
  return g;
}

// A bitmap cell that owns its picture, as the grid's own bitmap cells do.
inline TCellGraphic* AddOwnedBitmap(TDedAdararAdoz& G, int C, int R, TColor Color) {
  TCellGraphic* g = AddGraphic(G, C, R, ctBitmap);
  g->CellBitmap = SmallBitmap(Color).release();
  g->CellCreated = true;
  return g;
}

// A 9 x 8 grid with a fixed row and column, every text above, properties,
// a merged block, graphics of every kind with an object of their own, and
// (Hide) a hidden column and a hidden row.
inline void FillEveryKind(TDedAdararAdoz& G, bool Hide = true) {
  G.SetColCount(9);
  G.SetRowCount(8);
  for (int c = 0; c < 9; ++c) G.SetColWidths(c, 40 + 3 * c);
  for (int r = 0; r < 8; ++r) G.SetRowHeights(r, 18 + r);
  for (int c = 1; c < 9; ++c) G.SetCells(c, 0, "Head " + std::to_string(c));
  const auto& texts = Texts();
  for (size_t i = 0; i < texts.size(); ++i)
    G.SetCells(1 + static_cast<int>(i % 8), 1 + static_cast<int>(i / 8), texts[i]);
  G.SetCells(2, 4, "in the hidden column");
  G.SetCells(5, 6, "in the hidden row");

  TCellProperties* p = G.GetCellProperties(3, 3);
  p->SetAlignment(taRightJustify);
  p->SetBorderColor(clRed);
  p->SetBorderWidth(2);
  p->SetBrushColor(static_cast<TColor>(0x123456));
  p->SetBrushColorTo(clWindow);
  p->SetBrushStyle(bsCross);
  p->SetFontColor(clBlue);
  p->SetFontName("DejaVu Sans");
  p->SetFontSize(11);
  p->SetFontStyle(TFontStyles{fsBold, fsUnderline});
  p->SetEditor(edComboList);
  p->SetGradientDirection(GradientHorizontal);
  p->SetReadOnly(true);
  p->SetVAlignment(vtaBottom);
  p->SetWordWrap(false);
  p->SetNodeLevel(2);
  G.SetCells(3, 3, "formatted");

  G.MergeCells(4, 3, 2, 2);
  G.SetCells(4, 3, "merged");

  TCellGraphic* g = AddGraphic(G, 1, 4, ctBitmap);
  g->CellBitmap = SmallBitmap(static_cast<TColor>(0x102030)).release();
  g->CellCreated = true;
  g->CellHAlign = haRight;
  g->CellVAlign = vaCenter;
  g->CellTransparent = true;

  g = AddGraphic(G, 3, 4, ctIcon);
  auto icon = std::make_unique<TIcon>();
  icon->AssignBitmap(*SmallBitmap(static_cast<TColor>(0x405060)));
  g->CellIcon = icon.release();
  g->CellCreated = true;

  g = AddGraphic(G, 6, 4, ctPicture);
  auto pic = std::make_unique<TPicture>();
  pic->SetGraphic(SmallBitmap(static_cast<TColor>(0x708090)).get());
  g->CellBitmap = pic.release();
  g->CellCreated = true;
  g->CellAngle = 2;
  g->CellIndex = 3;

  g = AddGraphic(G, 7, 4, ctRadio);
  auto items = std::make_unique<TStringList>();
  items->Add("one");
  items->Add("zwei \xE2\x82\xAC");
  g->CellBitmap = items.release();
  g->CellCreated = true;
  g->CellIndex = 1;

  g = AddGraphic(G, 8, 4, ctImages);
  auto list = std::make_unique<TIntList>(8, 4);
  list->Add(3);
  list->Add(-1);
  list->Add(70000);
  g->CellBitmap = list.release();
  g->CellCreated = true;

  g = AddGraphic(G, 1, 5, ctCheckBox);
  g->CellBoolean = true;
  g = AddGraphic(G, 2, 5, ctTriStateCheckBox);
  g->CellCheckBoxState = cbGrayed;
  g = AddGraphic(G, 3, 5, ctProgress);
  g->CellValue = 0.625;
  g->CellIndex = 40;
  g = AddGraphic(G, 4, 5, ctComment);
  g->CellText = "a note \xE2\x80\x94 with a dash";
  g = AddGraphic(G, 5, 5, ctRotated);
  g->CellAngle = 90;
  g = AddGraphic(G, 6, 5, ctRating);
  g->CellValue = -2.5;
  g->CellErrFrom = 4;
  g->CellErrLen = 9;

  if (Hide) {
    G.HideColumn(2);
    G.HideRow(6);
  }
}

inline std::string Describe(TCellGraphic* g) {
  std::ostringstream o;
  o << " g" << g->CellType << "/" << g->CellVAlign << "/" << g->CellHAlign << "/" << g->CellIndex << "/"
    << g->CellTransparent << g->CellBoolean << "/" << g->CellCheckBoxState << "/" << g->CellAngle << "/"
    << g->CellValue << "/" << g->CellErrFrom << "/" << g->CellErrLen << "/" << g->CellText;
  auto pixels = [&o](const TPixelData& d) {
    o << " px" << d.Width << "x" << d.Height << ":";
    for (int y = 0; y < d.Height; ++y)
      for (int x = 0; x < d.Width; ++x) o << std::hex << d.GetPixel(x, y) << std::dec << ",";
  };
  if (auto* b = dynamic_cast<TBitmap*>(g->CellBitmap)) pixels(b->PixelData());
  if (auto* i = dynamic_cast<TIcon*>(g->CellIcon)) pixels(i->PixelData());
  if (auto* p = dynamic_cast<TPicture*>(g->CellBitmap)) {
    o << " pic" << p->Width() << "x" << p->Height();
    if (auto* pb = dynamic_cast<TBitmap*>(p->Graphic())) pixels(pb->PixelData());
  }
  if (auto* l = dynamic_cast<TIntList*>(g->CellBitmap)) o << " ints" << l->StrValue();
  if (auto* s = dynamic_cast<TStringList*>(g->CellBitmap)) o << " items" << s->CommaText();
  return o.str();
}

inline std::string Describe(TCellProperties* p) {
  if (p == nullptr) return std::string();
  std::ostringstream o;
  o << p->IsBaseCell() << "/" << p->CellSpanX() << "/" << p->CellSpanY() << "/" << p->Alignment() << "/"
    << p->BorderColor() << "/" << p->BorderWidth() << "/" << p->BrushColor() << "/" << p->BrushColorTo()
    << "/" << p->BrushStyle() << "/" << p->FontColor() << "/" << p->FontName() << "/" << p->FontSize() << "/"
    << p->FontStyle().Mask() << "/" << p->Editor() << "/" << p->GradientDirection() << "/" << p->ReadOnly()
    << "/" << p->VAlignment() << "/" << p->WordWrap() << "/" << p->NodeLevel();
  if (auto* g = dynamic_cast<TCellGraphic*>(p->GraphicObject())) o << Describe(g);
  return o.str();
}

// Everything of a grid a load may change.
struct TSnapshot {
  int Cols = 0, Rows = 0, Total = 0, HiddenRows = 0;
  std::vector<int> Widths, Heights;
  std::vector<std::string> Cells;  // "text|properties" by storage index

  static TSnapshot Of(TDedAdararAdoz& G) {
    TSnapshot s;
    s.Cols = G.ColCount();
    s.Rows = G.RowCount();
    s.Total = G.TotalColCount();
    s.HiddenRows = G.NumHiddenRows();
    for (int c = 0; c < G.ColCount(); ++c) s.Widths.push_back(G.ColWidths(c));
    for (int r = 0; r < G.RowCount(); ++r) s.Heights.push_back(G.RowHeights(r));
    for (int r = 0; r < G.RowCount(); ++r)
      for (int c = 0; c < G.TotalColCount(); ++c)
        s.Cells.push_back(G.GetGridCell(c, r) + "|" +
                          (G.HasCellProperties(c, r) ? Describe(G.GetGridObject(c, r)) : std::string()));
    return s;
  }
  bool operator==(const TSnapshot&) const = default;
};

// What an export writes for a cell: the formatted text, a merged block's
// text in each of its cells, a check box's true or false text.
inline std::string ExportText(TDedAdararAdoz& G, int C, int R) {
  std::string v;
  G.SaveCell(C, R, v);
  return v;
}

// The cells a grid shows, by display column: what a file of the grid holds.
inline std::vector<std::string> Shown(TDedAdararAdoz& G) {
  std::vector<std::string> out;
  for (int r = 0; r < G.RowCount(); ++r)
    for (int d = 0; d < G.ColCount(); ++d) {
      const int c = G.RealColIndex(d);
      out.push_back(G.GetCellEx(c, r) + "|" +
                    (G.HasCellProperties(c, r) ? Describe(G.GetGridObject(c, r)) : std::string()));
    }
  return out;
}

}  // namespace gridfiles
