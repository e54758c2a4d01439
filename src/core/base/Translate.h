#pragma once
#include <functional>
#include <string>
#include <string_view>

// Every text the program shows passes through tr(). The core knows no toolkit,
// so the desktop program points the hook at its own translation lookup; with
// no hook installed (tests, the command-line tool) a text comes back unchanged.
using TranslateHook = std::function<std::string(std::string_view)>;

void SetTranslateHook(TranslateHook hook);

// Marks a text kept in a table so that the message template picks it up, without
// translating it where the table is built: the table holds the English text, and the
// code that shows it passes it through tr() or the toolkit's lookup. The name and
// meaning are gettext's, which wxWidgets defines the same way when it comes first.
#ifndef N_
#define N_(text) (text)
#endif
std::string tr(std::string_view text);
