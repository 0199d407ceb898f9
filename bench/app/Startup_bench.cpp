// Start-up of the configurator up to its main window on screen: the forms
// of the start-up order created from their stored layouts (settings read,
// texts applied, last project reopened), then the main window shown and its
// first paint handled. The goal is well under 300 ms.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/ULumetraFirmWare.h"
#include "app/UStartup.h"
#include "framework/controls/Forms.h"
#include "framework/os/Files.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

// A folder beside a stand-in executable, with the settings of a user who
// left a project open.
std::string Prepare_Folder() {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("cf_startup_bench_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir / "PROJECTS" / "Line 1" / "bin");
  std::ofstream(dir / "Quorvane.xml")
      << "<Conf_Settings><lastproj><projectname>Line 1</projectname></lastproj>"
         "<lastipadd><ipaddress>192.168.2.205</ipaddress></lastipadd>"
         "<lastlang><language>English</language></lastlang><lastinternet>"
         "<enable_internet>0</enable_internet><enable_update>0</enable_update>"
         "<enable_jump_field_tables>0</enable_jump_field_tables>"
         "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>";
  return dir.string();
}

void BM_StartupToMainWindowShown(benchmark::State& state) {
  Application->Initialize();
  const std::string dir = Prepare_Folder();
  SetExeDirOverride(dir);
  for (auto _ : state) {
    Create_Forms();
    FLumetraFirmWare->Show();
    FLumetraFirmWare->Update();
    Application->ProcessMessages();
    state.PauseTiming();
    Destroy_Forms();
    state.ResumeTiming();
  }
  SetExeDirOverride("");
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_StartupToMainWindowShown)->Unit(benchmark::kMillisecond);

}  // namespace
