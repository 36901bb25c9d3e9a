// Writing project files: the exact layout, round trips of every input, and saves that fail.
#include <gtest/gtest.h>

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/ByteSink.h"
#include "core/Extended80.h"
#include "core/PMClasses.h"
#include "core/Units.h"
#include "support/FailingSink.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << path;
    return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

Bytes Fixture(const std::string& name)
{
    return ReadFile(fs::path(PELMARK_TEST_DATA) / "files" / name);
}

void WriteFile(const fs::path& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Gives every input of the record a value of its own, including the awkward ones.
struct TFiller {
    int Next = 0;
    void Input(const char*, Real& v)
    {
        static const Real specials[] = {NaN(),
                                        -0.0L,
                                        std::numeric_limits<Real>::infinity(),
                                        std::ldexp(1.0L, -16445),
                                        1 + std::ldexp(1.0L, -63),
                                        -std::numeric_limits<Real>::max()};
        ++Next;
        v = Next % 7 == 0 ? specials[(Next / 7) % 6] : Next / 3.0L;
    }
    void Input(const char*, double& v) { v = 40000 + ++Next; }
    void Input(const char*, std::int32_t& v) { v = -1000 * ++Next; }
    void Input(const char*, std::uint8_t& v) { v = static_cast<std::uint8_t>(++Next % 2); }
    void Input(const char*, std::string& v)
    {
        v = "\u00DCn\u00EFc\u00F8d\u00E9 \u20AC " + std::to_string(++Next);
    }
    void Input(const char*, Bytes& v) { v = Fixture("logo.jpg"); }
    template <class T> void Result(const char*, T&) {}
    template <class S> void Group(const char*, S& s) { s.VisitFields(*this); }
    template <class A> void Array(const char*, A& a)
    {
        for (auto& s : a)
            s.VisitFields(*this);
    }
};

// Lists every input with its bits, so two records compare field by field.
struct TInputImage {
    std::vector<std::pair<std::string, Bytes>> Fields;
    std::string Prefix;
    void Add(const char* name, const void* data, std::size_t size)
    {
        auto p = static_cast<const std::uint8_t*>(data);
        Fields.emplace_back(Prefix + name, Bytes(p, p + size));
    }
    void Input(const char* name, Real& v)
    {
        const TExtended80 e = EncodeExtended80(v);
        Add(name, e.data(), e.size());
    }
    void Input(const char* name, double& v) { Add(name, &v, sizeof v); }
    void Input(const char* name, std::int32_t& v) { Add(name, &v, sizeof v); }
    void Input(const char* name, std::uint8_t& v) { Add(name, &v, 1); }
    void Input(const char* name, std::string& v) { Add(name, v.data(), v.size()); }
    void Input(const char* name, Bytes& v) { Add(name, v.data(), v.size()); }
    template <class T> void Result(const char*, T&) {}
    template <class S> void Group(const char* name, S& s)
    {
        const std::string outer = Prefix;
        Prefix += std::string(name) + ".";
        s.VisitFields(*this);
        Prefix = outer;
    }
    template <class A> void Array(const char* name, A& a)
    {
        const std::string outer = Prefix;
        for (std::size_t i = 0; i < a.size(); ++i) {
            Prefix = outer + name + "[" + std::to_string(i) + "].";
            a[i].VisitFields(*this);
        }
        Prefix = outer;
    }
};

std::vector<std::pair<std::string, Bytes>> InputsOf(TPMData& r)
{
    TInputImage image;
    r.VisitFields(image);
    return image.Fields;
}

// A folder of its own for each test, removed afterwards.
class ProjectFileWrite : public ::testing::Test {
  protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "pelmark-file-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        Dir = pattern;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(Dir, fs::perms::owner_all, ec);
        fs::remove_all(Dir, ec);
        ActivateInputLimits(0);
    }
    std::vector<fs::path> Entries() const
    {
        std::vector<fs::path> out;
        for (const auto& e : fs::directory_iterator(Dir))
            out.push_back(e.path().filename());
        return out;
    }
    fs::path Dir;
};

}  // namespace

// Header 64 + blocks 196 + 169 + 924 + 601 + 24: the zero fixture is that layout with every
// number 0.
TEST_F(ProjectFileWrite, EmptyRecordWritesTheLayoutExactly)
{
    TPMData r;
    r.Date = 0;
    const Bytes saved = r.SaveProjectToBytes();
    EXPECT_EQ(saved.size(), 1978u);
    EXPECT_EQ(saved, Fixture("zero_4_01.kpm"));
}

TEST_F(ProjectFileWrite, ReadingAndWritingAVersion401FileGivesItsBytesBack)
{
    const Bytes original = Fixture("v4_01.kpm");
    TPMData r;
    r.LoadProjectFromBytes(original);
    EXPECT_EQ(r.SaveProjectToBytes(), original);
}

TEST_F(ProjectFileWrite, EveryInputSurvivesASaveBitForBit)
{
    TPMData r;
    TFiller filler;
    r.VisitFields(filler);
    r.SaveProject((Dir / "all.kpm").string());
    TPMData back;
    back.LoadProject((Dir / "all.kpm").string());
    const auto expected = InputsOf(r);
    const auto actual = InputsOf(back);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << expected[i].first;
    EXPECT_EQ(ActiveUnitSystem(), back.Units);
}

TEST_F(ProjectFileWrite, TextsAreStoredInTheCodePageAndCutAt255Bytes)
{
    struct Case {
        std::string text, stored;
    };
    const Case cases[] = {
        {std::string(255, 'x') + "y", std::string(255, 'x')},
        {std::string(254, 'x') + "\u20AC",
         std::string(254, 'x') + "\x80"},  // 3 bytes in memory, 1 in the file
        {std::string(300, 'a'), std::string(255, 'a')},
        {"\u4E2D\u00E9", "?\xE9"},
    };
    for (const Case& c : cases) {
        TPMData r;
        r.Organization = c.text;
        const Bytes saved = r.SaveProjectToBytes();
        const std::size_t length = saved[64] | (saved[65] << 8);
        EXPECT_EQ(std::string(saved.begin() + 66, saved.begin() + 66 + length), c.stored);
        EXPECT_EQ(saved.size(), 1978u + length);
    }
    // 300 e-acute: 600 bytes in memory, 255 characters in the file and after reading.
    std::string accents;
    for (int i = 0; i < 300; ++i)
        accents += "\u00E9";
    TPMData r;
    r.ProjectName = accents;
    TPMData back;
    back.LoadProjectFromBytes(r.SaveProjectToBytes());
    EXPECT_EQ(back.ProjectName, accents.substr(0, 2 * 255));
}

// A save that fails after any number of bytes leaves the previous content whole.
TEST_F(ProjectFileWrite, FailingAfterAnyByteKeepsThePreviousContent)
{
    TPMData r;
    r.LoadProjectFromBytes(Fixture("v4_01.kpm"));
    const Bytes previous = Fixture("zero_4_01.kpm");
    const std::size_t total = r.SaveProjectToBytes().size();
    for (std::size_t n = 0; n < total; ++n) {
        TMemorySink target;
        target.Committed = previous;
        TFailingSink failing(target, n);
        EXPECT_THROW(r.SaveProjectTo(failing), EFileError) << n;
        ASSERT_EQ(target.Committed, previous) << n;
    }
    TMemorySink target;
    target.Committed = previous;
    TFailingSink enough(target, total);
    r.SaveProjectTo(enough);
    EXPECT_EQ(target.Committed, Fixture("v4_01.kpm"));
}

TEST_F(ProjectFileWrite, FailingFileSaveLeavesTheTargetAndNoTemporaryFile)
{
    TPMData r;
    r.LoadProjectFromBytes(Fixture("v4_01.kpm"));
    const fs::path target = Dir / "project.kpm";
    const Bytes previous = Fixture("zero_4_01.kpm");
    WriteFile(target, previous);
    for (std::size_t n :
         {std::size_t{0}, std::size_t{1}, std::size_t{64}, std::size_t{1500}, std::size_t{2659}}) {
        {
            TFileSink sink(target.string());
            TFailingSink failing(sink, n);
            EXPECT_THROW(r.SaveProjectTo(failing), EFileError) << n;
        }
        EXPECT_EQ(ReadFile(target), previous) << n;
        EXPECT_EQ(Entries(), std::vector<fs::path>{"project.kpm"}) << n;
    }
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    r.SaveProject(target.string());
    EXPECT_EQ(ReadFile(target), Fixture("v4_01.kpm"));
    EXPECT_EQ(Entries(), std::vector<fs::path>{"project.kpm"});
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(ProjectFileWrite, UncreatableFileRaisesThePlatformErrorWithThePath)
{
    TPMData r;
    if (geteuid() != 0) {
        // A folder without write permission: the previous file stays as it was.
        const fs::path target = Dir / "kept.kpm";
        WriteFile(target, Fixture("zero_4_01.kpm"));
        fs::permissions(Dir, fs::perms::owner_read | fs::perms::owner_exec);
        try {
            r.SaveProject(target.string());
            ADD_FAILURE() << "saved into a read-only folder";
        } catch (const EFileError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Cannot create file \"" + target.string() + "\". " + std::strerror(EACCES));
        }
        fs::permissions(Dir, fs::perms::owner_all);
        EXPECT_EQ(ReadFile(target), Fixture("zero_4_01.kpm"));
    }
    const std::string missing = (Dir / "no folder" / "p.kpm").string();
    try {
        r.SaveProject(missing);
        FAIL() << "saved into a missing folder";
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + missing + "\". " + std::strerror(ENOENT));
    }
    EXPECT_FALSE(fs::exists(Dir / "no folder"));
}
