#include "core/ByteSink.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

std::string FileErrorText(const std::string& action, const std::string& path, int error)
{
    return FileErrorText(action, path, std::string(std::strerror(error)));
}

std::string FileErrorText(const std::string& action, const std::string& path, const std::string& reason)
{
    return action + " \"" + path + "\". " + reason;
}

namespace {

// A symbolic link is replaced through: the file it points at gets the new content.
std::string ResolvedTarget(const std::string& path)
{
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec)
            return resolved.string();
    }
    return path;
}

std::string TemporaryName(const std::string& target, unsigned attempt)
{
    static std::mt19937 generator{std::random_device{}()};
    return target + ".~" + std::to_string(generator() ^ attempt) + ".tmp";
}

bool FlushToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0)
        return false;
#if defined(_WIN32)
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

}  // namespace

TFileSink::TFileSink(const std::string& path) : FShownPath(path), FPath(ResolvedTarget(path))
{
    // "x": never open a file that exists, so two saves cannot share a temporary name.
    for (unsigned attempt = 0; attempt < 16 && !FFile; ++attempt) {
        FTempPath = TemporaryName(FPath, attempt);
        errno = 0;
        FFile = std::fopen(FTempPath.c_str(), "wbx");
        if (!FFile && errno != EEXIST)
            break;
    }
    if (!FFile)
        throw EFileError(FileErrorText("Cannot create file", path, errno ? errno : EEXIST));
    // The replaced file keeps its permissions.
    std::error_code ec;
    const fs::file_status previous = fs::status(FPath, ec);
    if (!ec && fs::exists(previous))
        fs::permissions(FTempPath, previous.permissions(), ec);
}

TFileSink::~TFileSink()
{
    Discard();
}

void TFileSink::Discard()
{
    if (FFile) {
        std::fclose(FFile);
        FFile = nullptr;
        std::remove(FTempPath.c_str());
    }
}

void TFileSink::Write(const std::uint8_t* data, std::size_t size)
{
    if (!FFile)
        throw EFileError(FileErrorText("Cannot write file", FShownPath, EBADF));
    errno = 0;
    if (size != 0 && std::fwrite(data, 1, size, FFile) != size) {
        const int error = errno ? errno : EIO;
        Discard();
        throw EFileError(FileErrorText("Cannot write file", FShownPath, error));
    }
}

void TFileSink::Commit()
{
    if (!FFile)
        throw EFileError(FileErrorText("Cannot write file", FShownPath, EBADF));
    errno = 0;
    if (!FlushToDisk(FFile)) {
        const int error = errno ? errno : EIO;
        Discard();
        throw EFileError(FileErrorText("Cannot write file", FShownPath, error));
    }
    const int closed = std::fclose(FFile);
    const int closeError = errno;
    FFile = nullptr;
    if (closed != 0) {
        std::remove(FTempPath.c_str());
        throw EFileError(FileErrorText("Cannot write file", FShownPath, closeError ? closeError : EIO));
    }
    std::error_code ec;
    fs::rename(FTempPath, FPath, ec);
    if (ec) {
        std::remove(FTempPath.c_str());
        throw EFileError(FileErrorText("Cannot create file", FShownPath, ec.message()));
    }
}
