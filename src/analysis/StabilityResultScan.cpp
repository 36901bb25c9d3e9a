// A result that overflowed to infinity is neither a number nor "N.A.": it is reported as the
// floating-point overflow it is.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "analysis/StabilityStages.h"

namespace stability {

namespace {

// Infinity by its bits where Real is the x87 extended format (no floating-point load of the
// many NaN results); the library test elsewhere.
bool IsInfinite(const Real& v)
{
    if constexpr (std::numeric_limits<Real>::digits == 64 && sizeof(Real) >= 10) {
        std::uint64_t significand;
        std::uint16_t signAndExponent;
        std::memcpy(&significand, &v, sizeof significand);
        std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&v) + 8, sizeof signAndExponent);
        return (signAndExponent & 0x7FFF) == 0x7FFF && significand == 0x8000000000000000ULL;
    } else {
        return std::isinf(v);
    }
}

struct TInfiniteResultScan {
    bool Found = false;

    template <class T> void Input(const char*, T&) {}
    void Result(const char*, Real& value) { Found = Found || IsInfinite(value); }
    void Result(const char*, std::int32_t&) {}
    template <class S> void Group(const char*, S& group) { group.VisitFields(*this); }
    template <class S, std::size_t N> void Array(const char*, std::array<S, N>& items)
    {
        for (S& item : items)
            item.VisitFields(*this);
    }
};

}  // namespace

void CheckStabilityResultsFinite(TStabilityData& s)
{
    TInfiniteResultScan scan;
    s.VisitFields(scan);
    if (scan.Found)
        throw EOverflow();
}

}  // namespace stability
