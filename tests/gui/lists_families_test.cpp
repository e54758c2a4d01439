// The family and Sim lists of the main window: their rows, selection and the list
// commands that change the neighborhood (delete, refresh) or need a selection (edit).
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "lists_support.h"
#include "support/FrameFixture.h"

namespace {

using namespace lists_test;

class FamilyListTest : public FrameTest {
protected:
    NestrelFrame& Build() {
        NestrelFrame& frame = BuildFrame();
        frame.RefreshFamilies();
        return frame;
    }
};

TEST_F(FamilyListTest, EmptyNeighborhoodShowsNoFamiliesAddedAndKeepsTheDisplayList) {
    NestrelFrame& frame = BuildFrame();
    SimRegistry& registry = frame.Registry();
    Family* goth = AddFamily(registry, "Goth");
    AddMember(registry, goth, "Bella", kLeo, false);
    frame.RefreshFamilies();
    frame.ProcessCommand(ID_SHOW_FRIENDS);
    ASSERT_EQ(ShownNames(frame), std::vector<std::string>{"No friends found"});

    registry.Clear();
    frame.RefreshFamilies();
    EXPECT_EQ(Rows(FamilyBox(frame)), std::vector<std::string>{"No Families Added"});
    EXPECT_EQ(FamilyBox(frame)->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(SimBox(frame)->GetCount(), 0u);
    EXPECT_EQ(ShownNames(frame), std::vector<std::string>{"No friends found"});
}

TEST_F(FamilyListTest, OnlyHomelessFamiliesGiveAnEmptyFamilyList) {
    NestrelFrame& frame = BuildFrame();
    Family* drifters = AddFamily(frame.Registry(), "Drifter", true);
    AddMember(frame.Registry(), drifters, "Dan", kLeo, true);
    frame.RefreshFamilies();
    EXPECT_EQ(FamilyBox(frame)->GetCount(), 0u);
    EXPECT_EQ(SimBox(frame)->GetCount(), 0u);
}

TEST_F(FamilyListTest, LabelsCountFamilyFriendsAndAreSortedWithoutRegardToCase) {
    NestrelFrame& frame = BuildFrame();
    SimRegistry& registry = frame.Registry();
    Family* zeta = AddFamily(registry, "zeta");
    Family* pleasant = AddFamily(registry, "Pleasant");
    Family* alto = AddFamily(registry, "Alto");
    Sim* mary = AddMember(registry, pleasant, "Mary", kLibra, false);
    Sim* daniel = AddMember(registry, pleasant, "Daniel", kLeo, true);
    AddMember(registry, pleasant, "Angela", kVirgo, false);
    // Five Sims outside the family; two of them are friends of two members each.
    std::vector<Sim*> others;
    for (const char* first : {"Ann", "Bob", "Cid", "Dee", "Eve"})
        others.push_back(AddMember(registry, zeta, first, kPisces, true));
    for (Sim* other : others) mary->AddFriend(registry, other->id, true);
    daniel->AddFriend(registry, others[0]->id, true);
    daniel->AddFriend(registry, others[1]->id, true);
    daniel->AddFriend(registry, mary->id, true);  // a member is no family friend
    AddMember(registry, alto, "Al", kAquarius, true);

    frame.RefreshFamilies();
    EXPECT_EQ(Rows(FamilyBox(frame)), (std::vector<std::string>{"Alto (0)", "Pleasant (5)", "zeta (2)"}));
    EXPECT_EQ(FamilyBox(frame)->GetSelection(), 0);

    ChooseFamily(frame, "Pleasant");
    EXPECT_EQ(Rows(SimBox(frame)), (std::vector<std::string>{"Mary Pleasant (Libra)(6)", "Daniel Pleasant (Leo)(3)",
                                                              "Angela Pleasant (Virgo)(0)"}));
    EXPECT_EQ(SimBox(frame)->GetSelection(), 0);
}

TEST_F(FamilyListTest, SelectionSurvivesARefreshAndFallsBackToTheLastRow) {
    NestrelFrame& frame = BuildFrame();
    SimRegistry& registry = frame.Registry();
    std::vector<Sim*> firsts;
    for (const char* name : {"Alpha", "Beta", "Gamma"})
        firsts.push_back(AddMember(registry, AddFamily(registry, name), "Kim", kLeo, true));
    frame.RefreshFamilies();

    Choose(FamilyBox(frame), 1);
    frame.ProcessCommand(ID_REFRESH);
    EXPECT_EQ(FamilyBox(frame)->GetSelection(), 1);
    EXPECT_EQ(Rows(SimBox(frame)), std::vector<std::string>{"Kim Beta (Leo)(0)"});

    Choose(FamilyBox(frame), 2);
    registry.RemoveSim(firsts[2]);  // Gamma goes with its only member
    frame.ProcessCommand(ID_REFRESH);
    EXPECT_EQ(Rows(FamilyBox(frame)), (std::vector<std::string>{"Alpha (0)", "Beta (0)"}));
    EXPECT_EQ(FamilyBox(frame)->GetSelection(), 1);
    EXPECT_EQ(Rows(SimBox(frame)), std::vector<std::string>{"Kim Beta (Leo)(0)"});
}

TEST_F(FamilyListTest, ClicksAndKeysOnTheListsChooseAndOpenRows) {
    // What the list control reports for a click, an arrow key or Enter reaches the
    // window as the list box's selection and double-click events.
    NestrelFrame& frame = BuildFrame();
    SimRegistry& registry = frame.Registry();
    AddMember(registry, AddFamily(registry, "Alpha"), "Ann", kLeo, false);
    AddMember(registry, AddFamily(registry, "Beta"), "Bob", kLeo, true);
    frame.RefreshFamilies();
    ASSERT_EQ(Rows(SimBox(frame)), std::vector<std::string>{"Ann Alpha (Leo)(0)"});

    RowListCtrl* families = FamilyBox(frame);
    families->SetItemState(1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    wxListEvent selected(wxEVT_LIST_ITEM_SELECTED, ID_FAMILY_LIST);
    selected.SetEventObject(families);
    selected.m_itemIndex = 1;
    families->GetEventHandler()->ProcessEvent(selected);
    EXPECT_EQ(families->GetSelection(), 1);
    EXPECT_EQ(Rows(SimBox(frame)), std::vector<std::string>{"Bob Beta (Leo)(0)"});

    // Enter on a row with the selection gone asks for a family first.
    families->SetSelection(wxNOT_FOUND);
    wxTEST_DIALOG(
        {
            wxListEvent activated(wxEVT_LIST_ITEM_ACTIVATED, ID_FAMILY_LIST);
            activated.SetEventObject(families);
            activated.m_itemIndex = 0;
            families->GetEventHandler()->ProcessEvent(activated);
        },
        ExpectMessageBox(wxID_OK, "Please select a family (left list)", "Message"));
}

TEST_F(FamilyListTest, LongRowsCanBeScrolledTo) {
    NestrelFrame& frame = BuildFrame();
    SimRegistry& registry = frame.Registry();
    const std::string longName = "A" + std::string(120, 'W');  // first, so its Sims are shown
    AddMember(registry, AddFamily(registry, longName), "Ann", kLeo, false);
    AddMember(registry, AddFamily(registry, "Short"), "Bo", kLeo, false);
    frame.RefreshFamilies();
    for (RowListCtrl* list : {FamilyBox(frame), SimBox(frame)}) {
        EXPECT_GT(list->GetColumnWidth(0), list->GetClientSize().x);
        EXPECT_GE(list->GetColumnWidth(0), list->GetTextExtent(list->GetString(0)).x);
    }
    // Short rows span the control all the same, as list box rows do.
    registry.Clear();
    AddMember(registry, AddFamily(registry, "Short"), "Bo", kLeo, false);
    frame.RefreshFamilies();
    EXPECT_EQ(FamilyBox(frame)->GetColumnWidth(0), FamilyBox(frame)->GetClientSize().x);
    // and keep doing so when the window grows.
    frame.SetSize(wxSize(900, 600));
    frame.Layout();
    EXPECT_EQ(FamilyBox(frame)->GetColumnWidth(0), FamilyBox(frame)->GetClientSize().x);
}

TEST_F(FamilyListTest, RefreshCommandClearsTheStatusMessage) {
    NestrelFrame& frame = Build();
    frame.ShowStatus("Loading, Please wait...");
    AddMember(frame.Registry(), AddFamily(frame.Registry(), "Late"), "Lou", kLeo, true);
    frame.ProcessCommand(ID_REFRESH);
    EXPECT_EQ(Rows(FamilyBox(frame)), std::vector<std::string>{"Late (0)"});
    EXPECT_EQ(StatusField(0), "");
}

// Deleting the last member of a family: Yes deletes the Sim and with it the family;
// No, or closing the question, leaves everything as it was.
TEST_F(FamilyListTest, DeleteSimAsksAndOnlyYesDeletes) {
    struct Case {
        int answer;
        bool deleted;
    } cases[] = {{wxID_YES, true}, {wxID_NO, false}, {wxID_CANCEL, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        NestrelFrame& frame = BuildFrame();
        SimRegistry& registry = frame.Registry();
        AddMember(registry, AddFamily(registry, "Alone"), "Solo", kLeo, true);
        AddMember(registry, AddFamily(registry, "Crowd"), "Ciro", kLeo, true);
        frame.RefreshFamilies();
        ChooseFamily(frame, "Alone");

        wxTEST_DIALOG(Press(frame, ID_DELETE_SIM),
                      ExpectMessageBox(c.answer, "Are you sure you want to delete Solo Alone?", "Delete Item"));
        EXPECT_EQ(registry.families.Count(), c.deleted ? 1u : 2u);
        EXPECT_EQ(registry.FindSimByName("Solo Alone") == nullptr, c.deleted);
        EXPECT_EQ(frame.IsModified(), c.deleted);
        const std::vector<std::string> expected =
            c.deleted ? std::vector<std::string>{"Crowd (0)"} : std::vector<std::string>{"Alone (0)", "Crowd (0)"};
        EXPECT_EQ(Rows(FamilyBox(frame)), expected);
        if (c.deleted) EXPECT_EQ(StatusField(1), "Current File: Unsaved*");
        frame.Destroy();
        PumpEvents();
    }
}

TEST_F(FamilyListTest, DeleteFromTheMenuKeepsTheOtherMembers) {
    NestrelFrame& frame = BuildFrame();
    SimRegistry& registry = frame.Registry();
    Family* family = AddFamily(registry, "Pair");
    AddMember(registry, family, "Ann", kLeo, false);
    AddMember(registry, family, "Bo", kLeo, true);
    frame.RefreshFamilies();
    ChooseSim(frame, "Bo");
    wxTEST_DIALOG(frame.ProcessCommand(ID_DELETE_SIM),
                  ExpectMessageBox(wxID_YES, "Are you sure you want to delete Bo Pair?"));
    EXPECT_EQ(Rows(FamilyBox(frame)), std::vector<std::string>{"Pair (0)"});
    EXPECT_EQ(Rows(SimBox(frame)), std::vector<std::string>{"Ann Pair (Leo)(0)"});
}

// Deleting a mother in the example neighborhood: the question names the children and
// friends it changes; her children keep her as a typed-in mother, which the saved file
// holds (the checker finds nothing wrong, the chart draws her with "(d)") and a reload
// keeps.
TEST_F(FamilyListTest, DeletedParentStaysATypedInParentThroughSaveAndReload) {
    NestrelFrame& frame = BuildFrame();
    ASSERT_TRUE(frame.LoadFile(SourceDir() + "/resources/Data/Example.NBD"));
    frame.RefreshFamilies();
    ChooseFamily(frame, "Hartwell");
    ChooseSim(frame, "Edna");
    wxTEST_DIALOG(Press(frame, ID_DELETE_SIM),
                  ExpectMessageBox(wxID_YES,
                                   "Are you sure you want to delete Edna Hartwell?\n\n"
                                   "This also changes:\n"
                                   "Children who keep the deleted Sim as a typed-in parent: Walter Hartwell, "
                                   "Eleanor Ashford\n"
                                   "Friends who lose a friend: Agnes Bell, Beatrice Ashford, Ruth Holloway",
                                   "Delete Item"));
    ASSERT_EQ(frame.Registry().FindSimByName("Edna Hartwell"), nullptr);
    const std::string path = root_ / "deleted.NBD";
    ASSERT_TRUE(frame.SaveTo(path));

    auto cli = [&](const std::string& arguments) {
        const std::string out = root_ / "cli.txt";
        const std::string command =
            std::string(NESTREL_CLI) + " --inst '" + installDir_ + "' " + arguments + " > '" + out + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::ifstream in(out);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    };
    EXPECT_EQ(cli("check '" + path + "'"), path + ": no problems found\n");
    const std::string chart = cli("tree '" + path + "' 'Walter Hartwell'");
    EXPECT_NE(chart.find("  Mother: Edna Hartwell(d)\n"), std::string::npos) << chart;

    ASSERT_TRUE(frame.LoadFile(path));
    for (const char* child : {"Walter Hartwell", "Eleanor Ashford"}) {
        const Sim* sim = frame.Registry().FindSimByName(child);
        ASSERT_NE(sim, nullptr) << child;
        EXPECT_FALSE(sim->mom.isSim) << child;
        EXPECT_EQ(sim->mom.DisplayName(frame.Registry()), "Edna Hartwell") << child;
    }
}

TEST_F(FamilyListTest, DeleteWithoutASelectedSimOnlyTellsTheUser) {
    NestrelFrame& frame = BuildFrame();
    Family* family = AddFamily(frame.Registry(), "Kept");
    AddMember(frame.Registry(), family, "Kim", kLeo, true);
    frame.RefreshFamilies();
    SimBox(frame)->SetSelection(wxNOT_FOUND);
    wxTEST_DIALOG(Press(frame, ID_DELETE_SIM),
                  ExpectMessageBox(wxID_OK, "Please select an item from the Members List.", "Message"));
    EXPECT_EQ(frame.Registry().families.Count(), 1u);
    EXPECT_FALSE(frame.IsModified());
}

TEST_F(FamilyListTest, EditFamilyNeedsAUsableFamilyRow) {
    NestrelFrame& frame = Build();  // empty: the only row is "No Families Added"
    wxTEST_DIALOG(frame.ProcessCommand(ID_EDIT_FAMILY),
                  ExpectMessageBox(wxID_OK, "Please select a family (left list)", "Message"));
    wxTEST_DIALOG(DoubleClick(FamilyBox(frame), 0),
                  ExpectMessageBox(wxID_OK, "The Item is invalid. Please select another.", "Message"));
    wxTEST_DIALOG(Press(frame, ID_EDIT_FAMILY),
                  ExpectMessageBox(wxID_OK, "The Item is invalid. Please select another.", "Message"));
}

TEST_F(FamilyListTest, AFamilyRowWhoseFamilyHasGoneIsInvalid) {
    NestrelFrame& frame = BuildFrame();
    SimRegistry& registry = frame.Registry();
    Sim* only = AddMember(registry, AddFamily(registry, "Gone"), "Gil", kLeo, true);
    frame.RefreshFamilies();
    registry.RemoveSim(only);  // the rows are not refreshed yet
    wxTEST_DIALOG(DoubleClick(SimBox(frame), 0),
                  ExpectMessageBox(wxID_OK, "The Item is invalid. Please select another.", "Message"));
    wxTEST_DIALOG(frame.ProcessCommand(ID_SHOW_FRIENDS),
                  ExpectMessageBox(wxID_OK, "The Item is invalid. Please select another.", "Message"));
}

TEST_F(FamilyListTest, NamesStoredInDifferentEncodingsAreShownRightInEveryList) {
    // First and family names in ASCII, UTF-8 and Windows-1252 (as files written on
    // Windows hold them), in every combination.
    const std::pair<const char*, const char*> firsts[] = {
        {"Ann", "Ann"}, {"Zo\xC3\xAB", "Zo\xC3\xAB"}, {"In\xE9s", "In\xC3\xA9s"}};
    const std::pair<const char*, const char*> families[] = {
        {"Lee", "Lee"}, {"Gr\xC3\xB6\xC3\x9F", "Gr\xC3\xB6\xC3\x9F"}, {"Mu\xF1oz", "Mu\xC3\xB1oz"}};
    NestrelFrame& frame = BuildFrame();
    SimRegistry& registry = frame.Registry();
    Sim* kim = AddMember(registry, AddFamily(registry, "Aaron"), "Kim", kLeo, true);
    for (const auto& [familyBytes, familyShown] : families) {
        Family* family = AddFamily(registry, familyBytes);
        for (const auto& [firstBytes, firstShown] : firsts) {
            Sim* sim = AddMember(registry, family, firstBytes, kLeo, false);
            kim->AddFriend(registry, sim->id, true);
        }
    }
    frame.RefreshFamilies();
    for (const auto& [familyBytes, familyShown] : families) {
        SCOPED_TRACE(familyShown);
        ChooseFamily(frame, familyShown);
        std::vector<std::string> expected;
        for (const auto& [firstBytes, firstShown] : firsts)
            expected.push_back(std::string(firstShown) + " " + familyShown + " (Leo)(1)");
        EXPECT_EQ(Rows(SimBox(frame)), expected);
    }
    // The display list shows Kim's friends the same way.
    ChooseFamily(frame, "Aaron");
    ChooseSim(frame, "Kim");
    frame.ProcessCommand(ID_SHOW_FRIENDS);
    std::vector<std::string> shown = ShownNames(frame);
    std::sort(shown.begin(), shown.end());
    std::vector<std::string> expected;
    for (const auto& [familyBytes, familyShown] : families)
        for (const auto& [firstBytes, firstShown] : firsts)
            expected.push_back(std::string(firstShown) + " " + familyShown + " (Leo)");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shown, expected);
}

}  // namespace
