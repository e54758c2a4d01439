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
std::string FormatTextRuntime(const char* format, ...);

/// Takes the run-time format as a string; the arguments pass through a
/// template because va_start on a reference parameter is undefined.
template <typename... Args>
std::string FormatTextV(const std::string& format, Args... args) {
    return FormatTextRuntime(format.c_str(), args...);
}
