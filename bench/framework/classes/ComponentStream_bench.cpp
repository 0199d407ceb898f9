// Cost of the component stream as the grid's binary cell stream uses it:
// one small record per cell, written and read back through a memory stream.
#include <benchmark/benchmark.h>

#include <string>

#include "framework/classes/ComponentFiler.h"
#include "framework/classes/LayoutText.h"
#include "framework/classes/Streams.h"
#include "tests/framework/classes/LayoutTestClasses.h"

namespace {

// The tests' record in the shape of the grid's cell IO objects.
using layout_test::RegisterLayoutTestClasses;
using layout_test::TTestCellIO;

constexpr int kCells = 1000;

void BM_WriteCellRecords(benchmark::State& state) {
  RegisterLayoutTestClasses();
  TTestCellIO io(nullptr);
  io.Cell = "Cell text 123";
  for (auto _ : state) {
    TMemoryStream s;
    for (int i = 0; i < kCells; ++i) {
      io.Col = static_cast<uint16_t>(i % 20);
      io.Row = static_cast<uint16_t>(i / 20);
      WriteComponent(&s, &io);
    }
    benchmark::DoNotOptimize(s.Size());
  }
  state.SetItemsProcessed(state.iterations() * kCells);
}
BENCHMARK(BM_WriteCellRecords);

void BM_ReadCellRecords(benchmark::State& state) {
  RegisterLayoutTestClasses();
  TTestCellIO io(nullptr);
  io.Cell = "Cell text 123";
  TMemoryStream s;
  for (int i = 0; i < kCells; ++i) {
    io.Col = static_cast<uint16_t>(i % 20);
    WriteComponent(&s, &io);
  }
  for (auto _ : state) {
    s.SetPosition(0);
    TTestCellIO target(nullptr);
    while (s.Position() < s.Size()) ReadComponent(&s, &target);
    benchmark::DoNotOptimize(target.Col);
  }
  state.SetItemsProcessed(state.iterations() * kCells);
}
BENCHMARK(BM_ReadCellRecords);

void BM_ParseFormLayoutText(benchmark::State& state) {
  std::string text = "object F: TForm\n  Caption = 'Form'\n";
  for (int i = 0; i < 200; ++i)
    text += "  object L" + std::to_string(i) + ": TLabel\n    Left = 8\n    Top = " + std::to_string(i * 20) +
            "\n    Width = 120\n    Height = 13\n    Caption = 'Label " + std::to_string(i) +
            "'\n    Font.Style = [fsBold]\n  end\n";
  text += "end\n";
  for (auto _ : state) benchmark::DoNotOptimize(ParseLayoutText(text, "bench"));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParseFormLayoutText);

}  // namespace
