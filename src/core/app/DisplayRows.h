#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "storage/ProgramSettings.h"

class Sim;
class SimRegistry;

/// One row of the main window's display list, ready to show: the four column
/// texts, the row's colours and the Sim it stands for (-1 for the
/// "No friends found" row, which stands for nobody).
struct DisplayRow {
    std::string nameAndSign;  ///< "Name and Sign": the Sim's ListLabel
    std::string friendText;   ///< "F?": "Yes" or "No"
    std::string availableText;  ///< "A?": "Yes", "No", or "**" for a homeless Sim
    std::string hours;        ///< "Hours": the Sim's working hours
    RgbColor textColor;
    RgbColor backgroundColor;
    int32_t simId = -1;
};

/// Text colours of the gender highlighting.
constexpr RgbColor kMaleTextColor{0, 0, 255};
constexpr RgbColor kFemaleTextColor{255, 0, 0};

/// The hour the display list works with: the selected hour when it is one of
/// the hour choices (7..24), otherwise 7. The caller keeps the result as its
/// selected hour.
int ClampDisplayHour(int hour);

/// Everything the display list is filled from.
struct DisplayRequest {
    /// Sims to show, in the order they were collected.
    std::vector<int32_t> ids;
    /// The Sim the list is about; "F?" asks whether each row is its friend.
    const Sim* reference = nullptr;
    /// Every row is a friend (the current-friends view).
    bool allFriends = false;
    /// Hour for "A?", highlighting and the availability order; clamped.
    int hour = 7;
};

/// The display rows for a request. An empty id list gives the single row
/// "No friends found". Otherwise one row per id that is not negative and
/// names a registered Sim (others are skipped), coloured by the settings'
/// highlight mode (1: rows available at the hour in the highlight colours;
/// 2: male text blue, female red, on the list background; else the list
/// colours) and sorted stably by the settings' first and second order.
std::vector<DisplayRow> BuildDisplayRows(const DisplayRequest& request,
                                         const SimRegistry& registry,
                                         const ProgramSettings& settings);
