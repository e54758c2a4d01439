#pragma once
#include <vector>

#include <wx/dialog.h>

#include "app/IdListCtrl.h"
#include "reports/SimGroups.h"


class wxChoice;
class wxListEvent;
class NestrelFrame;

/// "Sim Groups": the Townies, Vampires or Sims at college with their life stage,
/// sorted by name or youngest first after a click on the column; activating a row
/// shows that Sim's card. Rows keep Sim ids, and the selected Sim stays selected
/// through a re-sort or a refill.
class ShowSimGroupsDlg : public wxDialog {
public:
    ShowSimGroupsDlg(wxWindow* parent, NestrelFrame& frame);

    /// Fills the list with the members of the group, in the order last chosen.
    void FillList(SimGroup group);
    /// A click on column 0 (name) or 1 (life stage).
    void SortBy(int column);
    /// A row activated: the Sim's card; the list is refilled afterwards, since the
    /// card can lead to the family dialog.
    void ShowRow(long row);

    wxChoice* GroupChoice() const { return choice_; }
    IdListCtrl* List() const { return list_; }

private:
    void ShowRows();
    void OnColumnClick(wxListEvent& event);
    void OnActivated(wxListEvent& event);

    NestrelFrame& frame_;
    SimGroup group_ = SimGroup::Townie;
    GroupOrder order_ = GroupOrder::ByName;
    std::vector<GroupRow> rows_;
    wxChoice* choice_ = nullptr;
    IdListCtrl* list_ = nullptr;
};
