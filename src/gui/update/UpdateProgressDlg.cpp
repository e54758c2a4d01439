#include "update/UpdateProgressDlg.h"

#include <utility>

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

UpdateProgressDlg::UpdateProgressDlg(wxWindow* parent, std::function<void()> onCancel)
    : wxDialog(parent, wxID_ANY, _("Check for updates"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE,
               "updateProgress"),
      onCancel_(std::move(onCancel)) {
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Checking for updates...")), 0, wxLEFT | wxRIGHT | wxTOP, 16);
    sizer->Add(new wxButton(this, wxID_CANCEL, _("Cancel")), 0, wxALIGN_CENTER | wxALL, 12);
    SetSizerAndFit(sizer);
    // Cancel and the title bar's close both stop the check; the owner takes the
    // window down, so the dialog's own hiding is not wanted.
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { onCancel_(); }, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { onCancel_(); });
}
