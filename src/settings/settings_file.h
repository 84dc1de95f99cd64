// Reading the settings file: inih parses it as it streams past (ini_parse_stream, through
// inih's own line buffer), so a file costs no more memory than the values it gives the twelve
// keys. Whoever describes a read can watch every line inih takes, in the same pass.
#pragma once

#include <string>
#include <vector>

// What inih took of each line, in the order it takes them; the report's line scan is one.
struct IniLineWatcher {
    void* context;
    // A line begins: its text as inih holds it, at most 199 characters and the line break if it fits.
    void (*lineBegins)(void* context, const char* text);
    // The line went on past its first 199 characters, and inih dropped the rest.
    void (*lineCut)(void* context);
    // inih passed the line to its handler as a key or a continuation of one.
    void (*lineHandled)(void* context, const char* section, const char* name);
};

// One key's text in [Config], as INIReader would give it: "" when absent; a key given again or
// continued on indented lines has its texts joined by line breaks, an empty first text dropped.
struct KeyText {
    bool present = false; // some line gave the key a value, maybe an empty one
    std::string text;
};

// The settings file as the plug-in read it.
struct SettingsFile {
    bool opened = false;       // the file could be opened for reading
    bool isFolder = false;     // the name is a folder, not a file
    std::string encoding;      // empty for UTF-8 (or ASCII), else "UTF-16", "NUL" or "not UTF-8"
    int encodingLine = 0;      // the first line that is not UTF-8, or that held a NUL byte
    std::vector<KeyText> keys; // one per row of settingRows, in its order
};

// Reads the file by this relative or absolute name in text mode. Each line ends at its first
// NUL byte (inih, given a NUL at the start of an over-long line's tail, reads before its buffer);
// inih sees the rest of the text unchanged. The watcher may be null.
SettingsFile readSettingsFile(const char* path, const IniLineWatcher* watcher);
