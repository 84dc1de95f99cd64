// The number conversion table run by the Windows build under Wine, and by the WebAssembly build
// under Node: the plug-in's own conversions and loadSettings must give on msvcrt.dll and on
// wasi-libc exactly what the table (glibc's results) says. Each row is also written into a real Vorthmere.ini
// in the working folder and loaded, integers as auto_center_time and reals as long_fov. Prints one line per
// failure; the exit status is the number of failures, capped.
#include "number_text_cases.h"
#include "settings/number_text.h"
#include "settings/settings.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

using namespace numbercases;

int failures = 0;

std::string shown(const char* text) {
    std::string out;
    for (const char* p = text; *p; ++p) out += *p == '\n' ? std::string("\\n") : std::string(1, *p);
    return '"' + out + '"';
}

void fail(const char* what, const char* text, const std::string& detail) {
    std::printf("FAIL %s %s: %s\n", what, shown(text).c_str(), detail.c_str());
    ++failures;
}

// One key whose value is the text; a newline in it becomes a repeat of the key, which the reader
// joins back with a newline.
void writeSetting(const char* key, const char* text) {
    std::string value = text;
    const std::string repeat = std::string("\n") + key + " = ";
    for (size_t at = value.find('\n'); at != std::string::npos; at = value.find('\n', at + repeat.size()))
        value.replace(at, 1, repeat);
    const std::string file = std::string("[Config]\n") + key + " = " + value + "\n";
    std::FILE* stream = std::fopen(settingsFileName, "wb");
    if (!stream || std::fwrite(file.data(), 1, file.size(), stream) != file.size()) fail("writing", text, "");
    if (stream) std::fclose(stream);
}

std::string hexText(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

bool sameDouble(double got, const RealCase& row) {
    if (row.kind == notANumber) return std::isnan(got) && std::signbit(got) == (row.bits >> 63 == 1);
    return std::bit_cast<uint64_t>(got) == row.bits;
}

bool sameFloat(float got, float expected) {
    if (std::isnan(expected)) return std::isnan(got) && std::signbit(got) == std::signbit(expected);
    return std::bit_cast<uint32_t>(got) == std::bit_cast<uint32_t>(expected);
}

void checkInteger(const IntegerCase& row) {
    const char* end = nullptr;
    const std::optional<int32_t> value = integerFromText(row.text, &end);
    if (value != row.value) fail("integerFromText", row.text, value ? std::to_string(*value) : "none");
    if (static_cast<size_t>(end - row.text) != row.used)
        fail("integerFromText", row.text, "used " + std::to_string(end - row.text));
    writeSetting("auto_center_time", row.text);
    loadSettings();
    if (settings.autoCenterTime != row.value.value_or(0))
        fail("auto_center_time", row.text, std::to_string(settings.autoCenterTime));
}

void checkReal(const RealCase& row) {
    const char* end = nullptr;
    const std::optional<double> value = realFromText(row.text, &end);
    if (value.has_value() != (row.kind != noNumber) || (value && !sameDouble(*value, row)))
        fail("realFromText", row.text, value ? hexText(*value) : "none");
    if (static_cast<size_t>(end - row.text) != row.used)
        fail("realFromText", row.text, "used " + std::to_string(end - row.text));
    writeSetting("long_fov", row.text);
    loadSettings();
    const float expected = row.kind == noNumber ? 35.0f : static_cast<float>(std::bit_cast<double>(row.bits));
    if (!sameFloat(settings.longFov, expected)) fail("long_fov", row.text, hexText(settings.longFov));
}

} // namespace

int main() {
    for (const IntegerCase& row : integerCases) checkInteger(row);
    for (const RealCase& row : realCases) checkReal(row);
    std::remove(settingsFileName);
    std::printf("%zu integer and %zu real rows, %d failures\n", std::size(integerCases), std::size(realCases),
                failures);
    return failures > 100 ? 100 : failures;
}
