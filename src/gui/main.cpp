#include <cstdio>
#include <cstring>

#include "app/NestrelApp.h"
#include "base/ProgramInfo.h"

wxIMPLEMENT_APP_NO_MAIN(NestrelApp);

namespace {

// Answered before the toolkit starts, so that they work without a display (the manual
// page is made from them at build time).
constexpr const char* kUsage =
    "Usage: nestrel [OPTION]\n"
    "Keep the record of a life-simulation game neighborhood: families, and for every Sim\n"
    "the sign, life stage, career, partner, parents, friends and chemistry.\n"
    "Nestrel works out possible friends, chemistry matches, career pay and promotion,\n"
    "who is free at a given hour, family trees and neighborhood statistics.\n"
    "\n"
    "Started without an option, it opens its main window with the last neighborhood\n"
    "file. The command-line tool nestrel-cli reads the same files without a window.\n"
    "\n"
    "Options:\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and licence and exit\n";

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs(VersionText("nestrel", NESTREL_VERSION).c_str(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    return wxEntry(argc, argv);
}
