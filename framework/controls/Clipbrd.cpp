#include "framework/controls/Clipbrd.h"

#include <algorithm>
#include <map>

#include "framework/controls/WinApi.h"
#include "framework/rtl/CodePage.h"
#include "framework/rtl/StrUtils.h"

namespace {

const char* kText = "text/plain";

std::map<unsigned, std::string>& Names() {
  static auto* names = new std::map<unsigned, std::string>();
  return *names;
}

// The system clipboard's name for a format.
std::string MimeOf(unsigned Format) {
  switch (Format) {
    case CF_TEXT:
    case CF_UNICODETEXT:
    case CF_OEMTEXT:
      return kText;
    case CF_HDROP:
      return "text/uri-list";
    case CF_DIB:
    case CF_BITMAP:
      return "image/bmp";
    default:
      break;
  }
  std::string name = ClipboardFormatName(Format);
  if (name == "HTML Format") return "text/html";
  if (name == "Rich Text Format") return "text/rtf";
  if (name.empty()) name = std::to_string(Format);
  std::string mime = "application/x-cf30406-";
  for (char c : name) mime += (c == ' ' || c == ';' || c == '"') ? '-' : c;
  return mime;
}

}  // namespace

unsigned RegisterClipboardFormat(const std::string& Name) {
  unsigned id = RegisterWindowMessage(Name);
  if (id != 0) Names()[id] = Name;
  return id;
}

std::string ClipboardFormatName(unsigned Format) {
  auto it = Names().find(Format);
  return it == Names().end() ? std::string() : it->second;
}

TClipboard* Clipboard() {
  static TClipboard* c = new TClipboard();
  return c;
}

void TClipboard::Open() {
  if (openCount_ == 0) {
    emptied_ = false;
    pending_.clear();
  }
  ++openCount_;
}

void TClipboard::Close() {
  if (openCount_ == 0) return;
  if (--openCount_ > 0) return;
  if (emptied_)
    if (IBackend* b = Backend()) b->ClipboardSet(pending_);
  pending_.clear();
  emptied_ = false;
}

void TClipboard::Clear() {
  Open();
  emptied_ = true;
  pending_.clear();
  Close();
}

void TClipboard::Adding() {
  if (openCount_ != 0 && !emptied_) {
    emptied_ = true;
    pending_.clear();
  }
}

void TClipboard::Put(const std::string& Mime, const std::vector<uint8_t>& Data) {
  Open();
  Adding();
  auto it = std::find_if(pending_.begin(), pending_.end(),
                         [&](const TClipboardItem& i) { return i.first == Mime; });
  if (it != pending_.end())
    it->second = Data;
  else
    pending_.push_back({Mime, Data});
  Close();
}

bool TClipboard::Get(const std::string& Mime, std::vector<uint8_t>& Data) const {
  if (openCount_ != 0 && emptied_) {
    for (const auto& i : pending_)
      if (i.first == Mime) {
        Data = i.second;
        return true;
      }
    return false;
  }
  IBackend* b = Backend();
  return b != nullptr && b->ClipboardGet(Mime, Data);
}

bool TClipboard::HasFormat(unsigned Format) const {
  std::vector<uint8_t> d;
  return Get(MimeOf(Format), d);
}

std::string TClipboard::AsText() const {
  std::vector<uint8_t> d;
  if (!Get(kText, d)) return std::string();
  std::string s(d.begin(), d.end());
  auto z = s.find('\0');
  if (z != std::string::npos) s.resize(z);
  return s;
}

void TClipboard::SetAsText(const std::string& Value) {
  Put(kText, std::vector<uint8_t>(Value.begin(), Value.end()));
}

std::vector<uint8_t> TClipboard::GetAsBytes(unsigned Format) const {
  std::vector<uint8_t> d;
  if (Format == CF_TEXT || Format == CF_OEMTEXT) {
    std::string bytes = Format == CF_TEXT ? Utf8ToCp1252(AsText()) : Utf8ToOem(AsText());
    d.assign(bytes.begin(), bytes.end());
    d.push_back(0);
    return d;
  }
  if (Format == CF_UNICODETEXT) {
    std::u16string u = Utf8ToUtf16(AsText());
    for (char16_t c : u) {
      d.push_back(static_cast<uint8_t>(c & 0xFF));
      d.push_back(static_cast<uint8_t>(c >> 8));
    }
    d.push_back(0);
    d.push_back(0);
    return d;
  }
  Get(MimeOf(Format), d);
  return d;
}

void TClipboard::SetAsBytes(unsigned Format, const std::vector<uint8_t>& Data) {
  if (Format == CF_TEXT || Format == CF_OEMTEXT) {
    std::string bytes(Data.begin(), std::find(Data.begin(), Data.end(), 0));
    SetAsText(Format == CF_TEXT ? Cp1252ToUtf8(bytes) : OemToUtf8(bytes));
    return;
  }
  if (Format == CF_UNICODETEXT) {
    std::u16string u;
    for (size_t i = 0; i + 1 < Data.size(); i += 2) {
      char16_t c = static_cast<char16_t>(Data[i] | (Data[i + 1] << 8));
      if (c == 0) break;
      u.push_back(c);
    }
    SetAsText(Utf16ToUtf8(u));
    return;
  }
  Put(MimeOf(Format), Data);
}

std::vector<unsigned> TClipboard::Formats() const {
  std::vector<std::string> mimes;
  if (openCount_ != 0 && emptied_) {
    for (const auto& i : pending_) mimes.push_back(i.first);
  } else if (IBackend* b = Backend()) {
    mimes = b->ClipboardFormats();
  }
  std::vector<unsigned> out;
  for (const std::string& m : mimes) {
    if (m == kText) {
      out.push_back(CF_TEXT);
      out.push_back(CF_UNICODETEXT);
      continue;
    }
    if (m == "text/uri-list") {
      out.push_back(CF_HDROP);
      continue;
    }
    for (const auto& [id, name] : Names())
      if (MimeOf(id) == m) out.push_back(id);
  }
  return out;
}
