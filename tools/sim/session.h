// A session: the settings file to play it with, where the scene starts, and what the player
// does when. Sessions are written in TOML (see the README); the default one is built in.
#pragma once

#include "sim_world.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sim {

enum class Carried { none, a, b, both };

// One key message as the host delivers it to the keyboard handler.
struct KeyMessage {
    uint32_t key = 0;
    uint16_t repeats = 1;
    bool alt = false;
    bool wasDown = false; // the key was down before this message
    bool up = false;      // the key is released
};

struct SessionEvent {
    int frame = 0; // the frame at whose start it happens
    int line = 0;  // where it was written
    std::string note;
    std::vector<uint32_t> keysDown;
    std::vector<uint32_t> keysUp;
    std::vector<KeyMessage> keyMessages;      // delivered in this order, exactly once each
    std::optional<std::array<float, 2>> look; // horizontal, vertical axis
    std::optional<bool> lookBehind;
    std::optional<bool> target;
    std::optional<bool> aim;
    std::optional<bool> scope;
    bool distancePress = false;
    std::optional<WeaponClass> weapon;
    std::optional<Carried> carried;
    std::optional<float> walk;
    std::optional<float> turn;
    std::optional<float> slope;
    std::optional<bool> slopeExcluded;
    std::optional<std::string> settingsFile; // the Vorthmere.ini written into the working folder
};

struct Session {
    std::string name;
    int frames = 0;                                            // length of the session
    std::vector<std::pair<std::string, std::string>> settings; // Vorthmere.ini keys and values
    bool hasSettings = false;                                  // a [settings] table was given
    Vector3 characterStart{};
    float characterHeading = 0.0f;
    Vector3 targetPosition{6.0f, 20.0f, 0.5f};
    std::vector<SessionEvent> events; // in frame order; events of one frame in file order
};

// Keys a session holds down: key code -> tick of its last key-down message.
using HeldKeys = std::map<uint32_t, uint32_t>;

// What an event acts on when it happens: the simulated world and the keyboard; what it could
// not do goes to faults, when given.
struct EventStage {
    World& world;
    HeldKeys& heldKeys;
    std::vector<std::string>* faults = nullptr;
};

struct SessionParse {
    std::optional<Session> session;
    std::vector<std::string> errors; // "source:line: message"
};

SessionParse parseSession(std::string_view text, const std::string& sourceName);
// The session played when no file is given: every feature once, in about 20 seconds.
std::string_view embeddedSessionText();

// Key names the session format accepts ("Ctrl", "G", "5", "F5"); empty when unknown.
std::optional<uint32_t> keyCodeFromName(std::string_view name);
// A short description of what an event does, for tables and plots.
std::string describeEvent(const SessionEvent& event);
// Plays an event at the start of its frame: the world changes and key messages it names.
void applyEvent(const SessionEvent& event, EventStage& stage);
// The settings as the text of a Vorthmere.ini.
std::string settingsFileText(const Session& session);

} // namespace sim
