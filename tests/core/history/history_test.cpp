#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "editing/LoveRules.h"
#include "history/NeighborhoodHistory.h"
#include "model/Vocabulary.h"
#include "moves/HouseholdMoves.h"
#include "storage/NeighborhoodFixture.h"

namespace {

std::string ExamplePath() {
    const char* root = std::getenv("NESTREL_SOURCE_DIR");
    return std::string(root ? root : ".") + "/resources/Data/Example.NBD";
}

/// Everything a step could change: the file's bytes, the description of every
/// record, the order of the all-Sims list (which decides who a lookup finds
/// first) and the family friends the file does not hold.
std::string State(Hood& hood) {
    std::string state = hood.file.WriteToText();
    state += "\n--\n" + hood.Describe();
    state += "\n-- all Sims:";
    for (const Sim* sim : hood.registry.allSims) state += " " + std::to_string(sim->id);
    state += "\n-- families:";
    for (const Family* family : hood.registry.families) {
        state += " " + std::to_string(family->id) + "[" + std::to_string(family->memberCount) + "/" +
                 std::to_string(family->friendCount) + ":";
        for (size_t i = 0; i < family->friendIds.size(); ++i)
            state += " " + std::to_string(family->friendIds[i]) + "x" + std::to_string(family->friendCounts[i]);
        state += "]";
    }
    return state;
}

Sim* Named(Hood& hood, const std::string& fullName) {
    Sim* sim = hood.registry.FindSimByName(fullName);
    EXPECT_NE(sim, nullptr) << fullName;
    return sim;
}

struct StepCase {
    const char* name;
    std::function<void(Hood&)> change;
};

class HistoryStepsTest : public testing::TestWithParam<StepCase> {};

// Every kind of change, undone and redone, gives back exactly the state before
// and after it, links on both sides included.
TEST_P(HistoryStepsTest, UndoAndRedoRestoreExactState) {
    Hood hood;
    ASSERT_TRUE(hood.file.ReadFile(ExamplePath()));
    NeighborhoodHistory history(hood.registry);
    const std::string before = State(hood);

    history.Begin(GetParam().name);
    GetParam().change(hood);
    ASSERT_TRUE(history.End()) << "the step changed nothing";
    const std::string after = State(hood);
    ASSERT_NE(before, after);
    EXPECT_EQ(history.UndoName(), GetParam().name);

    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(State(hood), before);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.RedoName(), GetParam().name);
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(State(hood), after);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(State(hood), before);
    // Lookups by name and id agree with the records put back.
    for (const Sim* sim : hood.registry.allSims) {
        EXPECT_EQ(hood.registry.FindSim(sim->id), sim);
        EXPECT_EQ(hood.registry.FindSimByName(sim->FullName()), sim) << sim->FullName();
    }
}

const StepCase kSteps[] = {
    {"Edit Sim", [](Hood& h) {
         Sim* lily = Named(h, "Lily Hartwell");
         h.registry.Touch(lily);
         lily->aspiration = (lily->aspiration + 1) % 7;
         lily->career.careerText = "Changed";
         lily->townie = !lily->townie;
         h.registry.RenameSim(*lily, "Lilian");
     }},
    {"Marry a married Sim", [](Hood& h) {
         Sim* sim = Named(h, "Lily Hartwell");
         Sim* married = nullptr;
         for (Sim* other : h.registry.allSims)
             if (other->partnerId != -1 && other != sim && other->partnerId != sim->id) married = other;
         ASSERT_NE(married, nullptr);
         sim->SetPartner(h.registry, kStatusMarried, married->id);
     }},
    {"Friends and chemistry", [](Hood& h) {
         Sim* lily = Named(h, "Lily Hartwell");
         Sim* last = nullptr;
         for (Sim* other : h.registry.allSims) last = other;
         lily->AddFriend(h.registry, last->id, true);
         lily->AddChemistry(h.registry, last->id, 2, true);
         lily->ClearChemistry(h.registry);
     }},
    {"Delete Sim", [](Hood& h) { ASSERT_TRUE(h.registry.RemoveSim(Named(h, "Edna Hartwell"))); }},
    {"Delete a Sim others hold one-sided links to", [](Hood& h) {
         Sim* edna = Named(h, "Edna Hartwell");
         Sim* lily = Named(h, "Lily Hartwell");
         lily->AddFriend(h.registry, edna->id, false);
         lily->AddChemistry(h.registry, edna->id, 2, false);
         const int32_t ednaId = edna->id;
         ASSERT_TRUE(h.registry.RemoveSim(edna));
         ASSERT_FALSE(lily->HasFriend(ednaId));
     }},
    {"Delete several Sims", [](Hood& h) {
         std::vector<Sim*> doomed;
         int n = 0;
         for (Sim* sim : h.registry.allSims)
             if (n++ % 3 == 0) doomed.push_back(sim);
         for (Sim* sim : doomed) ASSERT_TRUE(h.registry.RemoveSim(sim));
     }},
    {"Delete Family", [](Hood& h) { h.registry.RemoveFamilyWithMembers(h.registry.families.Front()); }},
    {"Add Family", [](Hood& h) {
         Family* family = h.AddFamily("Newcomer");
         Sim* ann = h.AddSim(family, "Ann");
         h.AddSim(family, "Bob", 64, true);
         ann->AddFriend(h.registry, Named(h, "Lily Hartwell")->id, true);
         ann->SetPartner(h.registry, kStatusMarried, Named(h, "Lily Hartwell")->partnerId);
     }},
    {"Move Out", [](Hood& h) {
         Family* from = Named(h, "Lily Hartwell")->family;
         std::vector<int32_t> ids{Named(h, "Lily Hartwell")->id};
         ASSERT_NE(MoveOut(h.registry, *from, ids, "Elsewhere"), nullptr);
     }},
    {"Transfer Sim", [](Hood& h) {
         Sim* lily = Named(h, "Lily Hartwell");
         Family* to = nullptr;
         for (Family* family : h.registry.families)
             if (family != lily->family && TransferProblem(*lily, *family).empty()) to = family;
         ASSERT_NE(to, nullptr);
         ASSERT_TRUE(TransferSim(h.registry, *lily, *to));
     }},
    {"Move out, then transfer the last member", [](Hood& h) {
         Sim* lily = Named(h, "Lily Hartwell");
         Family* home = lily->family;
         std::vector<int32_t> ids{lily->id};
         Family* solo = MoveOut(h.registry, *home, ids, "Solo");
         ASSERT_NE(solo, nullptr);
         Family* to = nullptr;
         for (Family* family : h.registry.families)
             if (family != home && family != solo && TransferProblem(*lily, *family).empty()) to = family;
         ASSERT_NE(to, nullptr);
         ASSERT_TRUE(TransferSim(h.registry, *lily, *to));
         ASSERT_FALSE(h.registry.families.Contains(solo));
     }},
    {"Rename, evict and sort", [](Hood& h) {
         Family* family = Named(h, "Lily Hartwell")->family;
         h.registry.RenameFamily(*family, "Aardvark");
         h.registry.SetHomeless(family, true);
         h.registry.SortAndIndex();
         h.registry.RecountAllFamilies();
     }},
    {"Parents", [](Hood& h) {
         Sim* lily = Named(h, "Lily Hartwell");
         h.registry.Touch(lily);
         lily->mom.SetName("Someone Else");
         lily->dad.SetSim(h.registry.allSims.Front()->id);
     }},
};

INSTANTIATE_TEST_SUITE_P(EveryKind, HistoryStepsTest, testing::ValuesIn(kSteps),
                         [](const testing::TestParamInfo<StepCase>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             return name;
                         });

TEST(HistoryTest, AStepThatChangesNothingIsNotKept) {
    Hood hood;
    ASSERT_TRUE(hood.file.ReadFile(ExamplePath()));
    NeighborhoodHistory history(hood.registry);
    history.Begin("Look");
    Sim* lily = Named(hood, "Lily Hartwell");
    hood.registry.Touch(lily);
    lily->aspiration += 1;
    lily->aspiration -= 1;  // changed and changed back
    lily->family->RecountFriends(hood.registry);
    EXPECT_FALSE(history.End());
    EXPECT_FALSE(history.CanUndo());
}

TEST(HistoryTest, NestedStepsAreOneStepNamedByTheOutermost) {
    Hood hood;
    ASSERT_TRUE(hood.file.ReadFile(ExamplePath()));
    NeighborhoodHistory history(hood.registry);
    const std::string before = State(hood);
    {
        HistoryStep outer(&history, "Edit Family");
        HistoryStep inner(&history, "Edit Sim");
        hood.registry.RemoveSim(Named(hood, "Lily Hartwell"));
        EXPECT_FALSE(inner.Finish());
        hood.registry.RemoveSim(Named(hood, "Edna Hartwell"));
    }
    EXPECT_EQ(history.StepCount(), 1u);
    EXPECT_EQ(history.UndoName(), "Edit Family");
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(State(hood), before);
}

TEST(HistoryTest, KeepsTheNewestStepsUpToItsLimit) {
    Hood hood;
    Family* family = hood.AddFamily("Limit");
    Sim* sim = hood.AddSim(family, "Ann");
    NeighborhoodHistory history(hood.registry, 100);
    for (int i = 1; i <= 105; ++i) {
        HistoryStep step(&history, "Step " + std::to_string(i));
        hood.registry.Touch(sim);
        sim->aspiration = i;
    }
    EXPECT_EQ(history.StepCount(), 100u);
    int undone = 0;
    while (history.Undo()) ++undone;
    EXPECT_EQ(undone, 100);
    // The five oldest steps are gone: the value before step 6 is what is left.
    EXPECT_EQ(sim->aspiration, 5);
    EXPECT_EQ(history.RedoName(), "Step 6");
}

TEST(HistoryTest, TheSavedStateIsKnownAcrossUndoAndRedo) {
    Hood hood;
    Family* family = hood.AddFamily("Saved");
    Sim* sim = hood.AddSim(family, "Ann");
    NeighborhoodHistory history(hood.registry);
    auto step = [&](int value) {
        HistoryStep s(&history, "Set");
        hood.registry.Touch(sim);
        sim->degree = value;
    };
    EXPECT_TRUE(history.IsAtSavedState());
    step(1);
    EXPECT_FALSE(history.IsAtSavedState());
    history.MarkSaved();
    step(2);
    EXPECT_FALSE(history.IsAtSavedState());
    history.Undo();
    EXPECT_TRUE(history.IsAtSavedState());
    history.Undo();
    EXPECT_FALSE(history.IsAtSavedState());
    history.Redo();
    EXPECT_TRUE(history.IsAtSavedState());
    // A new step after undoing past the save makes the saved state unreachable.
    history.Undo();
    step(3);
    EXPECT_FALSE(history.IsAtSavedState());
    history.Undo();
    EXPECT_FALSE(history.IsAtSavedState());
    // Clearing starts afresh from a state that counts as saved.
    history.Clear();
    EXPECT_TRUE(history.IsAtSavedState());
    EXPECT_FALSE(history.CanUndo());
}

// ---- Long random sequences ------------------------------------------------------

/// Every partner, friend and chemistry link two-sided, no id dangling, every
/// Sim in the family it names.
void ExpectConsistent(const SimRegistry& registry, const std::string& where) {
    for (const Sim* sim : registry.allSims) {
        ASSERT_NE(sim->family, nullptr) << where;
        ASSERT_TRUE(sim->family->members.Contains(sim)) << where;
        if (sim->partnerId != -1) {
            const Sim* partner = registry.FindSim(sim->partnerId);
            ASSERT_NE(partner, nullptr) << where << ": " << sim->FullName();
            ASSERT_EQ(partner->partnerId, sim->id) << where << ": " << sim->FullName();
        }
        for (int32_t id : sim->friendIds) {
            const Sim* other = registry.FindSim(id);
            ASSERT_NE(other, nullptr) << where;
            ASSERT_TRUE(other->HasFriend(sim->id)) << where;
        }
        for (const ChemistryEntry& entry : sim->chemistry) {
            const Sim* other = registry.FindSim(entry.simId);
            ASSERT_NE(other, nullptr) << where;
            ASSERT_TRUE(other->chemistry.Contains(sim->id)) << where;
        }
        if (sim->mom.isSim) ASSERT_NE(registry.FindSim(sim->mom.simId), nullptr) << where;
    }
    for (const Family* family : registry.families)
        for (const Sim* member : family->members) ASSERT_EQ(member->family, family) << where;
}

/// One random change of the kinds the program makes, as one step.
void RandomChange(Hood& hood, std::mt19937& rng, int serial) {
    SimRegistry& reg = hood.registry;
    std::vector<Sim*> sims(reg.allSims.begin(), reg.allSims.end());
    std::vector<Family*> families(reg.families.begin(), reg.families.end());
    auto pick = [&rng](auto& items) { return items[std::uniform_int_distribution<size_t>(0, items.size() - 1)(rng)]; };
    const int kind = std::uniform_int_distribution<int>(0, 9)(rng);
    if (sims.size() < 4 || kind == 0) {
        Family* family = hood.AddFamily("Fam" + std::to_string(serial));
        for (int i = 0; i < 3; ++i) hood.AddSim(family, "M" + std::to_string(i), 1 << (serial % 12), i % 2 == 0);
        return;
    }
    Sim* a = pick(sims);
    Sim* b = pick(sims);
    switch (kind) {
        case 1: ApplyMatch(reg, *a, b == a ? kStatusSingle : kStatusMarried, b == a ? -1 : b->id); break;
        case 2: if (a != b) a->AddFriend(reg, b->id, true); break;
        case 3: if (a != b) a->AddChemistry(reg, b->id, serial % 3, true); break;
        case 4: reg.RemoveSim(a); break;
        case 5: {
            std::vector<int32_t> ids{a->id};
            if (a->family->members.Count() > 1) MoveOut(reg, *a->family, ids, "Out" + std::to_string(serial));
            break;
        }
        case 6: TransferSim(reg, *a, *pick(families)); break;
        case 7:
            reg.Touch(a);
            a->mom.SetSim(b->id);
            a->career.careerText = std::to_string(serial);
            break;
        case 8: a->Detach(reg); break;
        default:
            if (families.size() > 2) reg.RemoveFamilyWithMembers(pick(families));
            reg.SortAndIndex();
            break;
    }
}

TEST(HistoryRandomTest, LongRandomSequencesUndoAndRedoExactly) {
    for (unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 rng(seed);
        Hood hood;
        for (int f = 0; f < 6; ++f) {
            Family* family = hood.AddFamily("Start" + std::to_string(f));
            for (int m = 0; m < 4; ++m) hood.AddSim(family, "S" + std::to_string(m), 1 << m, m % 2 == 1);
        }
        NeighborhoodHistory history(hood.registry, 1000);
        const std::string original = State(hood);
        // The states reached, as the history should give them back.
        std::vector<std::string> states{original};
        size_t at = 0;
        for (int i = 0; i < 300; ++i) {
            const int action = std::uniform_int_distribution<int>(0, 9)(rng);
            const std::string where = "seed " + std::to_string(seed) + " action " + std::to_string(i);
            if (action < 2 && history.CanUndo()) {
                ASSERT_TRUE(history.Undo());
                --at;
                ASSERT_EQ(State(hood), states[at]) << where << " undo";
            } else if (action < 4 && history.CanRedo()) {
                ASSERT_TRUE(history.Redo());
                ++at;
                ASSERT_EQ(State(hood), states[at]) << where << " redo";
            } else {
                history.Begin("Random");
                RandomChange(hood, rng, i);
                if (history.End()) {
                    states.resize(at + 1);
                    states.push_back(State(hood));
                    ++at;
                } else {
                    ASSERT_EQ(State(hood), states[at]) << where << " a step said to change nothing";
                }
            }
            ExpectConsistent(hood.registry, where);
            if (i % 25 == 0) {
                // The file reads back to the same neighborhood.
                Hood copy;
                ASSERT_TRUE(copy.file.ReadFromText(hood.file.WriteToText()) || hood.registry.IsEmpty());
                EXPECT_EQ(copy.Describe(true), hood.Describe(true)) << where;
            }
        }
        while (history.Undo()) {
        }
        EXPECT_EQ(State(hood), original) << "seed " << seed;
    }
}

}  // namespace
