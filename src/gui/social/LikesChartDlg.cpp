#include "social/LikesChartDlg.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/listctrl.h>

#include "common/WxString.h"
#include "social/SignChart.h"

LikesChartDlg::LikesChartDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, _("Likes/Dislikes Chart"), wxDefaultPosition, wxSize(330, 305),
               wxDEFAULT_DIALOG_STYLE) {
    list_ = new wxListCtrl(this, wxID_ANY, wxPoint(10, 10), wxSize(300, 220),
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
    list_->SetColumnWidth(1, wxLIST_AUTOSIZE);
    list_->SetColumnWidth(2, wxLIST_AUTOSIZE);

    new wxButton(this, wxID_OK, _("&Ok"), wxPoint(120, 240));
}
