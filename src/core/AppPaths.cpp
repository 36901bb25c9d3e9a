#include "core/AppPaths.h"

#include <filesystem>
#include <system_error>

namespace {
std::string gExecutableDir;

std::string WithSeparator(std::string dir)
{
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\')
        dir += '/';
    return dir;
}
}  // namespace

std::string ExecutableDir()
{
    if (gExecutableDir.empty()) {
        std::error_code error;
        auto self = std::filesystem::read_symlink("/proc/self/exe", error);
        gExecutableDir = error ? std::string("./") : WithSeparator(self.parent_path().string());
    }
    return gExecutableDir;
}

void SetExecutableDir(const std::string& dir)
{
    gExecutableDir = WithSeparator(dir);
}
