// Writes the files a fresh installation would have after its first save:
// config.ini and the five default profile files.
#pragma once

#include <string>

// `programFolder` ends with its separator; its "config" subfolder is
// created when missing. False when a file could not be written.
bool WriteDefaultFiles(const std::string& programFolder);
