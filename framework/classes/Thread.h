#pragma once
// TThread: a worker thread with the platform's life cycle.
//
// A thread object is always created suspended and its operating-system
// thread starts only on the first Resume (or Start), so a thread that is never
// resumed costs nothing but the object. Suspend is cooperative: the thread
// parks at its next check point (CheckSuspended, and after every
// Synchronize), which is where the platform's threads are suspended in
// practice anyway.
//
// Synchronize runs a call on the GUI (main) thread and waits for it: the
// call is queued, the wake-up hook installed by the event loop is poked,
// and the main thread runs the queue in CheckSynchronize(). Called on the
// main thread, Synchronize runs the call directly.
//
// WaitFor on the main thread keeps running queued calls, so a thread blocked
// in Synchronize can finish. Freeing a running thread terminates it, wakes it
// if suspended and waits for it. By then the derived object's destructor has
// run, so the calls the thread still has queued are dropped, never run, and
// a Synchronize it makes from then on ends its Execute at once. A derived
// class whose Execute uses its own members stops the thread in its own
// destructor (Terminate, then WaitFor).
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "framework/classes/Classes.h"

class TThread : public TObject {
 public:
  TThread();
  ~TThread() override;

  // Undoes one Suspend; the first one starts the thread.
  void Resume();
  void Start() { Resume(); }
  // Asks the thread to park at its next check point (counted, like Resume).
  void Suspend();
  bool Suspended() const;
  void Terminate();
  bool Terminated() const;
  bool Finished() const;
  // Waits for Execute to end; returns ReturnValue. Raises EThread when the
  // thread waits for itself, or is suspended and not terminated (it would
  // never end). A thread that never started returns at once.
  int WaitFor();

  bool FreeOnTerminate() const { return freeOnTerminate_; }
  void SetFreeOnTerminate(bool Value) { freeOnTerminate_ = Value; }
  int ReturnValue() const { return returnValue_; }
  // The message of an exception that ended Execute, if any.
  const std::string& FatalException() const { return fatal_; }
  // Runs on the main thread after Execute ends.
  TNotifyEvent OnTerminate;

  // Synchronize for code that is not a TThread.
  static void Synchronize(TThread* Thread, const std::function<void()>& Method);
  static bool IsMainThread();

 protected:
  virtual void Execute() = 0;
  void Synchronize(const std::function<void()>& Method);
  // Parks here while suspended (unless terminated and woken to end).
  void CheckSuspended();
  void SetReturnValue(int Value) { returnValue_ = Value; }

 private:
  void Run();
  mutable std::mutex lock_;
  std::condition_variable cv_;
  std::thread thread_;
  int suspendCount_ = 1;
  bool started_ = false;
  bool finished_ = false;
  bool terminated_ = false;
  bool wakeToEnd_ = false;
  bool freeOnTerminate_ = false;
  int returnValue_ = 0;
  std::string fatal_;
};

// A waitable event, set by one thread and waited for by others. A manual-reset
// event stays set until ResetEvent; an automatic one lets one waiter through
// and resets itself.
class TEvent : public TObject {
 public:
  explicit TEvent(bool ManualReset = true, bool InitialState = false)
      : manual_(ManualReset), set_(InitialState) {}
  void SetEvent();
  void ResetEvent();
  // True when the event was set within TimeoutMs (negative: no limit).
  bool WaitFor(int TimeoutMs = -1);

 private:
  std::mutex lock_;
  std::condition_variable cv_;
  bool manual_;
  bool set_;
};

// Runs the queued Synchronize calls; call it on the main thread. Waits up to
// TimeoutMs for a call to arrive when none is queued. True when a call ran.
bool CheckSynchronize(int TimeoutMs = 0);
// Installed by the event loop: called from a worker when a call is queued,
// so the loop wakes up and runs CheckSynchronize().
void SetSynchronizeWakeUp(std::function<void()> WakeUp);
