#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "careers/CareerDefinition.h"

class CareerList;
class SimCareerData;

/// One entry of the career page's career combo: a career of the table (with
/// its definition) or one of the fixed entries "Employee", "School",
/// "Unemployed" (without).
struct CareerEntry {
    std::string text;
    const CareerDefinition* definition = nullptr;
    int32_t code = -2;
};

/// The careers offered to a life stage, in the order the combo lists them.
std::vector<CareerEntry> CareersOffered(const CareerList* careers, int32_t lifeStage);

/// The level entries for a career entry (nullptr: no selection) at a life
/// stage: "None" for the fixed entries, else the positions of the track(s).
std::vector<std::string> LevelsOffered(const CareerEntry* entry, int32_t lifeStage);

/// The stored level that a level entry stands for (0 for the fixed entries):
/// entry + 1, on the part-time track for a Teen (11..13).
int32_t LevelForEntry(const CareerEntry* entry, int32_t lifeStage, int levelEntry);

/// The entry of the combo that shows a career code, or -1 when the code names
/// no career of the table. A career not offered to this life stage falls back
/// to "School", then "Unemployed", then "Employee", then entry 0.
int SelectCareerByCode(const std::vector<CareerEntry>& entries, const CareerList* careers, int32_t code);

/// The level entry that shows a stored level: entry level - 1 for an Elder,
/// (level - 1) mod 10 otherwise; a level that lands outside the entries (level
/// 0, a Teen at 10, an Elder at 13 without a part-time track) shows the entry
/// nearest to it. 0 when there are fewer than two entries.
int LevelEntryForLevel(const CareerEntry* entry, int32_t lifeStage, int32_t level, int entryCount);

/// The career code a selected entry stands for: -2 without a selection.
int32_t SelectedCareerCode(const std::vector<CareerEntry>& entries, int selected);

/// What the page holds: the life stage, the selected career entry (-1: none)
/// and level entry.
struct CareerChoice {
    int32_t lifeStage = 1;
    int careerEntry = -1;
    int levelEntry = 0;
};

/// The preview text of a choice.
std::string CareerPreviewText(const std::vector<CareerEntry>& entries, const CareerChoice& choice);

/// Writes the choice into the career record. When the user changed neither
/// the life stage, nor the career, nor the level since the page was loaded
/// (`loaded`), the record stays as it was: a code that the table no longer
/// holds must not turn a Sim Unemployed. Returns true when the record changed.
bool SaveCareerChoice(SimCareerData& record, const std::vector<CareerEntry>& entries, const CareerChoice& choice,
                      const CareerChoice& loaded);
