#include "report/line_scan.h"

#include "settings/settings.h"
#include "settings/text_match.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {
bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// inih's view of a line: past a UTF-8 byte-order mark on line 1, without white space at either end.
std::string_view trimmedText(const IniLine& line) {
    size_t from = line.number == 1 && line.text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    size_t to = line.text.size();
    while (from < to && isSpace(line.text[from])) ++from;
    while (to > from && isSpace(line.text[to - 1])) --to;
    return std::string_view(line.text).substr(from, to - from);
}

// The name of a "[section]" line as inih takes it, or false when inih rejects the header: the
// closing bracket must come before any inline comment (a ";" after white space).
bool sectionName(std::string_view trimmed, std::string& name) {
    bool wasSpace = false;
    for (size_t k = 1; k < trimmed.size(); ++k) {
        if (trimmed[k] == ']') {
            name = trimmed.substr(1, std::min<size_t>(k - 1, 49)); // inih keeps 49 characters
            return true;
        }
        if (wasSpace && trimmed[k] == ';') return false;
        wasSpace = isSpace(trimmed[k]);
    }
    return false;
}

// A line's kind by inih's own order of tests: comments first, then continuations, headers and
// keys (those inih handed over); anything else inih skipped.
IniLineKind lineKind(IniLine& line, bool afterKey, bool handled) {
    const std::string_view trimmed = trimmedText(line);
    if (trimmed.empty()) return IniLineKind::blank;
    if (trimmed[0] == ';' || trimmed[0] == '#') return IniLineKind::comment;
    if (afterKey && isSpace(line.text[0])) return IniLineKind::continuation;
    if (trimmed[0] == '[')
        return sectionName(trimmed, line.section) ? IniLineKind::section : IniLineKind::skipped;
    return handled ? IniLineKind::key : IniLineKind::skipped;
}

// An indented line after a key continues that key's value until the next section header.
void classifyLine(LineScan& scan) {
    IniLine& line = scan.line;
    line.section = scan.section;
    line.kind = lineKind(line, scan.afterKey, scan.handled);
    if (line.kind == IniLineKind::section) {
        scan.section = line.section;
        scan.afterKey = false;
        scan.sawConfig = scan.sawConfig || sameName(line.section, settingsSection);
    }
    if (line.kind == IniLineKind::key) scan.afterKey = true;
    addLineWarnings(scan.warnings, line);
}

void lineBegins(void* context, const char* text) {
    auto& scan = *static_cast<LineScan*>(context);
    if (scan.started) classifyLine(scan);
    scan.started = true;
    scan.handled = false;
    ++scan.line.number;
    scan.line.text.assign(text, std::strcspn(text, "\n"));
    scan.line.cut = false;
    scan.line.name.clear();
}

void lineCut(void* context) { static_cast<LineScan*>(context)->line.cut = true; }

void lineHandled(void* context, const char*, const char* name) {
    auto& scan = *static_cast<LineScan*>(context);
    scan.handled = true;
    scan.line.name = name;
}
} // namespace

IniLineWatcher lineScanWatcher(LineScan& scan) { return {&scan, lineBegins, lineCut, lineHandled}; }

void finishLineScan(LineScan& scan) {
    if (scan.started) classifyLine(scan);
    scan.started = false;
}
