#include "export_target.h"

#include <filesystem>

namespace almanac {

namespace {

bool EndsWith(const std::string& path, const std::string& ending) {
    return path.size() >= ending.size() && path.compare(path.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

ExportTarget ExportTargetOf(const std::string& chosenPath, bool calendar) {
    const std::string ending = calendar ? ".ics" : ".csv";
    const std::string other = calendar ? ".csv" : ".ics";
    ExportTarget target{chosenPath, false};
    if (EndsWith(chosenPath, ending)) return target;
    target.path = EndsWith(chosenPath, other) ? chosenPath.substr(0, chosenPath.size() - other.size()) + ending
                                              : chosenPath + ending;
    std::error_code error;
    target.askToReplace = std::filesystem::exists(target.path, error);
    return target;
}

}  // namespace almanac
