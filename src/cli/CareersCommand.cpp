// "careers": the career information window's tables: the skills of every career,
// one career's levels, or the careers matching up to three skills.
#include <algorithm>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "Commands.h"
#include "careers/CareerTables.h"
#include "base/Translate.h"

namespace {

void PrintLevels(const std::vector<CareerLevelRow>& rows) {
    for (const CareerLevelRow& r : rows)
        std::cout << r.level << '\t' << r.position << '\t' << r.friends << '\t' << r.hours << '\t' << r.salary << '\n';
}

std::string_view TrimmedBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// "Cooking, body" -> the skill values; false (with a message) on a name that is no
// skill, on a skill named twice (the window cannot choose one skill twice either, and
// a repeat would count as two of the three) or on more than three skills.
bool ParseSkills(const std::string& list, std::vector<int32_t>& values) {
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        const std::string_view name = TrimmedBlanks(item);
        const int32_t value = SkillValueForName(name);
        if (value == 0) {
            std::cerr << "Unknown skill \"" << name << "\": use Cooking, Mechanical, Charisma, Body, Logic, Creativity or Cleaning\n";
            return false;
        }
        if (std::find(values.begin(), values.end(), value) != values.end()) {
            std::cerr << "The skill \"" << name << "\" is named more than once\n";
            return false;
        }
        values.push_back(value);
    }
    if (values.empty()) {
        std::cerr << "Give one to three skills, separated by commas\n";
        return false;
    }
    if (!SkillSelectionAllowed(values.size())) {
        std::cerr << "At most three skills can be matched at once\n";
        return false;
    }
    return true;
}

}  // namespace

int RunCareers(const CliOptions& options, const std::string& levels, const std::string& match) {
    std::vector<int32_t> skills;
    if (!match.empty() && !ParseSkills(match, skills)) return kExitError;
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers()) return kExitError;
    const CareerList& careers = hood.careers.careers;
    if (careers.IsEmpty()) {
        std::cerr << tr("No career information available!") << '\n';
        return kExitError;
    }
    if (!levels.empty()) {
        const CareerDefinition* career = FindCareerByName(careers, levels);
        if (career == nullptr) {
            std::cerr << "No career named \"" << levels << "\"\n";
            return kExitError;
        }
        const CareerLevels rows = CareerLevelRows(*career);
        PrintLevels(rows.main);
        PrintLevels(rows.partTime);
        return kExitOk;
    }
    if (!match.empty()) {
        const SkillMatch found = MatchSkills(careers, skills);
        std::cout << tr("Best results (all 3):") << '\n';
        for (const std::string& name : found.allThree) std::cout << name << '\n';
        std::cout << tr("Best 2 of 3:") << '\n';
        for (const std::string& name : found.bestTwo) std::cout << name << '\n';
        return kExitOk;
    }
    for (const auto& [name, skillsText] : CareerSkillRows(careers)) std::cout << name << '\t' << skillsText << '\n';
    return kExitOk;
}
