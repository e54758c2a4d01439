#include <gtest/gtest.h>

#include "app/FileStatus.h"

namespace {

TEST(FileStatusTest, StatusTextShowsTheFileNamePartAndAStarWhenModified) {
    struct Case {
        const char* currentFile;
        bool modified;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\Games\\Saved\\DefaultSims.NBD", true, "Current File: DefaultSims.NBD*"},
        {"/home/kim/.local/share/Nestrel/Saved/Town.NBD", false, "Current File: Town.NBD"},
        {"Unsaved", false, "Current File: Unsaved"},
        {"", false, "Current File: "},
        {"Saved/", true, "Current File: *"},
        {"C:\\mixed/dir\\100%s.NBD", false, "Current File: 100%s.NBD"},
    };
    for (const Case& c : cases) EXPECT_EQ(FileStatusText(c.currentFile, c.modified), c.expected);
}

TEST(FileStatusTest, SaveNameCheck) {
    EXPECT_EQ(CheckSaveName(""), SaveNameCheck::Empty);
    EXPECT_EQ(CheckSaveName("Unsaved"), SaveNameCheck::AskForName);
    EXPECT_EQ(CheckSaveName("unsaved"), SaveNameCheck::Write);
    EXPECT_EQ(CheckSaveName("/tmp/Unsaved"), SaveNameCheck::Write);
}

TEST(FileStatusTest, CloseDecisionTable) {
    struct Case {
        const char* currentFile;
        bool empty, ask;
        CloseAction expected;
    };
    const Case cases[] = {
        {"Town", false, true, CloseAction::AskThenClose},
        {"Town", false, false, CloseAction::SaveThenClose},
        {"Unsaved", false, false, CloseAction::SaveThenClose},
        {"Town", true, true, CloseAction::CloseWithoutSaving},
        {"", false, true, CloseAction::CloseWithoutSaving},  // after a failed load
        {"", false, false, CloseAction::CloseWithoutSaving},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecideCloseAction(c.currentFile, c.empty, c.ask), c.expected)
            << c.currentFile << " " << c.empty << " " << c.ask;
}

}  // namespace
