// Records of different families and unit systems computed on two threads at once give what they
// give one after the other: the computation keeps no process-wide state.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <thread>
#include <vector>

#include "core/AppPaths.h"
#include "core/InputCatalogue.h"
#include "core/PMClasses.h"
#include "design/RebarTables.h"

namespace {

std::vector<Real> ResultsOf(const TPMData& r)
{
    const TSquareFootingData& q = r.Square;
    const TContinuousData& c = r.Continuous;
    return {r.QallVesic,      r.AllowNetBearing,   q.QService,        q.EffDepth1,
            q.Rho1,           q.BarSpacing2,       q.PhiMn1,          q.Mu2,
            q.PhiVc1,         c.StemWall.AsVert,   c.StemWall.RhoHor, c.StemWall.MomentUtilization,
            c.Footing.AsFoot, c.Footing.PhiMnFoot, c.Interaction.D,   r.Stability.QGross};
}

std::vector<Real> Compute(TPMData record)
{
    NormalizeInputsAsShown(record);
    record.ComputeAll();
    return ResultsOf(record);
}

TEST(ConcurrentCompute, TwoThreadsGiveTheSequentialResults)
{
    // The English example (US bars, inches) and the SI example with the Canadian family.
    std::array<TPMData, 2> records;
    records[0].LoadProject(std::string(PELMARK_BIN_DIR) + "/" + kExampleProjectName);
    records[1].LoadProject(std::string(PELMARK_BIN_DIR) + "/" + kExampleProjectNameSI);
    records[1].Square.RebarFamily = rfCanadian;
    records[1].Square.FootingBarSize = 20;
    records[1].Continuous.StemWall.VertBarSize = 15;
    ASSERT_NE(RebarTableOf(records[0]), RebarTableOf(records[1]));

    std::array<std::vector<Real>, 2> sequential = {Compute(records[0]), Compute(records[1])};
    // Different tables give different bar data, so a shared table would show.
    ASSERT_NE(sequential[0][3], sequential[1][3]);

    std::array<int, 2> differences{};
    auto run = [&](int k) {
        for (int i = 0; i < 300; ++i)
            if (Compute(records[static_cast<std::size_t>(k)]) != sequential[static_cast<std::size_t>(k)])
                ++differences[static_cast<std::size_t>(k)];
    };
    // The window's active table points at neither record's family meanwhile.
    SelectRebarTable(rfEuropean, 0);
    std::thread other(run, 1);
    run(0);
    other.join();
    SelectRebarTable(rfUS, 0);
    EXPECT_EQ(differences[0], 0);
    EXPECT_EQ(differences[1], 0);
}

}  // namespace
