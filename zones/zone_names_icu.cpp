#include "zone_names_icu.h"

#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>
#include <unicode/ucal.h>
#include <unicode/unistr.h>

#include <memory>

namespace zones {

namespace {

std::wstring ToWide(const icu::UnicodeString& text) {
    std::wstring wide;
    for (int32_t i = 0; i < text.length();) {
        const UChar32 codePoint = text.char32At(i);
        wide.push_back(static_cast<wchar_t>(codePoint));
        i += U16_LENGTH(codePoint);
    }
    return wide;
}

}  // namespace

ZoneNameLookup IcuZoneNames(const std::string& languageCode) {
    UErrorCode status = U_ZERO_ERROR;
    std::shared_ptr<icu::TimeZoneNames> names(
        icu::TimeZoneNames::createInstance(icu::Locale(languageCode.c_str()), status));
    if (U_FAILURE(status) || !names) return {};
    const UDate now = ucal_getNow();
    return [names, now](const std::string& key) {
        // ICU keeps some names under the canonical id only ("UTC" under "Etc/UTC").
        icu::UnicodeString id = icu::UnicodeString::fromUTF8(key);
        UErrorCode idStatus = U_ZERO_ERROR;
        icu::UnicodeString canonical;
        icu::TimeZone::getCanonicalID(id, canonical, idStatus);
        if (U_SUCCESS(idStatus) && !canonical.isEmpty()) id = canonical;
        icu::UnicodeString standard;
        icu::UnicodeString daylight;
        names->getDisplayName(id, UTZNM_LONG_STANDARD, now, standard);
        names->getDisplayName(id, UTZNM_LONG_DAYLIGHT, now, daylight);
        return ZoneNames{ToWide(standard), ToWide(daylight)};
    };
}

std::vector<TimeZoneEntry> LoadZoneCatalogue(const std::string& languageCode) {
    std::vector<TimeZoneEntry> catalogue;
    LoadTimeZones(catalogue, kSystemZoneInfoFolder, IcuZoneNames(languageCode));
    return catalogue;
}

}  // namespace zones
