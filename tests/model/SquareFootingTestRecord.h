// Isolated footings the square-footing tests share, as their inputs in a line each.
#pragma once

#include <cstdint>

#include "core/PMClasses.h"
#include "design/RebarTables.h"

struct TSquareFootingInputs {
    std::uint8_t units;
    std::int32_t family, bar;
    Real b1, b2, c1, c2, t, cc, dead, live, fc, fy, n1, n2;
};

// English: 96 in square footing under a 16 in column, 24 in thick, 3 in cover, ten #6 each way,
// D = 150 kips, L = 100 kips, f'c = 4 ksi, Fy = 60 ksi.
inline constexpr TSquareFootingInputs kEnglishSquareFooting{0, rfUS, 6,   96, 96, 16, 16, 24,
                                                            3, 150,  100, 4,  60, 10, 10};
// SI: 2000 mm square footing under a 400 mm column, 500 mm thick, 75 mm cover, ten 16 mm European
// bars (201 mm^2) each way, D = 400 kN, L = 200 kN, f'c = 25 MPa, Fy = 500 MPa.
inline constexpr TSquareFootingInputs kSISquareFooting{1,  rfEuropean, 16,  2000, 2000, 400, 400, 500,
                                                       75, 400,        200, 25,   500,  10,  10};

// Writes the inputs into the record and switches the square design on.
inline void ApplySquareFooting(TPMData& record, const TSquareFootingInputs& in)
{
    record.Units = in.units;
    TSquareFootingData& q = record.Square;
    q.UseSquareReinforcement = 1;
    q.RebarFamily = in.family;
    q.FootingBarSize = in.bar;
    q.FootingDim1 = in.b1;
    q.FootingDim2 = in.b2;
    q.ColumnDim1 = in.c1;
    q.ColumnDim2 = in.c2;
    q.FootingThickness = in.t;
    q.ClearCover = in.cc;
    q.AxialDeadLoad = in.dead;
    q.AxialLiveLoad = in.live;
    q.Fc = in.fc;
    q.Fy = in.fy;
    q.NumBars1 = in.n1;
    q.NumBars2 = in.n2;
    SelectRebarTable(record);
}
