#pragma once
#include <string>

#include <wx/frame.h>

#include "familytree/FamilyTree.h"

class SimRegistry;
class TreeCanvas;

/// "Family Tree": a window of its own showing the ancestor chart of one Sim, with tools
/// to choose the Sim, close, repaint and save the chart as a picture. The tree is built
/// once when the window opens; its nodes name Sims by id, so Sims deleted meanwhile are
/// simply not drawn.
class FTFrame : public wxFrame {
public:
    enum ToolId { ID_NEW_TREE = 1, ID_CLOSE_TREE = 2, ID_REFRESH_TREE = 3, ID_SAVE_PICTURE = 4 };

    FTFrame(wxWindow* parent, SimRegistry& registry);

    void PrepareDC(wxDC& dc) override;

    const FamilyTree& Tree() const { return tree_; }
    const SimRegistry& Registry() const { return registry_; }
    TreeCanvas* Canvas() const { return canvas_; }

    /// "Show new tree": the biggest family, or a Sim the user picks.
    void ShowNewTree();
    /// The chart of the Sim whose family reaches furthest back (unchanged when no Sim
    /// has a parent recorded).
    void ShowDeepest();
    /// "Save picture": asks for a file name and writes the chart there.
    void SavePictureAsked();
    /// Writes the chart of the current root to `path`, as SVG when it ends in ".svg",
    /// as PNG otherwise. False with a reason in `error` when it cannot.
    bool SavePicture(const std::string& path, std::string* error);
    /// Forgets every node, for a neighborhood about to be replaced.
    void Forget() { tree_.Clear(); }

private:
    SimRegistry& registry_;
    FamilyTree tree_;
    TreeCanvas* canvas_ = nullptr;
};
