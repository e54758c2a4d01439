#pragma once
#include <string>

/// printf-style formatting into a std::string, for the program's (translated)
/// message formats.
std::string FormatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
/// The same for a format that arrives at run time (a translated text).
std::string FormatTextV(const std::string& format, ...);
