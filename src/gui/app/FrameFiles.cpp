#include "app/NestrelFrame.h"

// The file commands arrive here.
void NestrelFrame::ResetNeighborhood() {
    registry_.Clear();
    ClearDisplayList();
    context_.counters.Reset();
    currentFile_ = "Unsaved";
}
bool NestrelFrame::LoadFile(const std::string&) { return false; }
bool NestrelFrame::SaveTo(const std::string&) { return false; }
bool NestrelFrame::PromptToSave() { return true; }
void NestrelFrame::BindFileCommands() {}
