#include "app/AppSetup.h"

#include <filesystem>
#include <system_error>

#include <wx/app.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/stdpaths.h>

#include "base/Translate.h"
#include "common/ArtProvider.h"
#include "common/WxString.h"

void SetUpToolkit(wxApp& app) {
    app.SetVendorName("Quillfern");
    app.SetAppName("Nestrel");
    // The configuration store lives in ~/.config/Nestrel.conf; wxFileConfig does not
    // create a missing folder itself and would fail to write.
    wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
    std::error_code ec;
    std::filesystem::create_directories(ToStd(wxStandardPaths::Get().GetUserConfigDir()), ec);

    wxInitAllImageHandlers();
    InstallNestrelArtProvider();
    SetTranslateHook([](std::string_view text) { return ToStd(wxGetTranslation(ToWx(text))); });
}

std::string FindHelpBook(const std::string& installDir, const std::string& shareDir) {
    for (const std::string& dir : {installDir, shareDir}) {
        if (dir.empty()) continue;
        const std::string candidate = dir + "/" + kHelpBookPath;
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec)) return candidate;
    }
    return {};
}
