// The rules every exchange format of the grid shares: the export window's
// columns and progress reports; and the fonts that follow a change of scale.
#include <algorithm>
#include <cmath>

#include "framework/rtl/Math.h"
#include "framework/rtl/TextEncoding.h"
#include "grid/io/GridExchange.h"
#include "grid/model/DivUzev.h"

namespace gridio {

std::string_view AsUtf8(const std::string& Bytes, std::string& Buffer) {
  if (DetectTextEncoding(Bytes) == teAnsi &&
      std::all_of(Bytes.begin(), Bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return Bytes;
  Buffer = DecodeText(Bytes);
  return Buffer;
}

TExportColumns ExportColumns(TDedAdararAdoz* Grid, bool HonourHiddenCells) {
  TExportColumns cols;
  cols.First = Grid->SaveStartCol();
  const int last = Grid->SaveEndCol();
  if (HonourHiddenCells && Grid->SaveHiddenCells()) {
    cols.ByStorageIndex = true;
    for (int c = cols.First; c <= last + Grid->NumHiddenColumns(); ++c) cols.Real.push_back(c);
  } else {
    for (int d = cols.First; d <= last; ++d) cols.Real.push_back(Grid->RealColIndex(d));
  }
  return cols;
}

void TFileProgress::Report(int64_t Index, int64_t Divisor) {
  if (!grid_->OnFileProgress) return;
  const double pct = 100.0 * static_cast<double>(Index) / static_cast<double>(std::max<int64_t>(1, Divisor));
  const int value = static_cast<int>(std::clamp(std::lround(pct), -32768L, 32767L));
  if (reported_ && value == last_) return;
  reported_ = true;
  last_ = value;
  grid_->OnFileProgress(grid_, static_cast<int16_t>(value));
}

}  // namespace gridio

void TDedAdararAdoz::ChangeScale(int M, int D) {
  TBaseGrid::ChangeScale(M, D);
  if (FDesigning || M == D || D == 0) return;
  FFixedFont->SetSize(MulDiv(FFixedFont->Size(), M, D));
  FActiveCellFont->SetSize(MulDiv(FActiveCellFont->Size(), M, D));
}
