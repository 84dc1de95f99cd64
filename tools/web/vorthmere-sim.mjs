#!/usr/bin/env node
// vorthmere-sim under Node: plays a session through the WebAssembly module, with the options,
// output and exit statuses of the native vorthmere-sim, and writes the page preloaded with a
// session and a settings file (--html).
//   node vorthmere-sim.mjs [SESSION.toml] [--ini FILE] [--csv FILE] [--quiet] [--html FILE]
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { loadModule, runPlay, startInstance } from './player.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const usageStatus = 2;

const usage = `vorthmere-sim: plays a session against the built Vorthmere plug-in and shows what the camera does.
Without a session file it plays the built-in one.
Usage: node vorthmere-sim.mjs [OPTIONS] [session]

Positionals:
  session FILE      Session file (TOML); the built-in session when absent

Options:
  -h,--help         Print this help message and exit
  --csv FILE        Write the per-frame pose the player sees to FILE
  -q,--quiet        No events table
  --ini FILE        Play with this settings file instead of the session's
  --html FILE       Write the page, with this session and settings file preloaded, to FILE
`;

function fail(message) {
  process.stderr.write(`${message}\nRun with --help for more information.\n`);
  process.exit(usageStatus);
}

// As CLI11 parses vorthmere-sim's command line: the files are checked before any unexpected
// argument is reported.
function parseArguments(args) {
  const options = { quiet: false };
  const unexpected = [];
  const valued = { '--ini': 'ini', '--csv': 'csv', '--html': 'html' };
  for (let i = 0; i < args.length; i++) {
    const [flag, inline] = args[i].startsWith('--') ? args[i].split(/=(.*)/s, 2) : [args[i]];
    if (flag === '-h' || flag === '--help') {
      process.stdout.write(usage);
      process.exit(0);
    } else if (flag === '-q' || flag === '--quiet') {
      options.quiet = true;
    } else if (valued[flag]) {
      const value = inline ?? args[++i];
      if (value === undefined) fail(`${flag}: 1 required FILE missing`);
      options[valued[flag]] = value;
    } else if ((flag.startsWith('-') && flag !== '-') || options.session !== undefined) {
      unexpected.push(args[i]);
    } else {
      options.session = args[i];
    }
  }
  for (const name of ['session', 'ini']) {
    const file = options[name];
    if (file !== undefined && !(fs.existsSync(file) && fs.statSync(file).isFile()))
      fail(`${name === 'ini' ? '--ini' : 'session'}: File does not exist: ${file}`);
  }
  if (unexpected.length > 1) fail(`The following arguments were not expected: ${unexpected.join(' ')}`);
  if (unexpected.length) fail(`The following argument was not expected: ${unexpected[0]}`);
  return options;
}

// Node's WASI over a fresh temporary folder, preopened as the module's root: the plug-in's
// working folder, removed after the play.
async function nodeSystem() {
  const { WASI } = await withoutWasiWarning(() => import('node:wasi'));
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'vorthmere-sim-'));
  const wasi = await withoutWasiWarning(() => new WASI({ version: 'preview1', args: [], env: {}, preopens: { '/': folder } }));
  return {
    imports: wasi.wasiImport,
    start: (instance) => wasi.initialize(instance),
    remove: () => fs.rmSync(folder, { recursive: true, force: true }),
  };
}

// Node warns that WASI is experimental, on the next turn after loading it; that warning is not
// this program's output. Every other warning still shows.
async function withoutWasiWarning(make) {
  const emitWarning = process.emitWarning;
  process.emitWarning = (warning, ...rest) => {
    if (!String(warning).includes('WASI')) emitWarning.call(process, warning, ...rest);
  };
  try {
    const made = await make();
    await new Promise((resolve) => setImmediate(resolve));
    return made;
  } finally {
    process.emitWarning = emitWarning;
  }
}

function writeOutput(file, text) {
  try {
    fs.mkdirSync(path.dirname(path.resolve(file)), { recursive: true });
    fs.writeFileSync(file, text);
    return true;
  } catch {
    process.stderr.write(`vorthmere-sim: cannot write ${file}\n`);
    return false;
  }
}

// The page from beside this script, with the texts in its preload block.
function preloadedPage(session, ini) {
  const page = fs.readFileSync(path.join(here, 'vorthmere.html'), 'utf8'); // built beside this script
  const data = JSON.stringify({ session, ini }).replace(/</g, '\\u003c');
  const block = /(<script id="vorthmere-preload" type="application\/json">)[^<]*(<\/script>)/;
  if (!block.test(page)) throw new Error('vorthmere.html has no preload block');
  return page.replace(block, (_, open, close) => open + data + close);
}

async function main() {
  const options = parseArguments(process.argv.slice(2));
  const session = options.session !== undefined ? fs.readFileSync(options.session, 'utf8') : undefined;
  const ini = options.ini !== undefined ? fs.readFileSync(options.ini, 'utf8') : undefined;
  const module = await loadModule(fs.readFileSync(path.join(here, 'vorthmere.wasm')));
  const system = await nodeSystem();
  let run;
  try {
    const name = options.session;
    run = runPlay(startInstance(module, system), { session, name, ini, quiet: options.quiet, trace: false });
  } finally {
    system.remove();
  }
  process.stderr.write(run.standardError);
  if (run.status === 2) return 2;
  process.stdout.write(run.standardOutput);
  let written = options.csv === undefined || writeOutput(options.csv, run.csv);
  if (options.html !== undefined) {
    if (fs.existsSync(path.join(here, 'vorthmere.html'))) {
      written = writeOutput(options.html, preloadedPage(session, ini)) && written;
    } else {
      process.stderr.write(`vorthmere-sim: no vorthmere.html beside ${path.basename(process.argv[1])} to write the page from\n`);
      written = false;
    }
  }
  if (run.status !== 0) return run.status;
  return written ? 0 : 2;
}

process.exitCode = await main();
