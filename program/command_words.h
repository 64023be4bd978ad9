// The only words the window reads from its command line: --help and --version. They are answered
// before the toolkit starts, so that they work without a display.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace program {

// The program's name and version, "almanaxium 2.5.0.5012", and a line end.
std::string VersionLine(const std::string& programName);

// The text to print for --help (or -h) or --version among the arguments after the program's name;
// nothing when neither is there, and the window opens as always.
std::optional<std::string> WindowCommandWordAnswer(const std::vector<std::string>& arguments);

}  // namespace program
