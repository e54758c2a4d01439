#pragma once
#include <memory>
#include <string>

#include <wx/app.h>
#include <wx/timer.h>

#include "app/AppContext.h"
#include "base/IdCounters.h"

class NestrelFrame;
class wxHtmlHelpController;
class wxTimer;

/// The program's application object: finds the install directory, sets up help, and
/// creates and shows the main window. It owns the id counters and the shared context.
class NestrelApp : public wxApp {
public:
    NestrelApp();
    ~NestrelApp() override;

    bool OnInit() override;
    int OnExit() override;

    /// Shows the help book's contents page, or says that the help cannot be found.
    void ShowHelp();

    const std::string& InstallDir() const { return context_.installDir; }
    IdCounters& Counters() { return counters_; }
    NestrelFrame* Frame() const { return frame_; }

private:
    void ResolveInstallDir();
    void TakeScreenshotWhenShown(const wxString& path);

    IdCounters counters_;
    AppContext context_;
    NestrelFrame* frame_ = nullptr;
    std::unique_ptr<wxHtmlHelpController> help_;
    std::string helpBook_;
    bool helpLoaded_ = false;
    std::unique_ptr<wxTimer> screenshotTimer_;
};
