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
#include <string>
#include <string_view>

enum TSafeWriteStage { swsCreate, swsWrite, swsFlush, swsRename };

// Writes Data to FileName; raises EFCreateError
// "Cannot create file \"<name>\". <reason>" on failure.
void SafeWriteFile(const std::string& FileName, std::string_view Data);
// The same, reporting failure as false with the message in *Error.
bool TrySafeWriteFile(const std::string& FileName, std::string_view Data, std::string* Error = nullptr);

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
