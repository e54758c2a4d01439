#include "update/VersionManager.h"

#include <algorithm>

#include <wx/event.h>
#include <wx/timer.h>

#include "app/ConfigStore.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "update/AboutDlg.h"
#include "update/UpdateAvailDlg.h"
#include "update/UpdateCheck.h"
#include "update/UpdateProgressDlg.h"
#include "update/UpdateRequest.h"

namespace {
// A quick answer shows no progress window at all.
constexpr int kProgressDelayMs = 300;
}  // namespace

VersionManager::VersionManager(wxWindow* mainWindow)
    : mainWindow_(mainWindow), events_(std::make_unique<wxEvtHandler>()) {
    progressTimer_ = std::make_unique<wxTimer>(events_.get());
    events_->Bind(wxEVT_TIMER, [this](wxTimerEvent&) { ShowProgress(); });
}

VersionManager::~VersionManager() {
    // The request's thread is stopped and joined before the handler its answer is
    // queued on goes away (which drops an answer already queued).
    request_.reset();
    progressTimer_.reset();
}

void VersionManager::SetTimeoutSeconds(int seconds) { timeoutSeconds_ = std::clamp(seconds, 1, 10); }

void VersionManager::ShowAbout() {
    AboutDlg dialog(mainWindow_, ToWx(displayName_), ToWx(linkLabel_), ToWx(linkUrl_));
    dialog.SetYear(ToWx(year_));
    dialog.SetVersion(ToWx(version_));
    dialog.CentreOnParent(wxBOTH);
    dialog.ShowModal();
}

void VersionManager::ShowUpdateAvailable() {
    UpdateAvailDlg dialog(mainWindow_, ToWx(latestVersion_), ToWx(version_), ToWx(linkLabel_), ToWx(linkUrl_));
    dialog.ShowModal();
}

void VersionManager::CheckForUpdate() {
    if (programKey_.empty()) return;
    if (IsChecking()) {
        ShowProgress();
        return;
    }
    UpdateServer server{kDefaultUpdateHost, 80};
    const std::string configured = ReadConfigText(ConfigKey::UpdateHost);
    if (!configured.empty() && !ParseUpdateServer(configured, server)) {
        ShowMessageBox(wxString::Format(_("The update server address \"%s\" is not a host or host:port."),
                                        ToWx(configured)),
                       _(Caption::Error), wxOK, mainWindow_);
        return;
    }
    serverText_ = UpdateServerText(server);

    UpdateRequest::Limits limits;
    limits.totalMilliseconds = timeoutSeconds_ * 1000;
    const unsigned check = ++checkNumber_;
    wxEvtHandler* events = events_.get();
    // The answer comes on the request's thread; CallAfter hands it to the window's.
    request_ = std::make_unique<UpdateRequest>(
        UpdateUrl(server, kUpdatePath), UpdateRequestBody(programKey_), limits,
        [events, this, check](UpdateReply reply) { events->CallAfter([this, check, reply] { Finish(check, reply); }); });
    progressTimer_->StartOnce(kProgressDelayMs);
}

void VersionManager::CancelCheck() {
    ++checkNumber_;  // an answer already on its way is dropped
    request_.reset();
    HideProgress();
}

void VersionManager::ShowProgress() {
    if (!IsChecking()) return;
    if (!progress_) {
        progress_ = new UpdateProgressDlg(mainWindow_, [this] { CancelCheck(); });
        progress_->CentreOnParent(wxBOTH);
    }
    progress_->Show();
    progress_->Raise();
}

void VersionManager::HideProgress() {
    progressTimer_->Stop();
    if (progress_) {
        UpdateProgressDlg* window = progress_;
        progress_ = nullptr;
        window->Hide();
        window->Destroy();
    }
}

void VersionManager::Finish(unsigned check, const UpdateReply& reply) {
    if (check != checkNumber_ || !IsChecking()) return;
    request_.reset();  // its thread has handed over the answer and is ending
    HideProgress();
    const UpdateOutcome outcome = JudgeUpdateReply(reply, version_, serverText_, timeoutSeconds_);
    switch (outcome.verdict) {
        case UpdateVerdict::Silent:
            return;
        case UpdateVerdict::Newer:
            latestVersion_ = outcome.serverVersion;
            ShowUpdateAvailable();
            return;
        case UpdateVerdict::NoUpdate:
            ShowMessageBox(_("No update needed at this time."), _(Caption::NoUpdate), wxOK, mainWindow_);
            return;
        case UpdateVerdict::Error:
            ShowMessageBox(ToWx(outcome.errorText), _(Caption::Error), wxOK, mainWindow_);
            return;
    }
}
