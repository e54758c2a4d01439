#include "reports/AspirationDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "common/FontScale.h"
#include "common/WxString.h"
#include "reports/AspirationSummary.h"

namespace {
enum { ID_SUMMARY = 0 };
}  // namespace

AspirationDlg::AspirationDlg(wxWindow* parent, SimRegistry& registry)
    : wxDialog(parent, wxID_ANY, _("Neighborhood Aspirations"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      registry_(registry) {
    summary_ = new wxListCtrl(this, ID_SUMMARY, wxDefaultPosition, wxDefaultSize,
                              wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
    summary_->InsertColumn(0, _("Aspiration"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 100));
    summary_->InsertColumn(1, _("#Sims"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 60));
    // Wide enough for both columns and the scroll bar, tall enough for all seven rows.
    summary_->SetMinSize(wxSize(FontScaledWidth(this, 180), FontScaledHeight(this, 175)));
    sims_ = new wxListBox(this, wxID_ANY, wxDefaultPosition, FontScaled(this, wxSize(130, 140)), 0, nullptr,
                          wxLB_SINGLE | wxLB_HSCROLL);

    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(new wxStaticText(this, wxID_ANY, _("Aspiration Summary:")));
    left->AddSpacer(10);
    left->Add(summary_, 1, wxEXPAND);
    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(new wxStaticText(this, wxID_ANY, _("Sims with selected Aspiration:")));
    right->AddSpacer(10);
    right->Add(sims_, 1, wxEXPAND);
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(left, 1, wxEXPAND);
    columns->AddSpacer(10);
    columns->Add(right, 1, wxEXPAND);
    // The counts leave Children and Townies out, as the lists do; the window says so.
    note_ = new wxStaticText(this, wxID_ANY, ToWx(AspirationLeftOutNote(0)));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->AddSpacer(10);
    sizer->Add(columns, 1, wxEXPAND | wxLEFT | wxRIGHT, 10);
    sizer->AddSpacer(10);
    sizer->Add(note_, 0, wxLEFT | wxRIGHT, 10);
    sizer->AddSpacer(10);
    sizer->Add(new wxButton(this, wxID_OK, _("&Ok")), 0, wxALIGN_CENTER);
    sizer->AddSpacer(10);
    SetSizerAndFit(sizer);

    Bind(wxEVT_LIST_ITEM_SELECTED, &AspirationDlg::OnRowChosen, this, ID_SUMMARY);
    Bind(wxEVT_LIST_ITEM_ACTIVATED, &AspirationDlg::OnRowChosen, this, ID_SUMMARY);
    FillSummary();
}

void AspirationDlg::FillSummary() {
    summary_->DeleteAllItems();
    sims_->Clear();
    for (const AspirationRow& row : AspirationSummaryRows(registry_)) {
        const long item = summary_->InsertItem(summary_->GetItemCount(), ToWx(row.text));
        summary_->SetItem(item, 1, wxString::Format("%d", static_cast<int>(row.count)));
        summary_->SetItemData(item, row.aspiration);
    }
    note_->SetLabel(ToWx(AspirationLeftOutNote(AspirationLeftOutCount(registry_))));
}

int AspirationDlg::ShowModal() {
    FillSummary();
    return wxDialog::ShowModal();
}

void AspirationDlg::ListSims(long row) {
    sims_->Clear();
    if (row < 0 || row >= summary_->GetItemCount()) return;
    const auto aspiration = static_cast<int32_t>(summary_->GetItemData(row));
    wxArrayString names;
    for (const std::string& name : AspirationSimNames(registry_, aspiration)) names.Add(ToWx(name));
    if (!names.empty()) sims_->Append(names);
}

void AspirationDlg::OnRowChosen(wxListEvent& event) { ListSims(event.GetIndex()); }
