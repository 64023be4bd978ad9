#include "batch_mode.h"

#include <cerrno>
#include <cstring>
#include <ios>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/almanac_day.h"
#include "batch_line.h"
#include "json_writer.h"
#include "program/interface_language.h"
#include "cli_request.h"
#include "zones/zone_names_icu.h"
#include "report_output.h"

namespace cli {

namespace {

bool SameLanguage(const program::InterfaceLanguage& a, const program::InterfaceLanguage& b) {
    return a.languageCode == b.languageCode && a.localeName == b.localeName;
}

// Answers one request after another as the single run of the CLI would answer each, keeping what
// is costly and the same for many lines: the catalogue of each language (read from tzdata in some
// milliseconds) and the process locale (set only when the language changes).
class BatchAnswerer {
public:
    // The answer's line, with its line feed; `refused` tells whether it is an error object.
    explicit BatchAnswerer(bool twelveHourClock) : m_twelveHourClock(twelveHourClock) {}

    std::string Answer(std::string_view line, std::size_t number, bool& refused) {
        const BatchLineResult parsed = ParseBatchLine(line);
        refused = !parsed.ok;
        if (!parsed.ok) return ErrorLine(number, parsed.error);
        const CliOptions& options = parsed.request;
        Use(options.languageCode.empty() ? EnvironmentLanguage()
                                         : program::InterfaceLanguageFromName(options.languageCode));
        const auto request = ResolveRequest(options, {m_applied->languageCode, m_twelveHourClock},
                                            [this](const std::string& code) -> const auto& { return CatalogueOf(code); });
        if (!request) {
            refused = true;
            return ErrorLine(number, "unknown zone " + UnknownZoneReason(options));
        }
        const std::optional<almanac::AlmanacDay> day =
            almanac::ComputeAlmanacDay(request->date, request->observer, request->style);
        if (!day) {
            refused = true;
            return ErrorLine(number, "the date has no calendar date on this computer");
        }
        const almanac::DayLight light = almanac::ComputeDayLight(*day, request->observer);
        return DayJson(*day, light, request->observer.zone, true);
    }

private:
    static std::string ErrorLine(std::size_t number, const std::string& error) {
        JsonWriter json(true);
        json.BeginObject();
        json.Key("line");
        json.Integer(static_cast<std::int64_t>(number));
        json.Key("error");
        json.String(error);
        json.EndObject();
        return json.Text();
    }

    // A line without "lang" gets the language a run without --lang would choose, chosen once.
    program::InterfaceLanguage EnvironmentLanguage() {
        if (!m_environment) {
            m_environment = program::ChooseInterfaceLanguage();
            m_applied = m_environment;
        }
        return *m_environment;
    }

    void Use(const program::InterfaceLanguage& language) {
        if (m_applied && SameLanguage(*m_applied, language)) return;
        program::ApplyInterfaceLanguage(language);
        m_applied = language;
    }

    const std::vector<zones::TimeZoneEntry>& CatalogueOf(const std::string& languageCode) {
        auto found = m_catalogues.find(languageCode);
        if (found == m_catalogues.end()) {
            found = m_catalogues.emplace(languageCode, zones::LoadZoneCatalogue(languageCode)).first;
        }
        return found->second;
    }

    std::optional<program::InterfaceLanguage> m_environment;
    std::optional<program::InterfaceLanguage> m_applied;
    std::map<std::string, std::vector<zones::TimeZoneEntry>> m_catalogues;
    const bool m_twelveHourClock;  // the user's, not the language's
};

}  // namespace

BatchSummary RunBatch(std::istream& in, std::ostream& out, bool twelveHourClock) {
    BatchSummary summary;
    BatchAnswerer answerer(twelveHourClock);
    std::streambuf& input = *in.rdbuf();
    std::string line;
    line.reserve(256);
    bool pending = false;  // a line has begun and not yet been answered
    for (;;) {
        int ch = std::char_traits<char>::eof();
        try {
            ch = input.sbumpc();
        } catch (const std::ios_base::failure&) {
            // The stream's buffer throws where the file cannot be read; errno tells why.
            summary.readError = std::strerror(errno != 0 ? errno : EIO);
            break;
        }
        if (ch != std::char_traits<char>::eof() && ch != '\n') {
            // One byte past the longest line is kept, enough for the parser to refuse it as too
            // long; the rest is passed over.
            if (line.size() <= kLongestBatchLine) line.push_back(static_cast<char>(ch));
            pending = true;
            continue;
        }
        if (ch == std::char_traits<char>::eof() && !pending) break;
        // An editor's byte-order mark is no part of the first request.
        if (summary.lines == 0 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        bool refused = false;
        out << answerer.Answer(line, ++summary.lines, refused);
        if (refused) ++summary.refused;
        line.clear();
        pending = false;
        if (ch == std::char_traits<char>::eof()) break;
        if (input.in_avail() <= 0) out.flush();
        if (!out) {
            summary.written = false;
            return summary;
        }
    }
    out.flush();
    summary.written = static_cast<bool>(out);
    return summary;
}

}  // namespace cli
