#pragma once
#include <cstddef>
#include <vector>

#include "model/Family.h"
#include "model/FamilyList.h"
#include "model/Sim.h"

/// Calls `visit(sim)` for every member of every family, families in list order and
/// members in order. Families and members are gathered first and then visited with
/// the records a few places ahead already on their way into the cache: in a
/// neighborhood too large for the caches a plain walk waits on memory once per Sim.
template <typename Visit>
void ForEachMember(const FamilyList& families, Visit visit) {
    std::vector<const Family*> households;
    households.reserve(families.Count());
    for (const Family* family : families) households.push_back(family);
    std::vector<const Sim*> members;
    members.reserve(households.size() * 5);
    constexpr size_t kAhead = 12;
    for (size_t j = 0; j < households.size(); ++j) {
#if defined(__GNUC__)
        if (j + kAhead < households.size()) __builtin_prefetch(households[j + kAhead]);
        if (j + kAhead / 2 < households.size()) households[j + kAhead / 2]->members.PrefetchItems();
#endif
        for (const Sim* member : households[j]->members) members.push_back(member);
    }
    for (size_t i = 0; i < members.size(); ++i) {
#if defined(__GNUC__)
        if (i + kAhead < members.size()) {
            const Sim* ahead = members[i + kAhead];
            __builtin_prefetch(ahead);
            __builtin_prefetch(&ahead->career);
        }
#endif
        visit(*members[i]);
    }
}
