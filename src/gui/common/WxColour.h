#pragma once
#include <wx/colour.h>

#include "storage/ProgramSettings.h"

/// A colour of the settings as the toolkit's colour (always opaque).
inline wxColour ToWxColour(const RgbColor& color) { return wxColour(color.red, color.green, color.blue); }
