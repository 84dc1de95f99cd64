#include "standin_control.h"

#include "standin_host.h"

namespace {
const standin::NativeCall* callAt(uint32_t index) {
    const auto& calls = standin::calls();
    return index < calls.size() ? &calls[index] : nullptr;
}
} // namespace

void standinAnswerInt(uint64_t hash, int32_t value) {
    standin::setResponder(hash, standin::answerInt(value));
}

void standinAnswerCounting(uint64_t hash, int32_t first) {
    standin::setResponder(hash, [next = first](const standin::NativeCall&, uint64_t* result) mutable {
        standin::writeInt(result, next++);
    });
}

void standinAnswerVector(uint64_t hash, float x, float y, float z) {
    standin::setResponder(hash, standin::answerVector(x, y, z));
}

uint32_t standinRegistrationCount() { return static_cast<uint32_t>(standin::registrations().size()); }

int32_t standinRegistrationEvent(uint32_t index) {
    const auto& all = standin::registrations();
    return index < all.size() ? static_cast<int32_t>(all[index].event) : -1;
}

void* standinRegistrationPointer(uint32_t index) {
    const auto& all = standin::registrations();
    return index < all.size() ? all[index].pointer : nullptr;
}

void standinStartScript() { standin::startScript(); }
uint32_t standinRunPass() { return standin::runPass(); }
int32_t standinScriptReturned() { return standin::scriptReturned() ? 1 : 0; }

void standinSendKey(uint32_t virtualKey, int32_t keyUp) {
    standin::sendKeyMessage(virtualKey, keyUp != 0, 0, keyUp != 0 ? 1 : 0);
}

uint32_t standinCallCount() { return static_cast<uint32_t>(standin::calls().size()); }

uint64_t standinCallHash(uint32_t index) {
    const standin::NativeCall* call = callAt(index);
    return call ? call->hash : 0;
}

uint32_t standinCallSlotCount(uint32_t index) {
    const standin::NativeCall* call = callAt(index);
    return call ? call->slotCount : 0;
}

uint64_t standinCallSlot(uint32_t index, uint32_t slot) {
    const standin::NativeCall* call = callAt(index);
    return call && slot < call->slotCount ? call->slots[slot] : 0;
}

uint32_t standinProtocolErrors() { return static_cast<uint32_t>(standin::protocolErrors()); }
