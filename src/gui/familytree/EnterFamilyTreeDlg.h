#pragma once
#include <cstdint>
#include <vector>

#include <wx/dialog.h>
#include <wx/treebase.h>

#include "app/RowListCtrl.h"
#include "familytree/TreeSetupRules.h"

class SimRegistry;
class wxButton;
class wxCheckBox;
class wxStaticText;
class wxTextCtrl;
class wxTreeCtrl;
class wxTreeEvent;

/// "Set Up Family Tree": the neighborhood as a tree of families and Sims, two lists of
/// candidate parents with their filters, and "Set" / "Set Range" to record the parents
/// of the selected Sims. Tree items and list entries keep ids; the candidate lists draw
/// their rows on demand (every mother and father of a large neighborhood) and keep the
/// chosen parent selected when they are refilled. The registry must have been sorted
/// and indexed (SortAndIndex) before the dialog is made.
class EnterFamilyTreeDlg : public wxDialog {
public:
    EnterFamilyTreeDlg(wxWindow* parent, SimRegistry& registry);

    /// True once "Set" or "Set Range" was pressed.
    bool Changed() const { return changed_; }

    wxTreeCtrl* Tree() const { return tree_; }
    RowListCtrl* MomList() const { return momList_; }
    RowListCtrl* DadList() const { return dadList_; }
    wxStaticText* MomLabel() const { return momLabel_; }
    wxStaticText* DadLabel() const { return dadLabel_; }
    wxButton* SetButton() const { return setButton_; }
    wxCheckBox* RemoveCompleted() const { return removeCompleted_; }
    wxCheckBox* FilterFamily() const { return filterFamily_; }
    wxCheckBox* FilterSimilar() const { return filterSimilar_; }
    wxTextCtrl* MatchText() const { return matchText_; }

    /// The handlers' work, for the controls and for tests.
    void SelectionChanged();
    void ChooseParent(bool mother);
    void OtherParent(bool mother);
    void Apply();
    void WriteToFile();
    void FillTree();
    void FillCandidates();

private:
    void OnSelectionChanging(wxTreeEvent& event);
    void UpdateSelectionState();
    void ShowCurrentParents();
    void SetParentLabel(bool mother, const std::string& text);
    /// The Sim ids of the selected items, in selection order (families left out).
    std::vector<int32_t> SelectedSimIds() const;
    CandidateFilter Filter() const;

    SimRegistry& registry_;
    int32_t currentSimId_ = -1;
    int32_t currentFamilyId_ = -1;
    int32_t momId_ = -1;
    int32_t dadId_ = -1;
    bool rangeMode_ = false;
    bool changed_ = false;
    bool deselecting_ = false;
    wxTreeCtrl* tree_ = nullptr;
    wxCheckBox* removeCompleted_ = nullptr;
    RowListCtrl* momList_ = nullptr;
    RowListCtrl* dadList_ = nullptr;
    wxStaticText* momLabel_ = nullptr;
    wxStaticText* dadLabel_ = nullptr;
    wxButton* setButton_ = nullptr;
    wxCheckBox* filterFamily_ = nullptr;
    wxCheckBox* filterSimilar_ = nullptr;
    wxTextCtrl* matchText_ = nullptr;
};
