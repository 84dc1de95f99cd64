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

// One step per animation frame while playing; stops on the last frame.
function playbackStep() {
    if (!pageState.playing) return;
    const anchor = pageState.anchor, now = performance.now();
    const elapsed = (now - anchor.time) / 1000 * sessionFramesPerSecond * pageState.speed;
    const index = anchor.index + Math.floor(elapsed + 1e-6);
    const last = frameCount() - 1;
    if (index >= last) {
        seekIndex(last);
        stopPlayback();
        return;
    }
    if (index !== pageState.cursor) seekIndex(index);
    requestAnimationFrame(playbackStep);
}
