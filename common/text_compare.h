// The order of the program's sorted lists: without regard to case, with accented letters beside
// their base letters (Île-de-France between Hauts-de-France and Normandie), independent of the
// process locale so that stored list positions mean the same in every language.
#pragma once

#include <string_view>

namespace common {

// Negative, zero or positive as a sorts before, with or after b. Names that differ only in accents
// are ordered by their accents, then names that differ only in case by code point, so that only
// equal texts compare equal.
int CompareWithoutCase(std::wstring_view a, std::wstring_view b);

// The lower-case form of a character (ASCII, Latin, Greek and Cyrillic letters).
wchar_t FoldCase(wchar_t ch);

// Whether text begins with prefix when case and accents are not told apart, as a person typing
// the first letters of a name expects ("ile" finds "Île-de-France").
bool StartsWithLoosely(std::wstring_view text, std::wstring_view prefix);

}  // namespace common
