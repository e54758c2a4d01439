#include "settings/SettingsDlg.h"

#include <wx/button.h>
#include <wx/notebook.h>
#include <wx/sizer.h>

#include "settings/SettingsDlgColorsPage.h"
#include "settings/SettingsDlgFeaturePage.h"
#include "settings/SettingsDlgGenPage.h"
#include "storage/ProgramSettings.h"

SettingsDlg::SettingsDlg(wxWindow* parent, ProgramSettings& settings)
    : wxDialog(parent, wxID_ANY, _("Settings"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      settings_(settings) {
    book_ = new wxNotebook(this, wxID_ANY);
    general_ = new SettingsDlgGenPage(book_);
    book_->AddPage(general_, _("General"));
    general_->LoadFromSettings(settings_);
    colors_ = new SettingsDlgColorsPage(book_);
    book_->AddPage(colors_, _("Colors"));
    colors_->LoadFromSettings(settings_);
    features_ = new SettingsDlgFeaturePage(book_);
    book_->AddPage(features_, _("Features"));
    features_->LoadFromSettings(settings_);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, wxID_OK, _("&Ok")), 0, wxRIGHT, 50);
    buttons->Add(new wxButton(this, wxID_CANCEL, _("&Cancel")));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(book_, 1, wxEXPAND | wxALL, 8);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    // The pages decide the size: every label and colour row shows whole.
    SetSizerAndFit(sizer);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Accept(); EndModal(wxID_OK); }, wxID_OK);
}

void SettingsDlg::Accept() {
    general_->StoreToSettings(settings_);
    colors_->StoreToSettings(settings_);
    features_->StoreToSettings(settings_);
}
