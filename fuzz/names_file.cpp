// Fuzzes the names file reader: any bytes must load without a crash or a
// hang, and whatever loaded must survive a save and a second load unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "base/FileIO.h"
#include "names/WordFileNames.h"

namespace {

std::string TempPath(const char* what) {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(base) + "/nestrel_fuzz_names_" + std::to_string(getpid()) + "_" + what;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = TempPath("in.snf");
    static const std::string output = TempPath("out.snf");
    if (!WriteFileAtomically(input, std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;

    WordFileNames names;
    if (!names.Load(input)) return 0;
    names.RandomFemale();
    names.RandomMale();
    names.RandomLast();

    if (!names.Save(output)) abort();
    WordFileNames again;
    if (!again.Load(output)) abort();
    if (again.femaleNames != names.femaleNames || again.maleNames != names.maleNames ||
        again.lastNames != names.lastNames)
        abort();

    // Adding a name already there (in any case) must be refused.
    if (!names.femaleNames.empty() && names.AddFemale(names.femaleNames.front())) abort();
    return 0;
}
