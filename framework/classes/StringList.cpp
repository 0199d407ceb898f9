#include "framework/classes/StringList.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <numeric>

#include "framework/classes/Streams.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/StrUtils.h"

namespace {
inline bool IsBlank(char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; }

// Reads a quoted item starting at s[i] == quote: doubled quotes become one,
// the item ends at the closing quote (or at the end of the text); i moves
// past it.
std::string ExtractQuoted(const std::string& s, std::size_t& i, char quote) {
  std::string r;
  ++i;
  while (i < s.size()) {
    if (s[i] == quote) {
      if (i + 1 < s.size() && s[i + 1] == quote) {
        r += quote;
        i += 2;
        continue;
      }
      ++i;
      return r;
    }
    r += s[i++];
  }
  return r;
}
}  // namespace

// ---- TStrings --------------------------------------------------------------

void TStrings::IndexError(int Index) {
  throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
}

void TStrings::SetStrings(int Index, const std::string& S) {
  TObject* obj = Objects(Index);
  Delete(Index);
  InsertObject(Index, S, obj);
}

TObject* TStrings::Objects(int) const { return nullptr; }
void TStrings::SetObjects(int, TObject*) {}

int TStrings::Add(const std::string& S) { return AddObject(S, nullptr); }

int TStrings::AddObject(const std::string& S, TObject* AObject) {
  int i = Count();
  InsertObject(i, S, AObject);
  return i;
}

void TStrings::AddStrings(TStrings* Source) {
  BeginUpdate();
  for (int i = 0; i < Source->Count(); ++i) AddObject(Source->Strings(i), Source->Objects(i));
  EndUpdate();
}

void TStrings::AddStrings(const std::vector<std::string>& Source) {
  BeginUpdate();
  for (const auto& s : Source) Add(s);
  EndUpdate();
}

void TStrings::Exchange(int Index1, int Index2) {
  BeginUpdate();
  std::string s1 = Strings(Index1), s2 = Strings(Index2);
  TObject* o1 = Objects(Index1);
  TObject* o2 = Objects(Index2);
  SetStrings(Index1, s2);
  SetObjects(Index1, o2);
  SetStrings(Index2, s1);
  SetObjects(Index2, o1);
  EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  BeginUpdate();
  std::string s = Strings(CurIndex);
  TObject* o = Objects(CurIndex);
  // Keep the object alive across the delete even in a list that owns it.
  SetObjects(CurIndex, nullptr);
  Delete(CurIndex);
  InsertObject(NewIndex, s, o);
  EndUpdate();
}

int TStrings::CompareStrings(const std::string& S1, const std::string& S2) const {
  return AnsiCompareText(S1, S2);
}

int TStrings::IndexOf(const std::string& S) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Strings(i), S) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const std::string& Name) const {
  for (int i = 0; i < Count(); ++i) {
    std::string s = Strings(i);
    std::size_t p = s.find(nameValueSeparator_);
    if (p != std::string::npos && CompareStrings(s.substr(0, p), Name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(TObject* AObject) const {
  for (int i = 0; i < Count(); ++i)
    if (Objects(i) == AObject) return i;
  return -1;
}

std::string TStrings::Names(int Index) const {
  std::string s = Strings(Index);
  std::size_t p = s.find(nameValueSeparator_);
  return p == std::string::npos ? std::string() : s.substr(0, p);
}

std::string TStrings::ValueFromIndex(int Index) const {
  std::string s = Strings(Index);
  std::size_t p = s.find(nameValueSeparator_);
  return p == std::string::npos ? std::string() : s.substr(p + 1);
}

void TStrings::SetValueFromIndex(int Index, const std::string& Value) {
  if (Value.empty()) {
    Delete(Index);
    return;
  }
  std::string name = Names(Index);
  SetStrings(Index, name + nameValueSeparator_ + Value);
}

std::string TStrings::Values(const std::string& Name) const {
  int i = IndexOfName(Name);
  return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValues(const std::string& Name, const std::string& Value) {
  int i = IndexOfName(Name);
  if (Value.empty()) {
    if (i >= 0) Delete(i);
    return;
  }
  std::string item = Name + nameValueSeparator_ + Value;
  if (i < 0)
    Add(item);
  else
    SetStrings(i, item);
}

std::string TStrings::Text() const {
  std::string r;
  for (int i = 0; i < Count(); ++i) {
    r += Strings(i);
    r += lineBreak_;
  }
  return r;
}

void TStrings::SetText(const std::string& Value) {
  BeginUpdate();
  Clear();
  std::size_t i = 0;
  const std::size_t n = Value.size();
  while (i < n) {
    std::size_t start = i;
    while (i < n && Value[i] != '\r' && Value[i] != '\n') ++i;
    Add(Value.substr(start, i - start));
    if (i < n && Value[i] == '\r') ++i;
    if (i < n && Value[i] == '\n') ++i;
  }
  EndUpdate();
}

std::string TStrings::DelimitedText() const {
  const int n = Count();
  if (n == 1 && Strings(0).empty()) return std::string(2, quoteChar_);
  std::string r;
  for (int i = 0; i < n; ++i) {
    std::string s = Strings(i);
    bool quote = std::any_of(s.begin(), s.end(), [&](char c) {
      return c == quoteChar_ || c == delimiter_ || (!strictDelimiter_ && IsBlank(c));
    });
    if (i > 0) r += delimiter_;
    r += quote ? QuotedStr(s, quoteChar_) : s;
  }
  return r;
}

void TStrings::SetDelimitedText(const std::string& Value) {
  BeginUpdate();
  Clear();
  const bool strict = strictDelimiter_;
  const std::size_t n = Value.size();
  std::size_t i = 0;
  if (!strict)
    while (i < n && IsBlank(Value[i])) ++i;
  while (i < n) {
    std::string item;
    if (Value[i] == quoteChar_) {
      item = ExtractQuoted(Value, i, quoteChar_);
    } else {
      std::size_t start = i;
      while (i < n && Value[i] != delimiter_ && (strict || !IsBlank(Value[i]))) ++i;
      item = Value.substr(start, i - start);
    }
    Add(item);
    if (!strict)
      while (i < n && IsBlank(Value[i])) ++i;
    if (i < n && Value[i] == delimiter_) {
      // A delimiter at the very end stands for a last, empty item.
      if (i + 1 == n) Add("");
      ++i;
      if (!strict)
        while (i < n && IsBlank(Value[i])) ++i;
    }
  }
  EndUpdate();
}

std::string TStrings::CommaText() const {
  auto* self = const_cast<TStrings*>(this);
  char d = delimiter_, q = quoteChar_;
  bool strict = strictDelimiter_;
  self->delimiter_ = ',';
  self->quoteChar_ = '"';
  self->strictDelimiter_ = false;
  std::string r = DelimitedText();
  self->delimiter_ = d;
  self->quoteChar_ = q;
  self->strictDelimiter_ = strict;
  return r;
}

void TStrings::SetCommaText(const std::string& Value) {
  char d = delimiter_, q = quoteChar_;
  bool strict = strictDelimiter_;
  delimiter_ = ',';
  quoteChar_ = '"';
  strictDelimiter_ = false;
  try {
    SetDelimitedText(Value);
  } catch (...) {
    delimiter_ = d, quoteChar_ = q, strictDelimiter_ = strict;
    throw;
  }
  delimiter_ = d, quoteChar_ = q, strictDelimiter_ = strict;
}

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ == 0) return;
  --updateCount_;
  if (updateCount_ == 0) SetUpdateState(false);
}

void TStrings::LoadFromFile(const std::string& FileName) {
  std::string bytes;
  if (!ReadFileBytes(FileName, bytes)) {
    int err = DirectoryExists(FileName) ? EISDIR : (FileExists(FileName) ? EACCES : ENOENT);
    throw EFOpenError("Cannot open file \"" + NativePath(FileName) + "\". " + std::strerror(err));
  }
  SetText(DecodeText(bytes, &encoding_));
}

void TStrings::LoadFromFile(const std::string& FileName, TTextEncoding Encoding) {
  std::string bytes;
  if (!ReadFileBytes(FileName, bytes))
    throw EFOpenError("Cannot open file \"" + NativePath(FileName) + "\". " + std::strerror(ENOENT));
  encoding_ = Encoding;
  SetText(DecodeTextAs(bytes, Encoding));
}

void TStrings::LoadFromStream(TStream* Stream) {
  std::string bytes = Stream->ReadString(Stream->Size() - Stream->Position());
  SetText(DecodeText(bytes, &encoding_));
}

void TStrings::LoadFromStream(TStream* Stream, TTextEncoding Encoding) {
  std::string bytes = Stream->ReadString(Stream->Size() - Stream->Position());
  encoding_ = Encoding;
  SetText(DecodeTextAs(bytes, Encoding));
}

void TStrings::SaveToFile(const std::string& FileName) { SaveToFile(FileName, encoding_); }

void TStrings::SaveToFile(const std::string& FileName, TTextEncoding Encoding) {
  SafeWriteFile(FileName, EncodeText(Text(), Encoding));
}

void TStrings::SaveToStream(TStream* Stream) { SaveToStream(Stream, encoding_); }

void TStrings::SaveToStream(TStream* Stream, TTextEncoding Encoding) {
  Stream->WriteString(EncodeText(Text(), Encoding));
}

void TStrings::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TStrings*>(Source)) {
    if (src == this) return;
    BeginUpdate();
    try {
      Clear();
      delimiter_ = src->delimiter_;
      quoteChar_ = src->quoteChar_;
      nameValueSeparator_ = src->nameValueSeparator_;
      strictDelimiter_ = src->strictDelimiter_;
      lineBreak_ = src->lineBreak_;
      encoding_ = src->encoding_;
      AddStrings(src);
    } catch (...) {
      EndUpdate();
      throw;
    }
    EndUpdate();
    return;
  }
  TPersistent::Assign(Source);
}

bool TStrings::Equals(const TStrings* Other) const {
  if (Other == nullptr || Other->Count() != Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (Strings(i) != Other->Strings(i)) return false;
  return true;
}

std::vector<std::string> TStrings::ToVector() const {
  std::vector<std::string> v;
  v.reserve(static_cast<std::size_t>(Count()));
  for (int i = 0; i < Count(); ++i) v.push_back(Strings(i));
  return v;
}

// ---- TStringList -----------------------------------------------------------

TStringList::~TStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
  if (ownsObjects_)
    for (auto& item : items_) delete item.Object;
}

void TStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
}

std::string TStringList::Strings(int Index) const {
  CheckIndex(Index);
  return items_[static_cast<std::size_t>(Index)].S;
}

void TStringList::SetStrings(int Index, const std::string& S) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(Index);
  Changing();
  items_[static_cast<std::size_t>(Index)].S = S;
  Changed();
}

TObject* TStringList::Objects(int Index) const {
  CheckIndex(Index);
  return items_[static_cast<std::size_t>(Index)].Object;
}

void TStringList::SetObjects(int Index, TObject* AObject) {
  CheckIndex(Index);
  Changing();
  auto& slot = items_[static_cast<std::size_t>(Index)].Object;
  if (ownsObjects_ && slot != AObject) delete slot;
  slot = AObject;
  Changed();
}

int TStringList::Add(const std::string& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const std::string& S, TObject* AObject) {
  int index = Count();
  if (sorted_) {
    if (Find(S, index)) {
      if (duplicates_ == dupIgnore) return index;
      if (duplicates_ == dupError) throw EStringListError("String list does not allow duplicates");
    }
  }
  InsertItem(index, S, AObject);
  return index;
}

void TStringList::InsertObject(int Index, const std::string& S, TObject* AObject) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  if (Index < 0 || Index > Count()) IndexError(Index);
  InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* AObject) {
  Changing();
  items_.insert(items_.begin() + Index, TItem{S, AObject});
  Changed();
}

void TStringList::Delete(int Index) {
  CheckIndex(Index);
  Changing();
  TObject* obj = items_[static_cast<std::size_t>(Index)].Object;
  items_.erase(items_.begin() + Index);
  if (ownsObjects_) delete obj;
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  std::vector<TItem> old;
  old.swap(items_);
  if (ownsObjects_)
    for (auto& item : old) delete item.Object;
  Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  Changing();
  std::swap(items_[static_cast<std::size_t>(Index1)], items_[static_cast<std::size_t>(Index2)]);
  Changed();
}

void TStringList::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  Changing();
  TItem item = std::move(items_[static_cast<std::size_t>(CurIndex)]);
  items_.erase(items_.begin() + CurIndex);
  items_.insert(items_.begin() + NewIndex, std::move(item));
  Changed();
}

int TStringList::CompareStrings(const std::string& S1, const std::string& S2) const {
  return caseSensitive_ ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

bool TStringList::Find(const std::string& S, int& Index) const {
  int lo = 0, hi = Count() - 1;
  bool found = false;
  while (lo <= hi) {
    int mid = (lo + hi) / 2;
    int c = CompareStrings(items_[static_cast<std::size_t>(mid)].S, S);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) found = true;
    }
  }
  Index = lo;
  return found;
}

int TStringList::IndexOf(const std::string& S) const {
  if (!sorted_) return TStrings::IndexOf(S);
  int i = 0;
  return Find(S, i) ? i : -1;
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
  if (Count() < 2) return;
  Changing();
  std::vector<int> order(items_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return Compare(this, a, b) < 0; });
  std::vector<TItem> sorted;
  sorted.reserve(items_.size());
  for (int i : order) sorted.push_back(std::move(items_[static_cast<std::size_t>(i)]));
  items_ = std::move(sorted);
  Changed();
}

void TStringList::Sort() {
  CustomSort([](TStringList* list, int a, int b) {
    return list->CompareStrings(list->items_[static_cast<std::size_t>(a)].S,
                                list->items_[static_cast<std::size_t>(b)].S);
  });
}

void TStringList::SetSorted(bool Value) {
  if (sorted_ == Value) return;
  if (Value) Sort();
  sorted_ = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (caseSensitive_ == Value) return;
  caseSensitive_ = Value;
  if (sorted_) Sort();
}

void TStringList::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TStringList*>(Source)) {
    if (src == this) return;
    BeginUpdate();
    Clear();
    caseSensitive_ = src->caseSensitive_;
    duplicates_ = src->duplicates_;
    sorted_ = src->sorted_;
    EndUpdate();
  }
  TStrings::Assign(Source);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating)
    Changing();
  else
    Changed();
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}
