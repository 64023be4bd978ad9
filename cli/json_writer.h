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
    const std::string& Text() const { return out_; }

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void NewLine();
    void WriteQuoted(std::string_view utf8);

    std::string out_;
    std::vector<bool> hasMembers_;  // one entry per open object or array
    bool afterKey_ = false;
};

}  // namespace cli
