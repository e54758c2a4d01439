// The help book that ships with the program opens in the toolkit's help viewer, and
// every page its contents and index name exists.
#include <filesystem>

#include <wx/html/helpctrl.h>
#include <wx/html/helpdata.h>
#include <wx/html/helpfrm.h>

#include "app/AppSetup.h"
#include "support/GuiTestHarness.h"

namespace {

std::string BookPath() { return SourceDir() + "/resources/" + kHelpBookPath; }

TEST(HelpBookTest, EveryContentsAndIndexEntryNamesAnExistingPage) {
    wxHtmlHelpData data;
    ASSERT_TRUE(data.AddBook(wxString::FromUTF8(BookPath())));
    const std::filesystem::path folder = std::filesystem::path(BookPath()).parent_path();
    ASSERT_GE(data.GetContentsArray().size(), 11u);
    ASSERT_GE(data.GetIndexArray().size(), 30u);
    const wxHtmlHelpDataItems& contents = data.GetContentsArray();
    for (size_t i = 0; i < contents.size(); ++i) {
        const std::string page(contents[i].page.utf8_str());
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / page)) << page;
    }
    const wxHtmlHelpDataItems& index = data.GetIndexArray();
    for (size_t i = 0; i < index.size(); ++i) {
        const std::string page(index[i].page.utf8_str());
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / page)) << page;
    }
}

TEST(HelpBookTest, ContentsPageOpensInTheHelpViewer) {
    wxHtmlHelpController help;
    ASSERT_TRUE(help.AddBook(wxString::FromUTF8(BookPath())));
    ASSERT_TRUE(help.DisplayContents());
    wxHtmlHelpFrame* frame = help.GetFrame();
    ASSERT_NE(frame, nullptr);
    PumpEvents();
    frame->Close(true);
    PumpEvents();
}

}  // namespace
