// The page's geometry: pure functions of numbers, no canvas, no page state.
// World: metres, x east, y north, z up; headings in degrees, 0 faces +y, counter-clockwise seen
// from above, never wrapped; pitch positive looks up; a field of view is the vertical one.

export const degree = Math.PI / 180;

// The unit vector a camera at heading h and pitch p looks along.
export function forwardOf(heading, pitch) {
    const h = heading * degree, p = pitch * degree;
    return {x: -Math.sin(h) * Math.cos(p), y: Math.cos(h) * Math.cos(p), z: Math.sin(p)};
}

// The camera's right, up and forward axes. Right comes from the heading alone, so a pitch of
// +90 or -90 still gives three finite, orthogonal axes; the roll turns right and up about forward.
export function cameraAxes(pose) {
    const h = pose.heading * degree, r = (pose.roll || 0) * degree;
    const forward = forwardOf(pose.heading, pose.pitch);
    const flatRight = {x: Math.cos(h), y: Math.sin(h), z: 0};
    const flatUp = cross(flatRight, forward);
    const c = Math.cos(r), s = Math.sin(r);
    return {
        right: addScaled(scale(flatRight, c), flatUp, -s),
        up: addScaled(scale(flatUp, c), flatRight, s),
        forward,
    };
}

export function cross(a, b) {
    return {x: a.y * b.z - a.z * b.y, y: a.z * b.x - a.x * b.z, z: a.x * b.y - a.y * b.x};
}

export function dot(a, b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
export function scale(a, k) { return {x: a.x * k, y: a.y * k, z: a.z * k}; }
export function addScaled(a, b, k) { return {x: a.x + b.x * k, y: a.y + b.y * k, z: a.z + b.z * k}; }

// The point in the camera's frame: x right, y up, depth along the view.
export function toCamera(point, pose, axes) {
    const d = {x: point.x - pose.x, y: point.y - pose.y, z: point.z - pose.z};
    return {x: dot(d, axes.right), y: dot(d, axes.up), depth: dot(d, axes.forward)};
}

export const nearDepth = 0.05;

// Where a camera-frame point lands on a viewport {width, height}; the vertical field of view
// spans the height. Assumes depth >= nearDepth.
export function screenOf(local, fov, viewport) {
    const focal = viewport.height / 2 / Math.tan(fov * degree / 2);
    return {x: viewport.width / 2 + local.x / local.depth * focal,
            y: viewport.height / 2 - local.y / local.depth * focal, depth: local.depth};
}

// The pixel a world point projects to from the pose {x, y, z, pitch, roll, heading, fov}, or
// null when it lies behind the near plane.
export function project(point, pose, viewport, axes = cameraAxes(pose)) {
    const local = toCamera(point, pose, axes);
    return local.depth < nearDepth ? null : screenOf(local, pose.fov, viewport);
}

// A world segment as seen from the pose, cut at the near plane; null when wholly behind it.
export function projectSegment(a, b, pose, viewport, axes = cameraAxes(pose)) {
    let p = toCamera(a, pose, axes), q = toCamera(b, pose, axes);
    if (p.depth < nearDepth && q.depth < nearDepth) return null;
    if (p.depth < nearDepth) p = cutAtNear(q, p);
    if (q.depth < nearDepth) q = cutAtNear(p, q);
    return [screenOf(p, pose.fov, viewport), screenOf(q, pose.fov, viewport)];
}

// The point between a (in front) and b (behind) at the near plane.
function cutAtNear(a, b) {
    const t = (a.depth - nearDepth) / (a.depth - b.depth);
    return {x: a.x + (b.x - a.x) * t, y: a.y + (b.y - a.y) * t, depth: nearDepth};
}

// The half-angle, in degrees, that a view of that vertical field of view spans across a
// picture of that width/height aspect.
export function horizontalHalfAngle(fov, aspect) {
    return Math.atan(Math.tan(fov * degree / 2) * aspect) / degree;
}

// The map's view cone of a camera at (x, y): its apex and the two edges' ends at `reach`
// metres, from the heading alone (a camera looking straight up still has a cone on the map).
export function viewCone(pose, reach, aspect = 1) {
    const half = horizontalHalfAngle(pose.fov, aspect);
    const edge = (turn) => {
        const f = forwardOf(pose.heading + turn, 0);
        return {x: pose.x + f.x * reach, y: pose.y + f.y * reach};
    };
    return {apex: {x: pose.x, y: pose.y}, left: edge(half), right: edge(-half), halfAngle: half};
}

// The map's framing {centreX, centreY, pixelsPerMetre, width, height} that shows every point
// with a margin, and at least `minSpan` metres across the shorter side.
export function fitMap(points, width, height, minSpan = 20) {
    let minX = Infinity, maxX = -Infinity, minY = Infinity, maxY = -Infinity;
    for (const p of points) {
        minX = Math.min(minX, p.x); maxX = Math.max(maxX, p.x);
        minY = Math.min(minY, p.y); maxY = Math.max(maxY, p.y);
    }
    if (!(minX <= maxX)) minX = maxX = minY = maxY = 0;
    const spanX = Math.max(maxX - minX, minSpan), spanY = Math.max(maxY - minY, minSpan);
    const pixelsPerMetre = 0.9 * Math.min(width / spanX, height / spanY);
    return {centreX: (minX + maxX) / 2, centreY: (minY + maxY) / 2, pixelsPerMetre, width, height};
}

// The map pixel of a world point; north is up.
export function worldToMap(point, map) {
    return {x: map.width / 2 + (point.x - map.centreX) * map.pixelsPerMetre,
            y: map.height / 2 - (point.y - map.centreY) * map.pixelsPerMetre};
}

// The eight corners of a box standing on `base` (its bottom centre), turned to `heading`:
// length along the heading, width across it, height up.
export function boxCorners(base, heading, length, width, height) {
    const f = forwardOf(heading, 0), r = {x: -f.y, y: f.x};
    const corners = [];
    for (const up of [0, height])
        for (const [a, b] of [[1, 1], [1, -1], [-1, -1], [-1, 1]])
            corners.push({x: base.x + f.x * a * length / 2 + r.x * b * width / 2,
                          y: base.y + f.y * a * length / 2 + r.y * b * width / 2, z: base.z + up});
    return corners;
}

// The twelve edges of boxCorners' box, as index pairs.
export const boxEdges = [[0, 1], [1, 2], [2, 3], [3, 0], [4, 5], [5, 6], [6, 7], [7, 4],
                         [0, 4], [1, 5], [2, 6], [3, 7]];

// The value range [low, high] of the numbers, widened to at least `minSpan` around them.
export function valueRange(values, minSpan) {
    let low = Infinity, high = -Infinity;
    for (const v of values) {
        if (v === null || !Number.isFinite(v)) continue;
        low = Math.min(low, v); high = Math.max(high, v);
    }
    if (!(low <= high)) return [0, minSpan];
    const widen = Math.max(0, minSpan - (high - low)) / 2;
    return [low - widen, high + widen];
}
