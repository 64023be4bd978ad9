// Almanaxium: the desktop almanac of the Sun and the Moon.
#include <cstdio>
#include <exception>

#include "almanax_app.h"
#include "program/command_words.h"

wxIMPLEMENT_APP_NO_MAIN(CAlmanaxApp);

// --help and --version are answered before the toolkit starts, so they need no display; every
// other argument goes to the toolkit, which takes its own options and leaves the rest.
int main(int argc, char** argv) {
    if (const auto answer = program::WindowCommandWordAnswer(std::vector<std::string>(argv + 1, argv + argc))) {
        std::fputs(answer->c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    // No exception leaves the program: what ended it is said on the terminal, with a status.
    try {
        return wxEntry(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "almanaxium: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "almanaxium: an unknown error ended the program\n");
    }
    return 1;
}
