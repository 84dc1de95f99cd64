#include "settings/ini_scan.h"

#include <ini.h>

#include <sys/stat.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {
struct ScanReading {
    const std::string* text;
    size_t next = 0; // the first character not yet read
    std::vector<IniLine>* lines;
    std::vector<bool> handled; // per line: inih passed a key or continuation to the handler
};

// fgets over the text: up to the line break or size - 1 characters.
char* nextPiece(ScanReading& reading, char* buffer, int size) {
    const std::string& text = *reading.text;
    if (reading.next >= text.size() || size < 2) return nullptr;
    size_t length = 0;
    while (length + 1 < static_cast<size_t>(size) && reading.next < text.size()) {
        const char c = text[reading.next++];
        buffer[length++] = c;
        if (c == '\n') break;
    }
    buffer[length] = '\0';
    return buffer;
}

// inih reads each line into a buffer of INI_MAX_LINE bytes and discards the rest of an
// over-long line through a small one; only the first kind starts a line.
char* readLine(char* buffer, int size, void* stream) {
    auto* reading = static_cast<ScanReading*>(stream);
    char* got = nextPiece(*reading, buffer, size);
    if (!got) return nullptr;
    std::vector<IniLine>& lines = *reading->lines;
    if (size == INI_MAX_LINE || lines.empty()) {
        IniLine line;
        line.number = static_cast<int>(lines.size()) + 1;
        line.text.assign(buffer, std::strcspn(buffer, "\n"));
        lines.push_back(line);
        reading->handled.push_back(false);
    } else if (std::strspn(buffer, "\r\n") != std::strlen(buffer)) {
        lines.back().cut = true; // a discarded tail with more than the line break in it
    }
    return got;
}

int noteHandled(void* user, const char* section, const char* name, const char*) {
    auto* reading = static_cast<ScanReading*>(user);
    IniLine& line = reading->lines->back();
    reading->handled.back() = true;
    line.section = section;
    line.name = name;
    return 1;
}

bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// inih's view of a line: past a UTF-8 byte-order mark on line 1, without white space at either end.
std::string trimmedText(const IniLine& line) {
    size_t from = line.number == 1 && line.text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    size_t to = line.text.size();
    while (from < to && isSpace(line.text[from])) ++from;
    while (to > from && isSpace(line.text[to - 1])) --to;
    return line.text.substr(from, to - from);
}

// The name of a "[section]" line as inih takes it, or false when inih rejects the header: the
// closing bracket must come before any inline comment (a ";" after white space).
bool sectionName(const std::string& trimmed, std::string& name) {
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
    const std::string trimmed = trimmedText(line);
    if (trimmed.empty()) return IniLineKind::blank;
    if (trimmed[0] == ';' || trimmed[0] == '#') return IniLineKind::comment;
    if (afterKey && isSpace(line.text[0])) return IniLineKind::continuation;
    if (trimmed[0] == '[')
        return sectionName(trimmed, line.section) ? IniLineKind::section : IniLineKind::skipped;
    return handled ? IniLineKind::key : IniLineKind::skipped;
}

// An indented line after a key continues that key's value until the next section header.
void classifyLines(std::vector<IniLine>& lines, const std::vector<bool>& handled) {
    std::string section;
    bool afterKey = false;
    for (IniLine& line : lines) {
        line.section = section;
        line.kind = lineKind(line, afterKey, handled[static_cast<size_t>(line.number - 1)]);
        if (line.kind == IniLineKind::section) section = line.section, afterKey = false;
        if (line.kind == IniLineKind::key) afterKey = true;
    }
}

// The bytes after a UTF-8 lead byte; 4 for a byte that cannot lead.
size_t continuationBytes(unsigned char lead) {
    if (lead < 0x80) return 0;
    if (lead >> 5 == 0x6) return 1;
    if (lead >> 4 == 0xE) return 2;
    return lead >> 3 == 0x1E ? 3 : 4;
}

// The code point of one sequence whose continuation bytes are all there; -1 when malformed.
int64_t codePoint(const unsigned char* s, size_t extra) {
    uint32_t code = extra == 0 ? s[0] : s[0] & (0x3Fu >> extra);
    for (size_t j = 1; j <= extra; ++j) {
        if ((s[j] & 0xC0) != 0x80) return -1;
        code = code << 6 | (s[j] & 0x3Fu);
    }
    return code;
}

// Whether the bytes form well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool validUtf8(const std::string& text) {
    static constexpr int64_t least[] = {0, 0x80, 0x800, 0x10000};
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    for (size_t k = 0; k < text.size();) {
        const size_t extra = continuationBytes(s[k]);
        if (extra == 4 || text.size() - k <= extra) return false;
        const int64_t code = codePoint(s + k, extra);
        if (code < least[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        k += extra + 1;
    }
    return true;
}
} // namespace

std::vector<IniLine> scanIniText(const std::string& text) {
    std::vector<IniLine> lines;
    ScanReading reading{&text, 0, &lines, {}};
    ini_parse_stream(readLine, &reading, noteHandled, &reading);
    classifyLines(lines, reading.handled);
    return lines;
}

namespace {
bool isFolder(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && (info.st_mode & S_IFMT) == S_IFDIR;
}

// Notepad's "Unicode" is UTF-16: a byte-order mark, or NUL bytes between the characters.
bool looksLikeUtf16(const std::string& bytes) {
    if (bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0) return true;
    return bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0');
}

// Ends each line at its first NUL byte; notes the first line that had one, or that is not UTF-8.
void cleanLines(SettingsFile& file, const std::string& bytes) {
    int number = 1;
    for (size_t from = 0; from < bytes.size(); ++number) {
        const size_t end = std::min(bytes.find('\n', from), bytes.size());
        const std::string line = bytes.substr(from, end - from);
        const std::string kept = line.substr(0, line.find('\0'));
        file.text += kept + (end < bytes.size() ? "\n" : "");
        if (file.encoding.empty() && kept.size() < line.size())
            file.encoding = "NUL", file.encodingLine = number;
        if (file.encoding.empty() && !validUtf8(kept))
            file.encoding = "not UTF-8", file.encodingLine = number;
        from = end + 1;
    }
}
} // namespace

SettingsFile readSettingsFile(const char* path) {
    SettingsFile file;
    file.isFolder = isFolder(path);
    std::FILE* stream = file.isFolder ? nullptr : std::fopen(path, "r");
    if (!stream) return file;
    file.opened = true;
    std::string bytes;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, stream)) > 0;) bytes.append(buffer, got);
    std::fclose(stream);
    if (looksLikeUtf16(bytes)) file.encoding = "UTF-16";
    cleanLines(file, bytes);
    return file;
}
