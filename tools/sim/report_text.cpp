// The events table and the CSV.
#include "reports.h"

#include <algorithm>
#include <cstdio>

namespace sim {
namespace {
constexpr int afterFrames = 30;

std::string format(const char* pattern, double value) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string poseColumns(const FrameSample& s) {
    char text[96];
    std::snprintf(text, sizeof text, "%-3s %8.1f %6.1f %6.1f %5s", s.on ? "on" : "off",
                  static_cast<double>(s.rotation.z), static_cast<double>(s.rotation.x),
                  static_cast<double>(s.fov), s.distanceHanded ? format("%.2f", s.distance).c_str() : "-");
    return text;
}

const FrameSample& sampleAt(const RunResult& result, int frame) {
    const int last = static_cast<int>(result.samples.size()) - 1;
    return result.samples[static_cast<size_t>(std::clamp(frame, 0, last))];
}

int nextEventFrame(const RunResult& result, size_t index) {
    for (size_t i = index + 1; i < result.events.size(); ++i) {
        if (result.events[i].frame > result.events[index].frame) return result.events[i].frame;
    }
    return static_cast<int>(result.samples.size());
}

std::string clipped(const std::string& text, size_t width) {
    return text.size() <= width ? text : text.substr(0, width - 1) + "~";
}
} // namespace

void writeEventTable(const RunResult& result, std::ostream& out) {
    if (result.samples.empty()) return;
    out << "  time  event                                  | before: view heading  pitch    fov  dist"
           " | after:  view heading  pitch    fov  dist\n";
    for (size_t i = 0; i < result.events.size(); ++i) {
        const EventMark& event = result.events[i];
        const int after = std::min(event.frame + afterFrames, nextEventFrame(result, i) - 1);
        char line[320];
        std::snprintf(line, sizeof line, "%6.2f  %-38s | %s | %s\n", event.frame / 60.0,
                      clipped(event.label, 38).c_str(),
                      poseColumns(sampleAt(result, event.frame - 1)).c_str(),
                      poseColumns(sampleAt(result, std::max(after, event.frame))).c_str());
        out << line;
    }
}

void writeCsv(const RunResult& result, std::ostream& out) {
    out << "frame,time_s,mode,x,y,z,pitch,roll,heading,fov,distance_handed,event\n";
    size_t nextEvent = 0;
    for (const FrameSample& s : result.samples) {
        std::string events;
        for (; nextEvent < result.events.size() && result.events[nextEvent].frame <= s.frame; ++nextEvent)
            events += (events.empty() ? "" : "; ") + result.events[nextEvent].label;
        char line[256];
        std::snprintf(line, sizeof line, "%d,%.4f,%s,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,", s.frame, s.seconds,
                      s.on ? "on" : "off", double(s.position.x), double(s.position.y), double(s.position.z),
                      double(s.rotation.x), double(s.rotation.y), double(s.rotation.z), double(s.fov));
        out << line;
        if (s.distanceHanded) out << format("%.4f", s.distance);
        std::replace(events.begin(), events.end(), '"', '\'');
        out << ',' << (events.empty() ? "" : '"' + events + '"') << '\n';
    }
}

} // namespace sim
