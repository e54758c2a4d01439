#include "reports/ShowSimGroupsDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/IdListCtrl.h"
#include "app/NestrelFrame.h"
#include "common/FontScale.h"
#include "common/WxString.h"

namespace {
enum { ID_GROUP = 3, ID_LIST = 7 };
}  // namespace

ShowSimGroupsDlg::ShowSimGroupsDlg(wxWindow* parent, NestrelFrame& frame)
    : wxDialog(parent, wxID_ANY, _("Sim Groups"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      frame_(frame) {
    wxArrayString groups;
    for (int g = 0; g < kSimGroupCount; ++g) groups.Add(ToWx(SimGroupText(static_cast<SimGroup>(g))));
    choice_ = new wxChoice(this, ID_GROUP, wxDefaultPosition, wxDefaultSize, groups);
    choice_->SetMinSize(wxSize(std::max(FontScaledWidth(this, 100), choice_->GetBestSize().x), -1));
    list_ = new IdListCtrl(this, ID_LIST, FontScaled(this, wxSize(200, 180)));
    // The design's list is 200 wide: three fifths for the name, a fifth and a bit for
    // the age.
    list_->InsertColumn(0, _("Name"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 200 / 5 * 3));
    list_->InsertColumn(1, _("Age"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 200 / 5 + 10));

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->AddSpacer(10);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Select Type:")), 0, wxLEFT | wxRIGHT, 10);
    sizer->AddSpacer(5);
    sizer->Add(choice_, 0, wxLEFT | wxRIGHT, 10);
    sizer->AddSpacer(10);
    sizer->Add(list_, 1, wxEXPAND | wxLEFT | wxRIGHT, 10);
    sizer->AddSpacer(10);
    sizer->Add(new wxButton(this, wxID_OK, _("&Close")), 0, wxALIGN_CENTER);
    sizer->AddSpacer(10);
    SetSizerAndFit(sizer);

    Bind(wxEVT_CHOICE, [this](wxCommandEvent& e) {
        if (e.GetSelection() >= 0) FillList(static_cast<SimGroup>(e.GetSelection()));
    }, ID_GROUP);
    Bind(wxEVT_LIST_COL_CLICK, &ShowSimGroupsDlg::OnColumnClick, this, ID_LIST);
    Bind(wxEVT_LIST_ITEM_ACTIVATED, &ShowSimGroupsDlg::OnActivated, this, ID_LIST);

    choice_->SetSelection(0);
    FillList(SimGroup::Townie);
}

void ShowSimGroupsDlg::FillList(SimGroup group) {
    group_ = group;
    rows_ = GroupRows(frame_.Registry().families, group, order_);
    ShowRows();
}

void ShowSimGroupsDlg::SortBy(int column) {
    order_ = column == 1 ? GroupOrder::ByLifeStage : GroupOrder::ByName;
    // Sorted afresh from the neighborhood, so that rows that compare equal always
    // come in the same order, whatever order was shown before.
    FillList(group_);
}

void ShowSimGroupsDlg::ShowRows() {
    // Thirty thousand Townies are drawn on demand: only their texts are made here.
    std::vector<IdListRow> shown;
    shown.reserve(rows_.size());
    for (const GroupRow& row : rows_) shown.push_back({row.simId, {ToWx(row.name), ToWx(row.age)}});
    list_->SetRows(std::move(shown));
    // The name column widens for the longest name (measured once, not row by row).
    list_->WidenColumnToTexts(0, FontScaledWidth(this, 16));
}

void ShowSimGroupsDlg::ShowRow(long row) {
    const int32_t simId = list_->IdAt(row);
    if (frame_.Registry().FindSim(simId) == nullptr) return;
    frame_.ShowSimInfo(this, simId);
    FillList(group_);
}

void ShowSimGroupsDlg::OnColumnClick(wxListEvent& event) { SortBy(event.GetColumn()); }

void ShowSimGroupsDlg::OnActivated(wxListEvent& event) {
    const long row = event.GetIndex();
    if (list_->Row(row) == nullptr) {
        event.Skip();
        return;
    }
    ShowRow(row);
}
