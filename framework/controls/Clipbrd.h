#pragma once
// The system clipboard: text and byte buffers per format. Registered formats
// ("TDedAdararAdoz Cells") get numbers from 0xC000 up, shared with the
// registered window messages as on the platform. Formats reach the desktop
// under the MIME types of DataFormats.h.
//
// Between Open and Close the first write empties the clipboard and later
// writes add formats; the whole set reaches the system clipboard at the last
// Close. A write without Open replaces the clipboard at once.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/backend/Backend.h"

// Reads the desktop's bytes under a MIME type; false when they are not there.
using TMimeReader = std::function<bool(const std::string& Mime, std::vector<uint8_t>& Bytes)>;

constexpr unsigned CF_TEXT = 1;
constexpr unsigned CF_BITMAP = 2;
constexpr unsigned CF_OEMTEXT = 7;
constexpr unsigned CF_DIB = 8;
constexpr unsigned CF_UNICODETEXT = 13;
constexpr unsigned CF_HDROP = 15;

unsigned RegisterClipboardFormat(const std::string& Name);
// The name of a registered format ("" for a standard one).
std::string ClipboardFormatName(unsigned Format);
// Every registered format, by number.
std::vector<unsigned> RegisteredClipboardFormats();

class TClipboard {
 public:
  void Open();
  void Close();
  // Empties the clipboard.
  void Clear();
  bool HasFormat(unsigned Format) const;
  // Text as UTF-8.
  std::string AsText() const;
  void SetAsText(const std::string& Value);
  // The bytes of one format. CF_TEXT bytes are Windows-1252 and
  // CF_UNICODETEXT bytes UTF-16 (little-endian), both ending in a zero, as
  // the platform hands them; other formats are kept as given.
  std::vector<uint8_t> GetAsBytes(unsigned Format) const;
  void SetAsBytes(unsigned Format, const std::vector<uint8_t>& Data);
  // Formats present, in the order the system lists them.
  std::vector<unsigned> Formats() const;

 private:
  TMimeReader Reader() const;
  void Adding();
  void Put(const std::string& Mime, std::vector<uint8_t> Data);
  bool Get(const std::string& Mime, std::vector<uint8_t>& Data) const;
  int openCount_ = 0;
  bool emptied_ = false;
  std::vector<TClipboardItem> pending_;
};

// The one clipboard object.
TClipboard* Clipboard();
