// Changes of the process locale and the environment that last for one test.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace test_support {

// Sets LC_ALL of the process; Ok() tells whether the system has the locale.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name);
    ~ScopedLocale();
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;
    bool Ok() const { return ok_; }

private:
    std::string saved_;
    bool ok_ = false;
};

// Sets (or, with nullptr, unsets) environment variables and puts them back afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    void Set(const char* name, const char* value);

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace test_support
