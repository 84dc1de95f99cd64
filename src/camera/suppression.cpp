#include "camera/suppression.h"

#include "host/natives.h"

void suppressControls() {
    const int32_t subject = suppressionSubject(); // fetched anew every pass, never kept
    suppressForSubject(subject, 1);
    suppressionCallA(1);
    suppressionCallB(0);
}
