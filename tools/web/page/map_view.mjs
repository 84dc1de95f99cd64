// The top-down map: ground grid, the character's path and heading, the camera the player sees
// with its cone and a fading trail, the game camera's orbit, the target and any carrier.
import {fitMap, worldToMap, viewCone, forwardOf, boxCorners} from './geometry.mjs';
import {palette, eyeAspect, viewSize, clearView, strokeLine, strokeSegments, writeLines, fixed, carriersOf,
        drawBackdrop} from './surface.mjs';

const trailFrames = 120;
const coneReach = 6;

export function drawMap(context, frameState, play, cursor) {
    const size = viewSize(context);
    const map = mapFraming(play, size);
    drawBackdrop(context, play, 'map', (layer) => {
        clearView(layer, size);
        drawMapGrid(layer, map);
        drawPath(layer, map, play.frames, 0, play.frames.length - 1, palette.grid);
    });
    drawPath(context, map, play.frames, 0, cursor, palette.path);
    drawCarriers(context, map, frameState);
    drawOrbit(context, map, frameState);
    drawTrail(context, map, play.frames, cursor);
    drawCone(context, map, frameState);
    drawTargetOnMap(context, map, frameState);
    drawCharacterOnMap(context, map, frameState);
    writeLines(context, mapCaption(frameState), 8, 8);
}

// The framing that shows the character's whole path, the cameras and the target; one per play
// and size, so the backdrop under every frame matches.
const mapFramings = new WeakMap();

function mapFraming(play, size) {
    const kept = mapFramings.get(play);
    if (kept && kept.width === size.width && kept.height === size.height) return kept;
    const points = [];
    for (const f of play.frames) points.push(f.character, f.cam);
    if (play.frames.length) points.push(play.frames[0].target);
    const map = fitMap(points, size.width, size.height);
    mapFramings.set(play, map);
    return map;
}

function drawMapGrid(context, map) {
    const step = map.pixelsPerMetre > 12 ? 1 : 5;
    const halfX = map.width / 2 / map.pixelsPerMetre, halfY = map.height / 2 / map.pixelsPerMetre;
    const lines = {minor: [], major: []};
    const south = map.centreY - halfY, north = map.centreY + halfY;
    const west = map.centreX - halfX, east = map.centreX + halfX;
    const weight = (metres) => (metres % 10 === 0 ? 'major' : 'minor');
    for (let x = Math.ceil(west / step) * step; x <= east; x += step)
        lines[weight(x)].push([worldToMap({x, y: south}, map), worldToMap({x, y: north}, map)]);
    for (let y = Math.ceil(south / step) * step; y <= north; y += step)
        lines[weight(y)].push([worldToMap({x: west, y}, map), worldToMap({x: east, y}, map)]);
    context.lineWidth = 1;
    context.strokeStyle = palette.grid;
    strokeSegments(context, lines.minor);
    context.strokeStyle = palette.gridMajor;
    strokeSegments(context, lines.major);
}

// The character's path from frame index `from` to `to`.
function drawPath(context, map, frames, from, to, colour) {
    context.lineWidth = 1.5;
    context.strokeStyle = colour;
    context.beginPath();
    for (let i = from; i <= to; i++) {
        const p = worldToMap(frames[i].character, map);
        if (i === from) context.moveTo(p.x, p.y); else context.lineTo(p.x, p.y);
    }
    context.stroke();
}

function drawCarriers(context, map, frameState) {
    context.strokeStyle = palette.carrier;
    context.lineWidth = 1.5;
    for (const c of carriersOf(frameState)) {
        const corners = boxCorners(frameState.character, frameState.character.heading, c.length, c.width, 0);
        context.beginPath();
        corners.slice(0, 4).forEach((corner, i) => {
            const p = worldToMap(corner, map);
            if (i === 0) context.moveTo(p.x, p.y); else context.lineTo(p.x, p.y);
        });
        context.closePath();
        context.stroke();
    }
}

// The ring the game's camera orbits on at its pitch: solid when the plug-in handed the distance
// in this frame, dashed at the game's own otherwise.
function drawOrbit(context, map, frameState) {
    const g = frameState.game, distance = frameState.distanceHanded ?? g.distance;
    const centre = worldToMap(frameState.character, map);
    const radius = Math.abs(distance * Math.cos(g.pitch * Math.PI / 180)) * map.pixelsPerMetre;
    context.strokeStyle = palette.game;
    context.lineWidth = 1;
    context.setLineDash(frameState.distanceHanded === null ? [4, 4] : []);
    context.beginPath();
    context.arc(centre.x, centre.y, radius, 0, 2 * Math.PI);
    context.stroke();
    context.setLineDash([]);
    const camera = worldToMap(g, map);
    context.fillStyle = palette.game;
    context.fillRect(camera.x - 3, camera.y - 3, 6, 6);
}

// The scripted camera's positions over the last seconds, older ones fainter, in a few steps
// of fading so that the trail is a few strokes.
function drawTrail(context, map, frames, cursor) {
    const steps = 6, bands = Array.from({length: steps}, () => []);
    for (let i = Math.max(1, cursor - trailFrames); i <= cursor; i++) {
        if (!frames[i].on || !frames[i - 1].on) continue;
        const band = Math.min(steps - 1, Math.floor((cursor - i) / trailFrames * steps));
        bands[band].push([worldToMap(frames[i - 1].cam, map), worldToMap(frames[i].cam, map)]);
    }
    context.strokeStyle = palette.scripted;
    context.lineWidth = 2;
    bands.forEach((segments, band) => {
        context.globalAlpha = 1 - band / steps;
        strokeSegments(context, segments);
    });
    context.globalAlpha = 1;
}

function drawCone(context, map, frameState) {
    const cone = viewCone(frameState.cam, coneReach, eyeAspect);
    const apex = worldToMap(cone.apex, map);
    const left = worldToMap(cone.left, map), right = worldToMap(cone.right, map);
    const colour = frameState.on ? palette.scripted : palette.off;
    context.fillStyle = colour;
    context.globalAlpha = 0.2;
    context.beginPath();
    context.moveTo(apex.x, apex.y);
    context.lineTo(left.x, left.y);
    context.lineTo(right.x, right.y);
    context.closePath();
    context.fill();
    context.globalAlpha = 1;
    context.strokeStyle = colour;
    context.lineWidth = 1.5;
    context.stroke();
    context.fillStyle = colour;
    context.beginPath();
    context.arc(apex.x, apex.y, 4, 0, 2 * Math.PI);
    context.fill();
}

function drawTargetOnMap(context, map, frameState) {
    const t = worldToMap(frameState.target, map);
    context.strokeStyle = palette.target;
    context.lineWidth = 2;
    strokeLine(context, {x: t.x - 5, y: t.y - 5}, {x: t.x + 5, y: t.y + 5});
    strokeLine(context, {x: t.x - 5, y: t.y + 5}, {x: t.x + 5, y: t.y - 5});
    if (!frameState.locked) return;
    context.beginPath();
    context.arc(t.x, t.y, 10, 0, 2 * Math.PI);
    context.stroke();
    context.setLineDash([3, 3]);
    strokeLine(context, worldToMap(frameState.cam, map), t);
    context.setLineDash([]);
}

function drawCharacterOnMap(context, map, frameState) {
    const c = frameState.character, at = worldToMap(c, map);
    const f = forwardOf(c.heading, 0);
    const tip = worldToMap({x: c.x + f.x * 1.5, y: c.y + f.y * 1.5}, map);
    context.strokeStyle = context.fillStyle = palette.character;
    context.lineWidth = 2;
    strokeLine(context, at, tip);
    context.beginPath();
    context.arc(at.x, at.y, 4, 0, 2 * Math.PI);
    context.fill();
}

function mapCaption(frameState) {
    const handed = frameState.distanceHanded;
    const distance = handed === null ? 'none handed' : `${fixed(handed)} m handed`;
    return ['map, north up: ● view  ■ game camera  × target', `orbit ${distance}`,
            frameState.locked ? 'target locked' : ''];
}
