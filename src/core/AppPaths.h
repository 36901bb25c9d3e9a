// Where the shipped data lives: the folder of the running executable.
#pragma once

#include <string>

// The executable's folder with a trailing separator; the application may set it explicitly.
std::string ExecutableDir();
void SetExecutableDir(const std::string& dir);

inline constexpr const char* kExampleProjectName = "Example English Units.kpm";
inline constexpr const char* kExampleProjectNameSI = "Example SI Units.kpm";
