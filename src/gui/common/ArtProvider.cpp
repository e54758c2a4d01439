#include "common/ArtProvider.h"

#include <wx/image.h>
#include <wx/mstream.h>

#include "common/EmbeddedIcons.h"
#include "common/WxString.h"

const EmbeddedIcon* FindEmbeddedIcon(std::string_view name) {
    size_t count = 0;
    const EmbeddedIcon* table = EmbeddedIconTable(count);
    for (size_t i = 0; i < count; ++i) {
        if (name == table[i].name) return &table[i];
    }
    return nullptr;
}

namespace {

wxImage DecodeIcon(const EmbeddedIcon& icon) {
    wxMemoryInputStream in(icon.data, icon.size);
    wxImage image;
    // The PNG handler is registered at start-up; without it wx would pop a message box.
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) != nullptr) image.LoadFile(in, wxBITMAP_TYPE_PNG);
    return image;
}

}  // namespace

wxBitmap NestrelArtProvider::CreateBitmap(const wxArtID& id, const wxArtClient&, const wxSize& size) {
    const EmbeddedIcon* icon = FindEmbeddedIcon(ToStd(id));
    if (icon == nullptr) return wxNullBitmap;
    wxImage image = DecodeIcon(*icon);
    if (!image.IsOk()) return wxNullBitmap;
    if (size.IsFullySpecified() && size != image.GetSize())
        image.Rescale(size.x, size.y, wxIMAGE_QUALITY_HIGH);
    return wxBitmap(image);
}

void InstallNestrelArtProvider() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    wxArtProvider::Push(new NestrelArtProvider);
}

wxBitmap IconResource(const wxString& name, wxSize size) {
    InstallNestrelArtProvider();
    return wxArtProvider::GetBitmap(name, wxART_OTHER, size);
}

wxIconBundle IconResourceBundle(const wxString& name) {
    wxIconBundle bundle;
    for (int side : {16, 32, 48, 64}) {
        wxBitmap bitmap = IconResource(name, wxSize(side, side));
        if (!bitmap.IsOk()) continue;
        wxIcon icon;
        icon.CopyFromBitmap(bitmap);
        bundle.AddIcon(icon);
    }
    return bundle;
}
