#include "editing/EditSimListBook.h"

#include <wx/imaglist.h>

#include "common/ArtProvider.h"
#include "common/FontScale.h"
#include "editing/EditBasicInfoPage.h"
#include "editing/EditCareerInfoPage.h"
#include "editing/EditFriendsPage.h"
#include "editing/EditMatchPage.h"

EditSimListBook::EditSimListBook(wxWindow* parent, SimRegistry& registry, const CareerList* careers, Sim* sim,
                                 std::vector<const Sim*> pending)
    : wxListbook(parent, wxID_ANY, wxDefaultPosition, FontScaled(parent, wxSize(450, 400)), wxLB_LEFT) {
    auto* images = new wxImageList(32, 32);
    for (const char* name : {"BASICEDIT", "CAREER", "FRIENDFACE", "HEARTRED"})
        images->Add(IconResource(name, wxSize(32, 32)));
    AssignImageList(images);

    basic_ = new EditBasicInfoPage(this, registry, std::move(pending));
    career_ = new EditCareerInfoPage(this, careers);
    AddPage(basic_, _("Basic Info"), true, 0);
    friends_ = new EditFriendsPage(this, registry);
    love_ = new EditMatchPage(this, registry);
    AddPage(career_, _("Career"), false, 1);
    AddPage(friends_, _("Friends"), false, 2);
    AddPage(love_, _("Love"), false, 3);
    for (EditSimPage* page : Pages()) page->LoadFromSim(sim);
    basic_->OnLifeStageChanged([this](int stage) {
        career_->SetLifeStage(stage);
        love_->SetLifeStage(stage);
    });
    SetSelection(0);
    Bind(wxEVT_LISTBOOK_PAGE_CHANGING, &EditSimListBook::OnPageChanging, this);
}

std::vector<EditSimPage*> EditSimListBook::Pages() const {
    return {basic_, career_, friends_, love_};
}

void EditSimListBook::OnPageChanging(wxBookCtrlEvent& event) {
    const int left = event.GetOldSelection();
    if (left == 0) career_->SetLifeStage(basic_->LifeStage());
    if (left == 1) basic_->SelectLifeStage(career_->LifeStage());
    // "Make Match" offers the statuses of the life stage the pages show.
    love_->SetLifeStage(left == 0 ? basic_->LifeStage() : career_->LifeStage());
    event.Skip();
}
