#include "text_compare.h"

#include <algorithm>
#include <iterator>

namespace common {

namespace {

struct FoldRow {
    char32_t from;
    char32_t to;
};

#include "text_fold_table.inc"

template <std::size_t N>
wchar_t Fold(const FoldRow (&table)[N], wchar_t ch) {
    if (ch >= L'A' && ch <= L'Z') return static_cast<wchar_t>(ch - L'A' + L'a');
    if (static_cast<char32_t>(ch) < table[0].from) return ch;
    const auto row = std::lower_bound(std::begin(table), std::end(table), static_cast<char32_t>(ch),
                                      [](const FoldRow& r, char32_t c) { return r.from < c; });
    return row != std::end(table) && row->from == static_cast<char32_t>(ch)
               ? static_cast<wchar_t>(row->to)
               : ch;
}

wchar_t SortFold(wchar_t ch) { return Fold(kSortFold, ch); }

template <typename Transform>
int CompareBy(std::wstring_view a, std::wstring_view b, Transform transform) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const wchar_t x = transform(a[i]);
        const wchar_t y = transform(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

wchar_t FoldCase(wchar_t ch) { return Fold(kCaseFold, ch); }

int CompareWithoutCase(std::wstring_view a, std::wstring_view b) {
    if (const int primary = CompareBy(a, b, SortFold); primary != 0) return primary;
    if (const int accents = CompareBy(a, b, FoldCase); accents != 0) return accents;
    return CompareBy(a, b, [](wchar_t ch) { return ch; });
}

bool StartsWithLoosely(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() &&
           CompareBy(text.substr(0, prefix.size()), prefix, SortFold) == 0;
}

}  // namespace common
