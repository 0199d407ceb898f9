#pragma once
// String helpers of the runtime library. Strings are UTF-8 std::string.
//
// Positions are 0-based; a search that finds nothing returns -1 (never
// std::string::npos), so "Pos(...) >= 0" reads as "found". Byte positions are
// used unless the name says Utf8 (those count characters a user sees).
//
// Case mapping: UpperCase/LowerCase/SameText/CompareText touch ASCII letters
// only, as the platform's plain routines do; the Ansi* forms map letters of
// the common European scripts as well.
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "framework/rtl/Set.h"

struct TFormatSettings;

// Removes characters with codes up to 0x20 (blanks and control characters).
std::string Trim(std::string_view S);
// What Trim keeps, without a copy.
std::string_view TrimmedView(std::string_view S);
std::string TrimLeft(std::string_view S);
std::string TrimRight(std::string_view S);

std::string UpperCase(std::string_view S);
std::string LowerCase(std::string_view S);
// Percent-encodes every byte but ASCII letters, digits and the characters in
// Plain (upper-case hex digits), for URLs and URIs.
std::string PercentEncode(std::string_view S, std::string_view Plain);
// Ordinal comparison ignoring ASCII case: <0, 0 or >0.
int CompareText(std::string_view A, std::string_view B);
bool SameText(std::string_view A, std::string_view B);
// Ordinal, case-sensitive comparison: <0, 0 or >0.
int CompareStr(std::string_view A, std::string_view B);
// Hash and equality of texts that ignore ASCII case, for unordered
// containers of names looked up as SameText does (by string_view: a lookup
// copies nothing).
struct TTextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view S) const;
};
struct TTextEqual {
  using is_transparent = void;
  bool operator()(std::string_view A, std::string_view B) const { return SameText(A, B); }
};

// Case mapping for Latin, Greek and Cyrillic letters (the locale-aware forms).
std::string AnsiUpperCase(std::string_view S);
std::string AnsiLowerCase(std::string_view S);
char32_t AnsiUpperChar(char32_t C);
char32_t AnsiLowerChar(char32_t C);
// Compares by character ignoring case; AnsiCompareStr orders case-blind first
// and puts lower case before upper case only between otherwise equal texts.
int AnsiCompareText(std::string_view A, std::string_view B);
int AnsiCompareStr(std::string_view A, std::string_view B);
bool AnsiSameText(std::string_view A, std::string_view B);

template <std::integral T>
std::string IntToStr(T Value) {
  return std::to_string(Value);
}

// Upper-case hexadecimal with at least Digits digits; a negative value gives
// its two's complement pattern in the width of its type (IntToHex(-1, 2) is
// "FFFFFFFF" for a 32-bit int).
std::string IntToHexBits(std::uint64_t Bits, int Digits);
template <std::integral T>
std::string IntToHex(T Value, int Digits) {
  using U = std::make_unsigned_t<T>;
  return IntToHexBits(static_cast<std::uint64_t>(static_cast<U>(Value)), Digits);
}

// The platform's integer reader (Val): leading blanks, an optional sign, then
// decimal digits or hexadecimal digits after "$", "x", "X", "0x" or "0X".
// Decimal values must fit a signed 32-bit integer; hexadecimal values may use
// all 32 bits and are taken as a bit pattern ("$FFFFFFFF" is -1). Anything
// else, trailing blanks included, fails. Returns 0 on success, else the
// 1-based position of the offending character (Length + 1 at the end).
int Val(std::string_view S, std::int32_t& Value);
// The same reader for 64-bit values.
int Val(std::string_view S, std::int64_t& Value);
// A floating-point reader with "." as decimal point: blanks, sign, digits,
// fraction and exponent; 0 on success, else the 1-based failing position.
int Val(std::string_view S, double& Value);

bool TryStrToInt(std::string_view S, std::int32_t& Value);
bool TryStrToInt64(std::string_view S, std::int64_t& Value);
std::int32_t StrToIntDef(std::string_view S, std::int32_t Default);
std::int64_t StrToInt64Def(std::string_view S, std::int64_t Default);
// Raises EConvertError "'abc' is not a valid integer value".
std::int32_t StrToInt(std::string_view S);
std::int64_t StrToInt64(std::string_view S);

// Floating-point text, shortest general form with 15 significant digits
// ("1.5", "1E20", "1.5E-7"), using the given or the global decimal separator.
std::string FloatToStr(double Value);
std::string FloatToStr(double Value, char DecimalSeparator);
std::string FloatToStr(double Value, const TFormatSettings& Settings);

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
// The platform's FloatToStrF: Precision significant digits (at most 18),
// Digits decimals (fixed, number, currency) or exponent digits (exponent).
std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits);
std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits,
                        const TFormatSettings& Settings);

// Reads a number written with the given decimal separator: blanks around it,
// a sign, digits with at most one separator, an optional exponent. No
// thousand separators. StrToFloat raises EConvertError
// "'x' is not a valid floating point value".
bool TryStrToFloat(std::string_view S, double& Value);
bool TryStrToFloat(std::string_view S, double& Value, char DecimalSeparator);
bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& Settings);
double StrToFloat(std::string_view S);
double StrToFloat(std::string_view S, char DecimalSeparator);
double StrToFloat(std::string_view S, const TFormatSettings& Settings);
double StrToFloatDef(std::string_view S, double Default);

enum TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag>;
// Replaces the first (or, with rfReplaceAll, every) occurrence of OldPattern;
// rfIgnoreCase compares ASCII letters without case. An empty pattern changes
// nothing.
std::string StringReplace(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                          TReplaceFlags Flags);

// 0-based byte index of the first occurrence of Sub in S at or after Offset;
// -1 when there is none (or Sub is empty).
int Pos(std::string_view Sub, std::string_view S);
int PosEx(std::string_view Sub, std::string_view S, int Offset);

// UTF-8 character helpers. Malformed bytes count as one character each.
int Utf8Length(std::string_view S);
// Count characters from character Start (0-based); clipped to the text.
std::string Utf8Copy(std::string_view S, int Start, int Count);
// Byte offset of character Index (the size for Index >= Utf8Length).
std::size_t Utf8Offset(std::string_view S, int Index);
// Decodes to code points; malformed sequences give U+FFFD.
std::u32string Utf8ToUtf32(std::string_view S);
std::string Utf32ToUtf8(std::u32string_view S);
void AppendUtf8(std::string& Out, char32_t C);
// Decodes the character at byte Pos and advances Pos past it.
char32_t NextUtf8Char(std::string_view S, std::size_t& Pos);
// False when S holds a malformed, overlong or surrogate sequence.
bool IsValidUtf8(std::string_view S);
// UTF-16 as the platform's strings hold it; unpaired surrogates give U+FFFD.
std::u16string Utf8ToUtf16(std::string_view S);
std::string Utf16ToUtf8(std::u16string_view S);
// Length in UTF-16 code units (what the platform's Length reports).
int Utf16Length(std::string_view S);

// Splits S at every occurrence of Delimiter (an empty text gives one item).
std::vector<std::string> SplitString(std::string_view S, char Delimiter);

// Quotes S with Quote, doubling any Quote inside.
std::string QuotedStr(std::string_view S, char Quote = '\'');
