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

ChemMatchOptions ReadChemMatchOptions() {
    ChemMatchOptions options;
    const std::string age = ReadConfigText(ConfigKey::ChemMatchAge);
    if (!age.empty()) {
        const int stage = AtoiLike(age);
        if (stage >= 0 && stage <= 2) options.lifeStage = stage;
    }
    auto flag = [](const char* key) { return AtoiLike(ReadConfigText(key)) == 1; };
    options.townies = flag(ConfigKey::ChemMatchTownies);
    options.differentAges = flag(ConfigKey::ChemMatchDifferentAges);
    options.matchedUp = flag(ConfigKey::ChemMatchMatchedUp);
    options.married = flag(ConfigKey::ChemMatchMarried);
    return options;
}

void WriteChemMatchOptions(const ChemMatchOptions& options) {
    wxConfigBase* config = wxConfigBase::Get();
    config->Write(ConfigKey::ChemMatchAge, wxString::Format("%d", static_cast<int>(options.lifeStage)));
    config->Write(ConfigKey::ChemMatchTownies, options.townies ? "1" : "0");
    config->Write(ConfigKey::ChemMatchDifferentAges, options.differentAges ? "1" : "0");
    config->Write(ConfigKey::ChemMatchMatchedUp, options.matchedUp ? "1" : "0");
    config->Write(ConfigKey::ChemMatchMarried, options.married ? "1" : "0");
}
