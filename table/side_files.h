#pragma once
// Finding the side files: the folder "Details" beside the program, whatever
// the letter case of its name or of the file names on disk, or the installed
// data folder of an installed program.

#include <filesystem>
#include <string>

namespace tanvorel {

// The folder that holds the running program.
std::filesystem::path ProgramFolder();

// The Details folder for a program in `programFolder`: "Details" in any
// letter case beside it, else <prefix>/share/tanvorel/Details when the
// program sits in <prefix>/bin. Empty when there is none.
std::filesystem::path FindDetailsFolder(const std::filesystem::path& programFolder);

// A side file by name. The name is matched without regard to letter case
// when no file of exactly that name exists. When the folder or the file is
// missing, the path where it was expected is returned, for error reports.
std::filesystem::path SideFile(const std::filesystem::path& programFolder, const std::string& name);

}  // namespace tanvorel
