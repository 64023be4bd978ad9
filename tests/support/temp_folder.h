// A fresh folder under the system's temporary folder, removed with everything in it at the end of
// the test.
#pragma once

#include <filesystem>
#include <string>

namespace test_support {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

    // Writes a file (creating its folders) and returns its path.
    std::string Write(const std::string& name, const std::string& contents) const;

private:
    std::filesystem::path path_;
};

}  // namespace test_support
