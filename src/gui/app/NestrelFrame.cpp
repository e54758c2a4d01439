#include "app/NestrelFrame.h"

#include <wx/combobox.h>
#include <wx/panel.h>

#include "common/ArtProvider.h"
#include "common/WxColour.h"

NestrelFrame::NestrelFrame(AppContext& context, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(nullptr, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE, "frame"),
      context_(context),
      prompter_(nullptr),
      registry_(context.counters, prompter_) {
    CreateOwnedObjects();
    installDir_ = context_.installDir;
    LoadNamesList();
    SetFrameIcon();
    CreateVersionManager();
    BuildMenuBar();
    BuildToolBar();
    CreateMainPanel();
    ReadProgramSettings();
    CreateMainControls();
    ReadCareerFile();
    LoadLastNeighborhood();
    NameRegistryAndFillLists();
    CreateStatusLine();
    // The window only grows in height: its width stays 700.
    SetSizeHints(700, 300, 700, -1);
    BindCommands();
}

NestrelFrame::~NestrelFrame() {
    // The neighborhood goes with the frame, so ids start at 1 again.
    registry_.Clear();
    context_.counters.Reset();
}

void NestrelFrame::CreateOwnedObjects() {
    // The registry is a member. The career table, neighborhood file, program settings,
    // matchmaker settings and names list are created here as they arrive.
}

void NestrelFrame::LoadNamesList() {
    // The names list is read from <install>/Data/defaultNamesList.snf here.
}

void NestrelFrame::SetFrameIcon() { SetIcons(IconResourceBundle("NESTREL")); }

void NestrelFrame::CreateVersionManager() {
    // The update checker (version "3.4.1", name "Nestrel", key "nestrel", year "2008")
    // is created here.
}

void NestrelFrame::CreateMainPanel() {
    panel_ = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, "panel");
}

void NestrelFrame::ReadProgramSettings() {
    // A missing or unreadable file leaves the defaults in force; nobody needs telling.
    ReadSettings(SettingsFilePath(installDir_), settings_, &matchSettings_);
    panel_->SetForegroundColour(ToWxColour(settings_.textColor));
}

void NestrelFrame::CreateMainControls() {
    BuildListControls();
    panel_->SetBackgroundColour(ToWxColour(settings_.bgColor));
    hourChoice_->SetSelection(0);
    selectedHour_ = HourValueForIndex(0);
}

void NestrelFrame::ReadCareerFile() {
    // <install>/Data/SimCareers.ini is read here; when it cannot be, the hour selector
    // is disabled and the user is told.
}

void NestrelFrame::LoadLastNeighborhood() {
    // The stored neighborhood ("SimFile", else "DefaultSims") is loaded here. Until then
    // every start is a start with nothing loaded.
    EnableSaveItems(false);
    currentFile_ = "Unsaved";
}

void NestrelFrame::NameRegistryAndFillLists() {
    // The registry takes the configured file name (even after a failed load) and the
    // family list is filled here.
}

bool NestrelFrame::NeighborhoodIsEmpty() const { return registry_.IsEmpty(); }
