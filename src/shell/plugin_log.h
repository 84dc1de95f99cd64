// Vorthmere.log, beside Vorthmere.ini in the game's working folder: what the plug-in read and
// did, for players and for whoever helps them. Written only in the script context, at the
// script's start, at a reload and at each switch of the camera; never in DllMain, never from
// the keyboard thread, never in a frame. A log that cannot be written is skipped without a word
// and never blocks or alters the camera.
#pragma once

#include <cstdint>
#include <string>

constexpr const char* logFileName = "Vorthmere.log";
// The log stops growing here, with a last line saying so.
constexpr long logCapBytes = 64 * 1024;

// At each start of the script entry, after the settings are loaded: the version line, the date
// and time and the report of the settings. The first start in the process empties the log; later
// starts (the host restarting its scripts) append to it.
void startLog();
// After a reload: the values that changed since the last report logged, and new warnings.
void logSettingsReload();
// One line with the time of day, e.g. "camera on: the enable combination Ctrl+Z".
void logEvent(const std::string& text);
