#pragma once
#include <cstdint>
#include <string>
#include <vector>

class Sim;
class SimRegistry;

/// One row of the Friends page: a friend that the registry still knows.
struct FriendRow {
    int32_t simId = -1;
    std::string name;
    std::string gender;
    std::string age;
    bool male = false;
    int32_t lifeStage = 1;
};

/// The rows for a list of friend ids, in order; ids that name no Sim give no row.
std::vector<FriendRow> FriendRows(const SimRegistry& registry, const std::vector<int32_t>& ids);

/// The Friends page's column sorts: 0 name (case ignored, ascending), 1 gender
/// (female first), 2 age (life stage code descending: Child first).
void SortFriendRows(std::vector<FriendRow>& rows, int column);

/// Writes a friend list into the Sim on both sides: the Sim leaves every old
/// friend's list, then each id that names a Sim is added, mirrored. Ids that
/// no longer name a Sim are dropped.
void SaveFriends(SimRegistry& registry, Sim& sim, const std::vector<int32_t>& ids);

/// Whether two friend lists name the same Sims, whatever their order: the
/// picker hands its selection back sorted by name, which alone is no change.
bool SameFriendSet(std::vector<int32_t> a, std::vector<int32_t> b);

/// The working selection of the friends picker: ids of Sims the registry
/// knows, no two with the same full name (case ignored), shown in
/// alphabetical order. It is a copy: the Sim changes only when the caller
/// saves it.
class FriendSelection {
public:
    FriendSelection(const SimRegistry& registry, const std::vector<int32_t>& start);
    /// False when the id names no Sim or a Sim of that full name is listed.
    bool Add(int32_t simId);
    void Remove(int32_t simId);
    /// The ids in the order shown (full name, case ignored).
    std::vector<int32_t> Ids() const;
    std::vector<std::string> Names() const;

private:
    const SimRegistry& registry_;
    std::vector<int32_t> ids_;
};
