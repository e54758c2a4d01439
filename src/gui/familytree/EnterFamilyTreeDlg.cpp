#include "familytree/EnterFamilyTreeDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/textdlg.h>
#include <wx/treectrl.h>

#include "base/FileIO.h"
#include "common/FileNameAsker.h"
#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

namespace {

enum {
    ID_SET = 4,
    ID_WRITE = 5,
    ID_REFRESH = 6,
    ID_FILTER_FAMILY = 8,
    ID_FILTER_SIMILAR = 9,
    ID_REMOVE_COMPLETED = 10,
    ID_MOM_OTHER = 13,
    ID_DAD_OTHER = 14,
    ID_TREE = 15,
    ID_MOM_LIST = 16,
    ID_DAD_LIST = 17,
};

/// The payload of a tree item: a family or a Sim, by id.
class MyTreeItemData : public wxTreeItemData {
public:
    MyTreeItemData(bool family, int32_t id) : isFamily(family), objectId(id) {}
    bool isFamily;
    int32_t objectId;
};

const wxString None() { return _("None"); }

}  // namespace

EnterFamilyTreeDlg::EnterFamilyTreeDlg(wxWindow* parent, SimRegistry& registry)
    : wxDialog(parent, wxID_ANY, _("Set Up Family Tree"), wxDefaultPosition, wxSize(410, 400),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      registry_(registry) {
    tree_ = new wxTreeCtrl(this, ID_TREE, wxDefaultPosition, FontScaled(this, wxSize(130, 260)),
                           wxTR_HAS_BUTTONS | wxTR_NO_LINES | wxTR_MULTIPLE | wxTR_HIDE_ROOT);
    removeCompleted_ = new wxCheckBox(this, ID_REMOVE_COMPLETED, _("Remove completed"));
    momList_ = new RowListCtrl(this, ID_MOM_LIST, FontScaled(this, wxSize(100, 240)));
    dadList_ = new RowListCtrl(this, ID_DAD_LIST, FontScaled(this, wxSize(100, 240)));
    momLabel_ = new wxStaticText(this, wxID_ANY, None(), wxDefaultPosition, wxSize(FontScaledWidth(this, 90), -1),
                                 wxST_ELLIPSIZE_END);
    dadLabel_ = new wxStaticText(this, wxID_ANY, None(), wxDefaultPosition, wxSize(FontScaledWidth(this, 90), -1),
                                 wxST_ELLIPSIZE_END);
    auto* momOther = new wxButton(this, ID_MOM_OTHER, _("Other"));
    auto* dadOther = new wxButton(this, ID_DAD_OTHER, _("Other"));
    setButton_ = new wxButton(this, ID_SET, _("Set"));
    // Wide enough for "Set Range" from the start, so that relabelling needs no new layout.
    setButton_->SetMinSize(wxSize(setButton_->GetTextExtent(_("Set Range")).x + FontScaledWidth(this, 24), -1));
    filterFamily_ = new wxCheckBox(this, ID_FILTER_FAMILY, _("Filter immediate family"));
    filterSimilar_ = new wxCheckBox(this, ID_FILTER_SIMILAR, _("Filter similar names"));
    matchText_ = new wxTextCtrl(this, wxID_ANY, wxEmptyString);

    auto* treeColumn = new wxBoxSizer(wxVERTICAL);
    treeColumn->Add(new wxStaticText(this, wxID_ANY, _("Neighborhood:")));
    treeColumn->Add(tree_, 1, wxEXPAND | wxTOP | wxBOTTOM, 4);
    treeColumn->Add(removeCompleted_);
    auto parentColumn = [this](const wxString& title, RowListCtrl* list, wxStaticText* label, wxButton* other) {
        auto* column = new wxBoxSizer(wxVERTICAL);
        column->Add(new wxStaticText(this, wxID_ANY, title));
        column->Add(list, 1, wxEXPAND | wxTOP | wxBOTTOM, 4);
        column->Add(label, 0, wxEXPAND | wxBOTTOM, 4);
        column->Add(other, 0);
        return column;
    };
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    buttons->Add(setButton_, 0, wxEXPAND);
    buttons->AddSpacer(30);
    buttons->Add(new wxButton(this, wxID_OK, _("&Close")), 0, wxEXPAND);
    buttons->AddSpacer(30);
    buttons->Add(new wxButton(this, ID_WRITE, _("&Write to File")), 0, wxEXPAND);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(treeColumn, 1, wxEXPAND | wxRIGHT, 8);
    row->Add(parentColumn(_("Mom:"), momList_, momLabel_, momOther), 1, wxEXPAND | wxRIGHT, 8);
    row->Add(parentColumn(_("Dad:"), dadList_, dadLabel_, dadOther), 1, wxEXPAND | wxRIGHT, 8);
    row->Add(buttons, 0);
    auto* filters = new wxBoxSizer(wxVERTICAL);
    filters->Add(filterFamily_);
    filters->Add(filterSimilar_);
    filters->AddSpacer(10);
    filters->Add(new wxStaticText(this, wxID_ANY, _("Match Last Name:")));
    filters->Add(matchText_, 0, wxEXPAND);
    filters->AddSpacer(10);
    filters->Add(new wxButton(this, ID_REFRESH, _("Refresh")));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(row, 1, wxEXPAND | wxALL, 8);
    sizer->Add(filters, 0, wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizerAndFit(sizer);

    Bind(wxEVT_TREE_SEL_CHANGING, &EnterFamilyTreeDlg::OnSelectionChanging, this, ID_TREE);
    Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& e) {
        if (e.GetItem().IsOk()) SelectionChanged();
    }, ID_TREE);
    Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { ChooseParent(true); }, ID_MOM_LIST);
    Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { ChooseParent(false); }, ID_DAD_LIST);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OtherParent(true); }, ID_MOM_OTHER);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OtherParent(false); }, ID_DAD_OTHER);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Apply(); }, ID_SET);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { WriteToFile(); }, ID_WRITE);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { FillCandidates(); }, ID_REFRESH);
    Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
        if (filterFamily_->IsChecked()) filterSimilar_->SetValue(false);
        FillCandidates();
    }, ID_FILTER_FAMILY);
    Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
        if (filterSimilar_->IsChecked()) filterFamily_->SetValue(false);
        FillCandidates();
    }, ID_FILTER_SIMILAR);
    Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { FillTree(); }, ID_REMOVE_COMPLETED);

    FillTree();
    FillCandidates();
    UpdateSelectionState();
    ShowCurrentParents();
}

void EnterFamilyTreeDlg::FillTree() {
    tree_->DeleteAllItems();
    const wxTreeItemId root = tree_->AddRoot(_("Neighborhood"));
    for (const SetupFamilyRow& family : SetupTreeRows(registry_, removeCompleted_->IsChecked())) {
        const wxTreeItemId item =
            tree_->AppendItem(root, ToWx(family.name), -1, -1, new MyTreeItemData(true, family.familyId));
        for (const SetupFamilyRow::Member& member : family.members) {
            const Sim* sim = registry_.FindSim(member.simId);
            tree_->AppendItem(item, ToWx(sim ? sim->ShownFullName() : member.fullName), -1, -1,
                              new MyTreeItemData(false, member.simId));
        }
    }
}

CandidateFilter EnterFamilyTreeDlg::Filter() const {
    CandidateFilter filter;
    filter.immediateFamily = filterFamily_->IsChecked();
    filter.similarNames = filterSimilar_->IsChecked();
    filter.matchText = ToStd(matchText_->GetValue());
    return filter;
}

void EnterFamilyTreeDlg::FillCandidates() {
    const ParentCandidates candidates =
        SetupCandidates(registry_, registry_.families.FindById(currentFamilyId_), Filter());
    for (auto [list, from] : {std::pair{momList_, &candidates.mothers}, std::pair{dadList_, &candidates.fathers}}) {
        std::vector<wxString> labels;
        std::vector<int32_t> ids;
        labels.reserve(from->size());
        ids.reserve(from->size());
        for (const ParentCandidate& c : *from) {
            labels.push_back(ToWx(c.sortName));
            ids.push_back(c.simId);
        }
        // The parent chosen stays selected when the filters still list her or him.
        list->SetRows(std::move(labels), std::move(ids));
    }
}

void EnterFamilyTreeDlg::OnSelectionChanging(wxTreeEvent& event) {
    const wxTreeItemId item = event.GetItem();
    if (deselecting_ || !item.IsOk() || !tree_->ItemHasChildren(item)) return;
    // Families cannot be selected, only their Sims. Taking a family's selection away
    // sends this event again, which must then pass.
    event.Veto();
    if (tree_->IsSelected(item)) {
        deselecting_ = true;
        tree_->SelectItem(item, false);
        deselecting_ = false;
    }
}

void EnterFamilyTreeDlg::SelectionChanged() {
    UpdateSelectionState();
    ShowCurrentParents();
    if (filterFamily_->IsChecked() || filterSimilar_->IsChecked()) FillCandidates();
}

void EnterFamilyTreeDlg::UpdateSelectionState() {
    wxArrayTreeItemIds items;
    const size_t count = tree_->GetSelections(items);
    if (count == 0) return;
    if (count == 1) {
        rangeMode_ = false;
        setButton_->SetLabel(_("Set"));
        const auto* data = dynamic_cast<MyTreeItemData*>(tree_->GetItemData(items[0]));
        const Sim* sim = (data != nullptr && !data->isFamily) ? registry_.FindSim(data->objectId) : nullptr;
        currentSimId_ = sim ? sim->id : -1;
        currentFamilyId_ = (sim && sim->family) ? sim->family->id : -1;
        return;
    }
    rangeMode_ = true;
    setButton_->SetLabel(_("Set Range"));
    currentSimId_ = -1;
    currentFamilyId_ = -1;
}

void EnterFamilyTreeDlg::SetParentLabel(bool mother, const std::string& text) {
    (mother ? momLabel_ : dadLabel_)->SetLabel(text.empty() ? None() : ToWx(text));
}

void EnterFamilyTreeDlg::ShowCurrentParents() {
    SetParentLabel(true, {});
    SetParentLabel(false, {});
    momId_ = dadId_ = -1;
    const Sim* sim = registry_.FindSim(currentSimId_);
    if (sim == nullptr) return;
    const ParentChoice mom = CurrentParent(registry_, sim->mom);
    const ParentChoice dad = CurrentParent(registry_, sim->dad);
    SetParentLabel(true, mom.name);
    SetParentLabel(false, dad.name);
    momId_ = mom.simId;
    dadId_ = dad.simId;
}

void EnterFamilyTreeDlg::ChooseParent(bool mother) {
    RowListCtrl* list = mother ? momList_ : dadList_;
    int32_t& chosen = mother ? momId_ : dadId_;
    chosen = -1;
    const Sim* sim = registry_.FindSim(list->SelectedId());
    if (sim == nullptr) return;
    SetParentLabel(mother, sim->ShownFullName());
    chosen = sim->id;
}

void EnterFamilyTreeDlg::OtherParent(bool mother) {
    if (registry_.FindSim(currentSimId_) == nullptr) return;  // no Sim, or a range
    wxStaticText* label = mother ? momLabel_ : dadLabel_;
    wxTextEntryDialog ask(this, _("Please enter the parent's name:"), _("Enter Name"), label->GetLabel(),
                          wxOK | wxCANCEL | wxCENTRE);
    ask.Centre(wxBOTH);
    const wxString answer = ask.ShowModal() == wxID_OK ? ask.GetValue() : wxString();
    SetParentLabel(mother, ToStd(answer));
    (mother ? momId_ : dadId_) = -1;
}

std::vector<int32_t> EnterFamilyTreeDlg::SelectedSimIds() const {
    std::vector<int32_t> ids;
    wxArrayTreeItemIds items;
    tree_->GetSelections(items);
    for (const wxTreeItemId item : items) {
        if (tree_->ItemHasChildren(item)) continue;
        const auto* data = dynamic_cast<MyTreeItemData*>(tree_->GetItemData(item));
        if (data != nullptr && !data->isFamily) ids.push_back(data->objectId);
    }
    return ids;
}

void EnterFamilyTreeDlg::Apply() {
    UpdateSelectionState();
    auto choice = [](wxStaticText* label, int32_t id) {
        ParentChoice c;
        c.set = label->GetLabel() != None();
        c.name = ToStd(label->GetLabel());
        c.simId = id;
        return c;
    };
    std::vector<std::string> refused, loops;
    ApplyParents(registry_, SelectedSimIds(), choice(momLabel_, momId_), choice(dadLabel_, dadId_), &refused, &loops);
    changed_ = true;
    if (!loops.empty()) {
        wxString text;
        for (const std::string& loop : loops) text += (text.empty() ? "" : "\n") + ToWx(loop);
        ShowNotice(text, wxGetTranslation(Caption::Message), this);
    }
    if (!refused.empty()) {
        wxString names;
        for (const std::string& name : refused) names += (names.empty() ? "" : ", ") + ToWx(name);
        ShowNotice(wxString::Format(_("A Sim cannot be its own mother or father; that parent of %s was not set."),
                                    names),
                   wxGetTranslation(Caption::Message), this);
    }
}

void EnterFamilyTreeDlg::WriteToFile() {
    FileNameRequest request;
    request.parent = this;
    request.message = _("Save the family data as");
    request.extension = "txt";
    request.wildcard = "*.txt";
    request.forSaving = true;
    const std::string chosen = ToStd(AskFileName(request));
    if (chosen.empty()) return;
    const std::string path = ReportFileName(chosen);
    std::string error;
    if (!WriteFamilyData(registry_, path, &error))
        ShowMessageBox(wxString::Format(_("The family data could not be written to %s: %s"), ToWx(path), ToWx(error)),
                       wxGetTranslation(Caption::Error), wxOK | wxICON_ERROR, this);
}
