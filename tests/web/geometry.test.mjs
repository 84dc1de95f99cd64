// The page's geometry and the views' drawing, under Node with no canvas.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {project, viewCone, worldToMap, cameraAxes, dot} from '../../tools/web/page/geometry.mjs';
import {drawEye, characterBoxCorners} from '../../tools/web/page/eye_view.mjs';
import {drawMap} from '../../tools/web/page/map_view.mjs';
import {drawSide} from '../../tools/web/page/side_view.mjs';
import {drawTimeline, timelineX, timelineIndexAt} from '../../tools/web/page/timeline_view.mjs';
import {palette, eyeAspect} from '../../tools/web/page/surface.mjs';
import {recordingContext, frameStateWith} from './recording_context.mjs';

const close = (actual, expected, what) =>
    assert.ok(Math.abs(actual - expected) < 1e-6, `${what}: ${actual} != ${expected}`);

test('the view cone points along the heading, never wrapped', () => {
    // heading, the unit direction the cone's middle must take on the ground
    const rows = [[0, 0, 1], [90, -1, 0], [180, 0, -1], [-90, 1, 0], [450, -1, 0],
                  [-30, 0.5, Math.sqrt(3) / 2]];
    for (const [heading, dx, dy] of rows) {
        const cone = viewCone({x: 2, y: 3, pitch: 0, heading, fov: 50}, 10);
        const mid = {x: (cone.left.x + cone.right.x) / 2 - 2, y: (cone.left.y + cone.right.y) / 2 - 3};
        const length = Math.hypot(mid.x, mid.y);
        close(mid.x / length, dx, `heading ${heading} x`);
        close(mid.y / length, dy, `heading ${heading} y`);
        // Counter-clockwise from above, the left edge is a quarter turn further round than right.
        const cross = (cone.right.x - 2) * (cone.left.y - 3) - (cone.right.y - 3) * (cone.left.x - 2);
        assert.ok(cross > 0, `heading ${heading}: left edge is on the left`);
    }
});

test('an aiming frame\'s cone narrows by the ratio of the fields of view', () => {
    const normal = 52.282, rows = [[35, 1], [45, 1], [35, eyeAspect], [45, eyeAspect]];
    for (const [aimed, aspect] of rows) {
        const wide = viewCone({x: 0, y: 0, heading: 20, fov: normal}, 1, aspect);
        const narrow = viewCone({x: 0, y: 0, heading: 20, fov: aimed}, 1, aspect);
        const half = (fov) => Math.tan(fov * Math.PI / 360);
        // Across the picture, the half-width at a unit distance scales with tan(fov/2).
        close(Math.tan(narrow.halfAngle * Math.PI / 180) / Math.tan(wide.halfAngle * Math.PI / 180),
              half(aimed) / half(normal), `fov ${aimed}, aspect ${aspect}`);
        if (aspect === 1)
            close(narrow.halfAngle / wide.halfAngle, aimed / normal, `angle ratio, fov ${aimed}`);
    }
});

test('the projection of known points from a known pose', () => {
    const viewport = {width: 1600, height: 900}, focal = 450 / Math.tan(25 * Math.PI / 180);
    const pose = {x: 0, y: -3.5, z: 1.6, pitch: 0, roll: 0, heading: 0, fov: 50};
    // world point, expected pixel (null: behind the camera)
    const rows = [
        [{x: 0, y: 0, z: 1.6}, {x: 800, y: 450}],
        [{x: 1, y: 0, z: 1.6}, {x: 800 + focal / 3.5, y: 450}],
        [{x: 0, y: 0, z: 0}, {x: 800, y: 450 + 1.6 * focal / 3.5}],
        [{x: 0, y: 0, z: 1.6 + 3.5 * Math.tan(25 * Math.PI / 180)}, {x: 800, y: 0}],
        [{x: 0, y: -5, z: 1.6}, null],
    ];
    for (const [point, expected] of rows) {
        const pixel = project(point, pose, viewport);
        if (expected === null) { assert.equal(pixel, null); continue; }
        close(pixel.x, expected.x, `x of ${JSON.stringify(point)}`);
        close(pixel.y, expected.y, `y of ${JSON.stringify(point)}`);
    }
    // Turned to heading 90 (facing -x), a point to the west is straight ahead.
    const west = project({x: -4, y: -3.5, z: 1.6}, {...pose, heading: 90}, viewport);
    close(west.x, 800, 'west x');
});

test('the camera eye draws the character\'s box where the projection says', () => {
    for (const cam of [{}, {heading: 30, x: 1.75, y: -3.03}, {pitch: -20, z: 3}, {roll: 10}]) {
        const context = recordingContext(1600, 900), state = frameStateWith(cam);
        drawEye(context, state);
        const isLine = (d) => d.kind === 'moveTo' || d.kind === 'lineTo';
        const drawn = context.drawn.filter((d) => d.strokeStyle === palette.character && isLine(d));
        const viewport = {width: 1600, height: 900};
        const expected = characterBoxCorners(state).map((c) => project(c, state.cam, viewport));
        assert.ok(expected.every((p) => p !== null), 'the whole box is in front');
        for (const corner of expected)
            assert.ok(drawn.some((d) => Math.hypot(d.numbers[0] - corner.x, d.numbers[1] - corner.y) < 1e-9),
                      `corner ${corner.x},${corner.y} drawn from ${JSON.stringify(cam)}`);
        assert.ok(drawn.length >= 24, 'all twelve edges drawn');
    }
});

test('pitch +90 and -90 give finite axes and draw without a NaN', () => {
    const play = {frames: [], events: [{frame: 0, label: 'start', noted: true}], rows: []};
    for (const pitch of [90, -90, 89.9999, -87]) {
        for (const heading of [0, 135, -400]) {
            const axes = cameraAxes({heading, pitch, roll: 0});
            const products = [['right', 'up', 0], ['up', 'forward', 0], ['right', 'forward', 0],
                              ['up', 'up', 1]];
            for (const [a, b, expected] of products)
                close(dot(axes[a], axes[b]), expected, `${a}.${b} at pitch ${pitch} heading ${heading}`);
            const state = frameStateWith({pitch, heading, z: pitch > 0 ? 1.6 : 5});
            play.frames = [state, state];
            const views = [[drawEye, 640, 360], [drawMap, 400, 400], [drawSide, 300, 400],
                           [drawTimeline, 900, 200]];
            for (const [draw, width, height] of views) {
                const context = recordingContext(width, height);
                draw(context, state, play, 1);
                const notFinite = (n) => typeof n === 'number' && !Number.isFinite(n);
                const bad = context.drawn.find((d) => d.numbers.some(notFinite));
                assert.equal(bad, undefined, `${draw.name} at pitch ${pitch}, heading ${heading}`);
            }
        }
    }
});

test('the map is north up, east right; the timeline scrubs to the frame under the pointer', () => {
    const map = {centreX: 10, centreY: 20, pixelsPerMetre: 5, width: 200, height: 100};
    const places = [[{x: 10, y: 20}, {x: 100, y: 50}], [{x: 12, y: 20}, {x: 110, y: 50}],
                    [{x: 10, y: 24}, {x: 100, y: 30}]];
    for (const [point, expected] of places)
        assert.deepEqual(worldToMap(point, map), expected);
    for (const [count, width] of [[1200, 900], [37, 1400], [1, 500]])
        for (const index of [0, Math.floor(count / 3), count - 1])
            assert.equal(timelineIndexAt(timelineX(index, count, width), count, width), index,
                         `${index} of ${count}`);
    assert.equal(timelineIndexAt(-50, 1200, 900), 0);
    assert.equal(timelineIndexAt(5000, 1200, 900), 1199);
});
