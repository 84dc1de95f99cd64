#include "settings/settings_warnings.h"

#include "settings/key_names.h"
#include "settings/text_match.h"

#include <INIReader.h>

#include <cmath>
#include <map>

namespace {
std::string at(int line) { return "line " + std::to_string(line) + ": "; }

bool isConfig(const std::string& section) { return sameName(section, settingsSection); }

const SettingRow* knownRow(const std::string& name) {
    for (size_t i = 0; i < settingRowCount; ++i)
        if (sameName(name, settingRows[i].key)) return &settingRows[i];
    return nullptr;
}

// The setting closest to a misspelt key, within a few edits.
std::string nearestSetting(const std::string& name) {
    size_t best = 4;
    std::string nearest;
    for (size_t i = 0; i < settingRowCount; ++i) {
        const size_t distance = editDistance(name, settingRows[i].key);
        if (distance < best) best = distance, nearest = settingRows[i].key;
    }
    return nearest;
}

void fileWarnings(SettingsReport& report, const SettingsFile& file) {
    if (file.isFolder) {
        report.warnings.push_back(report.file + " is a folder, not a file: every setting takes its default");
        return;
    }
    if (!file.opened) {
        report.warnings.push_back(report.file + " cannot be opened: the settings file must sit in " +
                                  report.folder +
                                  ", the game's working folder, next to the game's executable; every "
                                  "setting takes its default");
        return;
    }
    if (file.encoding == "UTF-16")
        report.warnings.push_back(
            "the file is saved as UTF-16 (Notepad's \"Unicode\"), which cannot be read: "
            "save it as UTF-8; every setting takes its default");
    else if (file.encoding == "NUL")
        report.warnings.push_back(at(file.encodingLine) +
                                  "a NUL byte ends the line's text; the rest is ignored");
    else if (!file.encoding.empty())
        report.warnings.push_back(at(file.encodingLine) + "the text is not UTF-8: save the file as UTF-8");
}

void noConfigWarning(SettingsReport& report, const SettingsFile& file, const std::vector<IniLine>& lines) {
    if (!file.opened) return;
    for (const IniLine& line : lines)
        if (line.kind == IniLineKind::section && isConfig(line.section)) return;
    report.warnings.push_back("there is no [Config] section, so every setting takes its default: the keys "
                              "must follow a line that reads [Config]");
}

void sectionWarning(SettingsReport& report, const IniLine& line) {
    if (isConfig(line.section)) return;
    const std::string name = "[" + line.section + "]";
    const size_t first = line.section.find_first_not_of(" \t");
    const size_t last = line.section.find_last_not_of(" \t");
    const bool spaced = first != std::string::npos && isConfig(line.section.substr(first, last - first + 1));
    if (spaced)
        report.warnings.push_back(at(line.number) + "section " + name +
                                  " is not [Config]: white space inside the brackets is part of the name");
    else if (editDistance(line.section, settingsSection) <= 2)
        report.warnings.push_back(at(line.number) + "section " + name +
                                  " is not [Config]; did you mean [Config]?");
}

// Keys out of place, unknown or given again; `firstLine` remembers where each key first came.
void keyWarning(SettingsReport& report, const IniLine& line, const INIReader& reader,
                std::map<std::string, int>& firstLine) {
    if (!isConfig(line.section)) {
        const std::string where =
            line.section.empty() ? "before any section header" : "in section [" + line.section + "]";
        report.warnings.push_back(at(line.number) + line.name + " is " + where +
                                  ", not in [Config], so it is ignored");
        return;
    }
    const SettingRow* row = knownRow(line.name);
    if (!row) {
        const std::string nearest = nearestSetting(line.name);
        report.warnings.push_back(at(line.number) + "unknown key " + quoted(line.name) + " is ignored" +
                                  (nearest.empty() ? "" : "; did you mean " + nearest + "?"));
        return;
    }
    const auto [seen, isFirst] = firstLine.emplace(row->key, line.number);
    if (isFirst) return;
    const std::string text = settingText(reader, *row);
    report.warnings.push_back(at(line.number) + row->key + " is given again (first on line " +
                              std::to_string(seen->second) + "); the value read is " +
                              quoted(text.substr(0, text.find('\n'))));
}

void continuationWarning(SettingsReport& report, const IniLine& line) {
    if (!isConfig(line.section) || !knownRow(line.name)) return;
    report.warnings.push_back(at(line.number) + "the line is indented, so it continues the value of " +
                              line.name + "; remove the indentation if it is a key of its own");
}

void lineWarnings(SettingsReport& report, const std::vector<IniLine>& lines, const INIReader& reader) {
    std::map<std::string, int> firstLine;
    for (const IniLine& line : lines) {
        if (line.kind == IniLineKind::section) sectionWarning(report, line);
        if (line.kind == IniLineKind::key) keyWarning(report, line, reader, firstLine);
        if (line.kind == IniLineKind::continuation) continuationWarning(report, line);
        if (line.kind == IniLineKind::skipped)
            report.warnings.push_back(at(line.number) + "not a section, key or comment, so it is skipped: " +
                                      quoted(line.text.substr(0, 60)));
        if (line.cut)
            report.warnings.push_back(at(line.number) +
                                      "longer than 199 characters: only the first 199 are read, the rest is "
                                      "dropped");
    }
}

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// What the number at the start of a value's first line left unread; "" for a key name.
std::string unreadText(const SettingRow& row, const std::string& first) {
    const char* end = first.c_str();
    if (isRealSetting(row))
        realFromText(first.c_str(), &end);
    else
        integerFromText(first.c_str(), &end);
    if (end == first.c_str()) return "";
    return trimmed(end);
}

bool digitAt(const std::string& text, size_t k) {
    return k < text.size() && text[k] >= '0' && text[k] <= '9';
}

// "7,2" was read as 7; a fraction in a whole-number key; text after the number.
void unreadTextWarning(SettingsReport& report, const SettingOutcome& s, const std::string& first) {
    const std::string rest = unreadText(*s.row, first);
    if (rest.empty()) return;
    const std::string head = std::string(s.row->key) + " = " + first + " was read as " + s.value;
    const bool real = isRealSetting(*s.row);
    if (real && rest[0] == ',' && digitAt(rest, 1)) {
        std::string fixed = first;
        fixed[fixed.find(',')] = '.';
        report.warnings.push_back(head + "; write " + fixed + " (the decimal separator is a point)");
    } else if (!real && (rest[0] == '.' || rest[0] == ',') && digitAt(rest, 1)) {
        report.warnings.push_back(head + ": it takes whole numbers");
    } else {
        report.warnings.push_back(head + "; the rest, " + quoted(rest) +
                                  ", is ignored (a comment after a value starts with \" ;\")");
    }
}

bool isFieldOfView(const SettingRow& row) {
    return row.field == SettingField(&Settings::defaultFov) ||
           row.field == SettingField(&Settings::shortFov) || row.field == SettingField(&Settings::longFov);
}

// Why a value read as written cannot serve the camera; "" when it can.
std::string unusableBecause(const SettingRow& row) {
    if (auto real = std::get_if<float Settings::*>(&row.field)) {
        const float value = settings.**real;
        if (isFieldOfView(row))
            return value > 0.0f && value < 180.0f ? ""
                                                  : "a field of view must be above 0 and below 180 degrees";
        return std::isfinite(value) ? "" : "a sensitivity must be a finite number";
    }
    if (auto code = std::get_if<uint32_t Settings::*>(&row.field))
        return settings.**code < 255
                   ? ""
                   : "no key has a code of 255 or more, so this combination can never be held";
    const bool idleTime = row.field == SettingField(&Settings::autoCenterTime);
    return idleTime && settings.autoCenterTime < 0 ? "use 0 or more" : "";
}

void unusableValueWarning(SettingsReport& report, const SettingOutcome& s) {
    const std::string because = unusableBecause(*s.row);
    if (!because.empty())
        report.warnings.push_back(std::string(s.row->key) + " is " + s.value + ": " + because);
}

// A key that is present but gave its default: the same reason as in the table, with the value used.
void fallbackWarning(SettingsReport& report, const SettingOutcome& s) {
    report.warnings.push_back(std::string(s.row->key) + ": " + s.reason + "; the default " + s.value +
                              " is used");
}

void valueWarnings(SettingsReport& report, const INIReader& reader) {
    for (const SettingOutcome& s : report.settings) {
        if (s.read && !s.reason.empty()) fallbackWarning(report, s);
        if (!s.read || !s.fromFile) continue;
        const std::string text = settingText(reader, *s.row);
        unreadTextWarning(report, s, text.substr(0, text.find('\n')));
        unusableValueWarning(report, s);
    }
}

void combinationWarning(SettingsReport& report) {
    if (settings.enableKey1 != settings.disableKey1 || settings.enableKey2 != settings.disableKey2) return;
    report.warnings.push_back(
        "the enable and disable combinations are the same keys (" +
        combinationName(settings.enableKey1, settings.enableKey2) +
        "): while they are held the camera switches off and on again every other frame");
}
} // namespace

void addSettingsWarnings(SettingsReport& report, const SettingsFile& file, const INIReader& reader) {
    fileWarnings(report, file);
    if (file.encoding == "UTF-16") return; // nothing in it can be read, line by line either
    const std::vector<IniLine> lines = scanIniText(file.text);
    noConfigWarning(report, file, lines);
    lineWarnings(report, lines, reader);
    valueWarnings(report, reader);
    combinationWarning(report);
}
