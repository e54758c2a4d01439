#pragma once
#include <cstdint>

/// The two id counters of the running program. Ids are handed out by
/// incrementing first, so the first Sim and the first family of a fresh
/// neighborhood both get 1. Clearing the neighborhood resets both; an import
/// does not, so appended Sims never reuse an id.
struct IdCounters {
    int32_t simCounter = 0;
    int32_t familyCounter = 0;

    int32_t NextSimId() { return ++simCounter; }
    int32_t NextFamilyId() { return ++familyCounter; }
    void Reset() {
        simCounter = 0;
        familyCounter = 0;
    }
};
