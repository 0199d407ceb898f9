#include "framework/rtl/Tick.h"

#include <chrono>
#include <mutex>
#include <thread>

namespace {
std::mutex& SourceLock() {
  static std::mutex m;
  return m;
}
std::function<std::uint32_t()>& Source() {
  static std::function<std::uint32_t()> source;
  return source;
}
}  // namespace

std::uint32_t GetTickCount() {
  {
    std::lock_guard<std::mutex> lock(SourceLock());
    if (Source()) return Source()();
  }
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now().time_since_epoch())
                .count();
  return static_cast<std::uint32_t>(ms);
}

void SetTickCountSource(std::function<std::uint32_t()> S) {
  std::lock_guard<std::mutex> lock(SourceLock());
  Source() = std::move(S);
}

void Sleep(std::uint32_t Milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(Milliseconds));
}
