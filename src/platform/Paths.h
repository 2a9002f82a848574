#pragma once
// Data files are named as relative paths with either separator
// ("DATA\CFG.DAT", "Images/DB011.bmp"). They resolve against the installation
// directory, each existing component matched without regard to case, so files
// written under any spelling are found again on a case-sensitive file system.

#include <string>
#include <string_view>

namespace cardoria {

inline constexpr char kPathSeparator = '/';

// `dir` followed by `relative`, each component that exists on disk taken in
// its stored spelling; components that do not exist keep the spelling given.
std::string ResolvePath(std::string_view dir, std::string_view relative);

// A directory with exactly one trailing separator.
std::string WithTrailingSeparator(std::string_view dir);

// The installation directory: an explicit choice when given, else the
// environment variable CARDORIA_PROGRAM_DIR, else the executable's directory.
std::string ChooseProgramDir(std::string_view explicitDir, std::string_view executablePath);

// The directory of the running executable, with a trailing separator.
std::string ExecutableDir();

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool CreateDirectory(const std::string& path);
bool DeleteFile(const std::string& path);

}  // namespace cardoria
