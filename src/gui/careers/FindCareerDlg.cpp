#include "careers/FindCareerDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "careers/CareerDlg.h"
#include "careers/CareerTables.h"
#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"

namespace {
enum { ID_SKILLS = 0, ID_BEST_TWO = 1, ID_ALL_THREE = 2, ID_MATCH = 3, ID_SHOW_SKILLS = 4 };

void Fill(wxListBox* list, const std::vector<std::string>& names) {
    list->Clear();
    wxArrayString texts;
    for (const std::string& name : names) texts.Add(ToWx(name));
    if (!texts.empty()) list->Append(texts);
}
}  // namespace

FindCareerDlg::FindCareerDlg(CareerDlg* parent, const CareerList* careers)
    : wxDialog(parent, wxID_ANY, _("Find Career Dialog"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      careerDlg_(parent), careers_(careers) {
    wxArrayString skills;
    for (const std::string& text : MatchableSkillTexts()) skills.Add(ToWx(text));
    skills_ = new wxListBox(this, ID_SKILLS, wxDefaultPosition, wxDefaultSize, skills, wxLB_MULTIPLE);
    // Tall enough for all seven skills at the font in use.
    skills_->SetMinSize(wxSize(-1, std::max(FontScaledHeight(this, 150), skills_->GetBestSize().y)));
    bestTwo_ = new wxListBox(this, ID_BEST_TWO, wxDefaultPosition, wxSize(-1, FontScaledHeight(this, 50)), 0, nullptr,
                             wxLB_SINGLE | wxLB_HSCROLL);
    allThree_ = new wxListBox(this, ID_ALL_THREE, wxDefaultPosition, wxSize(-1, FontScaledHeight(this, 50)), 0,
                              nullptr, wxLB_SINGLE | wxLB_HSCROLL);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, ID_MATCH, _("&Match!")), 0, wxRIGHT, 10);
    buttons->Add(new wxButton(this, ID_SHOW_SKILLS, _("&Show Skills")));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Please enter up to three skills to match:")), 0, wxALL, 10);
    sizer->Add(skills_, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxALL, 10);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Best 2 of 3:")), 0, wxLEFT | wxRIGHT, 10);
    sizer->Add(bestTwo_, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Best results (all 3):")), 0, wxLEFT | wxRIGHT, 10);
    sizer->Add(allThree_, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    sizer->Add(new wxButton(this, wxID_OK, _("&Close")), 0, wxALIGN_CENTER | wxBOTTOM, 10);
    SetSizer(sizer);
    sizer->SetSizeHints(this);
    const wxSize design = FontScaled(this, wxSize(300, 300));
    SetSize(wxSize(std::max(GetSize().x, design.x), std::max(GetSize().y, design.y)));

    Bind(wxEVT_LISTBOX, [this](wxCommandEvent& e) {
        LimitSkillSelection(e.GetSelection());
        e.Skip();
    }, ID_SKILLS);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { MatchSkills(); }, ID_MATCH);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        if (careerDlg_) careerDlg_->ShowCareerSkills();
    }, ID_SHOW_SKILLS);
}

void FindCareerDlg::LimitSkillSelection(int item) {
    wxArrayInt selected;
    skills_->GetSelections(selected);
    if (SkillSelectionAllowed(selected.size())) return;
    if (item >= 0 && item < static_cast<int>(skills_->GetCount())) skills_->Deselect(item);
}

void FindCareerDlg::MatchSkills() {
    if (careers_ == nullptr) {
        ShowNotice(_("An error occurred. Please re-enter the dialog."));
        return;
    }
    wxArrayInt selected;
    skills_->GetSelections(selected);
    std::sort(selected.begin(), selected.end());  // the first three in list order count
    std::vector<int32_t> chosen;
    for (int item : selected) chosen.push_back(int32_t{1} << item);  // entry i is skill bit i
    const SkillMatch match = ::MatchSkills(*careers_, chosen);
    Fill(allThree_, match.allThree);
    Fill(bestTwo_, match.bestTwo);
}
