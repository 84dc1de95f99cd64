#include "settings/settings_file.h"

#include "settings/setting_rows.h"
#include "settings/text_match.h"

#include <ini.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {
// Whether one line's bytes are well-formed UTF-8 (no overlong forms, no surrogates, at most
// U+10FFFF), checked a byte at a time.
struct Utf8Check {
    bool invalid = false;
    uint32_t code = 0;
    size_t extra = 0;     // continuation bytes of the sequence being read
    size_t remaining = 0; // of those, not yet seen
};

// The bytes after a UTF-8 lead byte; 4 for a byte that cannot lead.
size_t continuationBytes(unsigned char lead) {
    if (lead < 0x80) return 0;
    if (lead >> 5 == 0x6) return 1;
    if (lead >> 4 == 0xE) return 2;
    return lead >> 3 == 0x1E ? 3 : 4;
}

bool validCode(uint32_t code, size_t extra) {
    static constexpr uint32_t least[] = {0, 0x80, 0x800, 0x10000};
    return code >= least[extra] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

void checkByte(Utf8Check& check, unsigned char byte) {
    if (check.invalid) return;
    if (check.remaining == 0) {
        check.extra = check.remaining = continuationBytes(byte);
        check.invalid = check.extra == 4;
        check.code = byte & (0x3Fu >> check.extra);
        return;
    }
    check.invalid = (byte & 0xC0) != 0x80;
    check.code = check.code << 6 | (byte & 0x3Fu);
    if (--check.remaining == 0) check.invalid = !validCode(check.code, check.extra);
}

// The file as inih takes it, read through a buffer of our own; one line's state at a time.
struct FileStream {
    std::FILE* stream = nullptr;
    char buffer[4096];
    size_t next = 0, end = 0;
    bool atEnd = false;
    int lineNumber = 1;
    size_t lineBytes = 0; // bytes of the current line read so far, NUL and what follows it included
    bool lineHasNul = false;
    Utf8Check utf8;
    bool lineStarted = false; // inih has begun a line
    SettingsFile* file = nullptr;
    const IniLineWatcher* watcher = nullptr;
};

// The first line that held a NUL byte, or else the first that is not UTF-8, is noted.
void endLine(FileStream& s) {
    SettingsFile& file = *s.file;
    const bool invalid = s.utf8.invalid || s.utf8.remaining > 0;
    if (file.encoding.empty() && (s.lineHasNul || invalid)) {
        file.encoding = s.lineHasNul ? "NUL" : "not UTF-8";
        file.encodingLine = s.lineNumber;
    }
    ++s.lineNumber;
    s.lineBytes = 0;
    s.lineHasNul = false;
    s.utf8 = Utf8Check{};
}

// The next byte of the file, or EOF; the last line is ended when the file is.
int nextByte(FileStream& s) {
    if (s.next == s.end && !s.atEnd) {
        s.next = 0;
        s.end = std::fread(s.buffer, 1, sizeof s.buffer, s.stream);
        s.atEnd = s.end == 0;
        if (s.atEnd && s.lineBytes > 0) endLine(s);
    }
    if (s.atEnd) return EOF;
    return static_cast<unsigned char>(s.buffer[s.next++]);
}

// Whether inih is given the byte: not a NUL, nor anything after one on its line.
bool keepByte(FileStream& s, int byte) {
    ++s.lineBytes;
    if (byte == '\n') {
        endLine(s);
        return true;
    }
    if (byte == 0) s.lineHasNul = true;
    if (s.lineHasNul) return false;
    checkByte(s.utf8, static_cast<unsigned char>(byte));
    return true;
}

// A line begins when inih asks for a whole line's buffer; smaller asks take an over-long line's
// tail, which counts as dropped text if more than the line break is in it.
void watchPiece(FileStream& s, const char* piece, int size) {
    const IniLineWatcher* w = s.watcher;
    if (!w) return;
    if (size == INI_MAX_LINE || !s.lineStarted) {
        s.lineStarted = true;
        w->lineBegins(w->context, piece);
    } else if (std::strspn(piece, "\r\n") != std::strlen(piece)) {
        w->lineCut(w->context);
    }
}

// Plain ASCII (1 to 127) in the middle of a line that holds no NUL needs no check: copied
// straight from the buffer up to the line break, as long as it fits the piece.
size_t copyPlainBytes(FileStream& s, char* piece, size_t length, size_t room) {
    if (s.lineHasNul || s.utf8.remaining > 0) return length;
    const char* from = s.buffer + s.next;
    size_t most = std::min(room - length, s.end - s.next);
    if (const void* lineBreak = std::memchr(from, '\n', most))
        most = static_cast<const char*>(lineBreak) - from;
    size_t plain = 0;
    while (plain < most && static_cast<unsigned char>(from[plain] - 1) < 0x7F) ++plain;
    std::memcpy(piece + length, from, plain);
    s.next += plain;
    s.lineBytes += plain;
    return length + plain;
}

// fgets over the file as inih should see it: up to the line break or size - 1 characters.
char* readPiece(char* piece, int size, void* stream) {
    auto& s = *static_cast<FileStream*>(stream);
    const size_t room = static_cast<size_t>(size > 0 ? size - 1 : 0);
    size_t length = 0;
    while (length < room) {
        length = copyPlainBytes(s, piece, length, room);
        if (length == room) break;
        const int byte = nextByte(s);
        if (byte == EOF) break;
        if (!keepByte(s, byte)) continue;
        piece[length++] = static_cast<char>(byte);
        if (byte == '\n') break;
    }
    if (length == 0) return nullptr;
    piece[length] = '\0';
    watchPiece(s, piece, size);
    return piece;
}

// What INIReader's own handler does for the twelve keys in [Config], case ignored in both names.
int storeValue(void* user, const char* section, const char* name, const char* value) {
    auto& s = *static_cast<FileStream*>(user);
    const bool inConfig = sameName(section, settingsSection);
    const std::string_view key = name;
    for (size_t i = 0; inConfig && i < settingRowCount; ++i) {
        if (!sameName(key, settingRows[i].key)) continue;
        KeyText& key = s.file->keys[i];
        if (!key.text.empty()) key.text += '\n';
        key.text += value;
        key.present = true;
        break;
    }
    if (s.watcher) s.watcher->lineHandled(s.watcher->context, section, name);
    return 1;
}

bool isFolder(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && (info.st_mode & S_IFMT) == S_IFDIR;
}

// Notepad's "Unicode" is UTF-16: a byte-order mark, or NUL bytes between the characters.
void noteUtf16(FileStream& s) {
    while (s.end < 2) {
        const size_t got = std::fread(s.buffer + s.end, 1, sizeof s.buffer - s.end, s.stream);
        if (got == 0) break;
        s.end += got;
    }
    const auto* b = reinterpret_cast<const unsigned char*>(s.buffer);
    const bool mark = s.end >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF));
    if (mark || (s.end >= 2 && (b[0] == 0 || b[1] == 0))) s.file->encoding = "UTF-16";
}
} // namespace

SettingsFile readSettingsFile(const char* path, const IniLineWatcher* watcher) {
    SettingsFile file;
    file.keys.resize(settingRowCount);
    file.isFolder = isFolder(path);
    FileStream s;
    s.stream = file.isFolder ? nullptr : std::fopen(path, "r");
    if (!s.stream) return file;
    file.opened = true;
    s.file = &file;
    s.watcher = watcher;
    noteUtf16(s);
    ini_parse_stream(readPiece, &s, storeValue, &s);
    std::fclose(s.stream);
    return file;
}
