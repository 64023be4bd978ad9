// Choosing an item of a list by typing the first letters of its text, as list boxes do: the
// letters typed in quick succession make one prefix; the same letter typed again moves on to the
// next item that begins with it.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace common {

class TypeAhead {
public:
    using Clock = std::chrono::steady_clock;
    // Letters further apart than this start a new prefix.
    static constexpr std::chrono::milliseconds kPause{1000};

    // The position the typed letter selects among count items (textAt gives an item's text), or
    // -1 when no item matches. current is the selected position, -1 for none.
    int Type(wchar_t letter, Clock::time_point now, int count,
             const std::function<std::wstring_view(int)>& textAt, int current);

private:
    std::wstring typed_;
    Clock::time_point last_{};
};

}  // namespace common
