// The readout and the page's text: the CSV row and native calls at the cursor, the summary,
// the frame number, the settings report, the log and a refused session's messages.
import {pageState, cursorFrame} from './state.mjs';

export function showReadout() {
    const play = pageState.play, frame = cursorFrame();
    setText('row', play.rows[pageState.cursor]);
    setText('csv-header', play.header);
    setText('calls', play.calls(frame.frame).join('\n'));
    setText('frame-label', `frame ${frame.frame} · ${frame.seconds.toFixed(3)} s`);
    setText('summary', play.summary);
    document.getElementById('summary').classList.toggle('failed', play.exitStatus !== 0);
    setText('report', play.report);
    setText('log', play.log);
    setText('errors', pageState.refused ? pageState.refused.join('\n') : '');
    document.getElementById('errors').hidden = !pageState.refused;
    document.getElementById('play-button').textContent = pageState.playing ? 'Pause' : 'Play';
    const scrubber = document.getElementById('scrubber');
    scrubber.max = String(play.frames.length - 1);
    scrubber.value = String(pageState.cursor);
}

// Writes only on a change, so a frame that changes little touches little of the page.
function setText(id, text) {
    const element = document.getElementById(id);
    if (element.textContent !== text) element.textContent = text;
}
