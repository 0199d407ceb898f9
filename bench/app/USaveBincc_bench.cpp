// Compiling and saving the device images of a full project: 1024 enabled CAN
// frames and 1024 enabled S7 access rules. Goal: under 20 ms.
//
// The save flushes both files to the disk before it replaces the old ones, so
// its share depends on the disk; the compile-only run shows the rest.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/UComon.h"
#include "app/USaveBincc.h"

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

}  // namespace
