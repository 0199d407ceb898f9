#pragma once
// Single-byte code pages: Windows-1252 (the program's ANSI code page), the
// OEM pages 437 and 850, and 7-bit ASCII. Text is UTF-8 on our side.
//
// Windows-1252 leaves five bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) undefined; as
// on the platform they map to the control characters of the same number, so
// every byte survives a decode and encode.
#include <string>
#include <string_view>

enum TCodePage { cpWindows1252 = 1252, cpOem437 = 437, cpOem850 = 850, cpAscii = 20127 };

// Bytes in the code page to UTF-8.
std::string CodePageToUtf8(std::string_view Bytes, TCodePage Page);
// UTF-8 to bytes in the code page; a character the page lacks becomes
// Replacement.
std::string Utf8ToCodePage(std::string_view Text, TCodePage Page, char Replacement = '?');
// Whether every byte is 7-bit ASCII: the same bytes in every page here.
bool IsAscii(std::string_view Text);
// The byte of one character, or -1 when the page lacks it.
int CharToCodePage(char32_t C, TCodePage Page);

inline std::string Cp1252ToUtf8(std::string_view Bytes) { return CodePageToUtf8(Bytes, cpWindows1252); }
inline std::string Utf8ToCp1252(std::string_view Text, char Replacement = '?') {
  return Utf8ToCodePage(Text, cpWindows1252, Replacement);
}
// The OEM code page of the text-file exports (437 unless another is given).
inline std::string Utf8ToOem(std::string_view Text, TCodePage Page = cpOem437) {
  return Utf8ToCodePage(Text, Page, '?');
}
inline std::string OemToUtf8(std::string_view Bytes, TCodePage Page = cpOem437) {
  return CodePageToUtf8(Bytes, Page);
}
