// The warnings about single lines. Whether a line deserves one is always decided, so that the
// count is right; the text (and the search for a nearest name) is made only for listed ones.
#include "report/line_scan.h"
#include "report/name_match.h"
#include "report/report_text.h"
#include "settings/setting_rows.h"
#include "settings/text_match.h"

namespace {
bool isConfig(const std::string& section) { return sameName(section, settingsSection); }

// The row of a known key, or settingRowCount.
size_t knownRow(const std::string& name) {
    size_t i = 0;
    while (i < settingRowCount && !sameName(name, settingRows[i].key)) ++i;
    return i;
}

// Whether a warning may be listed; one that may not is counted.
bool listable(LineWarnings& w) {
    if (w.listed.empty()) w.listed.reserve(listedWarningLimit); // one allocation, not seven
    if (w.listed.size() < listedWarningLimit) return true;
    ++w.unlisted;
    return false;
}

void sectionWarning(LineWarnings& w, const IniLine& line) {
    if (isConfig(line.section)) return;
    const size_t first = line.section.find_first_not_of(" \t");
    const size_t last = line.section.find_last_not_of(" \t");
    const bool spaced = first != std::string::npos && isConfig(line.section.substr(first, last - first + 1));
    if (!spaced && !withinEdits(line.section, settingsSection, 2)) return;
    if (!listable(w)) return;
    w.listed.push_back(lineWarning(line.number, {"section [", line.section, "]",
                                                 spaced ? " is not [Config]: white space inside the brackets "
                                                          "is part of the name"
                                                        : " is not [Config]; did you mean [Config]?"}));
}

void outsideConfigWarning(LineWarnings& w, const IniLine& line) {
    if (!listable(w)) return;
    const bool before = line.section.empty();
    w.listed.push_back(lineWarning(
        line.number, {line.name, " is ", before ? "before any section header" : "in section [",
                      before ? "" : line.section, before ? "" : "]", ", not in [Config], so it is ignored"}));
}

void unknownKeyWarning(LineWarnings& w, const IniLine& line) {
    if (!listable(w)) return;
    const bool suggest = w.suggestions < suggestedKeyLimit;
    const std::string_view nearest = suggest ? nearestSetting(line.name) : std::string_view();
    w.suggestions += suggest;
    w.listed.push_back(lineWarning(line.number, {"unknown key ", quoted(line.name), " is ignored",
                                                 nearest.empty() ? "" : "; did you mean ", nearest,
                                                 nearest.empty() ? "" : "?"}));
}

// Keys out of place, unknown or given again; the value read is added when the read is over.
void keyWarning(LineWarnings& w, const IniLine& line) {
    if (!isConfig(line.section)) return outsideConfigWarning(w, line);
    const size_t row = knownRow(line.name);
    if (row == settingRowCount) return unknownKeyWarning(w, line);
    w.firstLine.resize(settingRowCount);
    int& first = w.firstLine[row];
    if (first == 0) {
        first = line.number;
        return;
    }
    if (!listable(w)) return;
    w.repeats.emplace_back(w.listed.size(), row);
    w.listed.push_back(lineWarning(line.number, {settingRows[row].key, " is given again (first on line ",
                                                 std::to_string(first), "); the value read is "}));
}

void continuationWarning(LineWarnings& w, const IniLine& line) {
    if (!isConfig(line.section) || knownRow(line.name) == settingRowCount || !listable(w)) return;
    w.listed.push_back(
        lineWarning(line.number, {"the line is indented, so it continues the value of ", line.name,
                                  "; remove the indentation if it is a key of its own"}));
}

void skippedWarning(LineWarnings& w, const IniLine& line) {
    if (!listable(w)) return;
    w.listed.push_back(lineWarning(line.number, {"not a section, key or comment, so it is skipped: ",
                                                 quoted(std::string_view(line.text).substr(0, 60))}));
}

void cutWarning(LineWarnings& w, const IniLine& line) {
    if (!listable(w)) return;
    w.listed.push_back(lineWarning(
        line.number, {"longer than 199 characters: only the first 199 are read, the rest is dropped"}));
}
} // namespace

void addLineWarnings(LineWarnings& warnings, const IniLine& line) {
    if (line.kind == IniLineKind::section) sectionWarning(warnings, line);
    if (line.kind == IniLineKind::key) keyWarning(warnings, line);
    if (line.kind == IniLineKind::continuation) continuationWarning(warnings, line);
    if (line.kind == IniLineKind::skipped) skippedWarning(warnings, line);
    if (line.cut) cutWarning(warnings, line);
}
