#include "framework/os/Process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "TempFolder.h"
#include "framework/os/Files.h"

namespace {
// Where the build puts the stand-in programs.
std::string Program(const std::string& name) {
  const char* dir = std::getenv("CF_TEST_BIN_DIR");
  return (dir && *dir ? std::string(dir) : ExeDir()) + "/" + name;
}
}  // namespace

TEST(Process, ExitCodeIsReported) {
  TRunOptions o;
  o.TimeCapMs = 10000;
  int polls = 0;
  o.OnPoll = [&] { ++polls; };
  TProcessResult r = RunProgram(Program("exit_code_three"), o);
  EXPECT_EQ(r.Outcome, poExited) << r.Error;
  EXPECT_EQ(r.ExitCode, 3);
  EXPECT_FALSE(r.Killed);
  EXPECT_EQ(r.Process, nullptr);
}

TEST(Process, AMissingProgramFailsToStart) {
  TTempFolder dir;
  TRunOptions o;
  TProcessResult r = RunProgram(dir.File("Ethernet_Update"), o);
  EXPECT_EQ(r.Outcome, poFailedToStart);
  EXPECT_NE(r.Error.find("Ethernet_Update"), std::string::npos);
  dir.Write("not_executable", "#!/bin/sh\nexit 0\n");
  EXPECT_EQ(RunProgram(dir.File("not_executable"), o).Outcome, poFailedToStart);
  EXPECT_EQ(RunProgram(dir.Path(), o).Outcome, poFailedToStart);
}

TEST(Process, TheCapStopsTheWaitAndKillsOnlyWhenAsked) {
  TRunOptions o;
  o.TimeCapMs = 150;
  int polls = 0;
  o.OnPoll = [&] { ++polls; };
  auto start = std::chrono::steady_clock::now();
  TProcessResult r = RunProgram(Program("never_exits"), o);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(r.Outcome, poTimedOut);
  EXPECT_GT(polls, 3);  // the caller could repaint meanwhile
  ASSERT_NE(r.Process, nullptr);
  EXPECT_TRUE(r.Process->Running());  // left running, as asked
  EXPECT_TRUE(r.Process->Kill());
  EXPECT_FALSE(r.Process->Running());

  o.KillOnTimeout = true;
  r = RunProgram(Program("never_exits"), o);
  EXPECT_EQ(r.Outcome, poTimedOut);
  EXPECT_TRUE(r.Killed);
  EXPECT_EQ(r.Process, nullptr);
}

TEST(Process, ArgumentsArriveVerbatimWithoutAShell) {
  TTempFolder dir;
  TRunOptions o;
  o.Args = {dir.File("args.txt"), "a b", "$HOME;echo x", "*"};
  o.WorkingDir = dir.Path();
  TProcessResult r = RunProgram(Program("record_args"), o);
  ASSERT_EQ(r.Outcome, poExited) << r.Error;
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_EQ(dir.Read("args.txt"), dir.Path() + "\na b\n$HOME;echo x\n*\n");
}
