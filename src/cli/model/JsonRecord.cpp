#include "cli/model/JsonRecord.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <map>
#include <nlohmann/json.hpp>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "cli/model/Base64.h"
#include "cli/model/RecordPaths.h"
#include "core/PMClasses.h"

namespace {

template <class T> struct IsStdArray : std::false_type {
};
template <class T, std::size_t N> struct IsStdArray<std::array<T, N>> : std::true_type {
};

}  // namespace

std::string JsonNumberText(long double v)
{
    if (!std::isfinite(v))
        return "null";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.21Lg", v);
    return buffer;
}

std::string JsonQuotedText(const std::string& text)
{
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

namespace {

std::string QuoteText(const std::string& text)
{
    return JsonQuotedText(text);
}

class TJsonWriter {
  public:
    explicit TJsonWriter(int indent) : Indent(indent) {}

    template <class T> void Input(const char* name, T& value) { Member(name, value); }
    template <class T> void Result(const char* name, T& value) { Member(name, value); }
    template <class G> void Group(const char* name, G& group)
    {
        Key(name);
        Object(group);
    }
    template <class T, std::size_t N> void Array(const char* name, std::array<T, N>& items)
    {
        Key(name);
        Out += "[";
        for (std::size_t i = 0; i < N; ++i) {
            if (i)
                Out += ",";
            Newline(Indent + 1);
            TJsonWriter inner(Indent + 1);
            inner.Object(items[i]);
            Out += inner.Out;
        }
        Newline(Indent);
        Out += "]";
    }

    template <class G> void Object(G& group)
    {
        Out += "{";
        TJsonWriter inner(Indent + 1);
        group.VisitFields(inner);
        Out += inner.Out;
        if (!inner.Out.empty())
            Newline(Indent);
        Out += "}";
    }

    void RawMember(const char* name, const std::string& text)
    {
        Key(name);
        Out += text;
    }

    std::string Out;

  private:
    int Indent;
    bool First = true;

    void Newline(int level)
    {
        Out += "\n";
        Out.append(static_cast<std::size_t>(level) * 2, ' ');
    }

    void Key(const char* name)
    {
        if (!First)
            Out += ",";
        First = false;
        Newline(Indent);
        Out += QuoteText(name);
        Out += ": ";
    }

    template <class T> void Member(const char* name, T& value)
    {
        Key(name);
        Out += ValueText(value);
    }

    static std::string ValueText(const std::string& v) { return QuoteText(v); }
    static std::string ValueText(const std::vector<std::uint8_t>& v) { return QuoteText(EncodeBase64(v)); }
    static std::string ValueText(long double v) { return JsonNumberText(v); }
    static std::string ValueText(double v) { return JsonNumberText(v); }
    static std::string ValueText(std::int32_t v) { return std::to_string(v); }
    static std::string ValueText(std::uint8_t v) { return std::to_string(v); }
    template <class T, std::size_t N> static std::string ValueText(std::array<T, N>& items)
    {
        std::string text = "[";
        for (std::size_t i = 0; i < N; ++i)
            text += (i ? ", " : "") + ValueText(items[i]);
        return text + "]";
    }
};

using TJson =
    nlohmann::basic_json<std::map, std::vector, std::string, bool, std::int64_t, std::uint64_t, long double>;

// The names of a group's fields, one level deep.
struct TNameCollector {
    std::vector<std::string_view> Names;
    template <class T> void Input(const char* name, T&) { Names.push_back(name); }
    template <class T> void Result(const char* name, T&) { Names.push_back(name); }
    template <class G> void Group(const char* name, G&) { Names.push_back(name); }
    template <class T, std::size_t N> void Array(const char* name, std::array<T, N>&)
    {
        Names.push_back(name);
    }
};

class TJsonReader {
  public:
    TJsonReader(const TJson& object, std::string prefix) : Object(object), Prefix(std::move(prefix))
    {
        if (!Object.is_object())
            Fail(Prefix.empty() ? std::string("the document") : Prefix, "must be an object");
    }

    template <class T> void Input(const char* name, T& value)
    {
        if (const TJson* j = Take(name))
            Read(Path(name), *j, value);
    }
    template <class T> void Result(const char*, T&) {}
    template <class G> void Group(const char* name, G& group)
    {
        const TJson* j = Take(name);
        if (!j)
            return;
        TJsonReader inner(*j, Path(name));
        group.VisitFields(inner);
        inner.CheckUnknown(group);
    }
    template <class T, std::size_t N> void Array(const char* name, std::array<T, N>& items)
    {
        const TJson* it = Take(name);
        if (!it)
            return;
        if (!it->is_array() || it->size() > N)
            Fail(Path(name), "must be an array of at most " + std::to_string(N) + " objects");
        for (std::size_t i = 0; i < it->size(); ++i) {
            TJsonReader inner((*it)[i], Path(name) + "[" + std::to_string(i) + "]");
            items[i].VisitFields(inner);
            inner.CheckUnknown(items[i]);
        }
    }

    // Every member must be a field of the group. Each member read is a distinct field, so only
    // when some were not read are the group's names gathered to find the stranger.
    template <class G> void CheckUnknown(G& group, const std::vector<std::string>& alsoAllowed = {}) const
    {
        if (Found == Object.size())
            return;
        TNameCollector names;
        group.VisitFields(names);
        for (auto it = Object.begin(); it != Object.end(); ++it) {
            bool known = false;
            for (std::string_view k : names.Names)
                known = known || k == it.key();
            for (const std::string& k : alsoAllowed)
                known = known || k == it.key();
            if (!known)
                Fail(Path(it.key()), "is not a field of the record");
        }
    }

  private:
    const TJson& Object;
    std::string Prefix;
    std::size_t Found = 0;  // members of the object read so far

    // The member of this name; once every member is read no more are looked up.
    const TJson* Take(const char* name)
    {
        if (Found == Object.size())
            return nullptr;
        auto it = Object.find(name);
        if (it == Object.end())
            return nullptr;
        ++Found;
        return &*it;
    }

    std::string Path(const std::string& name) const { return Prefix.empty() ? name : Prefix + "." + name; }

    [[noreturn]] static void Fail(const std::string& field, const std::string& what)
    {
        throw EPelmarkError("field \"" + field + "\" " + what);
    }

    static void Read(const std::string& field, const TJson& j, long double& v)
    {
        if (j.is_null())
            v = NaN();
        else if (j.is_number())
            v = j.get<long double>();
        else
            Fail(field, "must be a number or null");
    }
    static void Read(const std::string& field, const TJson& j, double& v)
    {
        if (!j.is_number())
            Fail(field, "must be a number");
        v = j.get<double>();
    }
    template <class I> static void ReadInteger(const std::string& field, const TJson& j, I& v)
    {
        if (!j.is_number_integer())
            Fail(field, "must be a whole number");
        const std::int64_t n = j.get<std::int64_t>();
        if (n < std::numeric_limits<I>::min() || n > std::numeric_limits<I>::max())
            Fail(field, "is out of range");
        v = static_cast<I>(n);
    }
    static void Read(const std::string& field, const TJson& j, std::int32_t& v) { ReadInteger(field, j, v); }
    static void Read(const std::string& field, const TJson& j, std::uint8_t& v) { ReadInteger(field, j, v); }
    static void Read(const std::string& field, const TJson& j, std::string& v)
    {
        if (!j.is_string())
            Fail(field, "must be a text");
        v = j.get<std::string>();
    }
    static void Read(const std::string& field, const TJson& j, std::vector<std::uint8_t>& v)
    {
        if (!j.is_string())
            Fail(field, "must be a base64 text");
        std::vector<std::uint8_t> bytes;
        if (!DecodeBase64(j.get<std::string>(), bytes))
            Fail(field, "is not valid base64");
        v = std::move(bytes);
    }
};

// The numeric members of an override document, each matched to its record field by path, without
// visiting the record: a study's few overrides cost a few lookups. Anything this does not take as
// it is (a text, a field it does not know, a value of the wrong kind) leaves the document to the
// reader, which sets texts and names the faulty field.
class TNumericOverrides {
  public:
    // False when the document needs the reader; nothing is set then.
    bool Apply(TPMData& data, const TJson& document)
    {
        Pending.clear();
        if (!Collect(document, ""))
            return false;
        char* base = reinterpret_cast<char*>(&data);
        for (const auto& [field, value] : Pending) {
            char* at = base + field->Offset;
            switch (field->Type) {
            case TFieldType::Real:
                *reinterpret_cast<long double*>(at) = value->is_null() ? NaN() : value->get<long double>();
                break;
            case TFieldType::Double:
                *reinterpret_cast<double*>(at) = value->get<double>();
                break;
            case TFieldType::Int32:
                *reinterpret_cast<std::int32_t*>(at) = static_cast<std::int32_t>(value->get<std::int64_t>());
                break;
            case TFieldType::Byte:
                *reinterpret_cast<std::uint8_t*>(at) = static_cast<std::uint8_t>(value->get<std::int64_t>());
                break;
            }
        }
        return true;
    }

  private:
    std::vector<std::pair<const TRecordField*, const TJson*>> Pending;

    static const std::unordered_map<std::string, const TRecordField*>& ByPath()
    {
        static const std::unordered_map<std::string, const TRecordField*> paths = [] {
            std::unordered_map<std::string, const TRecordField*> out;
            for (const TRecordField& field : RecordFields())
                out.emplace(field.Path, &field);
            return out;
        }();
        return paths;
    }

    template <class I> static bool FitsInteger(const TJson& j)
    {
        if (!j.is_number_integer())
            return false;
        const std::int64_t n = j.get<std::int64_t>();
        return n >= std::numeric_limits<I>::min() && n <= std::numeric_limits<I>::max();
    }

    static bool Acceptable(const TRecordField& field, const TJson& j)
    {
        switch (field.Type) {
        case TFieldType::Real:
            return j.is_null() || j.is_number();
        case TFieldType::Double:
            return j.is_number();
        case TFieldType::Int32:
            return FitsInteger<std::int32_t>(j);
        case TFieldType::Byte:
            return FitsInteger<std::uint8_t>(j);
        }
        return false;
    }

    bool Collect(const TJson& object, const std::string& prefix)
    {
        // An empty group or array item names no field: whether it is allowed where it stands
        // (an item beyond an array's length is not) is the reader's to say.
        if (!object.is_object() || object.empty())
            return false;
        for (auto it = object.begin(); it != object.end(); ++it) {
            const std::string path = prefix.empty() ? it.key() : prefix + "." + it.key();
            const TJson& value = *it;
            if (value.is_object()) {
                if (!Collect(value, path))
                    return false;
            } else if (value.is_array()) {
                if (value.empty())
                    return false;
                for (std::size_t i = 0; i < value.size(); ++i)
                    if (!Collect(value[i], path + "[" + std::to_string(i) + "]"))
                        return false;
            } else {
                const auto found = ByPath().find(path);
                if (found == ByPath().end() || !Acceptable(*found->second, value))
                    return false;
                if (found->second->Input)  // result fields are ignored, as the reader ignores them
                    Pending.emplace_back(found->second, &value);
            }
        }
        return true;
    }
};

}  // namespace

std::string RecordToJson(TPMData& data, const std::string& error)
{
    TJsonWriter writer(0);
    writer.Out += "{";
    TJsonWriter inner(1);
    data.VisitFields(inner);
    if (!error.empty())
        inner.RawMember("error", QuoteText(error));
    writer.Out += inner.Out;
    writer.Out += "\n}\n";
    return writer.Out;
}

void InputsFromJson(TPMData& data, const std::string& json)
{
    TJson document;
    try {
        document = TJson::parse(json);
    } catch (const std::exception& e) {
        throw EPelmarkError(std::string("not a JSON document: ") + e.what());
    }
    thread_local TNumericOverrides numeric;
    if (numeric.Apply(data, document))
        return;
    TJsonReader reader(document, "");
    std::vector<std::uint8_t> logo = data.Logo;
    data.VisitFields(reader);
    reader.CheckUnknown(data, {"error"});
    if (data.Logo != logo) {
        std::vector<std::uint8_t> jpeg = std::move(data.Logo);
        data.Logo = std::move(logo);
        data.SetLogo(jpeg);
    }
}
