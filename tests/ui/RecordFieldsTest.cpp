// Result rows find their record fields by path, in every item of an array of groups.
#include <gtest/gtest.h>

#include "core/PMClasses.h"
#include "ui/RecordFields.h"

namespace {

TEST(RecordFields, FindsFieldsOfEveryLoadCombination)
{
    TPMData d;
    for (int i = 0; i < 3; ++i) {
        const std::string item = "Continuous.LoadCases[" + std::to_string(i) + "]";
        EXPECT_EQ(FindRealField(d, item + ".Vdl"), &d.Continuous.LoadCases[i].Vdl) << i;
        EXPECT_EQ(FindRealField(d, item + "/Resisting"), &d.Continuous.LoadCases[i].Resisting) << i;
    }
    EXPECT_EQ(FindRealField(d, "Continuous.LoadCases[1]/Fp"), &d.Continuous.LoadCases[1].Fp);
    EXPECT_EQ(FindRealField(d, "Continuous.LoadCases[3].Vdl"), nullptr);
}

}  // namespace
