#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "base/Text.h"
#include "model/Family.h"
#include "model/FamilyList.h"
#include "model/MatchList.h"
#include "model/MyList.h"
#include "model/Sim.h"

TEST(MyList, ReferringListNeverDeletes) {
    auto a = std::make_unique<Sim>("A", "X", 0, 1, false);
    auto b = std::make_unique<Sim>("B", "X", 0, 2, false);
    {
        MyList list;
        EXPECT_TRUE(list.Append(a.get()));
        EXPECT_TRUE(list.Append(b.get()));
        EXPECT_FALSE(list.Append(a.get()));  // no Sim twice
        EXPECT_FALSE(list.Append(nullptr));
        EXPECT_EQ(list.Count(), 2u);
        EXPECT_EQ(list.At(1), b.get());
        EXPECT_EQ(list.At(2), nullptr);
        EXPECT_EQ(list.Next(a.get()), b.get());
        EXPECT_EQ(list.Next(b.get()), nullptr);
        EXPECT_EQ(list.Release(a.get()), nullptr);  // not its to hand over
        EXPECT_TRUE(list.Remove(a.get()));
        EXPECT_FALSE(list.Remove(a.get()));
        EXPECT_EQ(list.Front(), b.get());
    }
    // Both Sims are still alive (ASan would catch a double delete here).
    EXPECT_EQ(a->firstName, "A");
    EXPECT_EQ(b->firstName, "B");
}

TEST(MyList, OwningListHandsOverAndDeletes) {
    MyList list(MyList::Ownership::Owns);
    Sim* a = list.AppendOwned(std::make_unique<Sim>("A", "X", 0, 1, false));
    Sim* b = list.AppendOwned(std::make_unique<Sim>("B", "X", 0, 2, false));
    ASSERT_NE(a, nullptr);
    std::unique_ptr<Sim> taken = list.Release(a);
    EXPECT_EQ(taken.get(), a);
    EXPECT_FALSE(list.Contains(a));
    EXPECT_TRUE(list.Remove(b));  // deleted
    EXPECT_TRUE(list.IsEmpty());
    MyList referring;
    EXPECT_EQ(referring.AppendOwned(std::move(taken)), nullptr);
}

// Long runs of appends and removals, from both ends and the middle, against
// a plain vector: order, positions, Next, Front and membership must agree
// while gaps open and close and the index comes and goes.
TEST(MyList, AgreesWithAPlainVectorThroughRandomChanges) {
    std::vector<std::unique_ptr<Sim>> pool;
    for (int i = 0; i < 300; ++i) pool.push_back(std::make_unique<Sim>("S" + std::to_string(i), "X", 0, i, false));
    MyList list;
    std::vector<Sim*> model;
    std::mt19937 rng(5);
    for (int step = 0; step < 20000; ++step) {
        Sim* sim = pool[rng() % pool.size()].get();
        const bool present = std::find(model.begin(), model.end(), sim) != model.end();
        const unsigned op = rng() % 10;
        if (op < 5) {
            EXPECT_EQ(list.Append(sim), !present);
            if (!present) model.push_back(sim);
        } else if (op < 8 || model.empty()) {
            // Removals favour the front, as a list emptied from the front is
            // the case that leaves the longest run of gaps.
            Sim* victim = (op == 7 && !model.empty()) ? model.front() : sim;
            const auto it = std::find(model.begin(), model.end(), victim);
            EXPECT_EQ(list.Remove(victim), it != model.end());
            if (it != model.end()) model.erase(it);
        } else {
            const size_t at = rng() % model.size();
            EXPECT_EQ(list.At(int(at)), model[at]);
            EXPECT_EQ(list.Next(model[at]), at + 1 < model.size() ? model[at + 1] : nullptr);
        }
        ASSERT_EQ(list.Count(), model.size());
        EXPECT_EQ(list.Contains(sim), std::find(model.begin(), model.end(), sim) != model.end());
        EXPECT_EQ(list.Front(), model.empty() ? nullptr : model.front());
        if (step % 97 == 0) ASSERT_EQ(std::vector<Sim*>(list.begin(), list.end()), model) << "step " << step;
    }
}

// Two owning lists passing Sims between them, against plain vectors: a Sim
// owned by one list is in neither the other list's walks nor its finds,
// and handing over, deleting and closing gaps keep every position right.
TEST(MyList, OwningListsAgreeWithPlainVectorsThroughRandomHandOvers) {
    constexpr int kSims = 200;
    std::vector<std::unique_ptr<Sim>> loose(kSims);  // Sims no list owns
    std::vector<Sim*> everyone(kSims);
    int nextId = 0;
    auto fresh = [&](size_t i) {
        loose[i] = std::make_unique<Sim>("S" + std::to_string(nextId), "X", 0, nextId, false);
        everyone[i] = loose[i].get();
        ++nextId;
    };
    for (size_t i = 0; i < kSims; ++i) fresh(i);
    MyList lists[2] = {MyList(MyList::Ownership::Owns), MyList(MyList::Ownership::Owns)};
    std::vector<Sim*> models[2];
    std::mt19937 rng(11);
    for (int step = 0; step < 20000; ++step) {
        const size_t i = rng() % kSims;
        Sim* sim = everyone[i];
        const int which = int(rng() % 2);
        MyList& list = lists[which];
        std::vector<Sim*>& model = models[which];
        const auto it = std::find(model.begin(), model.end(), sim);
        const unsigned op = rng() % 10;
        if (op < 5) {
            if (loose[i]) {
                EXPECT_EQ(list.AppendOwned(std::move(loose[i])), sim);
                model.push_back(sim);
            }
        } else if (op < 7) {
            std::unique_ptr<Sim> back = list.Release(sim);
            EXPECT_EQ(back.get(), it != model.end() ? sim : nullptr);
            if (back) {
                loose[i] = std::move(back);
                model.erase(it);
            }
        } else if (op < 9 || model.empty()) {
            // Deleting from the front leaves the longest runs of gaps.
            Sim* victim = (op == 8 && !model.empty()) ? model.front() : sim;
            const auto at = std::find(model.begin(), model.end(), victim);
            EXPECT_EQ(list.Remove(victim), at != model.end());
            if (at != model.end()) {
                model.erase(at);
                fresh(size_t(std::find(everyone.begin(), everyone.end(), victim) - everyone.begin()));
            }
        } else {
            const size_t at = rng() % model.size();
            EXPECT_EQ(list.At(int(at)), model[at]);
            EXPECT_EQ(list.Next(model[at]), at + 1 < model.size() ? model[at + 1] : nullptr);
        }
        for (int l = 0; l < 2; ++l) {
            ASSERT_EQ(lists[l].Count(), models[l].size());
            EXPECT_EQ(lists[l].Contains(everyone[i]),
                      std::find(models[l].begin(), models[l].end(), everyone[i]) != models[l].end());
        }
        if (step % 97 == 0)
            for (int l = 0; l < 2; ++l)
                ASSERT_EQ(std::vector<Sim*>(lists[l].begin(), lists[l].end()), models[l]) << "step " << step;
    }
}

TEST(MyList, WalkReachesSimsAppendedDuringIt) {
    std::vector<std::unique_ptr<Sim>> pool;
    for (int i = 0; i < 40; ++i) pool.push_back(std::make_unique<Sim>("S" + std::to_string(i), "X", 0, i, false));
    MyList list;
    list.Append(pool[0].get());
    size_t seen = 0;
    for (Sim* sim : list) {
        ++seen;
        // Each Sim visited brings in the next, past the point where the
        // array grows and the index is built.
        if (sim->id + 1 < int(pool.size())) list.Append(pool[size_t(sim->id) + 1].get());
    }
    EXPECT_EQ(seen, pool.size());
}

TEST(FamilyList, OwnsSortsAndFinds) {
    FamilyList list;
    Family* b = list.Append(std::make_unique<Family>("b", 1));
    Family* a = list.Append(std::make_unique<Family>("A", 2));
    EXPECT_EQ(list.Append(nullptr), nullptr);
    list.SortByName();
    EXPECT_EQ(list.Front(), a);
    EXPECT_EQ(list.FindByName("b"), b);
    EXPECT_EQ(list.FindByName("B"), nullptr);
    EXPECT_EQ(list.FindById(2), a);
    // Nodes stay findable after sorting.
    EXPECT_TRUE(list.Remove(b));
    EXPECT_FALSE(list.Remove(b));
    EXPECT_EQ(list.Count(), 1u);
}

// Families come and go, and sorting reorders them, against a plain vector.
TEST(FamilyList, AgreesWithAPlainVectorThroughRandomChanges) {
    FamilyList list;
    std::vector<Family*> model;
    std::mt19937 rng(9);
    int nextId = 0;
    for (int step = 0; step < 6000; ++step) {
        const unsigned op = rng() % 20;
        if (op < 10 || model.empty()) {
            // Names that agree in their first eight or sixteen bytes, differ
            // in case only, or differ only by trailing NUL bytes (which the
            // keys cannot tell from the end of a name) are ordered past the
            // leading bytes.
            using namespace std::string_literals;
            static const std::vector<std::string> names = {
                "Abcdefghij", "abcdefghiJ", "Abcdefgh", "abcdefghIk", "b", "B", "", "Zed", "zed ", "Ab",
                "Abcdefghijklmnop", "abcdefghijklmnoP", "Abcdefghijklmnopq", "abcdefghijklmnopR",
                "Abcdefghijklmnop\0"s, "Ab\0"s, "Ab\0\0"s, "Abcdefghijklmnopq\0"s};
            const std::string name = names[rng() % names.size()];
            Family* added = list.Append(std::make_unique<Family>(name, nextId++));
            model.push_back(added);
        } else if (op < 18) {
            const size_t at = (op == 17) ? 0 : rng() % model.size();
            Family* victim = model[at];
            model.erase(model.begin() + std::ptrdiff_t(at));
            if (op % 2) {
                EXPECT_TRUE(list.Remove(victim));
            } else {
                EXPECT_EQ(list.Release(victim).get(), victim);
            }
            EXPECT_FALSE(list.Contains(victim));
        } else {
            list.SortByName();
            std::stable_sort(model.begin(), model.end(),
                             [](const Family* a, const Family* b) { return CompareNoCase(a->name, b->name) < 0; });
        }
        ASSERT_EQ(list.Count(), model.size());
        EXPECT_EQ(list.Front(), model.empty() ? nullptr : model.front());
        if (!model.empty()) EXPECT_TRUE(list.Contains(model[rng() % model.size()]));
        if (step % 53 == 0) ASSERT_EQ(std::vector<Family*>(list.begin(), list.end()), model) << "step " << step;
    }
}

TEST(MatchList, FindRemoveAndBounds) {
    MatchList list;
    list.Append(5, 1);
    list.Append(5, 2);  // the reader keeps duplicates
    list.Append(6, 0);
    EXPECT_EQ(list.Count(), 3u);
    EXPECT_TRUE(list.RemoveFirst(5));
    EXPECT_EQ(list.Find(5)->type, 2);
    EXPECT_FALSE(list.RemoveFirst(9));
    EXPECT_EQ(list.At(2), nullptr);
    EXPECT_EQ(list.At(-1), nullptr);
    MatchList copy = list;  // pickers work on a copy
    copy.Clear();
    EXPECT_EQ(list.Count(), 2u);
}
