// The project file: a 64-byte header, then blocks of fields appended as the format grew.
// The header's version text says which blocks follow; the writer always writes them all.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string_view>

#include "core/ByteSink.h"
#include "core/Jpeg.h"
#include "core/NumberFormat.h"
#include "core/PMClasses.h"
#include "core/ProjectFileIO.h"

namespace {

constexpr std::string_view kProductName = "Korvane Pelmark";
constexpr std::string_view kWrittenVersion = "4.01";
constexpr std::size_t kProductCapacity = 50;  // short string: length byte + 50 bytes
constexpr std::size_t kVersionCapacity = 12;  // short string: length byte + 12 bytes
constexpr std::size_t kVersionOffset = 1 + kProductCapacity;
constexpr std::size_t kHeaderSize = kVersionOffset + 1 + kVersionCapacity;  // 64
constexpr Real kNewestVersion = 4.01L;
constexpr Real kUnreadableVersion = 999;

// --- The blocks, each listed once for reading (IO = reader) and writing (IO = writer) ---

template <class IO, class Record> void Version1Block(IO& io, Record& r)
{
    io.Text(r.Organization);
    io.Picture(r.Logo);
    io.Text(r.ProjectName);
    io.Text(r.JobNumber);
    io.Text(r.DesignBy);
    io.Double(r.Date);
    io.Byte(r.Units);  // applied through SetUnitSystem once the whole file has been read
    io.Byte(r.Shape);
    for (auto* field : {&r.B, &r.L, &r.Df, &r.C, &r.Phi, &r.Gamma, &r.Dw, &r.FS, &r.Reserved1, &r.Reserved2,
                        &r.AllowNetBearing, &r.Reserved3, &r.Reserved4, &r.Reserved5, &r.Reserved6,
                        &r.Reserved7, &r.Reserved8})
        io.Extended(*field);
}

template <class IO, class Record> void Version2Block(IO& io, Record& r)
{
    auto& s = r.Square;
    io.Reserved(4 * 10);  // four unused Extended slots
    io.Byte(s.UseSquareReinforcement);
    for (auto* field :
         {&s.Fc, &s.Fy, &s.FootingDim1, &s.FootingDim2, &s.ColumnDim1, &s.ColumnDim2, &s.FootingThickness,
          &s.AxialDeadLoad, &s.AxialLiveLoad, &s.ClearCover, &s.NumBars1, &s.NumBars2})
        io.Extended(*field);
    io.LongInt(s.RebarFamily);
    io.LongInt(s.FootingBarSize);
}

template <class IO, class Record> void Version21Block(IO& io, Record& r)
{
    auto& s = r.Stability;
    for (auto* field : {&s.RefX, &s.RefY, &s.StabL, &s.StabB, &s.StabT, &s.GammaC, &s.SoilCover, &s.GammaS,
                        &s.Kp, &s.SlidingFriction, &s.Surcharge, &s.QAllowStab})
        io.Extended(*field);
    io.LongInt(s.PedestalCount);
    for (auto& p : s.Pedestals)  // all four slots, in use or not
        for (auto* field : {&p.Xp,  &p.Yp,  &p.Lpx, &p.Lpy, &p.H,   &p.PzD, &p.PzL, &p.PzW, &p.HxD, &p.HxL,
                            &p.HxW, &p.HyD, &p.HyL, &p.HyW, &p.MxD, &p.MxL, &p.MxW, &p.MyD, &p.MyL, &p.MyW})
            io.Extended(*field);
}

template <class IO, class Record> void Version4Block(IO& io, Record& r)
{
    auto& c = r.Continuous;
    io.Byte(c.UseContinuousReinforcement);
    for (auto* field : {&c.Fc, &c.Fy, &c.Gc, &c.H, &c.Tw, &c.W, &c.Tf, &c.GrH, &c.GrL, &c.K, &c.Gamma, &c.Pa,
                        &c.Pp, &c.Ign, &c.Phi, &c.C, &c.QAll})
        io.Extended(*field);
    auto& w = c.StemWall;
    io.LongInt(w.Reserved);
    io.LongInt(w.VertBarSize);
    io.LongInt(w.Layers);
    io.Extended(w.VertCover);
    io.Extended(w.VertSpacing);
    io.LongInt(w.HorBarSize);
    io.Extended(w.HorSpacing);
    for (auto& lc : c.LoadCases)
        for (auto* field : {&lc.Pll, &lc.Pdl, &lc.Mll, &lc.Mdl, &lc.Vll, &lc.Vdl, &lc.Vht, &lc.V, &lc.Kz,
                            &lc.Kzt, &lc.Cf, &lc.Sds})
            io.Extended(*field);
    io.LongInt(c.Footing.FootBarSize);
    io.Extended(c.Footing.FootCover);
    io.Extended(c.Footing.FootSpacing);
}

template <class IO, class Record> void Version401Block(IO& io, Record& r)
{
    auto& f = r.Continuous.Footing;
    io.LongInt(f.StBarSize);
    io.Extended(f.StCover);
    io.Extended(f.StSpacing);
}

struct TBlock {
    Real Gate;  // the lowest version that carries the block
    void (*Read)(TProjectReader&, TPMData&);
    void (*Write)(TProjectWriter&, const TPMData&);
};

#define PELMARK_BLOCK(gate, name)                                                                            \
    TBlock                                                                                                   \
    {                                                                                                        \
        gate, &name<TProjectReader, TPMData>, &name<TProjectWriter, const TPMData>                           \
    }

// In file order; the first block is in every file whatever its version says.
const TBlock kBlocks[] = {
    PELMARK_BLOCK(-std::numeric_limits<Real>::infinity(), Version1Block),
    PELMARK_BLOCK(2.0L, Version2Block),
    PELMARK_BLOCK(2.1L, Version21Block),
    PELMARK_BLOCK(4.0L, Version4Block),
    PELMARK_BLOCK(4.01L, Version401Block),
};

#undef PELMARK_BLOCK

// Equal within a relative 1E-16 of the smaller magnitude (at least 1E-16), so that the text
// "2.1" reaches the gate 2.1 however the conversion rounds.
bool SameVersion(Real a, Real b)
{
    const Real tolerance = std::max(std::min(std::fabs(a), std::fabs(b)) * 1E-16L, 1E-16L);
    return std::fabs(a - b) <= tolerance;
}

bool Reaches(Real version, Real gate)
{
    return version > gate || SameVersion(version, gate);
}

std::string_view ShortString(const std::uint8_t* at)
{
    return {reinterpret_cast<const char*>(at + 1), at[0]};
}

// The version number of the header; 999 when the text is not a number in the locale's notation.
Real HeaderVersion(const std::uint8_t* header)
{
    const std::uint8_t* field = header + kVersionOffset;
    if (field[0] > kVersionCapacity)
        return kUnreadableVersion;
    std::string text(ShortString(field));
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text[point] = NumberSeparators().Decimal;
    Real version = 0;
    return TryParseNumber(text, version) ? version : kUnreadableVersion;
}

// Checks the header and returns the file's version; a foreign or newer file is refused.
Real CheckHeader(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() < kHeaderSize)
        throw EWrongFileFormat();
    if (bytes[0] > kProductCapacity || ShortString(bytes.data()) != kProductName)
        throw EWrongFileFormat();
    const Real version = HeaderVersion(bytes.data());
    if (version > kNewestVersion && !SameVersion(version, kNewestVersion))
        throw EWrongFileFormat();
    return version;
}

void WriteShortString(TProjectWriter& out, std::string_view text, std::size_t capacity)
{
    std::uint8_t field[1 + 255] = {};
    field[0] = static_cast<std::uint8_t>(text.size());
    std::memcpy(field + 1, text.data(), text.size());
    out.Put(field, 1 + capacity);
}

}  // namespace

void TPMData::LoadProjectFromBytes(const std::vector<std::uint8_t>& bytes)
{
    const Real version = CheckHeader(bytes);
    // Read into a copy: a damaged file leaves this record as it was (the caller's reset state).
    TPMData loaded = *this;
    TProjectReader in(bytes.data() + kHeaderSize, bytes.size() - kHeaderSize);
    try {
        for (const TBlock& block : kBlocks) {
            if (!Reaches(version, block.Gate))
                break;
            block.Read(in, loaded);
        }
    } catch (const EImageError&) {
        // A logo that does not decode: the fields read before it stay, as they would on disk.
        *this = std::move(loaded);
        SetUnitSystem(Units);
        throw;
    }
    *this = std::move(loaded);
    SetUnitSystem(Units);
}

void TPMData::SaveProjectTo(TByteSink& sink) const
{
    TProjectWriter out(sink);
    WriteShortString(out, kProductName, kProductCapacity);
    WriteShortString(out, kWrittenVersion, kVersionCapacity);
    for (const TBlock& block : kBlocks)
        block.Write(out, *this);
    sink.Commit();
}

std::vector<std::uint8_t> TPMData::SaveProjectToBytes() const
{
    TMemorySink sink;
    SaveProjectTo(sink);
    return std::move(sink.Committed);
}

void TPMData::SaveProject(const std::string& path) const
{
    TFileSink sink(path);
    SaveProjectTo(sink);
}

void TPMData::LoadProject(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw EFileError(FileErrorText("Cannot open file", path, errno));
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[16384];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + got);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed)
        throw EFileError(FileErrorText("Cannot read file", path, error ? error : EIO));
    LoadProjectFromBytes(bytes);
}
