// The compiled-in icon resources, the run-time pictures, message boxes and file names.
#include <wx/artprov.h>

#include "common/ArtProvider.h"
#include "common/EmbeddedIcons.h"
#include "common/FileNameAsker.h"
#include "common/MessageBox.h"
#include "common/ResBitmap.h"
#include "support/GuiTestHarness.h"

namespace {

TEST(IconResourceTest, EveryNamedIconIsCompiledInAndLoads) {
    const char* names[] = {"NESTREL", "ADD", "BASICEDIT", "DELETE", "FRIENDS", "POSSFRIENDS", "CHEMFRIENDS",
                           "FRIENDEDIT", "CHEMEDIT", "CAREER", "FRIENDFACE", "HEARTRED", "HEARTREDSMALL",
                           "HEARTPINK", "TOOLHELP", "TOOLREFRESH", "TOOLHOMELESS", "TOOLMATCHMAKER", "TOOLCAREER"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        ASSERT_NE(FindEmbeddedIcon(name), nullptr);
        const wxBitmap bitmap = IconResource(name);
        EXPECT_TRUE(bitmap.IsOk());
    }
    EXPECT_EQ(IconResource("HEARTREDSMALL").GetSize(), wxSize(16, 16));
    EXPECT_EQ(IconResource("HEARTPINK").GetSize(), wxSize(16, 16));
    EXPECT_EQ(IconResource("HEARTRED").GetSize(), wxSize(32, 32));
}

TEST(IconResourceTest, ScalesToTheAskedSizeAndRefusesUnknownNames) {
    EXPECT_EQ(IconResource("ADD", wxSize(16, 16)).GetSize(), wxSize(16, 16));
    EXPECT_EQ(wxArtProvider::GetBitmap("CAREER", wxART_OTHER, wxSize(48, 48)).GetSize(), wxSize(48, 48));
    EXPECT_FALSE(IconResource("NO_SUCH_ICON").IsOk());
    EXPECT_EQ(FindEmbeddedIcon("add"), nullptr) << "names are exact";
}

TEST(IconResourceTest, WindowIconBundleHasSeveralSizes) {
    const wxIconBundle bundle = IconResourceBundle("NESTREL");
    EXPECT_GE(bundle.GetIconCount(), 3u);
    EXPECT_TRUE(bundle.GetIcon(wxSize(32, 32)).IsOk());
}

TEST(ResBitmapTest, FindsPicturesInTheSearchFoldersAndReportsMissingOnes) {
    TempDir install;
    CopyTree(SourceDir() + "/resources/res", install / "res");
    SetResSearchDirs({"", install.Path()});
    for (const char* name : {"help.bmp", "refresh.bmp", "homeless.bmp", "matchmaker.bmp", "careerinfo1.bmp",
                             "newtree.bmp", "close.bmp", "heart_red.bmp"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(LoadResBitmap(name).IsOk());
    }
    // The plain background of a picture is see-through.
    const wxBitmap help = LoadResBitmap("help.bmp");
    EXPECT_TRUE(help.GetMask() != nullptr || help.HasAlpha());

    EXPECT_FALSE(LoadResBitmap("missing.bmp").IsOk());
    WriteTextFile(install / "res/broken.bmp", "BM not really a bitmap");
    EXPECT_FALSE(LoadResBitmap("broken.bmp").IsOk());  // and no error box
    SetResSearchDirs({});
}

TEST(MessageBoxTest, PrompterShowsNoticesAndAsksQuestionsWithTheirCaptions) {
    MessageBoxPrompter prompter;
    wxTEST_DIALOG(prompter.Notice("Empty Neighborhood!", "Message"),
                  ExpectMessageBox(wxID_OK, "Empty Neighborhood!", "Message"));
    bool yes = false;
    wxTEST_DIALOG(yes = prompter.AskYesNo("Save changes?", "Save?"), ExpectMessageBox(wxID_YES, "Save changes?", "Save?"));
    EXPECT_TRUE(yes);
    wxTEST_DIALOG(yes = prompter.AskYesNo("Delete Bella?", "Delete?"), ExpectMessageBox(wxID_NO, "Delete Bella?", "Delete?"));
    EXPECT_FALSE(yes);
}

TEST(MessageBoxTest, NoticeCaptionDefaultsToMessage) {
    wxTEST_DIALOG(ShowNotice("Hello"), ExpectMessageBox(wxID_OK, "Hello", "Message"));
}

TEST(FileNameAskerTest, ReplacementAnswersAndCanBeRemoved) {
    FileNameRequest seen;
    FileNameAsker previous = SetFileNameAsker([&](const FileNameRequest& r) {
        seen = r;
        return wxString("/tmp/chosen.NBD");
    });
    FileNameRequest request;
    request.message = "Save Sims";
    request.extension = "NBD";
    request.forSaving = true;
    EXPECT_EQ(AskFileName(request), "/tmp/chosen.NBD");
    EXPECT_EQ(seen.message, "Save Sims");
    EXPECT_TRUE(seen.forSaving);
    EXPECT_FALSE(SetFileNameAsker(previous) == nullptr);
}

}  // namespace
