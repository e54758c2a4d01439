#pragma once
#include <functional>
#include <string>
#include <string_view>

// Every text the program shows passes through tr(). The core knows no toolkit,
// so the desktop program points the hook at its own translation lookup; with
// no hook installed (tests, the command-line tool) a text comes back unchanged.
using TranslateHook = std::function<std::string(std::string_view)>;

void SetTranslateHook(TranslateHook hook);
std::string tr(std::string_view text);
