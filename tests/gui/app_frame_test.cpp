// Start-up of the main window with nothing configured, its toolbar, status bar,
// enabling of the save commands and the commands that already act.
#include <filesystem>

#include <wx/icon.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "app/CommandIds.h"
#include "common/FontScale.h"
#include "support/FrameFixture.h"

namespace {

std::string Utf8(const wxString& s) { return std::string(s.utf8_str()); }

using StartUpTest = FrameTest;

TEST_F(StartUpTest, FirstStartShowsReadyAndAnUnsavedFile) {
    NestrelFrame& frame = BuildFrame();
    EXPECT_EQ(StatusField(0), "Ready");
    EXPECT_EQ(StatusField(1), "Current File: Unsaved");
    EXPECT_EQ(frame.CurrentFile(), "Unsaved");
    EXPECT_FALSE(frame.IsModified());
}

TEST_F(StartUpTest, WindowHasItsTitleNamesIconAndSizeLimits) {
    NestrelFrame& frame = BuildFrame();
    EXPECT_EQ(Utf8(frame.GetTitle()), "Nestrel");
    EXPECT_EQ(Utf8(frame.GetName()), "frame");
    EXPECT_TRUE(frame.GetIcon().IsOk());
    // 700 by at least 300, laid out for a reference font and grown with the font in use.
    const int width = frame.GetMinSize().x;
    EXPECT_GE(width, FontScaledWidth(&frame, 700));
    EXPECT_GE(frame.GetMinSize().y, FontScaledHeight(&frame, 300));
    EXPECT_EQ(frame.GetMaxSize().x, width);
    EXPECT_EQ(frame.GetMaxSize().y, -1);
    EXPECT_EQ(frame.GetSize().x, width);

    // The width cannot be changed; the height can.
    const int height = frame.GetMinSize().y + 200;
    frame.SetSize(wxSize(width + 200, height));
    EXPECT_EQ(frame.GetSize().x, width);
    EXPECT_EQ(frame.GetSize().y, height);

    wxStatusBar* status = frame.GetStatusBar();
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(Utf8(status->GetName()), "status_line");
    ASSERT_EQ(status->GetFieldsCount(), 2);
    EXPECT_EQ(status->GetStatusWidth(0), -1);
    EXPECT_EQ(status->GetStatusWidth(1), 250);
}

TEST_F(StartUpTest, ToolbarHasTheFiveToolsWithTheirPictures) {
    struct Tool {
        int id;
        const char* label;
        const char* tip;
    };
    const Tool expected[] = {{4, "Help", "Nestrel Help"},
                             {13, "Refresh", "Refresh Sim List"},
                             {7, "Homeless", "Show Homeless Dialog"},
                             {8, "MatchMaker", "Show MatchMaker Dialog"},
                             {29, "Career Info", "Show Career Info Dialog"}};
    NestrelFrame& frame = BuildFrame();
    wxToolBar* bar = frame.GetToolBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Utf8(bar->GetName()), "toolbar");
    ASSERT_EQ(bar->GetToolsCount(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const wxToolBarToolBase* tool = bar->GetToolByPos(static_cast<int>(i));
        SCOPED_TRACE(expected[i].label);
        EXPECT_EQ(tool->GetId(), expected[i].id);
        EXPECT_EQ(Utf8(tool->GetLabel()), expected[i].label);
        EXPECT_EQ(Utf8(tool->GetShortHelp()), expected[i].tip);
        EXPECT_TRUE(tool->GetNormalBitmap().IsOk());
        EXPECT_EQ(tool->GetNormalBitmap().GetSize(), wxSize(24, 24));
    }
}

TEST_F(StartUpTest, MissingToolbarPicturesAreDrawnFromTheCompiledInIcons) {
    std::filesystem::remove_all(installDir_ + "/res");
    NestrelFrame& frame = BuildFrame();  // the test log fails on any error box
    wxToolBar* bar = frame.GetToolBar();
    ASSERT_EQ(bar->GetToolsCount(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        const wxBitmap picture = bar->GetToolByPos(static_cast<int>(i))->GetNormalBitmap();
        ASSERT_TRUE(picture.IsOk()) << i;
        EXPECT_EQ(picture.GetSize(), wxSize(24, 24)) << i;
        // Not a blank stand-in: some pixel is drawn.
        const wxImage image = picture.ConvertToImage();
        bool drawn = false;
        for (int y = 0; y < image.GetHeight() && !drawn; ++y)
            for (int x = 0; x < image.GetWidth() && !drawn; ++x)
                drawn = !image.HasAlpha() || image.GetAlpha(x, y) > 0;
        EXPECT_TRUE(drawn) << "tool " << i << " is blank";
    }
    frame.ProcessCommand(ID_HELP);
    EXPECT_EQ(helpRequests_, 1);
}

TEST_F(StartUpTest, SaveCommandsFollowWhetherTheNeighborhoodHasAFamily) {
    NestrelFrame& frame = BuildFrame();
    wxMenuBar* bar = frame.GetMenuBar();
    const int saveIds[] = {ID_SAVE, ID_SAVE_AS, ID_BACKUP};
    OpenMenu(0);
    for (int id : saveIds) EXPECT_FALSE(bar->IsEnabled(id)) << id;
    for (int id : {ID_NEW, ID_LOAD, ID_IMPORT, ID_SETTINGS, ID_EXIT}) EXPECT_TRUE(bar->IsEnabled(id)) << id;
    frame.EnableSaveItems(true);  // nothing to save yet
    for (int id : saveIds) EXPECT_FALSE(bar->IsEnabled(id)) << id;

    SimRegistry& registry = frame.Registry();
    registry.AddFamily(registry.NewFamily("Goth"));
    OpenMenu(0);
    for (int id : saveIds) EXPECT_TRUE(bar->IsEnabled(id)) << id;
    frame.EnableSaveItems(false);  // as after a failed load
    for (int id : saveIds) EXPECT_FALSE(bar->IsEnabled(id)) << id;

    registry.Clear();
    OpenMenu(0);
    for (int id : saveIds) EXPECT_FALSE(bar->IsEnabled(id)) << id;
}

TEST_F(StartUpTest, ModifiedFlagStarsTheFileNameAndClearsTheMessage) {
    NestrelFrame& frame = BuildFrame();
    frame.SetModified(true);
    EXPECT_EQ(StatusField(0), "");
    EXPECT_EQ(StatusField(1), "Current File: Unsaved*");
    frame.ShowStatus("Saving, Please wait...");
    EXPECT_EQ(StatusField(0), "Saving, Please wait...");
    EXPECT_EQ(StatusField(1), "Current File: Unsaved*");
    frame.SetModified(false);
    EXPECT_EQ(StatusField(1), "Current File: Unsaved");
}

using CommandTest = FrameTest;

TEST_F(CommandTest, ExitRunsTheCloseRequestWhichCanRefuse) {
    NestrelFrame& frame = BuildFrame();
    int requests = 0;
    bool refuse = true;
    frame.Bind(wxEVT_CLOSE_WINDOW, [&](wxCloseEvent& event) {
        ++requests;
        EXPECT_TRUE(event.CanVeto());
        if (refuse)
            event.Veto();
        else
            event.Skip();
    });

    EXPECT_TRUE(frame.ProcessCommand(ID_EXIT));
    PumpEvents();
    EXPECT_EQ(requests, 1);
    ASSERT_TRUE(frame_) << "a refused close request must leave the window open";

    refuse = false;
    EXPECT_TRUE(frame_->ProcessCommand(ID_EXIT));
    PumpEvents();
    EXPECT_EQ(requests, 2);
    EXPECT_FALSE(frame_);
}

TEST_F(CommandTest, HelpFromMenuAndToolbarShowsHelp) {
    NestrelFrame& frame = BuildFrame();
    frame.ProcessCommand(ID_HELP);
    wxCommandEvent tool(wxEVT_TOOL, ID_HELP);
    tool.SetEventObject(frame.GetToolBar());
    frame.GetToolBar()->GetEventHandler()->ProcessEvent(tool);
    EXPECT_EQ(helpRequests_, 2);
}

TEST_F(CommandTest, ClosingTheWindowResetsTheIdCounters) {
    NestrelFrame& frame = BuildFrame();
    frame.Registry().AddFamily(frame.Registry().NewFamily("Pleasant"));
    counters_.NextSimId();
    EXPECT_EQ(counters_.familyCounter, 1);
    frame_->Close(true);
    PumpEvents();
    EXPECT_FALSE(frame_);
    EXPECT_EQ(counters_.simCounter, 0);
    EXPECT_EQ(counters_.familyCounter, 0);
}

}  // namespace
