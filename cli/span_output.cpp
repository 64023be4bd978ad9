#include "span_output.h"

#include <algorithm>
#include <cwchar>

#include "almanac/span_csv.h"
#include "almanac/span_table.h"
#include "calendar/span_calendar.h"
#include "common/utf8_text.h"
#include "report_output.h"

namespace cli {

namespace {

// Columns a text takes in a terminal; a character of no known width counts as one.
std::size_t TerminalWidth(const std::wstring& text) {
    std::size_t width = 0;
    for (const wchar_t ch : text) width += static_cast<std::size_t>(std::max(1, ::wcwidth(ch)));
    return width;
}

}  // namespace

std::string SpanTableText(const std::vector<almanac::SpanDay>& days, const report::TextStyle& style) {
    std::vector<almanac::SpanTableCells> lines = {almanac::SpanTableHeadings(style)};
    for (const almanac::SpanDay& day : days) lines.push_back(almanac::SpanTableRowOf(day, style).cells);
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

std::string SpanJsonLines(const std::vector<almanac::SpanDay>& days, const places::Observer& observer) {
    std::string lines;
    for (const almanac::SpanDay& day : days) {
        const almanac::DayLight light = almanac::ComputeDayLight(day.day, observer);
        lines += DayJson(day.day, light, observer.zone, true);
    }
    return lines;
}

std::string SpanOutput(const std::vector<almanac::SpanDay>& days, const places::Observer& observer,
                       const report::TextStyle& style, const CliOptions& options) {
    if (options.format == "csv") return almanac::SpanCsv(days);
    if (options.format == "jsonl") return SpanJsonLines(days, observer);
    if (options.format == "ics") return calendar::SpanCalendar(days, observer, options.events, style);
    return SpanTableText(days, style);
}

}  // namespace cli
