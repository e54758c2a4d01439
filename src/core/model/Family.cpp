#include "model/Family.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "base/Utf8Text.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

Family::Family(std::string familyName, int32_t familyId)
    : name(std::move(familyName)), id(familyId) {}

bool Family::HasMember(const std::string& firstName, const std::string& lastName) const {
    if (lastName != name) return false;
    if (members.Count() <= kMemberWalkLimit) {
        for (const Sim* member : members)
            if (member->firstName == firstName) return true;
        return false;
    }
    if (!firstNameIndexValid_) BuildMemberIndex();
    auto it = firstNameIndex_.find(firstName);
    if (it == firstNameIndex_.end()) return false;
    if (it->second->firstName == firstName && members.Contains(it->second)) return true;
    // The member filed under this name was renamed or left: look again afresh.
    BuildMemberIndex();
    return firstNameIndex_.count(firstName) != 0;
}

void Family::BuildMemberIndex() const {
    firstNameIndex_.clear();
    firstNameIndex_.reserve(members.Count());
    for (const Sim* member : members) firstNameIndex_.emplace(member->firstName, member);
    firstNameIndexValid_ = true;
}

void Family::InvalidateMemberIndex() const {
    firstNameIndex_.clear();
    firstNameIndexValid_ = false;
}

bool Family::HasMemberId(const SimRegistry& registry, int32_t simId) const {
    const Sim* sim = registry.FindSim(simId);
    if (!sim) return false;
    // A member of this family answers yes without comparing any text; a Sim
    // of a family with another name answers no. Only Sims that carry this
    // family's name from elsewhere need the comparison of first names.
    if (sim->family == this) return members.Contains(sim) || HasMember(sim->firstName, name);
    if (sim->ResolvedLastName() != name) return false;
    return HasMember(sim->firstName, sim->ResolvedLastName());
}

void Family::AddFriendReference(const SimRegistry& registry, int32_t simId) {
    auto it = std::find(friendIds.begin(), friendIds.end(), simId);
    if (it != friendIds.end()) {
        ++friendCounts[static_cast<size_t>(it - friendIds.begin())];
        return;
    }
    if (HasMemberId(registry, simId)) return;
    friendIds.push_back(simId);
    friendCounts.push_back(1);
    ++friendCount;
}

void Family::DropFriendReference(int32_t simId, bool all) {
    auto it = std::find(friendIds.begin(), friendIds.end(), simId);
    if (it == friendIds.end()) return;
    const size_t pos = static_cast<size_t>(it - friendIds.begin());
    if (!all && friendCounts[pos] > 1) {
        --friendCounts[pos];
        return;
    }
    friendIds.erase(it);
    friendCounts.erase(friendCounts.begin() + static_cast<std::ptrdiff_t>(pos));
    --friendCount;
}

bool Family::AddMember(const SimRegistry& registry, Sim* sim) {
    if (!sim || HasMember(sim->firstName, sim->ResolvedLastName())) return false;
    registry.Touch(this);
    if (!members.Append(sim)) return false;
    if (firstNameIndexValid_) firstNameIndex_.emplace(sim->firstName, sim);
    ++memberCount;
    for (int32_t friendId : sim->friendIds) AddFriendReference(registry, friendId);
    DropFriendReference(sim->id, true);
    return true;
}

bool Family::RemoveMember(Sim* sim) {
    if (members.IsEmpty() || !members.Remove(sim)) return false;
    InvalidateMemberIndex();
    --memberCount;
    for (int32_t friendId : sim->friendIds) DropFriendReference(friendId, false);
    return true;
}

namespace {

// Membership read from the friend's record through the registry.
class RegistryMembership : public FriendMembership {
public:
    explicit RegistryMembership(const SimRegistry& registry) : registry_(registry) {}
    bool IsMember(const Family& family, int32_t simId) const override { return family.HasMemberId(registry_, simId); }
    void Prefetch(int32_t simId) const override {
#if defined(__GNUC__)
        if (const Sim* other = registry_.FindSim(simId)) __builtin_prefetch(&other->family);
#else
        (void)simId;
#endif
    }

private:
    const SimRegistry& registry_;
};

}  // namespace

int32_t Family::RecountFriends(const SimRegistry& registry) {
    if (!registry.Recording()) return RecountFriends(RegistryMembership(registry));
    // Windows recount every family they label: the journal hears only of a
    // recount that changed something, so looking costs no record.
    std::vector<int32_t> ids = friendIds;
    std::vector<int32_t> counts = friendCounts;
    const int32_t count = friendCount;
    RecountFriends(RegistryMembership(registry));
    if (ids == friendIds && counts == friendCounts && count == friendCount) return friendCount;
    friendIds.swap(ids);
    friendCounts.swap(counts);
    friendCount = count;
    registry.Touch(this);
    friendIds.swap(ids);
    friendCounts.swap(counts);
    friendCount = static_cast<int32_t>(friendIds.size());
    return friendCount;
}

int32_t Family::RecountFriends(const FriendMembership& membership) {
    friendIds.clear();
    friendCounts.clear();
    // Whether a friend is a member is read from one random place in memory
    // each: ask for all of them at once, so that the fetches overlap instead
    // of following one another.
    for (const Sim* member : members)
        for (int32_t friendId : member->friendIds) membership.Prefetch(friendId);
    // The same result as adding one friend reference after another. Families
    // have few friends, so a linear search is fastest; for a family with very
    // many, an open-addressing table of positions takes over, to stay linear.
    constexpr size_t kLinearLimit = 48;
    constexpr uint32_t kFree = ~uint32_t{0};
    std::vector<int32_t> tableIds;
    std::vector<uint32_t> tablePositions;  // kFree: a free slot
    size_t mask = 0;
    auto slotOf = [&](int32_t id) {
        size_t i = (static_cast<uint32_t>(id) * 0x9E3779B1u) & mask;
        while (tablePositions[i] != kFree && tableIds[i] != id) i = (i + 1) & mask;
        return i;
    };
    auto rebuildTable = [&]() {
        size_t capacity = 256;
        while (capacity < friendIds.size() * 4) capacity <<= 1;
        tableIds.assign(capacity, 0);
        tablePositions.assign(capacity, kFree);
        mask = capacity - 1;
        for (size_t i = 0; i < friendIds.size(); ++i) {
            const size_t slot = slotOf(friendIds[i]);
            tableIds[slot] = friendIds[i];
            tablePositions[slot] = static_cast<uint32_t>(i);
        }
    };
    for (const Sim* member : members) {
        for (int32_t friendId : member->friendIds) {
            size_t at = friendIds.size();
            if (tablePositions.empty()) {
                auto it = std::find(friendIds.begin(), friendIds.end(), friendId);
                at = static_cast<size_t>(it - friendIds.begin());
            } else if (const size_t slot = slotOf(friendId); tablePositions[slot] != kFree) {
                at = tablePositions[slot];
            }
            if (at < friendIds.size()) {
                ++friendCounts[at];
                continue;
            }
            if (membership.IsMember(*this, friendId)) continue;
            friendIds.push_back(friendId);
            friendCounts.push_back(1);
            if (friendIds.size() * 2 > tablePositions.size() && friendIds.size() >= kLinearLimit) {
                rebuildTable();
            } else if (!tablePositions.empty()) {
                const size_t slot = slotOf(friendId);
                tableIds[slot] = friendId;
                tablePositions[slot] = static_cast<uint32_t>(friendIds.size() - 1);
            }
        }
    }
    friendCount = static_cast<int32_t>(friendIds.size());
    return friendCount;
}

std::string Family::ListLabel(const SimRegistry& registry) {
    RecountFriends(registry);
    std::string label = TextAsUtf8(name);
    label += " (" + std::to_string(friendCount) + ")";
    return label;
}

int Family::CountMembersOfGender(bool male) const {
    int count = 0;
    for (const Sim* member : members)
        if (member->male == male) ++count;
    return count;
}

int Family::CountTeensAndChildren() const {
    int count = 0;
    for (const Sim* member : members) {
        int32_t stage = member->LifeStage();
        if (stage == kLifeStageTeen || stage == kLifeStageChild) ++count;
    }
    return count;
}

bool Family::AllMembersTownies() const {
    for (const Sim* member : members)
        if (!member->townie) return false;
    return true;
}

bool Family::HasMemberWith(int male, int32_t friendId) const {
    for (const Sim* member : members) {
        bool genderOk = male == -1 || member->male == (male != 0);
        bool friendOk = friendId == -1 || member->HasFriend(friendId);
        if (genderOk && friendOk) return true;
    }
    return false;
}

bool Family::HasMemberWithoutParent(const SimRegistry& registry) const {
    for (const Sim* member : members)
        if (!member->HasKnownParent(registry)) return true;
    return false;
}

int32_t Family::FriendCountOf(int32_t simId) const {
    auto it = std::find(friendIds.begin(), friendIds.end(), simId);
    return it == friendIds.end() ? 0 : friendCounts[static_cast<size_t>(it - friendIds.begin())];
}
