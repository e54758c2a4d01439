#pragma once
#include <cstdint>
#include <vector>

#include <wx/dialog.h>

#include "app/IdListCtrl.h"

class wxComboBox;
class wxStaticText;
class SimRegistry;
struct ProgramSettings;

/// "Available List": the Sims free at an hour of the day with their working hours,
/// coloured by gender and ordered like the main window's Sim lists. The rows keep
/// Sim ids and are drawn on demand; the selected Sim stays selected when the list is
/// refilled for another hour or order. Nothing in the neighborhood changes here.
class AvailableDlg : public wxDialog {
public:
    /// `hour` (7..24) is the hour listed first; `orderHour` is the main window's
    /// current hour, which the "Availability" order key asks about.
    AvailableDlg(wxWindow* parent, const SimRegistry& registry, ProgramSettings& settings, int hour, int orderHour);

    /// Fills the hour box (on the dialog's hour), the title and the list, then shows
    /// the dialog.
    int ShowModal() override;
    /// What ShowModal does before the dialog shows: the hour box, title and list.
    void Prepare();

    void SetHourTitle(int hour);
    /// Refills the list with the Sims free at `hour`, in order.
    void FillAvailable(int hour);
    /// The hour box changed: lists its hour.
    void RefreshForSelectedHour();
    /// "Order By...": the order dialog without "Availability"; on OK the list is
    /// refilled for the hour in the box.
    void OrderBy();

    int ShownHour() const { return shownHour_; }
    wxComboBox* HourBox() const { return hourBox_; }
    IdListCtrl* List() const { return list_; }
    /// Says when working hours are unknown (without the career file); hidden otherwise.
    wxStaticText* Note() const { return note_; }
    /// The Sim id of a row; -1 outside the list.
    int32_t RowSimId(long row) const;

private:
    const SimRegistry& registry_;
    ProgramSettings& settings_;
    int hour_;
    int orderHour_;
    int shownHour_;
    wxComboBox* hourBox_ = nullptr;
    IdListCtrl* list_ = nullptr;
    wxStaticText* note_ = nullptr;
};
