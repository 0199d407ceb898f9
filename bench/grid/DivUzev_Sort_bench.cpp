// Sorting and sizing big grids: a million rows sorted on one text column
// against std::stable_sort of the same strings and against a
// QSortFilterProxyModel over the same texts, all in one run; and a column
// of 100,000 rows sized to its contents.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "bench/support/Rounds.h"
#include "framework/backend/qt/benchpeers/QtSortPeer.h"
#include "grid/model/DivUzev.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point Since) {
  return std::chrono::duration<double>(Clock::now() - Since).count();
}

constexpr int kSortRows = 1000000;

// Names as a table holds them: a few letters and digits, in random order,
// some of them repeated.
const std::vector<std::string>& SortTexts() {
  static const std::vector<std::string> texts = [] {
    std::mt19937 rnd(22);
    const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
    std::vector<std::string> t(kSortRows);
    for (std::string& s : t) {
      const int len = 6 + static_cast<int>(rnd() % 9);
      for (int i = 0; i < len; ++i) s += alphabet[rnd() % (sizeof(alphabet) - 1)];
    }
    return t;
  }();
  return texts;
}

// The three sorts in every iteration, so the ratios compare the same
// moment of the machine; the unsorted order is put back untimed.
void BM_Sort1MRowsOnATextColumn(benchmark::State& state) {
  const auto& texts = SortTexts();
  TDedAdararAdoz g(nullptr);
  g.SetColCount(1);
  g.SetFixedCols(0);
  g.SetRowCount(kSortRows + 1);
  for (int r = 0; r < kSortRows; ++r) g.SetCellEx(0, r + 1, texts[static_cast<size_t>(r)]);
  QtSortPeer qt;
  qt.Load(texts);

  double grid = 0, stl = 0, proxy = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    g.Sort(0, sdAscending);
    grid += Seconds(t0);
    benchmark::DoNotOptimize(g.GetCellEx(0, 1));

    state.PauseTiming();
    std::vector<std::string> copy = texts;
    state.ResumeTiming();
    t0 = Clock::now();
    std::stable_sort(copy.begin(), copy.end());
    stl += Seconds(t0);
    benchmark::DoNotOptimize(copy.front());

    t0 = Clock::now();
    qt.Sort();
    proxy += Seconds(t0);
    benchmark::DoNotOptimize(qt.Text(0));

    state.PauseTiming();
    if (g.GetCellEx(0, 1) != copy.front() || g.GetCellEx(0, kSortRows) != copy.back() ||
        qt.Text(0) != copy.front()) {
      state.SkipWithError(
          ("orders differ: " + g.GetCellEx(0, 1) + " " + qt.Text(0) + " " + copy.front()).c_str());
      break;
    }
    g.QUnSort();
    qt.Unsort();
    state.ResumeTiming();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["grid_ms"] = grid * 1e3 / n;
  state.counters["stable_sort_ms"] = stl * 1e3 / n;
  state.counters["qt_proxy_ms"] = proxy * 1e3 / n;
  state.counters["vs_stable_sort"] = grid / stl;
  state.counters["vs_qt_proxy"] = grid / proxy;
}
BENCHMARK(BM_Sort1MRowsOnATextColumn)->Unit(benchmark::kMillisecond)->Iterations(3);

// A table as the editors hold them: a million rows of a key column and
// three data columns, sorted on the key (a text, or a number with
// ssNumeric), against the plainest code doing the same work: an index
// sorted by the keys with std::stable_sort and the four columns moved once
// into that order (the floor), and std::stable_sort of the key texts alone.
// Every round runs the three, the order turned each round; the ratios are
// medians of the per-round ratios (goals: vs_floor 1.3, vs_stable_sort 2
// for texts).
struct TFourColumns {
  std::vector<std::string> Key, A, B, C;
};

TFourColumns MakeFourColumns(bool Numeric) {
  const auto& texts = SortTexts();
  std::mt19937 rnd(7);
  TFourColumns t;
  for (int r = 0; r < kSortRows; ++r) {
    t.Key.push_back(Numeric ? std::to_string(rnd() % 100000000) + "." + std::to_string(rnd() % 100)
                            : texts[static_cast<size_t>(r)]);
    t.A.push_back("DB" + std::to_string(r % 900));
    t.B.push_back(std::to_string(r * 3));
    t.C.push_back(texts[static_cast<size_t>((r * 7) % kSortRows)]);
  }
  return t;
}

// Numbers are parsed once per row, as the plainest code would.
void FloorSort(TFourColumns& T, bool Numeric) {
  std::vector<int> index(T.Key.size());
  std::iota(index.begin(), index.end(), 0);
  if (Numeric) {
    std::vector<double> value(T.Key.size());
    for (size_t k = 0; k < value.size(); ++k) value[k] = std::strtod(T.Key[k].c_str(), nullptr);
    std::stable_sort(index.begin(), index.end(), [&](int a, int b) {
      return value[static_cast<size_t>(a)] < value[static_cast<size_t>(b)];
    });
  } else {
    std::stable_sort(index.begin(), index.end(), [&](int a, int b) {
      return T.Key[static_cast<size_t>(a)] < T.Key[static_cast<size_t>(b)];
    });
  }
  for (std::vector<std::string>* col : {&T.Key, &T.A, &T.B, &T.C}) {
    std::vector<std::string> moved(col->size());
    for (size_t k = 0; k < index.size(); ++k) moved[k] = std::move((*col)[static_cast<size_t>(index[k])]);
    col->swap(moved);
  }
}

// The keys alone: the texts, or the numbers parsed once.
void StableSortKeys(std::vector<std::string>& Keys, bool Numeric) {
  if (!Numeric) {
    std::stable_sort(Keys.begin(), Keys.end());
    return;
  }
  std::vector<double> value(Keys.size());
  for (size_t k = 0; k < value.size(); ++k) value[k] = std::strtod(Keys[k].c_str(), nullptr);
  std::stable_sort(value.begin(), value.end());
  benchmark::DoNotOptimize(value.data());
}

void SortFourColumns(benchmark::State& state, bool Numeric) {
  const TFourColumns source = MakeFourColumns(Numeric);
  TDedAdararAdoz g(nullptr);
  g.SetColCount(4);
  g.SetFixedCols(0);
  g.SetRowCount(kSortRows + 1);
  for (int r = 0; r < kSortRows; ++r) {
    const auto k = static_cast<size_t>(r);
    g.SetCellEx(0, r + 1, source.Key[k]);
    g.SetCellEx(1, r + 1, source.A[k]);
    g.SetCellEx(2, r + 1, source.B[k]);
    g.SetCellEx(3, r + 1, source.C[k]);
  }
  if (Numeric)
    g.OnGetFormat = [](TObject*, int, TSortStyle& Style, std::string&, std::string&) { Style = ssNumeric; };
  std::vector<double> grid, floor, stl, vsFloor, vsStl;
  int turn = 0;
  for (auto _ : state) {
    TFourColumns floorTable = source;
    std::vector<std::string> keys = source.Key;
    double tg = 0, tf = 0, ts = 0;
    for (int k = 0; k < 3; ++k) {
      switch ((k + turn) % 3) {
        case 0: {
          const auto t0 = benchrounds::Clock::now();
          g.Sort(0, sdAscending);
          tg = benchrounds::Seconds(t0);
          break;
        }
        case 1: {
          const auto t0 = benchrounds::Clock::now();
          FloorSort(floorTable, Numeric);
          tf = benchrounds::Seconds(t0);
          break;
        }
        default: {
          const auto t0 = benchrounds::Clock::now();
          StableSortKeys(keys, Numeric);
          ts = benchrounds::Seconds(t0);
          break;
        }
      }
    }
    ++turn;
    if (g.GetCellEx(0, 1) != floorTable.Key.front() || g.GetCellEx(3, kSortRows) != floorTable.C.back()) {
      state.SkipWithError(("orders differ: " + g.GetCellEx(0, 1) + " " + floorTable.Key.front()).c_str());
      break;
    }
    g.QUnSort();
    grid.push_back(tg);
    floor.push_back(tf);
    stl.push_back(ts);
    vsFloor.push_back(tg / tf);
    vsStl.push_back(tg / ts);
  }
  state.counters["grid_ms"] = benchrounds::Median(grid) * 1e3;
  state.counters["floor_ms"] = benchrounds::Median(floor) * 1e3;
  state.counters["stable_sort_ms"] = benchrounds::Median(stl) * 1e3;
  state.counters["vs_floor"] = benchrounds::Median(vsFloor);
  state.counters["vs_stable_sort"] = benchrounds::Median(vsStl);
}

void BM_Sort1Mx4OnATextColumn(benchmark::State& state) { SortFourColumns(state, false); }
BENCHMARK(BM_Sort1Mx4OnATextColumn)->Unit(benchmark::kMillisecond)->Iterations(7);

// Numbers with ssNumeric: the floor and the stable_sort parse each key
// once and compare the numbers.
void BM_Sort1Mx4OnANumericColumn(benchmark::State& state) { SortFourColumns(state, true); }
BENCHMARK(BM_Sort1Mx4OnANumericColumn)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_AutoSizeAColumnOf100kRows(benchmark::State& state) {
  const auto& texts = SortTexts();
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(100001);
  for (int r = 1; r <= 100000; ++r) g.SetCellEx(1, r, texts[static_cast<size_t>(r)]);
  double seconds = 0;
  for (auto _ : state) {
    g.SetColWidths(1, 10);
    auto t0 = Clock::now();
    g.AutoSizeCol(1);
    seconds += Seconds(t0);
    benchmark::DoNotOptimize(g.ColWidths(1));
  }
  state.counters["ms_auto_size"] = seconds * 1e3 / static_cast<double>(state.iterations());
}
BENCHMARK(BM_AutoSizeAColumnOf100kRows)->Unit(benchmark::kMillisecond);

}  // namespace
