#include "app/NestrelFrame.h"

// The family, Sim and display lists arrive here.
void NestrelFrame::RefreshFamilies() {}
void NestrelFrame::FillSims() {}
void NestrelFrame::RefreshDisplay() {}
void NestrelFrame::ClearDisplayList() {}
void NestrelFrame::EnableHourChoice(bool) {}
void NestrelFrame::BindListCommands() {}
