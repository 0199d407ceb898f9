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

// Runs Program with Args to its end and reads the resident size it printed
// (KiB); -1 when it did not start, end with 0 or print one.
double Resident_Of_Program(const char* Program, std::vector<std::string> Args) {
  std::vector<char*> argv{const_cast<char*>(Program)};
  for (std::string& a : Args) argv.push_back(a.data());
  argv.push_back(nullptr);
  int out[2];
  if (pipe(out) != 0) return -1;
  posix_spawn_file_actions_t io;
  posix_spawn_file_actions_init(&io);
  posix_spawn_file_actions_adddup2(&io, out[1], 1);
  posix_spawn_file_actions_addclose(&io, out[0]);
  posix_spawn_file_actions_addopen(&io, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, Program, &io, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&io);
  close(out[1]);
  std::string text;
  char buf[256];
  for (ssize_t n; spawned == 0 && (n = read(out[0], buf, sizeof buf)) > 0;)
    text.append(buf, static_cast<size_t>(n));
  close(out[0]);
  if (spawned != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  const double kib = std::atof(text.c_str());
  return kib > 0 ? kib : -1;
}

// Resident memory once start-up has settled: the configurator with every
// form built, the dozen-button Qt window, and that window linked with every
// library the configurator loads (none of its code run). A round starts
// the three, the order turned each round; the figures are medians, the
// ratios medians of per-round ratios (goal: vs_linked_peer 1.15).
void BM_StartupMemoryVsQtPeers(benchmark::State& state) {
  TSettings_Folder folder;
  std::vector<double> program, peer, linked, vsPeer, vsLinked;
  int turn = 0;
  for (auto _ : state) {
    double p = -1, q = -1, l = -1;
    for (int k = 0; k < 3; ++k) switch ((k + turn) % 3) {
        case 0:
          p = Resident_Of_Program(CF_BENCH_STARTUP_PROBE, {folder.Path(), "--memory"});
          break;
        case 1:
          q = Resident_Of_Program(CF_BENCH_QT_PEER, {"--memory"});
          break;
        default:
          l = Resident_Of_Program(CF_BENCH_QT_PEER_LINKED, {"--memory"});
          break;
      }
    ++turn;
    if (p < 0 || q < 0 || l < 0) {
      state.SkipWithError("a start-up program failed");
      break;
    }
    program.push_back(p / 1024);
    peer.push_back(q / 1024);
    linked.push_back(l / 1024);
    vsPeer.push_back(p / q);
    vsLinked.push_back(p / l);
  }
  if (program.empty()) return;
  state.counters["program_MiB"] = Median(program);
  state.counters["qt_peer_MiB"] = Median(peer);
  state.counters["linked_peer_MiB"] = Median(linked);
  state.counters["vs_qt_peer"] = Median(vsPeer);
  state.counters["vs_linked_peer"] = Median(vsLinked);
}
BENCHMARK(BM_StartupMemoryVsQtPeers)->Unit(benchmark::kMillisecond)->Iterations(9);

}  // namespace
