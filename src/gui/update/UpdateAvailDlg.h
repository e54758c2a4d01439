#pragma once
#include <wx/dialog.h>

/// "Update!": a newer version exists; both versions and the product page link.
class UpdateAvailDlg : public wxDialog {
public:
    UpdateAvailDlg(wxWindow* parent, const wxString& latestVersion, const wxString& runningVersion,
                   const wxString& linkLabel, const wxString& linkUrl);
};
