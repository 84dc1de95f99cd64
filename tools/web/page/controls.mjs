// The controls: play/pause and speed, the keys, the scrubber (the range under the timeline and
// the timeline itself) and the address's #frame=N.
import {pageState, frameCount, indexOfFrame, seekIndex, setSpeed} from './state.mjs';
import {togglePlayback, stopPlayback} from './playback.mjs';
import {timelineIndexAt} from './timeline_view.mjs';

// The event frames' indices in order, for [ and ].
function eventIndices() {
    const first = pageState.play.frames[0].frame;
    return [...new Set(pageState.play.events.map((e) => e.frame - first))].sort((a, b) => a - b);
}

export function nextEventIndex(direction) {
    const marks = eventIndices(), at = pageState.cursor;
    if (direction > 0) return marks.find((i) => i > at) ?? at;
    return marks.filter((i) => i < at).pop() ?? at;
}

// Where each key moves the cursor from index `at`; null for a key that is not ours.
function keyTarget(event, at) {
    const step = event.shiftKey ? 10 : 1;
    switch (event.key) {
    case 'ArrowLeft': return at - step;
    case 'ArrowRight': return at + step;
    case 'Home': return 0;
    case 'End': return frameCount() - 1;
    case '[': return nextEventIndex(-1);
    case ']': return nextEventIndex(1);
    default: return null;
    }
}

// Keys typed into the editors stay there; the scrubber's own arrow handling is replaced by ours.
function pressKey(event) {
    const into = event.target;
    if (into.tagName === 'TEXTAREA' || into.tagName === 'SELECT') return;
    if (into.tagName === 'INPUT' && into.id !== 'scrubber') return;
    if (event.key === ' ' && into.tagName !== 'BUTTON') {
        event.preventDefault();
        togglePlayback();
        return;
    }
    const target = keyTarget(event, pageState.cursor);
    if (target === null || !pageState.play) return;
    event.preventDefault();
    stopPlayback();
    seekIndex(target);
}

// Any scrubbing pauses playback first.
function scrubTo(index) {
    stopPlayback();
    seekIndex(index);
}

function bindTimelineScrub(canvas) {
    const indexAt = (event) => timelineIndexAt(event.offsetX, frameCount(), canvas.clientWidth);
    canvas.addEventListener('pointerdown', (event) => {
        canvas.setPointerCapture(event.pointerId);
        scrubTo(indexAt(event));
    });
    canvas.addEventListener('pointermove', (event) => {
        if (canvas.hasPointerCapture(event.pointerId)) scrubTo(indexAt(event));
    });
}

// The frame number that #frame=N names, or null.
export function addressFrame() {
    const match = /^#frame=(-?\d+)$/.exec(location.hash);
    return match ? Number(match[1]) : null;
}

let addressWritten = {frame: null, time: -Infinity};
let addressPending = false;

// The address follows the cursor, written once per task however many seeks it made (a history
// write costs a millisecond or more); while playing, at most twice a second, as browsers
// throttle history writes and warn.
export function followAddress() {
    if (addressPending || !pageState.play || pageState.live) return;
    addressPending = true;
    queueMicrotask(writeAddress);
}

function writeAddress() {
    addressPending = false;
    const frame = pageState.play.frames[pageState.cursor].frame, now = performance.now();
    if (frame === addressWritten.frame) return;
    if (pageState.playing && now - addressWritten.time < 500) return;
    history.replaceState(null, '', `#frame=${frame}`);
    addressWritten = {frame, time: now};
}

export function bindControls() {
    document.addEventListener('keydown', pressKey);
    document.getElementById('play-button').addEventListener('click', togglePlayback);
    const speed = document.getElementById('speed');
    speed.addEventListener('change', () => setSpeed(Number(speed.value), performance.now()));
    const scrubber = document.getElementById('scrubber');
    scrubber.addEventListener('input', () => scrubTo(Number(scrubber.value)));
    bindTimelineScrub(document.getElementById('timeline-view'));
    window.addEventListener('hashchange', () => {
        const frame = addressFrame();
        if (frame !== null) scrubTo(indexOfFrame(frame));
    });
}
