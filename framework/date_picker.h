// The toolkit's date picker in calendar dates: the one place where its value becomes a date.
#pragma once

#include <optional>

#include "astro/dates.h"

class wxDatePickerCtrl;

namespace framework {

void SetPickerRange(wxDatePickerCtrl* picker, const astro::CalendarDate& first,
                    const astro::CalendarDate& last);

// Shows the date, unless the picker shows it already (which would notify a change).
void ShowPickerDate(wxDatePickerCtrl* picker, const astro::CalendarDate& date);

// The picker's date; nothing when there is no picker or it holds no date.
std::optional<astro::CalendarDate> PickerDate(const wxDatePickerCtrl* picker);

}  // namespace framework
