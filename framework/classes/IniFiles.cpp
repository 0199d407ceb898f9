#include "framework/classes/IniFiles.h"

#include "framework/classes/StringList.h"
#include "framework/os/Files.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"

namespace {
struct TLine {
  bool Entry = false;  // "name=value"; otherwise a raw line (comment, blank, stray text)
  std::string Name;
  std::string Value;
  std::string Raw;
};

struct TSection {
  std::string Name;
  std::vector<TLine> Lines;
};
}  // namespace

struct TMemIniFile::TImpl {
  // Lines before the first section header.
  std::vector<TLine> Head;
  std::vector<TSection> Sections;

  TSection* Find(const std::string& name) {
    for (auto& s : Sections)
      if (SameText(s.Name, name)) return &s;
    return nullptr;
  }
  TLine* FindKey(TSection* s, const std::string& ident) {
    if (s == nullptr) return nullptr;
    for (auto& l : s->Lines)
      if (l.Entry && SameText(l.Name, ident)) return &l;
    return nullptr;
  }
};

bool TCustomIniFile::SectionExists(const std::string& Section) {
  TStringList keys;
  ReadSection(Section, &keys);
  if (keys.Count() > 0) return true;
  TStringList all;
  ReadSections(&all);
  return all.IndexOf(Section) >= 0;
}

bool TCustomIniFile::ValueExists(const std::string& Section, const std::string& Ident) {
  TStringList keys;
  ReadSection(Section, &keys);
  return keys.IndexOf(Ident) >= 0;
}

int TCustomIniFile::ReadInteger(const std::string& Section, const std::string& Ident, int Default) {
  return StrToIntDef(ReadString(Section, Ident, ""), Default);
}

void TCustomIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int Value) {
  WriteString(Section, Ident, std::to_string(Value));
}

bool TCustomIniFile::ReadBool(const std::string& Section, const std::string& Ident, bool Default) {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const std::string& Section, const std::string& Ident, double Default) {
  std::string s = ReadString(Section, Ident, "");
  double v = 0;
  return !s.empty() && TryStrToFloat(s, v) ? v : Default;
}

void TCustomIniFile::WriteFloat(const std::string& Section, const std::string& Ident, double Value) {
  WriteString(Section, Ident, FloatToStr(Value));
}

TMemIniFile::TMemIniFile(const std::string& FileName)
    : TCustomIniFile(FileName), impl_(std::make_unique<TImpl>()) {
  Load();
}

TMemIniFile::~TMemIniFile() = default;

void TMemIniFile::Load() {
  Clear();
  if (!FileExists(FileName())) return;
  TStringList lines;
  try {
    lines.LoadFromFile(FileName());
  } catch (const Exception&) {
    return;  // an unreadable file reads as empty
  }
  encoding_ = lines.Encoding();
  SetStrings(&lines);
}

void TMemIniFile::Clear() {
  impl_->Head.clear();
  impl_->Sections.clear();
}

void TMemIniFile::SetStrings(TStrings* Strings) {
  Clear();
  std::vector<TLine>* target = &impl_->Head;
  for (int i = 0; i < Strings->Count(); ++i) {
    std::string raw = Strings->Strings(i);
    std::string s = Trim(raw);
    if (s.size() >= 2 && s.front() == '[' && s.back() == ']') {
      std::string name = Trim(s.substr(1, s.size() - 2));
      // A repeated header continues the section it names.
      TSection* existing = impl_->Find(name);
      if (existing == nullptr) {
        impl_->Sections.push_back(TSection{name, {}});
        existing = &impl_->Sections.back();
      }
      target = &existing->Lines;
      continue;
    }
    TLine line;
    std::size_t eq = s.find('=');
    if (!s.empty() && s[0] != ';' && s[0] != '#' && eq != std::string::npos && eq > 0 &&
        target != &impl_->Head) {
      line.Entry = true;
      line.Name = Trim(s.substr(0, eq));
      line.Value = Trim(s.substr(eq + 1));
    } else {
      line.Raw = raw;
    }
    target->push_back(std::move(line));
  }
}

void TMemIniFile::GetStrings(TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  auto emit = [&](const std::vector<TLine>& lines) {
    for (const auto& l : lines) Strings->Add(l.Entry ? l.Name + "=" + l.Value : l.Raw);
  };
  emit(impl_->Head);
  for (const auto& s : impl_->Sections) {
    Strings->Add("[" + s.Name + "]");
    emit(s.Lines);
  }
  Strings->EndUpdate();
}

std::string TMemIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                    const std::string& Default) {
  TLine* l = impl_->FindKey(impl_->Find(Section), Ident);
  return l ? l->Value : Default;
}

void TMemIniFile::WriteString(const std::string& Section, const std::string& Ident,
                              const std::string& Value) {
  std::string name = Trim(Ident);
  if (name.empty() || name.find('=') != std::string::npos)
    throw EIniFileException("'" + Ident + "' is not a valid key name");
  TSection* s = impl_->Find(Section);
  if (s == nullptr) {
    impl_->Sections.push_back(TSection{Trim(Section), {}});
    s = &impl_->Sections.back();
  }
  // A line break in a value would end the line: keep only its first line.
  std::string value = Value.substr(0, Value.find_first_of("\r\n"));
  if (TLine* l = impl_->FindKey(s, name)) {
    l->Value = Trim(value);
  } else {
    TLine line;
    line.Entry = true;
    line.Name = name;
    line.Value = Trim(value);
    // Keep trailing blank lines of the section after its entries.
    auto pos = s->Lines.end();
    while (pos != s->Lines.begin() && !(pos - 1)->Entry && Trim((pos - 1)->Raw).empty()) --pos;
    s->Lines.insert(pos, std::move(line));
  }
  Modified();
}

void TMemIniFile::ReadSection(const std::string& Section, TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  if (TSection* s = impl_->Find(Section))
    for (const auto& l : s->Lines)
      if (l.Entry) Strings->Add(l.Name);
  Strings->EndUpdate();
}

void TMemIniFile::ReadSections(TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  for (const auto& s : impl_->Sections) Strings->Add(s.Name);
  Strings->EndUpdate();
}

void TMemIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  if (TSection* s = impl_->Find(Section))
    for (const auto& l : s->Lines)
      if (l.Entry) Strings->Add(l.Name + "=" + l.Value);
  Strings->EndUpdate();
}

void TMemIniFile::EraseSection(const std::string& Section) {
  auto& v = impl_->Sections;
  for (auto it = v.begin(); it != v.end(); ++it)
    if (SameText(it->Name, Section)) {
      v.erase(it);
      Modified();
      return;
    }
}

void TMemIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  TSection* s = impl_->Find(Section);
  if (s == nullptr) return;
  for (auto it = s->Lines.begin(); it != s->Lines.end(); ++it)
    if (it->Entry && SameText(it->Name, Ident)) {
      s->Lines.erase(it);
      Modified();
      return;
    }
}

void TMemIniFile::UpdateFile() {
  TStringList lines;
  GetStrings(&lines);
  lines.SaveToFile(FileName(), encoding_);
}

void TMemIniFile::Rename(const std::string& FileName, bool Reload) {
  SetFileName(FileName);
  if (Reload) Load();
}

void TIniFile::Modified() {
  try {
    UpdateFile();
  } catch (const Exception&) {
    throw EIniFileException("Unable to write to " + NativePath(FileName()));
  }
}
