#pragma once
// Floating-point to text in the platform's styles, shared by FloatToStrF and
// Format. Rounding is decimal, half away from zero, on the value's 17
// significant digits (so 0.125 with two decimals gives "0.13", while 2.675,
// stored as 2.67499..., gives "2.67").
#include <string>

#include "framework/rtl/StrUtils.h"

struct TFormatSettings;

std::string FormatFloatText(double Value, TFloatFormat Format, int Precision, int Digits,
                            const TFormatSettings& Settings);
