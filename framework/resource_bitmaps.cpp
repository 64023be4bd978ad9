#include "resource_bitmaps.h"

#include <wx/image.h>
#include <wx/mstream.h>

#include <string>

#include "resources/embedded_resources.h"

namespace framework {

namespace {

// The embedded file whose name is folder + "..." + suffix.
std::optional<std::string_view> FindBySuffix(std::string_view folder, const std::string& suffix) {
    for (std::size_t i = 0; i < resources::kEmbeddedFileCount; ++i) {
        const std::string_view name = resources::kEmbeddedFiles[i].name;
        if (name.rfind(folder, 0) == 0 && name.size() >= suffix.size() &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
            return resources::FindEmbeddedFile(name);
        }
    }
    return std::nullopt;
}

wxImage ImageOf(std::string_view bytes, wxBitmapType type) {
    wxMemoryInputStream stream(bytes.data(), bytes.size());
    return wxImage(stream, type);
}

}  // namespace

wxBitmap LoadResourceBitmap(int id) {
    const auto bytes = FindBySuffix("bitmaps/", "_" + std::to_string(id) + ".bmp");
    if (!bytes) return wxBitmap();
    return wxBitmap(ImageOf(*bytes, wxBITMAP_TYPE_BMP));
}

wxIconBundle LoadProgramIcons() {
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    wxIconBundle icons;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const auto bytes = FindBySuffix("icons/", "-" + std::to_string(size) + ".png");
        if (!bytes) continue;
        wxIcon icon;
        icon.CopyFromBitmap(wxBitmap(ImageOf(*bytes, wxBITMAP_TYPE_PNG)));
        icons.AddIcon(icon);
    }
    return icons;
}

}  // namespace framework
