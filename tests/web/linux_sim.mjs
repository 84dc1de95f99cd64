// The Linux simulator, the reference the page is compared with: build/default/vorthmere-sim
// unless VORTHMERE_SIM names another.
import {spawnSync} from 'node:child_process';
import {mkdtempSync, readFileSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join, resolve} from 'node:path';

const root = resolve(new URL('../..', import.meta.url).pathname);
const simPath = process.env.VORTHMERE_SIM || join(root, 'build/default/vorthmere-sim');
export const scratch = mkdtempSync(join(tmpdir(), 'vorthmere-web-'));

function runSim(args) {
    const run = spawnSync(simPath, args, {encoding: 'utf8'});
    if (run.error) throw new Error(`${simPath}: ${run.error.message} (set VORTHMERE_SIM)`);
    return run;
}

// A text written into the scratch folder under that name; returns its path.
export function scratchFile(name, text) {
    const path = join(scratch, name);
    writeFileSync(path, text);
    return path;
}

// The Linux CSV's rows (header first) and summary for a session file (or the built-in one) and
// an optional settings file.
export function linuxPlay({sessionPath, iniPath} = {}) {
    const csv = join(scratch, `play-${Math.random().toString(36).slice(2)}.csv`);
    const args = [...(sessionPath ? [sessionPath] : []), ...(iniPath ? ['--ini', iniPath] : []),
                  '--csv', csv, '--quiet'];
    const run = runSim(args);
    const lines = readFileSync(csv, 'utf8').split('\n');
    if (lines.at(-1) === '') lines.pop();
    return {header: lines[0], rows: lines.slice(1), summary: run.stdout.trim(), status: run.status};
}

export function linuxCheckIni(iniPath) { return runSim(['--check-ini', iniPath]).stdout; }

// The Linux simulator's messages for a session file that cannot be used.
export function linuxRefusal(sessionPath) {
    const run = runSim([sessionPath, '--quiet']);
    return {status: run.status, messages: run.stderr.trim().split('\n')};
}

export function linuxBuiltinSession() { return runSim(['--print-session']).stdout; }

// The frame numbers whose CSV row names an event, from the CSV itself.
export function eventFrames(rows) {
    return rows.filter((row) => !row.endsWith(',')).map((row) => Number(row.split(',')[0]));
}
