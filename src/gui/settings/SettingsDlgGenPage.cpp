#include "settings/SettingsDlgGenPage.h"

#include <wx/checkbox.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "storage/ProgramSettings.h"

SettingsDlgGenPage::SettingsDlgGenPage(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
    askToSave_ = new wxCheckBox(this, 0, _("Ask to save on exit"));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(askToSave_, 0, wxLEFT | wxRIGHT | wxTOP, 12);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("(if unchecked, will save automatically)")), 0, wxALL, 12);
    SetSizer(sizer);
}

void SettingsDlgGenPage::LoadFromSettings(const ProgramSettings& settings) { askToSave_->SetValue(settings.askToSave); }

void SettingsDlgGenPage::StoreToSettings(ProgramSettings& settings) const { settings.askToSave = askToSave_->GetValue(); }
