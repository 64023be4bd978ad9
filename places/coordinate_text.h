// Coordinates as texts: read the way the C library's string-to-double reads a decimal number, with
// a given decimal separator; written with "%f" or "%g" in the process locale.
#pragma once

#include <string>

namespace places {

// Leading white space, sign, digits, a fraction after the separator and an exponent, up to the first
// character that does not fit. A text that does not begin with a number gives 0; so do forms that
// are not decimal numbers (hexadecimal, "inf", "nan") and numbers out of range.
double ParseDecimalNumber(const std::wstring& text, wchar_t decimalSeparator);

// The process locale's decimal separator.
wchar_t LocaleDecimalSeparator();

// A latitude held in -90 to 90 and a longitude in -180 to 180 (400 is 40, -190 is 170).
double LimitLatitude(double latitude);
double NormalizeLongitude(double longitude);

// "%f": six decimals, in the process locale.
std::wstring FormatFixed(double value);
// "%g": at most six significant digits, no trailing zeros, in the process locale.
std::wstring FormatShortest(double value);

}  // namespace places
