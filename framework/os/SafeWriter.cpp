#include "framework/os/SafeWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
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

namespace fs = std::filesystem;

// The random part mkstemp and mkdtemp put at the end of a name.
bool IsTempSuffix(std::string_view s) {
  if (s.size() != 6) return false;
  for (char c : s)
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

bool HasTempName(const std::string& entry, const std::string& prefix) {
  return entry.size() == prefix.size() + 6 && entry.compare(0, prefix.size(), prefix) == 0 &&
         IsTempSuffix(std::string_view(entry).substr(prefix.size()));
}

std::vector<std::string> EntriesWithTempName(const std::string& folder, const std::string& prefix) {
  std::vector<std::string> found;
  std::error_code ec;
  for (const fs::directory_entry& e : fs::directory_iterator(folder.empty() ? "." : folder, ec)) {
    std::string name = e.path().filename().string();
    if (HasTempName(name, prefix)) found.push_back((folder.empty() ? "." : folder) + "/" + name);
  }
  return found;
}

// The temporary files of one target that a killed write left behind.
void RemoveLeftoverTemps(const std::string& folder, const std::string& name) {
  for (const std::string& stale : EntriesWithTempName(folder, "." + name + ".")) {
    struct stat st {};
    if (::lstat(stale.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(stale.c_str());
  }
}

void SyncFolder(const std::string& folder) {
  int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd < 0) return;
  ::fsync(dfd);
  ::close(dfd);
}
}  // namespace

void RemoveSafeWriteLeftovers(const std::string& FileName) {
  if (FileName.empty()) return;
  const std::string target = ResolveTarget(NativePath(FileName));
  RemoveLeftoverTemps(ExtractFileDir(target), ExtractFileName(target));
}

void SetSafeWriteFailureHook(TSafeWriteFailureHook H) {
  std::lock_guard<std::mutex> lock(HookLock());
  Hook() = std::move(H);
}

struct TSafeFileWriter::TState {
  std::string Shown;   // the name as given, for messages and hooks
  std::string Target;  // the file really replaced
  std::string Temp;
  std::string Folder;
  int Fd = -1;
  bool Exists = false;
  mode_t Mode = 0644;
  // A file of a set goes into a folder that is synced once for them all.
  bool SyncFolderAfter = true;
  std::string Error;
  int Open();
  int Put(std::string_view Data);
  int Finish();
  // Finish in two steps, for a file of a set: Place puts the written file
  // under its name, Flush then makes it reach the disk and closes it.
  int Place();
  int Flush();
  void Abandon();
};

int TSafeFileWriter::TState::Open() {
  if (Shown.empty()) return ENOENT;
  Target = ResolveTarget(Shown);
  struct stat old {};
  Exists = ::stat(Target.c_str(), &old) == 0;
  if (Exists && S_ISDIR(old.st_mode)) return EISDIR;
  // A read-only file is not replaced, as the platform refuses to. Its mode
  // says so even to root, whom access() lets write anything.
  if (Exists && (old.st_mode & 0222) == 0) return EACCES;
  if (Exists && ::access(Target.c_str(), W_OK) != 0) return errno;
  if (Exists) Mode = old.st_mode & 07777;

  Folder = ExtractFileDir(Target);
  // A write killed before its rename left its temporary file: the next write
  // of the same file clears it away, so none stays for ever.
  RemoveLeftoverTemps(Folder, ExtractFileName(Target));
  Temp = (Folder.empty() ? std::string(".") : Folder) + "/." + ExtractFileName(Target) + ".XXXXXX";
  if (int e = Injected(swsCreate, Shown)) return e;
  Fd = ::mkostemp(Temp.data(), O_CLOEXEC);
  if (Fd < 0) {
    Temp.clear();
    return errno;
  }
  return 0;
}

int TSafeFileWriter::TState::Put(std::string_view Data) {
  int err = Injected(swsWrite, Shown);
  if (err == 0) err = WriteAll(Fd, Data);
  return err;
}

int TSafeFileWriter::TState::Finish() {
  int err = Flush();
  if (err == 0) err = Place();
  if (err) return err;
  if (SyncFolderAfter) SyncFolder(Folder);
  return 0;
}

int TSafeFileWriter::TState::Place() {
  int err = Injected(swsRename, Shown);
  if (err == 0 && ::rename(Temp.c_str(), Target.c_str()) != 0) err = errno;
  if (err == 0) Temp.clear();
  return err;
}

int TSafeFileWriter::TState::Flush() {
  ::fchmod(Fd, Mode);
  int err = Injected(swsFlush, Shown);
  if (err == 0 && ::fsync(Fd) != 0) err = errno;
  if (err) return err;
  const int fd = Fd;
  Fd = -1;
  return ::close(fd) != 0 ? errno : 0;
}

void TSafeFileWriter::TState::Abandon() {
  if (Fd >= 0) ::close(Fd);
  Fd = -1;
  if (!Temp.empty()) ::unlink(Temp.c_str());
  Temp.clear();
}

TSafeFileWriter::TSafeFileWriter(const std::string& FileName) : s_(std::make_unique<TState>()) {
  s_->Shown = NativePath(FileName);
  if (int err = s_->Open()) Fail(err);
}

TSafeFileWriter::~TSafeFileWriter() { s_->Abandon(); }

void TSafeFileWriter::Fail(int Err) {
  s_->Abandon();
  throw EFCreateError(Message(s_->Shown, Err));
}

void TSafeFileWriter::Write(std::string_view Data) {
  if (s_->Fd < 0) throw EFCreateError(Message(s_->Shown, EBADF));
  if (int err = s_->Put(Data)) Fail(err);
}

void TSafeFileWriter::Commit() {
  if (s_->Fd < 0) throw EFCreateError(Message(s_->Shown, EBADF));
  if (int err = s_->Finish()) Fail(err);
}

namespace {
// One file written whole; SyncFolderAfter false leaves syncing its folder
// to the caller.
bool TryWriteOne(const std::string& FileName, std::string_view Data, std::string* Error,
                 bool SyncFolderAfter) {
  TSafeFileWriter::TState s;
  s.SyncFolderAfter = SyncFolderAfter;
  s.Shown = NativePath(FileName);
  int err = s.Open();
  if (err == 0) err = s.Put(Data);
  if (err == 0) err = s.Finish();
  if (err == 0) return true;
  s.Abandon();
  if (Error) *Error = Message(s.Shown, err);
  return false;
}

}  // namespace

bool TrySafeWriteFile(const std::string& FileName, std::string_view Data, std::string* Error) {
  return TryWriteOne(FileName, Data, Error, true);
}

void SafeWriteFile(const std::string& FileName, std::string_view Data) {
  std::string error;
  if (!TrySafeWriteFile(FileName, Data, &error)) throw EFCreateError(error);
}

// ---- File sets -------------------------------------------------------------

namespace {
bool RemoveTree(const std::string& path) {
  std::error_code ec;
  fs::remove_all(path, ec);
  return !ec && !fs::exists(fs::symlink_status(path, ec));
}

// Puts the same content at Dst as at Src without copying data where the file
// system allows: files are linked, folders made anew, links copied as links.
// Returns errno, with the entry that failed in Failed.
int CarryEntry(const std::string& src, const std::string& dst, std::string& failed) {
  struct stat st {};
  if (::lstat(src.c_str(), &st) != 0) return failed = src, errno;
  if (S_ISDIR(st.st_mode)) {
    if (::mkdir(dst.c_str(), st.st_mode & 07777) != 0) return failed = src, errno;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(src, ec)) {
      std::string name = e.path().filename().string();
      if (int err = CarryEntry(src + "/" + name, dst + "/" + name, failed)) return err;
    }
    return ec ? (failed = src, ec.value()) : 0;
  }
  if (S_ISLNK(st.st_mode)) {
    std::error_code ec;
    fs::path to = fs::read_symlink(src, ec);
    if (!ec) fs::create_symlink(to, dst, ec);
    return ec ? (failed = src, ec.value()) : 0;
  }
  if (!S_ISREG(st.st_mode)) return failed = src, ENOTSUP;
  if (::link(src.c_str(), dst.c_str()) == 0) return 0;
  std::string bytes;
  if (!ReadFileBytes(src, bytes)) return failed = src, EACCES;
  if (!TrySafeWriteFile(dst, bytes)) return failed = dst, EIO;
  ::chmod(dst.c_str(), st.st_mode & 07777);
  return 0;
}

int ExchangeFolders(const std::string& a, const std::string& b) {
  return ::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0 ? 0 : errno;
}

bool IsReadOnly(const std::string& file) {
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) return false;
  return (st.st_mode & 0222) == 0 || ::access(file.c_str(), W_OK) != 0;
}
}  // namespace

bool TrySafeWriteFileSet(const std::string& Folder, const std::vector<TSafeWriteSetFile>& Files,
                         std::string* Error) {
  auto failed = [&](const std::string& message) {
    if (Error) *Error = message;
    return false;
  };
  const std::string shown = ExcludeTrailingPathDelimiter(NativePath(Folder));
  if (shown.empty()) return failed("Cannot create the folder \"\". " + std::string(std::strerror(ENOENT)));
  // A link to a folder stays a link: the folder it leads to is replaced.
  const std::string folder = ResolveTarget(shown);
  std::string parent = ExtractFileDir(folder);
  if (parent.empty()) parent = ".";
  const std::string base = ExtractFileName(folder);
  const std::string newPrefix = "." + base + ".new.";
  const std::string oldPrefix = "." + base + ".old.";

  // An earlier call killed between moving the old folder aside and putting
  // the new one in place left no folder: the old one goes back first.
  struct stat st {};
  bool exists = ::stat(folder.c_str(), &st) == 0;
  if (exists && !S_ISDIR(st.st_mode))
    return failed("Cannot create the folder \"" + shown + "\". " + std::strerror(ENOTDIR));
  if (!exists) {
    for (const std::string& aside : EntriesWithTempName(parent, oldPrefix))
      if (::rename(aside.c_str(), folder.c_str()) == 0) {
        exists = ::stat(folder.c_str(), &st) == 0;
        break;
      }
  }
  for (const std::string& prefix : {newPrefix, oldPrefix})
    for (const std::string& stale : EntriesWithTempName(parent, prefix)) RemoveTree(stale);
  if (exists)
    for (const TSafeWriteSetFile& f : Files)
      for (const std::string& stale : EntriesWithTempName(folder, "." + f.Name + "."))
        ::unlink(stale.c_str());

  const std::string unchanged = exists ? " The files in \"" + shown + "\" were not changed."
                                       : " The folder \"" + shown + "\" was not created.";
  if (exists)
    for (const TSafeWriteSetFile& f : Files)
      if (IsReadOnly(folder + "/" + f.Name))
        return failed(Message(NativePath(shown + "/" + f.Name), EACCES) + "." + unchanged);

  std::string staging = parent + "/" + newPrefix + "XXXXXX";
  if (::mkdtemp(staging.data()) == nullptr) {
    int err = errno;
    return failed("Cannot create a folder in \"" + NativePath(parent) + "\". " + std::strerror(err) + "." +
                  unchanged);
  }
  ::chmod(staging.c_str(), exists ? (st.st_mode & 07777) : 0755);
  auto abandon = [&](const std::string& message) {
    std::string text = message + unchanged;
    if (!RemoveTree(staging)) text += " The unfinished files were left in \"" + staging + "\".";
    return failed(text);
  };

  if (exists) {
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) {
      std::string name = e.path().filename().string();
      bool replaced = false;
      for (const TSafeWriteSetFile& f : Files) replaced = replaced || f.Name == name;
      if (replaced) continue;
      std::string what;
      if (int err = CarryEntry(folder + "/" + name, staging + "/" + name, what))
        return abandon("Cannot carry \"" + what + "\" over. " + std::strerror(err) + ".");
    }
    if (ec) return abandon("Cannot read the folder \"" + shown + "\". " + ec.message() + ".");
  }
  // Every file is written and in its place in the staging folder before the
  // first is flushed: no one sees that folder until it takes the old one's
  // place, and the flushes then reach the disk together, the folder's own
  // finding nothing left to do.
  std::vector<TSafeFileWriter::TState> written(Files.size());
  auto give_up = [&](TSafeFileWriter::TState& s, int err) {
    const std::string message = Message(s.Shown, err) + ".";
    for (TSafeFileWriter::TState& w : written) w.Abandon();
    return abandon(message);
  };
  for (std::size_t i = 0; i < Files.size(); ++i) {
    TSafeFileWriter::TState& s = written[i];
    s.SyncFolderAfter = false;
    s.Shown = NativePath(staging + "/" + Files[i].Name);
    struct stat old {};
    if (exists && ::stat((folder + "/" + Files[i].Name).c_str(), &old) == 0) s.Mode = old.st_mode & 07777;
    int err = s.Open();
    if (err == 0) err = s.Put(Files[i].Data);
    // The disk starts on the data now, while the other files are written.
    if (err == 0) ::sync_file_range(s.Fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    if (err == 0) err = s.Place();
    if (err) return give_up(s, err);
  }
  for (TSafeFileWriter::TState& s : written)
    if (int err = s.Flush()) return give_up(s, err);

  SyncFolder(staging);

  // The one step: afterwards the staging name holds the old folder.
  std::string aside;
  int err = Injected(swsExchange, shown);
  if (err == 0 && !exists && ::rename(staging.c_str(), folder.c_str()) != 0) err = errno;
  if (err == 0 && exists) {
    err = ExchangeFolders(staging, folder);
    if (err == EINVAL || err == ENOSYS || err == ENOTSUP) {
      // No exchange on this file system: two renames, and the next call puts
      // the old folder back if a kill falls between them.
      aside = parent + "/" + oldPrefix + "XXXXXX";
      if (::mkdtemp(aside.data()) == nullptr) {
        err = errno;
        aside.clear();
      } else if (::rename(folder.c_str(), aside.c_str()) != 0) {
        err = errno;
        ::rmdir(aside.c_str());
        aside.clear();
      } else if (::rename(staging.c_str(), folder.c_str()) != 0) {
        err = errno;
        if (::rename(aside.c_str(), folder.c_str()) != 0)
          return failed("Cannot replace the folder \"" + shown + "\". " + std::strerror(err) +
                        ". The old files were left in \"" + aside + "\" and the new ones in \"" + staging +
                        "\".");
        aside.clear();
      } else {
        err = 0;
      }
    }
  }
  if (err != 0) return abandon("Cannot replace the folder \"" + shown + "\". " + std::strerror(err) + ".");
  SyncFolder(parent);
  // What is left of the old folder goes now, or with the next call.
  RemoveTree(aside.empty() ? staging : aside);
  return true;
}
