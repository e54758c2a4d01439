#pragma once
#include <memory>
#include <string>

#include <wx/weakref.h>

class wxEvtHandler;
class wxTimer;
class wxWindow;
class UpdateProgressDlg;
class UpdateRequest;
struct UpdateReply;

/// The program's identity (name, version, year, product page) and its two commands:
/// the about box and the update check, which asks the maker's web server for the
/// current version and offers the product page when it is newer.
///
/// The check's request runs on a thread of its own with one deadline for the whole
/// exchange; the reply is handed back to the window's thread, so the program stays
/// usable meanwhile. A small window says "Checking for updates..." and can cancel it.
class VersionManager {
public:
    explicit VersionManager(wxWindow* mainWindow);
    virtual ~VersionManager();

    void SetVersion(const std::string& version) { version_ = version; }
    void SetDisplayName(const std::string& name) { displayName_ = name; }
    void SetProgramKey(const std::string& key) { programKey_ = key; }
    void SetYear(const std::string& year) { year_ = year; }
    void SetLinkLabel(const std::string& label) { linkLabel_ = label; }
    void SetLinkUrl(const std::string& url) { linkUrl_ = url; }
    /// The deadline for the whole exchange with the server (1 to 10 s; 10 unless set).
    void SetTimeoutSeconds(int seconds);

    const std::string& Version() const { return version_; }
    const std::string& LatestVersion() const { return latestVersion_; }

    void ShowAbout();
    /// Starts asking the server (the configuration store's "UpdateHost" when set) and
    /// returns at once; the answer is told when it comes. While a check runs, its
    /// window is brought to the front instead of starting another.
    void CheckForUpdate();
    /// Whether a check is waiting for its answer.
    bool IsChecking() const { return request_ != nullptr; }
    /// Stops the running check at once; nothing is told.
    void CancelCheck();
    void ShowUpdateAvailable();

private:
    void ShowProgress();
    void HideProgress();
    void Finish(unsigned check, const UpdateReply& reply);

    wxWindow* mainWindow_;
    std::string version_;
    std::string latestVersion_;
    std::string displayName_;
    std::string programKey_;
    std::string year_;
    std::string linkLabel_;
    std::string linkUrl_;
    int timeoutSeconds_ = 10;

    std::string serverText_;  // the address being asked, for the messages
    unsigned checkNumber_ = 0;  // tells a late answer of a cancelled check from the current one
    std::unique_ptr<wxEvtHandler> events_;  // receives the answers and the progress timer
    std::unique_ptr<wxTimer> progressTimer_;
    std::unique_ptr<UpdateRequest> request_;
    wxWeakRef<UpdateProgressDlg> progress_;
};
