#include <gtest/gtest.h>

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
