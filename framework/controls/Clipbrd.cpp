#include "framework/controls/Clipbrd.h"

#include <algorithm>
#include <map>

#include "framework/controls/DataFormats.h"
#include "framework/controls/WinApi.h"

namespace {

const char* kText = "text/plain";

std::map<unsigned, std::string>& Names() {
  static auto* names = new std::map<unsigned, std::string>();
  return *names;
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

std::vector<unsigned> RegisteredClipboardFormats() {
  std::vector<unsigned> out;
  for (const auto& [id, name] : Names()) out.push_back(id);
  return out;
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

void TClipboard::Put(const std::string& Mime, std::vector<uint8_t> Data) {
  Open();
  Adding();
  auto it = std::find_if(pending_.begin(), pending_.end(),
                         [&](const TClipboardItem& i) { return i.first == Mime; });
  if (it != pending_.end())
    it->second = std::move(Data);
  else
    pending_.emplace_back(Mime, std::move(Data));
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
  return FormatBlock(Format, Reader(), d);
}

TMimeReader TClipboard::Reader() const {
  return [this](const std::string& Mime, std::vector<uint8_t>& Data) { return Get(Mime, Data); };
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
  FormatBlock(Format, Reader(), d);
  return d;
}

void TClipboard::SetAsBytes(unsigned Format, const std::vector<uint8_t>& Data) {
  std::string mime;
  std::vector<uint8_t> bytes;
  MimeOfBlock(Format, Data, mime, bytes);
  Open();
  for (const std::string& alias : FormatMimeAliases(Format)) Put(alias, bytes);
  Put(mime, std::move(bytes));
  Close();
}

std::vector<unsigned> TClipboard::Formats() const {
  std::vector<std::string> mimes;
  if (openCount_ != 0 && emptied_) {
    for (const auto& i : pending_) mimes.push_back(i.first);
  } else if (IBackend* b = Backend()) {
    mimes = b->ClipboardFormats();
  }
  return OfferedFormats(mimes, Reader());
}
