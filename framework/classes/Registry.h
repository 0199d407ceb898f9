#pragma once
// The registry keys the grid keeps its settings in (column sizes, print
// settings, the Office colour theme probe), stood in for by INI files in the
// user's configuration folder: one file per root key, one section per key
// path, values tagged with their type. Writes are stored at once.
//
// Key paths use "\" between levels and compare without regard to case; a
// path with a leading "\" is absolute, others are relative to the open key.
#include <cstdint>
#include <string>

#include "framework/classes/Classes.h"
#include "framework/classes/IniFiles.h"

class TStrings;

using HKEY = std::uintptr_t;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

// Where the stand-in files live: $XDG_CONFIG_HOME/cf30406, else
// ~/.config/cf30406. Tests point it at a folder of their own; an empty text
// restores the default.
std::string RegistryFolder();
void SetRegistryFolder(const std::string& Folder);

class TRegistry : public TObject {
 public:
  TRegistry() = default;

  HKEY RootKey() const { return root_; }
  void SetRootKey(HKEY Value);
  // The open key's path without a leading "\"; empty when none is open.
  const std::string& CurrentPath() const { return path_; }

  // Opens the key, creating it (and its parents) when CanCreate is set.
  bool OpenKey(const std::string& Key, bool CanCreate);
  bool OpenKeyReadOnly(const std::string& Key);
  void CloseKey();
  bool KeyExists(const std::string& Key);
  bool CreateKey(const std::string& Key);
  // Deletes the key with its subkeys and values.
  bool DeleteKey(const std::string& Key);

  bool ValueExists(const std::string& Name);
  TRegDataType GetDataType(const std::string& Name);
  bool DeleteValue(const std::string& Name);
  // Empty when the value is missing; raises ERegistryException
  // "Invalid data type for 'name'" when it is not a string.
  std::string ReadString(const std::string& Name);
  // Raises ERegistryException when missing or not an integer.
  int ReadInteger(const std::string& Name);
  bool ReadBool(const std::string& Name) { return ReadInteger(Name) != 0; }
  // Raise ERegistryException "Failed to set data for 'name'" without an open
  // writable key or when the store cannot be written.
  void WriteString(const std::string& Name, const std::string& Value);
  void WriteInteger(const std::string& Name, int Value);
  void WriteBool(const std::string& Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }
  void GetValueNames(TStrings* Strings);
  void GetKeyNames(TStrings* Strings);

 private:
  std::string Resolve(const std::string& Key) const;
  bool Writable(const std::string& Name);
  HKEY root_ = HKEY_CURRENT_USER;
  std::string path_;
  bool open_ = false;
  bool readOnly_ = false;
};

// INI-style access to a key under HKEY_CURRENT_USER: sections are its
// subkeys, idents their values. An integer written over a value that is
// already a string is written as a string, as the platform does.
class TRegistryIniFile : public TCustomIniFile {
 public:
  explicit TRegistryIniFile(const std::string& KeyPath);

  std::string ReadString(const std::string& Section, const std::string& Ident,
                         const std::string& Default) override;
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
  int ReadInteger(const std::string& Section, const std::string& Ident, int Default) override;
  void WriteInteger(const std::string& Section, const std::string& Ident, int Value) override;
  void ReadSection(const std::string& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const std::string& Section, TStrings* Strings) override;
  void EraseSection(const std::string& Section) override;
  void DeleteKey(const std::string& Section, const std::string& Ident) override;
  // Values are stored when written; nothing is pending.
  void UpdateFile() override {}

  TRegistry& RegIniFile() { return reg_; }

 private:
  bool OpenSection(const std::string& Section, bool CanCreate);
  TRegistry reg_;
  std::string base_;
};
