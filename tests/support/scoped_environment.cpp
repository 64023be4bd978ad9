#include "scoped_environment.h"

#include <clocale>
#include <cstdlib>

namespace test_support {

ScopedLocale::ScopedLocale(const char* name) {
    if (const char* current = std::setlocale(LC_ALL, nullptr)) saved_ = current;
    ok_ = std::setlocale(LC_ALL, name) != nullptr;
}

ScopedLocale::~ScopedLocale() { std::setlocale(LC_ALL, saved_.c_str()); }

void ScopedEnvironment::Set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    if (value != nullptr) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
}

ScopedEnvironment::~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        if (it->second) {
            setenv(it->first.c_str(), it->second->c_str(), 1);
        } else {
            unsetenv(it->first.c_str());
        }
    }
}

}  // namespace test_support
