#pragma once
// TStrings, the list-of-texts interface, and TStringList, its stored form.
//
// As on the platform: IndexOf and sorting ignore case unless CaseSensitive is
// set; Text joins the lines with CR LF after every line (the last included)
// and splits at CR, LF or CR LF; CommaText quotes items holding blanks,
// commas or quotes. Indexes are 0-based; a bad index raises EStringListError
// "List index out of bounds (n)".
//
// Files: LoadFromFile decodes by the byte-order mark (UTF-8, UTF-16 LE, then
// BE) and takes unmarked bytes as Windows-1252. SaveToFile writes through the
// safe writer, in the encoding the last load found or Windows-1252 without a
// mark for a list that was never loaded.
#include <functional>
#include <string>
#include <vector>

#include "framework/classes/Classes.h"
#include "framework/rtl/TextEncoding.h"

class TStream;

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStrings : public TPersistent {
 public:
  virtual int Count() const = 0;
  virtual std::string Strings(int Index) const = 0;
  virtual void SetStrings(int Index, const std::string& S);
  // Replaces the whole content with Source's (as Assign).
  void SetStrings(TStrings* Source) { Assign(Source); }
  virtual TObject* Objects(int Index) const;
  virtual void SetObjects(int Index, TObject* AObject);
  std::string operator[](int Index) const { return Strings(Index); }

  virtual int Add(const std::string& S);
  virtual int AddObject(const std::string& S, TObject* AObject);
  void Append(const std::string& S) { Add(S); }
  void AddStrings(TStrings* Source);
  void AddStrings(const std::vector<std::string>& Source);
  void Insert(int Index, const std::string& S) { InsertObject(Index, S, nullptr); }
  virtual void InsertObject(int Index, const std::string& S, TObject* AObject) = 0;
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int Index1, int Index2);
  virtual void Move(int CurIndex, int NewIndex);

  virtual int IndexOf(const std::string& S) const;
  int IndexOfName(const std::string& Name) const;
  int IndexOfObject(TObject* AObject) const;

  // "name=value" items (NameValueSeparator). Names(i) is empty for an item
  // without the separator. Setting an empty value deletes the item.
  std::string Names(int Index) const;
  std::string ValueFromIndex(int Index) const;
  void SetValueFromIndex(int Index, const std::string& Value);
  std::string Values(const std::string& Name) const;
  void SetValues(const std::string& Name, const std::string& Value);

  std::string Text() const;
  virtual void SetText(const std::string& Value);
  std::string CommaText() const;
  void SetCommaText(const std::string& Value);
  std::string DelimitedText() const;
  void SetDelimitedText(const std::string& Value);

  char Delimiter() const { return delimiter_; }
  void SetDelimiter(char c) { delimiter_ = c; }
  char QuoteChar() const { return quoteChar_; }
  void SetQuoteChar(char c) { quoteChar_ = c; }
  char NameValueSeparator() const { return nameValueSeparator_; }
  void SetNameValueSeparator(char c) { nameValueSeparator_ = c; }
  // Split only at the delimiter, never at blanks.
  bool StrictDelimiter() const { return strictDelimiter_; }
  void SetStrictDelimiter(bool b) { strictDelimiter_ = b; }
  const std::string& LineBreak() const { return lineBreak_; }
  void SetLineBreak(const std::string& s) { lineBreak_ = s; }

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // Raises EFOpenError when the file cannot be read.
  void LoadFromFile(const std::string& FileName);
  void LoadFromFile(const std::string& FileName, TTextEncoding Encoding);
  // Reads from the stream's position to its end.
  void LoadFromStream(TStream* Stream);
  void LoadFromStream(TStream* Stream, TTextEncoding Encoding);
  // Raises EFCreateError when the file cannot be written; the old file stays.
  void SaveToFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName, TTextEncoding Encoding);
  void SaveToStream(TStream* Stream);
  void SaveToStream(TStream* Stream, TTextEncoding Encoding);
  // The encoding the last load found (teAnsi before any load).
  TTextEncoding Encoding() const { return encoding_; }

  void Assign(TPersistent* Source) override;
  bool Equals(const TStrings* Other) const;
  std::vector<std::string> ToVector() const;

 protected:
  virtual void SetUpdateState(bool /*Updating*/) {}
  virtual int CompareStrings(const std::string& S1, const std::string& S2) const;
  [[noreturn]] static void IndexError(int Index);

 private:
  char delimiter_ = ',';
  char quoteChar_ = '"';
  char nameValueSeparator_ = '=';
  bool strictDelimiter_ = false;
  std::string lineBreak_ = "\r\n";
  int updateCount_ = 0;
  TTextEncoding encoding_ = teAnsi;
};

class TStringList;
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

class TStringList : public TStrings {
 public:
  TStringList() = default;
  explicit TStringList(bool OwnsObjects) : ownsObjects_(OwnsObjects) {}
  ~TStringList() override;

  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Strings(int Index) const override;
  void SetStrings(int Index, const std::string& S) override;
  using TStrings::SetStrings;
  TObject* Objects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;

  int Add(const std::string& S) override;
  int AddObject(const std::string& S, TObject* AObject) override;
  void InsertObject(int Index, const std::string& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  void Move(int CurIndex, int NewIndex) override;
  int IndexOf(const std::string& S) const override;

  // Binary search of a sorted list: true when found; Index receives the
  // first match or the place where S would go.
  bool Find(const std::string& S, int& Index) const;
  virtual void Sort();
  void CustomSort(const TStringListSortCompare& Compare);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates Value) { duplicates_ = Value; }
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool Value);
  // Room for this many items: a list filled item by item to a size known
  // beforehand is then not moved each time it outgrows its storage. Less
  // than Count leaves the room as it is.
  int Capacity() const { return static_cast<int>(items_.capacity()); }
  void SetCapacity(int Value) {
    if (Value > Count()) items_.reserve(static_cast<std::size_t>(Value));
  }
  // When set, the list frees the objects of deleted items and its own.
  bool OwnsObjects() const { return ownsObjects_; }
  void SetOwnsObjects(bool Value) { ownsObjects_ = Value; }

  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool Updating) override;
  int CompareStrings(const std::string& S1, const std::string& S2) const override;
  virtual void Changed();
  virtual void Changing();

 private:
  struct TItem {
    std::string S;
    TObject* Object = nullptr;
  };
  void CheckIndex(int Index) const;
  void InsertItem(int Index, const std::string& S, TObject* AObject);

  std::vector<TItem> items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  bool ownsObjects_ = false;
  TDuplicates duplicates_ = dupIgnore;
};
