#include "check_ini.h"

#include "settings/setting_rows.h"

#include <INIReader.h>

#include <charconv>
#include <cstdio>

namespace sim {
namespace {
std::string floatText(float value) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : "?";
}

std::string keyCodeName(uint32_t code) {
    if (code >= 255) return "never held: no key has a code from 255 up";
    if (code == 17) return "Ctrl";
    if (code == 16) return "Shift";
    if (code == 18) return "Alt";
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return std::string(1, static_cast<char>(code));
    return "";
}

// The value exactly as the plug-in's settings record holds it after the key was applied.
std::string storedValue(const SettingRow& row) {
    if (auto real = std::get_if<float Settings::*>(&row.field)) return floatText(settings.**real);
    if (auto code = std::get_if<uint32_t Settings::*>(&row.field)) return std::to_string(settings.**code);
    return std::to_string(settings.*std::get<int32_t Settings::*>(row.field));
}

bool converts(const SettingRow& row, const std::string& text) {
    return isRealSetting(row) ? realFromText(text.c_str()).has_value()
                              : integerFromText(text.c_str()).has_value();
}

std::string shown(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\\n") : std::string(1, c);
    return '"' + out + '"';
}

std::string fallbackReason(const std::string& text) {
    if (text.empty()) return "the value is empty";
    if (text.find_first_not_of(" \t\n") == std::string::npos) return "the value is blank";
    return "not a number: " + shown(text);
}

CheckedSetting checkRow(const INIReader& reader, const SettingRow& row) {
    CheckedSetting checked;
    checked.key = row.key;
    const std::string text = settingText(reader, row);
    applySetting(reader, row);
    checked.value = storedValue(row);
    if (auto code = std::get_if<uint32_t Settings::*>(&row.field))
        checked.keyName = keyCodeName(settings.**code);
    if (!reader.HasValue(settingsSection, row.key)) return checked;
    checked.fromFile = converts(row, text);
    if (!checked.fromFile)
        checked.reason = fallbackReason(text);
    else if (text.find('\n') != std::string::npos)
        checked.reason = "given more than once: the first value counts";
    return checked;
}
} // namespace

IniCheck checkIni(const std::string& path) {
    IniCheck check;
    check.path = path;
    const INIReader reader(path);
    check.opened = reader.ParseError() != -1;
    check.firstBadLine = reader.ParseError() > 0 ? reader.ParseError() : 0;
    for (size_t i = 0; i < settingRowCount; ++i) check.settings.push_back(checkRow(reader, settingRows[i]));
    return check;
}

void printIniCheck(const IniCheck& check, std::ostream& out) {
    if (!check.opened) {
        out << check.path << ": cannot be opened; the plug-in would use every default:\n";
    } else {
        out << check.path << ": section [Config]\n";
        if (check.firstBadLine > 0)
            out << "  line " << check.firstBadLine << " is not a section, key or comment and is skipped\n";
    }
    for (const CheckedSetting& s : check.settings) {
        char line[160];
        const std::string value = s.keyName.empty() ? s.value : s.value + " (" + s.keyName + ")";
        std::snprintf(line, sizeof line, "  %-18s %-12s %s", s.key.c_str(), value.c_str(),
                      s.fromFile ? "from the file" : "default");
        out << line;
        if (!s.reason.empty()) out << " (" << s.reason << ")";
        out << '\n';
    }
}

} // namespace sim
