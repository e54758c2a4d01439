#pragma once
#include <vector>

#include <wx/listbook.h>

class CareerList;
class EditBasicInfoPage;
class EditCareerInfoPage;
class EditFriendsPage;
class EditMatchPage;
class EditSimPage;
class Sim;
class SimRegistry;

/// The Edit Sim dialog's pages beside a list of their icons. Leaving a page
/// hands the life stage on, so the basic page's Age and the career page's
/// "Sim Age Level" always agree.
class EditSimListBook : public wxListbook {
public:
    EditSimListBook(wxWindow* parent, SimRegistry& registry, const CareerList* careers, Sim* sim,
                    std::vector<const Sim*> pending);
    EditBasicInfoPage* BasicPage() const { return basic_; }
    EditCareerInfoPage* CareerPage() const { return career_; }
    EditFriendsPage* FriendsPage() const { return friends_; }
    EditMatchPage* LovePage() const { return love_; }
    /// The pages in the order OK visits them.
    std::vector<EditSimPage*> Pages() const;

private:
    void OnPageChanging(wxBookCtrlEvent& event);
    EditBasicInfoPage* basic_ = nullptr;
    EditCareerInfoPage* career_ = nullptr;
    EditFriendsPage* friends_ = nullptr;
    EditMatchPage* love_ = nullptr;
};
