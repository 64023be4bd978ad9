#include "chart_drawing.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <vector>

#include "common/replace_file.h"
#include "common/utf8_text.h"

namespace chart {

namespace {

struct Colour {
    double r, g, b;
};

// The sky from night to day: one blue ramp, each step lighter.
Colour SkyColour(Sky sky) {
    switch (sky) {
        case Sky::kNight: return {0.07, 0.09, 0.20};
        case Sky::kAstronomicalTwilight: return {0.13, 0.18, 0.36};
        case Sky::kNauticalTwilight: return {0.22, 0.32, 0.56};
        case Sky::kCivilTwilight: return {0.45, 0.60, 0.82};
        case Sky::kDay: return {0.80, 0.88, 0.97};
    }
    return {0, 0, 0};
}

constexpr Colour kSunColour{0.90, 0.38, 0.00};
constexpr Colour kMoonColour{0.55, 0.30, 0.75};
constexpr Colour kGoldenColour{0.96, 0.76, 0.07};
constexpr Colour kBlueHourColour{0.11, 0.44, 0.85};
constexpr Colour kText{0.13, 0.14, 0.16};
constexpr Colour kFrame{1.0, 1.0, 1.0};

void Use(cairo_t* c, const Colour& colour, double alpha = 1.0) {
    cairo_set_source_rgba(c, colour.r, colour.g, colour.b, alpha);
}

// The plot's rectangle inside the drawing and the mapping of hours and degrees onto it.
struct Frame {
    double left, top, width, height, dayHours;
    double X(double hours) const { return left + width * hours / dayHours; }
    double Y(double altitude) const {
        return top + height * (kHighestAltitude - altitude) / (kHighestAltitude - kLowestAltitude);
    }
};

void Text(cairo_t* c, const std::wstring& text, double x, double y, double alignX) {
    const std::string utf8 = common::WideToUtf8(text);
    cairo_text_extents_t extents;
    cairo_text_extents(c, utf8.c_str(), &extents);
    cairo_move_to(c, x - extents.x_advance * alignX, y);
    cairo_show_text(c, utf8.c_str());
}

double TextWidth(cairo_t* c, const std::wstring& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(c, common::WideToUtf8(text).c_str(), &extents);
    return extents.x_advance;
}

// A curve, with a light halo so that it stands out on night and day alike; the Moon's part below
// the horizon drawn faint.
void Curve(cairo_t* c, const Frame& f, const std::vector<Point>& points, const Colour& colour,
           bool faintBelowHorizon) {
    for (const bool above : {false, true}) {
        if (!faintBelowHorizon && !above) continue;
        for (const double pass : {0.0, 1.0}) {
            bool drawing = false;
            for (const Point& p : points) {
                const bool wanted = !faintBelowHorizon || (p.altitude >= 0) == above;
                const double altitude = std::clamp(p.altitude, kLowestAltitude, kHighestAltitude);
                if (!wanted) {
                    drawing = false;
                    continue;
                }
                if (drawing) {
                    cairo_line_to(c, f.X(p.hours), f.Y(altitude));
                } else {
                    cairo_move_to(c, f.X(p.hours), f.Y(altitude));
                    drawing = true;
                }
            }
            const double alpha = above ? 1.0 : 0.45;
            if (pass == 0.0) {
                cairo_set_source_rgba(c, 1, 1, 1, 0.55 * alpha);
                cairo_set_line_width(c, 4.5);
            } else {
                Use(c, colour, alpha);
                cairo_set_line_width(c, 2.2);
            }
            cairo_stroke(c);
        }
    }
}

void LegendEntry(cairo_t* c, double& x, double y, const Colour& colour, const std::wstring& name) {
    Use(c, colour);
    cairo_rectangle(c, x, y - 9, 14, 10);
    cairo_fill(c);
    Use(c, kText);
    Text(c, name, x + 18, y, 0);
    x += 18 + TextWidth(c, name) + 16;
}

}  // namespace

void DrawDayChart(cairo_t* c, double width, double height, const DayChart& chart) {
    cairo_save(c);
    cairo_select_font_face(c, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(c, std::clamp(height / 32, 9.0, 14.0));
    cairo_font_extents_t font;
    cairo_font_extents(c, &font);
    const double line = font.height;

    // The drawing's own light ground, whatever the desktop's theme.
    Use(c, kFrame);
    cairo_paint(c);
    Frame f{TextWidth(c, L"-20\u00b0") + 10, line * 1.8, 0, 0, std::max(chart.dayHours, 1.0)};
    // Room on the right for half the last hour's label, which is centred on the plot's edge.
    const double lastLabel = chart.hours.empty() ? 0.0 : TextWidth(c, chart.hours.back().label) / 2 + 4;
    f.width = std::max(10.0, width - f.left - std::max(12.0, lastLabel));
    f.height = std::max(10.0, height - f.top - line * 1.8);

    if (chart.valid) {
        for (const SkySpan& band : chart.sky) {
            Use(c, SkyColour(band.sky));
            cairo_rectangle(c, f.X(band.span.from), f.top, f.X(band.span.to) - f.X(band.span.from), f.height);
            cairo_fill(c);
        }
        // The golden and the blue hour as strips along the top of the plot.
        for (const auto& [spans, colour] : {std::pair{&chart.goldenHour, kGoldenColour},
                                            std::pair{&chart.blueHour, kBlueHourColour}}) {
            for (const Span& span : *spans) {
                Use(c, colour);
                cairo_rectangle(c, f.X(span.from), f.top, f.X(span.to) - f.X(span.from), line * 0.6);
                cairo_fill(c);
            }
        }
    }

    // Degrees up the side, every 30 and the horizon.
    cairo_set_line_width(c, 1);
    for (double altitude = -20; altitude <= 90; altitude += altitude < 0 ? 20 : 30) {
        cairo_set_source_rgba(c, 0.5, 0.5, 0.5, altitude == 0 ? 0.9 : 0.35);
        cairo_move_to(c, f.left, f.Y(altitude));
        cairo_line_to(c, f.left + f.width, f.Y(altitude));
        cairo_stroke(c);
        Use(c, kText);
        Text(c, std::to_wstring(static_cast<int>(altitude)) + L"\u00b0", f.left - 4, f.Y(altitude) + font.ascent / 2.5, 1);
    }

    // The zone's clock along the bottom, as many hours as have room.
    const double widest = TextWidth(c, chart.hours.empty() ? L"00:00" : chart.hours.front().label) + 10;
    int every = 1;
    while (every < 12 && f.width / f.dayHours * every < widest) every = every < 3 ? every + 1 : every * 2;
    for (const HourTick& tick : chart.hours) {
        const long hour = std::lround(tick.hours);
        cairo_set_source_rgba(c, 0.5, 0.5, 0.5, 0.6);
        cairo_move_to(c, f.X(tick.hours), f.top + f.height);
        cairo_line_to(c, f.X(tick.hours), f.top + f.height + 4);
        cairo_stroke(c);
        if (hour % every != 0) continue;
        Use(c, kText);
        Text(c, tick.label, f.X(tick.hours), f.top + f.height + 4 + font.ascent, 0.5);
    }

    if (chart.valid) {
        Curve(c, f, chart.moon, kMoonColour, true);
        Curve(c, f, chart.sun, kSunColour, false);
        // Rise, set and culmination with their times above their points (below them near the
        // top), each moved a line on where it would cover a time already written.
        std::vector<std::array<double, 4>> placed;  // left, top, right, bottom
        const auto overlaps = [&](double l, double t, double r, double b) {
            return std::any_of(placed.begin(), placed.end(), [&](const auto& p) {
                return l < p[2] && p[0] < r && t < p[3] && p[1] < b;
            });
        };
        for (const EventMark& event : chart.events) {
            const double x = f.X(event.at.hours);
            const double y = f.Y(std::clamp(event.at.altitude, kLowestAltitude, kHighestAltitude));
            Use(c, event.sun ? kSunColour : kMoonColour);
            cairo_arc(c, x, y, 3.5, 0, 2 * M_PI);
            cairo_fill(c);
            const double w = TextWidth(c, event.time);
            double ty = y - 6;
            double step = -line;
            // Near the top the time goes below its point, inside the plot.
            if (ty - font.ascent < f.top + line * 0.6) {
                ty = y + 6 + font.ascent;
                step = line;
            }
            for (int tries = 0; tries < 4 && overlaps(x - w / 2 - 2, ty - font.ascent, x + w / 2 + 2, ty - font.ascent + font.height); ++tries) {
                ty += step;
            }
            placed.push_back({x - w / 2 - 2, ty - font.ascent, x + w / 2 + 2, ty - font.ascent + font.height});
            cairo_set_source_rgba(c, 1, 1, 1, 0.8);
            cairo_rectangle(c, x - w / 2 - 2, ty - font.ascent, w + 4, font.height);
            cairo_fill(c);
            Use(c, event.sun ? kSunColour : kMoonColour);
            Text(c, event.time, x, ty, 0.5);
        }
        if (chart.now) {
            cairo_set_source_rgba(c, 0.85, 0.1, 0.1, 0.9);
            cairo_set_line_width(c, 1.5);
            cairo_move_to(c, f.X(*chart.now), f.top);
            cairo_line_to(c, f.X(*chart.now), f.top + f.height);
            cairo_stroke(c);
        }
    }

    // The legend above the plot.
    double x = f.left;
    const double y = font.ascent + 2;
    LegendEntry(c, x, y, kSunColour, chart.sunName);
    LegendEntry(c, x, y, kMoonColour, chart.moonName);
    LegendEntry(c, x, y, kGoldenColour, chart.goldenHourName);
    LegendEntry(c, x, y, kBlueHourColour, chart.blueHourName);
    cairo_restore(c);
}

namespace {

cairo_status_t Collect(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

bool EndsWith(const std::string& text, const char* ending) {
    const std::size_t n = std::strlen(ending);
    if (text.size() < n) return false;
    std::string tail = text.substr(text.size() - n);
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char ch) { return std::tolower(ch); });
    return tail == ending;
}

}  // namespace

std::string WriteDayChartFile(const std::string& path, int width, int height, const DayChart& chart) {
    const bool svg = EndsWith(path, ".svg");
    if (!svg && !EndsWith(path, ".png")) return "the chart's file name ends in neither .png nor .svg";
    std::string bytes;
    cairo_surface_t* surface =
        svg ? cairo_svg_surface_create_for_stream(Collect, &bytes, width, height)
            : cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    // A size in pixels, as asked: in points a viewer draws it a third larger.
    if (svg) cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
    cairo_t* context = cairo_create(surface);
    DrawDayChart(context, width, height, chart);
    cairo_destroy(context);
    cairo_status_t status = cairo_surface_status(surface);
    if (svg) {
        cairo_surface_finish(surface);
        status = cairo_surface_status(surface);
    } else if (status == CAIRO_STATUS_SUCCESS) {
        status = cairo_surface_write_to_png_stream(surface, Collect, &bytes);
    }
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) return std::string("the chart could not be drawn: ") + cairo_status_to_string(status);
    if (!common::ReplaceUserFile(path, bytes, 0644)) {
        return "the chart could not be written to " + path + ": " + std::strerror(errno);
    }
    return {};
}

}  // namespace chart
