#include "storage/ProgramSettings.h"

#include "base/Text.h"
#include "social/MatchmakerSettings.h"
#include "storage/GroupFile.h"

namespace {

constexpr std::string_view kSettingsGroup = "Settings";

struct ColorKey {
    std::string_view key;
    RgbColor ProgramSettings::*field;
};

// File order of the colour lines.
constexpr ColorKey kColorKeys[] = {
    {"BgColor", &ProgramSettings::bgColor},     {"TextColor", &ProgramSettings::textColor},
    {"HLBGColor", &ProgramSettings::hlBgColor}, {"HLColor", &ProgramSettings::hlColor},
    {"LCBGColor", &ProgramSettings::lcBgColor}, {"LCColor", &ProgramSettings::lcColor},
};

uint8_t LowByte(std::string_view part) {
    return static_cast<uint8_t>(static_cast<uint32_t>(AtoiLike(part)) & 0xFFu);
}

void ReadNumber(const Group& group, std::string_view key, int32_t& field) {
    if (group.HasKey(key)) field = group.FindNumber(key, field);
}

}  // namespace

std::string ColorToText(RgbColor color) {
    return std::to_string(color.red) + "," + std::to_string(color.green) + "," +
           std::to_string(color.blue);
}

RgbColor TextToColor(std::string_view text) {
    uint8_t parts[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        size_t comma = text.find(',');
        parts[i] = LowByte(text.substr(0, comma));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return RgbColor{parts[0], parts[1], parts[2]};
}

std::string SettingsFilePath(const std::string& installDir, std::string_view name) {
    std::string fileName(name.empty() ? std::string_view("SimProgSettings") : name);
    // A drive letter (or, without drive letters, a leading '/') marks a full path.
    bool fullPath = fileName.find(':') != std::string::npos || fileName[0] == '/';
    std::string path = fullPath ? fileName : installDir + "/Data/" + fileName;
    // Only the file's own name decides about the extension: a dot in a
    // folder name (a hidden data folder, say) must not suppress it.
    size_t slash = path.find_last_of("/\\");
    std::string_view base = std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    if (base.find('.') == std::string_view::npos) path += ".ini";
    return path;
}

bool ReadSettings(const std::string& path, ProgramSettings& settings,
                  MatchmakerSettings* matchmaker) {
    GroupFile file = GroupFile::LoadGroups(path);
    if (file.Empty()) return false;

    const Group& group = file.At(0);
    if (group.HasKey("AskToSave")) settings.askToSave = group.FindNumber("AskToSave", 0) == 1;
    ReadNumber(group, "FirstOrder", settings.firstOrder);
    ReadNumber(group, "SecondOrder", settings.secondOrder);
    ReadNumber(group, "Highlight", settings.highlight);
    for (const ColorKey& entry : kColorKeys) {
        std::string_view value;
        if (!group.FindValue(entry.key, value)) continue;
        // A value without any digit cannot be meant as a colour; taking it
        // as black could leave black text on a black panel.
        if (value.find_first_of("0123456789") == std::string_view::npos) continue;
        settings.*entry.field = TextToColor(value);
    }
    // White on bright green was the default of earlier versions and is hard to read;
    // every settings file written since holds it, chosen or not. That exact pair is
    // read as today's default, which reads well.
    if (settings.hlColor == RgbColor{255, 255, 255} && settings.hlBgColor == RgbColor{0, 255, 0}) {
        const ProgramSettings defaults;
        settings.hlColor = defaults.hlColor;
        settings.hlBgColor = defaults.hlBgColor;
    }

    if (matchmaker && file.Size() > 1) matchmaker->ReadGroup(file.At(1));
    return true;
}

bool WriteSettings(const std::string& path, const ProgramSettings& settings,
                   const MatchmakerSettings* matchmaker) {
    std::string body;
    body += std::string("AskToSave=") + (settings.askToSave ? "1" : "0") + "\n";
    body += "FirstOrder=" + std::to_string(settings.firstOrder) + "\n";
    body += "SecondOrder=" + std::to_string(settings.secondOrder) + "\n";
    body += "Highlight=" + std::to_string(settings.highlight) + "\n";
    for (const ColorKey& entry : kColorKeys) {
        body += std::string(entry.key) + "=" + ColorToText(settings.*entry.field) + "\n";
    }

    GroupFile file;
    file.AppendGroup(std::string(kSettingsGroup), std::move(body));
    if (matchmaker) file.AppendGroup(std::string(MatchmakerSettings::kGroupName), matchmaker->GroupBody());
    return file.SaveGroups(path);
}
