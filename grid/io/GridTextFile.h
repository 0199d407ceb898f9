#pragma once
// The grid text file and its stream form, read without a grid: what an input
// holds, checked, before any of it reaches a grid. The grid's loaders apply
// the result; the fuzz target drives the readers alone.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gridio {

struct TTextCell {
  int Col;
  int Row;
  std::string Text;
};

struct TTextImage {
  bool HasHeader = false;
  int64_t Cols = 0;  // the counts the grid takes: the header's plus the base
  int64_t Rows = 0;
  std::vector<std::pair<int, int>> Widths;  // column, width; inside Cols only
  std::vector<TTextCell> Cells;             // inside Cols x Rows only
  size_t End = 0;                           // stream form: where the grid's data ends
};

// What the grid has when the input is read: its counts, the base offsets
// of the file form (fixed columns and rows left out of the file) or the
// export window's start of the stream form, and MultilineCells.
struct TTextTarget {
  int64_t Cols = 1;
  int64_t Rows = 1;
  int BaseCol = 0;
  int BaseRow = 0;
  bool Multiline = false;
};

// What the file form's reader finds, handed on as it is read: Begin once
// the counts are read and checked, before anything else; then the widths
// and cells in the file's order, each inside the counts.
class TTextFileSink {
 public:
  virtual ~TTextFileSink() = default;
  virtual void Begin(bool HasHeader, int64_t Cols, int64_t Rows) = 0;
  virtual void Width(int Col, int Width) = 0;
  virtual void Cell(int Col, int Row, std::string& Text) = 0;
};

// The file form, decoded to UTF-8. Lenient as the format is (a leading
// number is taken, lines that are no cell are skipped); EDivUzevError
// "File contains no data or corrupt file <FileName>" when the header gives
// no columns or rows, or more than a grid can have. That is the only
// failure, and it comes before Begin.
void ReadTextFile(std::string_view Text, const TTextTarget& Target, const std::string& FileName,
                  TTextFileSink& Sink);
// The same, collected.
TTextImage ReadTextFile(std::string_view Text, const TTextTarget& Target, const std::string& FileName);

// The stream form from the start of Data (UTF-16 lines). Numbers are read
// strictly (EConvertError); the first line whose column or row field is
// empty ends the grid's data.
TTextImage ReadTextStream(std::string_view Data, const TTextTarget& Target);

}  // namespace gridio
