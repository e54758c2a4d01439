#pragma once
#include <string>

#include <wx/frame.h>

#include "app/AppContext.h"
#include "common/MessageBox.h"
#include "model/SimRegistry.h"

class wxPanel;

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

    void BindCommands();  // FrameCommands.cpp

    // Command handlers (FrameCommands.cpp).
    void OnExit(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnRefresh(wxCommandEvent& event);
    void OnLaterCommand(wxCommandEvent& event);
    void OnUpdateSaveItems(wxUpdateUIEvent& event);
    void OnCloseRequest(wxCloseEvent& event);

    AppContext& context_;
    std::string installDir_;
    MessageBoxPrompter prompter_;
    SimRegistry registry_;
    wxPanel* panel_ = nullptr;
    std::string currentFile_;
    bool modified_ = false;
};
