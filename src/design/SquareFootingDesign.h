// The isolated column footing design to ACI 318-19 strength design (TPMData::SquareFootingDesign).
#pragma once

class TPMData;

// The design runs only when "Use Square Reinforcement" is ticked and
// FootingDim1 x FootingDim2 x Fy x Fc is not exactly 0; otherwise the previous results stay.
bool SquareFootingDesignApplies(const TPMData& record);
