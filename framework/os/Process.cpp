#include "framework/os/Process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "framework/os/Files.h"

extern char** environ;

namespace {
// Waits for a child that is left running, so that it does not linger as a
// zombie when it ends.
void ReapLater(int pid) {
  std::thread([pid] {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}
}  // namespace

TChildProcess::~TChildProcess() {
  if (pid_ > 0 && !ended_ && Running()) ReapLater(pid_);
}

bool TChildProcess::Start(const std::string& Program, const std::vector<std::string>& Args,
                          const std::string& WorkingDir, std::string* Error) {
  auto fail = [&](const std::string& why) {
    if (Error) *Error = why;
    return false;
  };
  const std::string path = NativePath(Program);
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return fail("Cannot find \"" + path + "\"");
  if (S_ISDIR(st.st_mode) || ::access(path.c_str(), X_OK) != 0) return fail("Cannot run \"" + path + "\"");

  std::vector<std::string> argv{path};
  argv.insert(argv.end(), Args.begin(), Args.end());
  std::vector<char*> cargv;
  for (auto& a : argv) cargv.push_back(a.data());
  cargv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  std::string dir = NativePath(WorkingDir);
  if (!dir.empty()) posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  pid_t pid = -1;
  int rc = ::posix_spawn(&pid, path.c_str(), &actions, nullptr, cargv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return fail("Cannot run \"" + path + "\": " + std::strerror(rc));
  pid_ = pid;
  ended_ = false;
  exitCode_ = 0;
  signaled_ = false;
  return true;
}

bool TChildProcess::Running() {
  if (pid_ <= 0 || ended_) return false;
  int status = 0;
  pid_t r = ::waitpid(pid_, &status, WNOHANG);
  if (r == 0) return true;
  ended_ = true;
  if (r == pid_) {
    if (WIFEXITED(status)) {
      exitCode_ = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
      signaled_ = true;
      exitCode_ = 128 + WTERMSIG(status);
    }
  }
  return false;
}

bool TChildProcess::Kill() {
  if (!Running()) return false;
  ::kill(pid_, SIGKILL);
  int status = 0;
  while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  ended_ = true;
  signaled_ = true;
  exitCode_ = 128 + SIGKILL;
  return true;
}

TProcessResult RunProgram(const std::string& Program, const TRunOptions& Options) {
  TProcessResult result;
  auto child = std::make_shared<TChildProcess>();
  if (!child->Start(Program, Options.Args, Options.WorkingDir, &result.Error)) {
    result.Outcome = poFailedToStart;
    return result;
  }
  const auto start = std::chrono::steady_clock::now();
  const auto cap = std::chrono::milliseconds(Options.TimeCapMs);
  const auto step = std::chrono::milliseconds(Options.PollIntervalMs > 0 ? Options.PollIntervalMs : 1);
  while (child->Running()) {
    if (std::chrono::steady_clock::now() - start >= cap) {
      result.Outcome = poTimedOut;
      if (Options.KillOnTimeout) {
        result.Killed = child->Kill();
        result.ExitCode = child->ExitCode();
      } else {
        result.Process = child;
      }
      return result;
    }
    std::this_thread::sleep_for(step);
    if (Options.OnPoll) Options.OnPoll();
  }
  result.Outcome = poExited;
  result.ExitCode = child->ExitCode();
  return result;
}
