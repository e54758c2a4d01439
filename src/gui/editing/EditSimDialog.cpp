#include "editing/EditSimDialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "common/MessageBox.h"
#include "common/WxString.h"
#include "editing/EditBasicInfoPage.h"
#include "editing/EditCareerInfoPage.h"
#include "editing/EditSimListBook.h"
#include "editing/SimEdit.h"
#include "model/Sim.h"

namespace {
wxString TitleFor(const Sim* sim) {
    if (!sim || sim->firstName.empty()) return _("Add a Sim");
    return _("Editing ") + ToWx(sim->ShownFullName());
}
}  // namespace

EditSimDialog::EditSimDialog(wxWindow* parent, SimRegistry& registry, const CareerList* careers, Sim* sim,
                             std::vector<const Sim*> pending)
    : wxDialog(parent, wxID_ANY, TitleFor(sim)), registry_(registry), sim_(sim) {
    book_ = new EditSimListBook(this, registry, careers, sim, std::move(pending));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, wxID_OK, _("&Ok")));
    buttons->AddSpacer(50);
    buttons->Add(new wxButton(this, wxID_CANCEL, _("&Cancel")));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(book_, 1, wxEXPAND | wxALL, 6);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxALL, 8);
    SetSizerAndFit(sizer);
    book_->BasicPage()->FirstName()->SetFocus();
    Bind(wxEVT_BUTTON, &EditSimDialog::OnOk, this, wxID_OK);
}

void EditSimDialog::OnOk(wxCommandEvent&) {
    if (Accept()) EndModal(wxID_OK);
}

bool EditSimDialog::Accept() {
    if (!sim_) {
        ShowNotice(_("Error creating new sim!"));
        return false;
    }
    // Every page checks and asks first; nothing is written unless all agree.
    const auto pages = book_->Pages();
    for (size_t i = 0; i < pages.size(); ++i) {
        if (!pages[i]->ConfirmSave()) {
            book_->SetSelection(i);
            return false;
        }
    }
    // The career page stores the age; the page the user is on has the last word, and the
    // basic page's Age counts also when the career page was never visited.
    if (book_->GetSelection() == 1)
        book_->BasicPage()->SelectLifeStage(book_->CareerPage()->LifeStage());
    else
        book_->CareerPage()->SetLifeStage(book_->BasicPage()->LifeStage());
    SimEdit edit;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (!pages[i]->SaveToSim(edit)) {
            book_->SetSelection(i);
            return false;
        }
    }
    MessageBoxPrompter prompter(this);
    ConfirmLifeStage(registry_, *sim_, edit, prompter);
    ApplySimEdit(registry_, *sim_, edit);
    return true;
}
