#include "command_words.h"

#include "common/utf8_text.h"
#include "program_version.h"

namespace program {

std::string VersionLine(const std::string& programName) {
    return programName + " " + common::WideToUtf8(GetProgramVersion()) + "\n";
}

std::optional<std::string> WindowCommandWordAnswer(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--version") return VersionLine("almanaxium");
        if (argument == "--help" || argument == "-h") {
            return "usage: almanaxium [--help | --version]\n"
                   "The almanac of the Sun and the Moon for a place, a time zone and a date, in a window.\n"
                   "The window reads no other arguments; its settings are kept in\n"
                   "$XDG_CONFIG_HOME/Qelt/Almanaxium2.reg (default ~/.config), its language comes from\n"
                   "LANGUAGE, LC_ALL, LC_MESSAGES or LANG. The same report for scripts: almanaxium-cli --help.\n"
                   "  --help     print this text\n"
                   "  --version  print the version\n";
        }
    }
    return std::nullopt;
}

}  // namespace program
