// A byte sink that fails part-way through a write, as a full disk does.
#pragma once

#include "core/ByteSink.h"

// Passes the first `limit` bytes to `target` and fails at the byte after, as a full disk does.
class TFailingSink : public TByteSink {
  public:
    TFailingSink(TByteSink& target, std::size_t limit) : FTarget(target), FLimit(limit) {}

    void Write(const std::uint8_t* data, std::size_t size) override;
    void Commit() override { FTarget.Commit(); }
    std::size_t Written() const { return FWritten; }

  private:
    TByteSink& FTarget;
    std::size_t FLimit;
    std::size_t FWritten = 0;
};
