#include "support/FailingSink.h"

#include <cerrno>

void TFailingSink::Write(const std::uint8_t* data, std::size_t size)
{
    const std::size_t room = FLimit - FWritten;
    if (size > room) {
        FTarget.Write(data, room);
        FWritten = FLimit;
        throw EFileError(FileErrorText("Cannot write file", "(test sink)", ENOSPC));
    }
    FTarget.Write(data, size);
    FWritten += size;
}
