#pragma once
#include <cstdint>
#include <string>
#include <string_view>

class Group;

/// The matchmaker's options, kept by the main window for the whole run and
/// stored as the "Matchmaker" group of the program settings file.
struct MatchmakerSettings {
    /// Life stage shown: 1 Adult, 2 Teen, 3 Child.
    int32_t currentAge = 2;
    bool townieCheck = false;
    bool elderCheck = true;
    bool filterMarried = false;

    static constexpr std::string_view kGroupName = "Matchmaker";

    /// The body of the "Matchmaker" group: one "Key=value" line per field,
    /// flags as 0 or 1, followed by an empty CR LF line.
    std::string GroupBody() const;

    /// Takes the keys present in `group`; absent keys leave their field as it
    /// is. A flag is set only by the value 1. A life stage the matchmaker
    /// cannot show (anything but 1, 2 or 3) is damage and gives the default.
    void ReadGroup(const Group& group);
};
