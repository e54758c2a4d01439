#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "base/FileIO.h"
#include "settings/ColourContrast.h"
#include "social/MatchmakerSettings.h"
#include "storage/GroupFile.h"
#include "storage/ProgramSettings.h"

namespace fs = std::filesystem;

namespace {

class ProgramSettingsTest : public ::testing::Test {
protected:
    fs::path dir;
    std::string path;
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("nestrel_settings_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / "SimProgSettings.ini").string();
    }
    void TearDown() override {
        SetWriteFaultHook(nullptr);
        fs::remove_all(dir);
    }
    void Put(const std::string& bytes) const { std::ofstream(path, std::ios::binary) << bytes; }
    std::string Get() const {
        std::string out;
        ReadWholeFile(path, out);
        return out;
    }
};

void ExpectDefaults(const ProgramSettings& s) {
    ProgramSettings d;
    EXPECT_EQ(s.askToSave, d.askToSave);
    EXPECT_EQ(s.highlight, d.highlight);
    EXPECT_EQ(s.firstOrder, d.firstOrder);
    EXPECT_EQ(s.secondOrder, d.secondOrder);
    EXPECT_EQ(s.textColor, d.textColor);
    EXPECT_EQ(s.bgColor, d.bgColor);
    EXPECT_EQ(s.hlBgColor, d.hlBgColor);
    EXPECT_EQ(s.hlColor, d.hlColor);
    EXPECT_EQ(s.lcColor, d.lcColor);
    EXPECT_EQ(s.lcBgColor, d.lcBgColor);
}

void ExpectMatchmaker(const MatchmakerSettings& m, int age, bool townie, bool elder, bool filter) {
    EXPECT_EQ(m.currentAge, age);
    EXPECT_EQ(m.townieCheck, townie);
    EXPECT_EQ(m.elderCheck, elder);
    EXPECT_EQ(m.filterMarried, filter);
}

TEST(ColorTextTest, FormatsAndParsesWithLowByteAndMissingParts) {
    EXPECT_EQ(ColorToText(RgbColor{255, 255, 255}), "255,255,255");
    EXPECT_EQ(ColorToText(RgbColor{0, 128, 7}), "0,128,7");
    struct Case {
        const char* text;
        RgbColor color;
    } cases[] = {
        {"1,2,3", {1, 2, 3}},
        {"300,0,0", {44, 0, 0}},
        {"-1,256,257", {255, 0, 1}},
        {" 12 , 34,56 extra,99", {12, 34, 56}},
        {"10,20", {10, 20, 0}},
        {"10,,30", {10, 0, 30}},
        {"", {0, 0, 0}},
        {"99999999999999999999,x,7", {255, 0, 7}},  // saturates, then keeps the low byte
    };
    for (const Case& c : cases) EXPECT_EQ(TextToColor(c.text), c.color) << c.text;
}

TEST(SettingsPathTest, DataFolderAndExtension) {
    EXPECT_EQ(SettingsFilePath("/opt/nestrel"), "/opt/nestrel/Data/SimProgSettings.ini");
    EXPECT_EQ(SettingsFilePath("/home/a/.local/share/Nestrel"),
              "/home/a/.local/share/Nestrel/Data/SimProgSettings.ini");
    EXPECT_EQ(SettingsFilePath("/x", "Other.cfg"), "/x/Data/Other.cfg");
    EXPECT_EQ(SettingsFilePath("/x", "C:\\y\\z"), "C:\\y\\z.ini");
    EXPECT_EQ(SettingsFilePath("/x", "/etc/nestrel/settings"), "/etc/nestrel/settings.ini");
}

TEST_F(ProgramSettingsTest, RoundTripWithColoursAndMatchmakerGroup) {
    ProgramSettings out;
    out.askToSave = false;
    out.highlight = 2;
    out.firstOrder = 4;
    out.secondOrder = 5;
    out.textColor = {1, 2, 3};
    out.bgColor = {10, 20, 30};
    out.hlBgColor = {40, 50, 60};
    out.hlColor = {70, 80, 90};
    out.lcColor = {100, 110, 120};
    out.lcBgColor = {130, 140, 250};
    MatchmakerSettings mm;
    mm.currentAge = 1;
    mm.townieCheck = true;
    mm.elderCheck = false;
    mm.filterMarried = true;
    ASSERT_TRUE(WriteSettings(path, out, &mm));

    EXPECT_EQ(Get(),
              "[Settings]\r\nAskToSave=0\r\nFirstOrder=4\r\nSecondOrder=5\r\nHighlight=2\r\n"
              "BgColor=10,20,30\r\nTextColor=1,2,3\r\nHLBGColor=40,50,60\r\nHLColor=70,80,90\r\n"
              "LCBGColor=130,140,250\r\nLCColor=100,110,120\r\n"
              "[Matchmaker]\r\nCurrentAge=1\r\nTownieCheck=1\r\nElderCheck=0\r\nFilterMarried=1\r\n"
              "\r\r\n");

    ProgramSettings in;
    MatchmakerSettings back;
    ASSERT_TRUE(ReadSettings(path, in, &back));
    EXPECT_FALSE(in.askToSave);
    EXPECT_EQ(in.highlight, 2);
    EXPECT_EQ(in.firstOrder, 4);
    EXPECT_EQ(in.secondOrder, 5);
    EXPECT_EQ(in.textColor, out.textColor);
    EXPECT_EQ(in.bgColor, out.bgColor);
    EXPECT_EQ(in.hlBgColor, out.hlBgColor);
    EXPECT_EQ(in.hlColor, out.hlColor);
    EXPECT_EQ(in.lcColor, out.lcColor);
    EXPECT_EQ(in.lcBgColor, out.lcBgColor);
    ExpectMatchmaker(back, 1, true, false, true);
}

TEST_F(ProgramSettingsTest, WithoutMatchmakerOnlyTheSettingsGroupIsWritten) {
    ProgramSettings settings;
    ASSERT_TRUE(WriteSettings(path, settings, nullptr));
    GroupFile file = GroupFile::LoadGroups(path);
    ASSERT_EQ(file.Size(), 1u);
    EXPECT_EQ(file.At(0).Name(), "Settings");

    // A start from that file gives the matchmaker its defaults.
    MatchmakerSettings mm;
    mm.currentAge = 3;
    ASSERT_TRUE(ReadSettings(path, settings, &mm));
    EXPECT_EQ(mm.currentAge, 3);
    ExpectDefaults(settings);
}

TEST_F(ProgramSettingsTest, MissingEmptyOrUnreadableFileKeepsDefaults) {
    for (const char* contents : {static_cast<const char*>(nullptr), "", "\n"}) {
        fs::remove(path);
        if (contents) Put(contents);
        ProgramSettings settings;
        MatchmakerSettings mm;
        bool read = ReadSettings(path, settings, &mm);
        if (!contents || !*contents) EXPECT_FALSE(read);
        ExpectDefaults(settings);
        ExpectMatchmaker(mm, 2, false, true, false);
    }
    ProgramSettings settings;
    EXPECT_FALSE(ReadSettings(dir.string(), settings, nullptr));  // a folder
    ExpectDefaults(settings);
}

TEST_F(ProgramSettingsTest, PartialAndDamagedValues) {
    // Any first group name is read; absent keys keep their defaults; numbers
    // are read as atoi reads them; a colour without digits is ignored.
    Put("[Whatever]\nAskToSave=0\nHighlight=5\nFirstOrder=abc\nSecondOrder=99999999999\n"
        "BgColor=\nTextColor=garbage\nHLColor=300,0\n"
        "[Other]\nCurrentAge=7\nTownieCheck=2\nElderCheck=0\n");
    ProgramSettings s;
    MatchmakerSettings mm;
    ASSERT_TRUE(ReadSettings(path, s, &mm));
    EXPECT_FALSE(s.askToSave);
    EXPECT_EQ(s.highlight, 5);  // the settings dialog shows it as "by gender"
    EXPECT_EQ(s.firstOrder, 0);
    EXPECT_EQ(s.secondOrder, INT32_MAX);
    EXPECT_EQ(s.bgColor, (RgbColor{255, 255, 255}));
    EXPECT_EQ(s.textColor, (RgbColor{0, 0, 0}));
    EXPECT_EQ(s.hlColor, (RgbColor{44, 0, 0}));
    EXPECT_EQ(s.hlBgColor, ProgramSettings{}.hlBgColor);
    ExpectMatchmaker(mm, 2, false, false, false);

    // AskToSave is set only by exactly 1.
    Put("[Settings]\nAskToSave=01\n");
    ASSERT_TRUE(ReadSettings(path, s, nullptr));
    EXPECT_TRUE(s.askToSave);
    Put("[Settings]\nAskToSave=yes\n");
    ASSERT_TRUE(ReadSettings(path, s, nullptr));
    EXPECT_FALSE(s.askToSave);
}

TEST_F(ProgramSettingsTest, OnlyAskToSaveTurnsThePromptOffAndKeepsTheRest) {
    Put("[Settings]\r\nAskToSave=0\r\n");
    ProgramSettings s;
    MatchmakerSettings mm;
    ASSERT_TRUE(ReadSettings(path, s, &mm));
    EXPECT_FALSE(s.askToSave);
    s.askToSave = true;
    ExpectDefaults(s);
    ExpectMatchmaker(mm, 2, false, true, false);
}

TEST_F(ProgramSettingsTest, MatchmakerChildStageReadsBack) {
    Put("[Settings]\nAskToSave=1\n[Matchmaker]\nCurrentAge=3\nTownieCheck=1\n");
    ProgramSettings s;
    MatchmakerSettings mm;
    ASSERT_TRUE(ReadSettings(path, s, &mm));
    ExpectMatchmaker(mm, 3, true, true, false);
    // Without a matchmaker record the second group is simply not read.
    ASSERT_TRUE(ReadSettings(path, s, nullptr));
}

TEST_F(ProgramSettingsTest, FailedWriteLeavesTheOldFileAndReportsFalse) {
    ProgramSettings s;
    MatchmakerSettings mm;
    ASSERT_TRUE(WriteSettings(path, s, &mm));
    const std::string before = Get();
    s.askToSave = false;
    for (WriteStep step : {WriteStep::Open, WriteStep::Write, WriteStep::Sync, WriteStep::Rename}) {
        SetWriteFaultHook([step](WriteStep st) { return st == step; });
        EXPECT_FALSE(WriteSettings(path, s, &mm));
        EXPECT_EQ(Get(), before);
    }
    SetWriteFaultHook(nullptr);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_FALSE(WriteSettings((dir / "missing" / "x.ini").string(), s, &mm));
}

TEST(HighlightDefaultTest, DefaultHighlightReadsWellAndStandsOutFromTheList) {
    const struct {
        RgbColor a, b;
        double least, most;
    } ratios[] = {
        {{0, 0, 0}, {255, 255, 255}, 20.9, 21.1},
        {{255, 255, 255}, {255, 255, 255}, 0.99, 1.01},
        {{255, 255, 255}, {0, 255, 0}, 1.3, 1.4},  // the old default: hard to read
        {{0, 0, 0}, {0, 255, 0}, 15.0, 15.6},
    };
    for (const auto& r : ratios) {
        EXPECT_GE(ContrastRatio(r.a, r.b), r.least);
        EXPECT_LE(ContrastRatio(r.a, r.b), r.most);
        EXPECT_DOUBLE_EQ(ContrastRatio(r.a, r.b), ContrastRatio(r.b, r.a));
    }
    const ProgramSettings d;
    EXPECT_GE(ContrastRatio(d.hlColor, d.hlBgColor), kReadableContrast);
    // Also the list's own text on the highlight, and the highlight told from the list.
    EXPECT_GE(ContrastRatio(d.lcColor, d.hlBgColor), kReadableContrast);
    EXPECT_GE(ContrastRatio(d.hlBgColor, d.lcBgColor), 1.4);
}

TEST_F(ProgramSettingsTest, TheOldHardToReadHighlightPairIsReadAsTheNewDefault) {
    Put("[Settings]\nHLBGColor=0,255,0\nHLColor=255,255,255\n");
    ProgramSettings s;
    ASSERT_TRUE(ReadSettings(path, s, nullptr));
    EXPECT_EQ(s.hlBgColor, ProgramSettings{}.hlBgColor);
    EXPECT_EQ(s.hlColor, ProgramSettings{}.hlColor);
    // Any other choice is the player's and stays.
    Put("[Settings]\nHLBGColor=0,255,0\nHLColor=0,0,0\n");
    ASSERT_TRUE(ReadSettings(path, s, nullptr));
    EXPECT_EQ(s.hlBgColor, (RgbColor{0, 255, 0}));
    EXPECT_EQ(s.hlColor, (RgbColor{0, 0, 0}));
}

}  // namespace
