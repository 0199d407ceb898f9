#include "framework/classes/IniFiles.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "../os/TempFolder.h"
#include "framework/classes/StringList.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"

TEST(IniFiles, KeepsOrderCommentsAndCaseBlindNames) {
  TTempFolder dir;
  dir.Write("grid.ini", "; column store\r\n[Columns]\r\nCol0 = 64\r\ncol1=80\r\n\r\n[Other]\r\nx=1\r\n");
  TMemIniFile ini(dir.File("grid.ini"));
  EXPECT_EQ(ini.ReadInteger("columns", "COL0", -1), 64);
  EXPECT_EQ(ini.ReadString("Columns", "Col1", ""), "80");
  EXPECT_EQ(ini.ReadInteger("Columns", "Col9", -1), -1);
  ini.WriteInteger("Columns", "Col2", 120);
  ini.WriteString("New", "Key", "v a l");
  ini.WriteInteger("Columns", "col0", 70);
  TStringList keys;
  ini.ReadSection("Columns", &keys);
  EXPECT_EQ(keys.CommaText(), "Col0,col1,Col2");
  ini.ReadSections(&keys);
  EXPECT_EQ(keys.CommaText(), "Columns,Other,New");
  ini.UpdateFile();
  EXPECT_EQ(
      dir.Read("grid.ini"),
      "; column store\r\n[Columns]\r\nCol0=70\r\ncol1=80\r\nCol2=120\r\n\r\n[Other]\r\nx=1\r\n[New]\r\nKey=v "
      "a l\r\n");
  ini.EraseSection("other");
  ini.DeleteKey("Columns", "COL1");
  EXPECT_FALSE(ini.SectionExists("Other"));
  EXPECT_FALSE(ini.ValueExists("Columns", "col1"));
  EXPECT_TRUE(ini.ValueExists("Columns", "col2"));
  ini.ReadSectionValues("Columns", &keys);
  EXPECT_EQ(keys.Text(), "Col0=70\r\nCol2=120\r\n");
}

TEST(IniFiles, TypedValues) {
  TTempFolder dir;
  TMemIniFile ini(dir.File("none.ini"));  // a missing file is an empty store
  ini.WriteString("S", "hex", "0x1F");
  ini.WriteString("S", "dollar", "$10");
  ini.WriteString("S", "bad", "12a");
  ini.WriteBool("S", "on", true);
  ini.WriteFloat("S", "f", 2.5);
  ini.WriteString("S", "multi", "first\r\nsecond");
  EXPECT_EQ(ini.ReadInteger("S", "hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("S", "dollar", 0), 16);
  EXPECT_EQ(ini.ReadInteger("S", "bad", -1), -1);
  EXPECT_TRUE(ini.ReadBool("S", "on", false));
  EXPECT_TRUE(ini.ReadBool("S", "hex", false));
  EXPECT_FALSE(ini.ReadBool("S", "missing", false));
  EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "f", 0), 2.5);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "bad", -1), -1);
  EXPECT_EQ(ini.ReadString("S", "multi", ""), "first");
  EXPECT_THROW(ini.WriteString("S", "", "x"), EIniFileException);
  EXPECT_FALSE(FileExists(dir.File("none.ini")));  // nothing written before UpdateFile
}

TEST(IniFiles, IniFileWritesThroughAndReportsFailure) {
  TTempFolder dir;
  {
    TIniFile ini(dir.File("p.ini"));
    ini.WriteString("Print", "Title", "x");
  }
  EXPECT_EQ(dir.Read("p.ini"), "[Print]\r\nTitle=x\r\n");
  TIniFile ini(dir.File("p.ini"));
  TSafeWriteHookScope full([](TSafeWriteStage s, const std::string&) { return s == swsWrite ? ENOSPC : 0; });
  try {
    ini.WriteString("Print", "Title", "y");
    FAIL() << "no exception";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + dir.File("p.ini"));
  }
  EXPECT_EQ(dir.Read("p.ini"), "[Print]\r\nTitle=x\r\n");
}
