#pragma once
#include <wx/dialog.h>

class wxStaticText;

/// "About Nestrel": the version line, the maker line, the licence and the product page link.
class AboutDlg : public wxDialog {
public:
    /// The link is shown only when both its label and its address are given.
    AboutDlg(wxWindow* parent, const wxString& displayName, const wxString& linkLabel, const wxString& linkUrl);
    void SetYear(const wxString& year) { year_ = year; }
    void SetVersion(const wxString& version) { version_ = version; }

    /// Fills the version and maker lines, then shows the dialog.
    int ShowModal() override;
    /// The two lines as ShowModal fills them.
    void FillTexts();

    wxStaticText* VersionLine() const { return versionLine_; }
    wxStaticText* MakerLine() const { return makerLine_; }
    wxStaticText* LicenceLine() const { return licenceLine_; }

private:
    wxString displayName_;
    wxString year_;
    wxString version_;
    wxStaticText* versionLine_ = nullptr;
    wxStaticText* makerLine_ = nullptr;
    wxStaticText* licenceLine_ = nullptr;
};
