// The editing dialogs change only what the user changed, only on OK, and only
// the Sim the user chose: Cancel of the family dialog and of the Edit Sim
// dialog, an untouched OK, a Sim without a sign, a married Sim made a Child,
// Make Match's filters, and the family dialog's member list.
#include "editing_support.h"
#include "editing/AdvancedPropDlg.h"
#include "lists_support.h"
#include "support/FrameFixture.h"

#include <cstdlib>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>

namespace {

using namespace editing_test;
using namespace lists_test;

// Ann and Bob are the Smiths, Joe and Dee the Joneses; Joe and Dee are married.
class EditingSafetyTest : public FrameTest {
protected:
    Family* smith = nullptr;
    Family* jones = nullptr;
    Sim* ann = nullptr;
    Sim* bob = nullptr;
    Sim* joe = nullptr;
    Sim* dee = nullptr;

    NestrelFrame& Build() {
        NestrelFrame& frame = BuildEmptyFrame();
        SimRegistry& registry = frame.Registry();
        smith = AddFamily(registry, "Smith");
        jones = AddFamily(registry, "Jones");
        ann = AddMember(registry, smith, "Ann", kLeo, false);
        bob = AddMember(registry, smith, "Bob", kLeo, true);
        joe = AddMember(registry, jones, "Joe", kVirgo, true);
        dee = AddMember(registry, jones, "Dee", kVirgo, false);
        joe->SetPartner(registry, kStatusMarried, dee->id);
        frame.SetModified(false);
        frame.RefreshFamilies();
        return frame;
    }

    const CareerDefinition* FirstCareer(NestrelFrame& frame) {
        return frame.CareerInfo().careers.IsEmpty() ? nullptr : *frame.CareerInfo().careers.begin();
    }

    static void PressSimStatus(EditSimDialog* dlg) {
        wxCommandEvent press(wxEVT_BUTTON, 8);
        dlg->Book()->BasicPage()->GetEventHandler()->ProcessEvent(press);
    }
    static void PressPromote(EditSimDialog* dlg) {
        wxCommandEvent press(wxEVT_BUTTON, 5);
        dlg->Book()->CareerPage()->GetEventHandler()->ProcessEvent(press);
    }
    static int MarryTo(MakeMatchDlg* match, const std::string& family, const std::string& who) {
        match->StatusCombo()->SetStringSelection("Married");
        match->ApplyStatus();
        match->ChooseFamily(SelectStarting(match->FamilyList(), family));
        match->ChooseCandidate(SelectStarting(match->CandidateList(), who));
        return match->Accept() ? wxID_OK : wxID_CANCEL;
    }
};

TEST_F(EditingSafetyTest, CancelOfTheFamilyDialogLeavesEverySimAsItWas) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    const CareerDefinition* career = FirstCareer(frame);
    ASSERT_NE(career, nullptr);
    ann->career.SetCareer(career, kLifeStageAdult, 3, false);
    bob->AddFriend(registry, joe->id, true);
    ChooseFamily(frame, "Smith");
    auto marryNewMemberToJoe = [&](EditSimDialog* d) {
        wxTEST_DIALOG(d->Book()->LovePage()->ChangeMatch(),
                      Answer<MakeMatchDlg>([&](MakeMatchDlg* m) { return MarryTo(m, "Jones", "Joe"); }));
        return NameAndOk(d, "Kia");
    };
    // New member married to Joe, Bob removed, Ann promoted and renamed; then Cancel.
    wxTEST_DIALOG(frame.ProcessCommand(ID_EDIT_FAMILY),
                  AnswerFamily([&](NewFamilyDlg* dlg) {
                      dlg->NewMember();
                      dlg->MemberList()->Select(1);
                      dlg->RemoveMember();
                      dlg->MemberList()->Select(0);
                      dlg->PromoteMember();
                      dlg->EditMember(0);
                      return wxID_CANCEL;
                  }),
                  AnswerSim(marryNewMemberToJoe), ExpectMessageBox(wxID_YES, "", "Delete?"),
                  ExpectMessageBox(wxID_OK, "", "Promotion!"),
                  AnswerSim([](EditSimDialog* d) { return NameAndOk(d, "Anna"); }));
    EXPECT_EQ(joe->partnerId, dee->id);
    EXPECT_EQ(dee->partnerId, joe->id);
    EXPECT_EQ(dee->status, kStatusMarried);
    EXPECT_EQ(registry.FindSimByName("Bob Smith"), bob);
    EXPECT_TRUE(joe->HasFriend(bob->id));
    EXPECT_EQ(registry.FindSimByName("Ann Smith"), ann);
    EXPECT_EQ(ann->career.level, 3);
    EXPECT_EQ(smith->memberCount, 2);
    EXPECT_FALSE(frame.IsModified());

    // The same with OK: everything arrives, both sides of every link.
    wxTEST_DIALOG(frame.ProcessCommand(ID_EDIT_FAMILY),
                  AnswerFamily([&](NewFamilyDlg* dlg) {
                      dlg->NewMember();
                      dlg->MemberList()->Select(1);
                      dlg->RemoveMember();
                      return dlg->Accept() ? wxID_OK : wxID_CANCEL;
                  }),
                  AnswerSim(marryNewMemberToJoe), ExpectMessageBox(wxID_YES, "", "Delete?"));
    Sim* kia = registry.FindSimByName("Kia Smith");
    ASSERT_NE(kia, nullptr);
    EXPECT_EQ(joe->partnerId, kia->id);
    EXPECT_EQ(kia->partnerId, joe->id);
    EXPECT_EQ(dee->partnerId, -1);
    EXPECT_EQ(dee->status, kStatusSingle);
    EXPECT_EQ(registry.FindSimByName("Bob Smith"), nullptr);
    EXPECT_TRUE(frame.IsModified());
    const std::string path = root_ / "ok.NBD";
    ASSERT_TRUE(frame.SaveTo(path));
    const std::string command = std::string(NESTREL_CLI) + " --inst '" + installDir_ + "' check '" + path + "' > '" +
                                (root_ / "check.txt") + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

TEST_F(EditingSafetyTest, AnUntouchedOkChangesNoOtherSim) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    // Ann's links are one-sided: her partner Joe is married to Dee, and Bob
    // holds a Medium entry for her (before his entry for Joe) while hers for him is High.
    ann->status = kStatusMarried;
    ann->partnerId = joe->id;
    ann->chemistry.Append(bob->id, 1);
    bob->chemistry.Append(ann->id, 0);
    bob->chemistry.Append(joe->id, 1);
    ann->friendIds.push_back(dee->id);
    EditSimDialog dlg(&frame, registry, &frame.CareerInfo().careers, ann);
    ASSERT_TRUE(dlg.Accept());
    EXPECT_EQ(joe->partnerId, dee->id);
    EXPECT_EQ(dee->partnerId, joe->id);
    EXPECT_EQ(dee->status, kStatusMarried);
    ASSERT_EQ(bob->chemistry.Count(), 2u);
    EXPECT_EQ(bob->chemistry.At(0)->simId, ann->id);
    EXPECT_EQ(bob->chemistry.At(0)->type, 0);
    EXPECT_FALSE(dee->HasFriend(ann->id));
    EXPECT_EQ(ann->partnerId, joe->id);
}

TEST_F(EditingSafetyTest, ASimWithoutASignStaysWithoutOne) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Sim* cy = AddMember(registry, smith, "Cy", 0, true);
    ASSERT_EQ(cy->signName, "");
    EditSimDialog dlg(&frame, registry, &frame.CareerInfo().careers, cy);
    EXPECT_EQ(std::string(dlg.Book()->BasicPage()->SignCombo()->GetStringSelection().utf8_str()), "(none)");
    const std::string warning =
        "If you don't select a Sign, this Sim will not be included in the Possible Friends Search. Continue?\n";
    wxTEST_DIALOG(EXPECT_FALSE(dlg.Accept()), ExpectMessageBox(wxID_NO, warning, "Warning!"));
    wxTEST_DIALOG(EXPECT_TRUE(dlg.Accept()), ExpectMessageBox(wxID_YES, warning, "Warning!"));
    EXPECT_EQ(cy->sign, 0);
    EXPECT_EQ(cy->signName, "");

    // A Sim with a sign can be given none.
    EditSimDialog leo(&frame, registry, &frame.CareerInfo().careers, ann);
    EXPECT_EQ(std::string(leo.Book()->BasicPage()->SignCombo()->GetStringSelection().utf8_str()), "Leo");
    leo.Book()->BasicPage()->SignCombo()->SetStringSelection("(none)");
    wxTEST_DIALOG(EXPECT_TRUE(leo.Accept()), ExpectMessageBox(wxID_YES, warning, "Warning!"));
}

TEST_F(EditingSafetyTest, CancelOfTheEditSimDialogDropsSimStatusAndPromote) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    const CareerDefinition* career = FirstCareer(frame);
    ASSERT_NE(career, nullptr);
    ann->career.SetCareer(career, kLifeStageAdult, 3, false);
    auto vampire = Answer<AdvancedPropDlg>([](AdvancedPropDlg* d) {
        d->Box(1)->SetValue(true);
        d->Accept();
        return wxID_OK;
    });
    {
        EditSimDialog dlg(&frame, registry, &frame.CareerInfo().careers, ann);
        wxTEST_DIALOG(PressSimStatus(&dlg), vampire);
        ASSERT_TRUE(dlg.Book()->CareerPage()->PromoteButton()->IsEnabled());
        PressPromote(&dlg);
        EXPECT_EQ(dlg.Book()->CareerPage()->Record().level, 4);
        EXPECT_FALSE(ann->vampire);
        EXPECT_EQ(ann->career.level, 3);
    }  // cancelled
    EXPECT_FALSE(ann->vampire);
    EXPECT_EQ(ann->career.level, 3);

    EditSimDialog dlg(&frame, registry, &frame.CareerInfo().careers, ann);
    wxTEST_DIALOG(PressSimStatus(&dlg), vampire);
    PressPromote(&dlg);
    ASSERT_TRUE(dlg.Accept());
    EXPECT_TRUE(ann->vampire);
    EXPECT_EQ(ann->career.level, 4);
}

TEST_F(EditingSafetyTest, AMarriedSimMadeAChildIsAskedAboutThePartnership) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ApplyMatch(registry, *ann, kStatusMarried, joe->id);
    ASSERT_EQ(dee->partnerId, -1);
    {
        EditSimDialog dlg(&frame, registry, &frame.CareerInfo().careers, ann);
        dlg.Book()->BasicPage()->SelectLifeStage(kLifeStageChild);
        wxTEST_DIALOG(EXPECT_TRUE(dlg.Accept()), ExpectMessageBox(wxID_NO, "", "Question"));
        EXPECT_EQ(ann->LifeStage(), kLifeStageAdult);
        EXPECT_EQ(ann->partnerId, joe->id);
        EXPECT_EQ(joe->partnerId, ann->id);
    }
    EditSimDialog dlg(&frame, registry, &frame.CareerInfo().careers, ann);
    dlg.Book()->BasicPage()->SelectLifeStage(kLifeStageChild);
    std::string question;
    wxTEST_DIALOG(EXPECT_TRUE(dlg.Accept()), Answer<wxMessageDialog>([&](wxMessageDialog* box) {
                      question = std::string(box->GetMessage().utf8_str());
                      return wxID_YES;
                  }));
    EXPECT_NE(question.find("Ann Smith"), std::string::npos) << question;
    EXPECT_NE(question.find("Joe Jones"), std::string::npos) << question;
    EXPECT_EQ(ann->LifeStage(), kLifeStageChild);
    EXPECT_EQ(ann->partnerId, -1);
    EXPECT_EQ(ann->status, kStatusSingle);
    EXPECT_EQ(joe->partnerId, -1);
    EXPECT_EQ(joe->status, kStatusSingle);
}

TEST_F(EditingSafetyTest, MakeMatchNeverCommitsACandidateNoLongerListed) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    MakeMatchDlg match(&frame, registry, kStatusSingle, -1, ann, kLifeStageAdult);
    match.StatusCombo()->SetStringSelection("Married");
    match.ApplyStatus();
    match.ChooseFamily(SelectStarting(match.FamilyList(), "Jones"));
    match.ChooseCandidate(SelectStarting(match.CandidateList(), "Joe"));
    ASSERT_EQ(match.PartnerId(), joe->id);
    // Family and Friends: only Ann's family, and she has no friends there.
    match.Filter(0)->SetValue(true);
    match.Filter(2)->SetValue(true);
    match.ApplyFilters();
    EXPECT_EQ(match.CandidateList()->GetCount(), 0u);
    EXPECT_EQ(match.PartnerId(), -1);
    wxTEST_DIALOG(EXPECT_FALSE(match.Accept()),
                  ExpectMessageBox(wxID_OK, "Please select a sim for the match.", "Message"));

    // A filter that keeps the candidate listed keeps it chosen.
    match.Filter(0)->SetValue(false);
    match.Filter(2)->SetValue(false);
    match.ApplyFilters();
    match.ChooseFamily(SelectStarting(match.FamilyList(), "Jones"));
    match.ChooseCandidate(SelectStarting(match.CandidateList(), "Joe"));
    match.Filter(1)->SetValue(true);  // gender: Joe is still listed
    match.ApplyFilters();
    match.ChooseFamily(SelectStarting(match.FamilyList(), "Jones"));
    EXPECT_EQ(match.PartnerId(), joe->id);
    EXPECT_TRUE(match.Accept());
}

TEST_F(EditingSafetyTest, TheMemberListActsOnTheRowChosenAndNamesIt) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    AddMember(registry, smith, "Cat", kLeo, false);
    NewFamilyDlg dlg(&frame, registry, &frame.CareerInfo().careers, *smith);
    ASSERT_EQ(dlg.MemberList()->GetFirstSelected(), 0);  // the top row, preselected
    dlg.MemberList()->Select(2);                          // the user chooses Cat
    EXPECT_EQ(dlg.MemberList()->GetSelectedItemCount(), 1);
    wxTEST_DIALOG(dlg.RemoveMember(),
                  ExpectMessageBox(wxID_NO, "Are you sure you want to delete Cat Smith? This operation cannot be undone.",
                                   "Delete?"));
    wxTEST_DIALOG(dlg.PromoteMember(), ExpectMessageBox(wxID_OK, "Cat Smith is NOT promotable.", "Message"));
    std::string title;
    wxTEST_DIALOG(ClickButton(dlg, 9), AnswerSim([&](EditSimDialog* d) {
                      title = std::string(d->GetTitle().utf8_str());
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(title, "Editing Cat Smith");
    EXPECT_EQ(dlg.MemberList()->GetFirstSelected(), 2);
    EXPECT_EQ(dlg.MemberList()->GetSelectedItemCount(), 1);
}

}  // namespace
