#include "editing/CareerPageRules.h"

#include <cstdlib>

#include "base/Translate.h"
#include "careers/CareerList.h"
#include "careers/CareerText.h"
#include "careers/NestrelCareerInfo.h"
#include "careers/SimCareerData.h"
#include "model/Vocabulary.h"

namespace {
constexpr int kRegularLevels = 10;
constexpr int kPartTimeLevels = 3;

CareerEntry Fixed(const char* text, int32_t code) { return CareerEntry{tr(text), nullptr, code}; }
}  // namespace

std::vector<CareerEntry> CareersOffered(const CareerList* careers, int32_t lifeStage) {
    std::vector<CareerEntry> entries;
    if (lifeStage == kLifeStageChild) {
        entries.push_back(Fixed(N_("School"), kCareerSchool));
        return entries;
    }
    entries.push_back(Fixed(N_("Employee"), kCareerEmployee));
    if (careers) {
        for (const CareerDefinition* def : *careers) {
            // Teens and Elders work only part-time.
            if (lifeStage != kLifeStageAdult && def->noPartTimeTrack) continue;
            entries.push_back(CareerEntry{def->name, def, def->enumValue});
        }
    }
    entries.push_back(lifeStage == kLifeStageTeen ? Fixed(N_("School"), kCareerSchool)
                                                   : Fixed(N_("Unemployed"), kCareerUnemployed));
    return entries;
}

std::vector<std::string> LevelsOffered(const CareerEntry* entry, int32_t lifeStage) {
    std::vector<std::string> levels;
    const CareerDefinition* def = entry ? entry->definition : nullptr;
    if (!def || lifeStage == kLifeStageChild) {
        levels.push_back(tr("None"));
        return levels;
    }
    if (lifeStage != kLifeStageTeen)
        for (int i = 0; i < kRegularLevels; ++i) levels.push_back(def->positions[static_cast<size_t>(i)]);
    if (lifeStage != kLifeStageAdult && !def->noPartTimeTrack)
        for (int i = kRegularLevels; i < kRegularLevels + kPartTimeLevels; ++i)
            levels.push_back(def->positions[static_cast<size_t>(i)]);
    return levels;
}

int32_t LevelForEntry(const CareerEntry* entry, int32_t lifeStage, int levelEntry) {
    if (!entry || !entry->definition || lifeStage == kLifeStageChild || levelEntry < 0) return 0;
    return levelEntry + 1 + (lifeStage == kLifeStageTeen ? kRegularLevels : 0);
}

int SelectCareerByCode(const std::vector<CareerEntry>& entries, const CareerList* careers, int32_t code) {
    const std::string name = CareerNameForCode(careers, code);
    if (name.empty()) return -1;
    auto find = [&](const std::string& text) {
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i].text == text) return static_cast<int>(i);
        return -1;
    };
    for (const std::string& text : {name, tr("School"), tr("Unemployed"), tr("Employee")})
        if (int at = find(text); at >= 0) return at;
    return entries.empty() ? -1 : 0;
}

int LevelEntryForLevel(const CareerEntry* entry, int32_t lifeStage, int32_t level, int entryCount) {
    if (entryCount < 2) return 0;
    int index = lifeStage == kLifeStageElder ? level - 1 : (level - 1) % kRegularLevels;
    if (index >= 0 && index < entryCount) return index;
    // Out of the page's choices: show the entry whose level is nearest.
    int best = 0;
    for (int i = 1; i < entryCount; ++i)
        if (std::abs(LevelForEntry(entry, lifeStage, i) - level) < std::abs(LevelForEntry(entry, lifeStage, best) - level))
            best = i;
    return best;
}

int32_t SelectedCareerCode(const std::vector<CareerEntry>& entries, int selected) {
    if (selected < 0 || selected >= static_cast<int>(entries.size())) return kCareerUnemployed;
    const CareerEntry& entry = entries[static_cast<size_t>(selected)];
    if (entry.text.empty()) return kCareerUnemployed;
    return entry.code;
}

namespace {
const CareerEntry* EntryAt(const std::vector<CareerEntry>& entries, int selected) {
    return (selected >= 0 && selected < static_cast<int>(entries.size())) ? &entries[static_cast<size_t>(selected)]
                                                                          : nullptr;
}
}  // namespace

std::string CareerPreviewText(const std::vector<CareerEntry>& entries, const CareerChoice& choice) {
    const CareerEntry* entry = EntryAt(entries, choice.careerEntry);
    const CareerDefinition* def = (entry && choice.lifeStage != kLifeStageChild) ? entry->definition : nullptr;
    return BuildCareerText(def, SelectedCareerCode(entries, choice.careerEntry), choice.lifeStage,
                           choice.levelEntry + 1);
}

bool SaveCareerChoice(SimCareerData& record, const std::vector<CareerEntry>& entries, const CareerChoice& choice,
                      const CareerChoice& loaded) {
    if (choice.lifeStage == loaded.lifeStage && choice.careerEntry == loaded.careerEntry &&
        choice.levelEntry == loaded.levelEntry)
        return false;
    const CareerEntry* entry = EntryAt(entries, choice.careerEntry);
    const CareerDefinition* def = (entry && choice.lifeStage != kLifeStageChild) ? entry->definition : nullptr;
    const int32_t level = def ? LevelForEntry(entry, choice.lifeStage, choice.levelEntry) : 0;
    const bool employee = SelectedCareerCode(entries, choice.careerEntry) == kCareerEmployee;
    record.SetCareer(def, choice.lifeStage, level, employee);
    return true;
}
