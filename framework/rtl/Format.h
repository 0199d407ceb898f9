#pragma once
// The platform's Format: "%" [index ":"] ["-"] [width] ["." precision] type,
// with the types d, u, x (upper-case hexadecimal), e, f, g, n, m, s, p and
// "%%". Width and precision may be "*", taken from the next argument.
//
//   Format("%d items, %.2f %s", {n, 3.5, "kg"})
//
// It never has undefined behaviour: a missing argument, a wrong-typed one
// (a number for %s, a text for %d) or a malformed specifier raises
// EConvertError "Format '...' invalid or incompatible with argument".
// Numbers use FormatSettings() (or the settings given) for the separators.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

struct TFormatSettings;

class TFormatArg {
 public:
  template <typename T>
  requires std::is_integral_v<T> TFormatArg(T v) {
    if constexpr (std::is_same_v<T, bool>)
      value_ = static_cast<std::int64_t>(v ? 1 : 0);
    else if constexpr (std::is_same_v<T, char>)
      value_ = std::string(1, v);  // a character formats as a text
    else if constexpr (std::is_unsigned_v<T> && sizeof(T) == 8)
      value_ = static_cast<std::uint64_t>(v);
    else
      value_ = static_cast<std::int64_t>(v);
  }
  TFormatArg(double v) : value_(v) {}
  TFormatArg(float v) : value_(static_cast<double>(v)) {}
  TFormatArg(long double v) : value_(static_cast<double>(v)) {}
  TFormatArg(const char* v) : value_(std::string(v ? v : "")) {}
  TFormatArg(std::string v) : value_(std::move(v)) {}
  TFormatArg(std::string_view v) : value_(std::string(v)) {}
  TFormatArg(const void* p) : value_(static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(p))) {}

  bool IsInteger() const { return value_.index() == 0 || value_.index() == 1; }
  bool IsFloat() const { return value_.index() == 2; }
  bool IsString() const { return value_.index() == 3; }
  std::int64_t AsInt64() const;
  std::uint64_t AsUInt64() const;
  double AsDouble() const { return std::get<double>(value_); }
  const std::string& AsString() const { return std::get<std::string>(value_); }
  // The argument as plain text (integers in decimal, floats as FloatToStr).
  std::string ToText() const;

 private:
  std::variant<std::int64_t, std::uint64_t, double, std::string> value_;
};

std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args);
std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args,
                   const TFormatSettings& Settings);

// For texts that come from language files, which a user may edit: replaces
// each "%d" or "%s" in order with the next argument's text. Tokens beyond the
// arguments stay as they are and surplus arguments are ignored; nothing is
// ever raised.
std::string FormatLangText(std::string_view Text, std::initializer_list<TFormatArg> Args);
