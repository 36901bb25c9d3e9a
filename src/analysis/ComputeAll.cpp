// The compute-all cycle: bearing capacity, the linked allowable net bearing capacity, the
// stability analysis, then the square and the continuous footing designs when switched on.
#include <exception>

#include "core/PMClasses.h"

// The allowable net bearing capacity follows the computed allowable pressure while it is unset
// (0 or NaN) or still shows the value of the previous run, compared in hundredths of ksf (kPa).
bool TPMData::AllowNetBearingIsLinked() const
{
    const Real typed = RoundHalfEven(100 * AllowNetBearing);
    if (IsNaN(AllowNetBearing) || typed == 0)
        return true;
    const Real computed = MinValid({QallTerzaghi, QallVesic});
    return RoundHalfEven(UnitValue(100, 0.1L) * computed) == typed;
}

void TPMData::ComputeAll()
{
    const bool linked = AllowNetBearingIsLinked();
    BearingCapacity();
    if (linked)
        AllowNetBearing = MinValid({QallTerzaghi, QallVesic}) / UnitValue(1, 1000);
    StabilityAnalysis();
    if (Square.UseSquareReinforcement != 0 &&
        Square.FootingDim1 * Square.FootingDim2 * Square.Fy * Square.Fc != 0)
        SquareFootingDesign();
    if (Continuous.UseContinuousReinforcement != 0) {
        try {
            ContinuousFootingDesign();
        } catch (const std::exception&) {
            // A failure of the continuous design keeps what it wrote; the cycle carries on.
        }
    }
}
