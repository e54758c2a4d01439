#include "social/MatchmakerSettings.h"

#include "storage/GroupFile.h"

namespace {

void ReadFlag(const Group& group, std::string_view key, bool& flag) {
    std::string_view value;
    if (group.FindValue(key, value)) flag = group.FindNumber(key, 0) == 1;
}

}  // namespace

std::string MatchmakerSettings::GroupBody() const {
    std::string body;
    body += "CurrentAge=" + std::to_string(currentAge) + "\n";
    body += std::string("TownieCheck=") + (townieCheck ? "1" : "0") + "\n";
    body += std::string("ElderCheck=") + (elderCheck ? "1" : "0") + "\n";
    body += std::string("FilterMarried=") + (filterMarried ? "1" : "0") + "\n";
    body += "\r\n";
    return body;
}

void MatchmakerSettings::ReadGroup(const Group& group) {
    std::string_view value;
    if (group.FindValue("CurrentAge", value)) {
        int32_t age = group.FindNumber("CurrentAge", 0);
        // The dialog selects a radio button for 1, 2 and 3 only; another
        // stage would show lists that match no button.
        currentAge = (age >= 1 && age <= 3) ? age : MatchmakerSettings{}.currentAge;
    }
    ReadFlag(group, "TownieCheck", townieCheck);
    ReadFlag(group, "ElderCheck", elderCheck);
    ReadFlag(group, "FilterMarried", filterMarried);
}
