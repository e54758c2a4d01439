#include <gtest/gtest.h>

#include <filesystem>

#include "base/FileIO.h"

namespace fs = std::filesystem;

class FileIOTest : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() / ("nestrel_fileio_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        SetWriteFaultHook(nullptr);
        SetReadFaultHook(nullptr);
        fs::remove_all(dir);
    }
    size_t FilesInDir() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }
};

TEST_F(FileIOTest, WritesAndReadsBackExactBytes) {
    std::string path = (dir / "a.NBD").string();
    std::string bytes("line\r\r\nbinary\0\xff end", 20);
    ASSERT_TRUE(WriteFileAtomically(path, bytes));
    std::string back;
    ASSERT_TRUE(ReadWholeFile(path, back));
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(FileIOTest, EveryFailingStepLeavesTheOldFileWhole) {
    std::string path = (dir / "a.NBD").string();
    ASSERT_TRUE(WriteFileAtomically(path, "old contents"));
    for (WriteStep step : {WriteStep::Open, WriteStep::Write, WriteStep::Sync, WriteStep::Rename, WriteStep::Link,
                           WriteStep::Access}) {
        SetWriteFaultHook([step](WriteStep s) { return s == step; });
        std::string error;
        EXPECT_FALSE(WriteFileAtomically(path, "new contents that never land", &error));
        EXPECT_FALSE(error.empty());
        std::string back;
        ASSERT_TRUE(ReadWholeFile(path, back));
        EXPECT_EQ(back, "old contents");
        EXPECT_EQ(FilesInDir(), 1u) << "temporary file left behind";
    }
}

TEST_F(FileIOTest, MissingFolderOrFileIsAFailureNotACrash) {
    std::string back = "x";
    EXPECT_FALSE(ReadWholeFile((dir / "none").string(), back));
    EXPECT_TRUE(back.empty());
    EXPECT_FALSE(ReadWholeFile(dir.string(), back));
    EXPECT_FALSE(WriteFileAtomically((dir / "no" / "such" / "x").string(), "data"));
}

TEST_F(FileIOTest, WriterTakesPiecesAndChangesNothingUntilCommit) {
    std::string path = (dir / "a.NBD").string();
    ASSERT_TRUE(WriteFileAtomically(path, "old contents"));
    std::string back;
    {
        AtomicFileWriter writer;
        ASSERT_TRUE(writer.Open(path));
        ASSERT_TRUE(writer.Write("new "));
        ASSERT_TRUE(writer.Write(""));
        ASSERT_TRUE(writer.Write("contents"));
        ASSERT_TRUE(ReadWholeFile(path, back));
        EXPECT_EQ(back, "old contents") << "nothing shows before Commit";
        EXPECT_EQ(writer.WriteKind(), AtomicFileWriter::Kind::Unnamed);
        EXPECT_EQ(FilesInDir(), 1u) << "the temporary file has no name until Commit";
        // dropped without Commit: the temporary file goes, the old file stays
    }
    ASSERT_TRUE(ReadWholeFile(path, back));
    EXPECT_EQ(back, "old contents");
    EXPECT_EQ(FilesInDir(), 1u);

    AtomicFileWriter writer;
    ASSERT_TRUE(writer.Open(path));
    ASSERT_TRUE(writer.Write("new "));
    ASSERT_TRUE(writer.Write("contents"));
    ASSERT_TRUE(writer.Commit());
    ASSERT_TRUE(ReadWholeFile(path, back));
    EXPECT_EQ(back, "new contents");
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(FileIOTest, WriterFailingAfterSomePiecesKeepsTheOldFile) {
    std::string path = (dir / "a.NBD").string();
    ASSERT_TRUE(WriteFileAtomically(path, "old contents"));
    int writes = 0;
    SetWriteFaultHook([&](WriteStep step) { return step == WriteStep::Write && ++writes == 2; });
    AtomicFileWriter writer;
    ASSERT_TRUE(writer.Open(path));
    EXPECT_TRUE(writer.Write("first piece "));
    EXPECT_FALSE(writer.Write("second piece"));
    EXPECT_FALSE(writer.Error().empty());
    EXPECT_FALSE(writer.Write("third piece")) << "a failed writer stays failed";
    EXPECT_FALSE(writer.Commit());
    std::string back;
    ASSERT_TRUE(ReadWholeFile(path, back));
    EXPECT_EQ(back, "old contents");
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(FileIOTest, ReadFailuresLeaveNothingRead) {
    std::string path = (dir / "a.NBD").string();
    const std::string bytes(100000, 'x');
    ASSERT_TRUE(WriteFileAtomically(path, bytes));
    for (ReadStep failing : {ReadStep::Open, ReadStep::Read}) {
        SetReadFaultHook([failing](ReadStep step) { return step == failing; });
        std::string back = "x";
        EXPECT_FALSE(ReadWholeFile(path, back));
        EXPECT_TRUE(back.empty());
    }
    SetReadFaultHook(nullptr);
    std::string back;
    ASSERT_TRUE(ReadWholeFile(path, back));
    EXPECT_EQ(back, bytes);
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    EXPECT_TRUE(ReadWholeFile(path, back));
    EXPECT_TRUE(back.empty());
}
