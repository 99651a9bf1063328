#include "document/CalculationFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <utility>

#include "form/model/CalculationFormTemplate.h"
#include "form/model/ControlIds.h"
#include "hydraulics/SoughtParameter.h"
#include "platform/Utf8.h"

namespace {

using nlohmann::json;
using nlohmann::ordered_json;  // written in the order of the format: its name and version first

// The names of the number fields in a file.
constexpr std::array<std::pair<int, const char*>, 21> kFieldNames{{
    {IDC_T, "T"},           {IDC_G, "g"},         {IDC_RHO, "rho"},
    {IDC_NY, "ny"},         {IDC_DA, "da"},       {IDC_S, "s"},
    {IDC_ZMA, "ZMA"},       {IDC_DI, "di"},       {IDC_K, "k"},
    {IDC_J, "J"},           {IDC_V, "vv"},        {IDC_Q_LS, "Qv_ls"},
    {IDC_Q_M3H, "Qv_m3h"},  {IDC_A, "Av"},        {IDC_RE, "Re"},
    {IDC_LAMBDA, "lambda"}, {IDC_QT_LS, "Qt_ls"}, {IDC_QT_M3H, "Qt_m3h"},
    {IDC_HT, "ht"},         {IDC_VT, "vt"},       {IDC_SURFACE_WIDTH, "surfaceWidth"},
}};

// The sought-parameter tabs by position, and the SoughtParameter each selects.
constexpr std::array<std::pair<const char*, int>, 4> kSoughtNames{
    {{"J", SOUGHT_J}, {"vQ", SOUGHT_VQ}, {"k", SOUGHT_K}, {"di", SOUGHT_DI}}};

constexpr std::array<std::pair<hydraulics::PartialQuantity, const char*>, 3> kPartialNames{{
    {hydraulics::PartialQuantity::Ht, "ht"},
    {hydraulics::PartialQuantity::Qt, "Qt"},
    {hydraulics::PartialQuantity::Vt, "vt"},
}};

// The record's numbers, in the order of its data model.
constexpr std::array<std::pair<const char*, double RecordValues::*>, 15> kRecordNumbers{{
    {"m_surfaceWidth", &RecordValues::surfaceWidth},
    {"m_vt", &RecordValues::vt},
    {"m_ht", &RecordValues::ht},
    {"m_Qt", &RecordValues::Qt},
    {"m_Re", &RecordValues::Re},
    {"m_k", &RecordValues::k},
    {"m_Di", &RecordValues::Di},
    {"m_g", &RecordValues::g},
    {"m_v", &RecordValues::v},
    {"m_ny", &RecordValues::ny},
    {"m_Q", &RecordValues::Q},
    {"m_I", &RecordValues::I},
    {"m_rho", &RecordValues::rho},
    {"m_T", &RecordValues::T},
    {"m_lambda", &RecordValues::lambda},
}};

// The longest text an entry may hold, and the deepest nesting a file may have.
constexpr std::size_t kMaxTextBytes = 4096;
constexpr int kMaxDepth = 16;
constexpr std::size_t kMaxDnEntries = 1000;

const char* FieldName(int id) {
    for (const auto& [fieldId, name] : kFieldNames) {
        if (fieldId == id)
            return name;
    }
    return nullptr;
}

// --- writing ---

constexpr char kHexDigits[] = "0123456789abcdef";

// A text as a JSON string; one that is not UTF-8 (a settings file written in another encoding) as its
// bytes in hexadecimal, {"bytes": "..."}, so that it reads back unchanged.
ordered_json TextJson(const std::string& text) {
    if (platform::IsUtf8(text))
        return text;
    std::string hex;
    hex.reserve(2 * text.size());
    for (unsigned char c : text) {
        hex += kHexDigits[c >> 4];
        hex += kHexDigits[c & 0xf];
    }
    return {{"bytes", hex}};
}

ordered_json ListJson(const ListState& list) {
    return {{"text", TextJson(list.text)}, {"selected", list.selected}, {"enabled", list.enabled}};
}

ordered_json RecordJson(const RecordValues& r) {
    ordered_json record;
    for (const auto& [name, member] : kRecordNumbers) record[name] = r.*member;
    record["m_calculated"] = r.calculated;
    record["m_sought"] = r.sought;
    record["m_fullFilling"] = r.fullFilling;
    return record;
}

// --- reading ---

struct Refusal {
    CalculationFault fault;
    std::string entry;
};

// Deeper nesting than a calculation has is refused before parsing.
bool NestedTooDeeply(std::string_view text) {
    int depth = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > kMaxDepth)
                return true;
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return false;
}

class Reader {
  public:
    const json& Member(const json& object, const char* key, const std::string& path) {
        const std::string at = path.empty() ? key : path + "." + key;
        const auto found = object.find(key);
        if (found == object.end())
            throw Refusal{CalculationFault::kWrongEntry, at};
        return *found;
    }

    const json& Object(const json& object, const char* key, const std::string& path) {
        const json& value = Member(object, key, path);
        if (!value.is_object())
            throw Refusal{CalculationFault::kWrongEntry, Join(path, key)};
        return value;
    }

    // A text of the form: a string, or the bytes of one that is not UTF-8. Such texts and control
    // characters come from the settings file, whose texts the form shows as they are.
    std::string Text(const json& object, const char* key, const std::string& path) {
        return CheckedText(Member(object, key, path), Join(path, key));
    }

    // A text the program itself made (the project header, the names of the format): without control
    // characters.
    std::string PlainText(const json& object, const char* key, const std::string& path) {
        const std::string entry = Join(path, key);
        std::string text = CheckedText(Member(object, key, path), entry);
        for (unsigned char c : text) {
            if (c < 0x20 || c == 0x7f)
                throw Refusal{CalculationFault::kOutOfRange, entry};
        }
        return text;
    }

    // A text of a sensible length.
    static std::string CheckedText(const json& value, const std::string& entry) {
        std::string text;
        if (value.is_string()) {
            text = value.get_ref<const std::string&>();
        } else if (value.is_object() && value.size() == 1 && value.contains("bytes") &&
                   value["bytes"].is_string()) {
            text = FromHex(value["bytes"].get_ref<const std::string&>(), entry);
        } else {
            throw Refusal{CalculationFault::kWrongEntry, entry};
        }
        if (text.size() > kMaxTextBytes)
            throw Refusal{CalculationFault::kOutOfRange, entry};
        return text;
    }

    // The bytes of a text that is not UTF-8; in the form the program writes them, so that a file
    // read and written again stays byte for byte.
    static std::string FromHex(const std::string& hex, const std::string& entry) {
        if (hex.size() % 2 != 0)
            throw Refusal{CalculationFault::kOutOfRange, entry};
        const auto digit = [&entry](char c) {
            if (c >= '0' && c <= '9')
                return c - '0';
            if (c >= 'a' && c <= 'f')
                return c - 'a' + 10;
            throw Refusal{CalculationFault::kOutOfRange, entry};
        };
        std::string text;
        for (size_t i = 0; i < hex.size(); i += 2)
            text += static_cast<char>(digit(hex[i]) << 4 | digit(hex[i + 1]));
        if (platform::IsUtf8(text))
            throw Refusal{CalculationFault::kOutOfRange, entry};
        return text;
    }

    bool Flag(const json& object, const char* key, const std::string& path) {
        const json& value = Member(object, key, path);
        if (!value.is_boolean())
            throw Refusal{CalculationFault::kWrongEntry, Join(path, key)};
        return value.get<bool>();
    }

    double Number(const json& object, const char* key, const std::string& path) {
        const json& value = Member(object, key, path);
        if (!value.is_number())
            throw Refusal{CalculationFault::kWrongEntry, Join(path, key)};
        const double x = value.get<double>();
        if (!std::isfinite(x))
            throw Refusal{CalculationFault::kOutOfRange, Join(path, key)};
        return x;
    }

    static std::string Join(const std::string& path, const char* key) {
        return path.empty() ? std::string(key) : path + "." + key;
    }
};

ListState ReadList(Reader& reader, const json& form, const char* key) {
    const std::string path = std::string("form.") + key;
    const json& list = reader.Object(form, key, "form");
    return {reader.Text(list, "text", path), reader.Flag(list, "selected", path),
            reader.Flag(list, "enabled", path)};
}

// Position of the name among the names, or a refusal of the entry.
template <class Names>
int NamePosition(const Names& names, const std::string& name, const char* entry) {
    for (size_t i = 0; i < names.size(); ++i) {
        if (name == std::get<0>(names[i]))
            return static_cast<int>(i);
    }
    throw Refusal{CalculationFault::kOutOfRange, entry};
}

FormState ReadForm(Reader& reader, const json& root) {
    const json& form = reader.Object(root, "form", "");
    FormState state;
    const json& fields = reader.Object(form, "fields", "form");
    for (const platform::ControlTemplate& control : CalculationFormTemplate().controls) {
        if (control.kind != platform::ControlKind::Edit)
            continue;
        const char* name = FieldName(control.id);
        const std::string path = std::string("form.fields.") + name;
        const json& field = reader.Object(fields, name, "form.fields");
        state.fields.push_back({control.id, reader.Text(field, "text", path),
                                reader.Flag(field, "enabled", path), reader.Flag(field, "valid", path),
                                reader.Flag(field, "resultMark", path)});
    }
    state.pipeClass = ReadList(reader, form, "class");
    state.dn = ReadList(reader, form, "dn");
    const json& entries = reader.Member(form, "dnEntries", "form");
    if (!entries.is_array())
        throw Refusal{CalculationFault::kWrongEntry, "form.dnEntries"};
    if (entries.size() > kMaxDnEntries)
        throw Refusal{CalculationFault::kOutOfRange, "form.dnEntries"};
    for (const json& entry : entries) {
        state.dnEntries.push_back(Reader::CheckedText(entry, "form.dnEntries"));
    }
    state.roughness = ReadList(reader, form, "roughness");
    state.soughtTab = NamePosition(kSoughtNames, reader.PlainText(form, "sought", "form"), "form.sought");
    const std::string filling = reader.PlainText(form, "filling", "form");
    if (filling != "full" && filling != "partial")
        throw Refusal{CalculationFault::kOutOfRange, "form.filling"};
    state.fullFilling = filling == "full";
    const json& given = reader.Member(form, "partialGiven", "form");
    if (!given.is_null()) {
        if (!given.is_string())
            throw Refusal{CalculationFault::kWrongEntry, "form.partialGiven"};
        const std::string& text = given.get_ref<const std::string&>();
        for (const auto& [quantity, name] : kPartialNames) {
            if (text == name)
                state.partialGiven = quantity;
        }
        if (!state.partialGiven)
            throw Refusal{CalculationFault::kOutOfRange, "form.partialGiven"};
    }
    return state;
}

RecordValues ReadRecord(Reader& reader, const json& root, const FormState& form) {
    const json& record = reader.Object(root, "record", "");
    const std::string path = "record";
    RecordValues r;
    for (const auto& [name, member] : kRecordNumbers) r.*member = reader.Number(record, name, path);
    r.calculated = reader.Flag(record, "m_calculated", path);
    const json& sought = reader.Member(record, "m_sought", path);
    if (!sought.is_number_integer())
        throw Refusal{CalculationFault::kWrongEntry, "record.m_sought"};
    // The record seeks what the selected tab names, in the filling mode the form shows.
    if (sought.get<long long>() != kSoughtNames[static_cast<size_t>(form.soughtTab)].second)
        throw Refusal{CalculationFault::kOutOfRange, "record.m_sought"};
    r.sought = kSoughtNames[static_cast<size_t>(form.soughtTab)].second;
    r.fullFilling = reader.Flag(record, "m_fullFilling", path);
    if (r.fullFilling != form.fullFilling)
        throw Refusal{CalculationFault::kOutOfRange, "record.m_fullFilling"};
    return r;
}

ProjectHeader ReadHeader(Reader& reader, const json& root) {
    const json& project = reader.Object(root, "project", "");
    const std::string path = "project";
    ProjectHeader header;
    header.project = reader.PlainText(project, "project", path);
    header.section = reader.PlainText(project, "section", path);
    header.engineer = reader.PlainText(project, "engineer", path);
    header.remark = reader.PlainText(project, "remark", path);
    return header;
}

}  // namespace

std::string WriteCalculationFile(const CalculationState& state) {
    ordered_json fields = ordered_json::object();
    for (const FieldState& field : state.form.fields) {
        if (const char* name = FieldName(field.id)) {
            fields[name] = {{"text", TextJson(field.text)},
                            {"enabled", field.enabled},
                            {"valid", field.valid},
                            {"resultMark", field.resultMark}};
        }
    }
    ordered_json given = nullptr;
    for (const auto& [quantity, name] : kPartialNames) {
        if (state.form.partialGiven == quantity)
            given = name;
    }
    ordered_json dnEntries = ordered_json::array();
    for (const std::string& entry : state.form.dnEntries) dnEntries.push_back(TextJson(entry));
    const size_t tab = static_cast<size_t>(state.form.soughtTab);
    const ordered_json root = {
        {"format", kCalculationFormat},
        {"version", kCalculationVersion},
        {"project",
         {{"project", TextJson(state.header.project)},
          {"section", TextJson(state.header.section)},
          {"engineer", TextJson(state.header.engineer)},
          {"remark", TextJson(state.header.remark)}}},
        {"form",
         {{"filling", state.form.fullFilling ? "full" : "partial"},
          {"sought", tab < kSoughtNames.size() ? kSoughtNames[tab].first : "J"},
          {"partialGiven", given},
          {"class", ListJson(state.form.pipeClass)},
          {"dn", ListJson(state.form.dn)},
          {"dnEntries", dnEntries},
          {"roughness", ListJson(state.form.roughness)},
          {"fields", fields}}},
        {"record", RecordJson(state.record)},
    };
    return root.dump(2) + "\n";
}

std::optional<std::string> SavableCalculationFile(const CalculationState& state) {
    std::string text = WriteCalculationFile(state);
    if (text.size() > kCalculationMaxBytes || !ReadCalculationFile(text).state)
        return std::nullopt;
    return text;
}

CalculationRead ReadCalculationFile(std::string_view text) {
    CalculationRead read;
    if (NestedTooDeeply(text)) {
        read.fault = CalculationFault::kNotJson;
        return read;
    }
    const json root = json::parse(text.begin(), text.end(), nullptr, false);
    if (root.is_discarded()) {
        read.fault = CalculationFault::kNotJson;
        return read;
    }
    const auto format = root.is_object() ? root.find("format") : root.end();
    if (!root.is_object() || format == root.end() || !format->is_string() ||
        format->get_ref<const std::string&>() != kCalculationFormat) {
        read.fault = CalculationFault::kForeign;
        return read;
    }
    try {
        Reader reader;
        const json& version = reader.Member(root, "version", "");
        if (!version.is_number_integer())
            throw Refusal{CalculationFault::kWrongEntry, "version"};
        // A number from 0 up is read as unsigned; a negative one is no version.
        if (!version.is_number_unsigned() || version.get<unsigned long long>() < 1)
            throw Refusal{CalculationFault::kOutOfRange, "version"};
        if (version.get<unsigned long long>() > static_cast<unsigned long long>(kCalculationVersion)) {
            read.fault = CalculationFault::kNewer;
            read.version = static_cast<long long>(
                std::min<unsigned long long>(version.get<unsigned long long>(), 0x7fffffffffffffffull));
            return read;
        }
        CalculationState state;
        state.header = ReadHeader(reader, root);
        state.form = ReadForm(reader, root);
        state.record = ReadRecord(reader, root, state.form);
        read.state = std::move(state);
    } catch (const Refusal& refusal) {
        read.fault = refusal.fault;
        read.entry = refusal.entry;
    }
    return read;
}
