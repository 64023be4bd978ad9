// The folders the program works in.
#pragma once

#include <string>

namespace program {

// $TMPDIR when it names a folder, else $XDG_RUNTIME_DIR when it is the user's own folder closed to
// everyone else (mode 0700, as a session gives it), else /tmp/; always ending in "/".
std::string TemporaryFolder();

// The folder of the running program file (from /proc/self/exe), without its final "/"; empty when
// it cannot be read. The place catalogue "Location" lies in it.
std::string ProgramFolder();

}  // namespace program
