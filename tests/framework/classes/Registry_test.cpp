#include "framework/classes/Registry.h"

#include <gtest/gtest.h>

#include "../os/TempFolder.h"
#include "framework/classes/StringList.h"
#include "framework/rtl/SysUtils.h"

namespace {
struct RegistryFolderScope {
  explicit RegistryFolderScope(const std::string& f) { SetRegistryFolder(f); }
  ~RegistryFolderScope() { SetRegistryFolder(""); }
};
}  // namespace

TEST(Registry, KeysAndTypedValuesPersistInTheStandIn) {
  TTempFolder dir;
  RegistryFolderScope scope(dir.Path());
  {
    TRegistry reg;
    EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
    EXPECT_FALSE(reg.OpenKey("Software\\Maker\\Grid", false));
    ASSERT_TRUE(reg.OpenKey("Software\\Maker\\Grid", true));
    reg.WriteInteger("Col0", 64);
    reg.WriteString("Title", " two\nlines ");
    reg.WriteString("", "default");
    EXPECT_EQ(reg.GetDataType("Col0"), rdInteger);
    EXPECT_EQ(reg.GetDataType("Title"), rdString);
    EXPECT_EQ(reg.GetDataType("none"), rdUnknown);
    EXPECT_THROW(reg.ReadInteger("Title"), ERegistryException);
    EXPECT_THROW(reg.ReadString("Col0"), ERegistryException);
    EXPECT_THROW(reg.ReadInteger("none"), ERegistryException);
    EXPECT_EQ(reg.ReadString("none"), "");
    ASSERT_TRUE(reg.OpenKey("Sub", true));  // relative to the open key
    EXPECT_EQ(reg.CurrentPath(), "Software\\Maker\\Grid\\Sub");
  }
  TRegistry reg;
  EXPECT_TRUE(reg.KeyExists("\\software\\maker"));
  ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Maker\\Grid"));
  EXPECT_EQ(reg.ReadInteger("col0"), 64);
  EXPECT_EQ(reg.ReadString("Title"), " two\nlines ");
  EXPECT_EQ(reg.ReadString(""), "default");
  EXPECT_THROW(reg.WriteInteger("x", 1), ERegistryException);  // opened read-only
  TStringList names;
  reg.GetValueNames(&names);
  EXPECT_EQ(names.CommaText(), "Col0,Title,");
  reg.GetKeyNames(&names);
  EXPECT_EQ(names.CommaText(), "Sub");
  reg.CloseKey();
  EXPECT_TRUE(reg.DeleteKey("Software\\Maker"));
  EXPECT_FALSE(reg.KeyExists("Software\\Maker\\Grid\\Sub"));
  EXPECT_THROW(reg.WriteString("x", "y"), ERegistryException);  // no key open
}

TEST(Registry, IniAccessKeepsStringValuesStrings) {
  TTempFolder dir;
  RegistryFolderScope scope(dir.Path());
  TRegistryIniFile ini("Software\\Maker\\Columns");
  ini.WriteInteger("Grid1", "Col0", 64);
  ini.WriteString("Grid1", "Col1", "80");
  ini.WriteInteger("Grid1", "Col1", 90);  // already a string: stays one
  EXPECT_EQ(ini.ReadInteger("Grid1", "Col0", -1), 64);
  EXPECT_EQ(ini.ReadInteger("Grid1", "Col1", -1), 90);
  EXPECT_EQ(ini.ReadString("Grid1", "Col0", ""), "64");
  EXPECT_EQ(ini.ReadInteger("Grid2", "Col0", -1), -1);
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Maker\\Columns\\Grid1"));
  EXPECT_EQ(reg.GetDataType("Col0"), rdInteger);
  EXPECT_EQ(reg.GetDataType("Col1"), rdString);
  TStringList l;
  ini.ReadSections(&l);
  EXPECT_EQ(l.CommaText(), "Grid1");
  ini.ReadSectionValues("Grid1", &l);
  EXPECT_EQ(l.CommaText(), "Col0=64,Col1=90");
  ini.DeleteKey("Grid1", "Col0");
  EXPECT_FALSE(ini.ValueExists("Grid1", "Col0"));
  ini.EraseSection("Grid1");
  EXPECT_FALSE(ini.SectionExists("Grid1"));
}
