#pragma once
#include <cstdint>
#include <vector>

#include <wx/dialog.h>

class wxButton;
class wxStaticBitmap;
class wxStaticText;
class SimRegistry;

/// The Sim information card: name, sign, Townie, gender and partner, the career text
/// and the friend count, with buttons that list the friends and edit the family.
/// It keeps the Sim's id and looks the Sim up whenever it uses it.
class ShowSimDlg : public wxDialog {
public:
    /// The answer of ShowModal when the user asked for the Sim's family: the caller
    /// opens the family dialog once the card has closed.
    static constexpr int kEditFamily = 0;

    /// Without `familyAllowed` (a card opened while a Sim is being edited elsewhere)
    /// "Family..." stays disabled.
    ShowSimDlg(wxWindow* parent, SimRegistry& registry, int32_t simId, bool familyAllowed = true);

    /// Fills the values and runs the dialog; 0 without showing anything when the Sim
    /// does not exist (any more).
    int ShowModal() override;

    /// Fills the values from the Sim; false when there is no such Sim.
    bool FillValues();
    /// "Friends...": the Sim's friends in a Sim list.
    void ShowFriends();
    /// "Family...": ends the card with kEditFamily when the Sim has a family.
    void RequestFamily();

    int32_t SimId() const { return simId_; }
    /// The value texts in row order: name, sign, Townie, gender, match.
    const std::vector<wxStaticText*>& Values() const { return values_; }
    wxStaticText* CareerBox() const { return careerBox_; }
    wxStaticText* FriendsText() const { return friendsText_; }
    wxButton* FamilyButton() const { return familyButton_; }
    /// The heart beside "Match: ", shown only when the Sim has a partner; null when
    /// its picture could not be read.
    wxStaticBitmap* Heart() const { return heart_; }

private:
    SimRegistry& registry_;
    int32_t simId_;
    bool familyAllowed_;
    std::vector<wxStaticText*> values_;
    wxStaticText* careerBox_ = nullptr;
    wxStaticText* friendsText_ = nullptr;
    wxButton* familyButton_ = nullptr;
    wxStaticBitmap* heart_ = nullptr;
};
