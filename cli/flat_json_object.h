// One line that holds a flat JSON object, read by nlohmann's reader through its SAX interface into
// its members in their order, with every fault worded as the line's own: what was expected at which
// column. Bare tokens that are no JSON value (NaN, 0x10, +1) are kept as words, so that whoever
// reads a member can name it in the message.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class JsonKind { string, number, boolean, null, word };

struct JsonMember {
    std::string name;
    JsonKind kind = JsonKind::string;
    std::string text;  // a string's decoded UTF-8, or a number's or word's token as written
};

struct FlatJsonObject {
    std::vector<JsonMember> members;
    std::string error;  // one line, set when the line holds no flat object
};

// The line must be valid UTF-8. A member that holds an object or an array is refused by name.
FlatJsonObject ReadFlatJsonObject(std::string_view line);

}  // namespace cli
