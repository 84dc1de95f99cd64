#include "sim_game.h"

#include "decimal_text.h"
#include "native_catalogue.h"

#include <bit>
#include <cinttypes>
#include <cstring>

namespace sim {
namespace {
const NativeHandlers& handlers() {
    static const NativeHandlers table = [] {
        NativeHandlers built;
        addCameraNatives(built);
        addWorldNatives(built);
        return built;
    }();
    return table;
}

std::string hexText(uint64_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%" PRIX64, value);
    return text;
}

std::string slotText(char kind, uint64_t slot) {
    char text[64];
    switch (kind) {
    case 'f':
        return generalText(std::bit_cast<float>(static_cast<uint32_t>(slot)));
    case 'u':
        std::snprintf(text, sizeof text, "0x%08" PRIX32, static_cast<uint32_t>(slot));
        break;
    case 's':
        return '"' + std::string(reinterpret_cast<const char*>(slot)) + '"';
    case 'p':
        return "&out";
    default:
        std::snprintf(text, sizeof text, "%" PRId32, static_cast<int32_t>(slot));
        break;
    }
    return text;
}

std::string resultText(char kind, const uint64_t* result) {
    const uint32_t low = static_cast<uint32_t>(result[0]);
    switch (kind) {
    case 'v':
        return "";
    case 'f':
        return " -> " + slotText('f', low);
    case 'V':
        return " -> (" + slotText('f', result[0]) + ", " + slotText('f', result[1]) + ", " +
               slotText('f', result[2]) + ")";
    default:
        return " -> " + slotText('i', low);
    }
}
} // namespace

std::string describeCall(const standin::NativeCall& call, const uint64_t* result) {
    const NativeEntry* entry = findNative(call.hash);
    if (!entry) return "unknown native " + hexText(call.hash);
    std::string text = std::string(entry->name) + "(";
    const size_t kinds = std::strlen(entry->arguments);
    for (uint32_t i = 0; i < call.slotCount; ++i) {
        const char kind = i < kinds ? entry->arguments[i] : 'i';
        text += (i ? ", " : "") + slotText(kind, call.slots[i]);
    }
    return text + ")" + resultText(entry->result, result);
}

namespace {
void respond(SimGame& game, const standin::NativeCall& call, uint64_t* result) {
    const NativeEntry* entry = findNative(call.hash);
    auto found = handlers().find(call.hash);
    if (!entry || found == handlers().end()) {
        game.callFaults.push_back("call of unknown native " + hexText(call.hash));
        return;
    }
    const size_t expected = std::strlen(entry->arguments);
    if (call.slotCount != expected) {
        game.callFaults.push_back(std::string(entry->name) + " called with " +
                                  std::to_string(call.slotCount) + " argument slots instead of " +
                                  std::to_string(expected));
        return;
    }
    found->second(game, call, result);
}
} // namespace

void answerNative(SimGame& game, const standin::NativeCall& call, uint64_t* result) {
    ++game.nativeCalls;
    respond(game, call, result);
    if (game.trace)
        std::fprintf(game.trace, "%s %s\n", game.tracePrefix.c_str(), describeCall(call, result).c_str());
}

void installGame(SimGame& game) {
    standin::setRecording(false); // the game keeps what it needs; a long session keeps no log
    standin::setFallbackResponder(
        [&game](const standin::NativeCall& call, uint64_t* result) { answerNative(game, call, result); });
}

} // namespace sim
