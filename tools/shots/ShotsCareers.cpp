// Pictures of the career windows, on the shipped career table.
#include <wx/checklst.h>

#include "ShotRegistry.h"
#include "app/NestrelFrame.h"
#include "careers/CareerDlg.h"
#include "careers/CareerSkillsDlg.h"
#include "careers/FindCareerDlg.h"

namespace {

ShotRegistration careerInfoShot("career-info", [](ShotContext& shot) -> wxWindow* {
    return new CareerDlg(&shot.frame, &shot.frame.CareerInfo().careers);
});

ShotRegistration careerSkillsShot("career-skills", [](ShotContext& shot) -> wxWindow* {
    return new CareerSkillsDlg(&shot.frame, shot.frame.CareerInfo().careers);
});

ShotRegistration findCareerShot("find-career", [](ShotContext& shot) -> wxWindow* {
    // The finder sits on the career window, as when "Match Skills" opens it; the
    // career window is not shown.
    auto* owner = new CareerDlg(&shot.frame, &shot.frame.CareerInfo().careers);
    auto* dlg = new FindCareerDlg(owner, &shot.frame.CareerInfo().careers);
    for (int skill : {0, 3, 5}) dlg->ToggleSkill(skill);  // Cooking, Body, Creativity
    dlg->MatchSkills();
    return dlg;
});

}  // namespace
