#include "json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace cli {

void JsonWriter::NewLine() {
    if (m_oneLine) return;
    m_out += '\n';
    m_out.append(2 * m_hasMembers.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasMembers.empty()) {
        if (m_hasMembers.back()) m_out += ',';
        m_hasMembers.back() = true;
        NewLine();
    }
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    m_out += bracket;
    m_hasMembers.push_back(false);
}

void JsonWriter::Close(char bracket) {
    const bool hadMembers = m_hasMembers.back();
    m_hasMembers.pop_back();
    if (hadMembers) NewLine();
    m_out += bracket;
    if (m_hasMembers.empty()) m_out += '\n';
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view name) {
    BeforeValue();
    WriteQuoted(name);
    m_out += m_oneLine ? ":" : ": ";
    m_afterKey = true;
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
    m_out.append(buffer, result.ptr);
}

void JsonWriter::Integer(std::int64_t value) {
    BeforeValue();
    m_out += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    m_out += value ? "true" : "false";
}

void JsonWriter::Null() {
    BeforeValue();
    m_out += "null";
}

void JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    WriteQuoted(utf8);
}

void JsonWriter::WriteQuoted(std::string_view utf8) {
    m_out += '"';
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
            case '"': m_out += "\\\""; break;
            case '\\': m_out += "\\\\"; break;
            case '\n': m_out += "\\n"; break;
            case '\r': m_out += "\\r"; break;
            case '\t': m_out += "\\t"; break;
            default:
                if (byte < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                    m_out += escaped;
                } else {
                    m_out += ch;
                }
        }
    }
    m_out += '"';
}

}  // namespace cli
