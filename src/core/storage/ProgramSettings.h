#pragma once
#include <cstdint>
#include <string>
#include <string_view>

struct MatchmakerSettings;

/// An opaque colour, 8 bits per component.
struct RgbColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

/// The user's preferences that shape the main window, kept in the program
/// settings file under the group "Settings".
struct ProgramSettings {
    /// On closing with families loaded: ask before saving (true) or just save.
    bool askToSave = true;
    /// Display list colouring: 0 none, 1 available Sims, 2 by gender.
    int32_t highlight = 0;
    RgbColor textColor{0, 0, 0};
    RgbColor bgColor{255, 255, 255};
    /// Highlighted rows: dark text on a pale green, which reads well and still stands
    /// out from the white list background.
    RgbColor hlBgColor{160, 230, 160};
    RgbColor hlColor{0, 0, 0};
    RgbColor lcColor{0, 0, 0};
    RgbColor lcBgColor{255, 255, 255};
    /// Order codes of the display list: 0 none, 1 life stage, 2 available,
    /// 3 gender, 4 last name, 5 first name.
    int32_t firstOrder = 0;
    int32_t secondOrder = 0;
    /// Shown and edited by the settings dialog only; never stored, and nothing else in
    /// the program depends on it yet (the settings page says so).
    bool nightlife = true;
};

/// "red,green,blue" in decimal.
std::string ColorToText(RgbColor color);

/// Reads "red,green,blue": each part as atoi reads it, a missing part as 0,
/// each component keeping the low 8 bits of its number.
RgbColor TextToColor(std::string_view text);

/// The settings file of a data folder: `installDir` + "/Data/" + `name`, with
/// ".ini" added when the file name has no extension. A name holding ':' or
/// starting with '/' is taken as a full path.
std::string SettingsFilePath(const std::string& installDir,
                             std::string_view name = "SimProgSettings");

/// Reads the settings file at `path`: its first group (whatever its name)
/// into `settings`, its second group (whatever its name) into `matchmaker`
/// when one is given. Keys that are absent leave their field alone; a colour
/// without a single digit is damage and is ignored too. False, with nothing
/// changed, when the file is missing, unreadable or holds no group.
bool ReadSettings(const std::string& path, ProgramSettings& settings,
                  MatchmakerSettings* matchmaker);

/// Writes the "Settings" group and, when `matchmaker` is given, the
/// "Matchmaker" group as the second one. The file is replaced atomically:
/// false means the previous file is still there, whole. Callers keep quiet
/// about a failure; there is nothing the user can do about it at that point.
bool WriteSettings(const std::string& path, const ProgramSettings& settings,
                   const MatchmakerSettings* matchmaker);
