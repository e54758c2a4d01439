#include "app/NestrelFrame.h"

#include <algorithm>

#include <wx/combobox.h>
#include <wx/panel.h>

#include "app/ConfigStore.h"
#include "app/FileStatus.h"
#include "app/RecoveryKeeper.h"
#include "app/StartupFiles.h"
#include "common/FontScale.h"
#include "common/ArtProvider.h"
#include "common/WxColour.h"
#include "update/UpdateCheck.h"
#include "update/VersionManager.h"

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
    FitToFont();
    BindCommands();
    StartAutoSave();
}

void NestrelFrame::FitToFont() {
    // The window only grows in height by hand. Its width of 700 and least height of
    // 300 were laid out for a reference font: with a larger one it is as wide as its
    // controls need and never so low that the buttons beside the lists are cut off.
    const int width = std::max(FontScaledWidth(this, 700), GetBestSize().x);
    const int minHeight = std::max(FontScaledHeight(this, 300), GetBestSize().y);
    SetSizeHints(width, minHeight, width, -1);
    SetSize(width, std::max(GetSize().y, std::max(minHeight, FontScaledHeight(this, 500))));
}

NestrelFrame::~NestrelFrame() {
    // The neighborhood goes with the frame, so ids start at 1 again.
    registry_.Clear();
    context_.counters.Reset();
}

void NestrelFrame::CreateOwnedObjects() {
    // The registry, career table, file object, settings and names list are members.
    // The file object learns where files lie, whom to ask while reading, and the file
    // names the configuration store remembers from the last run.
    neighborhoodFile_.SetInstallDir(context_.installDir);
    neighborhoodFile_.SetPrompter(&prompter_);
    LoadConfiguredFileNames(neighborhoodFile_);
    CreateRecoveryKeeper();
}

void NestrelFrame::LoadNamesList() {
    // A missing file is made at closing. A file that is there but cannot be read is
    // kept from being replaced by an empty list (see SaveNamesList).
    namesFileUnreadable_ = LoadNamesFile(names_, NamesFilePath());
}

void NestrelFrame::SetFrameIcon() { SetIcons(IconResourceBundle("NESTREL")); }

void NestrelFrame::CreateVersionManager() {
    versionManager_ = std::make_unique<VersionManager>(this);
    versionManager_->SetVersion("3.4.1");
    versionManager_->SetDisplayName("Nestrel");
    versionManager_->SetProgramKey("nestrel");
    versionManager_->SetYear("2008");
    const std::string page = std::string("http://") + kDefaultUpdateHost + kProductPagePath;
    versionManager_->SetLinkLabel(page);
    versionManager_->SetLinkUrl(page);
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
    neighborhoodFile_.SetCareerInfo(&careerInfo_);
    const bool read = ReadCareerTable(careerInfo_, installDir_);
    neighborhoodFile_.SetCareerVersion(careerInfo_.version);
    if (!read) {
        EnableHourChoice(false);
        ShowNotice(_("The Career info could not be read. Functionality will be lost."), _(Caption::Error));
    }
}

void NestrelFrame::LoadLastNeighborhood() {
    neighborhoodFile_.SetRegistry(&registry_);
    configuredFileName_ = neighborhoodFile_.StoredCurrentFileName();
    // The same load as the Load command, but a missing or unreadable file is no news
    // at start-up: the program just starts with an empty neighborhood.
    const bool loaded = !configuredFileName_.empty() && LoadFile(configuredFileName_);
    if (loaded) {
        currentFile_ = configuredFileName_;
        neighborhoodFile_.SetCurrentFileName(configuredFileName_);
    } else {
        EnableSaveItems(false);
        currentFile_ = kUnsavedFileName;
        neighborhoodFile_.SetCurrentFileName(kUnsavedFileName);
    }
    // Changes that a crash kept from being saved, before the window shows.
    OfferRecoveryAtStart();
}

void NestrelFrame::NameRegistryAndFillLists() {
    // The configured name, even when it could not be loaded.
    registry_.name = configuredFileName_;
    RefreshFamilies();
}

bool NestrelFrame::NeighborhoodIsEmpty() const { return registry_.IsEmpty(); }
