#include "toolkit_locale.h"

#include <wx/intl.h>

#include <clocale>
#include <memory>
#include <vector>

namespace framework {

bool UseToolkitLocale(const std::string& localeName) {
    // Each locale object stays for the rest of the run, on purpose: destroying one restores the
    // locale that was in force before it, which would undo a later choice.
    static std::vector<std::unique_ptr<wxLocale>>& kept = *new std::vector<std::unique_ptr<wxLocale>>;
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    auto locale = std::make_unique<wxLocale>();
    if (!locale->Init(wxString(localeName), wxString(localeName.substr(0, 2)), wxString(localeName),
                      false)) {
        std::setlocale(LC_ALL, previous.c_str());
        return false;
    }
    kept.push_back(std::move(locale));
    return true;
}

}  // namespace framework
