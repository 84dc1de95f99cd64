// What a play and a live drive in the module share: the texts they leave for the JS side, and
// the steps of a traced run. One instance holds one play or one drive at a time.
#pragma once

#include "session.h"
#include "sim_runner.h"

#include <optional>
#include <string>
#include <string_view>

namespace web {

enum Output { standardOutput, standardError, csv, frames, trace, report, events, scene, outputCount };

// What the last play left, by kind; the JS side reads them by vorthmere_output.
extern std::string outputs[outputCount];

constexpr const char* settingsFile = "Vorthmere.ini";

void clearOutputs();
// Text that reads back as the same float (nine significant digits).
std::string floatText(float value);
// Writes the settings file into the instance's root, where the plug-in reads it.
bool writeSettingsFile(const std::string& text);
// The session of that text (the built-in one when not given); its faults go to standard error.
std::optional<sim::Session> readSession(std::string_view text, bool given, std::string_view name);
// The run's options: every frame observed as a line of JSON, every native call traced when asked.
sim::RunOptions tracedOptions(bool traced);
void endTrace();
// The summary, CSV, events and settings report of a finished run.
void writeRunOutputs(const sim::RunResult& result, const sim::Session& session, bool quiet);
// The settings report of the settings file as it is now, as --check-ini prints it.
void writeSettingsReport();
// vorthmere-sim's exit status for a run, before any file is written.
int exitStatus(const sim::RunResult& result);

} // namespace web
