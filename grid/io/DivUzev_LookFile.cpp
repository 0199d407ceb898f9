// The look file: the grid's colours, fonts and looks as "key=value" lines in
// a fixed order, ANSI with CR LF. A load reads and converts every value
// before it changes anything, so a file with a bad value leaves the grid as
// it was.
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "framework/graphics/Graphics.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/TextEncoding.h"
#include "grid/base/BaseGrid.h"
#include "grid/base/VevObj.h"
#include "grid/model/DivUzev.h"

namespace {

using G = TDedAdararAdoz;
// A converted value waiting to be applied; empty leaves the property alone.
using TApply = std::function<void()>;

// One line of the file: its key, how the grid's value is written, and how a
// read value (none when the file has no line for the key) is converted.
struct TEntry {
  std::string Key;
  std::function<std::string(G&)> Save;
  std::function<TApply(G&, const std::string*)> Load;
};

TEntry Colour(std::string Key, TColor (*Get)(G&), void (*Set)(G&, TColor)) {
  return {std::move(Key), [Get](G& g) { return ColorToString(Get(g)); },
          [Set](G& g, const std::string* v) -> TApply {
            // No line or an empty value: no colour.
            const TColor c = v == nullptr || v->empty() ? clNone : StringToColor(*v);
            return [&g, Set, c] { Set(g, c); };
          }};
}

TEntry Flag(std::string Key, bool (*Get)(G&), void (*Set)(G&, bool)) {
  return {std::move(Key), [Get](G& g) { return std::string(Get(g) ? "true" : "false"); },
          [Set](G& g, const std::string* v) -> TApply {
            const bool b = v != nullptr && UpperCase(*v) == "TRUE";
            return [&g, Set, b] { Set(g, b); };
          }};
}

TEntry Integer(std::string Key, int (*Get)(G&), void (*Set)(G&, int)) {
  return {std::move(Key), [Get](G& g) { return std::to_string(Get(g)); },
          [Set](G& g, const std::string* v) -> TApply {
            const int i = StrToInt(v != nullptr ? std::string_view(*v) : std::string_view());
            return [&g, Set, i] { Set(g, i); };
          }};
}

// A value of a list of identifiers: written by its identifier (an empty
// one for a value outside the list), read without regard to letter case;
// a text that names none leaves the property as it is.
TEntry Named(std::string Key, std::vector<const char*> Names, int (*Get)(G&), void (*Set)(G&, int)) {
  return {std::move(Key),
          [Get, Names](G& g) {
            const int i = Get(g);
            return i >= 0 && i < static_cast<int>(Names.size()) ? std::string(Names[i]) : std::string();
          },
          [Set, Names](G& g, const std::string* v) -> TApply {
            if (v == nullptr) return {};
            for (size_t i = 0; i < Names.size(); ++i)
              if (SameText(*v, Names[i])) return [&g, Set, i] { Set(g, static_cast<int>(i)); };
            return {};
          }};
}

constexpr const char* kStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr TFontStyle kStyles[] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};

std::string StyleText(TFontStyles S) {
  std::string out;
  for (int i = 0; i < 4; ++i)
    if (S.Contains(kStyles[i])) {
      if (!out.empty()) out += ',';
      out += kStyleNames[i];
    }
  return out;
}

// A font is four lines: colour, style, size and name.
void AddFont(std::vector<TEntry>& Out, const std::string& Key, TFont* (*Font)(G&)) {
  Out.push_back({Key + ".Color", [Font](G& g) { return ColorToString(Font(g)->Color()); },
                 [Font](G& g, const std::string* v) -> TApply {
                   const TColor c = v == nullptr || v->empty() ? clNone : StringToColor(*v);
                   return [&g, Font, c] { Font(g)->SetColor(c); };
                 }});
  Out.push_back({Key + ".Style", [Font](G& g) { return StyleText(Font(g)->Style()); },
                 [Font](G& g, const std::string* v) -> TApply {
                   // The styles read replace the font's whole set.
                   TFontStyles s;
                   if (v != nullptr)
                     for (int i = 0; i < 4; ++i)
                       if (v->find(kStyleNames[i]) != std::string::npos) s << kStyles[i];
                   return [&g, Font, s] { Font(g)->SetStyle(s); };
                 }});
  Out.push_back({Key + ".Size", [Font](G& g) { return std::to_string(Font(g)->Size()); },
                 [Font](G& g, const std::string* v) -> TApply {
                   const int size = StrToInt(v != nullptr ? std::string_view(*v) : std::string_view());
                   return [&g, Font, size] { Font(g)->SetSize(size); };
                 }});
  Out.push_back({Key + ".Name", [Font](G& g) { return Font(g)->Name(); },
                 [Font](G& g, const std::string* v) -> TApply {
                   if (v == nullptr || v->empty()) return {};
                   return [&g, Font, name = *v] { Font(g)->SetName(name); };
                 }});
}

#define COLOUR(Key, Get, Set) \
  Colour(                     \
      Key, [](G& g) { return g.Get; }, [](G& g, TColor c) { g.Set(c); })
#define FLAG(Key, Get, Set) \
  Flag(                     \
      Key, [](G& g) { return g.Get; }, [](G& g, bool b) { g.Set(b); })
#define INTEGER(Key, Get, Set) \
  Integer(                     \
      Key, [](G& g) { return g.Get; }, [](G& g, int i) { g.Set(i); })

// The lines in the order they are written.
const std::vector<TEntry>& Entries() {
  static const std::vector<TEntry> entries = [] {
    std::vector<TEntry> e;
    e.push_back(COLOUR("Color", Color(), SetColor));
    e.push_back(COLOUR("HintColor", HintColor(), SetHintColor));
    e.push_back(COLOUR("SelectionColor", SelectionColor(), SetSelectionColor));
    e.push_back(COLOUR("SelectionColorTo", SelectionColorTo(), SetSelectionColorTo));
    e.push_back(COLOUR("SelectionMirrorColor", SelectionMirrorColor(), SetSelectionMirrorColor));
    e.push_back(COLOUR("SelectionMirrorColorTo", SelectionMirrorColorTo(), SetSelectionMirrorColorTo));
    e.push_back(COLOUR("SelectionTextColor", SelectionTextColor(), SetSelectionTextColor));
    e.push_back(COLOUR("URLColor", URLColor(), SetURLColor));
    e.push_back(FLAG("URLShow", URLShow(), SetURLShow));
    e.push_back(FLAG("URLShowInText", URLShowInText(), SetURLShowInText));
    e.push_back(COLOUR("ScrollColor", ScrollColor(), SetScrollColor));
    e.push_back(COLOUR("ActiveRowColor", ActiveRowColor(), SetActiveRowColor));
    e.push_back(FLAG("ActiveRowShow", ActiveRowShow(), SetActiveRowShow));
    e.push_back(FLAG("ActiveCellShow", ActiveCellShow(), SetActiveCellShow));
    AddFont(e, "Font", [](G& g) { return g.Font(); });
    e.push_back(COLOUR("ActiveCellColor", ActiveCellColor(), SetActiveCellColor));
    e.push_back(COLOUR("ActiveCellColorTo", ActiveCellColorTo(), SetActiveCellColorTo));
    AddFont(e, "ActiveCellFont", [](G& g) { return g.ActiveCellFont(); });
    AddFont(e, "FixedFont", [](G& g) { return g.FixedFont(); });
    e.push_back(
        COLOUR("Balloon.BackgroundColor", Balloon()->BackgroundColor(), Balloon()->SetBackgroundColor));
    e.push_back(COLOUR("Balloon.TextColor", Balloon()->TextColor(), Balloon()->SetTextColor));
    e.push_back(Integer(
        "Balloon.Transparency", [](G& g) { return g.Balloon()->Transparency(); },
        // A byte: the low 8 bits of what the file gives.
        [](G& g, int i) { g.Balloon()->SetTransparency(i & 0xFF); }));
    e.push_back(COLOUR("Bands.PrimaryColor", Bands()->PrimaryColor(), Bands()->SetPrimaryColor));
    e.push_back(COLOUR("Bands.SecondaryColor", Bands()->SecondaryColor(), Bands()->SetSecondaryColor));
    e.push_back(FLAG("Bands.Active", Bands()->Active(), Bands()->SetActive));
    e.push_back(
        COLOUR("SortSettings.IndexColor", SortSettings()->IndexColor(), SortSettings()->SetIndexColor));
    e.push_back(COLOUR("FloatingFooter.Color", FloatingFooter()->Color(), FloatingFooter()->SetColor));
    e.push_back(INTEGER("ControlLook.CheckSize", ControlLook()->CheckSize(), ControlLook()->SetCheckSize));
    e.push_back(COLOUR("ControlLook.Color", ControlLook()->Color(), ControlLook()->SetColor));
    e.push_back(
        COLOUR("ControlLook.CommentColor", ControlLook()->CommentColor(), ControlLook()->SetCommentColor));
    e.push_back(Named(
        "ControlLook.ControlStyle",
        {"csClassic", "csFlat", "csWinXP", "csHalvern", "csVyx", "csGlyph", "csTheme"},
        [](G& g) { return static_cast<int>(g.ControlLook()->ControlStyle()); },
        [](G& g, int i) { g.ControlLook()->SetControlStyle(static_cast<TGridControlStyle>(i)); }));
    e.push_back(COLOUR("ControlLook.FixedGradientFrom", ControlLook()->FixedGradientFrom(),
                       ControlLook()->SetFixedGradientFrom));
    e.push_back(COLOUR("ControlLook.FixedGradientTo", ControlLook()->FixedGradientTo(),
                       ControlLook()->SetFixedGradientTo));
    e.push_back(INTEGER("ControlLook.RadioSize", ControlLook()->RadioSize(), ControlLook()->SetRadioSize));
    e.push_back(FLAG("ControlLook.FlatButton", ControlLook()->FlatButton(), ControlLook()->SetFlatButton));
    e.push_back(COLOUR("ControlLook.ProgressBorderColor", ControlLook()->ProgressBorderColor(),
                       ControlLook()->SetProgressBorderColor));
    e.push_back(FLAG("ControlLook.ProgressXP", ControlLook()->ProgressXP(), ControlLook()->SetProgressXP));
    // glCustom is outside the list: written empty, and kept on reading.
    e.push_back(Named(
        "Look",
        {"glStandard", "glSoft", "glClassic", "glVyx", "glXP", "glListView", "glVista", "glWin7",
         "glOffice2007"},
        [](G& g) { return static_cast<int>(g.Look()); },
        [](G& g, int i) { g.SetLook(static_cast<TGridLook>(i)); }));
    e.push_back(COLOUR("SearchFooter.Color", SearchFooter()->Color(), SearchFooter()->SetColor));
    e.push_back(COLOUR("SearchFooter.ColorTo", SearchFooter()->ColorTo(), SearchFooter()->SetColorTo));
    e.push_back(COLOUR("Grouping.HeaderColor", Grouping()->HeaderColor(), Grouping()->SetHeaderColor));
    e.push_back(COLOUR("Grouping.HeaderColorTo", Grouping()->HeaderColorTo(), Grouping()->SetHeaderColorTo));
    e.push_back(
        COLOUR("Grouping.HeaderTextColor", Grouping()->HeaderTextColor(), Grouping()->SetHeaderTextColor));
    e.push_back(
        FLAG("Grouping.HeaderUnderline", Grouping()->HeaderUnderline(), Grouping()->SetHeaderUnderline));
    e.push_back(
        COLOUR("Grouping.HeaderLineColor", Grouping()->HeaderLineColor(), Grouping()->SetHeaderLineColor));
    e.push_back(
        INTEGER("Grouping.HeaderLineWidth", Grouping()->HeaderLineWidth(), Grouping()->SetHeaderLineWidth));
    e.push_back(COLOUR("Grouping.SummaryColor", Grouping()->SummaryColor(), Grouping()->SetSummaryColor));
    e.push_back(
        COLOUR("Grouping.SummaryColorTo", Grouping()->SummaryColorTo(), Grouping()->SetSummaryColorTo));
    e.push_back(
        COLOUR("Grouping.SummaryTextColor", Grouping()->SummaryTextColor(), Grouping()->SetSummaryTextColor));
    e.push_back(FLAG("Grouping.SummaryLine", Grouping()->SummaryLine(), Grouping()->SetSummaryLine));
    e.push_back(
        COLOUR("Grouping.SummaryLineColor", Grouping()->SummaryLineColor(), Grouping()->SetSummaryLineColor));
    e.push_back(INTEGER("Grouping.SummaryLineWidth", Grouping()->SummaryLineWidth(),
                        Grouping()->SetSummaryLineWidth));
    e.push_back(COLOUR("GridLineColor", GridLineColor(), SetGridLineColor));
    e.push_back(COLOUR("GridFixedLineColor", GridFixedLineColor(), SetGridFixedLineColor));
    e.push_back(INTEGER("BackGround.Top", BackGround()->Top(), BackGround()->SetTop));
    e.push_back(INTEGER("BackGround.Left", BackGround()->Left(), BackGround()->SetLeft));
    e.push_back(Named(
        "BackGround.Display", {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"},
        [](G& g) { return static_cast<int>(g.BackGround()->Display()); },
        [](G& g, int i) { g.BackGround()->SetDisplay(static_cast<TBackGroundDisplay>(i)); }));
    e.push_back(Named(
        "BackGround.Cells", {"bcNormal", "bcFixed", "bcAll"},
        [](G& g) { return static_cast<int>(g.BackGround()->Cells()); },
        [](G& g, int i) { g.BackGround()->SetCells(static_cast<TBackGroundCells>(i)); }));
    e.push_back(COLOUR("BackGround.Color", BackGround()->Color(), BackGround()->SetColor));
    e.push_back(COLOUR("BackGround.ColorTo", BackGround()->ColorTo(), BackGround()->SetColorTo));
    return e;
  }();
  return entries;
}

#undef COLOUR
#undef FLAG
#undef INTEGER

// The order values are applied in: the grid lines right after the search
// footer, before the grouping colours.
std::vector<size_t> LoadOrder() {
  const auto& e = Entries();
  std::vector<size_t> order;
  size_t grouping = 0, lines = 0;
  for (size_t i = 0; i < e.size(); ++i) {
    if (e[i].Key == "Grouping.HeaderColor") grouping = i;
    if (e[i].Key == "GridLineColor") lines = i;
  }
  for (size_t i = 0; i < grouping; ++i) order.push_back(i);
  order.push_back(lines);
  order.push_back(lines + 1);
  for (size_t i = grouping; i < lines; ++i) order.push_back(i);
  for (size_t i = lines + 2; i < e.size(); ++i) order.push_back(i);
  // A look applies a whole scheme of colours: it goes first, so the colours
  // the file names are not overwritten by it.
  for (size_t k = 0; k < order.size(); ++k)
    if (e[order[k]].Key == "Look") {
      const size_t look = order[k];
      order.erase(order.begin() + static_cast<std::ptrdiff_t>(k));
      order.insert(order.begin(), look);
      break;
    }
  return order;
}

}  // namespace

void TDedAdararAdoz::SaveVisualProps(const std::string& FileName) {
  std::string out;
  for (const TEntry& e : Entries()) {
    out += e.Key;
    out += '=';
    out += e.Save(*this);
    out += "\r\n";
  }
  std::string error;
  if (!TrySafeWriteFile(FileName, EncodeText(out, teAnsi, false), &error))
    throw EFCreateError("Cannot Create " + FileName);
}

void TDedAdararAdoz::LoadVisualProps(const std::string& FileName) {
  std::string bytes;
  if (!ReadFileBytes(FileName, bytes)) throw EFOpenError("Cannot open file " + FileName);
  const std::string text = DecodeText(bytes);
  // The first line of a key counts; keys match without regard to case.
  std::unordered_map<std::string, std::string> values;
  size_t p = 0;
  while (p < text.size()) {
    size_t e = text.find_first_of("\r\n", p);
    if (e == std::string::npos) e = text.size();
    const std::string_view line(text.data() + p, e - p);
    const size_t eq = line.find('=');
    if (eq != std::string_view::npos)
      values.emplace(LowerCase(line.substr(0, eq)), std::string(line.substr(eq + 1)));
    p = e + 1;
    if (e + 1 < text.size() && text[e] == '\r' && text[e + 1] == '\n') ++p;
  }
  const auto& entries = Entries();
  std::vector<TApply> apply;
  for (size_t i : LoadOrder()) {
    const auto it = values.find(LowerCase(entries[i].Key));
    apply.push_back(entries[i].Load(*this, it == values.end() ? nullptr : &it->second));
  }
  for (const TApply& a : apply)
    if (a) a();
}
