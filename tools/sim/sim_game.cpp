#include "sim_game.h"

#include "decimal_text.h"

#include <bit>
#include <cinttypes>
#include <utility>

namespace sim {
namespace {
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
    const catalogue::Native* entry = catalogue::findNative(call.hash);
    if (!entry) return "unknown native " + hexText(call.hash);
    std::string text = std::string(entry->name) + "(";
    const size_t kinds = entry->arguments.size();
    for (uint32_t i = 0; i < call.slotCount; ++i) {
        const char kind = i < kinds ? entry->arguments[i] : 'i';
        text += (i ? ", " : "") + slotText(kind, call.slots[i]);
    }
    return text + ")" + resultText(entry->result, result);
}

namespace {
NativeRow* rowOf(SimGame& game, uint64_t hash) {
    auto found = game.natives.find(hash);
    return found == game.natives.end() ? nullptr : &found->second;
}

void respond(SimGame& game, const standin::NativeCall& call, uint64_t* result) {
    NativeRow* row = rowOf(game, call.hash);
    if (!row) {
        game.callFaults.push_back("call of unknown native " + hexText(call.hash));
        return;
    }
    ++row->calls;
    const size_t expected = row->native->arguments.size();
    if (call.slotCount != expected) {
        game.callFaults.push_back(std::string(row->native->name) + " called with " +
                                  std::to_string(call.slotCount) + " argument slots instead of " +
                                  std::to_string(expected));
        return;
    }
    if (row->override)
        row->override(call, result);
    else
        row->world(game, call, result);
}
} // namespace

// Every name in the handler tables is the catalogue's, checked when compiled.
const NativeTable& worldNativeTable() {
    static const NativeTable table = [] {
        NativeTable built;
        for (auto named : {cameraNatives(), worldNatives()})
            for (const NamedHandler& row : named) {
                const catalogue::Native* native = catalogue::findNative(row.native.text);
                built[native->hash] = NativeRow{native, row.handler, {}, 0};
            }
        return built;
    }();
    return table;
}

void answerNative(SimGame& game, const standin::NativeCall& call, uint64_t* result) {
    ++game.nativeCalls;
    respond(game, call, result);
    if (game.trace)
        std::fprintf(game.trace, "%s %s\n", game.tracePrefix.c_str(), describeCall(call, result).c_str());
}

void overrideNative(SimGame& game, catalogue::NativeName native, NativeOverride answer) {
    rowOf(game, catalogue::findNative(native.text)->hash)->override = std::move(answer);
}

void answerFromWorld(SimGame& game, const standin::NativeCall& call, uint64_t* result) {
    if (NativeRow* row = rowOf(game, call.hash)) row->world(game, call, result);
}

uint64_t callCount(const SimGame& game, catalogue::NativeName native) {
    auto found = game.natives.find(catalogue::findNative(native.text)->hash);
    return found == game.natives.end() ? 0 : found->second.calls;
}

void installGame(SimGame& game) {
    standin::setRecording(false); // the game keeps what it needs; a long session keeps no log
    standin::setFallbackResponder(
        [&game](const standin::NativeCall& call, uint64_t* result) { answerNative(game, call, result); });
}

} // namespace sim
