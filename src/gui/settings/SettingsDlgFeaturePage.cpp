#include "settings/SettingsDlgFeaturePage.h"

#include <wx/checkbox.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "storage/ProgramSettings.h"

SettingsDlgFeaturePage::SettingsDlgFeaturePage(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
    nightlife_ = new wxCheckBox(this, 1, _("Sims Nightlife"));
    // The switch changes nothing yet; the page says so rather than let it look broken.
    note_ = new wxStaticText(this, wxID_ANY,
                             _("Kept for a later version: nothing in the program changes with this switch yet,\n"
                               "and it is not saved when the program closes."));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(nightlife_, 0, wxLEFT | wxRIGHT | wxTOP, 12);
    sizer->Add(note_, 0, wxALL, 12);
    SetSizer(sizer);
}

void SettingsDlgFeaturePage::LoadFromSettings(const ProgramSettings& settings) { nightlife_->SetValue(settings.nightlife); }

void SettingsDlgFeaturePage::StoreToSettings(ProgramSettings& settings) const { settings.nightlife = nightlife_->GetValue(); }
