// Live mode: the plug-in driven by a person, one simulated frame per display frame on the
// simulator's own clock. Each frame's inputs become that frame's session event, played by the
// module and kept, so the drive written out as a session replays to the same rows.
import {pageState, showLive, showPlay} from './state.mjs';
import {stopPlayback} from './playback.mjs';
import {startDrive, driveFrame, driveReport, driveLog, finishDrive} from '../player.mjs';
import {freshInput, keyDown, keyUp, gameInputs, readPad, frameEvents} from './live_input.mjs';
import {drawPad} from './pad_view.mjs';

const shownFrames = 600; // the views show the last ten seconds of a drive
const longestFrames = 600 * 60;

// Starts a drive with the scene and settings of what the editors hold; false when they cannot
// be used (the errors shown, the last play kept).
export function startLive() {
    if (pageState.live) return true;
    stopPlayback();
    const session = document.getElementById('session-text').value;
    const ini = document.getElementById('ini-text').value;
    const own = pageState.iniOwn && ini !== '';
    const drive = startDrive(pageState.module, {session, ini: own ? ini : undefined});
    if (!drive.ok) {
        showPlay({ok: false, errors: drive.errors.length ? drive.errors : ['the plug-in did not start']});
        return false;
    }
    // The settings the drive starts with are its frame 0's settings file, so the session says them.
    const live = {drive, input: freshInput(), events: [], marks: [], settings: drive.iniText ?? undefined,
        timings: [], report: driveReport(drive), log: '', stopped: false};
    showLive(live);
    liveStep();
    return true;
}

// The edited settings file is written at the next frame, as a player saves it in the game's folder.
export function queueSettings(text) {
    if (pageState.live) pageState.live.settings = text;
}

function logNow(live) {
    live.log = driveLog(live.drive);
    return live.log;
}

// The view of the drive: its last frames as a play the views and readout draw.
function liveView(live) {
    const drive = live.drive, from = Math.max(0, drive.frames.length - shownFrames);
    const rows = drive.rows.slice(from), frames = drive.frames.slice(from);
    const events = live.marks.filter((m) => m.frame >= frames[0].frame);
    return {ok: true, live: true, header: drive.header, rows, frames, events, calls: drive.calls,
        report: live.report,
        log: live.log, exitStatus: 0, summary: `live: frame ${drive.frames.length - 1}`, violations: [],
        sessionText: drive.sessionText, iniText: drive.iniText};
}

// The labels a row's last column names, for the timeline's marks.
function markOf(row, frame) {
    const quoted = row.indexOf('"');
    return quoted < 0 ? null : {frame, label: row.slice(quoted + 1, -1), noted: false};
}

// One frame: the inputs read, the frame played with them, the views drawn.
function playLiveFrame(live) {
    const start = performance.now(), drive = live.drive, frame = drive.frames.length;
    const pad = readPad();
    const text = frameEvents(live.input, frame, gameInputs(live.input, pad), live.settings);
    const settingsWritten = live.settings !== undefined;
    live.settings = undefined;
    const status = driveFrame(drive, text ? `events = [${text}]` : '');
    if (status !== 0) {
        live.refusal = drive.errors.length ? drive.errors : ['the script entry returned'];
        return false;
    }
    if (text) live.events.push(text); // only what was played is kept
    const mark = markOf(drive.rows[frame], frame);
    if (mark) live.marks.push(mark);
    if (settingsWritten) live.report = driveReport(drive);
    if (frame % 30 === 0 || mark) logNow(live);
    showLive(live, liveView(live));
    showPad(pad);
    live.timings.push(performance.now() - start);
    return frame + 1 < longestFrames;
}

// The controller's panel, shown while driving.
let padContext = null;
function showPad(pad) {
    const canvas = document.getElementById('pad-view');
    if (canvas.hidden) {
        canvas.hidden = false;
        const ratio = window.devicePixelRatio || 1;
        canvas.width = Math.max(1, Math.round(canvas.clientWidth * ratio));
        canvas.height = Math.max(1, Math.round(canvas.clientHeight * ratio));
        padContext = canvas.getContext('2d');
        padContext.setTransform(ratio, 0, 0, ratio, 0, 0);
    }
    drawPad(padContext, pad);
}

function liveStep() {
    const live = pageState.live;
    if (!live || live.stopped) return;
    if (!playLiveFrame(live)) {
        stopLive();
        return;
    }
    requestAnimationFrame(liveStep);
}

// The drive as a session file: each frame's event and the scene. The duration, frames / 60 as
// JavaScript writes it, reads back as the same frame count.
export function recordingText(live) {
    const drive = live.drive, frames = Math.max(drive.frames.length, 1);
    return ['name = "live drive"', `duration = ${frames / 60}`, 'events = [',
        ...live.events.map((e) => `  ${e},`), ']', '', drive.sceneText].join('\n');
}

// Ends the drive; it stays as the shown play, scrubbed and read as any other.
export function stopLive() {
    const live = pageState.live;
    if (!live) return null;
    live.stopped = true;
    if (live.drive.frames.length === 0) playLiveFrame(live);
    const text = recordingText(live);
    const play = finishDrive(live.drive, text);
    pageState.recording = text;
    showLive(null);
    showPlay(play);
    if (live.refusal) showPlay({ok: false, errors: live.refusal}); // why the drive ended
    document.getElementById('session-text').value = text;
    return text;
}

export function liveRecording() {
    return pageState.live ? recordingText(pageState.live) : pageState.recording;
}

export function liveKeyDown(event) { keyDown(pageState.live.input, event); }
export function liveKeyUp(event) { keyUp(pageState.live.input, event); }
// A page that loses focus hears no more key releases: the game inputs let go, as a pad put down.
// The plug-in's keys keep their last message, as in the game when its window loses focus.
export function liveBlur() { if (pageState.live) pageState.live.input.down.clear(); }
export function liveMouse(dx, dy) {
    const mouse = pageState.live.input.mouse;
    mouse[0] += dx;
    mouse[1] += dy;
}
