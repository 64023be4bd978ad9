#include "batch_line.h"

#include <set>
#include <vector>

#include "almanac/almanac_day.h"
#include "common/utf8_text.h"
#include "flat_json_object.h"
#include "option_values.h"

namespace cli {

namespace {

const JsonMember* Find(const std::vector<JsonMember>& members, std::string_view name) {
    for (const JsonMember& member : members) {
        if (member.name == name) return &member;
    }
    return nullptr;
}

BatchLineResult Refused(std::string error) {
    BatchLineResult result;
    result.error = std::move(error);
    return result;
}

}  // namespace

BatchLineResult ParseBatchLine(std::string_view line) {
    if (line.size() > kLongestBatchLine) return Refused("line too long");
    if (const auto bad = common::FirstInvalidUtf8(line)) {
        return Refused("not valid UTF-8 at byte " + std::to_string(*bad + 1));
    }
    FlatJsonObject object = ReadFlatJsonObject(line);
    if (!object.error.empty()) return Refused(std::move(object.error));
    const std::vector<JsonMember>& members = object.members;

    std::set<std::string_view> names;  // a line of 64 KiB holds thousands of members
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (!names.insert(members[i].name).second) {
            return Refused(QuoteArgument(members[i].name) + " is given twice");
        }
        if (members[i].kind == JsonKind::word) {
            // A known member's word is refused below under its own name, as "not a number".
            const std::string_view name = members[i].name;
            if (name != "date" && name != "lat" && name != "lon" && name != "zone" &&
                name != "offset" && name != "lang") {
                return Refused("not JSON: " + QuoteArgument(members[i].text) + " in " +
                               QuoteArgument(name) + " is not a value");
            }
        }
    }

    BatchLineResult result;
    CliOptions& request = result.request;
    const JsonMember* zone = Find(members, "zone");
    const JsonMember* offset = Find(members, "offset");
    struct Field {
        const char* name;
        CliValue value;
        JsonKind kind;
        bool required;
    };
    static constexpr Field kFields[] = {
        {"date", CliValue::date, JsonKind::string, true},
        {"lat", CliValue::latitude, JsonKind::number, true},
        {"lon", CliValue::longitude, JsonKind::number, true},
        {"offset", CliValue::offset, JsonKind::number, false},
        {"lang", CliValue::language, JsonKind::string, false},
    };
    for (const Field& field : kFields) {
        const JsonMember* member = Find(members, field.name);
        if (!member) {
            if (field.required) return Refused(std::string("missing ") + field.name);
            if (field.value == CliValue::offset && !zone) return Refused("missing zone or offset");
            continue;
        }
        if (member->kind != field.kind) {
            return Refused(std::string(field.name) +
                           (field.kind == JsonKind::number ? " is not a number" : " is not a string"));
        }
        const std::string reason = TakeCliValue(field.value, member->text, request);
        if (!reason.empty()) {
            return Refused(std::string(field.name) + " " + QuoteArgument(member->text) + " " + reason);
        }
    }
    if (zone) {
        if (offset) return Refused("give exactly one of zone and offset");
        if (zone->kind != JsonKind::string) return Refused("zone is not a string");
        if (zone->text.empty()) return Refused("zone is empty");
        request.zoneName = zone->text;
    }
    // The options take any year and print what the engine cannot give as null; a batch line asks
    // for an answer, so a year without one is the request's fault.
    if (request.date.year < almanac::kFirstDate.year || request.date.year > almanac::kLastDate.year) {
        return Refused("date " + QuoteArgument(Find(members, "date")->text) +
                       " is outside the years 1901 to 2099");
    }
    result.ok = true;
    return result;
}

}  // namespace cli
