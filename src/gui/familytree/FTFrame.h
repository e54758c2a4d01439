#pragma once
#include <functional>
#include <memory>
#include <string>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include "familytree/ChartLayout.h"
#include "familytree/DcTreePainter.h"
#include "familytree/FamilyTree.h"
#include "history/NeighborhoodHistory.h"

class CareerList;
class SimRegistry;
class TreeCanvas;
class wxPrintPreview;

/// What a family tree window needs of the program besides the neighborhood.
struct TreeWindowContext {
    /// The career table the Edit Sim dialog shows (may be null).
    const CareerList* careers = nullptr;
    /// The remembered orientation the window opens with.
    bool sideways = false;
    /// Called when the user turns the chart, to remember the orientation.
    std::function<void(bool sideways)> sidewaysChanged;
    /// Called after the Edit Sim dialog opened from the chart changed a Sim.
    std::function<void()> simEdited;
    /// The neighborhood's undo history: an edit made from the chart is one step of it.
    NeighborhoodHistory* history = nullptr;
};

/// "Family Tree": a window of its own showing the ancestor or descendant chart of one
/// Sim, laid out tidily, with tools to choose the Sim, close, rebuild, save the chart as
/// a picture, zoom, turn the chart sideways, switch to descendants and print. Clicking
/// a name makes its Sim the root; double-clicking opens the Edit Sim dialog for it. The
/// tree's nodes name Sims by id, so Sims deleted meanwhile are simply not drawn.
class FTFrame : public wxFrame {
public:
    enum ToolId {
        ID_NEW_TREE = 1,
        ID_CLOSE_TREE = 2,
        ID_REFRESH_TREE = 3,
        ID_SAVE_PICTURE = 4,
        ID_ZOOM_IN = 5,
        ID_ZOOM_OUT = 6,
        ID_ZOOM_FIT = 7,
        ID_SIDEWAYS = 8,
        ID_DESCENDANTS = 9,
        ID_PRINT = 10,
        ID_PRINT_PREVIEW = 11,
    };

    FTFrame(wxWindow* parent, SimRegistry& registry, TreeWindowContext context = {});

    /// Applies the window's device-context set-up: origin (0, 0), normal axes, text
    /// mapping, and the zoom as the user scale.
    void PrepareDC(wxDC& dc) override;

    const FamilyTree& Tree() const { return tree_; }
    const SimRegistry& Registry() const { return registry_; }
    TreeCanvas* Canvas() const { return canvas_; }
    /// The chart as last laid out (at every paint, so that changed names show).
    const ChartLayout& Layout() const { return layout_; }
    /// Lays the chart out again from the neighborhood and sizes the canvas to it.
    void Relayout();

    double Zoom() const { return zoom_; }
    /// Sets the scale, keeping the middle of the view where it was.
    void SetZoom(double zoom);
    void ZoomIn();
    void ZoomOut();
    /// The largest scale, up to normal size, at which the whole chart is in view.
    void ZoomToFit();

    ChartKind Kind() const { return kind_; }
    void SetKind(ChartKind kind);
    ChartOrientation Orientation() const { return orientation_; }
    /// Turns the chart and has the choice remembered.
    void SetOrientation(ChartOrientation orientation);

    /// "Show new tree": the biggest family, or a Sim the user picks.
    void ShowNewTree();
    /// The chart of the Sim whose family reaches furthest back (unchanged when no Sim
    /// has a parent recorded).
    void ShowDeepest();
    /// The chart of this Sim (nothing happens for an id without a node).
    void ShowSim(int32_t simId);
    /// "Refresh display": builds the tree again from the neighborhood, so that Sims and
    /// parent links added since show, keeping the root while its Sim exists.
    void Rebuild();
    /// A click on the chart at a point of the canvas: a Sim's name becomes the root.
    void ClickAt(const wxPoint& canvasPoint);
    /// A double click: the Edit Sim dialog for the Sim clicked.
    void DoubleClickAt(const wxPoint& canvasPoint);
    /// The Sim whose name is at a point of the canvas, or -1.
    int32_t SimAt(const wxPoint& canvasPoint) const;
    /// Opens the Edit Sim dialog on a Sim of the chart.
    void EditSim(int32_t simId);

    /// "Save picture": asks for a file name and writes the chart there.
    void SavePictureAsked();
    /// Writes the chart of the current root to `path`, as SVG when it ends in ".svg",
    /// as PNG otherwise. False with a reason in `error` when it cannot.
    bool SavePicture(const std::string& path, std::string* error);

    /// "Print..." and "Print Preview...": ask whether to fit the chart to one page or
    /// spread it over pages, then print or preview.
    void PrintAsked(bool preview);
    /// Opens the print preview in a window of its own; null when there is nothing to
    /// print or the preview cannot be made.
    wxPrintPreview* PrintPreview(bool fitToPage);

    /// Forgets every node, for a neighborhood about to be replaced.
    void Forget() {
        tree_.Clear();
        layout_ = ChartLayout();
    }

private:
    /// Lays out a new chart (new root, kind or orientation), opens it at a readable
    /// scale and shows the root.
    void ShowFreshChart();
    void SyncTools();

    SimRegistry& registry_;
    TreeWindowContext context_;
    FamilyTree tree_;
    ChartLayout layout_;
    ChartKind kind_ = ChartKind::Ancestors;
    ChartOrientation orientation_ = ChartOrientation::Upright;
    double zoom_ = 1.0;
    bool printFit_ = true;
    int32_t clickedSim_ = -1;
    long long clickedAt_ = 0;
    TreeCanvas* canvas_ = nullptr;
    wxBitmap measureBitmap_{1, 1};
    wxMemoryDC measureDc_;
    std::unique_ptr<DcTreePainter> measure_;
    std::unique_ptr<MeasureCache> measureCache_;
};
