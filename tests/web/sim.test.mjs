// The WebAssembly module under Node: vorthmere-sim.mjs must print, write and exit exactly as the
// Linux vorthmere-sim does for the same session and settings, and the module's own conversions
// must give the conversion table's results on wasi-libc.
// Run from the repository: node --test tests/web/ (builds web and default first).
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { WASI } from 'node:wasi';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const linuxSim = path.resolve(process.env.VORTHMERE_SIM ?? path.join(root, 'build/default/vorthmere-sim'));
const nodeSim = path.join(root, 'build/web/vorthmere-sim.mjs');
const data = path.join(root, 'tests/sim/data');

// Every file in a folder, by its path there.
function filesIn(folder, under = '') {
  const files = {};
  for (const entry of fs.readdirSync(path.join(folder, under), { withFileTypes: true })) {
    const name = path.join(under, entry.name);
    if (entry.isDirectory()) Object.assign(files, filesIn(folder, name));
    else files[name] = fs.readFileSync(path.join(folder, name), 'utf8');
  }
  return files;
}

// Runs one program in a fresh folder holding `files`; "{out}" in an argument becomes `out`.
function play(command, files, args, out) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'vorthmere-web-test-'));
  for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(folder, name), text);
  const result = spawnSync(command[0], [...command.slice(1), ...args.map((a) => a.replace('{out}', out))], {
    cwd: folder,
    encoding: 'utf8',
  });
  const written = filesIn(folder);
  fs.rmSync(folder, { recursive: true, force: true });
  return { status: result.status, stdout: result.stdout, stderr: result.stderr, files: written };
}

// Both programs, each in a folder of its own with the same relative file names.
function playBoth(files, args) {
  return { linux: play([linuxSim], files, args, 'out'), node: play([process.execPath, nodeSim], files, args, 'out') };
}

const platformSession = fs.readFileSync(path.join(data, 'platform_session.toml'), 'utf8');
const badSession = fs.readFileSync(path.join(data, 'bad_session.toml'), 'utf8');
const wideFov = '[Config]\ndefault_fov = 70\nsensitivity_x = 9.5\nenable_key2 = F5\n';

const agreeing = [
  { name: 'the built-in session', files: {}, args: ['--csv', '{out}.csv'] },
  { name: 'the built-in session, quiet', files: {}, args: ['--quiet', '--csv', '{out}.csv'] },
  { name: 'platform_session.toml', files: { 's.toml': platformSession }, args: ['s.toml', '--csv', '{out}.csv'] },
  { name: 'a settings file of its own', files: { 'v.ini': wideFov }, args: ['--ini', 'v.ini', '--csv=sub/{out}.csv'] },
  { name: 'an unusable session', files: { 'bad.toml': badSession }, args: ['bad.toml', '--csv', '{out}.csv'] },
  { name: 'a session file that is missing', files: {}, args: ['missing.toml'] },
  { name: 'an unknown option', files: {}, args: ['--frames', '10'] },
  { name: 'a second session file', files: { 's.toml': platformSession }, args: ['s.toml', 's.toml'] },
];

for (const { name, files, args } of agreeing) {
  test(`node and Linux agree: ${name}`, () => {
    const { linux, node } = playBoth(files, args);
    assert.equal(node.status, linux.status);
    assert.equal(node.stdout, linux.stdout);
    if (linux.status === 2) assert.equal(node.stderr, linux.stderr);
    assert.deepEqual(node.files, linux.files); // the CSV, byte for byte, and nothing else
  });
}

test('the CSV of the built-in session is one row a frame after the header', () => {
  const { node } = playBoth({}, ['--quiet', '--csv', '{out}.csv']);
  const rows = node.files['out.csv'].trimEnd().split('\n');
  assert.equal(rows[0], 'frame,time_s,mode,x,y,z,pitch,roll,heading,fov,distance_handed,event');
  assert.equal(rows.length, 1201);
});

test('--html writes the page with the session and the settings file preloaded', () => {
  const { node } = playBoth({ 's.toml': platformSession, 'v.ini': wideFov }, ['s.toml', '--ini', 'v.ini', '--quiet', '--html', 'out/page.html', '--csv', '{out}.csv']);
  assert.equal(node.status, 0);
  const page = node.files['out/page.html'];
  const block = /<script id="vorthmere-preload" type="application\/json">([^<]*)<\/script>/.exec(page);
  assert.deepEqual(JSON.parse(block[1]), { session: platformSession, ini: wideFov });
});

test('the conversion table gives glibc results on wasi-libc', async () => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'vorthmere-number-table-'));
  const wasi = new WASI({ version: 'preview1', args: ['number-table'], env: {}, preopens: { '/': folder }, returnOnExit: true });
  const module = await WebAssembly.compile(fs.readFileSync(path.join(root, 'build/web/number-table.wasm')));
  const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: wasi.wasiImport });
  const status = wasi.start(instance);
  fs.rmSync(folder, { recursive: true, force: true });
  assert.equal(status, 0);
});
