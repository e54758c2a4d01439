#include "editing/EditBasicInfoPage.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "editing/AdvancedPropDlg.h"
#include "model/Sim.h"
#include "model/Vocabulary.h"

namespace {
enum { ID_FIRST_NAME = 2, ID_LAST_NAME = 3, ID_SIGN = 4, ID_AGE = 5, ID_SIM_STATUS = 8, ID_ASPIRATION = 9,
       ID_DEGREE = 10 };

wxArrayString ToArray(const std::vector<std::string>& texts) {
    wxArrayString a;
    for (const auto& t : texts) a.Add(ToWx(t));
    return a;
}

wxComboBox* ReadOnlyCombo(wxWindow* parent, int id, int width, const wxArrayString& entries) {
    return new wxComboBox(parent, id, wxEmptyString, wxDefaultPosition, wxSize(FontScaledWidth(parent, width), -1),
                          entries, wxCB_DROPDOWN | wxCB_READONLY);
}
}  // namespace

EditBasicInfoPage::EditBasicInfoPage(wxWindow* parent, SimRegistry& registry, std::vector<const Sim*> pending)
    : EditSimPage(parent), registry_(registry), pending_(std::move(pending)) {
    firstName_ = new wxTextCtrl(this, ID_FIRST_NAME, wxEmptyString, wxDefaultPosition,
                                wxSize(FontScaledWidth(this, 130), -1));
    lastName_ = new wxComboBox(this, ID_LAST_NAME, wxEmptyString, wxDefaultPosition,
                               wxSize(FontScaledWidth(this, 130), -1), wxArrayString(), wxCB_DROPDOWN | wxCB_SORT);
    lastName_->Disable();
    // "(none)" first: a Sim may have no sign, and the user must be able to say so.
    wxArrayString signs = ToArray(BasicSignTexts());
    signs.Insert(_("(none)"), 0);
    sign_ = ReadOnlyCombo(this, ID_SIGN, 90, signs);
    sign_->SetSelection(0);
    age_ = ReadOnlyCombo(this, ID_AGE, 90, ToArray(LifeStageTexts()));
    age_->SetSelection(kLifeStageAdult);
    gender_ = new wxRadioBox(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                             ToArray(GenderTexts()), 2, wxRA_SPECIFY_COLS);
    gender_->SetSelection(0);
    aspiration_ = ReadOnlyCombo(this, ID_ASPIRATION, 100, ToArray(AspirationTexts()));
    degree_ = ReadOnlyCombo(this, ID_DEGREE, 120, ToArray(MajorTexts()));

    auto* grid = new wxFlexGridSizer(2, 6, 8);
    auto label = [&](const wxString& text) { grid->Add(new wxStaticText(this, wxID_ANY, text), 0, wxALIGN_CENTER_VERTICAL); };
    label(_("First Name: "));
    grid->Add(firstName_);
    label(_("Last Name: "));
    grid->Add(lastName_);
    label(_("Sign: "));
    grid->Add(sign_);
    label(_("Age: "));
    grid->Add(age_);

    auto* heading = new wxStaticText(this, wxID_ANY, _("Advanced"));
    heading->SetForegroundColour(*wxBLUE);
    auto* advanced = new wxFlexGridSizer(2, 6, 8);
    advanced->Add(new wxStaticText(this, wxID_ANY, _("Aspiration:")), 0, wxALIGN_CENTER_VERTICAL);
    advanced->Add(aspiration_);
    advanced->Add(new wxStaticText(this, wxID_ANY, _("Degree:")), 0, wxALIGN_CENTER_VERTICAL);
    advanced->Add(degree_);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(grid, 0, wxALL, 8);
    sizer->Add(gender_, 0, wxLEFT | wxRIGHT, 8);
    sizer->Add(new wxStaticLine(this, wxID_ANY, wxDefaultPosition, wxSize(FontScaledWidth(this, 300), 3)), 0,
               wxALL, 8);
    sizer->Add(heading, 0, wxLEFT | wxRIGHT, 8);
    sizer->Add(new wxButton(this, ID_SIM_STATUS, _("Sim Status")), 0, wxALL, 8);
    sizer->Add(advanced, 0, wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizer(sizer);

    Bind(wxEVT_COMBOBOX, &EditBasicInfoPage::OnAgeChosen, this, ID_AGE);
    Bind(wxEVT_BUTTON, &EditBasicInfoPage::OnSimStatus, this, ID_SIM_STATUS);
}

void EditBasicInfoPage::LoadFromSim(Sim* sim) {
    sim_ = sim;
    if (!sim) return;
    firstName_->ChangeValue(ToWx(sim->firstName));
    lastName_->SetValue(ToWx(sim->ResolvedLastName()));
    SelectLifeStage(sim->LifeStage());
    sign_->SetSelection(SignComboEntry(BasicSignEntryForName(sim->signName)));
    flags_ = StatusFlagsOf(*sim);
    gender_->SetSelection(sim->male ? 0 : 1);
    cachedAspiration_ = sim->aspiration;
    // A number outside its table shows nothing selected and is kept on OK.
    aspiration_->SetSelection(sim->aspiration >= 0 && sim->aspiration < kAspirationCount ? sim->aspiration
                                                                                       : wxNOT_FOUND);
    degree_->SetSelection(sim->degree >= 0 && sim->degree < kMajorCount ? sim->degree : wxNOT_FOUND);
}

BasicInfoChoice EditBasicInfoPage::ReadChoice() const {
    BasicInfoChoice choice;
    choice.firstName = ToStd(firstName_->GetValue());
    // Entry 0 is "(none)"; the signs follow in the order of BasicSignTexts.
    choice.signEntry = sign_->GetSelection() == wxNOT_FOUND ? -1 : sign_->GetSelection() - 1;
    choice.male = gender_->GetSelection() == 0;
    choice.aspiration = aspiration_->GetSelection() != wxNOT_FOUND ? aspiration_->GetSelection() : -1;
    choice.degree = degree_->GetSelection() != wxNOT_FOUND ? degree_->GetSelection() : -1;
    return choice;
}

bool EditBasicInfoPage::ConfirmSave() {
    if (!sim_) {
        ShowNotice(_("Error creating new sim!"));
        return false;
    }
    confirmed_ = ReadChoice();
    MessageBoxPrompter prompter(this);
    if (!ConfirmBasicInfo(*sim_, confirmed_, pending_, prompter)) return false;
    firstName_->ChangeValue(ToWx(confirmed_.firstName));
    return true;
}

bool EditBasicInfoPage::SaveToSim(SimEdit& edit) {
    if (!sim_) {
        ShowNotice(_("Error creating new sim!"));
        return false;
    }
    if (confirmed_.aspiration < 0) confirmed_.aspiration = cachedAspiration_;
    edit.basic = confirmed_;
    if (flags_ != StatusFlagsOf(*sim_)) edit.flags = flags_;
    return true;
}

int EditBasicInfoPage::LifeStage() const {
    const int stage = age_->GetSelection();
    return stage == wxNOT_FOUND ? kLifeStageAdult : stage;
}

void EditBasicInfoPage::SelectLifeStage(int stage) {
    if (stage >= 0 && stage < kLifeStageCount) age_->SetSelection(stage);
}

void EditBasicInfoPage::OnAgeChosen(wxCommandEvent&) {
    if (lifeStageChanged_) lifeStageChanged_(LifeStage());
}

void EditBasicInfoPage::OnSimStatus(wxCommandEvent&) {
    if (!sim_) return;
    // The flags wait in the page until the dialog's OK, so Cancel drops them.
    AdvancedPropDlg dlg(this, flags_.townie, flags_.vampire, flags_.atCollege);
    dlg.ShowModal();
}
