// Fuzzes the settings file: the input bytes are the whole of Vorthmere.ini. The plug-in's own
// reads at start and at a reload (values and report) read it; every field must then hold exactly
// what the key's text converts to, or the key's default when it has no convertible text. The
// expected values are worked out here from the raw text INIReader would give with the C library's
// conversions, so a mistake in the plug-in's streaming read, conversion, saturation, narrowing or
// lookup shows up as a finding. Only a key-code text of which nothing converts takes the
// plug-in's own key-name table.
#include "report/settings_report.h"
#include "settings/key_names.h"
#include "settings/settings.h"
#include "shell/settings_read.h"

#include "expected_ini.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <unistd.h>

namespace {

enum class Kind { keyCode, integer, real };

struct Expectation {
    const char* key;
    Kind kind;
    double fallback;
    // Where the plug-in keeps the value, read back as its 32 bits.
    uint32_t (*stored)();
};

template <auto Field> uint32_t storedBits() { return std::bit_cast<uint32_t>(settings.*Field); }

// The twelve keys with their documented defaults.
const Expectation expectations[] = {
    {"enable_key1", Kind::keyCode, 17, storedBits<&Settings::enableKey1>},
    {"enable_key2", Kind::keyCode, 90, storedBits<&Settings::enableKey2>},
    {"disable_key1", Kind::keyCode, 17, storedBits<&Settings::disableKey1>},
    {"disable_key2", Kind::keyCode, 71, storedBits<&Settings::disableKey2>},
    {"enable_on_default", Kind::integer, 0, storedBits<&Settings::enableOnDefault>},
    {"sensitivity_x", Kind::real, 7.2, storedBits<&Settings::sensitivityX>},
    {"sensitivity_y", Kind::real, 3.6, storedBits<&Settings::sensitivityY>},
    {"disable_in_scope", Kind::integer, 0, storedBits<&Settings::disableInScope>},
    {"auto_center_time", Kind::integer, 0, storedBits<&Settings::autoCenterTime>},
    {"default_fov", Kind::real, 52.282005, storedBits<&Settings::defaultFov>},
    {"short_fov", Kind::real, 45.0, storedBits<&Settings::shortFov>},
    {"long_fov", Kind::real, 35.0, storedBits<&Settings::longFov>},
};

constexpr int32_t enableOnDefaultSentinel = 0x5EA1ED;

locale_t classicLocale() {
    static const locale_t classic = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    return classic;
}

// strtol with base 0, saturated to 32 bits; when no character converts, a key code's name or
// else the default.
uint32_t expectedInteger(const std::string& text, Kind kind, double fallback) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(begin, &end, 0);
    const uint32_t byDefault = static_cast<uint32_t>(static_cast<int32_t>(fallback));
    if (end == begin) return kind == Kind::keyCode ? keyCodeFromName(text).value_or(byDefault) : byDefault;
    if (value > INT32_MAX) value = INT32_MAX;
    if (value < INT32_MIN) value = INT32_MIN;
    return static_cast<uint32_t>(static_cast<int32_t>(value));
}

// strtod in the C locale, narrowed to float by round-to-nearest; the default when nothing converts.
uint32_t expectedReal(const std::string& text, double fallback) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double value = strtod_l(begin, &end, classicLocale());
    return std::bit_cast<uint32_t>(static_cast<float>(end == begin ? fallback : value));
}

constexpr size_t keyCount = sizeof(expectations) / sizeof(expectations[0]);

// Each key's raw text as INIReader gives it: its MakeKey lowers section and name with tolower,
// and a key given again is joined to the text before it by a line break unless that is empty.
// Kept apart from INIReader's map of every key, whose allocations would cost more than the
// plug-in's whole read.
struct RawTexts {
    std::string text[keyCount];
};

bool sameLowered(const char* a, const char* b) {
    const auto lowered = [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    const size_t size = std::strlen(a);
    return size == std::strlen(b) &&
           std::equal(a, a + size, b, [&](char x, char y) { return lowered(x) == lowered(y); });
}

int keepRawText(void* user, const char* section, const char* name, const char* value) {
    if (!sameLowered(section, "config")) return 1;
    for (size_t i = 0; i < keyCount; ++i) {
        if (!sameLowered(name, expectations[i].key)) continue;
        std::string& text = static_cast<RawTexts*>(user)->text[i];
        if (!text.empty()) text += '\n';
        text += value;
    }
    return 1;
}

uint32_t expectedBits(const RawTexts& raw, size_t i) {
    const Expectation& e = expectations[i];
    const std::string& text = raw.text[i];
    return e.kind == Kind::real ? expectedReal(text, e.fallback) : expectedInteger(text, e.kind, e.fallback);
}

bool sameValue(const Expectation& e, uint32_t stored, uint32_t expected) {
    if (stored == expected) return true;
    // NaN payloads are not part of the rules: any NaN stands for a NaN in the text.
    return e.kind == Kind::real && std::isnan(std::bit_cast<float>(stored)) &&
           std::isnan(std::bit_cast<float>(expected));
}

[[noreturn]] void fail(const char* step, const Expectation& e, uint32_t stored, uint32_t expected) {
    std::fprintf(stderr, "settings fuzz: after %s, %s holds 0x%08X, expected 0x%08X\n", step, e.key, stored,
                 expected);
    std::abort();
}

struct ExpectedFields {
    uint32_t bits[keyCount];
};

ExpectedFields expectedFields(const RawTexts& raw) {
    ExpectedFields expected;
    for (size_t i = 0; i < keyCount; ++i) expected.bits[i] = expectedBits(raw, i);
    return expected;
}

void checkFields(const char* step, const ExpectedFields& fields, bool reloaded) {
    for (size_t i = 0; i < keyCount; ++i) {
        const Expectation& e = expectations[i];
        const bool keptAcrossReload = reloaded && std::strcmp(e.key, "enable_on_default") == 0;
        const uint32_t expected =
            keptAcrossReload ? static_cast<uint32_t>(enableOnDefaultSentinel) : fields.bits[i];
        const uint32_t stored = e.stored();
        if (!sameValue(e, stored, expected)) fail(step, e, stored, expected);
    }
}

// The text the plug-in hands to inih: each line ends at its first NUL byte, since inih reads
// before its buffer when an over-long line's tail starts with one.
std::string textWithoutNul(const uint8_t* data, size_t size) {
    const char* at = reinterpret_cast<const char*>(data);
    const char* const end = at + size;
    std::string text;
    text.reserve(size);
    while (at < end) {
        const char* lineEnd = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
        lineEnd = lineEnd ? lineEnd + 1 : end;
        const char* nul = static_cast<const char*>(std::memchr(at, '\0', static_cast<size_t>(lineEnd - at)));
        text.append(at, nul ? nul : lineEnd);
        if (nul && lineEnd[-1] == '\n') text += '\n';
        at = lineEnd;
    }
    return text;
}

bool writeSettingsFile(const uint8_t* data, size_t size) {
    FILE* file = std::fopen(settingsFileName, "wb");
    if (!file) return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

} // namespace

// The plug-in opens the file by its relative name, so each run works in a folder of its own:
// in memory where there is a tmpfs, since rewriting a file on a disk mounted with discard
// costs milliseconds an input.
namespace {
char workFolder[64];

void removeWorkFolder() {
    std::remove(settingsFileName);
    rmdir(workFolder);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::strcpy(workFolder, "/dev/shm/vorthmere-settings-fuzz-XXXXXX");
    if (!mkdtemp(workFolder)) {
        std::strcpy(workFolder, "/tmp/vorthmere-settings-fuzz-XXXXXX");
        if (!mkdtemp(workFolder)) workFolder[0] = 0;
    }
    if (!workFolder[0] || chdir(workFolder) != 0) {
        std::perror("settings fuzz: cannot make a working folder");
        std::abort();
    }
    std::atexit(removeWorkFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!writeSettingsFile(data, size)) {
        std::perror("settings fuzz: cannot write Vorthmere.ini");
        std::abort();
    }
    const std::string text = textWithoutNul(data, size);
    RawTexts raw;
    expected_ini_parse_string_length(text.data(), text.size(), keepRawText, &raw);
    const ExpectedFields expected = expectedFields(raw);

    // Garbage first, so that a field the load forgets to write shows up.
    std::memset(&settings, 0xA5, sizeof(settings));
    // The report is made of one of the two reads, chosen by the input's length: describing the
    // file costs far more than reading it, and both kinds of report are covered.
    const bool reportAtStart = size % 2 == 0;
    if (reportAtStart)
        readSettingsAndReport(false);
    else
        loadSettings();
    checkFields("the read at start", expected, false);

    settings.enableOnDefault = enableOnDefaultSentinel;
    if (reportAtStart)
        reloadSettings();
    else
        readSettingsAndReport(true);
    checkFields("the reload", expected, true);
    if (describeSettings(settingsReport).empty()) std::abort();
    // Nothing of this input outlives it: libFuzzer takes an input that leaves more blocks than it
    // found for a possible leak and runs the leak checker on it.
    settingsReport = SettingsReport{};
    return 0;
}
