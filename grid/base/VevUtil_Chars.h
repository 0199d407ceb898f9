#pragma once
// Character-level helpers under the grid's text routines. The hot paths
// (classification, number detection, filter matching, sort compares) step
// through UTF-8 one character at a time without allocating; ASCII is
// handled inline, everything else by the runtime library's decoder.
#include <cstddef>
#include <string_view>

#include "framework/rtl/StrUtils.h"

// Decodes the character at s[i] and moves i past it.
inline char32_t NextChar(std::string_view s, std::size_t& i) {
  const unsigned char b = static_cast<unsigned char>(s[i]);
  if (b < 0x80) {
    ++i;
    return b;
  }
  return NextUtf8Char(s, i);
}

// Upper case of one character as the locale-aware upper-casing maps it.
inline char32_t UpperChar(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 0x20 : c;
  return AnsiUpperChar(c);
}

bool IsUnicodeNumberBeyondAscii(char32_t c);

// Number characters as the Unicode tables class them (decimal digits,
// letter numbers and other numbers such as superscripts and fractions).
inline bool IsUnicodeNumber(char32_t c) {
  if (c < 0x80) return c >= '0' && c <= '9';
  return IsUnicodeNumberBeyondAscii(c);
}
