#include "framework/classes/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "framework/rtl/SysUtils.h"
#include "framework/rtl/Tick.h"

namespace {
// Ticks on the main thread through Synchronize until told to stop, like a
// fade thread; suspends itself from inside a tick when Level reaches 0.
class TTicker : public TThread {
 public:
  std::atomic<int> ticks{0};
  std::atomic<bool> ran{false};
  int level = 0;               // touched on the main thread only
  std::thread::id tickThread;  // where the ticks ran
  bool suspendAtZero = true;

 protected:
  void Execute() override {
    ran = true;
    while (!Terminated()) {
      ::Sleep(2);
      Synchronize([this] {
        tickThread = std::this_thread::get_id();
        ++ticks;
        if (--level <= 0 && suspendAtZero) {
          level = 0;
          Suspend();
        }
      });
    }
    SetReturnValue(7);
  }
};

// Runs queued calls on this (main) thread until Done holds or time runs out.
template <typename F>
bool PumpUntil(F done, int ms = 5000) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    CheckSynchronize(5);
  }
  return true;
}
}  // namespace

TEST(Thread, SuspendedThreadNeverRunsAndFreesWithoutHanging) {
  auto* t = new TTicker;
  EXPECT_TRUE(t->Suspended());
  ::Sleep(20);
  EXPECT_FALSE(t->ran);
  EXPECT_EQ(t->WaitFor(), 0);  // never started: nothing to wait for
  delete t;
}

TEST(Thread, TicksRunOnTheMainThreadAndTheThreadSuspendsItself) {
  TTicker t;
  t.level = 8;
  t.Resume();
  ASSERT_TRUE(PumpUntil([&] { return t.ticks == 8; }));
  EXPECT_EQ(t.tickThread, std::this_thread::get_id());
  ASSERT_TRUE(PumpUntil([&] { return t.Suspended(); }));
  ::Sleep(30);
  CheckSynchronize();
  EXPECT_EQ(t.ticks, 8);  // parked: no more ticks
  EXPECT_THROW(t.WaitFor(), EThread);
  t.level = 3;
  t.Resume();
  ASSERT_TRUE(PumpUntil([&] { return t.ticks == 11 && t.Suspended(); }));
  // The shutdown sequence: resume, terminate, wait (which runs a pending tick).
  t.suspendAtZero = false;
  t.Resume();
  t.Terminate();
  EXPECT_EQ(t.WaitFor(), 7);
  EXPECT_TRUE(t.Finished());
}

TEST(Thread, FreeingARunningOrParkedThreadEnds) {
  auto* running = new TTicker;
  running->suspendAtZero = false;
  running->Resume();
  ASSERT_TRUE(PumpUntil([&] { return running->ticks > 2; }));
  delete running;
  auto* parked = new TTicker;
  parked->level = 1;
  parked->Resume();
  ASSERT_TRUE(PumpUntil([&] { return parked->Suspended() && parked->ticks == 1; }));
  delete parked;
}

namespace {
// Asks the main thread for a call again and again; its destructor marks the
// object gone, which a call run after it would see.
class TLateCaller : public TThread {
 public:
  TLateCaller(std::atomic<bool>* gone, std::atomic<int>* late, std::atomic<bool>* asked)
      : gone_(gone), late_(late), asked_(asked) {}
  ~TLateCaller() override { *gone_ = true; }

 protected:
  void Execute() override {
    while (!Terminated()) {
      *asked_ = true;
      Synchronize([gone = gone_, late = late_] {
        if (*gone) ++*late;
      });
    }
  }

 private:
  std::atomic<bool>* gone_;
  std::atomic<int>* late_;
  std::atomic<bool>* asked_;
};
}  // namespace

TEST(Thread, ACallStillQueuedWhenTheThreadIsFreedNeverRuns) {
  std::atomic<bool> gone{false}, asked{false};
  std::atomic<int> late{0};
  auto* t = new TLateCaller(&gone, &late, &asked);
  t->Resume();
  while (!asked) ::Sleep(1);
  ::Sleep(20);  // the call now waits in the queue: nothing on this thread ran it
  delete t;
  EXPECT_TRUE(gone);
  EXPECT_EQ(late, 0);
  EXPECT_FALSE(CheckSynchronize(20)) << "nothing of the freed thread is left in the queue";
}

namespace {
class TOneShot : public TThread {
 public:
  explicit TOneShot(std::atomic<int>* freed) : freed_(freed) {}
  ~TOneShot() override { ++*freed_; }

 protected:
  void Execute() override { throw EConvertError("boom"); }

 private:
  std::atomic<int>* freed_;
};
}  // namespace

TEST(Thread, FreeOnTerminateAndTheTerminateEvent) {
  std::atomic<int> freed{0};
  auto* t = new TOneShot(&freed);
  bool told = false;
  std::string fatal;
  t->OnTerminate = [&](TObject* sender) {
    told = true;
    fatal = static_cast<TThread*>(sender)->FatalException();
  };
  t->SetFreeOnTerminate(true);
  t->Start();
  ASSERT_TRUE(PumpUntil([&] { return freed == 1; }));
  EXPECT_TRUE(told);
  EXPECT_EQ(fatal, "boom");
}

TEST(Thread, SynchronizeWakesTheLoopAndPassesErrorsBack) {
  std::atomic<int> wakes{0};
  SetSynchronizeWakeUp([&] { ++wakes; });
  std::atomic<bool> caught{false};
  std::thread worker([&] {
    try {
      TThread::Synchronize(nullptr, [] { throw EConvertError("in main"); });
    } catch (const EConvertError&) {
      caught = true;
    }
  });
  ASSERT_TRUE(PumpUntil([&] { return caught.load(); }));
  worker.join();
  SetSynchronizeWakeUp(nullptr);
  EXPECT_EQ(wakes, 1);
  bool direct = false;
  TThread::Synchronize(nullptr, [&] { direct = true; });  // on the main thread: at once
  EXPECT_TRUE(direct);
  EXPECT_TRUE(TThread::IsMainThread());
}

TEST(Thread, EventsLetWaitersThrough) {
  TEvent manual(true, false);
  EXPECT_FALSE(manual.WaitFor(10));
  std::thread setter([&] { manual.SetEvent(); });
  EXPECT_TRUE(manual.WaitFor(5000));
  setter.join();
  EXPECT_TRUE(manual.WaitFor(0));  // stays set
  manual.ResetEvent();
  EXPECT_FALSE(manual.WaitFor(0));
  TEvent automatic(false, true);
  EXPECT_TRUE(automatic.WaitFor(0));
  EXPECT_FALSE(automatic.WaitFor(0));  // reset by the first waiter
}
