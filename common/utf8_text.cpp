#include "utf8_text.h"

namespace common {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The length of the well-formed sequence at `at`, or 0 when its first byte starts none: one rule
// for what is UTF-8, so that the checks and the conversion agree.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xbf;  // the range of the second byte
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        if (lead == 0xe0) low = 0xa0;  // overlong
        if (lead == 0xed) high = 0x9f;  // surrogates
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        if (lead == 0xf0) low = 0x90;  // overlong
        if (lead == 0xf4) high = 0x8f;  // past U+10FFFF
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[at + k]);
        if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xbf)) return 0;
    }
    return length;
}

}  // namespace

std::optional<std::size_t> FirstInvalidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) return i;
        i += length;
    }
    return std::nullopt;
}

std::wstring Utf8ToWide(std::string_view utf8) {
    std::wstring wide;
    wide.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t length = SequenceLength(utf8, i);
        if (length == 0) {
            wide.push_back(static_cast<wchar_t>(kReplacement));
            i += 1;
            continue;
        }
        // The lead byte keeps 7, 5, 4 or 3 bits of the code point; each continuation byte 6.
        char32_t codePoint = static_cast<unsigned char>(utf8[i]) & (length == 1 ? 0x7F : 0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        wide.push_back(static_cast<wchar_t>(codePoint));
        i += length;
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
