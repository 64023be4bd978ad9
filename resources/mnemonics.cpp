#include "mnemonics.h"

#include "common/text_compare.h"

namespace resources {

namespace {

// The position of the character a single "&" marks; npos for none.
std::size_t MnemonicPosition(const std::wstring& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] != L'&') return i + 1;
        ++i;  // "&&"
    }
    return std::wstring::npos;
}

bool IsLetterOrDigit(wchar_t ch) {
    return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z') || (ch >= L'0' && ch <= L'9') ||
           (ch >= 0xC0 && ch != 0xD7 && ch != 0xF7);
}

}  // namespace

std::wstring WithTemplateMnemonic(const std::wstring& text, const std::wstring& templateText) {
    const std::size_t marked = MnemonicPosition(templateText);
    if (marked == std::wstring::npos || MnemonicPosition(text) != std::wstring::npos) return text;
    const wchar_t letter = common::FoldCase(templateText[marked]);
    std::size_t first = std::wstring::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&') {
            ++i;  // an "&&" of the text
            continue;
        }
        if (common::FoldCase(text[i]) == letter) return text.substr(0, i) + L'&' + text.substr(i);
        if (first == std::wstring::npos && IsLetterOrDigit(text[i])) first = i;
    }
    if (first == std::wstring::npos) return text;
    return text.substr(0, first) + L'&' + text.substr(first);
}

}  // namespace resources
