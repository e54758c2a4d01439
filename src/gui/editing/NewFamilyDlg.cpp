#include "editing/NewFamilyDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "careers/Promotion.h"
#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "editing/EditSimDialog.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "reports/SimListDlg.h"

namespace {
enum { ID_NAME = 0, ID_USE_NAME = 3, ID_NEW = 4, ID_REMOVE = 5, ID_PROMOTE = 6, ID_FRIENDS = 7, ID_MEMBERS = 8,
       ID_EDIT = 9 };
}

NewFamilyDlg::NewFamilyDlg(wxWindow* parent, SimRegistry& registry, const CareerList* careers, Family& family,
                           int32_t preselectSimId)
    : wxDialog(parent, wxID_ANY, _("Add a Family"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      session_(registry, family), registry_(session_.Work()), careers_(careers), family_(session_.WorkFamily()),
      pending_(session_.Pending()) {
    name_ = new wxTextCtrl(this, ID_NAME, ToWx(family_.name), wxDefaultPosition, FontScaled(this, wxSize(150, 25)));
    auto* useName = new wxCheckBox(this, ID_USE_NAME, _("Use Family Name for Last Name"));
    useName->SetValue(true);
    useName->Disable();
    members_ = new wxListView(this, ID_MEMBERS, wxDefaultPosition, FontScaled(this, wxSize(280, 160)),
                              wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
    const int w = FontScaledWidth(this, 280) / 3;
    members_->AppendColumn(_("Name"), wxLIST_FORMAT_LEFT, w + 20);
    members_->AppendColumn(_("Age"), wxLIST_FORMAT_LEFT, w - 30);
    members_->AppendColumn(_("Match"), wxLIST_FORMAT_LEFT, w + 40);
    friendsLabel_ = new wxStaticText(this, wxID_ANY, wxString::Format(_("Family Friends: %d"), 0));

    auto* nameRow = new wxBoxSizer(wxHORIZONTAL);
    nameRow->Add(new wxStaticText(this, wxID_ANY, _("Family (Household) Name: ")), 0, wxALIGN_CENTER_VERTICAL);
    nameRow->Add(name_, 1);
    auto* side = new wxBoxSizer(wxVERTICAL);
    side->Add(new wxButton(this, ID_NEW, _("New")), 0, wxEXPAND | wxBOTTOM, 4);
    side->Add(new wxButton(this, ID_EDIT, _("Edit")), 0, wxEXPAND | wxBOTTOM, 4);
    side->Add(new wxButton(this, ID_REMOVE, _("Remove")), 0, wxEXPAND | wxBOTTOM, 4);
    side->Add(new wxButton(this, ID_PROMOTE, _("Promote")), 0, wxEXPAND);
    auto* listRow = new wxBoxSizer(wxHORIZONTAL);
    listRow->Add(members_, 1, wxEXPAND | wxRIGHT, 8);
    listRow->Add(side);
    auto* friendsRow = new wxBoxSizer(wxHORIZONTAL);
    friendsRow->Add(friendsLabel_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 12);
    friendsRow->Add(new wxButton(this, ID_FRIENDS, _("Family Friends...")));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, wxID_OK, _("&Ok")), 0, wxRIGHT, 20);
    buttons->Add(new wxButton(this, wxID_CANCEL, _("&Cancel")));

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(nameRow, 0, wxEXPAND | wxALL, 8);
    sizer->Add(useName, 0, wxLEFT | wxRIGHT, 8);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Member List: ")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
    sizer->Add(listRow, 1, wxEXPAND | wxALL, 8);
    sizer->Add(friendsRow, 0, wxLEFT | wxRIGHT, 8);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxALL, 10);
    SetSizerAndFit(sizer);
    wxSize size = GetSize();
    size.IncTo(FontScaled(this, wxSize(530, 420)));
    SetSize(size);

    FillMembers();
    long select = members_->GetItemCount() > 0 ? members_->GetTopItem() : -1;
    for (size_t i = 0; i < rowIds_.size(); ++i)
        if (preselectSimId >= 0 && rowIds_[i] == preselectSimId) select = static_cast<long>(i);
    if (select >= 0) {
        members_->Select(select);
        members_->Focus(select);
    }
    RefreshFriendsLabel();

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { NewMember(); }, ID_NEW);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        long row = -1;
        if (SelectedMember(&row)) EditMember(row);
    }, ID_EDIT);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RemoveMember(); }, ID_REMOVE);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { PromoteMember(); }, ID_PROMOTE);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowFamilyFriends(); }, ID_FRIENDS);
    Bind(wxEVT_LIST_ITEM_ACTIVATED, &NewFamilyDlg::OnActivated, this, ID_MEMBERS);
    Bind(wxEVT_BUTTON, &NewFamilyDlg::OnOk, this, wxID_OK);
    Bind(wxEVT_BUTTON, &NewFamilyDlg::OnCancel, this, wxID_CANCEL);
}

NewFamilyDlg::~NewFamilyDlg() = default;

void NewFamilyDlg::FillMembers() {
    members_->DeleteAllItems();
    rowIds_.clear();
    for (const MemberRow& row : FamilyMemberRows(registry_, family_, pending_.View())) {
        const long at = members_->InsertItem(members_->GetItemCount(), ToWx(row.name));
        members_->SetItem(at, 1, ToWx(row.age));
        members_->SetItem(at, 2, ToWx(row.match));
        rowIds_.push_back(row.simId);
    }
}

void NewFamilyDlg::RefreshFriendsLabel() {
    family_.RecountFriends(registry_);
    friendsLabel_->SetLabel(wxString::Format(_("Family Friends: %d"), family_.friendCount));
    Layout();
}

Sim* NewFamilyDlg::RowSim(long row) const {
    if (row < 0 || row >= static_cast<long>(rowIds_.size())) return nullptr;
    const int32_t id = rowIds_[static_cast<size_t>(row)];
    for (size_t i = 0; i < pending_.Count(); ++i)
        if (pending_.At(i)->id == id) return pending_.At(i);
    Sim* sim = registry_.FindSim(id);
    return (sim && sim->family == &family_) ? sim : nullptr;
}

Sim* NewFamilyDlg::SelectedMember(long* rowOut) {
    const long row = members_->GetFirstSelected();
    if (row < 0) {
        ShowNotice(_("Please select a family member."));
        return nullptr;
    }
    Sim* sim = RowSim(row);
    if (!sim) ShowNotice(_("Invalid Item!"));
    if (rowOut) *rowOut = row;
    return sim;
}

void NewFamilyDlg::NewMember() {
    std::unique_ptr<Sim> sim = pending_.MakeBlank(family_);
    EditSimDialog dlg(this, registry_, careers_, sim.get(), pending_.View());
    if (dlg.ShowModal() != wxID_OK) {
        // The id stays used; links made inside the dialog go with the Sim.
        pending_.Discard(std::move(sim));
        return;
    }
    pending_.Add(std::move(sim));
    FillMembers();
    members_->Select(members_->GetItemCount() - 1);
    RefreshFriendsLabel();
}

void NewFamilyDlg::EditMember(long row) {
    Sim* sim = RowSim(row);
    if (!sim) {
        ShowNotice(_("Invalid Item!"));
        return;
    }
    EditSimDialog dlg(this, registry_, careers_, sim, pending_.View());
    dlg.ShowModal();
    FillMembers();
    if (row < members_->GetItemCount()) {
        members_->Select(row);
        members_->Focus(row);
    }
    RefreshFriendsLabel();
}

void NewFamilyDlg::RemoveMember() {
    long row = -1;
    Sim* sim = SelectedMember(&row);
    if (!sim) return;
    const wxString question = wxString::Format(
        _("Are you sure you want to delete %s? This operation cannot be undone."), ToWx(sim->ShownFullName()));
    if (!AskYesNoQuestion(question, wxGetTranslation(Caption::Delete), this)) return;
    if (members_->GetItemCount() <= 1) {
        ShowNotice(wxString::Format(_("%s is the only family member! If you would like to delete the whole family,"),
                                    ToWx(sim->ShownFullName())) +
                   _(" please close the New Family Dialog and delete the last family member from the main menu."));
        return;
    }
    if (pending_.Contains(sim)) {
        pending_.Discard(sim);
    } else {
        // The family stays even when this was its last registered member: the
        // dialog still edits it and new members may join it on OK.
        session_.RemoveMember(*sim);
    }
    FillMembers();
    RefreshFriendsLabel();
}

void NewFamilyDlg::PromoteMember() {
    Sim* sim = SelectedMember();
    if (!sim) return;
    MessageBoxPrompter prompter(this);
    PromoteSim(*sim, prompter);
}

void NewFamilyDlg::ShowFamilyFriends() {
    // The family friends as the last recount left them.
    SimListDlg list(this, _("Family Friends"), wxString::Format(_("%s family friends:"), ToWx(family_.name)),
                    FamilyFriendNames(registry_, family_), wxLB_SINGLE | wxLB_SORT | wxLB_HSCROLL);
    list.ShowModal();
}

void NewFamilyDlg::OnActivated(wxListEvent& event) { EditMember(event.GetIndex()); }

void NewFamilyDlg::OnOk(wxCommandEvent&) {
    if (Accept()) EndModal(wxID_OK);
}

bool NewFamilyDlg::Accept() {
    std::string name = ToStd(name_->GetValue());
    const std::string problem = CheckFamilyOk(registry_, family_, name, members_->GetItemCount());
    if (!problem.empty()) {
        ShowNotice(ToWx(problem));
        return false;
    }
    edit_ = session_.Finish(name);
    name_->ChangeValue(ToWx(name));
    return true;
}

void NewFamilyDlg::OnCancel(wxCommandEvent&) {
    pending_.DiscardAll();
    EndModal(wxID_CANCEL);
}
