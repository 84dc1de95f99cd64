// The controller as live mode reads it: both sticks where they are pushed, each mapped button lit
// while down and named by what it does, so a person sees what their controller steers.
import {palette, viewSize, clearView, writeLines} from './surface.mjs';
import {padMap} from './live_input.mjs';

// The mapped buttons of the standard layout by name, listed in two columns between the sticks.
const buttonNames = {4: 'LB', 5: 'RB', 6: 'LT', 2: 'X', 3: 'Y', 0: 'A', 1: 'B', 12: 'up', 13: 'down',
    14: 'left', 15: 'right'};
const lineHeight = 16;

const padWords = (i) => padMap.held[i] ?? padMap.toggled[i] ?? padMap.pressed[i] ??
    (padMap.weapon[i] ? `weapon ${padMap.weapon[i]}` : '');

// Where the stick at (x, y) in [-1, 1] puts its dot, around the centre c of radius r.
export function stickDot(c, r, x, y) {
    return {x: c.x + r * Math.max(-1, Math.min(1, x || 0)), y: c.y + r * Math.max(-1, Math.min(1, y || 0))};
}

function drawStick(context, centre, radius, x, y, label) {
    context.strokeStyle = palette.grid;
    context.beginPath();
    context.arc(centre.x, centre.y, radius, 0, 2 * Math.PI);
    context.stroke();
    const dot = stickDot(centre, radius, x, y);
    context.fillStyle = palette.scripted;
    context.beginPath();
    context.arc(dot.x, dot.y, 4, 0, 2 * Math.PI);
    context.fill();
    writeLines(context, [label], centre.x - radius, centre.y + radius + 4, palette.dim);
}

// pad: a Gamepad (axes, buttons), or null when none is connected.
export function drawPad(context, pad) {
    const size = viewSize(context);
    clearView(context, size);
    if (!pad) {
        writeLines(context, ['no controller: press a button on one to connect it'], 8, 8, palette.dim);
        return;
    }
    const radius = Math.min(size.height / 4, 40), centreY = size.height / 2 + 8;
    drawStick(context, {x: 16 + radius, y: centreY}, radius, pad.axes[padMap.turnAxis],
        pad.axes[padMap.walkAxis], 'walk, turn');
    drawStick(context, {x: size.width - 16 - radius, y: centreY}, radius, pad.axes[padMap.lookAxes[0]],
        pad.axes[padMap.lookAxes[1]], 'look');
    const columnWidth = (size.width - 4 * radius - 64) / 2, perColumn = 6;
    Object.entries(buttonNames).forEach(([i, name], n) => {
        const x = 32 + 2 * radius + columnWidth * Math.floor(n / perColumn);
        const colour = pad.buttons[i]?.pressed ? palette.character : palette.dim;
        writeLines(context, [`${name}: ${padWords(i)}`], x, 28 + lineHeight * (n % perColumn), colour);
    });
    writeLines(context, [pad.id ?? 'controller'], 8, 8);
}
