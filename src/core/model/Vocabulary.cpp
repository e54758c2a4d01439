#include "model/Vocabulary.h"

#include <limits>

#include "base/Translate.h"
#include "model/TextFormat.h"

namespace {

struct SignRow {
    const char* name;
    const char* likes;
    int32_t likesMask;
    const char* dislikes;
};

// "Libra" comes before "Leo" and "Saggitarius" keeps its double g: this is the
// order and spelling the program has always stored and listed.
constexpr SignRow kSigns[kSignCount] = {
    {N_("Aquarius"), N_("Capricorn, Saggitarius"), 264, N_("Scorpio, Virgo")},
    {N_("Aries"), N_("Gemini, Taurus"), 1040, N_("Cancer, Libra")},
    {N_("Cancer"), N_("Taurus, Scorpio"), 1536, N_("Gemini, Aries")},
    {N_("Capricorn"), N_("Aquarius, Taurus"), 1025, N_("Leo, Gemini")},
    {N_("Gemini"), N_("Pisces, Virgo"), 2176, N_("Capricorn, Aries")},
    {N_("Libra"), N_("Virgo, Cancer"), 2052, N_("Pisces, Scorpio")},
    {N_("Leo"), N_("Saggitarius, Cancer"), 260, N_("Capricorn, Gemini")},
    {N_("Pisces"), N_("Scorpio, Gemini"), 528, N_("Leo, Aries")},
    {N_("Saggitarius"), N_("Pisces, Capricorn"), 136, N_("Libra, Scorpio")},
    {N_("Scorpio"), N_("Pisces, Leo"), 192, N_("Libra, Aquarius")},
    {N_("Taurus"), N_("Aries, Libra"), 34, N_("Virgo, Cancer")},
    {N_("Virgo"), N_("Aquarius, Saggitarius"), 257, N_("Leo, Taurus")},
};

constexpr const char* kStatuses[kStatusCount] = {N_("None"), N_("Married"), N_("Committed"), N_("Single"),
                                                 N_("Matched up")};
constexpr const char* kLifeStages[kLifeStageCount] = {N_("Elder"), N_("Adult"), N_("Teen"), N_("Child")};
constexpr const char* kGenders[kGenderCount] = {N_("Male"), N_("Female")};
constexpr const char* kAspirations[kAspirationCount] = {
    N_("None"), N_("Knowledge"), N_("Family"), N_("Romance"), N_("Pleasure"), N_("Money"), N_("Popularity")};
constexpr const char* kMajors[kMajorCount] = {
    N_("Undeclared"), N_("Art"),        N_("Biology"), N_("Drama"),      N_("Economics"),         N_("History"),
    N_("Literature"), N_("Math"),       N_("Philosophy"), N_("Physics"), N_("Political Science"), N_("Psychology")};
constexpr const char* kSkills[kSkillCount] = {N_("None"),  N_("Cooking"), N_("Mechanical"), N_("Charisma"),
                                              N_("Body"),  N_("Logic"),   N_("Creativity"), N_("Cleaning")};
constexpr const char* kChemistryTypes[kChemistryTypeCount] = {N_("Medium"), N_("High"), N_("Crush or Love")};
constexpr const char* kLegacyCareers[kLegacyCareerCount] = {
    N_("Athletic"), N_("Business"), N_("Criminal"), N_("Culinary"), N_("Law Enforcement"), N_("Medical"),
    N_("Military"), N_("Politics"), N_("Science"),  N_("Slacker"),  N_("School"),          N_("Unemployed")};

template <size_t N>
std::string TableText(const char* const (&table)[N], int64_t code) {
    if (code < 0 || code >= static_cast<int64_t>(N)) return std::string();
    return tr(table[code]);
}

template <size_t N>
std::vector<std::string> TableTexts(const char* const (&table)[N]) {
    std::vector<std::string> out;
    out.reserve(N);
    for (const char* text : table) out.push_back(tr(text));
    return out;
}

bool ValidSignIndex(int index) { return index >= 0 && index < kSignCount; }

}  // namespace

int32_t SignCodeAt(int index) { return ValidSignIndex(index) ? int32_t(1) << index : 0; }

int SignIndexForCode(int32_t code) {
    for (int i = 0; i < kSignCount; ++i)
        if (code == (int32_t(1) << i)) return i;
    return -1;
}

std::string SignText(int index) {
    return ValidSignIndex(index) ? tr(kSigns[index].name) : std::string();
}
std::string SignLikesText(int index) {
    return ValidSignIndex(index) ? tr(kSigns[index].likes) : std::string();
}
std::string SignDislikesText(int index) {
    return ValidSignIndex(index) ? tr(kSigns[index].dislikes) : std::string();
}
int32_t LikesMaskForCode(int32_t code) {
    int index = SignIndexForCode(code);
    return index < 0 ? 0 : kSigns[index].likesMask;
}
std::string SignTextForCode(int32_t code) { return SignText(SignIndexForCode(code)); }
std::vector<std::string> SignTexts() {
    std::vector<std::string> out;
    for (const SignRow& row : kSigns) out.push_back(tr(row.name));
    return out;
}

std::string StatusText(int32_t code) { return TableText(kStatuses, code); }
std::vector<std::string> StatusTexts() { return TableTexts(kStatuses); }

std::string LifeStageText(int32_t code) { return TableText(kLifeStages, code); }
std::vector<std::string> LifeStageTexts() { return TableTexts(kLifeStages); }

std::string GenderText(int index) { return TableText(kGenders, index); }
std::string GenderTextForMale(bool male) { return GenderText(male ? 0 : 1); }
std::vector<std::string> GenderTexts() { return TableTexts(kGenders); }

std::string AspirationText(int32_t code) { return TableText(kAspirations, code); }
std::vector<std::string> AspirationTexts() { return TableTexts(kAspirations); }

std::string MajorText(int32_t code) { return TableText(kMajors, code); }
std::vector<std::string> MajorTexts() { return TableTexts(kMajors); }

std::string SkillText(int32_t code) { return TableText(kSkills, code); }
std::vector<std::string> SkillTexts() { return TableTexts(kSkills); }

std::string ChemistryTypeText(int32_t type) {
    if (type >= 0 && type < kChemistryTypeCount) return tr(kChemistryTypes[type]);
    if (type == 3) return tr(kChemistryTypes[kChemistryCrush]);
    return tr("None");
}
std::vector<std::string> ChemistryTypeTexts() { return TableTexts(kChemistryTypes); }

int32_t NormalizeChemistryType(int32_t type) {
    if (type >= kChemistryNone && type < kChemistryTypeCount) return type;
    if (type == 3) return kChemistryCrush;
    return kChemistryNone;
}

std::string YesText() { return tr("Yes"); }
std::string NoText() { return tr("No"); }
std::string YesNoText(bool yes) { return yes ? YesText() : NoText(); }

std::string HourEntryText(int index) {
    if (index < 0 || index >= kHourEntryCount) return std::string();
    int hour = HourValueForIndex(index);
    if (hour == 12) return tr(" 12 PM (Noon)");
    if (hour == 24) return tr(" 12 AM (Midnight)");
    if (hour < 12) return FormatText(" %d %s", hour, tr(" AM").c_str());
    return FormatText(" %d %s", hour - 12, tr(" PM").c_str());
}

int HourIndexForValue(int hour) {
    if (hour < kFirstHour || hour > kLastHour) return 0;
    return hour - kFirstHour;
}

std::vector<std::string> HourEntryTexts() {
    std::vector<std::string> out;
    for (int i = 0; i < kHourEntryCount; ++i) out.push_back(HourEntryText(i));
    return out;
}

std::string LegacyCareerText(int32_t code) { return TableText(kLegacyCareers, code); }

int32_t RenumberLegacyCareer(int32_t code) {
    switch (code) {
        case 10: return -1;
        case 11: return -2;
        case 12: return 0;
        default:
            if (code == std::numeric_limits<int32_t>::max()) return code;
            return code + 1;
    }
}
