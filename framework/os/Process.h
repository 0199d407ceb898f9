#pragma once
// Starting another program and waiting for it, without a shell: the program
// path and each argument reach it exactly as given.
//
// RunProgram tells apart a program that ended (with its exit code), one that
// could not be started and one that was still running when the time cap
// passed. While it waits it polls every PollIntervalMs and calls OnPoll, so
// a GUI can keep repainting. A program past the cap is killed only when the
// caller asks; otherwise it keeps running and the caller may watch it
// through the returned handle (it is reaped when it ends, never left as a
// zombie).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A started child process.
class TChildProcess {
 public:
  TChildProcess() = default;
  ~TChildProcess();
  TChildProcess(const TChildProcess&) = delete;
  TChildProcess& operator=(const TChildProcess&) = delete;

  // False (with the reason in *Error) when the program cannot be started.
  bool Start(const std::string& Program, const std::vector<std::string>& Args, const std::string& WorkingDir,
             std::string* Error);
  // Checks without blocking whether it still runs.
  bool Running();
  // Its exit code once it ended; 128 + the signal number when a signal
  // ended it.
  int ExitCode() const { return exitCode_; }
  bool Signaled() const { return signaled_; }
  // Ends it at once (SIGKILL) and reaps it.
  bool Kill();
  int Pid() const { return pid_; }

 private:
  int pid_ = -1;
  bool ended_ = true;
  int exitCode_ = 0;
  bool signaled_ = false;
};

enum TProcessOutcome { poExited, poFailedToStart, poTimedOut };

struct TRunOptions {
  std::vector<std::string> Args;
  // Empty: the caller's current folder.
  std::string WorkingDir;
  std::uint32_t TimeCapMs = 150000;
  std::uint32_t PollIntervalMs = 10;
  bool KillOnTimeout = false;
  // Called after every poll step while the program runs.
  std::function<void()> OnPoll;
};

struct TProcessResult {
  TProcessOutcome Outcome = poFailedToStart;
  int ExitCode = 0;
  std::string Error;
  bool Killed = false;
  // The process, still running after a time-out that did not kill it.
  std::shared_ptr<TChildProcess> Process;
};

TProcessResult RunProgram(const std::string& Program, const TRunOptions& Options);
