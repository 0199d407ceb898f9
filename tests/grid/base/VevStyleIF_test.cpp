// The style probes and the theme notifier.
#include "grid/base/VevStyleIF.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "../../framework/os/TempFolder.h"
#include "framework/classes/Registry.h"
#include "framework/controls/Forms.h"
#include "framework/controls/WinApi.h"
#include "grid/base/VevStyleIF_Notifier.h"
#include "grid/base/VevXPVS.h"

namespace {
const char kKey14[] = "Software\\Microsoft\\Office\\14.0\\Common";
const char kKey12[] = "Software\\Microsoft\\Office\\12.0\\Common";

// A registry of the test's own, the system's probes and theme back as they
// were afterwards.
struct TStyleScope {
  TTempFolder folder;
  TStyleScope() { SetRegistryFolder(folder.Path()); }
  ~TStyleScope() {
    SetRegistryFolder("");
    SetSystemProbes(TSystemProbes());
    SetThemeActive(true);
    SetCurrentThemeColorName("NormalColor");
    SetUxThemeLibrary(OwnThemeLibraryProc);
  }
  static void Write(const std::string& Key, const char* Name, int Value) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Key, true));
    if (Name != nullptr) reg.WriteInteger(Name, Value);
  }
  static void Clear() {
    TRegistry reg;
    reg.DeleteKey("Software\\Microsoft\\Office");
  }
};

// Runs the calls the worker hands to the GUI thread until Done holds or a
// generous limit passes.
template <class F>
bool WaitUntil(F Done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!Done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    CheckSynchronize(10);
  }
  return true;
}
}  // namespace

TEST(VevStyleIF, OfficeThemeFromTheRegistryThenFromTheColourScheme) {
  TStyleScope scope;
  struct Case {
    int office14;  // -2: no key; -1: key without "Theme"
    int office12;
    const char* colorName;  // nullptr: theming off
    TOfficeTheme expected;
  } cases[] = {
      {1, -2, "NormalColor", ot2010Blue},
      {2, -2, "NormalColor", ot2010Silver},
      {3, 1, "NormalColor", ot2010Black},
      // An unknown 14.0 value settles it without looking at 12.0.
      {4, 3, "NormalColor", ot2003Blue},
      {-1, 2, "NormalColor", ot2007Silver},
      {-2, 3, "NormalColor", ot2007Black},
      {-2, 7, "NormalColor", ot2003Blue},
      {-2, -1, "HomeStead", ot2003Olive},
      {-2, -2, "Metallic", ot2003Silver},
      {-2, -2, "Luna NormalColor", ot2003Blue},
      {-2, -2, "Royale", ot2003Classic},
      {-2, -2, nullptr, ot2003Classic},
  };
  for (const Case& c : cases) {
    TStyleScope::Clear();
    if (c.office14 >= -1) TStyleScope::Write(kKey14, c.office14 >= 0 ? "Theme" : nullptr, c.office14);
    if (c.office12 >= -1) TStyleScope::Write(kKey12, c.office12 >= 0 ? "Theme" : nullptr, c.office12);
    SetThemeActive(c.colorName != nullptr);
    if (c.colorName != nullptr) SetCurrentThemeColorName(c.colorName);
    EXPECT_EQ(GetOfficeTheme(), c.expected)
        << c.office14 << " " << c.office12 << " " << (c.colorName ? c.colorName : "off");
  }
}

TEST(VevStyleIF, AThemeValueThatIsNoNumberCountsAsMissing) {
  TStyleScope scope;
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(kKey14, true));
  reg.WriteString("Theme", "2");
  reg.CloseKey();
  EXPECT_EQ(ReadOfficeThemeValue(reg, kKey14), -1);
  EXPECT_EQ(ReadOfficeThemeValue(reg, "Software\\Nothing"), -1);
}

TEST(VevStyleIF, ColourSchemeNeedsXPAnActiveThemeAndCommonControls6) {
  TStyleScope scope;
  struct Case {
    TSystemProbes probes;
    bool library;
    int expected;
  } cases[] = {
      {{true, true, true}, true, 1},
      {{false, false, true}, true, 0},
      {{true, true, false}, true, 0},
      {{true, true, true}, false, 0},
  };
  for (const Case& c : cases) {
    SetSystemProbes(c.probes);
    SetUxThemeLibrary(c.library ? TThemeLibrary(OwnThemeLibraryProc) : TThemeLibrary());
    EXPECT_EQ(GetXPColorScheme(), c.expected);
  }
  SetSystemProbes(TSystemProbes());
  EXPECT_EQ(GetDefaultFontName(), "Segoe UI");
  SetSystemProbes({true, false, true});
  EXPECT_EQ(GetDefaultFontName(), "Tahoma");
}

TEST(VevStyleIF, WithoutOfficeTheNotifierWatchesNothing) {
  TStyleScope scope;
  EXPECT_EQ(GetOfficeVersion(), 0);
  TForm form(nullptr);
  TThemeNotifier* notifier = GetThemeNotifier(&form);
  ASSERT_NE(notifier, nullptr);
  EXPECT_EQ(GetThemeNotifier(&form), notifier);
  EXPECT_EQ(notifier->RegMonitorThread(), nullptr);
  EXPECT_EQ(notifier->Notifier(), nullptr);
  EXPECT_NO_THROW(notifier->RegisterWindow(form.Handle()));
  EXPECT_NO_THROW(notifier->UnRegisterWindow(form.Handle()));
  delete notifier;
  EXPECT_EQ(CurrentThemeNotifier(), nullptr);
}

TEST(VevStyleIF, AChangeUnderTheOfficeKeyReachesEveryRegisteredWindowOnTheGuiThread) {
  TStyleScope scope;
  TStyleScope::Write(std::string(kKey12) + "\\General", nullptr, 0);
  TStyleScope::Write(kKey12, "Theme", 1);
  ASSERT_EQ(GetOfficeVersion(), 1);
  SetThemeNotifierPollInterval(10);

  int told = 0;
  std::string path;
  bool onGuiThread = false;
  HWND grid = AllocateHWnd([&](TMessage& m) {
    if (m.Msg != WM_OFFICETHEMECHANGE) return;
    ++told;
    path = reinterpret_cast<const char*>(m.LParam);
    onGuiThread = TThread::IsMainThread();
  });
  {
    TForm form(nullptr);
    TThemeNotifier* notifier = GetThemeNotifier(&form);
    int changes = 0;
    notifier->OnOfficeThemeChange = [&](TObject* Sender) {
      EXPECT_EQ(Sender, notifier);
      ++changes;
    };
    TRegMonitorThread* thread = notifier->RegMonitorThread();
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(thread->Key(), kKey12);
    EXPECT_TRUE(thread->WatchSub());
    notifier->RegisterWindow(grid);
    notifier->RegisterWindow(grid);
    notifier->UnRegisterWindow(grid + 1000);
    EXPECT_EQ(thread->WindowCount(), 1);

    TStyleScope::Write(kKey12, "Theme", 2);
    EXPECT_TRUE(WaitUntil([&] { return told == 1 && changes == 1; }));
    EXPECT_EQ(path, kKey12);
    EXPECT_TRUE(onGuiThread);
    EXPECT_EQ(GetOfficeTheme(), ot2007Silver);

    notifier->UnRegisterWindow(grid);
    TStyleScope::Write(std::string(kKey12) + "\\General", "Other", 5);
    EXPECT_TRUE(WaitUntil([&] { return changes == 2; }));
    EXPECT_EQ(told, 1);
  }
  // The form took its notifier, and the thread, with it.
  EXPECT_EQ(CurrentThemeNotifier(), nullptr);
  DeallocateHWnd(grid);
  SetThemeNotifierPollInterval(1000);
}

TEST(VevStyleIF, MonitorFilterReadsZeroAsAllChanges) {
  TRegMonitorThread thread;
  EXPECT_EQ(thread.Filter(), 15);
  thread.SetFilter(4);
  EXPECT_EQ(thread.Filter(), 4);
}
