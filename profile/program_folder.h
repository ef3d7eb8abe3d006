// Where the programs find their files: the folder of the running program
// with its trailing separator, config.ini in it, the profile files and the
// libraries in its "config\" subfolder.
#pragma once

#include <string>
#include <string_view>

// The drive and folder of a program file's path, with the trailing
// separator; empty when the path has no folder part.
std::string ProgramFolderFromModulePath(std::string_view modulePath);

// The file name and extension of a path written with either separator.
std::string_view FileNameOfPath(std::string_view path);

// `relative` (written with "\") inside `folder`, joined with the separator
// the folder ends with, so the same code builds Windows paths in the programs
// and "/" paths in host tools and tests.
std::string PathInFolder(std::string_view folder, std::string_view relative);

std::string ConfigIniPath(std::string_view programFolder);
std::string ConfigFolderPath(std::string_view programFolder);
// config\Default<n>.gmp, n = 0..4.
std::string ProfileFilePath(std::string_view programFolder, int n);

// True when the file can be opened for reading.
bool FileExists(const std::string& path);
