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

// Sets the process locale and selects the language's string table. The locale is the language's
// own; when the system lacks it, the interface language's default one (en_US.UTF-8 for English),
// so that dates keep their four-digit years and times their AM/PM; when it lacks both, the previous
// locale stays. Returns the locale now set, empty when neither could be.
std::string ApplyInterfaceLanguage(const InterfaceLanguage& language);

// InterfaceLanguageFromEnvironment of the real environment, applied, with the locale that was set
// (the log says which).
InterfaceLanguage ChooseInterfaceLanguage();

}  // namespace program
