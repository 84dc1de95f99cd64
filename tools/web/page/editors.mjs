// The two editors (the session and Vorthmere.ini), their files by picker or drop, the replay a
// change starts, and the downloads.
import {pageState, showPlay} from './state.mjs';
import {playSession} from '../player.mjs';
import {queueSettings} from './live.mjs';

const replayDelay = 300;
let replayTimer = null;

// Plays the texts and shows the play when it could be used; an undefined ini plays the
// session's own [settings]. Returns the play, used or refused.
export function replayTexts(session, ini) {
    const play = playSession(pageState.module, {session, ini});
    pageState.iniOwn = ini !== undefined;
    showPlay(play);
    if (play.ok) fillEditors(play);
    return play;
}

// The editors show what was played (a text being typed is left as it is, caret and all); the
// session's editor keeps a refused text for fixing.
function fillEditors(play) {
    const session = document.getElementById('session-text'), ini = document.getElementById('ini-text');
    if (session.value !== play.sessionText) session.value = play.sessionText;
    if (ini.value !== (play.iniText ?? '')) ini.value = play.iniText ?? '';
}

// An emptied settings editor goes back to the session's [settings]. During a drive the settings
// editor is the game's folder: its text is written as Vorthmere.ini at the next frame, and the
// session's editor waits for the drive to end.
function replayEditors(changed) {
    clearTimeout(replayTimer);
    replayTimer = null;
    const ini = document.getElementById('ini-text').value;
    if (pageState.live) {
        if (changed === 'ini-text') queueSettings(ini);
        return;
    }
    const own = pageState.iniOwn && ini !== '';
    replayTexts(document.getElementById('session-text').value, own ? ini : undefined);
}

function scheduleReplay(changed) {
    clearTimeout(replayTimer);
    replayTimer = setTimeout(() => replayEditors(changed), replayDelay);
}

function loadInto(textarea, file) {
    file.text().then((text) => {
        textarea.value = text;
        if (textarea.id === 'ini-text') pageState.iniOwn = true;
        replayEditors(textarea.id);
    });
}

function bindEditor(textareaId, pickerId) {
    const textarea = document.getElementById(textareaId), picker = document.getElementById(pickerId);
    textarea.addEventListener('input', () => {
        if (textareaId === 'ini-text') pageState.iniOwn = true;
        scheduleReplay(textareaId);
    });
    textarea.addEventListener('dragover', (event) => event.preventDefault());
    textarea.addEventListener('drop', (event) => {
        event.preventDefault();
        const file = event.dataTransfer.files[0];
        if (file) loadInto(textarea, file);
    });
    picker.addEventListener('change', () => {
        if (picker.files[0]) loadInto(textarea, picker.files[0]);
        picker.value = '';
    });
}

let downloadUrl = null;

// A download link's blob is made when it is clicked, from what is shown at that moment.
function bindDownload(linkId, text) {
    const link = document.getElementById(linkId);
    link.addEventListener('click', () => {
        if (downloadUrl) URL.revokeObjectURL(downloadUrl);
        downloadUrl = URL.createObjectURL(new Blob([text()], {type: 'text/plain'}));
        link.href = downloadUrl;
    });
}

export function playCsv(play) { return [play.header, ...play.rows].join('\n') + '\n'; }

export function bindEditors() {
    bindEditor('session-text', 'session-file');
    bindEditor('ini-text', 'ini-file');
    bindDownload('save-session', () => document.getElementById('session-text').value);
    bindDownload('save-ini', () => document.getElementById('ini-text').value);
    bindDownload('save-csv', () => playCsv(pageState.play));
}
