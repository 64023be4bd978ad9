#include "version_text.h"

#include <climits>
#include <cwctype>

namespace update {

std::optional<std::wstring> ExtractElement(const std::wstring& response, const std::wstring& name) {
    const std::wstring open = L"<" + name + L">";
    const std::wstring close = L"</" + name + L">";
    const std::size_t start = response.find(open);
    if (start == std::wstring::npos) return std::nullopt;
    const std::size_t textStart = start + open.size();
    const std::size_t end = response.find(close, textStart);
    if (end == std::wstring::npos) return std::nullopt;
    return response.substr(textStart, end - textStart);
}

namespace {

// A decimal string-to-integer conversion from a position: leading white space, an optional sign,
// digits up to the first non-digit; no digits give 0; out of range saturates as the C library does.
std::int32_t ReadInteger(const std::wstring& text, std::size_t position) {
    std::size_t i = position;
    while (i < text.size() && std::iswspace(static_cast<wint_t>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<std::int32_t>(value);
}

}  // namespace

VersionNumbers ParseVersion(const std::wstring& text) {
    VersionNumbers numbers{};
    std::size_t position = 0;
    for (std::int32_t& number : numbers) {
        const std::size_t dot = text.find(L'.', position);
        number = ReadInteger(text, position);
        if (dot != std::wstring::npos) position = dot + 1;
    }
    return numbers;
}

bool IsNewerVersion(const VersionNumbers& offered, const VersionNumbers& installed) {
    for (std::size_t i = 0; i < offered.size(); ++i) {
        if (offered[i] != installed[i]) return offered[i] > installed[i];
    }
    return false;
}

}  // namespace update
