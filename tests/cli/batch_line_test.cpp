// The request lines of almanaxium-cli --batch: what a good line asks for, and the one-line reason a
// bad line is refused with, naming the member at fault.
#include <gtest/gtest.h>

#include <string>

#include "cli/batch_line.h"

namespace {

TEST(ParseBatchLine, ReadsAGoodLineAsTheOptionsWouldGiveIt) {
    const cli::BatchLineResult parsed = cli::ParseBatchLine(
        R"( {"date": "2018-06-21", "lat": 52.5, "lon": -1.34e1, "offset": 5.75, "lang": "de",)"
        R"( "note": "B\u00e4r \ud83c\udf19", "n": null, "b": true, "x": -0} )");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const cli::CliOptions& o = parsed.request;
    EXPECT_EQ(o.date.year * 10000 + o.date.month * 100 + o.date.day, 20180621);
    EXPECT_EQ(o.latitudeDeg, 52.5);
    EXPECT_EQ(o.longitudeDeg, -13.4);
    EXPECT_TRUE(o.hasOffset);
    EXPECT_EQ(o.offsetHours, 5.75);
    EXPECT_EQ(o.languageCode, "de");
    EXPECT_TRUE(o.zoneName.empty());

    const cli::BatchLineResult zoned =
        cli::ParseBatchLine(R"({"zone":"Europe/Berlin","lon":0,"lat":-90,"date":"1901-01-01"})" "\r");
    ASSERT_TRUE(zoned.ok) << zoned.error;
    EXPECT_EQ(zoned.request.zoneName, "Europe/Berlin");
    EXPECT_FALSE(zoned.request.hasOffset);
}

TEST(ParseBatchLine, RefusesBadLinesWithTheirReason) {
    const std::string place = R"("date": "2018-06-21", "lat": 52.5, "lon": 13.4)";
    struct Case {
        std::string line;
        const char* error;
    };
    const Case cases[] = {
        {"", "empty line"},
        {"  \t", "empty line"},
        {"hello", "not a JSON object"},
        {"[1, 2]", "not a JSON object"},
        {"{" + place + ", \"zone\": \"UTC\"", "not JSON: expected ',' or '}' at column 63"},
        {"{" + place + " \"zone\": \"UTC\"}", "not JSON: expected ',' or '}' at column 49"},
        {"{" + place + ", \"zone\": \"UTC\"} x", "not JSON: expected the end of the line after the object at column 65"},
        {"{\"date\" \"2018-06-21\"}", "not JSON: expected ':' after the member name at column 9"},
        {"{date: 1}", "not JSON: expected a member name in quotes at column 2"},
        {"{\"zone\": \"UT\x01\"}", "not JSON: a control character in a string at column 13"},
        {"{\"zone\": \"\\x\"}", "not JSON: unknown escape in a string at column 11"},
        {"{\"zone\": \"\\ud800\"}", "not JSON: a \\u escape is half of a surrogate pair at column 11"},
        {"{\"zone\": \"open}", "not JSON: expected the closing '\"' of a string at column 16"},
        {"{\"date\": \"2018-06-21\", \"x\": foo}", "not JSON: 'foo' in 'x' is not a value"},
        {"{\"x\": {\"y\": 1}, " + place + "}", "'x' holds an object or an array; a batch line is one flat object"},
        {"{\"x\": [], " + place + "}", "'x' holds an object or an array; a batch line is one flat object"},
        {"{\"lat\": 52.5, \"lon\": 13.4, \"zone\": \"UTC\"}", "missing date"},
        {"{\"date\": \"2018-06-21\", \"lon\": 13.4, \"zone\": \"UTC\"}", "missing lat"},
        {"{\"date\": \"2018-06-21\", \"lat\": 52.5, \"zone\": \"UTC\"}", "missing lon"},
        {"{" + place + "}", "missing zone or offset"},
        {"{" + place + ", \"zone\": \"UTC\", \"offset\": 1}", "give exactly one of zone and offset"},
        {"{" + place + ", \"zone\": \"UTC\", \"lat\": 1}", "'lat' is given twice"},
        {"{\"date\": \"2018-06-21\", \"lat\": NaN, \"lon\": 13.4, \"zone\": \"UTC\"}", "lat is not a number"},
        {"{\"date\": \"2018-06-21\", \"lat\": 52.5, \"lon\": -Infinity, \"zone\": \"UTC\"}", "lon is not a number"},
        {"{\"date\": \"2018-06-21\", \"lat\": \"52.5\", \"lon\": 13.4, \"zone\": \"UTC\"}", "lat is not a number"},
        {"{\"date\": \"2018-06-21\", \"lat\": 052, \"lon\": 13.4, \"zone\": \"UTC\"}", "lat is not a number"},
        {"{\"date\": \"2018-06-21\", \"lat\": 1e999, \"lon\": 13.4, \"zone\": \"UTC\"}", "lat '1e999' is a number too near 0 or too large to be read"},
        {"{\"date\": \"2018-06-21\", \"lat\": 90.5, \"lon\": 13.4, \"zone\": \"UTC\"}", "lat '90.5' is outside -90 to 90"},
        {"{\"date\": \"2018-06-21\", \"lat\": 0, \"lon\": 181, \"zone\": \"UTC\"}", "lon '181' is outside -180 to 180"},
        {"{" + place + ", \"offset\": 14.5}", "offset '14.5' is outside -12 to 14"},
        {"{" + place + ", \"offset\": 5.3333}", "offset '5.3333' is not a whole number of minutes"},
        {"{" + place + ", \"offset\": null}", "offset is not a number"},
        {"{" + place + ", \"zone\": 1}", "zone is not a string"},
        {"{" + place + ", \"zone\": \"\"}", "zone is empty"},
        {"{\"date\": 20180621, \"lat\": 52.5, \"lon\": 13.4, \"zone\": \"UTC\"}", "date is not a string"},
        {"{\"date\": \"2018-02-29\", \"lat\": 52.5, \"lon\": 13.4, \"zone\": \"UTC\"}",
         "date '2018-02-29' is not an existing date in the form YYYY-MM-DD"},
        {"{\"date\": \"1900-12-31\", \"lat\": 52.5, \"lon\": 13.4, \"zone\": \"UTC\"}",
         "date '1900-12-31' is outside the years 1901 to 2099"},
        {"{\"date\": \"2100-01-01\", \"lat\": 52.5, \"lon\": 13.4, \"zone\": \"UTC\"}",
         "date '2100-01-01' is outside the years 1901 to 2099"},
        {"{" + place + ", \"zone\": \"UTC\", \"lang\": \"pt\"}", "lang 'pt' is not one of the languages en, de, es, fr, el"},
        {"{" + place + ", \"zone\": \"Europe/Berl\xc3\"}", "not valid UTF-8 at byte 70"},
        {"{" + place + ", \"zone\": \"\xed\xa0\x80\"}", "not valid UTF-8 at byte 59"},
        {"{" + place + ", \"zone\": \"\xc0\xaf\"}", "not valid UTF-8 at byte 59"},
        {std::string(cli::kLongestBatchLine + 1, ' '), "line too long"},
        // The reader's own faults come first, in the order of the line; then twice-given names and words.
        {"{\"a\":}", "not JSON: expected a value at column 6"},
        {"{\"a\": 1 ,}", "not JSON: expected a member name in quotes at column 10"},
        {"{\"x\": foo bar}", "not JSON: expected ',' or '}' at column 11"},
        {"{\"x\": 1, \"x\": 2, \"q\": [1]}", "'q' holds an object or an array; a batch line is one flat object"},
        {"{\"x\": NaN, \"x\": 1}", "not JSON: 'NaN' in 'x' is not a value"},
        {"{\"x\": 1, \"x\": NaN}", "'x' is given twice"},
        {"{\"date\": 1, \"\\u0064ate\": 2}", "'date' is given twice"},
        {std::string("{\"a\": 1}\0", 9), "not JSON: expected the end of the line after the object at column 9"},
        {"{\"zone\": \"\\u12\"}", "not JSON: a \\u escape needs four hex digits at column 11"},
        {"{\"zone\": \"\\\\\\ud800\\u12\"}", "not JSON: a \\u escape is half of a surrogate pair at column 13"},
        {"{\"z\\udc00\": 1}", "not JSON: a \\u escape is half of a surrogate pair at column 4"},
        {"{\"zone\": \"UTC\\", "not JSON: expected an escape after '\\' at column 15"},
    };
    for (const Case& c : cases) {
        const cli::BatchLineResult parsed = cli::ParseBatchLine(c.line);
        EXPECT_FALSE(parsed.ok) << c.line;
        EXPECT_EQ(parsed.error, c.error) << c.line.substr(0, 100);
    }
}

}  // namespace
