#include "utf8_text.h"

namespace common {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
    std::wstring wide;
    wide.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int length = 0;
        char32_t codePoint = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            length = 1;
            codePoint = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            codePoint = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            codePoint = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            codePoint = lead & 0x07;
            minimum = 0x10000;
        }
        bool valid = length > 0 && i + length <= utf8.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto byte = static_cast<unsigned char>(utf8[i + k]);
            valid = IsContinuation(byte);
            codePoint = (codePoint << 6) | (byte & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are not characters.
        if (valid && (codePoint < minimum || codePoint > 0x10FFFF ||
                      (codePoint >= 0xD800 && codePoint <= 0xDFFF))) {
            valid = false;
        }
        if (valid) {
            wide.push_back(static_cast<wchar_t>(codePoint));
            i += static_cast<std::size_t>(length);
        } else {
            wide.push_back(static_cast<wchar_t>(kReplacement));
            i += 1;
        }
    }
    return wide;
}

std::string WideToUtf8(std::wstring_view wide) {
    std::string utf8;
    utf8.reserve(wide.size());
    for (const wchar_t ch : wide) {
        auto codePoint = static_cast<char32_t>(ch);
        if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            codePoint = kReplacement;
        }
        if (codePoint < 0x80) {
            utf8.push_back(static_cast<char>(codePoint));
        } else if (codePoint < 0x800) {
            utf8.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
        } else if (codePoint < 0x10000) {
            utf8.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
            utf8.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
        } else {
            utf8.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
            utf8.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
        }
    }
    return utf8;
}

}  // namespace common
