// Runs a program of the build as a child process and collects what it prints.
#pragma once

#include <string>
#include <vector>

namespace test_support {

struct ProcessResult {
    int exitStatus = -1;  // the exit status, or -1 when the process did not exit normally
    std::string standardOutput;
    std::string standardError;
};

// Runs program with arguments, with the environment of the test plus the given NAME=value entries.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& extraEnvironment = {});

}  // namespace test_support
