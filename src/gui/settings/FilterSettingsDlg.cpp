#include "settings/FilterSettingsDlg.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "common/FontScale.h"
#include "common/WxString.h"
#include "storage/ProgramSettings.h"

FilterSettingsDlg::FilterSettingsDlg(wxWindow* parent, ProgramSettings& settings, bool offerAvailability)
    : wxDialog(parent, wxID_ANY, _("Filter Options"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE),
      settings_(settings), choices_(OrderChoices(offerAvailability)) {
    const long style = wxCB_DROPDOWN | wxCB_READONLY;
    first_ = new wxComboBox(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(FontScaledWidth(this, 100), -1), 0,
                            nullptr, style);
    second_ = new wxComboBox(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(FontScaledWidth(this, 100), -1), 0,
                             nullptr, style);
    FillOrderChoices();

    auto* grid = new wxFlexGridSizer(2, 8, 8);
    grid->Add(new wxStaticText(this, wxID_ANY, _("First, Order by: ")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(first_, 1, wxEXPAND);
    grid->Add(new wxStaticText(this, wxID_ANY, _("Then, order by: ")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(second_, 1, wxEXPAND);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, wxID_OK, _("&Ok")), 0, wxRIGHT, 10);
    buttons->Add(new wxButton(this, wxID_CANCEL, _("&Cancel")));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(grid, 0, wxEXPAND | wxALL, 12);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    SetSizer(sizer);
    // 260 x 170 for the reference font; never smaller than the controls need.
    const wxSize best = sizer->GetMinSize();
    SetClientSize(wxSize(std::max(FontScaledWidth(this, 250), best.x), std::max(FontScaledHeight(this, 130), best.y)));
    SetMinClientSize(best);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Accept(); EndModal(wxID_OK); }, wxID_OK);
}

void FilterSettingsDlg::FillOrderChoices() {
    for (const OrderChoice& choice : choices_) {
        first_->Append(ToWx(choice.text));
        second_->Append(ToWx(choice.text));
    }
}

int FilterSettingsDlg::ShowModal() {
    SelectStoredKeys();
    return wxDialog::ShowModal();
}

void FilterSettingsDlg::SelectStoredKeys() {
    first_->SetSelection(OrderEntryForCode(choices_, settings_.firstOrder));
    second_->SetSelection(OrderEntryForCode(choices_, settings_.secondOrder));
}

void FilterSettingsDlg::Accept() {
    settings_.firstOrder = OrderCodeForEntry(choices_, first_->GetSelection(), settings_.firstOrder);
    settings_.secondOrder = OrderCodeForEntry(choices_, second_->GetSelection(), settings_.secondOrder);
}
