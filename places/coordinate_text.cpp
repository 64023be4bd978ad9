#include "coordinate_text.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cwchar>
#include <cwctype>

#include "common/utf8_text.h"

namespace places {

double ParseDecimalNumber(const std::wstring& field, wchar_t decimalSeparator) {
    std::size_t i = 0;
    while (i < field.size() && std::iswspace(static_cast<wint_t>(field[i]))) ++i;
    std::string number;
    if (i < field.size() && (field[i] == L'+' || field[i] == L'-')) {
        if (field[i] == L'-') number.push_back('-');
        ++i;
    }
    auto digits = [&] {
        std::size_t count = 0;
        while (i < field.size() && field[i] >= L'0' && field[i] <= L'9') {
            number.push_back(static_cast<char>(field[i++]));
            ++count;
        }
        return count;
    };
    std::size_t mantissaDigits = digits();
    if (i < field.size() && field[i] == decimalSeparator) {
        number.push_back('.');
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0) return 0.0;
    if (i < field.size() && (field[i] == L'e' || field[i] == L'E')) {
        const std::size_t before = i;
        const std::size_t lengthBefore = number.size();
        number.push_back('e');
        ++i;
        if (i < field.size() && (field[i] == L'+' || field[i] == L'-')) {
            number.push_back(static_cast<char>(field[i++]));
        }
        if (digits() == 0) {  // "1e" or "1e+": the exponent does not count
            i = before;
            number.resize(lengthBefore);
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

wchar_t LocaleDecimalSeparator() {
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr) return L'.';
    const std::wstring separator = common::Utf8ToWide(conventions->decimal_point);
    return separator.size() == 1 ? separator[0] : L'.';
}

double LimitLatitude(double latitude) {
    if (latitude > 90) return 90;
    if (latitude < -90) return -90;
    return latitude;
}

double NormalizeLongitude(double longitude) {
    if (longitude >= -180 && longitude <= 180) return longitude;
    double wrapped = std::fmod(longitude + 180, 360);
    if (wrapped < 0) wrapped += 360;
    return wrapped - 180;
}

namespace {

std::wstring Format(const wchar_t* format, double value) {
    wchar_t text[64];
    const int length = std::swprintf(text, sizeof text / sizeof text[0], format, value);
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

}  // namespace

std::wstring FormatFixed(double value) { return Format(L"%f", value); }
std::wstring FormatShortest(double value) { return Format(L"%g", value); }

}  // namespace places
