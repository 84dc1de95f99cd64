// Live mode's controls: the Drive button, the keys and the mouse while a drive runs (they go to
// the drive, not to the browser or the cursor keys), and the saved session.
import {pageState} from './state.mjs';
import {startLive, stopLive, liveRecording, liveKeyDown, liveKeyUp, liveMouse, liveBlur} from './live.mjs';

// Keys typed into an editor stay there; every other key is the drive's.
function forDrive(event) {
    if (!pageState.live) return false;
    const into = event.target;
    return !(into.tagName === 'TEXTAREA' || into.tagName === 'SELECT' ||
        (into.tagName === 'INPUT' && into.id !== 'scrubber'));
}

function driveKey(event, down) {
    if (!forDrive(event)) return;
    event.preventDefault(); // no undo, find, reload or focus change while driving
    event.stopImmediatePropagation();
    if (down) liveKeyDown(event); else liveKeyUp(event);
}

export function toggleLive() {
    if (pageState.live) stopLive(); else startLive();
    showDriveState();
}

export function showDriveState() {
    document.getElementById('drive-button').textContent = pageState.live ? 'Stop' : 'Drive';
    document.getElementById('save-drive').hidden = !pageState.live && !pageState.recording;
}

let savedUrl = null;

export function bindLiveControls() {
    // Capturing, so that the cursor keys' own handling never sees a drive's keys.
    window.addEventListener('keydown', (event) => driveKey(event, true), true);
    window.addEventListener('keyup', (event) => driveKey(event, false), true);
    window.addEventListener('blur', liveBlur);
    document.getElementById('drive-button').addEventListener('click', (event) => {
        toggleLive();
        event.target.blur(); // Space and Enter are the drive's now, not the button's
    });
    const eye = document.getElementById('eye-view');
    eye.addEventListener('click', () => {
        if (pageState.live && eye.requestPointerLock) eye.requestPointerLock();
    });
    document.addEventListener('mousemove', (event) => {
        if (!pageState.live || document.pointerLockElement !== eye) return;
        liveMouse(event.movementX, event.movementY);
    });
    const save = document.getElementById('save-drive');
    save.addEventListener('click', () => {
        if (savedUrl) URL.revokeObjectURL(savedUrl);
        savedUrl = URL.createObjectURL(new Blob([liveRecording() ?? ''], {type: 'text/plain'}));
        save.href = savedUrl;
    });
}
