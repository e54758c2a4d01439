#include "app/NestrelApp.h"

#include <cstdio>
#include <cstdlib>

#include <wx/config.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/filefn.h>
#include <wx/html/helpctrl.h>
#include <wx/stdpaths.h>
#include <wx/timer.h>

#include "app/AppSetup.h"
#include "app/InstallDir.h"
#include "app/NestrelFrame.h"
#include "app/TestHooks.h"
#include "app/Translations.h"
#include "common/MessageBox.h"
#include "common/ResBitmap.h"
#include "common/WxString.h"

NestrelApp::NestrelApp() : context_{counters_, {}, {}, {}} {}

NestrelApp::~NestrelApp() = default;

bool NestrelApp::OnInit() {
    SetUpToolkit(*this);
    // Before the first window: the tables of texts are translated when they are built.
    SetUpTranslations(CatalogueFolders(ToStd(wxStandardPaths::Get().GetExecutablePath())));
    help_ = std::make_unique<wxHtmlHelpController>();
    ResolveInstallDir();
    context_.showHelp = [this] { ShowHelp(); };
    helpBook_ = FindHelpBook(context_.installDir, context_.shareDir);

    InstallTestAnswers();
    frame_ = new NestrelFrame(context_, "Nestrel", wxPoint(50, 50), wxSize(700, 500));
    frame_->Show(true);
    SetTopWindow(frame_);
    InstallTestHooks(*frame_);

    // A development aid for headless runs: picture the main window once it is drawn,
    // then close. Not a user feature.
    if (const char* shot = std::getenv("NESTREL_SCREENSHOT"); shot != nullptr && *shot != '\0')
        TakeScreenshotWhenShown(wxString::FromUTF8(shot));
    return true;
}

int NestrelApp::OnExit() {
    help_.reset();
    delete wxConfigBase::Set(nullptr);  // writes what the store still holds
    return wxApp::OnExit();
}

void NestrelApp::ResolveInstallDir() {
    wxString configured;
    wxConfigBase::Get()->Read("InstDir", &configured, wxEmptyString);
    const std::string userDir = UserDataDir();
    context_.shareDir = FindShareDir(ToStd(wxStandardPaths::Get().GetExecutablePath()));
    const InstallDirChoice choice = ChooseInstallDir(ToStd(configured), ToStd(wxGetCwd()), userDir);
    if (choice.source == InstallDirSource::UserDataDir) SeedUserDataDir(choice.path, context_.shareDir);
    context_.installDir = choice.path;
    SetResSearchDirs({context_.installDir, context_.shareDir});
}

void NestrelApp::ShowHelp() {
    if (!help_) return;
    if (!helpLoaded_ && !helpBook_.empty()) helpLoaded_ = help_->AddBook(ToWx(helpBook_));
    if (!helpLoaded_) {
        ShowNotice(_("The help book could not be found."), _(Caption::Error));
        return;
    }
    help_->DisplayContents();
}

void NestrelApp::TakeScreenshotWhenShown(const wxString& path) {
    // Once the loop is idle the window has been mapped; give the toolkit a moment to
    // paint menus, toolbar and status bar, then copy the window from the screen.
    screenshotTimer_ = std::make_unique<wxTimer>();
    screenshotTimer_->Bind(wxEVT_TIMER, [this, path](wxTimerEvent&) {
        if (frame_ == nullptr) return;
        frame_->Update();
        Yield(true);
        const wxRect rect = frame_->GetScreenRect();
        wxBitmap picture(rect.GetSize(), 24);
        {
            wxMemoryDC memory(picture);
            wxScreenDC screen;
            memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
        }
        if (!picture.SaveFile(path, wxBITMAP_TYPE_PNG)) std::fprintf(stderr, "cannot write %s\n", static_cast<const char*>(path.utf8_str()));
        // Gone without the close request: a picture changes no file (no save, no
        // settings, names or configuration written).
        frame_->Destroy();
        frame_ = nullptr;
    });
    CallAfter([this] { screenshotTimer_->StartOnce(1000); });
}
