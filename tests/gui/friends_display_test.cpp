// The friend views of the display list (current friends, possible friends, chemistry
// Sims) from the menu and the buttons, and the likes/dislikes chart.
#include <wx/button.h>

#include "lists_support.h"
#include "common/FontScale.h"
#include "social/LikesChartDlg.h"
#include "support/FrameFixture.h"

namespace {

using namespace lists_test;

// Leo likes Saggitarius and Cancer. Lea is a Leo; the neighborhood also holds a
// Saggitarius (Sam, already her friend), a Cancer in a homeless family (Cy), a second
// Cancer (Cat, her chemistry partner), a Virgo (Vic) and a Sim without a sign (Nob).
class FriendsTest : public FrameTest {
protected:
    NestrelFrame& Build() {
        NestrelFrame& frame = BuildFrame();
        SimRegistry& registry = frame.Registry();
        Family* lion = AddFamily(registry, "Lion");
        lea_ = AddMember(registry, lion, "Lea", kLeo, false);
        Family* others = AddFamily(registry, "Other");
        AddMember(registry, AddFamily(registry, "Street", true), "Cy", kCancer, true);
        sam_ = AddMember(registry, others, "Sam", kSaggitarius, true);
        Sim* vic = AddMember(registry, others, "Vic", kVirgo, true);
        cat_ = AddMember(registry, others, "Cat", kCancer, false);
        nob_ = AddMember(registry, others, "Nob", 0, true);
        lea_->AddFriend(registry, sam_->id, true);
        lea_->AddFriend(registry, vic->id, true);
        lea_->AddChemistry(registry, cat_->id, 1, true);
        frame.RefreshFamilies();
        ChooseFamily(frame, "Lion");
        return frame;
    }
    Sim *lea_ = nullptr, *sam_ = nullptr, *cat_ = nullptr, *nob_ = nullptr;
};

TEST_F(FriendsTest, PossibleFriendsAreTheSignsTheSimLikesInNeighborhoodOrder) {
    NestrelFrame& frame = Build();
    Press(frame, ID_POSSIBLE_FRIENDS);
    const std::vector<ShownRow> rows = Shown(frame);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "Cy Street (Cancer)");
    EXPECT_EQ(rows[0].isFriend, "No");
    EXPECT_EQ(rows[0].available, "**");
    EXPECT_EQ(rows[1].name, "Sam Other (Saggitarius)");
    EXPECT_EQ(rows[1].isFriend, "Yes");  // already a friend
    EXPECT_EQ(rows[2].name, "Cat Other (Cancer)");
    EXPECT_EQ(rows[2].isFriend, "No");
    EXPECT_EQ(DisplayLabel(frame), "Possible Friends (Left Sim likes):");
    EXPECT_EQ(StatusField(0), "Ready");
    EXPECT_EQ(frame.CurrentDisplayMode(), DisplayMode::PossibleFriends);
}

TEST_F(FriendsTest, ASimWithoutASignHasNoPossibleFriends) {
    NestrelFrame& frame = Build();
    ChooseFamily(frame, "Other");
    ChooseSim(frame, "Nob");
    frame.ProcessCommand(ID_POSSIBLE_FRIENDS);
    EXPECT_EQ(ShownNames(frame), std::vector<std::string>{"No friends found"});
}

// Each view from its menu item and from its button sets its label and its rows.
TEST_F(FriendsTest, EachViewSetsItsLabelFromMenuAndButton) {
    struct Case {
        int id;
        const char* label;
        std::vector<std::string> names;
    } cases[] = {
        {ID_SHOW_FRIENDS, "Current Friends:", {"Sam Other (Saggitarius)", "Vic Other (Virgo)"}},
        {ID_CHEMISTRY_SIMS, "Chemistry Sims:", {"Cat Other (Cancer)"}},
        {ID_POSSIBLE_FRIENDS, "Possible Friends (Left Sim likes):",
         {"Cy Street (Cancer)", "Sam Other (Saggitarius)", "Cat Other (Cancer)"}},
    };
    NestrelFrame& frame = Build();
    for (bool fromMenu : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.label << (fromMenu ? " menu" : " button"));
            frame.ClearDisplayList();
            if (fromMenu)
                EXPECT_TRUE(frame.ProcessCommand(c.id));
            else
                Press(frame, c.id);
            EXPECT_EQ(DisplayLabel(frame), c.label);
            EXPECT_EQ(ShownNames(frame), c.names);
        }
    }
    // Every current friend is a friend; chemistry Sims are asked about.
    frame.ProcessCommand(ID_SHOW_FRIENDS);
    for (const ShownRow& row : Shown(frame)) EXPECT_EQ(row.isFriend, "Yes");
    frame.ProcessCommand(ID_CHEMISTRY_SIMS);
    EXPECT_EQ(Shown(frame)[0].isFriend, "No");
}

TEST_F(FriendsTest, WithoutASelectedSimEveryViewOnlyTellsTheUser) {
    NestrelFrame& frame = Build();
    frame.ProcessCommand(ID_SHOW_FRIENDS);
    const std::vector<std::string> before = ShownNames(frame);
    SimBox(frame)->SetSelection(wxNOT_FOUND);
    for (int id : {ID_SHOW_FRIENDS, ID_POSSIBLE_FRIENDS, ID_CHEMISTRY_SIMS}) {
        SCOPED_TRACE(id);
        wxTEST_DIALOG(frame.ProcessCommand(id),
                      ExpectMessageBox(wxID_OK, "Please select an item from the Members List.", "Message"));
        EXPECT_EQ(ShownNames(frame), before);
        EXPECT_EQ(DisplayLabel(frame), "Current Friends:");
    }
}

TEST_F(FriendsTest, RefreshRunsTheCurrentViewAgain) {
    NestrelFrame& frame = Build();
    frame.ProcessCommand(ID_CHEMISTRY_SIMS);
    lea_->AddChemistry(frame.Registry(), nob_->id, 2, true);
    frame.ProcessCommand(ID_REFRESH);
    EXPECT_EQ(DisplayLabel(frame), "Chemistry Sims:");
    EXPECT_EQ(ShownNames(frame), (std::vector<std::string>{"Cat Other (Cancer)", "Nob Other ()"}));

    // Choosing another Sim shows the same view for it.
    ChooseFamily(frame, "Other");
    ChooseSim(frame, "Cat");
    EXPECT_EQ(ShownNames(frame), std::vector<std::string>{"Lea Lion (Leo)"});
}

TEST_F(FriendsTest, DeletingAListedSimLeavesNoRowForIt) {
    NestrelFrame& frame = Build();
    frame.ProcessCommand(ID_SHOW_FRIENDS);
    ChooseFamily(frame, "Other");
    ChooseSim(frame, "Sam");
    wxTEST_DIALOG(frame.ProcessCommand(ID_DELETE_SIM), ExpectMessageBox(wxID_YES));
    ChooseFamily(frame, "Lion");
    EXPECT_EQ(ShownNames(frame), std::vector<std::string>{"Vic Other (Virgo)"});
}

// The chart dialog as it opens: its size, list, twelve rows and OK button.
class ExpectChart : public wxExpectModalBase<LikesChartDlg, ExpectChart> {
protected:
    int OnInvoked(LikesChartDlg* dlg) const override {
        EXPECT_EQ(Utf8(dlg->GetTitle()), "Likes/Dislikes Chart");
        // At least the size laid out for the reference font, grown with the font in use.
        EXPECT_GE(dlg->GetSize().x, FontScaledWidth(dlg, 330));
        EXPECT_GE(dlg->GetSize().y, FontScaledHeight(dlg, 305));
        EXPECT_TRUE(dlg->HasFlag(wxCLOSE_BOX) && dlg->HasFlag(wxCAPTION) && dlg->HasFlag(wxSYSTEM_MENU));
        wxListCtrl* list = dlg->ChartList();
        EXPECT_EQ(list->GetPosition(), wxPoint(FontScaledWidth(dlg, 10), FontScaledWidth(dlg, 10)));
        EXPECT_GE(list->GetSize().x, FontScaledWidth(dlg, 300));
        EXPECT_GE(list->GetSize().y, FontScaledHeight(dlg, 220));
        EXPECT_TRUE(list->InReportView() && list->HasFlag(wxLC_HRULES) && list->HasFlag(wxLC_VRULES));
        const char* headings[] = {"Sign", "Likes", "Dislikes"};
        EXPECT_EQ(list->GetColumnCount(), 3);
        for (int c = 0; c < 3; ++c) {
            wxListItem column;
            column.SetMask(wxLIST_MASK_TEXT);
            list->GetColumn(c, column);
            EXPECT_EQ(Utf8(column.GetText()), headings[c]);
        }
        const char* signs[] = {"Aquarius", "Aries", "Cancer", "Capricorn", "Gemini", "Libra",
                               "Leo", "Pisces", "Saggitarius", "Scorpio", "Taurus", "Virgo"};
        EXPECT_EQ(list->GetItemCount(), 12);
        for (long i = 0; i < list->GetItemCount() && i < 12; ++i) {
            EXPECT_EQ(Utf8(list->GetItemText(i, 0)), signs[i]);
            EXPECT_EQ(static_cast<long>(list->GetItemData(i)), i);
        }
        EXPECT_EQ(Utf8(list->GetItemText(0, 1)), "Capricorn, Saggitarius");
        EXPECT_EQ(Utf8(list->GetItemText(0, 2)), "Scorpio, Virgo");
        EXPECT_EQ(Utf8(list->GetItemText(6, 1)), "Saggitarius, Cancer");
        // The sign columns are wide enough for their texts.
        EXPECT_GE(list->GetColumnWidth(1), list->GetTextExtent("Capricorn, Saggitarius").x);

        auto* ok = dynamic_cast<wxButton*>(dlg->FindWindow(wxID_OK));
        EXPECT_NE(ok, nullptr);
        if (ok != nullptr) {
            EXPECT_EQ(Utf8(ok->GetLabel()), "&Ok");
            // Below the list, in the middle.
            EXPECT_GT(ok->GetPosition().y, list->GetRect().GetBottom());
            EXPECT_NEAR(ok->GetRect().x + ok->GetRect().width / 2, dlg->GetClientSize().x / 2, 2);
        }
        return wxID_OK;
    }
};

TEST_F(FriendsTest, ChartListsTheTwelveSignsWithTheirLikesAndDislikes) {
    NestrelFrame& frame = BuildFrame();
    wxTEST_DIALOG(EXPECT_TRUE(frame.ProcessCommand(ID_LIKES_CHART)), ExpectChart());
    PumpEvents();
    // The dialog is gone once it closed.
    for (wxWindow* child : frame.GetChildren()) EXPECT_EQ(dynamic_cast<LikesChartDlg*>(child), nullptr);
}

}  // namespace
