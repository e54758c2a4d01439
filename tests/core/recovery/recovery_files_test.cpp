// Recovery copies of unsaved changes: where they live, how they are named, which one is
// offered, and what keeps a copy from ever being lost.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "recovery/RecoveryFiles.h"
#include "storage/NeighborhoodFixture.h"

namespace fs = std::filesystem;

namespace {

TEST(RecoveryDirTest, StateHomeThenHome) {
    struct Case {
        const char* stateHome;
        const char* home;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"/state", "/home/ann", "/state/Nestrel/recovery"},
        {nullptr, "/home/ann", "/home/ann/.local/state/Nestrel/recovery"},
        {"", "/home/ann", "/home/ann/.local/state/Nestrel/recovery"},
        // A relative value is to be ignored: it would depend on the working folder.
        {"state", "/home/ann", "/home/ann/.local/state/Nestrel/recovery"},
        {nullptr, nullptr, ""},
        {nullptr, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecoveryDir(c.stateHome, c.home), c.expected)
            << (c.stateHome ? c.stateHome : "(unset)") << " / " << (c.home ? c.home : "(unset)");
}

TEST(AutoSaveIntervalTest, StoredTextToSeconds) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"", 60},   {"60", 60},   {"1", 1},     {" 30", 30},   {"0", 0},
        {"abc", 60}, {"-5", 60},  {"45s", 45},  {"999999", 86400},
    };
    for (const auto& [text, seconds] : cases) EXPECT_EQ(AutoSaveSecondsFromText(text), seconds) << '"' << text << '"';
}

TEST(NeighborhoodFilePathTest, TheFileTheNeighborhoodLivesIn) {
    Hood h("/inst");
    EXPECT_EQ(NeighborhoodFilePath(h.file, "Unsaved"), "");
    EXPECT_EQ(NeighborhoodFilePath(h.file, ""), "");
    EXPECT_EQ(NeighborhoodFilePath(h.file, "DefaultSims"), "/inst/Saved/DefaultSims.NBD");
    EXPECT_EQ(NeighborhoodFilePath(h.file, "/a/../b/./Mine.NBD"), "/b/Mine.NBD");
}

class RecoveryFilesTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        h.file.SetInstallDir(dir.string());
        lee = h.AddFamily("Lee");
        h.AddSim(lee, "Ann");
        own = (dir / "Saved/DefaultSims.NBD").string();
    }
    std::string Recovery() const { return (dir / "state/Nestrel/recovery").string(); }
    static void SetAge(const std::string& path, std::chrono::seconds ago) {
        fs::last_write_time(path, fs::file_time_type::clock::now() - ago);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(Recovery())) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    Hood h;
    Family* lee = nullptr;
    std::string own;
};

TEST_F(RecoveryFilesTest, OneCopyPerNeighborhoodNamedAfterItsFile) {
    RecoveryFiles files(Recovery());
    const std::string here = files.CopyPath("/one/DefaultSims.NBD");
    const std::string there = files.CopyPath("/two/DefaultSims.NBD");
    EXPECT_NE(here, there) << "two files of the same name in different folders";
    EXPECT_EQ(here, files.CopyPath("/one/DefaultSims.NBD")) << "the same file, the same copy";
    EXPECT_EQ(RecoveryFiles(Recovery()).CopyPath("/one/DefaultSims.NBD"), here) << "and in the next run";
    for (const std::string& copy : {here, there}) {
        EXPECT_EQ(fs::path(copy).parent_path().string(), Recovery());
        const std::string name = fs::path(copy).filename().string();
        EXPECT_EQ(name.rfind("DefaultSims-", 0), 0u) << name;
        EXPECT_EQ(fs::path(copy).extension(), ".NBD") << name;
    }
    EXPECT_EQ(files.CopyPath(""), Recovery() + "/Unsaved.NBD");
    EXPECT_NE(files.CopyPath("/x/Unsaved.NBD"), files.CopyPath("")) << "a file really named Unsaved";
    EXPECT_NE(files.DiscardedPath("/one/DefaultSims.NBD"), here);
}

TEST_F(RecoveryFilesTest, LongNamesStillMakeFileNames) {
    RecoveryFiles files(Recovery());
    std::string longName;
    for (int i = 0; i < 100; ++i) longName += "\xC3\xA9";  // 200 bytes of "é"
    const std::string copy = files.CopyPath("/x/" + longName + ".NBD");
    const std::string discarded = fs::path(files.DiscardedPath("/x/" + longName + ".NBD")).filename().string();
    EXPECT_LE(discarded.size() + std::string(".unreadable-1000").size(), 255u);
    const std::string name = fs::path(copy).filename().string();
    const size_t dash = name.rfind('-');
    ASSERT_NE(dash, std::string::npos);
    EXPECT_EQ(dash % 2, 0u) << "cut between two characters, not inside one";
    EXPECT_EQ(fs::path(files.CopyPath("/x/.hidden.NBD")).filename().string().front(), 'h');
}

TEST_F(RecoveryFilesTest, TheCopyHoldsTheNeighborhoodAndTouchesNothingElse) {
    ASSERT_TRUE(h.file.Write("DefaultSims"));
    const std::string saved = Slurp(own);
    h.file.SetCurrentFileName("DefaultSims");
    h.file.SetBackupFileName("Spare");
    h.AddSim(lee, "Bob");
    // A family the file cannot name: a real save tells the user, a copy does not.
    h.AddSim(h.AddFamily("Bad]Name"), "Cy");
    h.prompter.messages.clear();

    RecoveryFiles files(Recovery());
    std::string error;
    ASSERT_TRUE(files.WriteCopy(h.file, own, &error)) << error;
    const std::string copy = files.CopyPath(own);
    EXPECT_EQ(Slurp(copy), h.file.WriteToText());
    EXPECT_NE(Slurp(copy).find("Name1=Bob"), std::string::npos);
    EXPECT_EQ(Slurp(own), saved);
    EXPECT_EQ(h.file.CurrentFileName(), "DefaultSims");
    EXPECT_EQ(h.file.BackupFileName(), "Spare");
    EXPECT_TRUE(h.file.LastError().empty());
    h.prompter.messages.clear();
    // WriteToText above may speak; the copy itself must not have.
    ASSERT_TRUE(files.WriteCopy(h.file, own, &error));
    EXPECT_TRUE(h.prompter.messages.empty());
    EXPECT_EQ(fs::status(Recovery()).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(Names(), std::vector<std::string>{fs::path(copy).filename().string()}) << "no temporary left";
}

TEST_F(RecoveryFilesTest, NoCopyWithoutFamiliesOrFolder) {
    Hood empty(dir.string());
    RecoveryFiles files(Recovery());
    std::string error;
    EXPECT_FALSE(files.WriteCopy(empty.file, own, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(fs::exists(files.CopyPath(own)));

    // The state folder's place is taken by a file.
    WriteFileAtomically((dir / "blocked").string(), "x");
    RecoveryFiles blocked((dir / "blocked/Nestrel/recovery").string());
    error.clear();
    EXPECT_FALSE(blocked.WriteCopy(h.file, own, &error));
    EXPECT_NE(error.find("blocked"), std::string::npos) << error;

    RecoveryFiles nowhere("");
    EXPECT_FALSE(nowhere.WriteCopy(h.file, own, &error));
}

TEST_F(RecoveryFilesTest, FailedCopyLeavesTheLastOneWhole) {
    RecoveryFiles files(Recovery());
    ASSERT_TRUE(files.WriteCopy(h.file, own));
    const std::string before = Slurp(files.CopyPath(own));
    h.AddSim(lee, "Bob");
    SetWriteFaultHook([](WriteStep step) { return step == WriteStep::Rename; });
    std::string error;
    EXPECT_FALSE(files.WriteCopy(h.file, own, &error));
    SetWriteFaultHook(nullptr);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Slurp(files.CopyPath(own)), before);
}

TEST_F(RecoveryFilesTest, OnlyACopyNewerThanItsFileIsOffered) {
    RecoveryFiles files(Recovery());
    EXPECT_FALSE(files.FindOffer(own)) << "no copy";
    ASSERT_TRUE(h.file.Write("DefaultSims"));
    ASSERT_TRUE(files.WriteCopy(h.file, own));
    const std::string copy = files.CopyPath(own);

    SetAge(own, std::chrono::seconds(120));
    SetAge(copy, std::chrono::seconds(60));
    const auto offer = files.FindOffer(own);
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->copyPath, copy);
    EXPECT_EQ(offer->neighborhoodPath, own);
    EXPECT_EQ(offer->discardedPath, files.DiscardedPath(own));
    const auto now = std::chrono::duration_cast<std::chrono::seconds>(
                         std::chrono::system_clock::now().time_since_epoch()).count();
    EXPECT_NEAR(offer->savedAt, now - 60, 2);

    // Saved after the copy was written: the copy holds nothing the file lacks.
    SetAge(own, std::chrono::seconds(10));
    EXPECT_FALSE(files.FindOffer(own));
    EXPECT_TRUE(fs::exists(copy)) << "not offered, but not deleted either";

    // The file is gone: the copy is all there is.
    fs::remove(own);
    EXPECT_TRUE(files.FindOffer(own));
    // A neighborhood that never had a file.
    EXPECT_FALSE(files.FindOffer(""));
    ASSERT_TRUE(files.WriteCopy(h.file, ""));
    EXPECT_TRUE(files.FindOffer(""));
}

TEST_F(RecoveryFilesTest, DeclinedCopiesAreKeptAsTheOneDiscardedCopy) {
    RecoveryFiles files(Recovery());
    ASSERT_TRUE(files.WriteCopy(h.file, own));
    const std::string first = Slurp(files.CopyPath(own));
    ASSERT_TRUE(files.Discard(own));
    EXPECT_FALSE(fs::exists(files.CopyPath(own)));
    EXPECT_EQ(Slurp(files.DiscardedPath(own)), first);

    h.AddSim(lee, "Bob");
    ASSERT_TRUE(files.WriteCopy(h.file, own));
    const std::string second = Slurp(files.CopyPath(own));
    ASSERT_TRUE(files.Discard(own));
    EXPECT_EQ(Slurp(files.DiscardedPath(own)), second) << "the newer declined copy replaces the older";
    EXPECT_EQ(Names().size(), 1u);
    EXPECT_FALSE(files.Discard(own)) << "nothing to keep aside";
}

TEST_F(RecoveryFilesTest, ACopyThisRunDidNotWriteIsKeptAsideBeforeItIsOverwritten) {
    {
        RecoveryFiles earlier(Recovery());
        ASSERT_TRUE(earlier.WriteCopy(h.file, own));
    }
    const std::string left = Slurp(RecoveryFiles(Recovery()).CopyPath(own));
    h.AddSim(lee, "Bob");
    RecoveryFiles files(Recovery());
    ASSERT_TRUE(files.WriteCopy(h.file, own));
    EXPECT_EQ(Slurp(files.DiscardedPath(own)), left);
    EXPECT_NE(Slurp(files.CopyPath(own)), left);

    // Its own copy it simply writes over.
    const std::string mine = Slurp(files.CopyPath(own));
    h.AddSim(lee, "Cy");
    ASSERT_TRUE(files.WriteCopy(h.file, own));
    EXPECT_EQ(Slurp(files.DiscardedPath(own)), left);
    EXPECT_NE(Slurp(files.CopyPath(own)), mine);

    // A copy taken over (the user recovered it) is written over as well.
    RecoveryFiles next(Recovery());
    next.TakeOver(own);
    ASSERT_TRUE(next.WriteCopy(h.file, own));
    EXPECT_EQ(Slurp(files.DiscardedPath(own)), left);
}

TEST_F(RecoveryFilesTest, SavedOrDeclinedChangesRemoveTheCopy) {
    RecoveryFiles files(Recovery());
    ASSERT_TRUE(files.WriteCopy(h.file, own));
    ASSERT_TRUE(files.WriteCopy(h.file, ""));
    EXPECT_TRUE(files.RemoveCopy(own));
    EXPECT_FALSE(fs::exists(files.CopyPath(own)));
    EXPECT_TRUE(fs::exists(files.CopyPath(""))) << "another neighborhood's copy stays";
    EXPECT_TRUE(files.RemoveCopy(own)) << "no copy is no failure";
    // Removed and written again: a fresh copy, nothing to keep aside.
    ASSERT_TRUE(files.WriteCopy(h.file, own));
    EXPECT_FALSE(fs::exists(files.DiscardedPath(own)));
}

TEST_F(RecoveryFilesTest, UnreadableCopiesEachKeepANameOfTheirOwn) {
    RecoveryFiles files(Recovery());
    fs::create_directories(Recovery());
    std::vector<std::string> kept;
    for (const char* contents : {"first", "second", "third"}) {
        ASSERT_TRUE(WriteFileAtomically(files.CopyPath(own), contents));
        kept.push_back(files.SetAsideUnreadable(own));
        ASSERT_FALSE(kept.back().empty());
        EXPECT_FALSE(fs::exists(files.CopyPath(own)));
        EXPECT_EQ(Slurp(kept.back()), contents);
    }
    EXPECT_NE(kept[0], kept[1]);
    EXPECT_NE(kept[1], kept[2]);
    EXPECT_EQ(Slurp(kept[0]), "first") << "never replaced";
    EXPECT_EQ(files.SetAsideUnreadable(own), "") << "nothing to move";
}

TEST_F(RecoveryFilesTest, TheQuestionNamesTheFileTheTimeAndWhereNoKeepsTheCopy) {
    RecoveryOffer offer{"/r/Mine-0123.NBD", "/home/ann/100%2 sure/Mine.NBD", "/r/Mine-0123.discarded.NBD", 0};
    offer.savedAt = 1765440902;  // 2025-12-11 08:15:02 UTC
    const std::string text = RecoveryQuestionText(offer);
    EXPECT_NE(text.find("/home/ann/100%2 sure/Mine.NBD"), std::string::npos) << text;
    EXPECT_NE(text.find(LocalTimeText(offer.savedAt)), std::string::npos) << text;
    EXPECT_NE(text.find("/r/Mine-0123.discarded.NBD"), std::string::npos) << text;
    EXPECT_EQ(text.find("%"), text.find("%2 sure")) << "only the folder's own % is left";

    offer.neighborhoodPath.clear();
    EXPECT_NE(RecoveryQuestionText(offer).find("never saved"), std::string::npos);

    const std::string unreadable = UnreadableCopyText(offer, "/r/Mine-0123.unreadable.NBD");
    EXPECT_NE(unreadable.find("could not be read"), std::string::npos);
    EXPECT_NE(unreadable.find("/r/Mine-0123.unreadable.NBD"), std::string::npos);
    EXPECT_NE(UnreadableCopyText(offer, "").find("/r/Mine-0123.NBD"), std::string::npos);
}

TEST(LocalTimeTextTest, ClockTimeInTheUsersZone) {
    const std::string text = LocalTimeText(1765440902);
    ASSERT_EQ(text.size(), 19u) << text;
    EXPECT_EQ(text.substr(0, 8), "2025-12-") << text;
    EXPECT_EQ(text.substr(16), ":02") << text;  // zones differ by whole minutes
}

}  // namespace
