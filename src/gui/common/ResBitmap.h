#pragma once
#include <string>
#include <vector>

#include <wx/bitmap.h>

/// Folders searched after the working directory's "res/" for the pictures that the
/// program reads at run time (toolbar and dialog BMPs): the install directory's and the
/// installed share folder's "res/". Set once at start-up.
void SetResSearchDirs(std::vector<std::string> dirs);

/// The full path of "res/<name>": the working directory first, then the search folders.
/// Empty when none has it.
std::string FindResFile(const std::string& name);

/// The BMP picture "res/<name>", or an invalid bitmap when it cannot be found or read.
/// The colour of the top-left pixel is made transparent, so pictures drawn on a plain
/// background sit well on any toolbar.
wxBitmap LoadResBitmap(const std::string& name);
