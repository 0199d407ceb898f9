#include "framework/classes/Registry.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>

#include "framework/classes/StringList.h"
#include "framework/os/Files.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"

namespace {
std::mutex& StoreLock() {
  static std::mutex m;
  return m;
}

std::string& FolderOverride() {
  static std::string f;
  return f;
}

// One INI store per file, shared by every TRegistry of the process.
TMemIniFile& StoreFor(HKEY root) {
  static std::map<std::string, std::unique_ptr<TMemIniFile>> stores;
  std::string name = root == HKEY_LOCAL_MACHINE ? "HKLM" : root == HKEY_CLASSES_ROOT ? "HKCR" : "HKCU";
  std::string file = RegistryFolder() + "/registry-" + name + ".ini";
  auto& slot = stores[file];
  if (!slot) slot = std::make_unique<TMemIniFile>(file);
  return *slot;
}

std::string Normalize(const std::string& key) {
  std::string out;
  for (char c : key) {
    if (c == '\\' || c == '/') {
      if (!out.empty() && out.back() != '\\') out += '\\';
    } else {
      out += c;
    }
  }
  if (!out.empty() && out.back() == '\\') out.pop_back();
  return out;
}

// The INI key of a value: the default value has no name.
std::string ValueKey(const std::string& name) { return name.empty() ? "@" : name; }

// String values are escaped so that line breaks and outer blanks survive.
std::string Escape(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (c == '\\')
      out += "\\\\";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else if (static_cast<unsigned char>(c) <= ' ' && (i == 0 || i + 1 == s.size()))
      out += "\\x" + IntToHex(static_cast<unsigned char>(c), 2);
    else
      out += c;
  }
  return out;
}

std::string Unescape(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 >= s.size()) {
      out += s[i];
      continue;
    }
    char n = s[++i];
    if (n == 'r')
      out += '\r';
    else if (n == 'n')
      out += '\n';
    else if (n == 'x' && i + 2 < s.size()) {
      out += static_cast<char>(StrToIntDef("$" + s.substr(i + 1, 2), ' '));
      i += 2;
    } else
      out += n;
  }
  return out;
}

// Writes the store back; false when it cannot be written.
bool Persist(TMemIniFile& store) {
  try {
    ForceDirectories(RegistryFolder());
    store.UpdateFile();
    return true;
  } catch (const Exception&) {
    return false;
  }
}

bool IsUnder(const std::string& section, const std::string& key) {
  return section.size() > key.size() && section[key.size()] == '\\' &&
         SameText(section.substr(0, key.size()), key);
}
}  // namespace

std::string RegistryFolder() {
  if (!FolderOverride().empty()) return FolderOverride();
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string base =
      xdg && *xdg ? xdg : std::string(std::getenv("HOME") ? std::getenv("HOME") : ".") + "/.config";
  return base + "/cf30406";
}

void SetRegistryFolder(const std::string& Folder) {
  std::lock_guard<std::mutex> l(StoreLock());
  FolderOverride() = ExcludeTrailingPathDelimiter(NativePath(Folder));
}

void TRegistry::SetRootKey(HKEY Value) {
  CloseKey();
  root_ = Value;
}

std::string TRegistry::Resolve(const std::string& Key) const {
  bool absolute = !Key.empty() && (Key[0] == '\\' || Key[0] == '/');
  std::string k = Normalize(Key);
  if (absolute || !open_ || path_.empty()) return k;
  return k.empty() ? path_ : path_ + "\\" + k;
}

bool TRegistry::OpenKey(const std::string& Key, bool CanCreate) {
  std::string full = Resolve(Key);
  if (!KeyExists("\\" + full)) {
    if (!CanCreate || full.empty() || !CreateKey("\\" + full)) return false;
  }
  path_ = full;
  open_ = true;
  readOnly_ = false;
  return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& Key) {
  std::string full = Resolve(Key);
  if (!KeyExists("\\" + full)) return false;
  path_ = full;
  open_ = true;
  readOnly_ = true;
  return true;
}

void TRegistry::CloseKey() {
  path_.clear();
  open_ = false;
  readOnly_ = false;
}

bool TRegistry::KeyExists(const std::string& Key) {
  std::string full = Resolve(Key);
  if (full.empty()) return true;  // the root itself
  std::lock_guard<std::mutex> l(StoreLock());
  TStringList sections;
  StoreFor(root_).ReadSections(&sections);
  for (int i = 0; i < sections.Count(); ++i)
    if (SameText(sections.Strings(i), full) || IsUnder(sections.Strings(i), full)) return true;
  return false;
}

bool TRegistry::CreateKey(const std::string& Key) {
  std::string full = Resolve(Key);
  if (full.empty()) return false;
  std::lock_guard<std::mutex> l(StoreLock());
  TMemIniFile& store = StoreFor(root_);
  if (!store.SectionExists(full)) {
    // A key with no values is an empty section; the marker keeps it written.
    store.WriteString(full, "@@key", "");
    return Persist(store);
  }
  return true;
}

bool TRegistry::DeleteKey(const std::string& Key) {
  std::string full = Resolve(Key);
  if (full.empty()) return false;
  std::lock_guard<std::mutex> l(StoreLock());
  TMemIniFile& store = StoreFor(root_);
  TStringList sections;
  store.ReadSections(&sections);
  bool found = false;
  for (int i = 0; i < sections.Count(); ++i)
    if (SameText(sections.Strings(i), full) || IsUnder(sections.Strings(i), full)) {
      store.EraseSection(sections.Strings(i));
      found = true;
    }
  return found && Persist(store);
}

bool TRegistry::ValueExists(const std::string& Name) { return GetDataType(Name) != rdUnknown; }

TRegDataType TRegistry::GetDataType(const std::string& Name) {
  if (!open_) return rdUnknown;
  std::lock_guard<std::mutex> l(StoreLock());
  std::string v = StoreFor(root_).ReadString(path_, ValueKey(Name), "");
  if (v.rfind("sz:", 0) == 0) return rdString;
  if (v.rfind("dword:", 0) == 0) return rdInteger;
  return rdUnknown;
}

bool TRegistry::DeleteValue(const std::string& Name) {
  if (!ValueExists(Name) || readOnly_) return false;
  std::lock_guard<std::mutex> l(StoreLock());
  TMemIniFile& store = StoreFor(root_);
  store.DeleteKey(path_, ValueKey(Name));
  return Persist(store);
}

std::string TRegistry::ReadString(const std::string& Name) {
  TRegDataType t = GetDataType(Name);
  if (t == rdUnknown) return {};
  if (t != rdString) throw ERegistryException("Invalid data type for '" + Name + "'");
  std::lock_guard<std::mutex> l(StoreLock());
  return Unescape(StoreFor(root_).ReadString(path_, ValueKey(Name), "").substr(3));
}

int TRegistry::ReadInteger(const std::string& Name) {
  if (GetDataType(Name) != rdInteger) throw ERegistryException("Invalid data type for '" + Name + "'");
  std::lock_guard<std::mutex> l(StoreLock());
  return StrToIntDef(StoreFor(root_).ReadString(path_, ValueKey(Name), "").substr(6), 0);
}

bool TRegistry::Writable(const std::string&) { return open_ && !readOnly_ && !path_.empty(); }

void TRegistry::WriteString(const std::string& Name, const std::string& Value) {
  if (!Writable(Name)) throw ERegistryException("Failed to set data for '" + Name + "'");
  std::lock_guard<std::mutex> l(StoreLock());
  TMemIniFile& store = StoreFor(root_);
  store.WriteString(path_, ValueKey(Name), "sz:" + Escape(Value));
  if (!Persist(store)) throw ERegistryException("Failed to set data for '" + Name + "'");
}

void TRegistry::WriteInteger(const std::string& Name, int Value) {
  if (!Writable(Name)) throw ERegistryException("Failed to set data for '" + Name + "'");
  std::lock_guard<std::mutex> l(StoreLock());
  TMemIniFile& store = StoreFor(root_);
  store.WriteString(path_, ValueKey(Name), "dword:" + std::to_string(Value));
  if (!Persist(store)) throw ERegistryException("Failed to set data for '" + Name + "'");
}

void TRegistry::GetValueNames(TStrings* Strings) {
  Strings->Clear();
  if (!open_) return;
  std::lock_guard<std::mutex> l(StoreLock());
  TStringList keys;
  StoreFor(root_).ReadSection(path_, &keys);
  for (int i = 0; i < keys.Count(); ++i) {
    const std::string& k = keys.Strings(i);
    if (k == "@@key") continue;
    Strings->Add(k == "@" ? std::string() : k);
  }
}

void TRegistry::GetKeyNames(TStrings* Strings) {
  Strings->Clear();
  std::lock_guard<std::mutex> l(StoreLock());
  TStringList sections;
  StoreFor(root_).ReadSections(&sections);
  for (int i = 0; i < sections.Count(); ++i) {
    const std::string& s = sections.Strings(i);
    std::string rest;
    if (path_.empty())
      rest = s;
    else if (IsUnder(s, path_))
      rest = s.substr(path_.size() + 1);
    else
      continue;
    std::string child = rest.substr(0, rest.find('\\'));
    if (!child.empty() && Strings->IndexOf(child) < 0) Strings->Add(child);
  }
}

TRegistryIniFile::TRegistryIniFile(const std::string& KeyPath)
    : TCustomIniFile(KeyPath), base_(Normalize(KeyPath)) {}

bool TRegistryIniFile::OpenSection(const std::string& Section, bool CanCreate) {
  std::string key = "\\" + base_;
  if (!Section.empty()) key += "\\" + Section;
  if (CanCreate) return reg_.OpenKey(key, true);
  return reg_.OpenKeyReadOnly(key);
}

std::string TRegistryIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                         const std::string& Default) {
  if (!OpenSection(Section, false)) return Default;
  switch (reg_.GetDataType(Ident)) {
    case rdString:
      return reg_.ReadString(Ident);
    case rdInteger:
      return std::to_string(reg_.ReadInteger(Ident));
    default:
      return Default;
  }
}

void TRegistryIniFile::WriteString(const std::string& Section, const std::string& Ident,
                                   const std::string& Value) {
  if (!OpenSection(Section, true)) throw ERegistryException("Failed to set data for '" + Ident + "'");
  reg_.WriteString(Ident, Value);
}

int TRegistryIniFile::ReadInteger(const std::string& Section, const std::string& Ident, int Default) {
  if (!OpenSection(Section, false)) return Default;
  switch (reg_.GetDataType(Ident)) {
    case rdInteger:
      return reg_.ReadInteger(Ident);
    case rdString:
      return StrToIntDef(reg_.ReadString(Ident), Default);
    default:
      return Default;
  }
}

void TRegistryIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int Value) {
  if (!OpenSection(Section, true)) throw ERegistryException("Failed to set data for '" + Ident + "'");
  if (reg_.GetDataType(Ident) == rdString)
    reg_.WriteString(Ident, std::to_string(Value));
  else
    reg_.WriteInteger(Ident, Value);
}

void TRegistryIniFile::ReadSection(const std::string& Section, TStrings* Strings) {
  Strings->Clear();
  if (OpenSection(Section, false)) reg_.GetValueNames(Strings);
}

void TRegistryIniFile::ReadSections(TStrings* Strings) {
  Strings->Clear();
  if (OpenSection("", false)) reg_.GetKeyNames(Strings);
}

void TRegistryIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings) {
  TStringList names;
  ReadSection(Section, &names);
  Strings->BeginUpdate();
  Strings->Clear();
  for (int i = 0; i < names.Count(); ++i)
    Strings->Add(names.Strings(i) + "=" + ReadString(Section, names.Strings(i), ""));
  Strings->EndUpdate();
}

void TRegistryIniFile::EraseSection(const std::string& Section) {
  reg_.DeleteKey("\\" + base_ + "\\" + Section);
}

void TRegistryIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  if (reg_.OpenKey("\\" + base_ + "\\" + Section, false)) reg_.DeleteValue(Ident);
}
