// The set-up dialog's rules: its tree rows, candidate lists, filters, applying parents
// and the family data report.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/FileIO.h"
#include "familytree/TreeSetupRules.h"
#include "familytree/TreeFixture.h"
#include "model/Vocabulary.h"

namespace {

class SetupTest : public TreeTest {
protected:
    Sim* Adult(Family* f, const std::string& first, bool male) {
        Sim* sim = MakeSim(f, first, 64, male);
        sim->career.lifeStage = kLifeStageAdult;
        return sim;
    }
    Sim* Child(Family* f, const std::string& first) {
        Sim* sim = MakeSim(f, first);
        sim->career.lifeStage = kLifeStageChild;
        return sim;
    }
    static std::vector<std::string> Names(const std::vector<ParentCandidate>& list) {
        std::vector<std::string> out;
        for (const ParentCandidate& c : list) out.push_back(c.sortName);
        return out;
    }
};

TEST_F(SetupTest, SimilarNamesTakeTheNameAndItsTwoShorterForms) {
    struct Case {
        const char* name;
        const char* current;
        bool similar;
    } cases[] = {
        {"Smithson", "Smith", true}, {"Smit", "Smith", true}, {"Smi", "Smith", true},
        {"Sm", "Smith", false},      {"SMITHY", "smith", true}, {"Jones", "Smith", false},
        {"Anything", "S", true},     {"Anything", "", true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsSimilarFamilyName(c.name, c.current), c.similar) << c.name << "/" << c.current;
}

TEST_F(SetupTest, CandidatesFollowTheFilters) {
    Family* smith = MakeFamily("Smith");
    Adult(smith, "Sue", false);
    Adult(smith, "Sam", true);
    Child(smith, "Tim");
    Family* smithson = MakeFamily("Smithson");
    Adult(smithson, "Ann", false);
    Family* sm = MakeFamily("Sm");
    Adult(sm, "Bea", false);
    Family* mason = MakeFamily("Mason");
    Adult(mason, "Max", true);
    reg.SortAndIndex();

    EXPECT_EQ(Names(SetupCandidates(reg, nullptr, {}).mothers),
              (std::vector<std::string>{"Sm, Bea", "Smith, Sue", "Smithson, Ann"}));
    EXPECT_EQ(Names(SetupCandidates(reg, nullptr, {}).fathers), (std::vector<std::string>{"Mason, Max", "Smith, Sam"}));
    CandidateFilter similar;
    similar.similarNames = true;
    EXPECT_TRUE(SetupCandidates(reg, nullptr, similar).mothers.empty());
    EXPECT_EQ(Names(SetupCandidates(reg, smith, similar).mothers),
              (std::vector<std::string>{"Smith, Sue", "Smithson, Ann"}));
    CandidateFilter immediate;
    immediate.immediateFamily = true;
    EXPECT_EQ(Names(SetupCandidates(reg, smith, immediate).mothers), (std::vector<std::string>{"Smith, Sue"}));
    EXPECT_TRUE(SetupCandidates(reg, nullptr, immediate).fathers.empty());
    CandidateFilter text;
    text.matchText = "SON";
    text.similarNames = true;  // ignored while there is a text
    EXPECT_EQ(Names(SetupCandidates(reg, nullptr, text).fathers), (std::vector<std::string>{"Mason, Max"}));
    EXPECT_EQ(Names(SetupCandidates(reg, nullptr, text).mothers), (std::vector<std::string>{"Smithson, Ann"}));
}

TEST_F(SetupTest, TreeRowsHideTownieFamiliesAndCompletedSims) {
    Family* lee = MakeFamily("Lee");
    Sim* ann = Adult(lee, "Ann", false);
    Sim* kid = Child(lee, "Kid");
    Family* town = MakeFamily("Town");
    Adult(town, "Tom", true)->townie = true;
    Family* done = MakeFamily("Done");
    Child(done, "Dot")->mom.SetName("Someone");
    kid->mom.SetSim(ann->id);
    reg.SortAndIndex();
    std::vector<SetupFamilyRow> all = SetupTreeRows(reg, false);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].name, "Done");
    EXPECT_EQ(all[1].name, "Lee");
    EXPECT_EQ(all[1].members.size(), 2u);
    std::vector<SetupFamilyRow> open = SetupTreeRows(reg, true);
    ASSERT_EQ(open.size(), 1u);
    ASSERT_EQ(open[0].members.size(), 1u);
    EXPECT_EQ(open[0].members[0].fullName, "Ann Lee");
}

TEST_F(SetupTest, SetRangeGivesEverySiblingTheSameParentsButNoneIsItsOwnParent) {
    Family* lee = MakeFamily("Lee");
    Sim* mom = Adult(lee, "Mom", false);
    Sim* a = Child(lee, "A");
    Sim* b = Child(lee, "B");
    Sim* c = Child(lee, "C");
    b->dad.SetName("Old Dad");
    ParentChoice mother{true, "Mom Lee", mom->id};
    ParentChoice father{true, "Bert", -1};
    std::vector<std::string> refused;
    EXPECT_EQ(ApplyParents(reg, {a->id, b->id, c->id, mom->id}, mother, father, &refused), 4);
    for (Sim* s : {a, b, c}) {
        EXPECT_TRUE(s->mom.isSim);
        EXPECT_EQ(s->mom.simId, mom->id);
        EXPECT_EQ(s->dad.DisplayName(reg), "Bert");
        EXPECT_EQ(s->dad.simId, -1);
    }
    // Mom keeps her own mother; her father is set.
    EXPECT_EQ(mom->mom.simId, -1);
    EXPECT_EQ(mom->dad.DisplayName(reg), "Bert");
    EXPECT_EQ(refused, (std::vector<std::string>{"Mom Lee"}));
    // "None" on a side leaves it alone.
    ApplyParents(reg, {a->id}, ParentChoice{}, ParentChoice{true, "Carl", -1});
    EXPECT_EQ(a->mom.simId, mom->id);
    EXPECT_EQ(a->dad.DisplayName(reg), "Carl");
}

// A parent who is the Sim's own descendant would close a loop of ancestors: that side
// is refused with the loop named, the other side is still set, and a parent who is no
// descendant (a typed-in name breaks a line) is accepted.
TEST_F(SetupTest, ADescendantIsRefusedAsParentWithTheLoopNamed) {
    Family* lee = MakeFamily("Lee");
    Sim* gran = Adult(lee, "Gran", false);
    Sim* mark = Adult(lee, "Mark", true);
    Sim* dan = Adult(lee, "Dan", true);
    Sim* kid = Adult(lee, "Kid", false);
    mark->mom.SetSim(gran->id);
    dan->dad.SetSim(mark->id);
    kid->dad.SetSim(dan->id);
    struct Case {
        Sim* child;
        Sim* parent;
        std::vector<std::string> loop;
    } cases[] = {
        {mark, dan, {"Mark Lee", "Dan Lee", "Mark Lee"}},
        {gran, kid, {"Gran Lee", "Mark Lee", "Dan Lee", "Kid Lee", "Gran Lee"}},
        {kid, gran, {}},
        {dan, gran, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AncestorLoop(reg, c.child->id, c.parent->id), c.loop) << c.child->FullName();

    std::vector<std::string> refused, loops;
    EXPECT_EQ(ApplyParents(reg, {gran->id}, ParentChoice{true, "Kid Lee", kid->id}, ParentChoice{true, "Dan Lee", dan->id},
                           &refused, &loops),
              0);
    EXPECT_EQ(gran->mom.simId, -1);
    EXPECT_EQ(gran->dad.simId, -1);
    EXPECT_TRUE(refused.empty());
    EXPECT_EQ(loops, (std::vector<std::string>{
                         "Kid Lee cannot be the mother of Gran Lee, who is her ancestor (each the parent of the next: "
                         "Gran Lee > Mark Lee > Dan Lee > Kid Lee > Gran Lee).",
                         "Dan Lee cannot be the father of Gran Lee, who is his ancestor (each the parent of the next: "
                         "Gran Lee > Mark Lee > Dan Lee > Gran Lee)."}));

    // A side without a loop is still set beside a refused one.
    loops.clear();
    EXPECT_EQ(ApplyParents(reg, {mark->id}, ParentChoice{true, "Gran Lee", gran->id},
                           ParentChoice{true, "Dan Lee", dan->id}, &refused, &loops),
              1);
    EXPECT_EQ(mark->mom.simId, gran->id);
    EXPECT_EQ(mark->dad.simId, -1);
    EXPECT_EQ(loops.size(), 1u);

    // A typed-in name between them breaks the line: no loop.
    dan->dad.SetName("Mark Lee");
    EXPECT_TRUE(AncestorLoop(reg, mark->id, kid->id).empty());
    EXPECT_EQ(ApplyParents(reg, {mark->id}, ParentChoice{}, ParentChoice{true, "Kid Lee", kid->id}), 1);
    EXPECT_EQ(mark->dad.simId, kid->id);
}

TEST_F(SetupTest, FamilyDataLinesAndTheirFile) {
    Family* lee = MakeFamily("Lee");
    Sim* mia = Adult(lee, "Mia", false);
    Sim* ann = Child(lee, "Ann");
    ann->mom.SetSim(mia->id);
    ann->dad.SetName("Typed Name");
    Family* abe = MakeFamily("Abe");
    Adult(abe, "Al", true);
    reg.SortAndIndex();
    const std::vector<std::string> expected = {"Al Abe", "Mia Lee", "Ann Lee", "\tmother:Mia Lee", "\tfather:Typed Name"};
    EXPECT_EQ(FamilyDataLines(reg), expected);

    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("nestrel-setup-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = ReportFileName((dir / "family").string());
    EXPECT_EQ(path, (dir / "family.txt").string());
    EXPECT_EQ(ReportFileName("a/b.list"), "a/b.list");
    ASSERT_TRUE(WriteFamilyData(reg, path));
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "Al Abe\nMia Lee\nAnn Lee\n\tmother:Mia Lee\n\tfather:Typed Name\n");
    // A failed write is reported and leaves the old file whole.
    SetWriteFaultHook([](WriteStep step) { return step == WriteStep::Rename; });
    std::string error;
    ann->dad.SetName("Changed");
    EXPECT_FALSE(WriteFamilyData(reg, path, &error));
    SetWriteFaultHook(nullptr);
    EXPECT_FALSE(error.empty());
    std::ifstream again(path);
    std::stringstream old;
    old << again.rdbuf();
    EXPECT_EQ(old.str(), text.str());
    std::filesystem::remove_all(dir);
}

}  // namespace
