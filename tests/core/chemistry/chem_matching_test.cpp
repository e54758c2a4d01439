// Chemistry matching: who may take part, who is proposed, what the results list
// shows, and what accepting a proposal does.
#include "ChemFixture.h"
#include "chemistry/ChemMatching.h"

namespace {

class ChemMatchingTest : public ChemTest {
protected:
    Family* smith = nullptr;
    void SetUp() override { smith = MakeFamily("Smith"); }

    std::vector<std::tuple<std::string, std::string, std::string>> Shown(const ChemMatchOptions& options = {}) {
        std::vector<std::tuple<std::string, std::string, std::string>> out;
        for (const MatchRow& row : MatchRows(reg, GenerateMatchResults(reg, options)))
            out.emplace_back(row.female, row.male, row.type);
        return out;
    }
};

using Rows = std::vector<std::tuple<std::string, std::string, std::string>>;

TEST_F(ChemMatchingTest, FilterAdmitsStatusesAndTowniesOnlyWithTheirOptions) {
    Sim* sim = Make(smith, "Ann", false);
    const struct {
        int32_t status;
        bool townie;
        ChemMatchOptions options;
        bool passes;
    } cases[] = {
        {kStatusNone, false, {}, true},
        {kStatusSingle, false, {}, true},
        {kStatusMarried, false, {}, false},
        {kStatusCommitted, false, {}, false},
        {kStatusMatchedUp, false, {}, false},
        {kStatusMarried, false, {2, false, false, false, true}, true},
        {kStatusCommitted, false, {2, false, false, false, true}, true},
        {kStatusMatchedUp, false, {2, false, false, false, true}, false},
        {kStatusMatchedUp, false, {2, false, false, true, false}, true},
        {kStatusSingle, true, {}, false},
        {kStatusSingle, true, {2, true, false, false, false}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "status " << c.status << " townie " << c.townie);
        sim->status = c.status;
        sim->townie = c.townie;
        EXPECT_EQ(PassesMatchFilter(*sim, c.options), c.passes);
    }
}

TEST_F(ChemMatchingTest, HighestTypeFirstAndEarliestAmongEqualAndNeverCrush) {
    Sim* ann = Make(smith, "Ann", false);
    Sim* bob = Make(smith, "Bob", true);
    Sim* cal = Make(smith, "Cal", true);
    Sim* dan = Make(smith, "Dan", true);
    Chem(ann, bob, kChemistryCrush);
    Chem(ann, cal, kChemistryMedium);
    Chem(ann, dan, kChemistryHigh);
    Chem(ann, bob, 3);  // an older file's "Crush or Love"
    std::vector<MatchResult> results = GenerateMatchResults(reg, {});
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[0].simId, ann->id);
    EXPECT_EQ(results[0].partnerId, dan->id);
    EXPECT_EQ(results[0].value, kChemistryHigh);

    // Equal types: the earliest wins.
    Sim* eve = Make(smith, "Eve", false);
    Chem(eve, cal, kChemistryMedium);
    Chem(eve, bob, kChemistryMedium);
    results = GenerateMatchResults(reg, {});
    EXPECT_EQ(results[4].partnerId, cal->id);
}

TEST_F(ChemMatchingTest, AProposedPartnerIsNotProposedToALaterRow) {
    Sim* ann = Make(smith, "Ann", false);
    Sim* eve = Make(smith, "Eve", false);
    Sim* bob = Make(smith, "Bob", true);
    Sim* cal = Make(smith, "Cal", true);
    Chem(ann, bob, kChemistryMedium);
    Chem(eve, bob, kChemistryHigh);
    Chem(eve, cal, kChemistryMedium);
    // A duplicate entry of the row's own proposal does not raise its type.
    Chem(ann, bob, kChemistryHigh);
    const std::vector<MatchResult> results = GenerateMatchResults(reg, {});
    EXPECT_EQ(results[0].partnerId, bob->id);
    EXPECT_EQ(results[0].value, kChemistryMedium);
    EXPECT_EQ(results[1].partnerId, cal->id);
}

TEST_F(ChemMatchingTest, SelfEntriesAndEntriesOfGoneSimsAreNeverProposals) {
    Sim* ann = Make(smith, "Ann", false);
    Sim* bob = Make(smith, "Bob", true);
    Chem(ann, ann, kChemistryHigh);  // a hand-edited file
    Chem(ann, bob, kChemistryMedium);
    ann->chemistry.Append(9999, kChemistryHigh);
    const std::vector<MatchResult> results = GenerateMatchResults(reg, {});
    EXPECT_EQ(results[0].partnerId, bob->id);
    EXPECT_EQ(results[0].value, kChemistryMedium);

    bob->chemistry.Append(bob->id, kChemistryHigh);
    const std::vector<MatchResult> again = GenerateMatchResults(reg, {});
    EXPECT_EQ(again[1].partnerId, -1) << "Bob is only Ann's proposal and his own";
    // And a result that names its own Sim is never a valid match.
    EXPECT_FALSE(IsValidMatch(reg, {ann->id, ann->id, 1}));
    EXPECT_FALSE(AcceptMatchResult(reg, {ann->id, ann->id, 1}));
    EXPECT_EQ(ann->status, kStatusSingle);
    EXPECT_EQ(ann->partnerId, -1);
}

TEST_F(ChemMatchingTest, LifeStageTownieAndStatusFiltersApplyToPartnersToo) {
    Sim* ann = Make(smith, "Ann", false);
    Sim* old = Make(smith, "Old", true, kLifeStageAdult);
    Sim* tow = Make(smith, "Tow", true);
    Sim* wed = Make(smith, "Wed", true);
    tow->townie = true;
    wed->status = kStatusMarried;
    Chem(ann, old, kChemistryHigh);
    Chem(ann, tow, kChemistryHigh);
    Chem(ann, wed, kChemistryHigh);
    EXPECT_EQ(GenerateMatchResults(reg, {})[0].partnerId, -1);
    EXPECT_EQ(GenerateMatchResults(reg, {2, true, false, false, false})[0].partnerId, tow->id);
    EXPECT_EQ(GenerateMatchResults(reg, {2, false, false, false, true})[0].partnerId, wed->id);
    // Different ages: the Adult is proposed to the Teen and then to no later Teen.
    Sim* zoe = Make(smith, "Zoe", false);
    Chem(zoe, old, kChemistryHigh);
    const std::vector<MatchResult> results = GenerateMatchResults(reg, {2, false, true, false, false});
    EXPECT_EQ(results[0].partnerId, old->id);
    EXPECT_EQ(results.back().simId, zoe->id);
    EXPECT_EQ(results.back().partnerId, -1);
    // Married Sims have rows of their own only with the option.
    EXPECT_EQ(GenerateMatchResults(reg, {}).size(), 2u);  // Ann and Zoe: Tow is a Townie, Wed married
}

TEST_F(ChemMatchingTest, RowsListEachFemaleNameOnceAndCrushOnlySimsOppositeNone) {
    Sim* ann = Make(smith, "Ann", false);
    Sim* bob = Make(smith, "Bob", true);
    Sim* cat = Make(smith, "Cat", false);
    Sim* dan = Make(smith, "Dan", true);
    Make(smith, "Eli", true);
    Chem(ann, bob, kChemistryHigh);
    Chem(bob, cat, kChemistryHigh);
    Chem(bob, ann, kChemistryMedium);
    Chem(cat, bob, kChemistryHigh);
    Chem(dan, ann, kChemistryCrush);
    // Ann proposes Bob; Bob proposes Cat (listed as Cat with Bob); Cat's own row
    // (Bob is taken) would repeat "Cat Smith"; Dan has only a crush; Eli nothing.
    EXPECT_EQ(Shown(), (Rows{{"Ann Smith", "Bob Smith", "High"},
                              {"Cat Smith", "Bob Smith", "High"},
                              {"NONE", "Dan Smith", ""},
                              {"NONE", "Eli Smith", ""}}));
}

TEST_F(ChemMatchingTest, AMutualPairIsListedOnceAndNoneRowsOfAFemaleColumnNameAreDropped) {
    Sim* ann = Make(smith, "Ann", false);
    Sim* bob = Make(smith, "Bob", true);
    ann->AddChemistry(reg, bob->id, kChemistryHigh, true);
    EXPECT_EQ(Shown(), (Rows{{"Ann Smith", "Bob Smith", "High"}}));
    // Two men: the partner of a man stands in the "Female" column; its own
    // row opposite "NONE" repeats that name (case ignored) and is left out.
    Family* jones = MakeFamily("jones");
    Sim* cy = Make(jones, "Cy", true);
    Sim* al = Make(jones, "al", true);
    Make(jones, "Al", true);
    Chem(cy, al, kChemistryMedium);
    EXPECT_EQ(Shown(), (Rows{{"Ann Smith", "Bob Smith", "High"}, {"al jones", "Cy jones", "Medium"}}));
}

TEST_F(ChemMatchingTest, AcceptingFreesBothFormerPartnersAndMatchesTheTwo) {
    Sim* ann = Make(smith, "Ann", false, kLifeStageAdult);
    Sim* bob = Make(smith, "Bob", true, kLifeStageAdult);
    Sim* xav = Make(smith, "Xav", true, kLifeStageAdult);
    Sim* yva = Make(smith, "Yva", false, kLifeStageAdult);
    Partners(ann, xav, kStatusMarried);
    Partners(bob, yva, kStatusCommitted);
    ASSERT_TRUE(AcceptMatchResult(reg, {ann->id, bob->id, kChemistryHigh}));
    for (const Sim* freed : {xav, yva}) {
        EXPECT_EQ(freed->status, kStatusSingle);
        EXPECT_EQ(freed->partnerId, -1);
    }
    EXPECT_EQ(ann->status, kStatusMatchedUp);
    EXPECT_EQ(bob->status, kStatusMatchedUp);
    EXPECT_EQ(ann->partnerId, bob->id);
    EXPECT_EQ(bob->partnerId, ann->id);
}

TEST_F(ChemMatchingTest, AcceptingLeavesAThirdPairAloneWhenALinkWasOneSided) {
    Sim* ann = Make(smith, "Ann", false);
    Sim* bob = Make(smith, "Bob", true);
    Sim* cy = Make(smith, "Cy", true);
    Sim* di = Make(smith, "Di", false);
    Partners(cy, di, kStatusCommitted);
    bob->partnerId = di->id;  // one-sided: Di is Cy's
    ASSERT_TRUE(AcceptMatchResult(reg, {ann->id, bob->id, 0}));
    EXPECT_EQ(di->partnerId, cy->id);
    EXPECT_EQ(cy->partnerId, di->id);
    EXPECT_EQ(di->status, kStatusCommitted);
}

TEST_F(ChemMatchingTest, AProposalWhosePartnerIsGoneChangesNothing) {
    Sim* ann = Make(smith, "Ann", false);
    Sim* bob = Make(smith, "Bob", true);
    Sim* xav = Make(smith, "Xav", true);
    Partners(ann, xav, kStatusCommitted);
    ann->AddChemistry(reg, bob->id, kChemistryHigh, true);
    const std::vector<MatchResult> results = GenerateMatchResults(reg, {2, false, false, false, true});
    ASSERT_EQ(results[0].partnerId, bob->id);
    ASSERT_TRUE(reg.RemoveSim(bob));
    EXPECT_FALSE(IsValidMatch(reg, results[0]));
    EXPECT_FALSE(AcceptMatchResult(reg, results[0]));
    EXPECT_EQ(ann->status, kStatusCommitted);
    EXPECT_EQ(ann->partnerId, xav->id);
    EXPECT_EQ(xav->partnerId, ann->id);
    EXPECT_FALSE(AcceptMatchResult(reg, {ann->id, -1, -1}));
}

}  // namespace
