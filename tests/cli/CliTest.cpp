// The batch tool's contract, run as a separate process.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <nlohmann/json.hpp>

#include "core/PMClasses.h"

namespace {

namespace fs = std::filesystem;

struct TRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class CliTest : public ::testing::Test {
  protected:
    fs::path Dir;
    void SetUp() override
    {
        Dir = fs::temp_directory_path() / ("pelmark-cli-" + std::to_string(::getpid()));
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }

    fs::path Write(const std::string& name, const std::string& content)
    {
        std::ofstream(Dir / name, std::ios::binary) << content;
        return Dir / name;
    }

    TRun Run(const std::string& args)
    {
        const fs::path out = Dir / "stdout", err = Dir / "stderr";
        const std::string command = std::string("'") + PELMARK_CALC + "' " + args + " >'" + out.string() +
                                    "' 2>'" + err.string() + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
    }

    static std::string Quote(const fs::path& p) { return "'" + p.string() + "'"; }
};

TEST_F(CliTest, ImportThenShowRawKeepsEveryInputExactly)
{
    // 0.1 and 1/3 are not exact in binary: the digits printed must bring back the same 80-bit value.
    const fs::path json = Write("in.json", R"({"Units": 1, "Shape": 3, "B": 0.1, "L": 0.333333333333333333333,
        "Organization": "Büro Müller", "Square": {"NumBars1": 7, "RebarFamily": 2},
        "Stability": {"PedestalCount": 2, "Pedestals": [{}, {"PzD": -12.5}]},
        "Continuous": {"LoadCases": [{}, {}, {"Pll": 1e-7}], "Footing": {"StSpacing": 0.3}}})");
    const fs::path project = Dir / "p.kpm";
    ASSERT_EQ(Run("import " + Quote(json) + " " + Quote(project)).Status, 0);

    TPMData expected;
    expected.LoadProject(project.string());
    EXPECT_EQ(expected.B, 0.1L);
    EXPECT_EQ(expected.Organization, "Büro Müller");
    EXPECT_EQ(expected.Stability.Pedestals[1].PzD, -12.5L);

    const TRun shown = Run("show --raw " + Quote(project));
    ASSERT_EQ(shown.Status, 0) << shown.Err;
    const fs::path again = Dir / "again.kpm";
    ASSERT_EQ(Run("import " + Quote(Write("shown.json", shown.Out)) + " " + Quote(again)).Status, 0);
    EXPECT_EQ(ReadFile(project), ReadFile(again));
}

TEST_F(CliTest, ErrorsNameTheFieldAndUseTheExitCodes)
{
    struct Case {
        const char* json;
        const char* message;
    };
    for (Case c : {Case{R"({"Bogus": 1})", "\"Bogus\""},
                   {R"({"B": "wide"})", "\"B\""},
                   {R"({"Square": {"NumBars1": 2, "Typo": 1}})", "\"Square.Typo\""},
                   {R"({"Units": 300})", "\"Units\""},
                   {R"({"Shape": 1.5})", "\"Shape\""},
                   {R"({"Stability": {"Pedestals": [{}, {}, {}, {}, {}]}})", "\"Stability.Pedestals\""},
                   {"{", "JSON"}}) {
        const TRun run = Run("import " + Quote(Write("bad.json", c.json)) + " " + Quote(Dir / "out.kpm"));
        EXPECT_EQ(run.Status, 1) << c.json;
        EXPECT_NE(run.Err.find(c.message), std::string::npos) << c.json << ": " << run.Err;
        EXPECT_FALSE(fs::exists(Dir / "out.kpm")) << c.json;
    }
    EXPECT_EQ(Run("").Status, 2);
    EXPECT_EQ(Run("frobnicate").Status, 2);
    EXPECT_EQ(Run("show").Status, 2);
    EXPECT_EQ(Run("save only-one.kpm").Status, 2);

    const TRun foreign = Run("show " + Quote(Write("foreign.kpm", std::string(64, 'x'))));
    EXPECT_EQ(foreign.Status, 1);
    EXPECT_EQ(foreign.Err, "Wrong file format\n");
}

TEST_F(CliTest, NewAndSaveWriteTheNewestFormat)
{
    const fs::path made = Dir / "new.kpm", copy = Dir / "copy.kpm";
    ASSERT_EQ(Run("new " + Quote(made)).Status, 0);
    ASSERT_EQ(Run("save " + Quote(made) + " " + Quote(copy)).Status, 0);
    EXPECT_EQ(ReadFile(made), ReadFile(copy));
    EXPECT_EQ(ReadFile(made).substr(51, 5), std::string("\x04"
                                                        "4.01",
                                                        5));
}

TEST_F(CliTest, ShowPrintsNaNAsNull)
{
    // A rectangle has no Terzaghi capacity.
    const fs::path project = Dir / "rect.kpm";
    ASSERT_EQ(Run("import " + Quote(Write("r.json", R"({"Shape": 3, "B": 4, "L": 6, "Df": 2, "Gamma": 110,
        "FS": 3, "Phi": 30})")) +
                  " " + Quote(project))
                  .Status,
              0);
    const TRun shown = Run("show " + Quote(project));
    ASSERT_EQ(shown.Status, 0) << shown.Err;
    EXPECT_NE(shown.Out.find("\"QultTerzaghi\": null"), std::string::npos);
}

TEST_F(CliTest, SquareListingAndResultsAreComputedNeverStored)
{
    // The 96 in English footing: phi Vc1 = 0.75 x 8 x 0.0022222^(1/3) x sqrt(4000) x 96 x 20.625 / 1000
    // = 98.05 kips; Vu = 5.6725 x (9216 - 36.25^2) / 144 = 311.28 kips. A result in the input
    // (VuPunch) is ignored on import and recomputed.
    const fs::path project = Dir / "square.kpm";
    ASSERT_EQ(Run("import " + Quote(Write("s.json", R"({"Shape": 1, "B": 8, "L": 8, "Df": 4, "Gamma": 120,
        "FS": 3, "Phi": 30, "Square": {"UseSquareReinforcement": 1, "Fc": 4, "Fy": 60, "FootingDim1": 96,
        "FootingDim2": 96, "ColumnDim1": 16, "ColumnDim2": 16, "FootingThickness": 24, "AxialDeadLoad": 150,
        "AxialLiveLoad": 100, "ClearCover": 3, "NumBars1": 10, "NumBars2": 10, "RebarFamily": 0,
        "FootingBarSize": 6, "VuPunch": 1}})")) +
                  " " + Quote(project))
                  .Status,
              0);

    const TRun listing = Run("listing square " + Quote(project));
    ASSERT_EQ(listing.Status, 0) << listing.Err;
    EXPECT_NE(listing.Out.find("phi Vc1\t98.05 kips (phi = 0.75, 21.2.1)\n"), std::string::npos)
        << listing.Out;
    EXPECT_NE(listing.Out.find("Vu\t311.28 kips (qu outside the section)\n"), std::string::npos);

    const TRun shown = Run("show " + Quote(project));
    ASSERT_EQ(shown.Status, 0) << shown.Err;
    EXPECT_NE(shown.Out.find("\"VuPunch\": 311.27"), std::string::npos) << shown.Out;
    EXPECT_NE(shown.Out.find("\"PuColumn\": 340"), std::string::npos);

    EXPECT_EQ(Run("listing squares " + Quote(project)).Status, 2);
}

TEST_F(CliTest, ListingContinuousPrintsTheTermsOfTheEnglishExample)
{
    // The shipped English example: Driving of combination 1 = 1.6 * 40 * 5^2 / 2 + WF = 935.15 plf,
    // PhiVn = 2937.60 plf, PhiPn,t = -0.9 * 0.31 * 60 * 1000 = -16740 plf (hand calculation in
    // ContinuousExampleTest.EnglishExampleMatchesTheHandCalculation).
    const fs::path project = Dir / "english.kpm";
    ASSERT_EQ(
        Run("import " + Quote(fs::path(PELMARK_EXAMPLES_DIR) / "example-english.json") + " " + Quote(project))
            .Status,
        0);
    const TRun run = Run("listing continuous " + Quote(project));
    ASSERT_EQ(run.Status, 0) << run.Err;
    for (const char* line :
         {"# Combination 1 - Wind (1.2D + 1.0W + L)\n", "Driving = Soil drive + Lateral drive\t935.15 plf\n",
          "\t2937.60 plf\n", "PhiPn,t = -0.9 As1 Fy (pure tension)\t-16740.00 plf\n",
          "# Simplifications Kept\n"})
        EXPECT_NE(run.Out.find(line), std::string::npos) << line;
    EXPECT_EQ(Run("listing nonsense " + Quote(project)).Status, 2);
}

// The English example converted: 8 ft = 2.4384 m shown as 2.44; 120 pcf = 18.8505 kN/m^3 shown as
// 18.9; #6 (0.44 in^2 = 283.87 mm^2) becomes the European 20M (314 mm^2), the first not smaller.
TEST_F(CliTest, ConvertWritesTheProjectInTheOtherUnits)
{
    const std::string example = std::string("'") + PELMARK_BIN_DIR + "/Example English Units.kpm'";
    const fs::path si = Dir / "si.kpm", back = Dir / "back.kpm";
    const TRun run = Run("convert " + example + " " + Quote(si) + " --to si");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    TPMData data;
    data.LoadProject(si.string());
    EXPECT_EQ(data.Units, 1);
    EXPECT_EQ(data.B, 2.44L);
    EXPECT_EQ(data.Gamma, 18.9L);
    EXPECT_EQ(data.Square.RebarFamily, 1);
    EXPECT_EQ(data.Square.FootingBarSize, 20);

    ASSERT_EQ(Run("convert " + Quote(si) + " " + Quote(back) + " --to english").Status, 0);
    TPMData english;
    english.LoadProject(back.string());
    EXPECT_EQ(english.Units, 0);
    EXPECT_EQ(english.B, 8.01L);  // 2.44 m = 8.0052 ft

    EXPECT_EQ(Run("convert " + example + " " + Quote(si)).Status, 2);
    EXPECT_EQ(Run("convert " + example + " " + Quote(si) + " --to metric").Status, 2);
}

}  // namespace

namespace {

// The display command prints the second and third load combinations of the English example, as
// the window shows them (the hand calculation of the shipped example in ContinuousExampleTest: LC2
// driving force 920.0 plf, sliding ratio 1.870, overturning SF 1.820; LC3 driving force 962.18 plf,
// toe pressure 2066.9 psf).
TEST_F(CliTest, DisplayPrintsEveryLoadCombination)
{
    const TRun run = Run("display '" + std::string(PELMARK_BIN_DIR) + "/Example English Units.kpm'");
    ASSERT_EQ(run.Status, 0) << run.Err;
    const nlohmann::json model = nlohmann::json::parse(run.Out);
    std::map<std::string, std::pair<std::string, std::string>> cells;
    for (const auto& section : model["results"])
        for (const auto& row : section["rows"])
            for (const auto& cell : row["cells"])
                cells[cell["control"]] = {cell["text"], cell["verdict"]};
    EXPECT_EQ(cells["Edit_CRR2_2"].first, "920.0");
    EXPECT_EQ(cells["Edit_CRR2_3"], (std::pair<std::string, std::string>{"1.87", "pass"}));
    EXPECT_EQ(cells["Edit_CRR2_7"].first, "1.82");
    EXPECT_EQ(cells["Edit_CRR3_2"].first, "962.2");
    EXPECT_EQ(cells["Edit_CRR3_28"], (std::pair<std::string, std::string>{"2067", "pass"}));
    EXPECT_EQ(model["results"][0]["name"], "pnlBearingCapacity");
    EXPECT_EQ(Run("display").Status, 2);
}

}  // namespace
