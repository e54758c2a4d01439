#include "social/LikesChartDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>

#include "common/FontScale.h"
#include "common/WxString.h"
#include "social/SignChart.h"

LikesChartDlg::LikesChartDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, _("Likes/Dislikes Chart"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE) {
    list_ = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, FontScaled(this, wxSize(300, 220)),
                           wxLC_REPORT | wxLC_HRULES | wxLC_VRULES);
    list_->AppendColumn(_("Sign"));
    list_->AppendColumn(_("Likes"));
    list_->AppendColumn(_("Dislikes"));

    long index = 0;
    for (const SignChartRow& row : LikesDislikesChartRows()) {
        list_->InsertItem(index, ToWx(row.sign));
        list_->SetItem(index, 1, ToWx(row.likes));
        list_->SetItem(index, 2, ToWx(row.dislikes));
        list_->SetItemData(index, index);
        ++index;
    }
    // Every column as wide as its longest text or heading, and every row in view: the
    // chart is small and is read whole.
    int width = 0;
    for (int column = 0; column < list_->GetColumnCount(); ++column) {
        list_->SetColumnWidth(column, wxLIST_AUTOSIZE);
        const int byText = list_->GetColumnWidth(column);
        list_->SetColumnWidth(column, wxLIST_AUTOSIZE_USEHEADER);
        list_->SetColumnWidth(column, std::max(byText, list_->GetColumnWidth(column)));
        width += list_->GetColumnWidth(column);
    }
    wxRect row;
    const int rowHeight = list_->GetItemRect(0, row) ? row.height : GetCharHeight() + 6;
    const int height = rowHeight * (index + 1) + rowHeight / 2 + 8;  // the rows, the heading and the borders
    list_->SetMinSize(wxSize(std::max(width + 8, list_->GetSize().x), std::max(height, list_->GetSize().y)));

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(list_, 1, wxEXPAND | wxALL, FontScaledWidth(this, 10));
    sizer->Add(new wxButton(this, wxID_OK, _("&Ok")), 0, wxALIGN_CENTER_HORIZONTAL | wxLEFT | wxRIGHT | wxBOTTOM,
               FontScaledWidth(this, 10));
    SetSizerAndFit(sizer);
    // Never smaller than the window laid out for the reference font.
    wxSize size = GetSize();
    size.IncTo(FontScaled(this, wxSize(330, 305)));
    SetSize(size);
}
