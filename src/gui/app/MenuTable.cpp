#include "app/MenuTable.h"

#include "app/CommandIds.h"

namespace {

constexpr MenuItemSpec Separator{kMenuSeparator, "", ""};

}  // namespace

const std::vector<MenuSpec>& MainMenuTable() {
    static const std::vector<MenuSpec> table = {
        {"&File",
         {
             {ID_NEW, "&New\tCtrl-N", "New Nestrel file"},
             {ID_SAVE, "&Save\tCtrl-S", "Save current Nestrel file"},
             {ID_SAVE_AS, "Sa&ve As\tCtrl-V", "Save Sims with a different file name"},
             {ID_LOAD, "&Load File\tCtrl-L", "Load a Nestrel file"},
             {ID_BACKUP, "&Backup File\tCtrl-B", "Save Sims to a backup file"},
             {ID_EXPORT_GEDCOM, "Export &GEDCOM...", "Write the family history as a GEDCOM file for genealogy programs"},
             {ID_IMPORT, "&Import Sims...\tCtrl-I", "Import Sims from a file"},
             {ID_FILE_PROPERTIES, "&File Properties", "Show some neighborhood statistics"},
             Separator,
             {ID_SETTINGS, "Se&ttings", "Configure Nestrel settings"},
             {ID_EXIT, "E&xit\tAlt-X", "Quit this program"},
         }},
        {"&Edit",
         {
             {ID_UNDO, "&Undo\tCtrl+Z", "Take back the last change"},
             {ID_REDO, "&Redo\tCtrl+Shift+Z", "Make the change taken back last again"},
         }},
        {"&Show",
         {
             {ID_MATCHMAKER, "&MatchMaker\tCtrl-M", "Show an organizer/matchmaker dialog for your neighborhood"},
             {ID_CHEMISTRY, "&Chemistry\tCtrl-C", "Show the chemistry for all sims"},
             {ID_CHEMISTRY_MATCHING, "Chemistry Ma&tching", "Generate best possible matches based on chemistry"},
             Separator,
             {ID_SIM_GROUPS, "Show Sim &Groups", "Shows a specific group of Sims, such as Townies"},
             {ID_FAMILY_NAMES, "Show Family &Names", "Lists the names of every family"},
             {ID_HOMELESS, "Show &Homeless\tCtrl-H",
              "Shows currently homeless families; you can move them in from this dialog."},
         }},
        {"&List",
         {
             {ID_ADD_FAMILY, "&Add Family\tCtrl-A", "Add a family"},
             {ID_EDIT_FAMILY, "&Edit Family", "Edit selected family"},
             {ID_DELETE_SIM, "&Delete Selected Sim\tCtrl-D", "Delete selected Sim"},
             Separator,
             {ID_MOVE_OUT, "Move &Out Sims", "Move out some sims from the current family"},
             {ID_EVICT, "E&vict Family", "Evict selected family; none of the members will be available to call."},
             {ID_TRANSFER, "T&ransfer Sim\tCtrl-R", "Transfer current Sim to a new family"},
             Separator,
             {ID_REFRESH, "Refresh Sim List\tF5", "Refresh the list of families"},
         }},
        {"F&riends",
         {
             {ID_SHOW_FRIENDS, "Show Current &Friends\tCtrl-Q", "Show current friends of the selected Sim"},
             {ID_POSSIBLE_FRIENDS, "Show &Possible Friends\tCtrl-W", "Show possible friends for the selected Sim"},
             {ID_CHEMISTRY_SIMS, "Show &Chemistry Matches", "Show chemistry matches of the selected Sim"},
             Separator,
             {ID_LIKES_CHART, "Show &Likes/Dislikes Chart",
              "Shows the astrological signs that each sign likes or dislikes"},
         }},
        {"&Tools",
         {
             {ID_FIND_SIM, "&Find Sim\tCtrl-F", "Search for a Sim by first name"},
             {ID_NAME_GENERATOR, "&Name Generator", "Generate a random name for your new Sim"},
             {ID_CREATE_TREE, "Create Family &Tree...", "Set up the Family Tree for all of your Sims"},
             {ID_SHOW_TREE, "&Show Family Tree...\tCtrl-T", "Generate and display the Family Tree"},
             {ID_CAREER_INFO, "&Career Info",
              "Display information for all careers and find one that suits your Sim's skills"},
         }},
        {"&Help",
         {
             {ID_HELP, "Help\tF1", "Show help contents"},
             {ID_ABOUT, "About Nestrel", "Show the about dialog"},
             {ID_CHECK_UPDATES, "Check for updates", "Queries the website for a newer version"},
         }},
    };
    return table;
}
