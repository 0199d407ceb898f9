#include "framework/os/Files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fstream>
#include <mutex>
#include <sstream>

#include "framework/rtl/StrUtils.h"

namespace {
bool IsSep(char c) { return c == '/' || c == '\\'; }

std::mutex& ExeLock() {
  static std::mutex m;
  return m;
}
std::string& ExeOverride() {
  static std::string s;
  return s;
}

// Wildcard match without regard to ASCII case; "*" runs over any text.
bool Match(const char* n, const char* m) {
  const char* starN = nullptr;
  const char* starM = nullptr;
  while (*n) {
    char a = *n, b = *m;
    if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 32);
    if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 32);
    if (*m == '*') {
      starM = m++;
      starN = n;
    } else if (*m == '?' || a == b) {
      ++n;
      ++m;
    } else if (starM) {
      m = starM + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (*m == '*') ++m;
  return *m == '\0';
}
}  // namespace

std::string NativePath(const std::string& Path) {
  std::string r = Path;
  std::replace(r.begin(), r.end(), '\\', '/');
  return r;
}

bool FileExists(const std::string& FileName) {
  struct stat st {};
  return !FileName.empty() && ::stat(NativePath(FileName).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& Folder) {
  struct stat st {};
  return !Folder.empty() && ::stat(NativePath(Folder).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string FindNameNoCase(const std::string& Folder, const std::string& Name) {
  std::string dir = Folder.empty() ? "." : NativePath(Folder);
  struct stat st {};
  if (::lstat((dir + "/" + Name).c_str(), &st) == 0) return Name;
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return {};
  std::string found;
  while (dirent* e = ::readdir(d)) {
    if (SameText(e->d_name, Name)) {
      found = e->d_name;
      break;
    }
  }
  ::closedir(d);
  return found;
}

bool CreateDir(const std::string& Folder) {
  return !Folder.empty() && ::mkdir(NativePath(Folder).c_str(), 0777) == 0;
}

bool ForceDirectories(const std::string& Folder) {
  std::string path = ExcludeTrailingPathDelimiter(NativePath(Folder));
  if (path.empty()) return false;
  if (DirectoryExists(path)) return true;
  std::string parent = ExtractFileDir(path);
  if (!parent.empty() && parent != path && !ForceDirectories(parent)) return false;
  return CreateDir(path) || DirectoryExists(path);
}

bool DeleteFile(const std::string& FileName) {
  if (DirectoryExists(FileName)) return false;
  return ::unlink(NativePath(FileName).c_str()) == 0;
}

bool RemoveDir(const std::string& Folder) { return ::rmdir(NativePath(Folder).c_str()) == 0; }

bool RenameFile(const std::string& OldName, const std::string& NewName) {
  struct stat st {};
  if (::lstat(NativePath(NewName).c_str(), &st) == 0) return false;
  return ::rename(NativePath(OldName).c_str(), NativePath(NewName).c_str()) == 0;
}

std::int64_t FileSize(const std::string& FileName) {
  struct stat st {};
  if (::stat(NativePath(FileName).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return -1;
  return static_cast<std::int64_t>(st.st_size);
}

bool ReadFileBytes(const std::string& FileName, std::string& Bytes) {
  if (!FileExists(FileName)) return false;
  std::ifstream in(NativePath(FileName), std::ios::binary);
  if (!in) return false;
  // A file of known size is read in one piece; anything else (a pipe, a
  // file growing meanwhile) to its end.
  const std::int64_t size = FileSize(FileName);
  std::string bytes;
  if (size > 0) {
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return false;
    if (in.eof()) {
      Bytes = std::move(bytes);
      return true;
    }
    in.clear();
  }
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) return false;
  Bytes = std::move(bytes) + std::move(ss).str();
  return true;
}

std::string ExtractFilePath(const std::string& FileName) {
  for (std::size_t i = FileName.size(); i > 0; --i)
    if (IsSep(FileName[i - 1]) || FileName[i - 1] == ':') return FileName.substr(0, i);
  return {};
}

std::string ExtractFileDir(const std::string& FileName) {
  std::string p = ExtractFilePath(FileName);
  // Keep a lone root separator: the folder of "/x" is "/".
  if (p.size() > 1 && IsSep(p.back())) p.pop_back();
  return p;
}

std::string ExtractFileName(const std::string& FileName) {
  return FileName.substr(ExtractFilePath(FileName).size());
}

std::string ExtractFileExt(const std::string& FileName) {
  for (std::size_t i = FileName.size(); i > 0; --i) {
    char c = FileName[i - 1];
    if (IsSep(c) || c == ':') return {};
    if (c == '.') return FileName.substr(i - 1);
  }
  return {};
}

std::string ChangeFileExt(const std::string& FileName, const std::string& Extension) {
  std::string ext = ExtractFileExt(FileName);
  return FileName.substr(0, FileName.size() - ext.size()) + Extension;
}

std::string IncludeTrailingPathDelimiter(const std::string& Path) {
  if (!Path.empty() && IsSep(Path.back())) return Path;
  return Path + PathDelim;
}

std::string ExcludeTrailingPathDelimiter(const std::string& Path) {
  std::string r = Path;
  while (r.size() > 1 && IsSep(r.back())) r.pop_back();
  return r;
}

std::string ExeDir() {
  {
    std::lock_guard<std::mutex> lock(ExeLock());
    if (!ExeOverride().empty()) return ExeOverride();
  }
  char buf[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  return ExtractFileDir(std::string(buf, static_cast<std::size_t>(n)));
}

void SetExeDirOverride(const std::string& Folder) {
  std::lock_guard<std::mutex> lock(ExeLock());
  ExeOverride() = ExcludeTrailingPathDelimiter(NativePath(Folder));
}

bool MatchesMask(const std::string& Name, const std::string& Mask) {
  if (Mask.empty() || Mask == "*" || Mask == "*.*") return true;
  return Match(Name.c_str(), Mask.c_str());
}

std::vector<TSearchRec> FindFiles(const std::string& Folder, const std::string& Pattern, TFindFilter Filter,
                                  bool IncludeHidden) {
  std::vector<TSearchRec> out;
  std::string dir = Folder.empty() ? "." : ExcludeTrailingPathDelimiter(NativePath(Folder));
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return out;
  while (dirent* e = ::readdir(d)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    if (!MatchesMask(name, Pattern)) continue;
    std::string full = dir + "/" + name;
    struct stat st {};
    if (::stat(full.c_str(), &st) != 0) continue;  // a dangling link is no entry
    TSearchRec r;
    r.Name = name;
    r.Size = S_ISDIR(st.st_mode) ? 0 : static_cast<std::int64_t>(st.st_size);
    r.Attr = S_ISDIR(st.st_mode) ? faDirectory : faArchive;
    if (name[0] == '.') r.Attr |= faHidden;
    if (::access(full.c_str(), W_OK) != 0) r.Attr |= faReadOnly;
    if (!IncludeHidden && r.IsHidden()) continue;
    if (Filter == ffFilesOnly && r.IsDirectory()) continue;
    if (Filter == ffFoldersOnly && !r.IsDirectory()) continue;
    out.push_back(std::move(r));
  }
  ::closedir(d);
  std::sort(out.begin(), out.end(), [](const TSearchRec& a, const TSearchRec& b) {
    int c = CompareText(a.Name, b.Name);
    return c != 0 ? c < 0 : a.Name < b.Name;
  });
  return out;
}
