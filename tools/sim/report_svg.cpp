// The plot: four panels over a shared time axis, stretches with the plug-in off shaded, and
// each noted event a dashed line with its note written above the panels.
#include "reports.h"

#include "decimal_text.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace sim {
namespace {
constexpr double width = 1100, left = 70, right = 20, titleHeight = 36, labelStrip = 190;
constexpr double panelHeight = 130, panelGap = 26, axisHeight = 40;
constexpr double plotWidth = width - left - right;

using Series = std::function<std::optional<double>(const FrameSample&)>;

struct Panel {
    const char* title;
    const char* colour;
    Series value;
    std::vector<double> mustShow; // values the range always includes
};

struct Frame {
    double top;
    double low;
    double high;
};

std::string num(double value) { return fixedText(value, 1); }

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

double niceStep(double span) {
    const double raw = span / 4.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (factor * magnitude >= raw) return factor * magnitude;
    }
    return 10.0 * magnitude;
}

Frame panelRange(const RunResult& result, const Panel& panel, double top) {
    double low = 1e30, high = -1e30;
    for (const FrameSample& s : result.samples) {
        if (auto v = panel.value(s)) low = std::min(low, *v), high = std::max(high, *v);
    }
    for (double v : panel.mustShow) low = std::min(low, v), high = std::max(high, v);
    if (high - low < 1.0) low -= 1.0, high += 1.0;
    const double step = niceStep(high - low);
    return Frame{top, std::floor(low / step) * step, std::ceil(high / step) * step};
}

double xOf(const RunResult& result, double seconds) {
    const double total = std::max(1.0, result.samples.size() / 60.0);
    return left + plotWidth * seconds / total;
}
double yOf(const Frame& f, double value) { return f.top + panelHeight * (f.high - value) / (f.high - f.low); }

void writeAxes(std::ostream& out, const Frame& f, const Panel& panel) {
    out << "<rect x='" << left << "' y='" << f.top << "' width='" << plotWidth << "' height='" << panelHeight
        << "' fill='none' stroke='#888'/>\n";
    out << "<text x='" << left << "' y='" << f.top - 6 << "' class='title'>" << panel.title << "</text>\n";
    const double step = niceStep(f.high - f.low);
    for (double v = f.low; v <= f.high + step / 2; v += step) {
        out << "<line x1='" << left << "' x2='" << left + plotWidth << "' y1='" << num(yOf(f, v)) << "' y2='"
            << num(yOf(f, v)) << "' stroke='#eee'/>\n";
        out << "<text x='" << left - 6 << "' y='" << num(yOf(f, v) + 4) << "' class='tick' text-anchor='end'>"
            << v << "</text>\n";
    }
}

// One polyline per stretch in which the value exists.
void writeSeries(std::ostream& out, const RunResult& result, const Frame& f, const Panel& panel) {
    std::string points;
    auto flush = [&] {
        if (!points.empty())
            out << "<polyline fill='none' stroke='" << panel.colour << "' stroke-width='1.8' points='"
                << points << "'/>\n";
        points.clear();
    };
    for (const FrameSample& s : result.samples) {
        const std::optional<double> v = panel.value(s);
        if (!v) {
            flush();
            continue;
        }
        points += num(xOf(result, s.seconds)) + "," + num(yOf(f, std::clamp(*v, f.low, f.high))) + " ";
    }
    flush();
}

void writeOffShading(std::ostream& out, const RunResult& result, double top, double bottom) {
    for (size_t i = 0; i < result.samples.size();) {
        if (result.samples[i].on) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < result.samples.size() && !result.samples[end].on) ++end;
        const double x0 = xOf(result, result.samples[i].seconds), x1 = xOf(result, end / 60.0);
        out << "<rect x='" << num(x0) << "' y='" << top << "' width='" << num(x1 - x0) << "' height='"
            << bottom - top << "' fill='#e4e4e4'/>\n";
        i = end;
    }
}

void writeEvents(std::ostream& out, const RunResult& result, double top, double bottom) {
    for (const EventMark& event : result.events) {
        if (!event.noted) continue;
        const double x = xOf(result, event.frame / 60.0);
        out << "<line x1='" << num(x) << "' x2='" << num(x) << "' y1='" << top - 24 << "' y2='" << bottom
            << "' stroke='#c0392b' stroke-dasharray='3,3' stroke-width='0.8'/>\n";
        out << "<text transform='translate(" << num(x + 4) << "," << top - 26
            << ") rotate(-90)' class='event'>" << escaped(event.label) << "</text>\n";
    }
}

void writeTimeAxis(std::ostream& out, const RunResult& result, double y) {
    const double total = result.samples.size() / 60.0;
    for (int s = 0; s <= static_cast<int>(total); ++s) {
        const double x = xOf(result, s);
        out << "<text x='" << num(x) << "' y='" << y + 16 << "' class='tick' text-anchor='middle'>" << s
            << "</text>\n";
    }
    out << "<text x='" << left + plotWidth / 2 << "' y='" << y + 34
        << "' class='tick' text-anchor='middle'>time (s); grey: plug-in off, the game's own camera "
           "shown</text>\n";
}

std::vector<Panel> panels() {
    return {
        {"heading of the view (deg), grey line: the character's",
         "#1f77b4",
         [](const FrameSample& s) { return std::optional<double>(s.rotation.z); },
         {}},
        {"pitch of the view (deg)",
         "#2ca02c",
         [](const FrameSample& s) { return std::optional<double>(s.rotation.x); },
         {-90.0, 90.0}},
        {"field of view (deg)",
         "#9467bd",
         [](const FrameSample& s) { return std::optional<double>(s.fov); },
         {30.0, 55.0}},
        {"distance handed to the game (m)",
         "#ff7f0e",
         [](const FrameSample& s) {
             return s.distanceHanded ? std::optional<double>(s.distance) : std::nullopt;
         },
         {0.0, 8.0}},
    };
}
} // namespace

void writeSvg(const RunResult& result, const std::string& title, std::ostream& out) {
    const std::vector<Panel> all = panels();
    const double firstTop = titleHeight + labelStrip;
    const double bottom = firstTop + all.size() * (panelHeight + panelGap) - panelGap;
    out << "<svg xmlns='http://www.w3.org/2000/svg' width='" << width << "' height='" << bottom + axisHeight
        << "' "
           "font-family='sans-serif'>\n<style>.title{font-size:13px;fill:#222;stroke:white;stroke-width:4px;"
           "paint-order:stroke}.tick{font-size:11px;fill:#555}"
           ".event{font-size:11px;fill:#c0392b}</style>\n<rect width='100%' height='100%' fill='white'/>\n";
    out << "<text x='" << left << "' y='22' font-size='16' font-weight='bold'>" << escaped(title)
        << "</text>\n";
    writeOffShading(out, result, firstTop, bottom);
    writeEvents(out, result, firstTop, bottom);
    const Panel character{
        "", "#aaa", [](const FrameSample& s) { return std::optional<double>(s.characterHeading); }, {}};
    for (size_t i = 0; i < all.size(); ++i) {
        Panel panel = all[i];
        if (i == 0) {
            for (const FrameSample& s : result.samples) panel.mustShow.push_back(s.characterHeading);
        }
        const Frame frame = panelRange(result, panel, firstTop + i * (panelHeight + panelGap));
        writeAxes(out, frame, panel);
        if (i == 0) writeSeries(out, result, frame, character);
        writeSeries(out, result, frame, panel);
    }
    writeTimeAxis(out, result, bottom);
    out << "</svg>\n";
}

} // namespace sim
