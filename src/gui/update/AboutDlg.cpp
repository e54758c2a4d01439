#include "update/AboutDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <wx/hyperlink.h>

#include "update/ProductLink.h"

AboutDlg::AboutDlg(wxWindow* parent, const wxString& displayName, const wxString& linkLabel, const wxString& linkUrl)
    : wxDialog(parent, wxID_ANY, wxEmptyString), displayName_(displayName) {
    SetTitle(wxString::Format(_("About %s"), displayName));
    versionLine_ = new wxStaticText(this, wxID_ANY, wxEmptyString);
    makerLine_ = new wxStaticText(this, wxID_ANY, wxEmptyString);
    licenceLine_ = new wxStaticText(
        this, wxID_ANY,
        wxString::Format(_("%s is free software under the GNU General Public License,\n"
                           "version 3 or later, and comes with no warranty."),
                         displayName));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(versionLine_, 0, wxLEFT | wxRIGHT | wxTOP, 16);
    sizer->Add(makerLine_, 0, wxLEFT | wxRIGHT | wxTOP, 16);
    sizer->Add(licenceLine_, 0, wxALL, 16);
    if (!linkLabel.empty() && !linkUrl.empty()) {
        sizer->Add(MakeProductLink(this, linkLabel, linkUrl), 0, wxLEFT | wxRIGHT, 16);
        sizer->AddSpacer(10);
    }
    auto* ok = new wxButton(this, wxID_OK, _("OK"));
    ok->SetDefault();
    sizer->Add(ok, 0, wxALIGN_CENTER | wxALL, 10);
    SetSizerAndFit(sizer);
}

void AboutDlg::FillTexts() {
    versionLine_->SetLabel(wxString::Format(_("%s version %s"), displayName_, version_));
    makerLine_->SetLabel(wxString::Format(_("Made by Quillfern, %s"), year_));
    // The lines were empty when the dialog was fitted.
    GetSizer()->SetSizeHints(this);
    Layout();
}

int AboutDlg::ShowModal() {
    FillTexts();
    return wxDialog::ShowModal();
}
