#include "toolkit_locale.h"

#include <wx/intl.h>

#include <clocale>

namespace framework {

bool UseToolkitLocale(const std::string& localeName) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    // Each locale object stays for the rest of the run, on purpose: destroying one restores the
    // locale that was in force before it, which would undo a later choice.
    auto* locale = new wxLocale;
    if (!locale->Init(wxString(localeName), wxString(localeName.substr(0, 2)), wxString(localeName),
                      false)) {
        std::setlocale(LC_ALL, previous.c_str());
        return false;
    }
    return true;
}

}  // namespace framework
