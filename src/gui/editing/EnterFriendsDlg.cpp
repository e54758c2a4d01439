#include "editing/EnterFriendsDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/choicdlg.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/NestrelFrame.h"
#include "app/RowListCtrl.h"
#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"
#include "reports/SimSearchDlg.h"

namespace {
enum { ID_FAMILIES = 0, ID_MEMBERS = 1, ID_SELECTED = 2, ID_SEARCH = 3 };

// Entries carry ids, never pointers: an id is resolved when the entry is used.
void* IdData(int32_t id) { return reinterpret_cast<void*>(static_cast<intptr_t>(id)); }
int32_t DataId(void* data) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(data)); }

// The main window this picker was opened from, through its chain of dialogs.
NestrelFrame* OwningFrame(wxWindow* window) {
    for (; window; window = window->GetParent())
        if (auto* frame = dynamic_cast<NestrelFrame*>(window)) return frame;
    return nullptr;
}
}  // namespace

EnterFriendsDlg::EnterFriendsDlg(wxWindow* parent, SimRegistry& registry, const std::vector<int32_t>& start, Sim* sim)
    : wxDialog(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      registry_(registry), sim_(sim), selection_(registry, start) {
    const long style = wxLB_SINGLE | wxLB_SORT | wxLB_HSCROLL;
    families_ = new RowListCtrl(this, ID_FAMILIES, FontScaled(this, wxSize(120, 250)));
    members_ = new wxListBox(this, ID_MEMBERS, wxDefaultPosition, FontScaled(this, wxSize(130, 250)), 0, nullptr, style);
    selected_ = new wxListBox(this, ID_SELECTED, wxDefaultPosition, FontScaled(this, wxSize(130, 250)), 0, nullptr, style);

    auto column = [this](const wxString& heading, wxWindow* list) {
        auto* box = new wxBoxSizer(wxVERTICAL);
        box->Add(new wxStaticText(this, wxID_ANY, heading));
        box->Add(list, 1, wxEXPAND);
        return box;
    };
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(column(" ", families_), 1, wxEXPAND | wxRIGHT, 6);
    columns->Add(column(wxEmptyString, members_), 1, wxEXPAND | wxRIGHT, 6);
    columns->Add(column(_("Selected Friends: "), selected_), 1, wxEXPAND);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, wxID_OK, _("&Ok")), 0, wxRIGHT, 10);
    buttons->Add(new wxButton(this, wxID_CANCEL, _("&Cancel")), 0, wxRIGHT, 10);
    buttons->Add(new wxButton(this, ID_SEARCH, _("&Search")));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY,
                                _("Double-click an item from the middle column to add to the Friends List.\n") +
                                    _("Double-click an item in the Friends List to remove.")),
               0, wxALL, 8);
    sizer->Add(columns, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxALL, 8);
    SetSizerAndFit(sizer);

    Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { ChooseFamily(families_->GetSelection()); }, ID_FAMILIES);
    Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent& e) { AddMemberAt(e.GetSelection()); }, ID_MEMBERS);
    Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { RemoveSelectedAt(selected_->GetSelection()); }, ID_SELECTED);
    Bind(wxEVT_BUTTON, &EnterFriendsDlg::OnSearch, this, ID_SEARCH);
    Populate();
}

void EnterFriendsDlg::Populate() {
    SetTitle(TitleText());
    const Family* own = sim_ ? sim_->family : nullptr;
    std::vector<wxString> names;
    std::vector<int32_t> ids;
    for (const Family* family : registry_.families) {
        if (family == own && !KeepOwnFamily()) continue;
        names.push_back(ToWx(family->name));
        ids.push_back(family->id);
    }
    families_->SetSortedRows(std::move(names), std::move(ids));
    families_->SetSelection(wxNOT_FOUND);
    if (families_->GetCount() > 0) {
        families_->SetSelection(0);
        ChooseFamily(0);
    }
    FillSelected();
}

wxString EnterFriendsDlg::TitleText() const {
    if (!sim_ || sim_->firstName.empty()) return _("Friends for New Sim");
    return wxString::Format(_("Friends for %s"), ToWx(sim_->ShownFullName()));
}

void EnterFriendsDlg::ChooseFamily(int index) {
    members_->Clear();
    if (index < 0 || index >= static_cast<int>(families_->GetCount())) return;
    const Family* family = registry_.families.FindById(families_->IdAt(static_cast<unsigned>(index)));
    if (!family) return;
    for (const Sim* member : family->members) {
        if (sim_ && member->id == sim_->id) continue;
        members_->Append(ToWx(member->ShownFullName()), IdData(member->id));
    }
    if (members_->GetCount() > 0) members_->SetSelection(0);
}

void EnterFriendsDlg::AddMemberAt(int index) {
    const Sim* member = (index >= 0 && index < static_cast<int>(members_->GetCount()))
                            ? registry_.FindSim(DataId(members_->GetClientData(index)))
                            : nullptr;
    if (!member) {
        ShowNotice(_("The Item is invalid. Please select another."));
        return;
    }
    AddSim(*member);
}

void EnterFriendsDlg::AddSim(const Sim& member) {
    // A second Sim of the same full name is not taken: the file names friends by full name.
    if (selection_.Add(member.id)) FillSelected();
}

void EnterFriendsDlg::RemoveSelectedAt(int index) {
    if (index < 0 || index >= static_cast<int>(selected_->GetCount())) return;
    RemoveEntry(DataId(selected_->GetClientData(index)));
    FillSelected();
}

void EnterFriendsDlg::RemoveEntry(int32_t simId) { selection_.Remove(simId); }

void EnterFriendsDlg::FillSelected() {
    selected_->Clear();
    for (int32_t id : selection_.Ids())
        if (const Sim* sim = registry_.FindSim(id)) selected_->Append(ToWx(sim->ShownFullName()), IdData(id));
    FitSelectedList();
}

bool EnterFriendsDlg::ShowSim(int32_t simId) {
    const Sim* wanted = registry_.FindSim(simId);
    if (!wanted || !wanted->family) return false;
    for (unsigned f = 0; f < families_->GetCount(); ++f) {
        if (families_->IdAt(f) != wanted->family->id) continue;
        families_->SetSelection(static_cast<int>(f));
        ChooseFamily(static_cast<int>(f));
        for (unsigned m = 0; m < members_->GetCount(); ++m)
            if (DataId(members_->GetClientData(m)) == simId) {
                members_->SetSelection(static_cast<int>(m));
                return true;
            }
        return false;
    }
    return false;
}

void EnterFriendsDlg::OnSearch(wxCommandEvent&) {
    // The neighborhood's search, without its card and family buttons: it only looks.
    // A Sim picked there is shown in the columns, ready to be added, and nothing
    // else changes.
    NestrelFrame* frame = OwningFrame(this);
    if (!frame) return;
    SimSearchDlg search(this, *frame, false);
    if (search.ShowModal() == wxID_OK && search.SelectedSimId() >= 0) ShowSim(search.SelectedSimId());
}

// ---- Chemistry picker ----

EnterChemistryDlg::EnterChemistryDlg(wxWindow* parent, SimRegistry& registry, const std::vector<ChemistryEntry>& start,
                                     Sim* sim)
    : EnterFriendsDlg(parent, registry, {}, sim), chemistry_(registry, start) {
    // The columns again, now that this picker's own rules apply.
    Populate();
}

wxString EnterChemistryDlg::TitleText() const {
    if (!sim_ || sim_->firstName.empty()) return _("Chemistry friends for new sim");
    return wxString::Format(_("Chemistry friends for %s"), ToWx(sim_->ShownFullName()));
}

void EnterChemistryDlg::AddSim(const Sim& member) {
    if (chemistry_.Contains(member.id)) {
        ShowNotice(_("This Sim already exists in the list."));
        return;
    }
    wxArrayString types;
    for (int i = 0; i < kChemistryTypeCount; ++i) types.Add(ToWx(ChemistryTypeText(i)));
    wxSingleChoiceDialog ask(this, _("Please choose the type of chemistry."), _("Chemistry Type"), types);
    if (ask.ShowModal() != wxID_OK) return;
    chemistry_.Add(member.id, ask.GetSelection());
    FillSelected();
}

void EnterChemistryDlg::RemoveEntry(int32_t simId) { chemistry_.Remove(simId); }

void EnterChemistryDlg::FillSelected() {
    selected_->Clear();
    const auto texts = chemistry_.Texts();
    for (size_t i = 0; i < texts.size(); ++i) selected_->Append(ToWx(texts[i]), IdData(chemistry_.Entries()[i].simId));
    // "Name, Crush or Love" is longer than the column was designed for.
    FitSelectedList();
}

void EnterFriendsDlg::FitSelectedList() {
    std::vector<wxString> texts;
    for (unsigned i = 0; i < selected_->GetCount(); ++i) texts.push_back(selected_->GetString(i));
    const int wanted = ListWidthForTexts(selected_, 130, texts);
    if (wanted <= selected_->GetMinSize().x) return;
    selected_->SetMinSize(wxSize(wanted, selected_->GetMinSize().y));
    if (GetSizer() == nullptr) return;
    wxSize size = GetSize();
    size.IncTo(GetSizer()->ComputeFittingWindowSize(this));
    SetSize(size);
    Layout();
}
