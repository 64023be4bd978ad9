// The interface texts by numeric id, one table per language (English, German, Spanish, French,
// Greek), read from the program's embedded string-table files.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace resources {

using StringTable = std::map<unsigned, std::wstring>;

// Parses a string-table file: lines `id "text"` with \n, \" and \\ escapes; # starts a comment.
// Lines that do not follow the form are skipped.
StringTable ParseStringTable(std::string_view utf8);

// The table of a language code ("en", "de", "es", "fr", "el"); empty for any other code.
const StringTable& StringTableOf(std::string_view languageCode);

// Chooses the table that lookups use, as the interface language's: one of the five codes, any other
// code picks English. English until this is called.
void SelectStringTable(std::string_view languageCode);
std::string_view SelectedLanguageCode();

// The text in the selected table; when it is missing or empty there, the English text; else empty.
std::wstring LoadLocalizedString(unsigned id);

// The lookup rule of LoadLocalizedString over any two tables.
std::wstring LocalizedStringFrom(const StringTable& selected, const StringTable& english,
                                 unsigned id);

// The text in the selected table only: a missing entry gives the empty text.
std::wstring LoadPlainString(unsigned id);

// The same two lookups in the table of a language named by its code, whatever table is selected.
std::wstring LocalizedStringIn(std::string_view languageCode, unsigned id);
std::wstring PlainStringIn(std::string_view languageCode, unsigned id);

}  // namespace resources
