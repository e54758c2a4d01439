// nestrel-cli: the neighborhood tools of Nestrel without a window.
#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv) {
    CLI::App app{"Nestrel command-line companion: inspect, check and rewrite neighborhood files."};
    app.set_version_flag("--version", std::string("nestrel-cli ") + NESTREL_VERSION);
    app.require_subcommand(0, 1);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // CLI11 uses exit code 0 for --help/--version; anything else is a usage error.
        int rc = app.exit(e);
        return rc == 0 ? 0 : 2;
    }
    if (app.get_subcommands().empty()) {
        std::cout << app.help();
    }
    return 0;
}
