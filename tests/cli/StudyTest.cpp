// Studies through the library: every case as `show` computes it, bad lines, threads.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <unistd.h>

#include "cli/model/JsonRecord.h"
#include "cli/model/ProjectLoading.h"
#include "cli/model/RecordPaths.h"
#include "cli/model/Study.h"
#include "core/AppPaths.h"
#include "core/PMClasses.h"

namespace {

namespace fs = std::filesystem;
using TJson =
    nlohmann::basic_json<std::map, std::vector, std::string, bool, std::int64_t, std::uint64_t, long double>;

const std::string kBasePath = std::string(PELMARK_BIN_DIR) + "/" + kExampleProjectName;

TPMData LoadBase()
{
    TPMData base;
    base.ResetRecord();
    base.LoadProject(kBasePath);
    return base;
}

// A random case over the inputs a study varies, with values off the displayed decimals and
// outside the input limits, so that clamping and rounding take part; now and then the other
// unit system, another shape, or a design switched off.
std::string RandomCase(std::mt19937& rng)
{
    std::uniform_real_distribution<double> u(0, 1);
    auto in = [&](double lo, double hi) {
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", lo + (hi - lo) * u(rng));
        return std::string(text);
    };
    std::string c = "{\"B\": " + in(0.2, 20) + ", \"Df\": " + in(0.5, 12) + ", \"Phi\": " + in(-2, 45) +
                    ", \"C\": " + in(0, 1500) + ", \"Gamma\": " + in(80, 160);
    const double pick = u(rng);
    if (pick < 0.1)
        c += ", \"Units\": 1";
    else if (pick < 0.2)
        c += ", \"Shape\": " + std::to_string(rng() % 4);
    c += ", \"Square\": {\"FootingDim1\": " + in(40, 200) + ", \"FootingThickness\": " + in(10, 40) +
         ", \"AxialDeadLoad\": " + in(20, 400) + ", \"NumBars1\": " + in(1, 30) +
         (pick > 0.95 ? ", \"UseSquareReinforcement\": 0}" : "}");
    c += ", \"Stability\": {\"Pedestals\": [{\"PzD\": -" + in(0, 400) + ", \"PzL\": -" + in(0, 200) +
         ", \"HxW\": " + in(-20, 20) + "}]}";
    c += ", \"Continuous\": {\"LoadCases\": [{\"Pdl\": " + in(0, 3000) + "}]}}";
    return c;
}

// `show FILE` of the base with the case's overrides, as a file written like `import` writes one.
TJson ShowOfCase(const TPMData& base, const std::string& overrides, const fs::path& file)
{
    TPMData written = base;
    InputsFromJson(written, overrides);
    written.SaveProject(file.string());
    TPMData shown;
    const std::string error = LoadAndCompute(shown, file.string(), TLoadMode::AsShown);
    return TJson::parse(RecordToJson(shown, error));
}

const TJson& AtPath(const TJson& object, const std::string& path)
{
    const TJson* node = &object;
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t end = path.find_first_of(".[", start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start)
            node = &node->at(path.substr(start, end - start));
        if (end < path.size() && path[end] == '[') {
            const std::size_t close = path.find(']', end);
            node = &node->at(std::stoul(path.substr(end + 1, close - end - 1)));
            end = close + 1;
        }
        start = end + (end < path.size() && path[end] == '.' ? 1 : 0);
    }
    return *node;
}

std::vector<std::string> AllNumericPaths()
{
    std::vector<std::string> paths;
    for (const TRecordField& field : RecordFields())
        paths.push_back(field.Path);
    return paths;
}

TEST(Study, EveryCaseEqualsShowOfTheSameCase)
{
    const TPMData base = LoadBase();
    const std::vector<std::string> paths = AllNumericPaths();
    std::vector<std::string> names = paths;
    names.push_back("Square.Checks.AllPass");
    const TStudy study(base, ResolveStudyFields(names));
    const fs::path file =
        fs::temp_directory_path() / ("pelmark-study-" + std::to_string(::getpid()) + ".kpm");

    std::mt19937 rng(20261210);
    TPMData work;
    int mismatches = 0;
    for (int n = 1; n <= 2000 && mismatches < 10; ++n) {
        const std::string overrides = RandomCase(rng);
        const TJson line = TJson::parse(study.CaseLine(overrides, n, work));
        const TJson show = ShowOfCase(base, overrides, file);
        ASSERT_EQ(line.at("line"), n);
        EXPECT_EQ(line.contains("error"), show.contains("error")) << overrides;
        for (const std::string& path : paths) {
            if (line.at(path) != AtPath(show, path) && ++mismatches <= 10)
                ADD_FAILURE() << "case " << overrides << "\n"
                              << path << ": study " << static_cast<double>(line.at(path).get<long double>())
                              << ", show " << static_cast<double>(AtPath(show, path).get<long double>());
        }
        // A verdict applies exactly when the square footing design ran.
        const TJson& square = show.at("Square");
        EXPECT_EQ(line.at("Square.Checks.AllPass").is_null(), square.at("UseSquareReinforcement") == 0)
            << overrides;
    }
    fs::remove(file);
}

// Numeric overrides are read as the text is parsed; an "error" member (a text) sends the same
// document to the reader that visits the record. Both must set the same record, nulls, whole
// numbers and nested groups included.
TEST(Study, ParsedOverridesSetWhatTheReaderSets)
{
    const TPMData base = LoadBase();
    std::mt19937 rng(11);
    std::vector<std::string> cases;
    for (int n = 0; n < 300; ++n)
        cases.push_back(RandomCase(rng));
    cases.push_back(R"({"Phi": null, "Units": 1, "Square": {"RebarFamily": 2, "FootingBarSize": 16}})");
    cases.push_back(R"({"Stability": {"PedestalCount": 2, "Pedestals": [{"PzD": -5}, {"PzL": -7e1}]}})");
    for (const std::string& overrides : cases) {
        TPMData parsed = base, read = base;
        InputsFromJson(parsed, overrides);
        InputsFromJson(read,
                       overrides.substr(0, overrides.rfind('}')) + R"(, "error": "read by the reader"})");
        ASSERT_EQ(RecordToJson(parsed), RecordToJson(read)) << overrides;
    }
}

TEST(Study, BadLinesGetAnErrorNamingTheFieldAndTheStudyGoesOn)
{
    const TPMData base = LoadBase();
    const TStudy study(base, ResolveStudyFields({"QallVesic", "Square.Checks.QService"}));
    const std::string input = "{\"Phi\": 32}\n"
                              "{\"Phi\": 32\n"
                              "{\"Phi\": \"thirty\"}\n"
                              "{\"Square\": {\"Fcc\": 4}}\n"
                              "{\"Stability\": {\"Pedestals\": [{\"PzD\": true}]}}\n"
                              "\n"
                              "[1, 2]\n"
                              "{\"Phi\": 32}\r\n";
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_EQ(study.Run(in, out, 2), 7);

    std::vector<TJson> lines;
    std::istringstream text(out.str());
    for (std::string line; std::getline(text, line);)
        lines.push_back(TJson::parse(line));
    ASSERT_EQ(lines.size(), 7u);
    const int numbers[] = {1, 2, 3, 4, 5, 7, 8};  // the blank line 6 is no case
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].at("line"), numbers[i]);
    EXPECT_FALSE(lines[0].contains("error"));
    TJson first = lines[0], last = lines[6];  // the same case, the second with a CR LF ending
    first.erase("line");
    last.erase("line");
    EXPECT_EQ(first, last);
    EXPECT_NE(lines[1].at("error").get<std::string>().find("not a JSON document"), std::string::npos);
    EXPECT_NE(lines[2].at("error").get<std::string>().find("\"Phi\""), std::string::npos);
    EXPECT_NE(lines[3].at("error").get<std::string>().find("\"Square.Fcc\""), std::string::npos);
    EXPECT_NE(lines[4].at("error").get<std::string>().find("\"Stability.Pedestals[0].PzD\""),
              std::string::npos);
    EXPECT_NE(lines[5].at("error").get<std::string>().find("must be an object"), std::string::npos);
    for (int i : {1, 2, 3, 4, 5})
        EXPECT_FALSE(lines[static_cast<std::size_t>(i)].contains("QallVesic")) << i;
}

TEST(Study, TwoThreadsWriteWhatOneThreadWrites)
{
    const TPMData base = LoadBase();
    const TStudy study(base, ResolveStudyFields(DefaultStudyFieldNames()));
    std::mt19937 rng(7);
    std::string input;
    for (int n = 0; n < 9000; ++n)  // more than one batch of lines
        input += (n == 4000 ? std::string("{\"B\": []}") : RandomCase(rng)) + "\n";
    std::string outputs[2];
    for (unsigned threads : {1u, 2u}) {
        std::istringstream in(input);
        std::ostringstream out;
        EXPECT_EQ(study.Run(in, out, threads), 9000);
        outputs[threads - 1] = out.str();
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_NE(outputs[0].find("{\"line\": 4001, \"error\": "), std::string::npos);
}

TEST(StudyFields, DefaultsResolveAndUnknownNamesAreRefused)
{
    for (const std::string& name : DefaultStudyFieldNames())
        EXPECT_NO_THROW(ResolveStudyField(name)) << name;
    for (const std::string& name : VerdictNames())
        EXPECT_NE(std::find(DefaultStudyFieldNames().begin(), DefaultStudyFieldNames().end(), name),
                  DefaultStudyFieldNames().end())
            << name;
    for (const char* bad : {"Square.Nope", "Organization", "Stability.Pedestals[4].PzD", "Checks"})
        EXPECT_THROW(ResolveStudyField(bad), EPelmarkError) << bad;
}

}  // namespace
