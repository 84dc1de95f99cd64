// The page's one state. Views and the readout only read it; each field is written by the one
// function named beside it, and every write asks for a redraw.
export const pageState = {
    module: null,       // the loaded WebAssembly module: startPage, once
    play: null,         // the last good Play (ok is true): showPlay; never replaced by a refused one
    refused: null,      // the errors of the last play that was refused, or null: showPlay
    cursor: 0,          // index into play.frames of the frame shown: seekIndex; showPlay keeps its
                        // frame number in a new play, setPlaying starts again from 0 at the end
    playing: false,     // playback running: setPlaying
    speed: 1,           // playback speed, 0.25 to 4: setSpeed
    anchor: null,       // {time, index} playback counts from: setPlaying, setSpeed, showPlay
    live: null,         // the drive in progress (live.mjs's record of it), or null: showLive
    recording: null,    // the session text of the last drive stopped: stopLive
    iniOwn: false,      // the settings editor holds a file of its own, not the session's [settings]:
                        // editors.mjs, when a text is typed, dropped, picked or played
};

let redrawWanted = null;

// Registers what draws the page; the state calls it after every write.
export function onStateChange(redraw) { redrawWanted = redraw; }

function stateChanged() { if (redrawWanted) redrawWanted(); }

export function frameCount() { return pageState.play ? pageState.play.frames.length : 0; }

// The index of frame number n in the play, clamped to the play.
export function indexOfFrame(n) {
    const count = frameCount();
    if (count === 0) return 0;
    const index = Math.round(Number(n)) - pageState.play.frames[0].frame;
    return Number.isFinite(index) ? Math.min(Math.max(index, 0), count - 1) : 0;
}

export function seekIndex(index) {
    const count = frameCount();
    pageState.cursor = Math.min(Math.max(Math.round(index), 0), Math.max(count - 1, 0));
    stateChanged();
}

export function cursorFrame() { return pageState.play ? pageState.play.frames[pageState.cursor] : null; }

// Playback counts frames from the anchor, so the frame shown depends only on the clock's time.
export function setPlaying(playing, now) {
    if (playing && pageState.cursor >= frameCount() - 1) pageState.cursor = 0;
    pageState.playing = playing && frameCount() > 0;
    pageState.anchor = pageState.playing ? {time: now, index: pageState.cursor} : null;
    stateChanged();
}

export const speedLimits = [0.25, 4];

export function setSpeed(speed, now) {
    const clamped = Math.min(Math.max(Number(speed) || 1, speedLimits[0]), speedLimits[1]);
    pageState.speed = clamped;
    if (pageState.playing) pageState.anchor = {time: now, index: pageState.cursor};
    stateChanged();
}

// A play replaces the shown one only when it could be used; the cursor keeps its frame number.
export function showPlay(play) {
    if (!play.ok) {
        pageState.refused = play.errors;
        stateChanged();
        return;
    }
    const frame = cursorFrame();
    pageState.play = play;
    pageState.refused = null;
    pageState.cursor = frame ? indexOfFrame(frame.frame) : 0;
    if (pageState.playing) pageState.anchor.index = pageState.cursor;
    stateChanged();
}

// A live frame: the drive's view replaces the play, and the cursor is on its newest frame. Called
// with null when the drive ends.
export function showLive(live, view) {
    pageState.live = live;
    if (!view) return;
    pageState.play = view;
    pageState.refused = null;
    pageState.cursor = view.frames.length - 1;
    stateChanged();
}
