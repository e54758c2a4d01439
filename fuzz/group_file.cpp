// Parses arbitrary bytes as a group file, looks up keys in every group and
// checks that writing the groups and reading them back keeps names and keys.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "storage/GroupFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    GroupFile file = GroupFile::ParseGroups(std::string(reinterpret_cast<const char*>(data), size));
    for (const Group& g : file) {
        std::string_view v;
        g.FindValue("NumMembers", v);
        g.FindValue("Name0", v);
        g.FindValue("a=b", v);
        g.FindValue("", v);
        (void)g.LineCount();
    }
    // A written file reads back to the same groups, except that a nameless
    // group after the first joins the group before it (it has no header).
    GroupFile again = GroupFile::ParseGroups(file.ToText());
    size_t expected = 0;
    for (size_t i = 0; i < file.Size(); ++i)
        if (i == 0 || !file.At(i).Name().empty()) ++expected;
    if (file.Size() && file.At(0).Name().empty() && file.At(0).Body().empty()) --expected;
    if (again.Size() != expected) abort();
    size_t j = 0;
    for (size_t i = 0; i < file.Size(); ++i) {
        if (i > 0 && file.At(i).Name().empty()) continue;
        if (i == 0 && file.At(0).Name().empty() && file.At(0).Body().empty()) continue;
        if (again.At(j).Name() != file.At(i).Name()) abort();
        ++j;
    }
    return 0;
}
