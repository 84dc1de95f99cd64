// The timeline: a mode lane (on, off, scope), the lanes of heading (the character's in grey),
// pitch, field of view and handed distance, the session's events and the cursor.
import {valueRange} from './geometry.mjs';
import {palette, viewSize, clearView, strokeLine, strokeSegments, writeLines, modeOf,
        drawBackdrop} from './surface.mjs';

const laneLeft = 70;
const laneRight = 10;
const modeLaneHeight = 12;
const eventRowHeight = 16;

const timelineLanes = [
    {name: 'heading', colour: palette.heading, value: (f) => f.cam.heading, grey: (f) => f.character.heading,
     span: 10},
    {name: 'pitch', colour: palette.pitch, value: (f) => f.cam.pitch, span: 10},
    {name: 'fov', colour: palette.fov, value: (f) => f.cam.fov, span: 10},
    {name: 'distance', colour: palette.distance, value: (f) => f.distanceHanded, span: 2},
];

// The x of frame index i on a timeline of that width.
export function timelineX(index, count, width) {
    return laneLeft + (count > 1 ? index / (count - 1) : 0) * (width - laneLeft - laneRight);
}

// The frame index under x, clamped to the play: what the scrubber seeks to.
export function timelineIndexAt(x, count, width) {
    const t = (x - laneLeft) / (width - laneLeft - laneRight);
    return Math.min(Math.max(Math.round(t * (count - 1)), 0), Math.max(count - 1, 0));
}

export function drawTimeline(context, frameState, play, cursor) {
    const size = viewSize(context);
    drawBackdrop(context, play, 'timeline', () => drawTimelineBackdrop(context, play, size));
    const x = timelineX(cursor, play.frames.length, size.width);
    context.strokeStyle = palette.cursor;
    context.lineWidth = 1;
    strokeLine(context, {x, y: 0}, {x, y: size.height});
}

// The lanes, the mode lane and the events: the same for every frame of a play.
function drawTimelineBackdrop(context, play, size) {
    clearView(context, size);
    const frames = play.frames, x = (i) => timelineX(i, frames.length, size.width);
    drawModeLane(context, frames, x);
    const laneHeight = (size.height - modeLaneHeight - eventRowHeight) / timelineLanes.length;
    timelineLanes.forEach((lane, k) => {
        const top = eventRowHeight + modeLaneHeight + k * laneHeight;
        drawLane(context, lane, frames, x, top, laneHeight);
    });
    drawEventMarks(context, play.events, frames, x, size);
}

function drawModeLane(context, frames, x) {
    const colours = {on: palette.scripted, off: palette.off, scope: palette.scope};
    writeLines(context, ['mode'], 4, eventRowHeight, palette.dim);
    for (let i = 0; i < frames.length;) {
        const mode = modeOf(frames[i]);
        let j = i + 1;
        while (j < frames.length && modeOf(frames[j]) === mode) j++;
        context.fillStyle = colours[mode];
        context.fillRect(x(i), eventRowHeight + 1, Math.max(1, x(j - 1) - x(i) + 1), modeLaneHeight - 3);
        i = j;
    }
}

// One lane: its values as a line, broken where a value is null (no distance handed).
function drawLane(context, lane, frames, x, top, height) {
    const values = frames.map(lane.value), greys = lane.grey ? frames.map(lane.grey) : [];
    const [low, high] = valueRange(values.concat(greys), lane.span);
    const y = (v) => top + height - 4 - (v - low) / (high - low) * (height - 8);
    context.strokeStyle = palette.grid;
    strokeLine(context, {x: laneLeft, y: top + height}, {x: x(frames.length - 1), y: top + height});
    if (lane.grey) drawSeries(context, greys, x, y, palette.game);
    drawSeries(context, values, x, y, lane.colour);
    writeLines(context, [lane.name, high.toFixed(1), low.toFixed(1)], 4, top + 2, palette.dim);
}

function drawSeries(context, values, x, y, colour) {
    context.strokeStyle = colour;
    context.lineWidth = 1.25;
    context.beginPath();
    let drawing = false;
    for (let i = 0; i < values.length; i++) {
        if (values[i] === null) { drawing = false; continue; }
        if (drawing) context.lineTo(x(i), y(values[i])); else context.moveTo(x(i), y(values[i]));
        drawing = true;
    }
    context.stroke();
}

// Every event as a tick; noted ones also as a dashed line with their label, where it fits
// beside the previous one. Each kind of mark is one stroke.
function drawEventMarks(context, events, frames, x, size) {
    const first = frames.length ? frames[0].frame : 0;
    const ticks = [], lines = [];
    context.font = '11px sans-serif';
    context.textBaseline = 'top';
    context.fillStyle = palette.dim;
    let labelEnd = -Infinity;
    for (const e of events) {
        const at = x(e.frame - first);
        if (!e.noted) {
            ticks.push([{x: at, y: eventRowHeight - 5}, {x: at, y: eventRowHeight}]);
            continue;
        }
        lines.push([{x: at, y: 0}, {x: at, y: size.height}]);
        if (at < labelEnd) continue;
        const label = e.label.length > 18 ? `${e.label.slice(0, 17)}…` : e.label;
        context.fillText(label, at + 2, 1);
        labelEnd = at + 6 + context.measureText(label).width;
    }
    context.lineWidth = 1;
    context.strokeStyle = palette.dim;
    strokeSegments(context, ticks);
    context.strokeStyle = palette.text;
    context.setLineDash([3, 3]);
    strokeSegments(context, lines);
    context.setLineDash([]);
}
