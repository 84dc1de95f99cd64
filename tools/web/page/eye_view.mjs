// The camera eye: the wireframe the player sees from the active camera's pose and field of
// view (the scripted camera while on, the game's own while off).
import {cameraAxes, projectSegment, boxCorners, boxEdges} from './geometry.mjs';
import {palette, viewSize, clearView, strokeSegments, writeLines, fixed, modeOf, carriersOf,
        characterBox} from './surface.mjs';

const eyeGridReach = 30;
const eyeGridStep = 2;

export function drawEye(context, frameState) {
    const size = viewSize(context);
    clearView(context, size);
    const pose = frameState.cam, axes = cameraAxes(pose);
    const ground = frameState.character.z;
    drawEyeGrid(context, frameState, pose, axes, size, ground);
    context.strokeStyle = palette.carrier;
    const c = frameState.character;
    for (const carrier of carriersOf(frameState)) {
        const corners = boxCorners(c, c.heading, carrier.length, carrier.width, carrier.height);
        drawBox(context, corners, pose, axes, size);
    }
    context.strokeStyle = palette.character;
    drawBox(context, characterBoxCorners(frameState), pose, axes, size);
    context.strokeStyle = frameState.locked ? palette.target : palette.dim;
    const t = frameState.target;
    drawBox(context, boxCorners({x: t.x, y: t.y, z: t.z - 0.3}, 0, 0.6, 0.6, 0.6), pose, axes, size);
    writeLines(context, eyeCaption(frameState), 8, 8, frameState.on ? palette.scripted : palette.game);
}

// The character's box as the eye draws it; the tests check its projection against this.
export function characterBoxCorners(frameState) {
    const c = frameState.character;
    return boxCorners(c, c.heading, characterBox.length, characterBox.width, characterBox.height);
}

// Grid lines on the ground plane around the character, cut at the camera's near plane.
function drawEyeGrid(context, frameState, pose, axes, size, ground) {
    const cx = Math.round(frameState.character.x / eyeGridStep) * eyeGridStep;
    const cy = Math.round(frameState.character.y / eyeGridStep) * eyeGridStep;
    const lines = {minor: [], major: []};
    const add = (a, b, major) => {
        const segment = projectSegment(a, b, pose, size, axes);
        if (segment) lines[major ? 'major' : 'minor'].push(segment);
    };
    for (let k = -eyeGridReach; k <= eyeGridReach; k += eyeGridStep) {
        const x = cx + k, y = cy + k, near = -eyeGridReach, far = eyeGridReach;
        add({x, y: cy + near, z: ground}, {x, y: cy + far, z: ground}, x % 10 === 0);
        add({x: cx + near, y, z: ground}, {x: cx + far, y, z: ground}, y % 10 === 0);
    }
    context.lineWidth = 1;
    context.strokeStyle = palette.grid;
    strokeSegments(context, lines.minor);
    context.strokeStyle = palette.gridMajor;
    strokeSegments(context, lines.major);
}

// A box's twelve edges, each cut at the near plane, as one stroke.
function drawBox(context, corners, pose, axes, size) {
    const segments = [];
    for (const [i, j] of boxEdges) {
        const segment = projectSegment(corners[i], corners[j], pose, size, axes);
        if (segment) segments.push(segment);
    }
    context.lineWidth = 1.5;
    strokeSegments(context, segments);
}

function eyeCaption(frameState) {
    const c = frameState.cam, who = frameState.on ? 'scripted camera' : 'game camera';
    return [`eye: ${who} (${modeOf(frameState)})${frameState.aiming ? ', aiming' : ''}`,
            `fov ${fixed(c.fov)}  pitch ${fixed(c.pitch)}  heading ${fixed(c.heading)}`];
}
