// Which file an export writes: the name chosen in a file dialog with the ending of the format
// chosen there, and whether the dialog's own question about replacing a file was about another one.
#pragma once

#include <string>

namespace almanac {

struct ExportTarget {
    std::string path;
    bool askToReplace = false;  // the path differs from the one chosen and a file is there
};

// "cal" and "cal.csv" written as a calendar are "cal.ics": a name without the format's ending gets
// it, and the other format's ending is replaced.
ExportTarget ExportTargetOf(const std::string& chosenPath, bool calendar);

}  // namespace almanac
