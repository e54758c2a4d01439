#pragma once
#include <array>
#include <cstdint>
#include <string>

/// Number of level slots of every career: slots 0..9 are levels 1..10, slots
/// 10..12 the part-time track (Teen or Elder levels 1..3).
constexpr int kCareerSlots = 13;

/// One career as read from one group of the career data file. The per-slot
/// arrays always hold all thirteen slots; a missing slot is empty text and 0.
struct CareerDefinition {
    std::string name;
    int32_t enumValue = -1;
    std::array<std::string, kCareerSlots> positions{};
    std::array<std::string, kCareerSlots> hours{};
    std::array<int32_t, kCareerSlots> salaries{};
    std::array<int32_t, kCareerSlots> friendsPerLevel{};
    /// Bit i (0..6) stands for skill i + 1 of the skills table.
    int32_t skills = 0;
    /// Set when slot 11 or 12 is missing or empty.
    bool noPartTimeTrack = false;

    CareerDefinition() = default;
    CareerDefinition(std::string careerName, int32_t number, int32_t skillMask = 0)
        : name(std::move(careerName)), enumValue(number), skills(skillMask) {}
};
