// Office documents as files: zip packages (libzip), workbooks read and
// changed through their XML parts (pugixml), new workbooks written by
// libxlsxwriter, and word-processor tables as WordprocessingML.
#include "grid/io/OfficeFiles.h"

#include <sys/mman.h>
#include <unistd.h>
#include <xlsxwriter.h>
#include <zip.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <pugixml.hpp>
#include <set>
#include <sstream>

#include "framework/rtl/DateUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/os/LoadedLibrary.h"

namespace office {

namespace {

// libzip and libxlsxwriter, with the crypto library under them, are loaded
// the first time an office file is read or written.
// clang-format off
#define CF_ZIP_FUNCTIONS(X)                                                                     \
  X(zip_close) X(zip_discard) X(zip_error_fini) X(zip_error_init) X(zip_error_strerror)         \
  X(zip_fclose) X(zip_file_add) X(zip_fopen_index) X(zip_fread) X(zip_get_num_entries)          \
  X(zip_open_from_source) X(zip_source_buffer) X(zip_source_buffer_create) X(zip_source_close)  \
  X(zip_source_free) X(zip_source_keep) X(zip_source_open) X(zip_source_read) X(zip_stat_index) \
  X(zip_stat_init) X(zip_strerror)
#define CF_XLSX_FUNCTIONS(X)                                                         \
  X(workbook_new) X(workbook_add_worksheet) X(workbook_add_format) X(workbook_close) \
  X(format_set_num_format_index) X(format_set_text_wrap) X(worksheet_write_number)   \
  X(worksheet_write_string) X(lxw_strerror)
// clang-format on
#define CF_OFFICE_FIELD(Name) decltype(&::Name) Name = nullptr;
#define CF_OFFICE_BIND(Name) &&BindLoadedSymbol(lib, #Name, l.Name)

struct TZipLibrary {
  CF_ZIP_FUNCTIONS(CF_OFFICE_FIELD)
};

struct TXlsxLibrary {
  CF_XLSX_FUNCTIONS(CF_OFFICE_FIELD)
};

const TZipLibrary& Zip() {
  static const TZipLibrary* library = [] {
    static TZipLibrary l;
    void* lib = OpenLoadedLibrary({"libzip.so.4", "libzip.so.5", "libzip.so"});
    return lib != nullptr CF_ZIP_FUNCTIONS(CF_OFFICE_BIND) ? &l : nullptr;
  }();
  if (library == nullptr) throw Exception("The zip library could not be loaded");
  return *library;
}

const TXlsxLibrary& Xlsx() {
  static const TXlsxLibrary* library = [] {
    static TXlsxLibrary l;
    void* lib = OpenLoadedLibrary({"libxlsxwriter.so.4", "libxlsxwriter.so.5", "libxlsxwriter.so"});
    return lib != nullptr CF_XLSX_FUNCTIONS(CF_OFFICE_BIND) ? &l : nullptr;
  }();
  if (library == nullptr) throw Exception("The workbook library could not be loaded");
  return *library;
}

#undef CF_OFFICE_BIND
#undef CF_OFFICE_FIELD
#undef CF_XLSX_FUNCTIONS
#undef CF_ZIP_FUNCTIONS

constexpr const char* kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kRelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr const char* kSheetNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kWordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

// A package of office parts is small; a zip that claims more is not one.
constexpr uint64_t kMaxPartSize = 512ull << 20;
constexpr uint64_t kMaxPackageSize = 1024ull << 20;

// What a spreadsheet can hold.
constexpr int kSheetMaxRows = 1048576;
constexpr int kSheetMaxCols = 16384;
constexpr size_t kSheetMaxText = 32767;
// A sheet the grid takes in may not ask for more cells than this.
constexpr int64_t kMaxSheetCells = 64ll << 20;

[[noreturn]] void Bad(const std::string& FileName, const std::string& Why) {
  throw EOfficeFileError("Cannot open " + FileName + ": " + Why);
}

// The text of a libzip error, which is then released.
std::string ZipErrorText(zip_error_t& Err) {
  const TZipLibrary& z = Zip();
  std::string text = z.zip_error_strerror(&Err);
  z.zip_error_fini(&Err);
  return text;
}

[[noreturn]] void Incorrect() { throw Exception("Incorrect XLS file"); }

std::string_view Local(const char* Name) {
  std::string_view s(Name);
  const size_t p = s.find(':');
  return p == std::string_view::npos ? s : s.substr(p + 1);
}

std::string Prefix(pugi::xml_node N) {
  std::string_view s(N.name());
  const size_t p = s.find(':');
  return p == std::string_view::npos ? std::string() : std::string(s.substr(0, p + 1));
}

pugi::xml_node Child(pugi::xml_node N, std::string_view Name) {
  for (pugi::xml_node c = N.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_element && Local(c.name()) == Name) return c;
  return {};
}

template <class F>
void Children(pugi::xml_node N, std::string_view Name, F&& Fn) {
  for (pugi::xml_node c = N.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_element && Local(c.name()) == Name) Fn(c);
}

// The relationship id of a part reference ("r:id" whatever its prefix).
std::string RelId(pugi::xml_node N) {
  for (pugi::xml_attribute a = N.first_attribute(); a; a = a.next_attribute()) {
    std::string_view n(a.name());
    if (n.size() > 3 && n.substr(n.size() - 3) == ":id") return a.value();
  }
  return std::string();
}

bool Parse(pugi::xml_document& Doc, const std::string& Text) {
  return Doc.load_buffer(Text.data(), Text.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
}

std::string Save(const pugi::xml_document& Doc) {
  std::ostringstream o;
  Doc.save(o, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n" + o.str();
}

std::string DirOf(const std::string& Part) {
  const size_t p = Part.rfind('/');
  return p == std::string::npos ? std::string() : Part.substr(0, p + 1);
}

std::string RelsOf(const std::string& Part) {
  const size_t p = Part.rfind('/');
  return p == std::string::npos ? "_rels/" + Part + ".rels"
                                : Part.substr(0, p + 1) + "_rels/" + Part.substr(p + 1) + ".rels";
}

// A relationship target as a part name.
std::string Resolve(const std::string& BaseDir, const std::string& Target) {
  std::string path = !Target.empty() && Target[0] == '/' ? Target.substr(1) : BaseDir + Target;
  std::vector<std::string> parts;
  size_t p = 0;
  while (p <= path.size()) {
    size_t e = path.find('/', p);
    if (e == std::string::npos) e = path.size();
    const std::string seg = path.substr(p, e - p);
    if (seg == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!seg.empty() && seg != ".") {
      parts.push_back(seg);
    }
    p = e + 1;
  }
  std::string out;
  for (const std::string& s : parts) out += (out.empty() ? "" : "/") + s;
  return out;
}

struct TRel {
  std::string Id, Type, Target;
};

std::vector<TRel> ReadRels(const TZipPackage& Package, const std::string& RelsPart) {
  std::vector<TRel> rels;
  if (!Package.Has(RelsPart)) return rels;
  pugi::xml_document doc;
  if (!Parse(doc, Package.Part(RelsPart))) return rels;
  Children(doc.document_element(), "Relationship", [&](pugi::xml_node r) {
    rels.push_back({r.attribute("Id").value(), r.attribute("Type").value(), r.attribute("Target").value()});
  });
  return rels;
}

bool TypeIs(const std::string& Type, std::string_view Kind) {
  return Type.size() > Kind.size() && Type.compare(Type.size() - Kind.size(), Kind.size(), Kind) == 0 &&
         Type[Type.size() - Kind.size() - 1] == '/';
}

// The package's main part (the office document relationship of the root).
std::string MainPart(const TZipPackage& Package, const std::string& Fallback) {
  for (const TRel& r : ReadRels(Package, "_rels/.rels"))
    if (TypeIs(r.Type, "officeDocument")) return Resolve(std::string(), r.Target);
  return Fallback;
}

// Text in OOXML strings: "_xHHHH_" stands for the character HHHH.
std::string DecodeEscapes(std::string_view S) {
  std::string out;
  out.reserve(S.size());
  auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
  for (size_t i = 0; i < S.size(); ++i) {
    if (S[i] == '_' && i + 6 < S.size() && S[i + 1] == 'x' && hex(S[i + 2]) && hex(S[i + 3]) &&
        hex(S[i + 4]) && hex(S[i + 5]) && S[i + 6] == '_') {
      const unsigned code = static_cast<unsigned>(std::stoul(std::string(S.substr(i + 2, 4)), nullptr, 16));
      AppendUtf8(out, static_cast<char32_t>(code));
      i += 6;
    } else {
      out += S[i];
    }
  }
  return out;
}

// The other way: characters XML cannot carry, and "_x" that would read as
// an escape, as "_xHHHH_".
std::string EncodeEscapes(std::string_view S) {
  std::string out;
  out.reserve(S.size());
  char buf[8];
  for (size_t i = 0; i < S.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(S[i]);
    const bool control = c < 0x20 && c != '\t' && c != '\n';
    const bool underscore = c == '_' && i + 1 < S.size() && S[i + 1] == 'x';
    if (control || underscore) {
      std::snprintf(buf, sizeof buf, "_x%04X_", c);
      out += buf;
    } else {
      out += S[i];
    }
  }
  return out;
}

// A text that holds "_xHHHH_" itself keeps it: its "_" is written as an
// escape (libxlsxwriter escapes control characters, not this).
std::string KeepLiteralEscapes(std::string_view S) {
  std::string out;
  auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
  for (size_t i = 0; i < S.size(); ++i) {
    if (S[i] == '_' && i + 6 < S.size() && S[i + 1] == 'x' && hex(S[i + 2]) && hex(S[i + 3]) &&
        hex(S[i + 4]) && hex(S[i + 5]) && S[i + 6] == '_')
      out += "_x005F_";
    else
      out += S[i];
  }
  return out;
}

// The text of a shared or inline string: its own text or its runs' texts
// (phonetic runs left out).
std::string StringItemText(pugi::xml_node Si) {
  std::string out;
  if (pugi::xml_node t = Child(Si, "t")) return DecodeEscapes(t.text().get());
  Children(Si, "r", [&](pugi::xml_node r) { out += DecodeEscapes(Child(r, "t").text().get()); });
  return out;
}

// Number formats that show dates or times: the built-in ones and any code
// with date or time letters outside quotes, escapes and colour brackets.
bool IsDateFormat(int Id, const std::string& Code) {
  if ((Id >= 14 && Id <= 22) || (Id >= 27 && Id <= 36) || (Id >= 45 && Id <= 47) || (Id >= 50 && Id <= 58))
    return true;
  if (Code.empty() || SameText(Code, "General")) return false;
  bool quoted = false;
  for (size_t i = 0; i < Code.size(); ++i) {
    const char c = Code[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (quoted) {
      continue;
    } else if (c == '\\' || c == '_' || c == '*') {
      ++i;
    } else if (c == '[') {
      const size_t e = Code.find(']', i);
      if (e == std::string::npos) return false;
      const std::string inner = Code.substr(i + 1, e - i - 1);
      // Elapsed time ("[h]", "[mm]") is a time; colours and conditions are
      // not.
      if (!inner.empty() && std::strchr("hHmMsS", inner[0]) != nullptr &&
          inner.find_first_not_of(inner[0]) == std::string::npos)
        return true;
      i = e;
    } else if (std::strchr("dDmMyYhHsS", c) != nullptr) {
      return true;
    }
  }
  return false;
}

bool IsDigits(std::string_view S) {
  return !S.empty() && std::all_of(S.begin(), S.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "2024-02-29" or "2024-02-29T10:30:00(.fff)" as a date value.
bool ParseIsoDate(std::string_view S, double& Value) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
  double frac = 0;
  if (S.size() < 10 || S[4] != '-' || S[7] != '-' || !IsDigits(S.substr(0, 4)) || !IsDigits(S.substr(5, 2)) ||
      !IsDigits(S.substr(8, 2)))
    return false;
  y = std::stoi(std::string(S.substr(0, 4)));
  mo = std::stoi(std::string(S.substr(5, 2)));
  d = std::stoi(std::string(S.substr(8, 2)));
  TDateTime date = 0;
  if (!TryEncodeDate(y, mo, d, date)) return false;
  if (S.size() > 10) {
    if (S.size() < 19 || S[10] != 'T' || S[13] != ':' || S[16] != ':') return false;
    if (!IsDigits(S.substr(11, 2)) || !IsDigits(S.substr(14, 2)) || !IsDigits(S.substr(17, 2))) return false;
    h = std::stoi(std::string(S.substr(11, 2)));
    mi = std::stoi(std::string(S.substr(14, 2)));
    sec = std::stoi(std::string(S.substr(17, 2)));
    if (S.size() > 20 && S[19] == '.' && IsDigits(S.substr(20)))
      frac = std::stod("0" + std::string(S.substr(19)));
    TDateTime time = 0;
    if (!TryEncodeTime(h, mi, sec, 0, time)) return false;
    date += time + frac / SecsPerDay;
  }
  Value = date;
  return true;
}

std::string NumberText(double V) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, V);
  return std::string(buf, r.ptr);
}

size_t CharCount(std::string_view S) {
  size_t n = 0;
  for (char c : S)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

// A block a spreadsheet can take: the limits of a sheet and of a cell.
void CheckBlock(int FirstRow, const std::vector<std::vector<std::string>>& Rows) {
  if (FirstRow - 1 + static_cast<int64_t>(Rows.size()) > kSheetMaxRows)
    throw Exception("The grid has more rows than a worksheet holds");
  for (const auto& row : Rows) {
    if (row.size() > static_cast<size_t>(kSheetMaxCols))
      throw Exception("The grid has more columns than a worksheet holds");
    for (const std::string& t : row)
      if (CharCount(t) > kSheetMaxText)
        throw Exception("A cell holds more than the 32767 characters of a worksheet cell");
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Zip packages

TZipPackage TZipPackage::FromBytes(const std::string& Bytes, const std::string& FileName) {
  const TZipLibrary& z = Zip();
  TZipPackage pkg;
  pkg.file_ = FileName;
  zip_error_t err;
  z.zip_error_init(&err);
  zip_source_t* src = z.zip_source_buffer_create(Bytes.data(), Bytes.size(), 0, &err);
  if (src == nullptr) Bad(FileName, ZipErrorText(err));
  zip_t* za = z.zip_open_from_source(src, ZIP_RDONLY, &err);
  if (za == nullptr) {
    z.zip_source_free(src);
    const std::string why = ZipErrorText(err);
    Bad(FileName, "not an Office Open XML file (" + why + ")");
  }
  struct TClose {
    zip_t* Z;
    ~TClose() { Zip().zip_discard(Z); }
  } close{za};
  uint64_t total = 0;
  const zip_int64_t n = z.zip_get_num_entries(za, 0);
  for (zip_int64_t i = 0; i < n; ++i) {
    zip_stat_t st;
    z.zip_stat_init(&st);
    if (z.zip_stat_index(za, static_cast<zip_uint64_t>(i), 0, &st) != 0) Bad(FileName, z.zip_strerror(za));
    const std::string name = st.name != nullptr ? st.name : "";
    if (name.empty() || name.back() == '/' || pkg.Has(name)) continue;
    if (st.size > kMaxPartSize || (total += st.size) > kMaxPackageSize)
      Bad(FileName, "the parts are too large");
    zip_file_t* f = z.zip_fopen_index(za, static_cast<zip_uint64_t>(i), 0);
    if (f == nullptr) Bad(FileName, z.zip_strerror(za));
    std::string data(static_cast<size_t>(st.size), '\0');
    const zip_int64_t got = data.empty() ? 0 : z.zip_fread(f, data.data(), data.size());
    char extra;
    const zip_int64_t more = z.zip_fread(f, &extra, 1);
    z.zip_fclose(f);
    if (got != static_cast<zip_int64_t>(data.size()) || more != 0)
      Bad(FileName, "part " + name + " is damaged");
    pkg.order_.push_back(name);
    pkg.parts_.emplace(name, std::move(data));
  }
  return pkg;
}

const std::string& TZipPackage::Part(const std::string& Name) const {
  auto it = parts_.find(Name);
  if (it == parts_.end()) Bad(file_, "part " + Name + " is missing");
  return it->second;
}

void TZipPackage::SetPart(const std::string& Name, std::string Data) {
  auto it = parts_.find(Name);
  if (it == parts_.end()) {
    order_.push_back(Name);
    parts_.emplace(Name, std::move(Data));
  } else {
    it->second = std::move(Data);
  }
}

void TZipPackage::RemovePart(const std::string& Name) {
  if (parts_.erase(Name) != 0) order_.erase(std::find(order_.begin(), order_.end(), Name));
}

std::string TZipPackage::ToBytes() const {
  const TZipLibrary& z = Zip();
  zip_error_t err;
  z.zip_error_init(&err);
  zip_source_t* src = z.zip_source_buffer_create(nullptr, 0, 0, &err);
  if (src == nullptr) throw Exception("Cannot build the file: " + ZipErrorText(err));
  zip_t* za = z.zip_open_from_source(src, ZIP_TRUNCATE, &err);
  if (za == nullptr) {
    z.zip_source_free(src);
    throw Exception("Cannot build the file: " + ZipErrorText(err));
  }
  z.zip_source_keep(src);
  struct TFree {
    zip_source_t* S;
    ~TFree() { Zip().zip_source_free(S); }
  } keep{src};
  auto fail = [&](const std::string& why) {
    z.zip_discard(za);
    throw Exception("Cannot build the file: " + why);
  };
  for (const std::string& name : order_) {
    const std::string& data = parts_.at(name);
    zip_source_t* s = z.zip_source_buffer(za, data.data(), data.size(), 0);
    if (s == nullptr) fail(z.zip_strerror(za));
    if (z.zip_file_add(za, name.c_str(), s, ZIP_FL_ENC_UTF_8) < 0) {
      z.zip_source_free(s);
      fail(z.zip_strerror(za));
    }
  }
  if (z.zip_close(za) != 0) fail(z.zip_strerror(za));
  std::string out;
  if (z.zip_source_open(src) != 0) throw Exception("Cannot build the file");
  char buf[65536];
  zip_int64_t got;
  while ((got = z.zip_source_read(src, buf, sizeof buf)) > 0) out.append(buf, static_cast<size_t>(got));
  z.zip_source_close(src);
  if (got < 0) throw Exception("Cannot build the file");
  return out;
}

// ---------------------------------------------------------------------------
// A1 notation

std::string XlsColumnName(int Column) {
  std::string s;
  while (Column > 0) {
    s.insert(s.begin(), static_cast<char>('A' + (Column - 1) % 26));
    Column = (Column - 1) / 26;
  }
  return s;
}

namespace {

// Letters, then digits, each optionally after "$"; either may be missing.
bool SplitRef(std::string_view Ref, int& Column, int& Row, bool& HasColumn, bool& HasRow) {
  size_t i = 0;
  if (i < Ref.size() && Ref[i] == '$') ++i;
  int64_t col = 0;
  size_t letters = 0;
  while (i < Ref.size() && std::isalpha(static_cast<unsigned char>(Ref[i]))) {
    col = col * 26 + (std::toupper(static_cast<unsigned char>(Ref[i])) - 'A' + 1);
    if (++letters > 3) return false;
    ++i;
  }
  if (letters > 0 && i < Ref.size() && Ref[i] == '$') ++i;
  int64_t row = 0;
  size_t digits = 0;
  while (i < Ref.size() && Ref[i] >= '0' && Ref[i] <= '9') {
    row = row * 10 + (Ref[i] - '0');
    if (++digits > 7) return false;
    ++i;
  }
  if (i != Ref.size()) return false;
  HasColumn = letters > 0;
  HasRow = digits > 0;
  Column = static_cast<int>(col);
  Row = static_cast<int>(row);
  return (HasColumn || HasRow) && (!HasColumn || (col >= 1 && col <= kSheetMaxCols)) &&
         (!HasRow || (row >= 1 && row <= kSheetMaxRows));
}

}  // namespace

bool ParseCellRef(std::string_view Ref, int& Column, int& Row) {
  bool hc = false, hr = false;
  return SplitRef(Ref, Column, Row, hc, hr) && hc && hr;
}

TUsedRange ParseUsedRange(std::string_view Address) {
  TUsedRange r;
  if (Address.find('$') == std::string_view::npos) {
    r.Left = r.Top = r.Right = r.Bottom = 1;
    r.Single = r.Valid = true;
    return r;
  }
  const size_t colon = Address.find(':');
  const std::string_view a = Address.substr(0, colon);
  const std::string_view b = colon == std::string_view::npos ? a : Address.substr(colon + 1);
  bool hc1 = false, hr1 = false, hc2 = false, hr2 = false;
  if (!SplitRef(a, r.Left, r.Top, hc1, hr1) || !SplitRef(b, r.Right, r.Bottom, hc2, hr2)) return r;
  if (!hc1 && !hc2) {
    // Whole rows.
    r.Left = 1;
    r.Right = 256;
  }
  if (!hr1 || !hr2 || (hc1 != hc2)) return r;
  r.Single = colon == std::string_view::npos;
  r.Valid = r.Left >= 1 && r.Top >= 1 && r.Right >= r.Left && r.Bottom >= r.Top;
  return r;
}

// ---------------------------------------------------------------------------
// Values

TExportKind ExportKind(const std::string& Text, double& Value) {
  if (Text.empty()) return ekText;
  double v = 0;
  if (TryStrToFloat(Text, v) && std::isfinite(v) && FloatToStr(v) == Text) {
    Value = v;
    return ekNumber;
  }
  TDateTime d = 0;
  // Before 1 March 1900 the spreadsheet counts days its own way.
  if (TryStrToDateTime(Text, d) && d >= 61 && d < 2958466 && DateTimeToStr(d) == Text) {
    Value = d;
    return TimeOf(d) == 0 ? ekDate : ekDateTime;
  }
  return ekText;
}

std::string ValueText(const TSheetValue& Value) {
  switch (Value.Kind) {
    case svText: {
      // Line breaks as the grid keeps them.
      std::string out;
      out.reserve(Value.Text.size());
      const std::string& t = Value.Text;
      for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r') {
          out += "\r\n";
          if (i + 1 < t.size() && t[i + 1] == '\n') ++i;
        } else if (t[i] == '\n') {
          out += "\r\n";
        } else {
          out += t[i];
        }
      }
      return out;
    }
    case svNumber:
      return FloatToStr(Value.Number);
    case svDate:
      return DateTimeToStr(Value.Number);
    case svBoolean:
      return Value.Number != 0 ? "True" : "False";
    default:
      return std::string();
  }
}

// ---------------------------------------------------------------------------
// Workbooks

TWorkbookFile TWorkbookFile::Empty() { return TWorkbookFile(); }

std::string TWorkbookFile::ReadPart(const std::string& Name) const { return package_.Part(Name); }

TWorkbookFile TWorkbookFile::Open(const std::string& Bytes, const std::string& FileName) {
  TWorkbookFile wb;
  wb.file_ = FileName;
  wb.package_ = TZipPackage::FromBytes(Bytes, FileName);
  wb.workbookPart_ = MainPart(wb.package_, "xl/workbook.xml");
  if (!wb.package_.Has(wb.workbookPart_)) Bad(FileName, "the file is not a workbook");
  pugi::xml_document doc;
  if (!Parse(doc, wb.package_.Part(wb.workbookPart_)) || Local(doc.document_element().name()) != "workbook")
    Bad(FileName, "the file is not a workbook");
  const std::string dir = DirOf(wb.workbookPart_);
  const std::vector<TRel> rels = ReadRels(wb.package_, RelsOf(wb.workbookPart_));
  auto target = [&](const std::string& Id) {
    for (const TRel& r : rels)
      if (r.Id == Id) return Resolve(dir, r.Target);
    return std::string();
  };
  const pugi::xml_node root = doc.document_element();
  Children(Child(root, "sheets"), "sheet", [&](pugi::xml_node s) {
    wb.sheets_.push_back({s.attribute("name").value(), target(RelId(s))});
  });
  if (pugi::xml_node view = Child(Child(root, "bookViews"), "workbookView"))
    wb.activeTab_ = view.attribute("activeTab").as_int(0);

  for (const TRel& r : rels) {
    const std::string part = Resolve(dir, r.Target);
    if (TypeIs(r.Type, "sharedStrings") && wb.package_.Has(part)) {
      pugi::xml_document sst;
      if (!Parse(sst, wb.package_.Part(part))) Bad(FileName, "the shared strings are damaged");
      Children(sst.document_element(), "si",
               [&](pugi::xml_node si) { wb.sharedStrings_.push_back(StringItemText(si)); });
    } else if (TypeIs(r.Type, "styles") && wb.package_.Has(part)) {
      pugi::xml_document st;
      if (!Parse(st, wb.package_.Part(part))) Bad(FileName, "the styles are damaged");
      std::map<int, std::string> codes;
      Children(Child(st.document_element(), "numFmts"), "numFmt", [&](pugi::xml_node f) {
        codes[f.attribute("numFmtId").as_int()] = f.attribute("formatCode").value();
      });
      Children(Child(st.document_element(), "cellXfs"), "xf", [&](pugi::xml_node xf) {
        const int id = xf.attribute("numFmtId").as_int();
        auto it = codes.find(id);
        wb.dateStyles_.push_back(IsDateFormat(id, it == codes.end() ? std::string() : it->second));
      });
    }
  }
  return wb;
}

std::vector<std::string> TWorkbookFile::SheetNames() const {
  std::vector<std::string> names;
  for (const TSheet& s : sheets_) names.push_back(s.Name);
  return names;
}

int TWorkbookFile::ActiveSheet() const {
  if (sheets_.empty()) return -1;
  return activeTab_ >= 0 && activeTab_ < static_cast<int>(sheets_.size()) ? activeTab_ : 0;
}

int TWorkbookFile::FindSheet(const std::string& Name) const {
  int found = -1;
  for (size_t i = 0; i < sheets_.size(); ++i)
    if (AnsiSameText(sheets_[i].Name, Name)) found = static_cast<int>(i);
  return found;
}

namespace {

// Gives every row and cell its place ("r"): the format lets them leave it
// out and count on from the one before.
void NumberRowsAndCells(pugi::xml_node SheetData) {
  int row = 0;
  Children(SheetData, "row", [&](pugi::xml_node r) {
    const int given = r.attribute("r").as_int(0);
    row = given > 0 ? given : row + 1;
    if (given <= 0) (r.attribute("r") ? r.attribute("r") : r.append_attribute("r")).set_value(row);
    int col = 0;
    Children(r, "c", [&](pugi::xml_node c) {
      int cc = 0, rr = 0;
      if (c.attribute("r")) {
        if (!ParseCellRef(c.attribute("r").value(), cc, rr) || rr != row) Incorrect();
        col = cc;
      } else {
        ++col;
        const std::string ref = XlsColumnName(col) + std::to_string(row);
        (c.attribute("r") ? c.attribute("r") : c.append_attribute("r")).set_value(ref.c_str());
      }
    });
  });
}

}  // namespace

TSheetCells TWorkbookFile::ReadSheet(int Sheet) const {
  if (Sheet < 0 || Sheet >= static_cast<int>(sheets_.size())) Incorrect();
  const std::string& part = sheets_[static_cast<size_t>(Sheet)].Part;
  if (!package_.Has(part)) Incorrect();
  pugi::xml_document doc;
  if (!Parse(doc, package_.Part(part)) || Local(doc.document_element().name()) != "worksheet") Incorrect();
  pugi::xml_node data = Child(doc.document_element(), "sheetData");
  NumberRowsAndCells(data);
  TSheetCells cells;
  bool any = false;
  int left = 0, top = 0, right = 0, bottom = 0;
  Children(data, "row", [&](pugi::xml_node r) {
    Children(r, "c", [&](pugi::xml_node c) {
      int col = 0, row = 0;
      if (!ParseCellRef(c.attribute("r").value(), col, row)) Incorrect();
      if (!any) {
        left = right = col;
        top = bottom = row;
        any = true;
      }
      left = std::min(left, col);
      right = std::max(right, col);
      top = std::min(top, row);
      bottom = std::max(bottom, row);
      TSheetValue v;
      const std::string type = c.attribute("t").value();
      pugi::xml_node value = Child(c, "v");
      const char* raw = value.text().get();
      if (type == "inlineStr") {
        v.Kind = svText;
        v.Text = StringItemText(Child(c, "is"));
      } else if (type == "s") {
        if (!value) return;
        const long idx = value.text().as_llong(-1);
        if (idx < 0 || idx >= static_cast<long>(sharedStrings_.size())) Incorrect();
        v.Kind = svText;
        v.Text = sharedStrings_[static_cast<size_t>(idx)];
      } else if (type == "str") {
        v.Kind = svText;
        v.Text = DecodeEscapes(raw);
      } else if (type == "b") {
        if (!value) return;
        v.Kind = svBoolean;
        v.Number = std::string_view(raw) == "1" ? 1 : 0;
      } else if (type == "e") {
        v.Kind = svError;
      } else if (type == "d") {
        if (!value) return;
        if (!ParseIsoDate(raw, v.Number)) Incorrect();
        v.Kind = svDate;
      } else {
        if (!value) return;
        char* end = nullptr;
        v.Number = std::strtod(raw, &end);
        if (end == raw || *end != '\0' || !std::isfinite(v.Number)) Incorrect();
        const int style = c.attribute("s").as_int(0);
        v.Kind = style >= 0 && style < static_cast<int>(dateStyles_.size()) &&
                         dateStyles_[static_cast<size_t>(style)]
                     ? svDate
                     : svNumber;
      }
      cells.Values[{row, col}] = std::move(v);
    });
  });
  if (any) {
    if (static_cast<int64_t>(right - left + 1) * (bottom - top + 1) > kMaxSheetCells) Incorrect();
    cells.Left = left;
    cells.Top = top;
    cells.Right = right;
    cells.Bottom = bottom;
  }
  cells.Address = "$" + XlsColumnName(cells.Left) + "$" + std::to_string(cells.Top);
  if (cells.Left != cells.Right || cells.Top != cells.Bottom)
    cells.Address += ":$" + XlsColumnName(cells.Right) + "$" + std::to_string(cells.Bottom);
  return cells;
}

int TWorkbookFile::ActiveRow(int Sheet) const {
  if (Sheet < 0 || Sheet >= static_cast<int>(sheets_.size())) return 1;
  const std::string& part = sheets_[static_cast<size_t>(Sheet)].Part;
  if (!package_.Has(part)) return 1;
  pugi::xml_document doc;
  if (!Parse(doc, package_.Part(part))) return 1;
  pugi::xml_node view = Child(Child(doc.document_element(), "sheetViews"), "sheetView");
  int row = 1;
  bool found = false;
  Children(view, "selection", [&](pugi::xml_node s) {
    int c = 0, r = 0;
    if (!found && ParseCellRef(s.attribute("activeCell").value(), c, r)) {
      row = r;
      found = true;
    }
  });
  return row;
}

namespace {

// A style for dates (or dates with times) added to the workbook's styles.
int AddDateStyle(TZipPackage& Package, const std::string& WorkbookPart, int FormatId) {
  const std::string dir = DirOf(WorkbookPart);
  std::string part;
  for (const TRel& r : ReadRels(Package, RelsOf(WorkbookPart)))
    if (TypeIs(r.Type, "styles")) part = Resolve(dir, r.Target);
  if (part.empty() || !Package.Has(part)) return -1;
  pugi::xml_document doc;
  if (!Parse(doc, Package.Part(part))) return -1;
  pugi::xml_node root = doc.document_element();
  pugi::xml_node xfs = Child(root, "cellXfs");
  if (!xfs) return -1;
  int count = 0;
  Children(xfs, "xf", [&](pugi::xml_node) { ++count; });
  pugi::xml_node xf = xfs.append_child((Prefix(root) + "xf").c_str());
  xf.append_attribute("numFmtId").set_value(FormatId);
  xf.append_attribute("fontId").set_value(0);
  xf.append_attribute("fillId").set_value(0);
  xf.append_attribute("borderId").set_value(0);
  xf.append_attribute("xfId").set_value(0);
  xf.append_attribute("applyNumberFormat").set_value(1);
  (xfs.attribute("count") ? xfs.attribute("count") : xfs.append_attribute("count")).set_value(count + 1);
  Package.SetPart(part, Save(doc));
  return count;
}

// The calculation chain lists formula cells; one that lost its formula
// would make the spreadsheet repair the file, so it is dropped and built
// again by the spreadsheet.
void DropCalcChain(TZipPackage& Package, const std::string& WorkbookPart) {
  const std::string relsPart = RelsOf(WorkbookPart);
  if (!Package.Has(relsPart)) return;
  pugi::xml_document rels;
  if (!Parse(rels, Package.Part(relsPart))) return;
  bool changed = false;
  for (pugi::xml_node r = rels.document_element().first_child(); r;) {
    pugi::xml_node next = r.next_sibling();
    if (TypeIs(r.attribute("Type").value(), "calcChain")) {
      Package.RemovePart(Resolve(DirOf(WorkbookPart), r.attribute("Target").value()));
      rels.document_element().remove_child(r);
      changed = true;
    }
    r = next;
  }
  if (!changed) return;
  Package.SetPart(relsPart, Save(rels));
  if (!Package.Has("[Content_Types].xml")) return;
  pugi::xml_document types;
  if (!Parse(types, Package.Part("[Content_Types].xml"))) return;
  for (pugi::xml_node o = types.document_element().first_child(); o;) {
    pugi::xml_node next = o.next_sibling();
    if (std::string_view(o.attribute("ContentType").value()).find("calcChain") != std::string_view::npos)
      types.document_element().remove_child(o);
    o = next;
  }
  Package.SetPart("[Content_Types].xml", Save(types));
}

int RowOf(pugi::xml_node Row) { return Row.attribute("r").as_int(0); }

int ColOf(pugi::xml_node Cell) {
  int c = 0, r = 0;
  return ParseCellRef(Cell.attribute("r").value(), c, r) ? c : 0;
}

// The element of that place, made where the order of places puts it.
pugi::xml_node PlaceChild(pugi::xml_node Parent, std::string_view Name, const std::string& Qualified,
                          int Place, int (*PlaceOf)(pugi::xml_node), pugi::xml_node& Hint) {
  pugi::xml_node n = Hint ? Hint : Parent.first_child();
  for (; n; n = n.next_sibling()) {
    if (n.type() != pugi::node_element || Local(n.name()) != Name) continue;
    const int p = PlaceOf(n);
    if (p == Place) return Hint = n;
    if (p > Place) break;
  }
  pugi::xml_node made =
      n ? Parent.insert_child_before(Qualified.c_str(), n) : Parent.append_child(Qualified.c_str());
  return Hint = made;
}

}  // namespace

void TWorkbookFile::WriteBlock(int Sheet, int FirstRow, const std::vector<std::vector<std::string>>& Rows) {
  CheckBlock(FirstRow, Rows);
  const std::string& part = sheets_.at(static_cast<size_t>(Sheet)).Part;
  pugi::xml_document doc;
  if (!package_.Has(part) || !Parse(doc, package_.Part(part)) ||
      Local(doc.document_element().name()) != "worksheet")
    Incorrect();
  pugi::xml_node root = doc.document_element();
  const std::string pre = Prefix(root);
  pugi::xml_node data = Child(root, "sheetData");
  if (!data) {
    // It goes after the parts that come before it in a sheet.
    pugi::xml_node after;
    for (const char* n : {"sheetPr", "dimension", "sheetViews", "sheetFormatPr", "cols"})
      if (pugi::xml_node f = Child(root, n)) after = f;
    data = after ? root.insert_child_after((pre + "sheetData").c_str(), after)
                 : root.prepend_child((pre + "sheetData").c_str());
  }
  NumberRowsAndCells(data);

  auto isDateStyle = [&](int s) {
    return s >= 0 && s < static_cast<int>(dateStyles_.size()) && dateStyles_[s];
  };
  std::set<std::string> droppedShared;
  pugi::xml_node rowHint;
  for (size_t i = 0; i < Rows.size(); ++i) {
    const int r = FirstRow + static_cast<int>(i);
    pugi::xml_node row = PlaceChild(data, "row", pre + "row", r, RowOf, rowHint);
    if (!row.attribute("r")) row.append_attribute("r").set_value(r);
    row.remove_attribute("spans");
    pugi::xml_node cellHint;
    for (size_t j = 0; j < Rows[i].size(); ++j) {
      const int c = static_cast<int>(j) + 1;
      pugi::xml_node cell = PlaceChild(row, "c", pre + "c", c, ColOf, cellHint);
      if (!cell.attribute("r"))
        cell.append_attribute("r").set_value((XlsColumnName(c) + std::to_string(r)).c_str());
      if (pugi::xml_node f = Child(cell, "f"))
        if (f.attribute("ref") && std::string_view(f.attribute("t").value()) == "shared")
          droppedShared.insert(f.attribute("si").value());
      while (cell.first_child()) cell.remove_child(cell.first_child());
      for (const char* a : {"t", "cm", "vm", "ph"}) cell.remove_attribute(a);
      const std::string& text = Rows[i][j];
      double v = 0;
      const TExportKind kind = ExportKind(text, v);
      if (kind == ekText) {
        if (text.empty()) continue;
        cell.append_attribute("t").set_value("inlineStr");
        pugi::xml_node t = cell.append_child((pre + "is").c_str()).append_child((pre + "t").c_str());
        t.append_attribute("xml:space").set_value("preserve");
        t.text().set(EncodeEscapes(text).c_str());
        continue;
      }
      int style = cell.attribute("s").as_int(0);
      if (kind == ekNumber && isDateStyle(style)) {
        cell.remove_attribute("s");
      } else if (kind != ekNumber && !isDateStyle(style)) {
        int& made = kind == ekDate ? dateStyle_ : dateTimeStyle_;
        if (made < 0) {
          made = AddDateStyle(package_, workbookPart_, kind == ekDate ? 14 : 22);
          if (made >= 0) {
            if (dateStyles_.size() <= static_cast<size_t>(made))
              dateStyles_.resize(static_cast<size_t>(made) + 1);
            dateStyles_[static_cast<size_t>(made)] = true;
          }
        }
        if (made >= 0)
          (cell.attribute("s") ? cell.attribute("s") : cell.append_attribute("s")).set_value(made);
      }
      cell.append_child((pre + "v").c_str()).text().set(NumberText(v).c_str());
    }
  }
  // Cells that shared a formula written over keep their values.
  if (!droppedShared.empty())
    Children(data, "row", [&](pugi::xml_node row) {
      Children(row, "c", [&](pugi::xml_node c) {
        pugi::xml_node f = Child(c, "f");
        if (f && std::string_view(f.attribute("t").value()) == "shared" &&
            droppedShared.count(f.attribute("si").value()) != 0)
          c.remove_child(f);
      });
    });
  if (pugi::xml_node dim = Child(root, "dimension")) {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    Children(data, "row", [&](pugi::xml_node row) {
      Children(row, "c", [&](pugi::xml_node c) {
        int cc = 0, rr = 0;
        if (!ParseCellRef(c.attribute("r").value(), cc, rr)) return;
        if (!any) left = right = cc, top = bottom = rr, any = true;
        left = std::min(left, cc), right = std::max(right, cc);
        top = std::min(top, rr), bottom = std::max(bottom, rr);
      });
    });
    if (any) {
      std::string ref = XlsColumnName(left) + std::to_string(top);
      if (left != right || top != bottom) ref += ":" + XlsColumnName(right) + std::to_string(bottom);
      (dim.attribute("ref") ? dim.attribute("ref") : dim.append_attribute("ref")).set_value(ref.c_str());
    }
  }
  package_.SetPart(part, Save(doc));
  DropCalcChain(package_, workbookPart_);
}

namespace {

// Names a spreadsheet accepts for a sheet.
bool ValidSheetName(const std::string& Name) {
  if (Name.empty() || CharCount(Name) > 31 || Name.front() == '\'' || Name.back() == '\'') return false;
  return Name.find_first_of("[]:*?/\\") == std::string::npos;
}

}  // namespace

int TWorkbookFile::AddSheet(const std::string& Name) {
  if (!ValidSheetName(Name)) throw Exception("Invalid worksheet name " + Name);
  const std::string dir = DirOf(workbookPart_);
  int n = static_cast<int>(sheets_.size()) + 1;
  while (package_.Has(dir + "worksheets/sheet" + std::to_string(n) + ".xml")) ++n;
  const std::string target = "worksheets/sheet" + std::to_string(n) + ".xml";
  const std::string part = dir + target;

  // The relationship to it.
  const std::string relsPart = RelsOf(workbookPart_);
  pugi::xml_document rels;
  if (!package_.Has(relsPart) || !Parse(rels, package_.Part(relsPart))) Incorrect();
  std::set<std::string> ids;
  Children(rels.document_element(), "Relationship",
           [&](pugi::xml_node r) { ids.insert(r.attribute("Id").value()); });
  int k = 1;
  while (ids.count("rId" + std::to_string(k)) != 0) ++k;
  const std::string id = "rId" + std::to_string(k);
  pugi::xml_node rel =
      rels.document_element().append_child((Prefix(rels.document_element()) + "Relationship").c_str());
  rel.append_attribute("Id").set_value(id.c_str());
  rel.append_attribute("Type").set_value((std::string(kRelType) + "worksheet").c_str());
  rel.append_attribute("Target").set_value(target.c_str());

  // Its entry in the workbook.
  pugi::xml_document wb;
  if (!Parse(wb, package_.Part(workbookPart_))) Incorrect();
  pugi::xml_node root = wb.document_element();
  std::string relPrefix;
  for (pugi::xml_attribute a = root.first_attribute(); a; a = a.next_attribute())
    if (std::string_view(a.value()) == kRelNs && std::string_view(a.name()).substr(0, 6) == "xmlns:")
      relPrefix = std::string(a.name()).substr(6);
  if (relPrefix.empty()) {
    relPrefix = "r";
    root.append_attribute("xmlns:r").set_value(kRelNs);
  }
  pugi::xml_node sheets = Child(root, "sheets");
  if (!sheets) Incorrect();
  int sheetId = 0;
  Children(sheets, "sheet",
           [&](pugi::xml_node s) { sheetId = std::max(sheetId, s.attribute("sheetId").as_int()); });
  pugi::xml_node s = sheets.append_child((Prefix(root) + "sheet").c_str());
  s.append_attribute("name").set_value(Name.c_str());
  s.append_attribute("sheetId").set_value(sheetId + 1);
  s.append_attribute((relPrefix + ":id").c_str()).set_value(id.c_str());

  // Its content type.
  pugi::xml_document types;
  if (!package_.Has("[Content_Types].xml") || !Parse(types, package_.Part("[Content_Types].xml")))
    Incorrect();
  pugi::xml_node o = types.document_element().append_child("Override");
  o.append_attribute("PartName").set_value(("/" + part).c_str());
  o.append_attribute("ContentType")
      .set_value("application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml");

  package_.SetPart(relsPart, Save(rels));
  package_.SetPart(workbookPart_, Save(wb));
  package_.SetPart("[Content_Types].xml", Save(types));
  package_.SetPart(
      part,
      std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<worksheet xmlns=\"") +
          kSheetNs + "\" xmlns:r=\"" + kRelNs + "\"><sheetData/></worksheet>");
  sheets_.push_back({Name, part});
  return static_cast<int>(sheets_.size()) - 1;
}

std::string TWorkbookFile::ToBytes() const { return package_.ToBytes(); }

// ---------------------------------------------------------------------------
// New workbooks

namespace {

// libxlsxwriter writes to a file name; an anonymous memory file takes the
// workbook, so nothing lands on disk before the safe writer puts it there.
class TMemoryFile {
 public:
  TMemoryFile() : fd_(memfd_create("workbook", 0)) {
    if (fd_ < 0) throw Exception("Cannot build the workbook: no memory file");
  }
  ~TMemoryFile() { ::close(fd_); }
  std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }
  std::string Bytes() const {
    std::string out;
    char buf[65536];
    ssize_t got;
    off_t at = 0;
    while ((got = ::pread(fd_, buf, sizeof buf, at)) > 0) {
      out.append(buf, static_cast<size_t>(got));
      at += got;
    }
    if (got < 0) throw Exception("Cannot build the workbook");
    return out;
  }

 private:
  int fd_;
};

}  // namespace

std::string NewWorkbook(const std::string& SheetName, const std::vector<std::vector<std::string>>& Rows) {
  const TXlsxLibrary& x = Xlsx();
  CheckBlock(1, Rows);
  if (!SheetName.empty() && !ValidSheetName(SheetName))
    throw Exception("Invalid worksheet name " + SheetName);
  TMemoryFile file;
  lxw_workbook* wb = x.workbook_new(file.Path().c_str());
  if (wb == nullptr) throw Exception("Cannot build the workbook");
  lxw_error err = LXW_NO_ERROR;
  lxw_worksheet* ws = x.workbook_add_worksheet(wb, SheetName.empty() ? nullptr : SheetName.c_str());
  lxw_format* date = x.workbook_add_format(wb);
  x.format_set_num_format_index(date, 14);
  lxw_format* dateTime = x.workbook_add_format(wb);
  x.format_set_num_format_index(dateTime, 22);
  lxw_format* wrap = x.workbook_add_format(wb);
  x.format_set_text_wrap(wrap);
  for (size_t r = 0; ws != nullptr && r < Rows.size() && err == LXW_NO_ERROR; ++r)
    for (size_t c = 0; c < Rows[r].size() && err == LXW_NO_ERROR; ++c) {
      const std::string& text = Rows[r][c];
      const auto row = static_cast<lxw_row_t>(r);
      const auto col = static_cast<lxw_col_t>(c);
      double v = 0;
      switch (ExportKind(text, v)) {
        case ekNumber:
          err = x.worksheet_write_number(ws, row, col, v, nullptr);
          break;
        case ekDate:
          err = x.worksheet_write_number(ws, row, col, v, date);
          break;
        case ekDateTime:
          err = x.worksheet_write_number(ws, row, col, v, dateTime);
          break;
        case ekText:
          if (!text.empty())
            err = x.worksheet_write_string(ws, row, col, KeepLiteralEscapes(text).c_str(),
                                           text.find('\n') != std::string::npos ? wrap : nullptr);
          break;
      }
    }
  const lxw_error closed = x.workbook_close(wb);
  if (ws == nullptr) throw Exception("Invalid worksheet name " + SheetName);
  if (err == LXW_NO_ERROR) err = closed;
  if (err != LXW_NO_ERROR) throw Exception(std::string("Cannot build the workbook: ") + x.lxw_strerror(err));
  return file.Bytes();
}

// ---------------------------------------------------------------------------
// Word-processor documents

namespace {

// Text a WordprocessingML run can carry: characters XML cannot hold are
// left out.
std::string XmlSafe(std::string_view S) {
  std::string out;
  for (char c : S)
    if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
  return out;
}

std::vector<std::string> SplitLines(const std::string& Text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '\r' || Text[i] == '\n') {
      if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += Text[i];
    }
  }
  return lines;
}

// The runs of one line: text with tabs as tab marks.
void AddRuns(pugi::xml_node P, const std::string& W, const std::string& Line) {
  const std::string safe = XmlSafe(Line);
  if (safe.empty()) return;
  pugi::xml_node run = P.append_child((W + "r").c_str());
  size_t p = 0;
  while (p <= safe.size()) {
    size_t e = safe.find('\t', p);
    if (e == std::string::npos) e = safe.size();
    if (e > p) {
      pugi::xml_node t = run.append_child((W + "t").c_str());
      t.append_attribute("xml:space").set_value("preserve");
      t.text().set(safe.substr(p, e - p).c_str());
    }
    if (e < safe.size()) run.append_child((W + "tab").c_str());
    p = e + 1;
  }
}

pugi::xml_node MakeParagraph(pugi::xml_node Parent, pugi::xml_node Before, const std::string& W) {
  return Before ? Parent.insert_child_before((W + "p").c_str(), Before)
                : Parent.append_child((W + "p").c_str());
}

void AddTable(pugi::xml_node Parent, pugi::xml_node Before, const std::string& W, const TDocTable& Table) {
  pugi::xml_node tbl = Before ? Parent.insert_child_before((W + "tbl").c_str(), Before)
                              : Parent.append_child((W + "tbl").c_str());
  pugi::xml_node pr = tbl.append_child((W + "tblPr").c_str());
  pugi::xml_node width = pr.append_child((W + "tblW").c_str());
  width.append_attribute((W + "w").c_str()).set_value(0);
  width.append_attribute((W + "type").c_str()).set_value("auto");
  pugi::xml_node borders = pr.append_child((W + "tblBorders").c_str());
  for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
    pugi::xml_node b = borders.append_child((W + side).c_str());
    b.append_attribute((W + "val").c_str()).set_value("single");
    b.append_attribute((W + "sz").c_str()).set_value(4);
    b.append_attribute((W + "space").c_str()).set_value(0);
    b.append_attribute((W + "color").c_str()).set_value("auto");
  }
  size_t cols = 0;
  for (const auto& row : Table.Texts) cols = std::max(cols, row.size());
  // Pixels of the screen (96 to the inch) as twentieths of a point.
  auto twips = [&](size_t c) {
    const int px = c < Table.ColumnWidths.size() ? Table.ColumnWidths[c] : 64;
    return std::max(1, px) * 15;
  };
  pugi::xml_node grid = tbl.append_child((W + "tblGrid").c_str());
  for (size_t c = 0; c < cols; ++c)
    grid.append_child((W + "gridCol").c_str()).append_attribute((W + "w").c_str()).set_value(twips(c));
  for (size_t r = 0; r < Table.Texts.size(); ++r) {
    pugi::xml_node tr = tbl.append_child((W + "tr").c_str());
    for (size_t c = 0; c < cols; ++c) {
      pugi::xml_node tc = tr.append_child((W + "tc").c_str());
      pugi::xml_node tcw = tc.append_child((W + "tcPr").c_str()).append_child((W + "tcW").c_str());
      tcw.append_attribute((W + "w").c_str()).set_value(twips(c));
      tcw.append_attribute((W + "type").c_str()).set_value("dxa");
      const std::string& text = c < Table.Texts[r].size() ? Table.Texts[r][c] : std::string();
      TDocAlign align = daLeft;
      if (r < Table.Aligns.size() && c < Table.Aligns[r].size()) align = Table.Aligns[r][c];
      for (const std::string& line : SplitLines(text)) {
        pugi::xml_node p = tc.append_child((W + "p").c_str());
        if (align != daLeft)
          p.append_child((W + "pPr").c_str())
              .append_child((W + "jc").c_str())
              .append_attribute((W + "val").c_str())
              .set_value(align == daRight ? "right" : "center");
        AddRuns(p, W, line);
      }
    }
  }
}

std::string DocumentPrefix(pugi::xml_node Root) {
  for (pugi::xml_attribute a = Root.first_attribute(); a; a = a.next_attribute())
    if (std::string_view(a.value()) == kWordNs && std::string_view(a.name()).substr(0, 6) == "xmlns:")
      return std::string(a.name()).substr(6) + ":";
  return Prefix(Root);
}

// A paragraph of the text as the first of the body (the word processor
// types it where a document opens).
void TypeText(pugi::xml_node Body, const std::string& W, const std::string& Text) {
  pugi::xml_node first;
  for (pugi::xml_node n = Body.first_child(); n && !first; n = n.next_sibling())
    if (n.type() == pugi::node_element) first = n;
  if (first && Local(first.name()) == "sectPr") first = pugi::xml_node();
  pugi::xml_node p = MakeParagraph(Body, first, W);
  for (const std::string& line : SplitLines(Text)) {
    if (p.first_child()) p.append_child((W + "r").c_str()).append_child((W + "br").c_str());
    AddRuns(p, W, line);
  }
}

bool HasContent(pugi::xml_node Node) {
  const std::string_view n = Local(Node.name());
  return n != "pPr" && n != "bookmarkStart" && n != "bookmarkEnd" && n != "proofErr" &&
         Node.type() == pugi::node_element;
}

// Puts the table at the bookmark: before its paragraph, or between the two
// halves of the paragraph when the bookmark lies inside its text.
bool PlaceAtBookmark(pugi::xml_node Body, const std::string& W, const std::string& Bookmark,
                     const TDocTable& Table) {
  pugi::xml_node mark = Body.find_node([&](pugi::xml_node n) {
    return Local(n.name()) == "bookmarkStart" &&
           AnsiSameText(n.attribute((W + "name").c_str()).value(), Bookmark);
  });
  if (!mark) return false;
  // The paragraph that holds it, and its child on the way there.
  pugi::xml_node inner = mark, para = mark.parent();
  while (para && Local(para.name()) != "p" && para != Body) {
    inner = para;
    para = para.parent();
  }
  if (!para || para == Body) {
    AddTable(mark.parent(), mark, W, Table);
    return true;
  }
  bool before = false;
  for (pugi::xml_node n = para.first_child(); n != inner; n = n.next_sibling())
    before = before || HasContent(n);
  pugi::xml_node parent = para.parent();
  if (!before) {
    AddTable(parent, para, W, Table);
    return true;
  }
  pugi::xml_node second = parent.insert_child_after((W + "p").c_str(), para);
  if (pugi::xml_node ppr = Child(para, "pPr")) second.append_copy(ppr);
  while (pugi::xml_node n = inner) {
    inner = n.next_sibling();
    second.append_move(n);
  }
  AddTable(parent, second, W, Table);
  return true;
}

std::string ContentTypesDoc() {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" "
         "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/word/document.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
         "</Types>";
}

std::string RootRelsDoc() {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
         "Target=\"word/document.xml\"/></Relationships>";
}

}  // namespace

std::string NewDocument(const TDocTable& Table, const std::string& Text) {
  pugi::xml_document doc;
  pugi::xml_node root = doc.append_child("w:document");
  root.append_attribute("xmlns:w").set_value(kWordNs);
  root.append_attribute("xmlns:r").set_value(kRelNs);
  pugi::xml_node body = root.append_child("w:body");
  // The table comes at the document's start, before the typed text.
  AddTable(body, pugi::xml_node(), "w:", Table);
  pugi::xml_node p = body.append_child("w:p");
  for (const std::string& line : SplitLines(Text)) {
    if (p.first_child()) p.append_child("w:r").append_child("w:br");
    AddRuns(p, "w:", line);
  }
  body.append_child("w:p");
  pugi::xml_node sect = body.append_child("w:sectPr");
  pugi::xml_node size = sect.append_child("w:pgSz");
  size.append_attribute("w:w").set_value(11906);
  size.append_attribute("w:h").set_value(16838);
  pugi::xml_node mar = sect.append_child("w:pgMar");
  for (const char* a : {"w:top", "w:right", "w:bottom", "w:left"}) mar.append_attribute(a).set_value(1440);
  for (const char* a : {"w:header", "w:footer"}) mar.append_attribute(a).set_value(708);
  mar.append_attribute("w:gutter").set_value(0);

  TZipPackage pkg;
  pkg.SetPart("[Content_Types].xml", ContentTypesDoc());
  pkg.SetPart("_rels/.rels", RootRelsDoc());
  pkg.SetPart("word/document.xml", Save(doc));
  return pkg.ToBytes();
}

std::string AppendToDocument(const std::string& Bytes, const std::string& FileName, const TDocTable& Table,
                             const std::string& Text, const std::string& Bookmark) {
  TZipPackage pkg = TZipPackage::FromBytes(Bytes, FileName);
  const std::string part = MainPart(pkg, "word/document.xml");
  pugi::xml_document doc;
  if (!pkg.Has(part) || !Parse(doc, pkg.Part(part)) || Local(doc.document_element().name()) != "document")
    Bad(FileName, "the file is not a word-processor document");
  pugi::xml_node root = doc.document_element();
  pugi::xml_node body = Child(root, "body");
  if (!body) Bad(FileName, "the file is not a word-processor document");
  const std::string w = DocumentPrefix(root);
  TypeText(body, w, Text);
  if (Bookmark.empty() || !PlaceAtBookmark(body, w, Bookmark, Table)) {
    // At the end, on a new last paragraph, before the section settings.
    pugi::xml_node sect;
    for (pugi::xml_node n = body.last_child(); n && !sect; n = n.previous_sibling())
      if (n.type() == pugi::node_element) sect = Local(n.name()) == "sectPr" ? n : pugi::xml_node();
    pugi::xml_node last = MakeParagraph(body, sect, w);
    AddTable(body, last, w, Table);
  }
  pkg.SetPart(part, Save(doc));
  return pkg.ToBytes();
}

}  // namespace office
