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
    for (WriteStep step : {WriteStep::Open, WriteStep::Write, WriteStep::Sync, WriteStep::Rename}) {
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
