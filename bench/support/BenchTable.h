#pragma once
// The big table the grid benchmarks fill: a million rows of ten columns of
// short texts of a typical access table, cycled so that every screen shows
// texts of the same lengths and a fill measures the grid, not text
// formatting.
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

}  // namespace benchtable
