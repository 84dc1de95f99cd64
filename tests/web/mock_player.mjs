// A stand-in for the player with synthetic frames, for working on the page without the module.
// Never shipped: dev_page.mjs bundles it in place of the real player.

export async function loadModule() { return {mock: true}; }

export function builtinSession() { return 'name = "mock"\nduration = 10.0\n'; }

function mockPitch(n) {
    if (n >= 150 && n < 210) return Math.min(90, (n - 150) * 2);
    return n >= 210 && n < 240 ? -90 : 0;
}

function mockFrame(n) {
    const seconds = n / 60, on = n >= 36 && !(n >= 400 && n < 430), aiming = n >= 300 && n < 360;
    const heading = n * 0.2, character = {x: -Math.sin(heading * Math.PI / 180) * seconds, y: 1.5 * seconds, z: 0, heading};
    const back = {x: character.x + Math.sin(heading * Math.PI / 180) * 3.5, y: character.y - Math.cos(heading * Math.PI / 180) * 3.5};
    const cam = {x: back.x, y: back.y, z: 1.6, pitch: mockPitch(n), roll: 0, heading, fov: aiming ? 35 : 50};
    return {
        frame: n, seconds, on, scope: n >= 400 && n < 430, aiming, cam,
        game: {x: back.x, y: back.y, z: 1.6, pitch: 0, heading, distance: 3.5},
        distanceHanded: on && !aiming ? 3.5 : null, character, carried: n >= 450 ? 'horse' : 'none',
        slope: n >= 450 ? 5 : 0, target: {x: 6, y: 20, z: 0.5}, locked: n >= 500 && n < 540,
    };
}

export function playSession(module, {session, ini} = {}) {
    const sessionText = session ?? builtinSession();
    const broken = /^(.*)\bbroken\b/m.exec(sessionText);
    if (broken) {
        const line = sessionText.slice(0, broken.index).split('\n').length;
        return {ok: false, errors: [`session.toml:${line}: unknown key "broken"`]};
    }
    const frames = Array.from({length: 600}, (_, n) => mockFrame(n));
    const fov = /default_fov\s*=\s*(\d+)/.exec(ini ?? '');
    const rows = frames.map((f) => [f.frame, f.seconds.toFixed(4), f.on ? 'on' : 'off', f.cam.x.toFixed(4),
        f.cam.y.toFixed(4), f.cam.z.toFixed(4), f.cam.pitch.toFixed(4), '0.0000', f.cam.heading.toFixed(4),
        (fov ? Number(fov[1]) : f.cam.fov).toFixed(4), f.distanceHanded ?? ''].join(','));
    return {
        ok: true, errors: [], summary: '10.00 s, 600 frames (mock)', exitStatus: 0,
        header: 'frame,time_s,mode,x,y,z,pitch,roll,heading,fov,distance_handed,event', rows, frames,
        events: [{frame: 36, label: 'switch on', noted: true}, {frame: 300, label: 'aim', noted: true},
                 {frame: 310, label: 'Ctrl down', noted: false}, {frame: 450, label: 'horse', noted: true}],
        report: `Settings: //Vorthmere.ini\n  default_fov ${fov ? fov[1] : 50}\n`, log: 'mock log\n',
        sessionText, iniText: ini ?? null,
        calls: (n) => [`[frame ${n}] scriptWait(0)`],
    };
}
