// Fuzz target for the grid's file readers: the binary cell stream and the
// grid text file in both its forms. Every input must either be read or
// raise the readers' own errors, without a crash, a hang or a read out of
// bounds; what the binary reader accepts must write back to a stream that
// reads the same. Not built by default; built by tests/fuzz/build.sh (no window system
// needed), which lists its sources:
//
//   tests/fuzz/build.sh gridfiles_fuzz
//   mkdir -p corpus && build-fuzz/gridfiles_fuzz -runs=1000000 -max_len=4096 corpus
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "grid/io/GridCellStream.h"
#include "grid/io/GridTextFile.h"

// What the rest of the program gives elsewhere: the framework's published
// tables and the embedded resources are not needed here.
void RegisterFrameworkPublished() {}
const std::string_view* FindEmbeddedResource(const std::string&) { return nullptr; }

namespace {

// Keeps what the reader hands on and writes it back as a stream.
class TEchoSink : public gridio::TCellStreamSink {
 public:
  explicit TEchoSink(std::string& Out) : w_(Out) {}
  void Prop(const gridio::TGridPropData& P) override { w_.PropRecord(P); }
  void Cell(int64_t Col, int64_t Row, std::string& Text, bool HasProp) override {
    if (Col < 0 || Row < 0 || Col > INT32_MAX || Row > INT32_MAX) std::abort();
    w_.CellRecord(Col, Row, Text, HasProp);
  }
  void CellProps(const gridio::TCellPropsData& P, bool HasGraphic) override {
    // Only whole records write back the same: the writer writes every field.
    if (P.Present != (1u << gridio::TCellPropsData::fFieldCount) - 1) whole_ = false;
    w_.CellPropRecord(P, HasGraphic);
  }
  void Graphic(const gridio::TCellGraphicData& G) override { w_.GraphicRecord(G); }
  void Payload(gridio::TPayloadData& P) override { w_.PayloadRecord(P); }
  bool Whole() const { return whole_; }

 private:
  gridio::TCellStreamWriter w_;
  bool whole_ = true;
};

class TNullSink : public gridio::TCellStreamSink {
 public:
  void Prop(const gridio::TGridPropData&) override {}
  void Cell(int64_t, int64_t, std::string& Text, bool) override {
    if (!Text.empty()) std::abort();  // a checking pass decodes no text
  }
  void CellProps(const gridio::TCellPropsData&, bool) override {}
  void Graphic(const gridio::TCellGraphicData&) override {}
  void Payload(gridio::TPayloadData&) override {}
};

void FuzzCellStream(std::string_view Input) {
  std::string once;
  size_t end = 0;
  bool whole = true;
  try {
    TEchoSink echo(once);
    end = gridio::ReadCellStream(Input, 0, echo);
    whole = echo.Whole();
  } catch (const EReadError&) {
    // The checking pass must refuse the same inputs.
    TNullSink check;
    try {
      gridio::ReadCellStream(Input, 0, check, false);
    } catch (const EReadError&) {
      return;
    }
    std::abort();
  }
  if (end > Input.size()) std::abort();
  TNullSink check;
  if (gridio::ReadCellStream(Input, 0, check, false) != end) std::abort();
  // The stream written back reads to the same stream again.
  std::string twice;
  TEchoSink echo2(twice);
  if (gridio::ReadCellStream(once, 0, echo2) != once.size()) std::abort();
  if (whole && once != twice) std::abort();
}

void FuzzTextFile(std::string_view Input, uint8_t Flags) {
  gridio::TTextTarget target;
  target.Cols = 1 + (Flags & 7);
  target.Rows = 1 + ((Flags >> 3) & 7);
  target.BaseCol = (Flags >> 6) & 1;
  target.BaseRow = (Flags >> 7) & 1;
  target.Multiline = (Flags & 1) != 0;
  try {
    const gridio::TTextImage image = gridio::ReadTextFile(Input, target, "fuzz");
    for (const auto& [c, w] : image.Widths)
      if (c < 0 || c >= image.Cols || w < 0) std::abort();
    for (const auto& cell : image.Cells)
      if (cell.Col < 0 || cell.Row < 0 || cell.Col >= image.Cols || cell.Row >= image.Rows) std::abort();
  } catch (const EDivUzevError&) {
  }
  try {
    const gridio::TTextImage image = gridio::ReadTextStream(Input, target);
    if (image.End > Input.size()) std::abort();
    for (const auto& cell : image.Cells)
      if (cell.Col < 0 || cell.Row < 0 || cell.Col >= image.Cols || cell.Row >= image.Rows) std::abort();
  } catch (const EDivUzevError&) {
  } catch (const EConvertError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(Data) + 1, Size - 1);
  FuzzCellStream(input);
  FuzzTextFile(input, Data[0]);
  return 0;
}
