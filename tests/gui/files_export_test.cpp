// "Export GEDCOM..." of the File menu: asks for a ".ged" name, writes the whole file
// through the safe writer, reports a failure, and leaves the neighborhood as it was.
#include <filesystem>

#include "app/CommandIds.h"
#include "files_fixture.h"

namespace {

namespace fs = std::filesystem;

using ExportTest = FilesTest;

TEST_F(ExportTest, WritesTheFamilyHistoryWithoutMarkingTheNeighborhood) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    ASSERT_FALSE(frame.IsModified());
    const std::string target = root_ / "exports/Lee family.ged";
    fs::create_directories(root_ / "exports");
    AnswerFileDialogs({target});
    frame.ProcessCommand(ID_EXPORT_GEDCOM);
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_TRUE(asked_[0].forSaving);
    EXPECT_EQ(asked_[0].extension, "ged");
    EXPECT_EQ(asked_[0].defaultFile, "DefaultSims.ged");
    const std::string text = FileText(target);
    EXPECT_EQ(text.rfind("0 HEAD\n1 SOUR NESTREL\n", 0), 0u) << text;
    EXPECT_NE(text.find("\n0 @I1@ INDI\n1 NAME Ann /Lee/\n1 SEX F\n"), std::string::npos) << text;
    EXPECT_EQ(text.size() - text.rfind("0 TRLR\n"), 7u) << text;
    EXPECT_FALSE(frame.IsModified());
    EXPECT_EQ(frame.CurrentFile(), "DefaultSims");
    EXPECT_EQ(frame.Registry().allSims.Count(), 1u);

    // A cancelled question writes nothing.
    fs::remove(target);
    AnswerFileDialogs({""});
    frame.ProcessCommand(ID_EXPORT_GEDCOM);
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(ExportTest, AFailedWriteIsReportedAndLeavesNoFile) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    const std::string target = root_ / "no/such/folder/Out.ged";
    AnswerFileDialogs({target});
    wxTEST_DIALOG(frame.ProcessCommand(ID_EXPORT_GEDCOM), ExpectMessageBox(wxID_OK, wxString(), "Error"));
    EXPECT_FALSE(fs::exists(root_ / "no"));
    EXPECT_FALSE(frame.IsModified());
}

TEST_F(ExportTest, AnEmptyNeighborhoodSaysSoAndAsksNothing) {
    NestrelFrame& frame = BuildFrame();
    ASSERT_EQ(frame.Registry().allSims.Count(), 0u);
    wxTEST_DIALOG(frame.ProcessCommand(ID_EXPORT_GEDCOM),
                  ExpectMessageBox(wxID_OK, "There are no Sims to export.", "Message"));
    EXPECT_TRUE(asked_.empty());
}

}  // namespace
