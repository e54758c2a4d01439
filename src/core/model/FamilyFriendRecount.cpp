#include "model/FamilyFriendRecount.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/Family.h"
#include "model/PositionIndex.h"
#include "model/RadixSort.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

namespace {

constexpr uint32_t kNone = ~uint32_t{0};

// For each id the Sim FindSim finds, the family it lives in (its position
// in the family list) and the family name it carries (a number shared by
// families of equal names), so that a membership question reads a few bytes
// of one table instead of the friend's record.
class TableMembership : public FriendMembership {
public:
    explicit TableMembership(const SimRegistry& registry) : registry_(registry) {}

    void Build() {
        const size_t familyCount = registry_.families.Count();
        PositionIndex familyPosition;
        familyPosition.Prepare(familyCount);
        std::unordered_map<std::string_view, uint32_t> nameNumbers;
        nameNumbers.reserve(familyCount);
        familyName_.reserve(familyCount);
        std::vector<const Family*> families(registry_.families.begin(), registry_.families.end());
        for (size_t j = 0; j < families.size(); ++j) {
#if defined(__GNUC__)
            if (j + 8 < families.size()) __builtin_prefetch(&families[j + 8]->name);
            if (j + 4 < families.size()) __builtin_prefetch(families[j + 4]->name.data());
#endif
            familyPosition.Insert(families[j], j);
            familyName_.push_back(
                nameNumbers.emplace(families[j]->name, static_cast<uint32_t>(nameNumbers.size())).first->second);
        }
        auto numberOf = [&](const std::string& name) {
            auto found = nameNumbers.find(name);
            return found == nameNumbers.end() ? kNone : found->second;
        };

        // Ids handed out by the counters are dense from 1; others (from
        // hand-made records) are asked through the registry.
        const size_t limit = registry_.allSims.Count() * 2 + 1024;
        homes_.assign(std::min(limit, registry_.allSims.Count() + 1), Home{nullptr, kNone, kNone});

        constexpr int kAhead = 16;
        auto ahead = registry_.allSims.begin();
        const auto end = registry_.allSims.end();
        for (int i = 0; i < kAhead && ahead != end; ++i) ++ahead;
        for (const Sim* sim : registry_.allSims) {
#if defined(__GNUC__)
            if (ahead != end) {
                __builtin_prefetch(&(*ahead)->family);
                ++ahead;
            }
#endif
            if (sim->id < 0 || static_cast<size_t>(sim->id) >= limit) continue;
            if (static_cast<size_t>(sim->id) >= homes_.size())
                homes_.resize(std::min(limit, std::max(static_cast<size_t>(sim->id) + 1, homes_.size() * 3 / 2)),
                              Home{nullptr, kNone, kNone});
            if (registry_.FindSim(sim->id) != sim) continue;  // a later Sim with a taken id
            Home& home = homes_[static_cast<size_t>(sim->id)];
            home.sim = sim;
            if (!sim->family) {
                home.name = numberOf(sim->lastName);
                continue;
            }
            const size_t position = familyPosition.Find(sim->family);
            if (position != PositionIndex::kNone) {
                home.family = static_cast<uint32_t>(position);
                home.name = familyName_[position];
            } else {
                home.name = numberOf(sim->family->name);
            }
        }
    }

    /// The family whose friends are recounted next, by its list position.
    void SetCurrent(size_t position) { current_ = static_cast<uint32_t>(position); }

    bool IsMember(const Family& family, int32_t simId) const override {
        if (simId < 0 || static_cast<size_t>(simId) >= homes_.size() || !homes_[static_cast<size_t>(simId)].sim)
            return family.HasMemberId(registry_, simId);
        const Home& home = homes_[static_cast<size_t>(simId)];
        if (home.family == current_)
            return family.members.Contains(home.sim) || family.HasMember(home.sim->firstName, family.name);
        if (home.name != familyName_[current_]) return false;
        // Another family's Sim that carries this family's name: a member by
        // name when this family has a member of its first name.
        return family.HasMember(home.sim->firstName, family.name);
    }

    void Prefetch(int32_t simId) const override {
#if defined(__GNUC__)
        if (simId >= 0 && static_cast<size_t>(simId) < homes_.size())
            __builtin_prefetch(&homes_[static_cast<size_t>(simId)]);
#else
        (void)simId;
#endif
    }

private:
    struct Home {
        const Sim* sim;   // nullptr: no Sim has this id
        uint32_t family;  // position in the family list, kNone when in none
        uint32_t name;    // number of the family name it carries, kNone when no family has it
    };
    const SimRegistry& registry_;
    std::vector<Home> homes_;
    std::vector<uint32_t> familyName_;
    uint32_t current_ = kNone;
};

}  // namespace

void RecountEveryFamily(SimRegistry& registry) {
    if (registry.families.IsEmpty()) return;
    TableMembership membership(registry);
    membership.Build();
    // Each family's recount stands on its own, so the families are visited in
    // the order they lie in memory rather than in list order: once sorted by
    // name, list order jumps all over memory, while families, their member
    // arrays and their members' friend arrays were allocated side by side as
    // they were read.
    struct Visit {
        Family* family;
        size_t position;  // in the family list
    };
    std::vector<Visit> visits;
    visits.reserve(registry.families.Count());
    for (Family* family : registry.families) visits.push_back({family, visits.size()});
    RadixSortByKey(visits, [](const Visit& visit) { return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(visit.family)); });
    const size_t count = visits.size();
    for (size_t j = 0; j < count; ++j) {
#if defined(__GNUC__)
        if (j + 12 < count) {
            __builtin_prefetch(&visits[j + 12].family->members);
            __builtin_prefetch(&visits[j + 12].family->friendIds);
        }
        if (j + 8 < count) visits[j + 8].family->members.PrefetchItems();
        if (j + 4 < count)
            for (const Sim* member : visits[j + 4].family->members) __builtin_prefetch(&member->friendIds);
        if (j + 2 < count)
            for (const Sim* member : visits[j + 2].family->members)
                if (!member->friendIds.empty()) __builtin_prefetch(member->friendIds.data());
#endif
        membership.SetCurrent(visits[j].position);
        visits[j].family->RecountFriends(membership);
    }
}
