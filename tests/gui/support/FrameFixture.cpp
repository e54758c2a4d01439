#include "support/FrameFixture.h"

#include <filesystem>

#include <wx/config.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

#include "common/ResBitmap.h"

void FrameTest::SetUp() {
    home_ = std::make_unique<ScopedEnv>("HOME", root_ / "home");
    configHome_ = std::make_unique<ScopedEnv>("XDG_CONFIG_HOME", root_ / "home/.config");
    dataHome_ = std::make_unique<ScopedEnv>("XDG_DATA_HOME", root_ / "home/.local/share");
    // Recovery copies of unsaved changes go below the state folder.
    stateHome_ = std::make_unique<ScopedEnv>("XDG_STATE_HOME", root_ / "home/.local/state");
    std::filesystem::create_directories(root_ / "home/.config");
    ResetConfigStore();

    installDir_ = root_ / "install";
    std::filesystem::create_directories(installDir_ + "/Data");
    std::filesystem::create_directories(installDir_ + "/Saved");
    CopyTree(SourceDir() + "/resources/res", installDir_ + "/res");
    // The shipped career file: without it every start reports missing career data.
    std::filesystem::copy_file(SourceDir() + "/resources/Data/SimCareers.ini", installDir_ + "/Data/SimCareers.ini");
    SetResSearchDirs({installDir_});

    counters_ = IdCounters{};
    context_ = std::make_unique<AppContext>(AppContext{counters_, installDir_, {}, [this] { ++helpRequests_; }});
}

void FrameTest::TearDown() {
    if (frame_) frame_->Destroy();
    PumpEvents();
    EXPECT_FALSE(frame_) << "the main window outlived its test";
    ResetConfigStore();
    SetResSearchDirs({});
}

NestrelFrame& FrameTest::BuildFrame() {
    auto* frame = new NestrelFrame(*context_, "Nestrel", wxPoint(50, 50), wxSize(700, 500));
    frame_ = frame;
    frame->Show();
    PumpEvents();
    return *frame;
}

NestrelFrame& FrameTest::BuildEmptyFrame() {
    NestrelFrame& frame = BuildFrame();
    frame.Registry().Clear();
    frame.SetModified(false);
    frame.RefreshFamilies();
    return frame;
}

void FrameTest::SetConfigValue(const wxString& key, const wxString& value) {
    wxConfigBase::Get()->Write(key, value);
    wxConfigBase::Get()->Flush();
}

std::string FrameTest::StatusField(int field) const {
    wxStatusBar* bar = frame_->GetStatusBar();
    if (bar == nullptr) return "<no status bar>";
    return std::string(bar->GetStatusText(field).utf8_str());
}

void FrameTest::OpenMenu(int index) {
    wxMenu* menu = frame_->GetMenuBar()->GetMenu(index);
    menu->UpdateUI(frame_.get());
}
