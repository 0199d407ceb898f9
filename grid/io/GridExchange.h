#pragma once
// What every file and stream format of the grid shares (grid/io only): the
// columns of the export window in file order and the progress report.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TDedAdararAdoz;

namespace gridio {

// The largest grid a file may ask for. A crafted header cannot make the
// grid allocate its sizes for billions of rows or columns; every real grid
// fits many times over.
inline constexpr int64_t kMaxLoadRows = 16777216;
inline constexpr int64_t kMaxLoadCols = 1048576;

// The columns an export writes, in file order, with the real (storage)
// column each one reads. With SaveHiddenCells the window is widened by the
// hidden columns and read by storage index; otherwise every displayed
// column is read from its real column, so a file holds what the grid shows.
struct TExportColumns {
  int First = 0;                // file index of Real[0]
  bool ByStorageIndex = false;  // SaveHiddenCells: file index == storage index
  std::vector<int> Real;
  int Count() const { return static_cast<int>(Real.size()); }
};
TExportColumns ExportColumns(TDedAdararAdoz* Grid, bool HonourHiddenCells);

// A file's text as UTF-8: ANSI bytes that are all ASCII are that already
// and are used where they lie; anything else is decoded into Buffer.
std::string_view AsUtf8(const std::string& Bytes, std::string& Buffer);

// OnFileProgress: 100 * Index / max(1, Divisor), rounded, reported only
// when it changes (the first value always).
class TFileProgress {
 public:
  explicit TFileProgress(TDedAdararAdoz* Grid) : grid_(Grid) {}
  void Report(int64_t Index, int64_t Divisor);

 private:
  TDedAdararAdoz* grid_;
  bool reported_ = false;
  int last_ = 0;
};

}  // namespace gridio
