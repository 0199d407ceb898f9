#include "framework/os/SafeWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "framework/os/Files.h"
#include "framework/rtl/SysUtils.h"

namespace {
std::mutex& HookLock() {
  static std::mutex m;
  return m;
}
TSafeWriteFailureHook& Hook() {
  static TSafeWriteFailureHook hook;
  return hook;
}

int Injected(TSafeWriteStage stage, const std::string& name) {
  std::lock_guard<std::mutex> lock(HookLock());
  return Hook() ? Hook()(stage, name) : 0;
}

std::string Message(const std::string& name, int err) {
  return "Cannot create file \"" + name + "\". " + std::strerror(err);
}

// The file a write really replaces: a link is followed to its target.
std::string ResolveTarget(const std::string& path) {
  char buf[PATH_MAX];
  if (::realpath(path.c_str(), buf) != nullptr) return buf;
  return path;
}

int WriteAll(int fd, std::string_view data) {
  std::size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

void SyncFolder(const std::string& folder) {
  int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd < 0) return;
  ::fsync(dfd);
  ::close(dfd);
}
}  // namespace

void SetSafeWriteFailureHook(TSafeWriteFailureHook H) {
  std::lock_guard<std::mutex> lock(HookLock());
  Hook() = std::move(H);
}

bool TrySafeWriteFile(const std::string& FileName, std::string_view Data, std::string* Error) {
  const std::string shown = NativePath(FileName);
  auto failed = [&](int err) {
    if (Error) *Error = Message(shown, err);
    return false;
  };
  if (shown.empty()) return failed(ENOENT);
  const std::string target = ResolveTarget(shown);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) return failed(EISDIR);
  // A read-only file is not replaced, as the platform refuses to.
  if (exists && ::access(target.c_str(), W_OK) != 0) return failed(errno);

  std::string folder = ExtractFileDir(target);
  std::string tmpl =
      (folder.empty() ? std::string(".") : folder) + "/." + ExtractFileName(target) + ".XXXXXX";
  if (int e = Injected(swsCreate, shown)) return failed(e);
  int fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
  if (fd < 0) return failed(errno);
  auto abandon = [&](int err) {
    ::close(fd);
    ::unlink(tmpl.c_str());
    return failed(err);
  };
  int err = Injected(swsWrite, shown);
  if (err == 0) err = WriteAll(fd, Data);
  if (err) return abandon(err);
  ::fchmod(fd, exists ? (old.st_mode & 07777) : 0644);
  err = Injected(swsFlush, shown);
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (err) return abandon(err);
  if (::close(fd) != 0) {
    int e = errno;
    ::unlink(tmpl.c_str());
    return failed(e);
  }
  err = Injected(swsRename, shown);
  if (err == 0 && ::rename(tmpl.c_str(), target.c_str()) != 0) err = errno;
  if (err) {
    ::unlink(tmpl.c_str());
    return failed(err);
  }
  SyncFolder(folder);
  return true;
}

void SafeWriteFile(const std::string& FileName, std::string_view Data) {
  std::string error;
  if (!TrySafeWriteFile(FileName, Data, &error)) throw EFCreateError(error);
}
