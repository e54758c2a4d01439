#pragma once
// Shared machinery of the window tests. Include this header instead of <wx/testing.h>:
// it routes wxTEST_DIALOG's failures into GoogleTest and turns an unexpected dialog
// into a failed test instead of a window that waits forever.
#define wxTEST_DIALOG_HOOK_CLASS GtestModalHook

#include <functional>
#include <string>

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

/// wxTEST_DIALOG's hook: reports through GoogleTest and cancels dialogs nobody expected.
class GtestModalHook : public wxTestingModalHook {
public:
    GtestModalHook(const char* file, int line, const char* func)
        : wxTestingModalHook(file, line, func), file_(file), line_(line) {}

protected:
    int Enter(wxDialog* dlg) override;
    void ReportFailure(const wxString& msg) override;

private:
    const char* file_;
    int line_;
};

/// Answers one message box, checking its text and caption when they are given.
/// `answer` is the button id: wxID_OK, wxID_YES, wxID_NO or wxID_CANCEL.
class ExpectMessageBox : public wxExpectModalBase<wxMessageDialog, ExpectMessageBox> {
public:
    ExpectMessageBox(int answer, wxString message = wxString(), wxString caption = wxString())
        : answer_(answer), message_(std::move(message)), caption_(std::move(caption)) {}

protected:
    int OnInvoked(wxMessageDialog* dlg) const override;
    wxString GetDefaultDescription() const override;

private:
    int answer_;
    wxString message_;
    wxString caption_;
};

/// A folder below the system's temporary folder, removed with its contents at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }
    /// Path() + "/" + relative.
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

private:
    std::string path_;
};

/// Sets an environment variable for its lifetime, then restores the old value.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value);
    ~ScopedEnv();

private:
    std::string name_;
    std::string old_;
    bool hadOld_;
};

/// Lets the toolkit handle pending events, idle work and delayed deletions.
void PumpEvents();

/// Drops the configuration store so the next use re-creates it from the current HOME.
void ResetConfigStore();

/// The repository's root folder (from NESTREL_SOURCE_DIR), for resources and fixtures.
std::string SourceDir();

/// Copies a folder tree; fails the test when it cannot.
void CopyTree(const std::string& from, const std::string& to);

/// Writes a file with the given bytes, creating its folder.
void WriteTextFile(const std::string& path, const std::string& contents);

/// Installs the failure reporting of the window tests: wx assertions and error log
/// messages fail the current test, and a last-resort modal hook cancels dialogs that
/// no wxTEST_DIALOG expected. Called once by the test program's main.
void InstallGuiTestSafetyNets();

/// While it lives, modal dialogs are really shown (the last-resort hook is off), for
/// the few tests that look at a native window from outside. The test must close what
/// it opens.
class RealModalDialogs {
public:
    RealModalDialogs();
    ~RealModalDialogs();
    RealModalDialogs(const RealModalDialogs&) = delete;
    RealModalDialogs& operator=(const RealModalDialogs&) = delete;
};
