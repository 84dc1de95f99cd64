#include "report/settings_warnings.h"

#include "report/report_text.h"
#include "settings/key_names.h"

#include <cmath>

namespace {
void fileWarnings(SettingsReport& report, const SettingsFile& file) {
    if (file.isFolder) {
        report.warnings.push_back(
            joined({report.file, " is a folder, not a file: every setting takes its default"}));
        return;
    }
    if (!file.opened) {
        report.warnings.push_back(
            joined({report.file, " cannot be opened: the settings file must sit in ", report.folder,
                    ", the game's working folder, next to the game's executable; every "
                    "setting takes its default"}));
        return;
    }
    if (file.encoding == "UTF-16")
        report.warnings.push_back(
            "the file is saved as UTF-16 (Notepad's \"Unicode\"), which cannot be read: "
            "save it as UTF-8; every setting takes its default");
    else if (file.encoding == "NUL")
        report.warnings.push_back(
            lineWarning(file.encodingLine, {"a NUL byte ends the line's text; the rest is ignored"}));
    else if (!file.encoding.empty())
        report.warnings.push_back(
            lineWarning(file.encodingLine, {"the text is not UTF-8: save the file as UTF-8"}));
}

// The scan's warnings, each repeated key's with the value that the whole read settled.
void listLineWarnings(SettingsReport& report, const SettingsFile& file, LineWarnings& lines) {
    for (const auto& [listed, row] : lines.repeats) {
        const std::string_view text = file.keys[row].text;
        lines.listed[listed] += quoted(text.substr(0, text.find('\n')));
    }
    report.warnings.reserve(report.warnings.size() + lines.listed.size() + 2 * settingRowCount);
    for (std::string& warning : lines.listed) report.warnings.push_back(std::move(warning));
    report.unlistedWarnings += lines.unlisted;
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
    const bool real = isRealSetting(*s.row);
    const std::initializer_list<std::string_view> head = {s.row->key, " = ", first, " was read as ", s.value};
    if (real && rest[0] == ',' && digitAt(rest, 1)) {
        std::string fixed = first;
        fixed[fixed.find(',')] = '.';
        report.warnings.push_back(
            joined({joined(head), "; write ", fixed, " (the decimal separator is a point)"}));
    } else if (!real && (rest[0] == '.' || rest[0] == ',') && digitAt(rest, 1)) {
        report.warnings.push_back(joined({joined(head), ": it takes whole numbers"}));
    } else {
        report.warnings.push_back(joined({joined(head), "; the rest, ", quoted(rest),
                                          ", is ignored (a comment after a value starts with \" ;\")"}));
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
    if (!because.empty()) report.warnings.push_back(joined({s.row->key, " is ", s.value, ": ", because}));
}

// A key that is present but gave its default: the same reason as in the table, with the value used.
void fallbackWarning(SettingsReport& report, const SettingOutcome& s) {
    report.warnings.push_back(joined({s.row->key, ": ", s.reason, "; the default ", s.value, " is used"}));
}

void valueWarnings(SettingsReport& report, const SettingsFile& file) {
    for (size_t i = 0; i < report.settings.size(); ++i) {
        const SettingOutcome& s = report.settings[i];
        if (s.read && !s.reason.empty()) fallbackWarning(report, s);
        if (!s.read || !s.fromFile) continue;
        const std::string& text = file.keys[i].text;
        unreadTextWarning(report, s, text.substr(0, text.find('\n')));
        unusableValueWarning(report, s);
    }
}

void combinationWarning(SettingsReport& report) {
    if (settings.enableKey1 != settings.disableKey1 || settings.enableKey2 != settings.disableKey2) return;
    report.warnings.push_back(joined({"the enable and disable combinations are the same keys (",
                                      combinationName(settings.enableKey1, settings.enableKey2),
                                      "): while they are held the camera switches off and on again every "
                                      "other frame"}));
}
// Everything after the first listedWarningLimit is counted only, wherever it came from.
void keepListedWarnings(SettingsReport& report) {
    if (report.warnings.size() <= listedWarningLimit) return;
    report.unlistedWarnings += report.warnings.size() - listedWarningLimit;
    report.warnings.resize(listedWarningLimit);
}
} // namespace

void addSettingsWarnings(SettingsReport& report, const SettingsFile& file, LineScan& scan) {
    fileWarnings(report, file);
    if (file.encoding == "UTF-16") return; // nothing in it can be read, line by line either
    if (file.opened && !scan.sawConfig)
        report.warnings.push_back("there is no [Config] section, so every setting takes its default: the "
                                  "keys must follow a line that reads [Config]");
    listLineWarnings(report, file, scan.warnings);
    valueWarnings(report, file);
    combinationWarning(report);
    keepListedWarnings(report);
}
