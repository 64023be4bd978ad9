#include "clock_setting.h"

#include <langinfo.h>
#include <locale.h>

#include <cstring>

namespace report {

bool UserUses12HourClock() {
    const locale_t userTime = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (userTime == static_cast<locale_t>(nullptr)) return false;
    const char* format = nl_langinfo_l(T_FMT, userTime);
    const bool twelveHour = format != nullptr && (std::strstr(format, "%I") != nullptr ||
                                                  std::strstr(format, "%l") != nullptr ||
                                                  std::strstr(format, "%r") != nullptr);
    freelocale(userTime);
    return twelveHour;
}

}  // namespace report
