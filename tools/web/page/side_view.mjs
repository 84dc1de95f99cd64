// The side view, seen across the camera's heading: the ground through the character at its
// slope, the camera at its height above the ground, and its pitch as a ray.
import {forwardOf, degree} from './geometry.mjs';
import {palette, viewSize, clearView, strokeLine, writeLines, fixed, characterBox} from './surface.mjs';

const sideSpan = 16;

export function drawSide(context, frameState) {
    const size = viewSize(context);
    clearView(context, size);
    const pose = frameState.cam, c = frameState.character;
    const ahead = forwardOf(pose.heading, 0);
    // Horizontal distance along the camera's heading from the character, and height above it.
    const along = (p) => (p.x - c.x) * ahead.x + (p.y - c.y) * ahead.y;
    const metres = size.width / sideSpan;
    const toSide = (s, h) => ({x: size.width * 0.55 + s * metres, y: size.height * 0.7 - h * metres});
    drawSideGround(context, frameState, toSide);
    context.strokeStyle = palette.character;
    context.lineWidth = 3;
    strokeLine(context, toSide(0, 0), toSide(0, characterBox.height));
    const camera = toSide(along(pose), pose.z - c.z);
    const look = forwardOf(0, pose.pitch);
    context.strokeStyle = context.fillStyle = frameState.on ? palette.scripted : palette.game;
    context.lineWidth = 1.5;
    strokeLine(context, camera, {x: camera.x + look.y * 4 * metres, y: camera.y - look.z * 4 * metres});
    context.beginPath();
    context.arc(camera.x, camera.y, 4, 0, 2 * Math.PI);
    context.fill();
    writeLines(context, sideCaption(frameState), 8, 8);
}

function drawSideGround(context, frameState, toSide) {
    // The ground climbs along the character's heading; this view looks across the camera's.
    const across = (frameState.cam.heading - frameState.character.heading) * degree;
    const rise = Math.tan(frameState.slope * degree) * Math.cos(across);
    context.strokeStyle = palette.ground;
    context.lineWidth = 2;
    strokeLine(context, toSide(-sideSpan, -sideSpan * rise), toSide(sideSpan, sideSpan * rise));
}

function sideCaption(frameState) {
    const height = frameState.cam.z - frameState.character.z;
    return ['side (across the view)', `height ${fixed(height, 2)} m above the ground`,
            `pitch ${fixed(frameState.cam.pitch)}  slope ${fixed(frameState.slope)}`];
}
