// The system and Office-theme probes of the style unit.
#include "grid/base/VevStyleIF.h"

#include "framework/classes/Registry.h"
#include "grid/base/VevXPVS.h"

namespace {
TSystemProbes& Probes() {
  static TSystemProbes p;
  return p;
}

const char kOffice14[] = "Software\\Microsoft\\Office\\14.0\\Common";
const char kOffice12[] = "Software\\Microsoft\\Office\\12.0\\Common";
}  // namespace

void SetSystemProbes(const TSystemProbes& Value) { Probes() = Value; }

bool IsWindowsXPOrLater() { return Probes().WindowsXPOrLater; }
bool IsWindowsVistaOrLater() { return Probes().WindowsVistaOrLater; }
bool IsComCtl6() { return Probes().ComCtl6; }

std::string GetDefaultFontName() { return IsWindowsVistaOrLater() ? "Segoe UI" : "Tahoma"; }

int GetOfficeVersion() {
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  if (reg.KeyExists(std::string(kOffice14) + "\\General")) return 2;
  if (reg.KeyExists(std::string(kOffice12) + "\\General")) return 1;
  return 0;
}

int ReadOfficeThemeValue(TRegistry& Registry, const std::string& Key) {
  Registry.CloseKey();
  if (!Registry.OpenKeyReadOnly(Key)) return -1;
  int value = -1;
  if (Registry.ValueExists("Theme") && Registry.GetDataType("Theme") == rdInteger) {
    value = Registry.ReadInteger("Theme");
  }
  Registry.CloseKey();
  return value;
}

int GetXPColorScheme() {
  if (!IsWindowsXPOrLater()) return 0;
  // Its own look into the library, not through the start-up binding.
  const TThemeLibrary& lib = UxThemeLibrary();
  if (!lib) return 0;
  auto isActive = reinterpret_cast<decltype(TUxThemeEntries::IsThemeActive)>(lib("IsThemeActive"));
  if (isActive == nullptr || !isActive() || !IsComCtl6()) return 0;
  auto themeName =
      reinterpret_cast<decltype(TUxThemeEntries::GetCurrentThemeName)>(lib("GetCurrentThemeName"));
  if (themeName == nullptr) return 0;
  std::string file, color, size;
  if (FAILED(themeName(&file, &color, &size))) return 0;
  if (color.find("NormalColor") != std::string::npos) return 1;
  if (color.find("HomeStead") != std::string::npos) return 2;
  if (color.find("Metallic") != std::string::npos) return 3;
  return 0;
}

TOfficeTheme GetOfficeTheme() {
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  switch (ReadOfficeThemeValue(reg, kOffice14)) {
    case -1:
      break;
    case 1:
      return ot2010Blue;
    case 2:
      return ot2010Silver;
    case 3:
      return ot2010Black;
    default:
      return ot2003Blue;
  }
  switch (ReadOfficeThemeValue(reg, kOffice12)) {
    case -1:
      break;
    case 1:
      return ot2007Blue;
    case 2:
      return ot2007Silver;
    case 3:
      return ot2007Black;
    default:
      return ot2003Blue;
  }
  switch (GetXPColorScheme()) {
    case 0:
      return ot2003Classic;
    case 2:
      return ot2003Olive;
    case 3:
      return ot2003Silver;
    default:
      return ot2003Blue;
  }
}
