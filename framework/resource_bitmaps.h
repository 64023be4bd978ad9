// Pictures carried inside the program: bitmaps by their resource id, the program icon.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

namespace framework {

// The bitmap of a resource id (resources/bitmaps/*_ID.bmp); an invalid bitmap when there is none.
wxBitmap LoadResourceBitmap(int id);

// The program icon in every size it is drawn in.
wxIconBundle LoadProgramIcons();

}  // namespace framework
