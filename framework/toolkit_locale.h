// The toolkit's own controls (the date picker's text, the calendar) follow the process locale that
// the interface language chose.
#pragma once

#include <string>

namespace framework {

// Makes the toolkit's locale the named one (e.g. "de_DE.UTF-8"); a locale the system lacks leaves
// the previous one. Returns whether it was set.
bool UseToolkitLocale(const std::string& localeName);

}  // namespace framework
