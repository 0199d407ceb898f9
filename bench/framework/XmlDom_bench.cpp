// Load and save of a full 1024-row table file, the largest the editors write.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "framework/os/Files.h"
#include "framework/xml/XmlDom.h"

namespace {
std::string TablePath() {
  static const std::string path = [] {
    std::string p = std::string(P_tmpdir) + "/cf-bench-table.xml";
    TXMLDocument doc;
    TXMLNode root = doc.AddChild("Receive_Frames");
    doc.AppendComment("SW_VERSION = 1.000");
    for (int i = 0; i < 1024; ++i) {
      TXMLNode row = root.AddChild("row");
      row.SetAttribute("Enable", i % 3 ? "Y" : "N");
      row.SetAttribute("CAN_ID", "0x" + std::to_string(100 + i));
      row.SetAttribute("CAN_Type", "29 bit");
      row.SetAttribute("DLC", "8");
      row.SetAttribute("Timeout", "1000");
      row.SetAttribute("Position", std::to_string(i * 8));
      row.SetAttribute("Length", "8");
      row.SetAttribute("Swap", "None");
      row.SetAttribute("Description", "Frame number " + std::to_string(i) + " & co");
    }
    doc.SaveToFile(p);
    return p;
  }();
  return path;
}

void BM_LoadTableFile(benchmark::State& state) {
  const std::string path = TablePath();
  for (auto _ : state) {
    TXMLDocument doc;
    doc.LoadFromFile(path);
    benchmark::DoNotOptimize(doc.DocumentElement().ChildCount());
  }
}
BENCHMARK(BM_LoadTableFile)->Unit(benchmark::kMillisecond);

void BM_SaveTableFile(benchmark::State& state) {
  TXMLDocument doc;
  doc.LoadFromFile(TablePath());
  const std::string out = TablePath() + ".out";
  for (auto _ : state) doc.SaveToFile(out);
  DeleteFile(out);
}
BENCHMARK(BM_SaveTableFile)->Unit(benchmark::kMillisecond);
}  // namespace
