// The registry's hash indexes against plain walks of all Sims in order, over
// long random runs of adds, removals and renames: the indexes must give the
// walk's answer (the first registered wins) whatever happened before.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "base/Text.h"
#include "model/ModelFixture.h"

namespace {

Sim* WalkByName(const SimRegistry& reg, const std::string& fullName) {
    for (Sim* sim : reg.allSims)
        if (sim->FullName() == fullName) return sim;
    return nullptr;
}

Sim* WalkById(const SimRegistry& reg, int32_t id) {
    if (id == -1) return nullptr;
    for (Sim* sim : reg.allSims)
        if (sim->id == id) return sim;
    return nullptr;
}

}  // namespace

TEST_F(ModelTest, IndexesAnswerAsWalksThroughRandomChanges) {
    // Few first and family names, so that many Sims share full names, and
    // enough Sims that the tables grow and removals shift long probe runs.
    const std::vector<std::string> firsts = {"Ann", "Bo", "Cy", "Di", "Ed", "Flo", "Gus", "Hal"};
    const std::vector<std::string> lasts = {"Lee", "Ash", "Oak", "Lee "};
    std::mt19937 rng(7);
    auto pick = [&](const std::vector<std::string>& from) { return from[rng() % from.size()]; };
    std::vector<Family*> families;
    std::vector<Sim*> sims;
    for (int step = 0; step < 6000; ++step) {
        const unsigned op = rng() % 10;
        if (op < 5 || sims.empty()) {
            if (families.empty() || rng() % 8 == 0) families.push_back(MakeFamily(pick(lasts)));
            Family* family = families[rng() % families.size()];
            // Hand-made records: some ids repeat, some are far off or negative.
            std::unique_ptr<Sim> sim = reg.NewSim(pick(firsts), family->name, 64, false);
            if (rng() % 6 == 0) sim->id = static_cast<int32_t>(rng() % 40);
            if (rng() % 20 == 0) sim->id = 1'000'000 + static_cast<int32_t>(rng() % 3);
            if (rng() % 30 == 0) sim->id = -1 - static_cast<int32_t>(rng() % 2);
            if (Sim* added = reg.AddSim(std::move(sim), false, family)) sims.push_back(added);
        } else if (op < 7) {
            const size_t at = rng() % sims.size();
            Family* family = sims[at]->family;
            ASSERT_TRUE(reg.RemoveSim(sims[at]));
            sims.erase(sims.begin() + static_cast<std::ptrdiff_t>(at));
            if (family && !reg.families.Contains(family))
                std::erase(families, family);
        } else if (op < 8) {
            Sim* sim = sims[rng() % sims.size()];
            const std::string first = pick(firsts);
            if (!sim->family->HasMember(first, sim->family->name)) reg.RenameSim(*sim, first);
        } else if (op < 9 && !families.empty()) {
            reg.RenameFamily(*families[rng() % families.size()], pick(lasts));
        } else {
            // A change behind the registry's back, then the notice it asks for.
            Sim* sim = sims[rng() % sims.size()];
            const std::string first = pick(firsts);
            if (!sim->family->HasMember(first, sim->family->name)) {
                sim->firstName = first;
                if (rng() % 2) reg.InvalidateNameIndex(); else reg.ReindexSim(*sim);
            }
        }
        if (step % 50 != 0) continue;
        for (const std::string& first : firsts)
            for (const std::string& last : lasts) {
                const std::string name = first + " " + last;
                ASSERT_EQ(reg.FindSimByName(name), WalkByName(reg, name)) << name << " at step " << step;
            }
        for (int32_t id = -3; id < 60; ++id) ASSERT_EQ(reg.FindSim(id), WalkById(reg, id)) << id;
        for (int32_t id = 1'000'000; id < 1'000'003; ++id) ASSERT_EQ(reg.FindSim(id), WalkById(reg, id)) << id;
        for (Sim* sim : sims) {
            ASSERT_TRUE(reg.allSims.Contains(sim));
            ASSERT_TRUE(sim->family->members.Contains(sim));
        }
    }
}

TEST_F(ModelTest, ListsFindAndRemoveInAnyOrderWhenLong) {
    // Long lists index their nodes: removals from the middle, the front and
    // the back must keep Contains, Next and the order right.
    Family* f = MakeFamily("F");
    std::vector<Sim*> sims;
    for (int i = 0; i < 300; ++i) sims.push_back(MakeSim(f, "S" + std::to_string(i)));
    std::mt19937 rng(3);
    std::vector<Sim*> left = sims;
    while (left.size() > 3) {
        const size_t at = rng() % left.size();
        Sim* gone = left[at];
        ASSERT_TRUE(reg.RemoveSim(gone));
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(at));
        ASSERT_FALSE(f->members.Contains(gone));
        ASSERT_EQ(f->members.Count(), left.size());
        for (size_t i = 0; i < left.size(); ++i) {
            ASSERT_TRUE(reg.allSims.Contains(left[i]));
            ASSERT_EQ(f->members.Next(left[i]), i + 1 < left.size() ? left[i + 1] : nullptr);
        }
    }
    std::vector<Sim*> order(f->members.begin(), f->members.end());
    EXPECT_EQ(order, left);
}

TEST_F(ModelTest, SortByNameOrdersAsCompareNoCaseStably) {
    // Names that agree in their first bytes (so the leading-bytes shortcut
    // must fall back to the full comparison), differ only in case, hold NUL
    // or bytes above 127, or are prefixes of one another.
    const std::vector<std::string> pool = {"Lee",       "lee",          "LEE",       "Leeward",   "Lee ward",
                                           "Longname_a", "longname_B",  "LongName_a", "Longname", std::string("Le\0e", 4),
                                           "\xc3\x89mile", "zed",       "Zed",       "",          "a"};
    std::mt19937 rng(11);
    std::vector<Family*> made;
    for (int i = 0; i < 200; ++i) made.push_back(MakeFamily(pool[rng() % pool.size()]));
    std::vector<Family*> expected = made;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const Family* a, const Family* b) { return CompareNoCase(a->name, b->name) < 0; });
    reg.families.SortByName();
    std::vector<Family*> sorted;
    for (Family* f : reg.families) sorted.push_back(f);
    EXPECT_EQ(sorted, expected);
    // Nodes stay valid: every family is still found and can be removed.
    for (Family* f : made) EXPECT_TRUE(reg.families.Contains(f));
    EXPECT_TRUE(reg.families.Remove(made[100]));
    EXPECT_FALSE(reg.families.Contains(made[100]));
}
