#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/MyList.h"

class Family;
class Sim;
class SimRegistry;

/// Decides whether a friend id names a member of a family, for the family
/// friend recount. The registry answers it from the friend's record; a
/// recount of every family answers it from tables built once for all.
class FriendMembership {
public:
    virtual ~FriendMembership() = default;
    virtual bool IsMember(const Family& family, int32_t simId) const = 0;
    /// Called for the friend ids of a family before they are asked about,
    /// so that what they will read can be fetched in advance.
    virtual void Prefetch(int32_t simId) const = 0;
};

/// One household. Its member list refers to Sims owned by the registry. The
/// family friends are the Sims that at least one member has as a friend and
/// that are not members themselves, each with the number of members having
/// it. Membership of an id is decided by name (first name and family name),
/// looked up through the registry.
///
/// Renaming a registered family changes its members' full names: do it through
/// SimRegistry::RenameFamily (or call SimRegistry::ReindexFamily) so that
/// lookups by name stay right.
class Family {
public:
    Family(std::string familyName, int32_t familyId);
    virtual ~Family() = default;
    Family(const Family&) = delete;
    Family& operator=(const Family&) = delete;

    std::string name;
    MyList members{MyList::Ownership::Refers};
    std::vector<int32_t> friendIds;
    std::vector<int32_t> friendCounts;
    bool homeless = false;
    int32_t memberCount = 0;
    int32_t friendCount = 0;
    int32_t id = -1;

    /// lastName equals the family's name and a member has this first name.
    bool HasMember(const std::string& firstName, const std::string& lastName) const;
    bool HasMemberId(const SimRegistry& registry, int32_t simId) const;
    /// Appends the Sim as a member and counts its friends; false (nothing
    /// changed) when a member already has its first name. Does not set the
    /// Sim's `family`.
    bool AddMember(const SimRegistry& registry, Sim* sim);
    /// Removes the Sim from the members (it is not deleted) and drops one
    /// count of each of its friends. False when it is not a member.
    bool RemoveMember(Sim* sim);
    /// Rebuilds the family friends from the members' friends; returns friendCount.
    int32_t RecountFriends(const SimRegistry& registry);
    /// The same, asking `membership` whether a friend is a member.
    int32_t RecountFriends(const FriendMembership& membership);
    /// Recounts, then "name (friendCount)".
    std::string ListLabel(const SimRegistry& registry);

    int CountMembersOfGender(bool male) const;
    int CountTeensAndChildren() const;
    bool AllMembersTownies() const;
    /// Some member matches both conditions; -1 means "any" for either.
    bool HasMemberWith(int male, int32_t friendId) const;
    bool HasMemberWithoutParent(const SimRegistry& registry) const;

    /// The family-friend count of an id, 0 when it is not a family friend.
    int32_t FriendCountOf(int32_t simId) const;

    /// Forgets the first-name index of a large family; the registry calls it
    /// when a member's name changes.
    void InvalidateMemberIndex() const;

private:
    // Large families (a hostile file may hold a hundred thousand members)
    // find first names through an index, so that adding every member stays
    // linear. It is built on first use and kept in step by AddMember; a
    // removal or a rename drops it.
    static constexpr size_t kMemberWalkLimit = 32;
    mutable std::unordered_map<std::string, const Sim*> firstNameIndex_;
    mutable bool firstNameIndexValid_ = false;
    void BuildMemberIndex() const;

    void AddFriendReference(const SimRegistry& registry, int32_t simId);
    void DropFriendReference(int32_t simId, bool all);
};
