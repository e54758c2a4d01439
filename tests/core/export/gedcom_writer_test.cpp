// The GEDCOM export checked line by line on small neighborhoods.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "base/FileIO.h"
#include "export/GedcomLines.h"
#include "export/GedcomWriter.h"
#include "model/Family.h"
#include "model/ModelFixture.h"
#include "model/Sim.h"
#include "model/Vocabulary.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class GedcomTest : public ModelTest {
protected:
    // A Sim whose facts do not fill the notes: no sign, aspiration or career text.
    Sim* Person(Family* family, const std::string& first, bool male) {
        Sim* sim = MakeSim(family, first, 0, male);
        sim->signName.clear();
        sim->aspiration = -1;
        sim->career.careerText.clear();
        return sim;
    }

    // The lines between the header (and submitter) and the trailer.
    std::vector<std::string> Body() {
        std::vector<std::string> lines = Lines(GedcomText(reg, "9.9"));
        EXPECT_GE(lines.size(), 12u);
        EXPECT_EQ(lines.back(), "0 TRLR");
        const std::vector<std::string> head = {
            "0 HEAD",        "1 SOUR NESTREL", "2 VERS 9.9",   "2 NAME Nestrel",
            "1 SUBM @U1@",   "1 GEDC",         "2 VERS 5.5.1", "2 FORM LINEAGE-LINKED",
            "1 CHAR UTF-8", "0 @U1@ SUBM",    "1 NAME Nestrel"};
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 11), head);
        return std::vector<std::string>(lines.begin() + 11, lines.end() - 1);
    }
};

TEST_F(GedcomTest, ThreeGenerationsWithATypedInGrandparent) {
    Family* lee = MakeFamily("Lee");
    Sim* gran = Person(lee, "Gran", false);
    Sim* mom = Person(lee, "Mae", false);
    Sim* dad = Person(lee, "Roy", true);
    Sim* kid = Person(lee, "Kit", true);
    mom->mom.SetSim(gran->id);
    mom->dad.SetName("Walter Ray Stone");
    kid->mom.SetSim(mom->id);
    kid->dad.SetSim(dad->id);
    mom->SetPartner(reg, kStatusMarried, dad->id);
    const std::string stage = "1 NOTE Life stage: " + LifeStageText(kLifeStageAdult);
    const std::vector<std::string> expected = {
        "0 @I1@ INDI", "1 NAME Gran /Lee/", "1 SEX F", stage, "1 FAMS @F1@",
        "0 @I2@ INDI", "1 NAME Mae /Lee/", "1 SEX F", stage, "1 FAMC @F1@", "1 FAMS @F2@",
        "0 @I3@ INDI", "1 NAME Roy /Lee/", "1 SEX M", stage, "1 FAMS @F2@",
        "0 @I4@ INDI", "1 NAME Kit /Lee/", "1 SEX M", stage, "1 FAMC @F2@",
        "0 @I5@ INDI", "1 NAME Walter Ray /Stone/", "1 SEX M",
        "1 NOTE Named as a parent; not a Sim of the neighborhood.", "1 FAMS @F1@",
        "0 @F1@ FAM", "1 HUSB @I5@", "1 WIFE @I1@", "1 CHIL @I2@",
        "0 @F2@ FAM", "1 HUSB @I3@", "1 WIFE @I2@", "1 MARR Y", "1 CHIL @I4@"};
    EXPECT_EQ(Body(), expected);
}

TEST_F(GedcomTest, ParentsAreSharedAndTypedNamesCountOnce) {
    // Two children of the same pair share one family; the typed-in father of
    // two Sims of different families is one person.
    Family* a = MakeFamily("Ash");
    Family* b = MakeFamily("Birch");
    Sim* mom = Person(a, "Ada", false);
    Sim* one = Person(a, "One", false);
    Sim* two = Person(b, "Two", true);
    one->mom.SetSim(mom->id);
    one->dad.SetName("Zed");
    two->mom.SetSim(mom->id);
    two->dad.SetName("Zed");
    const std::vector<std::string> body = Body();
    const std::string text = [&] {
        std::string all;
        for (const std::string& line : body) all += line + "\n";
        return all;
    }();
    EXPECT_NE(text.find("0 @I4@ INDI\n1 NAME Zed\n1 SEX M\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("0 @I5@"), std::string::npos) << text;
    EXPECT_NE(text.find("0 @F1@ FAM\n1 HUSB @I4@\n1 WIFE @I1@\n1 CHIL @I2@\n1 CHIL @I3@\n"), std::string::npos)
        << text;
    EXPECT_EQ(text.find("0 @F2@"), std::string::npos) << text;
}

TEST_F(GedcomTest, OneParentFamilies) {
    struct Case {
        const char* what;
        bool sameSimAsBoth;
        bool parentMale;
        const char* parentLine;
    };
    const Case cases[] = {
        {"mother and father are the same male Sim", true, true, "1 HUSB @I1@"},
        {"mother and father are the same female Sim", true, false, "1 WIFE @I1@"},
        {"only a mother is recorded", false, false, "1 WIFE @I1@"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reg.Clear();
        Family* f = MakeFamily("Oak");
        Sim* parent = Person(f, "Pat", c.parentMale);
        Sim* child = Person(f, "Kim", false);
        child->mom.SetSim(parent->id);
        if (c.sameSimAsBoth) child->dad.SetSim(parent->id);
        const std::vector<std::string> body = Body();
        const std::vector<std::string> family(body.end() - 3, body.end());
        EXPECT_EQ(family, (std::vector<std::string>{"0 @F1@ FAM", c.parentLine, "1 CHIL @I2@"}));
        EXPECT_EQ(std::count(body.begin(), body.end(), "0 @F1@ FAM"), 1);
        EXPECT_EQ(std::count(body.begin(), body.end(), "1 FAMS @F1@"), 1);
        EXPECT_EQ(std::count(body.begin(), body.end(), "1 FAMC @F1@"), 1);
    }
}

TEST_F(GedcomTest, SimsWithIdsFarBeyondTheCountAreLinkedLikeAnyOther) {
    // Hand-made records may number their Sims anywhere; links must not depend on it.
    Family* far = MakeFamily("Far");
    auto add = [&](const std::string& first, bool male, int32_t id) {
        std::unique_ptr<Sim> sim = reg.NewSim(first, "Far", 0, male);
        sim->id = id;
        Sim* added = reg.AddSim(std::move(sim), false, far);
        added->signName.clear();
        added->aspiration = -1;
        added->career.careerText.clear();
        return added;
    };
    Sim* mom = add("Ada", false, 1999999999);
    Sim* dad = add("Bo", true, 7);
    Sim* kid = add("Cy", true, 1500000000);
    kid->mom.SetSim(mom->id);
    kid->dad.SetSim(dad->id);
    mom->SetPartner(reg, kStatusMarried, dad->id);
    const std::string stage = "1 NOTE Life stage: " + LifeStageText(kLifeStageAdult);
    const std::vector<std::string> expected = {
        "0 @I1@ INDI", "1 NAME Ada /Far/", "1 SEX F", stage, "1 FAMS @F1@",
        "0 @I2@ INDI", "1 NAME Bo /Far/", "1 SEX M", stage, "1 FAMS @F1@",
        "0 @I3@ INDI", "1 NAME Cy /Far/", "1 SEX M", stage, "1 FAMC @F1@",
        "0 @F1@ FAM", "1 HUSB @I2@", "1 WIFE @I1@", "1 MARR Y", "1 CHIL @I3@"};
    EXPECT_EQ(Body(), expected);
}

TEST_F(GedcomTest, ASimNamedAsItsOwnParentGetsNoFamily) {
    Family* f = MakeFamily("Elm");
    Sim* sim = Person(f, "Loop", true);
    sim->dad.SetSim(sim->id);
    for (const std::string& line : Body()) EXPECT_EQ(line.find("FAM"), std::string::npos) << line;
}

TEST_F(GedcomTest, CouplesWithoutChildren) {
    Family* f = MakeFamily("Fir");
    Sim* wife = Person(f, "Wyn", false);
    Sim* husband = Person(f, "Hal", true);
    Sim* a = Person(f, "Ari", true);
    Sim* b = Person(f, "Bo", true);
    husband->SetPartner(reg, kStatusMarried, wife->id);
    a->SetPartner(reg, kStatusCommitted, b->id);
    const std::vector<std::string> body = Body();
    const std::vector<std::string> families(body.end() - 7, body.end());
    EXPECT_EQ(families, (std::vector<std::string>{"0 @F1@ FAM", "1 HUSB @I2@", "1 WIFE @I1@", "1 MARR Y",
                                                  "0 @F2@ FAM", "1 HUSB @I4@", "1 WIFE @I3@"}));
}

TEST_F(GedcomTest, NamesAreUtf8WhateverTheyWereStoredAs) {
    Family* f = MakeFamily("M\xC3\xBCller");
    Person(f, "Ren\xC3\xA9" "e", false);
    Family* g = MakeFamily("Garc\xED" "a");  // Windows-1252, as files from Windows hold it
    Sim* jose = Person(g, "Jos\xE9", true);
    jose->mom.SetName("Zo\xEB @home");
    const std::string text = GedcomText(reg, "1");
    EXPECT_NE(text.find("\n1 NAME Ren\xC3\xA9" "e /M\xC3\xBCller/\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n1 NAME Jos\xC3\xA9 /Garc\xC3\xAD" "a/\n"), std::string::npos) << text;
    // "@" is doubled in values, as the format wants.
    EXPECT_NE(text.find("\n1 NAME Zo\xC3\xAB /@@home/\n"), std::string::npos) << text;
}

TEST_F(GedcomTest, LongCareerTextIsContinuedWithinTheLineLength) {
    Family* f = MakeFamily("Yew");
    Sim* sim = Person(f, "Lon", true);
    std::string first;
    for (int i = 0; i < 120; ++i) first += "word\xC3\xA9 ";  // 7 bytes, 6 characters each
    first += "end";
    const std::string second = "Hours: 9a-5p";
    sim->career.careerText = first + "\n" + second;

    std::vector<std::string> note;
    bool inNote = false;
    for (const std::string& line : Lines(GedcomText(reg, "1"))) {
        EXPECT_LE(line.size(), 255u) << line;
        if (line.rfind("1 NOTE ", 0) == 0) inNote = true;
        else if (line[0] != '2') inNote = false;
        if (inNote) note.push_back(line);
    }
    ASSERT_GE(note.size(), 6u);
    EXPECT_EQ(note.back(), "2 CONT " + second);
    EXPECT_EQ(note[0], "1 NOTE Life stage: " + LifeStageText(kLifeStageAdult));
    ASSERT_EQ(note[1].rfind("2 CONT ", 0), 0u) << note[1];
    // Put back together, the pieces give the text; no piece starts or ends
    // with a space, which readers would trim, and none starts inside a character.
    std::string joined = note[1].substr(7);
    for (size_t i = 2; i + 1 < note.size(); ++i) {
        ASSERT_EQ(note[i].rfind("2 CONC ", 0), 0u) << note[i];
        const std::string piece = note[i].substr(7);
        EXPECT_NE(piece.front(), ' ');
        EXPECT_NE(note[i - 1].back(), ' ');
        EXPECT_NE(static_cast<unsigned char>(piece.front()) & 0xC0, 0x80) << "cut inside a character";
        joined += piece;
    }
    EXPECT_EQ(joined, first);
}

TEST_F(GedcomTest, SameNeighborhoodSameBytesAndNothingChanged) {
    Family* f = MakeFamily("Ivy");
    Sim* a = Person(f, "Al", true);
    Sim* b = Person(f, "Bea", false);
    a->SetPartner(reg, kStatusMarried, b->id);
    b->mom.SetName("Nan");
    const std::string once = GedcomText(reg, "1");
    EXPECT_EQ(GedcomText(reg, "1"), once);
    EXPECT_EQ(reg.families.Count(), 1u);
    EXPECT_EQ(reg.allSims.Count(), 2u);
    EXPECT_FALSE(b->mom.isSim);
    EXPECT_EQ(b->mom.name, "Nan");
}

TEST(GedcomLinesTest, LineBreaksAndControlCharacters) {
    std::string out;
    GedcomLines lines(out);
    lines.Text(1, "NOTE", "a\r\nb\rc\n\nd\x01" "e");
    EXPECT_EQ(out, "1 NOTE a\n2 CONT b\n2 CONT c\n2 CONT\n2 CONT d e\n");
}

// Values are scanned eight bytes at a time: a character to escape or a line
// break is found at every place of a word.
TEST(GedcomLinesTest, SpecialCharactersAreFoundAtEveryPlace) {
    const std::string plain(20, 'x');
    struct Case {
        char put;
        std::string before, after;  // what the line holds around the character
    };
    for (const Case& c : {Case{'@', "@@", ""}, Case{'\x01', " ", ""}, Case{'\x7F', " ", ""}, Case{'\t', "\t", ""},
                          Case{'\n', "", "\n2 CONT "}})
        for (size_t at = 0; at < plain.size(); ++at) {
            std::string value = plain;
            value[at] = c.put;
            std::string out;
            GedcomLines(out).Text(1, "NOTE", value);
            const std::string head = plain.substr(0, at), tail = plain.substr(at + 1);
            std::string expected = "1 NOTE " + head + c.before + c.after + tail + "\n";
            if (c.put == '\n' && at == 0) expected = "1 NOTE\n2 CONT " + tail + "\n";
            if (c.put == '\n' && at + 1 == plain.size()) expected = "1 NOTE " + head + "\n2 CONT\n";
            EXPECT_EQ(out, expected) << int(c.put) << " at " << at;
        }
}

TEST(GedcomExportFile, WritesTheWholeFileOrReportsWhy) {
    IdCounters counters;
    RecordingPrompter prompter;
    SimRegistry reg{counters, prompter};
    reg.AddFamily(reg.NewFamily("Ash"));
    const auto dir = std::filesystem::temp_directory_path() / ("nestrel-gedcom-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "out.ged").string();
    std::string error;
    ASSERT_TRUE(ExportGedcomFile(reg, "1", path, error)) << error;
    std::string written;
    ASSERT_TRUE(ReadWholeFile(path, written));
    EXPECT_EQ(written, GedcomText(reg, "1"));
    EXPECT_FALSE(ExportGedcomFile(reg, "1", (dir / "missing" / "out.ged").string(), error));
    EXPECT_FALSE(error.empty());
    std::filesystem::remove_all(dir);
}

}  // namespace
