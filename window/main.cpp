// Almanaxium: the desktop almanac of the Sun and the Moon.
#include "almanax_app.h"

wxIMPLEMENT_APP(CAlmanaxApp);
