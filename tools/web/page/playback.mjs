// Playback at real speed: 60 frames of session time a second, times the speed. The frame shown
// is counted from the anchor on the page's clock (performance.now), so a faked clock drives it.
import {pageState, frameCount, seekIndex, setPlaying} from './state.mjs';

export const sessionFramesPerSecond = 60;

export function startPlayback() {
    setPlaying(true, performance.now());
    requestAnimationFrame(playbackStep);
}

export function stopPlayback() {
    if (pageState.playing) setPlaying(false, performance.now());
}

export function togglePlayback() {
    if (pageState.playing) stopPlayback(); else startPlayback();
}

// Moves the cursor to the frame the clock has reached; stops on the last frame. Drawing waits
// for the next animation frame, but a script asking for the cursor gets the clock's frame.
export function advancePlayback() {
    if (!pageState.playing) return;
    const anchor = pageState.anchor;
    const elapsed = (performance.now() - anchor.time) / 1000 * sessionFramesPerSecond * pageState.speed;
    const index = anchor.index + Math.floor(elapsed + 1e-6);
    const last = frameCount() - 1;
    if (index >= last) {
        seekIndex(last);
        stopPlayback();
    } else if (index !== pageState.cursor) {
        seekIndex(index);
    }
}

function playbackStep() {
    advancePlayback();
    if (pageState.playing) requestAnimationFrame(playbackStep);
}
