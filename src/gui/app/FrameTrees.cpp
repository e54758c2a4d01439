// The family tree commands: the parents' set-up dialog and the tree windows.
#include <wx/config.h>
#include <wx/toplevel.h>

#include "app/CommandIds.h"
#include "app/ConfigStore.h"
#include "app/NestrelFrame.h"
#include "common/WxString.h"
#include "common/MessageBox.h"
#include "familytree/EnterFamilyTreeDlg.h"
#include "familytree/FTFrame.h"

void NestrelFrame::BindTreeCommands() {
    Bind(wxEVT_MENU, &NestrelFrame::OnCreateTree, this, ID_CREATE_TREE);
    Bind(wxEVT_MENU, &NestrelFrame::OnShowTree, this, ID_SHOW_TREE);
}

void NestrelFrame::OnCreateTree(wxCommandEvent&) {
    if (registry_.IsEmpty()) {
        ShowNotice(_("No families!"), wxGetTranslation(Caption::Message), this);
        return;
    }
    registry_.SortAndIndex();
    bool changed = false;
    {
        HistoryStep step(&history_, ToStd(_("Set Up Family Tree")));
        EnterFamilyTreeDlg dlg(this, registry_);
        dlg.ShowModal();
        changed = dlg.Changed();
        StepDone(step.Finish());
    }
    (void)changed;
    RefreshFamilies();
}

void NestrelFrame::OnShowTree(wxCommandEvent&) {
    TreeWindowContext context;
    context.careers = &careerInfo_.careers;
    context.sideways = ReadConfigText(ConfigKey::TreeSideways) == "1";
    context.sidewaysChanged = [](bool sideways) {
        wxConfigBase* config = wxConfigBase::Get();
        config->Write(ConfigKey::TreeSideways, sideways ? "1" : "0");
        config->Flush();
    };
    // A Sim edited from the chart: the lists show it and the neighborhood is modified.
    context.history = &history_;
    context.simEdited = [this] {
        StepDone(true);
        RefreshFamilies();
    };
    auto* window = new FTFrame(this, registry_, std::move(context));
    window->Show();
    window->SetMinSize(wxSize(300, 300));
}

void NestrelFrame::CloseFamilyTrees() {
    for (wxWindow* window : wxTopLevelWindows) {
        auto* tree = dynamic_cast<FTFrame*>(window);
        if (tree == nullptr || tree->GetParent() != this || tree->IsBeingDeleted()) continue;
        // Nothing is drawn from the old neighborhood even before the window is gone.
        tree->Forget();
        tree->Destroy();
    }
}
