// The user's own choice between the 12-hour and the 24-hour clock.
#pragma once

namespace report {

// True when the user's LC_TIME locale (from the environment, not the process locale the interface
// language chose) writes times with a 12-hour hour (%I, %l or %r in its time format). A locale that
// cannot be read gives the 24-hour clock.
bool UserUses12HourClock();

}  // namespace report
