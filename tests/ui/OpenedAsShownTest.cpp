// The batch tool's "show" puts a project's inputs into the state the window shows after opening
// it; the two must hold the same record, inputs and results, field for field.
#include <QComboBox>
#include <array>
#include <cstring>
#include <vector>

#include "WindowFixture.h"
#include "core/AppPaths.h"
#include "core/InputCatalogue.h"

namespace {

// Collects every field of a record as (path, bytes), NaN payloads made equal.
class TFieldDump {
  public:
    std::vector<std::pair<std::string, std::string>> Fields;

    template <class T> void Input(const char* name, T& field) { Add(name, field); }
    template <class T> void Result(const char* name, T& field) { Add(name, field); }
    template <class T> void Group(const char* name, T& group)
    {
        const std::string saved = Prefix_;
        Prefix_ += std::string(name) + ".";
        group.VisitFields(*this);
        Prefix_ = saved;
    }
    template <class T, std::size_t N> void Array(const char* name, std::array<T, N>& items)
    {
        const std::string saved = Prefix_;
        for (std::size_t i = 0; i < N; ++i) {
            Prefix_ = saved + name + "[" + std::to_string(i) + "].";
            items[i].VisitFields(*this);
        }
        Prefix_ = saved;
    }

  private:
    static std::string Text(Real v)
    {
        if (IsNaN(v))
            return "nan";
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.21Lg", v);
        return buffer;
    }
    template <class T> static std::string Text(const T& v)
    {
        if constexpr (std::is_arithmetic_v<T>)
            return std::to_string(v);
        else if constexpr (std::is_same_v<T, std::string>)
            return v;
        else {
            std::string all;
            for (const auto& item : v)
                all += Text(item) + ";";
            return all;
        }
    }
    template <class T> void Add(const char* name, T& field)
    {
        Fields.emplace_back(Prefix_ + name, Text(field));
    }
    std::string Prefix_;
};

std::vector<std::pair<std::string, std::string>> Dump(TPMData& data)
{
    TFieldDump dump;
    data.VisitFields(dump);
    return dump.Fields;
}

class TOpenedAsShownTest : public TWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(TOpenedAsShownTest, WindowAndBatchToolHoldTheSameRecord)
{
    const std::string path = ExecutableDir() + GetParam();
    // The window's Open after its dialog.
    W().Guarded([&] { W().OpenProject(QString::fromStdString(path)); });
    ASSERT_TRUE(Platform_.Messages.isEmpty()) << Platform_.Messages[0].Text.toStdString();

    // The batch tool's default show.
    TPMData shown;
    shown.ResetRecord();
    shown.LoadProject(path);
    NormalizeInputsAsShown(shown);
    shown.ComputeAll();

    const auto window = Dump(D());
    const auto batch = Dump(shown);
    ASSERT_EQ(window.size(), batch.size());
    int differences = 0;
    for (std::size_t i = 0; i < window.size(); ++i) {
        if (window[i].first == "Date")
            continue;
        if (window[i] != batch[i] && ++differences <= 20)
            ADD_FAILURE() << window[i].first << ": window " << window[i].second << ", show "
                          << batch[i].second;
    }
    EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(Examples, TOpenedAsShownTest,
                         ::testing::Values(kExampleProjectName, kExampleProjectNameSI),
                         [](const auto& info) { return std::string(info.index == 0 ? "English" : "SI"); });

}  // namespace
