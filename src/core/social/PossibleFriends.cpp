#include "social/PossibleFriends.h"

#include "model/Sim.h"
#include "model/SimRegistry.h"

namespace {

void Prefetch(const Sim* sim) {
#if defined(__GNUC__)
    __builtin_prefetch(&sim->sign);
#else
    (void)sim;
#endif
}

}  // namespace

std::vector<int32_t> PossibleFriends(const SimRegistry& registry, const Sim& sim) {
    std::vector<int32_t> ids;
    const int32_t likes = sim.likes;
    if (likes == 0) return ids;
    // The Sims lie in memory in about the order of the list but not at an
    // even spacing, which defeats the processor's own read-ahead: ask for
    // each Sim's record a few Sims before it is read.
    constexpr int kAhead = 24;
    auto ahead = registry.allSims.begin();
    const auto end = registry.allSims.end();
    for (int i = 0; i < kAhead && ahead != end; ++i) ++ahead;
    for (const Sim* other : registry.allSims) {
        if (ahead != end) {
            Prefetch(*ahead);
            ++ahead;
        }
        // No sign likes itself, so the Sim could only match itself through a
        // damaged likes mask; it is never its own friend in any case.
        if (other == &sim) continue;
        const int32_t sign = other->sign;
        if (sign != 0 && (likes & sign) == sign) ids.push_back(other->id);
    }
    return ids;
}

std::vector<int32_t> CurrentFriendIds(const Sim& sim) { return sim.friendIds; }

std::vector<int32_t> ChemistrySimIds(const Sim& sim) {
    std::vector<int32_t> ids;
    ids.reserve(sim.chemistry.Count());
    for (const ChemistryEntry& entry : sim.chemistry) ids.push_back(entry.simId);
    return ids;
}
