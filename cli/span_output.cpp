#include "span_output.h"

#include <algorithm>
#include <charconv>
#include <cwchar>

#include "almanac/span_csv.h"
#include "almanac/span_table.h"
#include "calendar/span_calendar.h"
#include "common/utf8_text.h"
#include "report/clock_setting.h"
#include "report_output.h"

namespace cli {

namespace {

// Columns a text takes in a terminal; a character of no known width counts as one.
std::size_t TerminalWidth(const std::wstring& text) {
    std::size_t width = 0;
    for (const wchar_t ch : text) width += static_cast<std::size_t>(std::max(1, ::wcwidth(ch)));
    return width;
}

// A coordinate as short as it reads back, with a point whatever the process locale: 52.52, not
// 52.520000 or 52,52.
std::string ShortDegrees(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string SpanTableText(const std::vector<almanac::SpanDay>& days, bool twelveHourClock) {
    std::vector<almanac::SpanTableCells> lines = {almanac::SpanTableHeadings()};
    for (const almanac::SpanDay& day : days) lines.push_back(almanac::SpanTableRowOf(day, twelveHourClock).cells);
    std::array<std::size_t, almanac::kSpanTableColumns> widths{};
    for (const almanac::SpanTableCells& cells : lines) {
        for (std::size_t i = 0; i < cells.size(); ++i) widths[i] = std::max(widths[i], TerminalWidth(cells[i]));
    }
    std::wstring text;
    for (const almanac::SpanTableCells& cells : lines) {
        std::wstring line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) line += L"  ";
            line += cells[i];
            line.append(widths[i] - TerminalWidth(cells[i]), L' ');
        }
        // No spaces at the end of a line.
        line.erase(line.find_last_not_of(L' ') + 1);
        text += line + L"\n";
    }
    return common::WideToUtf8(text);
}

std::string SpanJsonLines(const std::vector<almanac::SpanDay>& days, double latitudeDeg,
                          double longitudeDeg, const almanac::DayZone& zone) {
    std::string lines;
    for (const almanac::SpanDay& day : days) {
        const almanac::DayLight light = almanac::ComputeDayLight(day.day, latitudeDeg, longitudeDeg, zone);
        lines += DayJson(day.day, light, zone, true);
    }
    return lines;
}

std::string SpanOutput(const std::vector<almanac::SpanDay>& days, const almanac::DayZone& zone,
                       const CliOptions& options) {
    if (options.format == "csv") return almanac::SpanCsv(days);
    if (options.format == "jsonl") {
        return SpanJsonLines(days, options.latitudeDeg, options.longitudeDeg, zone);
    }
    if (options.format == "ics") {
        // The command line knows no place name: the coordinates stand for it.
        const calendar::CalendarPlace place{options.latitudeDeg, options.longitudeDeg,
                                            ShortDegrees(options.latitudeDeg) + ", " + ShortDegrees(options.longitudeDeg)};
        return calendar::SpanCalendar(days, zone, place, options.events, report::UserUses12HourClock());
    }
    return SpanTableText(days, report::UserUses12HourClock());
}

}  // namespace cli
