#include "editing/AdvancedPropDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

AdvancedPropDlg::AdvancedPropDlg(wxWindow* parent, bool& townie, bool& vampire, bool& atCollege)
    : wxDialog(parent, wxID_ANY, _("Sim Status")), flags_{&townie, &vampire, &atCollege} {
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("This Sim is...")), 0, wxALL, 8);
    const wxString labels[3] = {_("A Townie"), _("A Vampire"), _("At College")};
    for (int i = 0; i < 3; ++i) {
        boxes_[i] = new wxCheckBox(this, i, labels[i]);
        boxes_[i]->SetValue(*flags_[i]);
        sizer->Add(boxes_[i], 0, wxLEFT | wxRIGHT | wxBOTTOM, 8);
    }
    sizer->Add(new wxButton(this, wxID_OK, _("Ok")), 0, wxALIGN_CENTER | wxALL, 8);
    SetSizerAndFit(sizer);
    Bind(wxEVT_BUTTON, &AdvancedPropDlg::OnOk, this, wxID_OK);
}

void AdvancedPropDlg::Accept() {
    for (int i = 0; i < 3; ++i) *flags_[i] = boxes_[i]->GetValue();
}

void AdvancedPropDlg::OnOk(wxCommandEvent&) {
    Accept();
    EndModal(wxID_OK);
}
