// A small streaming JSON writer: objects, numbers with 17 significant digits (round-trip exact,
// independent of the process locale), booleans, strings and null.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

class JsonWriter {
public:
    // Indented over lines for people, or all on one line (a line of JSON lines).
    explicit JsonWriter(bool oneLine = false) : m_oneLine(oneLine) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // Names the next member of the current object.
    void Key(std::string_view name);

    // Non-finite numbers have no JSON form and are written as null.
    void Number(double value);
    void Integer(std::int64_t value);
    void Bool(bool value);
    void String(std::string_view utf8);
    void Null();

    // The document, ending with a line feed once the outermost value is closed.
    const std::string& Text() const { return m_out; }

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void NewLine();
    void WriteQuoted(std::string_view utf8);

    std::string m_out;
    std::vector<bool> m_hasMembers;  // one entry per open object or array
    bool m_afterKey = false;
    bool m_oneLine = false;
};

// A calendar date and clock time as an object of year, month, day, hour, minute and second; for the
// engine's and the report's records alike.
template <typename DateTime>
void WriteDateTime(JsonWriter& json, const DateTime& t) {
    json.BeginObject();
    json.Key("year"); json.Integer(t.year);
    json.Key("month"); json.Integer(t.month);
    json.Key("day"); json.Integer(t.day);
    json.Key("hour"); json.Integer(t.hour);
    json.Key("minute"); json.Integer(t.minute);
    json.Key("second"); json.Integer(t.second);
    json.EndObject();
}

}  // namespace cli
