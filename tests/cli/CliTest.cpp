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

}  // namespace

namespace {

// The display command prints the second and third load combinations of the English example, as
// the window shows them (figures of the shipped example: LC2 driving force 248.0 plf, sliding
// ratio 8.62, overturning SF 9.14; LC3 driving force 290.2 plf, toe pressure 1489 psf).
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
    EXPECT_EQ(cells["Edit_CRR2_2"].first, "248.0");
    EXPECT_EQ(cells["Edit_CRR2_3"], (std::pair<std::string, std::string>{"8.62", "pass"}));
    EXPECT_EQ(cells["Edit_CRR2_7"].first, "9.14");
    EXPECT_EQ(cells["Edit_CRR3_2"].first, "290.2");
    EXPECT_EQ(cells["Edit_CRR3_28"], (std::pair<std::string, std::string>{"1489", "pass"}));
    EXPECT_EQ(model["results"][0]["name"], "pnlBearingCapacity");
    EXPECT_EQ(Run("display").Status, 2);
}

}  // namespace
