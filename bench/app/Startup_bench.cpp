// Start-up of the configurator up to its main window on screen.
//
// In the process: the main window created from its stored layout (settings
// read, texts applied, last project reopened), shown and painted, as the
// program does before it builds its other forms; and the whole start-up
// with every form.
//
// As a program, against its peer: a fresh process of the configurator's
// start-up (libraries loaded, units started, forms built, main window
// painted) beside a fresh process of the smallest Qt Widgets program with a
// window of a dozen buttons, run in turns so that both see the same load of
// the machine. The ratio of their medians is the figure; the goal is 1.25.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/ULumetraFirmWare.h"
#include "app/UStartup.h"
#include "framework/controls/Forms.h"
#include "framework/os/Files.h"

extern char** environ;

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

// A folder beside a stand-in executable, with the settings of a user who
// left a project open.
class TSettings_Folder {
 public:
  TSettings_Folder()
      : dir_(std::filesystem::temp_directory_path() / ("cf_startup_bench_" + std::to_string(getpid()))) {
    std::filesystem::create_directories(dir_ / "PROJECTS" / "Line 1" / "bin");
    std::ofstream(dir_ / "Quorvane.xml")
        << "<Conf_Settings><lastproj><projectname>Line 1</projectname></lastproj>"
           "<lastipadd><ipaddress>192.168.2.205</ipaddress></lastipadd>"
           "<lastlang><language>English</language></lastlang><lastinternet>"
           "<enable_internet>0</enable_internet><enable_update>0</enable_update>"
           "<enable_jump_field_tables>0</enable_jump_field_tables>"
           "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>";
  }
  ~TSettings_Folder() { std::filesystem::remove_all(dir_); }
  std::string Path() const { return dir_.string(); }

 private:
  std::filesystem::path dir_;
};

void BM_StartupToMainWindowShown(benchmark::State& state) {
  Application->Initialize();
  TSettings_Folder folder;
  SetExeDirOverride(folder.Path());
  for (auto _ : state) {
    Show_Main_Window();
    state.PauseTiming();
    Create_Other_Forms();
    Destroy_Forms();
    state.ResumeTiming();
  }
  SetExeDirOverride("");
}
BENCHMARK(BM_StartupToMainWindowShown)->Unit(benchmark::kMillisecond);

void BM_StartupAllForms(benchmark::State& state) {
  Application->Initialize();
  TSettings_Folder folder;
  SetExeDirOverride(folder.Path());
  for (auto _ : state) {
    Show_Main_Window();
    Create_Other_Forms();
    Application->ProcessMessages();
    state.PauseTiming();
    Destroy_Forms();
    state.ResumeTiming();
  }
  SetExeDirOverride("");
}
BENCHMARK(BM_StartupAllForms)->Unit(benchmark::kMillisecond);

// One run of a program: wall time from its start to its end, and the
// processor time it used (user and system), in milliseconds.
struct TRunTimes {
  double Wall = -1;
  double Cpu = -1;
};

// Runs Program with Args to its end; Wall stays negative when it did not
// start or did not end with 0.
TRunTimes Run_Program(const char* Program, std::vector<std::string> Args) {
  std::vector<char*> argv{const_cast<char*>(Program)};
  for (std::string& a : Args) argv.push_back(a.data());
  argv.push_back(nullptr);
  // Their chatter on the console would only slow them down unevenly.
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, Program, &quiet, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  TRunTimes t;
  if (spawned != 0) return t;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return t;
  t.Wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  auto ms = [](const timeval& v) { return v.tv_sec * 1e3 + v.tv_usec / 1e3; };
  t.Cpu = ms(usage.ru_utime) + ms(usage.ru_stime);
  return t;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Each iteration starts the peer and the configurator once each, the order
// swapped every time; the iteration time is the configurator's. On a busy
// machine the wall times also hold the waits for a free processor, which
// hit the longer run harder: cpu_ratio, of the processor times, shows the
// work alone.
void BM_StartupProgramVsQtPeer(benchmark::State& state) {
  TSettings_Folder folder;
  std::vector<double> program, peer, programCpu, peerCpu;
  bool peerFirst = false;
  for (auto _ : state) {
    TRunTimes p, q;
    if (peerFirst) q = Run_Program(CF_BENCH_QT_PEER, {});
    p = Run_Program(CF_BENCH_STARTUP_PROBE, {folder.Path()});
    if (!peerFirst) q = Run_Program(CF_BENCH_QT_PEER, {});
    peerFirst = !peerFirst;
    if (p.Wall < 0 || q.Wall < 0) {
      state.SkipWithError("a start-up program failed");
      break;
    }
    program.push_back(p.Wall);
    peer.push_back(q.Wall);
    programCpu.push_back(p.Cpu);
    peerCpu.push_back(q.Cpu);
    state.SetIterationTime(p.Wall / 1000);
  }
  if (program.empty()) return;
  state.counters["program_ms"] = Median(program);
  state.counters["qt_peer_ms"] = Median(peer);
  state.counters["ratio"] = Median(program) / Median(peer);
  state.counters["cpu_ratio"] = Median(programCpu) / Median(peerCpu);
}
BENCHMARK(BM_StartupProgramVsQtPeer)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace
