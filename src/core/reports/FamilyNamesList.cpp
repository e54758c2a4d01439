#include "reports/FamilyNamesList.h"

#include <algorithm>

#include "base/Text.h"
#include "base/Utf8Text.h"
#include "model/Family.h"
#include "model/FamilyList.h"

std::vector<std::string> FamilyNamesInNameOrder(const FamilyList& families) {
    std::vector<const Family*> order;
    order.reserve(families.Count());
    for (const Family* family : families) order.push_back(family);
    std::stable_sort(order.begin(), order.end(),
                     [](const Family* a, const Family* b) { return CompareNoCase(a->name, b->name) < 0; });
    std::vector<std::string> names;
    names.reserve(order.size());
    for (const Family* family : order) names.push_back(TextAsUtf8(family->name));
    return names;
}
