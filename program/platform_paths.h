// The folders the program works in.
#pragma once

#include <string>

namespace program {

// $TMPDIR when it names a folder, else /tmp/; always ending in "/".
std::string TemporaryFolder();

// The folder of the running program file (from /proc/self/exe), without its final "/"; empty when
// it cannot be read. The place catalogue "Location" lies in it.
std::string ProgramFolder();

}  // namespace program
