#include "update/VersionManager.h"

#include <algorithm>

#include <wx/utils.h>

#include "app/ConfigStore.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "update/AboutDlg.h"
#include "update/UpdateAvailDlg.h"
#include "update/UpdateCheck.h"
#include "update/UpdateRequest.h"

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
    UpdateServer server{kDefaultUpdateHost, 80};
    const std::string configured = ReadConfigText(ConfigKey::UpdateHost);
    // A stored host that cannot be an address is ignored rather than asked.
    if (!configured.empty() && !ParseUpdateServer(configured, server)) return;

    UpdateReply reply;
    {
        wxBusyCursor busy;
        reply = PostUpdateRequest(server.host, server.port, kUpdatePath, UpdateRequestBody(programKey_), timeoutSeconds_);
    }
    const UpdateOutcome outcome = JudgeUpdateReply(reply.received, reply.status, reply.body, version_);
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
            ShowMessageBox(wxGetTranslation(outcome.errorText.c_str()), _(Caption::Error), wxOK, mainWindow_);
            return;
    }
}
