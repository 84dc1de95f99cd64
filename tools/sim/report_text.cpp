// The events table, the summary and the CSV.
#include "reports.h"

#include "decimal_text.h"

#include <algorithm>

namespace sim {
namespace {
constexpr int afterFrames = 30;

std::string poseColumns(const FrameSample& s) {
    return padRight(s.on ? "on" : "off", 3) + ' ' + padLeft(fixedText(s.rotation.z, 1), 8) + ' ' +
           padLeft(fixedText(s.rotation.x, 1), 6) + ' ' + padLeft(fixedText(s.fov, 1), 6) + ' ' +
           padLeft(s.distanceHanded ? fixedText(s.distance, 2) : "-", 5);
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
        out << padLeft(fixedText(event.frame / 60.0, 2), 6) << "  " << padRight(clipped(event.label, 38), 38)
            << " | " << poseColumns(sampleAt(result, event.frame - 1)) << " | "
            << poseColumns(sampleAt(result, std::max(after, event.frame))) << '\n';
    }
}

void writeSummary(const RunResult& r, const Session& session, std::ostream& out) {
    out << fixedText(session.frames / 60.0, 2) << " s, " << r.samples.size() << " frames, " << r.passes
        << " passes, " << r.nativeCalls << " native calls, " << r.camerasCreated << " cameras created, "
        << r.camerasDisposed << " disposed, " << r.violationCount << " invariant violations\n";
    for (const Violation& v : r.violations)
        out << "VIOLATION at frame " << v.frame << " (" << fixedText(v.frame / 60.0, 3)
            << " s): " << v.message << '\n';
}

void writeCsvHeader(std::ostream& out) {
    out << "frame,time_s,mode,x,y,z,pitch,roll,heading,fov,distance_handed,event\n";
}

void writeCsvRow(const FrameSample& s, std::string events, std::ostream& out) {
    out << s.frame << ',' << fixedText(s.seconds, 4) << ',' << (s.on ? "on" : "off");
    for (float value :
         {s.position.x, s.position.y, s.position.z, s.rotation.x, s.rotation.y, s.rotation.z, s.fov})
        out << ',' << fixedText(value, 4);
    out << ',';
    if (s.distanceHanded) out << fixedText(s.distance, 4);
    std::replace(events.begin(), events.end(), '"', '\'');
    out << ',' << (events.empty() ? "" : '"' + events + '"') << '\n';
}

void writeCsv(const RunResult& result, std::ostream& out) {
    writeCsvHeader(out);
    size_t nextEvent = 0;
    for (const FrameSample& s : result.samples) {
        std::string events;
        for (; nextEvent < result.events.size() && result.events[nextEvent].frame <= s.frame; ++nextEvent)
            events += (events.empty() ? "" : "; ") + result.events[nextEvent].label;
        writeCsvRow(s, events, out);
    }
}

} // namespace sim
