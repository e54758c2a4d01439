// The family tree window: its root, "Pick A Sim", "Save picture", and what happens to an
// open window when the neighborhood changes under it.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <wx/app.h>
#include <wx/image.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

#include "common/FileNameAsker.h"
#include "common/ResBitmap.h"
#include <wx/print.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include <cmath>

#include "editing/EditBasicInfoPage.h"
#include "editing/EditSimDialog.h"
#include "editing/EditSimListBook.h"
#include "editing_support.h"
#include "app/ConfigStore.h"
#include "familytree/FTFrame.h"
#include "familytree/TreeCanvas.h"
#include "lists_support.h"
#include "moves/HomelessDlg.h"
#include "moves/TransferDlg.h"
#include "support/FrameFixture.h"

namespace {

using namespace editing_test;
using namespace lists_test;

/// Clicks a tool of the tree window's toolbar.
void Tool(FTFrame* tree, int id) {
    wxCommandEvent click(wxEVT_MENU, id);
    click.SetEventObject(tree);
    tree->GetEventHandler()->ProcessEvent(click);
}

class TreeWindowTest : public FrameTest {
protected:
    NestrelFrame& Build() { return BuildEmptyFrame(); }
    /// Three generations: Kid with Mom and Dad, Mom with her mother Gran.
    void Family3(SimRegistry& registry) {
        Family* lee = AddFamily(registry, "Lee");
        gran = AddMember(registry, lee, "Gran", kLeo, false);
        mom = AddMember(registry, lee, "Mom", kLeo, false);
        dad = AddMember(registry, lee, "Dad", kLeo, true);
        kid = AddMember(registry, lee, "Kid", kLeo, false);
        AddMember(registry, lee, "Solo", kLeo, false);
        kid->mom.SetSim(mom->id);
        kid->dad.SetSim(dad->id);
        mom->mom.SetSim(gran->id);
    }
    FTFrame* OpenTree(NestrelFrame& frame) {
        frame.ProcessCommand(ID_SHOW_TREE);
        FTFrame* found = nullptr;
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* tree = dynamic_cast<FTFrame*>(window); tree && !tree->IsBeingDeleted()) found = tree;
        EXPECT_NE(found, nullptr);
        return found;
    }
    static void Paint(FTFrame* tree) {
        tree->Canvas()->Refresh(true);
        tree->Canvas()->Update();
        PumpEvents();
    }
    /// Paints and checks that a paint really happened.
    static void PaintNow(FTFrame* tree) {
        const int before = tree->Canvas()->Paints();
        Paint(tree);
        EXPECT_GT(tree->Canvas()->Paints(), before);
    }
    /// The text the tree draws for a Sim's node.
    static std::string NodeLabel(FTFrame* tree, int32_t simId) {
        const int node = tree->Tree().NodeOf(simId);
        EXPECT_GE(node, 0) << simId;
        return node < 0 ? "<no node>" : tree->Tree().Label(tree->Registry(), node);
    }
    /// Deletes a Sim with the main window's Delete command, answering Yes; `child` is the
    /// child the question names, if any.
    static void DeleteThroughFrame(NestrelFrame& frame, const std::string& family, const std::string& first,
                                   const std::string& child = "") {
        ChooseFamily(frame, family);
        ChooseSim(frame, first);
        std::string question = "Are you sure you want to delete " + first + " " + family + "?";
        if (!child.empty())
            question += "\n\nThis also changes:\nChild who keeps the deleted Sim as a typed-in parent: " + child;
        wxTEST_DIALOG(frame.ProcessCommand(ID_DELETE_SIM), ExpectMessageBox(wxID_YES, question, "Delete Item"));
    }
    Sim *gran = nullptr, *mom = nullptr, *dad = nullptr, *kid = nullptr;
};

TEST_F(TreeWindowTest, OpensBlankAndShowsTheDeepestChartAfterYes) {
    NestrelFrame& frame = Build();
    Family3(frame.Registry());
    FTFrame* tree = OpenTree(frame);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(Utf8(tree->GetTitle()), "Family Tree");
    EXPECT_EQ(tree->GetMinSize(), wxSize(300, 300));
    EXPECT_EQ(tree->Tree().RootSimId(), -1);
    wxTEST_DIALOG(Tool(tree, FTFrame::ID_NEW_TREE),
                  ExpectMessageBox(wxID_YES, "Show the biggest family?", "Question"));
    EXPECT_EQ(tree->Tree().RootSimId(), kid->id);
    Paint(tree);
    tree->Close(true);
}

TEST_F(TreeWindowTest, YesWithoutParentsLeavesTheChartAsItWas) {
    NestrelFrame& frame = Build();
    Family* lee = AddFamily(frame.Registry(), "Lee");
    AddMember(frame.Registry(), lee, "Ann", kLeo, false);
    FTFrame* tree = OpenTree(frame);
    ASSERT_NE(tree, nullptr);
    wxTEST_DIALOG(Tool(tree, FTFrame::ID_NEW_TREE), ExpectMessageBox(wxID_YES, "", "Question"));
    EXPECT_EQ(tree->Tree().RootSimId(), -1);
    tree->Close(true);
}

TEST_F(TreeWindowTest, NoOpensPickASimWithEverySim) {
    NestrelFrame& frame = Build();
    Family3(frame.Registry());
    FTFrame* tree = OpenTree(frame);
    ASSERT_NE(tree, nullptr);
    wxTEST_DIALOG(Tool(tree, FTFrame::ID_NEW_TREE), ExpectMessageBox(wxID_NO, "", "Question"),
                  Answer<TransferDlg>([](TransferDlg* dlg) {
                      EXPECT_EQ(Utf8(dlg->GetTitle()), "Pick A Sim");
                      EXPECT_EQ(dlg->List()->GetCount(), 5u);
                      EXPECT_EQ(Utf8(dlg->MoveText()->GetLabel()), "");
                      EXPECT_TRUE(dlg->List()->SetStringSelection("Mom Lee"));
                      return dlg->Accept() ? wxID_OK : wxID_CANCEL;
                  }));
    EXPECT_EQ(tree->Tree().RootSimId(), mom->id);
    tree->Close(true);
}

TEST_F(TreeWindowTest, SavePictureWritesAPngAndAValidSvg) {
    NestrelFrame& frame = Build();
    Family3(frame.Registry());
    kid->dad.SetName("Typed <Dad> & Co");
    FTFrame* tree = OpenTree(frame);
    ASSERT_NE(tree, nullptr);
    // Without a chart there is nothing to save.
    wxTEST_DIALOG(Tool(tree, FTFrame::ID_SAVE_PICTURE), ExpectMessageBox(wxID_OK, "", "Message"));
    wxTEST_DIALOG(Tool(tree, FTFrame::ID_NEW_TREE), ExpectMessageBox(wxID_YES, "", "Question"));

    std::string asked = root_ / "chart";
    FileNameAsker old = SetFileNameAsker([&](const FileNameRequest&) { return wxString::FromUTF8(asked); });
    Tool(tree, FTFrame::ID_SAVE_PICTURE);
    wxImage png;
    ASSERT_TRUE(png.LoadFile(wxString::FromUTF8(root_ / "chart.png"), wxBITMAP_TYPE_PNG));
    EXPECT_GT(png.GetWidth(), 100);
    EXPECT_GT(png.GetHeight(), 50);

    asked = root_ / "chart.svg";
    Tool(tree, FTFrame::ID_SAVE_PICTURE);
    std::ifstream in(root_ / "chart.svg");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("Gran"), std::string::npos);
    const std::string check = "xmllint --noout '" + (root_ / "chart.svg") + "' && rsvg-convert -o '" +
                              (root_ / "rendered.png") + "' '" + (root_ / "chart.svg") + "'";
    EXPECT_EQ(std::system(check.c_str()), 0) << check;
    wxImage rendered;
    EXPECT_TRUE(rendered.LoadFile(wxString::FromUTF8(root_ / "rendered.png"), wxBITMAP_TYPE_PNG));

    // A folder that does not exist: the failure is reported.
    asked = root_ / "missing/chart.png";
    wxTEST_DIALOG(Tool(tree, FTFrame::ID_SAVE_PICTURE), ExpectMessageBox(wxID_OK, "", "Error"));
    SetFileNameAsker(old);
    tree->Close(true);
}

TEST_F(TreeWindowTest, DeletedSimsAreNotDrawnAndLoadClosesTheWindow) {
    NestrelFrame& frame = Build();
    Family3(frame.Registry());
    const std::string path = root_ / "three.NBD";
    ASSERT_TRUE(frame.SaveTo(path));
    FTFrame* tree = OpenTree(frame);
    ASSERT_NE(tree, nullptr);
    wxWeakRef<FTFrame> weak(tree);
    wxTEST_DIALOG(Tool(tree, FTFrame::ID_NEW_TREE), ExpectMessageBox(wxID_YES, "", "Question"));
    frame.Registry().RemoveSim(mom);
    frame.Registry().RemoveSim(kid);
    Paint(tree);
    EXPECT_GT(tree->Canvas()->Paints(), 0);
    EXPECT_EQ(tree->Tree().SimOf(frame.Registry(), tree->Tree().RootIndex()), nullptr);
    ASSERT_TRUE(frame.LoadFile(path));
    PumpEvents();
    EXPECT_FALSE(weak.get() != nullptr && !weak->IsBeingDeleted());
}

// The main window's own commands change the neighborhood under an open chart: Delete, a
// transfer to another family and deleting a homeless family. Each paint after that reads
// only Sims that still exist; New then takes the window away with the old neighborhood.
TEST_F(TreeWindowTest, FrameCommandsChangeTheChartUnderAnOpenWindowAndNewClosesIt) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family3(registry);
    // Dad's father lives in a homeless family; Pat's family takes Dad in.
    Family* old = AddFamily(registry, "Old", true);
    Sim* grandpa = AddMember(registry, old, "Grandpa", kLeo, true);
    dad->dad.SetSim(grandpa->id);
    AddMember(registry, AddFamily(registry, "Park"), "Pat", kLeo, false);
    frame.RefreshFamilies();
    const int32_t momId = mom->id, dadId = dad->id, granId = gran->id, grandpaId = grandpa->id;

    FTFrame* tree = OpenTree(frame);
    ASSERT_NE(tree, nullptr);
    wxWeakRef<FTFrame> weak(tree);
    wxTEST_DIALOG(Tool(tree, FTFrame::ID_NEW_TREE), ExpectMessageBox(wxID_YES, "", "Question"));
    ASSERT_EQ(tree->Tree().RootSimId(), kid->id);
    PaintNow(tree);
    EXPECT_EQ(NodeLabel(tree, momId), "Mom");
    EXPECT_EQ(NodeLabel(tree, grandpaId), "Grandpa");

    DeleteThroughFrame(frame, "Lee", "Mom", "Kid Lee");
    ASSERT_EQ(registry.FindSim(momId), nullptr);
    PaintNow(tree);
    EXPECT_EQ(NodeLabel(tree, momId), "");
    EXPECT_EQ(NodeLabel(tree, granId), "Gran");

    ChooseFamily(frame, "Lee");
    ChooseSim(frame, "Dad");
    wxTEST_DIALOG(frame.ProcessCommand(ID_TRANSFER), Answer<TransferDlg>([](TransferDlg* dlg) {
                      EXPECT_TRUE(dlg->List()->SetStringSelection("Park"));
                      return dlg->Accept() ? wxID_OK : wxID_CANCEL;
                  }));
    ASSERT_NE(registry.FindSim(dadId), nullptr);
    EXPECT_EQ(registry.FindSim(dadId)->family, registry.families.FindByName("Park"));
    PaintNow(tree);
    EXPECT_EQ(NodeLabel(tree, dadId), "Dad");

    wxTEST_DIALOG(frame.ProcessCommand(ID_HOMELESS),
                  Answer<HomelessDlg>([](HomelessDlg* dlg) {
                      EXPECT_EQ(dlg->List()->GetItemCount(), 1);
                      dlg->List()->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
                      dlg->DeleteFamily();
                      return wxID_OK;
                  }),
                  ExpectMessageBox(wxID_YES, "", "Delete Family?"));
    ASSERT_EQ(registry.FindSim(grandpaId), nullptr);
    PaintNow(tree);
    EXPECT_EQ(NodeLabel(tree, grandpaId), "");
    EXPECT_EQ(NodeLabel(tree, dadId), "Dad");

    // The root itself goes: the chart is empty, and still painted without harm.
    DeleteThroughFrame(frame, "Lee", "Kid");
    PaintNow(tree);
    EXPECT_EQ(tree->Tree().SimOf(registry, tree->Tree().RootIndex()), nullptr);

    wxTEST_DIALOG(frame.ProcessCommand(ID_NEW),
                  ExpectMessageBox(wxID_NO, "Do you want to save your Sim data?", "Save?"));
    EXPECT_TRUE(frame.NeighborhoodIsEmpty());
    // Until the toolkit deletes it, the window has nothing left to draw.
    if (weak) {
        EXPECT_TRUE(wxTheApp->IsScheduledForDestruction(weak.get()));
        EXPECT_TRUE(weak->Tree().Nodes().empty());
        Paint(weak.get());
    }
    PumpEvents();
    EXPECT_FALSE(weak);
}

// Load through the main window's command while a chart whose root was deleted is open:
// the old window goes, and a new one charts the loaded Sims.
TEST_F(TreeWindowTest, LoadCommandReplacesTheNeighborhoodUnderAnOpenWindow) {
    NestrelFrame& frame = Build();
    Family3(frame.Registry());
    frame.RefreshFamilies();
    const std::string path = root_ / "three.NBD";
    ASSERT_TRUE(frame.SaveTo(path));

    FTFrame* first = OpenTree(frame);
    FTFrame* second = OpenTree(frame);
    ASSERT_TRUE(first && second);
    wxWeakRef<FTFrame> weakFirst(first), weakSecond(second);
    wxTEST_DIALOG(Tool(first, FTFrame::ID_NEW_TREE), ExpectMessageBox(wxID_YES, "", "Question"));
    wxTEST_DIALOG(Tool(second, FTFrame::ID_NEW_TREE), ExpectMessageBox(wxID_NO, "", "Question"),
                  Answer<TransferDlg>([](TransferDlg* dlg) {
                      EXPECT_TRUE(dlg->List()->SetStringSelection("Mom Lee"));
                      return dlg->Accept() ? wxID_OK : wxID_CANCEL;
                  }));
    DeleteThroughFrame(frame, "Lee", "Kid");
    DeleteThroughFrame(frame, "Lee", "Gran", "Mom Lee");
    PaintNow(first);
    PaintNow(second);
    EXPECT_EQ(NodeLabel(second, mom->id), "Mom");

    FileNameAsker old = SetFileNameAsker([&](const FileNameRequest&) { return wxString::FromUTF8(path); });
    wxTEST_DIALOG(frame.ProcessCommand(ID_LOAD),
                  ExpectMessageBox(wxID_NO, "Do you want to save your Sim data?", "Save?"));
    SetFileNameAsker(old);
    // Whatever is left until the toolkit deletes the windows is asked to paint.
    for (FTFrame* tree : {weakFirst.get(), weakSecond.get()}) {
        if (tree == nullptr) continue;
        EXPECT_TRUE(tree->Tree().Nodes().empty());
        tree->Canvas()->Refresh(true);
        tree->Canvas()->Update();
    }
    PumpEvents();
    EXPECT_FALSE(weakFirst);
    EXPECT_FALSE(weakSecond);

    const Sim* kidAgain = frame.Registry().FindSimByName("Kid Lee");
    ASSERT_NE(kidAgain, nullptr);
    FTFrame* fresh = OpenTree(frame);
    ASSERT_NE(fresh, nullptr);
    wxTEST_DIALOG(Tool(fresh, FTFrame::ID_NEW_TREE), ExpectMessageBox(wxID_YES, "", "Question"));
    EXPECT_EQ(fresh->Tree().RootSimId(), kidAgain->id);
    PaintNow(fresh);
    EXPECT_EQ(NodeLabel(fresh, kidAgain->id), "Kid");
    Tool(fresh, FTFrame::ID_CLOSE_TREE);
    PumpEvents();
}

TEST_F(TreeWindowTest, TwoWindowsKeepTheirOwnRoots) {
    NestrelFrame& frame = Build();
    Family3(frame.Registry());
    FTFrame* first = OpenTree(frame);
    FTFrame* second = OpenTree(frame);
    ASSERT_TRUE(first && second);
    ASSERT_NE(first, second);
    wxTEST_DIALOG(Tool(first, FTFrame::ID_NEW_TREE), ExpectMessageBox(wxID_YES, "", "Question"));
    EXPECT_EQ(first->Tree().RootSimId(), kid->id);
    EXPECT_EQ(second->Tree().RootSimId(), -1);
    first->Close(true);
    second->Close(true);
}

TEST_F(TreeWindowTest, MissingToolPicturesAreDrawnFromTheCompiledInIcons) {
    NestrelFrame& frame = Build();
    SetResSearchDirs({});
    ASSERT_TRUE(FindResFile("newtree.bmp").empty()) << "the working folder has its own res/";
    FTFrame* tree = OpenTree(frame);
    ASSERT_NE(tree, nullptr);
    wxToolBar* tools = tree->GetToolBar();
    ASSERT_NE(tools, nullptr);
    for (int id = FTFrame::ID_NEW_TREE; id <= FTFrame::ID_PRINT_PREVIEW; ++id) {
        const wxToolBarToolBase* tool = tools->FindById(id);
        ASSERT_NE(tool, nullptr) << id;
        EXPECT_TRUE(tool->GetNormalBitmap().IsOk()) << id;
    }
    EXPECT_EQ(Utf8(tools->FindById(FTFrame::ID_CLOSE_TREE)->GetShortHelp()), "Close family tree display");
    EXPECT_EQ(Utf8(tools->FindById(FTFrame::ID_REFRESH_TREE)->GetShortHelp()), "Refresh display");
    EXPECT_EQ(Utf8(tools->FindById(FTFrame::ID_PRINT)->GetLabel()), "Print...");
    EXPECT_EQ(Utf8(tools->FindById(FTFrame::ID_PRINT_PREVIEW)->GetLabel()), "Print Preview...");
    tree->Close(true);
}

/// A tree window with a chart, for the zoom, click and orientation tests.
class TreeChartWindowTest : public TreeWindowTest {
protected:
    /// The point of the canvas over the middle of a Sim's name, or (-1, -1).
    static wxPoint PointOf(FTFrame* tree, int32_t simId) {
        for (const ChartBox& box : tree->Layout().boxes) {
            if (box.simId != simId) continue;
            const double zoom = tree->Zoom();
            const wxPoint chart(static_cast<int>((box.x + box.width / 2) * zoom),
                                static_cast<int>((box.y + box.height / 2) * zoom));
            return tree->Canvas()->CalcScrolledPosition(chart) + tree->Canvas()->ChartOffset();
        }
        return {-1, -1};
    }
    static void Mouse(FTFrame* tree, wxEventType type, const wxPoint& at, bool leftDown = false) {
        wxMouseEvent event(type);
        event.SetPosition(at);
        event.SetEventObject(tree->Canvas());
        event.m_leftDown = leftDown;
        tree->Canvas()->GetEventHandler()->ProcessEvent(event);
    }
    static void Click(FTFrame* tree, const wxPoint& at) {
        Mouse(tree, wxEVT_LEFT_DOWN, at, true);
        Mouse(tree, wxEVT_LEFT_UP, at);
    }
    static void Wheel(FTFrame* tree, int rotation, bool control) {
        wxMouseEvent event(wxEVT_MOUSEWHEEL);
        event.SetPosition(wxPoint(10, 10));
        event.SetEventObject(tree->Canvas());
        event.m_wheelRotation = rotation;
        event.m_wheelDelta = 120;
        event.m_controlDown = control;
        tree->Canvas()->GetEventHandler()->ProcessEvent(event);
    }
    static void Switch(FTFrame* tree, int id, bool on) {
        tree->GetToolBar()->ToggleTool(id, on);
        wxCommandEvent click(wxEVT_MENU, id);
        click.SetInt(on ? 1 : 0);
        click.SetEventObject(tree);
        tree->GetEventHandler()->ProcessEvent(click);
    }
    static bool HasName(FTFrame* tree, const std::string& text) {
        for (const ChartBox& box : tree->Layout().boxes)
            if (box.text == text) return true;
        return false;
    }
    FTFrame* OpenOnDeepest(NestrelFrame& frame) {
        FTFrame* tree = OpenTree(frame);
        if (tree == nullptr) return nullptr;
        tree->SetSize(750, 640);
        PumpEvents();
        wxTEST_DIALOG(Tool(tree, FTFrame::ID_NEW_TREE), ExpectMessageBox(wxID_YES, "", "Question"));
        return tree;
    }
};

TEST_F(TreeChartWindowTest, ZoomToolsWheelAndFitScaleTheScrollableArea) {
    NestrelFrame& frame = Build();
    Family3(frame.Registry());
    FTFrame* tree = OpenOnDeepest(frame);
    ASSERT_NE(tree, nullptr);
    PaintNow(tree);
    const ChartLayout layout = tree->Layout();
    ASSERT_FALSE(layout.Empty());
    // A small chart opens at normal size, the scrollable area the chart's size.
    EXPECT_DOUBLE_EQ(tree->Zoom(), 1.0);
    EXPECT_EQ(tree->Canvas()->ChartArea(), wxSize(layout.width, layout.height));

    Tool(tree, FTFrame::ID_ZOOM_IN);
    EXPECT_DOUBLE_EQ(tree->Zoom(), 1.25);
    EXPECT_EQ(tree->Canvas()->ChartArea().x, static_cast<int>(std::ceil(layout.width * 1.25)));
    Wheel(tree, 120, true);
    EXPECT_DOUBLE_EQ(tree->Zoom(), 1.5);
    Wheel(tree, -120, false);  // without Ctrl the wheel scrolls
    EXPECT_DOUBLE_EQ(tree->Zoom(), 1.5);
    Wheel(tree, -120, true);
    Tool(tree, FTFrame::ID_ZOOM_OUT);
    Tool(tree, FTFrame::ID_ZOOM_OUT);
    EXPECT_DOUBLE_EQ(tree->Zoom(), 0.8);
    Tool(tree, FTFrame::ID_ZOOM_FIT);
    EXPECT_DOUBLE_EQ(tree->Zoom(), 1.0);  // fits at normal size: never enlarged
    PaintNow(tree);

    // The keys: Ctrl with plus, minus and 0 are the window's accelerators.
    wxAcceleratorTable* keys = tree->GetAcceleratorTable();
    ASSERT_TRUE(keys != nullptr && keys->IsOk());
    tree->Close(true);
}

TEST_F(TreeChartWindowTest, AChartTooWideToReadFittedOpensAtNormalSizeAtTheRootAndFitsOnRequest) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    // Six full generations of long names: far wider than the window.
    Family* lee = AddFamily(registry, "Lee");
    int serial = 0;
    Sim* root = AddMember(registry, lee, "RootOfALongFamily", kLeo, false);
    std::vector<Sim*> level{root};
    for (int g = 1; g < 6; ++g) {
        std::vector<Sim*> above;
        for (Sim* sim : level) {
            Sim* mom = AddMember(registry, lee, "MotherLong" + std::to_string(++serial), kLeo, false);
            Sim* dad = AddMember(registry, lee, "FatherLong" + std::to_string(++serial), kLeo, true);
            sim->mom.SetSim(mom->id);
            sim->dad.SetSim(dad->id);
            above.push_back(mom);
            above.push_back(dad);
        }
        level = std::move(above);
    }
    FTFrame* tree = OpenOnDeepest(frame);
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->Tree().RootSimId(), root->id);
    EXPECT_DOUBLE_EQ(tree->Zoom(), 1.0);
    // Scrolled to the root at the bottom middle: the root's name is in view.
    const wxPoint at = PointOf(tree, root->id);
    const wxSize client = tree->Canvas()->GetClientSize();
    EXPECT_TRUE(at.x >= 0 && at.y >= 0 && at.x < client.x && at.y < client.y) << at.x << "," << at.y;
    EXPECT_EQ(tree->Canvas()->ChartArea(), wxSize(tree->Layout().width, tree->Layout().height));
    EXPECT_GT(tree->Canvas()->GetScrollRange(wxHORIZONTAL) * 10, client.x);

    Tool(tree, FTFrame::ID_ZOOM_FIT);
    EXPECT_LT(tree->Zoom(), 0.6);
    EXPECT_LE(tree->Canvas()->ChartArea().x, client.x + 1);
    EXPECT_LE(tree->Canvas()->ChartArea().y, client.y + 1);

    // Spread over pages it needs several; fitted, one.
    // The preview counts the pages when it first draws one.
    if (wxPrintPreview* spread = tree->PrintPreview(false)) {
        PumpEvents();
        EXPECT_GT(spread->GetMaxPage(), 1);
        spread->GetFrame()->Close(true);
        wxPrintPreview* fitted = tree->PrintPreview(true);
        ASSERT_NE(fitted, nullptr);
        PumpEvents();
        EXPECT_EQ(fitted->GetMaxPage(), 1);
        fitted->GetFrame()->Close(true);
    } else {
        ADD_FAILURE() << "no print preview";
    }
    PumpEvents();
    tree->Close(true);
}

TEST_F(TreeChartWindowTest, ClickingANameMakesItTheRootAndDoubleClickingEditsIt) {
    NestrelFrame& frame = Build();
    Family3(frame.Registry());
    FTFrame* tree = OpenOnDeepest(frame);
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->Tree().RootSimId(), kid->id);
    // A click beside the names changes nothing.
    Click(tree, wxPoint(1, 1));
    EXPECT_EQ(tree->Tree().RootSimId(), kid->id);

    const wxPoint atMom = PointOf(tree, mom->id);
    ASSERT_GE(atMom.x, 0);
    Click(tree, atMom);
    EXPECT_EQ(tree->Tree().RootSimId(), mom->id);
    EXPECT_TRUE(HasName(tree, "Gran"));
    EXPECT_FALSE(HasName(tree, "Kid"));

    // A drag pans and chooses nothing.
    const wxPoint atGran = PointOf(tree, gran->id);
    Mouse(tree, wxEVT_LEFT_DOWN, atGran, true);
    Mouse(tree, wxEVT_MOTION, atGran + wxPoint(40, 40), true);
    Mouse(tree, wxEVT_LEFT_UP, atGran + wxPoint(40, 40));
    EXPECT_EQ(tree->Tree().RootSimId(), mom->id);

    // A double click on Gran: the first click makes her the root, the double click opens
    // the Edit Sim dialog on her; a changed name shows in the chart.
    wxMilliSleep(700);  // not part of a double click with the click before
    const wxPoint again = PointOf(tree, gran->id);
    wxTEST_DIALOG(
        {
            Click(tree, again);
            Mouse(tree, wxEVT_LEFT_DCLICK, again, true);
        },
        Answer<EditSimDialog>([](EditSimDialog* dlg) {
            EXPECT_EQ(Utf8(dlg->GetTitle()), "Editing Gran Lee");
            dlg->Book()->BasicPage()->FirstName()->SetValue("Granny");
            return dlg->Accept() ? wxID_OK : wxID_CANCEL;
        }));
    EXPECT_EQ(tree->Tree().RootSimId(), gran->id);
    EXPECT_EQ(gran->firstName, "Granny");
    EXPECT_TRUE(frame.IsModified());
    EXPECT_TRUE(HasName(tree, "Granny"));
    tree->Close(true);
}

TEST_F(TreeChartWindowTest, OrientationIsRememberedAndDescendantsAndRefreshRebuildTheChart) {
    NestrelFrame& frame = Build();
    Family3(frame.Registry());
    frame.RefreshFamilies();
    FTFrame* tree = OpenOnDeepest(frame);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->Orientation(), ChartOrientation::Upright);
    const ChartBox root = tree->Layout().boxes[0];
    EXPECT_EQ(root.y + root.height + 20, tree->Layout().height);  // the root at the bottom

    Switch(tree, FTFrame::ID_SIDEWAYS, true);
    EXPECT_EQ(tree->Orientation(), ChartOrientation::Sideways);
    EXPECT_EQ(tree->Layout().boxes[0].x, 20);  // the root at the left
    EXPECT_EQ(ReadConfigText(ConfigKey::TreeSideways), "1");
    // A new window opens sideways.
    FTFrame* second = OpenTree(frame);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Orientation(), ChartOrientation::Sideways);
    EXPECT_TRUE(second->GetToolBar()->GetToolState(FTFrame::ID_SIDEWAYS));
    second->Close(true);
    Switch(tree, FTFrame::ID_SIDEWAYS, false);
    EXPECT_EQ(ReadConfigText(ConfigKey::TreeSideways), "0");

    // Descendants of Gran: Mom below her, Kid below Mom.
    tree->ShowSim(gran->id);
    Switch(tree, FTFrame::ID_DESCENDANTS, true);
    EXPECT_EQ(tree->Kind(), ChartKind::Descendants);
    EXPECT_TRUE(HasName(tree, "Mom"));
    EXPECT_TRUE(HasName(tree, "Kid"));
    EXPECT_EQ(tree->Layout().boxes[0].y, 20);  // the root at the top

    // A child added after the window opened shows after "Refresh display".
    Sim* late = AddMember(frame.Registry(), frame.Registry().families.FindByName("Lee"), "Late", kLeo, false);
    late->mom.SetSim(gran->id);
    PaintNow(tree);
    EXPECT_FALSE(HasName(tree, "Late"));
    Tool(tree, FTFrame::ID_REFRESH_TREE);
    EXPECT_EQ(tree->Tree().RootSimId(), gran->id);
    EXPECT_TRUE(HasName(tree, "Late"));
    PaintNow(tree);
    // When the root's Sim is gone, the rebuilt chart is empty.
    ChooseFamily(frame, "Lee");
    ChooseSim(frame, "Gran");
    wxTEST_DIALOG(frame.ProcessCommand(ID_DELETE_SIM),
                  ExpectMessageBox(wxID_YES,
                                   "Are you sure you want to delete Gran Lee?\n\nThis also changes:\nChildren who keep "
                                   "the deleted Sim as a typed-in parent: Mom Lee, Late Lee",
                                   "Delete Item"));
    Tool(tree, FTFrame::ID_REFRESH_TREE);
    EXPECT_EQ(tree->Tree().RootSimId(), -1);
    EXPECT_TRUE(tree->Layout().Empty());
    PaintNow(tree);
    tree->Close(true);
}

}  // namespace
