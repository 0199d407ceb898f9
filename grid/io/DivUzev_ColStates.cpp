// Column states: widths, order and visibility of the columns as one text
// ("n#widths#order#flags"), and the column-size store: widths ("Col"+i) and
// order ("Pos"+i) as integers in an INI file or under a registry key (the
// registry stand-in keeps its keys in a file under the user's configuration
// folder).
//
// A state is read and checked whole before any column changes, so a text
// that does not hold a state raises and leaves the grid, its column order
// and its stretch setting as they were.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/IniFiles.h"
#include "framework/classes/Registry.h"
#include "framework/rtl/StrUtils.h"
#include "grid/io/GridExchange.h"
#include "grid/model/DivUzev.h"

namespace {

constexpr int kMaxWidth = 1 << 20;

std::string Join(const std::vector<int>& Values) {
  std::string out;
  for (size_t i = 0; i < Values.size(); ++i) {
    if (i > 0) out += ',';
    out += std::to_string(Values[i]);
  }
  return out;
}

// The text before the first "#" and the text after it (empty when none).
std::pair<std::string, std::string> SplitAtHash(const std::string& S) {
  const size_t p = S.find('#');
  if (p == std::string::npos) return {S, std::string()};
  return {S.substr(0, p), S.substr(p + 1)};
}

[[noreturn]] void NotAState(const std::string& Why) { throw EConvertError("Invalid column state: " + Why); }

// The order entries without -1, which must name every column once.
std::vector<int> CheckedOrder(const std::vector<int>& Entries, int Count, bool& Valid) {
  std::vector<int> order;
  std::vector<bool> seen(static_cast<size_t>(Count), false);
  Valid = true;
  for (int e : Entries) {
    if (e == -1) continue;
    if (e < 0 || e >= Count || seen[static_cast<size_t>(e)]) {
      Valid = false;
      return {};
    }
    seen[static_cast<size_t>(e)] = true;
    order.push_back(e);
  }
  if (static_cast<int>(order.size()) != Count) Valid = false;
  return order;
}

// The store ColumnSize names: an INI file, or a key of the registry.
std::unique_ptr<TCustomIniFile> OpenStore(TColumnSize* Size) {
  if (Size->Location() == clIniFile) return std::make_unique<TMemIniFile>(Size->Key());
  return std::make_unique<TRegistryIniFile>(Size->Key());
}

}  // namespace

// Moves the columns (all shown) so that position j shows the column whose
// home index is Order[j]; the column order list follows every move and ends
// equal to Order. Columns stand where the list says they are, or at home
// when the list does not describe them.
static void ArrangeColumns(TDedAdararAdoz* Grid, const std::vector<int>& Order) {
  TIntList* list = Grid->ColumnOrderList();
  const int n = static_cast<int>(Order.size());
  bool listValid = list->Count() == n;
  if (listValid) {
    std::vector<int> current;
    for (int i = 0; i < n; ++i) current.push_back(list->Items(i));
    CheckedOrder(current, n, listValid);
  }
  if (!listValid) Grid->SetColumnOrder();
  for (int j = 0; j < n; ++j) {
    const int p = list->IndexOf(Order[static_cast<size_t>(j)]);
    if (p > j) Grid->MoveColumn(p, j);
  }
}

std::string TDedAdararAdoz::ColumnStatesToString() {
  const int n = ColCount() + NumHiddenColumns();
  std::vector<int> widths, order, flags;
  for (int i = 0; i < n; ++i) widths.push_back(ColWidths(i));
  if (FColumnOrder->Count() == 0) {
    for (int i = 0; i < n; ++i) order.push_back(i);
  } else {
    for (int i = 0; i < FColumnOrder->Count(); ++i) order.push_back(FColumnOrder->Items(i));
  }
  for (int c = 0; c < n; ++c) flags.push_back(IsHiddenColumn(c) ? 0 : 1);
  return std::to_string(n) + "#" + Join(widths) + "#" + Join(order) + "#" + Join(flags);
}

void TDedAdararAdoz::StringToColumnStates(const std::string& Value) {
  if (Value.find('#') == std::string::npos) return;

  // Read and check everything first.
  const auto [countText, rest] = SplitAtHash(Value);
  const int n = StrToInt(countText);
  if (n < 1 || n > gridio::kMaxLoadCols) NotAState("column count " + countText);
  const auto [widthText, afterWidths] = SplitAtHash(rest);
  const auto [orderText, flagText] = SplitAtHash(afterWidths);

  std::vector<int> entries;
  bool hasOrder = !orderText.empty();
  if (hasOrder) {
    const std::vector<std::string> parts = SplitString(orderText, ',');
    for (int i = 0; i < n && i < static_cast<int>(parts.size()); ++i) entries.push_back(StrToInt(parts[i]));
  }
  bool valid = true;
  const std::vector<int> order = hasOrder ? CheckedOrder(entries, n, valid) : std::vector<int>();
  if (!valid) NotAState("column order " + orderText);

  const std::vector<std::string> flags = SplitString(flagText, ',');
  if (static_cast<int>(flags.size()) < n)
    throw EListError("List index out of bounds (" + std::to_string(n - 1) + ")");
  int hidden = 0;
  for (int c = 0; c < n; ++c)
    if (flags[static_cast<size_t>(c)] == "0") ++hidden;
  // One column always stays shown.
  const int shown = std::max(1, n - hidden);

  const std::vector<std::string> widthParts = SplitString(widthText, ',');
  if (static_cast<int>(widthParts.size()) < shown)
    throw EListError("List index out of bounds (" + std::to_string(shown - 1) + ")");
  std::vector<int> widths;
  for (int i = 0; i < shown; ++i) {
    const int w = StrToInt(widthParts[static_cast<size_t>(i)]);
    if (w < 0 || w > kMaxWidth) NotAState("width " + widthParts[static_cast<size_t>(i)]);
    widths.push_back(w);
  }

  // Apply.
  UnHideColumnsAll();
  SetColCount(n);
  if (hasOrder) {
    ArrangeColumns(this, order);
    FColumnOrder->Clear();
    for (int e : entries)
      if (e != -1) FColumnOrder->Add(e);
  } else {
    FColumnOrder->Clear();
  }
  for (int c = n - 1; c >= 0; --c)
    if (flags[static_cast<size_t>(c)] == "0") HideColumn(c);

  const bool stretch = FColumnSize->Stretch();
  FColumnSize->SetStretch(false);
  if (stretch) {
    const int sc = FColumnSize->StretchColumn() == -1 ? ColCount() - 1 : FColumnSize->StretchColumn();
    SetDefaultColWidth(ColWidths(sc));
  }
  for (int i = 0; i < ColCount() && i < static_cast<int>(widths.size()); ++i)
    SetColWidths(i, widths[static_cast<size_t>(i)]);
  FColumnSize->SetStretch(stretch);
}

// ---------------------------------------------------------------------------
// The column-size store

void TDedAdararAdoz::SaveColSizes() {
  if (FColumnSize->Key().empty() || FColumnSize->Section().empty() || FDesigning) return;
  auto store = OpenStore(FColumnSize.get());
  for (int i = 0; i < ColCount(); ++i)
    store->WriteInteger(FColumnSize->Section(), "Col" + std::to_string(i), ColWidths(i));
  store->UpdateFile();
}

void TDedAdararAdoz::LoadColSizes() {
  if (FColumnSize->Key().empty() || FColumnSize->Section().empty() || FDesigning) return;
  auto store = OpenStore(FColumnSize.get());
  for (int i = 0; i < ColCount(); ++i) {
    const int current = ColWidths(i);
    const int w = store->ReadInteger(FColumnSize->Section(), "Col" + std::to_string(i), current);
    // A width no column can have is not applied.
    if (w != current && w >= 0 && w <= kMaxWidth) SetColWidths(i, w);
  }
  // A load only reads: writing the store back would fail on a read-only file
  // and cost a write and a flush at every window creation.
}

void TDedAdararAdoz::SaveColPositions() {
  if (FColumnSize->Key().empty() || FColumnSize->Section().empty() || FDesigning) return;
  auto store = OpenStore(FColumnSize.get());
  for (int i = 0; i < FColumnOrder->Count(); ++i)
    store->WriteInteger(FColumnSize->Section(), "Pos" + std::to_string(i), FColumnOrder->Items(i));
  store->UpdateFile();
}

void TDedAdararAdoz::LoadColPositions() {
  if (FColumnSize->Key().empty() || FColumnSize->Section().empty() || FDesigning) return;
  auto store = OpenStore(FColumnSize.get());
  const std::string& section = FColumnSize->Section();
  if (store->ReadInteger(section, "Pos0", -1) == -1) return;
  const int all = AllColCount();
  std::vector<int> entries;
  for (int i = 0; i < all; ++i) {
    const int v = store->ReadInteger(section, "Pos" + std::to_string(i), -1);
    if (v != -1) entries.push_back(v);
  }
  // Positions that do not name every column once are no order: the
  // columns stay as they are.
  bool valid = true;
  const std::vector<int> order = CheckedOrder(entries, all, valid);
  if (valid) {
    std::vector<int> hidden;
    for (int c = 0; c < all; ++c)
      if (IsHiddenColumn(c)) hidden.push_back(c);
    UnHideColumnsAll();
    ArrangeColumns(this, order);
    for (int c : hidden) HideColumn(c);
    FColumnOrder->Clear();
    for (int e : entries) FColumnOrder->Add(e);
  }
}
