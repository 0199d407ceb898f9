#include "framework/os/SafeWriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "TempFolder.h"
#include "framework/rtl/SysUtils.h"

TEST(SafeWriter, WritesNewFilesAndReplacesOldOnes) {
  TTempFolder dir;
  SafeWriteFile(dir.File("a.xml"), "first");
  EXPECT_EQ(dir.Read("a.xml"), "first");
  ::chmod(dir.File("a.xml").c_str(), 0640);
  SafeWriteFile(dir.File("a.xml"), std::string("sec\0ond", 7));
  EXPECT_EQ(dir.Read("a.xml"), std::string("sec\0ond", 7));
  struct stat st {};
  ::stat(dir.File("a.xml").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);        // the old permissions carry over
  SafeWriteFile(dir.Path() + "\\b.xml", "");  // platform separators are fine
  EXPECT_EQ(dir.Read("b.xml"), "");
  EXPECT_EQ(dir.EntryCount(), 2);
}

TEST(SafeWriter, AFailureAtAnyStageLeavesTheOldFileIntact) {
  TTempFolder dir;
  const std::string old = "old bytes\r\n\x01\xFF";
  for (TSafeWriteStage stage : {swsCreate, swsWrite, swsFlush, swsRename}) {
    dir.Write("t.bin", old);
    TSafeWriteHookScope fail(
        [stage](TSafeWriteStage s, const std::string&) { return s == stage ? ENOSPC : 0; });
    std::string error;
    EXPECT_FALSE(TrySafeWriteFile(dir.File("t.bin"), "new", &error)) << stage;
    EXPECT_EQ(error, "Cannot create file \"" + dir.File("t.bin") + "\". " + std::strerror(ENOSPC));
    EXPECT_EQ(dir.Read("t.bin"), old) << stage;
    EXPECT_EQ(dir.EntryCount(), 1) << "a temporary file was left at stage " << stage;
    EXPECT_THROW(SafeWriteFile(dir.File("t.bin"), "new"), EFCreateError);
  }
  EXPECT_TRUE(TrySafeWriteFile(dir.File("t.bin"), "new"));
  EXPECT_EQ(dir.Read("t.bin"), "new");
}

TEST(SafeWriter, MissingFolderOrFolderTargetIsReported) {
  TTempFolder dir;
  std::string error;
  EXPECT_FALSE(TrySafeWriteFile(dir.File("no/such/x.bin"), "x", &error));
  EXPECT_NE(error.find("no/such/x.bin"), std::string::npos);
  EXPECT_FALSE(TrySafeWriteFile(dir.Path(), "x", &error));
  EXPECT_FALSE(TrySafeWriteFile("", "x", &error));
}

TEST(SafeWriter, ReadOnlyFileIsRefusedForEveryUser) {
  TTempFolder dir;
  dir.Write("ro.txt", "keep");
  ::chmod(dir.File("ro.txt").c_str(), 0444);
  std::string error;
  EXPECT_FALSE(TrySafeWriteFile(dir.File("ro.txt"), "new", &error));
  EXPECT_EQ(error, "Cannot create file \"" + dir.File("ro.txt") + "\". " + std::strerror(EACCES));
  EXPECT_EQ(dir.Read("ro.txt"), "keep");
  EXPECT_EQ(dir.EntryCount(), 1);
}

TEST(SafeWriter, ReadOnlyFolderIsRefused) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder; the failure hook covers this case";
  TTempFolder dir;
  dir.Write("ro.txt", "keep");
  ::chmod(dir.Path().c_str(), 0555);
  EXPECT_FALSE(TrySafeWriteFile(dir.File("ro.txt"), "new"));
  ::chmod(dir.Path().c_str(), 0755);
  EXPECT_EQ(dir.Read("ro.txt"), "keep");
}

// A write killed before its rename leaves its temporary file; the next write
// of that file, or the clean-up the program runs at start-up, removes it.
// Temporaries of other files, and names that only look alike, stay.
TEST(SafeWriter, LeftoversOfAKilledWriteGoWithTheNextWrite) {
  TTempFolder dir;
  dir.Write("ParGen.xml", "old");
  auto killed_write = [&](const std::string& name) {
    const pid_t child = ::fork();
    if (child == 0) {
      TSafeFileWriter w(dir.File(name));
      w.Write("half written");
      ::kill(::getpid(), SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
  };
  killed_write("ParGen.xml");
  killed_write("ParGen.xml");
  killed_write("Quorvane.xml");
  for (const char* other : {".ParGen.xml.bak", ".ParGen.xml.ABCDEFG", "ParGen.xml.ABCDEF"})
    dir.Write(other, "not ours");
  // The second write of ParGen.xml cleared what the first one left.
  ASSERT_EQ(dir.EntryCount(), 6) << "each kill leaves one temporary file";

  SafeWriteFile(dir.File("ParGen.xml"), "new");
  EXPECT_EQ(dir.Read("ParGen.xml"), "new");
  EXPECT_EQ(dir.EntryCount(), 5) << "the two of ParGen.xml are gone, the others stay";

  RemoveSafeWriteLeftovers(dir.File("Quorvane.xml"));
  EXPECT_EQ(dir.EntryCount(), 4);
  EXPECT_FALSE(std::filesystem::exists(dir.File("Quorvane.xml")));
  for (const char* other : {".ParGen.xml.bak", ".ParGen.xml.ABCDEFG", "ParGen.xml.ABCDEF"})
    EXPECT_EQ(dir.Read(other), "not ours") << other;
}
