#include "app/MenuTable.h"

#include "app/CommandIds.h"
#include "base/Translate.h"

namespace {

constexpr MenuItemSpec Separator{kMenuSeparator, "", ""};

}  // namespace

const std::vector<MenuSpec>& MainMenuTable() {
    static const std::vector<MenuSpec> table = {
        {N_("&File"),
         {
             {ID_NEW, N_("&New\tCtrl-N"), N_("New Nestrel file")},
             {ID_SAVE, N_("&Save\tCtrl-S"), N_("Save current Nestrel file")},
             {ID_SAVE_AS, N_("Sa&ve As\tCtrl-V"), N_("Save Sims with a different file name")},
             {ID_LOAD, N_("&Load File\tCtrl-L"), N_("Load a Nestrel file")},
             {ID_BACKUP, N_("&Backup File\tCtrl-B"), N_("Save Sims to a backup file")},
             {ID_EXPORT_GEDCOM, N_("Export &GEDCOM..."), N_("Write the family history as a GEDCOM file for genealogy programs")},
             {ID_IMPORT, N_("&Import Sims...\tCtrl-I"), N_("Import Sims from a file")},
             {ID_FILE_PROPERTIES, N_("&File Properties"), N_("Show some neighborhood statistics")},
             Separator,
             {ID_SETTINGS, N_("Se&ttings"), N_("Configure Nestrel settings")},
             {ID_EXIT, N_("E&xit\tAlt-X"), N_("Quit this program")},
         }},
        {N_("&Edit"),
         {
             {ID_UNDO, N_("&Undo\tCtrl+Z"), N_("Take back the last change")},
             {ID_REDO, N_("&Redo\tCtrl+Shift+Z"), N_("Make the change taken back last again")},
         }},
        {N_("&Show"),
         {
             {ID_MATCHMAKER, N_("&MatchMaker\tCtrl-M"), N_("Show an organizer/matchmaker dialog for your neighborhood")},
             {ID_CHEMISTRY, N_("&Chemistry\tCtrl-C"), N_("Show the chemistry for all sims")},
             {ID_CHEMISTRY_MATCHING, N_("Chemistry Ma&tching"), N_("Generate best possible matches based on chemistry")},
             Separator,
             {ID_SIM_GROUPS, N_("Show Sim &Groups"), N_("Shows a specific group of Sims, such as Townies")},
             {ID_FAMILY_NAMES, N_("Show Family &Names"), N_("Lists the names of every family")},
             {ID_HOMELESS, N_("Show &Homeless\tCtrl-H"),
              N_("Shows currently homeless families; you can move them in from this dialog.")},
         }},
        {N_("&List"),
         {
             {ID_ADD_FAMILY, N_("&Add Family\tCtrl-A"), N_("Add a family")},
             {ID_EDIT_FAMILY, N_("&Edit Family"), N_("Edit selected family")},
             {ID_DELETE_SIM, N_("&Delete Selected Sim\tCtrl-D"), N_("Delete selected Sim")},
             Separator,
             {ID_MOVE_OUT, N_("Move &Out Sims"), N_("Move out some sims from the current family")},
             {ID_EVICT, N_("E&vict Family"), N_("Evict selected family; none of the members will be available to call.")},
             {ID_TRANSFER, N_("T&ransfer Sim\tCtrl-R"), N_("Transfer current Sim to a new family")},
             Separator,
             {ID_REFRESH, N_("Refresh Sim List\tF5"), N_("Refresh the list of families")},
         }},
        {N_("F&riends"),
         {
             {ID_SHOW_FRIENDS, N_("Show Current &Friends\tCtrl-Q"), N_("Show current friends of the selected Sim")},
             {ID_POSSIBLE_FRIENDS, N_("Show &Possible Friends\tCtrl-W"), N_("Show possible friends for the selected Sim")},
             {ID_CHEMISTRY_SIMS, N_("Show &Chemistry Matches"), N_("Show chemistry matches of the selected Sim")},
             Separator,
             {ID_LIKES_CHART, N_("Show &Likes/Dislikes Chart"),
              N_("Shows the astrological signs that each sign likes or dislikes")},
         }},
        {N_("&Tools"),
         {
             {ID_FIND_SIM, N_("&Find Sim\tCtrl-F"), N_("Search for a Sim by first name")},
             {ID_NAME_GENERATOR, N_("&Name Generator"), N_("Generate a random name for your new Sim")},
             {ID_CREATE_TREE, N_("Create Family &Tree..."), N_("Set up the Family Tree for all of your Sims")},
             {ID_SHOW_TREE, N_("&Show Family Tree...\tCtrl-T"), N_("Generate and display the Family Tree")},
             {ID_CAREER_INFO, N_("&Career Info"),
              N_("Display information for all careers and find one that suits your Sim's skills")},
         }},
        {N_("&Help"),
         {
             {ID_HELP, N_("Help\tF1"), N_("Show help contents")},
             {ID_ABOUT, N_("About Nestrel"), N_("Show the about dialog")},
             {ID_CHECK_UPDATES, N_("Check for updates"), N_("Queries the website for a newer version")},
         }},
    };
    return table;
}
