#pragma once
#include <string>

class NestrelCareerInfo;
class WordFileNames;

/// Reads the career file of the install directory's "/Data/" folder into the table
/// and takes over its version. False when no career could be read.
bool ReadCareerTable(NestrelCareerInfo& info, const std::string& installDir);

/// Loads the names list from `path`. True when a file is there that could not be read:
/// it must not be replaced by the (empty) lists when the program closes. A missing file
/// is not unreadable; it is made at closing.
bool LoadNamesFile(WordFileNames& names, const std::string& path);
