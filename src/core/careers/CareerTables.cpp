#include "careers/CareerTables.h"

#include <algorithm>

#include "base/Text.h"
#include "base/Translate.h"
#include "careers/CareerList.h"
#include "model/Vocabulary.h"

namespace {

// Bits 0..6 of a career's skill mask stand for skills 1..7 of the skills table.
constexpr int kCareerSkillBits = 7;

CareerLevelRow RowForSlot(const CareerDefinition& career, int slot) {
    const auto i = static_cast<size_t>(slot);
    return {std::to_string(slot), career.positions[i], std::to_string(career.friendsPerLevel[i]), career.hours[i],
            std::to_string(career.salaries[i])};
}

}  // namespace

CareerLevels CareerLevelRows(const CareerDefinition& career) {
    CareerLevels levels;
    for (int slot = 0; slot < 10; ++slot) levels.main.push_back(RowForSlot(career, slot));
    if (!career.noPartTimeTrack)
        for (int slot = 10; slot < kCareerSlots; ++slot) levels.partTime.push_back(RowForSlot(career, slot));
    return levels;
}

std::string CareerSkillsText(int32_t skills) {
    std::string text;
    for (int bit = 0; bit < kCareerSkillBits; ++bit)
        if (skills & (1 << bit)) {
            if (!text.empty()) text += ", ";
            text += SkillText(bit + 1);
        }
    return text;
}

std::vector<std::pair<std::string, std::string>> CareerSkillRows(const CareerList& careers) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const CareerDefinition* career : careers) rows.emplace_back(career->name, CareerSkillsText(career->skills));
    return rows;
}

std::vector<const CareerDefinition*> SortedCareers(const CareerList& careers) {
    std::vector<const CareerDefinition*> sorted;
    for (const CareerDefinition* career : careers) sorted.push_back(career);
    std::stable_sort(sorted.begin(), sorted.end(), [](const CareerDefinition* a, const CareerDefinition* b) {
        const int byCase = CompareNoCase(a->name, b->name);
        return byCase != 0 ? byCase < 0 : a->name < b->name;
    });
    return sorted;
}

std::vector<std::string> SortedCareerNames(const CareerList& careers) {
    std::vector<std::string> names;
    for (const CareerDefinition* career : SortedCareers(careers)) names.push_back(career->name);
    return names;
}

const CareerDefinition* FindCareerByName(const CareerList& careers, std::string_view name) {
    for (const CareerDefinition* career : careers)
        if (career->name == name) return career;
    return nullptr;
}

int32_t SkillValueForName(std::string_view name) {
    for (int bit = 0; bit < kCareerSkillBits; ++bit)
        if (CompareNoCase(SkillText(bit + 1), name) == 0) return 1 << bit;
    return 0;
}

std::vector<std::string> MatchableSkillTexts() {
    std::vector<std::string> texts;
    for (int bit = 0; bit < kCareerSkillBits; ++bit) texts.push_back(SkillText(bit + 1));
    return texts;
}

SkillMatch MatchSkills(const CareerList& careers, const std::vector<int32_t>& chosen) {
    SkillMatch match;
    const size_t taken = std::min(chosen.size(), kMaxMatchSkills);
    for (const CareerDefinition* career : careers) {
        int count = 0;
        for (size_t i = 0; i < taken; ++i)
            if (chosen[i] != 0 && (career->skills & chosen[i]) == chosen[i]) ++count;
        if (count == 3)
            match.allThree.push_back(career->name);
        else if (count == 2)
            match.bestTwo.push_back(career->name);
    }
    return match;
}

std::string SkillCountText(size_t chosen) {
    return tr("Skills chosen: ") + std::to_string(chosen) + tr(" of ") + std::to_string(kMaxMatchSkills);
}

std::string SkillMatchNote(size_t chosen, const SkillMatch& match) {
    if (chosen < 2) return tr("Choose two or three skills to match.");
    if (!match.allThree.empty() || !match.bestTwo.empty()) return std::string();
    if (chosen == 2) return tr("No career needs both of these skills.");
    return tr("No career needs two or more of these skills.");
}
