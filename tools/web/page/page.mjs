// The page's entry: loads the module, plays the first session, draws every view after each
// change of the page state, and offers window.vorthmere to scripts and tests.
import {loadModule, embeddedModuleBytes} from '../player.mjs';
import {pageState, onStateChange, cursorFrame, indexOfFrame, seekIndex, showPlay} from './state.mjs';
import {stopPlayback, advancePlayback} from './playback.mjs';
import {drawMap} from './map_view.mjs';
import {drawEye} from './eye_view.mjs';
import {drawSide} from './side_view.mjs';
import {drawTimeline} from './timeline_view.mjs';
import {showReadout} from './readout.mjs';
import {bindControls, addressFrame, followAddress} from './controls.mjs';
import {bindEditors, replayTexts} from './editors.mjs';
import {bindLiveControls, toggleLive, showDriveState} from './live_controls.mjs';
import {stopLive, liveRecording} from './live.mjs';
import {driveLog} from '../player.mjs';

const viewCanvases = {
    'map-view': drawMap, 'eye-view': drawEye, 'side-view': drawSide, 'timeline-view': drawTimeline,
};
const viewContexts = {};

// Every view from scratch, at once: a script that seeks reads the new frame when seek returns.
export function drawPage() {
    const frameState = cursorFrame();
    if (!frameState) return;
    for (const [id, draw] of Object.entries(viewCanvases))
        draw(viewContexts[id], frameState, pageState.play, pageState.cursor);
    showReadout();
    followAddress();
}

// Each canvas gets its box's size in device pixels, drawn in CSS pixels.
function fitCanvases() {
    const ratio = window.devicePixelRatio || 1;
    for (const id of Object.keys(viewCanvases)) {
        const canvas = document.getElementById(id);
        canvas.width = Math.max(1, Math.round(canvas.clientWidth * ratio));
        canvas.height = Math.max(1, Math.round(canvas.clientHeight * ratio));
        viewContexts[id] = canvas.getContext('2d');
        viewContexts[id].setTransform(ratio, 0, 0, ratio, 0, 0);
    }
}

// The texts the page was written with (vorthmere-sim.mjs --html): {session, ini}, each
// undefined when absent, so the built-in session and its [settings] play.
function preloadedTexts() {
    const element = document.getElementById('vorthmere-preload');
    const given = element ? JSON.parse(element.textContent || '{}') : {};
    return {session: given.session ?? undefined, ini: given.ini ?? undefined};
}

async function startPage() {
    // The marks split the time to the first frame for tests/web/page-timing.mjs.
    const bytes = await embeddedModuleBytes(document);
    performance.mark('vorthmere:unpacked');
    pageState.module = await loadModule(bytes);
    performance.mark('vorthmere:compiled');
    fitCanvases();
    bindControls();
    bindEditors();
    bindLiveControls();
    onStateChange(drawPage);
    const frame = addressFrame(); // before the first draw writes the address
    const preload = preloadedTexts();
    const first = replayTexts(preload.session, preload.ini);
    if (!first.ok) {
        replayTexts(undefined, undefined);
        showPlay(first);
    }
    performance.mark('vorthmere:played');
    seekIndex(frame === null ? 0 : indexOfFrame(frame));
    performance.mark('vorthmere:drawn');
    window.addEventListener('resize', () => { fitCanvases(); drawPage(); });
    if (location.hash === '#live') toggleLive();
}

// Plays the texts (null or absent: the built-in session, the session's [settings]); resolves to
// the summary line, or rejects with the simulator's messages (and the shown play stays) when the
// session could not be used.
async function playForScript({session, ini} = {}) {
    await window.vorthmere.ready;
    if (pageState.live) window.vorthmere.stop(); // a play replaces the drive, kept as a play first
    const play = replayTexts(session ?? undefined, ini ?? undefined);
    if (!play.ok) throw new Error(play.errors.join('\n'));
    return play.summary;
}

// A page that cannot start (a browser without WebAssembly or DecompressionStream) says why.
function startFailed(error) {
    const errors = document.getElementById('errors');
    errors.textContent = `The page could not start: ${error.message}`;
    errors.hidden = false;
    throw error;
}

// While a drive runs, frames, rows and the log are the whole drive's so far, not the view's.
const shownPlay = () => (pageState.live ? pageState.live.drive : pageState.play);

window.vorthmere = {
    ready: startPage().catch(startFailed),
    play: playForScript,
    frames: () => shownPlay().frames.slice(),
    row: (n) => shownPlay().rows[Number(n) - (shownPlay().frames[0]?.frame ?? 0)],
    seek: (n) => {
        stopPlayback();
        seekIndex(indexOfFrame(n));
        return pageState.play.frames[pageState.cursor].frame;
    },
    cursor: () => {
        advancePlayback();
        return pageState.play.frames[pageState.cursor].frame;
    },
    report: () => pageState.play.report,
    log: () => (pageState.live ? driveLog(pageState.live.drive) : pageState.play.log),
    // Live mode: live() starts a drive with what the editors hold and resolves to whether it
    // started; stop() ends it and returns its session text, as recording() does from then on.
    live: async () => {
        await window.vorthmere.ready;
        if (!pageState.live) toggleLive();
        return Boolean(pageState.live);
    },
    stop: () => {
        const text = stopLive();
        showDriveState();
        return text;
    },
    recording: () => liveRecording(),
    // Each live frame's time from reading the inputs to the views drawn, in ms (for the timed script).
    liveTimings: () => (pageState.live ?? {timings: []}).timings.slice(),
};
