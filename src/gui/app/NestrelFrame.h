#pragma once
#include <memory>
#include <string>

#include <wx/frame.h>

#include "app/AppContext.h"
#include "app/DisplayMode.h"
#include "careers/NestrelCareerInfo.h"
#include "history/NeighborhoodHistory.h"
#include "common/MessageBox.h"
#include "model/SimRegistry.h"
#include "names/WordFileNames.h"
#include "social/MatchmakerSettings.h"
#include "storage/NeighborhoodFile.h"
#include "storage/ProgramSettings.h"

class wxPanel;
// The controls of the lists.
class wxBitmapButton;
class wxButton;
class wxComboBox;
class wxListEvent;
class wxStaticText;
class DisplayListCtrl;
class RowListCtrl;
class VersionManager;
class RecoveryKeeper;

/// The program's one main window. It owns everything that lives for the whole run and
/// receives every user command (menus, tools, buttons, lists). Its construction runs the
/// start-up sequence: owned objects, names list, icon, update checker, menus and
/// toolbar, panel and settings, controls, career file, last neighborhood, lists, status
/// bar. The frame is split over several files: construction (NestrelFrame.cpp), menus,
/// toolbar, status bar and command handlers.
class NestrelFrame : public wxFrame {
public:
    NestrelFrame(AppContext& context, const wxString& title, const wxPoint& pos, const wxSize& size);
    ~NestrelFrame() override;

    /// Rewrites both status fields: field 0 the message, field 1 "Current File: <name>"
    /// with a star when the neighborhood is modified.
    void ShowStatus(const wxString& message);

    /// Stores the modified flag and refreshes the status bar (clearing its message).
    void SetModified(bool modified);
    bool IsModified() const { return modified_; }

    /// Save, Save As and Backup are enabled when `enable` is true and the neighborhood
    /// has something to save.
    void EnableSaveItems(bool enable);

    /// True when the neighborhood holds no family.
    bool NeighborhoodIsEmpty() const;

    /// The neighborhood file in use, "Unsaved", or empty after a failed load.
    const std::string& CurrentFile() const { return currentFile_; }

    const std::string& InstallDir() const { return installDir_; }
    AppContext& Context() { return context_; }
    SimRegistry& Registry() { return registry_; }
    Prompter& MessagePrompter() { return prompter_; }
    ProgramSettings& Settings() { return settings_; }
    MatchmakerSettings& MatchSettings() { return matchSettings_; }
    NeighborhoodFile& File() { return neighborhoodFile_; }
    NestrelCareerInfo& CareerInfo() { return careerInfo_; }
    WordFileNames& Names() { return names_; }
    /// The about box and the update check.
    VersionManager* Versions() { return versionManager_.get(); }

    // ---- The lists and the display list (FrameLists.cpp, FrameFriends.cpp) ----
    /// Refills the family list, restores its selection, then the Sim list.
    void RefreshFamilies();
    /// Refills the Sim list from the selected family, then the display list.
    void FillSims();
    /// Refills the display list in its current mode.
    void RefreshDisplay();
    /// Empties the display list (a new or freshly loaded neighborhood).
    void ClearDisplayList();
    /// The hour selector is disabled when no career could be read.
    void EnableHourChoice(bool enable);
    /// The Sim of the selected row of the Sim list; tells the user and answers nullptr
    /// when nothing usable is selected.
    Sim* SelectedSim();
    /// Fills the display list with the Sims of `ids` as seen from `reference`: every
    /// row a friend when `allFriends`, otherwise "F?" asks the reference Sim.
    void FillDisplay(std::vector<int32_t> ids, const Sim& reference, bool allFriends);
    /// The three views of the display list for the selected Sim, and the sign chart.
    void ShowCurrentFriends();
    void ShowPossibleFriends();
    void ShowChemistrySims();
    void ShowLikesDislikesChart();
    /// The hour the display list marks Sims free at (7 .. 24).
    int SelectedHour() const { return selectedHour_; }
    DisplayMode CurrentDisplayMode() const { return displayMode_; }
    /// The Sim id a row of the display list stands for; -1 for none.
    int32_t DisplayRowSimId(long row) const;
    // ---- end of the lists ----

    // ---- Families and Sims edited (FrameEditing.cpp) ----
    /// Opens the family dialog on a new family; on OK the family joins the neighborhood.
    void AddFamily();
    /// Opens the family dialog on a registered family, with a Sim of it to pre-select
    /// (-1 for none). Also the way the Sim card and the search dialog edit a family.
    void EditFamily(int32_t familyId, int32_t preselectSimId);
    // ---- end of the editing commands ----

    // ---- Household moves and family trees (FrameMoves.cpp, FrameTrees.cpp) ----
    /// Closes every open family tree window: their nodes name Sims by id, and ids start
    /// again in a new or loaded neighborhood.
    void CloseFamilyTrees();
    // ---- end of household moves and family trees ----

    // ---- Chemistry (FrameChemistry.cpp) ----
    /// "Empty Neighborhood!" without families; otherwise the matchmaker at its stored
    /// size, which is stored again when it closes.
    void OpenMatchmaker();

    // ---- Availability, order, settings, names, about (FrameSettings.cpp) ----
    /// Writes the program settings file with the matchmaker's group; quiet on failure.
    void SaveProgramSettings();
    /// Gives the main panel and its labels the settings' colours and refills the lists.
    void ApplySettingsColours();
    // ---- end of availability, order, settings, names, about ----

    // ---- Neighborhood reports and careers (FrameReports.cpp, FrameCareers.cpp) ----
    /// The Sim information card on `parent`; when the user asks for the Sim's family
    /// there (and `familyAllowed`), the family dialog once the card has closed.
    void ShowSimInfo(wxWindow* parent, int32_t simId, bool familyAllowed = true);
    // ---- end of the reports ----

    // ---- Undo and redo (FrameHistory.cpp) ----
    /// The neighborhood's undo history: every command that changes data records one
    /// step in it (a `HistoryStep` around the change).
    NeighborhoodHistory& History() { return history_; }
    /// Tells the history that every member of a family (and the family) may be written
    /// directly by the step now recorded, as the editing dialogs do.
    void TouchFamily(const Family* family);
    /// After a step: the star follows whether the neighborhood now differs from its
    /// file; nothing happens when the step changed nothing.
    void StepDone(bool changed);
    /// The Undo and Redo items named after their steps, enabled when there is one.
    void RefreshUndoItems();
    // ---- end of undo and redo ----

    // ---- File commands (FrameFiles.cpp) ----
    /// Clears the neighborhood and the display list, resets the id counters, and makes
    /// the current file "Unsaved".
    void ResetNeighborhood();
    /// Resets, then reads `name` into the neighborhood.
    bool LoadFile(const std::string& name);
    /// The save routine of Save, Save As, Backup, the prompt and the close request.
    /// Asks for a name first when the neighborhood was never given a file.
    bool SaveTo(const std::string& name);
    /// "Do you want to save your Sim data?": false when the user cancelled, or when
    /// the save the user asked for failed (so nothing unsaved is thrown away).
    bool PromptToSave();
    /// Where the names list is read from and written back to.
    std::string NamesFilePath() const;
    // ---- end of the file commands ----

    // ---- Recovery of unsaved changes (FrameRecovery.cpp) ----
    /// Writes the recovery copy when the neighborhood has families and unsaved
    /// changes; true when a copy was written. The real file, the file names and the
    /// modified star stay as they are.
    bool WriteRecoveryCopy();
    /// Offers the recovery copy of the neighborhood in file `name` ("Unsaved" for one
    /// without a file) when it is newer than that file. Yes replaces the neighborhood
    /// in memory with the recovered one, marked modified, with `name` as its file;
    /// No keeps the copy aside. True when the neighborhood was recovered.
    bool OfferRecovery(const std::string& name);
    RecoveryKeeper& Recovery() { return *recovery_; }
    // ---- end of recovery ----

private:
    // Start-up, in the order the constructor runs them.
    void CreateOwnedObjects();        // A
    void LoadNamesList();             // B
    void SetFrameIcon();              // C
    void CreateVersionManager();      // D
    void BuildMenuBar();              // E (FrameMenus.cpp)
    void BuildToolBar();              // E (FrameToolBar.cpp)
    void CreateMainPanel();           // F
    void ReadProgramSettings();       // F
    void CreateMainControls();        // G
    void ReadCareerFile();            // H
    void LoadLastNeighborhood();      // I
    void NameRegistryAndFillLists();  // J
    void CreateStatusLine();          // K (FrameStatus.cpp)
    void FitToFont();                 // the window's size for the font in use
    void CreateRecoveryKeeper();      // A (FrameRecovery.cpp)
    void OfferRecoveryAtStart();      // I
    void StartAutoSave();             // after K

    // Recovery copies (FrameRecovery.cpp): the copy's neighborhood file, empty for
    // one without a file; removing the copy once its changes are saved or declined.
    std::string RecoveryKey() const;
    void RemoveRecoveryCopy();
    void RemoveRecoveryCopyAfterSave(const std::string& copyOf, const std::string& savedTo, bool newFile);
    void FinishRecoveryOnClose(bool sessionEnding);
    std::unique_ptr<RecoveryKeeper> recovery_;

    void BindCommands();      // FrameCommands.cpp
    void BindHistoryCommands();  // FrameHistory.cpp: Undo, Redo
    void OnUndo(wxCommandEvent& event);
    void OnRedo(wxCommandEvent& event);
    void OnUpdateUndoRedo(wxUpdateUIEvent& event);
    void BindListCommands();  // FrameLists.cpp: ids 10-13, 31, 34-39, 42
    void BindFileCommands();  // FrameFiles.cpp: ids 17-22
    void BindExportCommands();  // FrameExport.cpp: id 90
    void OnExportGedcom(wxCommandEvent& event);
    void BindEditingCommands();  // FrameEditing.cpp: ids 40, 41
    void BindReportCommands();   // FrameReports.cpp: ids 9, 24, 25 and the family names
    void OnFindSim(wxCommandEvent& event);
    void OnSimGroups(wxCommandEvent& event);
    void OnFileProperties(wxCommandEvent& event);
    void OnFamilyNames(wxCommandEvent& event);
    void BindCareerCommands();   // FrameCareers.cpp: id 29
    void OnCareerInfo(wxCommandEvent& event);
    void OnEditFriends(wxCommandEvent& event);
    void OnEditChemistry(wxCommandEvent& event);
    void BindMoveCommands();  // FrameMoves.cpp: ids 7, 14-16
    void OnHomeless(wxCommandEvent& event);
    void OnEvict(wxCommandEvent& event);
    void OnMoveOut(wxCommandEvent& event);
    void OnTransfer(wxCommandEvent& event);
    /// The id of the family of the selected family row, or -1 after telling the user.
    int32_t ChosenFamilyId(const wxString& nothingSelected);
    void BindTreeCommands();  // FrameTrees.cpp: ids 27, 28
    void OnCreateTree(wxCommandEvent& event);
    void OnShowTree(wxCommandEvent& event);
    void BindChemistryCommands();  // FrameChemistry.cpp: ids 5, 6, 8
    void OnChemistryCommand(wxCommandEvent& event);
    void BindSettingsCommands();  // FrameSettings.cpp: ids 2, 3, 23, 26, 32, 33
    void OnFullList(wxCommandEvent& event);
    void OnOrder(wxCommandEvent& event);
    void OnSettings(wxCommandEvent& event);
    void OnNameGenerator(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnCheckUpdates(wxCommandEvent& event);

    // Command handlers (FrameCommands.cpp).
    void OnExit(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnUpdateSaveItems(wxUpdateUIEvent& event);
    void OnCloseRequest(wxCloseEvent& event);

    AppContext& context_;
    std::string installDir_;
    MessageBoxPrompter prompter_;
    SimRegistry registry_;
    NeighborhoodHistory history_{registry_};
    NestrelCareerInfo careerInfo_;
    NeighborhoodFile neighborhoodFile_;
    ProgramSettings settings_;
    MatchmakerSettings matchSettings_;
    WordFileNames names_;
    std::unique_ptr<VersionManager> versionManager_;
    // File commands and start-up of the file half (FrameFiles.cpp, FrameClose.cpp).
    void OnNew(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnSaveAs(wxCommandEvent& event);
    void OnBackup(wxCommandEvent& event);
    void OnLoad(wxCommandEvent& event);
    void OnImport(wxCommandEvent& event);
    /// Shows a status message at once, before a long read or write starts.
    void ShowStatusNow(const wxString& message);
    /// The settings file, the names file, then the neighborhood; false keeps the
    /// window open.
    bool PrepareToClose(bool canRefuse);
    void SaveNamesList();
    std::string configuredFileName_;  // the neighborhood named at start-up
    bool namesFileUnreadable_ = false;  // present at start-up but could not be read
    wxPanel* panel_ = nullptr;
    // ---- The controls of the lists and their handlers (FramePanel.cpp, FrameLists.cpp,
    // FrameFriends.cpp) ----
    void BuildListControls();    // FramePanel.cpp
    void BindFriendsCommands();  // FrameFriends.cpp: ids 37-39, 42
    void OnAddFamily(wxCommandEvent& event);
    void OnEditFamily(wxCommandEvent& event);
    void OnFamilyDoubleClick(wxCommandEvent& event);
    void OnSimDoubleClick(wxCommandEvent& event);
    void OnDeleteSim(wxCommandEvent& event);
    void OnRefresh(wxCommandEvent& event);
    void OnHourChosen(wxCommandEvent& event);
    void OnFamilyChosen(wxCommandEvent& event);
    void OnSimChosen(wxCommandEvent& event);
    void OnDisplayRowActivated(wxListEvent& event);
    void OnShowFriendsCommand(wxCommandEvent& event);
    void OnLikesChart(wxCommandEvent& event);
    /// The family of the selected family row; tells the user and answers nullptr when
    /// nothing usable is selected.
    Family* SelectedFamilyForEdit();
    void ShowDisplayMode(DisplayMode mode);

    wxBitmapButton* addFamilyButton_ = nullptr;
    wxBitmapButton* editFamilyButton_ = nullptr;
    wxBitmapButton* deleteSimButton_ = nullptr;
    wxStaticText* hourLabel_ = nullptr;
    wxComboBox* hourChoice_ = nullptr;
    wxButton* fullListButton_ = nullptr;
    wxStaticText* familyLabel_ = nullptr;
    RowListCtrl* familyListBox_ = nullptr;
    wxStaticText* simLabel_ = nullptr;
    RowListCtrl* simListBox_ = nullptr;
    wxStaticText* displayLabel_ = nullptr;
    wxButton* orderButton_ = nullptr;
    DisplayListCtrl* displayList_ = nullptr;
    // The rows carry ids, resolved through the registry on every use, so a row can
    // never lead to a family or Sim that has gone.
    std::vector<int32_t> familyRowIds_;
    bool noFamiliesRow_ = false;  // the family list holds only "No Families Added"
    std::vector<int32_t> simRowIds_;
    int selectedHour_ = kFirstHour;
    DisplayMode displayMode_ = DisplayMode::Nothing;
    // ---- end of the controls of the lists ----
    std::string currentFile_;
    bool modified_ = false;
};
