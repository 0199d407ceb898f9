#include "framework/rtl/TextEncoding.h"

#include "framework/rtl/CodePage.h"
#include "framework/rtl/StrUtils.h"

namespace {
std::string FromUtf16(std::string_view b, bool bigEndian) {
  std::u16string units;
  units.reserve(b.size() / 2);
  // An odd last byte is no character.
  for (std::size_t i = 0; i + 1 < b.size(); i += 2) {
    auto lo = static_cast<unsigned char>(b[i]), hi = static_cast<unsigned char>(b[i + 1]);
    units += bigEndian ? static_cast<char16_t>((lo << 8) | hi) : static_cast<char16_t>((hi << 8) | lo);
  }
  return Utf16ToUtf8(units);
}

std::string ToUtf16(std::string_view text, bool bigEndian) {
  std::u16string units = Utf8ToUtf16(text);
  std::string out;
  out.reserve(units.size() * 2);
  for (char16_t u : units) {
    char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  }
  return out;
}

// Valid UTF-8 passes unchanged; malformed bytes become U+FFFD.
std::string CleanUtf8(std::string_view b) {
  std::string out;
  out.reserve(b.size());
  std::size_t pos = 0;
  while (pos < b.size()) AppendUtf8(out, NextUtf8Char(b, pos));
  return out;
}
}  // namespace

TTextEncoding DetectTextEncoding(std::string_view Bytes, std::size_t* MarkLength) {
  std::size_t len = 0;
  TTextEncoding e = teAnsi;
  if (Bytes.size() >= 3 && Bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    e = teUtf8;
    len = 3;
  } else if (Bytes.size() >= 2 && Bytes.substr(0, 2) == "\xFF\xFE") {
    e = teUtf16LE;
    len = 2;
  } else if (Bytes.size() >= 2 && Bytes.substr(0, 2) == "\xFE\xFF") {
    e = teUtf16BE;
    len = 2;
  }
  if (MarkLength) *MarkLength = len;
  return e;
}

std::string DecodeTextAs(std::string_view Bytes, TTextEncoding Encoding) {
  std::size_t mark = 0;
  if (DetectTextEncoding(Bytes, &mark) != Encoding) mark = 0;
  Bytes.remove_prefix(mark);
  switch (Encoding) {
    case teUtf8:
      return CleanUtf8(Bytes);
    case teUtf16LE:
      return FromUtf16(Bytes, false);
    case teUtf16BE:
      return FromUtf16(Bytes, true);
    default:
      return Cp1252ToUtf8(Bytes);
  }
}

std::string DecodeText(std::string_view Bytes, TTextEncoding* Detected) {
  TTextEncoding e = DetectTextEncoding(Bytes);
  if (Detected) *Detected = e;
  return DecodeTextAs(Bytes, e);
}

std::string EncodeText(std::string_view Text, TTextEncoding Encoding, bool WriteMark) {
  switch (Encoding) {
    case teUtf8:
      return (WriteMark ? std::string("\xEF\xBB\xBF") : std::string()) + std::string(Text);
    case teUtf16LE:
      return (WriteMark ? std::string("\xFF\xFE") : std::string()) + ToUtf16(Text, false);
    case teUtf16BE:
      return (WriteMark ? std::string("\xFE\xFF") : std::string()) + ToUtf16(Text, true);
    default:
      return Utf8ToCp1252(Text);
  }
}
