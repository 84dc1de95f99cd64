// Reading the settings file, and a line-by-line account of how inih reads it, for the settings
// report: which lines are sections, keys, continuations, comments or skipped, and which were cut
// at 199 characters. inih itself parses the text (its ini_parse_stream, with a reader that
// watches every line it takes), so the account cannot drift from what INIReader made of it.
#pragma once

#include <string>
#include <vector>

// The settings file as the plug-in reads it.
struct SettingsFile {
    bool opened = false;   // the file could be opened for reading
    bool isFolder = false; // the name is a folder, not a file
    // The text as read in text mode, each line ending at its first NUL byte: inih, given a NUL
    // at the start of an over-long line's tail, reads before its buffer.
    std::string text;
    std::string encoding; // empty for UTF-8 (or ASCII); otherwise what the file looks like
    int encodingLine = 0; // the first line that is not UTF-8, or that held a NUL byte
};

// Reads the file by this relative or absolute name.
SettingsFile readSettingsFile(const char* path);

enum class IniLineKind { blank, comment, section, key, continuation, skipped };

struct IniLine {
    int number = 0;
    std::string text; // as inih read it: at most 199 characters, without the line break
    bool cut = false; // inih dropped text past character 199
    IniLineKind kind = IniLineKind::blank;
    std::string section; // the section the line belongs to ("" before any header); for a header, its name
    std::string name;    // key lines and continuations: the key
};

// Every line of the text, as inih reads it.
std::vector<IniLine> scanIniText(const std::string& text);
