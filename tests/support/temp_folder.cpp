#include "temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace test_support {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "almanaxium-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& name, const std::string& contents) const {
    const std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << contents;
    return file.string();
}

}  // namespace test_support
