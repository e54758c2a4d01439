// Saving over what is already there: links written through, files the user may not
// write refused, folders that allow no new file, permissions kept, and saves killed
// part way that leave nothing behind once the next save has run.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/FileIO.h"

namespace fs = std::filesystem;

namespace {

class SafeSaveTest : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() / ("nestrel_safe_save_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        SetWriteFaultHook(nullptr);
        fs::permissions(dir, fs::perms::all);
        fs::remove_all(dir);
    }
    std::set<std::string> Entries(const fs::path& folder) const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
        return names;
    }
    static std::string Read(const fs::path& path) {
        std::string back;
        EXPECT_TRUE(ReadWholeFile(path.string(), back)) << path;
        return back;
    }
};

TEST_F(SafeSaveTest, HiddenTemporaryWhereUnnamedFilesAreRefused) {
    const fs::path file = dir / "a.NBD";
    ASSERT_TRUE(WriteFileAtomically(file.string(), "old"));
    SetWriteFaultHook([](WriteStep step) { return step == WriteStep::Unnamed; });
    AtomicFileWriter writer;
    ASSERT_TRUE(writer.Open(file.string()));
    EXPECT_EQ(writer.WriteKind(), AtomicFileWriter::Kind::Named);
    ASSERT_TRUE(writer.Write("new"));
    std::set<std::string> during = Entries(dir);
    ASSERT_EQ(during.size(), 2u);
    during.erase("a.NBD");
    const std::string temp = *during.begin();
    EXPECT_EQ(temp.rfind(".a.NBD.", 0), 0u) << temp;
    EXPECT_TRUE(temp.size() > 12 && temp.substr(temp.size() - 12) == AtomicFileWriter::TempSuffix()) << temp;
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(Read(file), "new");
    EXPECT_EQ(Entries(dir), std::set<std::string>{"a.NBD"});
}

TEST_F(SafeSaveTest, EveryFailingStepOfTheHiddenTemporaryLeavesTheOldFile) {
    const fs::path file = dir / "a.NBD";
    ASSERT_TRUE(WriteFileAtomically(file.string(), "old"));
    for (WriteStep step : {WriteStep::Write, WriteStep::Sync, WriteStep::Rename}) {
        SetWriteFaultHook([step](WriteStep s) { return s == WriteStep::Unnamed || s == step; });
        EXPECT_FALSE(WriteFileAtomically(file.string(), "new"));
        EXPECT_EQ(Read(file), "old");
        EXPECT_EQ(Entries(dir), std::set<std::string>{"a.NBD"});
    }
}

TEST_F(SafeSaveTest, SymbolicLinksAreWrittenThrough) {
    fs::create_directories(dir / "synced");
    const fs::path real = dir / "synced" / "town.NBD";
    ASSERT_TRUE(WriteFileAtomically(real.string(), "old"));
    fs::create_symlink("synced/town.NBD", dir / "relative.NBD");  // relative to the link's folder
    fs::create_symlink(dir / "relative.NBD", dir / "chain.NBD");   // a link to a link
    fs::create_symlink(dir / "synced" / "new.NBD", dir / "dangling.NBD");

    for (const char* link : {"relative.NBD", "chain.NBD"}) {
        SCOPED_TRACE(link);
        const std::string contents = std::string("through ") + link;
        ASSERT_TRUE(WriteFileAtomically((dir / link).string(), contents));
        EXPECT_TRUE(fs::is_symlink(dir / link)) << "the link was replaced by a plain file";
        EXPECT_EQ(Read(real), contents);
    }
    // A link to a file not made yet creates that file.
    ASSERT_TRUE(WriteFileAtomically((dir / "dangling.NBD").string(), "fresh"));
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.NBD"));
    EXPECT_EQ(Read(dir / "synced" / "new.NBD"), "fresh");
    EXPECT_EQ(Entries(dir / "synced"), (std::set<std::string>{"new.NBD", "town.NBD"}));
    EXPECT_EQ(Entries(dir), (std::set<std::string>{"chain.NBD", "dangling.NBD", "relative.NBD", "synced"}));

    // A loop of links is a failure, not a hang.
    fs::create_symlink(dir / "loop2", dir / "loop1");
    fs::create_symlink(dir / "loop1", dir / "loop2");
    std::string error;
    EXPECT_FALSE(WriteFileAtomically((dir / "loop1").string(), "x", &error));
    EXPECT_FALSE(error.empty());
}

TEST_F(SafeSaveTest, PermissionsOfTheReplacedFileAreKept) {
    for (bool unnamed : {true, false}) {
        SCOPED_TRACE(unnamed ? "unnamed temporary" : "hidden temporary");
        const fs::path file = dir / "a.NBD";
        ASSERT_TRUE(WriteFileAtomically(file.string(), "old"));
        ::chmod(file.c_str(), 0640);
        SetWriteFaultHook([unnamed](WriteStep s) { return !unnamed && s == WriteStep::Unnamed; });
        ASSERT_TRUE(WriteFileAtomically(file.string(), "new"));
        struct stat st {};
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0640u);
        SetWriteFaultHook(nullptr);
        fs::remove(file);
    }
}

TEST_F(SafeSaveTest, AFileTheUserMayNotWriteIsRefusedAndKept) {
    const fs::path file = dir / "a.NBD";
    ASSERT_TRUE(WriteFileAtomically(file.string(), "old"));
    SetWriteFaultHook([](WriteStep s) { return s == WriteStep::Access; });
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(file.string(), "new", &error));
    EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
    EXPECT_EQ(Read(file), "old");
    EXPECT_EQ(Entries(dir), std::set<std::string>{"a.NBD"});
}

TEST_F(SafeSaveTest, AFolderWithoutRoomForATemporaryIsWrittenInPlace) {
    const fs::path file = dir / "a.NBD";
    ASSERT_TRUE(WriteFileAtomically(file.string(), "old contents, longer than the new"));
    ::chmod(file.c_str(), 0604);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    SetWriteFaultHook([](WriteStep s) { return s == WriteStep::FolderTemp; });
    AtomicFileWriter writer;
    ASSERT_TRUE(writer.Open(file.string()));
    EXPECT_EQ(writer.WriteKind(), AtomicFileWriter::Kind::InPlace);
    ASSERT_TRUE(writer.Write("new"));
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(Read(file), "new") << "the rest of the old file must be cut off";
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0604u);
    // A new file cannot be written into such a folder at all.
    EXPECT_FALSE(WriteFileAtomically((dir / "b.NBD").string(), "x"));
    EXPECT_EQ(Entries(dir), std::set<std::string>{"a.NBD"});
}

// The same rules for a real user without privileges, when the tests run as root
// (as they do in CI), checked in a child process that drops to "nobody".
TEST_F(SafeSaveTest, RealPermissionsOfAnUnprivilegedUser) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to become another user";
    const fs::path readOnly = dir / "readonly.NBD";
    const fs::path writable = dir / "writable.NBD";
    ASSERT_TRUE(WriteFileAtomically(readOnly.string(), "old"));
    ASSERT_TRUE(WriteFileAtomically(writable.string(), "old"));
    ::chmod(readOnly.c_str(), 0444);
    ::chmod(writable.c_str(), 0666);
    ::chmod(dir.c_str(), 0555);  // no new files in the folder
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(10);
        if (::access(dir.c_str(), X_OK) != 0) ::_exit(14);  // the temporary folder is closed to others
        if (WriteFileAtomically(readOnly.string(), "new")) ::_exit(11);
        if (!WriteFileAtomically(writable.string(), "new")) ::_exit(12);
        if (WriteFileAtomically((dir / "other.NBD").string(), "new")) ::_exit(13);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 14) GTEST_SKIP() << "the test folder cannot be reached by another user";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "10: could not drop privileges, 11: read-only file replaced, "
                                         "12: writable file not written in place, 13: file made in a closed folder";
    EXPECT_EQ(Read(readOnly), "old");
    EXPECT_EQ(Read(writable), "new");
    EXPECT_EQ(Entries(dir), (std::set<std::string>{"readonly.NBD", "writable.NBD"}));
}

TEST_F(SafeSaveTest, ASuccessfulSaveRemovesTemporariesThatEarlierSavesLeft) {
    const fs::path file = dir / "a.NBD";
    ASSERT_TRUE(WriteFileAtomically(file.string(), "old"));
    const std::set<std::string> stale = {".a.NBD.Xy12Ab.nestrel-tmp", "a.NBD.tmpFrt5SZ"};
    const std::set<std::string> others = {".b.NBD.Xy12Ab.nestrel-tmp", "a.NBD.tmp", ".a.NBD.toolong1.nestrel-tmp",
                                          "a.NBD.tmpFrt5SZ.bak", "notes.txt"};
    for (const auto& name : stale) ASSERT_TRUE(WriteFileAtomically((dir / name).string(), "left"));
    for (const auto& name : others) ASSERT_TRUE(WriteFileAtomically((dir / name).string(), "mine"));
    // A failed save removes nothing.
    SetWriteFaultHook([](WriteStep s) { return s == WriteStep::Sync; });
    EXPECT_FALSE(WriteFileAtomically(file.string(), "new"));
    EXPECT_EQ(Entries(dir).size(), 1 + stale.size() + others.size());
    SetWriteFaultHook(nullptr);
    ASSERT_TRUE(WriteFileAtomically(file.string(), "new"));
    std::set<std::string> expected = others;
    expected.insert("a.NBD");
    EXPECT_EQ(Entries(dir), expected);
}

// A save killed at any moment leaves the old file or the whole new one, and at most
// its own temporary file, which the next successful save removes.
TEST_F(SafeSaveTest, SavesKilledPartWayLeaveTheTargetWhole) {
    const fs::path file = dir / "big.NBD";
    const std::string oldContents(3 << 20, 'o');
    const std::string newContents(3 << 20, 'n');
    const std::string piece(64 << 10, 'n');
    for (bool unnamed : {true, false}) {
        for (int delayMicros : {0, 200, 1000, 3000, 8000, 20000}) {
            SCOPED_TRACE(std::string(unnamed ? "unnamed" : "hidden") + " temporary, killed after " +
                         std::to_string(delayMicros) + " us");
            ASSERT_TRUE(WriteFileAtomically(file.string(), oldContents));
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                if (!unnamed) SetWriteFaultHook([](WriteStep s) { return s == WriteStep::Unnamed; });
                AtomicFileWriter writer;
                bool ok = writer.Open(file.string());
                for (size_t done = 0; ok && done < newContents.size(); done += piece.size()) ok = writer.Write(piece);
                ::_exit(ok && writer.Commit() ? 0 : 1);
            }
            ::usleep(static_cast<useconds_t>(delayMicros));
            ::kill(child, SIGKILL);
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            const std::string after = Read(file);
            EXPECT_TRUE(after == oldContents || after == newContents) << "a torn file of " << after.size() << " bytes";
            // Whatever was left is the save's own, and goes with the next save.
            for (const auto& name : Entries(dir))
                EXPECT_TRUE(name == "big.NBD" || name.rfind(".big.NBD.", 0) == 0) << name;
            ASSERT_TRUE(WriteFileAtomically(file.string(), oldContents));
            EXPECT_EQ(Entries(dir), std::set<std::string>{"big.NBD"});
        }
    }
}

}  // namespace
