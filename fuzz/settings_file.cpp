// Fuzzes the program settings reader: any bytes must read without a crash,
// and the settings it produced must write and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "base/FileIO.h"
#include "social/MatchmakerSettings.h"
#include "storage/ProgramSettings.h"

namespace {

std::string TempPath(const char* what) {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(base) + "/nestrel_fuzz_settings_" + std::to_string(getpid()) + "_" + what;
}

bool Same(const ProgramSettings& a, const ProgramSettings& b) {
    return a.askToSave == b.askToSave && a.highlight == b.highlight &&
           a.firstOrder == b.firstOrder && a.secondOrder == b.secondOrder &&
           a.textColor == b.textColor && a.bgColor == b.bgColor && a.hlBgColor == b.hlBgColor &&
           a.hlColor == b.hlColor && a.lcColor == b.lcColor && a.lcBgColor == b.lcBgColor;
}

bool Same(const MatchmakerSettings& a, const MatchmakerSettings& b) {
    return a.currentAge == b.currentAge && a.townieCheck == b.townieCheck &&
           a.elderCheck == b.elderCheck && a.filterMarried == b.filterMarried;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = TempPath("in.ini");
    static const std::string output = TempPath("out.ini");
    std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The colour text parser on its own, and its round trip.
    RgbColor color = TextToColor(bytes);
    if (TextToColor(ColorToText(color)) != color) abort();

    if (!WriteFileAtomically(input, bytes)) return 0;
    ProgramSettings settings;
    MatchmakerSettings matchmaker;
    ReadSettings(input, settings, &matchmaker);
    if (matchmaker.currentAge < 1 || matchmaker.currentAge > 3) abort();

    if (!WriteSettings(output, settings, &matchmaker)) abort();
    ProgramSettings settingsBack;
    MatchmakerSettings matchmakerBack;
    if (!ReadSettings(output, settingsBack, &matchmakerBack)) abort();
    if (!Same(settings, settingsBack) || !Same(matchmaker, matchmakerBack)) abort();
    return 0;
}
