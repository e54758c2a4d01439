#pragma once
#include <string>

class wxWindow;

/// The program's identity (name, version, year, product page) and its two commands:
/// the about box and the update check, which asks the maker's web server for the
/// current version and offers the product page when it is newer.
class VersionManager {
public:
    explicit VersionManager(wxWindow* mainWindow) : mainWindow_(mainWindow) {}
    virtual ~VersionManager() = default;

    void SetVersion(const std::string& version) { version_ = version; }
    void SetDisplayName(const std::string& name) { displayName_ = name; }
    void SetProgramKey(const std::string& key) { programKey_ = key; }
    void SetYear(const std::string& year) { year_ = year; }
    void SetLinkLabel(const std::string& label) { linkLabel_ = label; }
    void SetLinkUrl(const std::string& url) { linkUrl_ = url; }
    /// How long a connect or a read may wait before the check gives up (at most 10 s).
    void SetTimeoutSeconds(int seconds);

    const std::string& Version() const { return version_; }
    const std::string& LatestVersion() const { return latestVersion_; }

    void ShowAbout();
    /// Asks the server (the configuration store's "UpdateHost" when set) and tells
    /// the user; no reply at all shows nothing.
    void CheckForUpdate();
    void ShowUpdateAvailable();

private:
    wxWindow* mainWindow_;
    std::string version_;
    std::string latestVersion_;
    std::string displayName_;
    std::string programKey_;
    std::string year_;
    std::string linkLabel_;
    std::string linkUrl_;
    int timeoutSeconds_ = 10;
};
