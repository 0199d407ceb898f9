#pragma once
// The one way the program writes a file: the data goes to a temporary file
// beside the target, is flushed to disk, and only then replaces the target by
// a rename. A failure at any step removes the temporary file, leaves the old
// target byte for byte as it was, and is reported; a failed save is never
// reported as success.
//
// A target that exists but may not be written (a read-only file) is refused,
// as the platform refuses to replace it. The old file's permissions carry
// over to the new one.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// swsExchange: a file set's new folder taking the place of the old one.
enum TSafeWriteStage { swsCreate, swsWrite, swsFlush, swsRename, swsExchange };

// Writes Data to FileName; raises EFCreateError
// "Cannot create file \"<name>\". <reason>" on failure.
void SafeWriteFile(const std::string& FileName, std::string_view Data);
// The same, reporting failure as false with the message in *Error.
bool TrySafeWriteFile(const std::string& FileName, std::string_view Data, std::string* Error = nullptr);

// Removes the temporary files that writes of FileName killed before their
// rename left beside it (".<name>.XXXXXX"). Every write does this first; the
// program calls it at start-up for the files it keeps.
void RemoveSafeWriteLeftovers(const std::string& FileName);

// The same for a file written piece by piece: the pieces go to the
// temporary file as they come, and Commit flushes it and puts it in the
// target's place. A writer freed without Commit (a failure on the way)
// removes the temporary file; the target stays as it was. Every step raises
// EFCreateError as SafeWriteFile does, and the writer is done after a
// failure.
class TSafeFileWriter {
 public:
  explicit TSafeFileWriter(const std::string& FileName);
  ~TSafeFileWriter();
  TSafeFileWriter(const TSafeFileWriter&) = delete;
  TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;
  void Write(std::string_view Data);
  void Commit();

  struct TState;

 private:
  [[noreturn]] void Fail(int Err);
  std::unique_ptr<TState> s_;
};

// Files that must only ever be seen together: the named files of one folder
// are replaced as a set. At any moment, a kill included, the folder holds
// either all the new files or all the old ones. They are written into a new
// folder beside it, which takes the folder's place in one step (the old
// folder's other entries are carried over first). The folder is made when
// missing; what an interrupted earlier call left beside it or in it is
// removed (or, when it is the only copy of the old folder, put back) first.
// A failure leaves the folder as it was and the message says so, and names
// anything that could not be cleaned away.
struct TSafeWriteSetFile {
  std::string Name;
  std::string_view Data;
};
bool TrySafeWriteFileSet(const std::string& Folder, const std::vector<TSafeWriteSetFile>& Files,
                         std::string* Error = nullptr);

// Test hook, asked before each stage: a non-zero errno value (ENOSPC for a
// full disk, EACCES, EIO) makes that stage fail as if the system had said
// so. An empty function removes the hook.
using TSafeWriteFailureHook = std::function<int(TSafeWriteStage Stage, const std::string& FileName)>;
void SetSafeWriteFailureHook(TSafeWriteFailureHook Hook);

// Installs a hook for the lifetime of the scope.
class TSafeWriteHookScope {
 public:
  explicit TSafeWriteHookScope(TSafeWriteFailureHook Hook) { SetSafeWriteFailureHook(std::move(Hook)); }
  ~TSafeWriteHookScope() { SetSafeWriteFailureHook(nullptr); }
  TSafeWriteHookScope(const TSafeWriteHookScope&) = delete;
  TSafeWriteHookScope& operator=(const TSafeWriteHookScope&) = delete;
};
