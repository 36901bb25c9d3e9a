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

// The numeric members of an override document, read as the text is parsed and each matched to its
// record field by path, without building the document or visiting the record: a study's few
// overrides cost a few lookups. Anything this does not take as it is (a text, a field it does not
// know, a value of the wrong kind, an empty group, a syntax error) leaves the document to the
// reader, which sets texts and names the faulty field.
class TNumericOverrides {
  public:
    // False when the document needs the reader; nothing is set then.
    bool Apply(TPMData& data, const std::string& json)
    {
        Pending.clear();
        Frames.clear();
        Path.clear();
        Refused = false;
        if (!TJson::sax_parse(json, this) || Refused)
            return false;
        char* base = reinterpret_cast<char*>(&data);
        for (const TValue& v : Pending) {
            char* at = base + v.Field->Offset;
            switch (v.Field->Type) {
            case TFieldType::Real:
                *reinterpret_cast<long double*>(at) = v.Number;
                break;
            case TFieldType::Double:
                *reinterpret_cast<double*>(at) = static_cast<double>(v.Number);
                break;
            case TFieldType::Int32:
                *reinterpret_cast<std::int32_t*>(at) = static_cast<std::int32_t>(v.Integer);
                break;
            case TFieldType::Byte:
                *reinterpret_cast<std::uint8_t*>(at) = static_cast<std::uint8_t>(v.Integer);
                break;
            }
        }
        return true;
    }

    // The parser's events.
    bool null() { return Number(NaN(), 0, false, true); }
    bool boolean(bool) { return Refuse(); }
    bool number_integer(std::int64_t n) { return Number(static_cast<long double>(n), n, true, false); }
    bool number_unsigned(std::uint64_t n)
    {
        if (n > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            return Refuse();
        return number_integer(static_cast<std::int64_t>(n));
    }
    bool number_float(long double x, const std::string&) { return Number(x, 0, false, false); }
    bool string(std::string&) { return Refuse(); }
    bool binary(std::vector<std::uint8_t>&) { return Refuse(); }
    bool start_object(std::size_t)
    {
        if (!Frames.empty()) {
            TFrame& outer = Frames.back();
            if (outer.Array) {
                Path.resize(outer.PathLength);
                Path += "[" + std::to_string(outer.Items++) + "]";
            } else if (!outer.KeyPending) {
                return Refuse();
            }
            outer.KeyPending = false;
        }
        Frames.push_back({false, Path.size(), 0, false, 0});
        return true;
    }
    bool key(std::string& name)
    {
        TFrame& f = Frames.back();
        Path.resize(f.PathLength);
        if (!Path.empty())
            Path += '.';
        Path += name;
        f.KeyPending = true;
        ++f.Members;
        return true;
    }
    bool end_object()
    {
        const bool empty = Frames.back().Members == 0;
        Frames.pop_back();
        return empty ? Refuse() : true;
    }
    bool start_array(std::size_t)
    {
        if (Frames.empty() || Frames.back().Array || !Frames.back().KeyPending)
            return Refuse();  // only groups hold arrays of groups
        Frames.back().KeyPending = false;
        Frames.push_back({true, Path.size(), 0, false, 0});
        return true;
    }
    bool end_array()
    {
        const bool empty = Frames.back().Items == 0;
        Frames.pop_back();
        return empty ? Refuse() : true;
    }
    template <class E> bool parse_error(std::size_t, const std::string&, const E&) { return Refuse(); }

  private:
    struct TFrame {
        bool Array;
        std::size_t PathLength;  // the path up to this group or array
        int Items;               // an array's items so far
        bool KeyPending;         // a group's key waits for its value
        int Members;             // a group's members so far
    };
    struct TValue {
        const TRecordField* Field;
        long double Number;
        std::int64_t Integer;
    };
    std::vector<TValue> Pending;
    std::vector<TFrame> Frames;
    std::string Path;
    bool Refused = false;

    bool Refuse()
    {
        Refused = true;
        return false;  // stops the parse
    }

    // A value where a field's value stands: taken when the field is known and the value is of its kind.
    bool Number(long double x, std::int64_t n, bool integer, bool isNull)
    {
        if (Frames.empty() || Frames.back().Array || !Frames.back().KeyPending)
            return Refuse();
        Frames.back().KeyPending = false;
        const TRecordField* found = FindRecordField(Path);
        if (!found)
            return Refuse();
        const TRecordField& field = *found;
        bool fits = false;
        switch (field.Type) {
        case TFieldType::Real:
            fits = true;
            break;
        case TFieldType::Double:
            fits = !isNull;
            break;
        case TFieldType::Int32:
            fits = integer && n >= std::numeric_limits<std::int32_t>::min() &&
                   n <= std::numeric_limits<std::int32_t>::max();
            break;
        case TFieldType::Byte:
            fits = integer && n >= 0 && n <= std::numeric_limits<std::uint8_t>::max();
            break;
        }
        if (!fits)
            return Refuse();
        if (field.Input)  // result fields are ignored, as the reader ignores them
            Pending.push_back({&field, x, n});
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
    thread_local TNumericOverrides numeric;
    if (numeric.Apply(data, json))
        return;
    TJson document;
    try {
        document = TJson::parse(json);
    } catch (const std::exception& e) {
        throw EPelmarkError(std::string("not a JSON document: ") + e.what());
    }
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
