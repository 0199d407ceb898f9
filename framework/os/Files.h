#pragma once
// Files and folders.
//
// Paths in the program are built the platform's way, with "\" between
// folders; NativePath is the one place that turns them into "/" paths. Every
// routine here takes either form. The path helpers treat both "\" and "/"
// as separators.
//
// Listings are sorted by name without regard to case, as the platform lists
// folders. There are no file attributes here: a name starting with "." counts
// as hidden, and a file we may not write counts as read-only.
#include <cstdint>
#include <string>
#include <vector>

inline constexpr char PathDelim = '/';

// "\" to "/"; nothing else changes.
std::string NativePath(const std::string& Path);

bool FileExists(const std::string& FileName);
bool DirectoryExists(const std::string& Folder);
// The actual name of the entry of Folder that equals Name without regard to
// case (the exact name first); empty when there is none.
std::string FindNameNoCase(const std::string& Folder, const std::string& Name);
// Creates one folder (its parent must exist); false on failure.
bool CreateDir(const std::string& Folder);
// Creates a folder and any missing parents; false on failure or empty path.
bool ForceDirectories(const std::string& Folder);
bool DeleteFile(const std::string& FileName);
// Removes an empty folder.
bool RemoveDir(const std::string& Folder);
// Fails when NewName exists, as the platform's rename does.
bool RenameFile(const std::string& OldName, const std::string& NewName);
// -1 when the file does not exist.
std::int64_t FileSize(const std::string& FileName);
// Reads a whole file; false when it cannot be read.
bool ReadFileBytes(const std::string& FileName, std::string& Bytes);

// "C:\a\b.txt" -> "C:\a\" (with its final separator).
std::string ExtractFilePath(const std::string& FileName);
// The folder without a final separator.
std::string ExtractFileDir(const std::string& FileName);
std::string ExtractFileName(const std::string& FileName);
// ".txt", with its dot; empty when there is none.
std::string ExtractFileExt(const std::string& FileName);
std::string ChangeFileExt(const std::string& FileName, const std::string& Extension);
std::string IncludeTrailingPathDelimiter(const std::string& Path);
std::string ExcludeTrailingPathDelimiter(const std::string& Path);

// The folder of the running executable, without a final separator. Tests may
// point it elsewhere; an empty text restores the real one.
std::string ExeDir();
void SetExeDirOverride(const std::string& Folder);

enum TFileAttr : unsigned {
  faReadOnly = 0x01,
  faHidden = 0x02,
  faDirectory = 0x10,
  faArchive = 0x20,
};

struct TSearchRec {
  std::string Name;
  unsigned Attr = 0;
  std::int64_t Size = 0;
  bool IsDirectory() const { return (Attr & faDirectory) != 0; }
  bool IsHidden() const { return (Attr & faHidden) != 0; }
};

enum TFindFilter { ffAllEntries, ffFilesOnly, ffFoldersOnly };

// Entries of Folder whose names match Pattern ("*" and "?" wildcards, any
// case; "*.*" and "*" match every name), sorted by name without regard to
// case. "." and ".." are never listed; hidden entries only when asked for.
std::vector<TSearchRec> FindFiles(const std::string& Folder, const std::string& Pattern,
                                  TFindFilter Filter = ffAllEntries, bool IncludeHidden = false);
// The wildcard match FindFiles uses.
bool MatchesMask(const std::string& Name, const std::string& Mask);
