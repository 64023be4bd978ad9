#include "type_ahead.h"

#include "common/text_compare.h"

namespace common {

namespace {

// Every letter of the prefix is the first one: "bbb" cycles through the items beginning with b.
bool OneLetterRepeated(const std::wstring& typed) {
    return typed.find_first_not_of(typed.front()) == std::wstring::npos;
}

// The first item from start on (wrapping round) that begins with prefix.
int FindFrom(int start, int count, const std::function<std::wstring_view(int)>& textAt,
             std::wstring_view prefix) {
    for (int step = 0; step < count; ++step) {
        const int position = (start + step) % count;
        if (StartsWithLoosely(textAt(position), prefix)) return position;
    }
    return -1;
}

}  // namespace

int TypeAhead::Type(wchar_t letter, Clock::time_point now, int count,
                    const std::function<std::wstring_view(int)>& textAt, int current) {
    if (typed_.empty() || now - last_ > kPause) typed_.clear();
    last_ = now;
    typed_ += letter;
    if (count <= 0) return -1;
    const int from = current >= 0 && current < count ? current : 0;
    if (typed_.size() > 1 && OneLetterRepeated(typed_)) {
        // The next item with that letter after the selected one.
        return FindFrom((from + 1) % count, count, textAt, typed_.substr(0, 1));
    }
    // A longer prefix may still fit the selected item; a new first letter moves past it.
    const int start = typed_.size() > 1 ? from : (current >= 0 ? (from + 1) % count : 0);
    return FindFrom(start, count, textAt, typed_);
}

}  // namespace common
