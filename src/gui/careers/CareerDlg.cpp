#include "careers/CareerDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "careers/CareerList.h"
#include "careers/CareerSkillsDlg.h"
#include "careers/CareerTables.h"
#include "careers/FindCareerDlg.h"
#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "base/Translate.h"

namespace {
enum { ID_CAREERS = 5, ID_LEVELS = 6, ID_PART_TIME = 7, ID_MATCH = 8, ID_SKILLS = 9 };

wxListCtrl* LevelList(wxWindow* parent, int id, const wxSize& design) {
    auto* list = new wxListCtrl(parent, id, wxDefaultPosition, FontScaled(parent, design),
                                wxLC_REPORT | wxLC_HRULES | wxLC_VRULES);
    const std::pair<const char*, int> columns[] = {{N_("Level"), 40}, {N_("Position"), 90}, {N_("#Friends"), 50},
                                                   {N_("Hours"), 50}, {N_("Salary"), 50}};
    int col = 0;
    for (const auto& [title, width] : columns) {
        const wxString text = wxGetTranslation(title);
        // A heading wider than its design width widens the column.
        const int needed = parent->GetTextExtent(text).x + FontScaledWidth(parent, 14);
        list->InsertColumn(col++, text, wxLIST_FORMAT_LEFT, std::max(FontScaledWidth(parent, width), needed));
    }
    return list;
}

void FillLevels(wxListCtrl* list, const std::vector<CareerLevelRow>& rows) {
    list->DeleteAllItems();
    for (const CareerLevelRow& row : rows) {
        const long item = list->InsertItem(list->GetItemCount(), ToWx(row.level));
        list->SetItem(item, 1, ToWx(row.position));
        list->SetItem(item, 2, ToWx(row.friends));
        list->SetItem(item, 3, ToWx(row.hours));
        list->SetItem(item, 4, ToWx(row.salary));
    }
}

// Widens a column to its widest cell, never below its current width.
void WidenColumn(wxListCtrl* list, int column) {
    int widest = list->GetColumnWidth(column);
    for (long r = 0; r < list->GetItemCount(); ++r)
        widest = std::max(widest, list->GetTextExtent(list->GetItemText(r, column)).x + FontScaledWidth(list, 14));
    list->SetColumnWidth(column, widest);
}
}  // namespace

CareerDlg::CareerDlg(wxWindow* parent, const CareerList* careers)
    : wxDialog(parent, wxID_ANY, _("Career Information"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      careers_(careers) {
    // The careers come in the order they are shown; the list does not sort them again.
    careerBox_ = new wxListBox(this, ID_CAREERS, wxDefaultPosition, FontScaled(this, wxSize(100, 200)), 0, nullptr,
                               wxLB_SINGLE | wxLB_HSCROLL);
    careerName_ = new wxStaticText(this, wxID_ANY, _("Career Name: "));
    levels_ = LevelList(this, ID_LEVELS, wxSize(300, 175));
    partTime_ = LevelList(this, ID_PART_TIME, wxSize(300, 80));

    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(new wxStaticText(this, wxID_ANY, _("Choose a Career:")), 0, wxBOTTOM, 5);
    left->Add(careerBox_, 1, wxEXPAND);
    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(careerName_, 0, wxBOTTOM, 5);
    right->Add(levels_, 3, wxEXPAND | wxBOTTOM, 5);
    right->Add(partTime_, 1, wxEXPAND);
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(left, 0, wxEXPAND | wxRIGHT, 10);
    columns->Add(right, 1, wxEXPAND);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, ID_MATCH, _("&Match Skills")), 0, wxRIGHT, 10);
    buttons->Add(new wxButton(this, ID_SKILLS, _("&Show Skills")), 0, wxRIGHT, 10);
    buttons->Add(new wxButton(this, wxID_OK, _("&Ok")));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(columns, 1, wxEXPAND | wxALL, 10);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizer(sizer);

    Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { ShowCareer(); }, ID_CAREERS);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { MatchSkills(); }, ID_MATCH);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowCareerSkills(); }, ID_SKILLS);
    FillCareers();
}

void CareerDlg::FillCareers() {
    careerBox_->Clear();
    shown_.clear();
    if (careers_ == nullptr) return;
    shown_ = SortedCareers(*careers_);
    wxArrayString names;
    int widest = 0;
    for (const CareerDefinition* career : shown_) {
        names.Add(ToWx(career->name));
        widest = std::max(widest, careerBox_->GetTextExtent(names.Last()).x);
    }
    if (names.empty()) return;
    careerBox_->Append(names);
    careerBox_->SetMinSize(wxSize(std::max(FontScaledWidth(this, 100), widest + FontScaledWidth(this, 30)),
                                  FontScaledHeight(this, 200)));
    careerBox_->SetSelection(0);
    ShowCareer();
}

void CareerDlg::ShowCareer() {
    const int selected = careerBox_->GetSelection();
    if (selected == wxNOT_FOUND || selected >= static_cast<int>(shown_.size())) return;
    const CareerDefinition* career = shown_[static_cast<size_t>(selected)];
    if (career == nullptr) return;
    careerName_->SetLabel(wxString::Format(_("Career Name: %s"), ToWx(career->name)));
    const CareerLevels rows = CareerLevelRows(*career);
    FillLevels(levels_, rows.main);
    FillLevels(partTime_, rows.partTime);
    // Both lists keep the same column widths, each wide enough for its widest cell,
    // and show every column without scrolling sideways.
    int width = 0;
    for (int c = 0; c < levels_->GetColumnCount(); ++c) {
        WidenColumn(levels_, c);
        WidenColumn(partTime_, c);
        const int both = std::max(levels_->GetColumnWidth(c), partTime_->GetColumnWidth(c));
        levels_->SetColumnWidth(c, both);
        partTime_->SetColumnWidth(c, both);
        width += both;
    }
    const int listWidth = std::max(FontScaledWidth(this, 300), width + FontScaledWidth(this, 24));
    levels_->SetMinSize(wxSize(listWidth, FontScaledHeight(this, 175)));
    partTime_->SetMinSize(wxSize(listWidth, FontScaledHeight(this, 80)));
    Layout();
    GetSizer()->SetSizeHints(this);
}

int CareerDlg::ShowModal() {
    if (careers_ == nullptr || careers_->IsEmpty()) {
        ShowNotice(_("No career information available!"));
        return wxID_CANCEL;
    }
    FillCareers();
    return wxDialog::ShowModal();
}

void CareerDlg::ShowCareerSkills() {
    if (careers_ == nullptr) return;
    CareerSkillsDlg dlg(this, *careers_);
    dlg.ShowModal();
}

void CareerDlg::MatchSkills() {
    FindCareerDlg dlg(this, careers_);
    dlg.ShowModal();
}
