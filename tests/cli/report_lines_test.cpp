// The text report's layout: every field of the day report on a line of its own column.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "almanac/report_fields.h"
#include "cli/report_lines.h"

namespace {

TEST(ReportLines, EachFieldOnceAndEachLineColumnOnce) {
    std::set<std::pair<int, bool>> places;
    for (const almanac::ReportField& field : almanac::ReportFields()) {
        const cli::FieldLine* line = cli::FieldLineOf(field.key);
        ASSERT_NE(line, nullptr) << field.key;
        EXPECT_TRUE(places.insert({line->line, line->secondColumn}).second) << field.key;
        EXPECT_LT(line->line, cli::kLineCount) << field.key;
    }
    EXPECT_EQ(places.size(), std::size(cli::kFieldLines));
}

}  // namespace
