// The matchmaker's lists: who is single, which pairs exist (with their repairs),
// pairing, unpairing and sorting.
#include <map>
#include <set>

#include "ChemFixture.h"
#include "chemistry/Matchmaker.h"

namespace {

class MatchmakerTest : public ChemTest {
protected:
    Family* smith = nullptr;
    MatchmakerSettings settings;
    MatchmakerLists lists{reg};

    void SetUp() override { smith = MakeFamily("Smith"); }

    static std::vector<std::string> Texts(const std::vector<SimEntry>& entries) {
        std::vector<std::string> out;
        for (const SimEntry& e : entries) out.push_back(e.text);
        return out;
    }
    std::vector<std::string> RowTexts() const {
        std::vector<std::string> out;
        for (const PairRow& row : lists.Rows()) out.push_back(row.text);
        return out;
    }
    size_t RowOf(int32_t simId) const {
        for (size_t i = 0; i < lists.Rows().size(); ++i)
            if (lists.Rows()[i].femaleId == simId || lists.Rows()[i].maleId == simId) return i;
        return lists.Rows().size();
    }
};

using Texts_ = std::vector<std::string>;

TEST_F(MatchmakerTest, StatusChoicesFollowTheLifeStage) {
    EXPECT_EQ(MatchmakerStatusChoices(kLifeStageAdult), (std::vector<int32_t>{1, 2, 4}));
    EXPECT_EQ(MatchmakerStatusChoices(kLifeStageTeen), (std::vector<int32_t>{2, 4}));
    EXPECT_EQ(MatchmakerStatusChoices(kLifeStageChild), (std::vector<int32_t>{4}));
}

TEST_F(MatchmakerTest, AnEmptyNeighborhoodFillsNothing) {
    MatchmakerLists empty{reg};
    reg.Clear();
    EXPECT_FALSE(empty.Fill(settings));
    EXPECT_TRUE(empty.Females().empty());
    EXPECT_TRUE(empty.Rows().empty());
}

TEST_F(MatchmakerTest, DefaultsShowTeensWithoutTowniesAndEveryTeenPair) {
    Make(smith, "zoe", false);
    Make(smith, "Amy", false);
    Sim* tow = Make(smith, "Tow", true);
    tow->townie = true;
    Make(smith, "Old", true, kLifeStageAdult);
    Sim* ma = Make(smith, "Ma", false);
    Sim* mb = Make(smith, "Mb", true);
    Sim* ca = Make(smith, "Ca", false);
    Sim* cb = Make(smith, "Cb", true);
    Sim* ua = Make(smith, "Ua", false);
    Sim* ub = Make(smith, "Ub", true);
    Partners(ma, mb, kStatusMarried);
    Partners(cb, ca, kStatusCommitted);
    Partners(ub, ua, kStatusMatchedUp);
    ASSERT_TRUE(lists.Fill(settings));
    EXPECT_EQ(Texts(lists.Females()), (Texts_{"Smith, Amy", "Smith, zoe"}));
    EXPECT_TRUE(lists.Males().empty());
    EXPECT_EQ(RowTexts(), (Texts_{"Ca Smith;Cb Smith;2", "Ma Smith;Mb Smith;1", "Ua Smith;Ub Smith;4"}));
    EXPECT_FALSE(lists.Rows()[0].PinkHeart());
    EXPECT_TRUE(lists.Rows()[2].PinkHeart());
    EXPECT_FALSE(lists.Changed());

    settings.townieCheck = true;
    lists.Fill(settings);
    EXPECT_EQ(Texts(lists.Males()), (Texts_{"Smith, Tow"}));

    settings.filterMarried = true;
    lists.Fill(settings);
    EXPECT_EQ(RowTexts(), (Texts_{"Ua Smith;Ub Smith;4"}));
}

TEST_F(MatchmakerTest, AdultsWithEldersAndPairsOfOneGender) {
    Make(smith, "Ada", false, kLifeStageAdult);
    Make(smith, "Eld", true, kLifeStageElder);
    Sim* m1 = Make(smith, "Max", true, kLifeStageAdult);
    Sim* m2 = Make(smith, "Ned", true, kLifeStageAdult);
    Sim* f1 = Make(smith, "Flo", false, kLifeStageAdult);
    Sim* f2 = Make(smith, "Eve", false, kLifeStageAdult);
    Partners(m1, m2, kStatusMarried);
    Partners(f1, f2, kStatusCommitted);
    settings.currentAge = kLifeStageAdult;
    lists.Fill(settings);
    EXPECT_EQ(Texts(lists.Females()), (Texts_{"Smith, Ada"}));
    EXPECT_EQ(Texts(lists.Males()), (Texts_{"Smith, Eld"}));
    // Two men: the partner of the first met stands first; two women: the first met.
    EXPECT_EQ(RowTexts(), (Texts_{"Flo Smith;Eve Smith;2", "Ned Smith;Max Smith;1"}));
    settings.elderCheck = false;
    lists.Fill(settings);
    EXPECT_TRUE(lists.Males().empty());
}

TEST_F(MatchmakerTest, APartnerThatDisagreesIsRepairedAndLeavesTheSingles) {
    Sim* bob = Make(smith, "Bob", true);   // listed as single first
    Sim* ann = Make(smith, "Ann", false);
    Sim* cy = Make(smith, "Cy", false);
    // Ann says Bob is her partner; Bob says Cy, who names nobody.
    bob->partnerId = cy->id;
    ann->status = kStatusCommitted;
    ann->partnerId = bob->id;
    lists.Fill(settings);
    EXPECT_EQ(bob->status, kStatusCommitted);
    EXPECT_EQ(bob->partnerId, ann->id);
    EXPECT_EQ(cy->partnerId, -1) << "Bob's former partner keeps no link to him";
    EXPECT_EQ(cy->status, kStatusSingle);
    EXPECT_TRUE(lists.Males().empty());
    EXPECT_EQ(Texts(lists.Females()), (Texts_{"Smith, Cy"}));
    EXPECT_EQ(RowTexts(), (Texts_{"Ann Smith;Bob Smith;2"}));
    EXPECT_TRUE(lists.Changed());
}

// A Sim whose link to a partner is not returned, while that partner and a third Sim
// name each other: the pair of the two stands, whichever of the three is met first, and
// the one-sided Sim is single. Nobody is both single and in a pair, every row's two
// Sims name each other, and a second filling changes nothing.
TEST_F(MatchmakerTest, AOneSidedLinkToASimOfAMutualPairIsClearedWhoeverIsMetFirst) {
    struct Case {
        std::vector<const char*> order;  // member order, so the order they are met in
        int32_t pairStatus;
    } cases[] = {
        {{"Sue", "Zed", "Pat"}, kStatusCommitted},
        {{"Zed", "Pat", "Sue"}, kStatusCommitted},
        {{"Pat", "Sue", "Zed"}, kStatusMatchedUp},
        // A pair whose status says Single still names each other.
        {{"Sue", "Pat", "Zed"}, kStatusSingle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.order[0]) + " first, pair status " + std::to_string(c.pairStatus));
        reg.Clear();
        Family* hood = MakeFamily("Lee");
        std::map<std::string, Sim*> sims;
        for (const char* first : c.order) sims[first] = Make(hood, first, std::string(first) != "Pat");
        Sim* zed = sims["Zed"];
        Sim* pat = sims["Pat"];
        Sim* sue = sims["Sue"];
        Partners(pat, zed, c.pairStatus);
        sue->status = kStatusCommitted;
        sue->partnerId = pat->id;

        MatchmakerLists first{reg};
        ASSERT_TRUE(first.Fill(settings));
        EXPECT_EQ(pat->partnerId, zed->id);
        EXPECT_EQ(zed->partnerId, pat->id);
        EXPECT_EQ(pat->status, c.pairStatus);
        EXPECT_EQ(sue->partnerId, -1);
        EXPECT_EQ(sue->status, kStatusSingle);
        EXPECT_TRUE(first.Changed());
        if (c.pairStatus == kStatusSingle) {
            EXPECT_TRUE(first.Rows().empty());
            EXPECT_EQ(Texts(first.Males()), (Texts_{"Lee, Sue", "Lee, Zed"}));
            EXPECT_EQ(Texts(first.Females()), (Texts_{"Lee, Pat"}));
        } else {
            EXPECT_EQ(Texts(first.Males()), (Texts_{"Lee, Sue"}));
            EXPECT_TRUE(first.Females().empty());
            ASSERT_EQ(first.Rows().size(), 1u);
            EXPECT_EQ(first.Rows()[0].text, "Pat Lee;Zed Lee;" + std::to_string(c.pairStatus));
        }
        std::set<int32_t> single;
        for (const auto* list : {&first.Females(), &first.Males()})
            for (const SimEntry& e : *list) single.insert(e.simId);
        for (const PairRow& row : first.Rows()) {
            EXPECT_FALSE(single.count(row.femaleId) || single.count(row.maleId)) << row.text;
            const Sim* female = reg.FindSim(row.femaleId);
            const Sim* male = reg.FindSim(row.maleId);
            ASSERT_TRUE(female && male);
            EXPECT_EQ(female->partnerId, male->id) << row.text;
            EXPECT_EQ(male->partnerId, female->id) << row.text;
        }

        MatchmakerLists again{reg};
        ASSERT_TRUE(again.Fill(settings));
        EXPECT_FALSE(again.Changed());
        EXPECT_EQ(Texts(again.Males()), Texts(first.Males()));
        EXPECT_EQ(again.Rows().size(), first.Rows().size());
    }
}

TEST_F(MatchmakerTest, PairRemoveAndPairAgainListsThePairAgain) {
    Sim* ann = Make(smith, "Ann", false);
    Sim* bob = Make(smith, "Bob", true);
    lists.Fill(settings);
    ASSERT_TRUE(lists.Pair(ann->id, bob->id, kStatusMatchedUp));
    EXPECT_TRUE(lists.Females().empty());
    EXPECT_TRUE(lists.Males().empty());
    ASSERT_EQ(RowTexts(), (Texts_{"Ann Smith;Bob Smith;4"}));
    EXPECT_TRUE(lists.Rows()[0].PinkHeart());
    ASSERT_TRUE(lists.Unpair(0));
    EXPECT_EQ(ann->status, kStatusSingle);
    EXPECT_EQ(bob->partnerId, -1);
    EXPECT_EQ(Texts(lists.Females()), (Texts_{"Smith, Ann"}));
    EXPECT_EQ(Texts(lists.Males()), (Texts_{"Smith, Bob"}));
    ASSERT_TRUE(lists.Pair(ann->id, bob->id, kStatusMatchedUp));
    EXPECT_EQ(RowTexts(), (Texts_{"Ann Smith;Bob Smith;4"}));
    EXPECT_FALSE(lists.Unpair(5));
    EXPECT_TRUE(lists.Changed());
}

TEST_F(MatchmakerTest, PairingFreesBothFormerPartners) {
    Sim* ann = Make(smith, "Ann", false);
    Sim* bob = Make(smith, "Bob", true);
    Sim* xav = Make(smith, "Xav", true, kLifeStageAdult);
    Sim* yva = Make(smith, "Yva", false, kLifeStageAdult);
    lists.Fill(settings);
    // Links made after the lists were filled (the lists show both as single).
    Partners(ann, xav, kStatusSingle);
    Partners(bob, yva, kStatusSingle);
    ASSERT_TRUE(lists.Pair(ann->id, bob->id, kStatusCommitted));
    for (const Sim* freed : {xav, yva}) {
        EXPECT_EQ(freed->partnerId, -1);
        EXPECT_EQ(freed->status, kStatusSingle);
    }
    EXPECT_EQ(ann->partnerId, bob->id);
    EXPECT_EQ(bob->partnerId, ann->id);
    EXPECT_EQ(RowTexts(), (Texts_{"Ann Smith;Bob Smith;2"}));
    EXPECT_TRUE(lists.Females().empty());
}

TEST_F(MatchmakerTest, UnpairingFindsTheRowsOwnSimsWhateverTheirNames) {
    Family* twin = MakeFamily("Lee;Ray");
    Sim* a1 = Make(twin, "Jo", false);
    Sim* b1 = Make(twin, "Al", true);
    Family* other = MakeFamily("Lee;Ray ");
    Sim* a2 = Make(other, "Jo", false);
    Sim* b2 = Make(other, "Al", true);
    Family* same = MakeFamily("Lee;Ray");  // a second family of the same name
    Sim* a3 = Make(same, "Jo", false);
    Sim* b3 = Make(same, "Al", true);
    Partners(a1, b1, kStatusCommitted);
    Partners(a2, b2, kStatusCommitted);
    Partners(a3, b3, kStatusMatchedUp);
    lists.Fill(settings);
    ASSERT_EQ(lists.Rows().size(), 3u);
    const size_t row = RowOf(a3->id);
    ASSERT_LT(row, 3u);
    ASSERT_TRUE(lists.Unpair(row));
    EXPECT_EQ(a3->partnerId, -1);
    EXPECT_EQ(b3->partnerId, -1);
    for (const Sim* kept : {a1, b1, a2, b2}) EXPECT_NE(kept->partnerId, -1) << kept->FullName();
    EXPECT_EQ(lists.Rows().size(), 2u);
}

TEST_F(MatchmakerTest, RowsSortByTheMaleNameOrTheWholeText) {
    Sim* a = Make(smith, "ann", false);
    Sim* z = Make(smith, "Zed", true);
    Sim* b = Make(smith, "Bea", false);
    Sim* y = Make(smith, "amos", true);
    Partners(a, z, kStatusCommitted);
    Partners(b, y, kStatusCommitted);
    lists.Fill(settings);
    EXPECT_EQ(RowTexts(), (Texts_{"ann Smith;Zed Smith;2", "Bea Smith;amos Smith;2"}));
    lists.SortRows(1);
    EXPECT_EQ(RowTexts(), (Texts_{"Bea Smith;amos Smith;2", "ann Smith;Zed Smith;2"}));
    lists.SortRows(0);
    EXPECT_EQ(RowTexts(), (Texts_{"ann Smith;Zed Smith;2", "Bea Smith;amos Smith;2"}));
}

}  // namespace
