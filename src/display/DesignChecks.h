// The verdicts of every design of a record, computed once for one display.
#pragma once

#include "analysis/StabilityVerdicts.h"
#include "design/ContinuousChecks.h"
#include "design/SquareFootingChecks.h"

struct TDesignChecks {
    TStabilityChecks Stability;
    TSquareFootingChecks Square;
    TContinuousChecks Continuous;
};

inline TDesignChecks DesignChecks(const TPMData& record)
{
    return {StabilityChecks(record), SquareFootingChecks(record), ContinuousChecks(record)};
}
