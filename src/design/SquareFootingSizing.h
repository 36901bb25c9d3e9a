// The smallest isolated footing that passes every square-footing verdict: a pure function of the
// record, for the batch tool's `size` and the window's "Size Footing".
//
// Search order: the smallest plan B1 (B2 = R x B1) in steps of 1 in (25 mm), then the smallest
// thickness T from 12 in (300 mm) in the same steps, then the fewest bars each way. Loads,
// materials, bar size, cover and column stay as given. A size is accepted only when
// TSquareFootingChecks::AllPass() holds for it.
#pragma once

#include <string>
#include <vector>

#include "core/Globals.h"

class TPMData;

struct TSizingLimits {
    Real Step = 0;                  // in ; mm
    Real MinPlan = 0, MaxPlan = 0;  // B1: in ; mm
    Real MinThickness = 0, MaxThickness = 0;
    int MinBars = 2, MaxBars = 100;  // the limits of the bar-count inputs
};

// The limits of a record: plan from the column up to the footing-plan input limit (150 ft or m for
// a square shape, 50 otherwise), thickness from 12 in (300 mm) to 120 in (3000 mm), bars 2 to 100.
TSizingLimits SizingLimits(const TPMData& record, Real aspect);

struct TSizingStep {
    Real B1 = 0;          // a plan that was rejected
    std::string Failing;  // its governing check: the first failing check of its best candidate
};

struct TSizingResult {
    bool Found = false;
    Real B1 = 0, B2 = 0, Thickness = 0;
    int Bars1 = 0, Bars2 = 0;
    std::vector<TSizingStep> Rejected;  // every smaller plan, in order
    std::string Failing;                // when nothing passes: the check that cannot be met
};

// Searches on copies of `record` (its bearing results give the allowable net bearing capacity).
TSizingResult SizeSquareFooting(const TPMData& record, Real aspect = 1);
TSizingResult SizeSquareFooting(const TPMData& record, Real aspect, const TSizingLimits& limits);

// Writes a size into a record: footing dimensions, thickness, bar counts, and the stability
// footing plan that shares the footing dimensions (ft ; m).
void ApplySquareFootingSize(TPMData& record, const TSizingResult& size);

// The name of the first failing square-footing check of a record's results ("" when all pass).
std::string FirstFailingSquareCheck(const TPMData& record);
