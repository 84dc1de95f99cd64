// Drawing helpers shared by the views: the canvas's size, its clearing, the colours.

// The camera eye's picture is this wide for its height; the map's cone spans the same angle.
export const eyeAspect = 16 / 9;

export const palette = {
    background: '#14171c', grid: '#262b33', gridMajor: '#363d48', text: '#c9d1d9', dim: '#7d8590',
    character: '#e6b450', path: '#8a6d2f', scripted: '#4fb3ff', game: '#9aa4b1', off: '#5c6570',
    scope: '#c678dd', target: '#ff6b6b', carrier: '#7ee787', ground: '#3a4a3a', cursor: '#ffffff',
    heading: '#4fb3ff', pitch: '#ff9f43', fov: '#7ee787', distance: '#c678dd',
};

// The canvas's size in CSS pixels; page.mjs scales each context to the device's pixels.
export function viewSize(context) {
    const ratio = context.getTransform().a || 1;
    return {width: context.canvas.width / ratio, height: context.canvas.height / ratio};
}

export function clearView(context, size) {
    context.fillStyle = palette.background;
    context.fillRect(0, 0, size.width, size.height);
}

export function strokeLine(context, a, b) {
    context.beginPath();
    context.moveTo(a.x, a.y);
    context.lineTo(b.x, b.y);
    context.stroke();
}

// Many segments [a, b] as one path: one stroke costs the same for one segment or a hundred.
export function strokeSegments(context, segments) {
    context.beginPath();
    for (const [a, b] of segments) {
        context.moveTo(a.x, a.y);
        context.lineTo(b.x, b.y);
    }
    context.stroke();
}

// Text lines from (x, y) downwards.
export function writeLines(context, lines, x, y, colour = palette.text) {
    context.fillStyle = colour;
    context.font = '12px monospace';
    context.textBaseline = 'top';
    lines.forEach((line, i) => context.fillText(line, x, y + i * 15));
}

export function fixed(value, digits = 1) { return value === null ? '-' : value.toFixed(digits); }

// What the player sees in the frame, as one word.
export function modeOf(frameState) {
    if (frameState.on) return 'on';
    return frameState.scope ? 'scope' : 'off';
}

// The carriers under the character, each as {length, width, height} of its box.
export function carriersOf(frameState) {
    const horse = {length: 2.4, width: 0.7, height: 1.6}, wagon = {length: 4.5, width: 2.0, height: 1.2};
    return {none: [], horse: [horse], wagon: [wagon], both: [wagon, horse]}[frameState.carried] || [];
}

export const characterBox = {length: 0.35, width: 0.55, height: 1.8};

// What a view draws the same for every frame of a play (a grid, whole series) is drawn once into
// a layer kept with the play, and copied under each frame, as uPlot keeps its series under its
// cursor. `draw(context)` must depend only on the play and the canvas's size. Without
// OffscreenCanvas (under Node), and for a live drive's view (a new play every frame), it draws
// straight onto the context.
const backdropLayers = new WeakMap();

export function drawBackdrop(context, play, name, draw) {
    if (typeof OffscreenCanvas === 'undefined' || play.live) {
        draw(context);
        return;
    }
    const canvas = context.canvas;
    if (!backdropLayers.has(play)) backdropLayers.set(play, {});
    const kept = backdropLayers.get(play);
    let layer = kept[name];
    if (!layer || layer.width !== canvas.width || layer.height !== canvas.height) {
        layer = kept[name] = new OffscreenCanvas(canvas.width, canvas.height);
        const layerContext = layer.getContext('2d');
        layerContext.setTransform(context.getTransform());
        draw(layerContext);
    }
    context.save();
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.drawImage(layer, 0, 0);
    context.restore();
}
