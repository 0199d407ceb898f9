#include "framework/classes/Thread.h"

#include <chrono>
#include <deque>
#include <exception>
#include <memory>
#include <set>

#include "framework/rtl/SysUtils.h"

namespace {
// The thread that loads the program is the GUI thread.
const std::thread::id kMainThread = std::this_thread::get_id();

struct TSyncCall {
  std::function<void()> Method;
  const TThread* Owner = nullptr;  // the thread that asked, if any
  bool Done = false;
  bool Cancelled = false;
  std::exception_ptr Error;
};

struct TSyncQueue {
  std::mutex lock;
  std::condition_variable arrived;
  std::condition_variable done;
  std::deque<std::shared_ptr<TSyncCall>> calls;
  // Threads being freed: their calls are dropped, never run, since they
  // would reach a derived object whose destructor has already run.
  std::set<const TThread*> ending;
  std::function<void()> wakeUp;
};

TSyncQueue& Queue() {
  static TSyncQueue q;
  return q;
}

// Unwinds the Execute of a thread that is being freed out of a Synchronize
// whose call was dropped. Not an Exception: Execute's handlers for errors
// must not take it for one.
struct TThreadEnding {};

void RunOnMainThread(const std::function<void()>& method, const TThread* owner = nullptr) {
  if (std::this_thread::get_id() == kMainThread) {
    method();
    return;
  }
  auto call = std::make_shared<TSyncCall>();
  call->Method = method;
  call->Owner = owner;
  TSyncQueue& q = Queue();
  std::function<void()> wake;
  {
    std::lock_guard<std::mutex> l(q.lock);
    if (owner != nullptr && q.ending.count(owner) > 0) throw TThreadEnding();
    q.calls.push_back(call);
    wake = q.wakeUp;
  }
  q.arrived.notify_all();
  if (wake) wake();
  std::unique_lock<std::mutex> l(q.lock);
  q.done.wait(l, [&] { return call->Done; });
  if (call->Cancelled) throw TThreadEnding();
  if (call->Error) std::rethrow_exception(call->Error);
}

// Drops the queued calls of Thread and every call it makes from now on.
void BeginEnding(const TThread* thread) {
  TSyncQueue& q = Queue();
  {
    std::lock_guard<std::mutex> l(q.lock);
    q.ending.insert(thread);
    for (auto it = q.calls.begin(); it != q.calls.end();) {
      if ((*it)->Owner == thread) {
        (*it)->Done = true;
        (*it)->Cancelled = true;
        it = q.calls.erase(it);
      } else {
        ++it;
      }
    }
  }
  q.done.notify_all();
}

void EndEnding(const TThread* thread) {
  std::lock_guard<std::mutex> l(Queue().lock);
  Queue().ending.erase(thread);
}
}  // namespace

bool CheckSynchronize(int TimeoutMs) {
  if (std::this_thread::get_id() != kMainThread) return false;
  TSyncQueue& q = Queue();
  std::deque<std::shared_ptr<TSyncCall>> batch;
  {
    std::unique_lock<std::mutex> l(q.lock);
    if (q.calls.empty() && TimeoutMs > 0)
      q.arrived.wait_for(l, std::chrono::milliseconds(TimeoutMs), [&] { return !q.calls.empty(); });
    batch.swap(q.calls);
  }
  for (auto& call : batch) {
    try {
      call->Method();
    } catch (...) {
      call->Error = std::current_exception();
    }
    {
      std::lock_guard<std::mutex> l(q.lock);
      call->Done = true;
    }
    q.done.notify_all();
  }
  return !batch.empty();
}

void SetSynchronizeWakeUp(std::function<void()> WakeUp) {
  std::lock_guard<std::mutex> l(Queue().lock);
  Queue().wakeUp = std::move(WakeUp);
}

TThread::TThread() = default;

TThread::~TThread() {
  std::unique_lock<std::mutex> l(lock_);
  if (started_ && thread_.joinable()) {
    if (thread_.get_id() == std::this_thread::get_id()) {
      // Freed from its own Execute end (FreeOnTerminate): nothing to join.
      thread_.detach();
      return;
    }
    terminated_ = true;
    wakeToEnd_ = true;
    l.unlock();
    BeginEnding(this);
    cv_.notify_all();
    // On the main thread, keep running the calls of other threads while we
    // wait, in case the thread waits for one of them.
    if (IsMainThread())
      while (!Finished()) CheckSynchronize(5);
    thread_.join();
    EndEnding(this);
  }
}

void TThread::Resume() {
  std::unique_lock<std::mutex> l(lock_);
  if (suspendCount_ == 0) return;
  if (--suspendCount_ > 0) return;
  if (!started_) {
    started_ = true;
    thread_ = std::thread([this] { Run(); });
    return;
  }
  l.unlock();
  cv_.notify_all();
}

void TThread::Suspend() {
  std::lock_guard<std::mutex> l(lock_);
  ++suspendCount_;
}

bool TThread::Suspended() const {
  std::lock_guard<std::mutex> l(lock_);
  return suspendCount_ > 0;
}

void TThread::Terminate() {
  std::lock_guard<std::mutex> l(lock_);
  terminated_ = true;
}

bool TThread::Terminated() const {
  std::lock_guard<std::mutex> l(lock_);
  return terminated_;
}

bool TThread::Finished() const {
  std::lock_guard<std::mutex> l(lock_);
  return finished_;
}

void TThread::CheckSuspended() {
  std::unique_lock<std::mutex> l(lock_);
  cv_.wait(l, [&] { return suspendCount_ == 0 || wakeToEnd_; });
}

void TThread::Synchronize(const std::function<void()>& Method) {
  RunOnMainThread(Method, this);
  CheckSuspended();
}

void TThread::Synchronize(TThread* Thread, const std::function<void()>& Method) {
  if (Thread != nullptr && std::this_thread::get_id() != kMainThread) {
    Thread->Synchronize(Method);
    return;
  }
  RunOnMainThread(Method);
}

bool TThread::IsMainThread() { return std::this_thread::get_id() == kMainThread; }

int TThread::WaitFor() {
  std::unique_lock<std::mutex> l(lock_);
  if (!started_) return returnValue_;
  if (thread_.get_id() == std::this_thread::get_id()) throw EThread("A thread cannot wait for itself");
  if (!finished_ && suspendCount_ > 0) {
    if (!terminated_) throw EThread("Cannot wait for a suspended thread");
    // Terminated while parked: let it run to its end.
    wakeToEnd_ = true;
    cv_.notify_all();
  }
  const bool main = std::this_thread::get_id() == kMainThread;
  while (!finished_) {
    if (main) {
      l.unlock();
      CheckSynchronize(5);
      l.lock();
    } else {
      cv_.wait_for(l, std::chrono::milliseconds(50));
    }
  }
  return returnValue_;
}

void TThread::Run() {
  try {
    Execute();
  } catch (const TThreadEnding&) {
  } catch (const std::exception& e) {
    fatal_ = e.what();
  } catch (...) {
    fatal_ = "Unknown exception";
  }
  if (OnTerminate) {
    try {
      RunOnMainThread([this] { OnTerminate(this); });
    } catch (...) {
    }
  }
  bool freeIt = false;
  {
    std::lock_guard<std::mutex> l(lock_);
    finished_ = true;
    freeIt = freeOnTerminate_;
  }
  cv_.notify_all();
  if (freeIt) delete this;
}

void TEvent::SetEvent() {
  {
    std::lock_guard<std::mutex> l(lock_);
    set_ = true;
  }
  cv_.notify_all();
}

void TEvent::ResetEvent() {
  std::lock_guard<std::mutex> l(lock_);
  set_ = false;
}

bool TEvent::WaitFor(int TimeoutMs) {
  std::unique_lock<std::mutex> l(lock_);
  auto ready = [&] { return set_; };
  bool ok = TimeoutMs < 0 ? (cv_.wait(l, ready), true)
                          : cv_.wait_for(l, std::chrono::milliseconds(TimeoutMs), ready);
  if (ok && !manual_) set_ = false;
  return ok;
}
