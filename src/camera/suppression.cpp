#include "camera/suppression.h"

#include "host/natives.h"

void suppressControls() {
    const int32_t subject = suppressionSubject(); // fetched anew every pass, never kept
    suppressForSubject(subject, suppressionFlag);
    suppressionCallA(suppressionValueA);
    suppressionCallB(suppressionValueB);
}
