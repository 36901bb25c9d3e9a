#include <gtest/gtest.h>

#include "update/VersionCompare.h"

namespace {

TEST(VersionCompare, NewerByFormat)
{
    using F = TmxVersionFormat;
    const struct {
        F Format;
        const char* Installed;
        const char* Page;
        bool Newer;
    } cases[] = {
        {F::vfStandard, "3.0.1", "3.0.2", true},
        {F::vfStandard, "3.1.0", "3.0.9", false},
        {F::vfStandard, "3.0.2", "3.0.2", false},
        {F::vfStandard, "3.0.9", "3.0.10", true},  // parts are numbers, not texts
        {F::vfStandard, "4.1.0", "10.0.0", true},
        {F::vfStandard, "x.1.0", "1.0.0", true},  // a part that is not a number counts 0
        {F::vfStandard, "3.0", "3.0.1", true},    // a missing part counts 0
        {F::vfStandard, "3.0.1", "3.0", false},
        {F::vfStandard, "3.0.0", "3", false},
        {F::vfString, "3.0.1", "3.0.2", true},
        {F::vfString, "3.0.2", "3.0.2", false},
        {F::vfString, "3.0.9", "3.0.10", false},  // '1' sorts before '9'
        {F::vfString, "B", "a", true},            // 'a' (97) after 'B' (66)
        {F::vfNumber, "1.5", "2.25", true},
        {F::vfNumber, "2", "2.0", false},
        {F::vfNumber, "2.5", "2.25", false},
        {F::vfNumber, "abc", "2", false},
        {F::vfNumber, "1", "two", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Installed) + " -> " + c.Page);
        EXPECT_EQ(IsNewerVersion(c.Installed, c.Page, c.Format), c.Newer);
    }
}

}  // namespace
