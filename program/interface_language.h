// The interface language: chosen afresh at every start from the user's environment, it picks the
// string table, the language of the place catalogue files and the process locale that prints
// numbers, dates and times.
#pragma once

#include <functional>
#include <string>

namespace program {

struct InterfaceLanguage {
    std::string languageCode;  // "en", "de", "es", "fr" or "el"
    std::string localeName;    // the process locale to set, e.g. "de_DE.UTF-8"
};

// The variable's value, or nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char* name)>;

// From the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set and not empty: its
// two-letter code picks the language (any other code gives English); the locale is that code and
// its country (the language's home country when none is given) in UTF-8.
InterfaceLanguage InterfaceLanguageFromEnvironment(const EnvironmentLookup& environment);

// The language of an explicit code ("de" or "de_AT.UTF-8"), as the environment's would be.
InterfaceLanguage InterfaceLanguageFromName(const std::string& name);

// Sets the process locale (a locale the system lacks leaves the previous one in force) and selects
// the language's string table. Returns whether the locale was set.
bool ApplyInterfaceLanguage(const InterfaceLanguage& language);

// InterfaceLanguageFromEnvironment of the real environment, applied.
InterfaceLanguage ChooseInterfaceLanguage();

}  // namespace program
