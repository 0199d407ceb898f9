// Delimited text ("CSV"): the export window written one record a line, and
// records read into the grid from the window's first cell or below its
// last row. A record never spans lines in what is written here (line
// breaks in a cell become U+000B, or "~" in the Java variant); a quoted
// field that a spreadsheet wrote over several lines is read as one field.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "framework/classes/Streams.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/CodePage.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/TextEncoding.h"
#include "grid/base/VevUtil.h"
#include "grid/io/GridExchange.h"
#include "grid/model/DivUzev.h"

namespace {

constexpr char kCandidates[] = {',', ';', '#', '\t', '|', '@', '*', '-', '+', '&'};

bool HasBreak(std::string_view T) { return T.find_first_of("\r\n") != std::string_view::npos; }

// Every line break (CR LF, a lone CR or LF) as U+000B, so the record stays
// on its line.
std::string BreaksToVT(std::string_view T) {
  std::string out;
  out.reserve(T.size());
  for (size_t i = 0; i < T.size(); ++i) {
    if (T[i] == '\r') {
      out += '\v';
      if (i + 1 < T.size() && T[i + 1] == '\n') ++i;
    } else if (T[i] == '\n') {
      out += '\v';
    } else {
      out += T[i];
    }
  }
  return out;
}

// One field as written.
std::string CsvField(std::string T, char D, bool AlwaysQuotes, bool QuoteEmpty, bool Java) {
  T = DoubleQuoteChars(T);
  const bool hasDelimiter = T.find(D) != std::string::npos;
  bool quoted = false;
  // Leading blanks are kept only inside quotes: the reader drops them
  // before a field.
  if (AlwaysQuotes || (!hasDelimiter && (T.find('"') != std::string::npos || (!T.empty() && T[0] == ' ')))) {
    T = '"' + T + '"';
    quoted = true;
  }
  if (T.empty()) {
    if (Java) return "^";
    return QuoteEmpty ? "\"\"" : std::string();
  }
  if (hasDelimiter || HasBreak(T)) {
    // Every branch keeps the record on one line, and a field holding the
    // delimiter is always quoted, so it reads back as one field.
    if (Java)
      T = LineBreaksToTilde(T);
    else
      T = BreaksToVT(T);
    if (!quoted && (hasDelimiter || !Java)) T = '"' + T + '"';
  }
  return T;
}

// A field written as it is: not empty, no leading blank, nothing to quote,
// double or keep on its line (most cells of a table). The bytes that rule
// it out are looked up in one table, made once per export.
class TPlainFields {
 public:
  TPlainFields(char D, bool AlwaysQuotes) : always_(AlwaysQuotes) {
    for (char c : {D, '"', '\r', '\n'}) special_[static_cast<unsigned char>(c)] = true;
  }
  bool Plain(std::string_view T) const {
    if (always_ || T.empty() || T[0] == ' ') return false;
    for (char c : T)
      if (special_[static_cast<unsigned char>(c)]) return false;
    return true;
  }

 private:
  bool always_;
  std::array<bool, 256> special_{};
};

// Physical lines of the text (CR LF, LF or CR end one).
std::vector<std::string_view> SplitLines(std::string_view Text) {
  std::vector<std::string_view> lines;
  // Room for lines of some 64 bytes at once; more lines grow it.
  lines.reserve(Text.size() / 64 + 16);
  const char* const end = Text.data() + Text.size();
  const char* p = Text.data();
  // The next LF is looked for only once the lines passed it, so text
  // broken by lone CRs is not searched to its end for every line.
  const char* lf = nullptr;
  while (p < end) {
    if (lf == nullptr || lf < p) {
      lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
      if (lf == nullptr) lf = end;
    }
    const char* e = static_cast<const char*>(std::memchr(p, '\r', static_cast<size_t>(lf - p)));
    if (e == nullptr) e = lf;
    lines.emplace_back(p, static_cast<size_t>(e - p));
    if (e < end && *e == '\r' && e + 1 < end && e[1] == '\n') ++e;
    p = e + 1;
  }
  return lines;
}

char DetectDelimiter(std::string_view L1, std::string_view L2) {
  char chosen = 0;
  int best = 0;
  for (char c : kCandidates) {
    const int k = CountQuoteEnds(static_cast<unsigned char>(c), L1);
    if (k == CountQuoteEnds(static_cast<unsigned char>(c), L2) && k > best) chosen = c, best = k;
  }
  if (best == 0)
    for (char c : kCandidates) {
      const int k = CountChar(static_cast<unsigned char>(c), L1);
      if (k == CountChar(static_cast<unsigned char>(c), L2) && k > best) chosen = c, best = k;
    }
  if (best == 0)
    for (char c : kCandidates) {
      const int k1 = CountChar(static_cast<unsigned char>(c), L1);
      const int k2 = CountChar(static_cast<unsigned char>(c), L2);
      if (k1 > best || k2 > best) chosen = c, best = std::max(k1, k2);
    }
  return chosen;
}

// Records: a line whose double quotes do not pair up goes on with the next
// lines until they do (a spreadsheet's multi-line field), joined by CR LF
// into Joined. Without a later line that pairs them, the line stands alone.
std::vector<std::string_view> JoinRecords(const std::vector<std::string_view>& Lines,
                                          std::deque<std::string>& Joined) {
  const size_t n = Lines.size();
  // odd[j]: an odd number of quotes in lines 0..j-1.
  std::vector<uint8_t> odd(n + 1, 0);
  for (size_t j = 0; j < n; ++j)
    odd[j + 1] = odd[j] ^ static_cast<uint8_t>(std::count(Lines[j].begin(), Lines[j].end(), '"') & 1);
  // next[v][j]: the first k >= j with odd[k] == v.
  std::vector<size_t> next[2] = {std::vector<size_t>(n + 2, SIZE_MAX), std::vector<size_t>(n + 2, SIZE_MAX)};
  for (size_t j = n + 1; j-- > 0;) {
    next[0][j] = next[0][j + 1];
    next[1][j] = next[1][j + 1];
    if (j <= n) next[odd[j]][j] = j;
  }
  std::vector<std::string_view> records;
  records.reserve(n);
  for (size_t i = 0; i < n;) {
    size_t end = i + 1;  // lines i .. end-1 form the record
    if (odd[i + 1] != odd[i]) {
      const size_t k = next[odd[i]][i + 2];
      if (k != SIZE_MAX) end = k;
    }
    if (end == i + 1) {
      records.push_back(Lines[i]);
    } else {
      std::string& rec = Joined.emplace_back(Lines[i]);
      for (size_t j = i + 1; j < end; ++j) {
        rec += "\r\n";
        rec += Lines[j];
      }
      records.push_back(rec);
    }
    i = end;
  }
  return records;
}

void DropBlanks(std::string_view& S) {
  while (S.size() >= 2 && S[0] == ' ') S.remove_prefix(1);
}

// The fields of one record, into strings kept from record to record so that
// reading a file does not allocate for every field.
class TFields {
 public:
  explicit TFields(bool Java) : java_(Java) {}
  size_t Count() const { return count_; }
  std::string& operator[](size_t K) { return fields_[K]; }

  void Split(std::string_view Line, char D) {
    count_ = 0;
    // Only a record holding a line break's one-line form has fields to
    // turn back.
    breaks_ = Line.find(java_ ? '~' : '\v') != std::string_view::npos;
    if (D == 0) {
      if (!Line.empty()) Add(Line, false);
      return;
    }
    size_t p;
    while ((p = Line.find(D)) != std::string_view::npos) {
      const size_t before = Line.size();
      DropBlanks(Line);
      p -= before - Line.size();
      if (!Line.empty() && Line[0] == '"') {
        Line.remove_prefix(1);
        int q = -1;
        FindQuoteEnd('"', Line, q);
        if (q < 0) {
          // No closing quote: an empty field; reading goes on after the
          // delimiter.
          p = Line.find(D);
          Add(std::string_view(), false);
          if (p == std::string_view::npos) return;
        } else {
          Add(Line.substr(0, static_cast<size_t>(q)), true);
          Line.remove_prefix(static_cast<size_t>(q) + 1);
          p = Line.find(D);
          // The closing quote ended the record.
          if (p == std::string_view::npos) return;
        }
      } else {
        Add(Line.substr(0, p), false);
      }
      Line.remove_prefix(p + 1);
    }
    if (!Line.empty()) {
      DropBlanks(Line);
      if (Line[0] == '"') {
        Line.remove_prefix(1);
        if (!Line.empty() && Line.back() == '"') Line.remove_suffix(1);
        Add(Line, true);
      } else {
        Add(Line, false);
      }
    }
  }

 private:
  // A field as read: doubled quotes single when it stood in quotes, line
  // breaks back from their one-line form.
  void Add(std::string_view Raw, bool Quoted) {
    if (count_ == fields_.size()) fields_.emplace_back();
    std::string& f = fields_[count_++];
    if (Quoted && Raw.find('"') != std::string_view::npos) {
      f.clear();
      for (size_t i = 0; i < Raw.size(); ++i) {
        f += Raw[i];
        if (Raw[i] == '"' && i + 1 < Raw.size() && Raw[i + 1] == '"') ++i;
      }
    } else {
      f.assign(Raw);
    }
    if (java_) {
      if (f == "^" || (breaks_ && f.find('~') != std::string::npos)) f = TildeToLineBreaks(f);
    } else if (breaks_ && f.find('\v') != std::string::npos) {
      f = VTToCRLF(f);
    }
  }

  bool java_;
  bool breaks_ = false;
  size_t count_ = 0;
  std::vector<std::string> fields_;
};

}  // namespace

// ---------------------------------------------------------------------------
// Writing

std::string TDedAdararAdoz::CSVText() {
  const gridio::TExportColumns cols = gridio::ExportColumns(this, true);
  const char d = Delimiter() != 0 ? Delimiter() : ',';
  const bool always = AlwaysQuotes(), quoteEmpty = QuoteEmptyCells(), java = JavaCSV();
  const TPlainFields plain(d, always);
  std::string out;
  ExportNotification(esExportStart, SaveStartRow());
  gridio::TFileProgress progress(this);
  std::string t;
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (int k = 0; k < cols.Count(); ++k) {
      if (k > 0) out += d;
      SaveCell(cols.Real[static_cast<size_t>(k)], r, t);
      if (plain.Plain(t))
        out += t;
      else
        out += CsvField(t, d, always, quoteEmpty, java);
    }
    out += "\r\n";
    // The first row tells roughly how long the text grows.
    if (r == SaveStartRow()) out.reserve(out.size() * static_cast<size_t>(SaveEndRow() - r + 1) * 5 / 4);
    progress.Report(r, RowCount() - 1);
  }
  ExportNotification(esExportDone, -1);
  return out;
}

namespace {

std::string EncodeCsv(std::string&& Text, bool Unicode, bool Oem) {
  if (Unicode) return EncodeText(Text, teUtf8, true);
  // ASCII is the same bytes in the ANSI and OEM pages: no second copy.
  if (IsAscii(Text)) return std::move(Text);
  return Oem ? Utf8ToOem(Text) : EncodeText(Text, teAnsi, false);
}

std::string_view DecodeCsv(const std::string& Bytes, bool Oem, std::string& Buffer) {
  if (Oem && DetectTextEncoding(Bytes) == teAnsi) return Buffer = OemToUtf8(Bytes);
  return gridio::AsUtf8(Bytes, Buffer);
}

}  // namespace

void TDedAdararAdoz::SaveToCSV(const std::string& FileName, bool Unicode) {
  SafeWriteFile(FileName, EncodeCsv(CSVText(), Unicode, OemConvert()));
}

void TDedAdararAdoz::AppendToCSV(const std::string& FileName, bool Unicode) {
  TMemoryStream old;
  old.LoadFromFile(FileName);
  std::string text, decoded;
  for (std::string_view line : SplitLines(DecodeCsv(old.Bytes(), OemConvert(), decoded))) {
    text.append(line);
    text += "\r\n";
  }
  text += CSVText();
  SafeWriteFile(FileName, EncodeCsv(std::move(text), Unicode, OemConvert()));
}

// ---------------------------------------------------------------------------
// Reading

void TDedAdararAdoz::LoadFromCSV(const std::string& FileName, int MaxRows) {
  TMemoryStream file;
  file.LoadFromFile(FileName);
  // An empty file is left alone.
  if (file.Size() == 0) return;
  ReadCSV(file.Bytes(), MaxRows, false);
}

void TDedAdararAdoz::InsertFromCSV(const std::string& FileName, int MaxRows) {
  TMemoryStream file;
  file.LoadFromFile(FileName);
  if (file.Size() == 0) return;
  ReadCSV(file.Bytes(), MaxRows, true);
}

void TDedAdararAdoz::LoadFromCSVStream(TStream* Stream, int MaxRows) {
  const std::string bytes = Stream->ReadString(std::max<int64_t>(0, Stream->Size() - Stream->Position()));
  ReadCSV(bytes, MaxRows, false);
}

void TDedAdararAdoz::ReadCSV(const std::string& Bytes, int MaxRows, bool Insert) {
  std::string decoded;
  const std::string_view text = DecodeCsv(Bytes, OemConvert(), decoded);
  const std::vector<std::string_view> lines = SplitLines(text);
  if (lines.empty()) throw Exception("File is empty");

  const bool java = JavaCSV();
  // A detected delimiter is the grid's for the run only.
  struct TKeepDelimiter {
    TDedAdararAdoz* G;
    char Old;
    ~TKeepDelimiter() { G->SetDelimiter(Old); }
  } keep{this, Delimiter()};
  if (Delimiter() == 0)
    SetDelimiter(DetectDelimiter(lines[0], lines.size() > 1 ? lines[1] : std::string_view()));
  const char d = Delimiter();
  std::deque<std::string> joined;
  // Without a double quote no line goes on with the next.
  std::vector<std::string_view> joinedRecords;
  if (text.find('"') != std::string_view::npos) joinedRecords = JoinRecords(lines, joined);
  const std::vector<std::string_view>& records = joinedRecords.empty() ? lines : joinedRecords;

  const int c0 = SaveStartCol();
  int r = SaveStartRow();
  // The floating footer row is set aside and put back below the records.
  const bool footer = Insert && FloatingFooter()->Visible() && RowCount() > 0;
  std::vector<std::string> footerCells;
  if (Insert) {
    r = RowCount();
    if (footer) {
      r = RowCount() - 1;
      for (int c = 0; c < TotalColCount(); ++c) {
        footerCells.push_back(GetGridCell(c, r));
        SetGridCell(c, r, std::string());
      }
    }
  }
  const int h = SaveHiddenCells() ? NumHiddenColumns() : 0;
  size_t first = LoadFirstRow() ? 0 : 1;
  const size_t total = records.size() > first ? records.size() - first : 0;
  if (OnFileProgress) {
    const int64_t n = static_cast<int64_t>(total);
    SetRowCount(static_cast<int>(std::min<int64_t>(
        Insert ? RowCount() + n : SaveStartRow() + n + FixedFooters(), gridio::kMaxLoadRows)));
  } else {
    // Rows for every record at once, so that the cells are stored once
    // and not moved as the grid grows.
    const int64_t n =
        MaxRows > 0 ? std::min<int64_t>(static_cast<int64_t>(total), MaxRows) : static_cast<int64_t>(total);
    const int64_t need = std::min<int64_t>(r + n + FixedFooters(), gridio::kMaxLoadRows);
    if (need > RowCount()) SetRowCount(static_cast<int>(need));
  }
  gridio::TFileProgress progress(this);
  TFields fields(java);
  size_t read = 0;
  for (size_t i = first; i < records.size(); ++i) {
    if (MaxRows > 0 && read >= static_cast<size_t>(MaxRows)) break;
    // A grid cannot take more rows than this; the rest is not read.
    if (r >= gridio::kMaxLoadRows - FixedFooters()) break;
    if (r >= RowCount() - FixedFooters()) SetRowCount(r + 1000);
    fields.Split(records[i], d);
    // Fields past the widest grid are dropped.
    const int n = static_cast<int>(std::min<int64_t>(fields.Count(), gridio::kMaxLoadCols - c0));
    if (n > 0 && c0 + n - h > ColCount()) SetColCount(c0 + n - h);
    for (int k = 0; k < n; ++k) LoadCell(c0 + k, r, fields[static_cast<size_t>(k)]);
    ++r;
    ++read;
    progress.Report(static_cast<int64_t>(read), static_cast<int64_t>(total));
  }
  SetRowCount(r + FixedFooters());
  FMaxRowCount = RowCount();
  // The footer row below the records gets back what it held before an
  // insert, and is emptied by a load.
  if (FloatingFooter()->Visible() && (footer || FixedFooters() > 0)) {
    const int last = RowCount() - 1;
    for (int c = 0; c < TotalColCount(); ++c)
      SetGridCell(
          c, last,
          c < static_cast<int>(footerCells.size()) ? footerCells[static_cast<size_t>(c)] : std::string());
  }
  CellsChanged(TRect(0, 0, ColCount(), RowCount()));
  CalcAllFooters();
}
