#include "chemistry/CompareChemDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "chemistry/ChemSummary.h"
#include "common/FontScale.h"
#include "common/WxString.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

namespace {
enum { ID_LEFT_LIST = 12, ID_RIGHT_LIST = 13 };

wxListCtrl* MakeList(wxWindow* parent, int id) {
    auto* list = new wxListCtrl(parent, id, wxDefaultPosition, FontScaled(parent, wxSize(160, 160)),
                                wxLC_REPORT | wxLC_SINGLE_SEL);
    list->AppendColumn(_("Name"), wxLIST_FORMAT_LEFT, FontScaledWidth(parent, 90));
    // Wide enough for every type, "Crush or Love" included.
    std::vector<wxString> types;
    for (const std::string& type : ChemistryTypeTexts()) types.push_back(ToWx(type));
    list->AppendColumn(_("Type"), wxLIST_FORMAT_LEFT, ColumnWidthForTexts(parent, 60, types));
    // Both columns and a scroll bar fit in the list.
    const int columns = list->GetColumnWidth(0) + list->GetColumnWidth(1) + FontScaledWidth(parent, 24);
    list->SetMinSize(wxSize(std::max(columns, FontScaledWidth(parent, 160)), FontScaledHeight(parent, 160)));
    return list;
}
}  // namespace

CompareChemDlg::CompareChemDlg(wxWindow* parent, const SimRegistry& registry, int32_t firstId, int32_t secondId)
    : wxDialog(parent, wxID_ANY, _("Chemistry Comparison"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    // A side without a Sim says so instead of showing a placeholder.
    leftName_ = new wxStaticText(this, wxID_ANY, _("(no Sim)"));
    rightName_ = new wxStaticText(this, wxID_ANY, _("(no Sim)"));
    leftList_ = MakeList(this, ID_LEFT_LIST);
    rightList_ = MakeList(this, ID_RIGHT_LIST);

    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    for (auto [heading, list] : {std::pair{leftName_, leftList_}, std::pair{rightName_, rightList_}}) {
        auto* column = new wxBoxSizer(wxVERTICAL);
        column->Add(heading, 0, wxBOTTOM, 4);
        column->Add(list, 1, wxEXPAND);
        columns->Add(column, 1, wxEXPAND | wxALL, 8);
    }
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(columns, 1, wxEXPAND);
    sizer->Add(new wxButton(this, wxID_CANCEL, _("&Close")), 0, wxALIGN_CENTER | wxALL, 8);

    const auto [left, right] = ComparisonOrder(registry, firstId, secondId);
    FillSide(registry, left, leftName_, leftList_);
    FillSide(registry, right, rightName_, rightList_);
    SetSizerAndFit(sizer);
}

void CompareChemDlg::FillSide(const SimRegistry& registry, int32_t simId, wxStaticText* heading, wxListCtrl* list) {
    const Sim* sim = registry.FindSim(simId);
    if (sim == nullptr) return;
    heading->SetLabel(ToWx(sim->ShownFullName()));
    for (const ChemRow& row : ComparisonRows(registry, *sim)) {
        const long item = list->InsertItem(list->GetItemCount(), ToWx(row.name));
        list->SetItem(item, 1, ToWx(row.type));
    }
}
