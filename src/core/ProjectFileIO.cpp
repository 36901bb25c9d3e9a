#include "core/ProjectFileIO.h"

#include <bit>
#include <limits>

#include "core/Cp1252.h"
#include "core/Extended80.h"
#include "core/Jpeg.h"

static_assert(std::numeric_limits<double>::is_iec559, "Double fields are IEEE 754 binary64");

const std::uint8_t* TProjectReader::Take(std::size_t size)
{
    if (size > FLeft)
        throw EWrongFileFormat();
    const std::uint8_t* at = FData;
    FData += size;
    FLeft -= size;
    return at;
}

std::uint64_t TProjectReader::Unsigned(std::size_t size)
{
    const std::uint8_t* at = Take(size);
    std::uint64_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = (value << 8) | at[i];
    return value;
}

void TProjectReader::Byte(std::uint8_t& value)
{
    value = *Take(1);
}

void TProjectReader::LongInt(std::int32_t& value)
{
    value = static_cast<std::int32_t>(Unsigned(4));
}

void TProjectReader::Double(double& value)
{
    value = std::bit_cast<double>(Unsigned(8));
}

void TProjectReader::Extended(Real& value)
{
    value = DecodeExtended80(Take(10));
}

void TProjectReader::Text(std::string& utf8)
{
    const std::uint64_t size = Unsigned(2);
    if (size > kMaxTextBytes)
        throw EWrongFileFormat();
    const std::uint8_t* at = Take(size);
    utf8 = Cp1252ToUtf8(std::string(reinterpret_cast<const char*>(at), size));
}

void TProjectReader::Picture(std::vector<std::uint8_t>& jpeg)
{
    jpeg.clear();
    const auto size = static_cast<std::int64_t>(Unsigned(8));
    if (size < 0 || static_cast<std::uint64_t>(size) > FLeft)
        throw EWrongFileFormat();
    if (size == 0)
        return;
    const std::uint8_t* at = Take(static_cast<std::size_t>(size));
    std::vector<std::uint8_t> bytes(at, at + size);
    ValidateJpeg(bytes);
    jpeg = std::move(bytes);
}

void TProjectReader::Reserved(std::size_t size)
{
    Take(size);
}

void TProjectWriter::Unsigned(std::uint64_t value, std::size_t size)
{
    std::uint8_t bytes[8];
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    Put(bytes, size);
}

void TProjectWriter::Double(double value)
{
    Unsigned(std::bit_cast<std::uint64_t>(value), 8);
}

void TProjectWriter::Extended(Real value)
{
    const TExtended80 bytes = EncodeExtended80(value);
    Put(bytes.data(), bytes.size());
}

void TProjectWriter::Text(const std::string& utf8)
{
    std::string bytes = Utf8ToCp1252(utf8);
    if (bytes.size() > kMaxTextBytes)
        bytes.resize(kMaxTextBytes);  // one byte a character: always a character boundary
    Unsigned(bytes.size(), 2);
    Put(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void TProjectWriter::Picture(const std::vector<std::uint8_t>& jpeg)
{
    Unsigned(jpeg.size(), 8);
    Put(jpeg.data(), jpeg.size());
}

void TProjectWriter::Reserved(std::size_t size)
{
    static constexpr std::uint8_t kZeros[64] = {};
    for (std::size_t left = size; left > 0;) {
        const std::size_t chunk = left < sizeof kZeros ? left : sizeof kZeros;
        Put(kZeros, chunk);
        left -= chunk;
    }
}
