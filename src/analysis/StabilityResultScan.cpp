// A result that overflowed to infinity is neither a number nor "N.A.": it is reported as the
// floating-point overflow it is.
#include <array>
#include <cmath>
#include <cstdint>

#include "analysis/StabilityStages.h"

namespace stability {

namespace {

struct TInfiniteResultScan {
    bool Found = false;

    template <class T> void Input(const char*, T&) {}
    void Result(const char*, Real& value) { Found = Found || std::isinf(value); }
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
