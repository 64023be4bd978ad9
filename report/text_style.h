// How the texts of values are written: in which language and on which clock. Made once at each
// program's edge from the user's choice and environment, then handed to whatever writes a text.
#pragma once

#include <string>

namespace report {

struct TextStyle {
    std::string languageCode = "en";  // "en", "de", "es", "fr" or "el": the string table used
    bool twelveHourClock = false;     // "6:55 AM" rather than "6:55"
};

}  // namespace report
