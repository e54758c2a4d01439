#pragma once
#include <wx/dialog.h>

class wxListCtrl;

/// "Likes/Dislikes Chart": every sign with the two signs it likes and the two it
/// dislikes, in the stored sign order. Built each time it is asked for.
class LikesChartDlg : public wxDialog {
public:
    explicit LikesChartDlg(wxWindow* parent);

    wxListCtrl* ChartList() const { return list_; }

private:
    wxListCtrl* list_ = nullptr;
};
