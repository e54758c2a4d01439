#pragma once
// What the file-command and start-up window tests share: neighborhood files written
// as the program writes them, a scripted file selector, and a message box expectation
// that also notes the status message shown while the box is up.
#include <deque>
#include <string>
#include <vector>

#include <wx/frame.h>
#include <wx/statusbr.h>

#include "common/FileNameAsker.h"
#include "support/FrameFixture.h"

/// A neighborhood file body with "\n" line ends, turned into the file's CR LF.
std::string NbdText(const std::string& lines);

/// A one-family file: family `family` with one Adult female member `first`, career
/// version `careerVers` (the shipped career file has 1.0); `extraMemberLines` go after
/// the member's lines (e.g. friends).
std::string OneSimNbd(const std::string& family, const std::string& first,
                      const std::string& extraMemberLines = std::string(),
                      const std::string& careerVers = "1.0");

/// The whole file, or "<missing>".
std::string FileText(const std::string& path);

class FilesTest : public FrameTest {
protected:
    void SetUp() override;
    void TearDown() override;

    /// The next answers of the file selector, in order; an empty answer is a cancel.
    /// A question beyond the script fails the test and is cancelled.
    void AnswerFileDialogs(std::vector<std::string> answers);

    /// <install>/Saved/<name>
    std::string Saved(const std::string& name) const { return installDir_ + "/Saved/" + name; }

    /// The neighborhood's families by name, in list order.
    std::vector<std::string> FamilyNames();

    std::vector<FileNameRequest> asked_;

private:
    std::deque<std::string> answers_;
};

/// Answers a message box like ExpectMessageBox and notes the status bar's message
/// while the box is up (the status a long read shows to the user).
class StatusAtMessageBox : public wxExpectModalBase<wxMessageDialog, StatusAtMessageBox> {
public:
    StatusAtMessageBox(int answer, wxString caption, wxFrame* frame, std::string* seen)
        : answer_(answer), caption_(std::move(caption)), frame_(frame), seen_(seen) {}

protected:
    int OnInvoked(wxMessageDialog* dlg) const override;
    wxString GetDefaultDescription() const override { return "message box \"" + caption_ + "\""; }

private:
    int answer_;
    wxString caption_;
    wxFrame* frame_;
    std::string* seen_;
};
