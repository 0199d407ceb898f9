#include "framework/os/Shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <mutex>
#include <thread>

#include "framework/rtl/StrUtils.h"

extern char** environ;

namespace {
std::mutex& OpenerLock() {
  static std::mutex m;
  return m;
}
std::function<bool(const std::string&)>& Opener() {
  static std::function<bool(const std::string&)> f;
  return f;
}

bool XdgOpen(const std::string& url) {
  std::string prog = "xdg-open";
  std::string arg = url;
  char* argv[] = {prog.data(), arg.data(), nullptr};
  pid_t pid = -1;
  if (::posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) != 0) return false;
  // The opener returns quickly; reap it without making the caller wait.
  std::thread([pid] {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return true;
}
}  // namespace

bool IsOpenableUrl(const std::string& Url) {
  for (unsigned char c : Url)
    if (c <= 0x20 || c == 0x7F) return false;
  std::string lower = LowerCase(Url);
  for (const char* scheme : {"http://", "https://"})
    if (lower.rfind(scheme, 0) == 0) return lower.size() > std::string(scheme).size();
  return lower.rfind("mailto:", 0) == 0 && lower.size() > 7;
}

bool OpenUrl(const std::string& Url) {
  if (!IsOpenableUrl(Url)) return false;
  std::function<bool(const std::string&)> opener;
  {
    std::lock_guard<std::mutex> l(OpenerLock());
    opener = Opener();
  }
  return opener ? opener(Url) : XdgOpen(Url);
}

void SetUrlOpener(std::function<bool(const std::string& Url)> O) {
  std::lock_guard<std::mutex> l(OpenerLock());
  Opener() = std::move(O);
}
