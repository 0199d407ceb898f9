#pragma once
// The big table the grid benchmarks fill: a million rows of ten columns of
// short texts of a typical access table, cycled so that every screen shows
// texts of the same lengths and a fill measures the grid, not text
// formatting.
#include <malloc.h>

#include <cstddef>
#include <string>
#include <vector>

namespace benchtable {

constexpr int kRows = 1000000;
constexpr int kCols = 10;

inline const std::vector<std::string>& Texts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> t;
    for (int i = 0; i < 997; ++i)
      t.push_back("DB" + std::to_string(100 + i % 900) + ".DBW" + std::to_string(i));
    return t;
  }();
  return texts;
}

// Hands every cell of the table to Set(Col, Row, Text), row by row.
template <typename FSet>
void Fill(FSet Set) {
  const auto& texts = Texts();
  std::size_t k = 0;
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) {
      Set(c, r, texts[k]);
      if (++k == texts.size()) k = 0;
    }
}

// The peer the grid is measured against: the smallest table model, one
// vector of strings laid out row by row, sized once and written in place.
class TVectorTable {
 public:
  void SetSize(int Cols, int Rows) {
    cols_ = Cols;
    rows_ = Rows;
    cells_.resize(static_cast<std::size_t>(Cols) * static_cast<std::size_t>(Rows));
  }
  void SetCell(int Col, int Row, const std::string& Text) {
    if (Col < 0 || Row < 0 || Col >= cols_ || Row >= rows_) return;
    cells_[static_cast<std::size_t>(Row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(Col)] =
        Text;
  }
  const std::string& Cell(int Col, int Row) const {
    return cells_[static_cast<std::size_t>(Row) * static_cast<std::size_t>(cols_) +
                  static_cast<std::size_t>(Col)];
  }
  // The strings themselves, for reading them directly.
  const std::vector<std::string>& Strings() const { return cells_; }

 private:
  int cols_ = 0;
  int rows_ = 0;
  std::vector<std::string> cells_;
};

// Bytes the heap holds for the program right now (mapped blocks included):
// the difference around a fill is what the filled table takes.
inline double HeapBytesInUse() {
  struct mallinfo2 m = mallinfo2();
  return static_cast<double>(m.uordblks) + static_cast<double>(m.hblkhd);
}

}  // namespace benchtable
