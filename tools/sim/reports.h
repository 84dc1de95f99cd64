// What a run leaves for a person: the events table, the summary, the per-frame CSV and the SVG
// plot.
#pragma once

#include "sim_runner.h"

#include <ostream>
#include <string>

namespace sim {

// Each event with the view just before it and half a second later (or just before the next).
void writeEventTable(const RunResult& result, std::ostream& out);
// The summary line, then one line for each violation kept.
void writeSummary(const RunResult& result, const Session& session, std::ostream& out);
// One row per frame: what the player sees and the distance handed to the game.
void writeCsv(const RunResult& result, std::ostream& out);
// writeCsv's parts, for a drive that writes its rows as it plays: a frame's events joined by "; ".
void writeCsvHeader(std::ostream& out);
void writeCsvRow(const FrameSample& sample, std::string events, std::ostream& out);
// Heading, pitch, field of view and handed distance over time, events marked.
void writeSvg(const RunResult& result, const std::string& title, std::ostream& out);

} // namespace sim
