#include "report/settings_report.h"

#include "host/platform.h"
#include "report/name_match.h"
#include "report/report_text.h"
#include "report/settings_warnings.h"
#include "settings/key_names.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

SettingsReport settingsReport;

namespace {
bool isAbsolute(const std::string& path) {
    if (!path.empty() && (path[0] == '/' || path[0] == '\\')) return true;
    return pathSeparator == '\\' && path.size() > 1 && path[1] == ':';
}

std::string currentFolder() {
    char buffer[1024];
    const char* folder = workingFolder(buffer, sizeof buffer);
    return folder ? folder : "(the working folder)";
}

// "4.025e+01" as "40.25"; very large and very small values stay in scientific notation.
std::string plainDecimal(const std::string& scientific) {
    const size_t e = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    if (e == std::string::npos || exponent < -5 || exponent > 15) return scientific;
    std::string digits;
    for (size_t k = 0; k < e; ++k)
        if (scientific[k] >= '0' && scientific[k] <= '9') digits += scientific[k];
    const std::string sign = scientific[0] == '-' ? "-" : "";
    if (exponent < 0) return sign + "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) return sign + digits + std::string(whole - digits.size(), '0');
    return sign + digits.substr(0, whole) + "." + digits.substr(whole);
}

// The shortest text that reads back as the same float ("52.282005", "7.2", "40"). printf does
// the rounding rather than std::to_chars, whose tables would double the size of the DLL.
std::string floatText(float value) {
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char text[32] = "";
    for (int digits = 1; digits <= 9; ++digits) {
        std::snprintf(text, sizeof text, "%.*e", digits - 1, static_cast<double>(value));
        const std::optional<double> back = realFromText(text);
        if (back && static_cast<float>(*back) == value) break;
    }
    return plainDecimal(text);
}

std::string keyCodeText(uint32_t code) {
    if (code >= 255) return joined({std::to_string(code), " (never held)"});
    const std::string_view name = keyDisplayName(code);
    return name.empty() ? std::to_string(code) : joined({std::to_string(code), " (", name, ")"});
}

// The value exactly as the settings record holds it.
std::string storedValue(const SettingRow& row) {
    if (auto real = std::get_if<float Settings::*>(&row.field)) return floatText(settings.**real);
    if (auto code = std::get_if<uint32_t Settings::*>(&row.field)) return keyCodeText(settings.**code);
    return std::to_string(settings.*std::get<int32_t Settings::*>(row.field));
}

bool converts(const SettingRow& row, const std::string& text) {
    if (isRealSetting(row)) return realFromText(text.c_str()).has_value();
    if (std::holds_alternative<uint32_t Settings::*>(row.field))
        return keyCodeFromText(text.c_str()).has_value();
    return integerFromText(text.c_str()).has_value();
}

// Why a present key's text gave the default.
std::string fallbackReason(const SettingRow& row, const std::string& text) {
    if (text.find_first_not_of(" \t\n") == std::string::npos) return "the value is empty";
    if (!std::holds_alternative<uint32_t Settings::*>(row.field))
        return joined({"not a number: ", quoted(text)});
    const std::string_view first = std::string_view(text).substr(0, text.find('\n'));
    const std::string_view nearest = nearestKeyName(first);
    return joined({"not a number or key name: ", quoted(first), nearest.empty() ? "" : " (did you mean \"",
                   nearest, nearest.empty() ? "" : "\"?)"});
}

SettingOutcome outcomeOf(const KeyText& key, const SettingRow& row, bool read) {
    SettingOutcome outcome;
    outcome.row = &row;
    outcome.read = read;
    outcome.value = storedValue(row);
    outcome.present = key.present;
    if (!read || !outcome.present) return outcome;
    const std::string& text = key.text;
    outcome.fromFile = converts(row, text);
    if (!outcome.fromFile) outcome.reason = fallbackReason(row, text);
    return outcome;
}

// A folder at the root of a drive or of the file system ("D:\\", "/") already ends with its
// separator; no other has one.
std::string inFolder(const std::string& folder, const char* path) {
    const bool separated = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
    return joined({folder, separated ? "" : std::string_view(&pathSeparator, 1), path});
}

void reportFile(SettingsReport& report, const char* path) {
    report.folder = currentFolder();
    report.file = isAbsolute(path) ? path : inFolder(report.folder, path);
}
} // namespace

SettingsReport reportSettingsRead(const char* path, const SettingsFile& file, LineScan& scan,
                                  bool reloading) {
    finishLineScan(scan);
    SettingsReport report;
    reportFile(report, path);
    report.opened = file.opened;
    report.settings.reserve(settingRowCount);
    for (size_t i = 0; i < settingRowCount; ++i) {
        const bool read = !reloading || settingRows[i].reloaded;
        report.settings.push_back(outcomeOf(file.keys[i], settingRows[i], read));
    }
    addSettingsWarnings(report, file, scan);
    return report;
}

namespace {
void addOutcomeLine(std::string& text, const SettingOutcome& s) {
    char line[96];
    std::snprintf(line, sizeof line, "  %-18s %-24s ", s.row->key, s.value.c_str());
    text += line;
    text += !s.read ? "kept (read only at start)" : s.fromFile ? "from the file" : "default";
    if (!s.reason.empty()) text.append(" (").append(s.reason).append(")");
    text += '\n';
}

// A little more than the text will take, so that it is allocated once.
size_t describedSize(const SettingsReport& report) {
    size_t size = report.file.size() + 160;
    for (const SettingOutcome& s : report.settings) size += 80 + s.value.size() + s.reason.size();
    for (const std::string& warning : report.warnings) size += warning.size() + 5;
    return size;
}
} // namespace

std::string describeSettings(const SettingsReport& report) {
    std::string text;
    text.reserve(describedSize(report));
    text.append("Settings: ").append(report.file).append("\n");
    for (const SettingOutcome& s : report.settings) addOutcomeLine(text, s);
    if (report.warnings.empty()) return text += "No warnings.\n";
    const size_t total = report.warnings.size() + report.unlistedWarnings;
    text.append("Warnings (").append(std::to_string(total)).append("):\n");
    for (const std::string& warning : report.warnings) text.append("  - ").append(warning).append("\n");
    if (report.unlistedWarnings == 0) return text;
    return text.append("  ... and ")
        .append(std::to_string(report.unlistedWarnings))
        .append(" more, not listed (only the first ")
        .append(std::to_string(listedWarningLimit))
        .append(" are)\n");
}

namespace {
bool hasWarning(const SettingsReport& report, const std::string& warning) {
    for (const std::string& w : report.warnings)
        if (w == warning) return true;
    return false;
}
} // namespace

std::string describeSettingsChanges(const SettingsReport& before, const SettingsReport& after) {
    std::string text;
    for (size_t i = 0; i < after.settings.size() && i < before.settings.size(); ++i) {
        const SettingOutcome& was = before.settings[i];
        const SettingOutcome& now = after.settings[i];
        if (was.value != now.value)
            text += "  " + std::string(now.row->key) + ": " + was.value + " -> " + now.value + "\n";
    }
    if (text.empty()) text = "  no value changed\n";
    for (const std::string& warning : after.warnings)
        if (!hasWarning(before, warning)) text += "  new warning: " + warning + "\n";
    if (after.unlistedWarnings > 0)
        text += "  ... and " + std::to_string(after.unlistedWarnings) + " more warnings, not listed\n";
    return "Settings read again from " + after.file + ":\n" + text;
}
