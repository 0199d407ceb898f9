#pragma once
// The system's decimal separator for the length of a scope, as the checks
// of number cells typed with either separator take it.
#include <optional>
#include <string>

#include "framework/rtl/Locale.h"

class TDecimal_Separator_Scope {
 public:
  explicit TDecimal_Separator_Scope(char Separator) {
    SetIntlDecimalProfileValue(std::string(1, Separator));
    ApplyHostDecimalSeparator();
  }
  ~TDecimal_Separator_Scope() { SetIntlDecimalProfileValue(std::nullopt); }
  TDecimal_Separator_Scope(const TDecimal_Separator_Scope&) = delete;
  TDecimal_Separator_Scope& operator=(const TDecimal_Separator_Scope&) = delete;

 private:
  TFormatSettingsScope keep_;
};
