#pragma once
#include "storage/ProgramSettings.h"

/// How well two colours read on each other: the ratio of their relative luminances
/// (each plus 0.05), from 1 (the same) to 21 (black on white). Text needs about 4.5
/// to read comfortably.
double ContrastRatio(RgbColor a, RgbColor b);

/// The least contrast the program's default colours keep between a text and the
/// background it is drawn on.
constexpr double kReadableContrast = 4.5;
