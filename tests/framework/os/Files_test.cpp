#include "framework/os/Files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"

TEST(Files, PathPartsTakeEitherSeparator) {
  struct Case {
    const char* path;
    const char* dir;
    const char* name;
    const char* ext;
  } cases[] = {
      {"C:\\a\\b.txt", "C:\\a\\", "b.txt", ".txt"},
      {"/x/y/z.tar.gz", "/x/y/", "z.tar.gz", ".gz"},
      {"noext", "", "noext", ""},
      {"dir.d/file", "dir.d/", "file", ""},
      {"a\\b/", "a\\b/", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.path), c.dir) << c.path;
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
  }
  EXPECT_EQ(ExtractFileDir("/x/y/z"), "/x/y");
  EXPECT_EQ(ExtractFileDir("/z"), "/");
  EXPECT_EQ(ChangeFileExt("a\\b.gsd", ".bak"), "a\\b.bak");
  EXPECT_EQ(ChangeFileExt("a.d/b", ".x"), "a.d/b.x");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/a\\"), "/a\\");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/a//"), "/a");
  EXPECT_EQ(NativePath("C:\\dir\\PROJECTS\\P1\\ParGen.xml"), "C:/dir/PROJECTS/P1/ParGen.xml");
}

TEST(Files, FoldersAreMadeOneOrManyLevelsAtATime) {
  TTempFolder dir;
  EXPECT_FALSE(CreateDir(dir.File("a\\b")));  // the parent is missing
  EXPECT_TRUE(ForceDirectories(dir.File("a\\b\\c")));
  EXPECT_TRUE(DirectoryExists(dir.File("a/b/c")));
  EXPECT_TRUE(ForceDirectories(dir.File("a/b/c")));
  EXPECT_FALSE(ForceDirectories(""));
  EXPECT_TRUE(CreateDir(dir.File("a/d")));
  EXPECT_FALSE(CreateDir(dir.File("a/d")));
  EXPECT_FALSE(FileExists(dir.File("a/d")));
  dir.Write("f.txt", "x");
  EXPECT_TRUE(FileExists(dir.File("f.txt")));
  EXPECT_FALSE(DirectoryExists(dir.File("f.txt")));
  EXPECT_EQ(FileSize(dir.File("f.txt")), 1);
  EXPECT_EQ(FileSize(dir.File("none")), -1);
  dir.Write("g.txt", "y");
  EXPECT_FALSE(RenameFile(dir.File("f.txt"), dir.File("g.txt")));  // never over an existing file
  EXPECT_TRUE(RenameFile(dir.File("f.txt"), dir.File("h.txt")));
  EXPECT_TRUE(DeleteFile(dir.File("h.txt")));
  EXPECT_FALSE(DeleteFile(dir.File("a")));
  EXPECT_FALSE(RemoveDir(dir.File("a")));  // not empty
  EXPECT_TRUE(RemoveDir(dir.File("a/d")));
  EXPECT_EQ(FindNameNoCase(dir.Path(), "G.TXT"), "g.txt");
  EXPECT_EQ(FindNameNoCase(dir.Path(), "none"), "");
}

TEST(Files, ListingsAreSortedByNameWithoutCase) {
  TTempFolder dir;
  for (const char* f : {"b.lng", "A.lng", "c.LNG", "d.txt", ".hidden.lng"}) dir.Write(f, "");
  for (const char* d : {"Zeta", "alpha", ".git", "x.lng"}) ForceDirectories(dir.File(d));
  auto names = [](const std::vector<TSearchRec>& v) {
    std::vector<std::string> n;
    for (const auto& r : v) n.push_back(r.Name);
    return n;
  };
  EXPECT_EQ(names(FindFiles(dir.Path(), "*.lng", ffFilesOnly)),
            (std::vector<std::string>{"A.lng", "b.lng", "c.LNG"}));
  EXPECT_EQ(names(FindFiles(dir.Path(), "*", ffFoldersOnly)),
            (std::vector<std::string>{"alpha", "x.lng", "Zeta"}));
  EXPECT_EQ(names(FindFiles(dir.Path(), "*.*", ffFoldersOnly, true)),
            (std::vector<std::string>{".git", "alpha", "x.lng", "Zeta"}));
  EXPECT_EQ(FindFiles(dir.Path(), "?.txt").size(), 1u);
  EXPECT_TRUE(FindFiles(dir.File("missing"), "*").empty());
  auto all = FindFiles(dir.Path(), "*", ffAllEntries, true);
  EXPECT_EQ(all.size(), 9u);
  EXPECT_TRUE(MatchesMask("Report.CSV", "*.csv"));
  EXPECT_FALSE(MatchesMask("a.csv.bak", "*.csv"));
}

TEST(Files, ExeDirIsTheProgramsFolderUnlessOverridden) {
  EXPECT_TRUE(DirectoryExists(ExeDir()));
  EXPECT_TRUE(
      FileExists(ExeDir() + "/" + std::filesystem::read_symlink("/proc/self/exe").filename().string()));
  SetExeDirOverride("/tmp/app\\");
  EXPECT_EQ(ExeDir(), "/tmp/app");
  SetExeDirOverride("");
  EXPECT_NE(ExeDir(), "/tmp/app");
}
