#pragma once
// INI files: sections of "name=value" lines.
//
// TMemIniFile reads the whole file when created and writes it back whole on
// UpdateFile, through the safe writer; TIniFile writes through on every
// change, as the platform's profile routines do. Both keep the order of
// sections and keys and the comment and blank lines of the file they read.
// Section and key names compare without regard to case; blanks around names
// and values are dropped. The file is read by its byte-order mark (else
// Windows-1252) and written back in the same encoding.
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Classes.h"
#include "framework/rtl/TextEncoding.h"

class TStrings;

class TCustomIniFile : public TObject {
 public:
  explicit TCustomIniFile(std::string FileName) : fileName_(std::move(FileName)) {}
  const std::string& FileName() const { return fileName_; }

  virtual std::string ReadString(const std::string& Section, const std::string& Ident,
                                 const std::string& Default) = 0;
  virtual void WriteString(const std::string& Section, const std::string& Ident,
                           const std::string& Value) = 0;
  // The key names of a section, in file order.
  virtual void ReadSection(const std::string& Section, TStrings* Strings) = 0;
  virtual void ReadSections(TStrings* Strings) = 0;
  // "name=value" for every key of the section.
  virtual void ReadSectionValues(const std::string& Section, TStrings* Strings) = 0;
  virtual void EraseSection(const std::string& Section) = 0;
  virtual void DeleteKey(const std::string& Section, const std::string& Ident) = 0;
  virtual void UpdateFile() = 0;
  virtual bool SectionExists(const std::string& Section);
  virtual bool ValueExists(const std::string& Section, const std::string& Ident);

  // Decimal or hexadecimal ("$1F", "0x1F"); Default when missing or not a
  // number.
  virtual int ReadInteger(const std::string& Section, const std::string& Ident, int Default);
  virtual void WriteInteger(const std::string& Section, const std::string& Ident, int Value);
  // Any integer but 0 is true; written as "1" or "0".
  bool ReadBool(const std::string& Section, const std::string& Ident, bool Default);
  void WriteBool(const std::string& Section, const std::string& Ident, bool Value);
  // With the global decimal separator.
  double ReadFloat(const std::string& Section, const std::string& Ident, double Default);
  void WriteFloat(const std::string& Section, const std::string& Ident, double Value);

 protected:
  void SetFileName(const std::string& Name) { fileName_ = Name; }

 private:
  std::string fileName_;
};

class TMemIniFile : public TCustomIniFile {
 public:
  // Reads the file when it exists; a missing or unreadable file gives an
  // empty store.
  explicit TMemIniFile(const std::string& FileName);
  ~TMemIniFile() override;

  std::string ReadString(const std::string& Section, const std::string& Ident,
                         const std::string& Default) override;
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
  void ReadSection(const std::string& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const std::string& Section, TStrings* Strings) override;
  void EraseSection(const std::string& Section) override;
  void DeleteKey(const std::string& Section, const std::string& Ident) override;
  // Raises EFCreateError when the file cannot be written; the old file stays.
  void UpdateFile() override;

  void Clear();
  // The file's lines as they would be written, and back.
  void GetStrings(TStrings* Strings);
  void SetStrings(TStrings* Strings);
  // Points the store at another file, reading it when Reload is set.
  void Rename(const std::string& FileName, bool Reload);

 protected:
  virtual void Modified() {}

 private:
  struct TImpl;
  std::unique_ptr<TImpl> impl_;
  TTextEncoding encoding_ = teAnsi;
  void Load();
};

class TIniFile : public TMemIniFile {
 public:
  using TMemIniFile::TMemIniFile;

 protected:
  // Raises EIniFileException "Unable to write to <file>".
  void Modified() override;
};
