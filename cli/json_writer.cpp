#include "json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace cli {

void JsonWriter::NewLine() {
    out_ += '\n';
    out_.append(2 * hasMembers_.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasMembers_.empty()) {
        if (hasMembers_.back()) out_ += ',';
        hasMembers_.back() = true;
        NewLine();
    }
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    out_ += bracket;
    hasMembers_.push_back(false);
}

void JsonWriter::Close(char bracket) {
    const bool hadMembers = hasMembers_.back();
    hasMembers_.pop_back();
    if (hadMembers) NewLine();
    out_ += bracket;
    if (hasMembers_.empty()) out_ += '\n';
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view name) {
    BeforeValue();
    WriteQuoted(name);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::Number(double value) {
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    BeforeValue();
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    out_.append(buffer, result.ptr);
}

void JsonWriter::Integer(std::int64_t value) {
    BeforeValue();
    out_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
    BeforeValue();
    out_ += "null";
}

void JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    WriteQuoted(utf8);
}

void JsonWriter::WriteQuoted(std::string_view utf8) {
    out_ += '"';
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
            case '"': out_ += "\\\""; break;
            case '\\': out_ += "\\\\"; break;
            case '\n': out_ += "\\n"; break;
            case '\r': out_ += "\\r"; break;
            case '\t': out_ += "\\t"; break;
            default:
                if (byte < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                    out_ += escaped;
                } else {
                    out_ += ch;
                }
        }
    }
    out_ += '"';
}

}  // namespace cli
