#pragma once
#include <cstdint>
#include <string>
#include <vector>

class FamilyList;

/// The special groups of the Sim groups window, in the order of its drop-down.
enum class SimGroup : int { Townie = 0, Vampire = 1, AtCollege = 2 };
constexpr int kSimGroupCount = 3;
/// "Townie", "Vampire", "At College".
std::string SimGroupText(SimGroup group);

/// The two orders of the list: by name (column 0) and by life stage (column 1).
enum class GroupOrder : int { ByName = 0, ByLifeStage = 1 };

/// One row of the groups list: the Sim (by id), its full name and its life stage.
struct GroupRow {
    int32_t simId = -1;
    std::string name;
    std::string age;
    int32_t lifeStage = 0;
};

/// The members of the group, every family in list order and its members in order,
/// then sorted: by name, letters compared without regard to case, ascending; by life
/// stage, descending by index, so Children come first, then Teens, Adults, Elders.
std::vector<GroupRow> GroupRows(const FamilyList& families, SimGroup group, GroupOrder order);

/// Sorts rows already made into the order.
void SortGroupRows(std::vector<GroupRow>& rows, GroupOrder order);
