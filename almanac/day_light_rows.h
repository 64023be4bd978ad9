// The day's light as rows of text, for the command line's report and the chart window's list of
// key times: the golden and the blue hour as the twilights are shown (morning and evening, begin
// beside end), a white night and a polar day or night with its end when there is one.
#pragma once

#include <string>
#include <vector>

#include "almanac/day_light.h"

namespace almanac {

struct LightRow {
    std::wstring caption;
    std::wstring value;
    std::wstring second;  // the end beside the begin; empty for a row of one value
    bool indented = false;
};

// Nothing for a DayLight without values.
std::vector<LightRow> DayLightRows(const DayLight& light, const report::TextStyle& style);

}  // namespace almanac
