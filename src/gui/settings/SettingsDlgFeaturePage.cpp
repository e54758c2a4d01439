#include "settings/SettingsDlgFeaturePage.h"

#include <wx/checkbox.h>
#include <wx/intl.h>
#include <wx/sizer.h>

#include "storage/ProgramSettings.h"

SettingsDlgFeaturePage::SettingsDlgFeaturePage(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
    nightlife_ = new wxCheckBox(this, 1, _("Sims Nightlife"));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(nightlife_, 0, wxALL, 12);
    SetSizer(sizer);
}

void SettingsDlgFeaturePage::LoadFromSettings(const ProgramSettings& settings) { nightlife_->SetValue(settings.nightlife); }

void SettingsDlgFeaturePage::StoreToSettings(ProgramSettings& settings) const { settings.nightlife = nightlife_->GetValue(); }
