#include "app/ConfigStore.h"

#include <wx/config.h>

#include "base/Text.h"
#include "common/WxString.h"
#include "storage/NeighborhoodFile.h"

namespace {

constexpr int kDefaultMatchmakerSide = 300;
// Smaller than this, the window would show hardly any of its lists.
constexpr int kLeastMatchmakerSide = 200;

}  // namespace

std::string ReadConfigText(const char* key) {
    wxConfigBase* config = wxConfigBase::Get();
    // File names are stored as they are: a '$' in a folder name is not a variable.
    const bool expanding = config->IsExpandingEnvVars();
    config->SetExpandEnvVars(false);
    wxString value;
    const bool found = config->Read(key, &value);
    config->SetExpandEnvVars(expanding);
    return found ? ToStd(value) : std::string();
}

void LoadConfiguredFileNames(NeighborhoodFile& file) {
    file.SetConfiguredFileNames(ReadConfigText(ConfigKey::SimFile), ReadConfigText(ConfigKey::BackupFile));
}

void StoreFileNames(const NeighborhoodFile& file) {
    wxConfigBase* config = wxConfigBase::Get();
    for (const auto& [key, value] : file.StoreFileNames()) config->Write(ToWx(key), ToWx(value));
    // Written now rather than at the program's exit, so that a later crash cannot
    // make the next start forget which file was in use.
    config->Flush();
}

int MatchmakerDimensionFromText(const std::string& text) {
    if (text.empty()) return kDefaultMatchmakerSide;
    const int value = AtoiLike(text);
    return value >= kLeastMatchmakerSide ? value : kDefaultMatchmakerSide;
}

wxSize ReadMatchmakerSize() {
    return wxSize(MatchmakerDimensionFromText(ReadConfigText(ConfigKey::MatchWidth)),
                  MatchmakerDimensionFromText(ReadConfigText(ConfigKey::MatchHeight)));
}

void WriteMatchmakerSize(const wxSize& size) {
    wxConfigBase* config = wxConfigBase::Get();
    config->Write(ConfigKey::MatchWidth, wxString::Format("%d", size.x));
    config->Write(ConfigKey::MatchHeight, wxString::Format("%d", size.y));
}
