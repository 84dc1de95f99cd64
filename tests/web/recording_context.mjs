// A 2D context that records where the views draw, for checking them under Node without a canvas.
export function recordingContext(width, height) {
    const drawn = [];
    const context = {
        canvas: {width, height}, drawn, strokeStyle: '', fillStyle: '', globalAlpha: 1,
        getTransform: () => ({a: 1}),
    };
    const at = (kind) => (...numbers) => drawn.push({kind, numbers, strokeStyle: context.strokeStyle});
    for (const kind of ['moveTo', 'lineTo', 'arc', 'fillRect', 'fillText']) context[kind] = at(kind);
    context.measureText = (text) => ({width: 6 * text.length});
    for (const ignored of ['beginPath', 'closePath', 'stroke', 'fill', 'setLineDash'])
        context[ignored] = () => {};
    return context;
}

// A frame state as the player gives it, with the camera `cam` and everything else plain.
export function frameStateWith(cam, extra = {}) {
    return {
        frame: 0, seconds: 0, on: true, scope: false, aiming: false,
        cam: {x: 0, y: -3.5, z: 1.6, pitch: 0, roll: 0, heading: 0, fov: 50, ...cam},
        game: {x: 0, y: -3.5, z: 1.6, pitch: 0, heading: 0, distance: 3.5}, distanceHanded: 3.5,
        character: {x: 0, y: 0, z: 0, heading: 0}, carried: 'none', slope: 0,
        target: {x: 6, y: 20, z: 0.5}, locked: false, ...extra,
    };
}
