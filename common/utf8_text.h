// Conversions between UTF-8 (files, the terminal, JSON) and the program's wide texts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// Malformed UTF-8 becomes U+FFFD, one replacement character per bad byte.
std::wstring Utf8ToWide(std::string_view utf8);

// The position of the first byte that breaks UTF-8 (overlong forms, surrogates and code points past
// U+10FFFF included), or nothing when the whole text is well formed.
std::optional<std::size_t> FirstInvalidUtf8(std::string_view text);

// Code points that UTF-8 cannot carry (surrogates, values above U+10FFFF) become U+FFFD.
std::string WideToUtf8(std::wstring_view wide);

}  // namespace common
