#include "framework/classes/Streams.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "../os/TempFolder.h"

TEST(Streams, MemoryStreamReadsWritesAndSeeks) {
  TMemoryStream ms;
  ms.WriteU16(0x1234);
  ms.WriteU32(0xA1B2C3D4);
  EXPECT_EQ(ms.Bytes(), std::string("\x34\x12\xD4\xC3\xB2\xA1"));
  ms.SetPosition(0);
  EXPECT_EQ(ms.ReadU16(), 0x1234);
  EXPECT_EQ(ms.ReadU32(), 0xA1B2C3D4u);
  char c;
  EXPECT_EQ(ms.Read(&c, 1), 0);
  try {
    ms.ReadBuffer(&c, 1);
    FAIL() << "no exception";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Stream read error");
  }
  ms.Seek(8, soBeginning);  // past the end: a write fills the gap
  ms.WriteU8(7);
  EXPECT_EQ(ms.Size(), 9);
  EXPECT_EQ(ms.Bytes()[6], '\0');
  ms.SetSize(2);
  EXPECT_EQ(ms.Position(), 2);
  EXPECT_EQ(ms.Seek(-1, soEnd), 1);
  TStringStream ss("abc");
  ss.Seek(0, soEnd);
  ss.WriteString("d");
  EXPECT_EQ(ss.DataString(), "abcd");
  TMemoryStream copy;
  copy.CopyFrom(&ss, 0);
  EXPECT_EQ(copy.Bytes(), "abcd");
}

// A count taken from the data may ask for far more than the stream holds:
// the read gives what is there and reserves nothing beyond it (it used to
// reserve the whole count first).
TEST(Streams, AReadOfMoreThanTheStreamHoldsGivesWhatIsThere) {
  TStringStream ss("0123456789");
  ss.SetPosition(4);
  EXPECT_EQ(ss.ReadString(int64_t{1} << 40), "456789");
  EXPECT_EQ(ss.Position(), 10);
  EXPECT_EQ(ss.ReadString(int64_t{1} << 40), "");
  ss.SetPosition(8);
  EXPECT_EQ(ss.ReadString(2), "89");
}

TEST(Streams, FileStreamCreatesOpensAndReports) {
  TTempFolder dir;
  {
    TFileStream f(dir.File("a.bin"), fmCreate);
    f.WriteString("hello");
  }
  EXPECT_EQ(dir.Read("a.bin"), "hello");
  {
    TFileStream f(dir.File("a.bin"), fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(f.Size(), 5);
    f.Seek(1, soBeginning);
    EXPECT_EQ(f.ReadString(10), "ello");
  }
  try {
    TFileStream f(dir.File("none.bin"), fmOpenRead);
    FAIL() << "no exception";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message().rfind("Cannot open file \"" + dir.File("none.bin") + "\". ", 0), 0u);
  }
  EXPECT_THROW(TFileStream(dir.File("no/such/dir.bin"), fmCreate), EFCreateError);
  TMemoryStream ms;
  ms.LoadFromFile(dir.File("a.bin"));
  EXPECT_EQ(ms.Bytes(), "hello");
  ms.SaveToFile(dir.File("b.bin"));
  EXPECT_EQ(dir.Read("b.bin"), "hello");
}
