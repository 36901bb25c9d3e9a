#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

#include "core/AppPaths.h"
#include "core/InputCatalogue.h"
#include "core/PMClasses.h"
#include "core/Today.h"
#include "core/Units.h"

namespace {

namespace fs = std::filesystem;

// Gives every number of the record a distinct non-zero value and every text a content.
struct TFillVisitor {
    Real Next = 1;
    template <class T> void Input(const char*, T& v) { Set(v); }
    template <class T> void Result(const char*, T& v) { Set(v); }
    template <class G> void Group(const char*, G& g) { g.VisitFields(*this); }
    template <class T, std::size_t N> void Array(const char*, std::array<T, N>& a)
    {
        for (T& item : a)
            item.VisitFields(*this);
    }
    void Set(Real& v) { v = Next++; }
    void Set(double& v) { v = static_cast<double>(Next++); }
    void Set(std::int32_t& v) { v = static_cast<std::int32_t>(Next++); }
    void Set(std::uint8_t& v) { v = 1; }
    void Set(std::string& v) { v = "text"; }
    void Set(std::vector<std::uint8_t>&) {}
    template <class T, std::size_t N> void Set(std::array<T, N>& a)
    {
        for (T& v : a)
            Set(v);
    }
};

class DefaultsTest : public ::testing::Test {
  protected:
    fs::path Dir;
    void SetUp() override
    {
        Dir = fs::temp_directory_path() / ("pelmark-defaults-" + std::to_string(::getpid()));
        fs::remove_all(Dir);
        fs::create_directories(Dir);
        SetExecutableDir(Dir.string());
    }
    void TearDown() override
    {
        fs::remove_all(Dir);
        SetExecutableDir(PELMARK_BIN_DIR);
        ActivateInputLimits(usEnglish);
    }
};

TEST_F(DefaultsTest, ResetTouchesOnlyItsFields)
{
    TPMData data;
    TFillVisitor fill;
    data.VisitFields(fill);
    data.SetUnitSystem(usSI);
    const TPMData before = data;

    data.ResetRecord();

    EXPECT_TRUE(data.Organization.empty() && data.ProjectName.empty() && data.JobNumber.empty() &&
                data.DesignBy.empty() && data.Logo.empty());
    EXPECT_EQ(data.Date, TodayDayCount());
    EXPECT_EQ(data.Units, usEnglish);
    EXPECT_EQ(ActiveUnitSystem(), usEnglish);
    EXPECT_EQ(data.Shape, shContinuous);
    for (Real v : {data.B, data.L, data.Df, data.C, data.Phi, data.Gamma, data.Dw, data.FS, data.Reserved1,
                   data.Reserved2, data.AllowNetBearing, data.Reserved3, data.Reserved8})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(data.Square.UseSquareReinforcement, 0);
    EXPECT_EQ(data.Stability.PedestalCount, 0);
    for (const TPedestal& p : data.Stability.Pedestals)
        EXPECT_TRUE(p.Xp == 0 && p.Lpx == 0 && p.PzD == 0 && p.MyW == 0);
    EXPECT_EQ(data.Continuous.UseContinuousReinforcement, 0);
    EXPECT_EQ(data.Continuous.W, 0);
    EXPECT_EQ(data.Continuous.LoadCases[2].Pll, 0);
    EXPECT_EQ(data.Continuous.Footing.StSpacing, 0);

    // Square and stability inputs and every result keep their values.
    EXPECT_EQ(data.Square.Fc, before.Square.Fc);
    EXPECT_EQ(data.Square.FootingBarSize, before.Square.FootingBarSize);
    EXPECT_EQ(data.Stability.RefX, before.Stability.RefX);
    EXPECT_EQ(data.Stability.QAllowStab, before.Stability.QAllowStab);
    EXPECT_EQ(data.QultVesic, before.QultVesic);
    EXPECT_EQ(data.AllowLoadTerzaghi, before.AllowLoadTerzaghi);
}

TEST_F(DefaultsTest, NewProjectCopiesTheExampleWithoutIdentification)
{
    TPMData example;
    example.Organization = "Org";
    example.ProjectName = "Project";
    example.Date = 100;
    example.SetUnitSystem(usSI);
    example.Shape = shRectangle;
    example.B = 2.5;
    example.AllowNetBearing = 7;
    example.Continuous.UseContinuousReinforcement = 1;
    example.Continuous.W = 1.2L;
    example.SaveProject((Dir / kExampleProjectName).string());

    TPMData data;
    data.LoadDefaults();
    EXPECT_TRUE(data.Organization.empty() && data.ProjectName.empty());
    EXPECT_EQ(data.Date, TodayDayCount());
    EXPECT_EQ(data.Units, usSI);  // the example's units, not the user's last choice
    EXPECT_EQ(ActiveUnitSystem(), usSI);
    EXPECT_EQ(data.Shape, shRectangle);
    EXPECT_EQ(data.B, 2.5L);
    EXPECT_EQ(data.AllowNetBearing, 0);
    EXPECT_EQ(data.Continuous.W, 1.2L);
}

TEST_F(DefaultsTest, MissingOrDamagedExampleGivesTheZeroState)
{
    for (bool damaged : {false, true}) {
        if (damaged) {
            std::ofstream((Dir / kExampleProjectName).string(), std::ios::binary) << "not a project";
        }
        TPMData data;
        data.SetUnitSystem(usSI);
        data.B = 3;
        data.Continuous.W = 4;
        data.LoadDefaults();
        EXPECT_EQ(data.Units, usEnglish) << damaged;
        EXPECT_EQ(data.B, 0) << damaged;
        EXPECT_EQ(data.Continuous.W, 0) << damaged;
    }
}

TEST(NormalizeInputs, ZeroRecordTakesTheSmallestAdmissibleValues)
{
    // A zeroed record shown and read back in English units.
    TPMData data;
    NormalizeInputsAsShown(data);
    EXPECT_EQ(data.B, 1.0L);
    EXPECT_EQ(data.L, 1.0L);
    EXPECT_EQ(data.Df, 1.0L);
    EXPECT_EQ(data.Gamma, 90);
    EXPECT_EQ(data.Continuous.Gamma, 90);
    EXPECT_EQ(data.FS, 3);
    EXPECT_EQ(data.Square.NumBars1, 2);
    EXPECT_EQ(data.Square.NumBars2, 2);
    EXPECT_EQ(data.Continuous.Footing.StSpacing, static_cast<Real>(0.01));  // a double bound
    EXPECT_EQ(data.Stability.StabL, 1.0L);
    EXPECT_EQ(data.Stability.StabB, 1.0L);
    EXPECT_EQ(data.Stability.StabT, 1.0L);
    EXPECT_EQ(data.C, 0);
    EXPECT_EQ(data.Continuous.W, 0);
}

TEST(NormalizeInputs, ClampsByShapeAndRoundsToShownDecimals)
{
    struct Case {
        std::uint8_t shape;
        Real b, expectedB, expectedL;
    };
    for (Case c : {Case{shSquare, 60, 60, 60},
                   {shCircle, 60, 50, 50},
                   {shContinuous, 2.345L, 2.35L, 1.0},
                   {shRectangle, 0.2, 1.0, 7.0}}) {
        TPMData data;
        data.Shape = c.shape;
        data.B = c.b;
        data.L = 7;
        NormalizeInputsAsShown(data);
        EXPECT_EQ(data.B, c.expectedB) << int(c.shape);
        EXPECT_EQ(data.L, c.expectedL) << int(c.shape);
    }
}

TEST(InputCatalogue, NamesEveryControlOnceWithTheRightField)
{
    std::set<std::string> controls, paths;
    for (const TInputField& input : InputCatalogue()) {
        EXPECT_TRUE(controls.insert(input.Control).second) << input.Control;
        EXPECT_TRUE(paths.insert(input.Path).second) << input.Path;
    }
    // The combinations have 11, 8 and 5 inputs with controls.
    EXPECT_EQ(controls.count("EditLC1_11"), 1u);
    EXPECT_EQ(controls.count("EditLC2_8"), 1u);
    EXPECT_EQ(controls.count("EditLC3_6"), 0u);
    TPMData data;
    FindInput("EditLC2_8")->Field(data) = 0.5;
    EXPECT_EQ(data.Continuous.LoadCases[1].Sds, 0.5L);
    FindInput("Edit_CR24")->Field(data) = 0.3L;
    EXPECT_EQ(data.Continuous.Footing.StSpacing, 0.3L);
    EXPECT_EQ(FindInput("Edit70")->Tag, 27);
}

TEST(InputCatalogue, ShrinkageSpacingBoundsFollowCoverAndWidth)
{
    TPMData data;
    const TInputField& spacing = *FindInput("Continuous.Footing.StSpacing");
    data.Continuous.W = 3;
    data.Continuous.Footing.StCover = 0;
    EXPECT_DOUBLE_EQ(ExplicitBounds(spacing, data).Minimum, 0.01);
    EXPECT_DOUBLE_EQ(ExplicitBounds(spacing, data).Maximum, 1.5);
    data.Continuous.W = 1;
    data.Continuous.Footing.StCover = 3;  // in: 0.25 ft, so W - 2 cover = 0.5 ft
    EXPECT_DOUBLE_EQ(ExplicitBounds(spacing, data).Minimum, 0.25);
    EXPECT_DOUBLE_EQ(ExplicitBounds(spacing, data).Maximum, 0.5);
    data.SetUnitSystem(usSI);
    data.Continuous.W = 2;
    data.Continuous.Footing.StCover = 50;  // mm
    EXPECT_DOUBLE_EQ(ExplicitBounds(spacing, data).Minimum, 0.05);
    EXPECT_DOUBLE_EQ(ExplicitBounds(spacing, data).Maximum, 0.45);
    ActivateInputLimits(usEnglish);
}

}  // namespace
