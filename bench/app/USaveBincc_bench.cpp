// Compiling and saving the device images of a full project: 1024 enabled CAN
// frames and 1024 enabled S7 access rules. Goal: under 20 ms.
//
// The save flushes both files to the disk before it replaces the old ones, so
// its share depends on the disk; the compile-only run shows the rest, and is
// measured against its limit: parsing the same files with pugixml and reading
// every attribute once (goal: ratio 1.5 or less).
#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/USaveBincc.h"
#include "bench/support/Rounds.h"

namespace {

void Write(const std::string& Path, const std::string& Text) {
  std::ofstream(Path, std::ios::binary) << Text;
}

std::string Can_Rows(bool Transmit) {
  std::string rows;
  for (int i = 0; i < 512; ++i) {
    rows += "<row Enable=\"Y\" COBID=\"" + std::to_string(i + (Transmit ? 0x400 : 0)) +
            "\" CAN_Type=\"2.0A (11 bits)\" Dim=\"8\"";
    rows += Transmit ? " OnChange=\"Y\" OnCMD=\"N\" OnTimer=\"Y\" Time=\"100\"" : " TimeOut=\"500\"";
    for (int n = 1; n <= 8; ++n)
      rows += " Byte" + std::to_string(n) + "=\"" + std::to_string(i % 180 * 8 + n) + "\"";
    rows += " Mnemonic=\"frame " + std::to_string(i) + "\"/>";
  }
  return rows;
}

std::string S7_Rows(bool Write_Rows) {
  std::string rows;
  for (int i = 0; i < 512; ++i) {
    rows += "<row Enable=\"Y\" PLC_Address=\"192.168.1." + std::to_string(10 + i % 10) +
            "\" PLC_Port=\"102\" PLC_Type=\"S71500\" Rack=\"0\" Slot=\"1\" Data_Type=\"Word\" "
            "Data_Identifier=\"DB\" DB_Number=\"" +
            std::to_string(i) + "\" PLC_Area=\"Inputs (I)\" PLC_Add=\"" + std::to_string(i * 2) +
            "\" PLC_Bit=\"0\" PollTime=\"100\"";
    if (Write_Rows) rows += " OnChange=\"Y\" OnCMD=\"N\"";
    rows +=
        " Position=\"" + std::to_string(i * 2) + "\" Bit=\"0\" Swap=\"N\" SwapWord=\"N\" Mnemonic=\"rule\"/>";
  }
  return rows;
}

// A project folder holding the four files the compiler reads.
class TFull_Project {
 public:
  TFull_Project() : dir_(std::filesystem::temp_directory_path() / "cf_bench_USaveBincc") {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    Project_Dir = dir_.string();
    Set_Files();
    // The compiler words its checks from the text table, as the program
    // has it loaded before any project opens.
    Load_Default_Language();
    Write(Path_ParGen,
          "<Par_Gen><S7_Protocol_IP1>192</S7_Protocol_IP1><CAN_BAUDRATE>6</CAN_BAUDRATE></Par_Gen>");
    Write(Path_CAN_Rec_Frames, "<Receive_Frames>" + Can_Rows(false) + "</Receive_Frames>");
    Write(Path_CAN_Send_Frames, "<Transmit_Frames>" + Can_Rows(true) + "</Transmit_Frames>");
    Write(Path_S7_Protocol, "<S7_Protocol><S7_Protocol_Read>" + S7_Rows(false) +
                                "</S7_Protocol_Read><S7_Protocol_Write>" + S7_Rows(true) +
                                "</S7_Protocol_Write></S7_Protocol>");
  }
  ~TFull_Project() {
    std::filesystem::remove_all(dir_);
    Project_Dir.clear();
    Set_Files();
  }
  static bool Filled() {
    return Par_Gen_Block.CAN_Entry_Count == 1024 && Par_Gen_Block.S7_Entry_Count == 1024;
  }

 private:
  std::filesystem::path dir_;
};

void BM_CompileAndSaveFullProject(benchmark::State& state) {
  TFull_Project project;
  for (auto _ : state) {
    Compile_Configuration();
    if (!Save_Bank_Files()) state.SkipWithError("saving the images failed");
  }
  if (!TFull_Project::Filled()) state.SkipWithError("the project did not fill both tables");
}
BENCHMARK(BM_CompileAndSaveFullProject)->Unit(benchmark::kMillisecond);

void BM_CompileFullProject(benchmark::State& state) {
  TFull_Project project;
  for (auto _ : state) Compile_Configuration();
  if (!TFull_Project::Filled()) state.SkipWithError("the project did not fill both tables");
}
BENCHMARK(BM_CompileFullProject)->Unit(benchmark::kMillisecond);

// The limit: each of the files the compiler reads parsed by pugixml from the
// disk, and every attribute of every element read once.
std::size_t Parse_And_Read_Every_Attribute() {
  std::size_t total = 0;
  for (const std::string* path :
       {&Path_ParGen, &Path_CAN_Rec_Frames, &Path_CAN_Send_Frames, &Path_S7_Protocol}) {
    pugi::xml_document doc;
    if (!doc.load_file(path->c_str())) return 0;
    for (pugi::xml_node n = doc.first_child(); n;) {
      for (pugi::xml_attribute a : n.attributes()) total += std::strlen(a.name()) + std::strlen(a.value());
      if (n.first_child()) {
        n = n.first_child();
        continue;
      }
      while (n && !n.next_sibling()) n = n.parent();
      if (n) n = n.next_sibling();
    }
  }
  return total;
}

// The compiler and the limit in turns; the iteration time is the compiler's.
void BM_CompileFullProjectVsPugixml(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  TFull_Project project;
  double compile = 0, limit = 0;
  std::size_t read = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    Compile_Configuration();
    const double c = std::chrono::duration<double>(Clock::now() - t0).count();
    t0 = Clock::now();
    read += Parse_And_Read_Every_Attribute();
    limit += std::chrono::duration<double>(Clock::now() - t0).count();
    compile += c;
    state.SetIterationTime(c);
  }
  benchmark::DoNotOptimize(read);
  if (!TFull_Project::Filled() || read == 0) state.SkipWithError("the project did not fill both tables");
  const double n = double(state.iterations());
  state.counters["compile_ms"] = compile * 1e3 / n;
  state.counters["pugixml_ms"] = limit * 1e3 / n;
  state.counters["ratio"] = compile / limit;
}
BENCHMARK(BM_CompileFullProjectVsPugixml)->UseManualTime()->Unit(benchmark::kMillisecond);

// Compile and save against its floor in interleaved rounds: the pugixml
// parse above plus the two images written the plainest way that still
// reaches the disk (open, write, fsync, close each). ratio = median of the
// per-round ratios; the goal is 1.3.
bool Write_And_Sync(const std::string& Path, const std::string& Bytes) {
  const int fd = ::open(Path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  const bool ok =
      ::write(fd, Bytes.data(), Bytes.size()) == static_cast<ssize_t>(Bytes.size()) && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

void BM_CompileAndSaveVsPugixmlAndTwoWrites(benchmark::State& state) {
  TFull_Project project;
  Compile_Configuration();
  const std::string bank1(reinterpret_cast<const char*>(Bank1_Image.data()), static_cast<size_t>(Bank1_Size));
  const std::string bank2(reinterpret_cast<const char*>(Bank2_Image.data()), static_cast<size_t>(Bank2_Size));
  const std::string floorDir = Project_Dir + "/floor";
  std::filesystem::create_directories(floorDir);
  benchrounds::TRounds rounds;
  bool ok = true;
  std::size_t read = 0;
  for (auto _ : state)
    rounds.Round(
        [&] {
          Compile_Configuration();
          ok = Save_Bank_Files() && ok;
        },
        [&] {
          read += Parse_And_Read_Every_Attribute();
          ok = Write_And_Sync(floorDir + "/bank1.bin", bank1) && ok;
          ok = Write_And_Sync(floorDir + "/bank2.bin", bank2) && ok;
        });
  benchmark::DoNotOptimize(read);
  if (!ok || !TFull_Project::Filled() || read == 0) state.SkipWithError("compiling or saving failed");
  rounds.Report(state, "compile_save", "floor");
}
BENCHMARK(BM_CompileAndSaveVsPugixmlAndTwoWrites)->Unit(benchmark::kMillisecond)->Iterations(41);

}  // namespace
