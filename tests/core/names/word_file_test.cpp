#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "base/FileIO.h"
#include "names/WordFile.h"
#include "names/WordFileNames.h"

namespace fs = std::filesystem;

namespace {

class NamesFileTest : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("nestrel_names_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        SetWriteFaultHook(nullptr);
        fs::remove_all(dir);
    }
    std::string Path(const char* name) const { return (dir / name).string(); }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Get(const std::string& path) {
        std::string out;
        ReadWholeFile(path, out);
        return out;
    }
};

using Lines = std::vector<std::string>;

TEST_F(NamesFileTest, LoadTrimsTrailingBlanksAndDropsEmptyLines) {
    std::string path = Path("a.txt");
    Put(path, "\n  carl  \r\nsecond\t\r\n\r\n   \nlast line without break");
    WordFile file;
    ASSERT_TRUE(file.Load(path));
    EXPECT_EQ(file.lines, (Lines{"  carl", "second", "last line without break"}));
    EXPECT_EQ(file.path, path);
}

TEST_F(NamesFileTest, LongLinesAreReadWhole) {
    // Lines far beyond any fixed buffer stay one line; a '[' deep inside one
    // must not start a section.
    std::string longName(300, 'x');
    std::string huge(5'000'000, 'y');
    huge[255] = '[';
    huge[300] = ']';
    std::string path = Path("long.snf");
    Put(path, "[female]\n" + longName + "\n[male]\n" + huge + "\n[last]\nLee\n");
    WordFileNames names;
    ASSERT_TRUE(names.Load(path));
    EXPECT_EQ(names.femaleNames, (Lines{"X" + longName.substr(1)}));
    ASSERT_EQ(names.maleNames.size(), 1u);
    EXPECT_EQ(names.maleNames[0].size(), huge.size());
    EXPECT_EQ(names.lastNames, (Lines{"Lee"}));
}

TEST_F(NamesFileTest, BinaryBytesSurviveARoundTrip) {
    std::string odd("a\0b\xff\x01", 5);
    std::string path = Path("bin.txt");
    WordFile out;
    out.AppendLine(odd);
    out.AppendLine("\xc3\xa9t\xc3\xa9");
    ASSERT_TRUE(out.Save(path));
    WordFile in;
    ASSERT_TRUE(in.Load(path));
    EXPECT_EQ(in.lines, out.lines);
}

TEST_F(NamesFileTest, MissingFileOrNoPathFailsAndKeepsLines) {
    WordFile file;
    file.AppendLine("kept");
    EXPECT_FALSE(file.Load(Path("missing.txt")));
    EXPECT_FALSE(file.Load(""));
    EXPECT_FALSE(file.Load(dir.string()));  // a folder is not a file
    EXPECT_FALSE(file.Save(""));
    EXPECT_EQ(file.lines, (Lines{"kept"}));

    WordFileNames names;
    names.Open(Path("missing.snf"));
    EXPECT_TRUE(names.femaleNames.empty());
    EXPECT_EQ(names.RandomFemale(), "");
    EXPECT_EQ(names.RandomMale(), "");
    EXPECT_EQ(names.RandomLast(), "");
}

TEST_F(NamesFileTest, MissingNamesFileIsCreatedOnSaveWithAddedNames) {
    std::string path = Path("defaultNamesList.snf");
    WordFileNames names;
    names.Open(path);
    EXPECT_EQ(names.path, path);
    ASSERT_TRUE(names.AddFemale("Mary"));
    ASSERT_TRUE(names.Save(names.path));
    EXPECT_EQ(Get(path), "[female]\nMary\n\n[male]\n\n[last]\n");
}

TEST_F(NamesFileTest, ReportWithoutLinesIsAnEmptyFile) {
    std::string path = Path("report.txt");
    Put(path, "old report");
    WordFile report;
    ASSERT_TRUE(report.Save(path));
    EXPECT_EQ(Get(path), "");
}

TEST_F(NamesFileTest, NamesFileParsesAndSavesInCanonicalLayout) {
    std::string path = Path("names.snf");
    Put(path, "\n[Female]\nanna\n\n[MALE]\nbob\n[last]\nsmith\n  carl  \n");
    WordFileNames names;
    ASSERT_TRUE(names.Load(path));
    EXPECT_EQ(names.femaleNames, (Lines{"Anna"}));
    EXPECT_EQ(names.maleNames, (Lines{"Bob"}));
    EXPECT_EQ(names.lastNames, (Lines{"Smith", "  carl"}));

    ASSERT_TRUE(names.Save(path));
    EXPECT_EQ(Get(path), "[female]\nAnna\n\n[male]\nBob\n\n[last]\nSmith\n  carl\n");

    WordFileNames again;
    ASSERT_TRUE(again.Load(path));
    EXPECT_EQ(again.femaleNames, names.femaleNames);
    EXPECT_EQ(again.maleNames, names.maleNames);
    EXPECT_EQ(again.lastNames, names.lastNames);
}

TEST_F(NamesFileTest, EmptyListsStillWriteTheirHeaders) {
    std::string path = Path("empty.snf");
    WordFileNames names;
    ASSERT_TRUE(names.Save(path));
    EXPECT_EQ(Get(path), "[female]\n\n[male]\n\n[last]\n");
    ASSERT_TRUE(names.Load(path));
    EXPECT_TRUE(names.femaleNames.empty() && names.maleNames.empty() && names.lastNames.empty());
}

TEST_F(NamesFileTest, FileNotStartingWithFemaleHeaderLoadsNoNames) {
    std::string path = Path("bad.snf");
    Put(path, "anna\n[female]\nbeth\n");
    WordFileNames names;
    names.femaleNames = {"Kept"};
    EXPECT_FALSE(names.Load(path));
    EXPECT_EQ(names.femaleNames, (Lines{"Kept"}));

    // An empty file succeeds and leaves the lists alone.
    Put(path, "\n \n");
    EXPECT_TRUE(names.Load(path));
    EXPECT_EQ(names.femaleNames, (Lines{"Kept"}));
}

TEST_F(NamesFileTest, AddRejectsDuplicatesAndNamesThatWouldNotReadBack) {
    WordFileNames names;
    EXPECT_TRUE(names.AddFemale("Anna"));
    EXPECT_FALSE(names.AddFemale("ANNA"));
    EXPECT_TRUE(names.AddMale("anna"));  // lists are separate
    for (const char* bad : {"", "   ", "Ann\nSmith", "Ann\r", "[male]", "[LAST]"}) {
        EXPECT_FALSE(names.AddLast(bad)) << bad;
    }
    EXPECT_TRUE(names.lastNames.empty());
    EXPECT_EQ(names.femaleNames, (Lines{"Anna"}));

    std::string path = Path("added.snf");
    ASSERT_TRUE(names.AddLast("[Lee] the elder"));
    ASSERT_TRUE(names.Save(path));
    WordFileNames back;
    ASSERT_TRUE(back.Load(path));
    EXPECT_EQ(back.lastNames, (Lines{"[Lee] the elder"}));
    EXPECT_EQ(back.maleNames, (Lines{"Anna"}));
}

TEST_F(NamesFileTest, RandomPicksFollowTheCLibraryGenerator) {
    WordFileNames names;
    names.femaleNames = {"A", "B", "C"};
    std::srand(7);
    int r = std::rand();
    std::srand(7);
    EXPECT_EQ(names.RandomFemale(), names.femaleNames[static_cast<size_t>(r) % 3]);
}

TEST_F(NamesFileTest, FailedSaveLeavesTheOldFileAndReportsFalse) {
    std::string path = Path("names.snf");
    Put(path, "[female]\nOld\n");
    WordFileNames names;
    names.femaleNames = {"New"};
    for (WriteStep step : {WriteStep::Open, WriteStep::Write, WriteStep::Sync, WriteStep::Rename}) {
        SetWriteFaultHook([step](WriteStep s) { return s == step; });
        EXPECT_FALSE(names.Save(path));
        EXPECT_EQ(Get(path), "[female]\nOld\n");
    }
    SetWriteFaultHook(nullptr);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_FALSE(names.Save(Path("no/such/folder/names.snf")));
}

}  // namespace
