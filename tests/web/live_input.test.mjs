// What a person does during a drive, as the events the module plays and the recording keeps,
// under Node: key codes, key messages and the changes written at each frame.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {virtualKeyOf} from '../../tools/web/page/key_codes.mjs';
import {freshInput, keyDown, keyUp, gameInputs, frameEvents, tomlString}
    from '../../tools/web/page/live_input.mjs';

test('keys map to the virtual-key codes the host delivers', () => {
    const rows = [['KeyA', 65], ['KeyZ', 90], ['Digit0', 48], ['Digit9', 57], ['F1', 112], ['F12', 123],
        ['F24', 135], ['ControlLeft', 17], ['ControlRight', 17], ['ShiftRight', 16], ['AltLeft', 18],
        ['ArrowLeft', 37], ['ArrowDown', 40], ['Space', 32], ['Enter', 13], ['Escape', 27], ['Tab', 9],
        ['Numpad7', 103], ['F25', null], ['Fn', null], ['KeyAA', null]];
    for (const [code, key] of rows) assert.equal(virtualKeyOf(code), key, code);
});

const key = (code, more = {}) => ({code, altKey: false, repeat: false, ...more});

test('each frame writes its key messages in order and only the inputs that changed', () => {
    const input = freshInput();
    const quiet = gameInputs(input, null);
    const first = frameEvents(input, 0, quiet, '[Config]\n');
    assert.equal(first, '{ frame = 0, look = [0, 0], look_behind = false, target = false, aim = false, ' +
        'scope = false, walk = 0, turn = 0, carried = "none", settings_file = "[Config]\\n" }');
    assert.equal(frameEvents(input, 1, gameInputs(input, null)), '', 'nothing changed');
    keyDown(input, key('ControlLeft'));
    keyDown(input, key('KeyZ'));
    keyDown(input, key('KeyZ', {repeat: true}));
    keyDown(input, key('ArrowRight'));
    keyDown(input, key('KeyH', {altKey: true}));
    keyUp(input, key('KeyZ'));
    keyDown(input, key('KeyC'));
    assert.equal(frameEvents(input, 2, gameInputs(input, null)), '{ frame = 2, key_messages = [' +
        '{ key = 17, repeat = 1, alt = false, was_down = false, up = false }, ' +
        '{ key = 90, repeat = 1, alt = false, was_down = false, up = false }, ' +
        '{ key = 90, repeat = 1, alt = false, was_down = true, up = false }, ' +
        '{ key = 39, repeat = 1, alt = false, was_down = false, up = false }, ' +
        '{ key = 72, repeat = 1, alt = true, was_down = false, up = false }, ' +
        '{ key = 90, repeat = 1, alt = false, was_down = true, up = true }, ' +
        '{ key = 67, repeat = 1, alt = false, was_down = false, up = false }], ' +
        'look = [1, 0], carried = "A", distance = true }');
    assert.equal(frameEvents(input, 3, gameInputs(input, null)), '',
        'a press is one frame\'s; held keys stay');
});

test('mouse movement and a controller\'s sticks and buttons become the game inputs', () => {
    const input = freshInput();
    const buttons = Array.from({length: 17}, (_, i) => ({pressed: i === 6 || i === 2})); // LT and X
    const pad = {axes: [0.05, -0.5, 0.75, 0.1], buttons};
    assert.deepEqual(gameInputs(input, pad), {look: [0.75, 0], look_behind: false, target: false, aim: true,
        scope: true, walk: 1.25, turn: 0, carried: 'none', weapon: null});
    assert.equal(gameInputs(input, pad).scope, true, 'a button still down does not toggle again');
    input.mouse = [50, -5];
    assert.deepEqual(gameInputs(input, null).look, [1, 0.2]);
    assert.deepEqual(gameInputs(input, null).look, [0, 0], 'the mouse moves the axes for one frame');
});

test('texts are written so that TOML reads them back the same', () => {
    assert.equal(tomlString('a "b"\\c\n\t\x7f\x01'), '"a \\"b\\"\\\\c\\n\\t\\u007f\\u0001"');
});

test('the controller panel puts each stick\'s dot where it is pushed', async () => {
    const {drawPad} = await import('../../tools/web/page/pad_view.mjs');
    const {recordingContext} = await import('./recording_context.mjs');
    const context = recordingContext(720, 150);
    const buttons = Array.from({length: 17}, (_, i) => ({pressed: i === 5}));
    drawPad(context, {id: 'pad', axes: [0, -1, 1, 0], buttons});
    const arcs = context.drawn.filter((d) => d.kind === 'arc').map((d) => d.numbers.slice(0, 3));
    const radius = 37.5, y = 83, left = 16 + radius, right = 720 - 16 - radius; // the sticks' centres
    assert.deepEqual(arcs, [[left, y, radius], [left, y - radius, 4], [right, y, radius], [right + radius, y, 4]],
        'the left stick pushed up, the right one pushed right');
    const empty = recordingContext(720, 150);
    drawPad(empty, null);
    assert.equal(empty.drawn.filter((d) => d.kind === 'arc').length, 0, 'no controller, no sticks');
});
