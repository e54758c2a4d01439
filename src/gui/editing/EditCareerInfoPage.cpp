#include "editing/EditCareerInfoPage.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "editing/SimEdit.h"
#include "common/FontScale.h"
#include "common/WxString.h"
#include "model/Sim.h"
#include "model/Vocabulary.h"

namespace {
enum { ID_STAGE = 0, ID_CAREER = 1, ID_LEVEL = 2, ID_PREVIEW = 3, ID_RESTORE = 4, ID_PROMOTE = 5 };
}

EditCareerInfoPage::EditCareerInfoPage(wxWindow* parent, const CareerList* careers)
    : EditSimPage(parent), careers_(careers) {
    wxArrayString stages;
    for (const auto& t : LifeStageTexts()) stages.Add(ToWx(t));
    stage_ = new wxRadioBox(this, ID_STAGE, _("Sim Age Level"), wxDefaultPosition, wxDefaultSize, stages, 1,
                            wxRA_SPECIFY_COLS);
    stage_->SetSelection(kLifeStageAdult);
    const wxSize comboSize(FontScaledWidth(this, 160), -1);
    career_ = new wxComboBox(this, ID_CAREER, wxEmptyString, wxDefaultPosition, comboSize, wxArrayString(),
                             wxCB_DROPDOWN | wxCB_READONLY);
    level_ = new wxComboBox(this, ID_LEVEL, wxEmptyString, wxDefaultPosition, comboSize, wxArrayString(),
                            wxCB_DROPDOWN | wxCB_READONLY);
    // The preview is as tall as seven lines of the career text, so none is cut off.
    preview_ = new wxStaticText(this, ID_PREVIEW, _("Default"), wxDefaultPosition,
                                FontScaled(this, wxSize(200, 150)), wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    restore_ = new wxButton(this, ID_RESTORE, _("&Restore"));
    promote_ = new wxButton(this, ID_PROMOTE, _("&Promote"));
    restore_->Disable();
    promote_->Disable();

    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(new wxStaticText(this, wxID_ANY, _("Career Name:")));
    right->Add(career_, 0, wxBOTTOM, 6);
    right->Add(new wxStaticText(this, wxID_ANY, _("Current Level:")));
    right->Add(level_, 0, wxBOTTOM, 6);
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(stage_, 0, wxALL, 8);
    top->Add(right, 0, wxALL, 8);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(restore_, 0, wxRIGHT, 8);
    buttons->Add(promote_);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(top);
    sizer->Add(preview_, 0, wxALIGN_CENTER | wxALL, 4);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxALL, 8);
    SetSizer(sizer);

    FillCareers();
    career_->SetSelection(SelectCareerByCode(entries_, careers_, kCareerUnemployed));
    FillLevels();
    level_->SetSelection(0);
    ShowPreview();

    Bind(wxEVT_RADIOBOX, &EditCareerInfoPage::OnStage, this, ID_STAGE);
    Bind(wxEVT_COMBOBOX, &EditCareerInfoPage::OnCareer, this, ID_CAREER);
    Bind(wxEVT_COMBOBOX, &EditCareerInfoPage::OnLevel, this, ID_LEVEL);
    Bind(wxEVT_BUTTON, &EditCareerInfoPage::OnRestore, this, ID_RESTORE);
    Bind(wxEVT_BUTTON, &EditCareerInfoPage::OnPromote, this, ID_PROMOTE);
}

int EditCareerInfoPage::LifeStage() const {
    const int stage = stage_->GetSelection();
    return stage == wxNOT_FOUND ? kLifeStageAdult : stage;
}

void EditCareerInfoPage::FillCareers() {
    entries_ = CareersOffered(careers_, LifeStage());
    career_->Clear();
    for (const CareerEntry& e : entries_) career_->Append(ToWx(e.text));
}

void EditCareerInfoPage::FillLevels() {
    const int selected = career_->GetSelection();
    const CareerEntry* entry =
        (selected >= 0 && selected < static_cast<int>(entries_.size())) ? &entries_[static_cast<size_t>(selected)] : nullptr;
    level_->Clear();
    for (const std::string& t : LevelsOffered(entry, LifeStage())) level_->Append(ToWx(t));
}

CareerChoice EditCareerInfoPage::CurrentChoice() const {
    return CareerChoice{LifeStage(), career_->GetSelection(), level_->GetSelection() == wxNOT_FOUND ? 0 : level_->GetSelection()};
}

void EditCareerInfoPage::ShowPreview() {
    if (career_->GetSelection() == wxNOT_FOUND) return;
    preview_->SetLabel(ToWx(CareerPreviewText(entries_, CurrentChoice())));
    Layout();
    // The button follows the stored career, not the choices on the page.
    promote_->Enable(sim_ != nullptr && record_.IsPromotable());
}

void EditCareerInfoPage::SetLifeStage(int stage) {
    if (stage == LifeStage() || stage < 0 || stage >= kLifeStageCount) return;
    stage_->SetSelection(stage);
    wxCommandEvent unused;
    OnStage(unused);
}

void EditCareerInfoPage::OnStage(wxCommandEvent&) {
    const int32_t code = SelectedCareerCode(entries_, career_->GetSelection());
    FillCareers();
    career_->SetSelection(SelectCareerByCode(entries_, careers_, code));
    FillLevels();
    level_->SetSelection(0);
    ShowPreview();
}

void EditCareerInfoPage::OnCareer(wxCommandEvent&) {
    FillLevels();
    level_->SetSelection(0);
    ShowPreview();
}

void EditCareerInfoPage::OnLevel(wxCommandEvent&) { ShowPreview(); }

void EditCareerInfoPage::LoadFromRecord() {
    if (!sim_) return;
    stage_->SetSelection(record_.lifeStage >= 0 && record_.lifeStage < kLifeStageCount ? record_.lifeStage
                                                                                      : kLifeStageAdult);
    FillCareers();
    const int careerEntry = SelectCareerByCode(entries_, careers_, record_.careerCode);
    career_->SetSelection(careerEntry);
    FillLevels();
    const CareerEntry* entry = careerEntry >= 0 ? &entries_[static_cast<size_t>(careerEntry)] : nullptr;
    level_->SetSelection(LevelEntryForLevel(entry, LifeStage(), record_.level, static_cast<int>(level_->GetCount())));
    ShowPreview();
    promote_->Enable(record_.IsPromotable());
    loaded_ = CurrentChoice();
}

void EditCareerInfoPage::LoadFromSim(Sim* sim) {
    sim_ = sim;
    if (sim) record_ = sim->career;
    restore_->Enable(sim != nullptr);
    LoadFromRecord();
}

// Restore drops the choices on the page, not a promotion made in this dialog:
// the page shows the record as "&Promote" left it.
void EditCareerInfoPage::OnRestore(wxCommandEvent&) { LoadFromRecord(); }

void EditCareerInfoPage::OnPromote(wxCommandEvent&) {
    if (!sim_) return;
    record_.Promote();
    LoadFromRecord();
}

bool EditCareerInfoPage::SaveToSim(SimEdit& edit) {
    if (!sim_) return false;
    SimCareerData result = record_;
    SaveCareerChoice(result, entries_, CurrentChoice(), loaded_);
    if (!SameCareerRecord(result, sim_->career)) edit.career = result;
    return true;
}
