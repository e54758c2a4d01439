#include <chrono>
#include <string>
#include <vector>

#include "NeighborhoodFixture.h"
#include "base/Translate.h"

namespace {

Sim* SimNamed(Hood& h, const std::string& fullName) { return h.registry.FindSimByName(fullName); }

TEST(NeighborhoodWriteTest, LeeAndAnnAreWrittenByteForByte) {
    Hood h;
    Sim* ann = h.AddSim(h.AddFamily("Lee"), "Ann", 64, false);
    ASSERT_NE(ann, nullptr);
    const std::string expected =
        "[settings]\r\n"
        "CareerVers=1.0\r\n"
        "[Lee]\r\n"
        "NumMembers=1\r\n"
        "Name0=Ann\r\n"
        "Sign0=64\r\n"
        "Status0=3\r\n"
        "Townie0=0\r\n"
        "Vampire0=0\r\n"
        "College0=0\r\n"
        "Degree0=0\r\n"
        "Aspir0=0\r\n"
        "MomLiv0=0\r\n"
        "DadLiv0=0\r\n"
        "Gender0=0\r\n"
        "Age0=1\r\n"
        "Career0=-2\r\n"
        "Level0=0\r\n"
        "FriendCount0=0\r\n"
        "ChemCount0=0\r\n"
        "\r\r\n";
    EXPECT_EQ(h.file.WriteToText(), expected);
}

TEST(NeighborhoodWriteTest, NothingToWriteWithoutFamilies) {
    Hood h;
    EXPECT_EQ(h.file.WriteToText(), "");
    EXPECT_FALSE(h.file.Write("/nonexistent/never.NBD"));
    EXPECT_FALSE(h.file.LastError().empty());
}

// A neighborhood with everything the file carries: more than ten members,
// Sims with more than ten friends and chemistry entries (whose keys collide
// in the side-by-side form), partners, typed and Sim parents, careers and a
// homeless family.
void BuildRichNeighborhood(Hood& h) {
    Family* big = h.AddFamily("Big");
    std::vector<Sim*> sims;
    for (int i = 0; i < 12; ++i) sims.push_back(h.AddSim(big, "M" + std::to_string(i), 1 << i, i % 2 == 0));
    Family* lee = h.AddFamily("Lee");
    Sim* ann = h.AddSim(lee, "Ann", 64, false);
    Sim* bob = h.AddSim(lee, "Bob", 2, true);
    Family* nomads = h.AddFamily("Nomads");
    Sim* cy = h.AddSim(nomads, "Cy", 1024, true);
    h.registry.SetHomeless(nomads, true);
    sims.push_back(ann);
    sims.push_back(bob);
    sims.push_back(cy);

    for (Sim* other : sims) {
        for (Sim* who : {sims[1], sims[11]}) {
            if (other == who) continue;
            who->AddFriend(h.registry, other->id, true);
            who->AddChemistry(h.registry, other->id, other->id % 3, true);
        }
    }
    ann->SetPartner(h.registry, 1, bob->id);
    sims[3]->SetPartner(h.registry, 4, cy->id);
    sims[0]->mom.SetSim(ann->id);
    sims[0]->dad.SetName("Grandpa Typed");
    bob->mom.SetName("Somebody Else");
    ann->townie = true;
    bob->vampire = true;
    cy->atCollege = true;
    cy->degree = 9;
    bob->aspiration = 5;
    ann->career.SetCareer(h.careers.careers.FindByEnum(4), 1, 3, false);
    sims[5]->career.SetCareer(nullptr, 2, 0, false);  // a Teen at school
    sims[6]->career.SetCareer(h.careers.careers.FindByEnum(7), 0, 12, false);  // an Elder part-timer
    sims[7]->career.careerCode = 99;  // a code no career carries survives
}

TEST(NeighborhoodRoundTripTest, LargeFamiliesAndManyLinksReadBackUnchanged) {
    Hood h;
    BuildRichNeighborhood(h);
    std::string text = h.file.WriteToText();
    EXPECT_NE(text.find("\r\nF1_12="), std::string::npos);
    EXPECT_NE(text.find("\r\nF11_2="), std::string::npos);
    EXPECT_NE(text.find("\r\nC11_10="), std::string::npos);
    EXPECT_NE(text.find("\r\nF19="), std::string::npos) << "positions below ten keep the old form";

    Hood back;
    ASSERT_TRUE(back.file.ReadFromText(text));
    EXPECT_EQ(back.Describe(), h.Describe());
    EXPECT_TRUE(back.prompter.messages.empty());
    EXPECT_EQ(back.file.WriteToText(), text);

    Sim* m11 = SimNamed(back, "M11 Big");
    ASSERT_NE(m11, nullptr);
    EXPECT_EQ(m11->friendIds.size(), 14u);
    EXPECT_EQ(m11->chemistry.Count(), 14u);
    EXPECT_TRUE(SimNamed(back, "Cy Nomads")->IsHomeless());
    EXPECT_EQ(SimNamed(back, "Ann Lee")->career.definition, back.careers.careers.FindByEnum(4));
}

TEST_F(TempDirTest, WriteAndReadThroughTheSavedFolder) {
    Hood h(dir.string());
    BuildRichNeighborhood(h);
    ASSERT_TRUE(h.file.Write("Mine"));
    EXPECT_EQ(Slurp(dir / "Saved" / "Mine.NBD"), h.file.WriteToText());
    Hood back(dir.string());
    ASSERT_TRUE(back.file.Read("Mine"));
    EXPECT_EQ(back.Describe(), h.Describe());
    EXPECT_FALSE(back.file.Read("Missing"));
    EXPECT_TRUE(back.file.Read("Mine"));  // a second read appends (an import)
    EXPECT_EQ(back.registry.families.Count(), 6u);
}

TEST_F(TempDirTest, FailedWriteKeepsTheOldFileAndSaysWhy) {
    Hood h(dir.string());
    h.AddSim(h.AddFamily("Lee"), "Ann");
    ASSERT_TRUE(h.file.Write("Mine"));
    const std::string old = Slurp(dir / "Saved" / "Mine.NBD");
    h.AddSim(h.AddFamily("Kim"), "Bo");
    for (WriteStep step : {WriteStep::Open, WriteStep::Write, WriteStep::Sync, WriteStep::Rename}) {
        SetWriteFaultHook([step](WriteStep s) { return s == step; });
        EXPECT_FALSE(h.file.Write("Mine"));
        EXPECT_FALSE(h.file.LastError().empty());
        EXPECT_EQ(Slurp(dir / "Saved" / "Mine.NBD"), old);
    }
    SetWriteFaultHook(nullptr);
    EXPECT_TRUE(h.file.Write("Mine"));
    EXPECT_NE(Slurp(dir / "Saved" / "Mine.NBD"), old);
}

TEST(NeighborhoodWriteTest, FamiliesWithoutAStorableNameAreSavedUnderASubstitute) {
    Hood h;
    Sim* bob = h.AddSim(h.AddFamily(""), "Bob");
    Sim* ann = h.AddSim(h.AddFamily("Lee"), "Ann");
    Sim* cy = h.AddSim(h.AddFamily("Odd]Name"), "Cy");
    h.AddSim(h.AddFamily("Unnamed Family"), "Dee");
    ann->AddFriend(h.registry, bob->id, true);
    ann->AddFriend(h.registry, cy->id, true);
    std::string text = h.file.WriteToText();
    EXPECT_NE(text.find("[Unnamed Family 2]\r\nNumMembers=1\r\nName0=Bob\r\n"), std::string::npos);
    EXPECT_NE(text.find("F00=Bob Unnamed Family 2\r\n"), std::string::npos);
    EXPECT_NE(text.find("F01=Cy Unnamed Family 3\r\n"), std::string::npos);
    ASSERT_EQ(h.prompter.messages.size(), 2u);
    EXPECT_NE(h.prompter.messages[0].text.find("Unnamed Family 2"), std::string::npos);

    Hood back;
    ASSERT_TRUE(back.file.ReadFromText(text));
    EXPECT_EQ(back.registry.families.Count(), 4u);
    Sim* backAnn = SimNamed(back, "Ann Lee");
    ASSERT_EQ(backAnn->friendIds.size(), 2u);
    EXPECT_EQ(back.registry.FindSim(backAnn->friendIds[0])->FullName(), "Bob Unnamed Family 2");
}

TEST(NeighborhoodWriteTest, TheSubstituteNameIsNotTranslated) {
    // The file reads the same in every language: a translation changes the message,
    // never the name stored.
    SetTranslateHook([](std::string_view text) {
        if (text == "Unnamed Family") return std::string("Unbenannte Familie");
        return "DE:" + std::string(text);
    });
    Hood h;
    h.AddSim(h.AddFamily(""), "Bob");
    const std::string text = h.file.WriteToText();
    SetTranslateHook(nullptr);
    EXPECT_NE(text.find("[Unnamed Family]\r\nNumMembers=1\r\nName0=Bob\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Unbenannte"), std::string::npos);
    ASSERT_EQ(h.prompter.messages.size(), 1u);
    EXPECT_EQ(h.prompter.messages[0].text.rfind("DE:", 0), 0u) << h.prompter.messages[0].text;
}

TEST(NeighborhoodWriteTest, LineFeedsInNamesCannotForgeLines) {
    Hood h;
    Sim* ann = h.AddSim(h.AddFamily("Lee"), "Ann\nNumMembers=9");
    ann->mom.SetName("Mom\n[Evil]");
    std::string text = h.file.WriteToText();
    EXPECT_EQ(text.find("\n[Evil]"), std::string::npos);
    Hood back;
    ASSERT_TRUE(back.file.ReadFromText(text));
    ASSERT_EQ(back.registry.families.Count(), 1u);
    EXPECT_NE(SimNamed(back, "Ann NumMembers=9 Lee"), nullptr);
}

// ---- reading ---------------------------------------------------------------

const char* kOldFile =
    "[Lee]\n"
    "NumMembers=5\n"
    "Name0=Ann\nAge0=1\nCareer0=3\nLevel0=1\n"
    "Name1=Bob\nAge1=1\nCareer1=10\n"
    "Name2=Cy\nAge2=1\nCareer2=11\n"
    "Name3=Dee\nAge3=1\nCareer3=12\n"
    "Name4=Eve\nAge4=2\nCareer4=11\nLevel4=2\n";

TEST(NeighborhoodReadTest, OlderFileRenumbersCareersWhenTheUserSaysYes) {
    Hood h;
    h.prompter.answers = {true};
    ASSERT_TRUE(h.file.ReadFromText(kOldFile));
    ASSERT_EQ(h.prompter.messages.size(), 1u);
    EXPECT_TRUE(h.prompter.messages[0].question);
    EXPECT_EQ(h.prompter.messages[0].caption, "Update Required");
    EXPECT_EQ(h.prompter.messages[0].text.rfind("Your saved Sim file is out of date with the Career file.\n", 0), 0u);
    EXPECT_EQ(h.file.FileCareerVersion(), "0.0");
    EXPECT_TRUE(h.file.CareerUpdate());
    EXPECT_EQ(SimNamed(h, "Ann Lee")->career.careerCode, 4);
    EXPECT_EQ(SimNamed(h, "Ann Lee")->career.definition, h.careers.careers.FindByEnum(4));
    EXPECT_EQ(SimNamed(h, "Bob Lee")->career.careerCode, -1);
    EXPECT_EQ(SimNamed(h, "Cy Lee")->career.careerCode, -2);
    EXPECT_EQ(SimNamed(h, "Dee Lee")->career.careerCode, 0);
    // an unemployed Teen goes to school, level 10, and is saved that way
    EXPECT_EQ(SimNamed(h, "Eve Lee")->career.careerCode, -1);
    EXPECT_EQ(SimNamed(h, "Eve Lee")->career.level, 10);
    std::string saved = h.file.WriteToText();
    EXPECT_NE(saved.find("Career4=-1\r\nLevel4=10\r\n"), std::string::npos);
    EXPECT_NE(saved.find("CareerVers=1.0\r\n"), std::string::npos);

    // the saved file carries the current version: loading it renumbers nothing
    Hood again;
    ASSERT_TRUE(again.file.ReadFromText(saved));
    EXPECT_TRUE(again.prompter.messages.empty());
    EXPECT_FALSE(again.file.CareerUpdate());
    EXPECT_EQ(again.Describe(), h.Describe());
}

TEST(NeighborhoodReadTest, OlderFileKeepsCareerNumbersWhenTheUserSaysNo) {
    Hood h;
    h.prompter.answers = {false};
    ASSERT_TRUE(h.file.ReadFromText(kOldFile));
    ASSERT_EQ(h.prompter.messages.size(), 1u);
    EXPECT_FALSE(h.file.CareerUpdate());
    EXPECT_EQ(SimNamed(h, "Ann Lee")->career.careerCode, 3);
    EXPECT_EQ(SimNamed(h, "Bob Lee")->career.careerCode, 10);
    EXPECT_EQ(SimNamed(h, "Cy Lee")->career.careerCode, 11);
    EXPECT_EQ(SimNamed(h, "Eve Lee")->career.careerCode, 11);
}

TEST(NeighborhoodReadTest, NewerFileIsWarnedAboutAndNotRenumbered) {
    Hood h;
    ASSERT_TRUE(h.file.ReadFromText("[settings]\nCareerVers=2.0\n[Lee]\nNumMembers=1\nName0=Ann\nCareer0=3\n"));
    ASSERT_EQ(h.prompter.messages.size(), 1u);
    EXPECT_FALSE(h.prompter.messages[0].question);
    EXPECT_EQ(h.prompter.messages[0].text,
              "The version of your saved Sim file is NEWER than the Career file version.\n"
              "Some of your Sims' career information may be lost.\n"
              "You can close Nestrel without saving, and then get the Career file that was used for these sims (2.0).");
    EXPECT_EQ(SimNamed(h, "Ann Lee")->career.careerCode, 3);
}

TEST(NeighborhoodReadTest, LostPartnerNamesAreReportedOncePerFamily) {
    Hood h;
    ASSERT_TRUE(h.file.ReadFromText(
        "[settings]\nCareerVers=1.0\n"
        "[Lee]\nNumMembers=2\nName0=Ann\nStatus0=1\nName1=Bob\nStatus1=2\n"
        "[Kim]\nNumMembers=1\nName0=Cy\nStatus0=0\nMatch0=Ann Lee\n"));
    ASSERT_EQ(h.prompter.messages.size(), 1u);
    EXPECT_EQ(h.prompter.messages[0].text,
              "A family member of family Lee was matched up with someone but their name was lost.");
    EXPECT_EQ(h.prompter.messages[0].caption, "Message");
    EXPECT_EQ(SimNamed(h, "Ann Lee")->status, 3);
    EXPECT_EQ(SimNamed(h, "Bob Lee")->status, 3);
    // status None keeps a partner line as read, but it is not written back
    Sim* cy = SimNamed(h, "Cy Kim");
    EXPECT_EQ(cy->status, 0);
    EXPECT_EQ(cy->partnerId, SimNamed(h, "Ann Lee")->id);
    EXPECT_EQ(h.file.WriteToText().find("Match"), std::string::npos);
}

TEST(NeighborhoodReadTest, ReferencesResolveByFullNameAfterAllSimsAreRead) {
    Hood h;
    ASSERT_TRUE(h.file.ReadFromText(
        "[settings]\nCareerVers=1.0\n"
        "[Lee]\nNumMembers=1\nName0=Ann\nStatus0=1\nMatch0=Bo Kim\nMomLiv0=1\nMom0=Bo Kim\nDadLiv0=1\nDad0=Nobody\n"
        "FriendCount0=3\nF00=Bo Kim\nF02=Nobody Here\nChemCount0=2\nC00=Bo Kim, 2 \nC01=Bo Kim\n"
        "[Kim]\nNumMembers=1\nHomeless=0\nName0=Bo\nStatus0=1\nMatch0=Ann Lee\n"));
    Sim* ann = SimNamed(h, "Ann Lee");
    Sim* bo = SimNamed(h, "Bo Kim");
    ASSERT_TRUE(ann && bo);
    EXPECT_EQ(ann->partnerId, bo->id);
    EXPECT_EQ(bo->partnerId, ann->id);
    EXPECT_TRUE(ann->mom.isSim);
    EXPECT_EQ(ann->mom.simId, bo->id);
    EXPECT_FALSE(ann->dad.isSim);  // names nobody: stays a typed name
    EXPECT_EQ(ann->dad.DisplayName(h.registry), "Nobody");
    EXPECT_EQ(ann->friendIds, std::vector<int32_t>{bo->id});  // the unknown friend is dropped
    ASSERT_EQ(ann->chemistry.Count(), 2u);
    EXPECT_EQ(ann->chemistry.At(0)->type, 2);
    EXPECT_EQ(ann->chemistry.At(1)->type, 0);
    EXPECT_TRUE(bo->family->homeless) << "the key's presence marks a family homeless";
    EXPECT_FALSE(ann->momLinkPending);
    // the next save writes the smaller friend count
    EXPECT_NE(h.file.WriteToText().find("FriendCount0=1\r\n"), std::string::npos);
}

TEST(NeighborhoodReadTest, ImportLinksToSimsLoadedBefore) {
    Hood h;
    ASSERT_TRUE(h.file.ReadFromText("[Lee]\nNumMembers=1\nName0=Ann\n"));
    ASSERT_TRUE(h.file.ReadFromText("[Kim]\nNumMembers=1\nName0=Bo\nFriendCount0=1\nF00=Ann Lee\n"));
    Sim* ann = SimNamed(h, "Ann Lee");
    Sim* bo = SimNamed(h, "Bo Kim");
    EXPECT_EQ(bo->friendIds, std::vector<int32_t>{ann->id});
    EXPECT_TRUE(ann->friendIds.empty());
    EXPECT_NE(ann->id, bo->id);
}

// Every Sim of the file with its references, each given as the position of
// the Sim it resolved to among the file's Sims (so that Sims sharing a full
// name are told apart), "-" when it resolved to nobody. Sims of the family
// "Outsider" are not the file's.
std::string ResolvedReferences(Hood& h) {
    std::vector<const Sim*> sims;
    for (const Sim* sim : h.registry.allSims)
        if (sim->family->name != "Outsider") sims.push_back(sim);
    auto at = [&](int32_t id) {
        const Sim* target = h.registry.FindSim(id);
        for (size_t i = 0; i < sims.size(); ++i)
            if (sims[i] == target) return std::to_string(i);
        return std::string(target ? "outside" : "-");
    };
    std::string out;
    for (const Sim* sim : sims) {
        out += sim->FullName() + ": partner " + at(sim->partnerId) + ", mom " +
               (sim->mom.isSim ? at(sim->mom.simId) : "'" + sim->mom.name + "'") + ", dad " +
               (sim->dad.isSim ? at(sim->dad.simId) : "'" + sim->dad.name + "'") + ", friends";
        for (int32_t id : sim->friendIds) out += " " + at(id);
        out += ", chemistry";
        for (size_t i = 0; i < sim->chemistry.Count(); ++i)
            out += " " + at(sim->chemistry.At(i)->simId) + "/" + std::to_string(sim->chemistry.At(i)->type);
        out += "\n";
    }
    return out;
}

TEST(NeighborhoodReadTest, NamesResolveAlikeIntoAnEmptyOrAnInhabitedNeighborhood) {
    // Full names shared by two Sims ("Ann Lee" twice, "Mary Ann Lee" made two
    // ways) resolve to the one registered first; a refused second "Bo Kim"
    // takes no name; the case of a name matters.
    const std::string text =
        "[Lee]\nNumMembers=2\nName0=Ann\nName1=Mary Ann\nStatus1=1\nMatch1=Bo Kim\n"
        "[Ann Lee]\nNumMembers=1\nName0=Mary\nFriendCount0=2\nF00=Mary Ann Lee\nF01=ann lee\n"
        "[Lee]\nNumMembers=1\nName0=Ann\nMomLiv0=1\nMom0=Ann Lee\nDadLiv0=1\nDad0=Mary Ann Lee\n"
        "[Kim]\nNumMembers=2\nName0=Bo\nName1=Bo\nStatus0=1\nMatch0=Mary Ann Lee\n"
        "FriendCount0=3\nF00=Ann Lee\nF01=Nobody\nF02=Bo Kim\nChemCount0=2\nC00=Ann Lee,2\nC01=Mary Ann Lee,1\n";
    Hood fresh;
    ASSERT_TRUE(fresh.file.ReadFromText(text));
    Hood inhabited;
    ASSERT_TRUE(inhabited.file.ReadFromText("[Outsider]\nNumMembers=1\nName0=Zed\n"));
    ASSERT_TRUE(inhabited.file.ReadFromText(text));

    const std::string expected =
        "Ann Lee: partner -, mom '', dad '', friends, chemistry\n"
        "Mary Ann Lee: partner 4, mom '', dad '', friends, chemistry\n"
        "Mary Ann Lee: partner -, mom '', dad '', friends 1, chemistry\n"
        "Ann Lee: partner -, mom 0, dad 1, friends, chemistry\n"
        "Bo Kim: partner 1, mom '', dad '', friends 0 4, chemistry 0/2 1/1\n";
    EXPECT_EQ(ResolvedReferences(fresh), expected);
    EXPECT_EQ(ResolvedReferences(inhabited), expected);
}

TEST(NeighborhoodReadTest, OlderFilesWithCollidingKeysReadFirstLineWins) {
    // An older writer put member 1's friend 12 and member 11's friend 2 both
    // under "F112"; the first line counts for both, as it always did.
    std::string file = "[Big]\nNumMembers=12\n";
    for (int i = 0; i < 12; ++i) file += "Name" + std::to_string(i) + "=M" + std::to_string(i) + "\n";
    file += "FriendCount1=13\nF112=M5 Big\nFriendCount11=3\nF112=M6 Big\n";
    Hood h;
    ASSERT_TRUE(h.file.ReadFromText(file));
    int32_t m5 = h.registry.FindSimIdByName("M5 Big");
    EXPECT_EQ(SimNamed(h, "M1 Big")->friendIds, std::vector<int32_t>{m5});
    EXPECT_EQ(SimNamed(h, "M11 Big")->friendIds, std::vector<int32_t>{m5});
}

struct Damaged {
    const char* what;
    std::string text;
    bool read;
    size_t families;
    size_t sims;
};

class NeighborhoodDamagedTest : public testing::TestWithParam<Damaged> {};

TEST_P(NeighborhoodDamagedTest, LoadsWhatItCanQuickly) {
    const Damaged& c = GetParam();
    Hood h;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(h.file.ReadFromText(c.text), c.read);
    EXPECT_EQ(h.registry.families.Count(), c.families);
    EXPECT_EQ(h.registry.allSims.Count(), c.sims);
    // a reloaded save of whatever was read is the same neighborhood
    if (c.families) {
        Hood back;
        ASSERT_TRUE(back.file.ReadFromText(h.file.WriteToText()));
        EXPECT_EQ(back.Describe(true), h.Describe(true));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << "no hang";
}

std::string ManyHugeCounts() {
    // 40,000 members each claiming two billion friends: bounded by the file's
    // size, and a family this large must still fill in linear time
    std::string s = "[Lee]\nNumMembers=2000000000\n";
    for (int i = 0; i < 40000; ++i) {
        std::string n = std::to_string(i);
        s += "Name" + n + "=A" + n + "\nFriendCount" + n + "=2000000000\nChemCount" + n + "=2000000000\n";
    }
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Files, NeighborhoodDamagedTest,
    testing::Values(
        Damaged{"empty", "", false, 0, 0},
        Damaged{"only settings", "[settings]\nCareerVers=1.0\n", true, 0, 0},
        Damaged{"huge member count", "[Lee]\nNumMembers=2000000000\nName0=Ann\n", true, 1, 1},
        Damaged{"huge entry counts",
                "[Lee]\nNumMembers=1\nName0=Ann\nFriendCount0=2147483647\nChemCount0=99999999999\nF00=Ann Lee\n",
                true, 1, 1},
        Damaged{"many huge counts", ManyHugeCounts(), true, 1, 40000},
        Damaged{"negative count", "[Lee]\nNumMembers=-5\nName0=Ann\n", true, 0, 0},
        Damaged{"no count", "[Lee]\nName0=Ann\n", true, 0, 0},
        Damaged{"no names", "[Lee]\nNumMembers=2\nSign0=4\n", true, 0, 0},
        Damaged{"nameless group", "NumMembers=1\nName0=Ann\n", true, 0, 0},
        Damaged{"ends mid-line", "[Lee]\nNumMembers=1\nName0=An", true, 1, 1},
        Damaged{"ends in a header", "[Lee]\nNumMembers=1\nName0=Ann\n[Kim", true, 1, 1},
        Damaged{"same first name twice", "[Lee]\nNumMembers=2\nName0=Ann\nName1=Ann\n", true, 1, 1},
        Damaged{"binary bytes",
                std::string("\0\xff[\x01]\n\0=\0\n[Lee\0x]\nNumMembers=1\x80\nName0=A\0b\nSign0=\xff\xfe\n", 52),
                true, 1, 1},
        Damaged{"numbers out of range",
                "[Lee]\nNumMembers=1\nName0=Ann\nSign0=-99999999999\nAge0=77\nLevel0=70000\nStatus0=9\n"
                "Match0=Ann Lee\nChemCount0=1\nC00=Ann Lee,12345\n",
                true, 1, 1}));

TEST(NeighborhoodReadTest, MissingKeysTakeTheirDefaults) {
    Hood h;
    ASSERT_TRUE(h.file.ReadFromText("[Lee]\nNumMembers=2\nName0=Ann\nSign0=4\nGender0=1\nCareer0=4\nName1=Bob\n"));
    Sim* bob = SimNamed(h, "Bob Lee");
    ASSERT_NE(bob, nullptr);
    EXPECT_EQ(bob->sign, 0);  // not the member before's
    EXPECT_FALSE(bob->male);
    EXPECT_EQ(bob->career.careerCode, -2);
    EXPECT_EQ(bob->career.lifeStage, 1);
    EXPECT_EQ(bob->status, 3);
}

TEST(NeighborhoodReadTest, AHundredMegabyteLineIsReadWhole) {
    std::string name(100u << 20, 'x');
    Hood h;
    ASSERT_TRUE(h.file.ReadFromText("[Lee]\nNumMembers=1\nName0=" + name + "\n"));
    ASSERT_EQ(h.registry.allSims.Count(), 1u);
    EXPECT_EQ((*h.registry.allSims.begin())->firstName.size(), name.size());
    Hood junk;
    EXPECT_TRUE(junk.file.ReadFromText(std::string(100u << 20, '[')));
    EXPECT_EQ(junk.registry.families.Count(), 0u);
}

// ---- names -------------------------------------------------------------------

struct PathCase {
    const char* installDir;
    const char* name;
    const char* path;
};

class NeighborhoodPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(NeighborhoodPathTest, Resolves) {
    NeighborhoodFile f;
    f.SetInstallDir(GetParam().installDir);
    EXPECT_EQ(f.ResolvePath(GetParam().name), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NeighborhoodPathTest,
    testing::Values(PathCase{"C:\\Nestrel", "DefaultSims", "C:\\Nestrel/Saved/DefaultSims.NBD"},
                    PathCase{"C:\\Nestrel", "", "C:\\Nestrel/Saved/DefaultSims.NBD"},
                    PathCase{"C:\\Nestrel", "C:\\x\\y.NBD", "C:\\x\\y.NBD"},
                    PathCase{"C:\\Nestrel", "C:\\x\\y", "C:\\x\\y.NBD"},
                    PathCase{"/opt/n", "my.file", "/opt/n/Saved/my.file"},
                    PathCase{"/opt/n", "/tmp/a", "/tmp/a.NBD"},
                    PathCase{"/home/ann.lee/n", "Mine", "/home/ann.lee/n/Saved/Mine.NBD"}));

TEST(NeighborhoodNamesTest, StoredNamesComeFromTheFileObjectThenTheConfiguration) {
    NeighborhoodFile f;
    EXPECT_EQ(f.StoredCurrentFileName(), "DefaultSims");
    EXPECT_EQ(f.StoredBackupFileName(), "Backup");
    EXPECT_TRUE(f.StoreFileNames().empty());
    f.SetConfiguredFileNames("Conf", "ConfBackup");
    EXPECT_EQ(f.StoredCurrentFileName(), "Conf");
    EXPECT_EQ(f.StoredBackupFileName(), "ConfBackup");
    f.SetCurrentFileName("Now");
    EXPECT_EQ(f.StoredCurrentFileName(), "Now");
    auto stored = f.StoreFileNames();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0], std::make_pair(std::string("SimFile"), std::string("Now")));
    f.SetBackupFileName("B1");
    EXPECT_EQ(f.StoreFileNames().size(), 2u);
}

}  // namespace

// Members, friends and chemistry entries are read wherever their keys sit below the
// stated count: member blocks deleted by hand leave gaps, and the count may be huge.
TEST(NeighborhoodReadTest, EntriesAtScatteredNumbersAreAllRead) {
    struct Case {
        const char* name;
        const char* text;
        std::vector<std::string> members;  // in the order read
    };
    const Case cases[] = {
        {"only the last of thirty", "[Lee]\nNumMembers=30\nName29=Zed\n", {"Zed"}},
        {"gaps", "[Lee]\nNumMembers=5\nName3=Cid\nName0=Ann\nName1=\n", {"Ann", "Cid"}},
        {"near two billion", "[Lee]\nNumMembers=2000000000\nName1999999999=Zed\nName7=Ann\n", {"Ann", "Zed"}},
        {"at or above the count", "[Lee]\nNumMembers=2\nName1=Bob\nName2=Cid\nName10=Dee\n", {"Bob"}},
        {"not as the writer writes numbers", "[Lee]\nNumMembers=5\nName01=Bob\nName+2=Cid\nName4=Dee\n", {"Dee"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Hood h;
        ASSERT_TRUE(h.file.ReadFromText(c.text));
        ASSERT_EQ(h.registry.families.Count(), 1u);
        std::vector<std::string> read;
        for (const Family* family : h.registry.families)
            for (const Sim* sim : family->members) read.push_back(sim->firstName);
        EXPECT_EQ(read, c.members);
    }
    Hood none;
    ASSERT_TRUE(none.file.ReadFromText("[Lee]\nNumMembers=2\nName2=Cid\n"));
    EXPECT_EQ(none.registry.families.Count(), 0u) << "a family with no member below its count is not kept";

    Hood h;
    ASSERT_TRUE(h.file.ReadFromText(
        "[Lee]\nNumMembers=4\nName0=Ann\nFriendCount0=2000000000\nF0_1999999999=Dee Lee\nF0_29=Cid Lee\nF01=Bob Lee\n"
        "ChemCount0=30\nC0_25=Bob Lee,1\nC03=Cid Lee,2\nC0_30=Dee Lee,1\n"
        "Name1=Bob\nName2=Cid\nName3=Dee\n"));
    const Sim* ann = SimNamed(h, "Ann Lee");
    ASSERT_NE(ann, nullptr);
    std::vector<std::string> friends;
    for (int32_t id : ann->friendIds) friends.push_back(h.registry.FindSim(id)->firstName);
    EXPECT_EQ(friends, (std::vector<std::string>{"Bob", "Cid", "Dee"}));
    std::vector<std::string> chemistry;
    for (const ChemistryEntry& entry : ann->chemistry) chemistry.push_back(h.registry.FindSim(entry.simId)->firstName);
    EXPECT_EQ(chemistry, (std::vector<std::string>{"Cid", "Bob"})) << "C0_30 is at the count, not below it";
}
