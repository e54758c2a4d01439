#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "careers/CareerDefinition.h"

class CareerList;

/// One row of a career's level list: slot number, position, friends needed, hours,
/// salary, as the lists show them.
struct CareerLevelRow {
    std::string level, position, friends, hours, salary;
};

/// The two level lists of the career information window: slots 0 to 9, and slots 10
/// to 12 when the career has the part-time track (none otherwise).
struct CareerLevels {
    std::vector<CareerLevelRow> main;
    std::vector<CareerLevelRow> partTime;
};
CareerLevels CareerLevelRows(const CareerDefinition& career);

/// The skills a career needs, in table order and joined by ", "; empty for a career
/// that needs none.
std::string CareerSkillsText(int32_t skills);

/// The "Career Skills" rows: career name and skills text, in list order.
std::vector<std::pair<std::string, std::string>> CareerSkillRows(const CareerList& careers);

/// The careers in the order the career list box shows them: by name, letters
/// compared without regard to case.
std::vector<const CareerDefinition*> SortedCareers(const CareerList& careers);
std::vector<std::string> SortedCareerNames(const CareerList& careers);

/// The first career of this name; nullptr when none.
const CareerDefinition* FindCareerByName(const CareerList& careers, std::string_view name);

/// At most three skills can be chosen to match at once.
constexpr size_t kMaxMatchSkills = 3;
/// Whether a selection of this many skills may stand.
inline bool SkillSelectionAllowed(size_t selected) { return selected <= kMaxMatchSkills; }

/// The skill bit (1, 2, 4 ... 64) of a skill name of the skills table, any case;
/// 0 when the name is no skill.
int32_t SkillValueForName(std::string_view name);
/// The seven skills a career can need, in table order.
std::vector<std::string> MatchableSkillTexts();

/// The careers that need all three chosen skills and those that need exactly two of
/// them, in list order. Only the first three values count; a 0 value is no skill.
struct SkillMatch {
    std::vector<std::string> allThree;
    std::vector<std::string> bestTwo;
};
SkillMatch MatchSkills(const CareerList& careers, const std::vector<int32_t>& chosen);

/// "Skills chosen: 2 of 3", the count the Find Career window shows beside its skills.
std::string SkillCountText(size_t chosen);

/// What the Find Career window says under its results after "&Match!", so that two
/// empty lists never stand there without a word: a hint when fewer than two skills are
/// chosen (nothing can match then), "no career" when both lists are empty, and the
/// empty text when something was found.
std::string SkillMatchNote(size_t chosen, const SkillMatch& match);
