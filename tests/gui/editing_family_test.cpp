// The family dialog and the Edit Sim dialog driven through the main window's commands:
// adding and editing families, their OK checks, Remove, Promote, and the faults the
// editing rules guard against.
#include "editing_support.h"
#include "editing/AdvancedPropDlg.h"
#include <wx/checkbox.h>
#include "lists_support.h"
#include "reports/SimListDlg.h"
#include "storage/NeighborhoodFile.h"
#include "support/FrameFixture.h"

#include <cstdlib>

#include <wx/listbox.h>
#include <wx/radiobox.h>
#include <wx/stattext.h>

namespace {

using namespace editing_test;
using namespace lists_test;

const CareerDefinition* PartTimeCareer(NestrelFrame& frame) {
    for (const CareerDefinition* def : frame.CareerInfo().careers)
        if (!def->noPartTimeTrack) return def;
    return nullptr;
}

class EditingTest : public FrameTest {
protected:
    NestrelFrame& Build() { return BuildEmptyFrame(); }
};

TEST_F(EditingTest, AddFamilyWithTwoMembersSavesAndLoadsTheirCareers) {
    NestrelFrame& frame = Build();
    const CareerDefinition* career = PartTimeCareer(frame);
    ASSERT_NE(career, nullptr) << "the shipped career file has a career with a part-time track";
    const std::string careerName = career->name;

    wxTEST_DIALOG(frame.ProcessCommand(ID_ADD_FAMILY),
                  AnswerFamily([](NewFamilyDlg* dlg) {
                      dlg->NameField()->SetValue("Newbie");
                      dlg->NewMember();
                      dlg->NewMember();
                      return dlg->Accept() ? wxID_OK : wxID_CANCEL;
                  }),
                  AnswerSim([](EditSimDialog* dlg) { return NameAndOk(dlg, "Nina"); }),
                  AnswerSim([&](EditSimDialog* dlg) {
                      EditCareerInfoPage* page = dlg->Book()->CareerPage();
                      dlg->Book()->BasicPage()->SelectLifeStage(kLifeStageTeen);
                      page->SetLifeStage(kLifeStageTeen);
                      page->CareerCombo()->SetStringSelection(wxString::FromUTF8(careerName));
                      wxCommandEvent chosen(wxEVT_COMBOBOX, 1);
                      page->CareerCombo()->GetEventHandler()->ProcessEvent(chosen);
                      page->LevelCombo()->SetSelection(1);
                      return NameAndOk(dlg, "Ted");
                  }));

    EXPECT_TRUE(frame.IsModified());
    Sim* ted = frame.Registry().FindSimByName("Ted Newbie");
    ASSERT_NE(ted, nullptr);
    ASSERT_NE(frame.Registry().FindSimByName("Nina Newbie"), nullptr);
    EXPECT_EQ(ted->career.careerCode, career->enumValue);
    EXPECT_EQ(ted->career.level, 12);
    EXPECT_EQ(ted->LifeStage(), kLifeStageTeen);
    EXPECT_EQ(Rows(FamilyBox(frame)).size(), 1u);

    const std::string path = root_ / "newbie.NBD";
    ASSERT_TRUE(frame.SaveTo(path));
    ASSERT_TRUE(frame.LoadFile(path));
    Sim* loaded = frame.Registry().FindSimByName("Ted Newbie");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->career.careerCode, career->enumValue);
    EXPECT_EQ(loaded->career.level, 12);
    EXPECT_EQ(loaded->LifeStage(), kLifeStageTeen);
    Sim* nina = frame.Registry().FindSimByName("Nina Newbie");
    ASSERT_NE(nina, nullptr);
    EXPECT_EQ(nina->LifeStage(), kLifeStageAdult);
}

TEST_F(EditingTest, FileSavedAfterASequenceOfEditsPassesTheCheck) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* smith = AddFamily(registry, "Smith");
    Sim* ann = AddMember(registry, smith, "Ann", kLeo, false);
    Sim* bob = AddMember(registry, smith, "Bob", kLeo, true);
    Family* jones = AddFamily(registry, "Jones");
    Sim* joe = AddMember(registry, jones, "Joe", kLeo, true);
    ann->AddFriend(registry, joe->id, true);
    bob->AddFriend(registry, joe->id, true);
    bob->AddChemistry(registry, joe->id, 1, true);
    ann->SetPartner(registry, kStatusMarried, joe->id);
    frame.RefreshFamilies();
    ChooseFamily(frame, "Smith");
    // Rename a member and the family, add a member, remove a registered one.
    wxTEST_DIALOG(frame.ProcessCommand(ID_EDIT_FAMILY),
                  AnswerFamily([&](NewFamilyDlg* dlg) {
                      dlg->EditMember(0);
                      dlg->NewMember();
                      dlg->MemberList()->Select(1);
                      dlg->RemoveMember();
                      dlg->NameField()->SetValue("Smythe");
                      return dlg->Accept() ? wxID_OK : wxID_CANCEL;
                  }),
                  AnswerSim([](EditSimDialog* d) { return NameAndOk(d, "Anna"); }),
                  AnswerSim([](EditSimDialog* d) { return NameAndOk(d, "Cleo"); }),
                  ExpectMessageBox(wxID_YES, "", "Delete?"));
    ASSERT_EQ(smith->memberCount, 2);
    const std::string path = root_ / "edited.NBD";
    ASSERT_TRUE(frame.SaveTo(path));
    const std::string command =
        std::string(NESTREL_CLI) + " --inst '" + installDir_ + "' check '" + path + "' > '" + (root_ / "check.txt") + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    ASSERT_TRUE(frame.LoadFile(path));
    Sim* anna = frame.Registry().FindSimByName("Anna Smythe");
    Sim* joe2 = frame.Registry().FindSimByName("Joe Jones");
    ASSERT_NE(anna, nullptr);
    ASSERT_NE(joe2, nullptr);
    EXPECT_EQ(anna->partnerId, joe2->id);
    EXPECT_TRUE(joe2->HasFriend(anna->id));
    EXPECT_EQ(joe2->friendIds.size(), 1u);  // Bob went, and his link with him
    EXPECT_EQ(joe2->chemistry.Count(), 0u);
    EXPECT_NE(frame.Registry().FindSimByName("Cleo Smythe"), nullptr);
}

TEST_F(EditingTest, OkRefusalsOfTheFamilyDialog) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* smith = AddFamily(registry, "Smith");
    AddMember(registry, smith, "Ann", kLeo, false);
    Family* jones = AddFamily(registry, "Jones");
    AddMember(registry, jones, "Joe", kLeo, true);

    Family fresh("", 99);
    NewFamilyDlg empty(&frame, registry, &frame.CareerInfo().careers, fresh);
    wxTEST_DIALOG(EXPECT_FALSE(empty.Accept()), ExpectMessageBox(wxID_OK, "Please enter a family name!", "Message"));
    empty.NameField()->SetValue("Brown");
    wxTEST_DIALOG(EXPECT_FALSE(empty.Accept()),
                  ExpectMessageBox(wxID_OK, "Please add at least one member to the family!", "Message"));

    NewFamilyDlg edit(&frame, registry, &frame.CareerInfo().careers, *smith);
    EXPECT_TRUE(edit.Accept());  // its own name, unchanged
    edit.NameField()->SetValue("Jones");
    wxTEST_DIALOG(EXPECT_FALSE(edit.Accept()), ExpectMessageBox(wxID_OK, "This last name is already taken.", "Message"));
    edit.NameField()->SetValue("Sm]ith");
    wxTEST_DIALOG(EXPECT_FALSE(edit.Accept()),
                  ExpectMessageBox(wxID_OK, "A family name cannot hold the character ']'.", "Message"));
    edit.NameField()->SetValue("  jones ");
    EXPECT_TRUE(edit.Accept());
    EXPECT_EQ(smith->name, "Smith");  // the caller applies what OK hands back
    EXPECT_EQ(edit.Edit().nameAfter, "jones");
    ASSERT_TRUE(ApplyFamilyEdit(registry, edit.Edit()));
    EXPECT_EQ(smith->name, "jones");
    EXPECT_EQ(registry.FindSimByName("Ann jones"), smith->members.At(0));
}

TEST_F(EditingTest, RemoveWithOneMemberAndPromoteMessages) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* smith = AddFamily(registry, "Smith");
    Sim* ann = AddMember(registry, smith, "Ann", kLeo, false);
    const CareerDefinition* career = PartTimeCareer(frame);
    ASSERT_NE(career, nullptr);
    ann->career.SetCareer(career, kLifeStageAdult, 3, false);

    NewFamilyDlg dlg(&frame, registry, &frame.CareerInfo().careers, *smith, ann->id);
    ASSERT_EQ(dlg.MemberList()->GetFirstSelected(), 0);
    wxTEST_DIALOG(dlg.RemoveMember(), ExpectMessageBox(wxID_YES, "", "Delete?"),
                  ExpectMessageBox(wxID_OK, "Ann Smith is the only family member! If you would like to delete the whole "
                                            "family, please close the New Family Dialog and delete the last family "
                                            "member from the main menu.",
                                   "Message"));
    EXPECT_EQ(smith->memberCount, 1);

    // Both messages name the Sim; the promotion waits in the dialog's copy.
    const std::string promoted = std::string("Ann Smith was promoted in the field of ") + career->name + " to " +
                                 career->positions[3] + "! (Level 4)";
    wxTEST_DIALOG(dlg.PromoteMember(), ExpectMessageBox(wxID_OK, promoted, "Promotion!"));
    Sim* copy = dlg.Work().FindSim(ann->id);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->career.level, 4);
    EXPECT_EQ(ann->career.level, 3);
    copy->career.SetCareer(career, kLifeStageAdult, 10, false);
    wxTEST_DIALOG(dlg.PromoteMember(), ExpectMessageBox(wxID_OK, "Ann Smith is NOT promotable.", "Message"));
    EXPECT_EQ(copy->career.level, 10);
}

TEST_F(EditingTest, FamilyFriendsListsTheFriendsOfTheLastRecount) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* smith = AddFamily(registry, "Smith");
    Family* jones = AddFamily(registry, "Jones");
    Sim* ann = AddMember(registry, smith, "Ann", kLeo, false);
    Sim* bob = AddMember(registry, smith, "Bob", kLeo, true);
    Sim* zed = AddMember(registry, jones, "Zed", kVirgo, true);
    Sim* dee = AddMember(registry, jones, "Dee", kVirgo, false);
    ann->AddFriend(registry, zed->id, true);
    bob->AddFriend(registry, dee->id, true);
    bob->AddFriend(registry, ann->id, true);  // a member is not a family friend
    NewFamilyDlg dlg(&frame, registry, &frame.CareerInfo().careers, *smith, ann->id);
    std::string title, heading, total;
    std::vector<std::string> names;
    wxTEST_DIALOG(ClickButton(dlg, 7), Answer<SimListDlg>([&](SimListDlg* list) {
                      title = std::string(list->GetTitle().utf8_str());
                      for (wxWindow* child : list->GetChildren())
                          if (auto* text = dynamic_cast<wxStaticText*>(child); text && text != list->Total())
                              heading = std::string(text->GetLabel().utf8_str());
                      for (unsigned i = 0; i < list->List()->GetCount(); ++i)
                          names.emplace_back(list->List()->GetString(i).utf8_str());
                      total = std::string(list->Total()->GetLabel().utf8_str());
                      return wxID_OK;
                  }));
    EXPECT_EQ(title, "Family Friends");
    EXPECT_EQ(heading, "Smith family friends:");
    EXPECT_EQ(names, (std::vector<std::string>{"Dee Jones", "Zed Jones"}));  // sorted
    EXPECT_EQ(total, "Total: 2");
    EXPECT_EQ(std::string(dlg.FriendsLabel()->GetLabel().utf8_str()), "Family Friends: 2");
}

TEST_F(EditingTest, FamilyFriendsShowNamesStoredInTwoEncodings) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* smith = AddFamily(registry, "Smith");
    Family* munoz = AddFamily(registry, "Mu\xF1oz");  // read from a Windows-1252 file
    Sim* ann = AddMember(registry, smith, "Ann", kLeo, false);
    Sim* zoe = AddMember(registry, munoz, "Zo\xC3\xAB", kVirgo, false);  // typed in since (UTF-8)
    ann->AddFriend(registry, zoe->id, true);
    NewFamilyDlg dlg(&frame, registry, &frame.CareerInfo().careers, *smith, ann->id);
    std::vector<std::string> names;
    wxTEST_DIALOG(ClickButton(dlg, 7), Answer<SimListDlg>([&](SimListDlg* list) {
                      for (unsigned i = 0; i < list->List()->GetCount(); ++i)
                          names.emplace_back(list->List()->GetString(i).utf8_str());
                      return wxID_OK;
                  }));
    EXPECT_EQ(names, (std::vector<std::string>{"Zo\xC3\xAB Mu\xC3\xB1oz"}));
}

TEST_F(EditingTest, NewThenCancelKeepsTheCounterAndAddsNoRow) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* smith = AddFamily(registry, "Smith");
    AddMember(registry, smith, "Ann", kLeo, false);
    NewFamilyDlg dlg(&frame, registry, &frame.CareerInfo().careers, *smith);
    const int32_t before = frame.Context().counters.simCounter;
    wxTEST_DIALOG(dlg.NewMember(), AnswerSim([](EditSimDialog*) { return wxID_CANCEL; }));
    EXPECT_EQ(dlg.MemberList()->GetItemCount(), 1);
    wxTEST_DIALOG(dlg.NewMember(), AnswerSim([](EditSimDialog* d) { return NameAndOk(d, "Bea"); }));
    ASSERT_EQ(dlg.MemberList()->GetItemCount(), 2);
    EXPECT_EQ(dlg.Pending().At(0)->id, before + 2);
}

TEST_F(EditingTest, RenamingOntoAnotherMemberOrPendingSimIsRefused) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* smith = AddFamily(registry, "Smith");
    Sim* ann = AddMember(registry, smith, "Ann", kLeo, false);
    AddMember(registry, smith, "Bob", kLeo, true);
    NewFamilyDlg dlg(&frame, registry, &frame.CareerInfo().careers, *smith);
    const std::string taken = "This Sim already exists in the family. Please specify a new name.";
    wxTEST_DIALOG(dlg.EditMember(0), AnswerSim([](EditSimDialog* d) { return NameAndOk(d, "Bob"); }),
                  ExpectMessageBox(wxID_OK, taken, "Message"));
    EXPECT_EQ(ann->firstName, "Ann");
    // Two new members with one first name.
    wxTEST_DIALOG(dlg.NewMember(), AnswerSim([](EditSimDialog* d) { return NameAndOk(d, "Cleo"); }));
    wxTEST_DIALOG(dlg.NewMember(), AnswerSim([](EditSimDialog* d) { return NameAndOk(d, "Cleo"); }),
                  ExpectMessageBox(wxID_OK, taken, "Message"));
    EXPECT_EQ(dlg.MemberList()->GetItemCount(), 3);
    EXPECT_EQ(dlg.Work().FindSim(ann->id)->firstName, "Ann");
}

TEST_F(EditingTest, NoSignAnsweredNoWritesNothing) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* smith = AddFamily(registry, "Smith");
    Sim* ann = AddMember(registry, smith, "Ann", kLeo, false);
    EditSimDialog dlg(&frame, registry, &frame.CareerInfo().careers, ann);
    EXPECT_EQ(std::string(dlg.GetTitle().utf8_str()), "Editing Ann Smith");
    dlg.Book()->BasicPage()->FirstName()->SetValue("Annie");
    dlg.Book()->BasicPage()->AgeCombo()->SetSelection(kLifeStageChild);
    dlg.Book()->BasicPage()->SignCombo()->SetSelection(wxNOT_FOUND);
    wxTEST_DIALOG(EXPECT_FALSE(dlg.Accept()), ExpectMessageBox(wxID_NO, "", "Warning!"));
    EXPECT_EQ(ann->firstName, "Ann");
    EXPECT_EQ(ann->LifeStage(), kLifeStageAdult);
    wxTEST_DIALOG(EXPECT_TRUE(dlg.Accept()), ExpectMessageBox(wxID_YES, "", "Warning!"));
    EXPECT_EQ(ann->firstName, "Annie");
    EXPECT_EQ(ann->LifeStage(), kLifeStageChild);  // through the career page, never visited
    EXPECT_EQ(registry.FindSimByName("Annie Smith"), ann);
}

TEST_F(EditingTest, OkWithAnEmptyCareerTableKeepsTheCareer) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* smith = AddFamily(registry, "Smith");
    Sim* ann = AddMember(registry, smith, "Ann", kLeo, false);
    ann->career = SimCareerData(kLifeStageAdult, 7, 5);
    CareerList empty;
    EditSimDialog dlg(&frame, registry, &empty, ann);
    ASSERT_TRUE(dlg.Accept());
    EXPECT_EQ(ann->career.careerCode, 7);
    EXPECT_EQ(ann->career.level, 5);
}

TEST_F(EditingTest, RemovingTheLastRegisteredMemberKeepsTheFamilyForTheNewOnes) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* smith = AddFamily(registry, "Smith");
    AddMember(registry, smith, "Ann", kLeo, false);
    Family* jones = AddFamily(registry, "Jones");
    Sim* joe = AddMember(registry, jones, "Joe", kLeo, true);
    frame.RefreshFamilies();
    ChooseFamily(frame, "Smith");

    wxTEST_DIALOG(frame.ProcessCommand(ID_EDIT_FAMILY),
                  AnswerFamily([&](NewFamilyDlg* dlg) {
                      dlg->NewMember();
                      dlg->MemberList()->Select(0);
                      dlg->RemoveMember();
                      return dlg->Accept() ? wxID_OK : wxID_CANCEL;
                  }),
                  AnswerSim([&](EditSimDialog* d) { return NameAndOk(d, "Kid"); }),
                  ExpectMessageBox(wxID_YES, "", "Delete?"));
    ASSERT_TRUE(registry.families.Contains(smith));
    EXPECT_EQ(smith->memberCount, 1);
    EXPECT_NE(registry.FindSimByName("Kid Smith"), nullptr);
    EXPECT_EQ(registry.FindSimByName("Ann Smith"), nullptr);
    EXPECT_TRUE(frame.IsModified());

    // Cancelled after its only registered member went: the family and its member stay.
    frame.SetModified(false);
    frame.RefreshFamilies();
    ChooseFamily(frame, "Jones");
    wxTEST_DIALOG(frame.ProcessCommand(ID_EDIT_FAMILY),
                  AnswerFamily([&](NewFamilyDlg* dlg) {
                      dlg->NewMember();
                      dlg->MemberList()->Select(0);
                      dlg->RemoveMember();
                      return wxID_CANCEL;
                  }),
                  AnswerSim([&](EditSimDialog* d) { return NameAndOk(d, "Jim"); }),
                  ExpectMessageBox(wxID_YES, "", "Delete?"));
    EXPECT_TRUE(registry.families.Contains(jones));
    EXPECT_EQ(registry.FindSimByName("Jim Jones"), nullptr);
    EXPECT_EQ(registry.FindSimByName("Joe Jones"), joe);
    EXPECT_EQ(jones->memberCount, 1);
    EXPECT_FALSE(frame.IsModified());
}

TEST_F(EditingTest, SimStatusIsWrittenOnlyByOk) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* smith = AddFamily(registry, "Smith");
    Sim* ann = AddMember(registry, smith, "Ann", kLeo, false);
    frame.RefreshFamilies();
    ChooseFamily(frame, "Smith");
    wxTEST_DIALOG(frame.ProcessCommand(ID_EDIT_FAMILY),
                  AnswerFamily([&](NewFamilyDlg* dlg) {
                      dlg->EditMember(0);
                      return wxID_CANCEL;
                  }),
                  AnswerSim([&](EditSimDialog* d) {
                      wxCommandEvent press(wxEVT_BUTTON, 8);
                      d->Book()->BasicPage()->GetEventHandler()->ProcessEvent(press);
                      return wxID_CANCEL;
                  }),
                  Answer<AdvancedPropDlg>([](AdvancedPropDlg* d) {
                      d->Box(1)->SetValue(true);
                      d->Accept();
                      return wxID_OK;
                  }));
    // Cancelling the Edit Sim dialog drops what "Sim Status" changed.
    EXPECT_FALSE(ann->vampire);
    EXPECT_FALSE(frame.IsModified());

    wxTEST_DIALOG(frame.ProcessCommand(ID_EDIT_FAMILY),
                  AnswerFamily([&](NewFamilyDlg* dlg) {
                      dlg->EditMember(0);
                      return dlg->Accept() ? wxID_OK : wxID_CANCEL;
                  }),
                  AnswerSim([&](EditSimDialog* d) {
                      wxCommandEvent press(wxEVT_BUTTON, 8);
                      d->Book()->BasicPage()->GetEventHandler()->ProcessEvent(press);
                      return d->Accept() ? wxID_OK : wxID_CANCEL;
                  }),
                  Answer<AdvancedPropDlg>([](AdvancedPropDlg* d) {
                      d->Box(1)->SetValue(true);
                      d->Accept();
                      return wxID_OK;
                  }));
    EXPECT_TRUE(ann->vampire);
    EXPECT_TRUE(frame.IsModified());
}

}  // namespace
