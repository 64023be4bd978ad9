// What the toolkit is told before it starts.
#pragma once

#include <cstdlib>

namespace framework {

// The windows draw nothing with OpenGL, yet GTK loads the OpenGL driver at its start (tens of
// megabytes with a software renderer). It is kept from doing so unless the user's environment
// already says otherwise. Runs before the toolkit starts: GTK reads GDK_GL once, at its start.
inline void KeepToolkitFromOpenGl() { setenv("GDK_GL", "disable", 0); }

}  // namespace framework
