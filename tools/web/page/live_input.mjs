// What a person does during a drive, turned into the session's own events: the key messages as
// the host would deliver them, and the game inputs from the keyboard, the mouse and a
// controller. Pure apart from reading navigator.getGamepads, so Node can test it.
import {virtualKeyOf} from './key_codes.mjs';

// The game's inputs on the keyboard (every key also reaches the plug-in as its key message).
export const keyMap = {
    look: {ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, 1], ArrowDown: [0, -1]},
    held: {KeyQ: 'look_behind', KeyE: 'target', KeyR: 'aim'},
    toggled: {KeyF: 'scope', KeyH: 'horse', KeyV: 'wagon'},
    pressed: {KeyC: 'distance'},
    weapon: {Digit1: 'none', Digit2: 'short', Digit3: 'long', Digit4: 'both'},
    walk: {KeyW: 2.5, KeyS: -1.5},  // metres a second
    turn: {KeyA: 90, KeyD: -90},    // degrees a second, anticlockwise positive
};

// The standard controller layout: right stick looks, left stick walks and turns.
export const padMap = {
    lookAxes: [2, 3], walkAxis: 1, turnAxis: 0,
    held: {4: 'look_behind', 5: 'target', 6: 'aim'},
    toggled: {2: 'scope', 0: 'horse', 1: 'wagon'},
    pressed: {3: 'distance'},
    weapon: {12: 'none', 13: 'long', 14: 'short', 15: 'both'}, // d-pad up, down, left, right
};

const deadZone = 0.15;
const mouseCountsPerFullAxis = 25; // pixels of pointer movement in a frame that make a full axis

// Everything seen since the drive began; the page's event handlers write it, frameEvents reads it.
export function freshInput() {
    return {down: new Set(), messages: [], toggles: {scope: false, horse: false, wagon: false},
        presses: new Set(), weapon: null, mouse: [0, 0], padButtons: [], sent: {}};
}

// A key event as the host's key message; null for a key without a virtual-key code.
export function keyMessageOf(event, up) {
    const key = virtualKeyOf(event.code);
    if (key === null) return null;
    return {key, repeat: 1, alt: event.altKey, was_down: up || event.repeat, up};
}

function toggle(input, name) { input.toggles[name] = !input.toggles[name]; }

export function keyDown(input, event) {
    const message = keyMessageOf(event, false);
    if (message) input.messages.push(message);
    if (event.repeat) return;
    input.down.add(event.code);
    if (event.code in keyMap.toggled) toggle(input, keyMap.toggled[event.code]);
    if (event.code in keyMap.pressed) input.presses.add(keyMap.pressed[event.code]);
    if (event.code in keyMap.weapon) input.weapon = keyMap.weapon[event.code];
}

export function keyUp(input, event) {
    const message = keyMessageOf(event, true);
    if (message) input.messages.push(message);
    input.down.delete(event.code);
}

const clamp = (v) => Math.min(1, Math.max(-1, v));
// Two decimals, so a resting stick's noise is not an event every frame; never -0.
const settle = (v) => Math.round(v * 100) / 100 || 0;
const stick = (v) => (Math.abs(v ?? 0) < deadZone ? 0 : v);

function firstPad(pads) {
    for (const pad of pads ?? []) if (pad && pad.connected !== false) return pad;
    return null;
}

// The controller's edges: toggles, presses and the weapon change on a button going down.
function padEdges(input, pad) {
    const pressedNow = pad.buttons.map((b) => Boolean(b && (b.pressed || b.value > 0.5)));
    pressedNow.forEach((on, i) => {
        if (!on || input.padButtons[i]) return;
        if (i in padMap.toggled) toggle(input, padMap.toggled[i]);
        if (i in padMap.pressed) input.presses.add(padMap.pressed[i]);
        if (i in padMap.weapon) input.weapon = padMap.weapon[i];
    });
    input.padButtons = pressedNow;
}

// The game inputs of this frame, as the session's event keys and values.
export function gameInputs(input, pad) {
    if (pad) padEdges(input, pad);
    const isDown = (code) => input.down.has(code);
    const sum = (table) => Object.entries(table).reduce((t, [code, v]) => t + (isDown(code) ? v : 0), 0);
    let [h, v] = [input.mouse[0] / mouseCountsPerFullAxis, -input.mouse[1] / mouseCountsPerFullAxis];
    for (const [code, [dh, dv]] of Object.entries(keyMap.look)) if (isDown(code)) [h, v] = [h + dh, v + dv];
    let walk = sum(keyMap.walk), turn = sum(keyMap.turn);
    const held = new Set(Object.entries(keyMap.held).filter(([code]) => isDown(code)).map(([, k]) => k));
    if (pad) {
        h += stick(pad.axes[padMap.lookAxes[0]]);
        v -= stick(pad.axes[padMap.lookAxes[1]]);
        walk -= stick(pad.axes[padMap.walkAxis]) * 2.5;
        turn -= stick(pad.axes[padMap.turnAxis]) * 90;
        for (const [i, k] of Object.entries(padMap.held)) if (pad.buttons[i]?.pressed) held.add(k);
    }
    input.mouse = [0, 0];
    const t = input.toggles;
    return {
        look: [settle(clamp(h)), settle(clamp(v))],
        look_behind: held.has('look_behind'), target: held.has('target'), aim: held.has('aim'),
        scope: t.scope, walk: settle(walk), turn: settle(turn),
        carried: (t.horse ? 'A' : '') + (t.wagon ? 'B' : '') || 'none',
        weapon: input.weapon,
    };
}

export function readPad() {
    const pads = typeof navigator !== 'undefined' && navigator.getGamepads ? navigator.getGamepads() : [];
    return firstPad(pads);
}

// A TOML string that reads back as the same text.
export function tomlString(text) {
    return JSON.stringify(text).replace(/\x7f/g, '\\u007f');
}

// Numbers as JavaScript writes them read back as the same double, so as the same float.
const valueText = (value) => (typeof value === 'string' ? tomlString(value) : String(value));

function messageText(m) {
    return `{ key = ${m.key}, repeat = ${m.repeat}, alt = ${m.alt}, was_down = ${m.was_down}, up = ${m.up} }`;
}

// The frame's event as one line of a session's events list, or '' when nothing changed: its
// key messages, each game input that changed since the last event, a settings file written.
export function frameEvents(input, frame, inputs, settingsText) {
    const parts = [];
    if (input.messages.length) parts.push(`key_messages = [${input.messages.map(messageText).join(', ')}]`);
    input.messages = [];
    for (const [key, value] of Object.entries(inputs)) {
        if (value === null) continue;
        const text = Array.isArray(value) ? `[${value.map(valueText).join(', ')}]` : valueText(value);
        if (input.sent[key] === text) continue;
        input.sent[key] = text;
        parts.push(`${key} = ${text}`);
    }
    for (const press of input.presses) parts.push(`${press} = true`);
    input.presses.clear();
    if (settingsText !== undefined) parts.push(`settings_file = ${tomlString(settingsText)}`);
    return parts.length ? `{ frame = ${frame}, ${parts.join(', ')} }` : '';
}
