#include "update/UpdateAvailDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <wx/hyperlink.h>

#include "update/ProductLink.h"

UpdateAvailDlg::UpdateAvailDlg(wxWindow* parent, const wxString& latestVersion, const wxString& runningVersion,
                               const wxString& linkLabel, const wxString& linkUrl)
    : wxDialog(parent, wxID_ANY, wxEmptyString) {
    SetTitle(_("Update!"));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY,
                                _("There is an update available! Please click on the link below to download the latest update.")),
               0, wxLEFT | wxRIGHT | wxTOP, 16);
    sizer->Add(new wxStaticText(this, wxID_ANY, wxString::Format(_("Your version: %s"), runningVersion), wxDefaultPosition,
                                wxDefaultSize, 0, "runningVersion"),
               0, wxLEFT | wxRIGHT | wxTOP, 16);
    sizer->Add(new wxStaticText(this, wxID_ANY, wxString::Format(_("Current version: %s"), latestVersion),
                                wxDefaultPosition, wxDefaultSize, 0, "latestVersion"),
               0, wxLEFT | wxRIGHT | wxTOP, 16);
    if (!linkLabel.empty() && !linkUrl.empty())
        sizer->Add(MakeProductLink(this, linkLabel, linkUrl), 0, wxLEFT | wxRIGHT | wxTOP, 16);
    auto* close = new wxButton(this, wxID_OK, _("Close"));
    close->SetDefault();
    sizer->Add(close, 0, wxALIGN_CENTER | wxALL, 12);
    SetSizerAndFit(sizer);
}
