// Where a saved project's bytes go. A save writes every byte, then commits; only a commit makes
// the bytes the result, so a save that fails on the way leaves the previous result whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/Globals.h"

// A file that cannot be opened, created, written or replaced; the text names the path and the
// system's reason.
class EFileError : public EPelmarkError {
  public:
    using EPelmarkError::EPelmarkError;
};

// `action` is e.g. "Cannot create file"; `error` an errno value.
std::string FileErrorText(const std::string& action, const std::string& path, int error);
std::string FileErrorText(const std::string& action, const std::string& path, const std::string& reason);

class TByteSink {
  public:
    virtual ~TByteSink() = default;
    virtual void Write(const std::uint8_t* data, std::size_t size) = 0;
    // Makes the bytes written so far the result.
    virtual void Commit() = 0;
};

// Collects the bytes in memory; a commit moves them into `Committed`.
class TMemorySink : public TByteSink {
  public:
    std::vector<std::uint8_t> Pending;
    std::vector<std::uint8_t> Committed;

    void Write(const std::uint8_t* data, std::size_t size) override
    {
        Pending.insert(Pending.end(), data, data + size);
    }
    void Commit() override { Committed.swap(Pending), Pending.clear(); }
};

// Writes a temporary file beside the target; the commit flushes it to the disk and renames it
// over the target. Without a commit the temporary file is removed and the target is untouched.
class TFileSink : public TByteSink {
  public:
    explicit TFileSink(const std::string& path);
    ~TFileSink() override;
    TFileSink(const TFileSink&) = delete;
    TFileSink& operator=(const TFileSink&) = delete;

    void Write(const std::uint8_t* data, std::size_t size) override;
    void Commit() override;
    const std::string& TemporaryPath() const { return FTempPath; }

  private:
    void Discard();

    std::string FShownPath;  // as the caller gave it, for messages
    std::string FPath;       // the file that gets replaced
    std::string FTempPath;
    std::FILE* FFile = nullptr;
};
