#include "careers/FindCareerDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checklst.h>
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

// A result list shows this many names without scrolling: the example careers give up
// to four under "Best 2 of 3:".
constexpr int kResultRowsShown = 4;

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
    skills_ = new wxCheckListBox(this, ID_SKILLS, wxDefaultPosition, wxDefaultSize, skills, wxLB_SINGLE);
    // Tall enough for all seven skills at the font in use.
    skills_->SetMinSize(wxSize(-1, std::max(FontScaledHeight(this, 150), skills_->GetBestSize().y)));
    count_ = new wxStaticText(this, wxID_ANY, ToWx(SkillCountText(0)));
    bestTwo_ = new wxListBox(this, ID_BEST_TWO, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SINGLE | wxLB_HSCROLL);
    allThree_ = new wxListBox(this, ID_ALL_THREE, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                              wxLB_SINGLE | wxLB_HSCROLL);
    for (wxListBox* list : {bestTwo_, allThree_})
        list->SetMinSize(wxSize(-1, ListHeightForRows(list, kResultRowsShown, 50)));
    note_ = new wxStaticText(this, wxID_ANY, wxEmptyString);
    note_->SetForegroundColour(wxColour(0, 0, 255));

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, ID_MATCH, _("&Match!")), 0, wxRIGHT, 10);
    buttons->Add(new wxButton(this, ID_SHOW_SKILLS, _("&Show Skills")));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Please enter up to three skills to match:")), 0, wxALL, 10);
    sizer->Add(skills_, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    sizer->Add(count_, 0, wxLEFT | wxRIGHT | wxTOP, 10);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxALL, 10);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Best 2 of 3:")), 0, wxLEFT | wxRIGHT, 10);
    sizer->Add(bestTwo_, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Best results (all 3):")), 0, wxLEFT | wxRIGHT, 10);
    sizer->Add(allThree_, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    sizer->Add(note_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    sizer->Add(new wxButton(this, wxID_OK, _("&Close")), 0, wxALIGN_CENTER | wxBOTTOM, 10);
    // Room for the longest thing "&Match!" can say, so that no word of it is cut off.
    int widest = 0;
    for (size_t chosen : {0u, 2u, 3u})
        widest = std::max(widest, note_->GetTextExtent(ToWx(SkillMatchNote(chosen, {}))).x);
    note_->SetMinSize(wxSize(widest, -1));
    SetSizer(sizer);
    sizer->SetSizeHints(this);
    const wxSize design = FontScaled(this, wxSize(300, 300));
    SetSize(wxSize(std::max(GetSize().x, design.x), std::max(GetSize().y, design.y)));

    // The list's own clicks would replace the selection (or, on the box, toggle it
    // while also selecting the row): a click anywhere on a skill toggles that skill,
    // and nothing else. A double click is two toggles, nothing more.
    skills_->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& e) {
        const int item = skills_->HitTest(e.GetPosition());
        if (item == wxNOT_FOUND) {
            e.Skip();
            return;
        }
        skills_->SetFocus();
        ToggleSkill(item);
    });
    skills_->Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& e) {
        if (skills_->HitTest(e.GetPosition()) == wxNOT_FOUND) e.Skip();
    });
    // The keyboard (space) toggles through the list itself.
    Bind(wxEVT_CHECKLISTBOX, [this](wxCommandEvent& e) { LimitSkillSelection(e.GetSelection()); }, ID_SKILLS);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { MatchSkills(); }, ID_MATCH);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        if (careerDlg_) careerDlg_->ShowCareerSkills();
    }, ID_SHOW_SKILLS);
}

wxArrayInt FindCareerDlg::CheckedSkills() const {
    wxArrayInt checked;
    skills_->GetCheckedItems(checked);
    std::sort(checked.begin(), checked.end());
    return checked;
}

void FindCareerDlg::ShowCount() { count_->SetLabel(ToWx(SkillCountText(CheckedSkills().size()))); }

void FindCareerDlg::ToggleSkill(int item) {
    if (item < 0 || item >= static_cast<int>(skills_->GetCount())) return;
    skills_->Check(static_cast<unsigned>(item), !skills_->IsChecked(static_cast<unsigned>(item)));
    LimitSkillSelection(item);
}

void FindCareerDlg::LimitSkillSelection(int item) {
    if (!SkillSelectionAllowed(CheckedSkills().size()) && item >= 0 && item < static_cast<int>(skills_->GetCount()))
        skills_->Check(static_cast<unsigned>(item), false);
    ShowCount();
}

void FindCareerDlg::MatchSkills() {
    if (careers_ == nullptr) {
        ShowNotice(_("An error occurred. Please re-enter the dialog."));
        return;
    }
    std::vector<int32_t> chosen;
    for (int item : CheckedSkills()) chosen.push_back(int32_t{1} << item);  // entry i is skill bit i
    const SkillMatch match = ::MatchSkills(*careers_, chosen);
    Fill(allThree_, match.allThree);
    Fill(bestTwo_, match.bestTwo);
    note_->SetLabel(ToWx(SkillMatchNote(chosen.size(), match)));
}
