#include "support/RecordDump.h"

#include <array>
#include <type_traits>

#include "core/PMClasses.h"

namespace {

class TDumper {
  public:
    TFieldDump Fields;

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
        const std::string saved = Prefix_, base = Join(name);
        for (std::size_t i = 0; i < N; ++i) {
            Prefix_ = base + "[" + std::to_string(i) + "]";
            items[i].VisitFields(*this);
        }
        Prefix_ = saved;
    }

  private:
    template <class T> void Visit(const char* name, T& field)
    {
        if constexpr (std::is_same_v<T, Real>) {
            Fields.emplace_back(Join(name), field);
        } else if constexpr (requires {
                                 std::tuple_size<T>::value;
                                 typename T::value_type;
                             }) {
            if constexpr (std::is_same_v<typename T::value_type, Real>)
                for (std::size_t i = 0; i < field.size(); ++i)
                    Fields.emplace_back(Join(name) + "[" + std::to_string(i) + "]", field[i]);
        }
    }
    std::string Join(const char* name) const { return Prefix_.empty() ? name : Prefix_ + "." + name; }

    std::string Prefix_;
};

}  // namespace

TFieldDump DumpRealFields(const TPMData& record)
{
    TPMData copy = record;  // the visitors walk a mutable record
    TDumper dumper;
    copy.VisitFields(dumper);
    return std::move(dumper.Fields);
}
