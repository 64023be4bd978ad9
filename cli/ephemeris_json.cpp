#include "ephemeris_json.h"

namespace cli {

void WriteBodyEvents(JsonWriter& json, const astro::BodyEvents& e) {
    json.BeginObject();
    json.Key("valid"); json.Bool(e.valid);
    json.Key("rise"); json.Number(e.rise);
    json.Key("riseValid"); json.Bool(e.riseValid);
    json.Key("transit"); json.Number(e.transit);
    json.Key("transitValid"); json.Bool(e.transitValid);
    json.Key("equationOfTimeHours"); json.Number(e.equationOfTimeHours);
    json.Key("set"); json.Number(e.set);
    json.Key("setValid"); json.Bool(e.setValid);
    json.Key("phaseIndex"); json.Integer(e.phaseIndex);
    json.Key("illuminatedFraction"); json.Number(e.illuminatedFraction);
    json.Key("astronomicalBegin"); json.Number(e.astronomicalBegin);
    json.Key("astronomicalEnd"); json.Number(e.astronomicalEnd);
    json.Key("astronomicalValid"); json.Bool(e.astronomicalValid);
    json.Key("nauticalBegin"); json.Number(e.nauticalBegin);
    json.Key("nauticalEnd"); json.Number(e.nauticalEnd);
    json.Key("nauticalValid"); json.Bool(e.nauticalValid);
    json.Key("civilBegin"); json.Number(e.civilBegin);
    json.Key("civilEnd"); json.Number(e.civilEnd);
    json.Key("civilValid"); json.Bool(e.civilValid);
    json.Key("riseSetStatus"); json.Integer(e.riseSetStatus);
    json.EndObject();
}

void WriteEphemerisMembers(JsonWriter& json, const astro::DayEphemeris& ephemeris,
                           const astro::PhaseDates& phases) {
    json.Key("ephemeris");
    json.BeginObject();
    json.Key("valid"); json.Bool(ephemeris.valid);
    if (ephemeris.valid) {
        json.Key("sun"); WriteBodyEvents(json, ephemeris.sun);
        json.Key("moon"); WriteBodyEvents(json, ephemeris.moon);
    }
    json.EndObject();

    json.Key("dayLengthHours");
    if (ephemeris.valid) {
        json.Number(astro::DayLengthHours(ephemeris.sun));
    } else {
        json.Null();
    }

    json.Key("phases");
    json.BeginObject();
    json.Key("nextNewMoon"); WriteDateTime(json, phases.nextNewMoon);
    json.Key("nextFullMoon"); WriteDateTime(json, phases.nextFullMoon);
    json.EndObject();
}

}  // namespace cli
