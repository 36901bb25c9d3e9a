// The field encodings of a project file, as a reader over a byte span and a writer into a sink.
// Both offer the same operations, so each block of the file lists its fields once for both.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ByteSink.h"
#include "core/Globals.h"

// Texts longer than this are cut at saving; a longer length in a file is a damaged file.
inline constexpr std::size_t kMaxTextBytes = 255;

// Every read checks its length against what is left; running short is "Wrong file format".
class TProjectReader {
  public:
    TProjectReader(const std::uint8_t* data, std::size_t size) : FData(data), FLeft(size) {}

    void Byte(std::uint8_t& value);
    void LongInt(std::int32_t& value);
    void Double(double& value);
    void Extended(Real& value);
    void Text(std::string& utf8);                   // 2-byte length, Windows-1252 bytes
    void Picture(std::vector<std::uint8_t>& jpeg);  // 8-byte length, JPEG bytes proven to decode
    void Reserved(std::size_t size);

    std::size_t Left() const { return FLeft; }

  private:
    const std::uint8_t* Take(std::size_t size);
    std::uint64_t Unsigned(std::size_t size);

    const std::uint8_t* FData;
    std::size_t FLeft;
};

class TProjectWriter {
  public:
    explicit TProjectWriter(TByteSink& sink) : FSink(sink) {}

    void Byte(std::uint8_t value) { Put(&value, 1); }
    void LongInt(std::int32_t value) { Unsigned(static_cast<std::uint32_t>(value), 4); }
    void Double(double value);
    void Extended(Real value);
    void Text(const std::string& utf8);
    void Picture(const std::vector<std::uint8_t>& jpeg);
    void Reserved(std::size_t size);
    void Put(const std::uint8_t* data, std::size_t size) { FSink.Write(data, size); }

  private:
    void Unsigned(std::uint64_t value, std::size_t size);

    TByteSink& FSink;
};
