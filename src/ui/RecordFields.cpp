#include "ui/RecordFields.h"

#include <array>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "core/PMClasses.h"

namespace {

// Walks the record, keeping the dotted path of the current group, and captures the first Real
// field that matches.
class TFieldFinder {
public:
    TFieldFinder(std::string group, std::string name, bool exact)
        : Group_(std::move(group)), Name_(std::move(name)), Exact_(exact)
    {
    }

    Real* Found = nullptr;

    template <class T> void Input(const char* name, T& field) { Visit(name, field); }
    template <class T> void Result(const char* name, T& field) { Visit(name, field); }

    template <class T> void Group(const char* name, T& group)
    {
        const std::string saved = Prefix_;
        Prefix_ = Join(name);
        group.VisitFields(*this);
        Prefix_ = saved;
    }

    template <class T, std::size_t N> void Array(const char* name, std::array<T, N>& items)
    {
        const std::string saved = Prefix_;
        const std::string base = Join(name);  // taken once: each item's prefix replaces the last
        for (std::size_t i = 0; i < N && !Found; ++i) {
            Prefix_ = base + "[" + std::to_string(i) + "]";
            items[i].VisitFields(*this);
        }
        Prefix_ = saved;
    }

private:
    template <class T> void Visit(const char* name, T& field)
    {
        if (Found)
            return;
        if constexpr (std::is_same_v<T, Real>) {
            if (Matches(Join(name), name))
                Found = &field;
        } else if constexpr (requires { std::tuple_size<T>::value; typename T::value_type; }) {
            if constexpr (std::is_same_v<typename T::value_type, Real>) {
                for (std::size_t i = 0; i < field.size() && !Found; ++i) {
                    const std::string item = std::string(name) + "[" + std::to_string(i) + "]";
                    if (Matches(Join(item.c_str()), item.c_str()))
                        Found = &field[i];
                }
            }
        }
    }

    bool Matches(const std::string& full, const std::string& leaf) const
    {
        if (Exact_)
            return full == Name_;
        if (leaf != Name_)
            return false;
        return Group_.empty() || full.compare(0, Group_.size() + 1, Group_ + ".") == 0;
    }

    std::string Join(const char* name) const { return Prefix_.empty() ? name : Prefix_ + "." + name; }

    std::string Group_, Name_;
    bool Exact_;
    std::string Prefix_;
};

}  // namespace

Real* FindRealField(TPMData& data, const std::string& path)
{
    const auto slash = path.find('/');
    TFieldFinder finder = slash == std::string::npos
                              ? TFieldFinder({}, path, true)
                              : TFieldFinder(path.substr(0, slash), path.substr(slash + 1), false);
    data.VisitFields(finder);
    return finder.Found;
}
