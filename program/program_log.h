// The log of one run of the program: opened at the start with the file name, level and size
// limit of the settings, in the temporary folder, and closed at the end, each with its line.
#pragma once

#include <string>

namespace program {

void OpenProgramLog(const std::wstring& productName);
void CloseProgramLog();

}  // namespace program
