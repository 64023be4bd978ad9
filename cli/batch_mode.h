// almanaxium-cli --batch: a request per line of the input, each answered on one line of the
// output in the order of the requests, so that a script can ask for thousands of days in one run.
#pragma once

#include <cstddef>
#include <string>
#include <istream>
#include <ostream>

namespace cli {

struct BatchSummary {
    std::size_t lines = 0;    // lines read and answered
    std::size_t refused = 0;  // of them, answered with an error object
    bool written = true;      // false when the output failed; the run stopped there
    std::string readError;    // why the input could not be read on; the run stopped there
};

// Answers every line of `in` on `out`: the --json object of a good request on one line, or
// {"line": N, "error": REASON} for a bad one (N counts from 1). A last line without a line feed is
// answered too, and a UTF-8 byte-order mark before the first line is passed over. The output is
// flushed whenever the input has nothing more at hand, so that a program that writes a line and
// waits gets its answer. An input that cannot be read (closed, a folder) ends the run after every
// whole line read before was answered.
// The times are written on the 12-hour clock when twelveHourClock is true.
BatchSummary RunBatch(std::istream& in, std::ostream& out, bool twelveHourClock);

}  // namespace cli
