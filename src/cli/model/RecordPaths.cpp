#include "cli/model/RecordPaths.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <type_traits>
#include <unordered_map>

#include "cli/model/JsonRecord.h"
#include "core/PMClasses.h"

namespace {

// Visits a prototype record and notes where each numeric field lies within it.
class TFieldCollector {
  public:
    TFieldCollector(const TPMData& record, std::vector<TRecordField>& out, std::string prefix)
        : Base(reinterpret_cast<const char*>(&record)), Record(record), Out(out), Prefix(std::move(prefix))
    {
    }

    template <class T> void Input(const char* name, T& value) { Add(name, value, true); }
    template <class T> void Result(const char* name, T& value) { Add(name, value, false); }
    template <class G> void Group(const char* name, G& group)
    {
        TFieldCollector inner(Record, Out, Path(name));
        group.VisitFields(inner);
    }
    template <class T, std::size_t N> void Array(const char* name, std::array<T, N>& items)
    {
        for (std::size_t i = 0; i < N; ++i) {
            TFieldCollector inner(Record, Out, Path(name) + "[" + std::to_string(i) + "]");
            items[i].VisitFields(inner);
        }
    }

  private:
    const char* Base;
    const TPMData& Record;
    std::vector<TRecordField>& Out;
    std::string Prefix;

    std::string Path(const char* name) const { return Prefix.empty() ? name : Prefix + "." + name; }

    template <class T> void Add(const char* name, T& value, bool input)
    {
        TRecordField field;
        if constexpr (std::is_same_v<T, long double>)
            field.Type = TFieldType::Real;
        else if constexpr (std::is_same_v<T, double>)
            field.Type = TFieldType::Double;
        else if constexpr (std::is_same_v<T, std::int32_t>)
            field.Type = TFieldType::Int32;
        else if constexpr (std::is_same_v<T, std::uint8_t>)
            field.Type = TFieldType::Byte;
        else
            return;  // texts and the logo
        field.Path = Path(name);
        field.Offset = reinterpret_cast<const char*>(&value) - Base;
        field.Input = input;
        Out.push_back(std::move(field));
    }
};

template <class T> const T& At(const TPMData& record, const TRecordField& field)
{
    return *reinterpret_cast<const T*>(reinterpret_cast<const char*>(&record) + field.Offset);
}

// The shortest text that reads back as the same value: what `show` writes, in fewer digits.
template <class T> std::string ShortestText(T value)
{
    if (!std::isfinite(value))
        return "null";
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc{} ? std::string(text, end) : JsonNumberText(value);
}

}  // namespace

const std::vector<TRecordField>& RecordFields()
{
    static const std::vector<TRecordField> fields = [] {
        std::vector<TRecordField> out;
        TPMData prototype;
        TFieldCollector collector(prototype, out, "");
        prototype.VisitFields(collector);
        return out;
    }();
    return fields;
}

const TRecordField* FindRecordField(const std::string& path)
{
    // Looked up once per override of every study case: by hash, not by a walk of the list.
    static const std::unordered_map<std::string, const TRecordField*> byPath = [] {
        std::unordered_map<std::string, const TRecordField*> out;
        for (const TRecordField& field : RecordFields())
            out.emplace(field.Path, &field);
        return out;
    }();
    const auto found = byPath.find(path);
    return found == byPath.end() ? nullptr : found->second;
}

long double FieldValue(const TPMData& record, const TRecordField& field)
{
    switch (field.Type) {
    case TFieldType::Real:
        return At<long double>(record, field);
    case TFieldType::Double:
        return At<double>(record, field);
    case TFieldType::Int32:
        return At<std::int32_t>(record, field);
    case TFieldType::Byte:
        return At<std::uint8_t>(record, field);
    }
    return 0;
}

std::string FieldText(const TPMData& record, const TRecordField& field)
{
    switch (field.Type) {
    case TFieldType::Real:
        return ShortestText(At<long double>(record, field));
    case TFieldType::Double:
        return ShortestText(static_cast<long double>(At<double>(record, field)));  // read back as a Real
    case TFieldType::Int32:
        return std::to_string(At<std::int32_t>(record, field));
    case TFieldType::Byte:
        return std::to_string(At<std::uint8_t>(record, field));
    }
    return "null";
}
