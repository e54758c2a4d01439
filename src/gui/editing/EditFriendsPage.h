#pragma once
#include <cstdint>
#include <vector>

#include "editing/EditSimPage.h"
#include "editing/FriendsRules.h"

class wxListEvent;
class wxListView;
class wxStaticText;
class SimRegistry;

/// "Friends": the Sim's friends, changed through the friend picker and written
/// on both sides by the Edit Sim dialog's OK, only when the picker changed them.
class EditFriendsPage : public EditSimPage {
public:
    EditFriendsPage(wxWindow* parent, SimRegistry& registry);
    bool SaveToSim(SimEdit& edit) override;
    void LoadFromSim(Sim* sim) override;
    /// Opens the friend picker; OK replaces the pending list.
    void ModifyFriends();
    const std::vector<int32_t>& PendingIds() const { return pending_; }
    wxListView* FriendList() const { return list_; }
    wxStaticText* CountLabel() const { return count_; }

private:
    void Fill();
    void OnColumn(wxListEvent& event);
    SimRegistry& registry_;
    Sim* sim_ = nullptr;
    std::vector<int32_t> pending_;
    std::vector<int32_t> loaded_;
    std::vector<FriendRow> rows_;
    wxListView* list_ = nullptr;
    wxStaticText* count_ = nullptr;
};
