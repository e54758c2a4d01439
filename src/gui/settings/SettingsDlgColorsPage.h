#pragma once
#include <wx/panel.h>

class wxButton;
class wxRadioButton;
struct ProgramSettings;

/// The settings dialog's "Colors" page: six colours, each a swatch with a "..."
/// button that opens the colour dialog, and how the display list highlights Sims.
/// Nothing reaches the settings before StoreToSettings.
class SettingsDlgColorsPage : public wxPanel {
public:
    /// The rows, in the order of their buttons (ids 5 to 10).
    enum ColourRow { TextRow, BackgroundRow, ListTextRow, ListBackgroundRow, HighlightTextRow, HighlightBackgroundRow,
                     RowCount };

    explicit SettingsDlgColorsPage(wxWindow* parent);
    void LoadFromSettings(const ProgramSettings& settings);
    void StoreToSettings(ProgramSettings& settings) const;

    /// A "..." button: the colour dialog on the row's colour; OK takes its choice.
    void ChooseColour(int row);
    /// The highlighted items' buttons are usable only with "Highlight available sims".
    void UpdateHighlightButtons();

    wxColour SwatchColour(int row) const;
    wxButton* ColourButton(int row) const { return buttons_[row]; }
    /// 0 "None", 1 "Highlight available sims", 2 "Color-code based on gender".
    wxRadioButton* HighlightButton(int choice) const { return highlight_[choice]; }

private:
    wxWindow* swatches_[RowCount] = {};
    wxButton* buttons_[RowCount] = {};
    wxRadioButton* highlight_[3] = {};
};
