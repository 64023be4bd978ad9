#include "date_picker.h"

#include <wx/datectrl.h>

namespace framework {

namespace {

wxDateTime PickerValue(const astro::CalendarDate& date) {
    return wxDateTime(static_cast<wxDateTime::wxDateTime_t>(date.day),
                      static_cast<wxDateTime::Month>(date.month - 1), static_cast<int>(date.year));
}

}  // namespace

void SetPickerRange(wxDatePickerCtrl* picker, const astro::CalendarDate& first,
                    const astro::CalendarDate& last) {
    if (picker != nullptr) picker->SetRange(PickerValue(first), PickerValue(last));
}

void ShowPickerDate(wxDatePickerCtrl* picker, const astro::CalendarDate& date) {
    if (picker == nullptr) return;
    const wxDateTime value = PickerValue(date);
    if (value.IsValid() && picker->GetValue() != value) picker->SetValue(value);
}

std::optional<astro::CalendarDate> PickerDate(const wxDatePickerCtrl* picker) {
    const wxDateTime value = picker != nullptr ? picker->GetValue() : wxDateTime();
    if (!value.IsValid()) return std::nullopt;
    return astro::CalendarDate{static_cast<std::uint16_t>(value.GetYear()),
                               static_cast<std::uint16_t>(value.GetMonth() + 1),
                               static_cast<std::uint16_t>(value.GetDay())};
}

}  // namespace framework
