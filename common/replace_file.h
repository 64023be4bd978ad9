// Replacing a file whole or not at all.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace common {

// Writes the contents beside the file, flushes them to the disk and renames them over the file: a
// reader sees the old file or the new one, never a part of either, and a failed or short write
// leaves the old file and no temporary one. A link at the path is replaced, not followed. False
// when anything fails, with errno telling why.
bool ReplaceFileWhole(const std::string& path, std::string_view contents, mode_t mode);

// The same for a file the user names: an existing file whose mode does not let the user write it
// (read-only, or another user's) is left as it is (errno EACCES), and a replaced file keeps its
// mode; a new file gets newMode. The mode's bits decide, as they do for the user, even for root.
bool ReplaceUserFile(const std::string& path, std::string_view contents, mode_t newMode);

}  // namespace common
