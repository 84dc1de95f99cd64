// Plays sessions through the WebAssembly module: the one interface the page and the Node command
// have to it. Each play runs in a fresh instance, as each vorthmere-sim run is a fresh process.
import { scriptHostImports } from './script_host.mjs';
import { memoryWasi } from './wasi_memory.mjs';

const output = { standardOutput: 0, standardError: 1, csv: 2, frames: 3, trace: 4, report: 5, events: 6, scene: 7 };
const playQuiet = 1; // no events table before the summary
const playTraced = 2; // keep every native call
const encoder = new TextEncoder();
const decoder = new TextDecoder();

export async function loadModule(wasmBytes) {
  return { compiled: await WebAssembly.compile(wasmBytes) };
}

// The module as the page holds it: gzip, then base64, in <script id="vorthmere-module">.
export async function embeddedModuleBytes(document) {
  const text = document.getElementById('vorthmere-module').textContent.trim();
  const binary = atob(text);
  const packed = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) packed[i] = binary.charCodeAt(i); // Uint8Array.from is 8x slower
  const unpacked = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
  return new Uint8Array(await new Response(unpacked).arrayBuffer());
}

// A fresh instance on a WASI system ({imports, start(instance), readFile(name)}).
export function startInstance(module, system) {
  const script = scriptHostImports();
  const instance = new WebAssembly.Instance(module.compiled, {
    wasi_snapshot_preview1: system.imports,
    vorthmere: script.imports,
  });
  system.start(instance);
  script.attach(instance);
  return instance.exports;
}

function textAt(x, pointer, size) {
  return decoder.decode(new Uint8Array(x.memory.buffer, pointer, size));
}

function outputText(x, kind) {
  return textAt(x, x.vorthmere_output(kind), x.vorthmere_output_size(kind));
}

function putText(x, text) {
  const data = encoder.encode(text ?? '');
  const pointer = x.vorthmere_alloc(data.length);
  new Uint8Array(x.memory.buffer, pointer, data.length).set(data);
  return [pointer, data.length];
}

export function builtinSession(module) {
  const x = startInstance(module, memoryWasi());
  return textAt(x, x.vorthmere_builtin_session(), x.vorthmere_builtin_session_size());
}

// Plays in the instance; what vorthmere-sim prints and writes, and its exit status before any
// file is written.
// session and ini are texts, or undefined; name is what the session's messages call it.
export function runPlay(x, { session, name = 'session.toml', ini, quiet = true, trace = true }) {
  const [sessionPointer, sessionSize] = putText(x, session);
  const [namePointer, nameSize] = putText(x, name);
  const [iniPointer, iniSize] = putText(x, ini);
  const flags = (quiet ? playQuiet : 0) | (trace ? playTraced : 0);
  const status = x.vorthmere_play(sessionPointer, sessionSize, session !== undefined ? 1 : 0, namePointer, nameSize,
    iniPointer, iniSize, ini !== undefined ? 1 : 0, flags);
  for (const pointer of [sessionPointer, namePointer, iniPointer]) x.vorthmere_free(pointer);
  return {
    status,
    standardOutput: outputText(x, output.standardOutput),
    standardError: outputText(x, output.standardError),
    csv: outputText(x, output.csv),
    frames: outputText(x, output.frames),
    report: outputText(x, output.report),
    events: outputText(x, output.events),
  };
}

function lines(text) {
  const all = text.split('\n');
  if (all[all.length - 1] === '') all.pop();
  return all;
}

function frameState(row, world) {
  const c = row.split(',');
  const number = (i) => Number(c[i]);
  return {
    frame: number(0),
    seconds: number(1),
    on: c[2] === 'on',
    scope: world.scope,
    aiming: world.aiming,
    cam: { x: number(3), y: number(4), z: number(5), pitch: number(6), roll: number(7), heading: number(8), fov: number(9) },
    game: {
      x: world.game[0], y: world.game[1], z: world.game[2],
      pitch: world.gameRotation[0], heading: world.gameRotation[2], distance: world.gameDistance,
    },
    distanceHanded: c[10] === '' ? null : number(10),
    character: { x: world.character[0], y: world.character[1], z: world.character[2], heading: world.characterHeading },
    carried: world.carried,
    slope: world.slope,
    target: { x: world.target[0], y: world.target[1], z: world.target[2] },
    locked: world.locked,
  };
}

// Frame n's native calls, read from the instance only when asked for: the whole trace is large.
function frameCalls(x, n) {
  const start = x.vorthmere_frame_calls_start(n);
  const end = x.vorthmere_frame_calls_end(n);
  if (end <= start) return [];
  return lines(textAt(x, x.vorthmere_output(output.trace) + start, end - start));
}

function eventMarks(text) {
  return lines(text).map((line) => {
    const [frame, noted, label] = line.split('\t');
    return { frame: Number(frame), label, noted: noted === 'noted' };
  });
}

// A Play from what a finished run left in the instance; frames are the states of its rows, read
// from the run's world lines unless given.
function finishedPlay(x, system, run, sessionText, frames) {
  const all = lines(run.csv);
  const rows = all.slice(1);
  const worldsOf = () => lines(run.frames).map((line) => JSON.parse(line));
  const printed = lines(run.standardOutput);
  return {
    ok: true,
    errors: lines(run.standardError),
    summary: printed[0],
    violations: printed.slice(1),
    exitStatus: run.status,
    header: all[0],
    rows,
    frames: frames ?? ((worlds) => rows.map((row, n) => frameState(row, worlds[n])))(worldsOf()),
    events: eventMarks(run.events),
    report: run.report,
    log: system.readFile('Vorthmere.log') ?? '',
    sessionText,
    iniText: system.readFile('Vorthmere.ini'),
    calls: (n) => frameCalls(x, n),
  };
}

// Plays a session (TOML text, or undefined for the built-in one) with a settings file (text, or
// undefined for the session's own [settings]); a Play as the page uses it.
export function playSession(module, { session, ini } = {}) {
  const system = memoryWasi();
  const x = startInstance(module, system);
  const run = runPlay(x, { session, ini, quiet: true });
  const sessionText = session ?? textAt(x, x.vorthmere_builtin_session(), x.vorthmere_builtin_session_size());
  if (run.status === 2) {
    return { ok: false, errors: lines(run.standardError), exitStatus: 2, sessionText, iniText: ini ?? null };
  }
  return finishedPlay(x, system, run, sessionText);
}

// A live drive in a fresh instance, with the scene and settings of a session (its events left
// out): {ok, errors, status, sceneText, iniText, header, rows, frames, calls}. driveFrame plays
// each next frame; finishDrive turns it into a Play.
export function startDrive(module, { session, ini } = {}) {
  const system = memoryWasi();
  const x = startInstance(module, system);
  const [sessionPointer, sessionSize] = putText(x, session);
  const [iniPointer, iniSize] = putText(x, ini);
  const status = x.vorthmere_live_start(sessionPointer, sessionSize, session !== undefined ? 1 : 0,
    iniPointer, iniSize, ini !== undefined ? 1 : 0, 1);
  for (const pointer of [sessionPointer, iniPointer]) x.vorthmere_free(pointer);
  return {
    x, system, status,
    ok: status === 0,
    errors: lines(outputText(x, output.standardError)),
    sceneText: outputText(x, output.scene),
    iniText: system.readFile('Vorthmere.ini'),
    sessionText: session ?? textAt(x, x.vorthmere_builtin_session(), x.vorthmere_builtin_session_size()),
    header: 'frame,time_s,mode,x,y,z,pitch,roll,heading,fov,distance_handed,event',
    rows: [],
    frames: [],
    calls: (n) => frameCalls(x, n),
  };
}

// Plays the drive's next frame with its events (session text, or ''); returns the module's status:
// 0 played (its row and state added to the drive), 1 the script ended, 2 refused (errors set).
export function driveFrame(drive, eventsText) {
  const x = drive.x;
  const [pointer, size] = putText(x, eventsText);
  const status = x.vorthmere_live_frame(pointer, size);
  x.vorthmere_free(pointer);
  if (status !== 0) {
    drive.errors = lines(outputText(x, output.standardError));
    return status;
  }
  const row = lines(outputText(x, output.csv))[0];
  drive.rows.push(row);
  drive.frames.push(frameState(row, JSON.parse(outputText(x, output.frames))));
  return status;
}

// The settings report and the log as the drive has left them so far.
export function driveReport(drive) { return outputText(drive.x, output.report); }
export function driveLog(drive) { return drive.system.readFile('Vorthmere.log') ?? ''; }

// Ends the drive: the end checks run, and it becomes a Play like any other.
export function finishDrive(drive, sessionText) {
  const x = drive.x;
  const status = x.vorthmere_live_finish();
  const run = { status };
  for (const kind of ['standardOutput', 'standardError', 'csv', 'report', 'events']) {
    run[kind] = outputText(x, output[kind]);
  }
  return finishedPlay(x, drive.system, run, sessionText, drive.frames);
}
