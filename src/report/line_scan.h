// A line-by-line account of how inih reads the settings file, for the report: which lines are
// sections, keys, continuations, comments or skipped, and which were cut at 199 characters.
// It watches the one parse that gives the values (an IniLineWatcher), so it cannot drift from
// what inih made of the file, and it keeps one line at a time.
#pragma once

#include "settings/settings_file.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// The report lists this many warnings in full and counts the rest.
constexpr size_t listedWarningLimit = 50;
// This many unknown keys of a read get the setting nearest to them named ("did you mean"); a
// file with more is not a few misspellings, and the search is the dearest part of a report.
constexpr size_t suggestedKeyLimit = 5;

enum class IniLineKind { blank, comment, section, key, continuation, skipped };

struct IniLine {
    int number = 0;
    std::string text; // as inih read it: at most 199 characters, without the line break
    bool cut = false; // inih dropped text past character 199
    IniLineKind kind = IniLineKind::blank;
    std::string section; // the section the line belongs to ("" before any header); for a header, its name
    std::string name;    // key lines and continuations: the key
};

// The warnings about single lines, in line order: the first listedWarningLimit in full, the
// rest only counted.
struct LineWarnings {
    std::vector<std::string> listed;
    size_t unlisted = 0;
    size_t suggestions = 0; // unknown keys that were given a nearest setting
    // Listed warnings of a key given again, with the key's row: they end with the value read,
    // which only the end of the read settles.
    std::vector<std::pair<size_t, size_t>> repeats;
    std::vector<int> firstLine; // per row of settingRows: the line the key first came on, 0 for none yet
};

struct LineScan {
    IniLine line;         // the line inih is reading: classified when the next begins or the read ends
    bool started = false; // inih has begun a line
    bool handled = false; // inih passed the current line to its handler
    bool afterKey = false;
    std::string section; // the section of the lines so far
    bool sawConfig = false;
    LineWarnings warnings;
};

// The watcher that feeds the scan; the scan must outlive the read.
IniLineWatcher lineScanWatcher(LineScan& scan);
// Classifies the last line, once the read is over.
void finishLineScan(LineScan& scan);

// Adds the warnings about one classified line: keys outside [Config], unknown or repeated keys,
// continuations, misspelt sections, skipped and cut lines.
void addLineWarnings(LineWarnings& warnings, const IniLine& line);
