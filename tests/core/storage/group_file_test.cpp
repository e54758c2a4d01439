#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "base/FileIO.h"
#include "storage/GroupFile.h"
#include "storage/GroupParser.h"

namespace {

struct Lookup {
    const char* file;
    size_t group;
    const char* key;
    bool found;
    const char* value;
};

class GroupFileLookupTest : public testing::TestWithParam<Lookup> {};

TEST_P(GroupFileLookupTest, FindsKeysAsTheProgramsFilesExpect) {
    const Lookup& c = GetParam();
    GroupFile file = GroupFile::ParseGroups(c.file);
    ASSERT_LT(c.group, file.Size());
    std::string_view value;
    EXPECT_EQ(file.At(c.group).FindValue(c.key, value), c.found) << c.key;
    if (c.found) EXPECT_EQ(value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Quirks, GroupFileLookupTest,
    testing::Values(
        // a key counts only at the start of a line
        Lookup{"[a]\nXNumMembers=3\nNumMembers=2\n", 0, "NumMembers", true, "2"},
        Lookup{"[a]\nXNumMembers=3\n", 0, "NumMembers", false, ""},
        // the first of two lines wins
        Lookup{"[a]\nK=1\nK=2\n", 0, "K", true, "1"},
        // a value runs to the line end and keeps further '='
        Lookup{"[a]\nK=x=y\n", 0, "K", true, "x=y"},
        Lookup{"[a]\nK=\n", 0, "K", true, ""},
        // CR LF is one line feed; a CR before it survives as part of the value
        Lookup{"[a]\r\nK=1\r\nL=2\r\n", 0, "L", true, "2"},
        Lookup{"[a]\r\nK=1\r\r\n", 0, "K", true, "1\r"},
        // a lone CR is an ordinary character, not a line end
        Lookup{"[a]\nK=1\rL=2\n", 0, "L", false, ""},
        // the last line may lack its line feed
        Lookup{"[a]\nK=7", 0, "K", true, "7"},
        // keys with '=' are looked up the plain way
        Lookup{"[a]\nx=y=z\n", 0, "x=y", true, "z"},
        // key lookups stay within their group
        Lookup{"[a]\nK=1\n[b]\nL=2\n", 0, "L", false, ""},
        Lookup{"[a]\nK=1\n[b]\nL=2\n", 1, "K", false, ""}));

TEST(GroupFileTest, SplitsIntoGroupsWithTheirQuirks) {
    // lines before the first header form a nameless first group; a header's
    // trailing text is ignored; equal names are kept apart; an empty group counts
    GroupFile file = GroupFile::ParseGroups("; comment\n[Lee] more text\nA=1\n[Lee]\n[x]y]\nB=2\n");
    ASSERT_EQ(file.Size(), 4u);
    EXPECT_EQ(file.At(0).Name(), "");
    EXPECT_EQ(file.At(0).Body(), "; comment\n");
    EXPECT_EQ(file.At(1).Name(), "Lee");
    EXPECT_EQ(file.At(1).Body(), "A=1\n");
    EXPECT_EQ(file.At(2).Name(), "Lee");
    EXPECT_EQ(file.At(2).Body(), "");
    EXPECT_EQ(file.At(3).Name(), "x");
    EXPECT_EQ(file.At(3).Body(), "B=2\n");
}

TEST(GroupFileTest, EmptyAndHeaderlessInputs) {
    EXPECT_EQ(GroupFile::ParseGroups("").Size(), 0u);
    EXPECT_EQ(GroupFile::ParseGroups("[settings]").At(0).Name(), "settings");
    // a blank first line is a nameless group of its own
    GroupFile blank = GroupFile::ParseGroups("\n[settings]\nvers=1\n");
    ASSERT_EQ(blank.Size(), 2u);
    EXPECT_EQ(blank.At(0).Name(), "");
    // '[' without ']' is an ordinary body line
    GroupFile open = GroupFile::ParseGroups("[a]\n[b\nK=1\n");
    ASSERT_EQ(open.Size(), 1u);
    EXPECT_EQ(open.At(0).Body(), "[b\nK=1\n");
}

TEST(GroupFileTest, LongLinesAreReadWhole) {
    // 255-character pieces would split this line, and its second piece,
    // starting with '[', would open a false group
    std::string longValue(255 - 5, 'a');
    longValue += "[Fake]";
    longValue += std::string(1000, 'b');
    GroupFile file = GroupFile::ParseGroups("[a]\nName=" + longValue + "\nK=1\n");
    ASSERT_EQ(file.Size(), 1u);
    EXPECT_EQ(file.At(0).FindText("Name"), longValue);
    EXPECT_EQ(file.At(0).FindNumber("K", -1), 1);
}

TEST(GroupFileTest, NumbersReadLikeAtoi) {
    GroupFile file = GroupFile::ParseGroups("[a]\nA= 12x\nB=abc\nC=-7\nD=99999999999\n");
    const Group& g = file.At(0);
    EXPECT_EQ(g.FindNumber("A", -1), 12);
    EXPECT_EQ(g.FindNumber("B", -1), 0);
    EXPECT_EQ(g.FindNumber("C", -1), -7);
    EXPECT_EQ(g.FindNumber("D", -1), 2147483647);
    EXPECT_EQ(g.FindNumber("E", -1), -1);
}

TEST(GroupFileTest, WritesCrLfHeadersAndEndsEveryBody) {
    GroupFile file;
    file.AppendGroup("settings", "vers=1.0\n");
    file.AppendGroup("", "Loose=1\n");
    file.AppendGroup("B", "X=1\r\nY=2");
    file.AppendGroup("C", "Z=1\r");
    file.AppendGroup("D", "");
    EXPECT_EQ(file.ToText(),
              "[settings]\r\nvers=1.0\r\n"
              "Loose=1\r\n"             // a nameless group has no header ...
              "[B]\r\nX=1\r\r\nY=2\r\n"  // a body line ending in CR becomes CR CR LF
              "[C]\r\nZ=1\r\r\n"        // a body ending in a bare CR still gets its line end
              "[D]\r\n");

    // ... so it joins the group before it when read back
    GroupFile back = GroupFile::ParseGroups(file.ToText());
    ASSERT_EQ(back.Size(), 4u);
    EXPECT_EQ(back.At(0).Body(), "vers=1.0\nLoose=1\n");
    EXPECT_EQ(back.At(1).Body(), "X=1\r\nY=2\n");
    EXPECT_EQ(back.At(2).Name(), "C");
    EXPECT_EQ(back.At(3).Name(), "D");
}

TEST(GroupFileTest, IndexIsBuiltOncePerGroupAndSurvivesMoves) {
    std::string body;
    for (int i = 0; i < 5000; ++i) body += "K" + std::to_string(i) + "=" + std::to_string(i * 3) + "\n";
    GroupFile file;
    file.AppendGroup("big", body);
    GroupFile moved = std::move(file);
    for (int i = 0; i < 5000; i += 499) EXPECT_EQ(moved.At(0).FindNumber("K" + std::to_string(i), -1), i * 3);
    EXPECT_EQ(moved.At(0).LineCount(), 5000u);
}

// ---- reading in pieces -------------------------------------------------------

// Every group as "name|body;", so that two parses compare as one text.
std::string Describe(const Group& g) { return std::string(g.Name()) + "|" + std::string(g.Body()) + ";"; }

std::string WholeParse(const std::string& text) {
    std::string out;
    for (const Group& g : GroupFile::ParseGroups(text)) out += Describe(g);
    return out;
}

std::string PiecewiseParse(const std::string& text, const std::vector<size_t>& cuts, size_t chunkSize) {
    std::string out;
    GroupParser parser([&](const Group& g) { out += Describe(g); }, chunkSize);
    size_t from = 0;
    for (size_t cut : cuts) {
        parser.Feed(std::string_view(text).substr(from, cut - from));
        from = cut;
    }
    parser.Feed(std::string_view(text).substr(from));
    parser.Finish();
    return out;
}

// Texts with everything a piece may end in the middle of: CR LF pairs (and
// CRs that are not part of one), headers and their ']', empty lines, a line
// before the first header, a last line without a line feed, a header
// without ']', an empty name.
const char* const kTrickyTexts[] = {
    "lead\r\n[settings]\r\nCareerVers=1.0\r\n[Lee] tail\r\nK=1\r\r\n\r\r\n[Kim]\r\n[x]y]\nL=2\rM=3\r\n[]\n",
    "\n\r\n[a]\r\n[b\r\nK=1\r\n[c]\r",
    "[a]\nK=1\n[b]",
    "[]",
    "\r\r\r\n\n[[]]]\r\nend",
};

TEST(GroupParserTest, EveryCutPositionReadsAsTheWholeText) {
    for (const char* textPtr : kTrickyTexts) {
        const std::string text = textPtr;
        const std::string whole = WholeParse(text);
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_EQ(PiecewiseParse(text, {}, kGroupChunkSize), whole);
        for (size_t cut = 0; cut <= text.size(); ++cut)
            EXPECT_EQ(PiecewiseParse(text, {cut}, kGroupChunkSize), whole) << "cut at " << cut;
        for (size_t a = 0; a <= text.size(); ++a)
            for (size_t b = a; b <= text.size(); ++b)
                ASSERT_EQ(PiecewiseParse(text, {a, b}, 4), whole) << "cuts at " << a << " and " << b;
        // one byte at a time through a buffer of one byte, which must grow
        std::vector<size_t> every;
        for (size_t i = 1; i < text.size(); ++i) every.push_back(i);
        EXPECT_EQ(PiecewiseParse(text, every, 1), whole);
    }
}

TEST(GroupParserTest, GroupsLargerThanTheBufferAndLongLinesReadWhole) {
    // a group and one line far larger than the buffer, each cut in many places
    std::string text = "[small]\r\nA=1\r\n[big]\r\n";
    for (int i = 0; i < 2000; ++i) text += "K" + std::to_string(i) + "=" + std::string(size_t(i % 7), 'v') + "\r\n";
    text += "Long=" + std::string(50000, 'x') + "[not]\r\n[after]\r\nB=2";
    const std::string whole = WholeParse(text);
    ASSERT_EQ(GroupFile::ParseGroups(text).Size(), 3u);
    for (size_t step : {size_t{1}, size_t{7}, size_t{4096}}) {
        std::vector<size_t> cuts;
        for (size_t at = step; at < text.size(); at += step) cuts.push_back(at);
        EXPECT_EQ(PiecewiseParse(text, cuts, 16), whole) << "pieces of " << step;
    }
}

class GroupFileDiskTest : public testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("nestrel_groupfile_" + std::to_string(::getpid()) + "_" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        SetWriteFaultHook(nullptr);
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir;
};

TEST_F(GroupFileDiskTest, SavesAndLoadsAndReportsMissingFiles) {
    std::string path = (dir / "f.ini").string();
    GroupFile file;
    file.AppendGroup("a", "K=1\n");
    ASSERT_TRUE(file.SaveGroups(path));
    GroupFile back = GroupFile::LoadGroups(path);
    ASSERT_EQ(back.Size(), 1u);
    EXPECT_EQ(back.At(0).FindNumber("K", 0), 1);
    EXPECT_TRUE(GroupFile::LoadGroups((dir / "missing.ini").string()).Empty());
    EXPECT_TRUE(GroupFile::LoadGroups(dir.string()).Empty());  // a folder is not a file
}

TEST_F(GroupFileDiskTest, FailedWriteKeepsTheOldFile) {
    std::string path = (dir / "f.ini").string();
    GroupFile old;
    old.AppendGroup("old", "K=1\n");
    ASSERT_TRUE(old.SaveGroups(path));
    GroupFile next;
    next.AppendGroup("new", "K=2\n");
    for (WriteStep step : {WriteStep::Open, WriteStep::Write, WriteStep::Sync, WriteStep::Rename}) {
        SetWriteFaultHook([step](WriteStep s) { return s == step; });
        std::string error;
        EXPECT_FALSE(next.SaveGroups(path, &error));
        EXPECT_FALSE(error.empty());
        GroupFile back = GroupFile::LoadGroups(path);
        ASSERT_EQ(back.Size(), 1u);
        EXPECT_EQ(back.At(0).Name(), "old");
    }
    SetWriteFaultHook(nullptr);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1)
        << "no temporary file is left behind";
}

}  // namespace
