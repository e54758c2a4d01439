// The configuration store's keys of the file half: the matchmaker window's size and
// the file names handed to and taken from the file object.
#include <wx/config.h>

#include "app/ConfigStore.h"
#include "files_fixture.h"
#include "storage/NeighborhoodFile.h"

namespace {

using ConfigStoreTest = FilesTest;

TEST_F(ConfigStoreTest, MatchmakerSizeDefaultsTo300AndIsStoredAsDecimalText) {
    EXPECT_EQ(ReadMatchmakerSize(), wxSize(300, 300));
    const struct {
        const char* stored;
        int read;
    } cases[] = {{"", 300}, {"450", 450}, {" 420px", 420}, {"abc", 300}, {"0", 300}, {"-5", 300}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        SetConfigValue("matchx", c.stored);
        SetConfigValue("matchy", "610");
        EXPECT_EQ(ReadMatchmakerSize(), wxSize(c.read, 610));
    }
    WriteMatchmakerSize(wxSize(512, 384));
    EXPECT_EQ(ReadConfigText("matchx"), "512");
    EXPECT_EQ(ReadConfigText("matchy"), "384");
}

TEST_F(ConfigStoreTest, FileNamesGoBothWaysAndEmptyNamesAreNotStored) {
    SetConfigValue("SimFile", "/home/ann/$HOME/Mine.NBD");
    SetConfigValue("BackupFile", "Weekly");
    NeighborhoodFile file;
    LoadConfiguredFileNames(file);
    EXPECT_EQ(file.StoredCurrentFileName(), "/home/ann/$HOME/Mine.NBD");  // no variables expanded
    EXPECT_EQ(file.StoredBackupFileName(), "Weekly");

    file.SetCurrentFileName("Other");
    StoreFileNames(file);  // the backup name is empty: "BackupFile" stays
    EXPECT_EQ(ReadConfigText("SimFile"), "Other");
    EXPECT_EQ(ReadConfigText("BackupFile"), "Weekly");
    EXPECT_EQ(ReadConfigText("NoSuchKey"), "");
}

}  // namespace
