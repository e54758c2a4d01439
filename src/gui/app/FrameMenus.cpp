#include <wx/intl.h>
#include <wx/menu.h>

#include "app/MenuTable.h"
#include "app/NestrelFrame.h"

void NestrelFrame::BuildMenuBar() {
    auto* menuBar = new wxMenuBar;
    for (const MenuSpec& menuDef : MainMenuTable()) {
        auto* menu = new wxMenu;
        for (const MenuItemSpec& item : menuDef.items) {
            if (item.id == kMenuSeparator)
                menu->AppendSeparator();
            else
                menu->Append(item.id, wxGetTranslation(item.label), wxGetTranslation(item.help), wxITEM_NORMAL);
        }
        menuBar->Append(menu, wxGetTranslation(menuDef.title));
    }
    SetMenuBar(menuBar);
}
