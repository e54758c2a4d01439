#include "common/ResBitmap.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include <wx/image.h>
#include <wx/log.h>

#include "common/WxString.h"

namespace {

std::vector<std::string>& SearchDirs() {
    static std::vector<std::string> dirs;
    return dirs;
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

void SetResSearchDirs(std::vector<std::string> dirs) { SearchDirs() = std::move(dirs); }

std::string FindResFile(const std::string& name) {
    const std::string relative = "res/" + name;
    if (IsFile(relative)) return relative;
    for (const std::string& dir : SearchDirs()) {
        if (dir.empty()) continue;
        const std::string candidate = dir + "/" + relative;
        if (IsFile(candidate)) return candidate;
    }
    return {};
}

wxBitmap LoadResBitmap(const std::string& name) {
    const std::string path = FindResFile(name);
    if (path.empty()) return wxNullBitmap;
    wxImage image;
    // Checked first: a failed load through wx would also log an error box.
    if (wxImage::FindHandler(wxBITMAP_TYPE_BMP) == nullptr) return wxNullBitmap;
    {
        wxLogNull quiet;  // a damaged file is reported as a missing picture, not a popup
        if (!image.LoadFile(ToWx(path), wxBITMAP_TYPE_BMP)) return wxNullBitmap;
    }
    if (image.GetWidth() > 0 && image.GetHeight() > 0 && !image.HasAlpha())
        image.SetMaskColour(image.GetRed(0, 0), image.GetGreen(0, 0), image.GetBlue(0, 0));
    return wxBitmap(image);
}
