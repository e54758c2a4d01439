#include "reports/SimListDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "common/FontScale.h"
#include "common/WxString.h"
#include "reports/SimCard.h"

namespace {
std::vector<SimListEntry> PlainEntries(const std::vector<std::string>& texts) {
    std::vector<SimListEntry> entries;
    entries.reserve(texts.size());
    for (const std::string& text : texts) entries.push_back({text, -1});
    return entries;
}
}  // namespace

SimListDlg::SimListDlg(wxWindow* parent, const wxString& title, const wxString& heading,
                       std::vector<SimListEntry> entries, long listStyle)
    : wxDialog(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      title_(title), entries_(std::move(entries)) {
    list_ = new wxListBox(this, wxID_ANY, wxDefaultPosition, FontScaled(this, wxSize(120, 170)), 0, nullptr, listStyle);
    total_ = new wxStaticText(this, wxID_ANY, wxEmptyString);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->AddSpacer(10);
    sizer->Add(new wxStaticText(this, wxID_ANY, heading), 0, wxALIGN_CENTER | wxLEFT | wxRIGHT, 10);
    sizer->AddSpacer(10);
    sizer->Add(list_, 1, wxEXPAND | wxLEFT | wxRIGHT, 10);
    sizer->AddSpacer(5);
    sizer->Add(total_, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT, 10);
    sizer->AddSpacer(5);
    sizer->Add(new wxButton(this, wxID_OK, _("&Ok")), 0, wxALIGN_CENTER | wxBOTTOM, 10);
    SetSizer(sizer);
    Fill();
}

SimListDlg::SimListDlg(wxWindow* parent, const wxString& title, const wxString& heading,
                       const std::vector<std::string>& texts, long listStyle)
    : SimListDlg(parent, title, heading, PlainEntries(texts), listStyle) {}

void SimListDlg::Fill() {
    list_->Clear();
    wxArrayString texts;
    texts.reserve(entries_.size());
    for (const SimListEntry& entry : entries_) texts.Add(ToWx(entry.text));
    list_->Freeze();
    // The list box keeps the position of each entry in entries_, also when it sorts.
    int widest = 0;
    for (size_t i = 0; i < entries_.size(); ++i) {
        list_->Append(texts[i], reinterpret_cast<void*>(static_cast<intptr_t>(i)));
        widest = std::max(widest, list_->GetTextExtent(texts[i]).x);
    }
    list_->Thaw();
    // The longest text widens the list (up to a sensible width; the list scrolls
    // sideways beyond it) rather than being cut off.
    const wxSize design = FontScaled(this, wxSize(120, 170));
    list_->SetMinSize(wxSize(std::clamp(widest + 40, design.x, FontScaledWidth(this, 480)), design.y));
    total_->SetLabel(ToWx(ListTotalText(entries_.size())));
    SetTitle(title_);
    Layout();
    GetSizer()->SetSizeHints(this);
}

int SimListDlg::ShowModal() {
    SetTitle(title_);
    return wxDialog::ShowModal();
}

int32_t SimListDlg::SelectedId() const {
    const int row = list_->GetSelection();
    if (row == wxNOT_FOUND) return -1;
    const auto index = static_cast<size_t>(reinterpret_cast<intptr_t>(list_->GetClientData(static_cast<unsigned>(row))));
    return index < entries_.size() ? entries_[index].id : -1;
}
