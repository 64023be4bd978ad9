// The name a downloaded installer is saved under in the temporary folder.
#pragma once

#include <string>
#include <string_view>

namespace update {

// The last path segment of the download address when it is a plain file name (letters, digits and
// "._-+" only, not beginning with a dot, at most 255 bytes), so that the desktop opens the file
// with the application for its kind (the package installer for a .deb); else the old fixed name.
std::string InstallerFileName(std::string_view downloadAddress);

}  // namespace update
